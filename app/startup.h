#pragma once

#include <QStringList>

class QCoreApplication;

namespace Startup {

// Sets the version, organisation and application names that decide where data and settings live.
void setApplicationIdentity();

// True when the first argument is exactly "auto".
bool isAutoMode(const QStringList &arguments);

// The whole start of the program: what main() runs.
int run(int argc, char *argv[]);

} // namespace Startup

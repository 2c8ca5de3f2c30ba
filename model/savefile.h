#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file through `write` into a temporary file beside it and then replaces the file, so
// that a failed write (no space, no access, a crash) leaves the previous file whole. Missing
// directories are created. True when the new file is in place.
bool saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);

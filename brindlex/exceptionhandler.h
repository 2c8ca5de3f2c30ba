// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Brindlex {

// Writes a short crash report (time, version, signal, backtrace) into the data directory when the
// process receives a fatal signal, then lets the process die as it would have.
class ExceptionHandler final
{
public:
    ExceptionHandler();
    ~ExceptionHandler();

    // Arms the handler. The report directory is the application's data directory at this moment,
    // so call it after the application identity is set.
    void initExceptionHandler();

    // Where reports go; empty until armed.
    QString reportDirectory() const;

    ExceptionHandler(const ExceptionHandler &) = delete;
    ExceptionHandler &operator=(const ExceptionHandler &) = delete;

private:
    bool armed = false;
};

} // namespace Brindlex

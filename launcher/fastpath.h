// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class InstanceLock;

// The program's most frequent start is `auto` from the timer with nothing due. It is answered here
// before any application object exists, since building one costs as much as reading a large file.
namespace FastPath {

enum class Answer
{
    // The start ends now with status 0, showing nothing: an auto start while another copy runs (it
    // sends no message), held back by the previous start, or with nothing due; the auto start's
    // settings are written as a full start writes them.
    EndNow,
    // An auto start that is neither held back nor empty: the file was found to have something due.
    SomethingDue,
    // Not answered here: a plain start, automatic update checks that need the full start, or a
    // list synced with a server, which the full start syncs before the test.
    FullStart,
};

// Unless the answer is EndNow the caller goes on as a full start, and `lock` holds the
// single-instance lock when it was taken here. Call it after the application identity is set and
// the crash handler is armed.
Answer decide(int argc, char *argv[], std::unique_ptr<InstanceLock> &lock);

// The rest of the start, for an answer other than EndNow: it takes over the lock, if any.
using FullStart = int (*)(int argc, char *argv[], Answer early, std::unique_ptr<InstanceLock> lock);

// The whole start, as main() runs it: sets the application identity, arms the crash handler for
// the rest of the process, decides, and hands over to `fullStart` unless the answer is EndNow.
// Answers the process's exit status.
int start(int argc, char *argv[], FullStart fullStart);

} // namespace FastPath

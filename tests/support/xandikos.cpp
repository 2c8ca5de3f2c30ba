// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/xandikos.h"

#include "tests/support/programrun.h"

namespace {

const QString Program = QStringLiteral("/usr/bin/xandikos");

} // namespace

bool Xandikos::available()
{
    return runProgram(Program, {QStringLiteral("--version")}).status == 0;
}

Xandikos::Xandikos(const QString &user) : CalDavTestServer(QStringLiteral("Xandikos"))
{
    // Served from a folder of its own, apart from the log. --defaults makes the principal and its
    // calendar home (/<user>/calendars/) at the first start.
    start(Program, {QStringLiteral("-d"), folder.filePath(QStringLiteral("data")), QStringLiteral("--defaults"),
                    QStringLiteral("--current-user-principal"), QStringLiteral("/%1/").arg(user), QStringLiteral("-l"),
                    QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(port)});
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/virtualdisplay.h"

#include "tests/support/programrun.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace {

// The numbers after "=" in xprop's answer, such as "_NET_WORKAREA(CARDINAL) = 0, 0, 1920, 1080".
QList<int> cardinals(const QString &xprop)
{
    QList<int> numbers;
    const int equals = xprop.indexOf(QLatin1Char('='));
    if (equals < 0)
        return numbers;
    for (const QString &number : xprop.mid(equals + 1).split(QLatin1Char(',')))
        numbers << number.trimmed().toInt();
    return numbers;
}

// A field of xwininfo's answer, such as "  Absolute upper-left X:  640".
QString field(const QString &xwininfo, const QString &label)
{
    const QRegularExpression line(QStringLiteral("^\\s*%1:\\s*(\\S+)").arg(QRegularExpression::escape(label)),
                                  QRegularExpression::MultilineOption);
    return line.match(xwininfo).captured(1);
}

} // namespace

VirtualDisplay::~VirtualDisplay()
{
    for (QProcess *process : {&manager, &server})
        endProgram(*process, SIGTERM, 5000);
}

QString VirtualDisplay::missingTools()
{
    for (const char *tool : {"Xvfb", "openbox", "xdotool", "xprop", "xwininfo"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
    }
    return QString();
}

bool VirtualDisplay::start(bool withWindowManager)
{
    // Xvfb picks a free display number and writes it once it accepts connections.
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("1920x1080x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QDeadlineTimer deadline(30000);
    while (!server.canReadLine() && server.state() != QProcess::NotRunning && !deadline.hasExpired())
        server.waitForReadyRead(100);
    const QString number = QString::fromLatin1(server.readLine()).trimmed();
    if (number.isEmpty())
        return false;
    display = QLatin1Char(':') + number;
    if (!withWindowManager)
        return true;

    manager.setProcessEnvironment(environment());
    // Its complaints, if any, go to the test's log.
    manager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    manager.setStandardOutputFile(QProcess::nullDevice());
    manager.start(QStringLiteral("openbox"), {});
    // The manager announces itself on the root window once it manages the screen. On a loaded
    // machine it has been seen to end at once now and then: it is started again.
    for (int starts = 1;
         !output(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
              .contains(QStringLiteral("window id"));) {
        if (deadline.hasExpired())
            return false;
        if (manager.state() == QProcess::NotRunning) {
            qWarning("openbox ended with status %d", manager.exitCode());
            if (++starts > 3)
                return false;
            manager.start(QStringLiteral("openbox"), {});
        }
        QThread::msleep(50);
    }
    return true;
}

QProcessEnvironment VirtualDisplay::environment(QProcessEnvironment base) const
{
    base.insert(QStringLiteral("DISPLAY"), display);
    base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The windows draw nothing with OpenGL; Mesa's GLX keeps allocations the leak check would report.
    base.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    // libxkbcommon-x11 copies the keymap's names with strndup from buffers without a final NUL,
    // which is allowed; the sanitized run's strict string checks read on past them and abort.
    if (base.contains(QStringLiteral("ASAN_OPTIONS")))
        base.insert(QStringLiteral("ASAN_OPTIONS"),
                    base.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":strict_string_checks=0"));
    return base;
}

QString VirtualDisplay::output(const QString &program, const QStringList &arguments) const
{
    return QString::fromLocal8Bit(runProgram(program, arguments, environment()).out);
}

QRect VirtualDisplay::frameOf(qint64 pid) const
{
    const QString windows =
        output(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--pid"), QString::number(pid)});
    const QString id = windows.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (id.isEmpty())
        return QRect();
    const QString info = output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const QRect inside(field(info, QStringLiteral("Absolute upper-left X")).toInt(),
                       field(info, QStringLiteral("Absolute upper-left Y")).toInt(),
                       field(info, QStringLiteral("Width")).toInt(), field(info, QStringLiteral("Height")).toInt());
    // Windows that bypass the manager, and every window without one, have no frame.
    if (manager.state() == QProcess::NotRunning ||
        field(info, QStringLiteral("Override Redirect State")) == QLatin1String("yes"))
        return inside;
    // Left, right, top, bottom; set by the manager once it has framed the window.
    const QList<int> extents =
        cardinals(output(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")}));
    if (extents.size() != 4)
        return QRect();
    return inside.adjusted(-extents.at(0), -extents.at(2), extents.at(1), extents.at(3));
}

QRect VirtualDisplay::workArea() const
{
    // One area per virtual desktop; the first is the one shown.
    const QList<int> area =
        cardinals(output(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_WORKAREA")}));
    if (area.size() >= 4)
        return QRect(area.at(0), area.at(1), area.at(2), area.at(3));
    const QString root = output(QStringLiteral("xwininfo"), {QStringLiteral("-root")});
    return QRect(0, 0, field(root, QStringLiteral("Width")).toInt(), field(root, QStringLiteral("Height")).toInt());
}

bool VirtualDisplay::click(QPoint at) const
{
    return runProgram(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                       QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")},
                      environment())
               .status == 0;
}

QRect reportedPlace(QProcess &driver)
{
    const QStringList words = QString::fromLatin1(driver.readLine()).split(QLatin1Char(' '));
    if (words.size() != 5)
        return QRect();
    return QRect(words.at(1).toInt(), words.at(2).toInt(), words.at(3).toInt(), words.at(4).toInt());
}

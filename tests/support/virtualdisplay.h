// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QRect>
#include <QString>

// A virtual X display of its own (Xvfb, one 1920 × 1080 screen, on a free display number), with the
// openbox window manager on it unless asked without, for programs a suite starts on Qt's X11
// platform while the suite itself stays offscreen. Both processes end with the object. What it
// reads of windows comes from the X server and the window manager, not from Qt.
class VirtualDisplay
{
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    // What this machine lacks to run it; empty when nothing is missing.
    static QString missingTools();

    // True once the display answers and, with a window manager, the manager has taken the screen.
    bool start(bool withWindowManager = true);
    QString name() const { return display; }
    // `base` for a program to run on this display with the X11 platform.
    QProcessEnvironment environment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;

    // The frame of the shown window of process `pid`, as drawn on the screen: the window with the
    // manager's decoration around it. Null while it shows none, or the manager has not framed it yet.
    QRect frameOf(qint64 pid) const;
    // The screen less what the window manager keeps for panels; the whole screen without one.
    QRect workArea() const;
    // Presses and releases the first mouse button there, as a user would.
    bool click(QPoint at) const;

private:
    QString output(const QString &program, const QStringList &arguments) const;

    QProcess server;
    QProcess manager;
    QString display;
};

// The place on the screen that launcherdriver reports with ORIVENTA_DRIVER_REPORT, from the line it
// has printed ("<name> x y width height"); null before it has.
QRect reportedPlace(QProcess &driver);

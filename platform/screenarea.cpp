// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screenarea.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect availableArea(const QWidget *window)
{
    // A geometry restored before the first show is not yet on the screen Qt thinks the window is on.
    const QScreen *on = QGuiApplication::screenAt(window->frameGeometry().center());
    if (!on)
        on = window->screen();
    if (!on)
        on = QGuiApplication::primaryScreen();
    return on ? on->availableGeometry() : QRect();
}

QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                    frame.bottom() - inside.bottom());
}

QRect keptInside(QRect available, QRect frame)
{
    frame.setSize(frame.size().boundedTo(available.size()));
    // Past the right or bottom edge first, so that a frame as large as the area ends at its top left.
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    return frame;
}

QRect storedInside(const QByteArray &geometry)
{
    // The layout QWidget::saveGeometry() writes: 1.0 up to the inside of the normal state, 2.0 adds
    // the screen's width, 3.0 the inside of the current state.
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    stream >> magic >> major >> minor >> frame >> normal >> screen >> maximized >> fullScreen;
    qint32 screenWidth = 0;
    if (major > 1)
        stream >> screenWidth;
    QRect inside = normal;
    if (major > 2)
        stream >> inside;
    if (stream.status() != QDataStream::Ok || magic != 0x1D9D0CB || major < 1 || maximized || fullScreen)
        return QRect();
    return inside;
}

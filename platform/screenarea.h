// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>

class QWidget;

// The part of the screen a window may use (without panels and task bars): that of the screen under
// the window's centre, else of the screen it was last on, else of the primary screen.
QRect availableArea(const QWidget *window);

// How far the window system's frame reaches beyond the window's inside on each side: none until the
// window manager has framed the shown window.
QMargins frameMargins(const QWidget *window);

// `frame` moved, and shrunk where it is larger, to lie inside `available`; a frame that cannot fit
// keeps its top left corner in the area, where the title bar and the first buttons are.
QRect keptInside(QRect available, QRect frame);

// The window's inside as QWidget::saveGeometry() stored it, of every version of its format, for a
// window in its normal state; null for other bytes and for a window stored maximised or full-screen.
QRect storedInside(const QByteArray &geometry);

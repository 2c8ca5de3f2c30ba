// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

// Desktop composition ("glass"). The window manager's functions are looked up at run time in
// the library "dwmapi"; where it is missing, composition simply counts as off.

// Looks up the two functions; true once DwmIsCompositionEnabled has been found. A failed
// attempt is tried again at the next call.
bool resolveDwmFunctions();

// True when the window manager says that composition is on.
bool compositionEnabled();

// Extends the window frame into the client area (negative values: over the whole window).
// On success the window is remembered by the composition notifier.
bool extendGlassFrame(QWidget *window, int leftWidth, int rightWidth, int topHeight, int bottomHeight);

// A hidden window that hears when composition is switched on or off and repaints the windows
// whose frame was extended.
class WindowNotifier final : public QWidget
{
    Q_OBJECT

public:
    // The message the system broadcasts when composition changes.
    static constexpr unsigned int CompositionChangedMessage = 0x031E;

    WindowNotifier();

    void addGlassWidget(QWidget *window);
    QList<QWidget *> glassWidgets() const { return widgets; }

protected:
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

private:
    void compositionChanged();

    QList<QWidget *> widgets;
};

// The one notifier, made (with its native window) on first use.
WindowNotifier *compositionNotifier();

// The leading fields of a Windows MSG; elsewhere this is what a "windows_generic_MSG" carries.
struct NativeWindowMessage
{
    void *window;
    unsigned int message;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/glass.h"

#include <QLibrary>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The window manager's calling conventions: HRESULT is a 32-bit signed number, BOOL an int.
struct Margins
{
    qint32 leftWidth;
    qint32 rightWidth;
    qint32 topHeight;
    qint32 bottomHeight;
};

#ifdef Q_OS_WIN
#define DWM_API WINAPI
#else
#define DWM_API
#endif
using IsCompositionEnabledFunction = qint32(DWM_API *)(int *enabled);
using ExtendFrameFunction = qint32(DWM_API *)(void *window, const Margins *margins);

IsCompositionEnabledFunction isCompositionEnabled = nullptr;
ExtendFrameFunction extendFrame = nullptr;

} // namespace

bool resolveDwmFunctions()
{
    if (isCompositionEnabled)
        return true;
    QLibrary library(QStringLiteral("dwmapi"));
    isCompositionEnabled = reinterpret_cast<IsCompositionEnabledFunction>(library.resolve("DwmIsCompositionEnabled"));
    extendFrame = reinterpret_cast<ExtendFrameFunction>(library.resolve("DwmExtendFrameIntoClientArea"));
    return isCompositionEnabled != nullptr;
}

bool compositionEnabled()
{
    if (!resolveDwmFunctions())
        return false;
    int enabled = 0;
    return isCompositionEnabled(&enabled) >= 0 && enabled != 0;
}

bool extendGlassFrame(QWidget *window, int leftWidth, int rightWidth, int topHeight, int bottomHeight)
{
    if (!resolveDwmFunctions())
        return false;
    const Margins margins{leftWidth, rightWidth, topHeight, bottomHeight};
    const bool extended = extendFrame && extendFrame(reinterpret_cast<void *>(window->winId()), &margins) >= 0;
    if (extended)
        compositionNotifier()->addGlassWidget(window);
    window->setAttribute(Qt::WA_TranslucentBackground, extended);
    return extended;
}

WindowNotifier::WindowNotifier() = default;

void WindowNotifier::addGlassWidget(QWidget *window)
{
    widgets.append(window);
}

bool WindowNotifier::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    if (message && (eventType == "windows_generic_MSG" || eventType == "windows_dispatcher_MSG")) {
#ifdef Q_OS_WIN
        const unsigned int number = static_cast<const MSG *>(message)->message;
#else
        const unsigned int number = static_cast<const NativeWindowMessage *>(message)->message;
#endif
        if (number == CompositionChangedMessage)
            compositionChanged();
    }
    // Never swallow a message: the base class answers every one.
    return QWidget::nativeEvent(eventType, message, result);
}

void WindowNotifier::compositionChanged()
{
    const bool enabled = compositionEnabled();
    const QList<QWidget *> snapshot = widgets;
    for (QWidget *window : snapshot) {
        window->setAttribute(Qt::WA_NoSystemBackground, enabled);
        window->update();
    }
}

WindowNotifier *compositionNotifier()
{
    static WindowNotifier *notifier = [] {
        auto *made = new WindowNotifier;
        // A native window from the start, so that broadcast messages reach it.
        made->winId();
        return made;
    }();
    return notifier;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventsfile.h"
#include "model/preferences.h"

#include <QMainWindow>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <memory>

class QTimer;
class ReminderItem;

namespace Ui {
class ReminderWindow;
}

// The window of an auto start: one reminder item per due event (or one at a time), shown as a
// centred pop-up or as a window that slides up into the bottom-right corner.
class ReminderWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit ReminderWindow(QWidget *parent = nullptr);
    ~ReminderWindow() override;

    // A window over events that the caller holds and saves, as a desktop notification's click
    // opens it: its close saves nothing and never ends the process, so answers given elsewhere
    // meanwhile are not overwritten.
    static std::unique_ptr<ReminderWindow> forEvents(const QList<Event *> &shown);
    // Adds an item with its options open for each of these events that has none yet.
    void showWithOptions(const QList<Event *> &shown);

    // Adds an item for each due event not yet examined (only the first in separate mode);
    // true when it added at least one.
    bool populate();
    // The item added, or null when it was let go while the window settled its size.
    ReminderItem *addItem(Event *event);
    // Pop-up: placed at the centre. Tray: starts the slide-in.
    void startDisplay();
    void placeWindow();
    void startSlideIn();

    bool isPopup() const { return settings.popupNotifications; }
    QList<ReminderItem *> items() const;
    const EventStore &storedEvents() const { return events; }

    // Where the window's frame rests and where the slide-in puts it within the available area.
    static QPoint popupPlace(QRect available, QSize frame);
    static QPoint trayPlace(QRect available, QSize frame);
    static QPoint slidePlace(QRect available, QSize frame, int slideStep);

    // Closing a tray window ends the process; tests replace the way it ends.
    static void setProcessEnd(std::function<void(int)> end);
    // Off when the process has more to show after the reminders (the list, asked for meanwhile).
    void setEndsProcessOnClose(bool ends) { endsProcessOnClose = ends; }

    // Steps of the window's own animation and of the items' options panels.
    void updateAnimation();
    void on_itemResize();
    void on_itemResize(int change);

Q_SIGNALS:
    // The window has closed and written the events file.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void on_okButton_clicked();

private:
    ReminderWindow(bool ownsStore, QWidget *parent);
    // The window's geometry for the given inner rectangle, with its frame kept in the area.
    QRect insideArea(QRect inner) const;
    // As large as the items need and never larger than the available area: the items that do not
    // fit scroll, and OK stays in sight below them.
    void fitToContents();
    void clearItems();

    // The window's own copy of the list, read from and saved through the events file.
    EventsFile eventsFile;
    EventStore events;
    int nextIndex = 0;
    Preferences settings;
    Ui::ReminderWindow *ui;
    QTimer *animationTimer;
    int slideStep = 0;
    // The frame the window's size was last worked out with.
    QMargins fittedFrame;
    bool endsProcessOnClose = true;
    // False for a window over someone else's events: it neither loads nor saves the file.
    bool ownsEvents = true;
};

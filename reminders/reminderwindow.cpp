// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/reminderwindow.h"

#include "model/clock.h"
#include "model/reminderrules.h"
#include "platform/glass.h"
#include "platform/screenarea.h"
#include "platform/textfit.h"
#include "reminders/reminderitem.h"
#include "ui_reminderwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

constexpr int animationIntervalMs = 5;
constexpr int cornerGap = 6;

std::function<void(int)> &processEnd()
{
    // Ends at once, as the tray window must: no return to the event loop, no destructors.
    static std::function<void(int)> end = [](int status) {
        std::fflush(nullptr);
        std::_Exit(status);
    };
    return end;
}

} // namespace

ReminderWindow::ReminderWindow(QWidget *parent) : ReminderWindow(true, parent) {}

ReminderWindow::ReminderWindow(bool ownsStore, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::ReminderWindow), ownsEvents(ownsStore)
{
    initResources();
    ui->setupUi(this);
    keepTitlesWhole({ui->okButton});

    animationTimer = new QTimer(this);
    animationTimer->setInterval(animationIntervalMs);
    connect(animationTimer, &QTimer::timeout, this, &ReminderWindow::updateAnimation);

    readPreferences(settings, settingsFilePath());

    if (settings.popupNotifications)
        setWindowFlags(Qt::Window | Qt::WindowTitleHint);
    else
        setWindowFlags(Qt::SubWindow | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);

    // A file that cannot be read shows nothing and is never saved over.
    if (ownsEvents && eventsFile.open() != EventsFile::State::Unreadable)
        events = eventsFile.takeEvents();
    nextIndex = 0;

    if (!compositionEnabled())
        ui->centralwidget->setStyleSheet(
            ui->centralwidget->styleSheet() +
            QStringLiteral(" QWidget#centralwidget {background-color: rgb(232,236,246);} "));
}

ReminderWindow::~ReminderWindow()
{
    // The items refer to the events: remove them first, those shown and those awaiting release.
    qDeleteAll(ui->centralwidget->findChildren<ReminderItem *>(QString(), Qt::FindDirectChildrenOnly));
    qDeleteAll(events);
    delete ui;
}

std::unique_ptr<ReminderWindow> ReminderWindow::forEvents(const QList<Event *> &shown)
{
    std::unique_ptr<ReminderWindow> window(new ReminderWindow(false, nullptr));
    window->endsProcessOnClose = false;
    window->showWithOptions(shown);
    return window;
}

void ReminderWindow::showWithOptions(const QList<Event *> &shown)
{
    for (Event *event : shown) {
        const QList<ReminderItem *> present = items();
        if (std::any_of(present.cbegin(), present.cend(),
                        [event](const ReminderItem *item) { return item->shownEvent() == event; }))
            continue;
        // The item just added, not the last one: another click may have added one meanwhile.
        if (ReminderItem *item = addItem(event))
            item->toggleOptions();
    }
}

QList<ReminderItem *> ReminderWindow::items() const
{
    QList<ReminderItem *> result;
    for (int i = 0; i < ui->layout->count(); ++i) {
        if (auto *item = qobject_cast<ReminderItem *>(ui->layout->itemAt(i)->widget()))
            result << item;
    }
    return result;
}

void ReminderWindow::clearItems()
{
    // OK can be handled while an item's animation step, or this window's slot that it called,
    // is processing events; those frames are still on the stack. So an item leaves at once but
    // is deleted only later, and no longer steers the window in between.
    while (QLayoutItem *entry = ui->layout->takeAt(0)) {
        if (QWidget *item = entry->widget()) {
            disconnect(item, nullptr, this, nullptr);
            item->hide();
            item->deleteLater();
        }
        delete entry;
    }
}

bool ReminderWindow::populate()
{
    clearItems();
    if (nextIndex >= events.size())
        return false;
    const QDate today = Clock::today();
    bool added = false;
    for (int i = nextIndex; i < events.size(); ++i) {
        Event *event = events.at(i);
        if (!ReminderRules::isDue(*event, today))
            continue;
        // Moved on before the item is added: adding processes events, and an OK handled there
        // must look beyond this event.
        nextIndex = i + 1;
        addItem(event);
        added = true;
        if (settings.separateNotifications)
            return true;
    }
    return added;
}

ReminderItem *ReminderWindow::addItem(Event *event)
{
    auto *item = new ReminderItem(event);
    connect(item, qOverload<>(&ReminderItem::resized), this, qOverload<>(&ReminderWindow::on_itemResize));
    connect(item, qOverload<int>(&ReminderItem::resized), this, qOverload<int>(&ReminderWindow::on_itemResize));
    ui->layout->addWidget(item);
    on_itemResize();
    // Settling the size processes events: an OK handled there may have let the item go already.
    return items().contains(item) ? item : nullptr;
}

QPoint ReminderWindow::popupPlace(QRect available, QSize frame)
{
    const QPoint centred((available.width() - frame.width()) / 2, (available.height() - frame.height()) / 2);
    return keptInside(available, QRect(available.topLeft() + centred, frame)).topLeft();
}

QPoint ReminderWindow::trayPlace(QRect available, QSize frame)
{
    const QPoint corner(available.width() - frame.width() - cornerGap, available.height() - frame.height() - cornerGap);
    return keptInside(available, QRect(available.topLeft() + corner, frame)).topLeft();
}

QPoint ReminderWindow::slidePlace(QRect available, QSize frame, int step)
{
    // Rises from below the area, in the column where it will rest.
    return QPoint(trayPlace(available, frame).x(), available.top() + available.height() - step);
}

QRect ReminderWindow::insideArea(QRect inner) const
{
    const QMargins margins = frameMargins(this);
    return keptInside(availableArea(this), inner + margins) - margins;
}

void ReminderWindow::fitToContents()
{
    // A hidden window settles its layouts only when shown: settle them now, so that the size
    // used for placing the window is the size it will be shown with.
    ui->layout->activate();
    QScrollArea *scroll = ui->scrollArea;
    const int border = 2 * scroll->frameWidth();
    const QSize items = ui->scrollAreaWidgetContents->sizeHint() + QSize(border, border);
    const auto settle = [this] {
        ui->centralwidget->layout()->activate();
        layout()->activate();
    };
    // The window with every item in sight, and the part of it the area has room for.
    scroll->setMinimumSize(items);
    settle();
    const QSize whole = sizeHint();
    fittedFrame = frameMargins(this);
    QRect area = availableArea(this) - fittedFrame;
    // The tray style rests a gap away from the area's edges.
    if (!settings.popupNotifications)
        area -= QMargins(cornerGap, cornerGap, cornerGap, cornerGap);
    const QSize room = area.size();
    QSize shown = items;
    if (whole.height() > room.height()) {
        shown.rheight() -= whole.height() - room.height();
        shown.rwidth() += scroll->verticalScrollBar()->sizeHint().width();
    }
    shown.rwidth() -= std::max(0, whole.width() - items.width() + shown.width() - room.width());
    scroll->setMinimumSize(shown.expandedTo(QSize(0, 0)));
    settle();
    resize(sizeHint().boundedTo(room));
}

void ReminderWindow::setProcessEnd(std::function<void(int)> end)
{
    processEnd() = std::move(end);
}

void ReminderWindow::startDisplay()
{
    if (settings.popupNotifications)
        placeWindow();
    else
        startSlideIn();
}

void ReminderWindow::placeWindow()
{
    const QSize frame = frameGeometry().size();
    move(settings.popupNotifications ? popupPlace(availableArea(this), frame) : trayPlace(availableArea(this), frame));
}

void ReminderWindow::startSlideIn()
{
    slideStep = 0;
    updateAnimation();
    animationTimer->start(animationIntervalMs);
}

void ReminderWindow::updateAnimation()
{
    const QSize frame = frameGeometry().size();
    move(slidePlace(availableArea(this), frame, slideStep));
    if (slideStep > frame.height() + cornerGap - 1)
        animationTimer->stop();
    ++slideStep;
}

void ReminderWindow::on_itemResize()
{
    QApplication::processEvents();
    fitToContents();
    QApplication::processEvents();
    if (!settings.popupNotifications)
        placeWindow();
    else
        setGeometry(insideArea(geometry()));
}

void ReminderWindow::on_itemResize(int change)
{
    QRect area = geometry();
    area.setTop(area.top() - change);
    area.setBottom(area.bottom() + change);
    setGeometry(insideArea(area));
    QApplication::processEvents();
}

void ReminderWindow::on_okButton_clicked()
{
    if (settings.separateNotifications && populate())
        return;
    close();
}

void ReminderWindow::closeEvent(QCloseEvent *event)
{
    // A damaged file is kept aside as the main window keeps it. This start runs unattended and may
    // end the process at once: a failed save is only logged, and the reminders stay due.
    if (ownsEvents)
        eventsFile.save(events);
    if (!settings.popupNotifications && endsProcessOnClose)
        processEnd()(0);
    QMainWindow::closeEvent(event);
    Q_EMIT closed();
}

void ReminderWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (QWindow *handle = windowHandle())
        handle->installEventFilter(this);
}

bool ReminderWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A window manager frames the window only once it is on the screen: the size and the place
    // worked out before, without the frame, are worked out again with it.
    if (event->type() == QEvent::Expose && watched == windowHandle() && frameMargins(this) != fittedFrame) {
        fitToContents();
        if (!animationTimer->isActive())
            placeWindow();
    }
    return QMainWindow::eventFilter(watched, event);
}

void ReminderWindow::keyPressEvent(QKeyEvent *event)
{
    // The tray style has no title bar: the keyboard is its other way out. A held key does not
    // race through the reminders of the one-at-a-time mode.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            ui->okButton->click();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void ReminderWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        keepTitlesWhole({ui->okButton});
    }
}

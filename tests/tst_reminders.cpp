// SPDX-License-Identifier: GPL-3.0-or-later
// Reminders: the due test, the sentence, the snooze choices, the item, the window, and the
// auto start, up to the whole road of one reminder.
#include "app/autostart.h"
#include "app/identity.h"
#include "mainwindow/mainwindow.h"
#include "model/nativesettings.h"
#include "model/preferences.h"
#include "model/reminderrules.h"
#include "platform/screenarea.h"
#include "reminders/reminderitem.h"
#include "reminders/reminderwindow.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/inlanguage.h"
#include "tests/support/notificationbus.h"
#include "tests/support/programrun.h"
#include "tests/support/testclock.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"
#include "tests/support/virtualdisplay.h"

#include <QAccessible>
#include <QCommandLinkButton>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

using namespace TestHelpers;
using ReminderRules::Choice;

namespace {

const QDate today(2027, 1, 13); // a Wednesday

// A one-off event `days` from today, reminded `before` days ahead.
Event *dueIn(const QString &name, int days, int before = 10)
{
    return singular(today.addDays(days)).named(name).notify(before).lastNotified(today.addDays(-1)).make();
}

void usePreferences(bool popup, bool separate)
{
    Preferences p;
    p.popupNotifications = popup;
    p.separateNotifications = separate;
    QVERIFY(writePreferences(p, settingsFilePath()));
}

} // namespace

Q_DECLARE_METATYPE(Choice)

class TestReminders : public QObject
{
    Q_OBJECT

    TestClock clock;
    QList<int> processEnds;

    static QStringList titles(const ReminderWindow &window)
    {
        QStringList result;
        for (const ReminderItem *item : window.items())
            result << item->shownEvent()->name;
        return result;
    }
    // Two due events for the one-at-a-time mode.
    static void oneThenTwo(bool popup)
    {
        usePreferences(popup, true);
        QVERIFY(writeEvents({dueIn(QStringLiteral("one"), 1), dueIn(QStringLiteral("two"), 2)}));
    }
    static void populateAndShow(ReminderWindow &window)
    {
        QVERIFY(window.populate());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    // Presses the item's first button and waits for its panel to come to rest.
    static void pressAccept(ReminderItem *item)
    {
        QSignalSpy done(item, qOverload<>(&ReminderItem::resized));
        child<QCommandLinkButton>(item, "acceptButton")->click();
        QTRY_COMPARE(done.count(), 1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        Startup::setApplicationIdentity();
        ReminderWindow::setProcessEnd([this](int status) { processEnds << status; });
    }

    void init()
    {
        QVERIFY(TestEnvironment::reset());
        clock.set(QDateTime(today, QTime(9, 0)));
        processEnds.clear();
    }

    void dueTest_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("lastNotified"); // days ago; -1 for none
        QTest::addColumn<bool>("showOnce");
        QTest::addColumn<int>("snooze");
        QTest::addColumn<bool>("notify");
        QTest::addColumn<bool>("due");
        QTest::newRow("today, 0 days before") << 0 << 0 << 1 << false << 0 << true << true;
        QTest::newRow("tomorrow") << 1 << 1 << 1 << false << 0 << true << true;
        QTest::newRow("10 days, 7 before") << 10 << 7 << 1 << false << 0 << true << false;
        QTest::newRow("10 days, 10 before") << 10 << 10 << 1 << false << 0 << true << true;
        QTest::newRow("reminders off") << 1 << 10 << 1 << false << 0 << false << false;
        QTest::newRow("passed") << -1 << 10 << 5 << false << 0 << true << false;
        QTest::newRow("shown today, once a day") << 3 << 10 << 0 << true << 0 << true << false;
        QTest::newRow("shown today, again allowed") << 3 << 10 << 0 << false << 0 << true << true;
        QTest::newRow("2 days ago, snoozed 3") << 3 << 10 << 2 << false << 3 << true << false;
        QTest::newRow("2 days ago, snoozed 2") << 3 << 10 << 2 << false << 2 << true << true;
        QTest::newRow("never shown, snoozed") << 3 << 10 << -1 << true << 40 << true << true;
    }

    void dueTest()
    {
        QFETCH(int, days);
        QFETCH(int, before);
        QFETCH(int, lastNotified);
        QFETCH(bool, showOnce);
        QFETCH(int, snooze);
        QFETCH(bool, notify);
        QScopedPointer<Event> e(dueIn(QStringLiteral("e"), days, before));
        e->lastNotified = lastNotified < 0 ? QDate() : today.addDays(-lastNotified);
        e->showOnce = showOnce;
        e->snoozeDays = snooze;
        e->notify = notify;
        QTEST(ReminderRules::isDue(*e, today), "due");
    }

    void nothingDueWithoutAComingDay()
    {
        const QScopedPointer<Event> made(weeklyEvent(QStringLiteral("none"), {}));
        Event weeklyNone = *made;
        weeklyNone.notify = true;
        weeklyNone.notifyDaysBefore = 99;
        QVERIFY(!ReminderRules::isDue(weeklyNone, today));
        weeklyNone.schedule = ScheduleKind(9);
        QVERIFY(!ReminderRules::isDue(weeklyNone, today));
    }

    void sentence_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("counted");
        QTest::addColumn<QString>("text");
        QTest::newRow("today") << "" << 0 << false << "Choir is on Wednesday, 13 January 2027 there are 0 days to go.";
        QTest::newRow("tomorrow") << "" << 1 << false << "Choir is on Thursday, 14 January 2027 there is 1 day to go.";
        QTest::newRow("in 10 days") << "" << 10 << false
                                    << "Choir is on Saturday, 23 January 2027 there are 10 days to go.";
        QTest::newRow("counted, ahead")
            << "" << 5 << true << "The 5th event of Choir is on Monday, 18 January 2027 there are 5 days to go.";
        QTest::newRow("counted, today")
            << "" << 0 << true << "The 4th event of Choir is on Wednesday, 13 January 2027 there are 0 days to go.";
        // Translated whole: the name moves within the sentence; the ordinal, date and plural follow.
        QTest::newRow("de, tomorrow") << "de" << 1 << true
                                      << "Das 5. Ereignis von Choir ist am Donnerstag, 14. Januar 2027 – noch 1 Tag.";
        QTest::newRow("fr, today")
            << "fr" << 0 << true
            << "Le 4e événement de Choir a lieu le mercredi 13 janvier 2027\u00a0: il reste 0 jour.";
    }

    void sentence()
    {
        QFETCH(QString, language);
        QFETCH(int, days);
        QFETCH(bool, counted);
        const InLanguage speaking(language);
        QVERIFY(speaking.loaded());
        // A counted one is weekly on the day in question and has one occurrence still to count.
        QScopedPointer<Event> e(counted ? weeklyEvent(QStringLiteral("Choir"), {today.addDays(days).dayOfWeek()})
                                        : dueIn(QStringLiteral("Choir"), days));
        e->counted = counted;
        e->count = 3;
        e->countDate = days > 0 ? today.addDays(days - 8) : today.addDays(-1);
        QTEST(ReminderRules::sentence(*e, today), "text");
        if (counted) {
            QCOMPARE(e->count, 4);
            QCOMPARE(e->countDate, today);
        }
        // The item shows the name apart, wherever the language puts it.
        QCOMPARE(ReminderRules::sentenceParts(*e, today).name, QStringLiteral("Choir"));
        QTEST(ReminderRules::sentenceParts(*e, today).text(), "text");
    }

    void choices_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<int>("againDays");
        QTest::addColumn<int>("snooze");
        QTest::addColumn<bool>("notify");
        QTest::newRow("again in 3") << Choice::Again << 3 << 3 << true;
        QTest::newRow("until the next") << Choice::UntilNext << 0 << 7 << true;
        QTest::newRow("never") << Choice::Never << 2 << 1 << false;
    }

    void choices()
    {
        QFETCH(Choice, choice);
        QFETCH(int, againDays);
        QScopedPointer<Event> e(dueIn(QStringLiteral("e"), 6));
        e->snoozeDays = 1;
        e->lastNotified = today;
        ReminderRules::applyChoice(*e, choice, againDays, today);
        QTEST(e->snoozeDays, "snooze");
        QTEST(e->notify, "notify");
        QCOMPARE(e->lastNotified, today);
    }

    void selectionReadBack_data()
    {
        QTest::addColumn<bool>("notify");
        QTest::addColumn<int>("snooze");
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<int>("againDays");
        QTest::newRow("reminders off") << false << 2 << Choice::Never << 0;
        QTest::newRow("snooze equal to the days to go") << true << 6 << Choice::Again << 6;
        QTest::newRow("one more than the days to go") << true << 7 << Choice::UntilNext << 0;
        QTest::newRow("short snooze") << true << 2 << Choice::Again << 2;
    }

    void selectionReadBack()
    {
        QFETCH(bool, notify);
        QFETCH(int, snooze);
        QScopedPointer<Event> e(dueIn(QStringLiteral("e"), 6));
        e->notify = notify;
        e->snoozeDays = snooze;
        const ReminderRules::Selection selection = ReminderRules::selectionFor(*e, today);
        QTEST(selection.choice, "choice");
        QTEST(selection.againDays, "againDays");
    }

    void freshItem_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::newRow("today") << 0 << 0 << 0;
        QTest::newRow("tomorrow") << 1 << 1 << 0;
        QTest::newRow("in 6 days") << 6 << 6 << 5;
    }

    void freshItem()
    {
        QFETCH(int, days);
        QScopedPointer<Event> e(dueIn(QStringLiteral("Dentist"), days));
        e->snoozeDays = 4;
        ReminderItem item(e.data());
        QCOMPARE(child<QWidget>(&item, "optionsPanel")->maximumHeight(), 0);
        QCOMPARE(child<QCommandLinkButton>(&item, "cancelButton")->maximumWidth(), 0);
        QCOMPARE(child<QCommandLinkButton>(&item, "acceptButton")->text(), QStringLiteral("Options"));
        QVERIFY(child<QRadioButton>(&item, "againRadio")->isChecked());
        QCOMPARE(child<QSpinBox>(&item, "againSpinBox")->minimum(), 0);
        QTEST(child<QSpinBox>(&item, "againSpinBox")->maximum(), "maximum");
        QTEST(child<QSpinBox>(&item, "againSpinBox")->value(), "value");
        QCOMPARE(item.findChild<QGroupBox *>()->title(), QStringLiteral("Dentist"));
        // Showing the reminder is recorded in the event.
        QCOMPARE(e->lastNotified, today);
        QCOMPARE(e->snoozeDays, 0);
    }

    // Tab goes round what is in sight, in screen order, and each stop has a name for screen readers.
    void tabStops_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("closed") << false << QStringList{"acceptButton"};
        QTest::newRow("open") << true << QStringList{"acceptButton", "cancelButton", "againRadio", "againSpinBox"};
    }

    void tabStops()
    {
        QFETCH(bool, open);
        QScopedPointer<Event> e(dueIn(QStringLiteral("Dentist"), 6));
        ReminderItem item(e.data());
        item.show();
        QVERIFY(QTest::qWaitForWindowActive(&item));
        QSignalSpy ends(&item, qOverload<>(&ReminderItem::resized));
        if (open)
            item.toggleOptions();
        QTRY_COMPARE(ends.count(), open ? 1 : 0);
        QStringList stops;
        child<QCommandLinkButton>(&item, "acceptButton")->setFocus();
        for (QWidget *at = QApplication::focusWidget(); at && !stops.contains(at->objectName());
             at = QApplication::focusWidget()) {
            stops << at->objectName();
            QVERIFY(!QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name).trimmed().isEmpty());
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QTEST(stops, "stops");
    }

    // Opening takes 17 steps: 16 report a change, the last reports the end.
    void optionsAnimation()
    {
        QScopedPointer<Event> e(dueIn(QStringLiteral("e"), 6));
        ReminderItem item(e.data());
        item.show();
        QSignalSpy steps(&item, qOverload<int>(&ReminderItem::resized));
        QSignalSpy ends(&item, qOverload<>(&ReminderItem::resized));
        child<QCommandLinkButton>(&item, "acceptButton")->click();
        QCOMPARE(child<QCommandLinkButton>(&item, "acceptButton")->text(), QStringLiteral("Accept"));
        QTRY_COMPARE(ends.count(), 1);
        QCOMPARE(steps.count(), 16);
        QCOMPARE(child<QWidget>(&item, "optionsPanel")->maximumHeight(), 99);
        QCOMPARE(child<QCommandLinkButton>(&item, "cancelButton")->maximumWidth(), 99);
        QVERIFY(child<QWidget>(&item, "optionsPanel")->height() > 0);
        // The first press stored the initial choice: d - 1.
        QCOMPARE(e->snoozeDays, 5);

        child<QCommandLinkButton>(&item, "cancelButton")->click();
        QTRY_COMPARE(ends.count(), 2);
        QCOMPARE(steps.count(), 32);
        QCOMPARE(child<QWidget>(&item, "optionsPanel")->maximumHeight(), 0);
        QCOMPARE(child<QCommandLinkButton>(&item, "acceptButton")->text(), QStringLiteral("Options"));
        QCOMPARE(e->snoozeDays, 5);
    }

    void pressDuringOpeningReverses()
    {
        QScopedPointer<Event> e(dueIn(QStringLiteral("e"), 6));
        ReminderItem item(e.data());
        item.show();
        QSignalSpy steps(&item, qOverload<int>(&ReminderItem::resized));
        QSignalSpy ends(&item, qOverload<>(&ReminderItem::resized));
        auto *accept = child<QCommandLinkButton>(&item, "acceptButton");
        accept->click();
        QTRY_VERIFY(steps.count() >= 3);
        child<QRadioButton>(&item, "neverRadio")->setChecked(true);
        accept->click();
        QVERIFY(!e->notify);
        QTRY_COMPARE(ends.count(), 1);
        QVERIFY(!item.isExpanded());
        QCOMPARE(child<QWidget>(&item, "optionsPanel")->maximumHeight(), 0);
    }

    // "Never" and later "again in 2" in the same item: notify stays off.
    void neverThenAgain()
    {
        QScopedPointer<Event> e(dueIn(QStringLiteral("e"), 6));
        ReminderItem item(e.data());
        pressAccept(&item); // open
        child<QRadioButton>(&item, "neverRadio")->setChecked(true);
        pressAccept(&item); // accept "never", close
        QVERIFY(!e->notify);
        pressAccept(&item); // reopen: the never choice is shown again
        QVERIFY(child<QRadioButton>(&item, "neverRadio")->isChecked());
        child<QRadioButton>(&item, "againRadio")->setChecked(true);
        child<QSpinBox>(&item, "againSpinBox")->setValue(2);
        pressAccept(&item);
        QVERIFY(!e->notify);
        QCOMPARE(e->snoozeDays, 2);
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("tray");
        QTest::addColumn<QPoint>("popup");
        QTest::newRow("1920 x 1040") << QRect(0, 0, 1920, 1040) << QSize(320, 150) << QPoint(1594, 884)
                                     << QPoint(800, 445);
        QTest::newRow("odd difference") << QRect(0, 0, 1025, 768) << QSize(320, 151) << QPoint(699, 611)
                                        << QPoint(352, 308);
        QTest::newRow("task bar on the top and left")
            << QRect(60, 40, 1860, 1040) << QSize(320, 150) << QPoint(1594, 924) << QPoint(830, 485);
        // Kept wholly inside: a frame as large as the area, or larger, rests at its top left.
        QTest::newRow("wider than the area")
            << QRect(0, 40, 1024, 728) << QSize(2830, 150) << QPoint(0, 612) << QPoint(0, 329);
        QTest::newRow("as large as the area")
            << QRect(0, 40, 1024, 728) << QSize(1024, 728) << QPoint(0, 40) << QPoint(0, 40);
    }

    void placement()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, frame);
        QTEST(ReminderWindow::trayPlace(available, frame), "tray");
        QTEST(ReminderWindow::popupPlace(available, frame), "popup");
        QFETCH(QPoint, tray);
        // The slide-in keeps the resting column and starts at the bottom of the area.
        QCOMPARE(ReminderWindow::slidePlace(available, frame, 0), QPoint(tray.x(), available.bottom() + 1));
        if (frame.height() + 6 <= available.height())
            QCOMPARE(ReminderWindow::slidePlace(available, frame, frame.height() + 6), tray);
    }

    void keptInside_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("kept");
        QTest::newRow("inside") << QRect(100, 100, 300, 200) << QRect(100, 100, 300, 200);
        QTest::newRow("past the bottom") << QRect(100, 700, 300, 200) << QRect(100, 568, 300, 200);
        QTest::newRow("above the top") << QRect(100, 10, 300, 200) << QRect(100, 40, 300, 200);
        QTest::newRow("taller than the area") << QRect(100, 0, 300, 900) << QRect(100, 40, 300, 728);
    }

    void keptInside()
    {
        QFETCH(QRect, frame);
        QTEST(::keptInside(QRect(0, 40, 1024, 728), frame), "kept");
    }

    // The slide-in starts below the available area and rises a pixel a tick into the corner.
    void slideIn()
    {
        usePreferences(false, false);
        QVERIFY(writeEvents({dueIn(QStringLiteral("a"), 2)}));
        ReminderWindow window;
        QVERIFY(window.populate());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<int> tops;
        struct MoveWatcher : QObject
        {
            QList<int> *tops;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Move)
                    *tops << static_cast<QWidget *>(o)->y();
                return false;
            }
        } watcher;
        watcher.tops = &tops;
        window.installEventFilter(&watcher);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        window.startSlideIn();
        const QPoint rest = ReminderWindow::trayPlace(available, window.frameGeometry().size());
        QTRY_COMPARE_WITH_TIMEOUT(window.pos(), rest, 10000);
        QTest::qWait(50);
        QCOMPARE(window.pos(), rest);
        QCOMPARE(tops.first(), available.bottom() + 1);
        QCOMPARE(tops.last(), rest.y());
        QCOMPARE(tops.size(), window.frameGeometry().height() + 7);
    }

    // A sentence stays on one line. One that fits on the screen is shown whole; in a longer one
    // only the name is shortened, so that the date and the days to go stay in sight, and the whole
    // sentence is given on hover and to screen readers. The window stays wholly on the screen with
    // OK in it, and the options panel still opens.
    void longNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("popup");
        QTest::addColumn<bool>("shortened");
        const QString words = QStringLiteral("Grandmother's ninetieth birthday party ").repeated(8);
        // The sentence is the name and 54 characters; the test screen is 800 pixels wide.
        QTest::newRow("short, pop-up") << QStringLiteral("Choir") << true << false;
        QTest::newRow("90 characters") << words.left(36) << true << false;
        QTest::newRow("110 characters, tray") << words.left(56) << false << false;
        QTest::newRow("160 characters") << words.left(106) << true << true;
        QTest::newRow("300 characters, pop-up") << words.left(300) << true << true;
        QTest::newRow("300 characters, tray") << words.left(300) << false << true;
        QTest::newRow("one 300-character word") << QString(300, QLatin1Char('x')) << true << true;
    }

    void longNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, popup);
        QFETCH(bool, shortened);
        usePreferences(popup, false);
        QVERIFY(writeEvents({dueIn(name, 5)}));
        ReminderWindow window;
        QVERIFY(window.populate());
        window.startDisplay();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        if (!popup)
            QTRY_COMPARE(window.pos(), ReminderWindow::trayPlace(available, window.frameGeometry().size()));
        ReminderItem *item = window.items().value(0);
        auto *label = child<QLabel>(item, "textLabel");
        const auto wholeOnScreen = [&] {
            QVERIFY(available.contains(window.frameGeometry()));
            auto *ok = window.findChild<QCommandLinkButton *>(QStringLiteral("okButton"));
            QVERIFY(window.rect().contains(QRect(ok->mapTo(&window, QPoint()), ok->size())));
            // All of the sentence's line is in the window.
            QVERIFY(window.rect().contains(QRect(label->mapTo(&window, QPoint()), label->size())));
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
            QVERIFY(label->height() < 2 * label->fontMetrics().lineSpacing());
        };
        wholeOnScreen();
        const QScopedPointer<Event> same(dueIn(name, 5));
        const ReminderRules::SentenceParts parts = ReminderRules::sentenceParts(*same, today);
        QCOMPARE(label->text() != parts.text(), shortened);
        QVERIFY(label->text().endsWith(parts.after));
        QCOMPARE(label->toolTip(), shortened ? parts.text() : QString());
        QCOMPARE(label->accessibleName(), parts.text());
        // A name too long for the frame's title is given whole on hover.
        const auto *frame = item->findChild<QGroupBox *>();
        QCOMPARE(frame->title() == name, frame->toolTip().isEmpty());
        QCOMPARE(frame->title() == name, name.size() < 100);

        const int closedHeight = window.height();
        QSignalSpy steps(item, qOverload<int>(&ReminderItem::resized));
        pressAccept(item);
        QCOMPARE(steps.count(), 16);
        QVERIFY(child<QWidget>(item, "optionsPanel")->height() > 0);
        QVERIFY(window.height() > closedHeight);
        wholeOnScreen();
    }

    // Sixteen reminders at once on a real display under a window manager: the window lies within
    // the screen's free area, the items scroll, and OK is on the screen, where a click closes the
    // window. The program runs on the real clock.
    void manyFitOnARealDisplay_data()
    {
        QTest::addColumn<bool>("popup");
        QTest::addColumn<bool>("notified");
        QTest::newRow("tray") << false << false;
        QTest::newRow("pop-up") << true << false;
        // Opened by a click on "16 reminders are due", with every item's options open.
        QTest::newRow("from a notification") << true << true;
    }

    void manyFitOnARealDisplay()
    {
        QFETCH(bool, popup);
        QFETCH(bool, notified);
        const QString missing =
            VirtualDisplay::missingTools() + (notified ? NotificationBus::missingTools() : QString());
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        usePreferences(popup, false);
        const QDate realToday = QDate::currentDate();
        EventStore events;
        for (int i = 1; i <= 16; ++i)
            events << singular(realToday.addDays(3)).named(QStringLiteral("Reminder %1").arg(i)).notify(5).make();
        QVERIFY(writeEvents(events));
        VirtualDisplay display;
        QVERIFY(display.start());
        QProcessEnvironment env = display.environment();
        env.insert(QStringLiteral("ORIVENTA_DRIVER_REPORT"), QStringLiteral("okButton"));
        NotificationBus bus;
        if (notified) {
            nativeSettings().setValue(QStringLiteral("reminderStyle"), QStringLiteral("notification"));
            QVERIFY(bus.start(QStringLiteral("body actions")));
            env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        }
        const auto program = startProgram(qEnvironmentVariable("ORIVENTA_DRIVER"), {QStringLiteral("auto")}, env);
        if (notified) {
            QTRY_COMPARE_WITH_TIMEOUT(bus.calls(QStringLiteral("Notify")).size(), 1, 10000);
            QVERIFY(bus.emitActionInvoked(1, QStringLiteral("default")));
        }
        QTRY_VERIFY_WITH_TIMEOUT(program->canReadLine(), 30000);
        const QRect ok = reportedPlace(*program);
        const QRect area = display.workArea();
        const QRect frame = display.frameOf(program->processId());
        QCOMPARE(area.intersected(frame), frame);
        QCOMPARE(frame.intersected(ok), ok);
        // The tray style rests in the corner, a gap away from the edges.
        if (!popup)
            QCOMPARE(frame.bottomRight(), area.bottomRight() - QPoint(6, 6));
        QVERIFY(display.click(ok.center()));
        QCOMPARE(endProgram(*program, 0, 10000), 0);
        for (const Event &event : readEvents())
            QCOMPARE(event.lastNotified, realToday);
    }

    // Escape, Return and keypad Enter act as OK wherever the focus is; the tray style has no
    // other way out but OK itself.
    void keys_data()
    {
        QTest::addColumn<bool>("popup");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QStringList>("shown");
        const QStringList next{"two"};
        QTest::newRow("Escape, tray") << false << int(Qt::Key_Escape) << false << "window" << false << next;
        QTest::newRow("Return, pop-up") << true << int(Qt::Key_Return) << false << "window" << false << next;
        QTest::newRow("keypad Enter on Options")
            << false << int(Qt::Key_Enter) << true << "acceptButton" << false << next;
        QTest::newRow("Return in the spin box")
            << false << int(Qt::Key_Return) << false << "againSpinBox" << false << next;
        QTest::newRow("Escape in the spin box")
            << true << int(Qt::Key_Escape) << false << "againSpinBox" << false << next;
        QTest::newRow("held Return") << true << int(Qt::Key_Return) << false << "window" << true << QStringList{"one"};
    }

    void keys()
    {
        QFETCH(bool, popup);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, target);
        QFETCH(bool, held);
        oneThenTwo(popup);
        ReminderWindow window;
        populateAndShow(window);
        ReminderItem *item = window.items().value(0);
        if (target == QLatin1String("againSpinBox"))
            pressAccept(item);
        QWidget *receiver = target == QLatin1String("window") ? &window : child<QWidget>(item, qPrintable(target));
        QKeyEvent press(QEvent::KeyPress, key, keypad ? Qt::KeypadModifier : Qt::NoModifier, QString(), held);
        QApplication::sendEvent(receiver, &press);
        QTEST(titles(window), "shown");
        QVERIFY(processEnds.isEmpty());
    }

    // OK handled while an item's panel is still moving lets that item go, yet not from under the
    // animation step or the window's slot on the stack: they find it gone and stop touching it.
    void okDuringAnimation_data()
    {
        QTest::addColumn<bool>("queued");
        QTest::newRow("from the window's slot") << false;
        QTest::newRow("within the step's event processing") << true;
    }

    void okDuringAnimation()
    {
        QFETCH(bool, queued);
        oneThenTwo(true);
        ReminderWindow window;
        populateAndShow(window);
        QPointer<ReminderItem> first = window.items().value(0);
        auto *ok = window.findChild<QCommandLinkButton *>(QStringLiteral("okButton"));
        bool kept = false;
        connect(ok, &QAbstractButton::clicked, &window, [&] { kept = !first.isNull(); });
        int steps = 0;
        connect(first.data(), qOverload<int>(&ReminderItem::resized), ok, [&](int) {
            if (++steps != 3)
                return;
            if (queued)
                QMetaObject::invokeMethod(ok, &QAbstractButton::click, Qt::QueuedConnection);
            else
                ok->click();
        });
        child<QCommandLinkButton>(first, "acceptButton")->click();
        QTRY_COMPARE(titles(window), QStringList{"two"});
        QVERIFY(kept);
        QTRY_VERIFY(first.isNull());
        // The window follows the item now shown.
        ReminderItem *second = window.items().value(0);
        QSignalSpy secondSteps(second, qOverload<int>(&ReminderItem::resized));
        pressAccept(second);
        QCOMPARE(secondSteps.count(), 16);
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
    }

    // Combined mode: every due event, in file order, in one window.
    void combinedMode()
    {
        usePreferences(true, false);
        QVERIFY(writeEvents({dueIn(QStringLiteral("first"), 1), dueIn(QStringLiteral("not due"), 30),
                             dueIn(QStringLiteral("third"), 3)}));
        ReminderWindow window;
        QVERIFY(window.isPopup());
        QCOMPARE(window.windowType(), Qt::Window);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowTitleHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.populate());
        QCOMPARE(titles(window), QStringList({"first", "third"}));
        // The window is as large as its items need.
        QVERIFY(window.height() >= window.items().first()->sizeHint().height() * 2);
        window.show();
        window.findChild<QCommandLinkButton *>(QStringLiteral("okButton"))->click();
        // OK in combined mode closes without looking for more.
        QCOMPARE(titles(window), QStringList({"first", "third"}));
        QVERIFY(!window.isVisible());
        QVERIFY(processEnds.isEmpty());
        QCOMPARE(readEvents().value(0).lastNotified, today);
        QCOMPARE(readEvents().value(1).lastNotified, today.addDays(-1));
    }

    // Separate mode: one at a time; each OK shows the next; the last OK closes and saves.
    void separateMode()
    {
        usePreferences(false, true);
        QVERIFY(writeEvents({dueIn(QStringLiteral("one"), 1), dueIn(QStringLiteral("two"), 2),
                             dueIn(QStringLiteral("later"), 40), dueIn(QStringLiteral("three"), 3)}));
        ReminderWindow window;
        // No title bar, always on top.
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowTitleHint));
        QVERIFY(window.populate());
        window.show();
        auto *ok = window.findChild<QCommandLinkButton *>(QStringLiteral("okButton"));
        QCOMPARE(titles(window), QStringList({"one"}));
        ok->click();
        QCOMPARE(titles(window), QStringList({"two"}));
        ok->click();
        QCOMPARE(titles(window), QStringList({"three"}));
        ok->click();
        QCOMPARE(titles(window), QStringList());
        // Tray style: the close saved the file and then ended the process with status 0.
        QCOMPARE(processEnds, QList<int>{0});
        for (int i : {0, 1, 3})
            QCOMPARE(readEvents().value(i).lastNotified, today);
    }

    void autoStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("lastRunAgo"); // seconds; no value when INT_MIN
        QTest::addColumn<int>("lastDisplayAgo");
        QTest::addColumn<bool>("goesAhead");
        QTest::addColumn<bool>("lastRunWritten");
        const int none = INT_MIN;
        const QStringList limited{"oriventa", "auto", "600"};
        QTest::newRow("auto, shown today") << QStringList{"oriventa", "auto"} << 10 << 10 << true << false;
        QTest::newRow("auto 600, 5 minutes later") << limited << 300 << 300 << false << true;
        QTest::newRow("auto 600, 900 s later") << limited << 900 << 900 << true << true;
        QTest::newRow("auto 600, 899 s later") << limited << 899 << 899 << false << true;
        QTest::newRow("shown yesterday") << limited << 60 << 24 * 3600 << true << true;
        QTest::newRow("never shown") << limited << 60 << none << true << true;
        QTest::newRow("first limited start") << limited << none << 60 << true << true;
        QTest::newRow("not a number") << QStringList{"oriventa", "auto", "hourly"} << 60 << 60 << true << true;
        QTest::newRow("not a number, run in the future")
            << QStringList{"oriventa", "auto", "hourly"} << -60 << 60 << false << true;
        QTest::newRow("two more arguments")
            << QStringList{"oriventa", "auto", "600", "700"} << 60 << 60 << true << false;
    }

    void autoStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, lastRunAgo);
        QFETCH(int, lastDisplayAgo);
        QFETCH(bool, goesAhead);
        QFETCH(bool, lastRunWritten);
        const QDateTime earlier = QDateTime(today, QTime(9, 30));
        clock.set(earlier.addSecs(3 * 3600));
        const QDateTime now = Clock::now();
        {
            QSettings settings = nativeSettings();
            if (lastRunAgo != INT_MIN)
                settings.setValue(QStringLiteral("LastRun"), now.addSecs(-lastRunAgo));
            if (lastDisplayAgo != INT_MIN)
                settings.setValue(QStringLiteral("LastDisplay"), now.addSecs(-lastDisplayAgo));
        }
        const QVariant runBefore = nativeSettings().value(QStringLiteral("LastRun"));
        const QVariant displayBefore = nativeSettings().value(QStringLiteral("LastDisplay"));
        // Asked first, as a start does before building anything, the judgement writes nothing.
        QCOMPARE(AutoStart::isHeldBack(arguments, now), !goesAhead);
        QCOMPARE(nativeSettings().value(QStringLiteral("LastRun")), runBefore);
        int built = 0;
        const AutoStart::Outcome outcome = AutoStart::run(arguments, now, [&built] {
            ++built;
            return true;
        });
        QCOMPARE(outcome == AutoStart::Outcome::ShowWindow, goesAhead);
        QCOMPARE(built, goesAhead ? 1 : 0);
        QCOMPARE(nativeSettings().value(QStringLiteral("LastRun")), lastRunWritten ? QVariant(now) : runBefore);
        QCOMPARE(nativeSettings().value(QStringLiteral("LastDisplay")), goesAhead ? QVariant(now) : displayBefore);
    }

    void autoStartWithNothingDue()
    {
        nativeSettings().setValue(QStringLiteral("LastDisplay"), Clock::now().addDays(-3));
        std::unique_ptr<ReminderWindow> window;
        const auto outcome = AutoStart::run({"oriventa", "auto"}, Clock::now(), [&window] {
            window = std::make_unique<ReminderWindow>();
            return window->populate();
        });
        QCOMPARE(outcome, AutoStart::Outcome::NothingShown);
        QCOMPARE(nativeSettings().value(QStringLiteral("LastDisplay")).toDateTime(), Clock::now().addDays(-3));
        window.reset();
        // Nothing was shown, so nothing was saved.
        QVERIFY(!QFile::exists(eventsFilePath()));
    }

    // The road of one reminder: entered in the editor, shown by an auto start, snoozed for
    // three days, saved; the next auto start the same day shows nothing.
    void roadOfOneReminder()
    {
        usePreferences(true, false);
        {
            MainWindow main;
            main.findChild<QAbstractButton *>(QStringLiteral("addButton"))->click();
            QTest::keyClicks(main.findChild<QLineEdit *>(QStringLiteral("eventName")), QStringLiteral("Dentist"));
            main.findChild<QDateEdit *>(QStringLiteral("eventDate"))->setDate(today.addDays(5));
            main.findChild<QAbstractButton *>(QStringLiteral("saveButton"))->click();
            main.close();
        }
        std::unique_ptr<ReminderWindow> window;
        const auto build = [&window] {
            window = std::make_unique<ReminderWindow>();
            return window->populate();
        };
        QCOMPARE(AutoStart::run({"oriventa", "auto", "3600"}, Clock::now(), build), AutoStart::Outcome::ShowWindow);
        window->startDisplay();
        window->show();
        ReminderItem *item = window->items().value(0);
        QVERIFY(item);
        QCOMPARE(child<QLabel>(item, "textLabel")->text(),
                 QStringLiteral("Dentist is on Monday, 18 January 2027 there are 5 days to go."));
        pressAccept(item); // "Options"
        child<QRadioButton>(item, "againRadio")->setChecked(true);
        child<QSpinBox>(item, "againSpinBox")->setValue(3);
        pressAccept(item); // "Accept"
        window->findChild<QCommandLinkButton *>(QStringLiteral("okButton"))->click();
        QVERIFY(!window->isVisible());

        const Event saved = readEvents().value(0);
        QCOMPARE(saved.name, QStringLiteral("Dentist"));
        QCOMPARE(saved.snoozeDays, 3);
        QCOMPARE(saved.lastNotified, today);

        clock.set(Clock::now().addSecs(2 * 3600));
        window.reset();
        QCOMPARE(AutoStart::run({"oriventa", "auto", "3600"}, Clock::now(), build), AutoStart::Outcome::NothingShown);
        QVERIFY(window);
        QVERIFY(window->items().isEmpty());
    }

    // The reminder window keeps a damaged events file aside before it replaces it, even when
    // the tray window's close ends the process; the main window tells the user at its next opening,
    // once.
    void damagedFileIsKeptAside()
    {
        usePreferences(false, false);
        QVERIFY(writeEvents({dueIn(QStringLiteral("Dentist"), 2)}));
        const QByteArray damaged = damageFile(eventsFilePath());
        QVERIFY(!damaged.isEmpty());
        ReminderWindow window;
        QVERIFY(window.populate());
        window.show();
        window.findChild<QCommandLinkButton *>(QStringLiteral("okButton"))->click();
        QCOMPARE(processEnds, QList<int>{0});

        QCOMPARE(readFile(eventsFilePath() + QStringLiteral(".damaged-20270113-090000")), damaged);
        LoadStatus status = LoadStatus::Missing;
        const EventStore saved = loadEvents(eventsFilePath(), &status);
        QCOMPARE(status, LoadStatus::Complete);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first()->lastNotified, today);
        qDeleteAll(saved);

        for (int opening = 0; opening < 2; ++opening) {
            BoxAnswerer boxes;
            MainWindow list;
            list.show();
            // The message comes from a zero timer after the show: any later event round has seen it.
            QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1 - opening, 2000);
            QTest::qWait(50);
            QCOMPARE(boxes.seen.size(), 1 - opening);
            if (opening == 0)
                QVERIFY2(boxes.seen.first().text.contains(QStringLiteral(".damaged-20270113-090000")),
                         qPrintable(boxes.seen.first().text));
        }
    }
};

QTEST_MAIN(TestReminders)
#include "tst_reminders.moc"

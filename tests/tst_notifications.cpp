// SPDX-License-Identifier: GPL-3.0-or-later
// Reminders as desktop notifications, seen from outside: the real program started with "auto" on
// a private session bus whose notification server records the calls and plays the user's clicks.
#include "app/startup.h"
#include "model/nativesettings.h"
#include "model/reminderrules.h"
#include "notify/notificationclient.h"
#include "notify/notificationsession.h"
#include "tests/support/events.h"
#include "tests/support/notificationbus.h"
#include "tests/support/programrun.h"
#include "tests/support/testclock.h"
#include "tests/support/testenvironment.h"

#include <QSettings>
#include <QtTest>

#include <csignal>
#include <optional>

using namespace TestHelpers;
using ReminderRules::Choice;

namespace {

const QStringList allActions{"default",  "Options",
                             "tomorrow", "Remind me tomorrow",
                             "next",     "Not until next time",
                             "never",    "Don't remind me again"};

// Due today, three days ahead, so that each choice writes something different.
Event dueEvent(const QString &name)
{
    return singular(QDate::currentDate().addDays(3)).named(name).notify(5).event();
}

// The event as the reminder item leaves it: shown, then, when given, answered.
Event answered(Event event, std::optional<Choice> choice = {})
{
    const QDate today = QDate::currentDate();
    ReminderRules::sentence(event, today);
    ReminderRules::markShown(event, today);
    if (choice)
        ReminderRules::applyChoice(event, *choice, 1, today);
    return event;
}

bool writeDue(const QList<Event> &events)
{
    EventStore store;
    for (const Event &event : events)
        store << new Event(event);
    return writeEvents(store);
}

} // namespace

class TestNotifications : public QObject
{
    Q_OBJECT

    QString missing;
    std::unique_ptr<QProcess> process;

    void startAuto(const QString &busAddress)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        process = startProgram(qEnvironmentVariable("ORIVENTA_BIN"), {QStringLiteral("auto")}, env);
        QVERIFY(process->waitForStarted());
    }

    // Writes the events, starts the bus with a server of these capabilities and "oriventa auto" on
    // it, and waits for that many notifications. Callers check QTest::currentTestFailed().
    void startNotified(NotificationBus &bus, const QList<Event> &events, const QString &capabilities, int notifications)
    {
        QVERIFY(writeDue(events));
        QVERIFY(bus.start(capabilities));
        startAuto(bus.address());
        QTRY_COMPARE_WITH_TIMEOUT(bus.calls("Notify").size(), notifications, 10000);
    }

    // Ends the program with `signalNumber`, or waits for it to end by itself (0).
    void verifyEndedWith(const QList<Event> &expected, int signalNumber = 0)
    {
        QCOMPARE(endProgram(*process, signalNumber), 0);
        QCOMPARE(readEvents(), expected);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The events and settings the program reads are where this process writes them.
        Startup::setApplicationIdentity();
        missing = NotificationBus::missingTools();
    }

    void init()
    {
        QVERIFY(TestEnvironment::reset());
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        nativeSettings().setValue(QStringLiteral("reminderStyle"), QStringLiteral("notification"));
    }

    // A program a failed case left running ends here.
    void cleanup() { process.reset(); }

    void notifyCarriesTheReminder_data()
    {
        QTest::addColumn<QString>("capabilities");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QVariantMap>("hints");
        const QVariantMap hints{
            {"desktop-entry", "oriventa"}, {"resident", true}, {"urgency", QVariant::fromValue<uchar>(1)}};
        QTest::newRow("actions, persistence") << "body actions persistence" << allActions << hints;
        // Nothing can answer: the process ends after its display writes.
        QTest::newRow("no actions") << "body" << QStringList() << hints;
    }

    void notifyCarriesTheReminder()
    {
        QFETCH(QString, capabilities);
        QFETCH(QStringList, actions);
        QFETCH(QVariantMap, hints);
        const Event event = dueEvent(QStringLiteral("Choir & band"));
        NotificationBus bus;
        startNotified(bus, {event}, capabilities, 1);
        if (QTest::currentTestFailed())
            return;
        Event shown = event;
        const QString sentence = ReminderRules::sentence(shown, QDate::currentDate());
        const QVariantList expected{"Oriventa", 0u, "oriventa", event.name, sentence, actions, hints, 0};
        const QVariantList sent = bus.calls("Notify").constFirst();
        QCOMPARE(sent.size(), expected.size());
        for (int i = 0; i < sent.size(); ++i)
            QCOMPARE(sent.at(i), expected.at(i));
        if (!actions.isEmpty())
            QVERIFY(bus.emitClosed(1));
        verifyEndedWith({answered(event)});
        QSettings settings = nativeSettings();
        QCOMPARE(settings.value("LastDisplay").toDateTime().date(), QDate::currentDate());
    }

    // Each action changes its event as the same choice in the reminder item does; the other
    // event, dismissed unanswered, keeps the display writes only. Closed by anyone but the user, it
    // stays as it was on file and the display goes unrecorded: the hourly timer shows it again.
    void actionWritesTheItemsChoice_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("choice");
        QTest::addColumn<uint>("reason");
        QTest::newRow("tomorrow") << "tomorrow" << int(Choice::Again) << 2u;
        QTest::newRow("next") << "next" << int(Choice::UntilNext) << 2u;
        QTest::newRow("never") << "never" << int(Choice::Never) << 2u;
        QTest::newRow("never, other expired") << "never" << int(Choice::Never) << 1u;
        QTest::newRow("never, other closed elsewhere") << "never" << int(Choice::Never) << 3u;
    }

    void actionWritesTheItemsChoice()
    {
        QFETCH(QString, key);
        QFETCH(int, choice);
        QFETCH(uint, reason);
        const QList<Event> events{dueEvent(QStringLiteral("Answered")), dueEvent(QStringLiteral("Dismissed"))};
        NotificationBus bus;
        startNotified(bus, events, QStringLiteral("body actions persistence"), 2);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(bus.emitActionInvoked(1, key));
        // A resident notification stays up after its action unless the program closes it.
        QTRY_COMPARE_WITH_TIMEOUT(bus.calls("CloseNotification"), QList<QVariantList>{{1}}, 10000);
        QCOMPARE(process->state(), QProcess::Running);
        QVERIFY(bus.emitClosed(2, reason));
        verifyEndedWith({answered(events.at(0), Choice(choice)), reason == 2 ? answered(events.at(1)) : events.at(1)});
        QCOMPARE(nativeSettings().contains(QStringLiteral("LastDisplay")), reason == 2);
    }

    // Up to five due events get one notification each; beyond that one stands for them all.
    void summaryBeyondFive_data()
    {
        QTest::addColumn<int>("due");
        QTest::addColumn<QStringList>("summaries");
        QTest::newRow("five") << 5 << QStringList{"E1", "E2", "E3", "E4", "E5"};
        QTest::newRow("six") << 6 << QStringList{"6 reminders are due"};
    }

    void summaryBeyondFive()
    {
        QFETCH(int, due);
        QFETCH(QStringList, summaries);
        QList<Event> events;
        for (int i = 1; i <= due; ++i)
            events << dueEvent(QStringLiteral("E%1").arg(i));
        NotificationBus bus;
        startNotified(bus, events, QStringLiteral("body actions"), summaries.size());
        if (QTest::currentTestFailed())
            return;
        QStringList sent;
        for (const QVariantList &call : bus.calls("Notify"))
            sent << call.at(3).toString();
        QCOMPARE(sent, summaries);
        for (int id = 1; id <= summaries.size(); ++id)
            QVERIFY(bus.emitClosed(uint(id)));
        QList<Event> expected;
        for (const Event &event : events)
            expected << answered(event);
        verifyEndedWith(expected);
    }

    // Clicking a notification opens the reminder window on the session's own events: an answer
    // given to another notification meanwhile survives the window, and the process waits for it.
    void clickOpensTheWindowOnTheSameEvents()
    {
        const QList<Event> events{dueEvent(QStringLiteral("Clicked")), dueEvent(QStringLiteral("Never again"))};
        NotificationBus bus;
        startNotified(bus, events, QStringLiteral("body actions persistence"), 2);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(bus.emitActionInvoked(1, QStringLiteral("default")));
        QVERIFY(bus.emitActionInvoked(2, QStringLiteral("never")));
        QTRY_COMPARE_WITH_TIMEOUT(bus.calls("CloseNotification"), (QList<QVariantList>{{1}, {2}}), 10000);
        // Every notification is answered; the window keeps the process.
        QTest::qWait(300);
        QCOMPARE(process->state(), QProcess::Running);
        verifyEndedWith({answered(events.at(0)), answered(events.at(1), Choice::Never)}, SIGTERM);
    }

    // A plain start meanwhile asks for the list: it opens in this process once the answers are
    // saved, as after the reminder window.
    void plainStartOpensTheListAfterwards()
    {
        const Event event = dueEvent(QStringLiteral("Listed"));
        NotificationBus bus;
        startNotified(bus, {event}, QStringLiteral("body actions"), 1);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(runProgram(qEnvironmentVariable("ORIVENTA_BIN"), {}, process->processEnvironment()).status, 0);
        QVERIFY(bus.emitClosed(1));
        QTRY_COMPARE_WITH_TIMEOUT(readEvents(), QList<Event>{answered(event)}, 10000);
        QTest::qWait(300);
        QCOMPARE(process->state(), QProcess::Running);
        verifyEndedWith({answered(event)}, SIGTERM);
    }

    void terminationClosesAndSaves()
    {
        const Event event = dueEvent(QStringLiteral("Open"));
        NotificationBus bus;
        startNotified(bus, {event}, QStringLiteral("body actions persistence"), 1);
        if (QTest::currentTestFailed())
            return;
        verifyEndedWith({answered(event)}, SIGTERM);
        QCOMPARE(bus.calls("CloseNotification"), QList<QVariantList>{{1}});
    }

    // Midnight ends the day's notifications: they are closed and the answers saved. In this
    // process, the only test here that uses the session bus, so that its clock can be set.
    void midnightClosesAndSaves()
    {
        const QDateTime beforeMidnight(QDate::currentDate(), QTime(23, 59, 59, 800));
        TestClock clock(beforeMidnight);
        const Event event = dueEvent(QStringLiteral("Late"));
        QVERIFY(writeDue({event}));
        NotificationBus bus;
        QVERIFY(bus.start(QStringLiteral("body actions persistence")));
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
        NotificationClient client;
        QVERIFY(client.readCapabilities());
        NotificationSession session(client);
        QSignalSpy finished(&session, &NotificationSession::finished);
        QVERIFY(session.start());
        QVERIFY(finished.wait(10000));
        QCOMPARE(bus.calls("CloseNotification"), QList<QVariantList>{{1}});
        QCOMPARE(readEvents(), QList<Event>{answered(event)});
    }

    // A server that hangs on Notify holds the start for one call's limit, not for each of five
    // reminders: the window shows them (and records the display) before 5 × 5 s have passed.
    void hungServerFallsBackToTheWindow()
    {
        NotificationBus bus;
        QVERIFY(writeDue(QVector<Event>(5, dueEvent(QStringLiteral("Due"))).toList()));
        QVERIFY(bus.start(QStringLiteral("body actions")) && bus.hangOnNotify());
        startAuto(bus.address());
        QTRY_VERIFY_WITH_TIMEOUT(nativeSettings().contains(QStringLiteral("LastDisplay")), 20000);
        QCOMPARE(endProgram(*process), 0);
    }

    // No notification service, or no bus at all: the reminder window, as in the window style.
    void withoutServiceTheWindowShows_data()
    {
        QTest::addColumn<bool>("withBus");
        QTest::newRow("no server") << true;
        QTest::newRow("no bus") << false;
    }

    void withoutServiceTheWindowShows()
    {
        QFETCH(bool, withBus);
        const Event event = dueEvent(QStringLiteral("Window"));
        QVERIFY(writeDue({event}));
        NotificationBus bus;
        QVERIFY(!withBus || bus.start(QString(), false));
        const QString address =
            withBus ? bus.address() : "unix:path=" + TestEnvironment::root() + QStringLiteral("/tmp/no-bus");
        startAuto(address);
        const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/Brindlex-Oriventa.socket");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        QTest::qWait(300);
        QCOMPARE(process->state(), QProcess::Running);
        verifyEndedWith({answered(event)}, SIGTERM);
    }
};

QTEST_MAIN(TestNotifications)
#include "tst_notifications.moc"

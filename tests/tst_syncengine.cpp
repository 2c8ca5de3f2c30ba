// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/mergeitems.h"
#include "sync/syncengine.h"
#include "sync/syncresource.h"
#include "sync/syncstate.h"
#include "tests/support/events.h"
#include "tests/support/fakecalendar.h"
#include "tests/support/inlanguage.h"
#include "tests/support/randomevents.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>
#include <functional>

using namespace TestHelpers;

namespace {

const QDate today(2027, 1, 6);

// One machine: its list and its sync state, saved as the caller saves them.
struct Machine
{
    EventStore events;
    SyncState state;

    ~Machine() { qDeleteAll(events); }

    SyncOutcome sync(FakeCalendar &server) { return syncEvents(events, state, server, today, Preferences()); }
    Event *find(const QString &name) const
    {
        for (Event *e : events)
            if (e->name == name)
                return e;
        return nullptr;
    }
    void drop(const QString &name) { delete events.takeAt(events.indexOf(find(name))); }
    // Where the last sync put the event of that name.
    QString hrefOf(const QString &name) const
    {
        for (const SyncedItem &item : state.items)
            if (item.event.name == name)
                return item.href;
        return QString();
    }
    // The list as values in name order, for comparing machines.
    QList<Event> sorted() const
    {
        QList<Event> list;
        for (const Event *e : events)
            list << *e;
        std::sort(list.begin(), list.end(), [](const Event &a, const Event &b) { return describe(a) < describe(b); });
        return list;
    }
    QStringList names() const
    {
        QStringList list;
        for (const Event *e : events)
            list << e->name;
        list.sort();
        return list;
    }
};

struct World
{
    FakeCalendar server;
    Machine a, b;

    // Both machines hold Bob and Ann, synced.
    World()
    {
        a.events << weekly().on(Qt::Monday).named("Bob").notify(2).lastNotified(today.addDays(-1)).make()
                 << yearly().dayNumber(14).in(2).named("Ann").counted(30, today.addDays(-9)).make();
        a.sync(server);
        b.sync(server);
    }
};

using Step = std::function<void(World &)>;

const QByteArray phoneBirthday = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
                                 "UID:phone-1\r\nDTSTAMP:20270101T000000Z\r\nDTSTART;VALUE=DATE:19900312\r\n"
                                 "RRULE:FREQ=YEARLY\r\nSUMMARY:Dee\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
const QByteArray phoneTask = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VTODO\r\n"
                             "UID:phone-2\r\nDTSTAMP:20270101T000000Z\r\nSUMMARY:Buy milk\r\nEND:VTODO\r\n"
                             "END:VCALENDAR\r\n";

void snooze(Machine &m, int days)
{
    m.find("Bob")->lastNotified = today;
    m.find("Bob")->snoozeDays = days;
}

// An edit in the editor, unlike an answer to a reminder.
void edit(Machine &m, int lead)
{
    m.find("Bob")->notifyDaysBefore = lead;
}

// A phone's event of that name.
QByteArray phoneEvent(const QByteArray &name)
{
    return QByteArray(phoneBirthday).replace("SUMMARY:Dee", "SUMMARY:" + name);
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestSyncEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TestEnvironment::reset()); }
    void resourceCarriesEveryField();
    void twoMachines_data();
    void twoMachines();
    void raceRefusedWriteIsSeen();
    void foreignResourceLeftAlone_data();
    void foreignResourceLeftAlone();
    void noEtagNoWrite_data();
    void noEtagNoWrite();
    void readingStopsAtTheTimeLimit();
    void cutOffAnywhereThenFinishes_data();
    void cutOffAnywhereThenFinishes();
    void stoppedFirstSyncKeepsWhatLanded_data();
    void stoppedFirstSyncKeepsWhatLanded();
    void refusedWriteAmongManyIsLookedAtAgain();
    void unchangedCollectionTakesOneRequest();
    void stateRoundTripAndDamage();
    void inconsistentStateIsNoState_data();
    void inconsistentStateIsNoState();
    void copyNameIsFree_data();
    void copyNameIsFree();
};

void TestSyncEngine::resourceCarriesEveryField()
{
    QRandomGenerator rng(15);
    for (int i = 0; i < 300; ++i) {
        Event e = randomEvent(rng, ScheduleKind(i % 4));
        e.name = QStringLiteral(" Event %1 ").arg(i);
        e.notify = chance(rng, 50);
        e.notifyDaysBefore = rng.bounded(100);
        e.counted = chance(rng, 50);
        e.count = rng.bounded(10000);
        e.countDate = chance(rng, 10) ? QDate() : today.addDays(-rng.bounded(1000));
        e.lastNotified = chance(rng, 10) ? QDate() : today.addDays(-rng.bounded(30));
        e.snoozeDays = rng.bounded(400);
        if (!hasSyncResource(e))
            continue;
        QString uid;
        bool all = false;
        QScopedPointer<Event> back(eventFromResource(syncResource(e, QStringLiteral("u%1").arg(i)), today,
                                                     Preferences(), &uid, nullptr, &all));
        QVERIFY2(back && all, qPrintable(describe(e)));
        QCOMPARE(uid, QStringLiteral("u%1").arg(i));
        QCOMPARE(*back, syncedForm(e));
    }
    // A phone's event comes with the defaults for what it does not say.
    bool all = true;
    QScopedPointer<Event> dee(eventFromResource(phoneBirthday, today, Preferences(), nullptr, nullptr, &all));
    QVERIFY(dee && !all);
    QCOMPARE(dee->nextOccurrence(today), QDate(2027, 3, 12));
    QString reason;
    QVERIFY(!eventFromResource(phoneTask, today, Preferences(), nullptr, &reason));
    QVERIFY(!reason.isEmpty());
}

void TestSyncEngine::twoMachines_data()
{
    QTest::addColumn<Step>("change");
    QTest::addColumn<QString>("order"); // which machine syncs when, after the change
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("conflicts");
    QTest::addColumn<Step>("check");

    const Step nothing = [](World &) {};
    const QStringList both{"Ann", "Bob"};
    QTest::newRow("snooze here reaches there")
        << Step([](World &w) { snooze(w.a, 3); }) << "AB" << both << 0 << Step([](World &w) {
               QCOMPARE(w.b.find("Bob")->snoozeDays, 3);
               QCOMPARE(w.b.find("Bob")->lastNotified, today);
           });
    QTest::newRow("added here") << Step([](World &w) { w.a.events << singular(today).named("Cleo").make(); }) << "AB"
                                << QStringList{"Ann", "Bob", "Cleo"} << 0 << nothing;
    QTest::newRow("changed on both") << Step([](World &w) {
        edit(w.a, 3);
        edit(w.b, 5);
    }) << "ABA" << QStringList{"Ann", "Bob", "Bob (changed elsewhere)"}
                                     << 1 << Step([](World &w) {
                                            QCOMPARE(w.b.find("Bob")->notifyDaysBefore, 5);
                                            QCOMPARE(w.b.find("Bob (changed elsewhere)")->notifyDaysBefore, 3);
                                        });
    // Answered differently on two machines: the quieter answer, on both, with no copy.
    QTest::newRow("reminders off here, snoozed there") << Step([](World &w) {
        snooze(w.a, 0);
        w.a.find("Bob")->notify = false;
        snooze(w.b, 3);
    }) << "ABA" << both << 0 << Step([](World &w) { QVERIFY(!w.a.find("Bob")->notify); });
    QTest::newRow("snoozed 1 day here, 3 there") << Step([](World &w) {
        snooze(w.a, 1);
        snooze(w.b, 3);
    }) << "ABA" << both << 0 << Step([](World &w) { QCOMPARE(w.a.find("Bob")->snoozeDays, 3); });
    QTest::newRow("shown today here, snoozed yesterday there") << Step([](World &w) {
        snooze(w.a, 0);
        w.b.find("Bob")->snoozeDays = 2;
    }) << "BAB" << both << 0 << Step([](World &w) {
        QCOMPARE(w.a.find("Bob")->lastNotified, today);
        QCOMPARE(w.a.find("Bob")->snoozeDays, 2);
    });
    // The list's names stay unique, and both machines know each event by one name.
    QTest::newRow("a phone adds a name taken here")
        << Step([](World &w) { w.server.store("/calendars/user/oriventa/phone-1.ics", phoneEvent("Bob")); }) << "AB"
        << QStringList{"Ann", "Bob", "Bob (2)"} << 0 << Step([](World &w) {
               QCOMPARE(w.a.find("Bob (2)")->schedule, Yearly);
               QVERIFY(w.server.resources["/calendars/user/oriventa/phone-1.ics"].data.contains("SUMMARY:Bob (2)"));
           });
    QTest::newRow("second conflict on one event") << Step([](World &w) {
        edit(w.a, 3);
        edit(w.b, 5);
        for (Machine *m : {&w.a, &w.b, &w.a})
            QVERIFY(m->sync(w.server).ok);
        edit(w.a, 7);
        edit(w.b, 9);
    }) << "ABA" << QStringList{"Ann", "Bob", "Bob (changed elsewhere 2)", "Bob (changed elsewhere)"}
                                                  << 1 << nothing;
    QTest::newRow("same change on both") << Step([](World &w) {
        snooze(w.a, 3);
        snooze(w.b, 3);
    }) << "AB" << both << 0 << nothing;
    QTest::newRow("deleted here, unchanged there")
        << Step([](World &w) { w.a.drop("Bob"); }) << "AB" << QStringList{"Ann"} << 0
        << Step([](World &w) { QCOMPARE(w.server.resources.size(), 1); });
    QTest::newRow("deleted here after it changed there") << Step([](World &w) {
        w.a.drop("Bob");
        snooze(w.b, 4);
    }) << "BA" << both << 0 << nothing;
    QTest::newRow("changed here after it was deleted there") << Step([](World &w) {
        w.a.drop("Bob");
        snooze(w.b, 4);
    }) << "ABA" << both << 0 << Step([](World &w) { QCOMPARE(w.a.find("Bob")->snoozeDays, 4); });
    QTest::newRow("deleted on both") << Step([](World &w) {
        w.a.drop("Ann");
        w.b.drop("Ann");
    }) << "AB" << QStringList{"Bob"} << 0
                                     << nothing;
    QTest::newRow("a phone adds a birthday")
        << Step([](World &w) { w.server.store("/calendars/user/oriventa/phone-1.ics", phoneBirthday); }) << "AB"
        << QStringList{"Ann", "Bob", "Dee"} << 0 << nothing;
    QTest::newRow("renamed on a phone") << Step([](World &w) {
        const QString href = w.a.hrefOf("Bob");
        w.server.store(href, QByteArray(w.server.resources[href].data).replace("SUMMARY:Bob", "SUMMARY:Eve"));
    }) << "AB" << QStringList{"Ann", "Eve"}
                                        << 0 << nothing;
}

void TestSyncEngine::twoMachines()
{
    QFETCH(Step, change);
    QFETCH(QString, order);
    QFETCH(QStringList, names);
    QFETCH(int, conflicts);
    QFETCH(Step, check);

    World w;
    QCOMPARE(w.b.sorted(), w.a.sorted());
    change(w);
    int seen = 0;
    for (QChar m : order) {
        const SyncOutcome outcome = (m == 'A' ? w.a : w.b).sync(w.server);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        seen += outcome.conflicts.size();
        // The summary names the copy as it is in the list.
        for (const QString &copy : outcome.conflictCopies)
            QVERIFY2(names.contains(copy) && outcome.summaryText().contains(copy), qPrintable(copy));
    }
    QCOMPARE(seen, conflicts);
    QCOMPARE(w.a.sorted(), w.b.sorted());
    QCOMPARE(w.a.names(), names);
    check(w);
    // Settled: another round changes nothing anywhere.
    for (Machine *m : {&w.a, &w.b}) {
        const SyncOutcome again = m->sync(w.server);
        QVERIFY(again.ok && !again.listChanged && again.uploaded == 0 && again.deletedThere == 0);
    }
}

void TestSyncEngine::raceRefusedWriteIsSeen()
{
    World w;
    edit(w.a, 3);
    edit(w.b, 5);
    // B's upload lands between A's look at the collection and A's write.
    w.server.beforeNextWrite = [&w] { QVERIFY(w.b.sync(w.server).ok); };
    const SyncOutcome outcome = w.a.sync(w.server);
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.conflicts, QStringList{"Bob"});
    QCOMPARE(w.a.find("Bob")->notifyDaysBefore, 3);
    QCOMPARE(w.a.find("Bob (changed elsewhere)")->notifyDaysBefore, 5);
    QVERIFY(w.b.sync(w.server).ok);
    QCOMPARE(w.b.sorted(), w.a.sorted());
}

void TestSyncEngine::foreignResourceLeftAlone_data()
{
    QTest::addColumn<QByteArray>("resource");
    QTest::newRow("a task") << phoneTask;
    QTest::newRow("an event over 1 MiB") << phoneEvent("Dee\r\nDESCRIPTION:" + QByteArray(1 << 20, 'x'));
}

void TestSyncEngine::foreignResourceLeftAlone()
{
    QFETCH(QByteArray, resource);
    World w;
    const QString href = "/calendars/user/oriventa/phone-2.ics";
    w.server.store(href, resource);
    const FakeCalendar::Resource before = w.server.resources[href];
    w.a.drop("Bob");
    w.a.drop("Ann");
    QVERIFY(w.a.sync(w.server).ok);
    QVERIFY(w.b.sync(w.server).ok);
    QVERIFY(w.a.events.isEmpty() && w.b.events.isEmpty());
    QCOMPARE(w.server.resources.keys(), QStringList{href});
    QCOMPARE(w.server.resources[href].data, before.data);
    QCOMPARE(w.server.resources[href].etag, before.etag);
}

void TestSyncEngine::cutOffAnywhereThenFinishes_data()
{
    QTest::addColumn<int>("lostState");  // 0: the run failed; 1: it finished but its state was not saved; 2: state lost
    QTest::addColumn<Step>("elsewhere"); // B's change, synced before A's run
    const Step conflict = [](World &w) { edit(w.b, 5); };
    QTest::newRow("server gone mid-way") << 0 << conflict;
    QTest::newRow("killed before saving the state") << 1 << conflict;
    QTest::newRow("state file lost") << 2 << conflict;
    // A's run merges answers and renames a phone's event before it is cut off.
    QTest::newRow("server gone mid-way, answers and names") << 0 << Step([](World &w) {
        snooze(w.b, 5);
        w.server.store("/calendars/user/oriventa/phone-1.ics", phoneEvent("Cleo"));
    });
}

void TestSyncEngine::cutOffAnywhereThenFinishes()
{
    QFETCH(int, lostState);
    QFETCH(Step, elsewhere);
    const auto prepare = [&elsewhere](World &w) {
        snooze(w.a, 3);
        elsewhere(w);
        QVERIFY(w.b.sync(w.server).ok);
        w.a.drop("Ann");
        w.a.events << singular(today.addDays(9)).named("Cleo").make();
    };
    World reference;
    prepare(reference);
    const int before = reference.server.requests;
    QVERIFY(reference.a.sync(reference.server).ok);
    QVERIFY(reference.b.sync(reference.server).ok);
    const int calls = reference.server.requests - before;
    QVERIFY(calls > 3);

    for (int n = 0; n <= calls; ++n) {
        World w;
        prepare(w);
        const QList<Event> listBefore = w.a.sorted();
        const SyncState stateBefore = w.a.state;
        QHash<QString, QByteArray> serverBefore, serverAfter;
        w.server.listEtags(&serverBefore);
        w.server.failAfter = w.server.requests + n;
        w.server.written.clear();
        const SyncOutcome cut = w.a.sync(w.server);
        if (!cut.ok && !cut.keptSome)
            QCOMPARE(w.a.sorted(), listBefore);
        w.server.failAfter = -1;
        w.server.listEtags(&serverAfter);
        QCOMPARE(cut.partial, !cut.ok && (serverAfter != serverBefore || cut.listChanged));
        if (lostState == 1)
            w.a.state = stateBefore;
        if (lostState == 2)
            w.a.state = SyncState();
        w.server.failAfter = -1;
        int conflicts = cut.conflicts.size();
        for (Machine *m : {&w.a, &w.b, &w.a}) {
            const SyncOutcome outcome = m->sync(w.server);
            QVERIFY2(outcome.ok, qPrintable(outcome.error));
            conflicts += outcome.conflicts.size();
            // The cut run and the one that finishes write each resource once.
            if (m == &w.a)
                for (const QString &href : qAsConst(w.server.written))
                    QVERIFY2(w.server.written.count(href) == 1, qPrintable(href));
        }
        QVERIFY2(conflicts <= 1, qPrintable(QString::number(n)));
        QCOMPARE(w.a.sorted(), w.b.sorted());
        // Without a state a deletion not yet on the server cannot be told from an addition there:
        // Ann comes back then.
        if (lostState == 2 && w.a.names().contains("Ann")) {
            QCOMPARE(w.a.names(), QStringList{"Ann"} + reference.a.names());
            continue;
        }
        QCOMPARE(w.a.sorted(), reference.a.sorted());
        QCOMPARE(w.server.resources.size(), reference.server.resources.size());
    }
}

void TestSyncEngine::stoppedFirstSyncKeepsWhatLanded_data()
{
    QTest::addColumn<int>("failAfter");   // requests; -1 none
    QTest::addColumn<int>("cancelAfter"); // uploads; -1 never
    QTest::newRow("server gone after 7 uploads") << 2 + 7 << -1;
    QTest::newRow("cancelled after 5 uploads") << -1 << 5;
    QTest::newRow("cancelled while reading") << -1 << 0;
}

// A first sync that stops mid-way keeps every upload that landed, so the next one goes on from
// there; the uploads go out together.
void TestSyncEngine::stoppedFirstSyncKeepsWhatLanded()
{
    QFETCH(int, failAfter);
    QFETCH(int, cancelAfter);
    const int count = 20;
    FakeCalendar server;
    Machine a;
    for (int i = 0; i < count; ++i)
        a.events << weekly().on(Qt::Friday).named(QStringLiteral("Event %1").arg(i)).make();
    const QList<Event> list = a.sorted();
    server.failAfter = failAfter;
    QList<SyncProgress> told;
    SyncOptions options;
    options.progress = [&](const SyncProgress &p) {
        told << p;
        return cancelAfter < 0 ||
               (cancelAfter > 0 && (p.stage != SyncProgress::Stage::Uploading || p.done < cancelAfter));
    };
    const SyncOutcome cut = syncEvents(a.events, a.state, server, today, Preferences(), options);
    QVERIFY(!cut.ok && cut.partial == !server.resources.isEmpty());
    QCOMPARE(cut.cancelled, cancelAfter >= 0);
    QCOMPARE(server.resources.size(), qMax(0, cancelAfter) + (failAfter < 0 ? 0 : failAfter - 2));
    QCOMPARE(a.state.items.size(), server.resources.size());
    QVERIFY(a.state.collectionTag.isEmpty());
    for (const SyncedItem &item : qAsConst(a.state.items))
        QCOMPARE(item.etag, server.resources[item.href].etag);
    QCOMPARE(a.sorted(), list);

    const int landed = server.resources.size();
    server.failAfter = -1;
    options.progress = [&](const SyncProgress &p) {
        told << p;
        return true;
    };
    const SyncOutcome done = syncEvents(a.events, a.state, server, today, Preferences(), options);
    QVERIFY(done.ok);
    QCOMPARE(done.uploaded, count - landed);
    QCOMPARE(server.written.size(), count);
    QCOMPARE(QSet<QString>(server.written.cbegin(), server.written.cend()).size(), count);
    QCOMPARE(a.sorted(), list);
    QCOMPARE(server.batches.first(), count);
    // Within each stage the count only grows, and the finished run's uploads end at their total.
    for (int i = 1; i < told.size(); ++i)
        if (told[i].stage == told[i - 1].stage && told[i].total == told[i - 1].total)
            QVERIFY(told[i].done >= told[i - 1].done);
    QCOMPARE(told.last().stage, SyncProgress::Stage::Uploading);
    QCOMPARE(told.last().done, told.last().total);
    QCOMPARE(told.last().total, done.uploaded);
}

// Among many uploads sent together, one finds the server changed (412): that one is looked at
// again and kept twice, the others land once.
void TestSyncEngine::refusedWriteAmongManyIsLookedAtAgain()
{
    World w;
    for (int i = 0; i < 10; ++i)
        w.a.events << singular(today).named(QStringLiteral("Cleo %1").arg(i)).make();
    edit(w.a, 3);
    edit(w.b, 5);
    w.server.written.clear();
    w.server.nextWriteAt = w.a.hrefOf("Bob");
    w.server.beforeNextWrite = [&w] { QVERIFY(w.b.sync(w.server).ok); };
    const SyncOutcome outcome = w.a.sync(w.server);
    QVERIFY2(outcome.ok, qPrintable(outcome.error));
    QCOMPARE(outcome.conflicts, QStringList{"Bob"});
    QVERIFY(w.server.batches.contains(11));
    for (const QString &href : qAsConst(w.server.written))
        QCOMPARE(w.server.written.count(href), href == w.a.hrefOf("Bob") ? 3 : 1); // B's, A's refused, A's
    QVERIFY(w.b.sync(w.server).ok);
    QCOMPARE(w.b.sorted(), w.a.sorted());
    QCOMPARE(w.a.events.size(), 13);
}

void TestSyncEngine::unchangedCollectionTakesOneRequest()
{
    FakeCalendar server;
    Machine a;
    for (int i = 0; i < 50; ++i)
        a.events << weekly().on(Qt::Friday).named(QStringLiteral("Event %1").arg(i)).make();
    QCOMPARE(a.sync(server).uploaded, 50);
    const int before = server.requests;
    const SyncOutcome outcome = a.sync(server);
    QVERIFY(outcome.ok && !outcome.listChanged);
    QCOMPARE(server.requests - before, 1);
    // Without a collection tag every sync has to list.
    server.givesTag = false;
    QVERIFY(a.sync(server).ok);
    QCOMPARE(server.requests - before, 3);
}

void TestSyncEngine::noEtagNoWrite_data()
{
    QTest::addColumn<Step>("change");
    QTest::newRow("changed here") << Step([](World &w) { edit(w.a, 4); });
    QTest::newRow("deleted here") << Step([](World &w) { w.a.drop("Bob"); });
}

// An item listed without an ETag is neither written over nor deleted until its ETag is known.
void TestSyncEngine::noEtagNoWrite()
{
    QFETCH(Step, change);
    World w;
    const QString href = w.a.hrefOf("Bob");
    const QByteArray data = w.server.resources[href].data;
    w.server.withoutEtag << href;
    w.server.written.clear();
    change(w);
    const QList<Event> changed = w.a.sorted();
    QVERIFY(w.a.sync(w.server).ok);
    QVERIFY(!w.server.written.contains(href));
    QCOMPARE(w.server.resources[href].data, data);
    QCOMPARE(w.a.sorted(), changed);
    w.server.withoutEtag.clear();
    for (Machine *m : {&w.a, &w.b})
        QVERIFY(m->sync(w.server).ok);
    QCOMPARE(w.b.sorted(), changed);
}

void TestSyncEngine::readingStopsAtTheTimeLimit()
{
    World w;
    w.server.store("/calendars/user/oriventa/phone-1.ics", phoneBirthday);
    SyncOptions options;
    options.deadline = QDeadlineTimer(0);
    const SyncOutcome outcome = syncEvents(w.a.events, w.a.state, w.server, today, Preferences(), options);
    QVERIFY(!outcome.ok && !outcome.partial);
    QCOMPARE(outcome.error, "timed out");
    QCOMPARE(w.a.names(), (QStringList{"Ann", "Bob"}));
}

void TestSyncEngine::stateRoundTripAndDamage()
{
    const QString path = TestEnvironment::dataDir() + "/events.evt.sync";
    World w;
    QVERIFY(writeSyncState(w.a.state, path));
    const SyncState back = readSyncState(path);
    QCOMPARE(back.collectionTag, w.a.state.collectionTag);
    QCOMPARE(back.items.keys().size(), 2);
    for (const QString &uid : back.items.keys()) {
        QCOMPARE(back.items[uid].href, w.a.state.items[uid].href);
        QCOMPARE(back.items[uid].etag, w.a.state.items[uid].etag);
        QCOMPARE(back.items[uid].event, w.a.state.items[uid].event);
    }
    const QByteArray whole = readFile(path);
    for (const QByteArray &damaged :
         {whole.left(whole.size() / 2), QByteArray("not json"),
          QByteArray(whole).replace("\"event\":\"AAAA", "\"event\":\"AA"),
          QByteArray("{\"items\":[{\"uid\":\"x\",\"href\":\"y\",\"event\":\"AAAAAQ==\"}]}")}) {
        QVERIFY(writeFile(path, damaged));
        QVERIFY(readSyncState(path).items.isEmpty());
    }
    QVERIFY(readSyncState(path + ".missing").items.isEmpty());
}

void TestSyncEngine::inconsistentStateIsNoState_data()
{
    QTest::addColumn<QString>("key");      // of the second item; "" the item itself; "calendar" the file's
    QTest::addColumn<QJsonValue>("value"); // undefined: the first item's
    QTest::newRow("two UIDs on one href") << "href" << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("one UID twice") << "uid" << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("item not an object") << "" << QJsonValue(7);
    QTest::newRow("href a number") << "href" << QJsonValue(3);
    QTest::newRow("etag a list") << "etag" << QJsonValue(QJsonArray{"a"});
    QTest::newRow("calendar a number") << "calendar" << QJsonValue(1);
    QTest::newRow("items twice") << "twice" << QJsonValue(QJsonValue::Undefined);
}

// Whatever the state file says, a sync with it loses nothing on either side.
void TestSyncEngine::inconsistentStateIsNoState()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    const QString path = TestEnvironment::dataDir() + "/events.evt.sync";
    World w;
    w.b.events << singular(today).named("Cleo").make(); // the calendar changed: A has to look at it
    QVERIFY(w.b.sync(w.server).ok && writeSyncState(w.a.state, path));
    QJsonObject root = QJsonDocument::fromJson(readFile(path)).object();
    QJsonArray items = root["items"].toArray();
    QJsonObject second = items[1].toObject();
    second[key] = value.isUndefined() ? items[0].toObject()[key] : value;
    items[1] = key.isEmpty() ? value : second;
    root["items"] = items;
    if (key == "calendar")
        root[key] = value;
    QByteArray bytes = QJsonDocument(root).toJson();
    if (key == "twice") // a reader that took the later list would find it whole
        bytes.insert(1, "\"items\": [[1]],");
    QVERIFY(writeFile(path, bytes));
    w.a.state = readSyncState(path);
    QVERIFY(w.a.state.items.isEmpty());
    for (Machine *m : {&w.a, &w.b, &w.a}) {
        const SyncOutcome outcome = m->sync(w.server);
        QVERIFY(outcome.ok && outcome.deletedHere == 0 && outcome.deletedThere == 0);
    }
    QCOMPARE(w.a.names(), (QStringList{"Ann", "Bob", "Cleo"}));
    QCOMPARE(w.b.sorted(), w.a.sorted());
    QCOMPARE(w.server.resources.size(), 3);
}

// A copy's name in the user's words is still one no event bears, whatever the name holds.
void TestSyncEngine::copyNameIsFree_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("copy");
    QTest::newRow("English") << ""
                             << "Bob"
                             << "Bob (changed elsewhere 2)";
    // A copy's name goes to every machine, whatever language each speaks.
    QTest::newRow("German") << "de"
                            << "Bob"
                            << "Bob (changed elsewhere 2)";
    QTest::newRow("placeholder in the name") << ""
                                             << "50%2 off"
                                             << "50%2 off (changed elsewhere 2)";
}

void TestSyncEngine::copyNameIsFree()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    const InLanguage translated(language);
    QVERIFY(translated.loaded());
    QStringList taken{name};
    const auto isTaken = [&taken](const QString &candidate) { return taken.contains(candidate); };
    taken << freeName(name, NameNote::ChangedElsewhere, isTaken);
    QTEST(freeName(name, NameNote::ChangedElsewhere, isTaken), "copy");
}

QTEST_GUILESS_MAIN(TestSyncEngine)
#include "tst_syncengine.moc"

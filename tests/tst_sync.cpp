// SPDX-License-Identifier: GPL-3.0-or-later
// Two machines on one account of a real CalDAV server: the sync's rules end to end, a concurrent
// change on the server, another client's item, servers in trouble, a sync killed mid-way, and a
// sync with nothing to do. A machine is an events file; its sync state lies beside it. The server
// is Radicale, or Xandikos with ORIVENTA_TEST_SERVER=xandikos.
#include "app/identity.h"
#include "interop/icalwriter.h"
#include "model/clock.h"
#include "sync/caldavclient.h"
#include "sync/sync.h"
#include "sync/syncengine.h"
#include "sync/syncresource.h"
#include "sync/syncstate.h"
#include "tests/support/events.h"
#include "tests/support/programrun.h"
#include "tests/support/radicale.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"
#include "tests/support/troubledserver.h"
#include "tests/support/xandikos.h"

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

using namespace TestHelpers;

namespace {

const QString User = QStringLiteral("ann");
const QString Password = QStringLiteral("pw-Q7c!m2Lz");
const QDate Day(2027, 1, 6);
// Where the limit is not the point: a busy machine must not fail a sync that works.
constexpr int Patient = 120000;

using Change = std::function<void(EventStore &)>;

Event bob()
{
    return weekly().on(Qt::Monday).named("Bob").notify(2).lastNotified(Day.addDays(-1)).event();
}

Event ann()
{
    return yearly().dayNumber(14).in(2).named("Ann").counted(30, Day.addDays(-9)).event();
}

Event withNotice(Event e, int daysBefore)
{
    e.notifyDaysBefore = daysBefore;
    return e;
}

Event renamed(Event e, const QString &name)
{
    e.name = name;
    return e;
}

// A list of every kind of event, each with a name of its own.
EventStore manyEvents(int count)
{
    EventStore list;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("Event %1").arg(i);
        switch (i % 4) {
        case 0:
            list << singular(Day.addDays(i)).named(name).make();
            break;
        case 1:
            list << weekly().on(Qt::DayOfWeek(i % 7 + 1)).named(name).notify(i % 5).make();
            break;
        case 2:
            list << monthly().dayNumber(i % 28 + 1).wholeYear().named(name).make();
            break;
        default:
            list << yearly().dayNumber(i % 28 + 1).in(i % 12 + 1).named(name).counted(i, Day).make();
        }
    }
    return list;
}

QList<Event> sorted(QList<Event> events)
{
    std::sort(events.begin(), events.end(), [](const Event &a, const Event &b) { return describe(a) < describe(b); });
    return events;
}

QList<Event> sortedEvents(const QString &path)
{
    return sorted(readEvents(path));
}

bool edit(const QString &path, const Change &change)
{
    LoadStatus status = LoadStatus::Missing;
    EventStore events = loadEvents(path, &status);
    change(events);
    const bool saved = writeEvents(events, path);
    return status == LoadStatus::Complete && saved;
}

Change replacing(const Event &with)
{
    return [with](EventStore &events) {
        for (Event *e : events)
            if (e->name == with.name)
                *e = with;
    };
}

Change dropping(const QString &name)
{
    return [name](EventStore &events) {
        for (int i = events.size() - 1; i >= 0; --i)
            if (events[i]->name == name)
                delete events.takeAt(i);
    };
}

// The sync's own work on a calendar, with another client's write slipped in just before the
// first write of ours: a change that lands between our listing and our writing.
class Interposed final : public RemoteCalendar
{
public:
    Interposed(RemoteCalendar &calendar, std::function<void()> write) : inner(calendar), meanwhile(std::move(write)) {}
    QString error() const override { return inner.error(); }
    bool collectionTag(QByteArray *tag) override { return inner.collectionTag(tag); }
    bool listEtags(QHash<QString, QByteArray> *etags) override { return inner.listEtags(etags); }
    bool fetch(const QStringList &hrefs, QList<RemoteItem> *items) override { return inner.fetch(hrefs, items); }
    WriteResult put(const QString &href, const QByteArray &data, const QByteArray &ifMatch,
                    QByteArray *newEtag) override
    {
        beforeWrite();
        return inner.put(href, data, ifMatch, newEtag);
    }
    WriteResult remove(const QString &href, const QByteArray &ifMatch) override
    {
        beforeWrite();
        return inner.remove(href, ifMatch);
    }
    QString hrefFor(const QString &uid) const override { return inner.hrefFor(uid); }

private:
    void beforeWrite()
    {
        if (meanwhile)
            std::exchange(meanwhile, {})();
    }
    RemoteCalendar &inner;
    std::function<void()> meanwhile;
};

// syncEventsFile's work with the calendar given, for a calendar the test stands between.
SyncOutcome syncThrough(RemoteCalendar &remote, const QString &path)
{
    EventStore events = loadEvents(path);
    SyncState state = readSyncState(syncStatePath(path));
    const SyncOutcome outcome = syncEvents(events, state, remote, Clock::today(), Preferences());
    if (outcome.ok && (!outcome.listChanged || saveEvents(events, path)))
        writeSyncState(state, syncStatePath(path));
    qDeleteAll(events);
    return outcome;
}

const QByteArray foreignItem = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
                               "UID:phone-standup\r\nDTSTAMP:20270101T000000Z\r\nDTSTART;VALUE=DATE:20270104\r\n"
                               "RRULE:FREQ=DAILY\r\nSUMMARY:Standup\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

} // namespace

Q_DECLARE_METATYPE(Change)

class TestSync : public QObject
{
    Q_OBJECT

    std::unique_ptr<CalDavTestServer> server;
    std::unique_ptr<QTemporaryDir> machines;
    SyncSettings account; // a calendar of its own for each test
    QString a, b;         // the two machines' events files

    std::unique_ptr<CalDavClient> client(int limitMs = Patient)
    {
        auto c = std::make_unique<CalDavClient>(User, Password, QDeadlineTimer(limitMs));
        c->setCalendar(account.calendar);
        return c;
    }

    SyncOutcome sync(const QString &machine, SyncSettings settings, const QString &password = Password,
                     int limitMs = Patient)
    {
        SyncOptions options;
        options.timeLimitMs = limitMs;
        return syncEventsFile(settings, password, machine, options);
    }
    SyncOutcome sync(const QString &machine) { return sync(machine, account); }

    // Both machines hold `events`: A uploaded them, B took them.
    bool startWith(const EventStore &events)
    {
        const int count = events.size();
        if (!writeEvents(events, a))
            return false;
        const SyncOutcome up = sync(a);
        const SyncOutcome down = sync(b);
        if (!up.ok || !down.ok)
            qWarning("the first syncs failed: %s", qPrintable(up.error + down.error));
        return up.ok && down.ok && up.uploaded == count && down.downloaded == count;
    }
    bool startWithBobAndAnn() { return startWith({new Event(bob()), new Event(ann())}); }

    QHash<QString, QByteArray> resources()
    {
        QHash<QString, QByteArray> etags;
        const auto c = client();
        if (!c->listEtags(&etags))
            qWarning("listing failed: %s", qPrintable(c->error()));
        return etags;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Startup::setApplicationIdentity();
        QVERIFY(TestEnvironment::reset());
        if (qEnvironmentVariable("ORIVENTA_TEST_SERVER") == QLatin1String("xandikos")) {
            if (!Xandikos::available())
                QSKIP("Xandikos is not installed (/usr/bin/xandikos): apt-get install xandikos");
            server = std::make_unique<Xandikos>(User);
        } else {
            if (!Radicale::available())
                QSKIP("Radicale is not installed (/usr/bin/python3 -m radicale): apt-get install radicale");
            server = std::make_unique<Radicale>(User, Password);
        }
        QVERIFY2(server->running(), qPrintable(server->problem()));
    }

    void init()
    {
        machines = std::make_unique<QTemporaryDir>();
        QVERIFY(machines->isValid());
        a = machines->filePath(QStringLiteral("a.evt"));
        b = machines->filePath(QStringLiteral("b.evt"));
        CalDavClient maker(User, Password, QDeadlineTimer(Patient));
        QUrl calendar;
        QVERIFY2(maker.makeCalendar(server->base(), QStringLiteral("Oriventa"), &calendar), qPrintable(maker.error()));
        account = SyncSettings{calendar, User, calendar};
    }

    void rules_data()
    {
        QTest::addColumn<Change>("onA");
        QTest::addColumn<Change>("onB");
        QTest::addColumn<QList<Event>>("expected");
        QTest::addColumn<QStringList>("conflicts");
        const Change nothing = [](EventStore &) {};
        const Event bob5 = withNotice(bob(), 5);
        const Event bob7 = withNotice(bob(), 7);
        Event snoozed = bob();
        snoozed.lastNotified = Day;
        snoozed.snoozeDays = 3;

        // A syncs first, then B, then A again.
        QTest::newRow("changed here only") << replacing(bob5) << nothing << QList<Event>{bob5, ann()} << QStringList();
        QTest::newRow("changed there only") << nothing << replacing(bob7) << QList<Event>{bob7, ann()} << QStringList();
        QTest::newRow("changed on both: both kept")
            << replacing(bob5) << replacing(bob7)
            << QList<Event>{bob7, renamed(bob5, QStringLiteral("Bob (changed elsewhere)")), ann()}
            << QStringList{QStringLiteral("Bob")};
        QTest::newRow("deleted here, unchanged there")
            << dropping("Bob") << nothing << QList<Event>{ann()} << QStringList();
        QTest::newRow("deleted there, unchanged here")
            << nothing << dropping("Bob") << QList<Event>{ann()} << QStringList();
        QTest::newRow("deleted here, changed there")
            << dropping("Bob") << replacing(bob7) << QList<Event>{bob7, ann()} << QStringList();
        QTest::newRow("changed here, deleted there")
            << replacing(bob5) << dropping("Bob") << QList<Event>{bob5, ann()} << QStringList();
        // Answering a reminder is no edit: the quieter answer reaches both, with no copy.
        Event off = bob();
        off.lastNotified = Day;
        off.notify = false;
        Event offAndSnoozed = snoozed;
        offAndSnoozed.notify = false;
        QTest::newRow("answered differently on both: the quieter answer")
            << replacing(snoozed) << replacing(off) << QList<Event>{offAndSnoozed, ann()} << QStringList();
        QTest::newRow("a snooze reaches the other machine exactly")
            << replacing(snoozed) << nothing << QList<Event>{snoozed, ann()} << QStringList();
    }

    void rules()
    {
        QFETCH(Change, onA);
        QFETCH(Change, onB);
        QFETCH(QList<Event>, expected);
        QFETCH(QStringList, conflicts);
        QVERIFY(startWithBobAndAnn());
        QVERIFY(edit(a, onA));
        QVERIFY(edit(b, onB));

        QStringList reported;
        for (const QString &machine : {a, b, a}) {
            const SyncOutcome outcome = sync(machine);
            QVERIFY2(outcome.ok, qPrintable(outcome.error));
            reported << outcome.conflicts;
        }
        QCOMPARE(reported, conflicts);
        // One more round finds nothing left to do.
        for (const QString &machine : {b, a})
            QCOMPARE(sync(machine).summaryText(), QStringLiteral("Everything was already in sync."));
        QCOMPARE(sortedEvents(a), sorted(expected));
        QCOMPARE(sortedEvents(b), sorted(expected));
        QCOMPARE(resources().size(), expected.size());
    }

    void raceIsNeverOverwritten_data()
    {
        QTest::addColumn<bool>("betweenListingAndWriting");
        QTest::newRow("changed on the server since the last sync") << false;
        QTest::newRow("changed on the server while the sync runs (412)") << true;
    }

    void raceIsNeverOverwritten()
    {
        QFETCH(bool, betweenListingAndWriting);
        QVERIFY(startWithBobAndAnn());
        const Event ours = withNotice(bob(), 5);
        const Event theirs = withNotice(bob(), 7);
        QVERIFY(edit(a, replacing(ours)));

        const auto other = client();
        const QString href = other->hrefFor(eventUid(QStringLiteral("Bob")));
        const QByteArray seen = resources().value(href);
        QVERIFY(!seen.isEmpty());
        QByteArray written;
        const auto changeOnServer = [&] {
            QCOMPARE(other->put(href, syncResource(theirs, eventUid(QStringLiteral("Bob"))), seen, &written),
                     WriteResult::Done);
        };
        const auto mine = client();
        Interposed remote(*mine, betweenListingAndWriting ? std::function<void()>(changeOnServer) : nullptr);
        if (!betweenListingAndWriting)
            changeOnServer();
        const SyncOutcome outcome = syncThrough(remote, a);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QVERIFY(!written.isEmpty());
        QCOMPARE(outcome.conflicts, QStringList{QStringLiteral("Bob")});

        const QList<Event> expected = sorted({ours, renamed(theirs, QStringLiteral("Bob (changed elsewhere)")), ann()});
        QCOMPARE(sortedEvents(a), expected);
        QVERIFY(sync(b).ok);
        QCOMPARE(sortedEvents(b), expected);
    }

    void foreignResourceLeftAlone()
    {
        QVERIFY(startWithBobAndAnn());
        const auto phone = client();
        // A phone names its resources as it likes, not after the UID.
        const QString href = phone->hrefFor(QStringLiteral("B7E1-4C2A"));
        QByteArray etag;
        QCOMPARE(phone->put(href, foreignItem, {}, &etag), WriteResult::Done);
        const QString stored = server->itemFile(account.calendar.resolved(QUrl(href)));
        const QByteArray bytes = readFile(stored);
        QVERIFY(bytes.contains("FREQ=DAILY"));

        // Both machines change, add and delete around it.
        QVERIFY(sync(a).ok);
        QVERIFY(edit(a, replacing(withNotice(bob(), 4))));
        QVERIFY(sync(a).ok);
        QVERIFY(edit(b, dropping("Ann")));
        QVERIFY(edit(b, [](EventStore &events) { events << singular(Day).named("Cy").make(); }));
        for (const QString &machine : {b, a, b, a})
            QVERIFY(sync(machine).ok);

        QCOMPARE(resources().value(href), etag);
        QCOMPARE(readFile(stored), bytes);
        const QList<Event> expected = sorted({withNotice(bob(), 4), singular(Day).named("Cy").event()});
        QCOMPARE(sortedEvents(a), expected);
        QCOMPARE(sortedEvents(b), expected);
    }

    void serverTrouble_data()
    {
        QTest::addColumn<TroubledServer::Trouble>("trouble");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("server down") << TroubledServer::Down << "refused";
        QTest::newRow("wrong password") << TroubledServer::WrongPassword << "password";
        QTest::newRow("self-signed certificate") << TroubledServer::SelfSignedTls << "SSL error";
        QTest::newRow("server that never answers") << TroubledServer::Silent << "timed out";
    }

    void serverTrouble()
    {
        QFETCH(TroubledServer::Trouble, trouble);
        QFETCH(QString, errorPart);
        if (trouble == TroubledServer::WrongPassword && dynamic_cast<Xandikos *>(server.get()))
            QSKIP("Xandikos has no authentication of its own: any password passes");
        QVERIFY(startWithBobAndAnn());
        // Something to upload and something to take, so that a sync that went ahead would show.
        QVERIFY(edit(a, replacing(withNotice(bob(), 5))));
        QVERIFY(edit(b, dropping("Ann")));
        QVERIFY(sync(b).ok);
        const QByteArray events = readFile(a);
        const QByteArray state = readFile(syncStatePath(a));
        QVERIFY(!state.isEmpty());

        const TroubledServer far(trouble, account.calendar, User, Password);
        QVERIFY2(far.problem().isEmpty(), qPrintable(far.problem()));
        SyncSettings settings = account;
        settings.url = settings.calendar = far.url;

        const int limitMs = trouble == TroubledServer::Silent ? 1000 : SyncTimeLimitMs;
        const SyncOutcome outcome = sync(a, settings, far.password, limitMs);
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.contains(errorPart), qPrintable(outcome.error));
        QVERIFY(!outcome.error.contains(Password));
        QCOMPARE(readFile(a), events);
        QCOMPARE(readFile(syncStatePath(a)), state);
    }

    void killedMidSyncThenFinishes_data()
    {
        QTest::addColumn<int>("afterMs");
        for (int ms : {50, 150, 400, 2000})
            QTest::addRow("killed after %d ms", ms) << ms;
    }

    void killedMidSyncThenFinishes()
    {
        QFETCH(int, afterMs);
        const QString home = machines->filePath(QStringLiteral("killed"));
        QProcessEnvironment env = environmentWithRuntime(home + QStringLiteral("/XDG_RUNTIME_DIR"));
        for (const char *var : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"}) {
            const QString dir = home + QLatin1Char('/') + QLatin1String(var);
            QVERIFY(QDir().mkpath(dir));
            env.insert(QLatin1String(var), dir);
        }
        QVERIFY(QDir().mkpath(env.value("XDG_DATA_HOME") + "/Brindlex/Oriventa"));
        a = env.value("XDG_DATA_HOME") + "/Brindlex/Oriventa/events.evt";
        QVERIFY(writeEvents(manyEvents(300), a));
        const QList<Event> written = sortedEvents(a);

        const auto cli = startProgram(qEnvironmentVariable("ORIVENTA_CLI"),
                                      {QStringLiteral("sync"), QStringLiteral("--url"), account.calendar.toString(),
                                       QStringLiteral("--user"), User, QStringLiteral("--password-stdin")},
                                      env);
        QVERIFY(cli->waitForStarted(10000));
        cli->write((Password + QLatin1Char('\n')).toUtf8());
        // Delivered now: the sleep below runs no event loop that would write it.
        QVERIFY(cli->waitForBytesWritten(10000));
        cli->closeWriteChannel();
        QThread::msleep(afterMs);
        cli->kill();
        QVERIFY(cli->waitForFinished(10000));

        for (const QString &machine : {a, b}) {
            const SyncOutcome outcome = sync(machine);
            QVERIFY2(outcome.ok, qPrintable(outcome.error));
            QVERIFY(outcome.conflicts.isEmpty());
        }
        QCOMPARE(sync(a).summaryText(), QStringLiteral("Everything was already in sync."));
        QCOMPARE(sortedEvents(a), written);
        QCOMPARE(sortedEvents(b), written);
        QCOMPARE(resources().size(), 300);
    }

    // A sync asked for has no limit as a whole: a first sync of hundreds of events, its writes
    // several at a time, finishes in one run.
    void firstSyncOfManyFinishesInOneRun()
    {
        QVERIFY(writeEvents(manyEvents(400), a));
        const SyncOutcome up = sync(a, account, Password, 0);
        QVERIFY2(up.ok, qPrintable(up.error));
        QCOMPARE(up.uploaded, 400);
        QVERIFY(sync(b, account, Password, 0).ok);
        QCOMPARE(sortedEvents(b), sortedEvents(a));
        QCOMPARE(resources().size(), 400);
    }

    void unchangedSyncMakesOneRequest()
    {
        QVERIFY(startWith(manyEvents(1000)));
        for (const QString &machine : {a, b}) {
            const SyncOutcome again = sync(machine);
            QVERIFY2(again.ok, qPrintable(again.error));
            QCOMPARE(again.requests, 1);
            QCOMPARE(again.summaryText(), QStringLiteral("Everything was already in sync."));
        }
    }
};

QTEST_GUILESS_MAIN(TestSync)
#include "tst_sync.moc"

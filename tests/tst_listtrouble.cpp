// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing is lost whatever happens to the events file: a file that cannot be read, a damaged one
// kept by the window, a file gone beside its sync state, and a list that lost most of its events,
// each met by the real oriventa-cli and oriventa against a real Radicale with a second machine.
#include "app/identity.h"
#include "mainwindow/mainwindow.h"
#include "model/eventsfile.h"
#include "sync/caldavclient.h"
#include "sync/passwordstore.h"
#include "sync/sync.h"
#include "sync/syncstate.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/programrun.h"
#include "tests/support/radicale.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestHelpers;

namespace {

const QString User = QStringLiteral("cara");
const QString Password = QStringLiteral("pw-L4x!q9Tm");
constexpr int Events = 30;

ProgramRun run(const char *program, const QStringList &arguments, const QByteArray &input = QByteArray())
{
    return runProgram(qEnvironmentVariable(program), arguments, QProcessEnvironment::systemEnvironment(), input, 60000);
}

EventStore someEvents(int count)
{
    EventStore events;
    for (int i = 0; i < count; ++i)
        events << weekly().on(Qt::DayOfWeek(i % 7 + 1)).named(QStringLiteral("Event %1").arg(i)).make();
    return events;
}

QStringList namesIn(const QString &path)
{
    QStringList names;
    for (const Event &event : readEvents(path))
        names << event.name;
    names.sort();
    return names;
}

} // namespace

class TestListTrouble : public QObject
{
    Q_OBJECT

    std::unique_ptr<Radicale> server;
    SyncSettings account;
    QString machineB;
    QStringList all; // the names of every event, sorted

    ProgramRun cliSync(const QStringList &extra = {})
    {
        return run("ORIVENTA_CLI",
                   QStringList{QStringLiteral("sync"), QStringLiteral("--url"), account.url.toString(),
                               QStringLiteral("--user"), User, QStringLiteral("--password-stdin")} +
                       extra,
                   (Password + QLatin1Char('\n')).toUtf8());
    }
    SyncOutcome syncB()
    {
        SyncSettings settings = account;
        return syncEventsFile(settings, Password, machineB);
    }
    // What the server holds: href → ETag, so that any write shows.
    QHash<QString, QByteArray> serverHolds()
    {
        CalDavClient client(User, Password, QDeadlineTimer(60000));
        client.setCalendar(account.calendar);
        QHash<QString, QByteArray> etags;
        if (!client.listEtags(&etags))
            qWarning("listing failed: %s", qPrintable(client.error()));
        return etags;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Startup::setApplicationIdentity();
        QVERIFY(TestEnvironment::reset());
        if (!Radicale::available())
            QSKIP("Radicale is not installed");
        server = std::make_unique<Radicale>(User, Password);
        QVERIFY2(server->running(), qPrintable(server->problem()));
    }

    // Each test: this machine (the program's own files) and machine B hold the same synced list.
    void init()
    {
        // The server's storage lies in the suite's directories too: only the machines start afresh.
        QDir(TestEnvironment::dataDir()).removeRecursively();
        QFile::remove(TestEnvironment::configFile());
        machineB = TestEnvironment::root() + QStringLiteral("/b.evt");
        QFile::remove(machineB);
        QFile::remove(syncStatePath(machineB));
        CalDavClient maker(User, Password, QDeadlineTimer(60000));
        QUrl calendar;
        QVERIFY2(maker.makeCalendar(server->base(), QStringLiteral("Oriventa"), &calendar), qPrintable(maker.error()));
        account = SyncSettings{calendar, User, calendar};
        QVERIFY(writeEvents(someEvents(Events)));
        all = namesIn(eventsFilePath());
        const ProgramRun first = cliSync();
        QVERIFY2(first.status == 0, first.err.constData());
        QVERIFY(syncB().ok);
        QCOMPARE(namesIn(machineB), all);
    }

    // An events file that is there but cannot be read is never taken for an empty list: no
    // command changes the server or the file, and each says why.
    void unreadableFileChangesNothing_data()
    {
        QTest::addColumn<bool>("link"); // else a file without permission
        QTest::addColumn<QString>("reason");
        QTest::newRow("link into a mount that is not there") << true << QStringLiteral("cannot be reached");
        QTest::newRow("no permission") << false << QStringLiteral("Permission denied");
    }

    void unreadableFileChangesNothing()
    {
        QFETCH(bool, link);
        QFETCH(QString, reason);
        if (!link && geteuid() == 0)
            QSKIP("root reads any file");
        const QString path = eventsFilePath();
        const QHash<QString, QByteArray> before = serverHolds();
        QCOMPARE(before.size(), Events);
        if (link) {
            QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
            QVERIFY(QFile::link(TestEnvironment::root() + QStringLiteral("/mnt/cloud/events.evt"), path));
        } else {
            QVERIFY(QFile::setPermissions(path, {}));
        }
        const auto readable = qScopeGuard([&] { QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner); });

        const ProgramRun sync = cliSync();
        QCOMPARE(sync.status, 1);
        QVERIFY2(sync.err.contains(reason.toUtf8()), sync.err.constData());
        const ProgramRun list = run("ORIVENTA_CLI", {QStringLiteral("list")});
        QCOMPARE(list.status, 1);
        QVERIFY2(list.err.contains(reason.toUtf8()), list.err.constData());
        // The auto start shows nothing, changes nothing and logs why.
        const ProgramRun autoStart = run("ORIVENTA_BIN", {QStringLiteral("auto")});
        QCOMPARE(autoStart.status, 0);
        QVERIFY2(autoStart.err.contains("oriventa.model") && autoStart.err.contains(reason.toUtf8()),
                 autoStart.err.constData());

        // The window says why, and on closing with an event added offers no save over the file.
        BoxAnswerer boxes({QMessageBox::Ok, QMessageBox::Discard});
        {
            MainWindow w;
            w.show();
            QTRY_COMPARE(boxes.seen.size(), 1);
            QCOMPARE(boxes.seen.first().title, QStringLiteral("Events File Unreadable"));
            QVERIFY2(boxes.seen.first().text.contains(reason), qPrintable(boxes.seen.first().text));
            w.addEventRow(weeklyEvent(QStringLiteral("added"), {1}));
            w.close();
            QCOMPARE(boxes.seen.size(), 2);
            QCOMPARE(boxes.seen.last().title, QStringLiteral("Events Not Saved"));
            QVERIFY(!(boxes.seen.last().buttons & QMessageBox::Retry));
        }

        QCOMPARE(serverHolds(), before);
        QCOMPARE(QFileInfo(path).isSymLink(), link);
        QVERIFY(syncB().ok);
        QCOMPARE(namesIn(machineB), all);
    }

    // A list that lacks events it never deleted gets them back from the server, and the server
    // and the other machine lose nothing.
    void lostEventsComeBack_data()
    {
        QTest::addColumn<bool>("damaged"); // else the file is gone beside its sync state
        QTest::newRow("damaged file kept by the window") << true;
        QTest::newRow("events file gone beside its sync state") << false;
    }

    void lostEventsComeBack()
    {
        QFETCH(bool, damaged);
        const QString path = eventsFilePath();
        const QHash<QString, QByteArray> before = serverHolds();
        if (damaged) {
            // Cut inside the eleventh record: ten events can be read.
            const QByteArray bytes = readFile(path);
            int cut = 4;
            for (int i = 0; i < 10; ++i)
                cut += 60 + int(qFromBigEndian<quint32>(bytes.constData() + cut));
            QVERIFY(writeFile(path, bytes.left(cut + 7)));
            const ProgramRun list = run("ORIVENTA_CLI", {QStringLiteral("list")});
            QCOMPARE(list.status, 0);
            QVERIFY2(list.err.contains("damaged"), list.err.constData());
            BoxAnswerer boxes;
            {
                MainWindow w;
                w.show();
                QTRY_COMPARE(boxes.seen.size(), 1);
                QCOMPARE(boxes.seen.first().title, QStringLiteral("Damaged Events File"));
                QVERIFY2(boxes.seen.first().text.contains(QStringLiteral("only 10 of its events could be read")) &&
                             boxes.seen.first().text.contains(QStringLiteral(".damaged-")) &&
                             boxes.seen.first().text.contains(QStringLiteral("next sync")),
                         qPrintable(boxes.seen.first().text));
                w.close();
            }
            QCOMPARE(readEvents(path).size(), 10);
        } else {
            QVERIFY(QFile::remove(path));
        }

        const ProgramRun sync = cliSync();
        QVERIFY2(sync.status == 0, sync.err.constData());
        QVERIFY2(sync.out.contains("taken back from the server"), sync.out.constData());
        QCOMPARE(namesIn(path), all);
        QCOMPARE(serverHolds(), before);
        QVERIFY(syncB().ok);
        QCOMPARE(namesIn(machineB), all);
        // Once taken back, a deletion here is a deletion again.
        QVERIFY(EventsFile(path).damageNote().reported || !damaged);
        QVERIFY(!EventsFile(path).damageNote().restorePending);
    }

    // A sync that would delete most of the calendar stops until the user allows it.
    void massDeletionWaitsForConsent()
    {
        const QHash<QString, QByteArray> before = serverHolds();
        QVERIFY(writeEvents(someEvents(Events - 25)));

        const ProgramRun held = cliSync();
        QCOMPARE(held.status, 1);
        QVERIFY2(held.err.contains("would delete 25 of the 30 events") && held.err.contains("--allow-deletions"),
                 held.err.constData());
        QCOMPARE(serverHolds(), before);

        const ProgramRun allowed = cliSync({QStringLiteral("--allow-deletions")});
        QVERIFY2(allowed.status == 0, allowed.err.constData());
        QCOMPARE(serverHolds().size(), Events - 25);
        QVERIFY(syncB().ok);
        QCOMPARE(readEvents(machineB).size(), Events - 25);
    }

    // The window's close syncs too: it asks before the deletions, and No keeps them on the server.
    void massDeletionAsksInTheWindow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("No keeps them") << int(QMessageBox::No) << Events;
        QTest::newRow("Yes deletes them") << int(QMessageBox::Yes) << Events - 25;
    }

    void massDeletionAsksInTheWindow()
    {
        QFETCH(int, answer);
        QFETCH(int, left);
        PasswordStore::keep(account.url, User, Password);
        BoxAnswerer boxes({QMessageBox::StandardButton(answer)});
        {
            MainWindow w;
            for (int i = 0; i < 25; ++i)
                w.removeEventRow(0);
            w.close();
        }
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Delete on the Server?"));
        QVERIFY2(boxes.seen.first().text.contains(QStringLiteral("would delete 25 of the 30 events")),
                 qPrintable(boxes.seen.first().text));
        QCOMPARE(serverHolds().size(), left);
    }

    // The list, its sync state and the folder made for them are the user's alone; a file the
    // user opened to others stays so.
    void privateFiles()
    {
        const auto mode = [](const QString &path) {
            struct stat info = {};
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
        };
        QVERIFY(QDir(TestEnvironment::dataDir()).removeRecursively());
        const ProgramRun sync = cliSync();
        QVERIFY2(sync.status == 0, sync.err.constData());
        QCOMPARE(namesIn(eventsFilePath()), all);
        QCOMPARE(mode(TestEnvironment::dataDir()), 0700);
        QCOMPARE(mode(eventsFilePath()), 0600);
        QCOMPARE(mode(syncStatePath(eventsFilePath())), 0600);

        QVERIFY(QFile::setPermissions(eventsFilePath(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        const QString more = TestEnvironment::root() + QStringLiteral("/more.evt");
        QVERIFY(writeEvents(someEvents(Events + 1), more));
        const ProgramRun import = run("ORIVENTA_CLI", {QStringLiteral("import"), more});
        QVERIFY2(import.status == 0, import.err.constData());
        QCOMPARE(readEvents(eventsFilePath()).size(), Events + 1);
        QCOMPARE(mode(eventsFilePath()), 0644);
    }
};

QTEST_MAIN(TestListTrouble)
#include "tst_listtrouble.moc"

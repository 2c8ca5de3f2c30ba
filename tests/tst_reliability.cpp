// SPDX-License-Identifier: GPL-3.0-or-later
// Faults must never cost an event: a save that fails keeps the old file whole and the window says
// so until the user chooses, a save killed at any instant leaves the old or the new file, and many copies started
// at once leave exactly one running.
#include "app/identity.h"
#include "mainwindow/mainwindow.h"
#include "model/eventstore.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/programrun.h"
#include "tests/support/smallfilesystem.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <memory>
#include <unistd.h>

using namespace TestHelpers;

namespace {

using Answers = QList<QMessageBox::StandardButton>;

} // namespace

Q_DECLARE_METATYPE(Answers)

class TestReliability : public QObject
{
    Q_OBJECT

    // Opens the main window on `dataDir`, adds an event and closes it: the save on close. True when
    // the window closed.
    bool closeWithOneMore(const QString &dataDir)
    {
        qputenv("XDG_DATA_HOME", dataDir.toUtf8());
        const auto restore =
            qScopeGuard([] { qputenv("XDG_DATA_HOME", (TestEnvironment::root() + QStringLiteral("/data")).toUtf8()); });
        MainWindow w;
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            return false;
        w.addEventRow(weeklyEvent(QStringLiteral("one more"), {1}));
        w.close();
        QTest::qWait(100);
        return !w.isVisible();
    }

    // Fills the data directory with an events file of `count` events; returns its bytes.
    QByteArray writeOldFile(const QString &dataDir, int count)
    {
        const QString dir = dataDir + QStringLiteral("/Brindlex/Oriventa");
        QDir().mkpath(dir);
        EventStore events;
        for (int i = 0; i < count; ++i)
            events << weeklyEvent(QStringLiteral("kept %1").arg(i), {1 + i % 7});
        return writeEvents(events, dir + QStringLiteral("/events.evt")) ? readFile(dir + QStringLiteral("/events.evt"))
                                                                        : QByteArray();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestEnvironment::reset());
        Startup::setApplicationIdentity();
    }

    // A save that fails on a full disk or in a read-only folder keeps the old file whole, says why,
    // and the window closes only when the user chooses to close without saving.
    void failedSaveKeepsTheOldFileAndAsks_data()
    {
        QTest::addColumn<bool>("fullDisk"); // else a read-only folder
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("reason");
        const QString full = QStringLiteral("No space left on device");
        const QString denied = QStringLiteral("Permission denied");
        using B = QMessageBox;
        QTest::newRow("full, close without saving") << true << Answers{B::Discard} << true << full;
        QTest::newRow("full, try again, then back to the window")
            << true << Answers{B::Retry, B::Cancel} << false << full;
        QTest::newRow("read-only, close without saving") << false << Answers{B::Retry, B::Discard} << true << denied;
    }

    void failedSaveKeepsTheOldFileAndAsks()
    {
        QFETCH(bool, fullDisk);
        QFETCH(Answers, answers);
        QFETCH(bool, closes);
        QFETCH(QString, reason);
        const QString dataDir = TestEnvironment::root() + (fullDisk ? QStringLiteral("/small") : "/readonly");
        std::unique_ptr<SmallFilesystem> small;
        if (fullDisk) {
            small = std::make_unique<SmallFilesystem>(dataDir, 96);
            if (!small->isMounted())
                QSKIP("mounting a small tmpfs needs root");
        } else if (geteuid() == 0) {
            QSKIP("root may write into a read-only directory");
        }
        // Full: the old file takes most of the room, so its replacement cannot be written beside it.
        const QByteArray old = writeOldFile(dataDir, fullDisk ? 700 : 5);
        QVERIFY(!fullDisk || old.size() > 48 * 1024);
        const QString dir = dataDir + QStringLiteral("/Brindlex/Oriventa");
        if (!fullDisk)
            QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
        const auto writable =
            qScopeGuard([&dir] { QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });

        BoxAnswerer boxes(answers);
        QCOMPARE(closeWithOneMore(dataDir), closes);
        QCOMPARE(readFile(dir + QStringLiteral("/events.evt")), old);
        QCOMPARE(boxes.seen.size(), answers.size());
        for (const BoxAnswerer::Seen &box : qAsConst(boxes.seen)) {
            QCOMPARE(box.title, QStringLiteral("Events Not Saved"));
            QVERIFY2(box.text.contains(reason), qPrintable(box.text));
            QVERIFY(box.buttons & QMessageBox::Discard);
        }
        // The failed save leaves nothing behind that fills the disk further.
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("events.evt")});
    }

    void killedSavesLeaveOneWholeVersion()
    {
        const QString helper = qEnvironmentVariable("ORIVENTA_SAVE_HELPER");
        QVERIFY(QFile::exists(helper));
        const QString dir = TestEnvironment::root() + QStringLiteral("/killed");
        QDir().mkpath(dir);
        const QString path = dir + QStringLiteral("/events.evt");
        const QString count = QStringLiteral("20000"); // about 1.5 MB: a save takes a while

        QByteArray versions[2];
        for (int v = 0; v < 2; ++v) {
            QCOMPARE(QProcess::execute(helper, {path, count, QStringLiteral("write"), QString::number(v + 1)}), 0);
            versions[v] = readFile(path);
        }
        QVERIFY(versions[0].size() > 1000000);

        QRandomGenerator random(11);
        int seen[2] = {0, 0};
        for (int round = 0; round < 30; ++round) {
            const auto saver = startProgram(helper, {path, count});
            QVERIFY(saver->waitForStarted());
            // Wait for a few saves, then kill at an arbitrary instant of the next ones.
            QVERIFY(saver->waitForReadyRead(20000));
            QTest::qWait(int(random.bounded(1, 120)));
            ::kill(pid_t(saver->processId()), SIGKILL);
            QVERIFY(saver->waitForFinished(10000));
            const QByteArray now = readFile(path);
            QVERIFY2(now == versions[0] || now == versions[1], qPrintable(QStringLiteral("round %1").arg(round)));
            ++seen[now == versions[0] ? 0 : 1];
            LoadStatus status = LoadStatus::Missing;
            readEvents(path, &status);
            QCOMPARE(status, LoadStatus::Complete);
            // The save writes an unnamed temporary file and names it only to rename it over the old one:
            // a kill between those two steps leaves that name behind, holding a whole version too.
            for (const QString &left : QDir(dir).entryList(QDir::Files | QDir::Hidden)) {
                const QByteArray bytes = readFile(dir + QLatin1Char('/') + left);
                QVERIFY2(left.startsWith(QLatin1String("events.evt")) && (bytes == versions[0] || bytes == versions[1]),
                         qPrintable(left));
            }
        }
        // The kills came at different points of the saves, not always between the same two.
        QVERIFY(seen[0] > 0);
        QVERIFY(seen[1] > 0);
    }

    void manyCopiesLeaveExactlyOne()
    {
        const QString program = qEnvironmentVariable("ORIVENTA_BIN");
        QVERIFY(QFile::exists(program));
        const QProcessEnvironment env =
            environmentWithRuntime(TestEnvironment::root() + QStringLiteral("/crowd-runtime"));

        constexpr int copies = 12;
        std::vector<std::unique_ptr<QProcess>> crowd;
        // Main windows only: an auto start that wins the lock with nothing due ends at once, which
        // would leave none running.
        for (int i = 0; i < copies; ++i)
            crowd.push_back(startProgram(program, {}, env));
        // Every copy but one ends, each with status 0.
        const auto running = [&] {
            return int(std::count_if(crowd.begin(), crowd.end(),
                                     [](const auto &p) { return p->state() != QProcess::NotRunning; }));
        };
        QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 30000);
        QTest::qWait(500);
        QCOMPARE(running(), 1);
        for (const auto &p : crowd) {
            if (p->state() == QProcess::NotRunning) {
                QCOMPARE(p->exitStatus(), QProcess::NormalExit);
                QCOMPARE(p->exitCode(), 0);
            }
        }
        // The survivor ends normally on a termination request.
        for (const auto &p : crowd) {
            if (p->state() != QProcess::NotRunning)
                QCOMPARE(endProgram(*p), 0);
        }
    }
};

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"

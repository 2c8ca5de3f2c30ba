// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the user meets it: the real program started as separate processes.
#include "app/singleapplication.h"
#include "app/startup.h"
#include "model/eventstore.h"
#include "model/nativesettings.h"
#include "tests/support/events.h"
#include "tests/support/programrun.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <csignal>

using namespace TestHelpers;

namespace {

QString program()
{
    return qEnvironmentVariable("ORIVENTA_BIN");
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    SingleApplication *app() { return static_cast<SingleApplication *>(qApp); }

    QString socketIn(const QProcessEnvironment &env)
    {
        return env.value(QStringLiteral("XDG_RUNTIME_DIR")) + QStringLiteral("/Brindlex-Oriventa.socket");
    }

    std::unique_ptr<QProcess> process;

    // Starts the program and waits until it has taken the single-instance role.
    void startFirstCopy(const QProcessEnvironment &env, const QStringList &arguments = {})
    {
        process = startProgram(program(), arguments, env);
        QVERIFY(process->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socketIn(env)), 10000);
        QCOMPARE(process->state(), QProcess::Running);
    }

    // A list the program will find damaged, so that a save shows as a whole rewrite.
    static QByteArray saveDamagedList(const EventStore &events)
    {
        return writeEvents(events) ? damageFile(eventsFilePath()) : QByteArray();
    }

    static void verifySavedWhole(int count)
    {
        LoadStatus status = LoadStatus::Missing;
        const QList<Event> saved = readEvents(eventsFilePath(), &status);
        QCOMPARE(status, LoadStatus::Complete);
        QCOMPARE(saved.size(), count);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestEnvironment::reset());
        QVERIFY(QFile::exists(program()));
        // This process is the first copy for the suite's own runtime directory.
        QVERIFY(!app()->isRunning());
    }

    void init() { QDir(TestEnvironment::dataDir()).removeRecursively(); }

    // A copy a failed case left running ends here.
    void cleanup() { process.reset(); }

    void identity()
    {
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.2.2"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Brindlex"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Oriventa"));
        QVERIFY(eventsFilePath().startsWith(qEnvironmentVariable("XDG_DATA_HOME") + "/Brindlex/Oriventa/"));
    }

    void modeChoice_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("autoMode");
        QTest::newRow("no argument") << QStringList{"oriventa"} << false;
        QTest::newRow("auto") << QStringList{"oriventa", "auto"} << true;
        QTest::newRow("auto n") << QStringList{"oriventa", "auto", "3600"} << true;
        QTest::newRow("Auto") << QStringList{"oriventa", "Auto"} << false;
        QTest::newRow("AUTO") << QStringList{"oriventa", "AUTO"} << false;
        QTest::newRow("other first") << QStringList{"oriventa", "x", "auto"} << false;
    }

    void modeChoice()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, autoMode);
        QCOMPARE(Startup::isAutoMode(arguments), autoMode);
    }

    // A second copy, in either mode, ends at once with 0, builds no window and touches no file. A
    // plain one brings the running copy's window to the front; an auto one (the hourly timer) says
    // nothing. A plain copy started afterwards marks the end of what the first one may have sent.
    void secondCopy_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("messagesSent");
        QTest::newRow("normal") << QStringList() << 1;
        QTest::newRow("other first argument") << QStringList{"Auto"} << 1;
        QTest::newRow("auto") << QStringList{"auto"} << 0;
        QTest::newRow("auto 3600") << QStringList{"auto", "3600"} << 0;
    }

    void secondCopy()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, messagesSent);
        QWidget window;
        window.setWindowTitle(QStringLiteral("first copy"));
        app()->setActivationWindow(&window, true);
        QSignalSpy messages(app(), &SingleApplication::messageReceived);

        for (const QStringList &copy : {arguments, QStringList()}) {
            // The message arrives through this process's event loop, which turns while it waits.
            QCOMPARE(runProgram(program(), copy).status, 0);
            if (copy == arguments && messagesSent == 0)
                QVERIFY(!window.isVisible());
        }
        QTRY_COMPARE(messages.count(), messagesSent + 1);
        QTest::qWait(50);
        QCOMPARE(messages.count(), messagesSent + 1);
        for (const QList<QVariant> &message : messages)
            QCOMPARE(message.first().toString(), QStringLiteral("activate"));
        QVERIFY(window.isVisible());
        QVERIFY(!QFile::exists(eventsFilePath()));
        app()->setActivationWindow(nullptr, false);
    }

    // A copy that crashed leaves its lock behind; it must not keep the next start away.
    void crashedCopyDoesNotBlock()
    {
        const QProcessEnvironment env = environmentWithRuntime(TestEnvironment::root() + "/runtime-crash");
        startFirstCopy(env);
        process->kill();
        QVERIFY(process->waitForFinished());
        QVERIFY(QFile::exists(env.value(QStringLiteral("XDG_RUNTIME_DIR")) + "/Brindlex-Oriventa.lock"));
        startFirstCopy(env);
        QTest::qWait(300);
        QCOMPARE(process->state(), QProcess::Running);
        QCOMPARE(endProgram(*process), 0);
    }

    // A termination request closes the window normally, which writes the events back. A file
    // with bytes after its last record is rewritten cleanly and kept aside first.
    void terminationRequestSavesTheList_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void terminationRequestSavesTheList()
    {
        QFETCH(int, signalNumber);
        const QByteArray damaged =
            saveDamagedList({weeklyEvent(QStringLiteral("Bin day"), {1}), weeklyEvent(QStringLiteral("Choir"), {4})});
        QVERIFY(!damaged.isEmpty());

        const QProcessEnvironment env = environmentWithRuntime(TestEnvironment::root() + "/runtime-term");
        startFirstCopy(env);
        QCOMPARE(endProgram(*process, signalNumber), 0);
        verifySavedWhole(2);
        const QStringList kept = QDir(TestEnvironment::dataDir()).entryList({"events.evt.damaged-*"});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readFile(TestEnvironment::dataDir() + "/" + kept.first()), damaged);

        const QSettings settings = nativeSettings();
        QVERIFY(!settings.value(QStringLiteral("geometryMainWindow")).toByteArray().isEmpty());
    }

    // A termination request while a dialog waits for the user cancels the dialog, then closes the
    // window the normal way: the program ends by itself and the list is saved. With sync set up, the
    // window's own syncs as it opens and closes fail unseen but for a warning each in the default
    // log, and the password shows nowhere. The prompt for that password comes before the window:
    // cancelled, it leaves no sync to run, no window to open and the list as it was.
    void terminationDuringADialogSavesTheList_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<QString>("password"); // the start-up sync's, typed into its prompt; "-": no sync
        QTest::newRow("message box, SIGTERM") << "removeButton" << int(SIGTERM) << "-";
        QTest::newRow("file dialog, SIGHUP") << "importButton" << int(SIGHUP) << "-";
        QTest::newRow("message box after a failed sync, SIGTERM") << "removeButton" << int(SIGTERM) << "pwd-7Kq!Zx3v";
        QTest::newRow("start-up password prompt, SIGTERM") << QString() << int(SIGTERM) << "";
    }

    void terminationDuringADialogSavesTheList()
    {
        QFETCH(QString, button);
        QFETCH(int, signalNumber);
        QFETCH(QString, password);
        const QByteArray damaged = saveDamagedList({weeklyEvent(QStringLiteral("Bin day"), {1})});
        QVERIFY(!damaged.isEmpty());

        QProcessEnvironment env = environmentWithRuntime(TestEnvironment::root() + "/runtime-dialog");
        env.insert(QStringLiteral("ORIVENTA_DRIVER_BUTTON"), button);
        if (password != QLatin1String("-")) {
            // Sync set up, and no secret store to take the password from: the start asks for it.
            const QString config = TestEnvironment::root() + QStringLiteral("/config-sync");
            QVERIFY(
                QDir().mkpath(config + "/Brindlex") &&
                writeFile(config + "/Brindlex/Oriventa.conf", "[General]\nsyncUrl=http://127.0.0.1:9/\nsyncUser=a\n"));
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
            env.insert(QStringLiteral("ORIVENTA_DRIVER_PASSWORD"), password);
        }
        QProcess driver;
        driver.setProcessEnvironment(env);
        driver.start(qEnvironmentVariable("ORIVENTA_DRIVER"), QStringList());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += driver.readAllStandardOutput()).contains("dialog"), 10000);
        ::kill(pid_t(driver.processId()), signalNumber);
        QVERIFY(driver.waitForFinished(10000));
        QCOMPARE(driver.exitStatus(), QProcess::NormalExit);
        QCOMPARE(driver.exitCode(), 0);
        const QByteArray err = driver.readAllStandardError();
        const bool synced = password.size() > 1;
        QVERIFY2(err.count("oriventa.sync: sync with http://127.0.0.1:9/ failed: ") == (synced ? 2 : 0),
                 err.constData());
        QVERIFY(!synced || (!(output + err).contains(password.toUtf8()) &&
                            filesContaining(TestEnvironment::root(), password.toUtf8()).isEmpty()));
        // Rewritten whole when the window's close saved the list; as it was when no window opened.
        if (password.isEmpty())
            QCOMPARE(readFile(eventsFilePath()), damaged);
        else
            verifySavedWhole(1);
    }

    // An auto start that shows nothing ends by itself with 0, whether it finds nothing due or is
    // held back by the previous start, and whether or not it checks for updates on its own.
    // Only "auto n" records its start; the events file is left as it was.
    void autoStartWithNothingDueExitsAtOnce_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("events"); // "none", "nothing due" or "due"
        QTest::addColumn<bool>("shownToday");
        QTest::addColumn<bool>("updateChecks");
        QTest::addColumn<bool>("lastRunWritten");
        const QStringList hourly{"auto", "3600"};
        QTest::newRow("auto, no events file") << QStringList{"auto"} << "none" << false << false << false;
        QTest::newRow("auto, nothing due") << QStringList{"auto"} << "nothing due" << false << false << false;
        QTest::newRow("auto 3600, nothing due") << hourly << "nothing due" << false << false << true;
        QTest::newRow("auto 3600, held back with one due") << hourly << "due" << true << false << true;
        QTest::newRow("auto, update checks on, nothing due")
            << QStringList{"auto"} << "nothing due" << false << true << false;
        QTest::newRow("auto 3600, update checks on, held back") << hourly << "due" << true << true << true;
    }

    void autoStartWithNothingDueExitsAtOnce()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, events);
        QFETCH(bool, shownToday);
        QFETCH(bool, updateChecks);
        QFETCH(bool, lastRunWritten);
        const QDateTime started = QDateTime::currentDateTime();
        const QDateTime lastRun = started.addSecs(-60);
        const QDateTime shownBefore = shownToday ? started : QDateTime(QDate(2020, 5, 1), QTime(8, 0));
        {
            QSettings settings = nativeSettings();
            settings.clear();
            settings.setValue("LastDisplay", shownBefore);
            if (shownToday)
                settings.setValue("LastRun", lastRun);
            settings.setValue("Ferrule/autoCheck", updateChecks);
        }
        if (events != QLatin1String("none")) {
            EventBuilder event = weekly().named(QStringLiteral("Every day")).everyWeekday();
            QVERIFY(writeEvents({(events == QLatin1String("due") ? event.notify(0) : event.before(0)).make()}));
        }
        const QByteArray eventsBefore = readFile(eventsFilePath());

        QProcessEnvironment env = environmentWithRuntime(TestEnvironment::root() + "/runtime-auto");
        // A check that fails at once and silently, without the network.
        env.insert(QStringLiteral("ORIVENTA_UPDATE_FEED"), QStringLiteral("file:///nowhere"));
        QCOMPARE(runProgram(program(), arguments, env).status, 0);

        QSettings settings = nativeSettings();
        settings.sync();
        QCOMPARE(settings.value("LastDisplay").toDateTime(), shownBefore);
        if (lastRunWritten)
            QVERIFY(settings.value("LastRun").toDateTime() >= started.addSecs(-1));
        else
            QCOMPARE(settings.value("LastRun"), shownToday ? QVariant(lastRun) : QVariant());
        QCOMPARE(QFile::exists(eventsFilePath()), events != QLatin1String("none"));
        QCOMPARE(readFile(eventsFilePath()), eventsBefore);
    }

    // A due reminder in the tray window: closing it saves what it showed and ends with 0.
    void autoStartShowsAndSavesDueReminders()
    {
        QVERIFY(writeEvents({weekly().named(QStringLiteral("Every day")).everyWeekday().notify(0).make()}));
        const QProcessEnvironment env = environmentWithRuntime(TestEnvironment::root() + "/runtime-tray");
        startFirstCopy(env, {QStringLiteral("auto")});
        QTest::qWait(200);
        QCOMPARE(process->state(), QProcess::Running);
        QCOMPARE(endProgram(*process), 0);
        const QList<Event> saved = readEvents();
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().lastNotified, QDate::currentDate());
        QSettings settings = nativeSettings();
        settings.sync();
        QCOMPARE(settings.value("LastDisplay").toDateTime().date(), QDate::currentDate());
    }

    // The crash handler writes a report and the process still dies of its signal.
    void crashLeavesAReport_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("signalLine");
        QTest::newRow("segfault") << "segv" << QStringLiteral("signal: %1 SIGSEGV").arg(SIGSEGV);
        QTest::newRow("abort") << "abort" << QStringLiteral("signal: %1 SIGABRT").arg(SIGABRT);
    }

    void crashLeavesAReport()
    {
        QFETCH(QString, how);
        QFETCH(QString, signalLine);
        QVERIFY(runProgram(qEnvironmentVariable("ORIVENTA_CRASH_HELPER"), {how}).crashed);

        const QStringList reports = QDir(TestEnvironment::dataDir()).entryList({"crash-*.txt"});
        QCOMPARE(reports.size(), 1);
        const QString report = QString::fromUtf8(readFile(TestEnvironment::dataDir() + "/" + reports.first()));
        QVERIFY2(report.startsWith("Oriventa crash report\ntime: "), qPrintable(report));
        QVERIFY(QRegularExpression(QStringLiteral("time: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d UTC\n"))
                    .match(report)
                    .hasMatch());
        QVERIFY(report.contains("version: 1.0.2.2\n"));
        QVERIFY2(report.contains(signalLine), qPrintable(report));
        const QString trace = report.section(QStringLiteral("backtrace:\n"), 1);
        QVERIFY2(trace.count(QLatin1Char('\n')) >= 2, qPrintable(report));
    }

    void crashHandlerStaysQuietWithoutACrash()
    {
        QCOMPARE(runProgram(qEnvironmentVariable("ORIVENTA_CRASH_HELPER"), {"none"}).status, 0);
        QVERIFY(QDir(TestEnvironment::dataDir()).entryList({"crash-*.txt"}).isEmpty());
    }
};

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    Startup::setApplicationIdentity();
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool as a shell meets it: the real oriventa-cli run as a separate process on
// the suite's data directory. A child process reads the real clock, so dates are set relative to
// the real today.
#include "app/identity.h"
#include "app/instancelock.h"
#include "model/eventstore.h"
#include "model/nativesettings.h"
#include "model/preferences.h"
#include "model/reminderrules.h"
#include "tests/support/events.h"
#include "tests/support/hostileserver.h"
#include "tests/support/programrun.h"
#include "tests/support/radicale.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>
#include <optional>

using namespace TestHelpers;

namespace {

const QString cli = qEnvironmentVariable("ORIVENTA_CLI");

// The events file as it lies: its bytes and its time stamp, which a command that changes nothing
// must both leave alone.
struct FileState
{
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const FileState &other) const { return bytes == other.bytes && modified == other.modified; }
};

FileState fileState(const QString &path = eventsFilePath())
{
    return {readFile(path), QFileInfo(path).lastModified()};
}

QStringList names(const QList<Event> &events)
{
    QStringList list;
    for (const Event &e : events)
        list << e.name;
    return list;
}

QStringList names(const QJsonArray &array)
{
    QStringList list;
    for (const QJsonValue &v : array)
        list << v.toObject().value(QStringLiteral("name")).toString();
    return list;
}

// The weekday `days` from today, for weekly events.
Qt::DayOfWeek weekdayIn(int days)
{
    return Qt::DayOfWeek(QDate::currentDate().addDays(days).dayOfWeek());
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QDate today;

    // Events that cover each way of listing: today, a shared date told apart by name (one beyond
    // the Basic Multilingual Plane), later, a past one-off event and a weekly event without a weekday (no coming
    // occurrence at all), and a counted event whose count is behind.
    QList<Event> sampleEvents() const
    {
        return {singular(today.addDays(10)).named(QStringLiteral("Choir")).notify(10).event(),
                weekly().on(weekdayIn(2)).named(QStringLiteral("Bin day")).notify(2).event(),
                singular(today.addDays(-3)).named(QStringLiteral("Past")).event(),
                singular(today.addDays(2)).named(QStringLiteral("Älpha 🎂")).notify(3).showOnce().event(),
                weekly().named(QStringLiteral("Nothing")).event(),
                weekly().on(weekdayIn(0)).named(QStringLiteral("Gym")).counted(4, today.addDays(-14)).notify(0).event(),
                singular(today).named(QStringLiteral("Dentist")).notify(0).showOnce().lastNotified(today).event()};
    }

    static bool save(const QList<Event> &events, const QString &path = eventsFilePath())
    {
        EventStore store;
        for (const Event &e : events)
            store << new Event(e);
        return writeEvents(store, path);
    }

    // A readable .evt of other events, for the import; its own copy of one name it shares.
    QString importFile(const QString &name, const QList<Event> &events)
    {
        const QString path = TestEnvironment::root() + QLatin1Char('/') + name;
        return save(events, path) ? path : QString();
    }

    // The import and export of files live in another part of the tree; until both are there,
    // the cases that need them have nothing to check.
private Q_SLOTS:
    void initTestCase() { Startup::setApplicationIdentity(); }

    void init()
    {
        QVERIFY(TestEnvironment::reset());
        today = QDate::currentDate();
        QVERIFY(save(sampleEvents()));
    }

    // Every refusal leaves the events file as it was, down to its time stamp.
    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // part of standard error
        const QString root = TestEnvironment::root();
        QTest::newRow("no arguments") << QStringList() << 2 << "Usage:";
        QTest::newRow("unknown command") << QStringList{"show"} << 2 << "unknown command";
        QTest::newRow("unknown option") << QStringList{"list", "--all"} << 2 << "unknown option";
        QTest::newRow("option of another command") << QStringList{"due", "--days", "3"} << 2 << "unknown option";
        QTest::newRow("days not a number") << QStringList{"list", "--days", "soon"} << 2 << "--days";
        QTest::newRow("days negative") << QStringList{"list", "--days=-1"} << 2 << "--days";
        QTest::newRow("days missing") << QStringList{"list", "--days"} << 2 << "--days";
        QTest::newRow("import without FILE") << QStringList{"import"} << 2 << "FILE";
        QTest::newRow("export without FILE") << QStringList{"export"} << 2 << "FILE";
        QTest::newRow("export of two files") << QStringList{"export", "a.evt", "b.evt"} << 2 << "FILE";
        QTest::newRow("list takes no file") << QStringList{"list", "x.evt"} << 2 << "x.evt";
        QTest::newRow("import of a missing file")
            << QStringList{"import", root + "/missing.evt"} << 1 << "/missing.evt";
        QTest::newRow("import of an unknown format") << QStringList{"import", root + "/notes.txt"} << 1 << "notes.txt";
        // Below a plain file no directory can be made, whoever runs the test.
        QTest::newRow("export to an unwritable place") << QStringList{"export", root + "/notes.txt/out.evt"} << 1
                                                       << "notes.txt/out.evt: could not be written: Not a directory\n";
        QTest::newRow("sync address missing") << QStringList{"sync", "--url"} << 2 << "--url needs a value";
        QTest::newRow("sync user empty") << QStringList{"sync", "--user="} << 2 << "--user needs a value";
        QTest::newRow("sync takes no file") << QStringList{"sync", "x.evt"} << 2 << "x.evt";
        QTest::newRow("sync option of another command") << QStringList{"sync", "--json"} << 2 << "unknown option";
        QTest::newRow("sync without an address") << QStringList{"sync"} << 1 << "no server address";
        // The suites have no secret store to take the password from.
        QTest::newRow("sync without a password")
            << QStringList{"sync", "--url", "http://127.0.0.1:9/", "--user", "anna"} << 1
            << "no password: use --password-stdin";
        QTest::newRow("sync with an empty standard input")
            << QStringList{"sync", "--url", "http://127.0.0.1:9/", "--password-stdin"} << 1
            << "no password: standard input gave none";
        QTest::newRow("help") << QStringList{"list", "--help"} << 0 << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "";
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QVERIFY(writeFile(TestEnvironment::root() + QStringLiteral("/notes.txt"), "just some words\n"));
        // The file's time stamp must be able to show a rewrite.
        QTest::qWait(20);
        const FileState before = fileState();
        const ProgramRun run = runProgram(cli, arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
        if (status == 0)
            QVERIFY(!run.out.isEmpty());
        QVERIFY(fileState() == before);
    }

    void runningWindow()
    {
        InstanceLock window;
        QVERIFY(!window.isHeldElsewhere());
        const QString file = importFile(QStringLiteral("new.evt"), {weekly().on({1}).named("Newcomer").event()});
        const FileState before = fileState();
        const ProgramRun run = runProgram(cli, {QStringLiteral("import"), file});
        QCOMPARE(run.status, 3);
        QCOMPARE(run.err, QByteArray("Oriventa is running; close it and try again.\n"));
        QVERIFY(fileState() == before);
        // Reading the file as last saved needs no lock.
        QCOMPARE(runProgram(cli, {QStringLiteral("list")}).status, 0);
        QCOMPARE(runProgram(cli, {QStringLiteral("export"), TestEnvironment::root() + "/out.evt"}).status, 0);
    }

    // A sync that fails changes no event and keeps neither --url nor --user, nor the password in the
    // address, which it used all the same and which shows nowhere.
    void syncRefusals_data()
    {
        QTest::addColumn<bool>("windowRuns");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("mode"); // of the hostile server; empty: nothing listens
        QTest::newRow("server unreachable") << false << 1 << "oriventa-cli: sync failed: " << QString();
        QTest::newRow("window running") << true << 3 << "Oriventa is running; close it and try again." << QString();
        QTest::newRow("failed after one upload") << false << 4 << "oriventa-cli: sync failed: "
                                                 << "partial";
    }

    void syncRefusals()
    {
        QFETCH(bool, windowRuns);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QString, mode);
        std::optional<InstanceLock> window;
        if (windowRuns)
            QVERIFY(!window.emplace().isHeldElsewhere());
        HostileServer server;
        QUrl url = mode.isEmpty() ? QUrl("http://127.0.0.1:9/dav/") : server.calendar(mode);
        if (!mode.isEmpty())
            QVERIFY(server.running() && save(sampleEvents()));
        const QByteArray password = "pwd-7Kq!Zx3v";
        url.setUserInfo("anna:" + password);
        const FileState before = fileState();
        const ProgramRun run = runProgram(cli, {"sync", "--url", url.toString()});
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.startsWith(message.toUtf8()), run.err.constData());
        QVERIFY(fileState() == before);
        QSettings native = nativeSettings();
        QVERIFY(!native.contains("syncUrl") && !native.contains("syncUser"));
        QVERIFY(!(run.out + run.err).contains(password));
        QCOMPARE(filesContaining(TestEnvironment::root(), password), QStringList());
    }

    // A sync that worked keeps its address, without the user and password typed into it; the user
    // comes from the address when --user is not given. Standard error is no terminal here: it gets no
    // progress, and --quiet leaves out the summary too.
    void syncKeepsAWorkingAccount()
    {
        if (!Radicale::available())
            QSKIP("Radicale is not installed");
        const QByteArray password = "pwd-7Kq!Zx3v";
        Radicale server(QStringLiteral("anna"), QString::fromUtf8(password));
        QVERIFY2(server.running(), qPrintable(server.problem()));
        QUrl address = server.base();
        address.setUserInfo(QStringLiteral("anna:") + QString::fromUtf8(password));
        const ProgramRun first = runProgram(cli, {"sync", "--url", address.toString()});
        QCOMPARE(first.status, 0);
        QVERIFY2(first.out.endsWith(" events uploaded.\n"), first.out.constData());
        QCOMPARE(first.err, QByteArray());
        const ProgramRun quiet = runProgram(cli, {"sync", "--quiet", "--url", address.toString()});
        QCOMPARE(quiet.status, 0);
        QCOMPARE(quiet.out + quiet.err, QByteArray());
        const QSettings native = nativeSettings();
        QCOMPARE(native.value("syncUrl").toUrl(), server.base());
        QCOMPARE(native.value("syncUser").toString(), QStringLiteral("anna"));
        // The server's own password file lies under the root too.
        QCOMPARE(filesContaining(qEnvironmentVariable("XDG_CONFIG_HOME"), password), QStringList());
    }

    // Names reach the terminal as text: what would steer it is shown escaped; --json keeps the name.
    void plainOutputEscapesControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("C0, DEL") << QStringLiteral("a\x1b[2J\x07\x7f") << QStringLiteral("a\\x1b[2J\\x07\\x7f");
        QTest::newRow("C1 CSI") << QStringLiteral("a\u009b31mb") << QStringLiteral("a\\x9b31mb");
        QTest::newRow("bidi") << QStringLiteral("\u2066a\u202eb\u2069") << QStringLiteral("\\u2066a\\u202eb\\u2069");
        QTest::newRow("right-to-left mark") << QStringLiteral("\u05d0\u200f!") << QStringLiteral("\u05d0\u200f!");
    }

    void plainOutputEscapesControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QVERIFY(save({singular(today).named(name).event()}));
        QCOMPARE(QString::fromUtf8(runProgram(cli, {"list"}).out).mid(18), shown + QLatin1Char('\n'));
        const ProgramRun json = runProgram(cli, {"list", "--json"});
        QCOMPARE(names(QJsonDocument::fromJson(json.out).array()), QStringList{name});
    }

    void list_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected");
        // Names go by their UTF-16 code units: "Ä" after "B".
        const QStringList coming{"Dentist", "Gym", "Bin day", "Älpha 🎂", "Choir"};
        QTest::newRow("all") << QStringList() << coming + QStringList{"Nothing", "Past"};
        QTest::newRow("today only") << QStringList{"--days", "0"} << QStringList{"Dentist", "Gym"};
        QTest::newRow("two days") << QStringList{"--days=2"} << QStringList{"Dentist", "Gym", "Bin day", "Älpha 🎂"};
        QTest::newRow("up to the last") << QStringList{"--days", "10"} << coming;
    }

    void list()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        QMap<QString, Event> byName;
        for (const Event &e : sampleEvents())
            byName.insert(e.name, e);

        const ProgramRun text = runProgram(cli, QStringList{"list"} + options);
        QCOMPARE(text.status, 0);
        const QStringList lines = QString::fromUtf8(text.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QStringList listed;
        for (const QString &line : lines) {
            const QString name = line.mid(18);
            listed << name;
            const int days = daysRemaining(byName.value(name), today);
            const QString when =
                days < 0 ? QStringLiteral("%1 %2").arg("-", -10).arg("-", 5)
                         : QStringLiteral("%1 %2").arg(today.addDays(days).toString(Qt::ISODate)).arg(days, 5);
            QCOMPARE(line.left(18), when + QStringLiteral("  "));
        }
        QCOMPARE(listed, expected);

        const ProgramRun json = runProgram(cli, QStringList{"list", "--json"} + options);
        QCOMPARE(json.status, 0);
        const QJsonArray array = QJsonDocument::fromJson(json.out).array();
        QCOMPARE(names(array), expected);
        const QStringList schedules{"once", "weekly", "monthly", "yearly"};
        for (const QJsonValue &value : array) {
            const QJsonObject o = value.toObject();
            Event e = byName.value(o.value("name").toString());
            const int days = daysRemaining(e, today);
            QCOMPARE(o.value("daysRemaining"), days < 0 ? QJsonValue() : QJsonValue(days));
            QCOMPARE(o.value("next"),
                     days < 0 ? QJsonValue() : QJsonValue(e.nextOccurrence(today).toString(Qt::ISODate)));
            QCOMPARE(o.value("schedule").toString(), schedules.at(e.schedule));
            QCOMPARE(o.value("notify").toBool(), e.notify);
            QCOMPARE(o.value("notifyDaysBefore").toInt(), e.notifyDaysBefore);
            QCOMPARE(o.value("counted").toBool(), e.counted);
            // The count a details view would show today: Gym's two days since its count date.
            if (e.counted)
                e.advanceCount(today);
            QCOMPARE(o.value("count").toInt(), e.count);
        }
    }

    void due()
    {
        const QList<Event> events = sampleEvents();
        QStringList sentences;
        QStringList dueNames;
        for (Event e : events) {
            if (ReminderRules::isDue(e, today)) {
                dueNames << e.name;
                sentences << ReminderRules::sentence(e, today);
            }
        }
        // Dentist was shown today already; Past, Nothing and those without reminders are not due.
        QCOMPARE(dueNames, (QStringList{"Choir", "Bin day", "Älpha 🎂", "Gym"}));
        QTest::qWait(20);
        const FileState before = fileState();
        const ProgramRun text = runProgram(cli, {QStringLiteral("due")});
        QCOMPARE(text.status, 0);
        QCOMPARE(QString::fromUtf8(text.out), sentences.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        const ProgramRun json = runProgram(cli, {QStringLiteral("due"), QStringLiteral("--json")});
        QCOMPARE(json.status, 0);
        QCOMPARE(names(QJsonDocument::fromJson(json.out).array()), dueNames);
        QVERIFY(fileState() == before);
    }

    // Under another language the texts are that language's and the dates its short ones; the
    // rest of the line stays in its columns.
    void speaksTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("expected");
        const QStringList list{"list", "--days", "0"};
        // Whole years, for scripts; a language the tool does not speak keeps ISO dates.
        QTest::newRow("de list") << "de" << list << "dd.MM.yyyy"
                                 << "%1     0  Dentist\n";
        QTest::newRow("fr list") << "fr" << list << "dd/MM/yyyy"
                                 << "%1     0  Dentist\n";
        QTest::newRow("es list") << "es" << list << "d/M/yyyy"
                                 << "%1     0  Dentist\n";
        QTest::newRow("nl list") << "nl" << list << "yyyy-MM-dd"
                                 << "%1     0  Dentist\n";
        QTest::newRow("de missing file") << "de" << QStringList{"import", "/nonexistent/a.ics"} << ""
                                         << "Datei oder Verzeichnis nicht gefunden";
        QTest::newRow("de usage") << "de" << QStringList{"frob"} << ""
                                  << "unbekannter Befehl „frob“";
        QTest::newRow("fr usage") << "fr" << QStringList{"frob"} << ""
                                  << "commande inconnue «\u00a0frob\u00a0»";
        QTest::newRow("es usage") << "es" << QStringList{"frob"} << ""
                                  << "comando desconocido «frob»";
    }

    void speaksTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, dateFormat);
        QFETCH(QString, expected);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), language);
        const ProgramRun run = runProgram(cli, arguments, env);
        const QString said = QString::fromUtf8(run.out + run.err);
        if (!dateFormat.isEmpty())
            expected = expected.arg(today.toString(dateFormat).leftJustified(10));
        QVERIFY2(said.contains(expected), qPrintable(said));
    }

    // The English summary says "1 event" but "0 events" and "2 events".
    void exportCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("none") << 0 << QByteArray("Exported 0 events to some.evt.\n");
        QTest::newRow("one") << 1 << QByteArray("Exported 1 event to some.evt.\n");
        QTest::newRow("two") << 2 << QByteArray("Exported 2 events to some.evt.\n");
    }

    void exportCounts()
    {
        QFETCH(int, count);
        QFETCH(QByteArray, expected);
        QVERIFY(save(sampleEvents().mid(0, count)));
        const ProgramRun run = runProgram(cli, {"export", TestEnvironment::root() + QStringLiteral("/some.evt")});
        QCOMPARE(run.out, expected);
    }

    void importMerges()
    {
        const QString first = importFile(QStringLiteral("first.evt"), {weekly().on({3}).named("Bin day").event(),
                                                                       weekly().on({1}).named("Newcomer").event(),
                                                                       weekly().on({2}).named("Newcomer").event()});
        const QString second = importFile(QStringLiteral("second.evt"), {weekly().on({4}).named("Newcomer").event(),
                                                                         singular(today).named("Other").event()});
        // Every file is read before anything is added: a bad one after the good ones changes nothing.
        const QString notes = TestEnvironment::root() + QStringLiteral("/notes.txt");
        QVERIFY(writeFile(notes, "just some words\n"));
        const FileState before = fileState();
        const ProgramRun refused = runProgram(cli, {QStringLiteral("import"), first, second, notes});
        QCOMPARE(refused.status, 1);
        QVERIFY(refused.err.contains("notes.txt"));
        QVERIFY(fileState() == before);

        const ProgramRun run = runProgram(cli, {QStringLiteral("import"), first, second});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("first.evt") && run.out.contains("second.evt"));
        const QList<Event> after = readEvents();
        QCOMPARE(names(after), names(sampleEvents()) + QStringList({"Newcomer", "Other"}));
        // The list's own Bin day stays; the first file's Newcomer (Monday) is the one added.
        QCOMPARE(after.at(1), sampleEvents().at(1));
        QVERIFY(after.at(7).weekdays[0] && !after.at(7).weekdays[1] && !after.at(7).weekdays[3]);
    }

    // What one data directory exports, another imports: everything in an events file; names and
    // days in a calendar.
    void exportThenImport_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("events file") << "all.evt";
        QTest::newRow("calendar") << "all.ics";
    }

    void exportThenImport()
    {
        QFETCH(QString, name);
        const QString file = TestEnvironment::root() + QLatin1Char('/') + name;
        const ProgramRun exported = runProgram(cli, {QStringLiteral("export"), file});
        QCOMPARE(exported.status, 0);
        QProcessEnvironment empty = QProcessEnvironment::systemEnvironment();
        const QString data = TestEnvironment::root() + QStringLiteral("/empty-data");
        empty.insert(QStringLiteral("XDG_DATA_HOME"), data);
        QCOMPARE(runProgram(cli, {QStringLiteral("import"), file}, empty).status, 0);
        const QList<Event> imported = readEvents(data + QStringLiteral("/Brindlex/Oriventa/events.evt"));
        QList<Event> expected = readEvents();
        if (name.endsWith(QLatin1String(".evt"))) {
            QCOMPARE(imported, expected);
            QCOMPARE(exported.out, QByteArray("Exported 7 events to all.evt.\n"));
            return;
        }
        // A weekly event without a weekday has no day to give a calendar: the summary names it.
        QVERIFY2(exported.out.contains("Nothing"), exported.out.constData());
        expected.erase(std::remove_if(expected.begin(), expected.end(),
                                      [](const Event &e) { return e.name == QLatin1String("Nothing"); }),
                       expected.end());
        QCOMPARE(names(imported), names(expected));
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(imported[i].nextOccurrence(today), expected[i].nextOccurrence(today));
    }

    void importTakesContacts()
    {
        const QString contacts = TestEnvironment::root() + QStringLiteral("/contacts.vcf");
        QVERIFY(writeFile(contacts, "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ada\r\nBDAY:--0314\r\nEND:VCARD\r\n"
                                    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Nobody\r\nEND:VCARD\r\n"));
        const ProgramRun run = runProgram(cli, {QStringLiteral("import"), contacts});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("contacts.vcf"), run.out.constData());
        const QList<Event> after = readEvents();
        QCOMPARE(names(after), names(sampleEvents()) + QStringList{"Ada's Birthday"});
        QCOMPARE(after.last().nextOccurrence(QDate(2031, 1, 1)), QDate(2031, 3, 14));
        QVERIFY(!after.last().counted);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

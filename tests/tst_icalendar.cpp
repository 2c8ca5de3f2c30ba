// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/fileexport.h"
#include "interop/icalreader.h"
#include "interop/icalwriter.h"
#include "tests/support/events.h"
#include "tests/support/randomevents.h"
#include "tests/support/testhelpers.h"

#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QUuid>
#include <QtTest>

#include <ctime>
#include <memory>

using namespace TestHelpers;

namespace {

const QDate today(2024, 6, 1);

// An event of one sub-rule most of the time, so that the exact mappings get most of the draws.
Event randomValidEvent(QRandomGenerator &rng, const QString &name)
{
    for (;;) {
        Event e = randomEvent(rng, ScheduleKind(rng.bounded(4)));
        if (chance(rng, 60) && e.schedule == Yearly) {
            if (chance(rng, 50))
                e.wholeYear = false;
            else
                e.months = {};
            if (e.useDayNumber && e.hasWeekday())
                e.weekdays = {};
        }
        if (chance(rng, 60) && e.schedule == Monthly && e.useDayNumber)
            e.weekdays = {};
        e.name = name;
        e.notify = chance(rng, 50);
        e.notifyDaysBefore = rng.bounded(100);
        e.showOnce = chance(rng, 50);
        e.counted = chance(rng, 50);
        e.count = rng.bounded(10000);
        e.countDate = today.addDays(-rng.bounded(1000));
        if (e.schedule == Singular && e.date.isNull())
            e.date = randomDay(rng);
        if (e.checkEvent() == Valid)
            return e;
    }
}

// Occurrences from `start` to `end` by our own rules.
QList<QDate> ourChain(const Event &e, QDate start, QDate end)
{
    QList<QDate> dates;
    for (QDate d = start; d.isValid() && d <= end; d = e.nextOccurrence(d.addDays(1))) {
        dates << d;
        if (e.schedule == Singular)
            break;
    }
    return dates;
}

// Occurrences from DTSTART to `end` as KCalendarCore expands them.
QList<QDate> theirChain(const KCalendarCore::Incidence &incidence, QDate end)
{
    if (!incidence.recurs())
        return {incidence.dtStart().date()};
    QList<QDate> dates;
    for (const QDateTime &t :
         incidence.recurrence()->timesInInterval(incidence.dtStart(), QDateTime(end, QTime(12, 0))))
        dates << t.date();
    return dates;
}

KCalendarCore::MemoryCalendar::Ptr parse(const QByteArray &text)
{
    KCalendarCore::MemoryCalendar::Ptr calendar(new KCalendarCore::MemoryCalendar(QTimeZone::utc()));
    KCalendarCore::ICalFormat format;
    if (!format.fromRawString(calendar, text))
        qWarning("not parsed");
    return calendar;
}

Preferences importDefaults()
{
    Preferences p;
    p.facebookNotify = true;
    p.facebookNotifyDaysBefore = 7;
    p.facebookShowOnce = true;
    return p;
}

QString bits(const bool *flags, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += flags[i] ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

// An imported event in a short line: name, rule, notify.
QString line(const Event &e)
{
    QString rule;
    switch (e.schedule) {
    case Singular:
        rule = QStringLiteral("S ") + e.date.toString(Qt::ISODate);
        break;
    case Weekly:
        rule = QStringLiteral("W ") + bits(e.weekdays.data(), 7);
        break;
    case Monthly:
        rule = e.useDayNumber ? QStringLiteral("M d%1").arg(e.ordinal)
                              : QStringLiteral("M n%1 %2").arg(e.ordinal).arg(bits(e.weekdays.data(), 7));
        break;
    case Yearly:
        rule = QStringLiteral("Y %1%2 %3 %4")
                   .arg(e.useDayNumber ? QLatin1Char('d') : QLatin1Char('n'))
                   .arg(e.ordinal)
                   .arg(e.useDayNumber ? QString() : bits(e.weekdays.data(), 7))
                   .arg(e.wholeYear ? QStringLiteral("year") : bits(e.months.data(), 12))
                   .simplified();
        break;
    }
    return QStringLiteral("%1: %2, %3").arg(e.name, rule, e.notify ? QString::number(e.notifyDaysBefore) : "off");
}

// The local zone for the length of a test.
class LocalZone
{
public:
    explicit LocalZone(const QByteArray &zone) : m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone()
    {
        qputenv("TZ", m_old);
        tzset();
    }

private:
    QByteArray m_old;
};

} // namespace

class TestICalendar : public QObject
{
    Q_OBJECT

private slots:
    void exportMatchesTheirExpansion();
    void roundTripRestoresEvents();
    void importsProducersFiles_data();
    void importsProducersFiles();
    void longLinesAreReadWhole();
    void ruleEditedElsewhereWins();
    void eventUidStableAndDistinct();
    void exportWritesFilesAndSummary();
};

void TestICalendar::exportMatchesTheirExpansion()
{
    QRandomGenerator rng(14);
    int exact = 0, written = 0;
    QHash<QString, bool> classDiffers; // reason with its numbers taken out → some event really differs
    for (int batch = 0; batch < 6; ++batch) {
        const QDate day = QDate(1995, 1, 1).addDays(rng.bounded(365 * 50));
        EventStore events;
        for (int i = 0; i < 120; ++i)
            events << new Event(randomValidEvent(rng, QStringLiteral("Event %1").arg(i)));
        ExportReport report;
        const auto calendar = parse(writeICalendar(events, day, &report));
        QHash<QString, QString> inexact;
        for (const auto &u : report.inexact)
            inexact[u.name] = u.reason;
        for (const Event *e : qAsConst(events)) {
            const auto incidence = calendar->incidence(eventUid(e->name));
            QVERIFY2(incidence, qPrintable(describe(*e)));
            ++written;
            const QDate start = incidence->dtStart().date();
            QCOMPARE(start, e->nextOccurrence(day));
            const QDate end = start.addYears(10);
            const bool same = ourChain(*e, start, end) == theirChain(*incidence, end);
            if (inexact.contains(e->name)) {
                QString reasonClass = inexact[e->name];
                reasonClass.remove(QRegularExpression(QStringLiteral("\\d+(st|nd|rd|th)?")));
                classDiffers[reasonClass] |= !same;
            } else {
                ++exact;
                QVERIFY2(same, qPrintable(describe(*e) + " " + KCalendarCore::ICalFormat().toString(incidence)));
            }
        }
        QCOMPARE(report.written, events.size());
        qDeleteAll(events);
    }
    QVERIFY2(exact * 10 >= written * 7, qPrintable(QStringLiteral("%1 of %2 exact").arg(exact).arg(written)));
    QVERIFY(classDiffers.size() >= 4);
    for (auto it = classDiffers.cbegin(); it != classDiffers.cend(); ++it)
        QVERIFY2(it.value(), qPrintable("never differs: " + it.key()));
}

void TestICalendar::roundTripRestoresEvents()
{
    QRandomGenerator rng(1414);
    EventStore events;
    // Enough events that a long list's export is shared out among threads: it must keep its order.
    for (int i = 0; i < 1200; ++i)
        events << new Event(randomValidEvent(rng, QStringLiteral("Round %1").arg(i)));
    ExportReport written;
    const QByteArray text = writeICalendar(events, today, &written);
    QCOMPARE(written.written, events.size());
    const Preferences defaults = importDefaults();
    ImportReport read = readICalendar(text, defaults, today.addDays(3));
    for (const auto &u : qAsConst(read.skipped))
        QFAIL(qPrintable(u.name + ": " + u.reason));
    QCOMPARE(read.events.size(), events.size());
    for (int i = 0; i < events.size(); ++i) {
        const Event &a = *events[i], &b = *read.events[i];
        QCOMPARE(b.name, a.name);
        QCOMPARE(ourChain(b, today, today.addYears(3)), ourChain(a, today, today.addYears(3)));
        QCOMPARE(b.schedule, a.schedule);
        if (a.schedule == Singular) {
            QCOMPARE(b.date, a.date);
        } else {
            QCOMPARE(b.weekdays, a.weekdays);
            QCOMPARE(b.useDayNumber, a.useDayNumber);
            QCOMPARE(b.ordinal, a.ordinal);
            QCOMPARE(b.months, a.months);
            QCOMPARE(b.wholeYear, a.wholeYear);
        }
        QCOMPARE(b.counted, a.counted);
        if (a.counted) {
            QCOMPARE(b.count, a.count);
            QCOMPARE(b.countDate, a.countDate);
        }
        QCOMPARE(b.notify, a.notify);
        QCOMPARE(b.notifyDaysBefore, a.notifyDaysBefore);
        QCOMPARE(b.showOnce, a.showOnce);
        QCOMPARE(b.lastNotified, today.addDays(2));
        QCOMPARE(b.snoozeDays, 0);
    }
    qDeleteAll(events);
    qDeleteAll(read.events);
}

void TestICalendar::importsProducersFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("skipped");

    // To-dos come before the events, whatever their place in the file.
    const QStringList thunderbirdSkipped{"Buy a present: is a to-do, not an event",
                                         "Early swim: repeats at a time that falls on another day here"};
    QTest::newRow("Thunderbird, time zone, UTC here")
        << "thunderbird.ics" << QByteArray("UTC")
        << QStringList{"Choir practice: W 0001000, 1", "Night train: S 2024-04-30, 7",
                       "Anna's birthday: Y d14 001000000000, 2"}
        << thunderbirdSkipped;
    QTest::newRow("Thunderbird, time zone, Tokyo here")
        << "thunderbird.ics" << QByteArray("Asia/Tokyo")
        << QStringList{"Night train: S 2024-05-01, 7", "Early swim: W 1000000, 7",
                       "Anna's birthday: Y d14 001000000000, 2"}
        << QStringList{"Buy a present: is a to-do, not an event",
                       "Choir practice: repeats at a time that falls on another day here"};
    QTest::newRow("Google, UTC starts") << "google.ics" << QByteArray("UTC")
                                        << QStringList{"Book club: M n2 1000000, 2",
                                                       "Mother's Day: Y n2 0000001 000010000000, 7",
                                                       "Late call: S 2024-06-20, 7"}
                                        << QStringList{"Stand-up: repeats daily", "Bin day: repeats every 2 weeks",
                                                       "Evening course: has a COUNT or UNTIL limit"};
    QTest::newRow("Google, UTC starts, New York here")
        << "google.ics" << QByteArray("America/New_York")
        << QStringList{"Book club: M n2 1000000, 2", "Mother's Day: Y n2 0000001 000010000000, 7",
                       "Late call: S 2024-06-20, 7"}
        << QStringList{"Stand-up: repeats daily", "Bin day: repeats every 2 weeks",
                       "Evening course: has a COUNT or UNTIL limit"};
    QTest::newRow("Outlook, Windows zone names")
        << "outlook.ics" << QByteArray("UTC")
        << QStringList{"Pay the rent: M d15, 1", "Programmers' Day: Y d256 year, 7",
                       "Tenth Monday: Y n10 1000000 year, 7"}
        << QStringList{"Month-end report: falls on day 31, which not every month has", "Team meeting: has exceptions",
                       "(untitled): has no title"};
    QTest::newRow("Evolution, floating times and exceptions")
        << "evolution.ics" << QByteArray("UTC")
        << QStringList{"Water the plants: M d5, 0", "First weekend: M n1 0000110, 7"}
        << QStringList{"Leap day party: falls on day 29, which a chosen month does not always have",
                       "Yoga: has changed occurrences", "Yoga: changes one occurrence of a repeating event",
                       "Last working day: picks its days by position, week number or time of day",

                       "Diary: is a journal entry, not an event"};
    // What KCalendarCore lets go without a word, and rules that would remind of days the
    // calendar does not have.
    QTest::newRow("hand-edited, Berlin here")
        << "handedited.ics" << QByteArray("Europe/Berlin") << QStringList{"Insurance renewal: Y d15 000000000100, 7"}
        << QStringList{"Fortnightly chores: has a repeat rule or exception that could not be read",
                       "Future course: begins on 2030-01-08, and Oriventa would remind of earlier days",
                       "New York call: falls on other days here at times of the year (its time zone)",
                       "Copied entry: has the same UID as an earlier entry"};
}

void TestICalendar::importsProducersFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, zone);
    QFETCH(QStringList, events);
    QFETCH(QStringList, skipped);
    const LocalZone local(zone);
    ImportReport report =
        readICalendar(readFile(qEnvironmentVariable("ORIVENTA_TEST_DATA") + '/' + file), importDefaults(), today);
    QStringList got, gotSkipped;
    for (const Event *e : qAsConst(report.events)) {
        got << line(*e);
        QCOMPARE(e->lastNotified, today.addDays(-1));
        QCOMPARE(e->countDate, today);
        QVERIFY(!e->counted);
    }
    for (const auto &u : qAsConst(report.skipped))
        gotSkipped << u.name + ": " + u.reason;
    QCOMPARE(got.join(" | "), events.join(" | "));
    QCOMPARE(gotSkipped.join(" | "), skipped.join(" | "));
    QVERIFY(report.damage.isEmpty());
    qDeleteAll(report.events);
}

// A line of megabytes is read whole, and in linear time (a timing test would say little here).
void TestICalendar::longLinesAreReadWhole()
{
    const QString title = QString(300000, QLatin1Char('x')) + QStringLiteral("ÿ end");
    const QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:long\r\n"
                            "DTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20240102\r\nSUMMARY:" +
                            title.toUtf8() + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    ImportReport report = readICalendar(text, importDefaults(), today);
    QCOMPARE(report.events.size(), 1);
    QCOMPARE(report.events[0]->name, title);
    qDeleteAll(report.events);
}

void TestICalendar::ruleEditedElsewhereWins()
{
    // Exported as the 31st of every month (inexact), then changed to the 15th in another program.
    EventStore events{monthly().dayNumber(31).named("Rent").make(), yearly().dayNumber(29).in(2).named("Leap").make()};
    ExportReport written;
    const auto calendar = parse(writeICalendar(events, today, &written));
    QCOMPARE(written.inexact.size(), 1);
    QCOMPARE(written.inexact[0].name, QStringLiteral("Rent"));
    const auto rent = calendar->incidence(eventUid("Rent"));
    rent->recurrence()->defaultRRule()->setByMonthDays({15});
    KCalendarCore::ICalFormat format;
    // Read once the edited rule has begun: before its start it would be left out.
    ImportReport read = readICalendar(format.toString(calendar).toUtf8(), importDefaults(), today.addMonths(2));
    QStringList got;
    for (const Event *e : qAsConst(read.events))
        got << line(*e).section(',', 0, 0);
    got.sort();
    QCOMPARE(got, QStringList({"Leap: Y d29 010000000000", "Rent: M d15"}));
    qDeleteAll(events);
    qDeleteAll(read.events);
}

void TestICalendar::eventUidStableAndDistinct()
{
    const QStringList names{"Anna's Birthday", "anna's birthday", "Anna's Birthday ", "", "Zoë's 𝄞 day", "Rent\n1"};
    QSet<QString> uids;
    for (const QString &name : names) {
        const QString uid = eventUid(name);
        QCOMPARE(eventUid(name), uid);
        QCOMPARE(QUuid(uid).version(), QUuid::Sha1);
        uids.insert(uid);
    }
    QCOMPARE(uids.size(), names.size());
    // Two events of one name still get two UIDs, so a calendar keeps both.
    EventStore twins{weekly().on(Qt::Monday).named("Rent").make(), weekly().on(Qt::Friday).named("Rent").make()};
    const auto calendar = parse(writeICalendar(twins, today, nullptr));
    QCOMPARE(calendar->rawEvents().size(), 2);
    QVERIFY(calendar->incidence(eventUid("Rent")));
    qDeleteAll(twins);
}

void TestICalendar::exportWritesFilesAndSummary()
{
    QTemporaryDir dir;
    EventStore events{singular(QDate()).named("Someday").make()};
    for (int i = 0; i < 12; ++i)
        events << monthly().dayNumber(30).named(QStringLiteral("Rent %1").arg(i)).make();
    events << weekly().on(Qt::Monday).named("Bins").make();

    ExportReport report;
    QString error;
    const QString ics = dir.filePath("out.ICS");
    QVERIFY(exportHasSummary(ics));
    QVERIFY(exportFile(events, ics, today, &report, &error));
    QCOMPARE(parse(readFile(ics))->rawEvents().size(), 13);
    const QString summary = exportSummaryText("out.ICS", report);
    QVERIFY2(summary.startsWith("Wrote 13 events to out.ICS."), qPrintable(summary));
    QVERIFY(summary.contains("12 events were written with the closest rule"));
    QVERIFY(summary.contains("Rent 9: day 30 runs into the next month"));
    QVERIFY(!summary.contains("Rent 10:"));
    QVERIFY(summary.contains("and 2 more"));
    QVERIFY(summary.contains("1 event was left out:\n    Someday: has no date"));

    const QString evt = dir.filePath("out.evt");
    QVERIFY(!exportHasSummary(evt));
    QVERIFY(exportFile(events, evt, today, &report, &error));
    QCOMPARE(readEvents(evt).size(), events.size());

    // A file in the way of the directory: nothing is written, and the error gives the cause (the
    // caller names the file).
    writeFile(dir.filePath("blocked"), "x");
    QVERIFY(!exportFile(events, dir.filePath("blocked/out.ics"), today, &report, &error));
    QCOMPARE(error, QStringLiteral("Not a directory"));
    QVERIFY(!QFile::exists(dir.filePath("blocked/out.ics")));
    qDeleteAll(events);
}

QTEST_GUILESS_MAIN(TestICalendar)
#include "tst_icalendar.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Times the model's hot paths on generated events at 1k, 10k, 100k and 1M events, and the main
// window with a large list. Medians of several runs; peak memory from the kernel. Not a test:
// scripts/bench runs it.
#include "bench/eventmix.h"
#include "interop/fileimport.h"
#include "interop/icalwriter.h"
#include "mainwindow/mainwindow.h"
#include "model/clock.h"
#include "model/reminderrules.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

QTextStream out(stdout);

// Median wall time of `runs` calls, in milliseconds.
double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void report(const QString &what, int n, double ms, const QString &extra = {})
{
    out << qSetFieldWidth(34) << Qt::left << what << qSetFieldWidth(9) << Qt::right << n << qSetFieldWidth(0) << "  "
        << QString::number(ms, 'f', 2) << " ms" << extra << Qt::endl;
}

// Nanoseconds per call of nextOccurrence over the events of one schedule.
void timeRules(const EventStore &events, QDate today)
{
    const auto perKind = [&](const char *label, const std::function<bool(const Event &)> &pick) {
        std::vector<const Event *> chosen;
        for (const Event *e : events)
            if (pick(*e))
                chosen.push_back(e);
        if (chosen.empty())
            return;
        qint64 sink = 0;
        const double ms = medianMs(5, [&] {
            for (int day = 0; day < 10; ++day)
                for (const Event *e : chosen)
                    sink += e->nextOccurrence(today.addDays(day)).toJulianDay();
        });
        out << "nextOccurrence " << label << ": " << QString::number(ms * 1e6 / (chosen.size() * 10.0), 'f', 1)
            << " ns per call" << (sink == 42 ? " " : "") << Qt::endl;
    };
    perKind("weekly", [](const Event &e) { return e.schedule == Weekly; });
    perKind("monthly day N", [](const Event &e) { return e.schedule == Monthly && e.useDayNumber; });
    perKind("monthly Nth weekday", [](const Event &e) { return e.schedule == Monthly && !e.useDayNumber; });
    perKind("yearly day N", [](const Event &e) { return e.schedule == Yearly; });
}

void timeCounting(QDate today)
{
    Event weekly;
    weekly.schedule = Weekly;
    weekly.weekdays = {true, false, true, false, true, false, false};
    weekly.counted = true;
    const double ms = medianMs(101, [&] {
        weekly.countDate = today.addYears(-50);
        weekly.count = 0;
        weekly.advanceCount(today);
    });
    out << "advanceCount weekly, 50 years behind: " << QString::number(ms * 1000, 'f', 2) << " us" << Qt::endl;

    Event yearly;
    yearly.schedule = Yearly;
    yearly.useDayNumber = true;
    yearly.ordinal = 14;
    yearly.months[2] = true;
    yearly.counted = true;
    const double yearlyMs = medianMs(101, [&] {
        yearly.countDate = today.addYears(-50);
        yearly.count = 0;
        yearly.advanceCount(today);
    });
    out << "advanceCount yearly, 50 years behind: " << QString::number(yearlyMs * 1000, 'f', 2) << " us" << Qt::endl;
}

// Ten thousand contacts as phones, Apple and old exports write them: full and year-less birthdays,
// anniversaries in groups, quoted-printable names, and some contacts without any date.
QByteArray contactsFile(int n)
{
    QByteArray file;
    for (int i = 0; i < n; ++i) {
        const QByteArray id = QByteArray::number(i);
        const QByteArray month = QByteArray::number(i % 12 + 1).rightJustified(2, '0');
        const QByteArray day = QByteArray::number(i % 28 + 1).rightJustified(2, '0');
        switch (i % 4) {
        case 0:
            file += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Person" + id + ";Ann;;;\r\nFN:Ann Person" + id +
                    "\r\nTEL;TYPE=CELL:+44 7700 900" + id + "\r\nEMAIL;TYPE=HOME:ann" + id + "@example.org\r\nBDAY:19" +
                    QByteArray::number(50 + i % 50) + "-" + month + "-" + day + "\r\nEND:VCARD\r\n";
            break;
        case 1:
            file += "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//macOS 13.4//EN\r\nN:Apple" + id +
                    ";Bo;;;\r\nFN:Bo Apple" + id + "\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-" + month + "-" + day +
                    "\r\nitem1.X-ABDATE;type=pref:2004-" + month + "-" + day +
                    "\r\nitem1.X-ABLabel:_$!<Anniversary>!$_\r\nEND:VCARD\r\n";
            break;
        case 2:
            file += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller" + id +
                    ";J=C3=BCrgen\r\nTEL;CELL:+49170555" + id + "\r\nBDAY:--" + month + day + "\r\nEND:VCARD\r\n";
            break;
        default:
            file += "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cy Nodate" + id + "\r\nTEL;TYPE=work:+1 555 01" + id +
                    "\r\nEND:VCARD\r\n";
        }
    }
    return file;
}

// Ten thousand events as a calendar program exports them: yearly all-day birthdays, timed events
// in a named time zone, weekly and monthly rules, alarms.
QByteArray calendarFile(int n)
{
    QByteArray file = "BEGIN:VCALENDAR\r\nPRODID:-//Google Inc//Google Calendar 70.9054//EN\r\nVERSION:2.0\r\n"
                      "CALSCALE:GREGORIAN\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\n"
                      "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
                      "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
                      "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
                      "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    for (int i = 0; i < n; ++i) {
        const QByteArray id = QByteArray::number(i);
        const QByteArray month = QByteArray::number(i % 12 + 1).rightJustified(2, '0');
        const QByteArray day = QByteArray::number(i % 28 + 1).rightJustified(2, '0');
        file += "BEGIN:VEVENT\r\nUID:" + id + "-bench@example.com\r\nDTSTAMP:20260101T120000Z\r\n";
        switch (i % 4) {
        case 0:
        case 1:
            file += "DTSTART;VALUE=DATE:19" + QByteArray::number(50 + i % 50) + month + day +
                    "\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Birthday " + id + "\r\n";
            break;
        case 2:
            file += "DTSTART;TZID=Europe/Berlin:2027" + month + day + "T190000\r\nDTEND;TZID=Europe/Berlin:2027" +
                    month + day + "T210000\r\nSUMMARY:Concert " + id + "\r\n";
            break;
        default:
            file += "DTSTART;VALUE=DATE:2026" + month + day + "\r\nRRULE:FREQ=" +
                    (i % 8 == 3 ? "WEEKLY;BYDAY=TU" : "MONTHLY;BYMONTHDAY=" + QByteArray::number(i % 28 + 1)) +
                    "\r\nSUMMARY:Routine " + id + "\r\n";
        }
        if (i % 3 == 0)
            file += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nTRIGGER:-P" +
                    QByteArray::number(i % 7 + 1) + "D\r\nEND:VALARM\r\n";
        file += "END:VEVENT\r\n";
    }
    return file + "END:VCALENDAR\r\n";
}

// The whole import of a file read into memory, with the limit each must stay under.
void timeImports(QDate today)
{
    const int n = 10000;
    for (const auto &[what, data] : {std::pair{"import 10,000-contact .vcf", contactsFile(n)},
                                     std::pair{"import 10,000-event .ics", calendarFile(n)}}) {
        int events = 0;
        const double ms = medianMs(5, [&, &data = data] {
            FileImport import = readImportData(data, Preferences(), today);
            events = import.report.events.size();
            qDeleteAll(import.report.events);
        });
        report(QLatin1String(what), n, ms, QStringLiteral(", %1 events, limit 1000 ms").arg(events));
    }
}

void timeFiles(const QList<int> &sizes, QDate today, const QString &dir)
{
    for (int n : sizes) {
        EventMixOptions options;
        options.count = n;
        options.today = today;
        options.nothingDue = true;
        const EventStore events = makeEventMix(options);
        const QString path = dir + QStringLiteral("/events-%1.evt").arg(n);
        const int runs = n >= 1000000 ? 3 : 7;
        report(QStringLiteral("saveEvents"), n, medianMs(runs, [&] { saveEvents(events, path); }));
        report(QStringLiteral("loadEvents"), n, medianMs(runs, [&] {
                   EventStore loaded = loadEvents(path);
                   qDeleteAll(loaded);
               }));
        report(QStringLiteral("anyDue (nothing due, whole file)"), n,
               medianMs(runs, [&] { ReminderRules::anyDue(path, today); }));
        report(QStringLiteral("isDue over the loaded list"), n, medianMs(runs, [&] {
                   int due = 0;
                   for (const Event *e : events)
                       due += ReminderRules::isDue(*e, today);
                   Q_UNUSED(due)
               }));
        if (n == sizes.last())
            timeRules(events, today);
        qDeleteAll(events);
    }
}

// The main window opened on a list of n events, shown and sorted: one run per process, since the
// window's memory is what is measured.
void timeMainWindow(int n, QDate today)
{
    EventMixOptions options;
    options.count = n;
    options.today = today;
    const EventStore events = makeEventMix(options);
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    saveEvents(events, eventsFilePath());
    qDeleteAll(events);

    const long before = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    auto *window = new MainWindow;
    const double built = double(timer.nsecsElapsed()) / 1e6;
    window->show();
    QApplication::processEvents();
    const double shown = double(timer.nsecsElapsed()) / 1e6;
    auto *view = window->findChild<QTreeView *>(QStringLiteral("eventTreeView"));
    view->sortByColumn(2, Qt::AscendingOrder);
    QApplication::processEvents();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    out << "built " << built << " ms, shown " << shown << " ms" << Qt::endl;
    report(QStringLiteral("main window open, shown, sorted"), n, ms,
           QStringLiteral(", peak %1 MB (process), %2 MB before").arg(peakKilobytes() / 1024).arg(before / 1024));
    timer.restart();
    delete window;
    report(QStringLiteral("main window closed (saves)"), n, double(timer.nsecsElapsed()) / 1e6);
}

// Export of a large list to iCalendar; the limit is two seconds for 100,000 events.
void timeICalendarExport(QDate today)
{
    EventMixOptions options;
    options.count = 100000;
    options.today = today;
    const EventStore events = makeEventMix(options);
    qsizetype bytes = 0;
    const double ms = medianMs(3, [&] { bytes = writeICalendar(events, today, nullptr).size(); });
    report(QStringLiteral("export 100,000 events to .ics"), options.count, ms,
           QStringLiteral(", %1 MB").arg(bytes / (1024 * 1024)));
    qDeleteAll(events);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlex"));
    QCoreApplication::setApplicationName(QStringLiteral("Oriventa"));
    // Measurements never touch the user's own files.
    QStandardPaths::setTestModeEnabled(true);
    const QDate today = Clock::today();
    const QStringList args = app.arguments();

    if (args.value(1) == QLatin1String("--mainwindow")) {
        timeMainWindow(args.value(2, QStringLiteral("100000")).toInt(), today);
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        return 0;
    }
    if (args.value(1) == QLatin1String("--interop")) {
        timeImports(today);
        timeICalendarExport(today);
        return 0;
    }
    QTemporaryDir dir;
    QList<int> sizes{1000, 10000, 100000, 1000000};
    if (args.value(1) == QLatin1String("--quick"))
        sizes = {1000, 10000, 100000};
    timeFiles(sizes, today, dir.path());
    timeCounting(today);
    timeImports(today);
    timeICalendarExport(today);
    return 0;
}

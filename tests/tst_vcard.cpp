// SPDX-License-Identifier: GPL-3.0-or-later
// Contacts' birthdays and anniversaries as producers write them, and the file import that
// recognises events, iCalendar and vCard files by their content.
#include "interop/fileimport.h"
#include "interop/vcardreader.h"
#include "tests/support/events.h"
#include "tests/support/inlanguage.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace TestHelpers;

Q_DECLARE_METATYPE(FileFormat)

namespace {

const QDate Today(2026, 6, 1);

QString fixture(const char *name)
{
    return QStringLiteral(ORIVENTA_INTEROP_DATA "/") + QLatin1String(name);
}

Preferences importDefaults()
{
    Preferences preferences;
    preferences.facebookNotify = true;
    preferences.facebookNotifyDaysBefore = 3;
    preferences.facebookShowOnce = false;
    return preferences;
}

// "Name M/D" followed by "#count" for a counted event or "-" for one that is not.
QString shortForm(const Event &event)
{
    int month = 0;
    for (int i = 0; i < 12; ++i)
        if (event.months[i])
            month = month == 0 ? i + 1 : -1;
    return QStringLiteral("%1 %2/%3 %4")
        .arg(event.name)
        .arg(month)
        .arg(event.ordinal)
        .arg(event.counted ? QStringLiteral("#%1").arg(event.count) : QStringLiteral("-"));
}

QByteArray eventsBytes(const QStringList &names)
{
    EventStore events;
    for (const QString &name : names)
        events << weekly().on(Qt::Monday).named(name).make();
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    saveEvents(events, out);
    qDeleteAll(events);
    return bytes;
}

QStringList skippedNames(const QList<Unrepresentable> &skipped)
{
    QStringList names;
    for (const Unrepresentable &entry : skipped)
        names << entry.name;
    return names;
}

} // namespace

class TestVCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TestEnvironment::reset()); }

    void readsProducers_data();
    void readsProducers();
    void detectFormat_data();
    void detectFormat();
    void formatByContentNotName_data();
    void formatByContentNotName();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();
    void keepsWholePartsOfDamagedFiles_data();
    void keepsWholePartsOfDamagedFiles();
    void takeNewEvents();
    void summaryNamesTheFirstTen();
    void summaryCounts_data();
    void summaryCounts();
};

void TestVCard::readsProducers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("skipped");
    QTest::addColumn<int>("undated");

    QTest::newRow("2.1 quoted-printable, N only, Outlook's anniversary")
        << fixture("outlook-2.1.vcf")
        << QStringList{QStringLiteral("Jürgen Müller's Birthday 3/15 #56"), "Emi Nakamura's Birthday 10/5 #37",
                       "Emi Nakamura's Anniversary 6/20 #10"}
        << QStringList() << 1;
    QTest::newRow("3.0 from a phone: 29 February, no year, no name")
        << fixture("android-3.0.vcf") << QStringList{"Chidi Okafor's Birthday 2/29 #34", "Ana Silva's Birthday 12/24 -"}
        << QStringList{"(no name)"} << 1;
    QTest::newRow("4.0: --MMDD, ANNIVERSARY, text and future dates")
        << fixture("rfc6350-4.0.vcf")
        << QStringList{"Ada Lovelace's Birthday 12/10 -", "Ada Lovelace's Anniversary 7/8 #90",
                       "Alan Turing's Birthday 6/23 #113", "Alan Turing's Anniversary 6/11 -",
                       "Future Child's Birthday 1/1 -"}
        << QStringList() << 1;
    QTest::newRow("Apple: year 1604 and X-ABDATE groups")
        << fixture("apple-3.0.vcf")
        << QStringList{"Johnny Appleseed's Birthday 11/26 -", "Johnny Appleseed's Anniversary 5/21 #22",
                       "Mei Chen's Birthday 8/30 #46", "Mei Chen's Anniversary 9/12 -"}
        << QStringList{"Rosa Ortiz's Anniversary"} << 0;
    QTest::newRow("Evolution's and the year-less X-ANNIVERSARY")
        << fixture("evolution-3.0.vcf")
        << QStringList{"Grace Hopper's Birthday 12/9 #119", "Grace Hopper's Anniversary 6/15 #95",
                       "Kim Park's Anniversary 4/1 -"}
        << QStringList() << 0;
}

void TestVCard::readsProducers()
{
    QFETCH(QString, file);
    QFETCH(QStringList, events);
    QFETCH(QStringList, skipped);
    QFETCH(int, undated);

    const Preferences defaults = importDefaults();
    FileImport import = readImportFile(file, defaults, Today);
    QVERIFY2(import.ok, qPrintable(import.error));
    QCOMPARE(import.format, FileFormat::VCard);
    QStringList read;
    for (const Event *event : qAsConst(import.report.events)) {
        read << shortForm(*event);
        // Each is a sound yearly event whose next occurrence falls on the contact's day.
        QCOMPARE(event->checkEvent(), Valid);
        // (29 February falls on the 28th in other years.)
        const QDate next = event->nextOccurrence(Today);
        const QString monthDay = read.last().section(QLatin1Char(' '), -2, -2);
        const int month = monthDay.section(QLatin1Char('/'), 0, 0).toInt();
        const int day = monthDay.section(QLatin1Char('/'), 1).toInt();
        QCOMPARE(next, QDate(next.year(), month, qMin(day, QDate(next.year(), month, 1).daysInMonth())));
        QCOMPARE(event->notify, defaults.facebookNotify);
        QCOMPARE(event->notifyDaysBefore, defaults.facebookNotifyDaysBefore);
        QCOMPARE(event->showOnce, defaults.facebookShowOnce);
    }
    qDeleteAll(import.report.events);
    QCOMPARE(read, events);
    QCOMPARE(skippedNames(import.report.skipped), skipped);
    for (const Unrepresentable &entry : qAsConst(import.report.skipped))
        QVERIFY(!entry.reason.isEmpty());
    QCOMPARE(import.report.undated, undated);
    QVERIFY(import.report.damage.isEmpty());
    // The names go into the list and to every machine: the same in every language, or an import
    // repeated in another one would add every event again.
    const InLanguage german(QStringLiteral("de"));
    FileImport again = readImportFile(file, defaults, Today);
    read.clear();
    for (const Event *event : qAsConst(again.report.events))
        read << shortForm(*event);
    qDeleteAll(again.report.events);
    QCOMPARE(read, events);
}

void TestVCard::detectFormat_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<FileFormat>("format");

    const QByteArray events = eventsBytes({QStringLiteral("Bin day"), QStringLiteral("Choir")});
    QTest::newRow("vCard") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nEND:VCARD\r\n") << FileFormat::VCard;
    QTest::newRow("vCard after BOM and blank lines")
        << QByteArray("\xEF\xBB\xBF\r\n \t\r\n\nBegin:VCard\nEND:VCARD") << FileFormat::VCard;
    QTest::newRow("iCalendar, lower case")
        << QByteArray("begin:vcalendar\nversion:2.0\nprodid:-//x//y//EN\nend:vcalendar\n") << FileFormat::ICalendar;
    QTest::newRow("first line only begins alike") << QByteArray("BEGIN:VCARDS\r\n") << FileFormat::Unknown;
    QTest::newRow("vCard further down") << QByteArray("Contacts\r\nBEGIN:VCARD\r\n") << FileFormat::Unknown;
    QTest::newRow("events file") << events << FileFormat::Events;
    QTest::newRow("empty events file") << QByteArray(4, '\0') << FileFormat::Events;
    QTest::newRow("events file with bytes after it") << events + "garbage" << FileFormat::Events;
    QTest::newRow("events file cut in its first record") << events.left(20) << FileFormat::Unknown;
    QTest::newRow("empty") << QByteArray() << FileFormat::Unknown;
    QTest::newRow("plain text") << QByteArray("Call mum on Sunday\n") << FileFormat::Unknown;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << FileFormat::Unknown;
}

void TestVCard::detectFormat()
{
    QFETCH(QByteArray, data);
    QFETCH(FileFormat, format);
    QCOMPARE(::detectFormat(data), format);
    const FileImport import = readImportData(data, importDefaults(), Today);
    QCOMPARE(import.ok, format != FileFormat::Unknown);
    QCOMPARE(import.format, format);
    qDeleteAll(import.report.events);
}

void TestVCard::formatByContentNotName_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<FileFormat>("format");
    QTest::addColumn<int>("events");

    QTest::newRow(".vcf holding an events file")
        << QString() << eventsBytes({QStringLiteral("Bin day")}) << "contacts.vcf" << FileFormat::Events << 1;
    QTest::newRow(".ics holding a vCard")
        << fixture("detect-vcard-content.ics") << QByteArray() << "vcard.ics" << FileFormat::VCard << 1;
    QTest::newRow(".evt holding iCalendar after a BOM")
        << fixture("detect-bom-lowercase.ics") << QByteArray() << "calendar.evt" << FileFormat::ICalendar << -1;
    QTest::newRow(".vcf whose first line only looks alike")
        << fixture("detect-not-vcard.ics") << QByteArray() << "almost.vcf" << FileFormat::Unknown << 0;
}

void TestVCard::formatByContentNotName()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(FileFormat, format);
    QFETCH(int, events);

    const QString path = QDir::tempPath() + QLatin1Char('/') + name;
    QVERIFY(writeFile(path, source.isEmpty() ? bytes : readFile(source)));
    const FileImport import = readImportFile(path, importDefaults(), Today);
    QCOMPARE(import.format, format);
    QCOMPARE(import.ok, format != FileFormat::Unknown);
    if (events >= 0) // the iCalendar reader's own suite says what a calendar holds
        QCOMPARE(import.report.events.size(), events);
    qDeleteAll(import.report.events);
}

void TestVCard::refusesWhatItCannotRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size"); // grown to this, sparse, when above 0; below 0: not written

    QTest::newRow("missing") << "missing.vcf" << QByteArray() << qint64(-1);
    QTest::newRow("directory") << "folder.vcf" << QByteArray() << qint64(-2);
    QTest::newRow("empty") << "empty.vcf" << QByteArray() << qint64(0);
    QTest::newRow("binary") << "picture.ics" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << qint64(0);
    QTest::newRow("vCard cut in its first contact")
        << "cut.vcf" << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-0") << qint64(0);
    QTest::newRow("huge vCard") << "huge.vcf" << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\n")
                                << qint64(64 * 1024 * 1024 + 1);
    QTest::newRow("endless device") << "/dev/zero" << QByteArray() << qint64(-3);
    QTest::newRow("huge text") << "huge.ics" << QByteArray("Nothing in particular\n") << qint64(65 * 1024 * 1024);
}

void TestVCard::refusesWhatItCannotRead()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);

    const QString path = size == -3 ? name : QDir::tempPath() + QLatin1Char('/') + name;
    if (size == -2)
        QVERIFY(QDir().mkpath(path));
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        if (size > 0)
            QVERIFY(file.resize(size));
    }
    const FileImport import = readImportFile(path, importDefaults(), Today);
    if (size >= 0)
        QFile::remove(path);
    QVERIFY(!import.ok);
    QVERIFY(!import.error.isEmpty());
    QVERIFY(import.report.events.isEmpty());
}

void TestVCard::keepsWholePartsOfDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<FileFormat>("format");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("vCard cut in its second contact")
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-01-02\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bo\r\nBDAY:1990-0")
        << FileFormat::VCard << QStringList{"Ann's Birthday"};
    // A soft line break of quoted-printable runs into the end: the reader once never came back.
    QTest::newRow("vCard whose continued value runs into the cut")
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-01-02\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:M=C3=\r\nX=\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nFN:Bo")
        << FileFormat::VCard << QStringList{"Ann's Birthday"};
    QTest::newRow("events file cut in its third record")
        << eventsBytes({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}).chopped(10)
        << FileFormat::Events << QStringList{"A", "B"};
}

void TestVCard::keepsWholePartsOfDamagedFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(FileFormat, format);
    QFETCH(QStringList, names);

    const FileImport import = readImportData(data, importDefaults(), Today);
    QVERIFY(import.ok);
    QCOMPARE(import.format, format);
    QStringList read;
    for (const Event *event : qAsConst(import.report.events))
        read << event->name;
    qDeleteAll(import.report.events);
    QCOMPARE(read, names);
    QVERIFY(!import.report.damage.isEmpty());
}

void TestVCard::takeNewEvents()
{
    ImportReport report;
    for (const char *name : {"Ann", "Bo", "Ann", "Cy", "Bo", "Di"})
        report.events << weekly().on(Qt::Friday).named(QLatin1String(name)).make();
    report.skipped << Unrepresentable{QStringLiteral("(no name)"), QStringLiteral("has no name")};
    report.undated = 2;
    report.damage = QStringLiteral("The file ends in the middle of a contact, which was left out.");

    EventStore list{weekly().on(Qt::Monday).named(QStringLiteral("Cy")).make()};
    const auto isTaken = [&list](const QString &name) {
        return std::any_of(list.begin(), list.end(), [&](const Event *e) { return e->name == name; });
    };
    const ImportSummary summary = ::takeNewEvents(report, isTaken, list);

    QStringList names;
    for (const Event *event : qAsConst(list))
        names << event->name;
    qDeleteAll(list);
    QCOMPARE(names, (QStringList{"Cy", "Ann", "Bo", "Di"}));
    QCOMPARE(summary.added, 3);
    QCOMPARE(summary.nameTaken, (QStringList{"Ann", "Cy", "Bo"}));
    QCOMPARE(skippedNames(summary.skipped), QStringList{"(no name)"});
    QCOMPARE(summary.undated, 2);
    QVERIFY(report.events.isEmpty() && report.skipped.isEmpty() && report.undated == 0 && report.damage.isEmpty());

    const QStringList lines = importSummaryText(QStringLiteral("contacts.vcf"), summary).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 6);
    QVERIFY2(lines[0].contains(QLatin1String("3 events")) && lines[0].contains(QLatin1String("contacts.vcf")),
             qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(QLatin1String("3 events")) && lines[1].endsWith(QLatin1String("Ann, Cy, Bo.")),
             qPrintable(lines[1]));
    QCOMPARE(lines[3], QStringLiteral("  (no name): has no name."));
    QVERIFY2(lines[4].startsWith(QLatin1String("2 contacts")), qPrintable(lines[4]));
    QCOMPARE(lines[5], summary.damage);
}

void TestVCard::summaryNamesTheFirstTen()
{
    ImportSummary summary;
    for (int i = 1; i <= 13; ++i) {
        summary.nameTaken << QStringLiteral("Taken %1").arg(i);
        summary.skipped << Unrepresentable{QStringLiteral("Odd %1").arg(i), QStringLiteral("repeats every 2 weeks")};
    }
    const QString text = importSummaryText(QStringLiteral("calendar.ics"), summary);
    QVERIFY2(text.contains(QLatin1String("Taken 10 and 3 more.")), qPrintable(text));
    QVERIFY(!text.contains(QLatin1String("Taken 11")));
    QVERIFY(text.contains(QLatin1String("  Odd 10: repeats every 2 weeks.\n  and 3 more.")));
    QVERIFY(!text.contains(QLatin1String("Odd 11")));
    QVERIFY(!text.contains(QLatin1String("contact")));
}

// One count and more in English, and a whole sentence in another language, not English pieces.
void TestVCard::summaryCounts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << "" << 1
                         << "Added 1 event from f.vcf.\n1 contact has neither a birthday nor an anniversary.";
    QTest::newRow("two") << "" << 2
                         << "Added 2 events from f.vcf.\n2 contacts have neither a birthday nor an anniversary.";
    QTest::newRow("German") << "de" << 2
                            << "2 Ereignisse aus f.vcf hinzugefügt.\n2 Kontakte haben weder einen Geburtstag noch "
                               "einen Jahrestag.";
}

void TestVCard::summaryCounts()
{
    QFETCH(QString, language);
    QFETCH(int, count);
    const InLanguage translated(language);
    QVERIFY(translated.loaded());
    ImportSummary summary;
    summary.added = summary.undated = count;
    QTEST(importSummaryText(QStringLiteral("f.vcf"), summary), "text");
}

QTEST_GUILESS_MAIN(TestVCard)
#include "tst_vcard.moc"

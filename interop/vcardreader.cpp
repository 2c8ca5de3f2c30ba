// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/vcardreader.h"

#include "interop/importedevents.h"

#include <KContacts/Addressee>
#include <KContacts/FieldGroup>
#include <KContacts/VCardConverter>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

namespace {

// Apple writes this year, with X-APPLE-OMIT-YEAR=1604, for a date whose year the user left out.
constexpr int AppleOmittedYear = 1604;

struct DayOfYear
{
    int year = 0; // 0: none worth counting from
    int month = 0;
    int day = 0;
};

// A year counts only when it makes a real date no later than today: KContacts gives -1 for
// "--MMDD", Apple gives 1604, and a date yet to come has no age.
int countableYear(int year, int month, int day, QDate today)
{
    if (year < 1 || year == AppleOmittedYear)
        return 0;
    const QDate date(year, month, day);
    return date.isValid() && date <= today ? year : 0;
}

bool isDayOfYear(int month, int day)
{
    return QDate(2000, month, day).isValid(); // a leap year, so 29 February is a day of the year
}

// KContacts hands the anniversary texts over as written: "19960611", "1996-06-11", "--0611" or
// "--06-11", a time perhaps after a "T".
bool readDateText(const QString &text, DayOfYear *date)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4}|-)-?(\\d\\d)-?(\\d\\d)(T.*)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    date->year = match.captured(1) == QLatin1String("-") ? 0 : match.captured(1).toInt();
    date->month = match.captured(2).toInt();
    date->day = match.captured(3).toInt();
    return isDayOfYear(date->month, date->day);
}

QString contactName(const KContacts::Addressee &contact)
{
    const QString formatted = contact.formattedName().simplified();
    if (!formatted.isEmpty())
        return formatted;
    // Old phones often write only N. The prefix ("Dr.", "Mrs.") is left out: it rarely tells two
    // people apart and reads oddly before "'s Birthday"; the suffix ("Jr.") does tell them apart.
    QStringList parts;
    for (const QString &part :
         {contact.givenName(), contact.additionalName(), contact.familyName(), contact.suffix()}) {
        const QString simple = part.simplified();
        if (!simple.isEmpty())
            parts << simple;
    }
    return parts.join(QLatin1Char(' '));
}

bool isAnniversaryLabel(const QString &label)
{
    const QString text = label.trimmed();
    return text.compare(QLatin1String("_$!<Anniversary>!$_"), Qt::CaseInsensitive) == 0 ||
           text.compare(QLatin1String("Anniversary"), Qt::CaseInsensitive) == 0;
}

// Apple's and Google's "itemN.X-ABDATE" with "itemN.X-ABLabel" arrive only as field groups named
// "<group>.<property>", in any case, in no fixed order. One pass each way: a contact may hold
// thousands of them.
QString groupAnniversary(const KContacts::Addressee &contact)
{
    const KContacts::FieldGroup::List groups = contact.fieldGroupList();
    const auto split = [](const QString &fieldName, QString *group) {
        const int dot = fieldName.lastIndexOf(QLatin1Char('.'));
        *group = fieldName.left(qMax(dot, 0)).toLower();
        return fieldName.mid(dot + 1);
    };
    QSet<QString> anniversaryGroups;
    for (const KContacts::FieldGroup &label : groups) {
        QString group;
        if (split(label.fieldGroupName(), &group).compare(QLatin1String("X-ABLABEL"), Qt::CaseInsensitive) == 0 &&
            isAnniversaryLabel(label.value()))
            anniversaryGroups.insert(group);
    }
    if (anniversaryGroups.isEmpty())
        return {};
    for (const KContacts::FieldGroup &date : groups) {
        QString group;
        if (split(date.fieldGroupName(), &group).compare(QLatin1String("X-ABDATE"), Qt::CaseInsensitive) == 0 &&
            anniversaryGroups.contains(group))
            return date.value();
    }
    return {};
}

// KContacts 5.103 files ANNIVERSARY (when it reads as a whole date), X-ANNIVERSARY and
// X-EVOLUTION-ANNIVERSARY (as written) all under one custom field; anniversary() reads it only in
// the ISO extended form, so the text is read here. A year-less or broken ANNIVERSARY never gets
// that far. Outlook's X-MS-ANNIVERSARY stays a custom field of its own.
QString anniversaryText(const KContacts::Addressee &contact)
{
    QString text = contact.custom(QStringLiteral("KADDRESSBOOK"), QStringLiteral("X-Anniversary"));
    if (text.trimmed().isEmpty())
        text = groupAnniversary(contact);
    if (text.trimmed().isEmpty())
        text = contact.custom(QStringLiteral("MS"), QStringLiteral("ANNIVERSARY"));
    return text.trimmed();
}

// KContacts keeps a vCard 4.0 ANNIVERSARY only when it is a whole date and drops "--0611"
// without a word; as X-ANNIVERSARY (ungrouped) it keeps any text, which anniversaryText reads like
// the others.
QByteArray keepEveryAnniversary(const QByteArray &data)
{
    static const QByteArray property = "ANNIVERSARY";
    if (!data.toUpper().contains(property))
        return data;
    QByteArray out;
    out.reserve(data.size() + 64);
    int start = 0;
    while (start < data.size()) {
        const int newline = data.indexOf('\n', start);
        const int end = newline < 0 ? data.size() : newline + 1;
        // The property name follows an optional group name and a dot.
        int nameStart = start;
        while (nameStart < end && (QChar::isLetterOrNumber(uchar(data[nameStart])) || data[nameStart] == '-'))
            ++nameStart;
        nameStart = nameStart < end && data[nameStart] == '.' ? nameStart + 1 : start;
        const int after = nameStart + property.size();
        if (after < end && (data[after] == ':' || data[after] == ';') &&
            data.mid(nameStart, property.size()).toUpper() == property) {
            // A group would make it a field group, which is not read as a custom field.
            out += "X-";
            out += data.mid(nameStart, end - nameStart);
        } else {
            out += data.mid(start, end - start);
        }
        start = end;
    }
    return out;
}

} // namespace

ImportReport readVCards(const QByteArray &data, const Preferences &defaults, QDate today)
{
    ImportReport report;
    QByteArray whole = data;
    // KContacts reads nothing at all from a file cut short inside a contact; what follows the
    // last complete one might be cut mid-date, so it is left out rather than closed.
    const QByteArray upper = data.toUpper();
    const int end = upper.lastIndexOf("END:VCARD");
    if (upper.lastIndexOf("BEGIN:VCARD") > end) {
        whole = end < 0 ? QByteArray() : data.left(end + 9);
        report.damage =
            QCoreApplication::translate("Import", "The file ends in the middle of a contact, which was left out.");
    }

    // KContacts joins a quoted-printable value ending in "=" with the lines after it; run up to the
    // last line, it starts over from the top of the text and never ends. Two blank lines, which it
    // skips, keep the join inside the text.
    KContacts::VCardConverter converter;
    const KContacts::Addressee::List contacts = converter.parseVCards(keepEveryAnniversary(whole) + "\r\n\r\n");
    for (const KContacts::Addressee &contact : contacts) {
        const QString name = contactName(contact);
        struct Dated
        {
            QString title;
            bool ok;
            DayOfYear date;
            QString text;
        };
        QList<Dated> dates;
        // A BDAY that is no date at all is dropped by KContacts without a trace.
        const QDate birthday = contact.birthday().date();
        if (birthday.isValid())
            dates << Dated{birthdayTitle(name), true, {birthday.year(), birthday.month(), birthday.day()}, {}};
        const QString anniversary = anniversaryText(contact);
        if (!anniversary.isEmpty()) {
            DayOfYear date;
            const bool ok = readDateText(anniversary, &date);
            // English in every language, as a birthday's name is.
            dates << Dated{name + QStringLiteral("'s Anniversary"), ok, date, anniversary};
        }

        if (dates.isEmpty()) {
            ++report.undated;
            continue;
        }
        if (name.isEmpty()) {
            //: Stands for the name of a contact that has none.
            report.skipped << Unrepresentable{QCoreApplication::translate("Import", "(no name)"),
                                              //: Why a contact was left out, after its name and ": ".
                                              QCoreApplication::translate("Import", "has no name")};
            continue;
        }
        for (const Dated &dated : dates) {
            const QString &title = dated.title;
            if (!dated.ok) {
                //: Why a contact's date was left out, after its name and ": "; %1 is the date as the file has it.
                report.skipped << Unrepresentable{
                    title, QCoreApplication::translate("Import", "has the date \"%1\", which is not a day of the year")
                               .arg(dated.text)};
                continue;
            }
            const DayOfYear &d = dated.date;
            report.events << yearlyDayEvent(title, d.month, d.day, countableYear(d.year, d.month, d.day, today),
                                            defaults, today);
        }
    }
    return report;
}

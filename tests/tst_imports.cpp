// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's imports and export driven as a user would: its buttons, the real file dialogs,
// the login dialog against a stand-in social network on 127.0.0.1, and the message boxes.
#include "app/identity.h"
#include "interop/fileimport.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/socialloader.h"
#include "model/eventstore.h"
#include "model/preferences.h"
#include "social/facebookauth.h"
#include "social/facebookdialog.h"
#include "social/httpclient.h"
#include "social/socialconfig.h"
#include "social/socialsession.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/mainwindowfixture.h"
#include "tests/support/programrun.h"
#include "tests/support/testclock.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"
#include "tests/support/testhttpserver.h"

#include <QCommandLinkButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

using namespace TestHelpers;

namespace {

const QDate today(2027, 1, 13);

// Answers the next file dialog: picks `path`, or cancels when it is empty; keeps where it started.
class FileDialogAnswerer : public QObject
{
public:
    // `filter`, when given, is chosen before the name is typed.
    explicit FileDialogAnswerer(const QString &path, const QString &filter = {}) : choice(path)
    {
        connect(&timer, &QTimer::timeout, this, [this, filter] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (!answered) {
                answered = true;
                directory = dialog->directory().absolutePath();
                filters = dialog->nameFilters();
                if (!filter.isEmpty())
                    dialog->selectNameFilter(filter);
            }
            if (choice.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the name field and confirmed with Enter, as a user would; again on every tick
            // while the dialog stays open, since a dialog still reading its directory may drop the text.
            auto *nameField = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!nameField) {
                dialog->reject();
                return;
            }
            nameField->setText(choice);
            QTest::keyClick(nameField, Qt::Key_Return);
        });
        timer.start(10);
    }
    bool answered = false;
    QString directory;
    QStringList filters;

private:
    QString choice;
    QTimer timer;
};

Event *namedEvent(const QString &name, QDate date, int notifyDays = 0)
{
    return singular(date).named(name).before(notifyDays).make();
}

// A message box in one line, so that a test compares all it said at once.
QString said(const BoxAnswerer::Seen &box)
{
    return QStringLiteral("%1 | %2 | %3%4")
        .arg(int(box.icon))
        .arg(box.title, box.text, box.hasParent ? QStringLiteral(" | with parent") : QString());
}
QString said(QMessageBox::Icon icon, const char *title, const char *text)
{
    return said({icon, QString::fromUtf8(title), QString::fromUtf8(text), false});
}

QByteArray json(const char *text)
{
    return QByteArray(text);
}

} // namespace

class TestImports : public QObject, MainWindowFixture
{
    Q_OBJECT

    const TestClock clock{QDateTime(today, QTime(10, 0))};
    TestHttpServer *server = nullptr;
    QByteArray friendsBody;
    QByteArray eventsBody;
    bool graphAnswers = true;

    void click(const char *button) { QTest::mouseClick(find<QCommandLinkButton>(button), Qt::LeftButton); }
    static QList<FacebookDialog *> liveDialogs()
    {
        QList<FacebookDialog *> dialogs;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<FacebookDialog *>(widget))
                dialogs << dialog;
        return dialogs;
    }
    // A social network that takes every request and answers none.
    void silenceServer()
    {
        server->setHandler([](const TestHttpServer::Request &) { return TestHttpServer::Reply::silence(); });
    }
    // Points the social network at the stand-in server, or the login page at `oauthBase`.
    void useServer(const QByteArray &oauthBase = {})
    {
        const QString base = QString::fromLatin1(server->base());
        setSocialConfig({QString::fromLatin1(oauthBase.isEmpty() ? server->base() : oauthBase) + "/dialog/oauth",
                         base + "/connect/login_success.html", base, QStringLiteral("123456789012345")});
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The Graph addresses are "<base>//me/...": the network layer sends the path with one slash.
        Startup::setApplicationIdentity();
    }

    void init()
    {
        QVERIFY(TestEnvironment::reset());
        // The login dialog of this process, so that the tests reach its objects; the last case
        // loads the program's module instead.
        setSocialSessionFactory(&createSocialSession);
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        graphAnswers = true;
        friendsBody = json("{\"data\": ["
                           "            {\"name\": \"Zoë Ångström\", \"birthday\": \"03/14/1990\", \"id\": \"1\"},"
                           "            {\"name\": \"Дмитрий\", \"birthday\": \"01/20\"},"
                           "            {\"name\": \"Born Today\", \"birthday\": \"01/13/2000\"},"
                           "            {\"name\": \"Later This Year\", \"birthday\": \"12/31/2000\"},"
                           "            {\"name\": \"No Birthday\"},"
                           "            {\"name\": \"Short\", \"birthday\": \"1/2\"}"
                           "        ]}");
        eventsBody = json(
            "{\"data\": ["
            "            {\"name\": \"Launch\", \"location\": \"Oslo\", \"start_time\": \"2027-02-04T19:00:00+0000\"},"
            "            {\"name\": \"Call\", \"start_time\": \"2027-03-01T08:30:00-0700\"},"
            "            {\"name\": \"Undated\"}"
            "        ]}");
        server = new TestHttpServer([this](const TestHttpServer::Request &request) {
            TestHttpServer::Reply reply;
            if (request.target.startsWith("/dialog/oauth")) {
                reply.status = 302;
                reply.location = server->base() + "/connect/login_success.html#access_token=T0KEN&expires_in=3600";
            } else if (request.target.startsWith("/connect/login_success.html")) {
                reply.body = "<html><head><title>Success</title></head><body>Success</body></html>";
            } else if (request.target.startsWith("/me/friends?")) {
                reply.contentType = "application/json";
                reply.body = friendsBody;
                reply.never = !graphAnswers;
            } else if (request.target.startsWith("/me/events?")) {
                reply.contentType = "application/json";
                reply.body = eventsBody;
                reply.never = !graphAnswers;
            } else {
                reply.status = 404;
            }
            return reply;
        });
        useServer();
        HttpClient::instance()->setRequestTimeout(HttpClient::DefaultRequestTimeout);
    }

    void cleanup()
    {
        closeWindow();
        // Released dialogs go with the deferred deletions.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete server;
        server = nullptr;
    }

    void fileImportSkipsTakenNamesAndKeepsTheFirstOfTwins()
    {
        openWindow({namedEvent("Anniversary", QDate(2027, 6, 1))});
        const QString path = QDir::temp().filePath(QStringLiteral("incoming.evt"));
        const EventStore incoming{namedEvent("Anniversary", QDate(2027, 2, 1)),
                                  namedEvent("Dentist", QDate(2027, 3, 1), 4),
                                  namedEvent("Dentist", QDate(2027, 4, 1), 9), namedEvent("Exam", QDate(2027, 1, 20))};
        QVERIFY(writeEvents(incoming, path));

        FileDialogAnswerer answer(path);
        BoxAnswerer boxes;
        click("importButton");
        QVERIFY(answer.answered);
        QCOMPARE(answer.directory, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        QCOMPARE(answer.filters, (QStringList{"All supported files (*.evt *.ics *.vcf)", "Events File (*.evt)",
                                              "iCalendar (*.ics)", "vCard (*.vcf)"}));
        // An events file read whole is merged without a word, as in the original program.
        QCOMPARE(boxes.seen.size(), 0);

        QCOMPARE(rows(), 3);
        QCOMPARE(named("Anniversary")->date, QDate(2027, 6, 1));
        QCOMPARE(named("Dentist")->notifyDaysBefore, 4);
        QCOMPARE(w->nameCountOf(QStringLiteral("Dentist")), 1);
        // The list is sorted again: by date, ascending, as it opened.
        QCOMPARE(names(), (QStringList{"Exam", "Dentist", "Anniversary"}));
    }

    // An events file damaged part way gives what it can and says so: silence would pass it off as whole.
    void damagedEventsFileImportWarns()
    {
        openWindow({namedEvent("Anniversary", QDate(2027, 6, 1))});
        const QString path = QDir::temp().filePath(QStringLiteral("incoming.evt"));
        QVERIFY(writeEvents({namedEvent("Dentist", QDate(2027, 3, 1)), namedEvent("Exam", QDate(2027, 3, 1))}, path));
        const QByteArray whole = readFile(path);
        QVERIFY(writeFile(path, whole.left(whole.size() - 5)));
        FileDialogAnswerer answer(path);
        BoxAnswerer boxes;
        click("importButton");
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(said(boxes.seen[0]), said(QMessageBox::Warning, "Import Incomplete",
                                           "incoming.evt was imported only in part. The file is damaged; only the "
                                           "1 event before the damage could be read."));
        QCOMPARE(names(), (QStringList{"Dentist", "Anniversary"}));
    }

    void cancelledDialogsChangeNothing()
    {
        openWindow({namedEvent("Anniversary", QDate(2027, 6, 1))});
        {
            FileDialogAnswerer answer({});
            click("importButton");
            QVERIFY(answer.answered);
        }
        QCOMPARE(names(), QStringList{"Anniversary"});
        {
            FileDialogAnswerer answer({});
            click("exportButton");
            QVERIFY(answer.answered);
        }
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QVERIFY(QDir(desktop).entryList(QDir::Files).isEmpty());
    }

    void exportWritesEveryRowInDisplayOrder()
    {
        openWindow({namedEvent("Late", QDate(2027, 9, 1)), namedEvent("Early", QDate(2027, 2, 1), 3),
                    namedEvent("Middle", QDate(2027, 5, 1))});
        const QString path =
            QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + QStringLiteral("/mine.evt");
        FileDialogAnswerer answer(path);
        click("exportButton");
        QVERIFY(answer.answered);

        EventStore expected{namedEvent("Early", QDate(2027, 2, 1), 3), namedEvent("Middle", QDate(2027, 5, 1)),
                            namedEvent("Late", QDate(2027, 9, 1))};
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(saveEvents(expected, buffer));
        qDeleteAll(expected);
        QCOMPARE(readFile(path), buffer.data());
        QCOMPARE(rows(), 3); // the rows still own their events
    }

    // Contacts and calendars come in through the same button, recognised by what they hold.
    void importTakesContactsAndCalendars()
    {
        openWindow({namedEvent("Ada's Birthday", QDate(2027, 6, 1))});
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        const QString contacts = desktop + QStringLiteral("/contacts.txt");
        QVERIFY(writeFile(contacts, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ada\r\nBDAY:1990-03-14\r\nEND:VCARD\r\n"
                                    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Grace\r\nBDAY:1985-12-09\r\nEND:VCARD\r\n"));
        const QString calendar = desktop + QStringLiteral("/calendar.ics");
        QVERIFY(writeFile(calendar, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n"
                                    "BEGIN:VEVENT\r\nUID:a@test\r\nDTSTAMP:20270101T000000Z\r\nSUMMARY:Choir\r\n"
                                    "DTSTART;VALUE=DATE:20270104\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\nEND:VEVENT\r\n"
                                    "BEGIN:VEVENT\r\nUID:b@test\r\nDTSTAMP:20270101T000000Z\r\nSUMMARY:Course\r\n"
                                    "DTSTART;VALUE=DATE:20270104\r\nRRULE:FREQ=WEEKLY;COUNT=5\r\nEND:VEVENT\r\n"
                                    "END:VCALENDAR\r\n"));
        for (const QString &path : {contacts, calendar}) {
            FileDialogAnswerer answer(path);
            BoxAnswerer boxes;
            click("importButton");
            QCOMPARE(boxes.seen.size(), 1);
            QCOMPARE(boxes.seen[0].title, QStringLiteral("Import Complete"));
        }
        QCOMPARE(rows(), 3);
        const Event *grace = named(QStringLiteral("Grace's Birthday"));
        QVERIFY(grace);
        QCOMPARE(grace->nextOccurrence(today), QDate(2027, 12, 9));
        QCOMPARE(named(QStringLiteral("Ada's Birthday"))->date, QDate(2027, 6, 1)); // taken: kept as it was
        QCOMPARE(named(QStringLiteral("Choir"))->schedule, Weekly);
        QVERIFY(!named(QStringLiteral("Course"))); // a limited rule is left out, not changed
    }

    void importOfAnUnreadableFileWarnsAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no known format") << QByteArray("Dear diary,\nnothing happened today.\n");
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\x01\x00\xff\xfe\x00\x00",
                                              12);
    }

    void importOfAnUnreadableFileWarnsAndChangesNothing()
    {
        QFETCH(QByteArray, content);
        openWindow({namedEvent("Anniversary", QDate(2027, 6, 1))});
        const QString path =
            QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + QStringLiteral("/strange.evt");
        QVERIFY(writeFile(path, content));
        FileDialogAnswerer answer(path);
        BoxAnswerer boxes;
        click("importButton");
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Import Failed"));
        QVERIFY2(boxes.seen[0].text.contains(QLatin1String("strange.evt")), qPrintable(boxes.seen[0].text));
        QCOMPARE(names(), QStringList{"Anniversary"});
    }

    // The iCalendar filter writes a calendar, adding its suffix to a bare name; the summary names
    // the rule that a calendar can state only approximately.
    void exportWritesACalendar()
    {
        Event *monthly = new Event;
        monthly->name = QStringLiteral("Rent");
        monthly->schedule = Monthly;
        monthly->useDayNumber = true;
        monthly->ordinal = 31;
        openWindow({namedEvent("Exam", QDate(2027, 2, 1), 3), monthly});
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        FileDialogAnswerer answer(desktop + QStringLiteral("/mine"), QStringLiteral("iCalendar (*.ics)"));
        BoxAnswerer boxes;
        click("exportButton");
        QVERIFY(answer.answered);
        QCOMPARE(answer.filters, (QStringList{"Events File (*.evt)", "iCalendar (*.ics)"}));
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Export Complete"));
        QVERIFY2(boxes.seen[0].text.contains(QLatin1String("Rent")), qPrintable(boxes.seen[0].text));

        const FileImport back = readImportFile(desktop + QStringLiteral("/mine.ics"), Preferences(), today);
        QVERIFY(back.ok);
        QCOMPARE(back.format, FileFormat::ICalendar);
        QStringList backNames;
        for (const Event *event : back.report.events)
            backNames << event->name;
        qDeleteAll(back.report.events);
        QCOMPARE(backNames, (QStringList{"Rent", "Exam"})); // in the order shown
    }

    void exportThatCannotBeWrittenWarns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("events file") << "mine.evt";
        QTest::newRow("calendar") << "mine.ics";
    }

    void exportThatCannotBeWrittenWarns()
    {
        QFETCH(QString, name);
        openWindow({namedEvent("Exam", QDate(2027, 2, 1))});
        // A file where the folder should be: nothing can be written below it.
        const QString blocker = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/blocker";
        QVERIFY(writeFile(blocker, "x"));
        FileDialogAnswerer answer(blocker + "/" + name);
        BoxAnswerer boxes;
        click("exportButton");
        QTRY_COMPARE(boxes.seen.size(), 1);
        // The file once, then the system's reason.
        QCOMPARE(said(boxes.seen[0]), said({QMessageBox::Warning, QStringLiteral("Export Failed"),
                                            name + QStringLiteral(" could not be written: Not a directory."), false}));
    }

    void birthdayImportMakesYearlyEventsWithTheImportDefaults()
    {
        Preferences preferences;
        preferences.facebookNotify = true;
        preferences.facebookNotifyDaysBefore = 5;
        preferences.facebookShowOnce = true;
        QVERIFY(writePreferences(preferences, settingsFilePath()));
        openWindow({namedEvent("Дмитрий's Birthday", QDate(2027, 8, 8))});

        BoxAnswerer boxes;
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(said(boxes.seen[0]),
                 said(QMessageBox::Information, "Import Complete", "Your friend's birthdays have been imported."));
        QCOMPARE(FacebookAuth::instance()->accessToken, QStringLiteral("T0KEN"));
        QCOMPARE(server->requestsTo("/me/friends?access_token=T0KEN&fields=name,birthday"), 1);

        // New rows stay at the top, the last imported first; the taken name kept its old event.
        QCOMPARE(names(), (QStringList{"Later This Year's Birthday", "Born Today's Birthday", "Zoë Ångström's Birthday",
                                       "Дмитрий's Birthday"}));
        QCOMPARE(named("Дмитрий's Birthday")->schedule, Singular);

        const Event *zoe = named("Zoë Ångström's Birthday");
        QCOMPARE(zoe->schedule, Yearly);
        QVERIFY(zoe->useDayNumber);
        QCOMPARE(zoe->ordinal, 14);
        QVERIFY(zoe->months[2]);
        QCOMPARE(std::count(zoe->months.begin(), zoe->months.end(), true), 1);
        QVERIFY(!zoe->wholeYear);
        QVERIFY(zoe->counted);
        QCOMPARE(zoe->count, 2027 - 1990 - 1); // this year's birthday is still to come
        QCOMPARE(zoe->countDate, today);
        QVERIFY(zoe->notify);
        QCOMPARE(zoe->notifyDaysBefore, 5);
        QVERIFY(zoe->showOnce);
        QCOMPARE(zoe->lastNotified, today.addDays(-1));
        QCOMPARE(zoe->snoozeDays, 0);
        QCOMPARE(zoe->nextOccurrence(today), QDate(2027, 3, 14));
        QCOMPARE(named("Born Today's Birthday")->count, 27); // the birthday is today: reached
        QCOMPARE(named("Later This Year's Birthday")->count, 26);

        // The dialog is kept, logged in: a second import asks the Graph API again but not the login page,
        // and adds nothing since every name is taken.
        const int logins = server->requestsTo("/dialog/oauth");
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 20000);
        QCOMPARE(server->requestsTo("/dialog/oauth"), logins);
        QCOMPARE(server->requestsTo("/me/friends?"), 2);
        QCOMPARE(rows(), 4);
    }

    void birthdayWithoutYearIsNotCounted()
    {
        Preferences preferences;
        preferences.facebookNotify = false;
        preferences.facebookNotifyDaysBefore = 7; // the spin box's stored value still goes in
        QVERIFY(writePreferences(preferences, settingsFilePath()));
        openWindow();
        friendsBody = json("{\"data\": [{\"name\": \"Ann\", \"birthday\": \"03/14\"}]}");
        BoxAnswerer boxes;
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        const Event *ann = named("Ann's Birthday");
        QVERIFY(ann);
        QVERIFY(!ann->counted);
        QCOMPARE(ann->count, 0);
        QCOMPARE(ann->ordinal, 14);
        QVERIFY(ann->months[2]);
        QVERIFY(!ann->notify);
        QCOMPARE(ann->notifyDaysBefore, 7);
    }

    void eventImportMakesOneOffEvents()
    {
        openWindow();
        BoxAnswerer boxes;
        click("importFacebookEventButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(boxes.seen[0].text, QStringLiteral("Your Facebook events have been imported."));
        QCOMPARE(server->requestsTo("/me/events?access_token=T0KEN&fields=name,start_time,location"), 1);
        QCOMPARE(rows(), 2); // the undated event is skipped
        const QString time = QLocale::system().toString(QTime(19, 0), QLocale::ShortFormat);
        const Event *launch = named(QStringLiteral("Launch - Oslo - ") + time);
        QVERIFY(launch);
        QCOMPARE(launch->schedule, Singular);
        QCOMPARE(launch->date, QDate(2027, 2, 4));
        QVERIFY(!launch->counted);
        const Event *call =
            named(QStringLiteral("Call -  - ") + QLocale::system().toString(QTime(8, 30), QLocale::ShortFormat));
        QVERIFY(call);
        QCOMPARE(call->date, QDate(2027, 3, 1));
    }

    void failedGraphReplyWarnsAndReleasesTheDialog()
    {
        openWindow();
        friendsBody = "<html>Service Unavailable</html>";
        BoxAnswerer boxes;
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(said(boxes.seen[0]), said(QMessageBox::Warning, "Facebook Error",
                                           "There was an error connecting to Facebook, please try again."));
        QTRY_VERIFY(liveDialogs().isEmpty());
        QCOMPARE(rows(), 0);

        // The next import starts over with a fresh login.
        friendsBody = "{\"data\": [{\"name\": \"Ann\", \"birthday\": \"03/14\"}]}";
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 20000);
        QCOMPARE(server->requestsTo("/dialog/oauth"), 4); // the dialog's own request and the web view's, twice
        QCOMPARE(rows(), 1);
    }

    void unreachableLoginPageWarnsOnce()
    {
        openWindow();
        useServer(TestHttpServer::refusingBase());
        BoxAnswerer boxes;
        click("importFacebookEventButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Facebook Error"));
        QTRY_VERIFY(liveDialogs().isEmpty());
        // Both of the dialog's requests fail, but a released dialog reports nothing more.
        QTest::qWait(300);
        QCOMPARE(boxes.seen.size(), 1);
    }

    void importButtonsWaitForTheRunningImport()
    {
        openWindow();
        graphAnswers = false;
        HttpClient::instance()->setRequestTimeout(1500);
        BoxAnswerer boxes;
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(server->requestsTo("/me/friends?"), 1, 20000);
        // The Graph request waits in its own event loop; the buttons still reach the window.
        click("importFacebookEventButton");
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Facebook Error")); // the time limit ran out
        QCOMPARE(server->requestsTo("/me/events?"), 0);
        QCOMPARE(server->requestsTo("/me/friends?"), 1);
        QCOMPARE(server->requestsTo("/dialog/oauth"), 2);
    }

    void logoutDropsTheLogin()
    {
        openWindow();
        BoxAnswerer boxes;
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(liveDialogs().size(), 1);

        click("logoutButton");
        QTRY_COMPARE(boxes.seen.size(), 2);
        QCOMPARE(said(boxes.seen[1]), said(QMessageBox::Information, "Logout", "You have logged out of Facebook."));
        QTRY_VERIFY(liveDialogs().isEmpty());

        const int logins = server->requestsTo("/dialog/oauth");
        click("importFacebookEventButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 3, 20000);
        QVERIFY(server->requestsTo("/dialog/oauth") > logins);
    }

    // A login page that never loads: the login window is not left blank for ever, and until the
    // limit ends it the import buttons bring the window to the front rather than doing nothing.
    void importButtonsRaiseTheOpenLoginWindow_data()
    {
        QTest::addColumn<QByteArray>("again");
        QTest::newRow("the same button") << QByteArray("importFacebookButton");
        QTest::newRow("the other button") << QByteArray("importFacebookEventButton");
    }
    void importButtonsRaiseTheOpenLoginWindow()
    {
        QFETCH(QByteArray, again);
        openWindow();
        silenceServer();
        click("importFacebookButton");
        QTRY_COMPARE(liveDialogs().size(), 1);
        FacebookDialog *dialog = liveDialogs().first();
        QTRY_VERIFY(dialog->isVisible());
        // The dialog's own request and the web view's.
        QTRY_COMPARE(server->requestsTo("/dialog/oauth"), 2);
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());

        click(again.constData());
        QTRY_VERIFY(dialog->isActiveWindow());
        QCOMPARE(liveDialogs(), QList<FacebookDialog *>{dialog});
        QCOMPARE(server->requestsTo("/dialog/oauth"), 2);
    }

    void loginPageThatNeverLoadsWarns()
    {
        openWindow();
        silenceServer();
        HttpClient::instance()->setRequestTimeout(500);
        BoxAnswerer boxes;
        click("importFacebookEventButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(said(boxes.seen[0]), said(QMessageBox::Warning, "Facebook Error",
                                           "There was an error connecting to Facebook, please try again."));
        QTRY_VERIFY(liveDialogs().isEmpty());
        // The import can start again.
        click("importFacebookEventButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 20000);
    }

    void closingTheWindowClosesTheLoginWindow()
    {
        openWindow();
        // A login page that never answers keeps the login window open.
        useServer();
        silenceServer();
        click("importFacebookButton");
        QTRY_COMPARE(liveDialogs().size(), 1);
        QTRY_VERIFY(liveDialogs().first()->isVisible());
        w->close();
        QTRY_VERIFY(liveDialogs().isEmpty());
    }

    void missingModuleWarns()
    {
        const QByteArray module = qgetenv("ORIVENTA_SOCIAL_MODULE");
        qputenv("ORIVENTA_SOCIAL_MODULE", QDir::temp().filePath("none/liboriventa-social.so").toUtf8());
        setSocialSessionFactory(nullptr);
        openWindow();
        BoxAnswerer boxes;
        click("importFacebookEventButton");
        QTRY_COMPARE(boxes.seen.size(), 1);
        QCOMPARE(said(boxes.seen[0]), said(QMessageBox::Warning, "Facebook Error",
                                           "There was an error connecting to Facebook, please try again."));
        QVERIFY(server->requests.isEmpty());
        // The import can be started again, and fails the same way.
        click("importFacebookEventButton");
        QTRY_COMPARE(boxes.seen.size(), 2);
        QCOMPARE(boxes.seen[1].title, QStringLiteral("Facebook Error"));
        qputenv("ORIVENTA_SOCIAL_MODULE", module);
    }

    void theProgramLoadsTheImportAsAModule()
    {
        // The module keeps its own configuration, read from the environment on its first use.
        const QString base = QString::fromLatin1(server->base());
        qputenv("ORIVENTA_FACEBOOK_OAUTH_URL", (base + "/dialog/oauth").toUtf8());
        qputenv("ORIVENTA_FACEBOOK_SUCCESS_URL", (base + "/connect/login_success.html").toUtf8());
        qputenv("ORIVENTA_FACEBOOK_GRAPH_URL", base.toUtf8());
        setSocialSessionFactory(nullptr);
        QVERIFY(socialSessionFactory());
        QVERIFY(socialSessionFactory() != &createSocialSession);

        openWindow();
        BoxAnswerer boxes;
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        QCOMPARE(said(boxes.seen[0]),
                 said(QMessageBox::Information, "Import Complete", "Your friend's birthdays have been imported."));
        QCOMPARE(rows(), 4);
        QCOMPARE(server->requestsTo("/me/friends?access_token=T0KEN&fields=name,birthday"), 1);
    }

    // The program itself, with a Graph request left waiting while the user logs out or the system
    // asks the program to end: the request ends quietly and the list, edit included, is saved.
    void waitingRequestEndsQuietly_data()
    {
        QTest::addColumn<QString>("play");
        QTest::addColumn<QByteArray>("boxes");
        QTest::newRow("logout while the request waits") << "logout" << QByteArray("box: Logout\n");
        QTest::newRow("termination request") << "wait" << QByteArray();
    }

    void waitingRequestEndsQuietly()
    {
        QFETCH(QString, play);
        QFETCH(QByteArray, boxes);
        QVERIFY(writeEvents({namedEvent("Anniversary", QDate(2027, 6, 1))}));
        graphAnswers = false;

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ORIVENTA_FACEBOOK_OAUTH_URL", server->base() + "/dialog/oauth");
        env.insert("ORIVENTA_FACEBOOK_SUCCESS_URL", server->base() + "/connect/login_success.html");
        env.insert("ORIVENTA_FACEBOOK_GRAPH_URL", server->base());
        const auto program = startProgram(qEnvironmentVariable("ORIVENTA_IMPORT_DRIVER"), {play}, env);
        QVERIFY(program->waitForStarted());
        // Only this process's event loop lets the stand-in server answer.
        QTRY_COMPARE_WITH_TIMEOUT(server->requestsTo("/me/friends?"), 1, 20000);
        // The request is waiting now: the user logs out once told, or the system asks the program to end.
        if (play == QLatin1String("logout"))
            program->write("logout\n");
        QCOMPARE(endProgram(*program, play == QLatin1String("wait") ? SIGTERM : 0), 0);
        QCOMPARE(QDir(TestEnvironment::dataDir()).entryList({"crash-*.txt"}), QStringList());
        // Ended quietly: no warning about a failed request.
        QCOMPARE(program->readAllStandardOutput(), boxes);
        QStringList savedNames;
        for (const Event &event : readEvents())
            savedNames << event.name;
        savedNames.sort();
        QCOMPARE(savedNames, (QStringList{"Anniversary", "Dentist"}));
    }

    void importedEventsAreSavedWithTheList()
    {
        openWindow();
        BoxAnswerer boxes;
        click("importFacebookButton");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 20000);
        w->close();
        const QList<Event> saved = readEvents();
        QCOMPARE(saved.size(), 4);
        QCOMPARE(saved.first().name, QStringLiteral("Later This Year's Birthday"));
    }
};

QTEST_MAIN(TestImports)
#include "tst_imports.moc"

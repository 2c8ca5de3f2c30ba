// SPDX-License-Identifier: GPL-3.0-or-later
// Sync as the user meets it: the settings page's "Sync" group, the password kept out of every
// file, "Sync now" that fails without touching the list, and the auto start that syncs first.
#include "app/identity.h"
#include "mainwindow/mainwindow.h"
#include "model/nativesettings.h"
#include "model/preferences.h"
#include "sync/passwordstore.h"
#include "sync/sync.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/mainwindowfixture.h"
#include "tests/support/programrun.h"
#include "tests/support/radicale.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"
#include "tests/support/testhttpserver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

using namespace TestHelpers;

namespace {

// Nothing listens on the discard port: every sync with it fails at once.
const QString unreachable = QStringLiteral("http://127.0.0.1:9/dav/");
const QByteArray password = "pwd-7Kq!Zx3v";

// A server that knows nobody: a request that reaches it is answered 401.
TestHttpServer::Reply refuseEveryone(const TestHttpServer::Request &)
{
    return TestHttpServer::Reply::answer(401, "text/plain", "no");
}

QStringList filesWithPassword()
{
    return filesContaining(qEnvironmentVariable("XDG_DATA_HOME"), password) +
           filesContaining(qEnvironmentVariable("XDG_CONFIG_HOME"), password) +
           filesContaining(qEnvironmentVariable("HOME"), password);
}

} // namespace

class TestSyncUi : public QObject, MainWindowFixture
{
    Q_OBJECT

    // Types into a field as a user would and leaves it with Enter.
    void type(const char *field, const QString &text)
    {
        auto *edit = find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void openSettings(const EventStore &events = {})
    {
        openWindow(events);
        find<QAbstractButton>("settingsButton")->click();
    }

private Q_SLOTS:
    void initTestCase() { Startup::setApplicationIdentity(); }

    void init()
    {
        QVERIFY(TestEnvironment::reset());
        // The settings file exists, so that a write to it would show.
        Preferences preferences;
        QVERIFY(writePreferences(preferences, settingsFilePath()));
    }

    void cleanup() { closeWindow(); }

    // The group follows the page: what is typed is stored by OK only, in the native store and the
    // password store, the address without the user and password typed into it; Cancel stores
    // nothing. Only a stored account is synced as the window closes.
    void groupFollowsOkAndCancel_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Cancel") << false;
        QTest::newRow("OK") << true;
    }

    void groupFollowsOkAndCancel()
    {
        QFETCH(bool, ok);
        TestHttpServer server(refuseEveryone);
        SyncSettings stored;
        stored.url = QUrl(QStringLiteral("https://old.example.org/dav/"));
        stored.user = QStringLiteral("old");
        stored.calendar = QUrl(QStringLiteral("https://old.example.org/dav/old/cal/"));
        writeSyncSettings(stored);
        BoxAnswerer answer;
        openSettings();
        QCOMPARE(find<QLineEdit>("syncUrlEdit")->text(), stored.url.toString());
        auto *calendars = find<QComboBox>("syncCalendarBox");
        QCOMPARE(calendars->itemText(0), QStringLiteral("New calendar \"Oriventa\""));
        QCOMPARE(calendars->currentData().toUrl(), stored.calendar);

        const QString address = QString::fromUtf8(server.base()) + QStringLiteral("/cal/");
        type("syncUrlEdit", address.left(7) + "anna:" + QString::fromUtf8(password) + "@" + address.mid(7));
        type("syncUserEdit", QStringLiteral("anna"));
        find<QAbstractButton>(ok ? "settingOKButton" : "settingsCancelButton")->click();
        SyncSettings typed;
        typed.url = QUrl(address);
        typed.user = QStringLiteral("anna");
        const SyncSettings now = readSyncSettings();
        QCOMPARE(now.url, ok ? typed.url : stored.url);
        QCOMPARE(now.user, ok ? typed.user : stored.user);
        QCOMPARE(now.calendar, ok ? QUrl() : stored.calendar);
        QString kept;
        QCOMPARE(PasswordStore::availablePassword(typed, &kept), ok);
        QCOMPARE(kept, ok ? QString::fromUtf8(password) : QString());

        // A new window shows what was stored.
        delete w;
        openSettings();
        QCOMPARE(find<QLineEdit>("syncUserEdit")->text(), now.user);
        QCOMPARE(find<QLineEdit>("syncPasswordEdit")->echoMode(), QLineEdit::Password);
        w->close();
        QCOMPARE(!server.requests.isEmpty(), ok);
        QCOMPARE(answer.seen.size(), ok ? 1 : 0); // "Password Not Stored"
        QCOMPARE(filesWithPassword(), QStringList());
    }

    // Without a secret store the first "Sync now" syncs with what is typed and stores none of it;
    // a refused password is not left in its field for OK to keep, and no file ever holds it.
    void passwordNeverReachesAFile()
    {
        TestHttpServer server(refuseEveryone);
        BoxAnswerer answer;
        openSettings();
        type("syncUrlEdit", QString::fromUtf8(server.base()) + QStringLiteral("/cal/"));
        type("syncUserEdit", QStringLiteral("anna"));
        type("syncPasswordEdit", QString::fromUtf8(password));
        find<QAbstractButton>("syncNowButton")->click();
        QVERIFY(!server.requests.isEmpty());
        QCOMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].title, QStringLiteral("Sync Failed"));
        QVERIFY(find<QLineEdit>("syncPasswordEdit")->text().isEmpty());
        w->close();
        QCOMPARE(filesWithPassword(), QStringList());
    }

    // A password an earlier version kept in the stored address leaves the file at the next read.
    void storedAddressLosesItsPassword()
    {
        nativeSettings().setValue("syncUrl", "http://anna:" + password + "@127.0.0.1:9/dav/");
        const SyncSettings settings = readSyncSettings();
        QCOMPARE(settings.url, QUrl(unreachable));
        QCOMPARE(settings.user, QStringLiteral("anna"));
        QCOMPARE(filesWithPassword(), QStringList());
    }

    // The start-up prompt says when the server refused the password and asks again, until Cancel;
    // a refused password is kept nowhere.
    void startUpAsksAgainWhenRefused()
    {
        TestHttpServer server(refuseEveryone);
        SyncSettings settings;
        settings.url = QUrl(QString::fromUtf8(server.base()) + QStringLiteral("/cal/"));
        settings.user = QStringLiteral("anna");
        writeSyncSettings(settings);
        QStringList prompts;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!prompt || prompt->property("answered").toBool())
                return;
            prompt->setProperty("answered", true);
            prompts << prompt->labelText();
            prompt->setTextValue(QString::fromUtf8(password));
            QTimer::singleShot(0, prompt, prompts.size() == 1 ? &QDialog::accept : &QDialog::reject);
        });
        answerer.start(10);
        const bool ending = false;
        QVERIFY(!MainWindow::syncBeforeOpening(ending));
        QCOMPARE(prompts,
                 (QStringList{"Password for anna on 127.0.0.1:",
                              "The server refused the user name or password.\nPassword for anna on 127.0.0.1:"}));
        QString kept;
        QVERIFY(!PasswordStore::availablePassword(settings, &kept));
    }

    // Counts read as English has always had them, and put no warning on standard error.
    void summaryCounts()
    {
        static int warnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &) { warnings += type != QtDebugMsg; });
        SyncOutcome outcome;
        outcome.ok = true;
        outcome.uploaded = 1;
        outcome.restored = 2;
        const QString text = outcome.summaryText();
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, 0);
        QCOMPARE(text, "1 event uploaded.\n2 events that could not be read here were taken back from the server.");
    }

    // Numbers in the user's format: the separator comes from the locale, not from the text.
    void progressText_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("total unknown") << 0 << 0 << "en_US"
                                       << "Reading the calendar...";
        QTest::newRow("English") << 1 << 1000 << "en_US"
                                 << "Uploading 120 of 1,000";
        QTest::newRow("German") << 2 << 3000 << "de_DE"
                                << "Downloading 120 of 3.000";
    }

    void progressText()
    {
        QFETCH(int, stage);
        QFETCH(int, total);
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        const QString text = SyncProgress{SyncProgress::Stage(stage), 120, total}.text();
        QLocale::setDefault(QLocale::c());
        QTEST(text, "text");
    }

    // A sync long enough to show its progress: Cancel stops it at once; the list is kept, and told.
    void cancelInTheProgressDialog_data()
    {
        QTest::addColumn<bool>("closing"); // the window is closed (the desktop ending) instead
        QTest::newRow("Cancel clicked") << false;
        QTest::newRow("window closed meanwhile") << true;
    }

    void cancelInTheProgressDialog()
    {
        QFETCH(bool, closing);
        if (!Radicale::available())
            QSKIP("Radicale is not installed");
        Radicale server(QStringLiteral("anna"), QString::fromUtf8(password));
        QVERIFY2(server.running(), qPrintable(server.problem()));
        EventStore many;
        for (int i = 0; i < 300; ++i)
            many << weekly().named(QStringLiteral("Event %1").arg(i)).on({1}).make();
        BoxAnswerer answer;
        openSettings(many);
        const QStringList before = names();
        type("syncUrlEdit", server.base().toString());
        type("syncUserEdit", QStringLiteral("anna"));
        type("syncPasswordEdit", QString::fromUtf8(password));
        QTimer clicker;
        QObject::connect(&clicker, &QTimer::timeout, [&clicker, this, closing] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QProgressDialog *>(widget); dialog && dialog->isVisible()) {
                    clicker.stop();
                    if (closing)
                        w->close();
                    else
                        QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
                }
        });
        clicker.start(50);
        find<QAbstractButton>("syncNowButton")->click();
        if (closing) {
            // The sync ends first, then the window closes the normal way, with nothing to answer.
            QTRY_VERIFY(!w->isVisible());
            QVERIFY(answer.seen.isEmpty());
            return;
        }
        QCOMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].title, QStringLiteral("Sync Cancelled"));
        QVERIFY(!answer.seen[0].text.contains(QStringLiteral("300 events uploaded")));
        // Taken back from the file, rows of one day may come in another order.
        const QStringList after = names();
        QCOMPARE(QSet<QString>(after.cbegin(), after.cend()), QSet<QString>(before.cbegin(), before.cend()));
        QVERIFY(!QApplication::overrideCursor());
    }

    // A failed "Sync now" says why and leaves the rows and the events file as they were.
    void syncNowFailureLeavesTheList_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("reason"); // empty: whatever the sync reports
        QTest::newRow("no address") << QString() << "Enter the address of the server first.";
        QTest::newRow("server unreachable") << unreachable << QString();
    }

    void syncNowFailureLeavesTheList()
    {
        QFETCH(QString, url);
        QFETCH(QString, reason);
        BoxAnswerer answer;
        openSettings({weekly().named(QStringLiteral("b")).on({1}).make(),
                      singular(QDate(2031, 5, 1)).named(QStringLiteral("a")).make()});
        const QStringList before = names();
        const QByteArray fileBefore = readFile(eventsFilePath());
        if (!url.isEmpty()) {
            type("syncUrlEdit", url);
            type("syncPasswordEdit", QString::fromUtf8(password));
        }
        find<QAbstractButton>("syncNowButton")->click();
        QVERIFY(!answer.seen.isEmpty());
        const BoxAnswerer::Seen &box = answer.seen.last();
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QStringLiteral("Sync Failed"));
        if (reason.isEmpty())
            QVERIFY(!box.text.isEmpty());
        else
            QCOMPARE(box.text, reason);
        QVERIFY(!box.text.contains(QString::fromUtf8(password)));
        QCOMPARE(names(), before);
        QCOMPARE(readFile(eventsFilePath()), fileBefore);
        QVERIFY(!QApplication::overrideCursor());
    }

    // Against a real server: the first "Sync now" makes the calendar "Oriventa", uploads the
    // list, and offers the account's calendars with the one in use chosen.
    void syncNowAgainstAServer()
    {
        if (!Radicale::available())
            QSKIP("Radicale is not installed");
        Radicale server(QStringLiteral("anna"), QString::fromUtf8(password));
        QVERIFY2(server.running(), qPrintable(server.problem()));
        BoxAnswerer answer;
        openSettings({weekly().named(QStringLiteral("Bin day")).on({1}).make()});
        type("syncUrlEdit", server.base().toString());
        type("syncUserEdit", QStringLiteral("anna"));
        type("syncPasswordEdit", QString::fromUtf8(password));
        find<QAbstractButton>("syncNowButton")->click();
        QTRY_VERIFY(!answer.seen.isEmpty());
        QCOMPARE(answer.seen.last().title, QStringLiteral("Sync"));
        QCOMPARE(answer.seen.last().text, QStringLiteral("1 event uploaded."));
        auto *calendars = find<QComboBox>("syncCalendarBox");
        QCOMPARE(calendars->count(), 2);
        QCOMPARE(calendars->currentText(), QStringLiteral("Oriventa"));
        QCOMPARE(names(), QStringList{"Bin day"});
        // The calendar made is offered for OK to store with the rest.
        QVERIFY(!readSyncSettings().isConfigured());
        find<QAbstractButton>("settingOKButton")->click();
        QCOMPARE(readSyncSettings().calendar, calendars->currentData().toUrl());
    }

    // The suites have no secret service: the store says so at once, and only this run's memory
    // holds a password, for its own account only.
    void passwordStoreWithoutSecretService()
    {
        const QUrl url(unreachable);
        const QString user = QStringLiteral("bo");
        QString read;
        QCOMPARE(PasswordStore::readPassword(url, user, &read), PasswordStore::Result::NoSecretStore);
        QCOMPARE(PasswordStore::writePassword(url, user, QStringLiteral("x")), PasswordStore::Result::NoSecretStore);
        SyncSettings settings;
        settings.url = url;
        settings.user = user;
        bool storeRuns = true;
        QVERIFY(!PasswordStore::availablePassword(settings, &read, &storeRuns));
        QVERIFY(!storeRuns);
        QVERIFY(!PasswordStore::keep(url, user, QStringLiteral("kept")));
        QVERIFY(PasswordStore::availablePassword(settings, &read));
        QCOMPARE(read, QStringLiteral("kept"));
        settings.user = QStringLiteral("other");
        QVERIFY(!PasswordStore::availablePassword(settings, &read));
        PasswordStore::deletePassword(url, user);
        settings.user = user;
        QVERIFY(!PasswordStore::availablePassword(settings, &read));
    }

    // The auto start's fast path answers "nothing due" from the file alone only while the list is
    // not synced; with sync set up the full start, which builds the application, syncs first.
    // Qt names the platform plugin it loads when asked to, which shows which way was taken.
    void autoStartSyncsBeforeTheTest_data()
    {
        QTest::addColumn<bool>("configured");
        QTest::newRow("sync not set up") << false;
        QTest::newRow("sync set up") << true;
    }

    void autoStartSyncsBeforeTheTest()
    {
        QFETCH(bool, configured);
        QVERIFY(writeEvents({weekly().named(QStringLiteral("Every day")).everyWeekday().before(0).make()}));
        if (configured) {
            SyncSettings settings;
            settings.url = QUrl(unreachable);
            settings.user = QStringLiteral("anna");
            writeSyncSettings(settings);
        }
        const QByteArray before = readFile(eventsFilePath());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        const ProgramRun run = runProgram(qEnvironmentVariable("ORIVENTA_BIN"), {QStringLiteral("auto")}, env);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err.contains("platforms"), configured);
        QCOMPARE(readFile(eventsFilePath()), before);
    }
};

QTEST_MAIN(TestSyncUi)
#include "tst_syncui.moc"

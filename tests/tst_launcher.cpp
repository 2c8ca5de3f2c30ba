// SPDX-License-Identifier: GPL-3.0-or-later
// What a running copy shows when another copy starts or the program is asked to end, through the
// launcher's window session, with a real second copy of the program sending its request.
#include "app/singleapplication.h"
#include "app/startup.h"
#include "launcher/windowsession.h"
#include "mainwindow/mainwindow.h"
#include "model/preferences.h"
#include "reminders/reminderwindow.h"
#include "tests/support/events.h"
#include "tests/support/notificationbus.h"
#include "tests/support/programrun.h"
#include "tests/support/testenvironment.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using namespace TestHelpers;

class TestLauncher : public QObject
{
    Q_OBJECT

    QList<int> processEnds;

    SingleApplication *app() { return static_cast<SingleApplication *>(qApp); }

    static void saveDueEvent()
    {
        QVERIFY(writeEvents({weekly().named(QStringLiteral("Every day")).everyWeekday().notify(0).make()}));
    }

    // A copy of the program started the way the user starts it from the menu.
    void startPlainCopy()
    {
        QSignalSpy messages(app(), &SingleApplication::messageReceived);
        QCOMPARE(runProgram(qEnvironmentVariable("ORIVENTA_BIN"), {}).status, 0);
        QTRY_COMPARE(messages.count(), 1);
    }

    static MainWindow *shownMainWindow()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *list = qobject_cast<MainWindow *>(window); list && list->isVisible())
                return list;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestEnvironment::reset());
        QVERIFY(!app()->isRunning());
        ReminderWindow::setProcessEnd([this](int status) { processEnds << status; });
    }

    void init()
    {
        QDir(TestEnvironment::dataDir()).removeRecursively();
        processEnds.clear();
    }

    // A plain start while reminders are up raises them; once they are answered and saved the
    // same process opens the list instead of ending. Without that request, or when the program is
    // asked to end meanwhile, reminders close as they always have.
    void plainStartDuringReminders_data()
    {
        QTest::addColumn<bool>("popup");
        QTest::addColumn<bool>("listAskedFor");
        QTest::addColumn<bool>("endRequested");
        QTest::addColumn<bool>("listShown");
        QTest::newRow("pop-up, asked") << true << true << false << true;
        QTest::newRow("tray, asked") << false << true << false << true;
        QTest::newRow("pop-up, not asked") << true << false << false << false;
        QTest::newRow("tray, not asked") << false << false << false << false;
        QTest::newRow("tray, asked, then ended") << false << true << true << false;
    }

    void plainStartDuringReminders()
    {
        QFETCH(bool, popup);
        QFETCH(bool, listAskedFor);
        QFETCH(bool, endRequested);
        QFETCH(bool, listShown);
        Preferences preferences;
        preferences.popupNotifications = popup;
        QVERIFY(writePreferences(preferences, settingsFilePath()));
        saveDueEvent();

        WindowSession session(*app());
        auto reminders = std::make_unique<ReminderWindow>();
        QVERIFY(reminders->populate());
        QPointer<ReminderWindow> shown = reminders.get();
        session.showReminders(std::move(reminders));
        if (listAskedFor)
            startPlainCopy();
        QCOMPARE(session.isListRequested(), listAskedFor);
        QVERIFY(shown->isVisible());

        // Run as the program runs, so that closing its last window would end the event loop; a
        // list that opens instead keeps it going until this test ends it.
        const int listStillOpen = 42;
        QTimer::singleShot(0, shown, [&session, shown, endRequested] {
            if (endRequested)
                session.requestEnd();
            else
                shown->findChild<QAbstractButton *>(QStringLiteral("okButton"))->click();
        });
        QTimer watch;
        QElapsedTimer waited;
        waited.start();
        connect(&watch, &QTimer::timeout, &watch, [this, &waited] {
            // A tray window ends the process itself where the program would; the hook only notes it.
            if (!processEnds.isEmpty())
                QCoreApplication::exit(0);
            else if (shownMainWindow() || waited.hasExpired(10000))
                QCoreApplication::exit(listStillOpen);
        });
        watch.start(20);
        QCOMPARE(QCoreApplication::exec(), listShown ? listStillOpen : 0);
        watch.stop();

        // A tray window that is not followed by the list ends the process at once.
        QCOMPARE(processEnds, (!popup && !listShown) ? QList<int>{0} : QList<int>{});
        MainWindow *list = shownMainWindow();
        QCOMPARE(list != nullptr, listShown);
        if (list) {
            QCOMPARE(session.window(), list);
            QCOMPARE(app()->activationWindow(), list);
            // Built after the save: it shows the answers of the reminders just closed.
            QCOMPARE(list->eventAtRow(0)->lastNotified, QDate::currentDate());
            QTRY_VERIFY(!shown);
            list->close();
        }
    }

    // With notifications, a plain start does not raise again the window a click opened once it has
    // closed over its answers; the list opens after the session. The suite's only session bus.
    void plainStartAfterANotifiedAnswer()
    {
        if (!NotificationBus::missingTools().isEmpty())
            QSKIP("needs dbus-daemon and python3-dbusmock");
        QVERIFY(writeEvents({weekly().named(QStringLiteral("Answered")).everyWeekday().notify(0).make(),
                             weekly().named(QStringLiteral("Open")).everyWeekday().notify(0).make()}));
        writeReminderStyle(ReminderStyle::Notification);
        NotificationBus bus;
        QVERIFY(bus.start(QStringLiteral("body actions")));
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
        WindowSession session(*app());
        QVERIFY(session.startNotifications() && bus.emitActionInvoked(1, QStringLiteral("default")));
        QTRY_VERIFY(qobject_cast<ReminderWindow *>(session.window()));
        QPointer<QWidget> answered = session.window();
        answered->close();
        startPlainCopy();
        QVERIFY(!answered || !answered->isVisible());
        QVERIFY(bus.emitClosed(2));
        QTRY_VERIFY(shownMainWindow());
        shownMainWindow()->close();
    }

    // An end request while a dialog waits cancels the dialog first, then closes the window, which
    // saves the list: the user's "remove" was never confirmed.
    void endRequestCancelsADialog()
    {
        saveDueEvent();
        WindowSession session(*app());
        session.showMainWindow();
        auto *list = qobject_cast<MainWindow *>(session.window());
        QVERIFY(list);
        // The end request comes while the question waits, inside its own event loop.
        QTimer watch;
        connect(&watch, &QTimer::timeout, &watch, [&watch, &session] {
            if (qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                watch.stop();
                session.requestEnd();
            }
        });
        watch.start(10);
        QTimer::singleShot(0, list, [list] {
            auto *view = list->findChild<QTreeView *>(QStringLiteral("eventTreeView"));
            view->setCurrentIndex(view->model()->index(0, 0));
            list->findChild<QAbstractButton *>(QStringLiteral("removeButton"))->click();
        });
        QTRY_VERIFY(!list->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(readEvents().size(), 1);
    }
};

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    Startup::setApplicationIdentity();
    TestLauncher test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_launcher.moc"

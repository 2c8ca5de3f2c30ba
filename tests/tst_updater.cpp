// SPDX-License-Identifier: GPL-3.0-or-later
#include "ferrule/updater.h"
#include "model/nativesettings.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhttpserver.h"

#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(Ferrule::Updater::Outcome)

class TestUpdater : public QObject
{
    Q_OBJECT

    // Serves one fixed answer, status and body, to every request.
    int feedStatus = 200;
    QByteArray feedBody;
    TestHttpServer feed{[this](const TestHttpServer::Request &) {
        return TestHttpServer::Reply::answer(feedStatus, "application/json", feedBody);
    }};
    QString feedUrl() const { return QString::fromLatin1(feed.base() + "/version.json"); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestEnvironment::reset());
        qRegisterMetaType<Ferrule::Updater::Outcome>();
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.2.2"));
        qputenv("ORIVENTA_UPDATE_FEED", feedUrl().toUtf8());
    }

    void init()
    {
        feed.requests.clear();
        feedStatus = 200;
    }

    void compareVersions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("result");
        QTest::newRow("equal") << "1.0.2.2"
                               << "1.0.2.2" << 0;
        QTest::newRow("last part") << "1.0.2.3"
                                   << "1.0.2.2" << 1;
        QTest::newRow("numeric, not text") << "1.0.10"
                                           << "1.0.9" << 1;
        QTest::newRow("missing parts are 0") << "1.0"
                                             << "1.0.0.0" << 0;
        QTest::newRow("older") << "0.9"
                               << "1.0.2.2" << -1;
    }

    void compareVersions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, result);
        QCOMPARE(Ferrule::Updater::compareVersions(a, b), result);
    }

    void switchIsKeptInTheSettings()
    {
        Ferrule::Updater *updater = Ferrule::getUpdater();
        QCOMPARE(updater, Ferrule::getUpdater());
        QVERIFY(!updater->autoRun());
        updater->setAutoRun(true);
        QVERIFY(updater->autoRun());
        QSettings settings = nativeSettings();
        QCOMPARE(settings.value(QStringLiteral("Ferrule/autoCheck")).toBool(), true);
        updater->setAutoRun(false);
        QVERIFY(!updater->autoRun());
    }

    void manualCheckTellsTheUser_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Ferrule::Updater::Outcome>("outcome");
        QTest::addColumn<QString>("message");

        QTest::newRow("newer") << 200 << QByteArray("{\"version\": \"1.1.0.0\", \"url\": \"https://example.org/get\"}")
                               << Ferrule::Updater::Outcome::NewerVersion
                               << "Oriventa 1.1.0.0 is available. You can download it from:\nhttps://example.org/get";
        QTest::newRow("same") << 200 << QByteArray("{\"version\": \"1.0.2.2\", \"url\": \"https://example.org/get\"}")
                              << Ferrule::Updater::Outcome::UpToDate << "Oriventa is up to date.";
        QTest::newRow("older") << 200 << QByteArray("{\"version\": \"1.0.1\"}") << Ferrule::Updater::Outcome::UpToDate
                               << "Oriventa is up to date.";
        QTest::newRow("not found") << 404 << QByteArray("{}") << Ferrule::Updater::Outcome::Failed
                                   << "The check for a newer version of Oriventa failed.";
        QTest::newRow("not json") << 200 << QByteArray("<html>") << Ferrule::Updater::Outcome::Failed
                                  << "The check for a newer version of Oriventa failed.";
        QTest::newRow("no version") << 200 << QByteArray("{\"version\": 3}") << Ferrule::Updater::Outcome::Failed
                                    << "The check for a newer version of Oriventa failed.";
    }

    void manualCheckTellsTheUser()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(Ferrule::Updater::Outcome, outcome);
        QFETCH(QString, message);
        feedStatus = status;
        feedBody = body;

        BoxAnswerer answer;
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->manualCheck();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).value<Ferrule::Updater::Outcome>(), outcome);
        QTRY_COMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].text, message);
        QCOMPARE(answer.seen[0].title, QStringLiteral("Oriventa Update"));
        QCOMPARE(feed.requests.size(), 1);
        QCOMPARE(feed.requests[0].method + ' ' + feed.requests[0].target, QByteArray("GET /version.json"));
        QCOMPARE(feed.requests[0].headers.value("user-agent"), QByteArray("Oriventa/1.0.2.2"));
    }

    void manualCheckWithoutServer()
    {
        qputenv("ORIVENTA_UPDATE_FEED", "http://127.0.0.1:1/version.json");
        BoxAnswerer answer;
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->manualCheck();
        QTRY_COMPARE(finished.count(), 1);
        QTRY_COMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].text, QStringLiteral("The check for a newer version of Oriventa failed."));
        QCOMPARE(answer.seen[0].icon, QMessageBox::Warning);
        qputenv("ORIVENTA_UPDATE_FEED", feedUrl().toUtf8());
    }

    // With the switch off, start-up's check sends nothing at all.
    void autoCheckHonoursTheSwitch()
    {
        feedBody = "{\"version\": \"9.0\"}";
        Ferrule::getUpdater()->setAutoRun(false);
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->autoCheck();
        QTest::qWait(300);
        QCOMPARE(feed.requests.size(), 0);
        QCOMPARE(finished.count(), 0);

        Ferrule::getUpdater()->setAutoRun(true);
        BoxAnswerer answer;
        Ferrule::getUpdater()->autoCheck();
        QTRY_COMPARE(finished.count(), 1);
        QTRY_COMPARE(answer.seen.size(), 1);
        QVERIFY(answer.seen[0].text.startsWith(QStringLiteral("Oriventa 9.0 is available.")));
        QCOMPARE(feed.requests.size(), 1);
        Ferrule::getUpdater()->setAutoRun(false);
    }

    // A failed automatic check stays silent.
    void failedAutoCheckIsSilent()
    {
        feedStatus = 500;
        Ferrule::getUpdater()->setAutoRun(true);
        BoxAnswerer answer;
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->autoCheck();
        QTRY_COMPARE(finished.count(), 1);
        QTest::qWait(200);
        QVERIFY(answer.seen.isEmpty());
        Ferrule::getUpdater()->setAutoRun(false);
    }
};

QTEST_MAIN(TestUpdater)
#include "tst_updater.moc"

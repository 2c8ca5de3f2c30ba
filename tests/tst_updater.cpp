#include "ferrule/updater.h"
#include "tests/testenvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(Ferrule::Updater::Outcome)

namespace {

// Serves one fixed HTTP answer to every request on 127.0.0.1 and counts the requests.
class FeedServer : public QObject
{
public:
    int status = 200;
    QByteArray body;
    int requests = 0;
    QByteArray lastRequest;

    FeedServer()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    lastRequest += socket->readAll();
                    if (!lastRequest.contains("\r\n\r\n"))
                        return;
                    ++requests;
                    socket->write("HTTP/1.1 " + QByteArray::number(status) +
                                  " X\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/version.json").arg(server.serverPort()); }

private:
    QTcpServer server;
};

// Answers the next message box that appears, keeping its text.
class BoxAnswerer : public QObject
{
public:
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

    BoxAnswerer()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (box && box->isVisible()) {
                    text = box->text();
                    title = box->windowTitle();
                    icon = box->icon();
                    box->button(QMessageBox::Ok)->click();
                }
            }
        });
        timer.start(20);
    }

private:
    QTimer timer;
};

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

    FeedServer feed;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestEnvironment::reset());
        qRegisterMetaType<Ferrule::Updater::Outcome>();
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.2.2"));
        qputenv("ORIVENTA_UPDATE_FEED", feed.url().toUtf8());
    }

    void init()
    {
        feed.requests = 0;
        feed.lastRequest.clear();
        feed.status = 200;
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
        QSettings settings(QStringLiteral("Brindlex"), QStringLiteral("Oriventa"));
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
        feed.status = status;
        feed.body = body;

        BoxAnswerer answer;
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->manualCheck();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).value<Ferrule::Updater::Outcome>(), outcome);
        QTRY_COMPARE(answer.text, message);
        QCOMPARE(answer.title, QStringLiteral("Oriventa Update"));
        QCOMPARE(feed.requests, 1);
        QVERIFY(feed.lastRequest.startsWith("GET /version.json "));
        QVERIFY(feed.lastRequest.contains("User-Agent: Oriventa/1.0.2.2"));
    }

    void manualCheckWithoutServer()
    {
        qputenv("ORIVENTA_UPDATE_FEED", "http://127.0.0.1:1/version.json");
        BoxAnswerer answer;
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->manualCheck();
        QTRY_COMPARE(finished.count(), 1);
        QTRY_COMPARE(answer.text, QStringLiteral("The check for a newer version of Oriventa failed."));
        QCOMPARE(answer.icon, QMessageBox::Warning);
        qputenv("ORIVENTA_UPDATE_FEED", feed.url().toUtf8());
    }

    // With the switch off, start-up's check sends nothing at all.
    void autoCheckHonoursTheSwitch()
    {
        feed.body = "{\"version\": \"9.0\"}";
        Ferrule::getUpdater()->setAutoRun(false);
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->autoCheck();
        QTest::qWait(300);
        QCOMPARE(feed.requests, 0);
        QCOMPARE(finished.count(), 0);

        Ferrule::getUpdater()->setAutoRun(true);
        BoxAnswerer answer;
        Ferrule::getUpdater()->autoCheck();
        QTRY_COMPARE(finished.count(), 1);
        QTRY_VERIFY(answer.text.startsWith(QStringLiteral("Oriventa 9.0 is available.")));
        QCOMPARE(feed.requests, 1);
        Ferrule::getUpdater()->setAutoRun(false);
    }

    // A failed automatic check stays silent.
    void failedAutoCheckIsSilent()
    {
        feed.status = 500;
        Ferrule::getUpdater()->setAutoRun(true);
        BoxAnswerer answer;
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        Ferrule::getUpdater()->autoCheck();
        QTRY_COMPARE(finished.count(), 1);
        QTest::qWait(200);
        QCOMPARE(answer.text, QString());
        Ferrule::getUpdater()->setAutoRun(false);
    }
};

QTEST_MAIN(TestUpdater)
#include "tst_updater.moc"

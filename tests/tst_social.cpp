// The social-network import below the main window: the request client, the recognition of the login
// pages, the Graph reply readers and the login dialog, against a stand-in server on 127.0.0.1.
#include "social/facebookauth.h"
#include "social/facebookdialog.h"
#include "social/graphreply.h"
#include "social/httpclient.h"
#include "social/socialconfig.h"
#include "tests/testenvironment.h"
#include "tests/testhttpserver.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QWebView>
#include <QtTest>

using Args = QMap<QString, QString>;
using Reply = TestHttpServer::Reply;
Q_DECLARE_METATYPE(Args)

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TestSocial : public QObject
{
    Q_OBJECT

    TestHttpServer *server = nullptr;

    QString base() const { return QString::fromLatin1(server->base()); }
    void useServer(const QString &oauthBase = {})
    {
        setSocialConfig({(oauthBase.isEmpty() ? base() : oauthBase) + "/dialog/oauth",
                         base() + "/connect/login_success.html", base(), QStringLiteral("123456789012345")});
    }
    // A finished reply of a manager of our own, as the login web view's manager would hand it over.
    QNetworkReply *fetch(QNetworkAccessManager &manager, const QString &address)
    {
        QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(address)));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(10000);
        return reply;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(TestEnvironment::reset()); }

    void init()
    {
        server = new TestHttpServer;
        useServer();
        HttpClient::instance()->setRequestTimeout(HttpClient::DefaultRequestTimeout);
        HttpClient::authorised = false;
        FacebookAuth::instance()->setAccessToken(QString());
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete server;
        server = nullptr;
    }

    void argumentString_data()
    {
        QTest::addColumn<Args>("args");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty") << Args{} << QByteArray();
        QTest::newRow("key order, comma kept") << Args{{"fields", "name,birthday"}, {"access_token", "T"}}
                                               << QByteArray("access_token=T&fields=name,birthday");
        QTest::newRow("reserved characters cannot split the query")
            << Args{{"q", "a&b=c #+"}} << QByteArray("q=a%26b%3Dc%20%23%2B");
        QTest::newRow("unreserved characters stay") << Args{{"k", "A-z_0.9~"}} << QByteArray("k=A-z_0.9~");
        QTest::newRow("non-ASCII as UTF-8") << Args{{"name", utf8("Zoë")}} << QByteArray("name=Zo%C3%AB");
        QTest::newRow("empty value") << Args{{"a", ""}} << QByteArray("a=");
    }
    void argumentString()
    {
        QFETCH(Args, args);
        QFETCH(QByteArray, expected);
        QByteArray out;
        QString text = QStringLiteral("left over");
        QVERIFY(HttpClient::instance()->buildArguments(out, args, text));
        QCOMPARE(out, expected);
        QVERIFY(text.isEmpty());
    }

    void getSendsTheQueryAndAppendsTheBodyUpToItsFirstNul()
    {
        server->setHandler([](const TestHttpServer::Request &) {
            Reply reply;
            reply.contentType = "application/json";
            reply.body = QByteArray("{\"data\":[]}\0tail", 16);
            return reply;
        });
        QString response = QStringLiteral("before:");
        QVERIFY(HttpClient::instance()->GetRequest(response, {{"access_token", "T"}, {"fields", "name,birthday"}},
                                                   base() + "/me/friends?"));
        QCOMPARE(response, QStringLiteral("before:{\"data\":[]}"));
        QCOMPARE(server->requests.size(), 1);
        const TestHttpServer::Request &request = server->requests.first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, QByteArray("/me/friends?access_token=T&fields=name,birthday"));
        QCOMPARE(request.headers.value("accept-charset"), QByteArray("win1251,ISO-8859-1,utf-8;q=0.7,*;q=0.7"));
        QCOMPARE(request.headers.value("charset"), QByteArray("utf-8"));
    }

    void shortQueryGoesWithoutArgumentsAfterAPause()
    {
        server->setHandler([](const TestHttpServer::Request &) { return Reply{200, "text/plain", "ok", {}, false}; });
        QString response;
        bool sentEarly = false;
        // The pause runs the event loop: the server must not have been asked before it ends.
        QTimer::singleShot(1000, this, [&] { sentEarly = !server->requests.isEmpty(); });
        QVERIFY(HttpClient::instance()->GetRequest(response, {{"a", ""}}, base() + "/path?"));
        QVERIFY(!sentEarly);
        QCOMPARE(response, QStringLiteral("ok"));
        QCOMPARE(server->requests.size(), 1);
        const TestHttpServer::Request &request = server->requests.first();
        QCOMPARE(request.target, QByteArray("/path?"));
        QCOMPARE(request.headers.value("accept-charset"), QByteArray("ISO-8859-1,utf-8;q=0.7,*;q=0.7"));
        QCOMPARE(request.headers.value("keep-alive"), QByteArray("115"));
        QCOMPARE(request.headers.value("connection").toLower(), QByteArray("keep-alive"));
    }

    void postSendsTheArgumentsAsBody()
    {
        server->setHandler([](const TestHttpServer::Request &) {
            return Reply{200, "text/plain", "posted", {}, false};
        });
        QString response;
        QVERIFY(HttpClient::instance()->PostRequest(response, {{"b", "2"}, {"a", "x y"}}, base() + "/post"));
        QCOMPARE(response, QStringLiteral("posted"));
        QCOMPARE(server->requests.first().method, QByteArray("POST"));
        QCOMPARE(server->requests.first().target, QByteArray("/post"));
        QCOMPARE(server->requests.first().body, QByteArray("a=x%20y&b=2"));
    }

    void failedRequestsAppendNothing_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("connection refused") << true;
        QTest::newRow("reply never comes") << false;
    }
    void failedRequestsAppendNothing()
    {
        QFETCH(bool, refused);
        server->setHandler([](const TestHttpServer::Request &) {
            Reply reply;
            reply.never = true;
            return reply;
        });
        HttpClient::instance()->setRequestTimeout(300);
        const QString address =
            refused ? QStringLiteral("http://127.0.0.1:%1/me/friends?").arg(TestHttpServer::refusingPort())
                    : base() + "/me/friends?";
        QString response = QStringLiteral("kept");
        QVERIFY(HttpClient::instance()->GetRequest(response, {{"access_token", "T"}}, address));
        QCOMPARE(response, QStringLiteral("kept"));
    }

    void graphRequestsCarryTheTokenFirst_data()
    {
        QTest::addColumn<bool>("friends");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("friends") << true << "abc" << QByteArray("/me/friends?access_token=abc&fields=name,birthday");
        QTest::newRow("events, no token")
            << false << "" << QByteArray("/me/events?access_token=&fields=name,start_time,location");
    }
    void graphRequestsCarryTheTokenFirst()
    {
        QFETCH(bool, friends);
        QFETCH(QString, token);
        QFETCH(QByteArray, target);
        server->setHandler([](const TestHttpServer::Request &) {
            return Reply{200, "application/json", "{}", {}, false};
        });
        FacebookAuth::instance()->setAccessToken(token);
        QCOMPARE(friends ? requestFriendsReply() : requestEventsReply(), QStringLiteral("{}"));
        // The address is "<base>//me/...", which the network layer sends with a single slash.
        QCOMPARE(server->requests.first().target, target);
    }

    void loginAddressHasItsFiveKeysInOrder()
    {
        QCOMPARE(facebookLoginAddress(), base() + "/dialog/oauth?client_id=123456789012345&redirect_uri=" + base() +
                                             "/connect/login_success.html&type=user_agent&display=popup&"
                                             "scope=friends_birthday,user_events");
    }

    void loginPages_data()
    {
        QTest::addColumn<QString>("address"); // below the server's base
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("authorised");
        QTest::addColumn<QString>("token"); // "-" when the token must stay as it was

        QTest::newRow("token and expiry") << "/connect/login_success.html#access_token=abc&expires_in=5"
                                          << QByteArray("text/html") << true << true << "abc";
        QTest::newRow("token alone") << "/connect/login_success.html#access_token=xyz" << QByteArray("text/html")
                                     << true << true << "xyz";
        QTest::newRow("empty token") << "/connect/login_success.html#access_token=&x=1" << QByteArray("text/html")
                                     << true << true << "";
        QTest::newRow("no = after the key")
            << "/connect/login_success.html#access_token" << QByteArray("text/html") << false << false << "-";
        QTest::newRow("denied") << "/connect/login_success.html?error_reason=user_denied&error=access_denied"
                                << QByteArray("text/html; charset=utf-8") << true << false << "-";
        QTest::newRow("denied alone") << "/connect/login_success.html?error_reason=user_denied"
                                      << QByteArray("text/html") << true << false << "-";
        QTest::newRow("longer reason") << "/connect/login_success.html?error_reason=user_deniedX"
                                       << QByteArray("text/html") << false << false << "-";
        QTest::newRow("json type") << "/connect/login_success.html#access_token=abc" << QByteArray("application/json")
                                   << false << false << "-";
        QTest::newRow("xml type") << "/connect/login_success.html#access_token=abc" << QByteArray("text/xml") << false
                                  << false << "-";
        QTest::newRow("failure page") << "/connect/login_failure.html" << QByteArray("text/html") << false << false
                                      << "-";
        QTest::newRow("other page") << "/dialog/oauth?x=1" << QByteArray("text/html") << false << false << "-";
    }
    void loginPages()
    {
        QFETCH(QString, address);
        QFETCH(QByteArray, contentType);
        QFETCH(bool, ends);
        QFETCH(bool, authorised);
        QFETCH(QString, token);
        server->setHandler([contentType](const TestHttpServer::Request &) {
            return Reply{200, contentType, "<html></html>", {}, false};
        });
        FacebookAuth::instance()->setAccessToken(QStringLiteral("old"));
        HttpClient::authorised = !authorised; // must be changed only where a login ends
        QNetworkAccessManager manager;
        QNetworkReply *reply = fetch(manager, base() + address);
        int error = -1;
        QCOMPARE(HttpClient::instance()->finishedNetWorkSlot(reply, error), ends);
        QCOMPARE(error, 0);
        if (ends)
            QCOMPARE(HttpClient::authorised, authorised);
        QCOMPARE(FacebookAuth::instance()->accessToken, token == "-" ? QStringLiteral("old") : token);
        delete reply;
    }

    void failedLoginReplyReportsItsError()
    {
        QNetworkAccessManager manager;
        QNetworkReply *reply =
            fetch(manager, QStringLiteral("http://127.0.0.1:%1/connect/login_success.html#access_token=abc")
                               .arg(TestHttpServer::refusingPort()));
        int error = 0;
        QVERIFY(!HttpClient::instance()->finishedNetWorkSlot(reply, error));
        QCOMPARE(error, int(QNetworkReply::ConnectionRefusedError));
        QCOMPARE(FacebookAuth::instance()->accessToken, QString());
        delete reply;
    }

    void friendsReplies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("dates");

        QTest::newRow("names in UTF-8, dates as given")
            << QByteArray("{\"data\": [{\"name\": \"Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m\", \"birthday\": \"03/14/1990\"},"
                          "{\"name\": \"\xd0\x94\xd0\xbc\xd0\xb8\xd1\x82\xd1\x80\xd0\xb8\xd0\xb9\", \"birthday\": "
                          "\"01/20\"}, {\"name\": \"No Birthday\"}]}")
            << true << QStringList{utf8("Zoë Ångström"), utf8("Дмитрий"), "No Birthday"}
            << QStringList{"03/14/1990", "01/20", ""};
        QTest::newRow("comments allowed") << QByteArray("// friends\n{\"data\": [{\"name\": \"A\", /* x */ "
                                                        "\"birthday\": \"01/02\"}]}")
                                          << true << QStringList{"A"} << QStringList{"01/02"};
        QTest::newRow("empty data") << QByteArray("{\"data\": []}") << true << QStringList{} << QStringList{};
        QTest::newRow("no data: an error object")
            << QByteArray("{\"error\": {\"message\": \"bad token\"}}") << true << QStringList{} << QStringList{};
        QTest::newRow("root is an array")
            << QByteArray("[{\"name\": \"A\"}]") << true << QStringList{} << QStringList{};
        QTest::newRow("data is not an array")
            << QByteArray("{\"data\": {\"name\": \"A\"}}") << true << QStringList{} << QStringList{};
        QTest::newRow("entries that are not objects, members that are not strings")
            << QByteArray("{\"data\": [3, \"x\", {\"name\": 7, \"birthday\": [\"01/02\"]}, null]}") << true
            << QStringList{"", "", "", ""} << QStringList{"", "", "", ""};
        QTest::newRow("not JSON") << QByteArray("<html>Service Unavailable</html>") << false << QStringList{}
                                  << QStringList{};
        QTest::newRow("empty body") << QByteArray() << false << QStringList{} << QStringList{};
        QTest::newRow("nested too deeply") << QByteArray(100000, '[') << false << QStringList{} << QStringList{};
    }
    void friendsReplies()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, parses);
        QFETCH(QStringList, names);
        QFETCH(QStringList, dates);
        QStringList gotNames;
        QStringList gotDates;
        QString errors;
        QCOMPARE(parseFriendsReply(body, gotNames, gotDates, errors), parses);
        QCOMPARE(gotNames, names);
        QCOMPARE(gotDates, dates);
        QCOMPARE(errors.isEmpty(), parses);
    }

    void eventsReplies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("dates");
        const auto at = [](int h, int m) { return QLocale::system().toString(QTime(h, m), QLocale::ShortFormat); };
        QTest::newRow("UTC offset removed")
            << QByteArray("{\"data\": [{\"name\": \"Launch\", \"location\": \"Oslo\", \"start_time\": "
                          "\"2027-02-04T19:00:00+0000\"}]}")
            << QStringList{"Launch - Oslo - " + at(19, 0)} << QStringList{"2027-02-04T19:00:00"};
        QTest::newRow("other offset kept, no location")
            << QByteArray("{\"data\": [{\"name\": \"Call\", \"start_time\": \"2027-03-01T08:30:00-0700\"}]}")
            << QStringList{"Call -  - " + at(8, 30)} << QStringList{"2027-03-01T08:30:00-0700"};
        QTest::newRow("every +0000 goes")
            << QByteArray("{\"data\": [{\"name\": \"N\", \"start_time\": \"+00002027-01-01+0000\"}]}")
            << QStringList{"N -  - " + at(0, 0)} << QStringList{"2027-01-01"};
        QTest::newRow("no start time") << QByteArray("{\"data\": [{\"name\": \"Undated\"}]}")
                                       << QStringList{"Undated -  - "} << QStringList{""};
    }
    void eventsReplies()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, names);
        QFETCH(QStringList, dates);
        QStringList gotNames;
        QStringList gotDates;
        QString errors;
        QVERIFY(parseEventsReply(body, gotNames, gotDates, errors));
        QCOMPARE(gotNames, names);
        QCOMPARE(gotDates, dates);
    }

    void dialogLogsInWithTheTokenOfTheSuccessPage()
    {
        server->setHandler([this](const TestHttpServer::Request &request) {
            Reply reply;
            if (request.target.startsWith("/dialog/oauth")) {
                reply.status = 302;
                reply.location = server->base() + "/connect/login_success.html#access_token=T0KEN&expires_in=3600";
            } else if (request.target.startsWith("/me/friends?")) {
                reply.contentType = "application/json";
                reply.body = "{\"data\": [{\"name\": \"Ann\", \"birthday\": \"03/14\"}, {\"name\": \"Bo\"}]}";
            } else {
                reply.body = "<html><head><title>Success</title></head></html>";
            }
            return reply;
        });
        FacebookDialog dialog;
        QSignalSpy done(&dialog, &FacebookDialog::loginDone);
        QSignalSpy failed(&dialog, &FacebookDialog::requestFailed);
        QSignalSpy refused(&dialog, &FacebookDialog::rejected);
        dialog.login();
        QVERIFY(dialog.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 20000);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.isLoggedIn());
        QVERIFY(!HttpClient::authorised); // read and cleared by the dialog
        QCOMPARE(FacebookAuth::instance()->accessToken, QStringLiteral("T0KEN"));
        QCOMPARE(server->requests.first().target,
                 QByteArray("/dialog/oauth?client_id=123456789012345&redirect_uri=") + server->base() +
                     "/connect/login_success.html&type=user_agent&display=popup&scope=friends_birthday,user_events");

        // Logged in: a second login answers at once without the network.
        const int requests = server->requests.size();
        dialog.login();
        QCOMPARE(done.size(), 2);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(server->requests.size(), requests);

        QSignalSpy ready(&dialog, &FacebookDialog::infoReady);
        dialog.loadFriends();
        QCOMPARE(ready.size(), 1);
        QCOMPARE(dialog.names(), (QStringList{"Ann", "Bo"}));
        QCOMPARE(dialog.dates(), (QStringList{"03/14", ""}));
        QCOMPARE(server->requests.last().target, QByteArray("/me/friends?access_token=T0KEN&fields=name,birthday"));
        QCOMPARE(failed.size(), 0);
        QCOMPARE(refused.size(), 0);
    }

    void unreadableGraphReplyFailsWithEmptyLists()
    {
        server->setHandler([](const TestHttpServer::Request &request) {
            Reply reply;
            reply.contentType = "application/json";
            reply.body = request.target.startsWith("/me/friends")
                             ? QByteArray("{\"data\": [{\"name\": \"Ann\", \"birthday\": \"03/14\"}]}")
                             : QByteArray("{\"data\": [");
            return reply;
        });
        FacebookDialog dialog;
        QSignalSpy ready(&dialog, &FacebookDialog::infoReady);
        QSignalSpy failed(&dialog, &FacebookDialog::requestFailed);
        dialog.loadFriends();
        QCOMPARE(dialog.names().size(), 1);
        dialog.loadUserEvents();
        QCOMPARE(ready.size(), 1);
        QCOMPARE(failed.size(), 1);
        QVERIFY(dialog.names().isEmpty());
        QVERIFY(dialog.dates().isEmpty());
    }

    void loginThatEndsOtherwise_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::newRow("user refuses") << true;
        QTest::newRow("login page unreachable") << false;
    }
    void loginThatEndsOtherwise()
    {
        QFETCH(bool, reachable);
        server->setHandler([this](const TestHttpServer::Request &request) {
            Reply reply;
            if (request.target.startsWith("/dialog/oauth")) {
                reply.status = 302;
                reply.location = server->base() +
                                 "/connect/login_success.html?error_reason=user_denied&error=access_denied"
                                 "&error_description=Permissions+error";
            }
            return reply;
        });
        if (!reachable)
            useServer(QStringLiteral("http://127.0.0.1:%1").arg(TestHttpServer::refusingPort()));
        FacebookDialog dialog;
        QSignalSpy done(&dialog, &FacebookDialog::loginDone);
        QSignalSpy failed(&dialog, &FacebookDialog::requestFailed);
        QSignalSpy refused(&dialog, &FacebookDialog::rejected);
        dialog.login();
        QTRY_VERIFY_WITH_TIMEOUT(!failed.isEmpty() || !refused.isEmpty(), 20000);
        QTest::qWait(100);
        QCOMPARE(refused.isEmpty(), !reachable);
        QCOMPARE(failed.isEmpty(), reachable);
        QCOMPARE(done.size(), 0);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.isLoggedIn());
        QVERIFY(FacebookAuth::instance()->accessToken.isEmpty());
    }

    void titleShowsTheProgress_data()
    {
        QTest::addColumn<int>("progress");
        QTest::addColumn<QString>("title");
        QTest::newRow("0") << 0 << "Log In";
        QTest::newRow("1") << 1 << "Log In (1%)";
        QTest::newRow("45") << 45 << "Log In (45%)";
        QTest::newRow("99") << 99 << "Log In (99%)";
        QTest::newRow("100") << 100 << "Log In";
    }
    void titleShowsTheProgress()
    {
        QFETCH(int, progress);
        QFETCH(QString, title);
        FacebookDialog dialog;
        auto *view = dialog.findChild<QWebView *>(QStringLiteral("webView"));
        QVERIFY(view);
        view->setHtml(QStringLiteral("<html><head><title>Log In</title></head></html>"));
        QTRY_COMPARE(view->title(), QStringLiteral("Log In"));
        dialog.setProgress(progress);
        QCOMPARE(dialog.windowTitle(), title);
        dialog.finishLoading(false);
        QCOMPARE(dialog.loadProgress(), 100);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Log In"));
    }
};

QTEST_MAIN(TestSocial)
#include "tst_social.moc"

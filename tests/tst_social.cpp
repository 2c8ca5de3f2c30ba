// SPDX-License-Identifier: GPL-3.0-or-later
// The social-network import below the main window: the request client, the recognition of the login
// pages, the Graph reply readers and the login dialog, against a stand-in server on 127.0.0.1.
#include "social/facebookauth.h"
#include "social/facebookdialog.h"
#include "social/graphreply.h"
#include "social/httpclient.h"
#include "social/socialconfig.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhttpserver.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>
#include <QWebView>
#include <QtTest>

using Args = QMap<QString, QString>;
using Reply = TestHttpServer::Reply;
using Request = TestHttpServer::Request;
Q_DECLARE_METATYPE(Args)
Q_DECLARE_METATYPE(TestHttpServer::Reply)

namespace {

const int patience = 20000; // for anything that waits on the network or the web view

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// A time of day as the event names show it.
QString timeOfDay(int hour, int minute, int second = 0)
{
    return QLocale().toString(QTime(hour, minute, second), QLocale::ShortFormat);
}

const QByteArray friendsUtf8 =
    "{\"data\": [{\"name\": \"Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m\", \"birthday\": \"03/14/1990\"},"
    " {\"name\": \"\xd0\x94\xd0\xbc\xd0\xb8\xd1\x82\xd1\x80\xd0\xb8\xd0\xb9\", \"birthday\": \"01/20\"},"
    " {\"name\": \"No Birthday\"}]}";
const QStringList friendsUtf8Names{utf8("Zoë Ångström"), utf8("Дмитрий"), QStringLiteral("No Birthday")};
const QStringList friendsUtf8Dates{QStringLiteral("03/14/1990"), QStringLiteral("01/20"), QString()};

const QByteArray eventsWithOffsets =
    "{\"data\": [{\"name\": \"Caf\xc3\xa9 launch\", \"location\": \"M\xc3\xbcnchen\", \"start_time\": "
    "\"2027-02-04T19:00:00+0000\"}, {\"name\": \"Call\", \"start_time\": \"2027-03-01T08:30:00-0700\"}]}";

} // namespace

class TestSocial : public QObject
{
    Q_OBJECT

    TestHttpServer *server = nullptr;

    QByteArray base() const { return server->base(); }
    void useServer(const QByteArray &oauthBase, const QByteArray &graphBase)
    {
        setSocialConfig({QString::fromLatin1(oauthBase + "/dialog/oauth"),
                         QString::fromLatin1(base() + "/connect/login_success.html"), QString::fromLatin1(graphBase),
                         QStringLiteral("123456789012345")});
    }
    QByteArray loginTarget() const
    {
        return "/dialog/oauth?client_id=123456789012345&redirect_uri=" + base() +
               "/connect/login_success.html&type=user_agent&display=popup&scope=friends_birthday,user_events";
    }
    static QWebView *webView(FacebookDialog &dialog)
    {
        auto *view = dialog.findChild<QWebView *>(QStringLiteral("webView"));
        if (!view)
            qFatal("the dialog has no webView");
        return view;
    }
    // A finished reply of a manager of our own, as the login web view's manager would hand it over.
    static QNetworkReply *fetch(QNetworkAccessManager &manager, const QString &address)
    {
        QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(address)));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(patience);
        return reply;
    }
    // The social network as the login needs it: the OAuth dialog sends the browser on to `next`,
    // every other page is plain HTML, and the Graph answers with `graph`.
    void playLogin(const QByteArray &next, const Reply &graph = Reply::answer(200, "application/json", "{}"))
    {
        const QByteArray location = base() + next;
        server->setHandler([location, graph](const Request &request) {
            if (request.target.startsWith("/dialog/oauth"))
                return Reply::redirect(location);
            if (request.target.startsWith("/me/"))
                return graph;
            return Reply::answer(200, "text/html; charset=utf-8", "<html><head><title>Page</title></head></html>");
        });
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(TestEnvironment::reset()); }

    void init()
    {
        server = new TestHttpServer;
        useServer(base(), base());
        HttpClient::instance()->setRequestTimeout(HttpClient::DefaultRequestTimeout);
        HttpClient::authorised = false;
        FacebookAuth::instance()->setAccessToken(QString());
    }

    void cleanup()
    {
        HttpClient::instance()->setRequestTimeout(HttpClient::DefaultRequestTimeout);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete server;
        server = nullptr;
    }

    void argumentString_data()
    {
        QTest::addColumn<Args>("args");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty map") << Args{} << QByteArray();
        QTest::newRow("key order, comma kept") << Args{{"fields", "name,birthday"}, {"access_token", "T"}}
                                               << QByteArray("access_token=T&fields=name,birthday");
        QTest::newRow("three pieces") << Args{{"c", "3"}, {"a", "1"}, {"b", "2"}} << QByteArray("a=1&b=2&c=3");
        QTest::newRow("reserved characters cannot split the query")
            << Args{{"q", "a&b=c #+"}} << QByteArray("q=a%26b%3Dc%20%23%2B");
        QTest::newRow("path characters encoded") << Args{{"u", "/x?y"}} << QByteArray("u=%2Fx%3Fy");
        QTest::newRow("keys encoded too") << Args{{"a b&", "v"}} << QByteArray("a%20b%26=v");
        QTest::newRow("unreserved characters stay") << Args{{"k", "A-z_0.9~"}} << QByteArray("k=A-z_0.9~");
        QTest::newRow("non-ASCII as UTF-8") << Args{{"name", utf8("Zoë")}} << QByteArray("name=Zo%C3%AB");
        QTest::newRow("beyond Latin-1 as UTF-8") << Args{{"n", utf8("Д🎂")}} << QByteArray("n=%D0%94%F0%9F%8E%82");
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

    void getRequest_data()
    {
        QTest::addColumn<QByteArray>("path"); // the url below the server's base
        QTest::addColumn<Args>("args");
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QString>("appended");

        QTest::newRow("query after the address")
            << QByteArray("/me/friends?") << Args{{"fields", "name,birthday"}, {"access_token", "T"}}
            << Reply::answer(200, "application/json", "{\"data\":[]}")
            << QByteArray("/me/friends?access_token=T&fields=name,birthday") << "{\"data\":[]}";
        QTest::newRow("no separator added") << QByteArray("/raw") << Args{{"k", "v"}}
                                            << Reply::answer(200, "text/plain", "x") << QByteArray("/rawk=v") << "x";
        QTest::newRow("three characters still carry the query")
            << QByteArray("/p?") << Args{{"a", "b"}} << Reply::answer(200, "text/plain", "x") << QByteArray("/p?a=b")
            << "x";
        QTest::newRow("encoded value") << QByteArray("/p?") << Args{{"q", "a&b c"}}
                                       << Reply::answer(200, "text/plain", "x") << QByteArray("/p?q=a%26b%20c") << "x";
        QTest::newRow("text ends at the first NUL")
            << QByteArray("/p?") << Args{{"a", "b"}} << Reply::answer(200, "text/plain", QByteArray("abc\0def", 7))
            << QByteArray("/p?a=b") << "abc";
        // The dialog turns the text back into bytes for the JSON reader, so UTF-8 must survive as bytes.
        QTest::newRow("one character per byte")
            << QByteArray("/p?") << Args{{"a", "b"}}
            << Reply::answer(200, "application/json", "Zo\xc3\xab \xd0\x94\xff") << QByteArray("/p?a=b")
            << QString::fromLatin1("Zo\xc3\xab \xd0\x94\xff");
        QTest::newRow("an error page's body still comes back")
            << QByteArray("/p?") << Args{{"a", "b"}} << Reply::answer(500, "text/html", "<html>down</html>")
            << QByteArray("/p?a=b") << "<html>down</html>";
    }
    void getRequest()
    {
        QFETCH(QByteArray, path);
        QFETCH(Args, args);
        QFETCH(Reply, reply);
        QFETCH(QByteArray, target);
        QFETCH(QString, appended);
        server->setHandler([reply](const Request &) { return reply; });
        QString response = QStringLiteral("before:");
        QVERIFY(HttpClient::instance()->GetRequest(response, args, QString::fromLatin1(base() + path)));
        QCOMPARE(response, "before:" + appended);
        QCOMPARE(server->requests.size(), 1);
        const Request &request = server->requests.first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, target);
        QCOMPARE(request.headers.value("accept-charset"), QByteArray("win1251,ISO-8859-1,utf-8;q=0.7,*;q=0.7"));
        QCOMPARE(request.headers.value("charset"), QByteArray("utf-8"));
        QVERIFY(!request.headers.contains("keep-alive"));
    }

    // A query of two characters or fewer is dropped and the request waits three seconds first.
    void shortQueryGoesWithoutArgumentsAfterAPause()
    {
        server->setHandler([](const Request &) { return Reply::answer(200, "text/plain", "ok"); });
        int seenAtTwoSeconds = -1;
        // The pause runs the event loop, so this fires inside it, and the server must not have been asked yet.
        // A timer object rather than a single shot, so that it dies with this function if a check fails.
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, this, [&] { seenAtTwoSeconds = server->requests.size(); });
        probe.start(2000);
        QString response = QStringLiteral("kept ");
        QVERIFY(HttpClient::instance()->GetRequest(response, {{"x", ""}}, QString::fromLatin1(base() + "/path?")));
        QCOMPARE(seenAtTwoSeconds, 0);
        QCOMPARE(response, QStringLiteral("kept ok"));
        QCOMPARE(server->requests.size(), 1);
        const Request &request = server->requests.first();
        QCOMPARE(request.target, QByteArray("/path?"));
        QCOMPARE(request.headers.value("accept-charset"), QByteArray("ISO-8859-1,utf-8;q=0.7,*;q=0.7"));
        QCOMPARE(request.headers.value("keep-alive"), QByteArray("115"));
        QCOMPARE(request.headers.value("connection").toLower(), QByteArray("keep-alive"));
        QCOMPARE(request.headers.value("charset"), QByteArray("utf-8"));
    }

    void postSendsTheArgumentsAsBody()
    {
        server->setHandler([](const Request &) { return Reply::answer(200, "text/plain", "posted"); });
        QString response = QStringLiteral("before:");
        QVERIFY(HttpClient::instance()->PostRequest(response, {{"b", "2"}, {"a", "x y&z"}},
                                                    QString::fromLatin1(base() + "/post")));
        QCOMPARE(response, QStringLiteral("before:posted"));
        QCOMPARE(server->requests.size(), 1);
        QCOMPARE(server->requests.first().method, QByteArray("POST"));
        QCOMPARE(server->requests.first().target, QByteArray("/post"));
        QCOMPARE(server->requests.first().body, QByteArray("a=x%20y%26z&b=2"));
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
        server->setHandler([](const Request &) { return Reply::silence(); });
        if (!refused)
            HttpClient::instance()->setRequestTimeout(300);
        const QByteArray address = (refused ? TestHttpServer::refusingBase() : base()) + "/me/friends?";
        QString response = QStringLiteral("kept");
        QVERIFY(HttpClient::instance()->GetRequest(response, {{"access_token", "T"}}, QString::fromLatin1(address)));
        QCOMPARE(response, QStringLiteral("kept"));
        QCOMPARE(server->requests.size(), refused ? 0 : 1);

        // The client is not left stuck: the next request is answered as usual.
        HttpClient::instance()->setRequestTimeout(HttpClient::DefaultRequestTimeout);
        server->setHandler([](const Request &) { return Reply::answer(200, "text/plain", "next"); });
        response.clear();
        QVERIFY(HttpClient::instance()->GetRequest(response, {{"a", "b"}}, QString::fromLatin1(base() + "/p?")));
        QCOMPARE(response, QStringLiteral("next"));
    }

    void graphRequestMethod_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("0 is a GET") << 0 << QByteArray("GET") << QByteArray("/g?k=v") << QByteArray();
        QTest::newRow("1 is a POST") << 1 << QByteArray("POST") << QByteArray("/g?") << QByteArray("k=v");
        QTest::newRow("any other is a GET") << 7 << QByteArray("GET") << QByteArray("/g?k=v") << QByteArray();
    }
    void graphRequestMethod()
    {
        QFETCH(int, method);
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, body);
        server->setHandler([](const Request &) { return Reply::answer(200, "text/plain", "r"); });
        QString response;
        QVERIFY(FacebookAuth::instance()->graphRequest(method, {{"k", "v"}}, response,
                                                       QString::fromLatin1(base() + "/g?")));
        QCOMPARE(response, QStringLiteral("r"));
        QCOMPARE(server->requests.size(), 1);
        QCOMPARE(server->requests.first().method, verb);
        QCOMPARE(server->requests.first().target, target);
        QCOMPARE(server->requests.first().body, body);
    }

    void graphRequestsCarryTheTokenFirst_data()
    {
        QTest::addColumn<bool>("friends");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QByteArray>("target");
        // The address is "<base>//me/..."; Qt normalises the path it sends to a single slash.
        QTest::newRow("friends") << true << "TOKEN"
                                 << QByteArray("/me/friends?access_token=TOKEN&fields=name,birthday");
        QTest::newRow("events") << false << "TOKEN"
                                << QByteArray("/me/events?access_token=TOKEN&fields=name,start_time,location");
        QTest::newRow("no token yet") << false << ""
                                      << QByteArray("/me/events?access_token=&fields=name,start_time,location");
        QTest::newRow("token cannot add pieces")
            << true << "a&fields=x" << QByteArray("/me/friends?access_token=a%26fields%3Dx&fields=name,birthday");
    }
    void graphRequestsCarryTheTokenFirst()
    {
        QFETCH(bool, friends);
        QFETCH(QString, token);
        QFETCH(QByteArray, target);
        server->setHandler([](const Request &) { return Reply::answer(200, "application/json", "{}"); });
        FacebookAuth::instance()->setAccessToken(token);
        QCOMPARE(friends ? requestFriendsReply() : requestEventsReply(), QStringLiteral("{}"));
        QCOMPARE(server->requests.size(), 1);
        QCOMPARE(server->requests.first().method, QByteArray("GET"));
        QCOMPARE(server->requests.first().target, target);
    }

    void loginAddressHasItsFiveKeysInOrder()
    {
        QCOMPARE(facebookLoginAddress(), QString::fromLatin1(base() + loginTarget()));
    }

    void loginPages_data()
    {
        QTest::addColumn<QByteArray>("address"); // below the server's base
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("authorised");
        QTest::addColumn<QString>("token"); // "-" when the token must stay as it was

        const QByteArray html = "text/html";
        QTest::newRow("token and expiry") << QByteArray("/connect/login_success.html#access_token=abc&expires_in=5")
                                          << 200 << html << true << 0 << true << "abc";
        QTest::newRow("token alone") << QByteArray("/connect/login_success.html#access_token=xyz") << 200 << html
                                     << true << 0 << true << "xyz";
        QTest::newRow("empty token") << QByteArray("/connect/login_success.html#access_token=&x") << 200 << html << true
                                     << 0 << true << "";
        QTest::newRow("html with a charset") << QByteArray("/connect/login_success.html#access_token=abc") << 200
                                             << QByteArray("text/html; charset=utf-8") << true << 0 << true << "abc";
        QTest::newRow("xhtml") << QByteArray("/connect/login_success.html#access_token=abc") << 200
                               << QByteArray("application/xhtml+xml") << true << 0 << true << "abc";
        QTest::newRow("no = after the key")
            << QByteArray("/connect/login_success.html#access_token") << 200 << html << false << 0 << true << "-";
        QTest::newRow("token on another page")
            << QByteArray("/connect/other.html#access_token=abc") << 200 << html << false << 0 << true << "-";
        QTest::newRow("denied") << QByteArray(
                                       "/connect/login_success.html?error_reason=user_denied&error=access_denied")
                                << 200 << html << true << 0 << false << "-";
        QTest::newRow("denied, reason last")
            << QByteArray("/connect/login_success.html?error=access_denied&error_reason=user_denied") << 200 << html
            << true << 0 << false << "-";
        // The social network adds "#_=_" to its redirects.
        QTest::newRow("denied, with a fragment")
            << QByteArray("/connect/login_success.html?error_reason=user_denied&error=access_denied#_=_") << 200 << html
            << true << 0 << false << "-";
        QTest::newRow("longer reason") << QByteArray("/connect/login_success.html?error_reason=user_deniedX") << 200
                                       << html << false << 0 << true << "-";
        QTest::newRow("reason after a second ?")
            << QByteArray("/connect/login_success.html?x=1?y=2&error_reason=user_denied") << 200 << html << false << 0
            << true << "-";
        QTest::newRow("json type") << QByteArray("/connect/login_success.html#access_token=abc") << 200
                                   << QByteArray("application/json") << false << 0 << true << "-";
        QTest::newRow("xml type") << QByteArray("/connect/login_success.html#access_token=abc") << 200
                                  << QByteArray("text/xml") << false << 0 << true << "-";
        QTest::newRow("no type") << QByteArray("/connect/login_success.html#access_token=abc") << 200 << QByteArray()
                                 << false << 0 << true << "-";
        QTest::newRow("failure page") << QByteArray("/connect/login_failure.html") << 200 << html << false << 0 << true
                                      << "-";
        QTest::newRow("login form") << QByteArray("/dialog/oauth?x=1") << 200 << html << false << 0 << true << "-";
        // The error code is looked at before the address.
        QTest::newRow("error page at the token address")
            << QByteArray("/connect/login_success.html#access_token=abc") << 404 << html << false
            << int(QNetworkReply::ContentNotFoundError) << true << "-";
    }
    void loginPages()
    {
        QFETCH(QByteArray, address);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(bool, ends);
        QFETCH(int, error);
        QFETCH(bool, authorised);
        QFETCH(QString, token);
        server->setHandler(
            [status, contentType](const Request &) { return Reply::answer(status, contentType, "<html></html>"); });
        FacebookAuth::instance()->setAccessToken(QStringLiteral("old"));
        // Changed only where a login ends.
        HttpClient::authorised = ends ? !authorised : authorised;
        QNetworkAccessManager manager;
        QNetworkReply *reply = fetch(manager, QString::fromLatin1(base() + address));
        QVERIFY(reply->isFinished());
        int reported = -1;
        QCOMPARE(HttpClient::instance()->finishedNetWorkSlot(reply, reported), ends);
        QCOMPARE(reported, error);
        QCOMPARE(HttpClient::authorised, authorised);
        QCOMPARE(FacebookAuth::instance()->accessToken, token == "-" ? QStringLiteral("old") : token);
        delete reply;
    }

    void unreachableLoginPageReportsItsError()
    {
        QNetworkAccessManager manager;
        QNetworkReply *reply = fetch(manager, QString::fromLatin1(TestHttpServer::refusingBase() +
                                                                  "/connect/login_success.html#access_token=abc"));
        QVERIFY(reply->isFinished());
        int error = 0;
        QVERIFY(!HttpClient::instance()->finishedNetWorkSlot(reply, error));
        QCOMPARE(error, int(QNetworkReply::ConnectionRefusedError));
        QCOMPARE(FacebookAuth::instance()->accessToken, QString());
        QVERIFY(!HttpClient::authorised);
        delete reply;
    }

    void friendsReplies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("dates");

        QTest::newRow("UTF-8 names, both date forms, no birthday")
            << friendsUtf8 << true << friendsUtf8Names << friendsUtf8Dates;
        QTest::newRow("comments allowed") << QByteArray("// friends\n{\"data\": [{\"name\": \"A\", /* x */ "
                                                        "\"birthday\": \"01/02\"}]}")
                                          << true << QStringList{"A"} << QStringList{"01/02"};
        QTest::newRow("escaped characters")
            << QByteArray("{\"data\": [{\"name\": \"Zo\\u00eb \\\"Z\\\"\", \"birthday\": \"12/31\"}]}") << true
            << QStringList{utf8("Zoë \"Z\"")} << QStringList{"12/31"};
        QTest::newRow("empty data") << QByteArray("{\"data\": []}") << true << QStringList{} << QStringList{};
        QTest::newRow("no data: an error object")
            << QByteArray("{\"error\": {\"message\": \"bad token\"}}") << true << QStringList{} << QStringList{};
        QTest::newRow("root is an array")
            << QByteArray("[{\"name\": \"A\"}]") << true << QStringList{} << QStringList{};
        QTest::newRow("root is a string") << QByteArray("\"data\"") << true << QStringList{} << QStringList{};
        QTest::newRow("data is not an array")
            << QByteArray("{\"data\": {\"name\": \"A\"}}") << true << QStringList{} << QStringList{};
        QTest::newRow("entries that are not objects")
            << QByteArray("{\"data\": [3, \"x\", null, {\"name\": \"B\", \"birthday\": \"02/03\"}]}") << true
            << QStringList{"", "", "", "B"} << QStringList{"", "", "", "02/03"};
        QTest::newRow("members that are not strings")
            << QByteArray("{\"data\": [{\"name\": 7, \"birthday\": [\"01/02\"]}, {\"name\": true, \"birthday\": "
                          "{\"d\": 1}}, {\"name\": null, \"birthday\": 1.5}]}")
            << true << QStringList{"", "", ""} << QStringList{"", "", ""};
        QTest::newRow("not JSON") << QByteArray("<html>Service Unavailable</html>") << false << QStringList{}
                                  << QStringList{};
        QTest::newRow("cut short") << QByteArray("{\"data\": [{\"name\": \"A\"") << false << QStringList{}
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
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("dates");

        QTest::newRow("UTC offset removed, other offset kept, no location")
            << eventsWithOffsets << true
            << QStringList{utf8("Café launch - München - ") + timeOfDay(19, 0), "Call -  - " + timeOfDay(8, 30)}
            << QStringList{"2027-02-04T19:00:00", "2027-03-01T08:30:00-0700"};
        QTest::newRow("every +0000 goes")
            << QByteArray("{\"data\": [{\"name\": \"N\", \"start_time\": \"+00002027-01-01T10:15:00+0000\"}]}") << true
            << QStringList{"N -  - " + timeOfDay(10, 15)} << QStringList{"2027-01-01T10:15:00"};
        QTest::newRow("date only") << QByteArray("{\"data\": [{\"name\": \"Day\", \"start_time\": \"2027-05-04\"}]}")
                                   << true << QStringList{"Day -  - " + timeOfDay(0, 0)} << QStringList{"2027-05-04"};
        QTest::newRow("start time that is not a date")
            << QByteArray("{\"data\": [{\"name\": \"Soon\", \"location\": \"Here\", \"start_time\": \"next week\"}]}")
            << true << QStringList{"Soon - Here - "} << QStringList{"next week"};
        QTest::newRow("nothing but an empty object")
            << QByteArray("{\"data\": [{}]}") << true << QStringList{" -  - "} << QStringList{""};
        QTest::newRow("members that are not strings")
            << QByteArray("{\"data\": [{\"name\": 1, \"location\": [], \"start_time\": 1700000000}, 5]}") << true
            << QStringList{" -  - ", " -  - "} << QStringList{"", ""};
        QTest::newRow("comments allowed")
            << QByteArray("{\"data\": [/* one */ {\"name\": \"C\", \"start_time\": \"2027-01-02T03:04:05\"}]}") << true
            << QStringList{"C -  - " + timeOfDay(3, 4, 5)} << QStringList{"2027-01-02T03:04:05"};
        QTest::newRow("missing data") << QByteArray("{}") << true << QStringList{} << QStringList{};
        QTest::newRow("data is not an array")
            << QByteArray("{\"data\": \"x\"}") << true << QStringList{} << QStringList{};
        QTest::newRow("root is an array") << QByteArray("[]") << true << QStringList{} << QStringList{};
        QTest::newRow("not JSON") << QByteArray("Bad Gateway") << false << QStringList{} << QStringList{};
    }
    void eventsReplies()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, parses);
        QFETCH(QStringList, names);
        QFETCH(QStringList, dates);
        QStringList gotNames;
        QStringList gotDates;
        QString errors;
        QCOMPARE(parseEventsReply(body, gotNames, gotDates, errors), parses);
        QCOMPARE(gotNames, names);
        QCOMPARE(gotDates, dates);
        QCOMPARE(errors.isEmpty(), parses);
    }

    void freshDialog()
    {
        FacebookDialog dialog;
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.isLoggedIn());
        QCOMPARE(dialog.loadProgress(), 0);
        QVERIFY(dialog.names().isEmpty());
        QVERIFY(dialog.dates().isEmpty());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Facebook"));
        QCOMPARE(webView(dialog)->url(), QUrl(QStringLiteral("about:blank")));
    }

    // Found by the sanitizers: the web view stops its load while the dialog is being destroyed and
    // reported it to the dialog's slots after the dialog's own part was gone.
    void dialogDeletedWhileItsPageLoads()
    {
        server->setHandler([](const Request &) { return Reply::silence(); });
        auto *dialog = new FacebookDialog;
        QSignalSpy failed(dialog, &FacebookDialog::requestFailed);
        dialog->login();
        QTRY_VERIFY_WITH_TIMEOUT(server->requests.size() >= 2, patience);
        delete dialog;
        QTest::qWait(50);
        QCOMPARE(failed.size(), 0);
    }

    void loginOutcomes_data()
    {
        QTest::addColumn<QByteArray>("next"); // where the OAuth dialog sends the browser; empty: 404
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("outcome"); // the one signal that ends the login, or "none"
        QTest::addColumn<QString>("token");

        QTest::newRow("token captured") << QByteArray("/connect/login_success.html#access_token=TOKEN&expires_in=3600")
                                        << true << "loginDone"
                                        << "TOKEN";
        QTest::newRow("user refuses") << QByteArray(
                                             "/connect/login_success.html?error_reason=user_denied&error=access_denied"
                                             "&error_description=Permissions+error")
                                      << true << "rejected"
                                      << "old";
        QTest::newRow("login page unreachable") << QByteArray() << false << "requestFailed"
                                                << "old";
        // Other errors and the failure page leave the user on the page to try again.
        QTest::newRow("login page missing") << QByteArray() << true << "none"
                                            << "old";
        QTest::newRow("failure page") << QByteArray("/connect/login_failure.html") << true << "none"
                                      << "old";
    }
    void loginOutcomes()
    {
        QFETCH(QByteArray, next);
        QFETCH(bool, reachable);
        QFETCH(QString, outcome);
        QFETCH(QString, token);
        if (next.isEmpty())
            server->setHandler(
                [](const Request &) { return Reply::answer(404, "text/html", "<html>Not Found</html>"); });
        else
            playLogin(next);
        if (!reachable)
            useServer(TestHttpServer::refusingBase(), base());
        FacebookAuth::instance()->setAccessToken(QStringLiteral("old"));

        FacebookDialog dialog;
        QSignalSpy done(&dialog, &FacebookDialog::loginDone);
        QSignalSpy failed(&dialog, &FacebookDialog::requestFailed);
        QSignalSpy refused(&dialog, &FacebookDialog::rejected);
        QSignalSpy loaded(webView(dialog), &QWebView::loadFinished);
        dialog.login();
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), patience);
        if (outcome == "loginDone")
            QTRY_VERIFY_WITH_TIMEOUT(!done.isEmpty(), patience);
        else if (outcome == "rejected")
            QTRY_VERIFY_WITH_TIMEOUT(!refused.isEmpty(), patience);
        else if (outcome == "requestFailed")
            QTRY_VERIFY_WITH_TIMEOUT(!failed.isEmpty(), patience);
        QTest::qWait(300); // let stray replies of the page arrive

        // A login ends once: a second loginDone would start a second import.
        QCOMPARE(done.size(), outcome == "loginDone" ? 1 : 0);
        QCOMPARE(refused.size(), outcome == "rejected" ? 1 : 0);
        QCOMPARE(failed.isEmpty(), outcome != "requestFailed");
        QCOMPARE(dialog.isVisible(), outcome == "none");
        QCOMPARE(dialog.isLoggedIn(), outcome == "loginDone");
        QVERIFY(!HttpClient::authorised); // read and cleared by the dialog
        QCOMPARE(FacebookAuth::instance()->accessToken, token);
        if (reachable) {
            QVERIFY(server->requestsTo("/dialog/oauth") > 0);
            for (const Request &request : qAsConst(server->requests)) {
                if (request.target.startsWith("/dialog/oauth"))
                    QCOMPARE(request.target, loginTarget());
            }
        }
        QCOMPARE(server->requestsTo("/me/"), 0);
    }

    void loggedInDialogAnswersAtOnce()
    {
        playLogin("/connect/login_success.html#access_token=TOKEN&expires_in=3600");
        FacebookDialog dialog;
        QSignalSpy done(&dialog, &FacebookDialog::loginDone);
        QSignalSpy loaded(webView(dialog), &QWebView::loadFinished);
        dialog.login();
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, patience);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), patience);
        QTest::qWait(300);
        const int requests = server->requests.size();

        dialog.login();
        QCOMPARE(done.size(), 2); // at once, not from the network
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.isLoggedIn());
        QTest::qWait(300);
        QCOMPARE(server->requests.size(), requests);
        QCOMPARE(done.size(), 2);
    }

    // As the main window does it: the import starts from loginDone, inside the login reply's signal.
    // Its trace, when asked for, leaves out the token of the login page's address and of the query.
    void importStartedByTheLogin()
    {
        static QString trace;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &line) {
                if (qstrcmp(context.category, "oriventa.social") == 0)
                    trace += line + QLatin1Char('\n');
            });
        QLoggingCategory::setFilterRules(QStringLiteral("oriventa.social.debug=true"));
        const auto restore = qScopeGuard([previous] {
            QLoggingCategory::setFilterRules(QString());
            qInstallMessageHandler(previous);
        });
        playLogin("/connect/login_success.html#access_token=TOKEN&expires_in=3600",
                  Reply::answer(200, "application/json; charset=UTF-8", friendsUtf8));
        FacebookDialog dialog;
        QSignalSpy ready(&dialog, &FacebookDialog::infoReady);
        QSignalSpy failed(&dialog, &FacebookDialog::requestFailed);
        connect(&dialog, &FacebookDialog::loginDone, &dialog, &FacebookDialog::loadFriends);
        dialog.login();
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, patience);
        QCOMPARE(dialog.names(), friendsUtf8Names);
        QCOMPARE(dialog.dates(), friendsUtf8Dates);
        QCOMPARE(server->requestsTo("/me/friends?access_token=TOKEN&fields=name,birthday"), 1);
        QCOMPARE(failed.size(), 0);
        QVERIFY2(trace.contains(QStringLiteral("access_token=<redacted>&")) && !trace.contains(QStringLiteral("TOKEN")),
                 qPrintable(trace));
    }

    void loads_data()
    {
        QTest::addColumn<bool>("friends");
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("dates");

        const QByteArray json = "application/json; charset=UTF-8";
        QTest::newRow("friends in UTF-8")
            << true << Reply::answer(200, json, friendsUtf8) << true << true << friendsUtf8Names << friendsUtf8Dates;
        QTest::newRow("events") << false << Reply::answer(200, json, eventsWithOffsets) << true << true
                                << QStringList{utf8("Café launch - München - ") + timeOfDay(19, 0),
                                               "Call -  - " + timeOfDay(8, 30)}
                                << QStringList{"2027-02-04T19:00:00", "2027-03-01T08:30:00-0700"};
        QTest::newRow("friends: empty data")
            << true << Reply::answer(200, json, "{\"data\": []}") << true << true << QStringList{} << QStringList{};
        QTest::newRow("events: an error object")
            << false << Reply::answer(400, json, "{\"error\": {\"message\": \"Invalid OAuth access token.\"}}") << true
            << true << QStringList{} << QStringList{};
        QTest::newRow("friends: not JSON")
            << true << Reply::answer(503, "text/html", "<html>Service Unavailable</html>") << true << false
            << QStringList{} << QStringList{};
        QTest::newRow("events: empty body")
            << false << Reply::answer(200, json, "") << true << false << QStringList{} << QStringList{};
        QTest::newRow("friends: Graph unreachable")
            << true << Reply::answer(200, json, "{}") << false << false << QStringList{} << QStringList{};
        QTest::newRow("events: no answer in time")
            << false << Reply::silence() << true << false << QStringList{} << QStringList{};
    }
    void loads()
    {
        QFETCH(bool, friends);
        QFETCH(Reply, reply);
        QFETCH(bool, reachable);
        QFETCH(bool, parses);
        QFETCH(QStringList, names);
        QFETCH(QStringList, dates);
        FacebookAuth::instance()->setAccessToken(QStringLiteral("TOKEN"));
        FacebookDialog dialog;
        QSignalSpy ready(&dialog, &FacebookDialog::infoReady);
        QSignalSpy failed(&dialog, &FacebookDialog::requestFailed);

        // Lists left from an earlier import must not leak into this one.
        server->setHandler([](const Request &) {
            return Reply::answer(200, "application/json",
                                 "{\"data\": [{\"name\": \"Earlier\", \"birthday\": \"01/01\"}]}");
        });
        dialog.loadFriends();
        QCOMPARE(dialog.names(), QStringList{"Earlier"});
        QCOMPARE(ready.size(), 1);
        ready.clear();

        server->setHandler([reply](const Request &) { return reply; });
        if (!reachable)
            useServer(base(), TestHttpServer::refusingBase());
        if (reply.never)
            HttpClient::instance()->setRequestTimeout(300);
        const int before = server->requests.size();
        if (friends)
            dialog.loadFriends();
        else
            dialog.loadUserEvents();

        QCOMPARE(ready.size(), parses ? 1 : 0);
        QCOMPARE(failed.size(), parses ? 0 : 1);
        QCOMPARE(dialog.names(), names);
        QCOMPARE(dialog.dates(), dates);
        if (reachable) {
            QCOMPARE(server->requests.size(), before + 1);
            QCOMPARE(server->requests.last().target,
                     friends ? QByteArray("/me/friends?access_token=TOKEN&fields=name,birthday")
                             : QByteArray("/me/events?access_token=TOKEN&fields=name,start_time,location"));
        }
    }

    // The dialog's owner lets it go, or deletes it, while its Graph request waits: the wait ends at
    // once and nothing is reported, so the calls on the stack return without touching what is gone.
    void graphWaitEndsWhenTheDialogGoes_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("abandoned") << false;
        QTest::newRow("deleted") << true;
    }
    void graphWaitEndsWhenTheDialogGoes()
    {
        QFETCH(bool, deleted);
        server->setHandler([](const Request &) { return Reply::silence(); });
        // Far beyond the suite's own limit: only the dialog's going can end this wait.
        HttpClient::instance()->setRequestTimeout(60 * 60 * 1000);
        auto *dialog = new FacebookDialog;
        const QPointer<FacebookDialog> alive(dialog);
        QSignalSpy ready(dialog, &FacebookDialog::infoReady);
        QSignalSpy failed(dialog, &FacebookDialog::requestFailed);
        QTimer owner;
        connect(&owner, &QTimer::timeout, this, [&] {
            if (server->requests.isEmpty())
                return;
            owner.stop();
            if (deleted)
                delete dialog;
            else
                dialog->abandon();
        });
        owner.start(10);
        dialog->loadUserEvents();

        QCOMPARE(server->requests.size(), 1);
        QCOMPARE(ready.size(), 0);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(alive.isNull(), deleted);
        delete alive;
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
        QTest::newRow("below 0") << -1 << "Log In";
        QTest::newRow("above 100") << 101 << "Log In";
    }
    void titleShowsTheProgress()
    {
        QFETCH(int, progress);
        QFETCH(QString, title);
        FacebookDialog dialog;
        QWebView *view = webView(dialog);
        QSignalSpy loaded(view, &QWebView::loadFinished);
        view->setHtml(QStringLiteral("<html><head><title>Log In</title></head></html>"));
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), patience);
        QCOMPARE(view->title(), QStringLiteral("Log In"));

        dialog.setProgress(progress);
        QCOMPARE(dialog.loadProgress(), progress);
        QCOMPARE(dialog.windowTitle(), title);
        dialog.finishLoading(false);
        QCOMPARE(dialog.loadProgress(), 100);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Log In"));
    }

    // The web view's signals drive the title and the remembered address.
    void pageLoadsUpdateTitleAndLocation()
    {
        server->setHandler([](const Request &) {
            return Reply::answer(200, "text/html", "<html><head><title>Log In</title></head><body>form</body></html>");
        });
        FacebookDialog dialog;
        QSignalSpy loaded(webView(dialog), &QWebView::loadFinished);
        dialog.linkClicked(QUrl(QString::fromLatin1(base() + "/login.php?next=1")));
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), patience);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.windowTitle(), QStringLiteral("Log In"), patience);
        QCOMPARE(dialog.loadProgress(), 100);
        QTRY_VERIFY_WITH_TIMEOUT(server->requestsTo("/login.php?next=1") > 0, patience);

        // changeLocation reloads the address the view last finished loading.
        const int before = server->requestsTo("/login.php?next=1");
        loaded.clear();
        dialog.changeLocation();
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), patience);
        QTRY_VERIFY_WITH_TIMEOUT(server->requestsTo("/login.php?next=1") > before, patience);
    }

    // openPage's own request goes through the dialog's manager to the login check, like the view's.
    void openedPageReachesTheLoginCheck()
    {
        server->setHandler([](const Request &) { return Reply::answer(200, "text/html", "<html></html>"); });
        FacebookDialog dialog;
        QSignalSpy done(&dialog, &FacebookDialog::loginDone);
        QNetworkReply *reply =
            dialog.openPage(QString::fromLatin1(base() + "/connect/login_success.html#access_token=OPENED&x=1"));
        QVERIFY(reply);
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, patience);
        QCOMPARE(FacebookAuth::instance()->accessToken, QStringLiteral("OPENED"));
        QVERIFY(dialog.isLoggedIn());
        QCOMPARE(server->requests.size(), 1);
        QCOMPARE(server->requests.first().target, QByteArray("/connect/login_success.html"));
    }

    void languageChangeRestoresTheTitle()
    {
        FacebookDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Log In (45%)"));
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&dialog, &change);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Facebook"));
    }
};

QTEST_MAIN(TestSocial)
#include "tst_social.moc"

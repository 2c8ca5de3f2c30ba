// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/caldavclient.h"
#include "sync/caldavsession.h"
#include "tests/support/hostileserver.h"
#include "tests/support/radicale.h"
#include "tests/support/testenvironment.h"
#include "tests/support/troubledserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(WriteResult)

namespace {

const QString User = QStringLiteral("ada");
const QString Password = QStringLiteral("s3cret pass");

QByteArray item(const QString &uid, const QString &summary)
{
    return QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Brindlex//Oriventa//EN\r\nBEGIN:VEVENT\r\n"
                          "UID:%1\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20240301\r\nSUMMARY:%2\r\n"
                          "END:VEVENT\r\nEND:VCALENDAR\r\n")
        .arg(uid, summary)
        .toUtf8();
}

// Calls the client as a sync would; what came back, by file name: "<name>=<etag>" for listings,
// "<name>=<result>" for writes, "outside=Failed" when every write outside the collection failed.
QString callAs(CalDavClient &c, const QString &call, const QUrl &calendar)
{
    QList<CalendarInfo> found;
    QHash<QString, QByteArray> etags;
    if (call == "discover" || !c.listEtags(&etags))
        return call == "discover" && c.discover(calendar, &found) ? "found" : "failed";
    const QStringList outside{"/etc/passwd", "/other-user/cal/z.ics", calendar.path() + "../other/x.ics"};
    QList<RemoteItem> items;
    if (call == "fetch" && !c.fetch(etags.keys() + outside, &items))
        return "failed";
    for (const RemoteItem &fetched : items)
        etags.insert(fetched.href, "fetched " + fetched.etag);
    const auto write = [&](const QString &href, const QByteArray &etag) {
        QByteArray written;
        const WriteResult result = call == "put" ? c.put(href, item("x", "x"), etag, &written) : c.remove(href, etag);
        return result == WriteResult::Failed ? QByteArray("Failed") : call == "put" ? written : "Done";
    };
    QStringList outcome;
    if (call == "remove" || call == "put") {
        bool refused = true;
        for (const QString &href : outside)
            refused = write(href, "\"1\"") == "Failed" && refused;
        outcome << (refused ? "outside=Failed" : "outside=written");
    }
    for (auto listed = etags.cbegin(); listed != etags.cend(); ++listed) {
        const QByteArray result = call == "put" || call == "remove" ? write(listed.key(), listed.value()) : *listed;
        outcome << listed.key().section('/', -1) + '=' + result;
    }
    outcome.sort();
    return outcome.join(' ');
}

} // namespace

class TestCalDav : public QObject
{
    Q_OBJECT

    std::unique_ptr<Radicale> server;

    static std::unique_ptr<CalDavClient> client(const QString &password = Password, int limitMs = 10000)
    {
        return std::make_unique<CalDavClient>(User, password, QDeadlineTimer(limitMs));
    }

    // A fresh calendar for each test, so that none sees another's items.
    QUrl newCalendar(CalDavClient &c)
    {
        QUrl made;
        if (!c.makeCalendar(server->base(), QStringLiteral("Oriventa"), &made))
            qWarning("MKCALENDAR failed: %s", qPrintable(c.error()));
        c.setCalendar(made);
        return made;
    }

    QString storedFile(const QUrl &calendar, const QString &uid) const
    {
        return server->storageFolder() +
               QStringLiteral("/collection-root/%1/%2/%3.ics").arg(User, calendar.path().section('/', -2, -2), uid);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestEnvironment::reset());
        if (!Radicale::available())
            QSKIP("Radicale is not installed (/usr/bin/python3 -m radicale): apt-get install radicale");
        server = std::make_unique<Radicale>(User, Password);
        QVERIFY2(server->running(), qPrintable(server->problem()));
    }

    void discover_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("fromCollection");
        QTest::newRow("server root") << "/" << false;
        QTest::newRow("well-known address") << "/.well-known/caldav" << false;
        QTest::newRow("principal") << "/" + User + "/" << false;
        QTest::newRow("calendar collection") << QString() << true;
    }

    void discover()
    {
        QFETCH(QString, path);
        QFETCH(bool, fromCollection);
        const auto c = client();
        const QUrl made = newCalendar(*c);
        QVERIFY(made.isValid() && made.path().endsWith('/'));

        QList<CalendarInfo> calendars;
        QVERIFY2(c->discover(fromCollection ? made : server->base().resolved(QUrl(path)), &calendars),
                 qPrintable(c->error()));
        const auto found = std::find_if(calendars.cbegin(), calendars.cend(),
                                        [&](const CalendarInfo &info) { return info.url == made; });
        QVERIFY(found != calendars.cend());
        QCOMPARE(found->displayName, QStringLiteral("Oriventa"));
        if (fromCollection)
            QCOMPARE(calendars.size(), 1);
    }

    void conditionalWrites_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QString>("condition"); // "none": only where none exists; "current", "stale" etag
        QTest::addColumn<bool>("exists");
        QTest::addColumn<WriteResult>("expected");
        QTest::newRow("create") << false << "none" << false << WriteResult::Done;
        QTest::newRow("create where one exists") << false << "none" << true << WriteResult::PreconditionFailed;
        QTest::newRow("update the current version") << false << "current" << true << WriteResult::Done;
        QTest::newRow("update a stale version (the race)")
            << false << "stale" << true << WriteResult::PreconditionFailed;
        QTest::newRow("delete the current version") << true << "current" << true << WriteResult::Done;
        QTest::newRow("delete a stale version") << true << "stale" << true << WriteResult::PreconditionFailed;
        QTest::newRow("delete what is already gone") << true << "stale" << false << WriteResult::Done;
    }

    void conditionalWrites()
    {
        QFETCH(bool, remove);
        QFETCH(QString, condition);
        QFETCH(bool, exists);
        QFETCH(WriteResult, expected);
        const auto c = client();
        newCalendar(*c);
        const QString href = c->hrefFor(QStringLiteral("race"));
        QByteArray stale;
        QByteArray current;
        QVERIFY(c->put(href, item("race", "first"), {}, &stale) == WriteResult::Done);
        QVERIFY(c->put(href, item("race", "second"), stale, &current) == WriteResult::Done);
        QVERIFY(!stale.isEmpty() && !current.isEmpty() && stale != current);
        if (!exists)
            QVERIFY(c->remove(href, current) == WriteResult::Done);

        const QByteArray ifMatch = condition == "none" ? QByteArray() : condition == "stale" ? stale : current;
        QByteArray written;
        const WriteResult result =
            remove ? c->remove(href, ifMatch) : c->put(href, item("race", "third"), ifMatch, &written);
        QVERIFY2(result == expected, qPrintable(c->error()));

        // What the server holds now: a refused write changed nothing.
        QHash<QString, QByteArray> etags;
        QVERIFY(c->listEtags(&etags));
        QList<RemoteItem> items;
        QVERIFY(c->fetch(etags.keys(), &items));
        const bool gone = remove ? result == WriteResult::Done : !exists && result != WriteResult::Done;
        QCOMPARE(items.size(), gone ? 0 : 1);
        if (!gone) {
            const bool changed = !remove && result == WriteResult::Done;
            QVERIFY(items[0].data.contains(changed ? "SUMMARY:third" : "SUMMARY:second"));
            QCOMPARE(items[0].etag, changed ? written : current);
        }
    }

    void listFetchAndTag()
    {
        const auto c = client();
        newCalendar(*c);
        QByteArray emptyTag;
        QVERIFY(c->collectionTag(&emptyTag));

        // UIDs that need escaping in a path still name the same resource in the listing.
        const QStringList uids{QStringLiteral("4d2c9a1e-5b7f-4e0a-9c3d-1f2e3a4b5c6d"), QStringLiteral("a b@c+d"),
                               QStringLiteral("größe%20")};
        QHash<QString, QByteArray> written;
        QHash<QString, QString> uidOf;
        for (const QString &uid : uids) {
            QByteArray etag;
            QVERIFY2(c->put(c->hrefFor(uid), item(uid, uid), {}, &etag) == WriteResult::Done, qPrintable(c->error()));
            written.insert(c->hrefFor(uid), etag);
            uidOf.insert(c->hrefFor(uid), uid);
        }
        QByteArray tag;
        QVERIFY(c->collectionTag(&tag));
        QVERIFY(!tag.isEmpty() && tag != emptyTag);

        const int before = c->requestCount();
        QByteArray again;
        QVERIFY(c->collectionTag(&again));
        QCOMPARE(again, tag);
        QCOMPARE(c->requestCount(), before + 1);

        QHash<QString, QByteArray> etags;
        QVERIFY(c->listEtags(&etags));
        QCOMPARE(etags, written);
        // Among many that are not there, spread over as many multigets as run at once.
        QStringList asked = etags.keys();
        for (int i = 0; i < 600; ++i)
            asked.insert(1, c->hrefFor(QStringLiteral("missing-%1").arg(i)));
        QList<RemoteItem> items;
        QVERIFY(c->fetch(asked, &items));
        QCOMPARE(c->requestCount(), before + 2 + MostInFlight);
        QCOMPARE(items.size(), uids.size());
        for (const RemoteItem &fetched : items) {
            QCOMPARE(fetched.etag, written.value(fetched.href));
            QVERIFY2(fetched.data.contains(("UID:" + uidOf.value(fetched.href)).toUtf8()), qPrintable(fetched.href));
        }
    }

    void failures_data()
    {
        QTest::addColumn<TroubledServer::Trouble>("trouble");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("wrong password") << TroubledServer::WrongPassword << "password";
        QTest::newRow("server down") << TroubledServer::Down << "refused";
        QTest::newRow("server that never answers") << TroubledServer::Silent << "timed out";
        QTest::newRow("redirect to another server") << TroubledServer::Redirect << "elsewhere";
        QTest::newRow("self-signed certificate") << TroubledServer::SelfSignedTls << "SSL error";
    }

    void failures()
    {
        QFETCH(TroubledServer::Trouble, trouble);
        QFETCH(QString, errorPart);
        const auto owner = client();
        const QUrl calendar = newCalendar(*owner);
        const TroubledServer far(trouble, calendar, User, Password);
        QVERIFY2(far.problem().isEmpty(), qPrintable(far.problem()));

        // A short limit only where it is the point: TLS and the rest must not run into it on a busy machine.
        const auto c = client(far.password, trouble == TroubledServer::Silent ? 1000 : 10000);
        c->setCalendar(far.url);
        QElapsedTimer clock;
        clock.start();
        QByteArray etag;
        QCOMPARE(c->put(c->hrefFor(QStringLiteral("lost")), item("lost", "lost"), {}, &etag), WriteResult::Failed);
        QVERIFY2(c->error().contains(errorPart), qPrintable(c->error()));
        QVERIFY(!c->error().contains(Password));
        QVERIFY2(clock.elapsed() < 8000, "the deadline was not kept");
        QCOMPARE(c->requestCount(), 1);
        QList<CalendarInfo> found;
        QVERIFY(!c->discover(far.url, &found));
        QVERIFY2(c->error().contains(errorPart), qPrintable(c->error()));

        QVERIFY(!QFile::exists(storedFile(calendar, QStringLiteral("lost"))));
        QHash<QString, QByteArray> etags;
        QVERIFY(owner->listEtags(&etags));
        QVERIFY(etags.isEmpty());
    }

    void hostileServer_data()
    {
        QTest::addColumn<QString>("mode"); // how the server misbehaves: see tests/support/hostileserver.py
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("outcome"); // see callAs()
        QTest::addColumn<QString>("errorPart");
        const auto row = [](const char *name, const char *mode, const char *call, const QString &outcome,
                            const char *errorPart) {
            QTest::newRow(name) << QString(mode) << QString(call) << outcome << QString(errorPart);
        };
        const QString cut = "ctl.ics= good.ics=\"g1\" long.ics= none.ics= weak.ics=";
        row("endless answer", "endless", "list", "failed", "too large");
        row("answer said to be huge", "huge", "list", "failed", "too large");
        row("web page as a multistatus", "garbage", "list", "failed", "not WebDAV");
        row("web page in discovery", "html", "discover", "failed", "not WebDAV");
        row("redirect elsewhere in discovery", "redirect", "discover", "failed", "elsewhere");
        row("bad ETags and foreign hrefs listed", "listing", "list", cut, "");
        row("bad ETags and foreign hrefs fetched", "listing", "fetch", QString(cut).replace("=", "=fetched "), "");
        row("bad ETags in PUT answers", "listing", "put",
            "ctl.ics= good.ics=\"g1\" long.ics= none.ics=\"g1\" outside=Failed weak.ics=", "");
        row("deleting without a usable ETag", "listing", "remove",
            "ctl.ics=Failed good.ics=Done long.ics=Failed none.ics=Failed outside=Failed weak.ics=Failed",
            "no usable ETag");
    }

    void hostileServer()
    {
        QFETCH(QString, mode);
        QFETCH(QString, call);
        QFETCH(QString, outcome);
        QFETCH(QString, errorPart);
        const HostileServer hostile;
        QVERIFY(hostile.running());
        // The endless answer would run into this limit unless it is cut off first.
        CalDavClient c(User, Password, QDeadlineTimer(30000));
        c.setCalendar(hostile.calendar(mode));
        QCOMPARE(callAs(c, call, hostile.calendar(mode)), outcome);
        QVERIFY2(c.error().contains(errorPart), qPrintable(c.error()));

        for (const QJsonObject &request : hostile.requests()) {
            const QString sent = QJsonDocument(request).toJson();
            for (const char *outside : {"passwd", "other-user", "evil", "/other/", "deep", "x-injected"})
                QVERIFY2(!sent.contains(outside, Qt::CaseInsensitive), qPrintable(sent));
            const QJsonObject headers = request["headers"].toObject();
            QVERIFY(headers["user-agent"].toString().startsWith("Oriventa/"));
            // Only the one usable ETag may be a condition, and every DELETE has one.
            if (request["method"] == "DELETE" || headers.contains("if-match"))
                QCOMPARE(headers["if-match"].toString(), "\"g1\"");
        }
    }
};

QTEST_GUILESS_MAIN(TestCalDav)
#include "tst_caldav.moc"

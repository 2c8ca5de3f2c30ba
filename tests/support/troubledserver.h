// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/radicale.h"
#include "tests/support/testhttpserver.h"

#include <QMetaType>
#include <QString>
#include <QUrl>

#include <memory>

// A calendar in trouble in place of a working one, for the suites' failure tables: the address and
// password a client is to use instead, and what answers there while the object lives.
class TroubledServer
{
public:
    enum Trouble
    {
        Down,          // nothing listens: the connection is refused
        Silent,        // takes every request and never answers
        Redirect,      // sends every request on to another server
        SelfSignedTls, // a real server behind a certificate nobody trusts
        WrongPassword, // the working calendar, asked with another password
    };

    TroubledServer(Trouble trouble, const QUrl &calendar, const QString &user, const QString &secret)
        : url(calendar), password(secret), far([trouble](const TestHttpServer::Request &) {
              // Every request, discovery's included, meets the same trouble.
              return trouble == Redirect ? TestHttpServer::Reply::redirect("http://localhost:1/")
                                         : TestHttpServer::Reply::silence();
          })
    {
        if (trouble == Down)
            url = QUrl::fromEncoded(TestHttpServer::refusingBase() + "/cal/");
        if (trouble == Silent || trouble == Redirect)
            url = QUrl::fromEncoded(far.base() + "/cal/");
        if (trouble == WrongPassword)
            password = QStringLiteral("wrong");
        if (trouble == SelfSignedTls) {
            tls = std::make_unique<Radicale>(user, secret, Radicale::SelfSignedTls);
            url = tls->base().resolved(QUrl(calendar.path()));
        }
    }

    // Why the trouble is not in place; empty when it is.
    QString problem() const
    {
        return !tls || tls->running() ? QString() : QStringLiteral("the TLS server is not running. ") + tls->problem();
    }

    QUrl url;
    QString password;

private:
    TestHttpServer far;
    std::unique_ptr<Radicale> tls;
};

Q_DECLARE_METATYPE(TroubledServer::Trouble)

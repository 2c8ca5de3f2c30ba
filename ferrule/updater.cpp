// SPDX-License-Identifier: GPL-3.0-or-later
#include "ferrule/updater.h"

#include "ferrule/autocheck.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringList>
#include <QTimer>

namespace Ferrule {

namespace {

constexpr int requestTimeoutMs = 30 * 1000;
constexpr qint64 maxFeedSize = 64 * 1024;

void tell(QMessageBox::Icon icon, const QString &text, bool modal)
{
    auto *box = new QMessageBox(icon, QCoreApplication::translate("Ferrule::Updater", "Oriventa Update"), text,
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (modal) {
        box->exec();
    } else {
        box->show();
    }
}

} // namespace

Updater::Updater() = default;

Updater *getUpdater()
{
    static Updater *instance = new Updater;
    return instance;
}

bool Updater::autoRun() const
{
    return isAutoCheckOn();
}

void Updater::setAutoRun(bool on)
{
    setAutoCheckOn(on);
}

QUrl Updater::feedUrl()
{
    const QByteArray configured = qgetenv("ORIVENTA_UPDATE_FEED");
    if (!configured.isEmpty())
        return QUrl(QString::fromUtf8(configured));
    return QUrl(QStringLiteral("https://updates.brindlex.com/oriventa/version.json"));
}

int Updater::compareVersions(const QString &a, const QString &b)
{
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    for (int i = 0; i < std::max(left.size(), right.size()); ++i) {
        const qlonglong l = i < left.size() ? left.at(i).toLongLong() : 0;
        const qlonglong r = i < right.size() ? right.at(i).toLongLong() : 0;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

void Updater::autoCheck()
{
    if (autoRun())
        startCheck(false);
}

void Updater::manualCheck()
{
    startCheck(true);
}

void Updater::startCheck(bool manual)
{
    if (pending) {
        // A newer request replaces the one under way; the old one reports nothing.
        pending->disconnect(this);
        pending->abort();
        pending->deleteLater();
    }
    const QUrl url = feedUrl();
    if (!url.isValid() || !(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"))) {
        finishCheck(nullptr, manual);
        return;
    }
    if (!network)
        network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Oriventa/%1").arg(QCoreApplication::applicationVersion()));
    QNetworkReply *reply = network->get(request);
    pending = reply;
    auto *timeout = new QTimer(reply);
    timeout->setSingleShot(true);
    connect(timeout, &QTimer::timeout, reply, &QNetworkReply::abort);
    timeout->start(requestTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply, manual] { finishCheck(reply, manual); });
}

void Updater::finishCheck(QNetworkReply *reply, bool manual)
{
    Outcome outcome = Outcome::Failed;
    QString version;
    QUrl address;
    if (reply) {
        reply->deleteLater();
        if (reply->error() == QNetworkReply::NoError) {
            const QJsonObject feed = QJsonDocument::fromJson(reply->read(maxFeedSize)).object();
            version = feed.value(QLatin1String("version")).toString();
            address = QUrl(feed.value(QLatin1String("url")).toString());
            if (!version.isEmpty()) {
                const bool newer = compareVersions(version, QCoreApplication::applicationVersion()) > 0;
                outcome = newer ? Outcome::NewerVersion : Outcome::UpToDate;
            }
        }
    }
    Q_EMIT checkFinished(outcome, version, address);

    switch (outcome) {
    case Outcome::NewerVersion:
        tell(QMessageBox::Information,
             tr("Oriventa %1 is available. You can download it from:\n%2").arg(version, address.toString()), manual);
        break;
    case Outcome::UpToDate:
        if (manual)
            tell(QMessageBox::Information, tr("Oriventa is up to date."), true);
        break;
    case Outcome::Failed:
        if (manual)
            tell(QMessageBox::Warning, tr("The check for a newer version of Oriventa failed."), true);
        break;
    }
}

} // namespace Ferrule

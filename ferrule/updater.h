// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace Ferrule {

// Looks for a newer version in a small JSON feed: {"version": "1.2.3.4", "url": "https://..."}.
class Updater final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        NewerVersion,
        UpToDate,
        Failed
    };

    // Whether automatic checks are switched on; kept under the updater's own settings key.
    bool autoRun() const;
    void setAutoRun(bool on);

    // With automatic checks on, starts a check in the background. Start-up never waits for it;
    // a failure stays silent, a newer version is announced in a message box.
    void autoCheck();
    // Checks now and tells the user the outcome in a message box.
    void manualCheck();

    // The feed address: the ORIVENTA_UPDATE_FEED environment variable, or the maker's feed.
    static QUrl feedUrl();
    // Compares dotted version numbers part by part; missing parts count as 0.
    static int compareVersions(const QString &a, const QString &b);

Q_SIGNALS:
    // Emitted when a check ends, before any message box is shown.
    void checkFinished(Ferrule::Updater::Outcome outcome, const QString &version, const QUrl &address);

private:
    friend Updater *getUpdater();
    Updater();

    void startCheck(bool manual);
    void finishCheck(QNetworkReply *reply, bool manual);

    QNetworkAccessManager *network = nullptr;
    QPointer<QNetworkReply> pending;
};

// The process-wide updater, made on first use.
Updater *getUpdater();

} // namespace Ferrule

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/passwordstore.h"

#include "sync/sync.h"

#include <QEventLoop>
#include <QHash>
#include <QTimer>

#include <qt5keychain/keychain.h>

namespace PasswordStore {

namespace {

const QString Service = QStringLiteral("Oriventa");

QString accountKey(const QUrl &url, const QString &user)
{
    return user + QLatin1Char('@') + url.toString(QUrl::RemoveUserInfo);
}

QHash<QString, QString> &memory()
{
    static QHash<QString, QString> passwords;
    return passwords;
}

// Runs the job and waits for it at most `timeLimitMs`. A job that is still pending then is left to
// delete itself whenever it ends: its backend may yet call back into it.
Result run(QKeychain::Job *job, int timeLimitMs)
{
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&loop, &finished] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(timeLimitMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        QObject::disconnect(job, &QKeychain::Job::finished, &loop, nullptr);
        job->setAutoDelete(true);
        return Result::NoSecretStore;
    }
    switch (job->error()) {
    case QKeychain::NoError:
        return Result::Done;
    case QKeychain::EntryNotFound:
        return Result::NotFound;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
    case QKeychain::OtherError:
        return Result::NoSecretStore;
    default:
        return Result::Failed;
    }
}

} // namespace

Result readPassword(const QUrl &url, const QString &user, QString *password, int timeLimitMs)
{
    auto *job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(accountKey(url, user));
    const Result result = run(job, timeLimitMs);
    if (result == Result::Done)
        *password = job->textData();
    if (!job->autoDelete())
        delete job;
    return result;
}

Result writePassword(const QUrl &url, const QString &user, const QString &password, int timeLimitMs)
{
    auto *job = new QKeychain::WritePasswordJob(Service);
    job->setKey(accountKey(url, user));
    job->setTextData(password);
    const Result result = run(job, timeLimitMs);
    if (!job->autoDelete())
        delete job;
    return result;
}

Result deletePassword(const QUrl &url, const QString &user, int timeLimitMs)
{
    memory().remove(accountKey(url, user));
    auto *job = new QKeychain::DeletePasswordJob(Service);
    job->setKey(accountKey(url, user));
    const Result result = run(job, timeLimitMs);
    if (!job->autoDelete())
        delete job;
    return result;
}

void rememberForThisRun(const QUrl &url, const QString &user, const QString &password)
{
    memory().insert(accountKey(url, user), password);
}

bool keep(const QUrl &url, const QString &user, const QString &password)
{
    rememberForThisRun(url, user, password);
    return writePassword(url, user, password) == Result::Done;
}

bool availablePassword(const SyncSettings &settings, QString *password, bool *secretStoreRuns)
{
    if (secretStoreRuns)
        *secretStoreRuns = false;
    const auto remembered = memory().constFind(accountKey(settings.url, settings.user));
    if (remembered != memory().constEnd()) {
        *password = *remembered;
        return true;
    }
    const Result result = readPassword(settings.url, settings.user, password);
    if (secretStoreRuns)
        *secretStoreRuns = result == Result::Done || result == Result::NotFound;
    return result == Result::Done;
}

} // namespace PasswordStore

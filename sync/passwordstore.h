// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

struct SyncSettings;

// The sync password of one account (server address and user) in the desktop's secret store
// through QtKeychain, or, where no secret store runs, in this process's memory only. The password
// never reaches a file or a log.
namespace PasswordStore {

enum class Result
{
    Done,
    NotFound,      // the secret store runs but holds no password for the account
    NoSecretStore, // none runs, or it did not answer in time
    Failed,        // it refused (the user denied access, for one)
};

// How long one request to the secret store may take, in milliseconds.
constexpr int TimeLimitMs = 5000;

Result readPassword(const QUrl &url, const QString &user, QString *password, int timeLimitMs = TimeLimitMs);
Result writePassword(const QUrl &url, const QString &user, const QString &password, int timeLimitMs = TimeLimitMs);
Result deletePassword(const QUrl &url, const QString &user, int timeLimitMs = TimeLimitMs);

// Keeps the password for the rest of this run, for when no secret store runs.
void rememberForThisRun(const QUrl &url, const QString &user, const QString &password);
// Saves it in the secret store, or keeps it in memory when none runs. True when it is in the
// secret store.
bool keep(const QUrl &url, const QString &user, const QString &password);

// The password a sync of `settings` can use without asking: this run's memory, else the secret
// store. `secretStoreRuns` (may be null) tells whether a secret store answered.
bool availablePassword(const SyncSettings &settings, QString *password, bool *secretStoreRuns = nullptr);

} // namespace PasswordStore

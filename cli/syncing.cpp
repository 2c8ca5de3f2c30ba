// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/syncing.h"

#include "app/instancelock.h"
#include "cli/texts.h"
#include "model/eventstore.h"
#include "sync/passwordstore.h"
#include "sync/sync.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

// How far the sync has come, in one line on the terminal that is rewritten as it goes on and wiped
// when it ends, so that the summary or the error starts a clean line.
class ProgressLine
{
public:
    ProgressLine() = default;
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;
    ~ProgressLine() { show(QString()); }

    void show(const QString &text)
    {
        if (text == shown)
            return;
        QString line = QLatin1Char('\r') + text;
        // The rest of a longer line before is overwritten with blanks.
        if (text.size() < shown.size())
            line += QString(shown.size() - text.size(), QLatin1Char(' '));
        if (text.isEmpty())
            line += QLatin1Char('\r');
        const QByteArray bytes = line.toLocal8Bit();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
        std::fflush(stderr);
        shown = text;
    }

private:
    QString shown;
};

} // namespace

Outcome syncList(const Request &request, QString &out, QString &err)
{
    InstanceLock lock;
    if (lock.isHeldElsewhere()) {
        err += runningText();
        return Outcome::Running;
    }
    const SyncSettings stored = readSyncSettings();
    SyncSettings settings = stored;
    QString userInUrl;
    QString password;
    if (request.urlGiven)
        settings.url = addressFromText(request.url, &userInUrl, &password);
    if (request.userGiven)
        settings.user = request.user;
    else if (!userInUrl.isEmpty())
        settings.user = userInUrl;
    // A calendar belongs to its account: another account finds or makes its own.
    if (settings.url != stored.url || settings.user != stored.user)
        settings.calendar.clear();
    if (!settings.isConfigured()) {
        err += Cli::tr("oriventa-cli: no server address: use --url\n");
        return Outcome::FileError;
    }
    // A password in the address is used for this sync only, as one from standard input is.
    if (request.passwordFromStdin) {
        QTextStream input(stdin);
        password = input.readLine();
        if (password.isEmpty()) {
            err += Cli::tr("oriventa-cli: no password: standard input gave none\n");
            return Outcome::FileError;
        }
    } else if (password.isEmpty() && !PasswordStore::availablePassword(settings, &password)) {
        err += Cli::tr("oriventa-cli: no password: use --password-stdin\n");
        return Outcome::FileError;
    }
    SyncOptions options;
    options.allowDeletions = request.allowDeletions;
    // Asked for, the sync runs until it is done; each request keeps its own limit.
    options.timeLimitMs = 0;
    // Progress is for a person watching: a script or a log gets the summary alone.
    ProgressLine progress;
    if (!request.quiet && isatty(fileno(stderr)))
        options.progress = [&progress](const SyncProgress &now) {
            progress.show(now.text());
            return true;
        };
    const SyncOutcome outcome = syncEventsFile(settings, password, eventsFilePath(), options);
    if (!outcome.ok) {
        //: %1 is what went wrong, as the sync tells it
        err += Cli::tr("oriventa-cli: sync failed: %1\n").arg(outcome.error);
        if (outcome.deletionsHeld > 0)
            err += Cli::tr("oriventa-cli: run the sync again with --allow-deletions to delete them\n");
        return outcome.partial ? Outcome::Partial : Outcome::FileError;
    }
    // Only an address and user that worked replace the stored ones; the calendar found is kept too.
    if (settings.url != stored.url || settings.user != stored.user || settings.calendar != stored.calendar)
        writeSyncSettings(settings);
    if (!request.quiet)
        out += outcome.summaryText() + QLatin1Char('\n');
    return Outcome::Done;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Puts an events file's resources straight into a Radicale calendar folder, as a sync would upload
// them, so that a sync of a long list can be measured without first waiting for every upload.
// Given the collection's address and its current ctag, it also writes the sync state beside the
// events file, as after a finished sync.
// Usage: oriventa_fillcalendar EVENTS.evt COLLECTION_FOLDER [CALENDAR_URL CTAG]
#include "model/clock.h"
#include "model/eventstore.h"
#include "sync/sync.h"
#include "sync/syncengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <cstdio>

namespace {

// A calendar that is a folder: each resource one file. Files already there (uploaded by a real
// sync) are kept as the server wrote them.
class FolderCalendar final : public RemoteCalendar
{
public:
    explicit FolderCalendar(const QString &path) : folder(path) {}

    QString error() const override { return why; }
    bool collectionTag(QByteArray *tag) override
    {
        tag->clear();
        return true;
    }
    bool listEtags(QHash<QString, QByteArray> *etags) override
    {
        etags->clear();
        return true;
    }
    bool fetch(const QStringList &, QList<RemoteItem> *items) override
    {
        items->clear();
        return true;
    }
    WriteResult put(const QString &href, const QByteArray &data, const QByteArray &, QByteArray *newEtag) override
    {
        newEtag->clear();
        QFile file(folder.filePath(href));
        if (file.exists())
            return WriteResult::Done;
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
            why = QStringLiteral("cannot write %1").arg(file.fileName());
            return WriteResult::Failed;
        }
        ++written;
        return WriteResult::Done;
    }
    WriteResult remove(const QString &, const QByteArray &) override { return WriteResult::Done; }
    QString hrefFor(const QString &uid) const override { return uid + QStringLiteral(".ics"); }

    int written = 0;

private:
    QDir folder;
    QString why;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if ((arguments.size() != 3 && arguments.size() != 5) || !QDir(arguments[2]).exists()) {
        std::fprintf(stderr, "usage: oriventa_fillcalendar EVENTS.evt COLLECTION_FOLDER [CALENDAR_URL CTAG]\n");
        return 2;
    }
    LoadStatus status = LoadStatus::Missing;
    EventStore events = loadEvents(arguments[1], &status);
    const auto release = qScopeGuard([&events] { qDeleteAll(events); });
    if (status != LoadStatus::Complete) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    FolderCalendar calendar(arguments[2]);
    SyncState state;
    const SyncOutcome outcome = syncEvents(events, state, calendar, Clock::today(), Preferences());
    if (!outcome.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(outcome.error));
        return 1;
    }
    if (arguments.size() == 5) {
        state.calendar = arguments[3];
        state.collectionTag = arguments[4].toUtf8();
        if (!writeSyncState(state, syncStatePath(arguments[1]))) {
            std::fprintf(stderr, "cannot write the sync state\n");
            return 1;
        }
    }
    std::printf("%d resources written\n", calendar.written);
    return 0;
}

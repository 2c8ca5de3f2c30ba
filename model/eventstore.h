// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"
#include "model/savefile.h"

#include <QList>
#include <QString>

#include <functional>

class QIODevice;

// An ordered list of events; whoever holds the list owns the events in it.
using EventStore = QList<Event *>;

enum class LoadStatus
{
    Complete, // the file was read to its end and held exactly the records it announced
    Missing,  // the file could not be opened; the list is empty
    Damaged,  // the file ended inside a record, or went on after the last one
};

// The events file in the per-user data directory.
QString eventsFilePath();

// Reads an events file. A damaged file yields the whole records before the damage; the count at
// its head is never trusted for allocation.
EventStore loadEvents(const QString &path, LoadStatus *status = nullptr);
EventStore loadEvents(QIODevice &device, LoadStatus *status = nullptr);

// Looks through the events of a file one at a time, without keeping them, until `visit` answers
// true; true when it did. It sees exactly the records loadEvents keeps, but not their names.
bool findEvent(const QString &path, const std::function<bool(const Event &)> &visit);

// The name of a record met by findEvent, left as the file's bytes: most records looked at are not
// kept, and decoding every name would cost more than the date rules.
class RecordName
{
public:
    RecordName(const uchar *bytes, quint32 size) : m_bytes(bytes), m_size(size) {}
    // The name as loadEvents reads it (a null string stays null).
    QString toString() const;

private:
    const uchar *m_bytes;
    quint32 m_size;
};

// The same look through a file, with each record's name at hand while `visit` runs. `damaged` (may
// be null) is set when the look ran into damage (as loadEvents's LoadStatus::Damaged).
bool findEvent(const QString &path, const std::function<bool(const Event &, const RecordName &)> &visit,
               bool *damaged = nullptr);

// Writes the events in list order. The file is replaced atomically, so a failed save leaves the
// previous file whole. Failures are not reported to the user; the result says whether it worked,
// and `error` (may be null) why not.
bool saveEvents(const EventStore &events, const QString &path, QString *error = nullptr);
bool saveEvents(const EventStore &events, QIODevice &device);

// Saves the events; when the file at `path` is `damaged`, it is first kept beside the new one as
// <path>.damaged-<yyyyMMdd-HHmmss> (see saveFileKeepingOriginal). EventsFile saves this way.
SaveOutcome saveEventsKeepingDamaged(const EventStore &events, const QString &path, bool damaged,
                                     NewFileAccess access = NewFileAccess::Shared);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventstore.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QString>

class QFile;

// What is known of a list saved after its file was found damaged, kept beside the events file
// until both halves are done: the user has been told, and a sync has taken back what the server
// holds of the events that could not be read.
struct DamageNote
{
    QString keptCopy; // the damaged file as it was; empty when it could not be kept
    int eventsRead = 0;
    bool restorePending = false;
    bool reported = false;

    bool isPending() const { return restorePending || !reported; }
};

// The one owner of an events file, for the windows, the notifications, the command line and the
// sync alike: it opens the file and says what it found, owns the events read, and saves them
// atomically, keeping a damaged file aside and never writing over a file it could not read.
class EventsFile final
{
    Q_DECLARE_TR_FUNCTIONS(EventsFile)

public:
    enum class State
    {
        Fine,       // read to its end
        Missing,    // not there: a new list
        Unreadable, // there (or behind a link) but not readable: reason() says why; never saved over
        Damaged,    // read up to the damage: eventsRead() events
    };

    explicit EventsFile(const QString &path = eventsFilePath());
    ~EventsFile();
    EventsFile(const EventsFile &) = delete;
    EventsFile &operator=(const EventsFile &) = delete;

    // Reads the file, replacing the events held.
    State open();
    // What the file's state would be, without reading its records: Fine, Missing or Unreadable.
    // With `opened`, a Fine file is left open there for reading.
    static State probe(const QString &path, QString *reason, QFile *opened = nullptr);
    // For starts that look through the file without opening it here: logs why it cannot be read.
    // True when it can be (or is missing).
    static bool logIfUnreadable(const QString &path);

    State state() const { return m_state; }
    const QString &path() const { return m_path; }
    const QString &reason() const { return m_reason; }
    int eventsRead() const { return m_eventsRead; }

    EventStore &events() { return m_events; }
    // Hands the events to the caller, who then owns them; the file keeps its state.
    EventStore takeEvents();

    // Keeps a copy of a damaged file now, so that the user can be told where it is; the save then
    // needs no copy. The copy's path, or empty when there is none.
    QString keepDamagedCopy();
    const QString &keptCopy() const { return m_keptCopy; }

    // Saves the events held, or `events`, in their order. Over a damaged file the damaged bytes
    // are kept first (and a note that the list lacks what they held); over an unreadable one
    // nothing is written. False with saveError() when the file was not written.
    bool save();
    bool save(const EventStore &events);
    const QString &saveError() const { return m_saveError; }
    // After a save over a damaged file: what became of it.
    KeptOriginal keptOriginal() const { return m_kept; }

    // The note of an earlier damage, if any is still pending.
    DamageNote damageNote() const;
    // The user has been told of the damage (now, or from the note).
    void setDamageReported();
    // A sync has taken back what the server holds: events missing here are deletions again.
    void setRestoreDone();

private:
    void writeNote(const DamageNote &note) const;
    QString notePath() const;

    QString m_path;
    State m_state = State::Missing;
    QString m_reason;
    int m_eventsRead = 0;
    EventStore m_events;
    QString m_keptCopy;
    QString m_saveError;
    KeptOriginal m_kept = KeptOriginal::NotNeeded;
    bool m_reported = false;
};

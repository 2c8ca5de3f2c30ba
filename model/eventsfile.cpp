// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/eventsfile.h"

#include "model/clock.h"
#include "model/logging.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString KeptCopyKey = QStringLiteral("keptCopy");
const QString EventsReadKey = QStringLiteral("eventsRead");
const QString RestoreKey = QStringLiteral("restorePending");
const QString ReportedKey = QStringLiteral("reported");

// A link on the way to `path` that leads nowhere: the file lies on a mount or in a folder that
// is not there now, which is not the same as a list that was never saved.
QString brokenLinkOnTheWay(const QString &path)
{
    for (QFileInfo info(path); !info.isRoot() && !info.filePath().isEmpty(); info = QFileInfo(info.path())) {
        if (info.isSymLink() && !info.exists())
            //: Why the events file cannot be read; %1 is a link on its way, %2 where the link points.
            return EventsFile::tr("%1 is a link to %2, which cannot be reached")
                .arg(QDir::toNativeSeparators(info.filePath()), QDir::toNativeSeparators(info.symLinkTarget()));
        if (info.path() == info.filePath())
            break;
    }
    return QString();
}

QString savedStamp()
{
    return Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

} // namespace

EventsFile::EventsFile(const QString &path) : m_path(path) {}

EventsFile::~EventsFile()
{
    qDeleteAll(m_events);
}

EventsFile::State EventsFile::probe(const QString &path, QString *reason, QFile *opened)
{
    QFile own(path);
    QFile &file = opened ? *opened : own;
    file.setFileName(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        //: Why the events file cannot be read: its path names a folder.
        *reason = tr("it is a folder");
        return State::Unreadable;
    }
    if (file.open(QIODevice::ReadOnly))
        return State::Fine;
    *reason = brokenLinkOnTheWay(path);
    if (!reason->isEmpty())
        return State::Unreadable;
    if (!info.exists())
        return State::Missing;
    *reason = fileErrorText(file);
    return State::Unreadable;
}

namespace {

void logUnreadable(const QString &path, const QString &reason)
{
    qCWarning(lcModel).noquote()
        << QStringLiteral("%1 could not be read: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

bool EventsFile::logIfUnreadable(const QString &path)
{
    QString reason;
    if (probe(path, &reason) != State::Unreadable)
        return true;
    logUnreadable(path, reason);
    return false;
}

EventsFile::State EventsFile::open()
{
    qDeleteAll(m_events);
    m_events.clear();
    m_reason.clear();
    m_eventsRead = 0;
    m_keptCopy.clear();
    m_kept = KeptOriginal::NotNeeded;
    // The probe's own open is the one read from: the file is opened once.
    QFile file;
    m_state = probe(m_path, &m_reason, &file);
    if (m_state == State::Unreadable)
        logUnreadable(m_path, m_reason);
    if (m_state != State::Fine)
        return m_state;
    LoadStatus status = LoadStatus::Missing;
    m_events = loadEvents(file, &status);
    // A read that fails half-way (a mount gone, a disk error) is not damage in the file.
    if (file.error() != QFileDevice::NoError) {
        m_reason = fileErrorText(file);
        qDeleteAll(m_events);
        m_events.clear();
        return m_state = State::Unreadable;
    }
    m_eventsRead = m_events.size();
    if (status != LoadStatus::Damaged)
        return m_state = State::Fine;
    qCWarning(lcModel).noquote() << QStringLiteral("%1 is damaged: %2 events could be read")
                                        .arg(QDir::toNativeSeparators(m_path))
                                        .arg(m_eventsRead);
    return m_state = State::Damaged;
}

EventStore EventsFile::takeEvents()
{
    EventStore taken;
    taken.swap(m_events);
    return taken;
}

QString EventsFile::keepDamagedCopy()
{
    if (m_state == State::Damaged && m_keptCopy.isEmpty())
        m_keptCopy = keepCopy(m_path, m_path + QStringLiteral(".damaged-") + savedStamp());
    if (!m_keptCopy.isEmpty())
        m_kept = KeptOriginal::Copied;
    return m_keptCopy;
}

bool EventsFile::save()
{
    return save(m_events);
}

bool EventsFile::save(const EventStore &events)
{
    m_saveError.clear();
    SaveOutcome outcome;
    if (m_state == State::Unreadable) {
        //: Why the events file was not saved; %1 is why it could not be read.
        outcome.error = tr("it could not be read (%1), and saving would replace it").arg(m_reason);
    } else {
        // A copy kept already (see keepDamagedCopy) needs no second one.
        const bool keep = m_state == State::Damaged && m_keptCopy.isEmpty();
        outcome = saveEventsKeepingDamaged(events, m_path, keep, NewFileAccess::Private);
        if (keep) {
            m_kept = outcome.original;
            m_keptCopy = outcome.keptPath;
        }
    }
    if (!outcome.saved) {
        m_saveError = outcome.error;
        // Unattended starts have no one to tell: the log keeps it, and the old file stays as it was.
        qCWarning(lcModel).noquote()
            << QStringLiteral("%1 could not be saved: %2").arg(QDir::toNativeSeparators(m_path), m_saveError);
        return false;
    }
    if (m_state == State::Damaged) {
        // The list no longer holds what the damaged part did: the next sync takes it back.
        writeNote({m_keptCopy, m_eventsRead, true, m_reported});
    }
    m_state = State::Fine;
    return true;
}

QString EventsFile::notePath() const
{
    return m_path + QStringLiteral(".damage-note");
}

DamageNote EventsFile::damageNote() const
{
    QFile file(notePath());
    DamageNote note;
    note.reported = true;
    if (!file.open(QIODevice::ReadOnly))
        return note;
    const QJsonObject root = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    note.keptCopy = root.value(KeptCopyKey).toString();
    note.eventsRead = std::max(0, root.value(EventsReadKey).toInt());
    // A note that cannot be read still means that something was lost: restore, and say so.
    note.restorePending = root.value(RestoreKey).toBool(true);
    note.reported = root.value(ReportedKey).toBool(false);
    return note;
}

void EventsFile::writeNote(const DamageNote &note) const
{
    if (!note.isPending()) {
        QFile::remove(notePath());
        return;
    }
    const QByteArray bytes = QJsonDocument(QJsonObject{{KeptCopyKey, note.keptCopy},
                                                       {EventsReadKey, note.eventsRead},
                                                       {RestoreKey, note.restorePending},
                                                       {ReportedKey, note.reported}})
                                 .toJson();
    saveFileAtomically(
        notePath(), [&bytes](QIODevice &device) { return writeAll(device, bytes); }, NewFileAccess::Private);
}

void EventsFile::setDamageReported()
{
    m_reported = true;
    DamageNote note = damageNote();
    if (note.isPending() && !note.reported) {
        note.reported = true;
        writeNote(note);
    }
}

void EventsFile::setRestoreDone()
{
    DamageNote note = damageNote();
    if (note.restorePending) {
        note.restorePending = false;
        writeNote(note);
    }
}

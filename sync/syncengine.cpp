// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/syncengine.h"

#include "sync/mergeitems.h"
#include "sync/syncresource.h"

#include <QCoreApplication>
#include <QSet>

#include <functional>
#include <memory>
#include <utility>

// Why a sync cut off at any moment loses nothing and makes no false conflict:
// - The list and the state are staged here; the caller saves the list, then the state. A run that
//   stops early (cut off, failed, cancelled) hands back only the items it settled: the list with
//   their changes, the state with their entries, every other item as the last finished run left it,
//   and no collection tag. Each item's entry is what a finished run would record for it, so the
//   next run finds that item settled and goes on with the others.
// - The server changes as the run goes, each write guarded by If-Match / If-None-Match, so a write
//   never replaces a version this run has not seen. Each item's action is decided before any write
//   (names a new one takes are reserved then); the writes go out several at a time, and their
//   answers are applied in the order of the items, so that timing changes nothing.
// - A conflict uploads the server's version as a new resource first, and only when it is there ours
//   over it, so the server's version is always somewhere on the server. The copy is kept in a run
//   that stops early only with the event it was made for: else the next run, meeting the conflict
//   again, would make a second copy instead of finding the first by its name's UID.
// - A UID is the state's for the event's name, else derived from the name; after a lost state the
//   same event gets the same UID again, or is matched to a new resource of equal content.
// - So whatever the next run finds (an upload done but not recorded, a list saved without its
//   state, a state file lost), the two sides' contents are compared: equal ones are recorded, not
//   uploaded, taken or counted as conflicts, and only a real difference on both sides keeps both.
//   Without a state a deletion cannot be told from an addition on the other side: the event comes
//   back, which loses nothing.
// - A resource listed without a usable ETag cannot be written over or deleted safely: it waits,
//   untouched, until the server names its version.
// - Names stay unique in the list: what comes in under a name taken here gets a free one, and that
//   goes back up as well, so that every machine knows the event by one name.

namespace {

constexpr int attemptsPerItem = 3;
// Resources are fetched in pieces of this many, to tell how far the download has come.
constexpr int FetchPiece = 300;

enum class Step
{
    Settled,
    Unsettled, // left as it is for the next run
    Stale,     // the server changed meanwhile: look again
    Failed,
    Pending, // its write is queued: the answer decides
};

// A write decided, and what its answer does.
struct Pending
{
    QString uid; // the item the answer settles
    Write write;
    std::function<Step(const Written &)> then;
};

class Merge
{
public:
    Merge(EventStore &events, SyncState &state, RemoteCalendar &remote, QDate today, const Preferences &defaults,
          const SyncOptions &options)
        : m_events(events), m_state(state), m_work(state), m_remote(remote), m_today(today), m_defaults(defaults),
          m_options(options)
    {
    }

    SyncOutcome run()
    {
        m_locals = claimLocalEvents(m_events, m_work.items);
        for (const Event *event : qAsConst(m_events))
            useName(syncedForm(*event).name, 1);
        QByteArray tag;
        if (!tell(SyncProgress::Stage::Reading, 0, 0) || !m_remote.collectionTag(&tag))
            return failed();
        if (!tag.isEmpty() && tag == m_state.collectionTag && !changedHere()) {
            m_outcome.ok = true;
            return m_outcome;
        }
        if (!tell(SyncProgress::Stage::Reading, 0, 0) || !readRemote())
            return failed();
        matchNewByContent();
        if (!m_options.allowDeletions && holdMassDeletion())
            return m_outcome;

        // Items of this list or of the state first, so that a copy made in a conflict meets a
        // resource an earlier, cut-off run uploaded for it before that resource is taken as new.
        QStringList first, last;
        for (auto it = m_remoteItems.cbegin(); it != m_remoteItems.cend(); ++it)
            if (!m_locals.contains(it.key()) && !m_work.items.contains(it.key()))
                last << it.key();
        first = QStringList(m_locals.keys()) + m_work.items.keys();
        first.sort();
        first.removeDuplicates();
        last.sort();
        m_batching = true;
        for (const QString &uid : first + last)
            settle(uid);
        m_batching = false;
        sendQueued();
        if (m_stopped)
            return failed();

        m_work.collectionTag = m_unsettled ? QByteArray() : confirmedTag(tag);
        applyToList([](const QString &) { return true; });
        m_state = m_work;
        m_outcome.ok = true;
        return m_outcome;
    }

private:
    SyncOutcome failed()
    {
        // What was done is in the list and the state; the counts of a run that did not finish
        // would tell of items the next run meets again.
        keepSettled();
        const SyncOutcome kept = std::exchange(m_outcome, SyncOutcome());
        m_outcome.listChanged = kept.listChanged;
        m_outcome.keptSome = kept.keptSome;
        // Part of the work: written on the server, or taken into the list.
        m_outcome.partial = m_wrote || kept.listChanged;
        m_outcome.cancelled = m_cancelled;
        if (m_cancelled)
            //: Why a sync ended, shown after "sync failed: " (the user stopped it).
            m_outcome.error = QCoreApplication::translate("Sync", "cancelled");
        else if (m_timedOut)
            m_outcome.error = QCoreApplication::translate("CalDav", "timed out");
        else if (m_remote.error().isEmpty())
            m_outcome.error = QCoreApplication::translate("Sync", "The server did not answer as expected.");
        else
            m_outcome.error = m_remote.error();
        return m_outcome;
    }

    // False once the user has cancelled.
    bool tell(SyncProgress::Stage stage, int done, int total)
    {
        if (!m_cancelled && m_options.progress && !m_options.progress(SyncProgress{stage, done, total}))
            m_cancelled = m_stopped = true;
        return !m_cancelled;
    }

    // What a run that stops early hands back (see the top of this file).
    void keepSettled()
    {
        const auto kept = [this](const QString &uid) {
            return m_settled.contains(uid) && (!m_copyFor.contains(uid) || m_settled.contains(m_copyFor[uid]));
        };
        SyncState state = m_state;
        state.collectionTag.clear();
        QHash<QString, QString> keptAt; // href → uid
        bool any = false;
        for (const QString &uid : qAsConst(m_settled)) {
            if (!kept(uid))
                continue;
            any = true;
            state.items.remove(uid);
            if (m_work.items.contains(uid)) {
                state.items.insert(uid, m_work.items[uid]);
                keptAt.insert(m_work.items[uid].href, uid);
            }
        }
        if (!any)
            return;
        applyToList(kept);
        // An old entry on the href of a settled item says nothing true any more.
        for (auto it = state.items.begin(); it != state.items.end();)
            it = keptAt.value(it->href, it.key()) != it.key() ? state.items.erase(it) : std::next(it);
        m_state = state;
        m_outcome.keptSome = true;
    }

    // The sync's time limit covers reading what the server sent, not only waiting for it.
    bool inTime()
    {
        m_timedOut = m_options.deadline.hasExpired();
        return !m_timedOut;
    }

    void useName(const QString &name, int change)
    {
        if ((m_names[name] += change) <= 0)
            m_names.remove(name);
    }

    // A name no event here bears, but the one that now bears `own`.
    QString freeName(const QString &name, NameNote note, const QString &own = QString()) const
    {
        return ::freeName(name, note, [&](const QString &candidate) {
            return m_names.value(candidate) > (candidate == own ? 1 : 0);
        });
    }

    // Only events the list once held and the server still holds unchanged are deleted there.
    bool deletesThere(const QString &uid, const SyncedItem &base) const
    {
        const auto remote = m_remoteItems.constFind(uid);
        return !m_options.restoreMissing && !m_locals.contains(uid) && remote != m_remoteItems.cend() &&
               !remote->foreign && !remote->unknown && sameContent(*remote, base.event);
    }

    // Stops before the first write when most of the calendar would go.
    bool holdMassDeletion()
    {
        int deletions = 0;
        for (auto it = m_work.items.cbegin(); it != m_work.items.cend(); ++it)
            deletions += deletesThere(it.key(), *it) ? 1 : 0;
        const int there = m_listed.size();
        if (deletions < MassDeletionMinimum || deletions * 2 <= there)
            return false;
        m_outcome = SyncOutcome();
        m_outcome.deletionsHeld = deletions;
        m_outcome.heldThere = there;
        m_outcome.error = QCoreApplication::translate("Sync",
                                                      "This sync would delete %1 of the %n events on the server, "
                                                      "because they are no longer in your list. Nothing was "
                                                      "changed: if you did delete them, allow the deletion.",
                                                      "", there)
                              .arg(deletions);
        return true;
    }

    bool changedHere() const
    {
        for (auto it = m_locals.cbegin(); it != m_locals.cend(); ++it) {
            const auto base = m_work.items.constFind(it.key());
            if (it->syncable && (base == m_work.items.cend() || base->event != syncedForm(it->event)))
                return true;
        }
        for (auto it = m_work.items.cbegin(); it != m_work.items.cend(); ++it)
            if (!m_locals.contains(it.key()))
                return true;
        return false;
    }

    // A resource without an ETag (none, or none safe to send back) is left for a run that has one.
    RemoteItemState parse(const RemoteItem &item, QString *uid)
    {
        RemoteItemState read{item.href, item.etag, Event(), true, false, false};
        std::unique_ptr<Event> event(eventFromResource(item.data, m_today, m_defaults, uid, nullptr, &read.carriesAll));
        if (event)
            read.event = *event;
        read.foreign = !event;
        read.unknown = item.etag.isEmpty() || m_listed.value(item.href).isEmpty();
        return read;
    }

    // Lists the collection and fetches what changed since the last sync.
    bool readRemote()
    {
        if (!m_remote.listEtags(&m_listed))
            return false;
        QHash<QString, QString> uidAt;
        for (auto it = m_work.items.cbegin(); it != m_work.items.cend(); ++it)
            uidAt.insert(it->href, it.key());
        QStringList wanted;
        for (auto it = m_listed.cbegin(); it != m_listed.cend(); ++it) {
            const QString uid = uidAt.value(it.key());
            if (!uid.isEmpty() && !it->isEmpty() && m_work.items[uid].etag == *it)
                m_remoteItems.insert(uid, RemoteItemState{it.key(), *it, m_work.items[uid].event, true, false, false});
            else
                wanted << it.key();
        }
        QList<RemoteItem> fetched;
        for (int first = 0; first < wanted.size(); first += FetchPiece) {
            QList<RemoteItem> piece;
            if (!tell(SyncProgress::Stage::Downloading, first, wanted.size()) ||
                !m_remote.fetch(wanted.mid(first, FetchPiece), &piece))
                return false;
            fetched += piece;
        }
        if (!wanted.isEmpty() && !tell(SyncProgress::Stage::Downloading, wanted.size(), wanted.size()))
            return false;
        QSet<QString> arrived;
        for (const RemoteItem &item : qAsConst(fetched)) {
            if (!m_listed.contains(item.href) || arrived.contains(item.href))
                continue;
            arrived.insert(item.href);
            QString uid;
            const RemoteItemState read = parse(item, &uid);
            if (!inTime())
                return false;
            if (uidAt.contains(item.href)) {
                uid = uidAt[item.href];
            } else if (m_work.items.contains(uid) && !m_listed.contains(m_work.items[uid].href)) {
                m_work.items[uid].href = item.href; // the server names it another way now
            } else if (uid.isEmpty() || m_work.items.contains(uid) || m_remoteItems.contains(uid)) {
                m_foreign.insert(item.href, item.etag); // a second resource of one UID: not ours to sort out
                continue;
            }
            if (read.foreign)
                m_foreign.insert(item.href, item.etag);
            m_remoteItems.insert(uid, read);
        }
        // A resource listed but not delivered is left for the next run.
        for (const QString &href : qAsConst(wanted)) {
            if (!arrived.contains(href) && uidAt.contains(href))
                m_remoteItems.insert(uidAt[href], RemoteItemState{href, m_listed[href], Event(), true, false, true});
        }
        return true;
    }

    // A new event here and a new resource there with the same contents are one item (the list
    // was saved, its state was not).
    void matchNewByContent()
    {
        QHash<QString, QStringList> newThere;
        for (auto it = m_remoteItems.cbegin(); it != m_remoteItems.cend(); ++it)
            if (!it->foreign && !it->unknown && !m_work.items.contains(it.key()) && !m_locals.contains(it.key()))
                newThere[it->event.name].append(it.key());
        const QStringList uids = m_locals.keys();
        for (const QString &uid : uids) {
            const LocalItem local = m_locals[uid];
            if (m_work.items.contains(uid) || m_remoteItems.contains(uid) || !local.syncable)
                continue;
            QStringList &candidates = newThere[syncedForm(local.event).name];
            for (int c = 0; c < candidates.size(); ++c) {
                if (sameContent(m_remoteItems[candidates[c]], local.event)) {
                    m_locals.remove(uid);
                    m_locals.insert(candidates.takeAt(c), local);
                    break;
                }
            }
        }
    }

    Step settle(const QString &uid)
    {
        if (m_done.contains(uid))
            return Step::Settled;
        m_done.insert(uid);
        return finish(uid, settleOnce(uid));
    }

    // After a refused write the item is looked at again, as a whole.
    Step finish(const QString &uid, Step step)
    {
        for (int attempt = 1; step == Step::Stale && attempt < attemptsPerItem && !m_stopped; ++attempt)
            step = lookAgain(uid) ? settleOnce(uid) : Step::Failed;
        if (step == Step::Stale)
            step = Step::Unsettled;
        if (step == Step::Unsettled)
            m_unsettled = true;
        if (step == Step::Settled)
            m_settled.insert(uid);
        if (step == Step::Failed)
            m_stopped = true;
        return step;
    }

    // While the actions are decided, a write is queued; later (a second write of one item, a look
    // again) it goes at once, and not at all once the run stops.
    Step send(const QString &uid, const Write &write, const std::function<Step(const Written &)> &then)
    {
        if (m_batching) {
            m_queue << Pending{uid, write, then};
            return Step::Pending;
        }
        if (m_stopped)
            return Step::Unsettled;
        const QList<Written> done = m_remote.write({write}, {});
        return then(done.value(0));
    }

    // The queued writes, the puts in one wave and the deletions in another, several in flight at
    // once; the answers are applied in the order the writes were decided.
    void sendQueued()
    {
        const QList<Pending> queue = std::exchange(m_queue, {});
        for (const bool deleting : {false, true}) {
            QList<Pending> wave;
            QList<Write> writes;
            for (const Pending &pending : queue)
                if (pending.write.remove == deleting) {
                    wave << pending;
                    writes << pending.write;
                }
            const auto stage = deleting ? SyncProgress::Stage::Deleting : SyncProgress::Stage::Uploading;
            if (wave.isEmpty() || m_stopped || !tell(stage, 0, wave.size())) {
                m_unsettled = m_unsettled || !wave.isEmpty();
                continue;
            }
            int done = 0;
            const QList<Written> results = m_remote.write(writes, [&](const Written &result) {
                return result.result != WriteResult::Failed && tell(stage, ++done, wave.size());
            });
            for (int i = 0; i < results.size(); ++i)
                finish(wave[i].uid, wave[i].then(results[i]));
            m_unsettled = m_unsettled || results.size() < wave.size();
            // Writes left unsent (a failure or a cancel on the way, even one a redirect later
            // mended) end the run as stopped, keeping only what was settled.
            if (results.size() < wave.size())
                m_stopped = true;
        }
    }

    Step settleOnce(const QString &uid)
    {
        LocalItem *local = m_locals.contains(uid) && !m_locals[uid].removed ? &m_locals[uid] : nullptr;
        const SyncedItem *base = m_work.items.contains(uid) ? &m_work.items[uid] : nullptr;
        const RemoteItemState *remote = m_remoteItems.contains(uid) ? &m_remoteItems[uid] : nullptr;
        if ((remote && remote->unknown) || (local && !local->syncable))
            return Step::Unsettled;
        if (remote && remote->foreign) {
            m_work.items.remove(uid);
            return Step::Settled;
        }
        const bool changedHere = local && (!base || base->event != syncedForm(local->event));
        const bool changedThere = remote && (!base || !sameContent(*remote, base->event));

        if (local && remote && sameContent(*remote, local->event)) {
            record(uid, remote->href, remote->etag, local->event);
            return Step::Settled;
        }
        Event answers;
        if (local && remote && changedHere && changedThere && remote->carriesAll &&
            mergeAnswers(syncedForm(local->event), remote->event, &answers))
            return mergeBoth(uid, *remote, answers);
        if (local && remote && changedHere && changedThere)
            return keepBoth(uid, local->event, *remote);
        if (local && changedHere)
            return upload(uid, local->event,
                          remote ? remote->href
                          : base ? base->href
                                 : m_remote.hrefFor(uid),
                          remote ? remote->etag : QByteArray());
        if (remote && changedThere)
            return take(uid, *remote, m_outcome.downloaded);
        if (local) { // unchanged here, gone there
            local->removed = true;
            useName(syncedForm(local->event).name, -1);
            m_work.items.remove(uid);
            ++m_outcome.deletedHere;
            return Step::Settled;
        }
        if (remote && m_options.restoreMissing) // never read here: the server's copy comes back
            return take(uid, *remote, m_outcome.restored);
        if (remote) // unchanged there, gone here
            return removeThere(uid, *remote);
        m_work.items.remove(uid); // gone on both sides
        return Step::Settled;
    }

    // Changed on both sides: the server's version comes here under a new name and goes up as a new
    // resource first, so that it is never lost; then ours replaces it.
    // (Copies: settling the copy changes the tables the arguments point into.)
    Step keepBoth(const QString &uid, const Event ours, const RemoteItemState theirs)
    {
        Event copy = adopted(theirs, &ours);
        copy.name = freeName(theirs.event.name, NameNote::ChangedElsewhere);
        const QString copyUid = freeUid(copy.name, m_locals, m_work.items);
        m_locals.insert(copyUid, LocalItem{-1, copy, true, false});
        m_added << copyUid;
        m_copyFor.insert(copyUid, uid);
        useName(copy.name, 1);
        const auto then = [this, uid, ours, theirs, copyUid, copy](Step step) {
            if (step != Step::Settled || !m_work.items.contains(copyUid)) {
                m_locals.remove(copyUid);
                m_added.removeAll(copyUid);
                useName(copy.name, -1);
                return step == Step::Failed ? Step::Failed : Step::Unsettled;
            }
            m_outcome.conflicts << ours.name;
            m_outcome.conflictCopies << copy.name;
            return upload(uid, ours, theirs.href, theirs.etag);
        };
        const Step step = settle(copyUid);
        if (step != Step::Pending)
            return then(step);
        // The copy's write is the one just queued: ours goes once its answer is in.
        Pending &copyWrite = m_queue.last();
        copyWrite.uid = uid;
        copyWrite.then = [this, copyUid, then, first = copyWrite.then](const Written &result) {
            return then(finish(copyUid, first(result)));
        };
        return Step::Pending;
    }

    // `after` (when given) goes on from the step the answer makes.
    Step upload(const QString &uid, const Event &event, const QString &href, const QByteArray &ifMatch,
                const std::function<Step(Step)> &after = {})
    {
        return send(uid, Write{href, syncResource(event, uid), ifMatch, false},
                    [this, uid, event, href, after](const Written &result) {
                        if (result.result == WriteResult::Done) {
                            ++m_outcome.uploaded;
                            m_listed.insert(href, result.etag);
                            record(uid, href, result.etag, event);
                        }
                        const Step step = written(result.result);
                        return after ? after(step) : step;
                    });
    }

    // Changed on both sides, but only in how the reminders were answered: both sides get the
    // quieter answer, with no copy (answering a reminder is no edit).
    Step mergeBoth(const QString &uid, const RemoteItemState &remote, const Event &merged)
    {
        const auto here = [this, uid, merged](Step step) {
            if (step != Step::Settled)
                return step;
            LocalItem &local = m_locals[uid];
            if (syncedForm(local.event) != merged)
                ++m_outcome.downloaded;
            local.event = merged;
            return Step::Settled;
        };
        if (!sameContent(remote, merged))
            return upload(uid, merged, remote.href, remote.etag, here);
        record(uid, remote.href, remote.etag, merged);
        return here(Step::Settled);
    }

    Step removeThere(const QString &uid, const RemoteItemState &remote)
    {
        if (remote.etag.isEmpty()) // never an unconditional delete
            return Step::Unsettled;
        const QString href = remote.href;
        return send(uid, Write{href, {}, remote.etag, true}, [this, uid, href](const Written &result) {
            if (result.result == WriteResult::Done) {
                ++m_outcome.deletedThere;
                m_listed.remove(href);
                m_work.items.remove(uid);
            }
            return written(result.result);
        });
    }

    Step written(WriteResult result)
    {
        m_wrote = m_wrote || result == WriteResult::Done;
        return result == WriteResult::Done                 ? Step::Settled
               : result == WriteResult::PreconditionFailed ? Step::Stale
                                                           : Step::Failed;
    }

    // `counted` is the outcome's count the event goes to. Under a name another event here bears,
    // the event comes in under a free one, written back first so that the server agrees.
    Step take(const QString &uid, const RemoteItemState &remote, int &counted)
    {
        const LocalItem *local = m_locals.contains(uid) ? &m_locals[uid] : nullptr;
        const bool isNew = !local || local->removed;
        Event event = adopted(remote, isNew ? nullptr : &local->event);
        const QString own = isNew ? QString() : syncedForm(local->event).name;
        const QString name = syncedForm(event).name;
        const bool renamed = name != own && m_names.contains(name);
        if (renamed)
            event.name = freeName(name, NameNote::None, own);
        // Taken now, so that no other event is given it while the write is out.
        useName(event.name, 1);
        int *count = &counted;
        const auto here = [this, uid, event, isNew, own, count](Step step) {
            if (step != Step::Settled) {
                useName(event.name, -1);
                return step;
            }
            if (isNew) {
                m_locals.insert(uid, LocalItem{-1, event, true, false});
                m_added.removeAll(uid);
                m_added << uid;
            } else {
                useName(own, -1);
                m_locals[uid].event = event;
            }
            ++*count;
            return Step::Settled;
        };
        if (renamed)
            return upload(uid, event, remote.href, remote.etag, here);
        record(uid, remote.href, remote.etag, event);
        return here(Step::Settled);
    }

    void record(const QString &uid, const QString &href, const QByteArray &etag, const Event &event)
    {
        m_work.items.insert(uid, SyncedItem{href, etag, syncedForm(event)});
    }

    // Fetches one resource again after the server refused a write because it had changed.
    bool lookAgain(const QString &uid)
    {
        const QString href = m_remoteItems.contains(uid)  ? m_remoteItems[uid].href
                             : m_work.items.contains(uid) ? m_work.items[uid].href
                                                          : m_remote.hrefFor(uid);
        QList<RemoteItem> fetched;
        if (!m_remote.fetch({href}, &fetched))
            return false;
        m_remoteItems.remove(uid);
        m_listed.remove(href);
        for (const RemoteItem &item : qAsConst(fetched)) {
            if (item.href != href)
                continue;
            QString ignored;
            m_listed.insert(href, item.etag);
            m_remoteItems.insert(uid, parse(item, &ignored));
            if (!inTime())
                return false;
            if (m_remoteItems[uid].foreign)
                m_foreign.insert(href, item.etag);
        }
        return true;
    }

    // The tag to keep: the one read before listing, or, after writes of our own, the newer one
    // when a listing after it shows exactly what this run knows.
    QByteArray confirmedTag(const QByteArray &before)
    {
        if (!m_wrote)
            return before;
        QHash<QString, QByteArray> expected;
        for (const SyncedItem &item : qAsConst(m_work.items))
            expected.insert(item.href, item.etag);
        for (auto it = m_foreign.cbegin(); it != m_foreign.cend(); ++it)
            expected.insert(it.key(), it.value());
        QByteArray after;
        QHash<QString, QByteArray> listed;
        for (const QByteArray &etag : qAsConst(expected))
            if (etag.isEmpty())
                return before;
        if (expected != m_listed || !m_remote.collectionTag(&after) || after.isEmpty() ||
            !m_remote.listEtags(&listed) || listed != expected)
            return before;
        return after;
    }

    // The changes of the items `kept` says.
    void applyToList(const std::function<bool(const QString &)> &kept)
    {
        QList<int> gone;
        for (auto it = m_locals.cbegin(); it != m_locals.cend(); ++it) {
            const LocalItem &local = *it;
            if (local.index < 0 || !kept(it.key()))
                continue;
            if (local.removed) {
                gone << local.index;
            } else if (*m_events[local.index] != local.event) {
                *m_events[local.index] = local.event;
                m_outcome.listChanged = true;
            }
        }
        std::sort(gone.begin(), gone.end(), std::greater<int>());
        for (int index : qAsConst(gone)) {
            delete m_events.takeAt(index);
            m_outcome.listChanged = true;
        }
        for (const QString &uid : qAsConst(m_added)) {
            const LocalItem &local = m_locals[uid];
            if (local.index < 0 && !local.removed && kept(uid)) {
                m_events.append(new Event(local.event));
                m_outcome.listChanged = true;
            }
        }
    }

    EventStore &m_events;
    SyncState &m_state;
    SyncState m_work; // the state as this run leaves it, kept whole only when it finishes
    RemoteCalendar &m_remote;
    const QDate m_today;
    const Preferences &m_defaults;
    const SyncOptions m_options;
    SyncOutcome m_outcome;
    QHash<QString, LocalItem> m_locals;
    QStringList m_added; // new events here, in the order they came
    QHash<QString, RemoteItemState> m_remoteItems;
    QHash<QString, QByteArray> m_listed;  // the collection as this run last knew it: href → etag
    QHash<QString, QByteArray> m_foreign; // other clients' resources, left alone
    QHash<QString, int> m_names;          // the list's names as this run leaves it, with how many bear each
    QSet<QString> m_done;
    QSet<QString> m_settled;
    QHash<QString, QString> m_copyFor; // a conflict's copy → the item it was made for
    QList<Pending> m_queue;
    bool m_batching = false; // writes are queued, not sent
    bool m_stopped = false;  // failed or cancelled: no more requests
    bool m_cancelled = false;
    bool m_unsettled = false;
    bool m_wrote = false;
    bool m_timedOut = false;
};

} // namespace

SyncOutcome syncEvents(EventStore &events, SyncState &state, RemoteCalendar &remote, QDate today,
                       const Preferences &defaults, const SyncOptions &options)
{
    return Merge(events, state, remote, today, defaults, options).run();
}

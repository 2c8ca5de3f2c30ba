// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/eventstore.h"

#include "model/clock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Size of one record without the characters of its name.
constexpr int FixedRecordSize = 60;
constexpr int BufferSize = 64 * 1024;
constexpr quint32 NullStringLength = 0xFFFFFFFFu;

// Appends the big-endian encodings that QDataStream (version Qt_4_2) gives each field type.
class RecordWriter
{
public:
    explicit RecordWriter(QByteArray &out) : m_out(out) {}

    void u32(quint32 v)
    {
        char b[4];
        qToBigEndian(v, b);
        m_out.append(b, 4);
    }
    void i32(qint32 v) { u32(quint32(v)); }
    void flag(bool v) { m_out.append(char(v ? 1 : 0)); }
    void date(QDate d) { u32(d.isNull() ? 0u : quint32(d.toJulianDay())); }
    void string(const QString &s)
    {
        if (s.isNull()) {
            u32(NullStringLength);
            return;
        }
        u32(quint32(s.size()) * 2);
        const int start = m_out.size();
        m_out.resize(start + s.size() * 2);
        auto *dst = reinterpret_cast<uchar *>(m_out.data() + start);
        for (const QChar c : s) {
            *dst++ = uchar(c.unicode() >> 8);
            *dst++ = uchar(c.unicode() & 0xff);
        }
    }

private:
    QByteArray &m_out;
};

void writeRecord(QByteArray &out, const Event &e)
{
    RecordWriter w(out);
    w.string(e.name);
    w.flag(e.counted);
    w.i32(e.count);
    w.date(e.countDate);
    w.i32(e.schedule);
    w.date(e.date);
    for (bool b : e.weekdays)
        w.flag(b);
    w.flag(e.useDayNumber);
    w.i32(e.ordinal);
    for (bool b : e.months)
        w.flag(b);
    w.flag(e.wholeYear);
    w.flag(e.notify);
    w.i32(e.notifyDaysBefore);
    w.flag(e.showOnce);
    w.date(e.lastNotified);
    w.i32(e.snoozeDays);
}

// Reads a device in blocks so that no field costs a device call and nothing is allocated
// beyond what the device really holds.
class BlockReader
{
public:
    explicit BlockReader(QIODevice &device) : m_device(device) {}

    // Makes at least `n` bytes (n <= BufferSize) available; false at the end of the data.
    bool ensure(int n)
    {
        if (m_buffer.size() - m_pos >= n)
            return true;
        m_buffer.remove(0, m_pos);
        m_pos = 0;
        while (m_buffer.size() < n) {
            const int have = m_buffer.size();
            m_buffer.resize(BufferSize);
            const qint64 got = m_device.read(m_buffer.data() + have, BufferSize - have);
            m_buffer.resize(have + int(std::max<qint64>(got, 0)));
            if (got <= 0)
                return false;
        }
        return true;
    }
    int available() const { return m_buffer.size() - m_pos; }
    const uchar *take(int n)
    {
        const auto *p = reinterpret_cast<const uchar *>(m_buffer.constData()) + m_pos;
        m_pos += n;
        return p;
    }
    bool atEnd() { return !ensure(1); }

private:
    QIODevice &m_device;
    QByteArray m_buffer;
    int m_pos = 0;
};

quint32 u32At(const uchar *p)
{
    return qFromBigEndian<quint32>(p);
}

QDate dateAt(const uchar *p)
{
    const quint32 jd = u32At(p);
    return jd == 0 ? QDate() : QDate::fromJulianDay(jd);
}

// Big-endian UTF-16 as QDataStream writes it; `bytes` is even.
void decodeUtf16(const uchar *p, int bytes, QChar *dst)
{
    for (int i = 0; i < bytes; i += 2)
        *dst++ = QChar(ushort((p[i] << 8) | p[i + 1]));
}

// Reads a name of `bytes` bytes of UTF-16 piece by piece, so a damaged length costs nothing.
bool readName(BlockReader &in, quint32 bytes, QString &name)
{
    if (bytes == NullStringLength) {
        name = QString();
        return true;
    }
    if (bytes % 2 != 0)
        return false;
    name = QString(0, QChar()); // empty, not null
    quint32 left = bytes;
    while (left > 0) {
        const int piece = int(std::min<quint32>(left, BufferSize));
        if (!in.ensure(std::min(piece, 2)))
            return false;
        const int chunk = std::min(piece, in.available()) & ~1;
        const uchar *p = in.take(chunk);
        const int start = name.size();
        name.resize(start + chunk / 2);
        decodeUtf16(p, chunk, name.data() + start);
        left -= quint32(chunk);
    }
    return true;
}

// A run of flag bytes as bools, eight at a time: byte by byte it costs as much as all other fields.
// Any non-zero byte is true: adding 0x7f to its low seven bits, or the byte itself, sets its top bit.
// Eight bytes are read from p + 8k for every k < N / 8, so they must lie inside the record.
template <std::size_t N>
void readFlags(const uchar *p, std::array<bool, N> &flags)
{
    static_assert(sizeof(bool) == 1, "flags are single bytes");
    constexpr quint64 low = 0x7f7f7f7f7f7f7f7full;
    for (std::size_t start = 0; start < N; start += 8) {
        const quint64 x = qFromLittleEndian<quint64>(p + start);
        uchar bytes[8];
        qToLittleEndian(((((x & low) + low) | x) >> 7) & 0x0101010101010101ull, bytes);
        std::memcpy(flags.data() + start, bytes, std::min<std::size_t>(8, N - start));
    }
}

// The fields after the name: FixedRecordSize - 4 bytes.
void decodeFixedFields(const uchar *p, Event &e)
{
    e.counted = p[0] != 0;
    e.count = qint32(u32At(p + 1));
    e.countDate = dateAt(p + 5);
    e.schedule = ScheduleKind(qint32(u32At(p + 9)));
    e.date = dateAt(p + 13);
    readFlags(p + 17, e.weekdays);
    e.useDayNumber = p[24] != 0;
    e.ordinal = qint32(u32At(p + 25));
    readFlags(p + 29, e.months);
    e.wholeYear = p[41] != 0;
    e.notify = p[42] != 0;
    e.notifyDaysBefore = qint32(u32At(p + 43));
    e.showOnce = p[47] != 0;
    e.lastNotified = dateAt(p + 48);
    e.snoozeDays = qint32(u32At(p + 52));
}

bool readRecord(BlockReader &in, Event &e)
{
    if (!in.ensure(4))
        return false;
    if (!readName(in, u32At(in.take(4)), e.name))
        return false;
    constexpr int rest = FixedRecordSize - 4;
    if (!in.ensure(rest))
        return false;
    decodeFixedFields(in.take(rest), e);
    return true;
}

// Visits the records of a whole file in memory as readRecord would read them, each with the bytes
// of its name: visit(event, nameBytes, nameSize). A template, so the auto start's look through a
// large file pays for no call it does not need.
template <typename Visit>
bool findInRecords(const uchar *data, qint64 size, const Visit &visit, bool *damaged)
{
    // Damage, as loadEvents sees it; a file with nothing in it at all is an empty list.
    *damaged = size != 0;
    if (size < 4)
        return false;
    const qint32 count = qint32(u32At(data));
    qint64 pos = 4;
    Event event;
    for (qint32 i = 0; i < count; ++i) {
        if (size - pos < 4)
            return false;
        const quint32 nameBytes = u32At(data + pos);
        pos += 4;
        const uchar *name = data + pos;
        if (nameBytes != NullStringLength) {
            if (nameBytes % 2 != 0 || qint64(nameBytes) > size - pos)
                return false;
            pos += nameBytes;
        }
        if (size - pos < FixedRecordSize - 4)
            return false;
        decodeFixedFields(data + pos, event);
        pos += FixedRecordSize - 4;
        if (visit(event, name, nameBytes)) {
            *damaged = false;
            return true;
        }
    }
    *damaged = count < 0 || pos != size;
    return false;
}

template <typename Visit>
bool findInFile(const QString &path, const Visit &visit, bool *damaged)
{
    bool ignored = false;
    damaged = damaged ? damaged : &ignored;
    *damaged = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Mapped, the file is read by the page cache alone; a file that cannot be mapped is read whole.
    if (const uchar *mapped = file.map(0, file.size()))
        return findInRecords(mapped, file.size(), visit, damaged);
    const QByteArray bytes = file.readAll();
    return findInRecords(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), visit, damaged);
}

} // namespace

QString eventsFilePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir + QLatin1String("events.evt");
}

EventStore loadEvents(QIODevice &device, LoadStatus *status)
{
    EventStore events;
    BlockReader in(device);
    bool whole = true;
    if (in.ensure(4)) {
        const qint32 count = qint32(u32At(in.take(4)));
        for (qint32 i = 0; i < count; ++i) {
            auto *event = new Event;
            if (!readRecord(in, *event)) {
                delete event;
                whole = false;
                break;
            }
            events.append(event);
        }
        if (whole && count < 0)
            whole = false;
        if (whole && !in.atEnd())
            whole = false;
    } else {
        // Fewer than four bytes: only a file with nothing in it at all is intact.
        whole = in.available() == 0;
    }
    if (status)
        *status = whole ? LoadStatus::Complete : LoadStatus::Damaged;
    return events;
}

EventStore loadEvents(const QString &path, LoadStatus *status)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (status)
            *status = LoadStatus::Missing;
        return EventStore();
    }
    return loadEvents(file, status);
}

QString RecordName::toString() const
{
    if (m_size == NullStringLength)
        return QString();
    QString name(int(m_size / 2), Qt::Uninitialized);
    decodeUtf16(m_bytes, int(m_size), name.data());
    return name;
}

bool findEvent(const QString &path, const std::function<bool(const Event &)> &visit)
{
    return findInFile(
        path, [&visit](const Event &event, const uchar *, quint32) { return visit(event); }, nullptr);
}

bool findEvent(const QString &path, const std::function<bool(const Event &, const RecordName &)> &visit, bool *damaged)
{
    return findInFile(
        path,
        [&visit](const Event &event, const uchar *name, quint32 size) { return visit(event, RecordName(name, size)); },
        damaged);
}

bool saveEvents(const EventStore &events, QIODevice &device)
{
    QByteArray buffer;
    buffer.reserve(BufferSize + 1024);
    RecordWriter(buffer).i32(qint32(events.size()));
    for (const Event *e : events) {
        writeRecord(buffer, *e);
        if (buffer.size() >= BufferSize) {
            if (!writeAll(device, buffer))
                return false;
            buffer.clear();
        }
    }
    return writeAll(device, buffer);
}

bool saveEvents(const EventStore &events, const QString &path, QString *error)
{
    return saveFileAtomically(
        path, [&events](QIODevice &device) { return saveEvents(events, device); }, NewFileAccess::Shared, error);
}

SaveOutcome saveEventsKeepingDamaged(const EventStore &events, const QString &path, bool damaged, NewFileAccess access)
{
    const auto write = [&events](QIODevice &device) { return saveEvents(events, device); };
    if (!damaged) {
        SaveOutcome outcome;
        outcome.saved = saveFileAtomically(path, write, access, &outcome.error);
        return outcome;
    }
    const QString stamp = Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return saveFileKeepingOriginal(path, path + QStringLiteral(".damaged-") + stamp, write, access);
}

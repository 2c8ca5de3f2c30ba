// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"
#include "model/eventstore.h"
#include "tests/support/events.h"
#include "tests/support/randomevents.h"
#include "tests/support/smallfilesystem.h"
#include "tests/support/testclock.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <limits>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace TestHelpers;

Q_DECLARE_METATYPE(LoadStatus)
Q_DECLARE_METATYPE(KeptOriginal)

char *toString(LoadStatus status)
{
    switch (status) {
    case LoadStatus::Complete:
        return qstrdup("Complete");
    case LoadStatus::Missing:
        return qstrdup("Missing");
    case LoadStatus::Damaged:
        return qstrdup("Damaged");
    }
    return qstrdup("?");
}

char *toString(KeptOriginal original)
{
    static const char *const names[] = {"NotNeeded", "Copied", "MovedAside", "LeftInPlace", "Overwritten"};
    return qstrdup(names[int(original)]);
}

namespace {

// The example file of one weekly "Bin day" event, field by field.
const char BinDayHex[] = "00000001"                                    // number of records
                         "0000000e 0042 0069 006e 0020 0064 0061 0079" // name
                         "00"                                          // counted
                         "00000000"                                    // count
                         "00258ee2"                                    // countDate 4 Jan 2027
                         "00000001"                                    // schedule
                         "00000000"                                    // date
                         "01 00 00 00 00 00 00"                        // weekdays
                         "00"                                          // useDayNumber
                         "00000000"                                    // ordinal
                         "00 00 00 00 00 00 00 00 00 00 00 00"         // months
                         "00"                                          // wholeYear
                         "01"                                          // notify
                         "00000001"                                    // notifyDaysBefore
                         "01"                                          // showOnce
                         "00258ee1"                                    // lastNotified 3 Jan 2027
                         "00000000";                                   // snoozeDays

Event binDay()
{
    Event e;
    e.name = QStringLiteral("Bin day");
    e.countDate = QDate(2027, 1, 4);
    e.schedule = Weekly;
    e.weekdays[0] = true;
    e.notify = true;
    e.notifyDaysBefore = 1;
    e.showOnce = true;
    e.lastNotified = QDate(2027, 1, 3);
    return e;
}

Event named(const QString &name)
{
    Event e = binDay();
    e.name = name;
    return e;
}

// Owns the events it is given.
class Store
{
public:
    explicit Store(const QList<Event> &events)
    {
        for (const Event &e : events)
            m_events.append(new Event(e));
    }
    ~Store() { qDeleteAll(m_events); }
    const EventStore &events() const { return m_events; }

private:
    Q_DISABLE_COPY(Store)
    EventStore m_events;
};

QByteArray saveToBytes(const QList<Event> &events)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Store store(events);
    if (!saveEvents(store.events(), buffer))
        qWarning("saveEvents to a buffer failed");
    return bytes;
}

QList<Event> loadFromBytes(const QByteArray &bytes, LoadStatus *status)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return takeEvents(loadEvents(buffer, status));
}

QStringList entriesOf(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The reference encoding: what QDataStream itself writes for each field, in file order.
void streamEvent(QDataStream &out, const Event &e)
{
    out << e.name << e.counted << qint32(e.count) << e.countDate << qint32(e.schedule) << e.date;
    for (bool b : e.weekdays)
        out << b;
    out << e.useDayNumber << qint32(e.ordinal);
    for (bool b : e.months)
        out << b;
    out << e.wholeYear << e.notify << qint32(e.notifyDaysBefore) << e.showOnce << e.lastNotified
        << qint32(e.snoozeDays);
}

QByteArray streamEvents(const QList<Event> &events)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_2);
    out << qint32(events.size());
    for (const Event &e : events)
        streamEvent(out, e);
    return bytes;
}

QList<Event> unstreamEvents(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_4_2);
    qint32 count = 0;
    in >> count;
    QList<Event> events;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Event e;
        qint32 schedule = 0;
        in >> e.name >> e.counted >> e.count >> e.countDate >> schedule >> e.date;
        e.schedule = ScheduleKind(schedule);
        for (bool &b : e.weekdays)
            in >> b;
        in >> e.useDayNumber >> e.ordinal;
        for (bool &b : e.months)
            in >> b;
        in >> e.wholeYear >> e.notify >> e.notifyDaysBefore >> e.showOnce >> e.lastNotified >> e.snoozeDays;
        events.append(e);
    }
    return events;
}

QList<Event> repeated(int times, const Event &e)
{
    QList<Event> events;
    for (int i = 0; i < times; ++i)
        events.append(e);
    return events;
}

QList<Event> threeEvents()
{
    Event second;
    second.schedule = Monthly;
    second.ordinal = 31;
    second.useDayNumber = true;
    second.counted = true;
    second.count = 12;
    Event third = named(QStringLiteral("Zoë's birthday"));
    third.schedule = Yearly;
    third.months[5] = true;
    third.snoozeDays = -2;
    return {binDay(), second, third};
}

QByteArray be32(quint32 v)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(v, bytes.data());
    return bytes;
}

// Caps the address space a little above what the process uses now, so that a reader that
// believed a damaged count or length would fail loudly instead of quietly taking gigabytes.
class AddressSpaceCap
{
public:
    AddressSpaceCap()
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (getrlimit(RLIMIT_AS, &m_old) != 0 || !statm.open(QIODevice::ReadOnly))
            return;
        const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
        const rlim_t wanted = rlim_t(pages * sysconf(_SC_PAGESIZE) + 512ll * 1024 * 1024);
        if (m_old.rlim_cur != RLIM_INFINITY && m_old.rlim_cur <= wanted) {
            m_inForce = true; // already capped at least as tightly
            return;
        }
        rlimit capped = m_old;
        capped.rlim_cur = wanted;
        m_lowered = setrlimit(RLIMIT_AS, &capped) == 0;
        m_inForce = m_lowered;
    }
    ~AddressSpaceCap()
    {
        if (m_lowered)
            setrlimit(RLIMIT_AS, &m_old);
    }
    bool inForce() const { return m_inForce; }

private:
    Q_DISABLE_COPY(AddressSpaceCap)
    rlimit m_old{};
    bool m_lowered = false;
    bool m_inForce = false;
};

// Lowers the largest file size this process may write; writes beyond it fail with EFBIG
// instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_active = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        m_active = m_active && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    Q_DISABLE_COPY(FileSizeLimit)
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

// Takes `capacity` bytes and then fails a write: with an error, or by taking only what still fits
// (after which it either fails for good or, like a pipe, takes whole writes again).
class FailingDevice : public QIODevice
{
public:
    enum Failure
    {
        Error,
        ShortWrite,
        ShortWriteOnce
    };

    FailingDevice(qint64 capacity, Failure failure) : m_capacity(capacity), m_failure(failure) {}
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        const qint64 room = m_capacity - written.size();
        if (len <= room || m_failed) {
            written.append(data, int(len));
            return len;
        }
        if (m_failure == Error || room <= 0)
            return -1;
        written.append(data, int(room));
        m_failed = m_failure == ShortWriteOnce;
        return room;
    }

private:
    qint64 m_capacity;
    Failure m_failure;
    bool m_failed = false;
};

} // namespace

class TestEventStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestEnvironment::reset());
        Startup::setApplicationIdentity();
        // Only now: reset() empties the temporary directory too.
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void binDayExample();
    void emptyList();
    void names_data();
    void names();
    void orderIsKept();
    void anyFlagByteIsTrue_data();
    void anyFlagByteIsTrue();
    void matchesQDataStream_data();
    void matchesQDataStream();
    void damaged_data();
    void damaged();
    void findSeesWhatLoadKeeps_data() { damaged_data(); }
    void findSeesWhatLoadKeeps();

    void missingFile_data();
    void missingFile();
    void saveCreatesDirectories();
    void eventsFileLocation();

    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void failingDevice_data();
    void failingDevice();
    void readOnlyDirectory();
    void keepingDamaged_data();
    void keepingDamaged();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEventStore::binDayExample()
{
    const QByteArray expected = QByteArray::fromHex(BinDayHex);
    QCOMPARE(expected.size(), 78);
    const QString path = m_dir->filePath(QStringLiteral("binday.evt"));

    {
        Store store({binDay()});
        QVERIFY(saveEvents(store.events(), path));
    }
    QCOMPARE(readFile(path).toHex(), expected.toHex());

    LoadStatus status = LoadStatus::Missing;
    const QList<Event> loaded = readEvents(path, &status);
    QCOMPARE(status, LoadStatus::Complete);
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.first(), binDay());

    Store again(loaded);
    QVERIFY(saveEvents(again.events(), path));
    QCOMPARE(readFile(path).toHex(), expected.toHex());
}

void TestEventStore::emptyList()
{
    const QString path = m_dir->filePath(QStringLiteral("empty.evt"));
    QVERIFY(saveEvents(EventStore(), path));
    QCOMPARE(readFile(path), QByteArray(4, '\0'));

    LoadStatus status = LoadStatus::Missing;
    QCOMPARE(readEvents(path, &status).size(), 0);
    QCOMPARE(status, LoadStatus::Complete);
}

void TestEventStore::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("encoded");

    QTest::newRow("null") << QString() << QByteArray::fromHex("ffffffff");
    QTest::newRow("empty") << QString(QLatin1String("")) << QByteArray::fromHex("00000000");
    QTest::newRow("Latin-1 and apostrophe")
        << QStringLiteral("Zoë's birthday")
        << QByteArray::fromHex("0000001c 005a 006f 00eb 0027 0073 0020 0062 0069 0072 0074 0068 0064 0061 0079");
    QTest::newRow("beyond the BMP") << QStringLiteral("\U0001F382 cake")
                                    << QByteArray::fromHex("0000000e d83c df82 0020 0063 0061 006b 0065");
    QTest::newRow("lone surrogate and U+FFFF")
        << QString(QChar(0xdc00)) + QChar(0xffff) << QByteArray::fromHex("00000004 dc00 ffff");
    QTest::newRow("NUL inside") << QStringLiteral("a") + QChar(0) + QLatin1Char('b')
                                << QByteArray::fromHex("00000006 0061 0000 0062");
}

void TestEventStore::names()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, encoded);

    const QString path = m_dir->filePath(QStringLiteral("name.evt"));
    {
        Store store({named(name)});
        QVERIFY(saveEvents(store.events(), path));
    }
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 4 + 56 + encoded.size());
    QCOMPARE(bytes.mid(4, encoded.size()).toHex(), encoded.toHex());

    LoadStatus status = LoadStatus::Missing;
    const QList<Event> loaded = readEvents(path, &status);
    QCOMPARE(status, LoadStatus::Complete);
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded[0].name, name);
    QCOMPARE(loaded[0].name.isNull(), name.isNull());
    QCOMPARE(loaded[0], named(name));
}

void TestEventStore::orderIsKept()
{
    const QString path = m_dir->filePath(QStringLiteral("three.evt"));
    Store store(threeEvents());
    QVERIFY(saveEvents(store.events(), path));

    LoadStatus status = LoadStatus::Missing;
    QCOMPARE(readEvents(path, &status), threeEvents());
    QCOMPARE(status, LoadStatus::Complete);
}

void TestEventStore::anyFlagByteIsTrue_data()
{
    QTest::addColumn<int>("byte");

    QTest::newRow("0x02") << 0x02;
    QTest::newRow("0x80") << 0x80;
    QTest::newRow("0xFF") << 0xff;
}

void TestEventStore::anyFlagByteIsTrue()
{
    QFETCH(int, byte);

    // Where the flags of the example file lie: counted, weekdays, useDayNumber, months, wholeYear,
    // notify, showOnce.
    QList<int> flagOffsets = {22, 46, 63, 64, 69};
    for (int i = 0; i < 7; ++i)
        flagOffsets << 39 + i;
    for (int i = 0; i < 12; ++i)
        flagOffsets << 51 + i;
    QByteArray bytes = QByteArray::fromHex(BinDayHex);
    QByteArray normal = bytes;
    for (const int offset : flagOffsets) {
        bytes[offset] = char(byte);
        normal[offset] = 1;
    }

    LoadStatus status = LoadStatus::Missing;
    const QList<Event> loaded = loadFromBytes(bytes, &status);
    QCOMPARE(status, LoadStatus::Complete);
    QCOMPARE(loaded.size(), 1);
    Event expected = binDay();
    expected.counted = expected.useDayNumber = expected.wholeYear = expected.notify = expected.showOnce = true;
    expected.weekdays.fill(true);
    expected.months.fill(true);
    QCOMPARE(loaded[0], expected);
    QCOMPARE(saveToBytes(loaded).toHex(), normal.toHex());
}

void TestEventStore::matchesQDataStream_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");

    QTest::newRow("one event") << 31u << 1;
    QTest::newRow("ten events") << 32u << 10;
    QTest::newRow("three hundred events") << 33u << 300;
    QTest::newRow("three hundred more") << 34u << 300;
}

void TestEventStore::matchesQDataStream()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);

    QRandomGenerator rng(seed);
    QList<Event> list;
    for (int i = 0; i < events; ++i)
        list.append(anyEvent(rng));

    const QByteArray reference = streamEvents(list);
    const QByteArray saved = saveToBytes(list);
    QCOMPARE(saved.size(), reference.size());
    if (saved != reference) {
        int at = 0;
        while (saved[at] == reference[at])
            ++at;
        QFAIL(qPrintable(QStringLiteral("first difference at byte %1").arg(at)));
    }

    LoadStatus status = LoadStatus::Missing;
    const QList<Event> loaded = loadFromBytes(reference, &status);
    QCOMPARE(status, LoadStatus::Complete);
    QCOMPARE(loaded.size(), list.size());
    for (int i = 0; i < list.size(); ++i)
        QCOMPARE(loaded[i], list[i]);
    QCOMPARE(unstreamEvents(saved), list);
}

void TestEventStore::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<Event>>("expected");
    QTest::addColumn<LoadStatus>("status");

    const QList<Event> three = threeEvents();
    const QByteArray file = streamEvents(three);
    QList<int> recordEnds = {4};
    for (const Event &e : three)
        recordEnds.append(recordEnds.last() + streamEvents({e}).size() - 4);
    QCOMPARE(recordEnds.last(), file.size());

    for (int cut = 0; cut <= file.size(); ++cut) {
        const int whole = int(std::upper_bound(recordEnds.begin(), recordEnds.end(), cut) - recordEnds.begin()) - 1;
        const bool intact = cut == 0 || cut == file.size();
        QTest::addRow("cut after %d bytes", cut) << file.left(cut) << three.mid(0, std::max(whole, 0))
                                                 << (intact ? LoadStatus::Complete : LoadStatus::Damaged);
    }

    const QByteArray one = streamEvents({binDay()}).mid(4);
    QTest::newRow("count 0x7FFFFFFF, one record")
        << be32(0x7fffffff) + one << QList<Event>{binDay()} << LoadStatus::Damaged;
    QTest::newRow("count 2, one record") << be32(2) + one << QList<Event>{binDay()} << LoadStatus::Damaged;
    QTest::newRow("count 0") << be32(0) << QList<Event>() << LoadStatus::Complete;
    QTest::newRow("count 0, a record behind") << be32(0) + one << QList<Event>() << LoadStatus::Damaged;
    QTest::newRow("count -1, a record behind") << be32(0xffffffff) + one << QList<Event>() << LoadStatus::Damaged;
    QTest::newRow("count -1 alone") << be32(0xffffffff) << QList<Event>() << LoadStatus::Damaged;
    QTest::newRow("count INT_MIN, a record behind") << be32(0x80000000) + one << QList<Event>() << LoadStatus::Damaged;
    QTest::newRow("one byte after the last record") << file + '\0' << three << LoadStatus::Damaged;
    QTest::newRow("a record after the last one")
        << be32(1) + one + one << QList<Event>{binDay()} << LoadStatus::Damaged;

    // A record with the name "ab", to spoil its length.
    const QByteArray ab = streamEvents({named(QStringLiteral("ab"))}).mid(4);
    QByteArray odd = ab;
    odd.replace(0, 4, be32(3));
    QTest::newRow("odd name length") << be32(1) + odd << QList<Event>() << LoadStatus::Damaged;
    QTest::newRow("odd name length in the second record")
        << be32(2) + one + odd << QList<Event>{binDay()} << LoadStatus::Damaged;
    QByteArray huge = ab;
    huge.replace(0, 4, be32(0x7ffffff0));
    QTest::newRow("name length 0x7FFFFFF0") << be32(1) + huge << QList<Event>() << LoadStatus::Damaged;
    QTest::newRow("name length 0x7FFFFFF0, count 0x7FFFFFFF")
        << be32(0x7fffffff) + one + huge << QList<Event>{binDay()} << LoadStatus::Damaged;
    QByteArray longest = ab;
    longest.replace(0, 4, be32(0xfffffffe));
    QTest::newRow("name length 0xFFFFFFFE") << be32(1) + longest << QList<Event>() << LoadStatus::Damaged;
    // The name swallows the rest of the record, and the record ends early.
    QByteArray swallowing = ab;
    swallowing.replace(0, 4, be32(4 + 56));
    QTest::newRow("name runs over the fields") << be32(1) + swallowing << QList<Event>() << LoadStatus::Damaged;
}

// The look-up of the auto start must judge exactly the events that a window would load.
void TestEventStore::findSeesWhatLoadKeeps()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<Event>, expected);

    const QString path = m_dir->filePath(QStringLiteral("scanned.evt"));
    QVERIFY(writeFile(path, bytes));
    QList<Event> seen;
    {
        AddressSpaceCap cap;
        QVERIFY(cap.inForce());
        QVERIFY(!findEvent(path, [&seen](const Event &e) {
            seen.append(e);
            return false;
        }));
    }
    for (Event &e : expected)
        e.name = QString(); // names are not read
    QCOMPARE(seen, expected);

    // It stops at the first event the question accepts.
    int asked = 0;
    QCOMPARE(findEvent(path, [&asked](const Event &) { return ++asked == 2; }), expected.size() >= 2);
    QCOMPARE(asked, std::min(int(expected.size()), 2));
}

void TestEventStore::damaged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<Event>, expected);
    QFETCH(LoadStatus, status);

    const QString path = m_dir->filePath(QStringLiteral("damaged.evt"));
    QVERIFY(writeFile(path, bytes));

    QList<Event> fromDevice;
    QList<Event> fromFile;
    LoadStatus deviceStatus = LoadStatus::Missing;
    LoadStatus fileStatus = LoadStatus::Missing;
    {
        AddressSpaceCap cap;
        QVERIFY(cap.inForce());
        fromDevice = loadFromBytes(bytes, &deviceStatus);
        fromFile = readEvents(path, &fileStatus);
    }
    QCOMPARE(fromDevice, expected);
    QCOMPARE(deviceStatus, status);
    QCOMPARE(fromFile, expected);
    QCOMPARE(fileStatus, status);
    QCOMPARE(readEvents(path).size(), expected.size());
}

void TestEventStore::missingFile_data()
{
    QTest::addColumn<QString>("relativePath");

    QTest::newRow("no such file") << QStringLiteral("events.evt");
    QTest::newRow("no such directories") << QStringLiteral("a/b/events.evt");
    QTest::newRow("a directory") << QStringLiteral(".");
}

void TestEventStore::missingFile()
{
    QFETCH(QString, relativePath);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(relativePath);

    LoadStatus status = LoadStatus::Complete;
    QCOMPARE(readEvents(path, &status).size(), 0);
    QCOMPARE(status, LoadStatus::Missing);
    QCOMPARE(readEvents(path).size(), 0);
    QCOMPARE(entriesOf(dir.path()), QStringList());
}

void TestEventStore::saveCreatesDirectories()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("one/two/three/events.evt"));

    Store store(threeEvents());
    QVERIFY(saveEvents(store.events(), path));
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(entriesOf(QFileInfo(path).absolutePath()), QStringList{QStringLiteral("events.evt")});
    QCOMPARE(readEvents(path), threeEvents());
}

void TestEventStore::eventsFileLocation()
{
    const QString path = eventsFilePath();
    QVERIFY2(path.endsWith(QLatin1String("/Brindlex/Oriventa/events.evt")), qPrintable(path));
    QCOMPARE(path, qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Brindlex/Oriventa/events.evt"));
    QCOMPARE(QFileInfo(path).absolutePath(), TestEnvironment::dataDir());

    // A first start has no events file and no directory for it yet.
    QVERIFY(!QFileInfo::exists(TestEnvironment::dataDir()));
    LoadStatus status = LoadStatus::Complete;
    QCOMPARE(readEvents(path, &status).size(), 0);
    QCOMPARE(status, LoadStatus::Missing);
    Store store({binDay()});
    QVERIFY(saveEvents(store.events(), path));
    QCOMPARE(readFile(path), QByteArray::fromHex(BinDayHex));
}

void TestEventStore::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("limit");

    // A small list stays in the file's write buffer until the end; a large one is written on the way.
    QTest::newRow("small list, room for 1000 bytes") << 100 << 1000;
    QTest::newRow("large list, room for 100000 bytes") << 3000 << 100000;
    QTest::newRow("large list, one byte short") << 3000 << -1;
    QTest::newRow("room for nothing") << 10 << 0;
}

void TestEventStore::failedSaveKeepsOldFile()
{
    QFETCH(int, events);
    QFETCH(int, limit);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("events.evt"));
    const QByteArray old = QByteArray::fromHex(BinDayHex);
    QVERIFY(writeFile(path, old));

    QList<Event> list;
    for (int i = 0; i < events; ++i)
        list.append(named(QStringLiteral("Event number %1").arg(i)));
    const QByteArray full = streamEvents(list);
    if (limit < 0)
        limit = full.size() - 1;
    QVERIFY(full.size() > limit);

    Store store(list);
    bool saved = true;
    {
        FileSizeLimit fileSize{rlim_t(limit)};
        QVERIFY(fileSize.active());
        saved = saveEvents(store.events(), path);
    }
    QVERIFY(!saved);
    QCOMPARE(readFile(path), old);
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("events.evt")});

    // With the limit gone the same save works.
    QVERIFY(saveEvents(store.events(), path));
    QCOMPARE(readFile(path), full);
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("events.evt")});
}

void TestEventStore::failingDevice_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("failure");

    const int small = streamEvents(threeEvents()).size();
    const int large = streamEvents(repeated(2000, binDay())).size();
    const QPair<FailingDevice::Failure, const char *> failures[] = {{FailingDevice::Error, "error"},
                                                                    {FailingDevice::ShortWrite, "short write"},
                                                                    {FailingDevice::ShortWriteOnce, "one short write"}};
    for (const auto &failure : failures) {
        const char *how = failure.second;
        QTest::addRow("%s at once", how) << 3 << 0 << int(failure.first);
        QTest::addRow("%s inside the count", how) << 3 << 3 << int(failure.first);
        QTest::addRow("%s after the count", how) << 3 << 4 << int(failure.first);
        QTest::addRow("%s at the last byte", how) << 3 << small - 1 << int(failure.first);
        QTest::addRow("%s in the first block of many", how) << 2000 << 1000 << int(failure.first);
        QTest::addRow("%s after the first block of many", how) << 2000 << 70000 << int(failure.first);
        QTest::addRow("%s at the last byte of many", how) << 2000 << large - 1 << int(failure.first);
    }
}

void TestEventStore::failingDevice()
{
    QFETCH(int, events);
    QFETCH(int, capacity);
    QFETCH(int, failure);

    const QList<Event> list = events == 3 ? threeEvents() : repeated(events, binDay());
    Store store(list);
    FailingDevice device(capacity, FailingDevice::Failure(failure));
    QVERIFY(device.open(QIODevice::WriteOnly));
    const QByteArray full = streamEvents(list);
    // A device that once takes less and then takes the rest (as a write cut short by a signal)
    // gets the whole file; one that keeps refusing fails the save, which then learns the reason.
    if (failure == FailingDevice::ShortWriteOnce && capacity > 0) {
        QVERIFY(saveEvents(store.events(), device));
        QCOMPARE(device.written, full);
    } else {
        QVERIFY(!saveEvents(store.events(), device));
    }

    // The same device with room enough takes the whole file.
    FailingDevice roomy(full.size(), FailingDevice::Failure(failure));
    QVERIFY(roomy.open(QIODevice::WriteOnly));
    QVERIFY(saveEvents(store.events(), roomy));
    QCOMPARE(roomy.written, full);
}

void TestEventStore::readOnlyDirectory()
{
    if (geteuid() == 0)
        QSKIP("root may write into a read-only directory");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("events.evt"));
    const QByteArray old = QByteArray::fromHex(BinDayHex);
    QVERIFY(writeFile(path, old));
    const QFile::Permissions permissions = QFile::permissions(dir.path());
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));

    Store store(threeEvents());
    const bool saved = saveEvents(store.events(), path);
    QFile::setPermissions(dir.path(), permissions);
    QVERIFY(!saved);
    QCOMPARE(readFile(path), old);
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("events.evt")});
}

void TestEventStore::keepingDamaged_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<int>("room"); // kilobytes of a filesystem of its own; 0 for the ordinary one
    QTest::addColumn<int>("newEvents");
    QTest::addColumn<int>("takenNames"); // kept names in use already: a directory, a file, a dead link
    QTest::addColumn<int>("nameLength"); // of the events file
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<KeptOriginal>("original");
    QTest::addColumn<QString>("keptSuffix"); // null when nothing is kept

    const QString none;
    const QString plain = QLatin1String("");
    // The damaged file takes about 60 KB: a copy does not fit beside it in 96 KB, three events do.
    QTest::newRow("sound file") << false << 0 << 3 << 0 << 10 << false << true << KeptOriginal::NotNeeded << none;
    QTest::newRow("copy") << true << 0 << 3 << 0 << 10 << false << true << KeptOriginal::Copied << plain;
    QTest::newRow("name taken by a directory")
        << true << 0 << 3 << 1 << 10 << false << true << KeptOriginal::Copied << QStringLiteral("-1");
    QTest::newRow("names taken by a directory, a file and a dead link")
        << true << 0 << 3 << 3 << 10 << false << true << KeptOriginal::Copied << QStringLiteral("-3");
    QTest::newRow("no room for a copy") << true << 96 << 3 << 0 << 10 << false << true << KeptOriginal::MovedAside
                                        << plain;
    QTest::newRow("no room for a copy nor the new file")
        << true << 96 << 800 << 0 << 10 << false << false << KeptOriginal::LeftInPlace << none;
    // The events file's name fits; with the kept name's ending it is longer than a name may be.
    QTest::newRow("name too long to keep")
        << true << 0 << 3 << 0 << 240 << false << true << KeptOriginal::Overwritten << none;
    QTest::newRow("unwritable directory")
        << true << 0 << 3 << 0 << 10 << true << false << KeptOriginal::LeftInPlace << none;
}

void TestEventStore::keepingDamaged()
{
    QFETCH(bool, damaged);
    QFETCH(int, room);
    QFETCH(int, newEvents);
    QFETCH(int, takenNames);
    QFETCH(int, nameLength);
    QFETCH(bool, readOnly);
    QFETCH(bool, saved);
    QFETCH(KeptOriginal, original);
    QFETCH(QString, keptSuffix);
    if (readOnly && geteuid() == 0)
        QSKIP("root may write into a read-only directory");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    std::unique_ptr<SmallFilesystem> small;
    if (room > 0) {
        small = std::make_unique<SmallFilesystem>(dir.path(), room);
        if (!small->isMounted())
            QSKIP("mounting a small tmpfs needs root");
    }
    const QString path = dir.filePath(QString(nameLength - 4, QLatin1Char('e')) + QStringLiteral(".evt"));
    const QByteArray old = streamEvents(repeated(800, binDay())) + "garbage";
    QVERIFY(writeFile(path, old));

    const QString keptName = path + QStringLiteral(".damaged-20270106-090807");
    const auto taken = [&keptName](int i) { return i == 0 ? keptName : keptName + QStringLiteral("-%1").arg(i); };
    QStringList entries{QFileInfo(path).fileName()};
    for (int i = 0; i < takenNames; ++i) {
        if (i % 3 == 0)
            QVERIFY(QDir().mkdir(taken(i)));
        else if (i % 3 == 1)
            QVERIFY(writeFile(taken(i), "mine"));
        else
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), taken(i)));
        entries << QFileInfo(taken(i)).fileName();
    }

    const QList<Event> list = newEvents == 3 ? threeEvents() : repeated(newEvents, named(QStringLiteral("New")));
    Store store(list);
    const TestClock clock(QDateTime(QDate(2027, 1, 6), QTime(9, 8, 7)));
    const QFile::Permissions permissions = QFile::permissions(dir.path());
    if (readOnly)
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const SaveOutcome outcome = saveEventsKeepingDamaged(store.events(), path, damaged);
    QFile::setPermissions(dir.path(), permissions);

    QCOMPARE(outcome.saved, saved);
    QCOMPARE(outcome.original, original);
    QCOMPARE(outcome.keptPath, keptSuffix.isNull() ? QString() : keptName + keptSuffix);
    QCOMPARE(readFile(path), saved ? streamEvents(list) : old);
    if (!outcome.keptPath.isEmpty()) {
        QCOMPARE(readFile(outcome.keptPath), old);
        entries << QFileInfo(outcome.keptPath).fileName();
    }
    // Whatever held a name before is as it was, and nothing else is left behind.
    for (int i = 0; i < takenNames; ++i) {
        const QFileInfo info(taken(i));
        QVERIFY(i % 3 == 0 ? info.isDir() : i % 3 == 1 ? readFile(taken(i)) == "mine" : info.isSymLink());
    }
    entries.sort();
    QCOMPARE(entriesOf(dir.path()), entries);
}

QTEST_MAIN(TestEventStore)
#include "tst_eventstore.moc"

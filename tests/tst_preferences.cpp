// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"
#include "model/logging.h"
#include "model/nativesettings.h"
#include "model/preferences.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QBuffer>
#include <QDir>
#include <QtTest>

#include <sys/stat.h>

using namespace TestHelpers;

namespace {

Preferences record(bool separate, bool popup, bool notify, qint32 days, bool once)
{
    Preferences p;
    p.separateNotifications = separate;
    p.popupNotifications = popup;
    p.facebookNotify = notify;
    p.facebookNotifyDaysBefore = days;
    p.facebookShowOnce = once;
    return p;
}

bool same(const Preferences &a, const Preferences &b)
{
    return a.separateNotifications == b.separateNotifications && a.popupNotifications == b.popupNotifications &&
           a.facebookNotify == b.facebookNotify && a.facebookNotifyDaysBefore == b.facebookNotifyDaysBefore &&
           a.facebookShowOnce == b.facebookShowOnce;
}

} // namespace

Q_DECLARE_METATYPE(Preferences)

class TestPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Startup::setApplicationIdentity(); }

    void init() { QVERIFY(TestEnvironment::reset()); }

    void defaults()
    {
        const Preferences p;
        QVERIFY(same(p, record(false, false, false, 7, true)));
        QCOMPARE(settingsFilePath(), TestEnvironment::dataDir() + QStringLiteral("/settings.ini"));
    }

    void fileBytes_data()
    {
        QTest::addColumn<Preferences>("preferences");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("example") << record(false, true, true, 7, true) << QByteArray::fromHex("0001010000000701");
        QTest::newRow("300 days") << record(false, false, false, 300, true) << QByteArray::fromHex("0000000000012c01");
        QTest::newRow("defaults") << Preferences() << QByteArray::fromHex("0000000000000701");
        QTest::newRow("all on, negative days")
            << record(true, true, true, -2, true) << QByteArray::fromHex("010101fffffffe01");
    }

    void fileBytes()
    {
        QFETCH(Preferences, preferences);
        QFETCH(QByteArray, bytes);
        // The data directory does not exist yet: writing creates it.
        QVERIFY(!QDir(TestEnvironment::dataDir()).exists());
        QVERIFY(writePreferences(preferences, settingsFilePath()));
        QCOMPARE(readFile(settingsFilePath()), bytes);
        QCOMPARE(QDir(TestEnvironment::dataDir()).entryList(QDir::Files), QStringList{"settings.ini"});

        Preferences read = record(true, false, true, 1234, false);
        readPreferences(read, settingsFilePath());
        QVERIFY(same(read, preferences));
    }

    // A file made elsewhere: any non-zero byte is true; a short file gives false and 0 for what
    // is missing; a missing file changes nothing.
    void filesFromElsewhere_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Preferences>("expected");
        QTest::newRow("non-zero flags") << QByteArray::fromHex("ff80020000000a07")
                                        << record(true, true, true, 10, true);
        QTest::newRow("three bytes") << QByteArray::fromHex("010101") << record(true, true, true, 0, false);
        QTest::newRow("empty") << QByteArray() << record(false, false, false, 0, false);
        QTest::newRow("longer") << QByteArray::fromHex("00010100000007010000") << record(false, true, true, 7, true);
    }

    void filesFromElsewhere()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Preferences, expected);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        Preferences read;
        readPreferences(read, buffer);
        QVERIFY(same(read, expected));
    }

    void missingFileChangesNothing()
    {
        Preferences p = record(true, true, false, 3, false);
        readPreferences(p, settingsFilePath());
        QVERIFY(same(p, record(true, true, false, 3, false)));
        QVERIFY(!QFile::exists(settingsFilePath()));
    }

    // A write that cannot happen leaves the old file as it was.
    void failedWriteKeepsTheOldFile()
    {
        QVERIFY(writePreferences(record(false, true, true, 7, true), settingsFilePath()));
        const QByteArray before = readFile(settingsFilePath());
        // A directory where the file should be replaced cannot be written over.
        const QString blocked = TestEnvironment::dataDir() + QStringLiteral("/blocked");
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/settings.ini")));
        QVERIFY(!writePreferences(Preferences(), blocked + QStringLiteral("/settings.ini")));
        QCOMPARE(readFile(settingsFilePath()), before);

        QByteArray closed;
        QBuffer device(&closed);
        QVERIFY(!writePreferences(Preferences(), device));
    }

    // The settings files and the data folder are the user's alone when the program makes them;
    // one that was there keeps its mode through a save.
    void madePrivate_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("before"); // the mode of one made beforehand; 0 for none
        QTest::addColumn<int>("after");
        const QString ini = settingsFilePath(), conf = TestEnvironment::configFile(), data = TestEnvironment::dataDir();
        QTest::newRow("settings.ini, new") << ini << 0 << 0600;
        QTest::newRow("settings.ini, there") << ini << 0644 << 0644;
        QTest::newRow("Oriventa.conf, new") << conf << 0 << 0600;
        QTest::newRow("Oriventa.conf, there") << conf << 0644 << 0644;
        QTest::newRow("data folder, new") << data << 0 << 0700;
        QTest::newRow("data folder, there") << data << 0755 << 0755;
    }

    void madePrivate()
    {
        QFETCH(QString, path);
        QFETCH(int, before);
        QFETCH(int, after);
        const QByteArray name = QFile::encodeName(path);
        if (before != 0) {
            const bool folder = path == TestEnvironment::dataDir();
            QVERIFY(QDir().mkpath(folder ? path : QFileInfo(path).path()) &&
                    (folder || writeFile(path, "[General]\n")));
            QCOMPARE(::chmod(name.constData(), mode_t(before)), 0);
        }
        // The usual mask, under which a file made without care is readable by everyone.
        const mode_t mask = ::umask(022);
        nativeSettings().setValue(QStringLiteral("sortOrder"), 1);
        QVERIFY(writePreferences(Preferences(), settingsFilePath()));
        ::umask(mask);
        struct stat status = {};
        QCOMPARE(::stat(name.constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 07777), after);
    }

    // The log goes to standard error (the journal, under the timer), never to a file of its own.
    void debugLogWritesNothing()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("oriventa.*.debug=true"));
        qCDebug(lcModel) << "trace text";
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(!QFile::exists(QStringLiteral("log.log")));
        QVERIFY(!QDir(TestEnvironment::dataDir()).exists());
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"

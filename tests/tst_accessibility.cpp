// SPDX-License-Identifier: GPL-3.0-or-later
// Each page of the real program as a screen reader meets it: the program on a virtual display with
// a session bus of its own, which starts the accessibility bus when Qt asks for it, and
// tests/support/accessibilitywalk.py reading the page on that bus.
#include "app/identity.h"
#include "tests/support/events.h"
#include "tests/support/programrun.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"
#include "tests/support/virtualdisplay.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QtTest>

using namespace TestHelpers;

namespace {

const QString python = QStringLiteral("/usr/bin/python3");

QString missingTools()
{
    if (const QString missing = VirtualDisplay::missingTools(); !missing.isEmpty())
        return missing;
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return QStringLiteral("dbus-daemon is not installed");
    if (runProgram(python, {QStringLiteral("-c"), QStringLiteral("import pyatspi")}).status != 0)
        return QStringLiteral("pyatspi is not installed: apt-get install at-spi2-core python3-pyatspi "
                              "gir1.2-atspi-2.0");
    return QString();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Startup::setApplicationIdentity();
        if (const QString missing = missingTools(); !missing.isEmpty()) {
            // CI installs all of it: a missing piece there is a broken set-up, not a reason to pass.
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL(qPrintable(missing));
            QSKIP(qPrintable(missing));
        }
    }

    // Every control that takes the focus has a name, in English and in German; in German no text
    // of the program is left in English.
    void pageIsReadable_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("language");
        struct Page
        {
            const char *name;
            QStringList arguments;
            QString button;
            QString shown;
        };
        const QList<Page> pages{
            {"list", {}, {}, QStringLiteral("eventTreeView")},
            {"editor, add", {}, QStringLiteral("addButton"), QStringLiteral("saveButton")},
            {"editor, edit", {}, QStringLiteral("editButton"), QStringLiteral("saveButton")},
            {"details", {}, QStringLiteral("viewButton"), QStringLiteral("viewOKButton")},
            {"settings", {}, QStringLiteral("settingsButton"), QStringLiteral("syncNowButton")},
            {"reminder", {QStringLiteral("auto")}, {}, QStringLiteral("okButton")},
        };
        for (const char *language : {"en", "de"}) {
            for (const Page &page : pages)
                QTest::addRow("%s, %s", page.name, language)
                    << page.arguments << page.button << page.shown << QString::fromLatin1(language);
        }
    }

    void pageIsReadable()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        QFETCH(QString, language);
        QVERIFY(TestEnvironment::reset());
        // Both due, the one in three days and the weekly one: the reminder window shows them too.
        const QDate today = QDate::currentDate();
        EventStore events;
        events << singular(today.addDays(3)).named(QStringLiteral("Dentist")).notify(5).make()
               << weekly().on({1, 4}).named(QStringLiteral("Swimming")).counted(3, today).notify(1).make();
        QVERIFY(writeEvents(events));

        VirtualDisplay display;
        QVERIFY(display.start());
        // The session bus knows the machine's services, the accessibility bus among them, and
        // starts that on the display when the program first asks for it.
        const auto bus = startProgram(QStringLiteral("dbus-daemon"),
                                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                       QStringLiteral("--print-address=1"), QStringLiteral("--syslog-only")},
                                      display.environment());
        QTRY_VERIFY_WITH_TIMEOUT(bus->canReadLine(), 10000);
        QProcessEnvironment env = display.environment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus->readLine()).trimmed());
        env.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        env.insert(QStringLiteral("LANGUAGE"), language == QLatin1String("en") ? QString() : language);
        env.insert(QStringLiteral("ORIVENTA_DRIVER_BUTTON"), button);
        env.insert(QStringLiteral("ORIVENTA_DRIVER_SELECT"), QStringLiteral("eventTreeView"));
        env.insert(QStringLiteral("ORIVENTA_DRIVER_REPORT"), shown);
        const auto program = startProgram(qEnvironmentVariable("ORIVENTA_DRIVER"), arguments, env);
        QTRY_VERIFY_WITH_TIMEOUT(program->canReadLine(), 30000);

        QStringList walk{qEnvironmentVariable("ORIVENTA_ACCESSIBILITY_WALK"), QStringLiteral("--pid"),
                         QString::number(program->processId())};
        if (language != QLatin1String("en"))
            walk << QStringLiteral("--catalog")
                 << qEnvironmentVariable("ORIVENTA_TRANSLATIONS") + QStringLiteral("/oriventa_%1.ts").arg(language);
        // The registry keeps what it has once seen: each try asks with a new process.
        ProgramRun run;
        for (QDeadlineTimer deadline(20000); !deadline.hasExpired(); QTest::qWait(200)) {
            run = runProgram(python, walk, env);
            if (run.status != 2)
                break;
        }
        const int end = endProgram(*program);
        endProgram(*bus);
        // One line a problem; a failure's own message would be cut short.
        for (const QByteArray &line : run.out.split('\n'))
            if (!line.isEmpty())
                qInfo("%s", line.constData());
        if (run.status == 2)
            QFAIL("the program showed no window on the accessibility bus");
        QVERIFY2(run.status == 0, run.err.isEmpty() ? "problems listed above" : run.err.constData());
        QCOMPARE(end, 0);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

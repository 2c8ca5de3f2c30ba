// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop composition: the run-time lookup of the window manager's functions, the glass frame,
// the notifier's composition-changed message, and the windows' backgrounds with and without it.
// The window manager is the stub in tests/dwmapistub.cpp, found through LD_LIBRARY_PATH.
#include "mainwindow/mainwindow.h"
#include "platform/glass.h"
#include "reminders/reminderwindow.h"
#include "tests/support/testenvironment.h"

#include <QLibrary>
#include <QtTest>

namespace {

const qint32 failed = static_cast<qint32>(0x80004005u); // E_FAIL
const qint32 succeededFalse = 1;                        // S_FALSE: still a success

using SetComposition = void (*)(qint32 result, int enabled);
using SetExtendResult = void (*)(qint32 result);
using CallCount = int (*)();
using LastWindow = void *(*)();
using LastMargins = void (*)(qint32 *out);

// QWidget::nativeEvent is protected and WindowNotifier is final, but a pointer to the member taken
// through another QWidget subclass still dispatches virtually to the notifier's override.
struct NativeEventAccess : QWidget
{
    static bool deliver(QWidget *widget, const QByteArray &type, void *message)
    {
        long result = 0;
        return (widget->*&NativeEventAccess::nativeEvent)(type, message, &result);
    }
};

class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

class TestGlass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void compositionEnabled_data();
    void compositionEnabled();
    void extendGlassFrame_data();
    void extendGlassFrame();
    void notifierIsOneHiddenNativeWindow();
    void notifierMessages_data();
    void notifierMessages();
    void windowBackground_data();
    void windowBackground();

private:
    QLibrary stub{QStringLiteral("dwmapi")};
    SetComposition setComposition = nullptr;
    SetExtendResult setExtendResult = nullptr;
    CallCount compositionCalls = nullptr;
    CallCount extendCalls = nullptr;
    LastWindow lastWindow = nullptr;
    LastMargins lastMargins = nullptr;
    // Glass windows stay alive to the end: the notifier keeps pointers to them, as in the program.
    PaintCounter *shownGlass = nullptr;
};

void TestGlass::initTestCase()
{
    QVERIFY(TestEnvironment::reset());
    QVERIFY2(stub.load(), qPrintable(stub.errorString()));
    setComposition = reinterpret_cast<SetComposition>(stub.resolve("stubSetComposition"));
    setExtendResult = reinterpret_cast<SetExtendResult>(stub.resolve("stubSetExtendResult"));
    compositionCalls = reinterpret_cast<CallCount>(stub.resolve("stubCompositionCalls"));
    extendCalls = reinterpret_cast<CallCount>(stub.resolve("stubExtendCalls"));
    lastWindow = reinterpret_cast<LastWindow>(stub.resolve("stubLastWindow"));
    lastMargins = reinterpret_cast<LastMargins>(stub.resolve("stubLastMargins"));
    QVERIFY(setComposition && setExtendResult && compositionCalls && extendCalls && lastWindow && lastMargins);
    QVERIFY(resolveDwmFunctions());

    // One shown glass window, so that the notifier's repaint can be seen.
    setComposition(0, 1);
    setExtendResult(0);
    shownGlass = new PaintCounter;
    QVERIFY(::extendGlassFrame(shownGlass, -1, -1, -1, -1));
    shownGlass->show();
    QVERIFY(QTest::qWaitForWindowExposed(shownGlass));
}

void TestGlass::compositionEnabled_data()
{
    QTest::addColumn<qint32>("result");
    QTest::addColumn<int>("answer"); // negative: the stub leaves the BOOL alone
    QTest::addColumn<bool>("expected");

    QTest::newRow("on") << qint32(0) << 1 << true;
    QTest::newRow("off") << qint32(0) << 0 << false;
    QTest::newRow("any non-zero BOOL is on") << qint32(0) << 7 << true;
    QTest::newRow("other success code") << succeededFalse << 1 << true;
    QTest::newRow("failing call") << failed << 1 << false;
    QTest::newRow("success without an answer") << qint32(0) << -1 << false;
}

void TestGlass::compositionEnabled()
{
    QFETCH(qint32, result);
    QFETCH(int, answer);
    QFETCH(bool, expected);

    setComposition(result, answer);
    const int before = compositionCalls();
    QCOMPARE(::compositionEnabled(), expected);
    QCOMPARE(compositionCalls(), before + 1);
}

void TestGlass::extendGlassFrame_data()
{
    QTest::addColumn<QVector<int>>("margins"); // left, right, top, bottom
    QTest::addColumn<qint32>("result");
    QTest::addColumn<bool>("extended");

    QTest::newRow("whole window") << QVector<int>{-1, -1, -1, -1} << qint32(0) << true;
    QTest::newRow("borders in order") << QVector<int>{1, 2, 3, 4} << qint32(0) << true;
    QTest::newRow("other success code") << QVector<int>{8, 0, 30, 5} << succeededFalse << true;
    QTest::newRow("failing call") << QVector<int>{4, 3, 2, 1} << failed << false;
}

void TestGlass::extendGlassFrame()
{
    QFETCH(QVector<int>, margins);
    QFETCH(qint32, result);
    QFETCH(bool, extended);

    setExtendResult(result);
    auto *window = new QWidget;
    // The opposite of the outcome, so that the call must really set the attribute either way.
    window->setAttribute(Qt::WA_TranslucentBackground, !extended);
    const int listed = compositionNotifier()->glassWidgets().size();
    const int calls = extendCalls();

    QCOMPARE(::extendGlassFrame(window, margins[0], margins[1], margins[2], margins[3]), extended);
    QCOMPARE(extendCalls(), calls + 1);
    QCOMPARE(reinterpret_cast<quintptr>(lastWindow()), quintptr(window->winId()));
    qint32 passed[4];
    lastMargins(passed);
    QCOMPARE((QVector<int>{passed[0], passed[1], passed[2], passed[3]}), margins);
    QCOMPARE(window->testAttribute(Qt::WA_TranslucentBackground), extended);
    const QList<QWidget *> glass = compositionNotifier()->glassWidgets();
    QCOMPARE(glass.size(), listed + (extended ? 1 : 0));
    QCOMPARE(glass.count(window), extended ? 1 : 0);
    if (extended)
        QCOMPARE(glass.last(), window);
    else
        delete window; // not listed, so nothing refers to it
    setExtendResult(0);
}

void TestGlass::notifierIsOneHiddenNativeWindow()
{
    WindowNotifier *notifier = compositionNotifier();
    QVERIFY(notifier);
    QCOMPARE(compositionNotifier(), notifier);
    QVERIFY(notifier->internalWinId() != 0);
    QVERIFY(!notifier->parentWidget());
    QVERIFY(!notifier->isVisible());
}

void TestGlass::notifierMessages_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<uint>("number");
    QTest::addColumn<bool>("composition");
    QTest::addColumn<bool>("acts");

    const uint changed = WindowNotifier::CompositionChangedMessage;
    QTest::newRow("switched on") << QByteArray("windows_generic_MSG") << changed << true << true;
    QTest::newRow("switched off") << QByteArray("windows_generic_MSG") << changed << false << true;
    QTest::newRow("paint message") << QByteArray("windows_generic_MSG") << 0x000Fu << false << false;
    QTest::newRow("next message number") << QByteArray("windows_generic_MSG") << changed + 1 << true << false;
    QTest::newRow("foreign event type") << QByteArray("xcb_generic_event_t") << changed << false << false;
}

void TestGlass::notifierMessages()
{
    QFETCH(QByteArray, type);
    QFETCH(uint, number);
    QFETCH(bool, composition);
    QFETCH(bool, acts);

    WindowNotifier *notifier = compositionNotifier();
    const QList<QWidget *> glass = notifier->glassWidgets();
    QVERIFY(glass.size() >= 2);
    for (QWidget *window : glass)
        window->setAttribute(Qt::WA_NoSystemBackground, !composition);
    setComposition(0, composition ? 1 : 0);
    const int asked = compositionCalls();
    const int paints = shownGlass->paints;

    NativeWindowMessage message{reinterpret_cast<void *>(notifier->winId()), number};
    QVERIFY(!NativeEventAccess::deliver(notifier, type, &message));

    // Asked once per message, however many windows there are.
    QCOMPARE(compositionCalls(), asked + (acts ? 1 : 0));
    for (QWidget *window : glass)
        QCOMPARE(window->testAttribute(Qt::WA_NoSystemBackground), acts ? composition : !composition);
    QCOMPARE(notifier->glassWidgets(), glass);
    if (acts)
        QTRY_VERIFY(shownGlass->paints > paints);
}

void TestGlass::windowBackground_data()
{
    QTest::addColumn<bool>("reminder");
    QTest::addColumn<bool>("composition");

    QTest::newRow("main window, composition on") << false << true;
    QTest::newRow("main window, composition off") << false << false;
    QTest::newRow("reminder window, composition on") << true << true;
    QTest::newRow("reminder window, composition off") << true << false;
}

void TestGlass::windowBackground()
{
    QFETCH(bool, reminder);
    QFETCH(bool, composition);

    setComposition(0, composition ? 1 : 0);
    QScopedPointer<QWidget> window(reminder ? static_cast<QWidget *>(new ReminderWindow)
                                            : static_cast<QWidget *>(new MainWindow));
    const QString name = reminder ? QStringLiteral("centralwidget") : QStringLiteral("centralWidget");
    auto *central = window->findChild<QWidget *>(name);
    QVERIFY(central);
    const QString sheet = central->styleSheet();

    const QString rules = reminder ? QStringLiteral(" QWidget#centralwidget {background-color: rgb(232,236,246);} ")
                                   : QStringLiteral("QWidget#centralWidget {background-color: rgb(232,236,246);} "
                                                    "QWidget#viewTab {background-color: rgb(214,221,239);} "
                                                    "QWidget#editTab {background-color: rgb(214,221,239);} "
                                                    "QWidget#infoTab {background-color: rgb(214,221,239);} "
                                                    "QWidget#settingsTab {background-color: rgb(214,221,239);}");
    if (composition) {
        QVERIFY2(!sheet.contains(QLatin1String("rgb(232,236,246)")), qPrintable(sheet));
        QVERIFY2(!sheet.contains(QLatin1String("rgb(214,221,239)")), qPrintable(sheet));
    } else {
        QVERIFY2(sheet.endsWith(rules), qPrintable(sheet));
        QCOMPARE(sheet.count(QLatin1String("rgb(232,236,246)")), 1);
    }
}

QTEST_MAIN(TestGlass)

#include "tst_glass.moc"

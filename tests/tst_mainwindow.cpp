// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "model/nativesettings.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/programrun.h"
#include "tests/support/testclock.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"
#include "tests/support/virtualdisplay.h"

#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPaintEngine>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

using namespace TestHelpers;

namespace {

QDateTime at(int y, int m, int d, int hh = 12, int mm = 0, int ss = 0)
{
    return QDateTime(QDate(y, m, d), QTime(hh, mm, ss));
}

// The texts a widget draws when it paints, each with the extent it takes in the widget.
class TextRecorder final : public QPaintDevice
{
public:
    QHash<QString, QRectF> texts(QWidget *widget)
    {
        size = widget->size();
        engine.texts.clear();
        widget->render(this);
        return engine.texts;
    }

    QPaintEngine *paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return size.width();
        case PdmHeight:
            return size.height();
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        case PdmWidthMM:
        case PdmHeightMM:
            return 100;
        default:
            return metric == PdmNumColors ? 1 << 24 : (metric == PdmDevicePixelRatio ? 1 : 96);
        }
    }

private:
    struct Engine final : QPaintEngine
    {
        QHash<QString, QRectF> texts;
        QTransform transform;
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &changed) override
        {
            if (changed.state() & DirtyTransform)
                transform = changed.transform();
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &at, const QTextItem &item) override
        {
            texts.insert(item.text(), transform.mapRect(QRectF(at.x(), at.y() - item.ascent(), item.width(),
                                                               item.ascent() + item.descent())));
        }
        Type type() const override { return User; }
    };
    mutable Engine engine;
    QSize size;
};

QStringList namesOnFile()
{
    QStringList names;
    for (const Event &e : readEvents())
        names << e.name;
    return names;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    // A clock the tests move by hand.
    TestClock clock;

    QTreeView *list(MainWindow &w) { return w.findChild<QTreeView *>(QStringLiteral("eventTreeView")); }
    QAbstractItemModel *model(MainWindow &w) { return list(w)->model(); }
    QVariant cell(MainWindow &w, int row, int column) { return model(w)->index(row, column).data(); }
    QStringList namesOnScreen(MainWindow &w)
    {
        QStringList names;
        for (int row = 0; row < model(w)->rowCount(); ++row)
            names << cell(w, row, 2).toString();
        return names;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(TestEnvironment::reset()); }

    void init()
    {
        QVERIFY(TestEnvironment::reset());
        clock.set(at(2027, 1, 6)); // a Wednesday
    }

    void firstStart()
    {
        MainWindow w;
        w.show();
        QCOMPARE(model(w)->rowCount(), 0);
        QCOMPARE(model(w)->columnCount(), 4);
        QCOMPARE(w.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->currentIndex(), 0);
        const QHeaderView *header = list(w)->header();
        QCOMPARE(header->sortIndicatorSection(), 0);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QVERIFY(list(w)->isColumnHidden(3));
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << model(w)->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({"Date", "Days Remaining", "Event", "Data"}));
        QCOMPARE(w.windowTitle(), QStringLiteral("Oriventa"));
        QVERIFY(!w.windowIcon().isNull());
        // Nothing is written before the window closes.
        QVERIFY(!QFile::exists(eventsFilePath()));
        w.close();
        QCOMPARE(namesOnFile(), QStringList());
        QFile file(eventsFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(4, '\0'));
    }

    void columnsShowNextOccurrence_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QVariant>("days");

        QTest::newRow("weekly Thursday") << weekly().on(Qt::Thursday).event() << QDate(2027, 1, 7) << QVariant(1);
        QTest::newRow("weekly Wednesday is today")
            << weekly().on(Qt::Wednesday).event() << QDate(2027, 1, 6) << QVariant(0);
        QTest::newRow("singular yesterday")
            << singular(QDate(2027, 1, 5)).event() << QDate(2027, 1, 5) << QVariant(QStringLiteral("N/A"));
        QTest::newRow("weekly without days") << weekly().event() << QDate() << QVariant(QStringLiteral("N/A"));
        QTest::newRow("monthly 3rd Monday")
            << monthly().nth(3).on(Qt::Monday).event() << QDate(2027, 1, 18) << QVariant(12);
        QTest::newRow("yearly 14 February")
            << yearly().dayNumber(14).in(2).event() << QDate(2027, 2, 14) << QVariant(39);
    }

    void columnsShowNextOccurrence()
    {
        QFETCH(Event, event);
        QFETCH(QDate, date);
        QFETCH(QVariant, days);

        event.name = QStringLiteral("e");
        QVERIFY(writeEvents({new Event(event)}));

        MainWindow w;
        QCOMPARE(model(w)->rowCount(), 1);
        QCOMPARE(cell(w, 0, 0).toDate(), date);
        QCOMPARE(cell(w, 0, 1), days);
        QCOMPARE(cell(w, 0, 2).toString(), QStringLiteral("e"));
        QVERIFY(w.eventAtRow(0));
    }

    // Loading in bulk must give the order that inserting each event at the top would give.
    void loadOrderMatchesOneByOneInsertion()
    {
        EventStore events;
        for (int i = 0; i < 50; ++i)
            events << weeklyEvent(QStringLiteral("event %1").arg(i), {3}); // all on the same day
        QVERIFY(saveEvents(events, eventsFilePath()));

        QStringList oneByOne;
        for (const Event *e : events)
            oneByOne.prepend(e->name);
        qDeleteAll(events);

        MainWindow w;
        // The sort by date keeps equal rows in their order.
        QCOMPARE(namesOnScreen(w), oneByOne);
        for (int row = 0; row < 50; ++row)
            QCOMPARE(w.eventAtRow(row)->name, oneByOne.at(row));
        QCOMPARE(w.nameCountOf(QStringLiteral("event 7")), 1);
    }

    void sortAndGeometryAreRemembered()
    {
        QVERIFY(writeEvents({weeklyEvent(QStringLiteral("b"), {1}), weeklyEvent(QStringLiteral("c"), {4}),
                             weeklyEvent(QStringLiteral("a"), {5})}));
        QRect geometry;
        {
            MainWindow w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            // By date ascending first: Thursday, Friday, Monday.
            QCOMPARE(namesOnScreen(w), QStringList({"c", "a", "b"}));
            QTest::mouseClick(list(w)->header()->viewport(), Qt::LeftButton, {},
                              QPoint(list(w)->header()->sectionViewportPosition(2) + 5, 5));
            QCOMPARE(list(w)->header()->sortIndicatorSection(), 2);
            if (list(w)->header()->sortIndicatorOrder() != Qt::DescendingOrder)
                list(w)->sortByColumn(2, Qt::DescendingOrder);
            QCOMPARE(namesOnScreen(w), QStringList({"c", "b", "a"}));
            // Within what the test screen offers: a larger one would be fitted to it.
            w.resize(720, 690);
            w.move(40, 0);
            geometry = w.geometry();
            w.close();
        }
        const QSettings settings = nativeSettings();
        QCOMPARE(settings.value(QStringLiteral("sortOrder")).toInt(), 1);
        QCOMPARE(settings.value(QStringLiteral("sortSection")).toInt(), 2);
        QVERIFY(!settings.value(QStringLiteral("geometryMainWindow")).toByteArray().isEmpty());
        // The file lists the rows as they stood on screen.
        QCOMPARE(namesOnFile(), QStringList({"c", "b", "a"}));

        MainWindow again;
        QCOMPARE(again.size(), geometry.size());
        QCOMPARE(list(again)->header()->sortIndicatorSection(), 2);
        QCOMPARE(list(again)->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(namesOnScreen(again), QStringList({"c", "b", "a"}));
    }

    // The list sorts exactly as QStandardItemModel's own sort would, and each row keeps its event.
    void sortMatchesTheStandardSort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        for (int column = 0; column < 3; ++column) {
            QTest::addRow("column %d ascending", column) << column << int(Qt::AscendingOrder);
            QTest::addRow("column %d descending", column) << column << int(Qt::DescendingOrder);
        }
    }

    void sortMatchesTheStandardSort()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        EventStore events;
        QRandomGenerator random(7);
        for (int i = 0; i < 300; ++i) {
            const int kind = random.bounded(3);
            const QString name = QStringLiteral("n%1").arg(random.bounded(40));
            if (kind == 0)
                events << singular(QDate(2027, 1, 6).addDays(random.bounded(-20, 20))).named(name).make();
            else if (kind == 1)
                events << weeklyEvent(name, {random.bounded(1, 8)});
            else
                events << weeklyEvent(name, {});
        }
        QVERIFY(writeEvents(events));
        MainWindow w;
        QAbstractItemModel *m = model(w);

        QStandardItemModel reference(m->rowCount(), 4);
        for (int row = 0; row < m->rowCount(); ++row) {
            for (int c = 0; c < 4; ++c)
                reference.setData(reference.index(row, c), cell(w, row, c));
        }
        reference.QStandardItemModel::sort(column, Qt::SortOrder(order));
        list(w)->sortByColumn(column, Qt::SortOrder(order));

        for (int row = 0; row < m->rowCount(); ++row) {
            for (int c = 0; c < 4; ++c)
                QCOMPARE(cell(w, row, c), reference.index(row, c).data());
            const Event *e = w.eventAtRow(row);
            QCOMPARE(cell(w, row, 2).toString(), e->name);
            QCOMPARE(cell(w, row, 0).toDate(), e->nextOccurrence(QDate(2027, 1, 6)));
        }
    }

    void selectionFollowsTheSort()
    {
        QVERIFY(writeEvents({weeklyEvent(QStringLiteral("b"), {1}), weeklyEvent(QStringLiteral("c"), {4}),
                             weeklyEvent(QStringLiteral("a"), {5})}));
        MainWindow w;
        const int row = namesOnScreen(w).indexOf(QStringLiteral("b"));
        list(w)->setCurrentIndex(model(w)->index(row, 0));
        list(w)->sortByColumn(2, Qt::AscendingOrder);
        QCOMPARE(namesOnScreen(w), QStringList({"a", "b", "c"}));
        QCOMPARE(list(w)->currentIndex().row(), 1);
        QCOMPARE(list(w)->selectionModel()->selectedRows(2).value(0).data().toString(), QStringLiteral("b"));
    }

    void windowCannotBeMadeShorter()
    {
        MainWindow w;
        w.show();
        w.resize(639, 300);
        QVERIFY(w.height() >= 690);
    }

    void fileIsWrittenInDisplayOrder()
    {
        QVERIFY(writeEvents({weeklyEvent(QStringLiteral("b"), {1}), weeklyEvent(QStringLiteral("c"), {4})}));
        MainWindow w;
        QCOMPARE(namesOnScreen(w), QStringList({"c", "b"}));
        // A new row stays on top until the list is sorted again.
        w.addEventRow(weeklyEvent(QStringLiteral("new"), {2}));
        QCOMPARE(namesOnScreen(w), QStringList({"new", "c", "b"}));
        w.close();
        QCOMPARE(namesOnFile(), QStringList({"new", "c", "b"}));
    }

    void nameCountFollowsRows()
    {
        MainWindow w;
        const QString twin = QStringLiteral("Twin");
        QVERIFY(!w.isNameTaken(twin));
        w.addEventRow(weeklyEvent(twin, {1}));
        w.addEventRow(weeklyEvent(twin, {2}));
        QCOMPARE(w.nameCountOf(twin), 2);
        w.removeEventRow(0);
        QCOMPARE(w.nameCountOf(twin), 1);
        QVERIFY(w.isNameTaken(twin));

        // A replacement with another name moves one count from the old name to the new one.
        w.replaceEventRow(0, weeklyEvent(QStringLiteral("Other"), {3}));
        QCOMPARE(w.nameCountOf(twin), 0);
        QCOMPARE(w.nameCountOf(QStringLiteral("Other")), 1);
        QCOMPARE(cell(w, 0, 2).toString(), QStringLiteral("Other"));
        QCOMPARE(cell(w, 0, 0).toDate(), QDate(2027, 1, 6));

        w.addEventRow(weeklyEvent(twin, {1}));
        w.removeEventRow(0);
        QVERIFY(!w.isNameTaken(twin));
        w.removeEventRow(0);
        QVERIFY(!w.isNameTaken(QStringLiteral("Other")));
        QCOMPARE(model(w)->rowCount(), 0);
    }

    // The date columns follow the day when the window stays open past midnight.
    void datesAreRewrittenAtMidnight()
    {
        QVERIFY(writeEvents({weeklyEvent(QStringLiteral("thursday"), {4}), weeklyEvent(QStringLiteral("friday"), {5}),
                             singular(QDate(2027, 1, 7)).named(QStringLiteral("once")).make()}));
        clock.set(at(2027, 1, 6, 23, 59, 59));
        MainWindow w;
        w.show();
        const int thursdayRow = namesOnScreen(w).indexOf(QStringLiteral("thursday"));
        QCOMPARE(cell(w, thursdayRow, 1), QVariant(1));
        list(w)->selectionModel()->select(model(w)->index(thursdayRow, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

        clock.set(at(2027, 1, 7, 0, 0, 1));
        // The window's own timer notices the new day.
        QTRY_COMPARE_WITH_TIMEOUT(cell(w, namesOnScreen(w).indexOf(QStringLiteral("thursday")), 1), QVariant(0), 5000);
        const int row = namesOnScreen(w).indexOf(QStringLiteral("thursday"));
        QCOMPARE(cell(w, row, 0).toDate(), QDate(2027, 1, 7));
        const QModelIndexList selected = list(w)->selectionModel()->selectedRows(2);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().data().toString(), QStringLiteral("thursday"));

        clock.set(at(2027, 1, 8, 0, 0, 1));
        w.refreshDates();
        QCOMPARE(cell(w, namesOnScreen(w).indexOf(QStringLiteral("once")), 1), QVariant(QStringLiteral("N/A")));
        QCOMPARE(cell(w, namesOnScreen(w).indexOf(QStringLiteral("thursday")), 0).toDate(), QDate(2027, 1, 14));
        // Still sorted by date.
        QCOMPARE(namesOnScreen(w), QStringList({"once", "friday", "thursday"}));
    }

    // A file that could not be read to its end is kept before it is replaced.
    void damagedFileIsKeptAside()
    {
        QVERIFY(writeEvents({weeklyEvent(QStringLiteral("kept"), {1})}));
        const QByteArray damaged = damageFile(eventsFilePath());
        QVERIFY(!damaged.isEmpty());

        clock.set(at(2027, 1, 6, 9, 8, 7));
        {
            MainWindow w;
            QCOMPARE(namesOnScreen(w), QStringList({"kept"}));
            w.close();
        }
        QFile kept(eventsFilePath() + QStringLiteral(".damaged-20270106-090807"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), damaged);
        LoadStatus status = LoadStatus::Missing;
        const EventStore reread = loadEvents(eventsFilePath(), &status);
        QCOMPARE(status, LoadStatus::Complete);
        QCOMPARE(reread.size(), 1);
        qDeleteAll(reread);

        // The next run finds a sound file and keeps no further copy.
        clock.set(at(2027, 1, 6, 10, 0, 0));
        {
            MainWindow w;
            w.close();
        }
        QVERIFY(!QFile::exists(eventsFilePath() + QStringLiteral(".damaged-20270106-100000")));
    }

    // Long names wrap or are cut short on every page; they never widen the window.
    void longNameKeepsTheWindowOnScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        const QString words = QStringLiteral("Birthday party of ").repeated(17).trimmed(); // about 300 characters
        const QString word = QString(300, QLatin1Char('W'));
        for (const char *button : {"", "editButton", "viewButton"}) {
            QTest::addRow("%s, words", *button ? button : "list") << words << button;
            QTest::addRow("%s, one word", *button ? button : "list") << word << button;
        }
    }

    void longNameKeepsTheWindowOnScreen()
    {
        QFETCH(QString, name);
        QFETCH(QString, button);
        // Every weekday and month, so that the schedule sentence is long too.
        Event *e = weeklyEvent(name, {1, 2, 3, 4, 5, 6, 7});
        e->schedule = Yearly;
        e->useDayNumber = e->wholeYear = true;
        e->ordinal = 1;
        std::fill(std::begin(e->months), std::end(e->months), true);
        QVERIFY(writeEvents({e}));

        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int width = w.width();
        list(w)->setCurrentIndex(model(w)->index(0, 0));
        if (!button.isEmpty())
            w.findChild<QAbstractButton *>(button)->click();
        QCoreApplication::processEvents();

        QCOMPARE(w.width(), width);
        const QRect available = w.screen()->availableGeometry();
        QVERIFY(w.frameGeometry().left() >= available.left());
        QVERIFY(w.frameGeometry().right() <= available.right());
        if (button == QLatin1String("viewButton") && name.contains(QLatin1Char(' '))) {
            const auto *label = w.findChild<QLabel *>(QStringLiteral("eventNameLabel"));
            QCOMPARE(label->text(), name);
            QVERIFY(label->height() >= 3 * label->fontMetrics().height());
            QVERIFY(label->mapTo(&w, QPoint(label->width(), 0)).x() <= w.width());
        }
    }

    // A stored geometry is fitted into the screen; the minimum height still wins over a small screen.
    void storedGeometryIsFittedToTheScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<bool>("keeps");
        QTest::newRow("too wide") << QRect(100, 0, 2590, 690) << false;
        QTest::newRow("off to the left and up") << QRect(-3000, -2000, 700, 690) << false;
        QTest::newRow("off to the right") << QRect(5000, 0, 700, 690) << false;
        QTest::newRow("fits across") << QRect(40, 0, 700, 690) << true;
    }

    void storedGeometryIsFittedToTheScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(bool, keeps);
        {
            QWidget probe;
            probe.setGeometry(stored);
            nativeSettings().setValue(QStringLiteral("geometryMainWindow"), probe.saveGeometry());
        }
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect available = w.screen()->availableGeometry();
        const QRect shown = w.frameGeometry();
        QVERIFY2(shown.left() >= available.left() && shown.right() <= available.right(),
                 qPrintable(QStringLiteral("%1 %2").arg(shown.left()).arg(shown.right())));
        QVERIFY(shown.top() >= available.top());
        QCOMPARE(w.height(), std::max(w.minimumHeight(), std::min(stored.height(), available.height())));
        // The stored place is the inside's, without the frame.
        if (keeps) {
            QCOMPARE(w.size(), stored.size());
            QCOMPARE(w.geometry().left(), stored.left());
        }
    }

    // Closed and started again, the program's window opens where it was, frame and all, with a
    // window manager that frames it and without one: the program on a virtual display.
    void placeIsKeptOnARealDisplay_data()
    {
        QTest::addColumn<bool>("managed");
        QTest::newRow("openbox") << true;
        QTest::newRow("no window manager") << false;
    }

    void placeIsKeptOnARealDisplay()
    {
        QFETCH(bool, managed);
        if (const QString missing = VirtualDisplay::missingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        VirtualDisplay display;
        QVERIFY(display.start(managed));
        QProcessEnvironment env = display.environment();
        env.insert(QStringLiteral("ORIVENTA_DRIVER_REPORT"), QStringLiteral("eventTreeView"));
        QList<QRect> frames;
        for (int start = 0; start < 3; ++start) {
            const auto program = startProgram(qEnvironmentVariable("ORIVENTA_DRIVER"), {}, env);
            QTRY_VERIFY_WITH_TIMEOUT(program->canReadLine(), 30000);
            frames << display.frameOf(program->processId());
            QVERIFY(!frames.last().isNull());
            QCOMPARE(endProgram(*program), 0);
        }
        QCOMPARE(frames, (QList<QRect>{frames.first(), frames.first(), frames.first()}));
    }

    // The "Days Remaining" header is drawn whole, whatever the sort and the user's resizing.
    void daysHeaderIsNeverCut_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("first start") << 0;
        QTest::newRow("sorted by days") << 1;
        QTest::newRow("narrowed by the user") << 2;
        QTest::newRow("sorted by days at the last close") << 3;
    }

    void daysHeaderIsNeverCut()
    {
        QFETCH(int, step);
        QVERIFY(writeEvents({weeklyEvent(QStringLiteral("a"), {1})}));
        if (step == 3) {
            QSettings settings = nativeSettings();
            settings.setValue(QStringLiteral("sortSection"), 1);
            settings.setValue(QStringLiteral("sortOrder"), 1);
        }
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QHeaderView *header = list(w)->header();
        if (step == 1) {
            const QPoint middle(header->sectionViewportPosition(1) + header->sectionSize(1) / 2, 5);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            QCOMPARE(header->sortIndicatorSection(), 1);
        }
        if (step == 2) {
            // Drag the right edge of the column onto its left edge.
            QPoint edge(header->sectionViewportPosition(1) + header->sectionSize(1) - 1, 5);
            const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
                QMouseEvent event(type, at, header->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, {});
                QApplication::sendEvent(header->viewport(), &event);
            };
            send(QEvent::MouseButtonPress, edge, Qt::LeftButton);
            edge.setX(header->sectionViewportPosition(1) + 1);
            send(QEvent::MouseMove, edge, Qt::LeftButton);
            send(QEvent::MouseButtonRelease, edge, Qt::NoButton);
        }
        TextRecorder recorder;
        const QHash<QString, QRectF> drawn = recorder.texts(header);
        const QString text = QStringLiteral("Days Remaining");
        QVERIFY2(drawn.contains(text), qPrintable(QStringList(drawn.keys()).join(QLatin1Char('|'))));
        const QRectF section(header->sectionViewportPosition(1), 0, header->sectionSize(1), header->height());
        QVERIFY2(section.contains(drawn.value(text)), qPrintable(QStringLiteral("text %1 to %2 in a section %3 to %4")
                                                                     .arg(drawn.value(text).left())
                                                                     .arg(drawn.value(text).right())
                                                                     .arg(section.left())
                                                                     .arg(section.right())));
    }

    void pagesReturnToTheList()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        for (const char *button : {"cancelButton", "viewOKButton", "settingsCancelButton"}) {
            tabs->setCurrentIndex(2);
            auto *b = w.findChild<QAbstractButton *>(QLatin1String(button));
            QVERIFY2(b, button);
            b->click();
            QCOMPARE(tabs->currentIndex(), 0);
        }
        // The page tabs are hidden: they take no height.
        QCOMPARE(tabs->property("showTabs").toBool(), false);
        QVERIFY(tabs->tabBar()->height() <= 1);
    }

    // When neither a copy nor a rename of a damaged file can be made, the list is saved anyway
    // and the user is told that the damaged bytes are gone.
    void damagedFileThatCannotBeKeptIsReported()
    {
        // A data directory so deep that the events file's path fits the system's limit of 4095
        // bytes, with room for a save's temporary name beside it, but the kept name's does not.
        constexpr int pathLength = 4080;
        const int tail = eventsFilePath().size() - qEnvironmentVariable("XDG_DATA_HOME").size();
        QString data = TestEnvironment::root() + QStringLiteral("/deep");
        while (data.size() + tail < pathLength) {
            const int left = pathLength - tail - data.size();
            data += QLatin1Char('/') + QString(left > 201 ? 150 : left - 1, QLatin1Char('d'));
        }
        qputenv("XDG_DATA_HOME", data.toUtf8());
        const auto restore =
            qScopeGuard([] { qputenv("XDG_DATA_HOME", (TestEnvironment::root() + QStringLiteral("/data")).toUtf8()); });
        QCOMPARE(eventsFilePath().size(), pathLength);
        QVERIFY(writeEvents({weeklyEvent(QStringLiteral("kept"), {1})}));
        QVERIFY(!damageFile(eventsFilePath()).isEmpty());

        BoxAnswerer boxes;
        {
            MainWindow w;
            w.addEventRow(weeklyEvent(QStringLiteral("added"), {2}));
            w.close();
        }
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Damaged Events File"));
        QVERIFY(!boxes.seen.first().hasParent);
        QStringList names = namesOnFile();
        names.sort();
        QCOMPARE(names, QStringList({"added", "kept"}));
        // Beside the list only the note that it lacks the unread events, for the next sync.
        QCOMPARE(QDir(QFileInfo(eventsFilePath()).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("events.evt"), QStringLiteral("events.evt.damage-note")}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

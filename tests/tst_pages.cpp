// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's editor, details and settings pages, driven as a user would.
#include "app/identity.h"
#include "ferrule/updater.h"
#include "mainwindow/details.h"
#include "mainwindow/mainwindow.h"
#include "model/nativesettings.h"
#include "model/preferences.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/inlanguage.h"
#include "tests/support/mainwindowfixture.h"
#include "tests/support/testclock.h"
#include "tests/support/testenvironment.h"
#include "tests/support/testhelpers.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

using namespace TestHelpers;

namespace {

// A weekly event reminded two days ahead.
Event *remindedWeekly(const QString &name, std::initializer_list<int> days)
{
    return weekly().named(name).on(days).notify(2).make();
}

const QDate today(2027, 1, 13); // a Wednesday

} // namespace

class TestPages : public QObject, MainWindowFixture
{
    Q_OBJECT

    const TestClock clock{QDateTime(today, QTime(10, 0))};

    void click(const char *button) { find<QAbstractButton>(button)->click(); }
    int page() { return find<QTabWidget>("tabWidget")->currentIndex(); }
    QTreeView *list() { return find<QTreeView>("eventTreeView"); }
    void selectRows(const QList<int> &selected)
    {
        list()->selectionModel()->clearSelection();
        for (int row : selected)
            list()->selectionModel()->select(list()->model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void makeCurrent(int row)
    {
        list()->selectionModel()->setCurrentIndex(list()->model()->index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Ticks or unticks a row of a check list with the keyboard, as a user would.
    void toggle(const char *listName, int row)
    {
        auto *view = find<QListView>(listName);
        view->setCurrentIndex(view->model()->index(row, 0));
        QTest::keyClick(view, Qt::Key_Space);
    }
    bool isTicked(const char *listName, int row)
    {
        return find<QListView>(listName)->model()->index(row, 0).data(Qt::CheckStateRole) == Qt::Checked;
    }
    // The words of a details sentence as the user sees them: the texts of its visible labels.
    QString sentence(const QStringList &labels)
    {
        QString text;
        for (const QString &name : labels) {
            auto *label = find<QLabel>(name.toLatin1().constData());
            if (label->isVisibleTo(w))
                text += label->text();
        }
        return text;
    }

private Q_SLOTS:
    void initTestCase() { Startup::setApplicationIdentity(); }

    void init() { QVERIFY(TestEnvironment::reset()); }

    void cleanup() { closeWindow(); }

    // Each button of the list page shows its title, its description line and its own picture.
    void buttonColumn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("icon");
        QTest::newRow("add") << "addButton"
                             << "Add Event"
                             << "Add a new event to be notified of."
                             << "add.png";
        QTest::newRow("edit") << "editButton"
                              << "Edit Event"
                              << "Edit the selected event's details."
                              << "edit.png";
        QTest::newRow("remove") << "removeButton"
                                << "Remove Event"
                                << "Remove the selected event."
                                << "remove.png";
        QTest::newRow("view") << "viewButton"
                              << "View Event"
                              << "View details of the selected event."
                              << "view.png";
        QTest::newRow("settings") << "settingsButton"
                                  << "Settings"
                                  << "Change the program settings."
                                  << "settings.png";
        QTest::newRow("birthdays") << "importFacebookButton"
                                   << "Facebook"
                                   << "Load friends' birthdays from Facebook."
                                   << "facebook.png";
        QTest::newRow("events") << "importFacebookEventButton"
                                << "Facebook Events"
                                << "Load events from Facebook."
                                << "facebook.png";
        QTest::newRow("import") << "importButton"
                                << "Import"
                                << "Load events from file."
                                << "right.png";
        QTest::newRow("export") << "exportButton"
                                << "Export"
                                << "Save events to file."
                                << "left.png";
    }
    void buttonColumn()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, description);
        QFETCH(QString, icon);
        openWindow();
        auto *link = w->findChild<QCommandLinkButton *>(button);
        QVERIFY(link);
        QCOMPARE(link->text(), title);
        QCOMPARE(link->description(), description);
        QVERIFY(!link->icon().isNull());
        QCOMPARE(link->icon().pixmap(32).toImage(), QIcon(":/resources/" + icon).pixmap(32).toImage());
    }

    void addWithEmptyNameAsksForADescription()
    {
        openWindow();
        click("addButton");
        QCOMPARE(page(), 1);
        QCOMPARE(find<QTabWidget>("tabWidget")->property("addMode").toBool(), true);
        find<QLineEdit>("eventName")->clearFocus();
        BoxAnswerer answer;
        click("saveButton");
        QCOMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].icon, QMessageBox::Information);
        QCOMPARE(answer.seen[0].title, QStringLiteral("Enter Details"));
        QCOMPARE(answer.seen[0].text, QStringLiteral("Please enter a description of the event."));
        QVERIFY(!answer.seen[0].hasParent);
        QCOMPARE(w->focusWidget(), find<QLineEdit>("eventName"));
        QCOMPARE(page(), 1);
        QCOMPARE(rows(), 0);
    }

    // A new event starts Singular on today, reminded 10 days before, once a day.
    void addStartsFromAResetEditor()
    {
        openWindow({remindedWeekly(QStringLiteral("other"), {3})});
        makeCurrent(0);
        click("editButton");
        click("cancelButton");
        click("addButton");
        QCOMPARE(find<QLineEdit>("eventName")->text(), QString());
        QVERIFY(find<QRadioButton>("singularRadioButton")->isChecked());
        QCOMPARE(find<QDateEdit>("eventDate")->date(), today);
        QVERIFY(find<QDateEdit>("eventDate")->isEnabled());
        QVERIFY(!find<QTabWidget>("repeatingTabWidget")->isEnabled());
        QVERIFY(!isTicked("weeklyListView", 2));
        QVERIFY(find<QCheckBox>("notifyCheckBox")->isChecked());
        QCOMPARE(find<QSpinBox>("notifyMaxSpinBox")->value(), 10);
        QVERIFY(find<QSpinBox>("notifyMaxSpinBox")->isEnabled());
        QVERIFY(find<QCheckBox>("showOnceCheckBox")->isChecked());
        QVERIFY(!find<QSpinBox>("eventCount")->isEnabled());

        QTest::keyClicks(find<QLineEdit>("eventName"), QStringLiteral("Dentist"));
        find<QDateEdit>("eventDate")->setDate(QDate(2027, 2, 1));
        click("saveButton");
        QCOMPARE(page(), 0);
        QCOMPARE(rows(), 2);
        const int row = names().indexOf(QStringLiteral("Dentist"));
        const Event *saved = w->eventAtRow(row);
        QCOMPARE(saved->schedule, Singular);
        QCOMPARE(saved->date, QDate(2027, 2, 1));
        QCOMPARE(saved->countDate, today);
        QCOMPARE(saved->lastNotified, today.addDays(-1));
        QCOMPARE(saved->snoozeDays, 0);
        QVERIFY(saved->notify && saved->showOnce);
        QCOMPARE(saved->notifyDaysBefore, 10);
        // Sorted again by date after the save: today's Wednesday event comes first.
        QCOMPARE(names(), QStringList({"other", "Dentist"}));
    }

    // A saved Monthly event with "Day" and no weekday keeps every weekday false.
    void saveMonthlyDayNumber()
    {
        openWindow();
        click("addButton");
        QTest::keyClicks(find<QLineEdit>("eventName"), QStringLiteral("Rent"));
        click("repeatingRadioButton");
        QVERIFY(!find<QDateEdit>("eventDate")->isEnabled());
        find<QTabWidget>("repeatingTabWidget")->setCurrentIndex(1);
        toggle("monthlyListView", 0);
        find<QSpinBox>("monthlySpinBox")->setValue(15);
        find<QCheckBox>("eventCounted")->setChecked(true);
        find<QSpinBox>("eventCount")->setValue(4);
        click("saveButton");
        QCOMPARE(rows(), 1);
        const Event *saved = w->eventAtRow(0);
        QCOMPARE(saved->schedule, Monthly);
        QVERIFY(saved->useDayNumber);
        QVERIFY(!saved->hasWeekday());
        QCOMPARE(saved->ordinal, 15);
        QVERIFY(saved->counted);
        QCOMPARE(saved->count, 4);
        QCOMPARE(list()->model()->index(0, 0).data().toDate(), QDate(2027, 1, 15));
    }

    void validationMovesTheFocus_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("monthly weekday beyond 5")
            << 1 << "monthlyListView"
            << "monthlySpinBox"
            << "You cannot select a monthly repetition period greater than 5 week days."
            << "monthlySpinBox";
        QTest::newRow("yearly weekday of a month beyond 5")
            << 2 << "yearlyListView"
            << "yearlySpinBox"
            << "You cannot select a yearly repetition period greater than 5 weeks for a specific month."
            << "yearlySpinBox";
        QTest::newRow("nothing chosen") << 0 << ""
                                        << ""
                                        << "Please select a reminder schedule."
                                        << "eventName";
    }

    void validationMovesTheFocus()
    {
        QFETCH(int, tab);
        QFETCH(QString, list);
        QFETCH(QString, spinBox);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openWindow();
        click("addButton");
        QTest::keyClicks(find<QLineEdit>("eventName"), QStringLiteral("x"));
        click("repeatingRadioButton");
        find<QTabWidget>("repeatingTabWidget")->setCurrentIndex(tab);
        if (!list.isEmpty()) {
            toggle(list.toLatin1().constData(), 1); // Monday
            find<QSpinBox>(spinBox.toLatin1().constData())->setValue(6);
        }
        if (tab == 2)
            toggle("yearlyMonthListView", 6); // June
        // With nothing chosen the focus stays where it was.
        find<QLineEdit>("eventName")->setFocus();
        BoxAnswerer answer;
        click("saveButton");
        QCOMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].text, message);
        QVERIFY(w->focusWidget());
        QCOMPARE(w->focusWidget()->objectName(), focus);
        QCOMPARE(page(), 1);
        QCOMPARE(rows(), 0);
    }

    // Opening a counted event advances the stored count, and it stays advanced after Cancel.
    void editKeepsTheAdvancedCountAfterCancel()
    {
        Event *e = remindedWeekly(QStringLiteral("Swim"), {1});
        e->counted = true;
        e->count = 10;
        e->countDate = QDate(2026, 12, 14); // a Monday, four weeks back
        openWindow({e});
        makeCurrent(0);
        click("editButton");
        QCOMPARE(find<QTabWidget>("tabWidget")->property("addMode").toBool(), false);
        QCOMPARE(find<QSpinBox>("eventCount")->value(), 14);
        QVERIFY(find<QSpinBox>("eventCount")->isEnabled());
        QVERIFY(isTicked("weeklyListView", 0));
        QCOMPARE(find<QTabWidget>("repeatingTabWidget")->currentIndex(), 0);
        click("cancelButton");
        QCOMPARE(page(), 0);
        QCOMPARE(w->eventAtRow(0)->count, 14);
        QCOMPARE(w->eventAtRow(0)->countDate, today);
    }

    void editEventWithoutReminder()
    {
        Event *e = remindedWeekly(QStringLiteral("Quiet"), {2});
        e->notify = false;
        e->notifyDaysBefore = 5;
        openWindow({e});
        makeCurrent(0);
        click("editButton");
        QCOMPARE(find<QSpinBox>("notifyMaxSpinBox")->value(), 0);
        QVERIFY(!find<QSpinBox>("notifyMaxSpinBox")->isEnabled());
        find<QCheckBox>("notifyCheckBox")->click();
        QVERIFY(find<QSpinBox>("notifyMaxSpinBox")->isEnabled());
        click("saveButton");
        const Event *saved = w->eventAtRow(0);
        QVERIFY(saved->notify);
        QCOMPARE(saved->notifyDaysBefore, 0);
        QCOMPARE(saved->name, QStringLiteral("Quiet"));
        QCOMPARE(w->nameCountOf(QStringLiteral("Quiet")), 1);
    }

    // Switching a Singular event to Repeating shows the page that was current before.
    void singularToRepeatingKeepsThePage()
    {
        openWindow({yearly().named(QStringLiteral("Anniversary")).dayNumber(3).in(5).make(),
                    singular(QDate(2027, 3, 1)).named(QStringLiteral("Once")).make()});
        makeCurrent(names().indexOf(QStringLiteral("Anniversary")));
        click("editButton");
        QCOMPARE(find<QTabWidget>("repeatingTabWidget")->currentIndex(), 2);
        QVERIFY(isTicked("yearlyListView", 0));
        QVERIFY(isTicked("yearlyMonthListView", 5));
        QCOMPARE(find<QSpinBox>("yearlySpinBox")->value(), 3);
        click("cancelButton");

        makeCurrent(names().indexOf(QStringLiteral("Once")));
        click("editButton");
        QVERIFY(find<QRadioButton>("singularRadioButton")->isChecked());
        QCOMPARE(find<QDateEdit>("eventDate")->date(), QDate(2027, 3, 1));
        QVERIFY(!isTicked("yearlyMonthListView", 5));
        click("repeatingRadioButton");
        QVERIFY(find<QTabWidget>("repeatingTabWidget")->isEnabled());
        QCOMPARE(find<QTabWidget>("repeatingTabWidget")->currentIndex(), 2);
    }

    void editOpensTheCurrentRowOnly()
    {
        openWindow({remindedWeekly(QStringLiteral("a"), {1}), remindedWeekly(QStringLiteral("b"), {2}),
                    remindedWeekly(QStringLiteral("c"), {3})});
        makeCurrent(1);
        selectRows({0, 1, 2});
        click("editButton");
        QCOMPARE(find<QLineEdit>("eventName")->text(), names().at(1));
    }

    void removeSelectedRows_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("left");
        const QStringList all{"e0", "e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8", "e9"};
        for (const bool byKey : {false, true}) {
            const char *how = byKey ? "Delete key" : "button";
            QTest::addRow("%s, rows 2, 5 and 7", how) << byKey << QList<int>{7, 2, 5} << int(QMessageBox::Yes)
                                                      << "Are you sure you wish to permanently remove these events?"
                                                      << QStringList{"e0", "e1", "e3", "e4", "e6", "e8", "e9"};
            QTest::addRow("%s, one row", how)
                << byKey << QList<int>{0} << int(QMessageBox::Yes)
                << "Are you sure you wish to permanently remove this event?" << QStringList(all.mid(1));
            QTest::addRow("%s, answered No", how) << byKey << QList<int>{1, 2} << int(QMessageBox::No)
                                                  << "Are you sure you wish to permanently remove these events?" << all;
        }
    }

    void removeSelectedRows()
    {
        QFETCH(bool, byKey);
        QFETCH(QList<int>, selected);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(QStringList, left);
        EventStore events;
        // All on one day, so the list keeps the order in which they are named here.
        for (int i = 9; i >= 0; --i)
            events << remindedWeekly(QStringLiteral("e%1").arg(i), {3});
        openWindow(events);
        QCOMPARE(names().first(), QStringLiteral("e0"));
        selectRows(selected);
        BoxAnswerer box({QMessageBox::StandardButton(answer)});
        if (byKey)
            QTest::keyClick(list(), Qt::Key_Delete);
        else
            click("removeButton");
        QCOMPARE(box.seen.size(), 1);
        QCOMPARE(box.seen[0].icon, QMessageBox::Question);
        QCOMPARE(box.seen[0].title, QStringLiteral("Confirm Removal"));
        QCOMPARE(box.seen[0].text, question);
        QCOMPARE(names(), left);
        for (int row = 0; row < rows(); ++row)
            QCOMPARE(list()->model()->index(row, 2).data().toString(), names().at(row));
        QCOMPARE(w->isNameTaken(QStringLiteral("e2")), left.contains(QStringLiteral("e2")));
    }

    // In the editor Enter saves and Escape cancels, as the buttons do, from wherever the cursor is.
    void editorKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("outcome"); // 0 cancelled, 1 saved, 2 asked for a description
        QTest::newRow("Enter in the name") << "Dentist"
                                           << "eventName" << int(Qt::Key_Return) << 1;
        QTest::newRow("keypad Enter in the name") << "Dentist"
                                                  << "eventName" << int(Qt::Key_Enter) << 1;
        QTest::newRow("Enter in the days box takes the typed days") << "Dentist"
                                                                    << "notifyMaxSpinBox" << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter in the date") << "Dentist"
                                           << "eventDate" << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter on a check box") << "Dentist"
                                              << "showOnceCheckBox" << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter on the Cancel button") << "Dentist"
                                                    << "cancelButton" << int(Qt::Key_Return) << 0;
        QTest::newRow("Escape in the name") << "Dentist"
                                            << "eventName" << int(Qt::Key_Escape) << 0;
        QTest::newRow("Escape in the days box") << "Dentist"
                                                << "notifyMaxSpinBox" << int(Qt::Key_Escape) << 0;
        QTest::newRow("Enter without a name") << ""
                                              << "eventDate" << int(Qt::Key_Return) << 2;
    }

    void editorKeys()
    {
        QFETCH(QString, name);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, outcome);
        openWindow();
        click("addButton");
        QCOMPARE(w->focusWidget(), find<QLineEdit>("eventName"));
        QTest::keyClicks(w->focusWidget(), name);
        auto *target = find<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        if (focus == QLatin1String("notifyMaxSpinBox")) {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(target, QStringLiteral("25"));
        }
        BoxAnswerer answer;
        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(answer.seen.size(), outcome == 2 ? 1 : 0);
        QCOMPARE(page(), outcome == 2 ? 1 : 0);
        QCOMPARE(rows(), outcome == 1 ? 1 : 0);
        if (outcome == 1) {
            QCOMPARE(w->eventAtRow(0)->name, name);
            QCOMPARE(w->eventAtRow(0)->notifyDaysBefore, focus == QLatin1String("notifyMaxSpinBox") ? 25 : 10);
        }
        if (outcome == 2) {
            QCOMPARE(answer.seen[0].text, QStringLiteral("Please enter a description of the event."));
            QCOMPARE(w->focusWidget(), find<QLineEdit>("eventName"));
        }
    }

    // Enter in the list views the current event, as the View button does; Escape leaves the details.
    void enterViewsTheCurrentEvent_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void enterViewsTheCurrentEvent()
    {
        QFETCH(int, key);
        openWindow({remindedWeekly(QStringLiteral("e1"), {3}), remindedWeekly(QStringLiteral("e0"), {3})});
        list()->setFocus();
        makeCurrent(1);
        BoxAnswerer box;
        QTest::keyClick(list(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(box.seen.size(), 0);
        QCOMPARE(page(), 2);
        QCOMPARE(find<QLabel>("eventNameLabel")->text(), QStringLiteral("e1"));
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        QCOMPARE(page(), 0);
        QCOMPARE(names(), QStringList({"e0", "e1"}));
    }

    // Edit, from the keyboard too, puts the cursor in the name, ready to type.
    void editPutsTheCursorInTheName()
    {
        openWindow({remindedWeekly(QStringLiteral("Swim"), {1})});
        makeCurrent(0);
        list()->setFocus();
        click("editButton");
        QCOMPARE(page(), 1);
        QCOMPARE(w->focusWidget(), find<QLineEdit>("eventName"));
        QTest::keyClicks(w->focusWidget(), QStringLiteral("ming"));
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        QCOMPARE(names(), QStringList{"Swimming"});
    }

    void actionsWithoutASelectedRow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("remove") << "removeButton"
                                << "Please select an event to remove.";
        QTest::newRow("edit") << "editButton"
                              << "Please select an event to edit.";
        QTest::newRow("view") << "viewButton"
                              << "Please select an event to view.";
        QTest::newRow("Delete key") << "Delete"
                                    << "Please select an event to remove.";
        QTest::newRow("Enter key") << "Enter"
                                   << "Please select an event to view.";
    }

    void actionsWithoutASelectedRow()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        openWindow({remindedWeekly(QStringLiteral("a"), {1})});
        list()->setCurrentIndex(QModelIndex());
        list()->selectionModel()->clearSelection();
        BoxAnswerer answer;
        if (button == QLatin1String("Delete"))
            QTest::keyClick(list(), Qt::Key_Delete);
        else if (button == QLatin1String("Enter"))
            QTest::keyClick(list(), Qt::Key_Return);
        else
            click(button.toLatin1().constData());
        QCOMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].icon, QMessageBox::Information);
        QCOMPARE(answer.seen[0].title, QStringLiteral("Select Event"));
        QCOMPARE(answer.seen[0].text, text);
        QCOMPARE(page(), 0);
        QCOMPARE(rows(), 1);
    }

    void listTexts_data()
    {
        QTest::addColumn<QList<int>>("weekdays");
        QTest::addColumn<QList<int>>("months");
        QTest::addColumn<bool>("dayNumber");
        QTest::addColumn<bool>("wholeYear");
        QTest::addColumn<QString>("weekdayText");
        QTest::addColumn<QString>("dayText");
        QTest::addColumn<QString>("monthText");
        QTest::newRow("Monday and Wednesday")
            << QList<int>{0, 2} << QList<int>{} << false << false << "Monday, Wednesday"
            << "Monday, Wednesday"
            << "";
        QTest::newRow("Wednesday alone") << QList<int>{2} << QList<int>{} << false << false << "Wednesday"
                                         << "Wednesday"
                                         << "";
        QTest::newRow("Day with Monday and Friday")
            << QList<int>{0, 4} << QList<int>{} << true << false << "Monday, Friday"
            << "Day, Monday, Friday"
            << "";
        QTest::newRow("Day alone") << QList<int>{} << QList<int>{} << true << false << ""
                                   << "Day"
                                   << "";
        QTest::newRow("whole year") << QList<int>{} << QList<int>{} << false << true << ""
                                    << ""
                                    << "the Year";
        QTest::newRow("year and March") << QList<int>{} << QList<int>{2} << false << true << ""
                                        << ""
                                        << "the Year, March";
        QTest::newRow("every day and month") << QList<int>{0, 1, 2, 3, 4, 5, 6} << QList<int>{0, 11} << true << false
                                             << "Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday"
                                             << "Day, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday"
                                             << "January, December";
    }

    void listTexts()
    {
        QFETCH(QList<int>, weekdays);
        QFETCH(QList<int>, months);
        QFETCH(bool, dayNumber);
        QFETCH(bool, wholeYear);
        Event e;
        for (int d : weekdays)
            e.weekdays[d] = true;
        for (int m : months)
            e.months[m] = true;
        e.useDayNumber = dayNumber;
        e.wholeYear = wholeYear;
        QTEST(weekdayListText(e), "weekdayText");
        QTEST(dayListText(e), "dayText");
        QTEST(monthListText(e), "monthText");
    }

    void detailsSentences_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("occurred");
        QTest::addColumn<QString>("reminder");

        const QString noReminder = QStringLiteral("You will not be notified of this event.");
        QTest::newRow("singular in the past")
            << singular(QDate(2027, 1, 1)).showOnce().event() << "This event is singular."
            << ""
            << "Occurring once on the Friday, 1 January 2027"
            << ""
            << "" << noReminder;
        QTest::newRow("weekly")
            << weekly().on(Qt::Monday).on(Qt::Wednesday).counted(0, today.addDays(-1)).notify(1).event()
            << "This event is repeating."
            << "Occurring weekly."
            << "Every Monday, Wednesday"
            << "The event will occur next on Wednesday, 13 January 2027, in 0 days time."
            << "This event has occurred 1 time."
            << "You will be notified 1 day before the event.";
        // One day to go: the count 1 is not the 1 of the date's placeholder.
        QTest::newRow("tomorrow") << weekly().on(Qt::Thursday).notify(3).event() << "This event is repeating."
                                  << "Occurring weekly."
                                  << "Every Thursday"
                                  << "The event will occur next on Thursday, 14 January 2027, in 1 days time."
                                  << ""
                                  << "You will be notified 3 days before the event.";
        QTest::newRow("monthly") << monthly().dayNumber(15).counted(0, today).notify(0).event()
                                 << "This event is repeating."
                                 << "Occurring monthly."
                                 << "Every 15th Day of the month."
                                 << "The event will occur next on Friday, 15 January 2027, in 2 days time."
                                 << "This event has occurred 0 times."
                                 << "You will be notified 0 days before the event.";
        QTest::newRow("yearly") << yearly().nth(3).on(Qt::Friday).wholeYear().in(3).notify(12).event()
                                << "This event is repeating."
                                << "Occurring yearly."
                                << "Every 3rd Friday of the Year, March"
                                << "The event will occur next on Friday, 15 January 2027, in 2 days time."
                                << ""
                                << "You will be notified 12 days before the event.";
    }

    void detailsSentences()
    {
        QFETCH(Event, event);
        event.name = QStringLiteral("Subject");
        openWindow({new Event(event)});
        makeCurrent(0);
        click("viewButton");
        QCOMPARE(page(), 2);
        QCOMPARE(sentence({"label_19", "eventNameLabel"}), QStringLiteral("Event Description: Subject"));
        QTEST(sentence({"label_11", "scheduleLabel"}), "schedule");
        QTEST(sentence({"repeatLabelA", "repeatLabel"}), "repeat");
        QTEST(sentence({"eventDateLabelA", "eventDateLabel", "weeklyLabelA", "weeklyLabel", "monthlyLabelA",
                        "monthlyCountLabel", "monthlyPeriodLabel", "monthlyLabelB", "yearlyLabelA", "yearlyCountLabel",
                        "yearlyPeriodLabel", "yearlyLabelB", "yearlyMonthLabel"}),
              "rule");
        QTEST(sentence({"nextDateLabelA", "nextDateLabel", "nextDateLabelB", "nextCountLabel", "nextDateLabelC"}),
              "next");
        QTEST(sentence({"occuredLabelA", "occuredLabel", "occuredLabelB"}), "occurred");
        QTEST(sentence({"notifyLabelA", "notifedLabel", "notifedLabelB", "noNotifyLabel"}), "reminder");
        QCOMPARE(find<QLabel>("showOnceLabel")->isVisibleTo(w), event.schedule == Singular);
        // A hidden label takes no height.
        QCOMPARE(find<QLabel>("noNotifyLabel")->maximumHeight(), event.schedule == Singular ? 999 : 1);
        click("viewOKButton");
        QCOMPARE(page(), 0);
    }

    // The words after a days box follow its number's plural form, both boxes alike.
    void wordsAfterTheDaysBox_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("after");
        QTest::newRow("English, 1") << "" << 1 << " days before the event.";
        QTest::newRow("German, 1") << "de" << 1 << " Tag vor dem Ereignis.";
        QTest::newRow("German, 2") << "de" << 2 << " Tage vor dem Ereignis.";
        QTest::newRow("French, 0") << "fr" << 0 << " jour avant l’événement.";
    }

    void wordsAfterTheDaysBox()
    {
        QFETCH(QString, language);
        QFETCH(int, days);
        openWindow();
        const InLanguage speaking(language);
        QVERIFY(speaking.loaded());
        const std::pair<const char *, const char *> boxes[] = {{"notifyMaxSpinBox", "label_2"},
                                                               {"facebookNotifyMaxSpinBox", "label_12"}};
        for (const auto &[box, label] : boxes) {
            find<QSpinBox>(box)->setValue(days == 0 ? 1 : 0);
            find<QSpinBox>(box)->setValue(days);
            QTEST(find<QLabel>(label)->text(), "after");
        }
    }

    void settingsRoundTrip()
    {
        openWindow();
        click("settingsButton");
        QCOMPARE(page(), 3);
        // A first start shows the defaults: tray, together, no import reminders, 7 days (shown as 0).
        QVERIFY(find<QRadioButton>("trayRadioButton")->isChecked());
        QVERIFY(!find<QCheckBox>("seperateCheckBox")->isChecked());
        QVERIFY(!find<QCheckBox>("facebookNotifyCheckBox")->isChecked());
        QVERIFY(!find<QSpinBox>("facebookNotifyMaxSpinBox")->isEnabled());
        QCOMPARE(find<QSpinBox>("facebookNotifyMaxSpinBox")->value(), 0);
        QVERIFY(find<QCheckBox>("facebookShowOnceCheckBox")->isChecked());
        QVERIFY(!find<QCheckBox>("updateCheckBox")->isChecked());

        find<QRadioButton>("popupRadioButton")->click();
        find<QCheckBox>("facebookNotifyCheckBox")->click();
        find<QSpinBox>("facebookNotifyMaxSpinBox")->setValue(7);
        click("settingOKButton");
        QCOMPARE(page(), 0);
        // Separate off, pop-up on, import reminders on, 7 days, once a day on.
        QCOMPARE(readFile(settingsFilePath()), QByteArray::fromHex("0001010000000701"));
        QCOMPARE(w->currentPreferences().popupNotifications, true);

        click("settingsButton");
        QVERIFY(find<QSpinBox>("facebookNotifyMaxSpinBox")->isEnabled());
        find<QCheckBox>("seperateCheckBox")->click();
        find<QSpinBox>("facebookNotifyMaxSpinBox")->setValue(99);
        find<QCheckBox>("facebookShowOnceCheckBox")->click();
        find<QCheckBox>("updateCheckBox")->click();
        click("settingOKButton");
        QCOMPARE(readFile(settingsFilePath()), QByteArray::fromHex("0101010000006300"));
        QVERIFY(Ferrule::getUpdater()->autoRun());

        // A new window reads the same preferences back.
        delete w;
        w = new MainWindow;
        click("settingsButton");
        QVERIFY(find<QRadioButton>("popupRadioButton")->isChecked());
        QVERIFY(find<QCheckBox>("seperateCheckBox")->isChecked());
        QCOMPARE(find<QSpinBox>("facebookNotifyMaxSpinBox")->value(), 99);
        QVERIFY(!find<QCheckBox>("facebookShowOnceCheckBox")->isChecked());
        QVERIFY(find<QCheckBox>("updateCheckBox")->isChecked());
        Ferrule::getUpdater()->setAutoRun(false);
    }

    // With the import reminders off, OK stores 0 days, as the closed spin box shows.
    void settingsStoreTheShownDays()
    {
        Preferences stored;
        stored.facebookNotifyDaysBefore = 30;
        QVERIFY(writePreferences(stored, settingsFilePath()));
        openWindow();
        click("settingsButton");
        click("settingOKButton");
        QCOMPARE(w->currentPreferences().facebookNotifyDaysBefore, 0);
        QCOMPARE(readFile(settingsFilePath()), QByteArray::fromHex("0000000000000001"));
    }

    // The days box takes its state from the stored switch when the page opens, and keeps it while
    // the page is open however often its check box is clicked; OK stores what it shows.
    void importDaysKeepTheirStateWhileOpen_data()
    {
        QTest::addColumn<bool>("storedNotify");
        QTest::addColumn<int>("storedDays");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("shown");
        QTest::newRow("off, ticked") << false << 30 << 1 << 0;
        QTest::newRow("on, unticked") << true << 12 << 1 << 12;
        QTest::newRow("on, unticked and ticked again") << true << 12 << 2 << 12;
        QTest::newRow("off, ticked and unticked again") << false << 0 << 2 << 0;
    }

    void importDaysKeepTheirStateWhileOpen()
    {
        QFETCH(bool, storedNotify);
        QFETCH(int, storedDays);
        QFETCH(int, clicks);
        QFETCH(int, shown);
        Preferences stored;
        stored.facebookNotify = storedNotify;
        stored.facebookNotifyDaysBefore = storedDays;
        QVERIFY(writePreferences(stored, settingsFilePath()));
        openWindow();
        click("settingsButton");
        auto *notify = find<QCheckBox>("facebookNotifyCheckBox");
        auto *days = find<QSpinBox>("facebookNotifyMaxSpinBox");
        for (int i = 0; i < clicks; ++i) {
            QTest::keyClick(notify, Qt::Key_Space);
            QCOMPARE(days->isEnabled(), storedNotify);
            QCOMPARE(days->value(), shown);
        }
        const bool notifyNow = storedNotify != (clicks % 2 == 1);
        QCOMPARE(notify->isChecked(), notifyNow);
        click("settingOKButton");
        QCOMPARE(w->currentPreferences().facebookNotify, notifyNow);
        QCOMPARE(w->currentPreferences().facebookNotifyDaysBefore, shown);
        // Opened again, the box follows what was stored.
        click("settingsButton");
        QCOMPARE(days->isEnabled(), notifyNow);
    }

    // Desktop notifications live in the native store: the settings file keeps its 8 bytes and the
    // window style chosen last, for when no notification service is there. A window style, the
    // original program's only kind, leaves no key there (`style` empty).
    void reminderStyleChoice_data()
    {
        QTest::addColumn<bool>("storedPopup");
        QTest::addColumn<QString>("storedStyle");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("tray on a fresh profile") << false << ""
                                                 << "trayRadioButton"
                                                 << "" << QByteArray::fromHex("0000000000000001");
        QTest::newRow("pop-up over a key of an earlier version") << false << "window"
                                                                 << "popupRadioButton"
                                                                 << "" << QByteArray::fromHex("0001000000000001");
        QTest::newRow("notifications over pop-up") << true << ""
                                                   << "notificationRadioButton"
                                                   << "notification" << QByteArray::fromHex("0001000000000001");
        QTest::newRow("notifications over tray") << false << "window"
                                                 << "notificationRadioButton"
                                                 << "notification" << QByteArray::fromHex("0000000000000001");
        QTest::newRow("tray over notifications") << true << "notification"
                                                 << "trayRadioButton"
                                                 << "" << QByteArray::fromHex("0000000000000001");
        QTest::newRow("pop-up over notifications") << false << "notification"
                                                   << "popupRadioButton"
                                                   << "" << QByteArray::fromHex("0001000000000001");
    }

    void reminderStyleChoice()
    {
        QFETCH(bool, storedPopup);
        QFETCH(QString, storedStyle);
        QFETCH(QString, button);
        QFETCH(QString, style);
        QFETCH(QByteArray, file);
        Preferences stored;
        stored.popupNotifications = storedPopup;
        QVERIFY(writePreferences(stored, settingsFilePath()));
        if (!storedStyle.isEmpty())
            nativeSettings().setValue("reminderStyle", storedStyle);
        openWindow();
        click("settingsButton");
        QCOMPARE(find<QRadioButton>("notificationRadioButton")->isChecked(), storedStyle == "notification");
        click(qPrintable(button));
        click("settingOKButton");
        QCOMPARE(readFile(settingsFilePath()), file);
        QCOMPARE(nativeSettings().value("reminderStyle").toString(), style);
        QCOMPARE(readFile(TestEnvironment::configFile()).contains("reminderStyle"), !style.isEmpty());
        delete w;
        w = new MainWindow;
        click("settingsButton");
        QVERIFY(find<QRadioButton>(qPrintable(button))->isChecked());
    }

    void settingsCancelDropsEveryChange()
    {
        openWindow();
        click("settingsButton");
        find<QRadioButton>("popupRadioButton")->click();
        find<QCheckBox>("seperateCheckBox")->click();
        find<QCheckBox>("facebookNotifyCheckBox")->click();
        find<QSpinBox>("facebookNotifyMaxSpinBox")->setValue(50);
        find<QCheckBox>("facebookShowOnceCheckBox")->click();
        find<QCheckBox>("updateCheckBox")->click();
        click("settingsCancelButton");
        QCOMPARE(page(), 0);
        QVERIFY(!QFile::exists(settingsFilePath()));
        QVERIFY(!Ferrule::getUpdater()->autoRun());
        QCOMPARE(w->currentPreferences().popupNotifications, false);
        QCOMPARE(w->currentPreferences().facebookNotifyDaysBefore, 7);
        click("settingsButton");
        QVERIFY(find<QRadioButton>("trayRadioButton")->isChecked());
        QVERIFY(!find<QCheckBox>("seperateCheckBox")->isChecked());
        QVERIFY(!find<QCheckBox>("updateCheckBox")->isChecked());
    }

    // The manual check reports by itself and stores nothing of the page.
    void checkForUpdatesNow()
    {
        openWindow();
        click("settingsButton");
        find<QCheckBox>("updateCheckBox")->click();
        BoxAnswerer answer;
        QSignalSpy finished(Ferrule::getUpdater(), &Ferrule::Updater::checkFinished);
        click("updatePushButton");
        QTRY_COMPARE(answer.seen.size(), 1);
        QCOMPARE(answer.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(answer.seen[0].text, QStringLiteral("The check for a newer version of Oriventa failed."));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(page(), 3);
        QVERIFY(!Ferrule::getUpdater()->autoRun());
        QVERIFY(!QFile::exists(settingsFilePath()));
    }

    // What a screen reader announces for each control Tab reaches on a page: a name of its own, not
    // nothing and not the title of the group around it.
    void everyControlNamed_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("page");
        QTest::newRow("list") << "" << 0;
        QTest::newRow("editor") << "addButton" << 1;
        QTest::newRow("details") << "viewButton" << 2;
        QTest::newRow("settings") << "settingsButton" << 3;
    }

    void everyControlNamed()
    {
        QFETCH(QString, opener);
        openWindow({remindedWeekly(QStringLiteral("a"), {1})});
        makeCurrent(0);
        if (!opener.isEmpty())
            click(opener.toLatin1().constData());
        auto *tabs = find<QTabWidget>("tabWidget");
        QTEST(tabs->currentIndex(), "page");
        // The editor's repeat rules are reached once Repeating is chosen.
        find<QRadioButton>("repeatingRadioButton")->setChecked(true);
        int named = 0;
        for (QWidget *widget : tabs->currentWidget()->findChildren<QWidget *>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(w) || widget->focusProxy())
                continue;
            const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            const auto *group = qobject_cast<const QGroupBox *>(widget->parentWidget());
            QVERIFY2(!name.trimmed().isEmpty() && !(group && name == group->title()),
                     qPrintable(widget->objectName() + QStringLiteral(": ") + name));
            ++named;
        }
        QVERIFY(named > 0);
        // Tab goes round what is in sight: no stop is hidden or of no size, as the page tabs are.
        QVERIFY(QTest::qWaitForWindowActive(w));
        QSet<QWidget *> stops;
        for (QWidget *at = QApplication::focusWidget(); at && !stops.contains(at); at = QApplication::focusWidget()) {
            stops << at;
            QVERIFY2(at->isVisible() && !at->visibleRegion().isEmpty(), qPrintable(at->objectName()));
            QTest::keyClick(at, Qt::Key_Tab);
        }
        for (QWidget *button : tabs->currentWidget()->findChildren<QCommandLinkButton *>())
            QVERIFY2(stops.contains(button) || !button->isVisible() || !button->isEnabled(),
                     qPrintable(button->objectName()));
    }

    // A language change applies the texts again; what the user typed stays.
    void languageChangeKeepsTheEditorValues()
    {
        openWindow({remindedWeekly(QStringLiteral("a"), {1})});
        makeCurrent(0);
        click("viewButton");
        QCOMPARE(find<QLabel>("eventNameLabel")->text(), QStringLiteral("a"));
        click("viewOKButton");
        click("addButton");
        QTest::keyClicks(find<QLineEdit>("eventName"), QStringLiteral("typed"));
        find<QAbstractButton>("addButton")->setText(QStringLiteral("changed"));
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(w, &change);
        QCOMPARE(find<QAbstractButton>("addButton")->text(), QStringLiteral("Add Event"));
        QCOMPARE(find<QLineEdit>("eventName")->text(), QStringLiteral("typed"));
        QCOMPARE(find<QLabel>("eventNameLabel")->text(), QStringLiteral("TextLabel"));
        QCOMPARE(find<QTabWidget>("tabWidget")->property("class").toString(), QStringLiteral("wizard"));
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/mainwindow.h"
#include "tests/support/events.h"
#include "tests/support/testhelpers.h"

#include <QTreeView>
#include <QtTest>

// The main window as the window suites drive it: opened on a list saved first, its widgets found
// by object name and its rows read by event. A suite derives from it beside QObject and calls
// closeWindow() in its cleanup(), so that every case starts without a window.
class MainWindowFixture
{
protected:
    // Saves `events` as the list, then opens a new window on it, shown and active.
    void openWindow(const EventStore &events = {})
    {
        QVERIFY(TestHelpers::writeEvents(events));
        w = new MainWindow;
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void closeWindow()
    {
        delete w;
        w = nullptr;
    }

    template <typename T>
    T *find(const char *name) const
    {
        return TestHelpers::child<T>(w, name);
    }
    int rows() const { return find<QTreeView>("eventTreeView")->model()->rowCount(); }
    // The names of the list's events, top to bottom.
    QStringList names() const
    {
        QStringList result;
        for (int row = 0; row < rows(); ++row)
            result << w->eventAtRow(row)->name;
        return result;
    }
    // The list's event of that name; null when there is none.
    Event *named(const QString &name) const
    {
        for (int row = 0; row < rows(); ++row)
            if (w->eventAtRow(row)->name == name)
                return w->eventAtRow(row);
        return nullptr;
    }

    MainWindow *w = nullptr;
};

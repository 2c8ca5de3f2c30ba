// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the real windows on a sample list and saves a picture of each for the user guide:
// oriventa_screenshots <directory>. Runs with its own data and settings, never the user's.
#include "mainwindow/mainwindow.h"
#include "model/clock.h"
#include "model/eventstore.h"
#include "model/preferences.h"
#include "reminders/reminderwindow.h"
#include "translations/languages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

#include <cstdio>

namespace {

Event *sample(const QString &name, ScheduleKind kind, int notifyDays)
{
    auto *e = new Event;
    e->name = name;
    e->schedule = kind;
    e->notify = notifyDays >= 0;
    e->notifyDaysBefore = std::max(notifyDays, 0);
    e->countDate = Clock::today();
    return e;
}

EventStore sampleList()
{
    const QDate today = Clock::today();
    Event *bins = sample(QStringLiteral("Bin day"), Weekly, 1);
    bins->weekdays[today.addDays(1).dayOfWeek() - 1] = true;
    Event *choir = sample(QStringLiteral("Choir"), Monthly, 3);
    choir->ordinal = 2;
    choir->weekdays[3] = true;
    choir->counted = true;
    choir->count = 11;
    Event *anna = sample(QStringLiteral("Anna's Birthday"), Yearly, 7);
    anna->useDayNumber = true;
    const QDate birthday = today.addDays(3);
    anna->ordinal = birthday.day();
    anna->months[size_t(birthday.month() - 1)] = true;
    anna->counted = true;
    anna->count = 33;
    Event *rent = sample(QStringLiteral("Rent"), Monthly, 2);
    rent->useDayNumber = true;
    rent->ordinal = 1;
    Event *dentist = sample(QStringLiteral("Dentist"), Singular, 2);
    dentist->date = today.addDays(12);
    Event *anniversary = sample(QStringLiteral("Wedding anniversary"), Yearly, 14);
    anniversary->useDayNumber = true;
    anniversary->ordinal = 21;
    anniversary->months[5] = true;
    return {bins, choir, anna, rent, dentist, anniversary};
}

// Each window loads its own copy of the files: a fresh sample list, and the given settings.
void writeSampleFiles(const Preferences &preferences)
{
    const EventStore events = sampleList();
    saveEvents(events, eventsFilePath());
    qDeleteAll(events);
    writePreferences(preferences, settingsFilePath());
}

bool grab(QWidget *window, const QDir &out, const char *name)
{
    QApplication::processEvents();
    QTest::qWait(300);
    const QString path = out.filePath(QString::fromLatin1(name));
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

void click(QWidget *window, const char *button)
{
    window->findChild<QAbstractButton *>(QString::fromLatin1(button))->click();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // LANGUAGE=de gives the pictures of the German program.
    Languages::install();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory> | --sample\n", argv[0]);
        return 2;
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlex"));
    QCoreApplication::setApplicationName(QStringLiteral("Oriventa"));
    // The sample list where the program itself looks (the caller points XDG_DATA_HOME elsewhere),
    // for pictures of what the program shows by itself.
    if (qstrcmp(argv[1], "--sample") == 0) {
        writeSampleFiles(Preferences());
        return 0;
    }
    QStandardPaths::setTestModeEnabled(true);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // The reminder window would end the process when a tray window closes.
    ReminderWindow::setProcessEnd([](int) {});

    bool good = true;
    {
        Preferences preferences;
        preferences.facebookNotify = true;
        writeSampleFiles(preferences);

        MainWindow window;
        window.resize(620, 720);
        window.show();
        good = grab(&window, out, "list.png") && good;
        auto *list = window.findChild<QTreeView *>(QStringLiteral("eventTreeView"));
        list->setCurrentIndex(list->model()->index(1, 0));
        click(&window, "editButton");
        good = grab(&window, out, "editor.png") && good;
        click(&window, "cancelButton");
        list->setCurrentIndex(list->model()->index(1, 0));
        click(&window, "viewButton");
        good = grab(&window, out, "details.png") && good;
        click(&window, "viewOKButton");
        click(&window, "settingsButton");
        good = grab(&window, out, "settings.png") && good;
        click(&window, "settingsCancelButton");
    }
    for (const bool popup : {true, false}) {
        Preferences preferences;
        preferences.popupNotifications = popup;
        writeSampleFiles(preferences);
        ReminderWindow window;
        if (!window.populate()) {
            std::fprintf(stderr, "nothing due in the sample list\n");
            return 1;
        }
        window.startDisplay();
        window.show();
        QTest::qWait(1500); // the slide-in
        good = grab(&window, out, popup ? "reminders-popup.png" : "reminders-tray.png") && good;
    }
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    return good ? 0 : 1;
}

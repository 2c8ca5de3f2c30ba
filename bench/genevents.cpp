// SPDX-License-Identifier: GPL-3.0-or-later
// Writes an events file of N generated events, the same events as a `remind` file, and, when
// asked, the names of the events that are due today by the reminder rules.
#include "bench/eventmix.h"
#include "model/clock.h"
#include "model/reminderrules.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates events files for measurements."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("count"), QStringLiteral("Number of events."), QStringLiteral("n"), "1000"});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("seed"), "1"});
    parser.addOption({QStringLiteral("nothing-due"), QStringLiteral("Leave nothing due today.")});
    parser.addOption({QStringLiteral("evt"), QStringLiteral("Events file to write."), QStringLiteral("path")});
    parser.addOption({QStringLiteral("remind"), QStringLiteral("remind file to write."), QStringLiteral("path")});
    parser.addOption({QStringLiteral("due"), QStringLiteral("File for the names due today."), QStringLiteral("path")});
    parser.process(app);

    EventMixOptions options;
    options.count = parser.value(QStringLiteral("count")).toInt();
    options.seed = parser.value(QStringLiteral("seed")).toUInt();
    options.today = Clock::today();
    options.nothingDue = parser.isSet(QStringLiteral("nothing-due"));
    const EventStore events = makeEventMix(options);

    int status = 0;
    if (parser.isSet(QStringLiteral("evt")) && !saveEvents(events, parser.value(QStringLiteral("evt"))))
        status = 1;
    const auto writeLines = [&](const QString &option, auto lineFor) {
        if (!parser.isSet(option))
            return;
        QFile file(parser.value(option));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            status = 1;
            return;
        }
        QTextStream out(&file);
        for (Event *e : events) {
            const QString line = lineFor(*e);
            if (!line.isNull())
                out << line << '\n';
        }
    };
    writeLines(QStringLiteral("remind"), [](const Event &e) { return remindLine(e); });
    writeLines(QStringLiteral("due"),
               [&](const Event &e) { return ReminderRules::isDue(e, options.today) ? e.name : QString(); });
    qDeleteAll(events);
    return status;
}

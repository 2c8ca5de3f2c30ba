// SPDX-License-Identifier: GPL-3.0-or-later
// Saves two versions of a large list into one events file, one after the other, for ever: the
// reliability suite kills it at any instant and checks that the file is always one whole version.
#include "model/eventstore.h"
#include "tests/support/events.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

EventStore version(int which, int count)
{
    EventStore events;
    for (int i = 0; i < count; ++i) {
        events.append(TestHelpers::weekly()
                          .named(QStringLiteral("Version %1, event %2").arg(which).arg(i))
                          .on({1 + i % 7})
                          .before(which)
                          .make());
    }
    return events;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path = args.value(1);
    const int count = args.value(2).toInt();
    const EventStore versions[] = {version(1, count), version(2, count)};
    // With "write N": write version N once and stop (the suite's expected bytes).
    if (args.value(3) == QLatin1String("write")) {
        const bool saved = saveEvents(versions[args.value(4).toInt() - 1], path);
        for (const EventStore &events : versions)
            qDeleteAll(events);
        return saved ? 0 : 1;
    }
    for (int round = 0;; ++round) {
        saveEvents(versions[round % 2], path);
        std::printf("saved %d\n", round);
        std::fflush(stdout);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// oriventa-cli: the list of events from a shell, on the program's own data directory.
#include "app/identity.h"
#include "cli/arguments.h"
#include "cli/listing.h"
#include "cli/syncing.h"
#include "cli/transfer.h"
#include "model/clock.h"
#include "model/eventstore.h"
#include "translations/languages.h"
#include "version.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace {

// The application object with the user's language, built on first need: the English list needs
// neither, and the application object costs as much as looking through a large list.
class Speech
{
public:
    Speech(int &count, char **arguments) : argc(count), argv(arguments) {}

    void begin()
    {
        if (app)
            return;
        app = std::make_unique<QCoreApplication>(argc, argv);
        Languages::install();
    }

private:
    int &argc;
    char **argv;
    std::unique_ptr<QCoreApplication> app;
};

void write(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Messages and summaries echo names and servers' words: they reach the terminal as plain text.
void write(std::FILE *stream, const QString &text)
{
    write(stream, terminalText(text).toLocal8Bit());
}

Outcome show(const Request &request, QDate today, Speech &speech)
{
    // A due reminder's sentence has plural forms, even in English.
    if (request.command == Request::Command::Due || Languages::chosen() != QLatin1String("en"))
        speech.begin();
    Listing listing;
    const QString path = eventsFilePath();
    QString reason;
    const EventsFile::State state = request.command == Request::Command::Due
                                        ? dueEvents(path, today, listing, &reason)
                                        : listEvents(path, today, request.days, listing, &reason);
    if (state != EventsFile::State::Fine)
        speech.begin();
    if (state == EventsFile::State::Unreadable) {
        write(stderr, fileProblem(path, reason));
        return Outcome::FileError;
    }
    // The events before the damage are shown; the rest is still in the file, for the window to keep.
    if (state == EventsFile::State::Damaged)
        write(stderr, fileDamaged(path));
    if (request.json)
        write(stdout, listJson(listing));
    else
        write(stdout, request.command == Request::Command::Due ? dueText(listing) : listText(listing));
    return Outcome::Done;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Speech speech(argc, argv);
    Request request;
    QString error;
    if (!parseArguments(arguments, request, error)) {
        // Once more in the user's language.
        speech.begin();
        parseArguments(arguments, request, error);
        write(stderr, QStringLiteral("oriventa-cli: ") + error + QLatin1String("\n\n") + usageText());
        return int(Outcome::Usage);
    }
    switch (request.command) {
    case Request::Command::Help:
        speech.begin();
        write(stdout, usageText());
        return int(Outcome::Done);
    case Request::Command::Version:
        write(stdout, QByteArrayLiteral("oriventa-cli " ORIVENTA_VERSION "\n"));
        return int(Outcome::Done);
    default:
        break;
    }

    // The names alone place the data directory and the lock; the commands that reach KDE's readers
    // and writers need the application object too.
    Startup::setApplicationIdentity();
    const QDate today = Clock::today();
    if (request.command == Request::Command::List || request.command == Request::Command::Due)
        return int(show(request, today, speech));

    speech.begin();
    QString out;
    QString err;
    Outcome outcome = Outcome::Done;
    if (request.command == Request::Command::Import)
        outcome = importFiles(request.files, today, out, err);
    else if (request.command == Request::Command::Export)
        outcome = exportEvents(request.files.first(), today, out, err);
    else
        outcome = syncList(request, out, err);
    write(stdout, out);
    write(stderr, err);
    return int(outcome);
}

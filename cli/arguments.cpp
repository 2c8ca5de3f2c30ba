// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include "cli/texts.h"

namespace {

bool isOption(const QString &argument)
{
    return argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-");
}

// A number of days: decimal digits only, so "7d" or "-1" is refused rather than read as 7 or 0.
bool readDays(const QString &text, int &days)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    days = text.toInt();
    return true;
}

// "--name VALUE" or "--name=VALUE" at `i`, moving past the value; false for another option or a
// missing or empty value.
bool readValue(const QStringList &arguments, int &i, const char *name, QString &value)
{
    const QString &argument = arguments.at(i);
    const QString option = QLatin1String(name);
    if (argument.startsWith(option + QLatin1Char('='))) {
        value = argument.mid(option.size() + 1);
        return !value.isEmpty();
    }
    if (argument != option || i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
        return false;
    value = arguments.at(++i);
    return true;
}

} // namespace

bool parseArguments(const QStringList &arguments, Request &request, QString &error)
{
    // --help and --version answer whatever else the line holds, as most tools do.
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            request.command = Request::Command::Help;
            return true;
        }
        if (argument == QLatin1String("--version")) {
            request.command = Request::Command::Version;
            return true;
        }
    }
    if (arguments.isEmpty()) {
        error = Cli::tr("a command is needed");
        return false;
    }
    const QString command = arguments.first();
    if (command == QLatin1String("list"))
        request.command = Request::Command::List;
    else if (command == QLatin1String("due"))
        request.command = Request::Command::Due;
    else if (command == QLatin1String("import"))
        request.command = Request::Command::Import;
    else if (command == QLatin1String("export"))
        request.command = Request::Command::Export;
    else if (command == QLatin1String("sync"))
        request.command = Request::Command::Sync;
    else {
        error = Cli::tr("unknown command \"%1\"").arg(command);
        return false;
    }

    const bool takesFiles = request.command == Request::Command::Import || request.command == Request::Command::Export;
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && isOption(argument)) {
            const bool listing = request.command == Request::Command::List || request.command == Request::Command::Due;
            if (listing && argument == QLatin1String("--json")) {
                request.json = true;
            } else if (request.command == Request::Command::List && argument.startsWith(QLatin1String("--days="))) {
                if (!readDays(argument.mid(7), request.days)) {
                    error = Cli::tr("--days needs a whole number of days, not \"%1\"").arg(argument.mid(7));
                    return false;
                }
            } else if (request.command == Request::Command::List && argument == QLatin1String("--days")) {
                if (i + 1 >= arguments.size() || !readDays(arguments.at(i + 1), request.days)) {
                    error = Cli::tr("--days needs a whole number of days");
                    return false;
                }
                ++i;
            } else if (request.command == Request::Command::Sync && argument == QLatin1String("--password-stdin")) {
                request.passwordFromStdin = true;
            } else if (request.command == Request::Command::Sync && argument == QLatin1String("--allow-deletions")) {
                request.allowDeletions = true;
            } else if (request.command == Request::Command::Sync && argument == QLatin1String("--quiet")) {
                request.quiet = true;
            } else if (request.command == Request::Command::Sync && readValue(arguments, i, "--url", request.url)) {
                request.urlGiven = true;
            } else if (request.command == Request::Command::Sync && readValue(arguments, i, "--user", request.user)) {
                request.userGiven = true;
            } else if (request.command == Request::Command::Sync &&
                       QStringList{QStringLiteral("--url"), QStringLiteral("--user")}.contains(
                           argument.section(QLatin1Char('='), 0, 0))) {
                //: %1 is an option: --url or --user
                error = Cli::tr("%1 needs a value").arg(argument.section(QLatin1Char('='), 0, 0));
                return false;
            } else {
                //: %1 is the option given, %2 the command (list, due, import, export or sync)
                error = Cli::tr("unknown option \"%1\" for %2").arg(argument, command);
                return false;
            }
        } else if (takesFiles) {
            request.files << argument;
        } else {
            //: %1 is the command (list, due or sync), %2 the argument it cannot take
            error = Cli::tr("%1 takes no file: \"%2\"").arg(command, argument);
            return false;
        }
    }
    if (request.command == Request::Command::Import && request.files.isEmpty()) {
        error = Cli::tr("import needs at least one FILE");
        return false;
    }
    if (request.command == Request::Command::Export && request.files.size() != 1) {
        error = Cli::tr("export needs exactly one FILE");
        return false;
    }
    return true;
}

QString usageText()
{
    // In paragraphs, each whole for the translator; commands and options keep their names.
    return Cli::tr("Usage: oriventa-cli COMMAND [OPTIONS]\n"
                   "Reads and changes Oriventa's list of events without a window.\n") +
           QLatin1Char('\n') +
           //: Keep the commands and options as they are, and the descriptions in the second column (at most 80 columns
           //: in all)
           Cli::tr("Commands:\n"
                   "  list [--days N] [--json]  events by date then name; with --days only those\n"
                   "                            whose next occurrence is at most N days away\n"
                   "  due [--json]              the reminders that 'oriventa auto' would show today\n"
                   "  import FILE...            add the events of .evt, .ics and .vcf files\n"
                   "  export FILE               write every event to FILE (.ics: iCalendar,\n"
                   "                            otherwise an events file)\n"
                   "  sync [--url URL] [--user NAME] [--password-stdin] [--allow-deletions]\n"
                   "       [--quiet]            two-way sync with the CalDAV calendar, until it is\n"
                   "                            done; on a terminal it shows how far it has come,\n"
                   "                            and --quiet prints nothing but errors; --url and\n"
                   "                            --user are saved once a sync with them succeeded\n"
                   "                            (the address without a user and password in it);\n"
                   "                            the password is taken from the address, one line\n"
                   "                            of standard input or the desktop's secret store;\n"
                   "                            a sync that would delete most of the calendar (20\n"
                   "                            events or more) stops unless --allow-deletions is\n"
                   "                            given\n") +
           QLatin1Char('\n') +
           //: Keep the options as they are, and the descriptions in the second column
           Cli::tr("Options:\n"
                   "  --json     print a JSON array of events instead of lines of text\n"
                   "  --help     show this text\n"
                   "  --version  show the version\n") +
           QLatin1Char('\n') +
           Cli::tr("Exit status: 0 done, 1 a file could not be read or written or the sync\n"
                   "failed with nothing changed, 2 usage, 3 Oriventa is running (import and sync\n"
                   "only), 4 the sync failed after part of its work (list and server agree; the\n"
                   "next sync goes on).\n");
}

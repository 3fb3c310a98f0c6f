// zelctl: the configurator's device and file operations without a window.
#include "cli/commands.h"

#include <QCoreApplication>
#include <cstdio>

using zel::cli::Command;

namespace {

std::vector<Command> allCommands()
{
    std::vector<Command> all = zel::cli::fileCommands();
    for (const Command& c : zel::cli::linkCommands())
        all.push_back(c);
    return all;
}

void printUsage(const std::vector<Command>& commands, FILE* to)
{
    std::fputs("Usage: zelctl COMMAND [OPTIONS]\n"
               "Operations of the ZEL470 configurator for scripts and installers.\n\n"
               "Commands:\n",
               to);
    for (const Command& c : commands)
        std::fprintf(to, "  %-10s %s\n", c.name, c.summary);
    std::fputs("\nRun `zelctl COMMAND --help` for the options and exit codes of a command.\n", to);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const std::vector<Command> commands = allCommands();
    if (args.isEmpty()) {
        printUsage(commands, stderr);
        return 64;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(commands, stdout);
        return 0;
    }
    for (const Command& c : commands) {
        if (args[0] != QLatin1String(c.name))
            continue;
        const QStringList rest = args.mid(1);
        if (rest.contains("--help") || rest.contains("-h")) {
            std::fputs(c.usage, stdout);
            return 0;
        }
        return c.run(rest);
    }
    std::fprintf(stderr, "zelctl: unknown command '%s'\n\n", args[0].toLocal8Bit().constData());
    printUsage(commands, stderr);
    return 64;
}

#pragma once
// zelctl sub-commands. Each group lives in its own file and is listed by main().

#include <QStringList>
#include <vector>

namespace zel::cli {

struct Command {
    const char* name;
    const char* summary;   // one line for `zelctl --help`
    const char* usage;     // full text for `zelctl NAME --help`
    int (*run)(const QStringList& args); // args after the command name; returns the exit code
};

std::vector<Command> fileCommands(); // defaults, check
std::vector<Command> linkCommands(); // simulate, identify, ... (device link)

} // namespace zel::cli

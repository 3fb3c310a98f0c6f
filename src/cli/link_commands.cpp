#include "cli/commands.h"

namespace zel::cli {

std::vector<Command> linkCommands()
{
    return {};
}

} // namespace zel::cli

#include "cli/commands.h"

#include "files/config_file.h"
#include "image/configuration.h"

#include <cstdio>

namespace zel::cli {

namespace {

void printErr(const QString& s)
{
    std::fputs(s.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

int runDefaults(const QStringList& args)
{
    QString out;
    for (int i = 0; i < args.size(); ++i) {
        if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size())
            out = args[++i];
        else {
            printErr(QStringLiteral("zelctl defaults: unexpected argument: ") + args[i]);
            return 64;
        }
    }
    if (out.isEmpty()) {
        printErr(QStringLiteral("zelctl defaults: -o FILE is required"));
        return 64;
    }
    DeviceImage image;
    BuildDefaultImage(image);
    if (WriteConfigurationFile(image, out) != 0) {
        printErr(QStringLiteral("Невозможно сохранить файл: ") + out);
        return 1;
    }
    return 0;
}

int runCheck(const QStringList& args)
{
    if (args.size() != 1) {
        printErr(QStringLiteral("zelctl check: exactly one FILE is required"));
        return 64;
    }
    DeviceImage image;
    BuildDefaultImage(image);
    const int result = ReadConfigurationFile(image, args[0]);
    const QString verdict = result == ConfigLoaded ? QStringLiteral("OK: конфигурация загружена")
                                                   : ConfigReadMessage(result);
    std::fputs((args[0] + QStringLiteral(": ") + verdict + '\n').toLocal8Bit().constData(), stdout);
    return result;
}

} // namespace

std::vector<Command> fileCommands()
{
    return {
        {"defaults", "write the factory configuration file",
         "Usage: zelctl defaults -o FILE\n"
         "Writes the factory configuration as a .cnt file, byte for byte what the\n"
         "configurator saves right after \"Установить стандартную конфигурацию\".\n"
         "Exit codes: 0 written, 1 the file could not be written, 64 bad arguments.\n",
         runDefaults},
        {"check", "check a configuration file",
         "Usage: zelctl check FILE\n"
         "Reads FILE as a configuration file and prints the verdict in one line.\n"
         "Exit codes: 0 loaded, 1 cannot open, 2 unknown format (header or checksum),\n"
         "3 a configuration of another version, 64 bad arguments.\n",
         runCheck},
    };
}

} // namespace zel::cli

// zelctl commands that talk to a controller (or to the simulated one) over a port.
#include "cli/commands.h"

#include "files/config_file.h"
#include "image/configuration.h"
#include "link/sequences.h"
#include "link/serial_port.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"

#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <optional>
#include <pthread.h>
#include <unistd.h>

namespace zel::cli {

namespace {

enum Exit {
    ExitOk = 0,
    ExitDifferent = 1,
    ExitLink = 2,
    ExitUnsupported = 3,
    ExitPassword = 4,
    ExitHardware = 5,
    ExitInvalidConfiguration = 6,
    ExitFile = 7,
    ExitUsage = 64,
};

#define ZEL_EXIT_CODES                                                                                    \
    "Exit codes:\n"                                                                                       \
    "  0  success\n"                                                                                      \
    "  1  the controller's configuration differs from FILE (compare)\n"                                   \
    "  2  link failure: the port cannot be opened, no or no correct reply, transfer\n"                    \
    "     error, or the read-back differs from what was written\n"                                        \
    "  3  the controller is not a ZEL470 or runs an unsupported firmware version\n"                       \
    "  4  the controller refused the password\n"                                                          \
    "  5  the configuration cannot be written to this hardware version (PatrolBeacon)\n"                  \
    "  6  the controller holds no valid configuration (read; FILE is not written)\n"                      \
    "  7  FILE cannot be read or written\n"                                                               \
    "  64 bad arguments\n"

void printLine(FILE* to, const QString& s)
{
    std::fputs(s.toUtf8().constData(), to);
    std::fputc('\n', to);
}

// Worker texts and the progress bar on stderr; colours and the bar only on a terminal.
class Console {
public:
    Console() : tty_(::isatty(2) != 0) {}

    void report(const QString& text, ReportColour colour)
    {
        endBar();
        if (tty_ && colour != ReportColour::Black)
            std::fputs(colour == ReportColour::Red ? "\033[31m" : "\033[34m", stderr);
        std::fputs(text.toUtf8().constData(), stderr);
        if (tty_ && colour != ReportColour::Black)
            std::fputs("\033[0m", stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }

    void progress(int position, int maximum)
    {
        if (!tty_ || maximum <= 0)
            return;
        constexpr int width = 40;
        const int filled = int(qint64(position) * width / maximum);
        std::fprintf(stderr, "\r[%s%s] %d/%d", std::string(size_t(filled), '#').c_str(),
                     std::string(size_t(width - filled), ' ').c_str(), position, maximum);
        std::fflush(stderr);
        barShown_ = true;
    }

    void endBar()
    {
        if (barShown_) {
            std::fputc('\n', stderr);
            barShown_ = false;
        }
    }

private:
    bool tty_;
    bool barShown_ = false;
};

struct Args {
    QString port;
    QString output;
    QStringList positional;
    std::optional<QByteArray> password;
    bool noRestart = false;
    bool clearModes = false;
};

// Parses the options a link command accepts; false (with a message) on anything else.
bool parseArgs(const char* command, const QStringList& args, const QStringList& allowed, Args* out, int positional)
{
    auto fail = [&](const QString& message) {
        printLine(stderr, QStringLiteral("zelctl %1: %2").arg(QLatin1String(command), message));
        return false;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool takesValue = a == "--port" || a == "-o" || a == "--output" || a == "--password";
        if (a.startsWith('-') && !allowed.contains(a))
            return fail(QStringLiteral("unknown option ") + a);
        if (takesValue) {
            if (i + 1 >= args.size())
                return fail(a + QStringLiteral(" needs a value"));
            const QString v = args[++i];
            if (a == "--port")
                out->port = v;
            else if (a == "--password")
                out->password = toCp1251(v);
            else
                out->output = v;
        } else if (a == "--no-restart") {
            out->noRestart = true;
        } else if (a == "--clear-modes") {
            out->clearModes = true;
        } else {
            out->positional << a;
        }
    }
    if (out->port.isEmpty())
        return fail(QStringLiteral("--port is required"));
    if (out->positional.size() != positional)
        return fail(positional ? QStringLiteral("exactly one FILE is required") : QStringLiteral("unexpected argument ") + out->positional.value(0));
    if (out->password && out->password->size() > 8)
        return fail(QStringLiteral("the password has at most 8 characters"));
    return true;
}

int exitFor(const SequenceResult& r)
{
    switch (r.outcome) {
    case SequenceOutcome::Completed: return ExitOk;
    case SequenceOutcome::Different: return ExitDifferent;
    case SequenceOutcome::NotIdentified:
    case SequenceOutcome::LinkFailed: return ExitLink;
    case SequenceOutcome::UnsupportedModel:
    case SequenceOutcome::UnsupportedVersion: return ExitUnsupported;
    case SequenceOutcome::PasswordRefused: return ExitPassword;
    case SequenceOutcome::HardwareRefused: return ExitHardware;
    case SequenceOutcome::InvalidConfiguration: return ExitInvalidConfiguration;
    }
    return ExitLink;
}

struct Session {
    Console console;
    SerialBytePort port;
    SequenceHooks hooks;

    explicit Session(const QString& portName) : port(portName)
    {
        hooks.port = &port;
        hooks.report = [this](const QString& t, ReportColour c) { console.report(t, c); };
        hooks.progress = [this](int p, int m) { console.progress(p, m); };
    }
    SequenceOptions options(const Args& a) const
    {
        SequenceOptions o;
        o.password = a.password;
        o.clearModeMemory = a.clearModes;
        return o;
    }
};

int runIdentify(const QStringList& argv)
{
    Args a;
    if (!parseArgs("identify", argv, {"--port"}, &a, 0))
        return ExitUsage;
    Session s(a.port);
    const SequenceResult r = IdentifySequence(s.hooks);
    if (r.outcome == SequenceOutcome::NotIdentified)
        return ExitLink;
    const IdentityTexts& t = r.identity;
    auto flat = [](QString v) { return v.replace(QStringLiteral("\r\n"), QStringLiteral(" ")); };
    const std::pair<const char*, QString> lines[] = {
        {"Устройство:", t.deviceName},       {"Модификация:", t.modification},
        {"Аппаратная вер.:", t.hardware},    {"Микропрограмма:", t.firmware},
        {"Версия загрузчика:", t.bootLoader}, {"Дата:", t.date},
        {"Код страны:", t.country},          {"Уникальный идентификатор:", flat(t.uniqueId)},
        {"Привязка к идентификатору:", flat(t.bindingId)}, {"GSM IMEI:", t.imei},
    };
    for (const auto& [caption, text] : lines)
        printLine(stdout, QString::fromUtf8(caption) + QLatin1Char(' ') + text);
    printLine(stdout, t.version);
    return exitFor(r);
}

int runRead(const QStringList& argv)
{
    Args a;
    if (!parseArgs("read", argv, {"--port", "-o", "--output", "--password"}, &a, 0))
        return ExitUsage;
    if (a.output.isEmpty()) {
        printLine(stderr, QStringLiteral("zelctl read: -o FILE is required"));
        return ExitUsage;
    }
    Session s(a.port);
    DeviceImage image;
    BuildDefaultImage(image);
    const SequenceResult r = ReadSequence(s.hooks, image, s.options(a));
    s.console.endBar();
    if (!r.ok())
        return exitFor(r);
    if (WriteConfigurationFile(image, a.output) != 0) {
        printLine(stderr, QStringLiteral("Невозможно сохранить файл: ") + a.output);
        return ExitFile;
    }
    return ExitOk;
}

bool loadFile(const QString& path, DeviceImage& image)
{
    BuildDefaultImage(image);
    const int r = ReadConfigurationFile(image, path);
    if (r != ConfigLoaded) {
        printLine(stderr, path + QStringLiteral(": ") + ConfigReadMessage(r));
        return false;
    }
    return true;
}

int runWrite(const QStringList& argv)
{
    Args a;
    if (!parseArgs("write", argv, {"--port", "--password", "--no-restart", "--clear-modes"}, &a, 1))
        return ExitUsage;
    DeviceImage image;
    if (!loadFile(a.positional[0], image))
        return ExitFile;
    Session s(a.port);
    const SequenceOptions o = s.options(a);
    const SequenceResult r = a.noRestart ? ReconfigureSequence(s.hooks, image, o) : ProgramSequence(s.hooks, image, o);
    s.console.endBar();
    if (r.outcome == SequenceOutcome::HardwareRefused)
        printLine(stderr, QString::fromUtf8(kHardwareCheckCaption) + QStringLiteral(": ") + r.hardware.message);
    return exitFor(r);
}

int runCompare(const QStringList& argv)
{
    Args a;
    if (!parseArgs("compare", argv, {"--port", "--password"}, &a, 1))
        return ExitUsage;
    DeviceImage image;
    if (!loadFile(a.positional[0], image))
        return ExitFile;
    Session s(a.port);
    const SequenceResult r = CompareSequence(s.hooks, image, s.options(a));
    s.console.endBar();
    return exitFor(r);
}

// ---- simulate ----------------------------------------------------------------------

bool parseVersion(const QString& text, std::uint16_t* value)
{
    return ParseDeviceVersion(text, value);
}

int runSimulate(const QStringList& args)
{
    auto usage = [](const QString& message) {
        printLine(stderr, QStringLiteral("zelctl simulate: ") + message);
        return int(ExitUsage);
    };
    QString link;
    QString faults;
    QString password;
    bool havePassword = false;
    bool pace = false;
    sim::SimOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--pace") {
            pace = true;
            continue;
        }
        if (i + 1 >= args.size())
            return usage(a.startsWith('-') ? a + QStringLiteral(" needs a value") : QStringLiteral("unexpected argument ") + a);
        const QString v = args[++i];
        std::uint16_t version = 0;
        if (a == "--link")
            link = v;
        else if (a == "--state")
            options.stateFile = v;
        else if (a == "--fault")
            faults = v;
        else if (a == "--modification")
            options.identity.modification = v;
        else if (a == "--name")
            options.identity.name = v;
        else if (a == "--imei")
            options.identity.imei = v;
        else if (a == "--password") {
            password = v;
            havePassword = true;
        } else if (a == "--reset-time") {
            bool ok = false;
            const qint64 seconds = v.toLongLong(&ok);
            if (!ok || seconds < 0)
                return usage(QStringLiteral("--reset-time takes seconds"));
            options.factoryResetMs = seconds * 1000;
        } else if (a == "--hw" || a == "--fw" || a == "--bl") {
            if (!parseVersion(v, &version))
                return usage(a + QStringLiteral(" takes a version like 12.02"));
            (a == "--hw" ? options.identity.hardware : a == "--fw" ? options.identity.firmware : options.identity.bootLoader) = version;
        } else
            return usage(QStringLiteral("unknown option ") + a);
    }
    if (link.isEmpty())
        return usage(QStringLiteral("--link PATH is required"));
    if (!faults.isEmpty()) {
        QString error;
        if (!sim::ParseFaults(faults, &options.faults, &error))
            return usage(error);
    }
    if (havePassword && toCp1251(password).size() > 8)
        return usage(QStringLiteral("the password has at most 8 characters"));

    const QFileInfo existing(link);
    if (existing.exists() && !existing.isSymLink()) {
        printLine(stderr, QStringLiteral("zelctl simulate: ") + link + QStringLiteral(" exists and is not a symbolic link"));
        return ExitFile;
    }

    sim::SimEngine engine(options);
    if (havePassword) {
        DeviceImage image;
        image.setArea(1, engine.area(1));
        image.setText(20, 9, password);
        engine.setArea(1, image.area(1));
    }
    // SIGINT and SIGTERM are taken by sigwait below; the host thread inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    sim::SimHost host(engine);
    host.setPacing(pace);
    QString error;
    const QString slave = host.start(&error);
    if (slave.isEmpty()) {
        printLine(stderr, QStringLiteral("zelctl simulate: ") + error);
        return ExitLink;
    }
    const QByteArray linkPath = QFile::encodeName(link);
    ::unlink(linkPath.constData());
    if (::symlink(QFile::encodeName(slave).constData(), linkPath.constData()) != 0) {
        printLine(stderr, QStringLiteral("zelctl simulate: cannot create the link ") + link);
        host.stop();
        return ExitFile;
    }
    printLine(stderr, QStringLiteral("ZEL470 simulated on %1 (%2)%3").arg(link, slave, pace ? QStringLiteral(", paced") : QString()));
    int signal = 0;
    sigwait(&stopSignals, &signal);
    host.stop();
    // Remove the link only if it still points at our terminal.
    if (QFileInfo(link).symLinkTarget() == slave)
        ::unlink(linkPath.constData());
    return ExitOk;
}

} // namespace

std::vector<Command> linkCommands()
{
    return {
        {"simulate", "serve a simulated ZEL470 on a pseudo-terminal",
         "Usage: zelctl simulate --link PATH [--state FILE] [--pace] [--fault SPEC]\n"
         "                       [--hw 12.02] [--fw 01.04] [--bl 01.01] [--modification KV-20M]\n"
         "                       [--name ZEL470] [--imei DIGITS] [--password PW] [--reset-time SECONDS]\n"
         "Opens a pseudo-terminal, makes PATH a symbolic link to it and answers as a ZEL470\n"
         "until SIGINT or SIGTERM; then removes PATH.\n"
         "  --state FILE     keep the controller memory in FILE between runs\n"
         "  --pace           release every byte at the line rate (19200 baud)\n"
         "  --fault SPEC     inject faults: KIND[@CODE][:N][#TIMES][,...]; KIND is silence,\n"
         "                   drop-byte, bad-checksum, wrong-echo, status1, status2,\n"
         "                   stall (after N area chunks), hangup (after N replies), flip-stored\n"
         "  --password PW    administrative password stored in the configuration\n"
         "  --reset-time S   polling time after a refused empty password before the factory\n"
         "                   configuration may be written without it (default 1800)\n"
         "Exit codes: 0 stopped by a signal, 2 no pseudo-terminal, 7 PATH cannot be made,\n"
         "64 bad arguments.\n",
         runSimulate},
        {"identify", "identify the controller on a port",
         "Usage: zelctl identify --port PORT\n"
         "Identifies the controller and prints the identity texts, one per line, then the\n"
         "device version (modification.firmware). Worker texts go to stderr.\n" ZEL_EXIT_CODES,
         runIdentify},
        {"read", "read the controller's configuration into a file",
         "Usage: zelctl read --port PORT -o FILE [--password PW]\n"
         "Identifies the controller, checks model and version, presents the password (empty\n"
         "unless given), reads the configuration area, checks it and writes FILE.\n" ZEL_EXIT_CODES,
         runRead},
        {"write", "program a configuration file into the controller",
         "Usage: zelctl write --port PORT FILE [--password PW] [--no-restart] [--clear-modes]\n"
         "Identifies the controller, checks model, version and hardware, presents the\n"
         "password, writes FILE with read-back and restarts the controller.\n"
         "  --password PW  the controller's administrative password; it is also kept in the\n"
         "                 written configuration (files never carry it)\n"
         "  --no-restart   apply the configuration without a restart\n"
         "  --clear-modes  also reset the controller's mode memory\n" ZEL_EXIT_CODES,
         runWrite},
        {"compare", "compare a configuration file with the controller",
         "Usage: zelctl compare --port PORT FILE [--password PW]\n"
         "Identifies the controller, presents the password and compares its configuration\n"
         "with FILE.\n" ZEL_EXIT_CODES,
         runCompare},
    };
}

} // namespace zel::cli

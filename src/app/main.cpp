// The configurator's executable: single instance, command line, main window.
#include "ui/interface_texts.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>

namespace {

// One configurator per user: a local socket named after the application title.
QString instanceKey()
{
    return QStringLiteral("ZEL Configurator-") + qEnvironmentVariable("USER", QStringLiteral("user"));
}

bool anotherInstanceRuns()
{
    QLocalSocket probe;
    probe.connectToServer(instanceKey());
    return probe.waitForConnected(300);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(zel::texts::kApplicationTitle);
    QApplication::setApplicationDisplayName(zel::texts::kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral("1.3.24"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configurator of the ZEL470 GSM controller."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption portOption(QStringLiteral("port"),
                                  QStringLiteral("Use this serial port for this run (a device name such as "
                                                 "ttyUSB0 or any path, for example a pseudo-terminal)."),
                                  QStringLiteral("NAME"));
    QCommandLineOption simOption(QStringLiteral("simulator"),
                                 QStringLiteral("Start with the built-in simulated controller (the COM port "
                                                "dialog offers it too). --port wins when both are given."));
    parser.addOption(portOption);
    parser.addOption(simOption);
    parser.process(app);

    if (anotherInstanceRuns()) {
        QMessageBox box(QMessageBox::Warning, zel::texts::kApplicationTitle, zel::texts::kAlreadyRunning,
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }
    QLocalServer server;
    QLocalServer::removeServer(instanceKey()); // a crashed copy may have left its socket
    server.listen(instanceKey());

    zel::StartOptions options;
    options.portName = parser.value(portOption);
    options.simulator = parser.isSet(simOption);
    zel::TForm1 window(options);
    window.show();
    return app.exec();
}

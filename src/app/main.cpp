// The configurator's executable: single instance, command line, main window.
#include "ui/interface_texts.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>


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

    zel::SingleInstance instance(zel::SingleInstance::defaultKey());
    if (instance.anotherRuns()) {
        QMessageBox box(QMessageBox::Warning, zel::texts::kApplicationTitle, zel::texts::kAlreadyRunning,
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }
    instance.claim();

    zel::StartOptions options;
    options.portName = parser.value(portOption);
    options.simulator = parser.isSet(simOption);
    zel::TForm1 window(options);
    // A second copy that was turned away brings this window to the front.
    QObject::connect(&instance, &zel::SingleInstance::anotherStarted, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return app.exec();
}

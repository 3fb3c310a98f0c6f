#pragma once
// Run-time text lists of the window that several pages read; the language file may
// replace them at start-up.

#include <QString>
#include <QStringList>

#include "link/identity.h" // SupportedVersions

namespace zel {

struct InterfaceTexts {
    QStringList ModeNames;
    QStringList OutputNames;
    QStringList ReactionNames;
    QStringList IndicationModeNames;
    QStringList AllowedWords;
    QStringList StimulusTitles;
    QStringList GsmStateTexts;
    QStringList LinkStatusTexts;
    QString SignalShapeTitle;
    QString ScenarioNumberTitle;
    QString CycleText;
    QString HighText;
    QString LowText;
    QString PortDialogCaption;
    QString PortOpenErrorText;
    QString AboutVersionsText;
    QString AboutTitle;
    QString MemoryFullText;
    QString KeyCodePrefixText;
    QString KeyExistsText;

    static InterfaceTexts defaults();
};


// Fixed texts of the main window.
namespace texts {
inline const QString kApplicationTitle = QStringLiteral("ZEL Configurator");
inline const QString kAlreadyRunning = QStringLiteral("Программа уже запущена");
inline const QString kMainCaption = QStringLiteral("Конфигуратор GSM контроллера ZEL470");
inline const QString kProgramVersion = QStringLiteral("Ver. 1.3.24");
inline const QString kMakerWebSite = QStringLiteral("https://zel470.example.com");
inline const QString kSupportEmail = QStringLiteral("support@zel470.example.com");
} // namespace texts

} // namespace zel

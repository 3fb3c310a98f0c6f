#pragma once
// Page 50: the system parameters (memory area 5), set per unit at production, with
// their own read and program buttons; and, on a second tab, the control-phone list
// (memory area 6) with its transfers and list files.

#include "ui/pages/section_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QPlainTextEdit>
#include <QToolButton>

namespace zel {

class TForm1;

class ControlPhonesPanel : public QFrame {
    Q_OBJECT
public:
    explicit ControlPhonesPanel(QWidget* parent = nullptr);

    QLabel* Label83;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton10;
    QToolButton* SpeedButton11;
    QTableWidget* StringGridControlPhones;
    QPlainTextEdit* Memo3;
    QProgressBar* ProgressBarControlPhones;
    QLabel* LabelControlPhonesMsg;
    QPushButton* BitBtnProgControlPhones;
    QPushButton* BitBtnReadControlPhones;
    QPushButton* BitBtnCompareControlPhones;

    void SpeedButton5Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void BitBtnReadControlPhonesClick();
    void BitBtnProgControlPhonesClick();
    void BitBtnCompareControlPhonesClick();
    void StringGridControlPhonesRowMoved();

    // Dialog hooks, replaceable in tests: an empty name means cancelled.
    std::function<QString()> askOpenName;
    std::function<QString()> askSaveName;
    std::function<bool()> askOverwrite;
    std::function<void(const QString& caption, const QString& text)> showWarning;

private:
    TForm1* window() const;
};

class SystemPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit SystemPanel(QWidget* parent = nullptr);

    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    QPushButton* Button1;
    QTabWidget* TabSystem;
    QFrame* Panel13;
    QGroupBox* GroupBox24;
    QLineEdit* EditCALVAL;
    QComboBox* ComboBoxCALDIR;
    QGroupBox* GroupBox41;
    QComboBox* ComboBoxBatteryType;
    QCheckBox* CheckBoxFWUpdateEnable;
    QCheckBox* CheckBoxCRCCheckDisable;
    QProgressBar* ProgressBarSysPar;
    QLabel* LabelSysParMsg;
    QPushButton* BitBtnProgSysPar;
    QPushButton* BitBtnReadSysPar;
    ControlPhonesPanel* PanelControlPhones;

    void Button1Click();
    void BitBtnReadSysParClick();
    void BitBtnProgSysParClick();
    // Brings the control-phone tab to the front.
    void showControlPhones();

private:
    TForm1* window() const;
};

} // namespace zel

#pragma once
// The main window: owns the device image, the page tree, the actions and the page
// switching. Page field logic lives in the page panels.

#include "image/device_image.h"
#include "link/byte_port.h"
#include "link/identity.h"
#include "link/link_operation.h"
#include "link/sequences.h"
#include "ui/interface_texts.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>
#include <vector>

class QCheckBox;
class QProgressBar;

namespace zel {

namespace sim {
class SimEngine;
class SimHost;
} // namespace sim

class SectionPanel;
class TFormClearConfig;
class TFormCOMPortConfig;

struct StartOptions {
    QString portName;       // --port
    bool simulator = false; // --simulator
    bool startTimer = true; // the 500 ms start timer (tests may run it by hand)
    // The built-in simulated controller releases bytes at the line rate, as a real
    // line would; tests switch it off to stay fast.
    bool simulatorPacing = true;
    // Seconds the factory-reset countdown runs (tests shorten it).
    int factoryCountdownSeconds = 1800;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const StartOptions& options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    DeviceImage& image() { return image_; }
    const InterfaceTexts& interfaceTexts() const { return texts_; }
    int pageIndex() const { return pageIndex_; }
    int currentPage() const;
    QTreeWidget* tree() const { return TreeView1; }
    QTreeWidgetItem* node(int index) const { return nodes_.at(index); }
    void selectPage(int index);
    SectionPanel* panelOfPage(int page) const;
    QString statusText(int panel) const;
    void setStatusText(int panel, const QString& text);
    // The name the port is opened by: a platform port name, or the pseudo-terminal
    // of the built-in simulated controller.
    QString portName() const { return portName_; }
    // What status panel 1 shows for the port: its name, or "Симулятор".
    QString portDisplayName() const;
    // What ZELConfig.cfg receives at close.
    QString rememberedPortName() const { return settingsPortName_; }
    bool simulatorSelected() const { return simulatorSelected_; }
    // The built-in simulated controller, once it has been started (else nullptr).
    sim::SimEngine* simulatorEngine() const { return simEngine_.get(); }
    const QString& startDirectory() const { return startDirectory_; }

    // A port on the window's current port name. Every successful opening sets status
    // panel 1 to the port's name (the after-open rule), from whatever thread opens it.
    std::unique_ptr<BytePort> makePort();
    // Runs one link operation in a TReadData and waits for it in a local event loop
    // that keeps repainting but takes no user input. Reports and progress reach
    // callbacks on this (the UI) thread.
    int runLinkStep(BytePort& port, const LinkRequest& request, const LinkCallbacks& callbacks);

    // Device page widgets the workflows report into (found by object name).
    QLabel* actionLabel() const;
    QProgressBar* transferProgress() const;
    QCheckBox* clearSaveAreaBox() const;
    // Text of the hidden label that takes the reports not meant for ActionName.
    QString hiddenReportText() const { return tmpLabelText_; }
    // ActionName := text in the report colour.
    void reportAction(const QString& text, ReportColour colour);
    // Fills the identity labels of the device page and status panel 2.
    void ShowIdentity(const IdentityTexts& identity);
    // False when a live monitor runs and its last cycle got no answer from the controller.
    bool liveMonitorAnswered() const;

    void PackPage(int index);
    void UnpackPage(int index);
    void EnableDeviceActions();
    void DisableDeviceActions();
    void StartLiveMonitor();
    void StopLiveMonitor();
    // The live monitor (owned by the window while it runs), or nullptr.
    QObject*& liveMonitorHandle() { return liveMonitor_; }

    // The page text the tree is built from: one node per line, tabs give the level.
    static QString pageTreeText();

    // Actions (member names are the action names).
    QAction* FileNew1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* Programm = nullptr;
    QAction* ReadConf = nullptr;
    QAction* CompareConf = nullptr;
    QAction* Reconfigurate = nullptr;
    QAction* Reset = nullptr;
    QAction* ReadIMEICode = nullptr;
    QAction* FactoryConfig = nullptr;
    QAction* ComPortConfig = nullptr;
    QAction* Abaut = nullptr;

    QTimer* Timer2 = nullptr;

public slots:
    void FileNew1Execute();
    void FileOpen1Execute();
    void FileSave1Execute();
    void AbautExecute();
    // Device workflows.
    void ReadConfExecute();
    void ProgrammExecute();
    void ReconfigurateExecute();
    void CompareConfExecute();
    void ResetExecute();
    void FactoryConfigExecute();
    void ReadIMEICodeExecute();
    void ComPortConfigExecute();
    // Timer2: 500 ms after start-up and 3000 ms after a restart it starts the live
    // monitor and enables the device actions.
    void Timer2Timer();
    void StartTimerElapsed() { Timer2Timer(); }
    // Device commands: stop the monitor, identify, (password,) one command, status
    // panel 3 := its result text, restart the monitor. Payloads as the link sends them.
    void RunDeviceControl(const QByteArray& payload);
    // Returns true when the clock command was sent (the page then forgets its pending text).
    bool RunSetClock(const QByteArray& payload);

signals:
    void pagePacked(int index);
    void pageUnpacked(int index);
    // Right before a modal dialog of a workflow runs (tests answer it through these).
    void clearConfigDialogOpened(TFormClearConfig* dialog);
    void comPortDialogOpened(TFormCOMPortConfig* dialog);

protected:
    void closeEvent(QCloseEvent* event) override;

    // Dialog hooks, replaceable in tests: return an empty string when cancelled.
    virtual QString askOpenFileName();
    virtual QString askSaveFileName(const QString& preset);
    virtual bool askOverwrite(const QString& path);
    virtual void showWarning(const QString& caption, const QString& text);

private:
    void writeConfiguration(bool restart);
    void buildActions();
    void buildMenu();
    void buildToolBar();
    void buildStatusBar();
    void buildTree();
    void buildPages();
    void ShowPage();
    void probePort();
    bool tryOpenPort();
    void setSixActionsEnabled(bool on);
    void wireDeviceCommands();
    bool startSimulator();
    void stopSimulator();
    void selectPortName(const QString& name);
    // Opening and closing shared by the workflows.
    void openWorkflow();
    void closeWorkflow();
    void restartEnding(BytePort& port);
    int sendAdministrativePassword(BytePort& port);
    // Identification and the model and version checks for device commands.
    bool identifyForCommand(BytePort& port);
    QWidget* devicePage() const;
    SequenceHooks workflowHooks(BytePort& port);
    // Runs one step; reports go to ActionName, or to the hidden label when hidden.
    int runStep(BytePort& port, LinkOperation op, int area, std::uint8_t* buffer, int size, bool hidden = false);
    void reportHidden(const QString& text);

    DeviceImage image_;
    InterfaceTexts texts_;
    QString startDirectory_;
    QString portName_;
    QString settingsPortName_; // what ZELConfig.cfg gets at close
    int pageIndex_ = -1;
    StartOptions options_;

    QToolBar* ToolBar1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QWidget* pageArea_ = nullptr;
    QLabel* statusPanels_[4] = {};
    std::vector<QTreeWidgetItem*> nodes_;
    std::vector<SectionPanel*> panels_; // one per row of the panel table
    QObject* liveMonitor_ = nullptr;
    QString tmpLabelText_;
    QString lastStepText_; // the text the last step ended with
    bool simulatorSelected_ = false;
    std::unique_ptr<sim::SimEngine> simEngine_;
    std::unique_ptr<sim::SimHost> simHost_;
    QTimer* simDemoTimer_ = nullptr;
};

} // namespace zel

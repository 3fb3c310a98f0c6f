#pragma once
// The main window: owns the device image, the page tree, the actions and the page
// switching. Page field logic lives in the page panels.

#include "image/device_image.h"
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
#include <vector>

namespace zel {

class SectionPanel;

struct StartOptions {
    QString portName;       // --port
    bool simulator = false; // --simulator
    bool startTimer = true; // the 500 ms start timer (tests may run it by hand)
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
    QString portName() const { return portName_; }
    const QString& startDirectory() const { return startDirectory_; }

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

public slots:
    void FileNew1Execute();
    void FileOpen1Execute();
    void FileSave1Execute();
    void AbautExecute();
    // Runs once, 500 ms after the window was created.
    void StartTimerElapsed();

signals:
    void pagePacked(int index);
    void pageUnpacked(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

    // Dialog hooks, replaceable in tests: return an empty string when cancelled.
    virtual QString askOpenFileName();
    virtual QString askSaveFileName(const QString& preset);
    virtual bool askOverwrite(const QString& path);
    virtual void showWarning(const QString& caption, const QString& text);

private:
    void buildActions();
    void buildMenu();
    void buildToolBar();
    void buildStatusBar();
    void buildTree();
    void buildPages();
    void ShowPage();
    void probePort();
    void setSixActionsEnabled(bool on);

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
    QTimer* startTimer_ = nullptr;
    QObject* liveMonitor_ = nullptr;
};

} // namespace zel

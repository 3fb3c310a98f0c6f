#pragma once
// Pages 32 to 39: the wiring picture of the output terminals (Panel8) and the record
// of one relay or output with the list of the events that act on it (Panel9).

#include "ui/pages/section_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>

namespace zel {

// Texts the output event list names its sources with: tree node captions and the
// item texts of the reaction lists it quotes.
struct OutputEventNames {
    QString schedulerNode;   // node 14
    QString powerNode;       // "[Питание, температура...]" (bracketed as shown)
    QString armInNode;       // node 16
    QStringList inputNodes;  // nodes 18..31, inputs 1..14
    QStringList schedulerReactions;
    QStringList tamperReactions;
    QStringList highTemperatureReactions;
    QStringList lowTemperatureReactions;
    QStringList countdownReactions;
    QStringList armReactions;
    QStringList disarmReactions;
    QStringList protectedReactions;
    QStringList activeReactions;
    QStringList passiveReactions;

    // Default tree captions and the catalogue's list items.
    static OutputEventNames defaults();
};

// Every configured event of the image that acts on output k (0 = relay 1 .. 6 =
// output 5), one line each, in the order the page lists them.
QStringList outputEventLines(const DeviceImage& image, int k, const OutputEventNames& names);

class OutputTerminalsPicture : public QWidget {
    Q_OBJECT
public:
    explicit OutputTerminalsPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class OutputsPicturePanel : public SectionPanel {
    Q_OBJECT
public:
    explicit OutputsPicturePanel(QWidget* parent = nullptr);
    void prepare(int page) override;

    OutputTerminalsPicture* ImageZEL470OutsTP207 = nullptr;
};

class OutputPanel : public SectionPanel {
    Q_OBJECT
public:
    static constexpr int kFirstPage = 33;

    explicit OutputPanel(QWidget* parent = nullptr);
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    // Replaces the source names of the event list (the language file may rename them).
    void setEventNames(const OutputEventNames& names) { names_ = names; }

    QCheckBox* CheckBoxReleEn = nullptr;
    QCheckBox* CheckBoxReleInversion = nullptr;
    QComboBox* ComboBoxReleName = nullptr;
    QComboBox* ComboBoxReleNameAct = nullptr;
    QComboBox* ComboBoxReleNameDeact = nullptr;
    QCheckBox* CheckBoxRemoteControlEn = nullptr;
    QComboBox* ComboBoxCommType = nullptr;
    QGroupBox* GroupBoxRsOutsStimulus = nullptr;
    QPlainTextEdit* MemoRsOutsStimulus = nullptr;

private:
    OutputEventNames names_;
};

} // namespace zel

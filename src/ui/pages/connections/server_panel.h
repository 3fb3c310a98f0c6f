#pragma once
// Pages 11 to 13: one GPRS server record each (enabled, address type, IPv4 address
// or domain name, port). The three pages share this panel.

#include "ui/pages/section_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zel {

class ServerPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit ServerPanel(QWidget* parent = nullptr);

    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    // Server s (1-3) of tree page s + 10.
    static int recordOfPage(int page) { return page - 10; }
    // Longest domain name the record holds (34 bytes with the NUL).
    static constexpr int kMaxDomainLength = 33;

    void ComboBoxDestTypeChange();

    QLabel* Label140 = nullptr;
    QCheckBox* CheckBoxServerEn = nullptr;
    QComboBox* ComboBoxDestType = nullptr;
    QLineEdit* MaskEditServerIPAddr = nullptr;
    QLineEdit* MaskEditServerPort = nullptr;
};

} // namespace zel

#include "ui/pages/page_table.h"

#include "ui/pages/page_groups.h"
#include "ui/pages/section_panel.h"

#include <cstring>

namespace zel {

const std::vector<PanelInfo>& panelTable()
{
    static const std::vector<PanelInfo> table{
        {0, 0, "Panel10", "Label30", false},
        {1, 1, "Panel1", "Label15", true},
        {2, 9, "Panel5", "Label74", true},
        {10, 10, "PanelGPRSSharedPAr", "", true},
        {11, 13, "PanelServersPar", "", true},
        {14, 14, "Panel2", "Label5", true},
        {15, 15, "Panel3", "Label23", true},
        {16, 16, "PanelArmIn", "Label21", true},
        {17, 17, "Panel7", "", true},
        {18, 31, "Panel6", "Label10", true},
        {32, 32, "Panel8", "Label1", false},
        {33, 39, "Panel9", "Label6", true},
        {40, 40, "Panel12", "Label79", true},
        {41, 41, "PanelProfileMain", "Label66", true},
        {42, 49, "PanelProfile", "Label221", true},
        {50, 50, "Panel11", "Label86", true},
    };
    return table;
}

const PanelInfo& panelForPage(int page)
{
    for (const auto& p : panelTable())
        if (page >= p.firstPage && page <= p.lastPage)
            return p;
    return panelTable().front();
}

bool pageIsPacked(int page)
{
    return (page >= 1 && page <= 31) || (page >= 33 && page <= 50);
}

SectionPanel* createPanel(const PanelInfo& info)
{
    for (auto factory : {createDevicePanel, createConnectionPanel, createInputPanel, createOutputPanel,
                         createSystemPanel})
        if (SectionPanel* p = factory(info))
            return p;
    return new SectionPanel(QString::fromLatin1(info.panelName), QString::fromLatin1(info.titleLabel));
}

} // namespace zel

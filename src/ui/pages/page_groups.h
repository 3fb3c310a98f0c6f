#pragma once
// Panel factories, one per page group. Each returns nullptr for a panel it does not build.

#include "ui/pages/page_table.h"

namespace zel {

SectionPanel* createDevicePanel(const PanelInfo& info);      // Panel10
SectionPanel* createConnectionPanel(const PanelInfo& info);  // Panel1, Panel5, PanelGPRSSharedPAr, PanelServersPar
SectionPanel* createInputPanel(const PanelInfo& info);       // Panel3, PanelArmIn, Panel7, Panel6
SectionPanel* createOutputPanel(const PanelInfo& info);      // Panel2, Panel8, Panel9, Panel12, PanelProfileMain, PanelProfile
SectionPanel* createSystemPanel(const PanelInfo& info);      // Panel11

} // namespace zel

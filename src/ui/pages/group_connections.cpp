#include "ui/pages/page_groups.h"

#include "ui/pages/connections/connection_panel.h"
#include "ui/pages/connections/general_panel.h"
#include "ui/pages/connections/gprs_panel.h"
#include "ui/pages/connections/server_panel.h"

#include <cstring>

namespace zel {

SectionPanel* createConnectionPanel(const PanelInfo& info)
{
    const auto is = [&](const char* name) { return std::strcmp(info.panelName, name) == 0; };
    if (is("Panel1"))
        return new GeneralConnectionPanel;
    if (is("Panel5"))
        return new ConnectionPanel;
    if (is("PanelGPRSSharedPAr"))
        return new GprsSharedPanel;
    if (is("PanelServersPar"))
        return new ServerPanel;
    return nullptr;
}

} // namespace zel

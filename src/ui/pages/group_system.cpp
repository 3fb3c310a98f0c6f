#include "ui/pages/page_groups.h"

#include "ui/pages/system/system_panel.h"

#include <cstring>

namespace zel {

SectionPanel* createSystemPanel(const PanelInfo& info)
{
    if (std::strcmp(info.panelName, "Panel11") == 0)
        return new SystemPanel;
    return nullptr;
}

} // namespace zel

#include "ui/pages/device/device_panel.h"
#include "ui/pages/page_groups.h"

#include <cstring>

namespace zel {

SectionPanel* createDevicePanel(const PanelInfo& info)
{
    if (std::strcmp(info.panelName, "Panel10") == 0)
        return new DevicePanel;
    return nullptr;
}

} // namespace zel

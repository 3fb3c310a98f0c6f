#include "ui/pages/outputs/clock_panel.h"
#include "ui/pages/outputs/output_panel.h"
#include "ui/pages/outputs/profile_panel.h"
#include "ui/pages/outputs/scenario_panel.h"
#include "ui/pages/page_groups.h"

#include <cstring>

namespace zel {

SectionPanel* createOutputPanel(const PanelInfo& info)
{
    const char* name = info.panelName;
    if (std::strcmp(name, "Panel2") == 0)
        return new ClockSchedulerPanel;
    if (std::strcmp(name, "Panel8") == 0)
        return new OutputsPicturePanel;
    if (std::strcmp(name, "Panel9") == 0)
        return new OutputPanel;
    if (std::strcmp(name, "Panel12") == 0)
        return new ScenarioPanel;
    if (std::strcmp(name, "PanelProfileMain") == 0)
        return new ProfilesMainPanel;
    if (std::strcmp(name, "PanelProfile") == 0)
        return new ProfilePanel;
    return nullptr;
}

} // namespace zel

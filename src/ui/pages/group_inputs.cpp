#include "ui/pages/page_groups.h"

#include "ui/pages/inputs/arm_in_panel.h"
#include "ui/pages/inputs/input_page_panel.h"
#include "ui/pages/inputs/inputs_general_panel.h"
#include "ui/pages/inputs/power_panel.h"

#include <cstring>

namespace zel {

SectionPanel* createInputPanel(const PanelInfo& info)
{
    const char* name = info.panelName;
    if (std::strcmp(name, "Panel3") == 0)
        return new PowerPanel();
    if (std::strcmp(name, "PanelArmIn") == 0)
        return new ArmInPanel();
    if (std::strcmp(name, "Panel7") == 0)
        return new InputsGeneralPanel();
    if (std::strcmp(name, "Panel6") == 0)
        return new InputPagePanel();
    return nullptr;
}

} // namespace zel

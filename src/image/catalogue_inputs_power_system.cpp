#include "image/field_catalogue.h"

namespace zel {

std::vector<FieldDef> inputPowerSystemFields()
{
    return {};
}

} // namespace zel

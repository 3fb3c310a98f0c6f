#include "image/field_catalogue.h"

namespace zel {

std::vector<FieldDef> clockOutputProfileFields()
{
    return {};
}

} // namespace zel

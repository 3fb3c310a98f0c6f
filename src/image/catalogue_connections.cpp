#include "image/field_catalogue.h"

namespace zel {

std::vector<FieldDef> connectionFields()
{
    return {};
}

} // namespace zel

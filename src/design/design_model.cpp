// The starting state of a design session.
#include "design/design_model.h"

namespace korvant {

DesignModel::DesignModel()
{
    for (const InputFieldInfo& info : InputFields())
        field(info.field) = info.startText;
}

} // namespace korvant

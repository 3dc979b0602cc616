#pragma once

#include "core/image/setting_fields.h"

namespace quorvel {

// The interface byte under the name the transmission uses; this header goes once the
// transmission writes the interface through the field table.
namespace bytes {
inline constexpr int kInterface = field(FieldId::Interface).byte;
} // namespace bytes

} // namespace quorvel

#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// The reader's settings: 128 bytes, as a settings file and the reader keep them.
inline constexpr int kImageSize = 128;
using SettingsImage = std::array<std::uint8_t, kImageSize>;

} // namespace quorvel

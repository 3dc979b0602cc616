#pragma once

#include "core/image/setting_choices.h"
#include "core/image/setting_fields.h"

namespace quorvel {

// Byte numbers and bits under the names the pickers and the transmission use,
// all taken from the field table.
namespace bytes {
inline constexpr int kTrackOrder = field(FieldId::TrackOrder).byte;
inline constexpr int kRs232Terminator = field(FieldId::Rs232Terminator).byte;
inline constexpr int kRs232Delay = field(FieldId::Rs232Delay).byte;
inline constexpr int kEndSentinel = field(FieldId::EndSentinel).byte;
// Tracks 1, 2 and 3.
inline constexpr std::array<int, 3> kStartSentinels{field(FieldId::StartSentinel1).byte,
                                                    field(FieldId::StartSentinel2).byte,
                                                    field(FieldId::StartSentinel3).byte};
inline constexpr int kLanguage = field(FieldId::KeyboardLanguage).byte;
inline constexpr int kKeyboardTerminator = field(FieldId::KeyboardTerminator).byte;
inline constexpr int kKeyboardDelay = field(FieldId::KeyboardDelay).byte;
inline constexpr int kModes = field(FieldId::AltMode).byte;
inline constexpr int kBuzzerPitch = field(FieldId::BuzzerPitch).byte;
inline constexpr int kBuzzerDuration = field(FieldId::BuzzerDuration).byte;
inline constexpr int kTrackSelection = field(FieldId::TrackSelection).byte;
inline constexpr int kFirstPreamble = field(FieldId::Preamble).byte;
inline constexpr int kFirstPostamble = field(FieldId::Postamble).byte;
inline constexpr int kAmbleCount = field(FieldId::Preamble).length;
inline constexpr int kInterface = field(FieldId::Interface).byte;
inline constexpr int kAltModeBit = field(FieldId::AltMode).mask;
inline constexpr int kFunctionKeyBit = field(FieldId::FunctionKeys).mask;
inline constexpr int kTransmitLrcBit = field(FieldId::TransmitLrc).mask;
} // namespace bytes

} // namespace quorvel

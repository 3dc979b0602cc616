#pragma once

// The Swipe Test's section "What this reader is set to", in words: what identify tells of
// the swipes, and the question before the reader's settings are taken.

#include "core/swipe/reader_identity.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel {

// A line a setting told ("≠" where it differs from the settings, "=" where not), then those
// the swipes leave open, those no swipe shows and the pauses; or why the swipes read as none.
QStringList readerSettingsLines(const ReaderIdentity& identity, const SettingsImage& settings);

// The Yes/No question listing each change, setting by setting, as the Compare page words
// them; nothing when nothing would change.
std::optional<QString> takeSettingsQuestion(const SettingsImage& settings,
                                            const SettingsImage& reader);

} // namespace quorvel

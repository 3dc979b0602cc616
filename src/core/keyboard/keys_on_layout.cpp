#include "core/keyboard/keys_on_layout.h"

#include "core/keyboard/keyboard_layout.h"

namespace quorvel {

QList<CapturedKey> keysOnLayout(const QList<CapturedKey>& keys, int layoutLanguage) {
    const KeyboardLayout* layout = KeyboardLayout::ofLanguage(layoutLanguage);
    if (!layout)
        return keys;
    QList<CapturedKey> placed;
    for (const CapturedKey& key : keys) {
        const QList<uint> characters = key.text.toUcs4();
        const bool character = characters.size() == 1 && QChar::isPrint(characters.first()) &&
                               !key.modifiers.testFlag(Qt::ControlModifier);
        const std::optional<KeyboardLayout::Stroke> stroke =
            character ? layout->strokeFor(static_cast<char32_t>(characters.first())) : std::nullopt;
        if (!stroke) {
            placed << key;
            continue;
        }
        CapturedKey on = key;
        on.position = stroke->position;
        on.state = stroke->state;
        if (stroke->viaDeadKey) {
            CapturedKey dead = on;
            dead.text.clear();
            placed << dead;
            on.position = kSpacePosition;
            on.state = {};
        }
        placed << on;
    }
    return placed;
}

} // namespace quorvel

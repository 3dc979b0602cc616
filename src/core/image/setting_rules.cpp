#include "core/image/setting_rules.h"

#include "core/image/number_reading.h"
#include "core/image/setting_fields.h"

namespace quorvel {

namespace {

constexpr int kAltModeBit = field(FieldId::AltMode).mask;
constexpr int kFunctionKeyBit = field(FieldId::FunctionKeys).mask;
static_assert(field(FieldId::FunctionKeys).byte == field(FieldId::AltMode).byte);

std::uint8_t& modesByte(SettingsImage& image) {
    return image.at(static_cast<std::size_t>(field(FieldId::AltMode).byte));
}

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= '0' && u <= '9')
        d = u - '0';
    else if (u >= 'a' && u <= 'f')
        d = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        d = u - 'A' + 10;
    return d < base ? d : -1;
}

} // namespace

std::optional<int> byteFromEntry(const QString& text) {
    if (text.isEmpty())
        return 0;
    const double value = readNumber(text);
    if (value < 0 || value > 255)
        return std::nullopt;
    return roundHalfEven(value);
}

std::optional<int> sliderValueOfEntry(const QString& text) {
    if (text.isEmpty())
        return 0;
    int base = 10;
    qsizetype first = 0;
    if (text.size() > 2 && text[0] == u'&' && (text[1] == u'H' || text[1] == u'h')) {
        base = 16;
        first = 2;
    }
    for (qsizetype i = first; i < text.size(); ++i)
        if (digitValue(text[i], base) < 0)
            return std::nullopt;
    // The value Accept would store, so the slider never shows another one
    // ("&H000FF" reads four digits: 15).
    return byteFromEntry(text);
}

bool breaksString(int previousCode, int code) {
    return previousCode == 0 && code > 0;
}

int firstStringBreak(std::span<const int> codes) {
    for (std::size_t i = 1; i < codes.size(); ++i)
        if (breaksString(codes[i - 1], codes[i]))
            return static_cast<int>(i);
    return -1;
}

int withBits(int value, int mask, bool on) {
    return on ? value | mask : value & ~mask & 0xFF;
}

int modesWithAltMode(int modes, bool on) {
    if (!on)
        return withBits(modes, kAltModeBit, false);
    return withBits(withBits(modes, kAltModeBit, true), kFunctionKeyBit, false);
}

int modesWithCaseMode(int modes, int caseCode) {
    constexpr int kCaseBits = field(FieldId::Case).mask;
    return (modes & ~kCaseBits & 0xFF) | (caseCode & kCaseBits);
}

int factoryModes(int modes) {
    return modes & kAltModeBit;
}

void setAltMode(SettingsImage& image, bool on) {
    modesByte(image) = static_cast<std::uint8_t>(modesWithAltMode(modesByte(image), on));
}

void restoreFactoryModes(SettingsImage& image) {
    modesByte(image) = static_cast<std::uint8_t>(factoryModes(modesByte(image)));
}

} // namespace quorvel

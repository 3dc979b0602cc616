#include "core/image/setting_fields.h"

#include <QLatin1String>

namespace quorvel {

namespace {

std::size_t at(const Field& f, int index) {
    return static_cast<std::size_t>(f.byte + index);
}

int bitsValue(const SettingsImage& image, const Field& f, int bits, int index) {
    return (image.at(at(f, index)) & bits) >> fieldShift(f);
}

} // namespace

int fieldValue(const SettingsImage& image, FieldId id, int index) {
    return bitsValue(image, field(id), field(id).mask, index);
}

int pageValue(const SettingsImage& image, FieldId id, int index) {
    const Field& f = field(id);
    return bitsValue(image, f, f.pageMask != 0 ? f.pageMask : f.mask, index);
}

void setFieldValue(SettingsImage& image, FieldId id, int value, int index) {
    const Field& f = field(id);
    auto& b = image.at(at(f, index));
    b = static_cast<std::uint8_t>((b & ~f.mask) | ((value << fieldShift(f)) & f.mask));
}

QList<int> stringCodes(const SettingsImage& image, FieldId id) {
    QList<int> codes;
    for (int i = 0; i < field(id).length && fieldValue(image, id, i) != 0; ++i)
        codes << fieldValue(image, id, i);
    return codes;
}

void setStringCodes(SettingsImage& image, FieldId id, const QList<int>& codes) {
    for (int i = 0; i < field(id).length; ++i)
        setFieldValue(image, id, i < codes.size() ? codes.at(i) : 0, i);
}

const NamedCode* fieldChoice(const SettingsImage& image, FieldId id) {
    const int value = fieldValue(image, id);
    for (const NamedCode& choice : field(id).choices)
        if (choice.code == value)
            return &choice;
    return nullptr;
}

const Field* fieldOfKey(const char* key) {
    for (const Field& f : kFields)
        if (f.key && QLatin1String(f.key).compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

} // namespace quorvel

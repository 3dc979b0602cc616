#pragma once

#include "core/image/settings_image.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace quorvel {

// Every named setting of the image, with its value as text and as JSON and a
// checked way to assign it from text. Used by the command-line tool.
struct Setting {
    QString key;
    QList<int> bytes; // the bytes this setting reads and writes
    std::function<QString(const SettingsImage&)> text;
    std::function<QJsonValue(const SettingsImage&)> json;
    // Empty on success; otherwise why the value was refused (the image is then unchanged).
    std::function<QString(SettingsImage&, const QString&)> assign;
    // The values it takes, as `quorvel-cli keys` lists them.
    QString values;
};

const QList<Setting>& settingCatalog();

// A named setting, or a "byte.N" key for any single byte; nullopt for an unknown key.
std::optional<Setting> findSetting(const QString& key);

// The N of a "byte.N" key; nullopt for any other key.
std::optional<int> byteOfKey(const QString& key);

// True when some named setting covers the byte.
bool isNamedByte(int n);

// The bits of byte n that some named setting shows in this image: flipping one of them changes
// that setting's value. The others need a "byte.N" entry to be seen or restored.
int shownBits(const SettingsImage& image, int n);

// A byte value written as decimal, "0x" or "&H" hexadecimal; nullopt when not a whole number.
std::optional<int> parseByteText(const QString& text);

// A value as a message shows it: the start of a long one, so that a refusal stays a line.
QString valueExcerpt(const QString& text);

// Why a number cannot be any setting's value: it is beyond every range, or beyond what a
// JSON number can hold (shown as written).
QString numberOutOfRange(const QString& key, const QString& shown);

// Assigns a setting from JSON in the form Setting::json gives (or the text form as a string).
// Empty on success; otherwise why the value was refused (the image is then unchanged).
QString assignJson(const Setting& setting, SettingsImage& image, const QJsonValue& value);

// Every setting of the image as JSON: the named settings, plus "byte.N" (the whole byte) for
// each byte holding bits no named value shows, so that applying it restores every byte.
QJsonObject settingsProfile(const SettingsImage& image);

// Applies a profile in the form settingsProfile gives, any subset of its keys. Every key and
// value is checked first; on a refusal the image is unchanged and the reason returned. A
// "byte.N" entry sets its whole byte, but named settings given beside it win for the bits they
// show; a named setting already holding its value is left as it is.
QString applySettingsProfile(const QJsonObject& profile, SettingsImage& image);

// A character given by its code, by its key name or as characterText shows it ("Esc (&H1B)",
// name and code agreeing); nullopt when none of these.
std::optional<int> parseCharacter(const QString& text);

// "Esc (&H1B)", or the code alone when the key has no name.
QString characterText(int code);

} // namespace quorvel

#pragma once

#include "session.h"

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
};

const QList<Setting>& settingCatalog();

// A named setting, or a "byte.N" key for any single byte; nullopt for an unknown key.
std::optional<Setting> findSetting(const QString& key);

// True when some named setting covers the byte.
bool isNamedByte(int n);

// The bits of byte n that some named setting shows in this image: flipping one of them changes
// that setting's value. The others need a "byte.N" entry to be seen or restored.
int shownBits(const SettingsImage& image, int n);

// A byte value written as decimal, "0x" or "&H" hexadecimal; nullopt when not a whole number.
std::optional<int> parseByteText(const QString& text);

// A character given by its code or by its key name; nullopt when neither.
std::optional<int> parseCharacter(const QString& text);

// "Esc (&H1B)", or the code alone when the key has no name.
QString characterText(int code);

} // namespace quorvel

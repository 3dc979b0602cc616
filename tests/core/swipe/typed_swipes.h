#pragma once

// Swipes typed by name for the tests of the swipe analysis: "[Esc]A%B…" as key presses,
// settings changed by byte, and a check list as its marks.

#include "core/files/settings_file.h"
#include "core/swipe/swipe_analysis.h"

#include "test_files.h"

#include <QHash>

namespace quorvel::swipe_tests {

inline const QString kCard =
    QStringLiteral("%B4111111111111111^DOE/J^2512?;4111111111111111=2512?");

// A press as the window system would deliver it for a bracketed key name or a character.
inline CapturedKey press(const QString& token, qint64 time) {
    static const QHash<QString, int> named = {
        {QStringLiteral("Enter"), Qt::Key_Return},  {QStringLiteral("Tab"), Qt::Key_Tab},
        {QStringLiteral("S-Tab"), Qt::Key_Backtab}, {QStringLiteral("Esc"), Qt::Key_Escape},
        {QStringLiteral("F 1"), Qt::Key_F1},        {QStringLiteral("Space"), Qt::Key_Space}};
    if (token == QLatin1String("Ctrl-C"))
        return {time, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03")};
    if (named.contains(token))
        return {time, named.value(token), Qt::NoModifier,
                token == QLatin1String("Space") ? QStringLiteral(" ") : QString()};
    return {time, token.at(0).toUpper().unicode(), Qt::NoModifier, token};
}

// "[Esc]A%B…" as key presses 8 ms apart.
inline QList<CapturedKey> typed(const QString& keys) {
    QList<CapturedKey> presses;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QString token = keys.mid(i, 1);
        if (token == QLatin1String("[") && keys.indexOf(u']', i) > i + 1) {
            const qsizetype close = keys.indexOf(u']', i);
            token = keys.mid(i + 1, close - i - 1);
            i = close;
        }
        presses << press(token, 8 * presses.size());
    }
    return presses;
}

// "80=1B 81=41": bytes changed from the factory settings, in hexadecimal.
inline SettingsImage imageWith(const QString& changes) {
    SettingsImage image = shippedFactoryImage();
    for (const QString& change : changes.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = change.split(u'=');
        image.at(parts.at(0).toUInt()) = static_cast<std::uint8_t>(parts.at(1).toUInt(nullptr, 16));
    }
    return image;
}

inline QString states(const QList<SwipeCheck>& checks) {
    QString marks;
    for (const SwipeCheck& check : checks)
        marks += checkLine(check).at(0);
    return marks;
}

} // namespace quorvel::swipe_tests

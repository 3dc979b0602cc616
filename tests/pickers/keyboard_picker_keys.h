#pragma once

// What the test programs of the keyboard picker share: its keys as a PC keyboard has
// them, the character each one picks, and its colours.

#include "core/session.h"
#include "modal_helper.h"
#include "pickers/ascii_table_picker.h"
#include "pickers/keyboard_picker.h"
#include "shell/shell_dialogs.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <map>
#include <set>

namespace quorvel::picker_tests {

inline constexpr int kKeyCount = 81;
inline constexpr int kCapsLock = 41;
inline constexpr int kLeftShift = 54;
inline constexpr int kRightShift = 65;

// The keys as the keyboard reads, row by row, left to right.
inline const std::vector<std::vector<int>> kRowsOfKeys = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
    {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 71, 72, 73},
    {27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 74, 75, 76},
    {41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53},
    {54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 77},
    {66, 67, 68, 69, 70, 78, 79, 80},
};

// Character keys: the plain and the shifted character, by first index.
struct CharacterRun {
    int first;
    const char* plain;
    const char* shifted;
    bool followsCapsLock;
};
inline const CharacterRun kCharacterRuns[] = {
    {13, "`1234567890-=", "~!@#$%^&*()_+", false},
    {28, "qwertyuiop", "QWERTYUIOP", true},
    {38, "[]\\", "{}|", false},
    {42, "asdfghjkl", "ASDFGHJKL", true},
    {51, ";", ":", false},
    {52, "'", "\"", true},
    {55, "zxcvbnm", "ZXCVBNM", true},
    {62, ",./", "<>?", false},
};

struct Pick {
    QString code;
    QString name;
};

inline const std::map<int, Pick> kFixedKeys = {
    {0, {"1B", "Esc"}},   {26, {"0F", "BS"}},    {53, {"D", "Enter"}}, {68, {"20", "Space"}},
    {71, {"18", "Ins"}},  {72, {"14", "Home"}},  {73, {"16", "PgUp"}}, {74, {"19", "Del"}},
    {75, {"15", "End"}},  {76, {"17", "PgDn"}},  {77, {"10", "Up"}},   {78, {"12", "Left"}},
    {79, {"11", "Down"}}, {80, {"13", "Right"}},
};

inline const std::set<int> kNoChoiceKeys = {kCapsLock, kLeftShift, kRightShift, 66, 67, 69, 70};

inline std::optional<Pick> expectedPick(int index, bool shift, bool caps) {
    if (kNoChoiceKeys.count(index))
        return std::nullopt;
    if (index >= 1 && index <= 12)
        return Pick{QString::number(index, 16).toUpper(), QStringLiteral("F %1").arg(index)};
    if (index == 27)
        return shift ? Pick{"1C", "S-Tab"} : Pick{"E", "Tab"};
    if (const auto fixed = kFixedKeys.find(index); fixed != kFixedKeys.end())
        return fixed->second;
    for (const CharacterRun& run : kCharacterRuns) {
        const int offset = index - run.first;
        if (offset < 0 || offset >= static_cast<int>(qstrlen(run.plain)))
            continue;
        const bool upper = run.followsCapsLock ? shift != caps : shift;
        const QChar c = QLatin1Char((upper ? run.shifted : run.plain)[offset]);
        return Pick{QString::number(c.unicode(), 16).toUpper(), QString(c)};
    }
    qFatal("no expectation for CKey_%d", index);
}

inline QColor buttonFace() {
    return QApplication::palette().color(QPalette::Button);
}
inline QColor colourOf(const QWidget* w) {
    return w->palette().color(QPalette::Button);
}
inline QColor lampColour(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

inline QPushButton* keyOf(QWidget* picker, int index) {
    return picker->findChild<QPushButton*>(QStringLiteral("CKey_%1").arg(index));
}

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace quorvel::picker_tests

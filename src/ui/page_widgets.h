#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;
class QWidget;

namespace quorvel {

// The design measures shared by the pages, in twips.
namespace page_geometry {
inline constexpr int kMargin = 240;
inline constexpr int kHeadingTop = 120;
inline constexpr int kButtonWidth = 1215;
inline constexpr int kButtonHeight = 375;
} // namespace page_geometry

// A push button named for tests and assistive technology by its caption.
QPushButton* captionedButton(QWidget* parent, const QString& objectName, const QString& caption);

// A page's heading Label1: plain text, bold and larger, at the top left margin.
QLabel* pageHeading(QWidget* parent, const QString& text);

// A page that shows one read-only text under its heading with a Copy button below:
// the caret moves and selects from the keyboard, so a screen reader can walk the lines.
void layOutTextWithCopy(QWidget* page, const QLabel* heading, QTextEdit* text, QPushButton* copy);

} // namespace quorvel

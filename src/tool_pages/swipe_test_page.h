#pragma once

#include "core/keyboard/xkb_layout_name.h"
#include "core/swipe/reader_identity.h"
#include "core/swipe/swipe_analysis.h"
#include "core/swipe/swipe_gatherer.h"
#include "ui/child_window.h"

#include <QList>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace quorvel {

class Dialogs;
class Session;
class ReaderSettingsSection;
class SwipeCapture;

// The Swipe Test: records what a reader types and shows it, checked against the
// settings image, and tells what the reader is set to. It writes the image only when
// the person takes the reader's settings. What it captures stays in memory and is
// forgotten by Clear and at the end of the program.
class SwipeTestPage : public ChildWindow {
    Q_OBJECT
public:
    // Milliseconds on a monotonic clock; a test passes its own.
    using Clock = std::function<qint64()>;

    // This computer's active keyboard layout, asked as each swipe begins; a test passes its own.
    using LayoutReader = std::function<std::optional<XkbLayoutName>()>;

    SwipeTestPage(Session& session, Dialogs& dialogs, Clock clock = {}, QWidget* parent = nullptr);
    ~SwipeTestPage() override;

    void setLayoutReader(LayoutReader reader);

    // Shows the frame and checks for the image as it is now, card numbers masked.
    void activate() override;
    void clear();
    // Puts the text as shown on the clipboard.
    void copy() const;
    QString shownText() const;

    SwipeCapture* capture() const { return m_capture; }

signals:
    // The person asked to use this keyboard language for the reader.
    void languageProposed(int code);
    // The person took the reader's settings into the image.
    void imageChanged();

private:
    void record(const KeyPress& press);
    // Everything again: after a change of the image, the gap or the card number choice.
    void refresh();
    QString swipeText(int swipe) const;
    CardNumbers cardNumbers() const;
    SwipeOptions options() const;
    void showChecks();
    // What the swipes so far say the reader is set to.
    ReaderIdentity identify() const;

    Session& m_session;
    Clock m_clock;
    LayoutReader m_layoutReader;
    std::optional<XkbLayoutName> m_computerLayout;
    QList<CapturedKey> m_keys;
    // Oldest first; a new key only analyses the newest swipe again, so a long
    // session does not slow the capture down.
    QList<QList<CapturedKey>> m_swipeKeys;
    // Goes on with the newest of them.
    SwipeGatherer m_gatherer;
    QList<SwipeAnalysis> m_analyses;
    // The swipe whose checks are shown, oldest first; -1 follows the newest.
    int m_chosen = -1;

    SwipeCapture* m_capture;
    QSpinBox* m_gap;
    QCheckBox* m_showNumbers;
    QPushButton* m_clear;
    QPushButton* m_copy;
    QPushButton* m_useLanguage;
    QLabel* m_expected;
    QLabel* m_focusNotice;
    QListWidget* m_swipes;
    QListWidget* m_checks;
    QLabel* m_checksLabel;
    ReaderSettingsSection* m_reader;
};

} // namespace quorvel

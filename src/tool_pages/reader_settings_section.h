#pragma once

// The Swipe Test's section "What this reader is set to": what the swipes so far tell of
// the reader's settings, and the button that takes them into the image after a Yes.

#include "core/swipe/reader_identity.h"

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace quorvel {

class Dialogs;
class Session;

class ReaderSettingsSection : public QWidget {
    Q_OBJECT
public:
    // How long after the last key what the reader is set to is read again.
    static constexpr int kDelayMs = 150;
    // `identify` reads the swipes gathered so far against the image.
    ReaderSettingsSection(Session& session, Dialogs& dialogs,
                          std::function<ReaderIdentity()> identify, QWidget* parent = nullptr);

    // Reads the swipes again now, or once the keys pause.
    void refresh();
    void refreshSoon();
    // The heading and the lines as shown, nothing while no swipe came.
    QStringList shownLines() const;

    QPushButton* useButton() const { return m_use; }
    QListWidget* list() const { return m_list; }

signals:
    // The person took the reader's settings into the image.
    void imageChanged();

private:
    void useReaderSettings();

    Session& m_session;
    Dialogs& m_dialogs;
    std::function<ReaderIdentity()> m_identify;
    QLabel* m_label;
    QListWidget* m_list;
    QPushButton* m_use;
    QTimer* m_timer;
};

// A line a setting told ("≠" where it differs from the settings, "=" where not), then those
// the swipes leave open, those no swipe shows and the pauses; or why the swipes read as none.
QStringList readerSettingsLines(const ReaderIdentity& identity, const SettingsImage& settings);

} // namespace quorvel

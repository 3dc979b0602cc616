#pragma once

#include "ui/child_window.h"

class QPushButton;
class QTextEdit;

namespace quorvel {

class Session;

// Every setting of the image in words, grouped as the pages group them; made
// anew on each activation. Reads the image, never writes it.
class SummaryPage : public ChildWindow {
    Q_OBJECT
public:
    explicit SummaryPage(const Session& session, QWidget* parent = nullptr);

    void activate() override;
    // Puts the summary as plain text on the clipboard.
    void copy();

    QTextEdit* textView() const { return m_text; }

private:
    const Session& m_session;
    QTextEdit* m_text;
    QPushButton* m_copy;
    QString m_plainText;
};

} // namespace quorvel

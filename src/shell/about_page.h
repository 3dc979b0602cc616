#pragma once

#include "ui/child_window.h"

class QPushButton;
class QTextEdit;

namespace quorvel {

class Session;
struct CompanionCommand;

// What the About page reports, gathered apart from the page so a test can give its own.
struct AboutFacts {
    QString version;
    QString qtVersion;      // the Qt this program runs with
    QString qtBuildVersion; // the Qt it was built against
    QString hidapiVersion;
    QString factoryFile;
    QString companion; // the companion line's value, already in words
};

// The facts of this running program: its factory file, the companion program that a
// transmission would start now.
AboutFacts currentAboutFacts(const Session& session);

// The companion program in words: the file a transmission would run (and how), or why none would.
// `located` is the file found for the command, `wine` the wine found (away from Windows).
QString companionDescription(const CompanionCommand& command, const QString& located,
                             const QString& wine);

// The About text, line by line, as shown and as copied for a bug report.
QString aboutText(const AboutFacts& facts);

// About Quorvel: the version, the license and what the program uses, with a Copy
// button. Gathered anew on each activation.
class AboutPage : public ChildWindow {
    Q_OBJECT
public:
    explicit AboutPage(const Session& session, QWidget* parent = nullptr);

    void activate() override;
    // Puts exactly the shown text on the clipboard.
    void copy();

    QTextEdit* textView() const { return m_text; }
    QString text() const { return m_shown; }

private:
    const Session& m_session;
    QTextEdit* m_text;
    QPushButton* m_copy;
    QString m_shown;
};

} // namespace quorvel

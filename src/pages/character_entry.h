#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>

class QLineEdit;

namespace quorvel {

class Dialogs;
class Session;

// A name button that tells a left press (pick a character) from any other (clear).
class CharacterButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

signals:
    void pickPressed();
    void clearPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// One character of the image on a page: its name button and its code box.
// A pick or a clear changes only the controls; the page's apply step stores the code.
class CharacterEntry : public QObject {
    Q_OBJECT
public:
    // `what` names the character for assistive technology, e.g. "Preamble 3".
    CharacterEntry(const QString& what, CharacterButton* button, QLineEdit* codeBox,
                   Session& session, Dialogs& dialogs, QObject* parent = nullptr);

    // Shows a stored code: the box gets `codeText`, the button the key name of it.
    void show(const QString& codeText);
    void setCaption(const QString& name);
    QString caption() const { return m_caption; }
    QString codeText() const;

    CharacterButton* button() const { return m_button; }
    QLineEdit* codeBox() const { return m_codeBox; }

    // The box text of a cleared entry, and of one reset to its factory 0.
    static QString clearedText() { return QStringLiteral("0"); }

private:
    void pick();
    void clear();

    QString m_what;
    CharacterButton* m_button;
    QLineEdit* m_codeBox;
    Session& m_session;
    Dialogs& m_dialogs;
    QString m_caption;
};

} // namespace quorvel

#pragma once

#include <QDialog>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace quorvel {

class Session;
struct KeyboardKey;

// The on-screen PC keyboard from which a page takes one key code. Built anew
// for every opening: construction is the activation.
class KeyboardPicker : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardPicker(Session& session, QWidget* parent = nullptr);

    QPushButton* key(int index) const { return m_keys.at(static_cast<std::size_t>(index)); }
    QPushButton* asciiTableButton() const { return m_asciiTable; }

private:
    void keyClicked(const KeyboardKey& pressed);
    void shiftClicked(QPushButton* button);
    void showCapsLock();
    void openAsciiTable();

    Session& m_session;
    std::vector<QPushButton*> m_keys;
    QFrame* m_lampOff;
    QFrame* m_lampOn;
    QLabel* m_capsLabel;
    QPushButton* m_asciiTable;
};

// Opens the keyboard picker modally and waits; the choice, if any, is left in
// the session's picked name and picked code.
void runKeyboardPicker(Session& session, QWidget* parent);

} // namespace quorvel

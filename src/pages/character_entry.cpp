#include "character_entry.h"

#include "core/keyboard/key_name.h"
#include "core/session.h"
#include "ui/dialogs.h"
#include "ui/vertical_menu.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace quorvel {

void CharacterButton::mousePressEvent(QMouseEvent* event) {
    // Acting on the press, not the click: the picker opens while the button is still down.
    if (event->button() == Qt::LeftButton)
        emit pickPressed();
    else
        emit clearPressed();
    event->accept();
}

void CharacterButton::keyPressEvent(QKeyEvent* event) {
    // From the keyboard: Space or Enter picks, Delete or Backspace clears.
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pickPressed();
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        emit clearPressed();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

CharacterEntry::CharacterEntry(const QString& what, CharacterButton* button, QLineEdit* codeBox,
                               Session& session, Dialogs& dialogs, QObject* parent)
    : QObject(parent), m_what(what), m_button(button), m_codeBox(codeBox), m_session(session),
      m_dialogs(dialogs) {
    m_button->setToolTip(tr("Click mouse right button to clear"));
    m_button->setAutoDefault(false);
    m_codeBox->setAccessibleName(tr("%1 code").arg(what));
    setCaption(QString());
    connect(m_button, &CharacterButton::pickPressed, this, &CharacterEntry::pick);
    connect(m_button, &CharacterButton::clearPressed, this, &CharacterEntry::clear);
}

void CharacterEntry::show(const QString& codeText) {
    m_codeBox->setText(codeText);
    setCaption(keyName(codeText));
}

void CharacterEntry::setCaption(const QString& name) {
    m_caption = name;
    m_button->setText(buttonCaption(name));
    m_button->setAccessibleName(QStringLiteral("%1: %2").arg(m_what, name.trimmed()));
}

QString CharacterEntry::codeText() const { return m_codeBox->text(); }

void CharacterEntry::pick() {
    m_dialogs.pickCharacter(m_session);
    if (m_session.pickedName.isEmpty())
        return; // closed without a choice
    setCaption(m_session.pickedName);
    m_codeBox->setText(QStringLiteral("&H") + m_session.pickedCode);
}

void CharacterEntry::clear() {
    setCaption(QString());
    m_codeBox->setText(clearedText());
}

} // namespace quorvel

#include "accessible_click.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>

namespace quorvel {

namespace {

enum class ClickRole { Command, Option };

// A caption as read aloud: "&&" is a shown "&", a single "&" marks the access key.
QString spokenCaption(const QString& caption) {
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

class ClickableButton : public QAccessibleWidget {
public:
    ClickableButton(QAbstractButton* button, ClickRole role)
        : QAccessibleWidget(button, role == ClickRole::Option ? QAccessible::RadioButton
                                                              : QAccessible::Button),
          m_role(role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = spokenCaption(button()->text());
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (m_role == ClickRole::Option) {
            state.checkable = true;
            state.checked = button()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled()) {
            names << pressAction();
            if (m_role == ClickRole::Option)
                names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Not click(): the command may open a modal box, and the assistive
        // technology's call must return first, as with Qt's own press.
        if (button()->isEnabled())
            button()->animateClick();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    ClickRole m_role;
};

// Asked with the most derived class name first, so these names reach this
// factory before any interface for a plain Qt button is made.
QAccessibleInterface* clickableButtonFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(OptionButton::staticMetaObject.className()))
        return new ClickableButton(static_cast<QAbstractButton*>(object), ClickRole::Option);
    if (className == QLatin1String(CommandPushButton::staticMetaObject.className()) ||
        className == QLatin1String(CommandToolButton::staticMetaObject.className()))
        return new ClickableButton(static_cast<QAbstractButton*>(object), ClickRole::Command);
    return nullptr;
}

void exposeClick(QAbstractButton* button) {
    static const bool installed = (QAccessible::installFactory(clickableButtonFactory), true);
    Q_UNUSED(installed);
    // With assistive technology running, Qt may have made an interface for the
    // plain button while the base class was being built; drop it so ours is made.
    if (QAccessible::isActive()) {
        QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(button);
        if (existing && !dynamic_cast<ClickableButton*>(existing))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    }
}

} // namespace

CommandPushButton::CommandPushButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    exposeClick(this);
}

CommandToolButton::CommandToolButton(QWidget* parent) : QToolButton(parent) { exposeClick(this); }

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    exposeClick(this);
}

} // namespace quorvel

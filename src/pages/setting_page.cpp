#include "setting_page.h"

#include "core/session.h"
#include "core/image/setting_fields.h"
#include "core/image/setting_rules.h"
#include "ui/accessible_click.h"
#include "ui/page_widgets.h"
#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quorvel {

namespace {

// Design geometry in twips.
using page_geometry::kMargin;
using page_geometry::kHeadingTop;
constexpr int kGap = 120;
constexpr int kButtonsTop = 5200;
constexpr int kAcceptLeft = 4480;
constexpr int kDefaultLeft = 6480;
using page_geometry::kButtonWidth;
using page_geometry::kButtonHeight;

} // namespace

SettingPage::SettingPage(Session& session, Dialogs& dialogs, const Texts& texts,
                         ButtonPlaces places, QWidget* parent)
    : ChildWindow(parent), m_session(session), m_dialogs(dialogs),
      m_acceptMessage(texts.acceptMessage), m_places(places),
      m_heading(pageHeading(this, texts.heading)), m_body(new QWidget(this)),
      m_accept(captionedButton(this, QStringLiteral("Command1"), tr("Accept"))) {
    setObjectName(texts.objectName);
    setAutoFillBackground(true);
    m_body->setObjectName(QStringLiteral("body"));
    if (m_places == ButtonPlaces::Fixed)
        m_accept->setGeometry(twipsRect(kAcceptLeft, kButtonsTop, kButtonWidth, kButtonHeight));
    connect(m_accept, &QPushButton::clicked, this, &SettingPage::accept);
    placeBody();
}

void SettingPage::activate() {
    showBytes();
}

void SettingPage::accept() {
    if (!apply())
        return;
    m_dialogs.ask({m_acceptMessage});
    m_session.changed = true;
}

QPushButton* SettingPage::addDefaultButton(const QString& objectName, const QString& question,
                                           std::function<void()> factoryStep,
                                           const QString& title) {
    QPushButton* button = captionedButton(this, objectName, tr("Default"));
    if (m_places == ButtonPlaces::Fixed && m_defaults.empty())
        button->setGeometry(twipsRect(kDefaultLeft, kButtonsTop, kButtonWidth, kButtonHeight));
    m_defaults.push_back(button);
    connect(button, &QPushButton::clicked, this,
            [this, question, title, step = std::move(factoryStep)] {
                runDefault(question, title, step);
            });
    return button;
}

void SettingPage::runDefault(const QString& question, const QString& title,
                             const std::function<void()>& factoryStep) {
    if (m_dialogs.ask({question, title, Icon::Information, Buttons::YesNo}) != Answer::Yes)
        return;
    // Set even when the bytes already hold their factory values: the user asked for them.
    m_session.changed = true;
    factoryStep();
}

bool SettingPage::refuse(const Message& message, QWidget* offender) {
    m_dialogs.ask(message);
    if (auto* box = qobject_cast<QLineEdit*>(offender))
        box->selectAll();
    offender->setFocus(Qt::OtherFocusReason);
    return false;
}

std::optional<std::vector<int>>
SettingPage::readByteBoxes(std::initializer_list<QLineEdit*> boxes) {
    std::vector<int> values;
    for (QLineEdit* box : boxes) {
        const std::optional<int> value = byteFromEntry(box->text());
        if (!value) {
            refuse({tr("Value must be 0~255")}, box);
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

QString SettingPage::fieldCaption(FieldId id, CaptionEnd end) {
    const QString caption =
        QCoreApplication::translate("quorvel::SettingFields", field(id).caption);
    switch (end) {
    case CaptionEnd::None:
        break;
    case CaptionEnd::Colon:
        return tr("%1 :").arg(caption);
    case CaptionEnd::ColonBlank:
        return tr("%1 : ").arg(caption);
    case CaptionEnd::WideColon:
        return tr("%1  : ").arg(caption);
    case CaptionEnd::Stop:
        return tr("%1.").arg(caption);
    }
    return caption;
}

QRadioButton* SettingPage::makeOption(QWidget* parent, const QString& name, int index,
                                      const QString& caption) {
    // Some pages apply on click; a screen reader's action must do the same.
    QRadioButton* button = new OptionButton(buttonCaption(caption), parent);
    button->setObjectName(name + u'_' + QString::number(index));
    button->setAccessibleName(caption);
    return button;
}

int SettingPage::firstSelected(const std::vector<QRadioButton*>& buttons, int from, int to) {
    for (int i = from; i <= to; ++i)
        if (buttons.at(static_cast<std::size_t>(i))->isChecked())
            return i;
    return -1;
}

void SettingPage::setSelected(QAbstractButton* button, bool selected) {
    if (selected || !button->isChecked()) {
        button->setChecked(selected);
        return;
    }
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

void SettingPage::placeBody() {
    const QSize heading = m_heading->sizeHint();
    m_heading->setGeometry(twips(kMargin), twips(kHeadingTop), heading.width(), heading.height());
    const int top = m_heading->geometry().bottom() + 1 + twips(kGap);
    const int bottom =
        m_places == ButtonPlaces::Fixed ? twips(kButtonsTop - kGap) : height() - twips(kMargin);
    m_body->setGeometry(twips(kMargin), top, qMax(0, width() - 2 * twips(kMargin)),
                        qMax(0, bottom - top));
}

void SettingPage::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    placeBody();
}

void SettingPage::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (!m_tabOrderDone) {
        m_tabOrderDone = true;
        orderButtonsLast();
    }
}

void SettingPage::orderButtonsLast() {
    // The buttons are built before the page fills its body; Tab should reach them last.
    QWidget* first = nullptr;
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w == m_accept || !m_body->isAncestorOf(w) || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (!first)
            first = w;
        last = w;
    }
    if (!last)
        return;
    // setTabOrder sees the chain as a ring: with Accept right before the body it
    // already counts as following the last control, so move it inside first.
    QWidget::setTabOrder(first, m_accept);
    QWidget::setTabOrder(last, m_accept);
    QWidget* previous = m_accept;
    for (QPushButton* button : m_defaults) {
        if (m_body->isAncestorOf(button))
            continue;
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
}

} // namespace quorvel

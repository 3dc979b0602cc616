#include "terminator_page.h"

#include "core/session.h"
#include "core/image/setting_fields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorvel {

namespace {
constexpr int kKeyboardTab = 0;
constexpr int kFactoryKeyboardButton = 1; // "CR"
} // namespace

TerminatorPage::TerminatorPage(Session& session, Dialogs& dialogs, QWidget* parent)
    : SettingPage(
          session, dialogs,
          {QStringLiteral("frmTerminator"), tr("Terminator"), tr("Terminator Setting O.K.")},
          ButtonPlaces::InBody, parent),
      m_tabs(new QTabWidget(body())) {
    m_tabs->setObjectName(QStringLiteral("SSTab1"));

    auto* keyboardTab = new QWidget;
    auto* keyboardLayout = new QGridLayout(keyboardTab);
    for (std::size_t i = 0; i < kKeyboardTerminators.size(); ++i) {
        const int index = static_cast<int>(i);
        m_keyboard.push_back(makeOption(keyboardTab, QStringLiteral("Option1"), index,
                                        tr(kKeyboardTerminators[i].caption)));
        keyboardLayout->addWidget(m_keyboard.back(), index, 0);
    }
    QPushButton* factory = addDefaultButton(
        QStringLiteral("Command2"),
        tr("Current keyboard terminator setting will be changed to factory default. Are you sure "
           "?(Y/N) "),
        [this] {
            setSelected(m_keyboard.at(kFactoryKeyboardButton), true);
            apply();
        });
    keyboardLayout->setColumnStretch(0, 1);
    keyboardLayout->setRowStretch(static_cast<int>(m_keyboard.size()), 1);
    keyboardLayout->addWidget(factory, static_cast<int>(m_keyboard.size()) + 1, 1);

    auto* rs232Tab = new QWidget;
    auto* rs232Layout = new QGridLayout(rs232Tab);
    constexpr int kRows = 6;
    for (std::size_t i = 0; i < kRs232Terminators.size(); ++i) {
        const int index = static_cast<int>(i);
        m_rs232.push_back(makeOption(rs232Tab, QStringLiteral("Option2"), index,
                                     tr(kRs232Terminators[i].caption)));
        rs232Layout->addWidget(m_rs232.back(), index % kRows, index / kRows);
    }
    rs232Layout->setRowStretch(kRows, 1);

    m_tabs->addTab(keyboardTab, fieldCaption(FieldId::KeyboardTerminator));
    m_tabs->addTab(rs232Tab, fieldCaption(FieldId::Rs232Terminator));
    // The RS-232 choices are only carried along; their tab never comes to the front.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != kKeyboardTab)
            m_tabs->setCurrentIndex(kKeyboardTab);
    });

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(acceptButton());
    layout->addLayout(buttons);
}

void TerminatorPage::showBytes() {
    const int keyboard =
        indexOfCode(kKeyboardTerminators, fieldValue(session().image, FieldId::KeyboardTerminator));
    if (keyboard >= 0)
        setSelected(m_keyboard.at(static_cast<std::size_t>(keyboard)), true);
    // A code no button shows leaves none selected, so Accept keeps it instead of
    // writing back a choice from an earlier image on a tab nobody can see.
    const int rs232 = fieldValue(session().image, FieldId::Rs232Terminator);
    if (rs232 < static_cast<int>(m_rs232.size()))
        setSelected(m_rs232.at(static_cast<std::size_t>(rs232)), true);
    else if (const int shown = firstSelected(m_rs232, 0, static_cast<int>(m_rs232.size()) - 1);
             shown >= 0)
        setSelected(m_rs232.at(static_cast<std::size_t>(shown)), false);
    m_tabs->setCurrentIndex(kKeyboardTab);
}

bool TerminatorPage::apply() {
    // An RS-232 terminator the buttons could not show is kept rather than replaced by a code of our own.
    const int rs232 = firstSelected(m_rs232, 0, static_cast<int>(m_rs232.size()) - 1);
    if (rs232 >= 0)
        setFieldValue(session().image, FieldId::Rs232Terminator,
                      kRs232Terminators.at(static_cast<std::size_t>(rs232)).code);
    const int keyboard = firstSelected(m_keyboard, 0, static_cast<int>(m_keyboard.size()) - 1);
    if (keyboard >= 0)
        setFieldValue(session().image, FieldId::KeyboardTerminator,
                      kKeyboardTerminators.at(static_cast<std::size_t>(keyboard)).code);
    return true;
}

} // namespace quorvel

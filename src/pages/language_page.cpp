#include "language_page.h"

#include "core/session.h"
#include "core/image/setting_fields.h"
#include "core/image/setting_rules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvel {

namespace {
constexpr int kAltModeIndex = 18;
constexpr int kRows = 6;
} // namespace

LanguagePage::LanguagePage(Session& session, Dialogs& dialogs, QWidget* parent)
    : SettingPage(session, dialogs,
                  {QStringLiteral("frmLanguage"), tr("Keyboard Language"),
                   tr("Language for Keyboard Interface Setting O.K.")},
                  ButtonPlaces::Fixed, parent) {
    auto* frame = new QGroupBox(fieldCaption(FieldId::KeyboardLanguage), body());
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    for (const NamedCode& language : kKeyboardLanguages) {
        m_options.push_back(
            makeOption(frame, QStringLiteral("Option1"), language.code, tr(language.caption)));
        grid->addWidget(m_options.back(), language.code % kRows, language.code / kRows);
    }
    // The gap at 17 keeps the index of every button equal to its code.
    m_options.push_back(nullptr);
    m_options.push_back(makeOption(frame, QStringLiteral("Option1"), kAltModeIndex,
                                   fieldCaption(FieldId::AltMode)));
    grid->addWidget(m_options.back(), kRows - 1, 2);
    setSelected(m_options.front(), true);

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->addStretch(1);

    addDefaultButton(
        QStringLiteral("Command2"),
        tr("Current language setting will be changed to factory default. Are you sure ?(Y/N) "),
        [this] {
            setSelected(m_options.front(), true);
            apply();
        });
}

void LanguagePage::showBytes() {
    const int language = fieldValue(session().image, FieldId::KeyboardLanguage);
    // A code that names no button leaves the buttons as they were.
    if (language < languageCount() || language == kAltModeIndex)
        setSelected(m_options.at(static_cast<std::size_t>(language)), true);
    setSelected(altMode(), fieldValue(session().image, FieldId::AltMode) != 0);
}

void LanguagePage::proposeLanguage(int code) {
    if (code < 0 || code >= languageCount())
        return;
    setSelected(m_options.at(static_cast<std::size_t>(code)), true);
    m_options.at(static_cast<std::size_t>(code))->setFocus(Qt::OtherFocusReason);
}

bool LanguagePage::apply() {
    // In ALT mode no language is selected and the language field keeps the last one.
    const int language = firstSelected(m_options, 0, languageCount() - 1);
    if (language >= 0)
        setFieldValue(session().image, FieldId::KeyboardLanguage, language);
    setAltMode(session().image, altMode()->isChecked());
    return true;
}

} // namespace quorvel

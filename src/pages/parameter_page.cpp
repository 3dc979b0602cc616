#include "parameter_page.h"

#include "slider_coupling.h"

#include "core/session.h"
#include "core/image/setting_fields.h"
#include "core/image/setting_rules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <array>

namespace quorvel {

namespace {

constexpr int kFactoryPitch = 16;
constexpr int kFactoryDuration = 25;
// The case mode codes of Option1 0 to 2; "ALT Mode" (3) has none here.
constexpr std::array<int, 3> kCaseButtonCodes{0x2, 0x0, 0x8};
constexpr int kAltModeIndex = 3;

} // namespace

ParameterPage::ParameterPage(Session& session, Dialogs& dialogs, QWidget* parent)
    : SettingPage(session, dialogs,
                  {QStringLiteral("frmParameter"), tr("General Parameter "),
                   tr("General Parameter Setting O.K.")},
                  ButtonPlaces::Fixed, parent) {
    auto* frame = new QGroupBox(body());
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* caseLayout = new QHBoxLayout(frame);
    for (std::size_t i = 0; i < kCaseButtonCodes.size(); ++i) {
        const char* caption =
            kCaseModes.at(static_cast<std::size_t>(indexOfCode(kCaseModes, kCaseButtonCodes[i])))
                .caption;
        m_caseModes.push_back(
            makeOption(frame, QStringLiteral("Option1"), static_cast<int>(i), tr(caption)));
    }
    m_caseModes.push_back(makeOption(frame, QStringLiteral("Option1"), kAltModeIndex,
                                     fieldCaption(FieldId::AltMode)));
    m_caseModes.back()->setEnabled(false);
    for (QRadioButton* button : m_caseModes)
        caseLayout->addWidget(button);
    caseLayout->addStretch(1);

    const SliderCoupling::Entry pitch = SliderCoupling::makeEntry(
        body(), {QStringLiteral("Label2"), QStringLiteral("Slider1"), QStringLiteral("Text1")},
        fieldCaption(FieldId::BuzzerPitch, CaptionEnd::WideColon), kFactoryPitch);
    const SliderCoupling::Entry duration = SliderCoupling::makeEntry(
        body(), {QStringLiteral("Label3"), QStringLiteral("Slider2"), QStringLiteral("Text2")},
        fieldCaption(FieldId::BuzzerDuration, CaptionEnd::WideColon), kFactoryDuration);
    m_pitchSlider = pitch.slider;
    m_pitch = pitch.box;
    m_durationSlider = duration.slider;
    m_duration = duration.box;

    m_beeper = new QCheckBox(fieldCaption(FieldId::PowerOnBeeper), body());
    m_beeper->setObjectName(QStringLiteral("Check1"));
    m_beeper->setAccessibleName(m_beeper->text());

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->addSpacing(frame->fontMetrics().height());
    auto* buzzer = new QGridLayout;
    for (int row = 0; const SliderCoupling::Entry& entry : {pitch, duration}) {
        buzzer->addWidget(entry.label, row, 0);
        buzzer->addWidget(entry.slider, row, 1);
        buzzer->addWidget(entry.box, row, 2);
        ++row;
    }
    buzzer->setColumnStretch(1, 1);
    buzzer->setVerticalSpacing(frame->fontMetrics().height());
    layout->addLayout(buzzer);
    layout->addSpacing(frame->fontMetrics().height());
    layout->addWidget(m_beeper);
    layout->addStretch(1);

    addDefaultButton(QStringLiteral("Command2"),
                     tr("Current general parameter setting will be changed to factory default. Are "
                        "you sure ?(Y/N) "),
                     [this] { factoryStep(); });
}

void ParameterPage::showBytes() {
    const int pitch = fieldValue(session().image, FieldId::BuzzerPitch);
    const int duration = fieldValue(session().image, FieldId::BuzzerDuration);
    m_pitch->setText(QString::number(pitch));
    m_duration->setText(QString::number(duration));
    m_pitchSlider->setValue(pitch);
    m_durationSlider->setValue(duration);
    const int caseCode = fieldValue(session().image, FieldId::Case);
    for (std::size_t i = 0; i < kCaseButtonCodes.size(); ++i)
        if (kCaseButtonCodes[i] == caseCode)
            setSelected(m_caseModes[i], true);
    m_beeper->setChecked(fieldValue(session().image, FieldId::PowerOnBeeper) != 0);
}

bool ParameterPage::apply() {
    const std::optional<std::vector<int>> buzzer = readByteBoxes({m_pitch, m_duration});
    if (!buzzer)
        return false;
    setFieldValue(session().image, FieldId::BuzzerPitch, buzzer->at(0));
    setFieldValue(session().image, FieldId::BuzzerDuration, buzzer->at(1));
    for (QLineEdit* box : {m_pitch, m_duration})
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));

    const int selected =
        firstSelected(m_caseModes, 0, static_cast<int>(kCaseButtonCodes.size()) - 1);
    if (selected >= 0)
        setFieldValue(session().image, FieldId::Case,
                      kCaseButtonCodes.at(static_cast<std::size_t>(selected)));
    setFieldValue(session().image, FieldId::PowerOnBeeper, m_beeper->isChecked() ? 1 : 0);
    return true;
}

void ParameterPage::factoryStep() {
    setFieldValue(session().image, FieldId::BuzzerPitch, kFactoryPitch);
    setFieldValue(session().image, FieldId::BuzzerDuration, kFactoryDuration);
    restoreFactoryModes(session().image);
    setFieldValue(session().image, FieldId::PowerOnBeeper, 1);
    showBytes();
}

} // namespace quorvel

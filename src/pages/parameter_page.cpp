#include "parameter_page.h"

#include "slider_coupling.h"

#include "core/session.h"
#include "core/image/setting_rules.h"
#include "core/image/setting_tables.h"

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

constexpr int kBeeperByte = field(FieldId::PowerOnBeeper).byte;
constexpr int kBeeperBit = field(FieldId::PowerOnBeeper).mask;
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
    m_caseModes.push_back(
        makeOption(frame, QStringLiteral("Option1"), kAltModeIndex, tr("ALT Mode")));
    m_caseModes.back()->setEnabled(false);
    for (QRadioButton* button : m_caseModes)
        caseLayout->addWidget(button);
    caseLayout->addStretch(1);

    const SliderCoupling::Entry pitch = SliderCoupling::makeEntry(
        body(), {QStringLiteral("Label2"), QStringLiteral("Slider1"), QStringLiteral("Text1")},
        tr("Buzzer Pitch  : "), kFactoryPitch);
    const SliderCoupling::Entry duration = SliderCoupling::makeEntry(
        body(), {QStringLiteral("Label3"), QStringLiteral("Slider2"), QStringLiteral("Text2")},
        tr("Buzzer Duration  : "), kFactoryDuration);
    m_pitchSlider = pitch.slider;
    m_pitch = pitch.box;
    m_durationSlider = duration.slider;
    m_duration = duration.box;

    m_beeper = new QCheckBox(tr("Power On Beeper"), body());
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
    m_pitch->setText(QString::number(session().byte(bytes::kBuzzerPitch)));
    m_duration->setText(QString::number(session().byte(bytes::kBuzzerDuration)));
    m_pitchSlider->setValue(session().byte(bytes::kBuzzerPitch));
    m_durationSlider->setValue(session().byte(bytes::kBuzzerDuration));
    const int caseCode = fieldValue(session().image, FieldId::Case);
    for (std::size_t i = 0; i < kCaseButtonCodes.size(); ++i)
        if (kCaseButtonCodes[i] == caseCode)
            setSelected(m_caseModes[i], true);
    m_beeper->setChecked((session().byte(kBeeperByte) & kBeeperBit) != 0);
}

bool ParameterPage::apply() {
    const std::optional<std::vector<int>> buzzer = readByteBoxes({m_pitch, m_duration});
    if (!buzzer)
        return false;
    session().setByte(bytes::kBuzzerPitch, buzzer->at(0));
    session().setByte(bytes::kBuzzerDuration, buzzer->at(1));
    for (QLineEdit* box : {m_pitch, m_duration})
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));

    const int selected =
        firstSelected(m_caseModes, 0, static_cast<int>(kCaseButtonCodes.size()) - 1);
    if (selected >= 0)
        session().setByte(
            bytes::kModes,
            modesWithCaseMode(session().byte(bytes::kModes),
                              kCaseButtonCodes.at(static_cast<std::size_t>(selected))));
    session().setByte(kBeeperByte,
                      withBits(session().byte(kBeeperByte), kBeeperBit, m_beeper->isChecked()));
    return true;
}

void ParameterPage::factoryStep() {
    session().setByte(bytes::kBuzzerPitch, kFactoryPitch);
    session().setByte(bytes::kBuzzerDuration, kFactoryDuration);
    session().setByte(bytes::kModes, factoryModes(session().byte(bytes::kModes)));
    session().setByte(kBeeperByte, withBits(session().byte(kBeeperByte), kBeeperBit, true));
    showBytes();
}

} // namespace quorvel

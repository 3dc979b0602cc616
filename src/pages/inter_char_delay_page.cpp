#include "inter_char_delay_page.h"

#include "slider_coupling.h"

#include "core/session.h"
#include "core/image/setting_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

namespace quorvel {

namespace {
constexpr std::array<FieldId, 2> kDelays{FieldId::KeyboardDelay, FieldId::Rs232Delay};
constexpr std::array<int, 2> kFactoryValues{5, 0};
constexpr int kRs232 = 1;
} // namespace

InterCharDelayPage::InterCharDelayPage(Session& session, Dialogs& dialogs, QWidget* parent)
    : SettingPage(session, dialogs,
                  {QStringLiteral("frmInterCDelay"), tr("Intercharacter Delay"),
                   tr("Intercharacter Delay Setting O.K.")},
                  ButtonPlaces::Fixed, parent) {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(body()->fontMetrics().height());
    for (std::size_t i = 0; i < 2; ++i) {
        const QString index = u'_' + QString::number(i);
        const SliderCoupling::Entry entry = SliderCoupling::makeEntry(
            body(),
            {QStringLiteral("Label2") + index, QStringLiteral("Slider1") + index,
             QStringLiteral("Text1") + index},
            fieldCaption(kDelays[i], CaptionEnd::Colon), kFactoryValues[i]);
        m_sliders[i] = entry.slider;
        m_boxes[i] = entry.box;
        m_boxes[i]->setMaxLength(3);
        const int row = static_cast<int>(i);
        grid->addWidget(entry.label, row, 0);
        grid->addWidget(entry.slider, row, 1);
        grid->addWidget(entry.box, row, 2);
        if (row == kRs232) {
            // Shown, validated and stored, but not offered for editing.
            for (QWidget* w :
                 {static_cast<QWidget*>(entry.label), static_cast<QWidget*>(entry.slider),
                  static_cast<QWidget*>(entry.box)})
                w->setEnabled(false);
        }
    }

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacing(body()->fontMetrics().height());
    layout->addLayout(grid);
    layout->addStretch(1);

    addDefaultButton(QStringLiteral("Command2"),
                     tr("Current Intercharacter delay setting will be changed to factory default. "
                        "Are you sure ?(Y/N) "),
                     [this] { factoryStep(); });
}

void InterCharDelayPage::showBytes() {
    for (std::size_t i = 0; i < 2; ++i) {
        const int value = fieldValue(session().image, kDelays[i]);
        m_boxes[i]->setText(QString::number(value));
        m_sliders[i]->setValue(value);
    }
}

bool InterCharDelayPage::apply() {
    const std::optional<std::vector<int>> values = readByteBoxes({m_boxes[0], m_boxes[1]});
    if (!values)
        return false;
    for (std::size_t i = 0; i < 2; ++i) {
        setFieldValue(session().image, kDelays[i], values->at(i));
        if (m_boxes[i]->text().isEmpty())
            m_boxes[i]->setText(QStringLiteral("0"));
    }
    return true;
}

void InterCharDelayPage::factoryStep() {
    // The text changes carry the sliders along.
    for (std::size_t i = 0; i < 2; ++i) {
        m_boxes[i]->setText(QString::number(kFactoryValues[i]));
        setFieldValue(session().image, kDelays[i], kFactoryValues[i]);
    }
}

} // namespace quorvel

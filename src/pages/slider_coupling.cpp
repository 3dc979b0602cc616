#include "slider_coupling.h"

#include "core/image/setting_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace quorvel {

namespace {

// "Buzzer Pitch  : " names its controls "Buzzer Pitch".
QString nameOfCaption(const QString& caption) {
    QString name = caption.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

} // namespace

SliderCoupling::SliderCoupling(QSlider* slider, QLineEdit* box)
    : QObject(slider), m_slider(slider), m_box(box) {
    connect(box, &QLineEdit::textChanged, this, &SliderCoupling::textChanged);
    connect(slider, &QSlider::valueChanged, this, &SliderCoupling::sliderMoved);
}

SliderCoupling::Entry SliderCoupling::makeEntry(QWidget* parent, const Names& names,
                                                const QString& caption, int initialValue) {
    Entry entry{new QLabel(caption, parent), new QSlider(Qt::Horizontal, parent),
                new QLineEdit(parent)};
    const QString name = nameOfCaption(caption);
    entry.label->setObjectName(names.label);
    entry.label->setBuddy(entry.box);
    entry.slider->setObjectName(names.slider);
    entry.slider->setAccessibleName(name);
    entry.slider->setRange(0, 255);
    entry.slider->setSingleStep(1);
    entry.slider->setPageStep(10);
    entry.slider->setTickInterval(10);
    entry.slider->setTickPosition(QSlider::TicksBelow);
    entry.box->setObjectName(names.box);
    entry.box->setAccessibleName(name);
    entry.box->setFixedWidth(entry.box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    new SliderCoupling(entry.slider, entry.box);
    entry.box->setText(QString::number(initialValue));
    return entry;
}

void SliderCoupling::textChanged(const QString& text) {
    const std::optional<int> value = sliderValueOfEntry(text);
    if (!value)
        return;
    m_fromText = true;
    m_slider->setValue(*value);
    m_fromText = false;
}

void SliderCoupling::sliderMoved(int value) {
    if (!m_fromText)
        m_box->setText(QString::number(value));
}

} // namespace quorvel

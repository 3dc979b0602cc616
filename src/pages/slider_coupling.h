#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QSlider;
class QWidget;

namespace quorvel {

// Keeps a byte slider and its text box showing the same value: the slider
// follows whatever the text already means, the text shows where the slider is
// moved. Neither writes a byte; that is the apply step's job.
class SliderCoupling : public QObject {
    Q_OBJECT
public:
    SliderCoupling(QSlider* slider, QLineEdit* box);

    struct Entry {
        QLabel* label;
        QSlider* slider;
        QLineEdit* box;
    };
    struct Names {
        QString label;
        QString slider;
        QString box;
    };
    // A labelled slider 0 to 255 (small step 1, large step 10, a tick every 10)
    // with its coupled text box; both are named after the caption.
    static Entry makeEntry(QWidget* parent, const Names& names, const QString& caption,
                           int initialValue);

private:
    void textChanged(const QString& text);
    void sliderMoved(int value);

    QSlider* m_slider;
    QLineEdit* m_box;
    // Set while the text moves the slider, so the slider does not rewrite what is being typed.
    bool m_fromText = false;
};

} // namespace quorvel

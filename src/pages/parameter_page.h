#pragma once

#include "setting_page.h"
#include "core/session.h"

#include <vector>

class QCheckBox;
class QSlider;

namespace quorvel {

// frmParameter: letter case mode, buzzer pitch and duration, power-on
// beeper; where they lie is the field table's.
class ParameterPage : public SettingPage {
    Q_OBJECT
public:
    ParameterPage(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void showBytes() override;
    bool apply() override;

private:
    void factoryStep();

    std::vector<QRadioButton*> m_caseModes; // Option1
    QSlider* m_pitchSlider;                 // Slider1
    QLineEdit* m_pitch;                     // Text1
    QSlider* m_durationSlider;              // Slider2
    QLineEdit* m_duration;                  // Text2
    QCheckBox* m_beeper;                    // Check1
};

} // namespace quorvel

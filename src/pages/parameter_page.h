#pragma once

#include "setting_page.h"

#include <vector>

class QCheckBox;
class QSlider;

namespace quorvel {

// frmParameter: letter case mode (bits 0-3 of byte 52), buzzer pitch (byte 57)
// and duration (byte 58), power-on beeper (bit 2 of byte 35).
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

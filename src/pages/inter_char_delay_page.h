#pragma once

#include "setting_page.h"
#include "core/session.h"

#include <array>

class QSlider;

namespace quorvel {

// frmInterCDelay: the start values of the delay between sent characters, for
// the keyboard interface and the RS-232 interface. The
// RS-232 row is shown but cannot be edited.
class InterCharDelayPage : public SettingPage {
    Q_OBJECT
public:
    InterCharDelayPage(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void showBytes() override;
    bool apply() override;

private:
    void factoryStep();

    // Index 0 keyboard, 1 RS-232.
    std::array<QSlider*, 2> m_sliders{}; // Slider1
    std::array<QLineEdit*, 2> m_boxes{}; // Text1
};

} // namespace quorvel

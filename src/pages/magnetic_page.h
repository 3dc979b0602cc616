#pragma once

#include "setting_page.h"
#include "core/session.h"

#include "core/image/setting_fields.h"

#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QTabWidget;

namespace quorvel {

class CharacterEntry;

// frmMagnetic: how the reader handles the three tracks, on four tabs with one
// Accept and a Default per tab. Track order and the "Transmit LRC" bit share
// a byte; the ID characters are whole bytes; the data format options are bits.
class MagneticPage : public SettingPage {
    Q_OBJECT
public:
    MagneticPage(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }

    static constexpr int kIdCharacterCount = 8;

protected:
    void showBytes() override;
    bool apply() override;

private:
    QWidget* buildTrackOrderTab();
    QWidget* buildTrackSelectionTab();
    QWidget* buildIdCharacterTab();
    QWidget* buildDataFormatTab();
    QRadioButton* addOption(QWidget* parent, const QString& name, int index,
                            const QString& caption);

    // The check boxes of the data format tab with the fields they show.
    std::array<std::pair<QCheckBox*, FieldId>, 3> dataFormat() const;
    void showDataFormat();
    void showIdCharacters();
    void applyDataFormat();
    void applyIdCharacters();
    void restoreIdCharacters();
    void restoreDataFormat();

    QTabWidget* m_tabs;
    std::vector<QRadioButton*> m_trackOrder;     // Option1
    std::vector<QRadioButton*> m_standard;       // Option2: ISO, JIS-II; in no byte
    std::vector<QRadioButton*> m_trackSelection; // Option3
    // IDCS 0-7 with IDS 0-3, then IDC 0-3.
    std::array<CharacterEntry*, kIdCharacterCount> m_idCharacters{};
    QCheckBox* m_accountOnly = nullptr; // Check1
    QCheckBox* m_ibmFormat = nullptr;   // Check2
    QCheckBox* m_transmitLrc = nullptr; // Check3
};

} // namespace quorvel

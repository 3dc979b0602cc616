#include "magnetic_page.h"

#include "character_entry.h"

#include "core/keyboard/key_name.h"
#include "core/session.h"
#include "core/image/setting_fields.h"
#include "core/image/setting_rules.h"
#include "ui/vertical_menu.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorvel {

namespace {

struct IdCharacter {
    const char* box; // IDS or IDC
    int boxIndex;
    const char* label; // ID1 or ID2
    FieldId id;
    SettingPage::CaptionEnd end; // of its label
    int factory;
};

using enum SettingPage::CaptionEnd;

// In the order of the name buttons IDCS 0-7, which is also the order they are shown and stored.
constexpr std::array<IdCharacter, MagneticPage::kIdCharacterCount> kIdCharacters{{
    {"IDS", 0, "ID1", FieldId::StartSentinel1, ColonBlank, 0x25},
    {"IDS", 1, "ID1", FieldId::StartSentinel2, Colon, 0x3B},
    {"IDS", 2, "ID1", FieldId::StartSentinel3, Colon, 0x3B},
    {"IDS", 3, "ID1", FieldId::EndSentinel, ColonBlank, 0x3F},
    {"IDC", 0, "ID2", FieldId::Dle1, ColonBlank, 0x00},
    {"IDC", 1, "ID2", FieldId::Dle2, ColonBlank, 0x00},
    {"IDC", 2, "ID2", FieldId::Dle3, ColonBlank, 0x00},
    {"IDC", 3, "ID2", FieldId::Stx, ColonBlank, 0x00},
}};

QString arrayName(const char* array, int index) {
    return QString::fromLatin1(array) + u'_' + QString::number(index);
}

// A stored byte as its box shows it: at least two hexadecimal digits, "&H0D".
QString boxText(int code) {
    return QStringLiteral("&H") + byteHex(code);
}

// A tab's controls above, its Default button at the bottom right.
QVBoxLayout* tabLayout(QWidget* tab, QLayout* controls, QPushButton* factory) {
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(controls);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(factory);
    layout->addLayout(buttons);
    return layout;
}

} // namespace

MagneticPage::MagneticPage(Session& session, Dialogs& dialogs, QWidget* parent)
    : SettingPage(
          session, dialogs,
          {QStringLiteral("frmMagnetic"), tr("Magnetic Card :"), tr("Magnetic Card Setting O.K.")},
          ButtonPlaces::InBody, parent),
      m_tabs(new QTabWidget(body())) {
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(buildTrackOrderTab(), fieldCaption(FieldId::TrackOrder));
    m_tabs->addTab(buildTrackSelectionTab(), fieldCaption(FieldId::TrackSelection));
    m_tabs->addTab(buildIdCharacterTab(), tr("ID Character"));
    m_tabs->addTab(buildDataFormatTab(), tr("Data Format"));
    // Only here: later activations leave the tab the user last chose.
    m_tabs->setCurrentIndex(0);

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(acceptButton());
    layout->addLayout(buttons);
}

QRadioButton* MagneticPage::addOption(QWidget* parent, const QString& name, int index,
                                      const QString& caption) {
    QRadioButton* button = makeOption(parent, name, index, caption);
    // clicked, not toggled: showing the bytes selects buttons too, and must write nothing.
    connect(button, &QRadioButton::clicked, this, [this] { apply(); });
    return button;
}

QWidget* MagneticPage::buildTrackOrderTab() {
    auto* tab = new QWidget;
    auto* orderFrame = new QGroupBox(tab);
    orderFrame->setObjectName(QStringLiteral("Frame2"));
    auto* orderLayout = new QVBoxLayout(orderFrame);
    for (std::size_t i = 0; i < kTrackOrders.size(); ++i) {
        m_trackOrder.push_back(addOption(orderFrame, QStringLiteral("Option1"),
                                         kTrackOrders[i].code, tr(kTrackOrders[i].caption)));
        orderLayout->addWidget(m_trackOrder.back());
    }
    auto* standardFrame = new QGroupBox(tab);
    standardFrame->setObjectName(QStringLiteral("Frame1"));
    auto* standardLayout = new QVBoxLayout(standardFrame);
    m_standard.push_back(addOption(standardFrame, QStringLiteral("Option2"), 0, tr("ISO")));
    m_standard.push_back(addOption(standardFrame, QStringLiteral("Option2"), 1, tr("JIS-II")));
    for (QRadioButton* button : m_standard)
        standardLayout->addWidget(button);
    setSelected(m_trackOrder.front(), true);
    setSelected(m_standard.front(), true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(orderFrame, 0, Qt::AlignTop);
    frames->addWidget(standardFrame, 0, Qt::AlignTop);
    frames->addStretch(1);
    tabLayout(tab, frames,
              addDefaultButton(QStringLiteral("Command2"),
                               tr("Current track order setting will be changed to factory "
                                  "default. Are you sure ?(Y/N) "),
                               [this] {
                                   setSelected(m_trackOrder.front(), true);
                                   setSelected(m_standard.front(), true);
                                   apply();
                               }));
    return tab;
}

QWidget* MagneticPage::buildTrackSelectionTab() {
    auto* tab = new QWidget;
    auto* options = new QVBoxLayout;
    for (std::size_t i = 0; i < kTrackSelections.size(); ++i) {
        m_trackSelection.push_back(addOption(tab, QStringLiteral("Option3"), static_cast<int>(i),
                                             tr(kTrackSelections[i].caption)));
        options->addWidget(m_trackSelection.back());
    }
    setSelected(m_trackSelection.front(), true);
    tabLayout(tab, options,
              addDefaultButton(QStringLiteral("Command3"),
                               tr("Current track selection setting will be changed to factory "
                                  "default. Are you sure ?(Y/N) "),
                               [this] {
                                   setSelected(m_trackSelection.front(), true);
                                   apply();
                               }));
    return tab;
}

QWidget* MagneticPage::buildIdCharacterTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout;
    constexpr int kSentinels = 4;
    for (std::size_t i = 0; i < kIdCharacters.size(); ++i) {
        const IdCharacter& id = kIdCharacters[i];
        auto* label = new QLabel(fieldCaption(id.id, id.end), tab);
        label->setObjectName(arrayName(id.label, id.boxIndex));
        label->setTextFormat(Qt::PlainText);
        auto* box = new QLineEdit(tab);
        box->setObjectName(arrayName(id.box, id.boxIndex));
        // The code changes only through the name button and the Default; disabled,
        // but its code is still meant to be read, so not greyed out.
        box->setEnabled(false);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
        box->setPalette(palette);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("&HFFFF")) + 16);
        auto* button = new CharacterButton(tab);
        button->setObjectName(arrayName("IDCS", static_cast<int>(i)));
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("S-Tab")) +
                                48);
        label->setBuddy(button);
        m_idCharacters[i] =
            new CharacterEntry(fieldCaption(id.id), button, box, session(), dialogs(), this);

        // A little air between the sentinels and the DLE and STX characters.
        const int row = static_cast<int>(i) + (static_cast<int>(i) < kSentinels ? 0 : 1);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(button, row, 2);
    }
    grid->setRowMinimumHeight(kSentinels, 8);
    grid->setColumnStretch(3, 1);
    tabLayout(tab, grid,
              addDefaultButton(QStringLiteral("Command4"),
                               tr("Current ID character setting will be changed to factory "
                                  "default. Are you sure ?(Y/N) "),
                               [this] { restoreIdCharacters(); }));
    return tab;
}

QWidget* MagneticPage::buildDataFormatTab() {
    auto* tab = new QWidget;
    auto* boxes = new QVBoxLayout;
    const auto addCheck = [&](const QString& name, const QString& caption) {
        auto* check = new QCheckBox(buttonCaption(caption), tab);
        check->setObjectName(name);
        check->setAccessibleName(caption);
        boxes->addWidget(check);
        return check;
    };
    m_accountOnly = addCheck(QStringLiteral("Check1"),
                             fieldCaption(FieldId::Track2AccountOnly, CaptionEnd::Stop));
    m_ibmFormat =
        addCheck(QStringLiteral("Check2"), fieldCaption(FieldId::IbmFormat, CaptionEnd::Stop));
    m_transmitLrc = addCheck(QStringLiteral("Check3"), fieldCaption(FieldId::TransmitLrc));
    tabLayout(tab, boxes,
              addDefaultButton(QStringLiteral("Command5"),
                               tr("Current data format setting will be changed to factory "
                                  "default. Are you sure ?(Y/N) "),
                               [this] { restoreDataFormat(); }));
    return tab;
}

void MagneticPage::showBytes() {
    showDataFormat();

    // Codes 6 and 7 name no button; the buttons keep what they showed.
    const auto order = static_cast<std::size_t>(pageValue(session().image, FieldId::TrackOrder));
    if (order < m_trackOrder.size())
        setSelected(m_trackOrder.at(order), true);

    const int selection =
        indexOfCode(kTrackSelections, fieldValue(session().image, FieldId::TrackSelection));
    if (selection >= 0)
        setSelected(m_trackSelection.at(static_cast<std::size_t>(selection)), true);

    showIdCharacters();
}

bool MagneticPage::apply() {
    applyDataFormat();

    const int order = firstSelected(m_trackOrder, 0, static_cast<int>(m_trackOrder.size()) - 1);
    if (order >= 0)
        setFieldValue(session().image, FieldId::TrackOrder,
                      kTrackOrders.at(static_cast<std::size_t>(order)).code);

    const int selection =
        firstSelected(m_trackSelection, 0, static_cast<int>(m_trackSelection.size()) - 1);
    if (selection >= 0)
        setFieldValue(session().image, FieldId::TrackSelection,
                      kTrackSelections.at(static_cast<std::size_t>(selection)).code);

    applyIdCharacters();
    return true;
}

std::array<std::pair<QCheckBox*, FieldId>, 3> MagneticPage::dataFormat() const {
    return {{{m_accountOnly, FieldId::Track2AccountOnly},
             {m_ibmFormat, FieldId::IbmFormat},
             {m_transmitLrc, FieldId::TransmitLrc}}};
}

void MagneticPage::showDataFormat() {
    for (const auto& [check, id] : dataFormat())
        check->setChecked(fieldValue(session().image, id) != 0);
}

void MagneticPage::applyDataFormat() {
    for (const auto& [check, id] : dataFormat())
        setFieldValue(session().image, id, check->isChecked() ? 1 : 0);
}

void MagneticPage::showIdCharacters() {
    for (std::size_t i = 0; i < kIdCharacters.size(); ++i)
        m_idCharacters[i]->show(boxText(fieldValue(session().image, kIdCharacters[i].id)));
}

void MagneticPage::applyIdCharacters() {
    for (std::size_t i = 0; i < kIdCharacters.size(); ++i) {
        // What a show, a pick or a clear leaves in a box always reads as a byte.
        if (const std::optional<int> code = byteFromEntry(m_idCharacters[i]->codeText()))
            setFieldValue(session().image, kIdCharacters[i].id, *code);
    }
}

void MagneticPage::restoreIdCharacters() {
    for (const IdCharacter& id : kIdCharacters)
        setFieldValue(session().image, id.id, id.factory);
    showIdCharacters();
}

void MagneticPage::restoreDataFormat() {
    for (const auto& [check, id] : dataFormat()) {
        // "Transmit LRC" has no factory value: it keeps its tick and its bit.
        if (id == FieldId::TransmitLrc)
            continue;
        check->setChecked(false);
        setFieldValue(session().image, id, 0);
    }
}

} // namespace quorvel

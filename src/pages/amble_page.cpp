#include "amble_page.h"

#include "character_entry.h"

#include "core/keyboard/key_name.h"
#include "core/session.h"
#include "core/image/setting_fields.h"
#include "core/image/setting_rules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorvel {

namespace {

constexpr int kCodeLength = 4;
constexpr int kStringLength = field(FieldId::Preamble).length;
static_assert(field(FieldId::Postamble).length == kStringLength &&
              AmblePage::kEntries == 2 * kStringLength);

bool isFirstOfString(int entry) {
    return entry % kStringLength == 0;
}
bool isPreamble(int entry) {
    return entry < kStringLength;
}

// The preamble entries 0 to 9, then the postamble entries.
FieldId stringOf(int entry) {
    return isPreamble(entry) ? FieldId::Preamble : FieldId::Postamble;
}
int entryValue(const SettingsImage& image, int entry) {
    return fieldValue(image, stringOf(entry), entry % kStringLength);
}
void setEntryValue(SettingsImage& image, int entry, int code) {
    setFieldValue(image, stringOf(entry), code, entry % kStringLength);
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

AmblePage::AmblePage(Session& session, Dialogs& dialogs, QWidget* parent)
    : SettingPage(session, dialogs,
                  {QStringLiteral("frmAmble"), tr("Preamble & Postamble"),
                   tr("Preamble or Postamble Data Setting O.K.")},
                  ButtonPlaces::Fixed, parent) {
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    const int line = body()->fontMetrics().height();
    layout->setSpacing(line / 3);
    layout->addSpacing(line / 2);

    const std::array<QLabel*, 2> headings{
        makeLabel(body(), QStringLiteral("Label2"), tr("Preamble Setting :")),
        makeLabel(body(), QStringLiteral("Label3"), tr("Postamble Setting :"))};
    for (int string = 0; string < 2; ++string) {
        if (string > 0)
            layout->addSpacing(line);
        layout->addWidget(headings.at(static_cast<std::size_t>(string)));
        // Each name button stands above its code box, the ten characters of a string in one row.
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(body()->fontMetrics().averageCharWidth());
        grid->setVerticalSpacing(line / 4);
        for (int column = 0; column < kStringLength; ++column) {
            const int i = string * kStringLength + column;
            const QString index = u'_' + QString::number(i);
            auto* button = new CharacterButton(body());
            button->setObjectName(QStringLiteral("Preamble") + index);
            // The style's minimum width for text buttons would not let ten fit in a row.
            button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            auto* box = new QLineEdit(QStringLiteral("&H00"), body());
            box->setObjectName(QStringLiteral("Text1") + index);
            box->setMaxLength(kCodeLength);
            box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            const QString what = isPreamble(i) ? tr("Preamble %1").arg(column + 1)
                                               : tr("Postamble %1").arg(column + 1);
            m_entries.at(static_cast<std::size_t>(i)) =
                new CharacterEntry(what, button, box, session, dialogs, this);
            grid->addWidget(button, 0, column);
            grid->addWidget(box, 1, column);
            grid->setColumnStretch(column, 1);
        }
        layout->addLayout(grid);
    }
    layout->addSpacing(line);
    auto* hint =
        makeLabel(body(), QStringLiteral("Label4"),
                  tr("(Click button to set preamble character or postamble character )  "));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addStretch(1);

    addDefaultButton(
        QStringLiteral("Command2"),
        tr("Current preamble and postamble setting will be changed to factory "
           "default. Are you sure ?(Y/N) "),
        [this] { factoryStep(); }, tr("Preamble & Postamble"));
}

void AmblePage::showBytes() {
    for (int i = 0; i < kEntries; ++i)
        m_entries.at(static_cast<std::size_t>(i))->show(codeText(entryValue(session().image, i)));
}

bool AmblePage::apply() {
    // Every entry is checked before any byte is written, so a refused Accept changes nothing.
    std::array<int, kEntries> codes{};
    for (int i = 0; i < kEntries; ++i) {
        CharacterEntry* entry = m_entries.at(static_cast<std::size_t>(i));
        const std::optional<int> code = byteFromEntry(entry->codeText());
        if (!code)
            return refuse({tr("Value must be 0~255")}, entry->codeBox());
        codes.at(static_cast<std::size_t>(i)) = *code;
        if (!isFirstOfString(i) && breaksString(codes.at(static_cast<std::size_t>(i - 1)), *code))
            return refuse({isPreamble(i) ? tr("Invalid Preamble string setting")
                                         : tr("Invalid Postamble string setting"),
                           programTitle(), Icon::Critical},
                          entry->button());
    }
    for (int i = 0; i < kEntries; ++i)
        setEntryValue(session().image, i, codes.at(static_cast<std::size_t>(i)));
    return true;
}

void AmblePage::factoryStep() {
    for (int i = 0; i < kEntries; ++i) {
        CharacterEntry* entry = m_entries.at(static_cast<std::size_t>(i));
        entry->codeBox()->setText(QStringLiteral("&H00"));
        entry->setCaption(QString());
        setEntryValue(session().image, i, 0);
    }
}

} // namespace quorvel

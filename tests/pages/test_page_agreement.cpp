#include "core/session.h"
#include "core/image/setting_fields.h"
#include "core/files/settings_file.h"
#include "pages/amble_page.h"
#include "pages/inter_char_delay_page.h"
#include "pages/language_page.h"
#include "pages/magnetic_page.h"
#include "pages/parameter_page.h"
#include "pages/terminator_page.h"
#include "scripted_dialogs.h"
#include "test_files.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <set>

using namespace quorvel;

namespace {

using Bytes = QList<QPair<int, int>>; // byte number, value

// The images every field is shown from: factory, codes no button names and bits beside a field.
const QList<QPair<const char*, Bytes>> kImages{
    {"factory", {}},
    {"order code with bit 3", {{32, 0x0A}}},
    {"order code with LRC", {{32, 0x8D}}},
    {"order code 6", {{32, 0x06}}},
    {"all bits of the shared bytes", {{4, 0xFF}, {35, 0xFF}, {52, 0xFF}}},
    {"no shared bit", {{4, 0x00}, {35, 0x00}, {52, 0x00}, {32, 0x00}}},
    {"unknown choices", {{63, 0x05}, {50, 0x02}, {39, 0xEE}, {48, 0x40}}},
    {"language code of the ALT button", {{48, 18}, {52, 0x00}}},
    {"case beside ALT", {{52, 0x4E}}},
    {"other numbers", {{51, 0xFF}, {41, 0x00}, {57, 0x80}, {58, 0x01}}},
    {"other characters",
     {{53, 0x00},
      {54, 0x41},
      {55, 0x7E},
      {46, 0xFF},
      {59, 0x0D},
      {60, 0x01},
      {61, 0x02},
      {62, 0x7F}}},
    {"string with a gap", {{80, 0x1B}, {81, 0x00}, {82, 0x41}, {91, 0xFF}}},
};

// The control that shows a field: an option array (the button's caption names the choice), a check
// box or ALT button, a code box, a number box, or the first of a string's boxes.
struct Shown {
    FieldId id;
    const char* control;
    int first = 0; // a string's first box
};
const Shown kShown[] = {
    {FieldId::TrackOrder, "Option1"},
    {FieldId::TrackSelection, "Option3"},
    {FieldId::TransmitLrc, "Check3"},
    {FieldId::Track2AccountOnly, "Check1"},
    {FieldId::IbmFormat, "Check2"},
    {FieldId::StartSentinel1, "IDS_0"},
    {FieldId::StartSentinel2, "IDS_1"},
    {FieldId::StartSentinel3, "IDS_2"},
    {FieldId::EndSentinel, "IDS_3"},
    {FieldId::Stx, "IDC_3"},
    {FieldId::Dle1, "IDC_0"},
    {FieldId::Dle2, "IDC_1"},
    {FieldId::Dle3, "IDC_2"},
    {FieldId::KeyboardTerminator, "Option1"},
    {FieldId::Rs232Terminator, "Option2"},
    {FieldId::KeyboardLanguage, "Option1"},
    {FieldId::AltMode, "Option1_18"},
    {FieldId::Case, "Option1"},
    {FieldId::BuzzerPitch, "Text1"},
    {FieldId::BuzzerDuration, "Text2"},
    {FieldId::PowerOnBeeper, "Check1"},
    {FieldId::KeyboardDelay, "Text1_0"},
    {FieldId::Rs232Delay, "Text1_1"},
    {FieldId::Preamble, "Text1_", 0},
    {FieldId::Postamble, "Text1_", 10},
};
// Function key emulation and the interface are on no page, so they are not in kShown.
static_assert(std::size(kShown) == kFields.size() - 2, "a field on a page has no control here");

std::unique_ptr<SettingPage> makePage(PageId page, Session& session, Dialogs& dialogs) {
    switch (page) {
    case PageId::InterCharDelay:
        return std::make_unique<InterCharDelayPage>(session, dialogs);
    case PageId::KeyboardLanguage:
        return std::make_unique<LanguagePage>(session, dialogs);
    case PageId::Terminator:
        return std::make_unique<TerminatorPage>(session, dialogs);
    case PageId::MagneticCard:
        return std::make_unique<MagneticPage>(session, dialogs);
    case PageId::Amble:
        return std::make_unique<AmblePage>(session, dialogs);
    case PageId::GeneralParameter:
        return std::make_unique<ParameterPage>(session, dialogs);
    case PageId::None:
        break;
    }
    return nullptr;
}

// The codes of the checked buttons of an option array; a button whose caption names no choice of
// the field (an ALT Mode button beside the choices) does not count. The test runs untranslated.
std::set<int> checkedCodes(const QWidget& page, const Field& f, const QString& array) {
    std::set<int> codes;
    for (const QRadioButton* button : page.findChildren<QRadioButton*>()) {
        if (!button->objectName().startsWith(array + u'_') || !button->isChecked())
            continue;
        for (const NamedCode& choice : f.choices)
            if (button->accessibleName() == QLatin1String(choice.caption))
                codes.insert(choice.code);
    }
    return codes;
}

// "&H0D" or "&HD" as the code 13; -1 for anything else.
int boxCode(const QLineEdit* box) {
    if (!box->text().startsWith(QLatin1String("&H")))
        return -1;
    bool ok = false;
    const int code = box->text().mid(2).toInt(&ok, 16);
    return ok ? code : -1;
}

} // namespace

// Each setting page shows a field's value as the field table reads it from the image.
class PageAgreementTest : public QObject {
    Q_OBJECT
private slots:
    void pageShowsTheFieldsValue_data() {
        QTest::addColumn<int>("shown");
        QTest::addColumn<Bytes>("changes");
        for (std::size_t s = 0; s < std::size(kShown); ++s)
            for (const auto& [name, changes] : kImages)
                QTest::newRow(qPrintable(QStringLiteral("%1 / %2").arg(
                    QLatin1String(field(kShown[s].id).key), QLatin1String(name))))
                    << static_cast<int>(s) << changes;
    }
    void pageShowsTheFieldsValue() {
        QFETCH(int, shown);
        QFETCH(Bytes, changes);
        const Shown& s = kShown[shown];
        const Field& f = field(s.id);
        Session session;
        ScriptedDialogs dialogs;
        const std::unique_ptr<SettingPage> page = makePage(f.page, session, dialogs);
        QVERIFY(page);
        // Shown from the factory image first, so that what a page keeps for an unknown code is
        // known.
        session.image = shippedFactoryImage();
        page->activate();
        const QString control = QString::fromLatin1(s.control);
        const std::set<int> before =
            f.kind == FieldKind::Choice ? checkedCodes(*page, f, control) : std::set<int>{};

        for (const auto& [n, value] : changes)
            session.setByte(n, value);
        const SettingsImage image = session.image;
        page->activate();
        QCOMPARE(session.image, image); // showing writes nothing
        const int value = fieldValue(image, f.id);

        switch (f.kind) {
        case FieldKind::Choice: {
            const std::set<int> checked = checkedCodes(*page, f, control);
            if (f.id == FieldId::KeyboardLanguage && fieldValue(image, FieldId::AltMode) != 0) {
                // ALT Mode is a button among the languages: in ALT mode no language is selected,
                // and the byte keeps the last one.
                QCOMPARE(checked, std::set<int>{});
            } else if (fieldChoice(image, f.id)) {
                QCOMPARE(checked, std::set<int>{value});
            } else if (f.id == FieldId::TrackOrder && (value & 0x07) < 6) {
                // The page's own reading of the track order: bits 0-2 select its button, so a code
                // the catalog calls unknown, 10 (&H0A), shows 2-1-3.
                QCOMPARE(checked, std::set<int>{value & 0x07});
            } else {
                // A code no button names selects no other choice: none, or what was shown before.
                QVERIFY2(checked.empty() || checked == before, qPrintable(QString::number(value)));
            }
            break;
        }
        case FieldKind::Flag: {
            const auto* button = page->findChild<QAbstractButton*>(control);
            QVERIFY(button);
            QCOMPARE(button->isChecked(), value != 0);
            break;
        }
        case FieldKind::Character: {
            const auto* box = page->findChild<QLineEdit*>(control);
            QVERIFY(box);
            QCOMPARE(box->text(),
                     QStringLiteral("&H%1").arg(value, 2, 16, QLatin1Char('0')).toUpper());
            break;
        }
        case FieldKind::Number: {
            const auto* box = page->findChild<QLineEdit*>(control);
            QVERIFY(box);
            QCOMPARE(box->text(), QString::number(value));
            break;
        }
        case FieldKind::String:
            // Every box shows its byte, also those after the 0 that ends the string.
            for (int i = 0; i < f.length; ++i) {
                const auto* box =
                    page->findChild<QLineEdit*>(control + QString::number(s.first + i));
                QVERIFY(box);
                QCOMPARE(boxCode(box), fieldValue(image, f.id, i));
            }
            break;
        }
    }
};

QTEST_MAIN(PageAgreementTest)
#include "test_page_agreement.moc"

#include "cli/cli.h"
#include "core/keyboard/key_name.h"
#include "core/files/settings_file.h"
#include "core/image/setting_catalog.h"
#include "core/image/setting_fields.h"
#include "core/image/setting_words.h"
#include "core/swipe/swipe_analysis.h"
#include "test_files.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvel;

namespace {

using Bytes = QList<QPair<int, int>>; // byte number, value

SettingsImage factoryWith(const Bytes& changes) {
    SettingsImage image = shippedFactoryImage();
    for (const auto& [n, value] : changes)
        image[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(value);
    return image;
}

// The line of the Summary that names a field, "Track Order: unknown (&H0A)".
QString summaryLine(const SettingsImage& image, const Field& f) {
    for (const SummarySection& section : settingsSummary(image))
        for (const SummaryLine& line : section.lines)
            if (line.caption == QLatin1String(f.caption))
                return line.value;
    return QStringLiteral("(missing)");
}

// What quorvel-cli prints for its arguments, run in-process.
QString cliOut(const QStringList& args) {
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    runCli(args, o, e, CliContext{});
    o.flush();
    return out;
}

const SwipeCheck& orderCheck(const SwipeAnalysis& analysis) {
    for (const SwipeCheck& check : analysis.checks)
        if (check.name == QLatin1String("Track order"))
            return check;
    return analysis.checks.first();
}

} // namespace

// Every reader of the image takes a field's value from the field table, so they agree on it,
// also for codes no page offers and for bits beside a field.
class FieldAgreementTest : public QObject {
    Q_OBJECT
private slots:
    void everyFieldAgrees_data() {
        QTest::addColumn<Bytes>("changes");
        QTest::newRow("factory") << Bytes{};
        QTest::newRow("order code with bit 3") << Bytes{{32, 0x0A}};
        QTest::newRow("order code with LRC") << Bytes{{32, 0x8D}};
        QTest::newRow("all bits of the shared bytes") << Bytes{{4, 0xFF}, {35, 0xFF}, {52, 0xFF}};
        QTest::newRow("no shared bit") << Bytes{{4, 0x00}, {35, 0x00}, {52, 0x00}, {32, 0x00}};
        QTest::newRow("unknown choices") << Bytes{{63, 0x05}, {50, 0x02}, {39, 0xEE}, {48, 0x40}};
        QTest::newRow("string with a gap") << Bytes{{80, 0x1B}, {81, 0x00}, {82, 0x41}, {91, 0xFF}};
    }
    void everyFieldAgrees() {
        QFETCH(Bytes, changes);
        const SettingsImage image = factoryWith(changes);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("image.mag"));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(composeSettingsText(image));
        }
        const QJsonObject shown =
            QJsonDocument::fromJson(cliOut({QStringLiteral("show"), file, QStringLiteral("--json")}).toUtf8())
                .object()
                .value(QStringLiteral("settings"))
                .toObject();
        for (const Field& f : kFields) {
            if (!f.key)
                continue;
            const QString key = QString::fromLatin1(f.key);
            const std::optional<Setting> setting = findSetting(key);
            QVERIFY2(setting, f.key);
            QCOMPARE(setting->bytes.first(), f.byte);

            // The catalog calls a code unknown exactly when the field names no choice for it.
            if (f.kind == FieldKind::Choice || f.kind == FieldKind::Flag) {
                const bool unknown = setting->text(image).startsWith(QLatin1String("unknown"));
                QCOMPARE(unknown, fieldChoice(image, f.id) == nullptr);
                if (unknown)
                    QCOMPARE(setting->text(image),
                             QStringLiteral("unknown (&H%1)").arg(byteHex(fieldValue(image, f.id))));
            }
            // The Summary shows what the words say, and the words the catalog's value.
            QCOMPARE(summaryLine(image, f), settingWords(key, image));
            const NamedCode* choice = f.kind == FieldKind::Choice ? fieldChoice(image, f.id) : nullptr;
            if (!(choice && choice->word) && f.kind != FieldKind::String)
                QCOMPARE(settingWords(key, image), setting->text(image));

            // quorvel-cli prints the catalog's value, and show --json holds its JSON form.
            QCOMPARE(cliOut({QStringLiteral("get"), file, key}), setting->text(image) + u'\n');
            const QJsonValue json = shown.value(key);
            QCOMPARE(json, setting->json(image));

            // The JSON form assigns back to the same image.
            SettingsImage restored = image;
            QCOMPARE(assignJson(*setting, restored, setting->json(image)), QString());
            QCOMPARE(setting->text(restored), setting->text(image));
            if (f.kind != FieldKind::String)
                QCOMPARE(fieldValue(restored, f.id), fieldValue(image, f.id));
        }
    }

    // The shown form of a code assigns it back at the field's own bits, leaving the rest of the
    // byte; a code with bits outside the field is refused.
    void codeFormAssignsTheFieldsBits_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<Bytes>("changes");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("after"); // -1: refused
        QTest::newRow("flag at bit 6") << "ibm-format" << "unknown (&H40)" << Bytes{{4, 0x00}} << 4 << 0x40;
        QTest::newRow("flag cleared") << "ibm-format" << "Unknown (&H00)" << Bytes{{4, 0xFF}} << 4 << 0xBF;
        QTest::newRow("flag at bit 7") << "transmit-lrc" << "unknown (&H80)" << Bytes{{32, 0x03}} << 32
                                       << 0x83;
        QTest::newRow("bit below a flag") << "ibm-format" << "unknown (&H20)" << Bytes{{4, 0x00}} << 4 << -1;
        QTest::newRow("bit above a flag") << "power-on-beeper" << "unknown (&H08)" << Bytes{{35, 0x00}} << 35
                                          << -1;
        QTest::newRow("order keeps LRC") << "track-order" << "unknown (&H0A)" << Bytes{{32, 0x80}} << 32
                                         << 0x8A;
        QTest::newRow("order with bit 7") << "track-order" << "unknown (&H8A)" << Bytes{{32, 0x00}} << 32
                                          << -1;
        QTest::newRow("case keeps ALT") << "case" << "unknown (&H0E)" << Bytes{{52, 0x40}} << 52 << 0x4E;
        QTest::newRow("ALT on ends keys") << "alt-mode" << "unknown (&H40)" << Bytes{{52, 0x21}} << 52
                                          << 0x41;
    }
    void codeFormAssignsTheFieldsBits() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(Bytes, changes);
        QFETCH(int, byte);
        QFETCH(int, after);
        const SettingsImage before = factoryWith(changes);
        SettingsImage image = before;
        const QString error = findSetting(key)->assign(image, value);
        SettingsImage expected = before;
        if (after >= 0)
            expected[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(after);
        QCOMPARE(error.isEmpty(), after >= 0);
        QCOMPARE(image, expected);
    }

    // Byte 32 = 0x0A: bits 0-2 would read 2-1-3, but the code is 10, which names no order.
    void unknownTrackOrderEverywhere() {
        const SettingsImage image = factoryWith({{32, 0x0A}});
        QCOMPARE(findSetting(QStringLiteral("track-order"))->text(image), QStringLiteral("unknown (&H0A)"));
        QCOMPARE(summaryLine(image, field(FieldId::TrackOrder)), QStringLiteral("unknown (&H0A)"));
        QList<CapturedKey> keys;
        qint64 t = 0;
        for (QChar c : QStringLiteral("%B41?;41?"))
            keys << CapturedKey{t += 10, 0, {}, QString(c)};
        keys << CapturedKey{t += 10, Qt::Key_Return, {}, QStringLiteral("\r")};
        const SwipeAnalysis analysis = analyzeSwipe(keys, image);
        QCOMPARE(orderCheck(analysis).state, CheckState::NotChecked);
        QCOMPARE(checkLine(orderCheck(analysis)),
                 QStringLiteral("– Track order: not checked, byte 32 holds the track order code 10, which "
                                "names no order"));
    }
};

QTEST_GUILESS_MAIN(FieldAgreementTest)
#include "test_field_agreement.moc"

#include "core/files/settings_file.h"
#include "core/image/number_reading.h"
#include "core/image/setting_fields.h"
#include "core/keyboard/key_name.h"
#include "core/swipe/reader_identity.h"
#include "core/swipe/reader_model.h"
#include "core/swipe/swipe_analysis.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quorvel;

namespace {

SettingsImage sampleImage() {
    SettingsImage image{};
    for (int i = 0; i < kImageSize; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 + 5);
    return image;
}

void composeText(benchmark::State& state) {
    const SettingsImage image = sampleImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(composeSettingsText(image));
}
BENCHMARK(composeText);

void parseText(benchmark::State& state) {
    const QByteArray text = composeSettingsText(sampleImage());
    SettingsImage image{};
    for (auto _ : state)
        benchmark::DoNotOptimize(parseSettingsText(text, image));
}
BENCHMARK(parseText);

void writeFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.msr"));
    const SettingsImage image = sampleImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeDataFile(path, image, [](const QString&) { return true; }));
}
BENCHMARK(writeFile);

void readFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.msr"));
    writeDataFile(path, sampleImage(), [](const QString&) { return true; });
    SettingsImage image{};
    for (auto _ : state)
        benchmark::DoNotOptimize(readDataFile(path, image));
}
BENCHMARK(readFile);

void keyNames(benchmark::State& state) {
    QStringList codes;
    for (int c = 0; c < 256; ++c)
        codes << codeText(c);
    for (auto _ : state)
        for (const QString& code : codes)
            benchmark::DoNotOptimize(keyName(code));
    state.SetItemsProcessed(state.iterations() * codes.size());
}
BENCHMARK(keyNames);

void numericReading(benchmark::State& state) {
    const QStringList texts = {QStringLiteral("&H1B"),  QStringLiteral("255"),
                               QStringLiteral(" 37.5"), QStringLiteral("-5"),
                               QStringLiteral("xyz"),   QStringLiteral("&HFFFF")};
    for (auto _ : state)
        for (const QString& text : texts)
            benchmark::DoNotOptimize(readNumber(text));
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(numericReading);

// One card swipe of 54 keys checked against the image: what the Swipe Test does per key.
void swipeAnalysis(benchmark::State& state) {
    SettingsImage image{};
    image[32] = 0x00;
    image[46] = 0x3F;
    image[50] = 1;
    image[53] = 0x25;
    image[54] = image[55] = 0x3B;
    image[63] = 0x3F;
    QList<CapturedKey> keys;
    for (QChar c : QStringLiteral("%B4111111111111111^DOE/J^2512?;4111111111111111=2512?"))
        keys << CapturedKey{8 * keys.size(), c.toUpper().unicode(), Qt::NoModifier, QString(c)};
    keys << CapturedKey{8 * keys.size(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
    for (auto _ : state)
        benchmark::DoNotOptimize(analyzeSwipe(keys, image));
}
BENCHMARK(swipeAnalysis);

} // namespace

// A reader from a drawer: order 2-1-3, preamble A B, postamble Z, TAB and an LRC, in the
// keyboard language and ALT mode the benchmark's argument gives.
SettingsImage drawerReader(int language, bool altMode) {
    SettingsImage image{};
    for (const auto& [id, value] : {std::pair{FieldId::TrackOrder, 2},
                                    {FieldId::TrackSelection, 0x3F},
                                    {FieldId::TransmitLrc, 1},
                                    {FieldId::StartSentinel1, '%'},
                                    {FieldId::StartSentinel2, ';'},
                                    {FieldId::StartSentinel3, ';'},
                                    {FieldId::EndSentinel, '?'},
                                    {FieldId::KeyboardTerminator, 5},
                                    {FieldId::KeyboardLanguage, language},
                                    {FieldId::AltMode, altMode ? 1 : 0},
                                    {FieldId::Preamble, 'A'},
                                    {FieldId::Postamble, 'Z'}})
        setFieldValue(image, id, value);
    setFieldValue(image, FieldId::Preamble, 'B', 1);
    return image;
}

// Identify reads each swipe on all 17 layouts and as Alt codes: one three-track swipe.
void identifySwipe(benchmark::State& state) {
    const Card card{QStringLiteral("B4111111111111111^DOE/JOHN^2512101"),
                    QStringLiteral("4111111111111111=2512101"),
                    QStringLiteral("011234567890=1234")};
    const SettingsImage reader =
        drawerReader(static_cast<int>(state.range(0)), state.range(1) != 0);
    const QList<SwipeKeyReadings> swipes{{readerKeys(reader, card).keys}};
    SettingsImage compared = reader;
    setFieldValue(compared, FieldId::TrackOrder, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(identifyReader(swipes, compared));
}
BENCHMARK(identifySwipe)->Args({0, 0})->Args({3, 0})->Args({0, 1})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

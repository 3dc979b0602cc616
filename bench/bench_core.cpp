#include "core/keyboard/key_name.h"
#include "core/image/number_reading.h"
#include "core/files/settings_file.h"
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
    const QStringList texts = {QStringLiteral("&H1B"), QStringLiteral("255"), QStringLiteral(" 37.5"),
                               QStringLiteral("-5"), QStringLiteral("xyz"), QStringLiteral("&HFFFF")};
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

BENCHMARK_MAIN();

#include "core/key_name.h"
#include "core/number_reading.h"
#include "core/settings_file.h"

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

} // namespace

BENCHMARK_MAIN();

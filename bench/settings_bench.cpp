// Reads and writes a complete settings file in memory: parse plus every key
// into the record, and record into the old file plus serialising.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/ini_document.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace {

using namespace velmora;

WindowEnvironment BenchWindow() {
    WindowEnvironment window;
    window.placement = {0, 1, -1, -1, 0, 0, 640, 200};
    window.screenWidth = 1920;
    window.screenHeight = 1080;
    window.windowWidth = 640;
    window.windowHeight = 200;
    window.clientWidth = 624;
    window.currentFaceNames = {"ＭＳ ゴシック", "ＭＳ ゴシック"};
    return window;
}

const WriterEnvironment BenchExecutable{"C:\\Program Files\\Velmora\\Velmora.exe", 96};

// A full file as the clock writes it, with a foreign section and key.
std::string FullFile() {
    IniDocument document = IniDocument::Parse("[PROGRAM]\r\nNote=x\r\n[USER]\r\nA=1\r\n");
    Settings settings = ReadSettingsDocument({}, BenchWindow()).settings;
    settings.Fonts[1].color = 0x00FF8000;
    WriteSettingsDocument(document, settings, BenchExecutable);
    return document.Serialize();
}

void BM_ReadSettingsFile(benchmark::State& state) {
    const std::string file = FullFile();
    const WindowEnvironment window = BenchWindow();
    for (auto _ : state) {
        SettingsReadResult result = ReadSettingsDocument(IniDocument::Parse(file), window);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadSettingsFile);

void BM_WriteSettingsFile(benchmark::State& state) {
    const std::string file = FullFile();
    const Settings settings =
        ReadSettingsDocument(IniDocument::Parse(file), BenchWindow()).settings;
    for (auto _ : state) {
        // As on exit: load the old file, write the record into it, serialise.
        IniDocument document = IniDocument::Parse(file);
        WriteSettingsDocument(document, settings, BenchExecutable);
        std::string bytes = document.Serialize();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_WriteSettingsFile);

// A hostile file: 100,000 sections of the clock's own names.
void BM_ReadManySections(benchmark::State& state) {
    std::string file;
    for (int i = 0; i < 100000; ++i)
        file += "[MODE]\r\nTitleMode=" + std::to_string(i) + "\r\n";
    const WindowEnvironment window = BenchWindow();
    for (auto _ : state) {
        IniDocument document = IniDocument::Parse(file);
        SettingsReadResult result = ReadSettingsDocument(document, window);
        WriteSettingsDocument(document, result.settings, BenchExecutable);
        benchmark::DoNotOptimize(document.Serialize());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadManySections)->Unit(benchmark::kMillisecond);

} // namespace

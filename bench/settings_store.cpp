// Loading and saving the settings against a user hive file that also holds many other values, as
// one program run does it: a fresh hive object (nothing cached), load, change, save. The save goes
// all the way to the disk (lock, re-read, write, flush, rename), so the disk's flush time is part
// of every figure.
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/SettingsStore.h"
#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"

namespace lunasoma {
namespace {

constexpr DayNumber Today = 46000;

class BenchFolder {
 public:
  BenchFolder() : m_path(std::filesystem::temp_directory_path() / ("lunasoma-bench-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(m_path);
  }
  ~BenchFolder() { std::filesystem::remove_all(m_path); }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  std::string file(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

// A hive file with `others` values of every type spread over keys of 50 values each, plus the
// program's own settings.
std::string prepareHive(const BenchFolder& folder, std::int64_t others) {
  Hive hive;
  for (std::int64_t i = 0; i < others; ++i) {
    const std::string key = "Software\\Other Maker\\Tool " + std::to_string(i / 50);
    const std::string name = "Value " + std::to_string(i);
    RegistryValue value;
    switch (i % 3) {
      case 0:
        value.data = static_cast<std::uint32_t>(i);
        break;
      case 1:
        value.data = std::string("C:\\Program Files\\Other Maker\\file ") + std::to_string(i) + ".dat";
        break;
      default:
        value.data = std::vector<std::uint8_t>(16, static_cast<std::uint8_t>(i));
        break;
    }
    hive.setValue(key, HiveValue{name, value, std::nullopt});
  }
  const std::string path = folder.file("user.reg");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << formatHive(hive, CurrentUserRoot);
  HiveFile file(path, std::string(CurrentUserRoot));
  BiorhythmSettings settings;
  settings.Birth = settings.Start = Today;
  saveSettings(settings, file, "/opt/Lunasoma");
  return path;
}

void BM_SettingsLoadAndSave(benchmark::State& state) {
  BenchFolder folder;
  const std::string path = prepareHive(folder, state.range(0));
  for (auto _ : state) {
    HiveFile hive(path, std::string(CurrentUserRoot));
    BiorhythmSettings settings;
    loadSettings(settings, hive, Today);
    settings.Range = static_cast<std::uint8_t>((settings.Range + 1) % 8);  // so that the save really writes
    saveSettings(settings, hive, "/opt/Lunasoma");
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SettingsLoadAndSave)
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

// A hive file of about `bytes` holding other programs' values in keys of 50 each, and with
// `deepKeys` keys 512 levels deep whose paths are as long as the registry allows.
std::string prepareSizedHive(const BenchFolder& folder, std::size_t bytes, int deepKeys) {
  std::string text = "Windows Registry Editor Version 5.00\n";
  text.reserve(bytes + 64 * 1024);
  for (int deep = 0; deep < deepKeys; ++deep) {
    text += "\n[HKEY_CURRENT_USER";
    for (int level = 0; level < 512; ++level) {
      char component[40];
      std::snprintf(component, sizeof component, "\\Branch %04d level %03d padding", deep, level);
      text += component;
    }
    text += "]\n\"Value\"=dword:00000001\n";
  }
  for (std::int64_t i = 0; text.size() < bytes; ++i) {
    if (i % 50 == 0) text += "\n[HKEY_CURRENT_USER\\Software\\Other Maker\\Tool " + std::to_string(i / 50) + "]\n";
    text += "\"Value " + std::to_string(i) + "\"=\"C:\\\\Program Files\\\\Other Maker\\\\file " + std::to_string(i) +
            ".dat\"\n";
  }
  const std::string path = folder.file("user.reg");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  return path;
}

void loadAndSave(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    HiveFile hive(path, std::string(CurrentUserRoot));
    BiorhythmSettings settings;
    loadSettings(settings, hive, Today);
    settings.Range = static_cast<std::uint8_t>((settings.Range + 1) % 8);
    saveSettings(settings, hive, "/opt/Lunasoma");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// 5 MB of ordinary keys, and ten times as much: the time must grow no faster than the size.
void BM_SettingsLoadAndSaveLargeHive(benchmark::State& state) {
  BenchFolder folder;
  loadAndSave(state, prepareSizedHive(folder, static_cast<std::size_t>(state.range(0)), 0));
}
BENCHMARK(BM_SettingsLoadAndSaveLargeHive)->Arg(5 << 20)->Arg(50 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();

// 64 KB made of keys 512 levels deep with the longest paths allowed, and ten times as much.
void BM_SettingsLoadAndSaveDeepKeys(benchmark::State& state) {
  BenchFolder folder;
  const auto bytes = static_cast<std::size_t>(state.range(0));
  loadAndSave(state, prepareSizedHive(folder, bytes, static_cast<int>(bytes / (16 * 1024))));
}
BENCHMARK(BM_SettingsLoadAndSaveDeepKeys)->Arg(64 << 10)->Arg(640 << 10)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SettingsLoad(benchmark::State& state) {
  BenchFolder folder;
  const std::string path = prepareHive(folder, state.range(0));
  for (auto _ : state) {
    HiveFile hive(path, std::string(CurrentUserRoot));
    BiorhythmSettings settings;
    loadSettings(settings, hive, Today);
    benchmark::DoNotOptimize(settings);
  }
}
BENCHMARK(BM_SettingsLoad)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace lunasoma

BENCHMARK_MAIN();

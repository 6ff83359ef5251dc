// One tick of each scene at 1920x1080, on the headless host's virtual clock.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "host/headless/headless_session.h"
#include "platform/fake/fake_file_services.h"
#include "platform/fake/memory_registry.h"
#include "platform/font_files.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/ini_file_profile.h"
#include "settings/settings_location.h"

// Every allocation of the process is counted, so that a benchmark can report
// how many one tick makes.
namespace {
std::atomic<long long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace talvora {
namespace {

// A saver running one scene full screen, moved one scene tick at a time.
class SceneBench {
 public:
  SceneBench(std::string_view saver, PixelSize screen)
      : paths_(std::filesystem::temp_directory_path() / "talvora-bench-drive-c"),
        fonts_(MakeSystemFontFiles()),
        text_(*fonts_),
        services_{registry_, profile_, paths_, files_, text_},
        session_(services_, screen, {152, 112}, "c:\\talvora") {
    registry_.Set(RegistryRoot::kLocalMachine, kSettingsKey, "Saver", {kRegSz, std::string(saver)});
    for (const char* seconds : {"SS03Vel", "SS04Vel", "SS05Vel"}) {
      registry_.Set(RegistryRoot::kLocalMachine, kSettingsKey, seconds, {kRegSz, "1"});
    }
    session_.Start("/s");
    NextTick();  // the first tick of the flying scenes draws nothing
  }

  void NextTick() { session_.AdvanceTo(session_.NextDueMs()); }

 private:
  MemoryRegistry registry_;
  IniFileProfile profile_;
  DriveFolderPaths paths_;
  FakeFileServices files_;
  std::unique_ptr<FontFiles> fonts_;
  TextRenderer text_;
  HeadlessServices services_;
  HeadlessSession session_;
};

void SceneTick(benchmark::State& state, std::string_view saver) {
  SceneBench bench(saver, {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
  const long long before = allocations.load();
  for (auto _ : state) bench.NextTick();
  state.counters["allocs/tick"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}

#define TALVORA_SCENE_BENCH(name, saver)                                        \
  void name(benchmark::State& state) { SceneTick(state, saver); }              \
  BENCHMARK(name)->Args({1920, 1080})->Unit(benchmark::kMicrosecond)

TALVORA_SCENE_BENCH(FlyingBallsTick, "1");
TALVORA_SCENE_BENCH(FlyingTrophiesTick, "2");
TALVORA_SCENE_BENCH(PosterTick, "3");
TALVORA_SCENE_BENCH(ChampionTick, "4");
TALVORA_SCENE_BENCH(CupTableTick, "5");

}  // namespace
}  // namespace talvora

BENCHMARK_MAIN();

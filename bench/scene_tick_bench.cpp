// One frame of each scene and of the banner at three screen sizes, each
// against the floor of that size; and the start-up to the first drawn frame.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "host/headless/headless_session.h"
#include "platform/fake/fake_file_services.h"
#include "platform/fake/memory_registry.h"
#include "platform/font_files.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/ini_file_profile.h"
#include "scenes/cup_table.h"
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

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A drive C with the example program folder (tabela.ini, tlv.ini) and the
// example banners in the system folder, made once per process.
fs::path ExampleDriveC() {
  static const fs::path driveC = [] {
    const fs::path example = fs::path(TALVORA_SOURCE_DIR) / "docs" / "example";
    const fs::path drive = fs::temp_directory_path() / "talvora-bench-drive-c";
    fs::remove_all(drive);
    fs::create_directories(drive / "talvora");
    fs::copy(example / "drive_c", drive, fs::copy_options::recursive);
    for (const char* name : {"tabela.ini", "tlv.ini"}) {
      fs::copy_file(example / name, drive / "talvora" / name);
    }
    return drive;
  }();
  return driveC;
}

// The host's part of a frame: one fill of the frame buffer and one copy of it
// to the screen.
class Floor {
 public:
  explicit Floor(PixelSize size) : frame_(size.width, size.height), screen_(frame_) {}

  void Frame() {
    frame_.Fill(++colour_);
    const auto from = frame_.Pixels();
    std::copy(from.begin(), from.end(), screen_.Row(0).begin());
    benchmark::DoNotOptimize(screen_.At(0, 0));
    benchmark::ClobberMemory();
  }

  // The median time of one frame, in seconds.
  double MedianSeconds(int frames) {
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
      const auto start = Clock::now();
      Frame();
      times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::ranges::nth_element(times, times.begin() + frames / 2);
    return times[static_cast<std::size_t>(frames / 2)];
  }

 private:
  Surface frame_;
  Surface screen_;
  Pixel colour_ = 0;
};

// A saver running one scene full screen on the example files, moved one
// timer tick at a time, each frame presented onto a screen image.
class SceneBench {
 public:
  enum class Timers { kScene, kBanner };
  // Ticks run before measuring: two rounds of the table's stages, so that
  // what a first showing grows (captions, cached glyphs, the INI reader's
  // storage) has reached its size.
  static constexpr int kWarmUpTicks = 2 * CupTable::kStages;

  SceneBench(std::string_view saver, PixelSize screen, Timers timers)
      : paths_(ExampleDriveC()),
        fonts_(MakeSystemFontFiles()),
        text_(*fonts_),
        services_{registry_, profile_, paths_, files_, text_},
        session_(services_, screen, {152, 112}, "c:\\talvora"),
        screen_(screen.width, screen.height) {
    registry_.Set(RegistryRoot::kLocalMachine, kSettingsKey, "Saver", {kRegSz, std::string(saver)});
    for (const char* seconds : {"SS03Vel", "SS04Vel", "SS05Vel"}) {
      registry_.Set(RegistryRoot::kLocalMachine, kSettingsKey, seconds, {kRegSz, "1"});
    }
    session_.Start("/s");
    SaverWindow& window = *session_.Saver();
    (timers == Timers::kScene ? window.Timer2() : window.Timer1()).SetEnabled(false);
    for (int tick = 0; tick < kWarmUpTicks; ++tick) NextTick();
  }

  void NextTick() {
    session_.AdvanceTo(session_.NextDueMs());
    session_.Saver()->ComposeOnto(screen_, 0, 0);
  }

 private:
  MemoryRegistry registry_;
  IniFileProfile profile_;
  DriveFolderPaths paths_;
  FakeFileServices files_;
  std::unique_ptr<FontFiles> fonts_;
  TextRenderer text_;
  HeadlessServices services_;
  HeadlessSession session_;
  Surface screen_;
};

PixelSize SizeOf(const benchmark::State& state) {
  return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

void FloorFrame(benchmark::State& state) {
  Floor floor(SizeOf(state));
  for (auto _ : state) floor.Frame();
}

void Ticks(benchmark::State& state, std::string_view saver, SceneBench::Timers timers) {
  SceneBench bench(saver, SizeOf(state), timers);
  const long long before = allocations.load();
  const auto start = Clock::now();
  for (auto _ : state) bench.NextTick();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["allocs/tick"] =
      benchmark::Counter(static_cast<double>(allocations.load() - before) / iterations);
  const double floor = Floor(SizeOf(state)).MedianSeconds(101);
  state.counters["floor_us"] = benchmark::Counter(floor * 1e6);
  state.counters["x_floor"] = benchmark::Counter(seconds / iterations / floor);
}

// Reports a paint or a picture set on a control once armed: the scene has
// drawn. The window's load gives the table's badge to its hidden image, which
// shows nothing, so only what the timers do counts.
class FirstDrawTracer final : public Tracer {
 public:
  void Record(std::string_view op, std::initializer_list<TraceField> /*fields*/) override {
    drawn_ = drawn_ || (armed_ && (op == "paint" || op == "picture"));
  }
  void Arm() { armed_ = true; }
  bool Drawn() const { return drawn_; }

 private:
  bool armed_ = false;
  bool drawn_ = false;
};

// From nothing to the first frame that shows the scene: the fonts and the
// pictures made, the command line run, the timers run until one draws.
void StartUpToFirstFrame(benchmark::State& state, std::string_view saver) {
  ExampleDriveC();
  for (auto _ : state) {
    MemoryRegistry registry;
    registry.Set(RegistryRoot::kLocalMachine, kSettingsKey, "Saver", {kRegSz, std::string(saver)});
    const IniFileProfile profile;
    const DriveFolderPaths paths(ExampleDriveC());
    FakeFileServices files;
    const auto fonts = MakeSystemFontFiles();
    TextRenderer text(*fonts);
    HeadlessServices services{registry, profile, paths, files, text};
    HeadlessSession session(services, SizeOf(state), {152, 112}, "c:\\talvora");
    FirstDrawTracer tracer;
    session.SetTracer(&tracer);
    session.Start("/s");
    tracer.Arm();
    while (!tracer.Drawn()) session.AdvanceTo(session.NextDueMs());
    benchmark::DoNotOptimize(session.Clock().NowMs());
  }
}

void Sizes(benchmark::internal::Benchmark* bench) {
  bench->Args({800, 600})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
}

BENCHMARK(FloorFrame)->Apply(Sizes);

#define TALVORA_TICK_BENCH(name, saver, timers)                       \
  void name(benchmark::State& state) { Ticks(state, saver, timers); } \
  BENCHMARK(name)->Apply(Sizes)

TALVORA_TICK_BENCH(FlyingBallsTick, "1", SceneBench::Timers::kScene);
TALVORA_TICK_BENCH(FlyingTrophiesTick, "2", SceneBench::Timers::kScene);
TALVORA_TICK_BENCH(PosterTick, "3", SceneBench::Timers::kScene);
TALVORA_TICK_BENCH(ChampionTick, "4", SceneBench::Timers::kScene);
TALVORA_TICK_BENCH(CupTableTick, "5", SceneBench::Timers::kScene);
TALVORA_TICK_BENCH(BannerTick, "1", SceneBench::Timers::kBanner);

#define TALVORA_START_BENCH(name, saver)                                    \
  void name(benchmark::State& state) { StartUpToFirstFrame(state, saver); } \
  BENCHMARK(name)->Args({800, 600})->Args({3840, 2160})->Unit(benchmark::kMillisecond)

TALVORA_START_BENCH(StartUpBalls, "1");
TALVORA_START_BENCH(StartUpTrophies, "2");
TALVORA_START_BENCH(StartUpPosters, "3");
TALVORA_START_BENCH(StartUpChampions, "4");
TALVORA_START_BENCH(StartUpCupTable, "5");

}  // namespace
}  // namespace talvora

BENCHMARK_MAIN();

#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/headless/headless_session.h"
#include "platform/fake/memory_registry.h"
#include "platform/font_files.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/ini_file_profile.h"
#include "runtime/text/text_renderer.h"
#include "tests/support/recording_tracer.h"
#include "tests/support/temp_folder.h"

namespace talvora {

// The saver on a virtual clock, for tests: an in-memory registry, a drive C
// of its own with the program's folder in it (c:\talvora), and every trace
// record kept.
class SaverHarness final : public EventPump {
 public:
  explicit SaverHarness(PixelSize desktop = {800, 600}, PixelSize preview = {152, 112});

  // A stored setting, before Start.
  void Store(std::string_view name, std::string_view text);
  // Any registry text value.
  void StoreAt(RegistryRoot root, std::string_view key, std::string_view name,
               std::string_view text);
  // A setting as stored now (its text), nullopt when absent.
  std::optional<std::string> Stored(std::string_view name) const;
  // How many settings are stored.
  std::size_t StoredCount() const;
  MemoryRegistry& Registry() { return registry_; }
  // A file of drive C, nullopt when absent.
  std::optional<std::string> ReadDriveC(std::string_view path) const;
  // Turns the Windows screen-saver password on, before Start.
  void ProtectWithPassword();
  // Files of the program's folder and of drive C.
  void WriteProgramFile(std::string_view name, std::string_view bytes);
  void WriteDriveC(std::string_view path, std::string_view bytes);

  void Start(std::string_view commandLine);
  void AdvanceTo(std::int64_t ms) { session_.AdvanceTo(ms); }
  void Deliver(ScriptEvent event) { session_.Deliver(event); }
  void Key(int keyCode);
  void MouseMove(double x, double y);
  void Click(double x, double y);
  // Input by a control's name on the active form, as the event script gives it.
  void ClickControl(std::string_view name);
  void HoverControl(std::string_view name);
  void Slide(std::string_view name, std::int32_t value);
  // The name of the form input goes to, "" when none.
  std::string ActiveFormName();

  // What to do while a modal form is up: each turn of the host loop runs the
  // next step; with none left, the loop ends (the modal form stays up).
  void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }
  bool PumpOnce() override;

  HeadlessSession& Session() { return session_; }
  SaverWindow& Saver() { return *session_.Saver(); }
  bool SaverLoaded() const;
  const RecordingTracer& Trace() const { return tracer_; }
  RecordingTracer& Trace() { return tracer_; }
  Surface Screen() const { return session_.Screen(); }

 private:
  MemoryRegistry registry_;
  IniFileProfile profile_;
  TempFolder driveC_;
  DriveFolderPaths paths_;
  std::unique_ptr<FileServices> files_;
  std::unique_ptr<FontFiles> fonts_;
  TextRenderer text_;
  HeadlessServices services_;
  HeadlessSession session_;
  RecordingTracer tracer_;
  std::deque<std::function<void()>> steps_;
};

}  // namespace talvora

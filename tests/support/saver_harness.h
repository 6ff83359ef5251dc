#pragma once

#include <memory>
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
class SaverHarness {
 public:
  explicit SaverHarness(PixelSize desktop = {800, 600}, PixelSize preview = {152, 112});

  // A stored setting, before Start.
  void Store(std::string_view name, std::string_view text);
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
};

}  // namespace talvora

#include "tests/support/saver_harness.h"

#include "common/utf8_path.h"
#include "settings/settings_location.h"

namespace talvora {

SaverHarness::SaverHarness(PixelSize desktop, PixelSize preview)
    : paths_(PathFromUtf8(driveC_.PathOf(""))),
      files_(MakeSystemFileServices()),
      fonts_(MakeSystemFontFiles()),
      text_(*fonts_),
      services_{registry_, profile_, paths_, *files_, text_},
      session_(services_, desktop, preview, "c:\\talvora"),
      tracer_(session_.Clock()) {
  session_.SetTracer(&tracer_);
}

void SaverHarness::Store(std::string_view name, std::string_view text) {
  registry_.Set(RegistryRoot::kLocalMachine, kSettingsKey, name, {kRegSz, std::string(text)});
}

void SaverHarness::ProtectWithPassword() {
  registry_.Set(RegistryRoot::kCurrentUser, "Control Panel\\Desktop", "ScreenSaveUsePassword",
                {kRegDword, std::string("\0\0\0\0", 4)});
}

void SaverHarness::WriteProgramFile(std::string_view name, std::string_view bytes) {
  driveC_.Write("talvora/" + std::string(name), bytes);
}

void SaverHarness::WriteDriveC(std::string_view path, std::string_view bytes) {
  driveC_.Write(path, bytes);
}

void SaverHarness::Start(std::string_view commandLine) { session_.Start(commandLine); }

void SaverHarness::Key(int keyCode) {
  ScriptEvent event;
  event.kind = ScriptEvent::Kind::kKeyDown;
  event.keyCode = keyCode;
  session_.Deliver(event);
}

void SaverHarness::MouseMove(double x, double y) {
  ScriptEvent event;
  event.kind = ScriptEvent::Kind::kMouseMove;
  event.x = x;
  event.y = y;
  session_.Deliver(event);
}

void SaverHarness::Click(double x, double y) {
  ScriptEvent event;
  event.kind = ScriptEvent::Kind::kClick;
  event.x = x;
  event.y = y;
  session_.Deliver(event);
}

bool SaverHarness::SaverLoaded() const {
  return session_.Saver() != nullptr && session_.Saver()->Loaded();
}

}  // namespace talvora

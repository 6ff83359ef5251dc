#include "tests/support/saver_harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/utf8_path.h"
#include "platform/registry_tree.h"
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
  session_.Runtime().SetEventPump(this);
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

void SaverHarness::StoreAt(RegistryRoot root, std::string_view key, std::string_view name,
                           std::string_view text) {
  registry_.Set(root, key, name, {kRegSz, std::string(text)});
}

std::optional<std::string> SaverHarness::Stored(std::string_view name) const {
  const RegistryValue* value = registry_.Stored(RegistryRoot::kLocalMachine, kSettingsKey, name);
  if (value == nullptr) return std::nullopt;
  return value->data;
}

std::size_t SaverHarness::StoredCount() const {
  const auto* key =
      registry_.Tree().FindKey(FullKeyPath(RegistryRoot::kLocalMachine, kSettingsKey));
  return key == nullptr ? 0 : key->values.size();
}

std::optional<std::string> SaverHarness::ReadDriveC(std::string_view path) const {
  std::ifstream in(PathFromUtf8(driveC_.PathOf(path)), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void SaverHarness::ClickControl(std::string_view name) {
  ScriptEvent event;
  event.kind = ScriptEvent::Kind::kClickControl;
  event.control = name;
  EXPECT_TRUE(session_.Deliver(event)) << "no control " << name;
}

void SaverHarness::HoverControl(std::string_view name) {
  ScriptEvent event;
  event.kind = ScriptEvent::Kind::kHoverControl;
  event.control = name;
  EXPECT_TRUE(session_.Deliver(event)) << "no control " << name;
}

void SaverHarness::Slide(std::string_view name, std::int32_t value) {
  ScriptEvent event;
  event.kind = ScriptEvent::Kind::kSlide;
  event.control = name;
  event.value = value;
  EXPECT_TRUE(session_.Deliver(event)) << "no slider " << name;
}

std::string SaverHarness::ActiveFormName() {
  const Form* form = session_.Runtime().ActiveForm();
  return form == nullptr ? std::string() : std::string(form->Name());
}

bool SaverHarness::PumpOnce() {
  if (steps_.empty()) return false;
  const std::function<void()> step = std::move(steps_.front());
  steps_.pop_front();
  step();
  return true;
}

}  // namespace talvora

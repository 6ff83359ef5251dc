// talvora-headless: the diagnostic and test host.

#include <iostream>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "common/utf8_path.h"
#include "host/headless/headless_request.h"
#include "host/headless/headless_run.h"
#include "host/headless/headless_verbs.h"
#include "platform/font_files.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/file_registry.h"
#include "platform/posix/ini_file_profile.h"
#include "platform/posix/places.h"

namespace {

constexpr int kUsageErrorStatus = 2;

std::filesystem::path StorePath(const std::optional<std::string>& store) {
  return store ? talvora::PathFromUtf8(*store) : talvora::DefaultSettingsStorePath();
}

int Run(const talvora::HeadlessRequest& request) {
  return std::visit(
      [](const auto& r) {
        using Request = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<Request, talvora::DumpSettingsRequest>) {
          talvora::FileRegistry registry(StorePath(r.store));
          talvora::DumpSettings(registry, std::cout);
        } else if constexpr (std::is_same_v<Request, talvora::GetIniRequest>) {
          talvora::PrintIniValue(talvora::IniFileProfile{}, r.file, r.section, r.key, std::cout);
        } else if constexpr (std::is_same_v<Request, talvora::ParseCommandLineRequest>) {
          talvora::PrintStartupDecision(r.text, std::cout);
        } else {
          talvora::FileRegistry registry(StorePath(r.store));
          const talvora::IniFileProfile profile;
          const talvora::DriveFolderPaths paths(r.driveC ? talvora::PathFromUtf8(*r.driveC)
                                                         : talvora::DefaultDriveCPath());
          const auto fonts = talvora::MakeSystemFontFiles();
          talvora::TextRenderer text(*fonts);
          const auto files = talvora::MakeSystemFileServices();
          talvora::HeadlessServices services{registry, profile, paths, *files, text};
          return talvora::RunHeadless(r, services, std::cerr);
        }
        return 0;
      },
      request);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const talvora::ParsedHeadlessArguments parsed = talvora::ParseHeadlessArguments(arguments);
  if (!parsed.request) {
    std::cerr << "talvora-headless: " << parsed.usageError << '\n';
    return kUsageErrorStatus;
  }
  return Run(*parsed.request);
}

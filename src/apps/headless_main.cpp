// talvora-headless: the diagnostic and test host.

#include <iostream>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "host/headless/headless_request.h"
#include "host/headless/headless_verbs.h"
#include "platform/posix/file_registry.h"
#include "platform/posix/ini_file_profile.h"
#include "platform/posix/places.h"

namespace {

constexpr int kUsageErrorStatus = 2;

void Run(const talvora::HeadlessRequest& request) {
  std::visit(
      [](const auto& r) {
        using Request = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<Request, talvora::DumpSettingsRequest>) {
          talvora::FileRegistry registry(r.store ? std::filesystem::path(*r.store)
                                                 : talvora::DefaultSettingsStorePath());
          talvora::DumpSettings(registry, std::cout);
        } else if constexpr (std::is_same_v<Request, talvora::GetIniRequest>) {
          talvora::PrintIniValue(talvora::IniFileProfile{}, r.file, r.section, r.key, std::cout);
        } else {
          talvora::PrintStartupDecision(r.text, std::cout);
        }
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
  Run(*parsed.request);
  return 0;
}

#include "host/headless/headless_request.h"

namespace talvora {
namespace {

ParsedHeadlessArguments Usage(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

ParsedHeadlessArguments ParseHeadlessArguments(std::span<const std::string_view> arguments) {
  std::optional<std::string> store;
  std::optional<HeadlessRequest> request;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view option = arguments[at];
    const std::size_t remaining = arguments.size() - at - 1;
    auto takeVerb = [&](HeadlessRequest verb) {
      if (request) return false;
      request = std::move(verb);
      return true;
    };
    if (option == "--store") {
      if (remaining < 1) return Usage("--store needs a FILE");
      store = std::string(arguments[++at]);
    } else if (option == "--dump-settings") {
      if (!takeVerb(DumpSettingsRequest{})) return Usage("only one of the verbs may be given");
    } else if (option == "--get-ini") {
      if (remaining < 3) return Usage("--get-ini needs FILE SECTION KEY");
      GetIniRequest ini{std::string(arguments[at + 1]), std::string(arguments[at + 2]),
                        std::string(arguments[at + 3])};
      at += 3;
      if (!takeVerb(std::move(ini))) return Usage("only one of the verbs may be given");
    } else if (option == "--parse-command-line") {
      if (remaining < 1) return Usage("--parse-command-line needs TEXT");
      if (!takeVerb(ParseCommandLineRequest{std::string(arguments[++at])})) {
        return Usage("only one of the verbs may be given");
      }
    } else {
      return Usage("unknown option " + std::string(option));
    }
  }
  if (!request) {
    return Usage(
        "usage: talvora-headless [--store FILE] --dump-settings | --get-ini FILE SECTION KEY | "
        "--parse-command-line TEXT");
  }
  if (store) {
    auto* dump = std::get_if<DumpSettingsRequest>(&*request);
    if (dump == nullptr) return Usage("--store goes with --dump-settings");
    dump->store = std::move(store);
  }
  return {std::move(request), {}};
}

}  // namespace talvora

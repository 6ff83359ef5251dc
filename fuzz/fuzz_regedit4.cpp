// The settings store's file over any text: REGEDIT4 parse, print and parse again must give the
// same tree and the same text, and the file registry reading and then updating a store file
// with that text must keep everything the file held.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_folder.h"
#include "platform/posix/file_registry.h"
#include "platform/posix/regedit4_text.h"
#include "platform/registry_tree.h"

namespace talvora {
namespace {

constexpr std::string_view kKeyPath = "Software\\Talvora";
constexpr std::string_view kValueName = "Fuzz";

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CheckRoundTrip(const RegistryTree& tree) {
  const std::string printed = SerializeRegedit4(tree);
  const auto reread = ParseRegedit4(printed);
  FuzzCheck(reread.has_value(), "a printed tree parses");
  FuzzCheck(*reread == tree, "a printed tree parses to the same tree");
  FuzzCheck(SerializeRegedit4(*reread) == printed, "printing is stable");
}

// An update through the file registry keeps the file's tree and adds the value; a file that is
// not REGEDIT4 is moved aside and the update starts an empty store.
void CheckFileRegistry(const ScratchFolder& folder, std::span<const std::uint8_t> bytes,
                       const std::optional<RegistryTree>& parsed) {
  folder.Clear();
  const std::filesystem::path file = folder.Write("store.reg", bytes);
  FileRegistry registry(file);
  const RegistryValue value{kRegSz, "value"};
  const bool stored = registry.Set(RegistryRoot::kCurrentUser, kKeyPath, kValueName, value);
  FuzzCheck(stored, "the store takes a value");
  FuzzCheck(std::filesystem::exists(folder.Path() / "store.reg.corrupt") == !parsed,
            "only a file that is not REGEDIT4 is moved aside");
  RegistryTree expected = parsed.value_or(RegistryTree{});
  expected.SetValue(FullKeyPath(RegistryRoot::kCurrentUser, kKeyPath), kValueName, value);
  FuzzCheck(ParseRegedit4(ReadFile(file)) == expected, "the file holds its tree and the value");
  FuzzCheck(registry.Query(RegistryRoot::kCurrentUser, kKeyPath, kValueName, 64) == value,
            "the value reads back");
}

}  // namespace
}  // namespace talvora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talvora;
  static const ScratchFolder folder("fuzz-regedit4");
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<RegistryTree> parsed = ParseRegedit4(text);
  if (parsed) CheckRoundTrip(*parsed);
  CheckFileRegistry(folder, {data, size}, parsed);
  return 0;
}

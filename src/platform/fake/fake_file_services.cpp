#include "platform/fake/fake_file_services.h"

namespace talvora {

std::string FakeFileServices::Key(std::string_view path) {
  std::string key(path);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

void FakeFileServices::Put(std::string_view path, File file) {
  files_[Key(path)] = std::move(file);
}

std::optional<FakeFileServices::File> FakeFileServices::Get(std::string_view path) const {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) return std::nullopt;
  return found->second;
}

bool FakeFileServices::CopyFile(std::string_view source, std::string_view destination) {
  const auto from = files_.find(Key(source));
  if (from == files_.end()) return false;
  const auto to = files_.find(Key(destination));
  if (to != files_.end() && !to->second.writable) return false;
  // A copy keeps the source's attributes, as Windows' copy does.
  File copy = from->second;
  copy.writable = true;
  files_[Key(destination)] = std::move(copy);
  return true;
}

bool FakeFileServices::SetAttributes(std::string_view path, std::uint32_t attributes) {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) return false;
  found->second.attributes = attributes;
  return true;
}

bool FakeFileServices::SameContents(std::string_view a, std::string_view b) {
  const auto first = files_.find(Key(a));
  const auto second = files_.find(Key(b));
  return first != files_.end() && second != files_.end() &&
         first->second.contents == second->second.contents;
}

}  // namespace talvora

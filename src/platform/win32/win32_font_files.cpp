#include "platform/win32/win32_font_files.h"

// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include <array>

namespace talvora {
namespace {

constexpr char kFontListKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// Where a face may be found: a file name in the font folders, or a name in
// the system's list of installed fonts.
struct Source {
  bool listed = false;
  std::string_view name;
};

struct StyleSources {
  bool bold = false;
  bool italic = false;
  std::array<Source, 4> sources;
};

constexpr std::array<StyleSources, 4> kArialSources = {{
    {false,
     false,
     {{{false, "arial.ttf"},
       {true, "Arial (TrueType)"},
       {true, "Liberation Sans (TrueType)"},
       {false, "tahoma.ttf"}}}},
    {true,
     false,
     {{{false, "arialbd.ttf"},
       {true, "Arial Bold (TrueType)"},
       {true, "Liberation Sans Bold (TrueType)"},
       {false, "tahomabd.ttf"}}}},
    {false,
     true,
     {{{false, "ariali.ttf"},
       {true, "Arial Italic (TrueType)"},
       {true, "Liberation Sans Italic (TrueType)"}}}},
    {true,
     true,
     {{{false, "arialbi.ttf"},
       {true, "Arial Bold Italic (TrueType)"},
       {true, "Liberation Sans Bold Italic (TrueType)"}}}},
}};

// MS Sans Serif itself is a bitmap font in the .fon format; its TrueType
// successor, or Wine's look-alike, stands in. Both hold a regular face only.
constexpr StyleSources kMsSansSerifSources = {false,
                                              false,
                                              {{{false, "micross.ttf"},
                                                {true, "Microsoft Sans Serif (TrueType)"},
                                                {false, "ms_sans_serif.ttf"}}}};

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string SystemFontsFolder() {
  std::array<char, MAX_PATH> path{};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_FONTS, nullptr, SHGFP_TYPE_CURRENT, path.data()))) {
    return path.data();
  }
  const UINT length = GetWindowsDirectoryA(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return "C:\\Windows\\Fonts";
  return std::string(path.data(), length) + "\\Fonts";
}

// Wine names its data folder in the environment of every program it runs, as
// an NT path ("\??\Z:\usr\share\wine"); its fonts lie in "fonts" below it.
std::optional<std::string> WineFontsFolder() {
  std::array<char, MAX_PATH> value{};
  const DWORD length =
      GetEnvironmentVariableA("WINEDATADIR", value.data(), static_cast<DWORD>(value.size()));
  if (length == 0 || length >= value.size()) return std::nullopt;
  std::string_view folder(value.data(), length);
  constexpr std::string_view kNtPrefix = "\\??\\";
  if (folder.starts_with(kNtPrefix)) folder.remove_prefix(kNtPrefix.size());
  return std::string(folder) + "\\fonts";
}

const StyleSources* SourcesFor(std::string_view family, bool bold, bool italic) {
  if (SameFamily(family, kArialFamily)) {
    for (const StyleSources& style : kArialSources) {
      if (style.bold == bold && style.italic == italic) return &style;
    }
  }
  if (SameFamily(family, kMsSansSerifFamily) && !bold && !italic) return &kMsSansSerifSources;
  return nullptr;
}

bool IsAbsolute(std::string_view path) {
  return path.starts_with("\\") || (path.size() > 1 && path[1] == ':');
}

}  // namespace

Win32FontFiles::Win32FontFiles() : fontsFolder_(SystemFontsFolder()), folders_{fontsFolder_} {
  if (auto wine = WineFontsFolder()) folders_.push_back(std::move(*wine));
}

std::optional<FontFile> Win32FontFiles::Find(std::string_view family, bool bold,
                                             bool italic) const {
  const StyleSources* style = SourcesFor(family, bold, italic);
  if (style == nullptr) return std::nullopt;
  for (const Source& source : style->sources) {
    if (source.name.empty()) continue;
    auto path = source.listed ? Listed(source.name) : InFolders(source.name);
    if (path) return FontFile{std::move(*path), bold, italic};
  }
  return std::nullopt;
}

std::optional<std::string> Win32FontFiles::InFolders(std::string_view fileName) const {
  for (const std::string& folder : folders_) {
    std::string path = folder + "\\" + std::string(fileName);
    if (IsFile(path)) return path;
  }
  return std::nullopt;
}

// The list gives a file name in the Fonts folder, or a full path.
std::optional<std::string> Win32FontFiles::Listed(std::string_view fontName) const {
  std::array<char, MAX_PATH> value{};
  auto size = static_cast<DWORD>(value.size());
  const std::string name(fontName);
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kFontListKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                   value.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::string listed(value.data());
  std::string path = IsAbsolute(listed) ? listed : fontsFolder_ + "\\" + listed;
  if (!IsFile(path)) return std::nullopt;
  return path;
}

std::unique_ptr<FontFiles> MakeSystemFontFiles() { return std::make_unique<Win32FontFiles>(); }

}  // namespace talvora

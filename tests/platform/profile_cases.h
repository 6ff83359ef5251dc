#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/profile.h"

namespace talvora {

// One read of a profile file. The expected bytes are what the Windows service
// answers, so every implementation is held to the same table.
struct ProfileCase {
  const char* what;
  std::optional<std::string> content;  // bytes of the file read; nullopt: no such file
  std::string expected;
  std::string section;
  std::string key;
  std::string defaultText;
  std::size_t bufferSize;
  std::string otherFile;  // bytes of a second file in the same folder, when not empty

  ProfileCase Section(std::string name) && { return With(&ProfileCase::section, std::move(name)); }
  ProfileCase Key(std::string name) && { return With(&ProfileCase::key, std::move(name)); }
  ProfileCase Default(std::string text) && {
    return With(&ProfileCase::defaultText, std::move(text));
  }
  ProfileCase Buffer(std::size_t size) && { return With(&ProfileCase::bufferSize, size); }
  ProfileCase Beside(std::string bytes) && {
    return With(&ProfileCase::otherFile, std::move(bytes));
  }

  friend std::ostream& operator<<(std::ostream& out, const ProfileCase& c) { return out << c.what; }

 private:
  template <typename Field>
  ProfileCase With(Field ProfileCase::*field, Field value) {
    this->*field = std::move(value);
    return std::move(*this);
  }
};

std::vector<ProfileCase> ProfileCases();

// An implementation to run the table against.
struct ProfileUnderTest {
  const char* name;
  std::unique_ptr<ProfileService> (*make)();

  friend std::ostream& operator<<(std::ostream& out, const ProfileUnderTest& p) {
    return out << p.name;
  }
};

template <typename Service>
ProfileUnderTest Under(const char* name) {
  return {name, []() -> std::unique_ptr<ProfileService> { return std::make_unique<Service>(); }};
}

// Instantiated once per implementation, with ProfileCases().
class ProfileTableTest : public testing::TestWithParam<std::tuple<ProfileUnderTest, ProfileCase>> {
};

// What the service copies, read into fresh storage.
std::string CopiedValue(const ProfileService& profile, std::string_view section,
                        std::string_view key, std::string_view defaultText,
                        std::size_t bufferSize, const std::filesystem::path& file);

// Instantiated once per implementation.
class ProfilePathTest : public testing::TestWithParam<ProfileUnderTest> {};

}  // namespace talvora

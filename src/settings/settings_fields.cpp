#include "settings/settings_fields.h"

#include "common/number_text.h"
#include "common/rounding.h"

namespace talvora {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::int32_t Limited(const IntegerField& field, std::int32_t value) {
  if (value < field.minimum) return field.belowMinimum;
  if (value > field.maximum) return field.aboveMaximum;
  return value;
}

}  // namespace

void ReadField(const PersistedField& field, std::string_view stored, Settings& settings) {
  std::visit(Overloaded{
                 [&](const IntegerField& f) {
                   settings.*f.member = Limited(f, RoundToInt32(LeadingNumber(stored)));
                 },
                 [&](const BooleanField& f) {
                   settings.*f.member = stored.empty() ? f.emptyReadsAs : stored == "TRUE";
                 },
                 [&](const TextField& f) {
                   settings.*f.member =
                       stored.empty() ? std::string(f.defaultText) : std::string(stored);
                 },
             },
             field.kind);
}

std::string StoredText(const PersistedField& field, const Settings& settings) {
  return std::visit(
      Overloaded{
          [&](const IntegerField& f) { return std::to_string(settings.*f.member); },
          [&](const BooleanField& f) { return std::string(settings.*f.member ? "TRUE" : "FALSE"); },
          [&](const TextField& f) { return settings.*f.member; },
      },
      field.kind);
}

}  // namespace talvora

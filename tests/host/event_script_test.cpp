#include "host/headless/event_script.h"

#include <gtest/gtest.h>

#include <ostream>

namespace talvora {
namespace {

using Kind = ScriptEvent::Kind;

struct ControlEventCase {
  const char* line;
  Kind kind;
  const char* control;
  std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const ControlEventCase& c) { return out << c.line; }

class ControlEventTest : public ::testing::TestWithParam<ControlEventCase> {};

TEST_P(ControlEventTest, NamesItsControl) {
  const ParsedEventScript parsed = ParseEventScript(GetParam().line);
  ASSERT_EQ(parsed.error, "");
  ASSERT_EQ(parsed.events.size(), 1u);
  EXPECT_EQ(parsed.events[0].atMs, 250);
  EXPECT_EQ(parsed.events[0].kind, GetParam().kind);
  EXPECT_EQ(parsed.events[0].control, GetParam().control);
  EXPECT_EQ(parsed.events[0].value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ControlEventTest,
    ::testing::Values(ControlEventCase{"250 click Option1(2)", Kind::kClickControl, "Option1(2)",
                                       0},
                      ControlEventCase{"250 click cmdOK", Kind::kClickControl, "cmdOK", 0},
                      ControlEventCase{"250 hover lblDescription(3)", Kind::kHoverControl,
                                       "lblDescription(3)", 0},
                      ControlEventCase{"250 slide Slider1(1) 12", Kind::kSlide, "Slider1(1)", 12},
                      ControlEventCase{"250 SLIDE Slider1 -3", Kind::kSlide, "Slider1", -3}));

TEST(EventScriptTest, AClickAtANumberIsStillAClickAtAPoint) {
  const ParsedEventScript parsed = ParseEventScript("10 click 40 50\n20 click -1 2\n");
  ASSERT_EQ(parsed.events.size(), 2u);
  EXPECT_EQ(parsed.events[0].kind, Kind::kClick);
  EXPECT_EQ(parsed.events[0].x, 40);
  EXPECT_EQ(parsed.events[1].kind, Kind::kClick);
  EXPECT_EQ(parsed.events[1].x, -1);
}

struct BadLineCase {
  const char* script;
  const char* error;
};

std::ostream& operator<<(std::ostream& out, const BadLineCase& c) { return out << c.script; }

class BadControlEventTest : public ::testing::TestWithParam<BadLineCase> {};

TEST_P(BadControlEventTest, IsRefusedWithItsLine) {
  const ParsedEventScript parsed = ParseEventScript(GetParam().script);
  EXPECT_EQ(parsed.error, GetParam().error);
  EXPECT_TRUE(parsed.events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadControlEventTest,
    ::testing::Values(BadLineCase{"1 hover", "line 1: hover needs a control name"},
                      BadLineCase{"1 click\n", "line 1: click needs a control name"},
                      BadLineCase{"1 click cmdOK\n2 slide Slider1",
                                  "line 2: slide needs a control name and a value"},
                      BadLineCase{"1 slide Slider1 many",
                                  "line 1: slide needs a control name and a value"},
                      BadLineCase{"1 click cmdOK twice", "line 1: unexpected 'twice'"}));

}  // namespace
}  // namespace talvora

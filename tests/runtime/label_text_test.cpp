#include "runtime/text/label_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/fake/fixed_font_files.h"
#include "platform/font_files.h"
#include "runtime/text/font_face.h"

namespace talvora {
namespace {

constexpr Pixel kPaper = Rgb(0, 0, 128);
constexpr Pixel kInk = kWhite;

const FontSpec kArial8{"Arial", 8.25};
const FontSpec kArial8Bold{"Arial", 8.25, true};
const FontSpec kArialDate{"Arial", 6.75};
const FontSpec kArialTitle{"Arial", 20.25, true, true};
const FontSpec kArialLink{"Arial", 8.25, true, false, true};
const FontSpec kSans8{"MS Sans Serif", 8.25};
const FontSpec kSans8Bold{"MS Sans Serif", 8.25, true};
const FontSpec kSans12Bold{"MS Sans Serif", 12, true};

std::string Describe(const FontSpec& f) {
  std::ostringstream out;
  out << f.family << " " << f.pointSize << (f.bold ? " bold" : "") << (f.italic ? " italic" : "")
      << (f.underline ? " underlined" : "");
  return out.str();
}

std::string_view NameOf(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::kLeft:
      return "left";
    case TextAlignment::kRight:
      return "right";
    case TextAlignment::kCenter:
      return "centred";
  }
  return "?";
}

// What a drawing left on the paper: the box around the changed pixels and how
// much ink (red, which the paper has none of) they hold.
struct Ink {
  PixelRect box;
  long amount = 0;
  bool Empty() const { return amount == 0; }
};

// Rows from top to bottom only, when they are given.
Ink InkOf(const Surface& s, int firstRow = 0, std::optional<int> endRow = std::nullopt) {
  Ink ink;
  int right = 0;
  int bottom = 0;
  PixelRect& box = ink.box;
  box = {s.Width(), s.Height(), 0, 0};
  const int end = std::min(endRow.value_or(s.Height()), s.Height());
  for (int y = std::max(firstRow, 0); y < end; ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if (s.At(x, y) == kPaper) continue;
      ink.amount += RedOf(s.At(x, y));
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      right = std::max(right, x + 1);
      bottom = std::max(bottom, y + 1);
    }
  }
  if (ink.amount == 0) return {};
  box.width = right - box.left;
  box.height = bottom - box.top;
  return ink;
}

// The ink's horizontal centre of gravity in rows [top, bottom).
double InkCentre(const Surface& s, int top, int bottom) {
  double weighted = 0;
  double total = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, s.Height()); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      weighted += x * RedOf(s.At(x, y));
      total += RedOf(s.At(x, y));
    }
  }
  return total > 0 ? weighted / total : -1;
}

class LabelTextTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(renderer_.Resolve(kArial8))
        << "no Arial or stand-in found (Debian: install fonts-liberation)";
  }

  Surface Drawn(std::string_view text, const FontSpec& font, const PixelRect& label,
                TextAlignment alignment = TextAlignment::kLeft) {
    Surface s(240, 90, kPaper);
    EXPECT_TRUE(DrawLabelText(s, label, text, font, kInk, alignment, renderer_));
    return s;
  }

  TextExtent Measured(std::string_view text, const FontSpec& font,
                      std::optional<int> wrap = std::nullopt) {
    const auto extent = MeasureText(text, font, renderer_, wrap);
    EXPECT_TRUE(extent) << Describe(font);
    return extent.value_or(TextExtent{});
  }

  std::unique_ptr<FontFiles> files_ = MakeSystemFontFiles();
  TextRenderer renderer_{*files_};
};

struct FontCase {
  FontSpec font;
  TextAlignment alignment = TextAlignment::kLeft;
  friend std::ostream& operator<<(std::ostream& out, const FontCase& c) {
    return out << Describe(c.font) << ", " << NameOf(c.alignment);
  }
};

class LabelTextClipTest : public LabelTextTest, public testing::WithParamInterface<FontCase> {};

TEST_P(LabelTextClipTest, DrawsInsideTheLabelOnly) {
  const std::string text = "Resultados da França 98: Créditos, 3º Lugar, Seleção";
  for (const PixelRect label :
       {PixelRect{30, 20, 90, 20}, PixelRect{-12, -6, 60, 30}, PixelRect{200, 70, 80, 40}}) {
    const Surface s = Drawn(text, GetParam().font, label, GetParam().alignment);
    const Ink ink = InkOf(s);
    ASSERT_FALSE(ink.Empty()) << label.left;
    EXPECT_EQ(Intersection(ink.box, label), ink.box) << label.left;
  }
}

INSTANTIATE_TEST_SUITE_P(Fonts, LabelTextClipTest,
                         testing::Values(FontCase{kArial8}, FontCase{kArialDate},
                                         FontCase{kArialTitle, TextAlignment::kCenter},
                                         FontCase{kArialLink, TextAlignment::kRight},
                                         FontCase{kSans8, TextAlignment::kCenter},
                                         FontCase{kSans12Bold}));

class LabelTextAlignTest : public LabelTextTest, public testing::WithParamInterface<FontCase> {};

TEST_P(LabelTextAlignTest, AlignsEachLineInTheLabel) {
  const FontSpec& font = GetParam().font;
  const PixelRect label{10, 5, 193, 40};
  const int width = Measured("Final", font).width;
  const Ink left = InkOf(Drawn("Final", font, label, TextAlignment::kLeft));
  const Ink centred = InkOf(Drawn("Final", font, label, TextAlignment::kCenter));
  const Ink right = InkOf(Drawn("Final", font, label, TextAlignment::kRight));
  EXPECT_NEAR(centred.box.left - left.box.left, (label.width - width) / 2.0, 1.0);
  EXPECT_EQ(right.box.left - left.box.left, label.width - width);
  EXPECT_EQ(centred.box.top, left.box.top);
  const double inkMiddle = centred.box.left + centred.box.width / 2.0;
  EXPECT_NEAR(inkMiddle, label.left + label.width / 2.0, 1.5);
}

TEST_P(LabelTextAlignTest, CentresEachLineOfAWrappedText) {
  const FontSpec& font = GetParam().font;
  const int lineHeight = renderer_.Resolve(font)->metrics.lineHeight;
  const PixelRect label{10, 0, Measured("Velocidade", font).width + 10, 3 * lineHeight};
  const Surface s = Drawn("Máxima Velocidade", font, label, TextAlignment::kCenter);
  const double middle = label.left + label.width / 2.0;
  const auto inkMiddle = [&s](int top, int bottom) {
    const PixelRect box = InkOf(s, top, bottom).box;
    return box.left + box.width / 2.0;
  };
  EXPECT_NEAR(inkMiddle(0, lineHeight), middle, 1.5);
  EXPECT_NEAR(inkMiddle(lineHeight, 2 * lineHeight), middle, 1.5);
  EXPECT_EQ(InkCentre(s, 2 * lineHeight, 3 * lineHeight), -1);  // two lines only
}

INSTANTIATE_TEST_SUITE_P(Fonts, LabelTextAlignTest,
                         testing::Values(FontCase{kArial8Bold}, FontCase{kSans8},
                                         FontCase{kArialTitle}));

TEST_F(LabelTextTest, WrapsAtBlanksInsideTheLabelWidth) {
  const std::string text = "De todas as Copas do Mundo, de 1930 no Uruguai até os dias de hoje.";
  const int lineHeight = Measured("x", kSans8).height;
  const TextExtent wide = Measured(text, kSans8, 1000);
  const TextExtent label = Measured(text, kSans8, 177);
  const TextExtent narrow = Measured(text, kSans8, 60);
  EXPECT_EQ(wide.height, lineHeight);
  EXPECT_GE(label.height, 2 * lineHeight);
  EXPECT_GT(narrow.height, label.height);
  EXPECT_LE(label.width, 177);
  EXPECT_LE(narrow.width, 60);

  const Ink oneLine = InkOf(Drawn(text, kSans8, {0, 0, 240, 90}));
  const Ink wrapped = InkOf(Drawn(text, kSans8, {0, 0, 60, 90}));
  EXPECT_GT(wrapped.box.height, 2 * oneLine.box.height);
}

TEST_F(LabelTextTest, BreaksAWordWiderThanTheLabel) {
  const TextExtent whole = Measured("Semifinais", kArial8Bold);
  EXPECT_EQ(Measured("Semifinais", kArial8Bold, whole.width), whole);
  const TextExtent broken = Measured("Semifinais", kArial8Bold, whole.width - 1);
  EXPECT_EQ(broken.height, 2 * whole.height);
  EXPECT_EQ(broken.width, Measured("Semifinai", kArial8Bold).width);
  EXPECT_GE(Measured("Semifinais", kArial8Bold, whole.width / 3).height, 3 * whole.height);
}

TEST_F(LabelTextTest, StartsANewLineAtEachLineBreak) {
  for (const std::string text : {"Dia\r\nHora", "Dia\nHora", "Dia\rHora"}) {
    const TextExtent extent = Measured(text, kArial8);
    EXPECT_EQ(extent.height, 2 * Measured("Dia", kArial8).height) << text;
    EXPECT_EQ(extent.width, Measured("Hora", kArial8).width) << text;
  }
  // The break itself draws nothing.
  const Ink broken = InkOf(Drawn("Dia\r\n", kArial8, {0, 0, 240, 90}));
  EXPECT_EQ(broken.amount, InkOf(Drawn("Dia", kArial8, {0, 0, 240, 90})).amount);
}

class LabelTextBoldTest : public LabelTextTest, public testing::WithParamInterface<FontCase> {};

TEST_P(LabelTextBoldTest, BoldIsWiderAndDarker) {
  FontSpec bold = GetParam().font;
  bold.bold = true;
  const std::string text = "Bolas voadoras";
  EXPECT_GT(Measured(text, bold).width, Measured(text, GetParam().font).width);
  const PixelRect label{0, 0, 240, 40};
  EXPECT_GT(InkOf(Drawn(text, bold, label)).amount,
            InkOf(Drawn(text, GetParam().font, label)).amount * 5 / 4);
}

INSTANTIATE_TEST_SUITE_P(Fonts, LabelTextBoldTest,
                         testing::Values(FontCase{kArial8}, FontCase{kSans8},
                                         FontCase{{"Arial", 12}}, FontCase{{"MS Sans Serif", 12}}));

class LabelTextItalicTest : public LabelTextTest, public testing::WithParamInterface<FontCase> {};

TEST_P(LabelTextItalicTest, ItalicLeansRight) {
  FontSpec italic = GetParam().font;
  italic.italic = true;
  const PixelRect label{20, 10, 100, 40};
  const auto lean = [&](const FontSpec& font) {
    const Surface s = Drawn("l", font, label);
    const PixelRect box = InkOf(s).box;
    return InkCentre(s, box.top, box.top + 3) - InkCentre(s, box.Bottom() - 3, box.Bottom());
  };
  EXPECT_NEAR(lean(GetParam().font), 0, 0.5);
  EXPECT_GT(lean(italic), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Fonts, LabelTextItalicTest,
                         testing::Values(FontCase{{"Arial", 12}}, FontCase{{"MS Sans Serif", 12}},
                                         FontCase{{"MS Sans Serif", 12, true}}));

class LabelTextAccentTest : public LabelTextTest, public testing::WithParamInterface<FontCase> {};

TEST_P(LabelTextAccentTest, DrawsPortugueseCharacters) {
  const FontSpec& font = GetParam().font;
  const PixelRect label{10, 10, 200, 60};
  const Ink plain = InkOf(Drawn("e", font, label));
  const Ink accented = InkOf(Drawn("é", font, label));
  ASSERT_FALSE(accented.Empty());
  EXPECT_LT(accented.box.top, plain.box.top);  // the accent stands above the letter
  EXPECT_GT(accented.amount, plain.amount);
  const Ink cedilla = InkOf(Drawn("ç", font, label));
  EXPECT_GT(cedilla.box.Bottom(), InkOf(Drawn("c", font, label)).box.Bottom());
  EXPECT_FALSE(InkOf(Drawn("º", font, label)).Empty());
  EXPECT_GT(Measured("Créditos", font).width, Measured("Crditos", font).width);
}

INSTANTIATE_TEST_SUITE_P(Fonts, LabelTextAccentTest,
                         testing::Values(FontCase{kArial8}, FontCase{kArialTitle},
                                         FontCase{kSans8}));

TEST_F(LabelTextTest, MeasuresGrowWithThePointSize) {
  for (const std::string family : {"Arial", "MS Sans Serif"}) {
    TextExtent previous;
    for (const double size : {6.75, 10.0, 12.0, 20.25}) {
      const TextExtent extent = Measured("3º Lugar", {family, size});
      EXPECT_GT(extent.width, previous.width) << family << " " << size;
      EXPECT_GT(extent.height, previous.height) << family << " " << size;
      previous = extent;
    }
  }
  EXPECT_EQ(EmPixels(8.25), 11);
  EXPECT_EQ(EmPixels(6.75), 9);
  EXPECT_EQ(EmPixels(20.25), 27);
  EXPECT_EQ(EmPixels(10), 13);
}

TEST_F(LabelTextTest, UnderlinesTheTextWidth) {
  const PixelRect label{10, 10, 200, 20};
  const auto longestInkRow = [&](const FontSpec& font) {
    const Surface s = Drawn("Email: contato", font, label);
    int longest = 0;
    for (int y = 0; y < s.Height(); ++y) {
      const auto row = s.Row(y);
      longest = std::max(longest, static_cast<int>(std::count(row.begin(), row.end(), kInk)));
    }
    return longest;
  };
  FontSpec plain = kArialLink;
  plain.underline = false;
  const int width = Measured("Email: contato", kArialLink).width;
  EXPECT_EQ(longestInkRow(kArialLink), width);
  EXPECT_LT(longestInkRow(plain), width / 2);
}

TEST_F(LabelTextTest, DrawingAgainGivesTheSamePixelsFromTheCache) {
  const std::string text = "Brasil 2 x 1 Escócia";
  const Surface first = Drawn(text, kArial8Bold, {2, 68, 193, 13});
  const TextCacheStats afterFirst = renderer_.Stats();
  const Surface second = Drawn(text, kArial8Bold, {2, 68, 193, 13});
  EXPECT_EQ(first, second);
  EXPECT_EQ(renderer_.Stats().glyphsRasterized, afterFirst.glyphsRasterized);
  EXPECT_EQ(renderer_.Stats().fontFilesRead, afterFirst.fontFilesRead);
  EXPECT_GT(afterFirst.glyphsRasterized, 0);
}

TEST_F(LabelTextTest, SizesOfOneFaceShareItsFile) {
  TextRenderer fresh(*files_);
  ASSERT_TRUE(MeasureText("Final", {"Arial", 8.25}, fresh));
  ASSERT_TRUE(MeasureText("Final", {"Arial", 20.25}, fresh));
  EXPECT_EQ(fresh.Stats().fontFilesRead, 1);
}

TEST_F(LabelTextTest, AnUnknownFamilyDrawsWithArial) {
  const FontSpec other{"Comic Sans MS", 8.25};
  EXPECT_EQ(renderer_.Resolve(other)->face, renderer_.Resolve(kArial8)->face);
  EXPECT_EQ(Drawn("Final", other, {0, 0, 100, 20}), Drawn("Final", kArial8, {0, 0, 100, 20}));
}

TEST_F(LabelTextTest, ABitmapFaceDrawsWholePixels) {
  const auto file = files_->Find(kMsSansSerifFamily, false, false);
  if (!file) GTEST_SKIP() << "the system has no MS Sans Serif";
  std::ifstream in(file->path, std::ios::binary);
  auto face = FontFace::FromBytes({std::istreambuf_iterator<char>(in), {}});
  ASSERT_TRUE(face);
  if (face->HasOutlines()) GTEST_SKIP() << file->path << " is an outline font";
  for (const FontSpec& font : {kSans8, kSans8Bold, kSans12Bold}) {
    const Surface s = Drawn("Créditos 3º", font, {0, 0, 200, 30});
    EXPECT_TRUE(std::ranges::all_of(s.Pixels(), [](Pixel p) { return p == kPaper || p == kInk; }))
        << Describe(font);
  }
}

// Font files that are missing, damaged or no fonts at all.
class BadFontFileTest : public testing::Test {
 protected:
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove(notAFont_, ignored);
    std::filesystem::remove(truncated_, ignored);
  }

  std::string Write(const std::filesystem::path& path, const std::vector<char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  bool Draws(const FontFiles& files, const FontSpec& font, Surface& s) {
    TextRenderer renderer(files);
    return DrawLabelText(s, s.Bounds(), "Créditos", font, kInk, TextAlignment::kLeft, renderer);
  }

  const std::filesystem::path temp_ = std::filesystem::temp_directory_path();
  const std::filesystem::path notAFont_ = temp_ / "talvora-label-text-not-a-font.ttf";
  const std::filesystem::path truncated_ = temp_ / "talvora-label-text-truncated.ttf";
};

TEST_F(BadFontFileTest, DrawsNothingWhenNoFileServes) {
  std::ifstream real(MakeSystemFontFiles()->Find(kArialFamily, false, false).value().path,
                     std::ios::binary);
  std::vector<char> start(4000);
  real.read(start.data(), static_cast<std::streamsize>(start.size()));
  const std::string notAFont = "not a font, only text";

  for (const std::string& path :
       {std::string("/no/such/folder/arial.ttf"),
        Write(notAFont_, std::vector<char>(notAFont.begin(), notAFont.end())),
        Write(truncated_, start)}) {
    FixedFontFiles files;
    files.Add("Arial", {path});
    files.Add("MS Sans Serif", {path});
    for (const FontSpec& font : {kArial8, kSans8Bold, FontSpec{"Other", 10, true}}) {
      Surface s(60, 20, kPaper);
      EXPECT_FALSE(Draws(files, font, s)) << path << ", " << Describe(font);
      EXPECT_EQ(s, Surface(60, 20, kPaper));
      TextRenderer renderer(files);
      EXPECT_FALSE(MeasureText("x", font, renderer));
    }
  }
}

TEST_F(BadFontFileTest, FallsBackToAnotherFileThatServes) {
  const auto system = MakeSystemFontFiles();
  FixedFontFiles files;
  files.Add("MS Sans Serif", {"/no/such/folder/ms_sans_serif.ttf"});
  files.Add("Arial", {"/no/such/folder/arialbd.ttf", true});
  files.Add("Arial", system->Find(kArialFamily, false, false).value());

  Surface fallback(80, 20, kPaper);
  EXPECT_TRUE(Draws(files, kSans8Bold, fallback));
  EXPECT_FALSE(InkOf(fallback).Empty());

  // The regular face stands in for the missing bold one, made bold.
  TextRenderer renderer(files);
  const auto bold = renderer.Resolve(kArial8Bold);
  ASSERT_TRUE(bold);
  EXPECT_TRUE(bold->emboldened);
  EXPECT_FALSE(bold->slanted);
}

TEST(FontFace, RefusesBytesThatAreNoFont) {
  EXPECT_FALSE(FontFace::FromBytes({}));
  EXPECT_FALSE(FontFace::FromBytes({0, 1, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0}));
  std::vector<std::uint8_t> directoryOnly = {0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
  for (const char c : std::string("cmap")) directoryOnly.push_back(static_cast<std::uint8_t>(c));
  directoryOnly.resize(directoryOnly.size() + 12, 0xFF);  // a table far past the end
  EXPECT_FALSE(FontFace::FromBytes(directoryOnly));
}

}  // namespace
}  // namespace talvora

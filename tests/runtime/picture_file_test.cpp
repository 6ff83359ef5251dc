#include "runtime/graphics/picture_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "runtime/graphics/stb_codecs.h"
#include "runtime/graphics/surface.h"

namespace talvora {
namespace {

using Bytes = std::vector<unsigned char>;

void AppendTo(void* context, void* data, int size) {
  auto& out = *static_cast<Bytes*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out.insert(out.end(), bytes, bytes + size);
}

void AppendLe(Bytes& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// 16 x 8 pixels: the left 8 x 8 block one colour, the right one another, so that even JPEG keeps
// each colour nearly exact.
constexpr int kTwoToneWidth = 16;
constexpr int kTwoToneHeight = 8;
constexpr Pixel kLeftTone = Rgb(200, 40, 90);
constexpr Pixel kRightTone = Rgb(20, 180, 240);

Surface TwoTone() {
  Surface surface(kTwoToneWidth, kTwoToneHeight, kLeftTone);
  surface.FillRect({8, 0, 8, 8}, kRightTone);
  return surface;
}

Bytes Rgb24(const Surface& surface) {
  Bytes rgb;
  for (const Pixel p : surface.Pixels()) rgb.insert(rgb.end(), {RedOf(p), GreenOf(p), BlueOf(p)});
  return rgb;
}

Bytes TwoToneBmp() {
  Bytes out;
  stbi_write_bmp_to_func(&AppendTo, &out, kTwoToneWidth, kTwoToneHeight, 3,
                         Rgb24(TwoTone()).data());
  return out;
}

Bytes TwoTonePng() {
  Bytes out;
  stbi_write_png_to_func(&AppendTo, &out, kTwoToneWidth, kTwoToneHeight, 3, Rgb24(TwoTone()).data(),
                         kTwoToneWidth * 3);
  return out;
}

Bytes TwoToneJpeg() {
  Bytes out;
  stbi_write_jpg_to_func(&AppendTo, &out, kTwoToneWidth, kTwoToneHeight, 3, Rgb24(TwoTone()).data(),
                         100);
  return out;
}

// Two pixels with alpha: half-covered white and fully transparent colour.
Bytes TranslucentPng() {
  const unsigned char rgba[] = {255, 255, 255, 128, 10, 20, 30, 0};
  Bytes out;
  stbi_write_png_to_func(&AppendTo, &out, 2, 1, 4, rgba, 8);
  return out;
}

// A 2 x 2 GIF89a written by hand: a four-colour table (red, green, blue, white) and one image whose
// LZW stream holds the codes clear, 0, 1, 2 in 3 bits, then 3 and end in 4 bits (the code width
// grows once the table reaches 8 entries).
Bytes FourColourGif() {
  return {'G',  'I',  'F',  '8',  '9',  'a',      // signature
          2,    0,    2,    0,    0x81, 0,    0,  // screen 2 x 2, 4-colour table
          0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,  // colours
          0x2C, 0,    0,    0,    0,    2,    0,    2,    0,    0,  // image at 0,0, 2 x 2
          2,    3,    0x44, 0x34, 0x05, 0,                          // LZW width 2, one data block
          0x3B};                                                    // trailer
}

Surface FourColours() {
  Surface surface(2, 2);
  surface.At(0, 0) = Rgb(255, 0, 0);
  surface.At(1, 0) = Rgb(0, 255, 0);
  surface.At(0, 1) = Rgb(0, 0, 255);
  surface.At(1, 1) = kWhite;
  return surface;
}

// The two-tone PNG with an empty IDAT chunk in front of its data, as some writers leave one.
Bytes TwoTonePngWithEmptyDataChunk() {
  Bytes out = TwoTonePng();
  const Bytes data_type = {'I', 'D', 'A', 'T'};
  const auto type = std::search(out.begin(), out.end(), data_type.begin(), data_type.end());
  const Bytes empty_chunk = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
  out.insert(type - 4, empty_chunk.begin(), empty_chunk.end());
  return out;
}

// A BMP header that claims 100000 x 100000 pixels of 24 bits and holds none of them.
Bytes HugeBmpHeader() {
  Bytes out = {'B', 'M'};
  AppendLe(out, 54, 4);  // file size
  AppendLe(out, 0, 4);   // reserved
  AppendLe(out, 54, 4);  // offset of the pixels
  AppendLe(out, 40, 4);  // info header size
  AppendLe(out, 100000, 4);
  AppendLe(out, 100000, 4);
  AppendLe(out, 1, 2);   // planes
  AppendLe(out, 24, 2);  // bits per pixel
  for (int i = 0; i < 6; ++i) AppendLe(out, 0, 4);
  return out;
}

// A valid PNG of noise, cut in the middle of its compressed data.
Bytes TruncatedPng() {
  Surface noise(32, 32);
  std::minstd_rand generator(7);
  for (int y = 0; y < 32; ++y) {
    for (Pixel& p : noise.Row(y)) p = static_cast<Pixel>(generator()) & 0xFFFFFF;
  }
  Bytes out;
  stbi_write_png_to_func(&AppendTo, &out, 32, 32, 3, Rgb24(noise).data(), 32 * 3);
  out.resize(out.size() / 2);
  return out;
}

// A JPEG whose first Huffman table declares 16 x 255 codes, far over the 256 a table can hold.
Bytes OverlongTableJpeg() {
  Bytes out = TwoToneJpeg();
  for (std::size_t at = 0; at + 21 < out.size(); ++at) {
    if (out[at] == 0xFF && out[at + 1] == 0xC4) {
      std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(at) + 5, 16, 0xFF);
      break;
    }
  }
  return out;
}

Bytes Text(std::string_view text) { return {text.begin(), text.end()}; }

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device entropy;
    folder_ = std::filesystem::temp_directory_path() /
              ("talvora-pictures-" + std::to_string(entropy()) + "-" + std::to_string(entropy()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::filesystem::path Write(const std::string& name, const Bytes& bytes) const {
    const std::filesystem::path path = folder_ / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  std::filesystem::path folder_;
};

void ExpectPixelsNear(const Picture& picture, const Surface& expected, int tolerance) {
  ASSERT_EQ(picture.Width(), expected.Width());
  ASSERT_EQ(picture.Height(), expected.Height());
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const Pixel got = picture.At(x, y);
      const Pixel want = expected.At(x, y);
      EXPECT_EQ(got >> 24, 0u) << "at " << x << "," << y;
      EXPECT_NEAR(RedOf(got), RedOf(want), tolerance) << "at " << x << "," << y;
      EXPECT_NEAR(GreenOf(got), GreenOf(want), tolerance) << "at " << x << "," << y;
      EXPECT_NEAR(BlueOf(got), BlueOf(want), tolerance) << "at " << x << "," << y;
    }
  }
}

struct FormatCase {
  std::string name;
  Bytes (*file)();
  Surface (*expected)();
  int tolerance;
  friend std::ostream& operator<<(std::ostream& out, const FormatCase& c) { return out << c.name; }
};

class LoadFormats : public TempFolder, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(LoadFormats, ReadsThePixels) {
  const FormatCase& c = GetParam();
  const PictureLoadResult loaded = LoadPicture(Write(c.name + ".pic", c.file()));
  ASSERT_TRUE(loaded.picture) << loaded.error;
  EXPECT_EQ(loaded.error, "");
  ExpectPixelsNear(*loaded.picture, c.expected(), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LoadFormats,
    ::testing::Values(
        FormatCase{"bmp", &TwoToneBmp, &TwoTone, 0}, FormatCase{"png", &TwoTonePng, &TwoTone, 0},
        FormatCase{"png_empty_data_chunk", &TwoTonePngWithEmptyDataChunk, &TwoTone, 0},
        FormatCase{"jpeg", &TwoToneJpeg, &TwoTone, 3},
        FormatCase{"gif", &FourColourGif, &FourColours, 0},
        // Translucent pixels are laid over black: half of white, and nothing of the colour.
        FormatCase{"png_alpha", &TranslucentPng,
                   [] {
                     Surface s(2, 1);
                     s.At(0, 0) = Rgb(128, 128, 128);
                     return s;
                   },
                   0}),
    [](const auto& param_info) { return param_info.param.name; });

struct FailureCase {
  std::string name;
  std::optional<Bytes> content;  // none: the file does not exist
  std::string error_part;
  friend std::ostream& operator<<(std::ostream& out, const FailureCase& c) { return out << c.name; }
};

class LoadFailures : public TempFolder, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LoadFailures, GiveAnErrorAndNoPicture) {
  const FailureCase& c = GetParam();
  const std::filesystem::path path =
      c.content ? Write(c.name + ".pic", *c.content) : folder_ / "missing.bmp";
  const PictureLoadResult loaded = LoadPicture(path);
  EXPECT_FALSE(loaded.picture);
  EXPECT_NE(loaded.error.find(c.error_part), std::string::npos) << loaded.error;
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFailures,
    ::testing::Values(FailureCase{"missing", std::nullopt, "no such file"},
                      FailureCase{"empty", Bytes{}, "empty"},
                      FailureCase{"text", Text("[1]\r\nLIGADO=1\r\nTEMPO=5000\r\n"), "not a BMP"},
                      FailureCase{"truncated_png", TruncatedPng(), "damaged"},
                      FailureCase{"overlong_jpeg_table", OverlongTableJpeg(), "JPEG table"},
                      // Refused from the header alone: nothing near 30 GB is ever allocated.
                      FailureCase{"huge_bmp", HugeBmpHeader(), "100000 x 100000"}),
    [](const auto& param_info) { return param_info.param.name; });

TEST_F(TempFolder, AFolderIsNoPicture) {
  const PictureLoadResult loaded = LoadPicture(folder_);
  EXPECT_FALSE(loaded.picture);
  EXPECT_NE(loaded.error.find("not a file"), std::string::npos) << loaded.error;
}

TEST_F(TempFolder, AFileOverTheSizeCapIsNotRead) {
  const std::filesystem::path path = Write("big.bmp", TwoToneBmp());
  std::filesystem::resize_file(path, kMaxPictureFileBytes + 1);
  const PictureLoadResult loaded = LoadPicture(path);
  EXPECT_FALSE(loaded.picture);
  EXPECT_NE(loaded.error.find("larger than 64 MiB"), std::string::npos) << loaded.error;
}

TEST(DecodePicture, RefusesSidesAndAreasOverTheCaps) {
  const std::uint32_t sizes[][2] = {
      {kMaxPictureSide + 1, 1}, {1, kMaxPictureSide + 1}, {kMaxPictureSide, kMaxPictureSide}};
  for (const auto& size : sizes) {
    Bytes header = HugeBmpHeader();
    for (int i = 0; i < 4; ++i) {
      header[18 + static_cast<std::size_t>(i)] = static_cast<unsigned char>(size[0] >> (8 * i));
      header[22 + static_cast<std::size_t>(i)] = static_cast<unsigned char>(size[1] >> (8 * i));
    }
    const PictureLoadResult decoded = DecodePicture(header);
    EXPECT_FALSE(decoded.picture);
    EXPECT_NE(decoded.error.find("over the size limit"), std::string::npos) << decoded.error;
  }
}

// Every cut of every fixture, and every single flipped byte of the small ones: a picture or an
// error, never both, never a crash (the sanitizer builds watch the memory).
TEST(DecodePicture, DamagedBytesFailCleanly) {
  for (const Bytes& whole : {TwoToneBmp(), TwoTonePng(), TwoToneJpeg(), FourColourGif()}) {
    for (std::size_t length = 0; length < whole.size(); ++length) {
      const PictureLoadResult decoded = DecodePicture(std::span(whole).first(length));
      EXPECT_NE(decoded.picture.has_value(), !decoded.error.empty()) << "cut at " << length;
    }
    if (whole.size() > 1000) continue;
    for (std::size_t at = 0; at < whole.size(); ++at) {
      Bytes damaged = whole;
      damaged[at] ^= 0xA5;
      const PictureLoadResult decoded = DecodePicture(damaged);
      EXPECT_NE(decoded.picture.has_value(), !decoded.error.empty()) << "flipped at " << at;
    }
  }
}

// Inputs the fuzzer found faults with (tiny files, kept byte for byte): each decodes to a
// picture or to an error, and the sanitizer builds see no fault on the way.
struct FuzzFinding {
  std::string name;
  Bytes bytes;
  bool loads;
  friend std::ostream& operator<<(std::ostream& out, const FuzzFinding& c) { return out << c.name; }
};

class FuzzFindings : public ::testing::TestWithParam<FuzzFinding> {};

TEST_P(FuzzFindings, DecodeWithoutFault) {
  const PictureLoadResult decoded = DecodePicture(GetParam().bytes);
  EXPECT_EQ(decoded.picture.has_value(), GetParam().loads) << decoded.error;
  EXPECT_NE(decoded.picture.has_value(), !decoded.error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FuzzFindings,
    ::testing::Values(
        // An empty IDAT first: the decoder copied zero bytes to a null pointer.
        FuzzFinding{
            "png_empty_first_data_chunk",
            {0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
             0x44, 0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x03, 0x08, 0x06, 0x00, 0x00,
             0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x49, 0x44, 0x41, 0x54, 0x08,
             0xd7, 0x63, 0x64, 0x68, 0xf8, 0x5f, 0xcf, 0x00, 0x05, 0x26, 0x4c, 0x0c, 0x48, 0xb4,
             0x85, 0x03, 0x5d, 0x2e, 0x01, 0x00, 0x00, 0x04, 0x26, 0x5a, 0x7e, 0x46, 0x00, 0x00,
             0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x08},
            false},
        // A progressive scan naming AC table 3, which no segment defines: the decoder read its
        // never-set table and indexed far outside it.
        FuzzFinding{
            "jpeg_scan_with_undefined_table",
            {0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x01, 0x19, 0x01, 0x00,
             0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x03, 0x02, 0x02,
             0x02, 0x02, 0x02, 0x03, 0x02, 0x02, 0x02, 0x03, 0x03, 0x03, 0x03, 0x04, 0x06, 0x04,
             0x04, 0x04, 0x04, 0x04, 0x08, 0x06, 0x06, 0x05, 0x06, 0x09, 0x08, 0x0a, 0x0a, 0x09,
             0x08, 0x09, 0x09, 0x0a, 0x0c, 0x0f, 0x0c, 0x0a, 0x0b, 0x0e, 0x0b, 0x09, 0x09, 0x0d,
             0x11, 0x0d, 0x0e, 0x0f, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
             0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
             0x10, 0x10, 0xff, 0xc2, 0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x11, 0x03, 0x01, 0x11,
             0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xff, 0xc4, 0x00, 0x15, 0x00, 0x01, 0x01,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x04, 0xff, 0xc4, 0x00, 0x16, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x06, 0xff, 0xda,
             0x00, 0x0c, 0x03, 0x01, 0x00, 0x02, 0x10, 0x03, 0x10, 0x00, 0x00, 0x01, 0x93, 0x29,
             0x71, 0xff, 0xc4, 0x00, 0x15, 0x10, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x17, 0xff, 0xda, 0x00, 0x08,
             0x01, 0x01, 0x00, 0x01, 0x05, 0x02, 0xa2, 0x28, 0x8f, 0xff, 0xc4, 0x00, 0x15, 0x11,
             0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x00, 0x00, 0x14, 0xff, 0xda, 0x00, 0x08, 0x01, 0x01, 0x03, 0x01, 0x3f, 0x01,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x11, 0xc9,
             0xff, 0xda, 0x00, 0x08, 0x01, 0x02, 0x01, 0x01, 0x3f, 0x10, 0xb4, 0x5a, 0x3f, 0xff,
             0xc4, 0x00, 0x15, 0x10, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x71, 0xff, 0xda, 0x00, 0x08, 0x01, 0xff,
             0xd9},
            false},
        // A progressive scan whose bit count went negative: the decoder then shifted a byte by
        // 33 places (left out of the sanitizers' checks for stb, see src/runtime).
        FuzzFinding{
            "jpeg_bit_count_below_zero",
            {0xff, 0xd8, 0xff, 0xe0, 0x00, 0x43, 0x00, 0x03, 0x02, 0x02, 0x02, 0x02, 0x02, 0x03,
             0x02, 0x02, 0x02, 0x03, 0x03, 0x03, 0x03, 0x04, 0x06, 0x04, 0x04, 0x04, 0xf2, 0xff,
             0xff, 0xff, 0x04, 0x04, 0x08, 0x06, 0x06, 0x05, 0x06, 0x09, 0x08, 0x0a, 0x0a, 0x09,
             0x43, 0x01, 0x03, 0x03, 0x03, 0x04, 0x03, 0x04, 0x08, 0x04, 0x04, 0x08, 0x10, 0x0b,
             0x09, 0x0b, 0x10, 0x09, 0x08, 0x0a, 0x0a, 0x09, 0x3f, 0x09, 0x09, 0x0a, 0x0c, 0x0f,
             0x0c, 0x0a, 0x0b, 0x0e, 0x0b, 0x09, 0x09, 0x0d, 0x11, 0x0d, 0x0e, 0x0f, 0x10, 0x10,
             0x11, 0x10, 0x0a, 0x0c, 0x12, 0x13, 0x12, 0x10, 0x13, 0x0f, 0x10, 0x10, 0x10, 0xff,
             0xdb, 0x00, 0x43, 0x01, 0x03, 0x03, 0x03, 0x04, 0x03, 0x04, 0x08, 0x04, 0x04, 0x08,
             0x10, 0x0b, 0x09, 0x0b, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
             0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
             0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
             0x10, 0x10, 0x10, 0x10, 0x7a, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0xff, 0xc2,
             0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x10, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01,
             0x03, 0x11, 0x01, 0xff, 0xda, 0x00, 0x08, 0x01, 0x01, 0x00, 0x01, 0x05, 0x02, 0xa2,
             0x28, 0x8f, 0xff, 0xc4, 0x00, 0x15, 0x11, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x14, 0xff, 0xda, 0x00,
             0x08, 0x01, 0x03, 0x01, 0x01, 0x3f, 0x01, 0xb5, 0x6b, 0xff, 0xc4, 0x00, 0x16, 0x11,
             0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
             0x00, 0x00, 0x37, 0x17, 0x62, 0xff, 0xda, 0x00, 0x08, 0x01, 0x02, 0x01, 0x01, 0x3f,
             0x01, 0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01,
             0x25, 0x18},
            false}),
    [](const auto& param_info) { return param_info.param.name; });

TEST_F(TempFolder, WrittenPngReadsBackPixelForPixel) {
  Surface surface(5, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x)
      surface.At(x, y) =
          Rgb(static_cast<std::uint8_t>(x * 50), static_cast<std::uint8_t>(y * 60), 7);
  }
  const std::filesystem::path path = folder_ / "snapshot.png";
  ASSERT_TRUE(WritePng(surface, path));
  const PictureLoadResult loaded = LoadPicture(path);
  ASSERT_TRUE(loaded.picture) << loaded.error;
  ExpectPixelsNear(*loaded.picture, surface, 0);
}

TEST_F(TempFolder, WritePngReportsFailure) {
  EXPECT_FALSE(WritePng(Surface(2, 2), folder_ / "no-such-folder" / "snapshot.png"));
  const std::filesystem::path empty_path = folder_ / "empty.png";
  EXPECT_FALSE(WritePng(Surface(), empty_path));
  EXPECT_FALSE(std::filesystem::exists(empty_path));
}

}  // namespace
}  // namespace talvora

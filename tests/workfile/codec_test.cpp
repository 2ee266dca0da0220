#include "workfile/codec.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

namespace tamo::workfile {
namespace {

// glibc's own view of one Windows-1250 byte, or none where the code page has no character.
std::optional<std::string> iconv_utf8(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  if (cd == reinterpret_cast<iconv_t>(-1)) ADD_FAILURE() << "iconv lacks CP1250";
  char in[1] = {static_cast<char>(byte)};
  char out[8];
  char* inp = in;
  char* outp = out;
  std::size_t inleft = 1;
  std::size_t outleft = sizeof out;
  std::size_t done = iconv(cd, &inp, &inleft, &outp, &outleft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return std::nullopt;
  return std::string(out, outp);
}

TEST(Codec, EveryAssignedByteMatchesIconvAndTheOthersAreTheirC1CodePoints) {
  int unassigned = 0;
  for (int b = 0; b < 256; ++b) {
    std::string byte(1, static_cast<char>(b));
    std::string utf8 = cp1250_to_utf8(byte);
    if (auto expected = iconv_utf8(static_cast<unsigned char>(b))) {
      EXPECT_EQ(*expected, utf8) << "byte " << b;
    } else {
      ++unassigned;
      char32_t cp = static_cast<char32_t>(b);
      std::string c1 = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
      EXPECT_EQ(c1, utf8) << "byte " << b;
    }
    EXPECT_EQ(byte, utf8_to_cp1250(utf8)) << "byte " << b;
  }
  EXPECT_EQ(5, unassigned);
}

TEST(Codec, AnyByteStringRoundTrips) {
  std::string all;
  for (int b = 255; b >= 0; --b) all += static_cast<char>(b);
  all += "abc\xF5\xFB";
  EXPECT_EQ(all, utf8_to_cp1250(cp1250_to_utf8(all)));
}

TEST(Codec, HungarianTextConverts) {
  EXPECT_EQ("\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p",
            utf8_to_cp1250("Árvíztűrő tükörfúrógép"));
  EXPECT_EQ("Árvíztűrő", cp1250_to_utf8("\xC1rv\xEDzt\xFBr\xF5"));
}

// Texts are converted a word at a time; every length and every place of a letter, whether
// it gives two or three bytes, must come out as the bytes converted one by one.
TEST(Codec, TextsOfAnyLengthConvertAsTheirBytesOneByOne) {
  const std::string pattern =
      "ab\xE1\x80"
      "c\xF5\xF5"
      "defgh\x84"
      "ijklmn\xFB"
      "opq\x9A"
      "r";
  for (std::size_t length = 0; length <= 3 * pattern.size(); ++length) {
    for (std::size_t shift = 0; shift < pattern.size(); ++shift) {
      std::string bytes;
      for (std::size_t i = 0; i < length; ++i) bytes += pattern[(i + shift) % pattern.size()];
      std::string expected = "x";
      for (char b : bytes) expected += cp1250_to_utf8(std::string(1, b));
      std::string out = "x";
      append_cp1250_as_utf8(out, bytes);
      ASSERT_EQ(expected, out) << "length " << length << " shift " << shift;
      std::string back = "y";
      EXPECT_EQ(0u, append_utf8_as_cp1250(back, expected.substr(1)));
      ASSERT_EQ("y" + bytes, back) << "length " << length << " shift " << shift;
    }
  }
}

// The same for the way back, with characters the code page lacks and bytes that are no
// UTF-8 at every place of the word.
TEST(Codec, TextsOfAnyLengthEncodeAsTheirCharactersOneByOne) {
  struct Unit {
    std::string text;
    std::string byte;
  };
  const Unit units[] = {{"a", "a"},           {"ő", "\xF5"}, {"日", "?"},
                        {"bcd", "bcd"},       {"\xFF", "?"}, {"€", "\x80"},
                        {"efghij", "efghij"}, {"😀", "?"},    {"Ű", "\xDB"}};
  const std::size_t n = std::size(units);
  for (std::size_t length = 0; length <= 3 * n; ++length) {
    for (std::size_t shift = 0; shift < n; ++shift) {
      std::string text;
      std::string expected = "x";
      std::size_t lost = 0;
      for (std::size_t i = 0; i < length; ++i) {
        const Unit& unit = units[(i + shift) % n];
        text += unit.text;
        expected += unit.byte;
        lost += unit.byte == "?";
      }
      std::string out = "x";
      EXPECT_EQ(lost, append_utf8_as_cp1250(out, text));
      ASSERT_EQ(expected, out) << "length " << length << " shift " << shift;
    }
  }
}

TEST(Codec, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  struct Case {
    std::string text;
    std::string bytes;
  };
  const Case cases[] = {
      {"日本", "??"},                // outside the code page
      {"a😀b", "a?b"},                // outside the basic plane
      {"\xC2\x80", "?"},             // a C1 code point the code page assigns elsewhere
      {"x\xFFy", "x?y"},             // not UTF-8 at all
      {"\xC3", "?"},                 // cut short
      {"\xC0\xAF", "??"},            // overlong
      {"\xED\xA0\x80", "???"},       // surrogate
      {"ő€„”", "\xF5\x80\x84\x94"},  // the code page's own
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.bytes, utf8_to_cp1250(c.text)) << c.text;
    EXPECT_EQ(cp1250_to_utf8(c.bytes), cp1250_safe(c.text)) << c.text;
  }
}

}  // namespace
}  // namespace tamo::workfile

#include "workfile/file_form.h"

#include <gtest/gtest.h>

#include <fstream>

#include "sample_works.h"
#include "workfile/workfile.h"

namespace tamo::workfile {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string kUtf8Told =
    "A munkafájl UTF-8 kódolású volt, nem Windows-1250: a program így olvasta be, mentéskor "
    "viszont Windows-1250 kódolással írja ki.";
const std::string kUtf16Told =
    "A munkafájl UTF-16 kódolású volt, nem Windows-1250: a program így olvasta be, mentéskor "
    "viszont Windows-1250 kódolással írja ki.";
const std::string kCrCrLfTold =
    "A munkafájl sorai CR CR LF végűek voltak: a program ezt egy sortörésnek olvasta, mentéskor "
    "CR LF lesz belőle.";

// The creator lines with this author name, as UTF-8 text with CR LF.
std::string creator_text(const std::string& name) {
  return "CREATORPROJECT\r\npelda\r\nCREATORNAME\r\n" + name +
         "\r\nCREATORMAIL\r\nv@example.com\r\nROOMBEGIN\r\nROOMFILENAME\r\nr1\r\nROOMEND\r\n";
}

std::string utf16(const std::string& utf8, bool little_endian) {
  std::string out = little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (std::size_t i = 0; i < utf8.size();) {
    auto c = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    cp = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
    i += n;
    auto unit = [&](char16_t u) {
      char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
      out += little_endian ? std::string{lo, hi} : std::string{hi, lo};
    };
    if (cp >= 0x10000) {
      unit(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      unit(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      unit(static_cast<char16_t>(cp));
    }
  }
  return out;
}

TEST(FileForm, FilesSavedByOtherEditorsLoadWithTheirLettersAndATellingMessage) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string name;  // as loaded
    std::vector<std::string> messages;
    bool complete;
  };
  const std::string accented = "Kovács Éva Őrző";
  const Case cases[] = {
      {"Windows-1250",
       "CREATORPROJECT\r\npelda\r\nCREATORNAME\r\nKov\xE1"
       "cs \xC9va \xD5rz\xF5\r\nCREATORMAIL\r\nv@example.com\r\n"
       "ROOMBEGIN\r\nROOMFILENAME\r\nr1\r\nROOMEND\r\n",
       accented,
       {},
       true},
      {"ASCII only", creator_text("Kovacs"), "Kovacs", {}, true},
      {"UTF-8", creator_text(accented), accented, {kUtf8Told}, true},
      {"UTF-8 with a byte-order mark",
       "\xEF\xBB\xBF" + creator_text("Kovacs"),
       "Kovacs",
       {kUtf8Told},
       true},
      {"UTF-16 little-endian", utf16(creator_text(accented), true), accented, {kUtf16Told}, true},
      {"UTF-16 big-endian", utf16(creator_text(accented), false), accented, {kUtf16Told}, true},
      {"UTF-8 with letters Windows-1250 lacks",
       creator_text("Muñoz 😀"),
       "Mu?oz ?",
       {kUtf8Told, "2 karakter nem fér el a Windows-1250 kódolásban, ezek helyére „?” került."},
       false},
      {"UTF-16 with a lone surrogate",
       utf16(creator_text("Kovacs"), true) + "\x00\xD8"s,
       "Kovacs",
       {kUtf16Told, "1 karakter nem fér el a Windows-1250 kódolásban, ezek helyére „?” került.",
        "A munkafájlt nem sikerült hiánytalanul beolvasni:\r\n11. sor: „?” kimaradt, mert nem "
        "illik ide."},
       false},
      {"valid UTF-8 up to a Windows-1250 letter",
       "CREATORPROJECT\r\npelda\r\nCREATORNAME\r\n\xC3\x89va \xE9n\r\nCREATORMAIL\r\nm\r\n",
       "Ă‰va én",
       {},
       true},
      {"doubled carriage returns",
       "CREATORPROJECT\r\r\npelda\r\r\nCREATORNAME\r\r\nKovacs\r\r\n"
       "CREATORMAIL\r\r\nm\r\r\nROOMBEGIN\r\r\nROOMEND\r\r\n",
       "Kovacs",
       {kCrCrLfTold},
       true},
  };
  for (const Case& c : cases) {
    Work work;
    LoadResult result = load_bytes(work, c.bytes);
    EXPECT_EQ(c.name, work.name) << c.what;
    EXPECT_EQ("pelda", work.project) << c.what;
    EXPECT_EQ(c.messages, result.messages) << c.what;
    EXPECT_EQ(c.complete, result.complete) << c.what;

    fs::path path = fs::temp_directory_path() / ("tamo_file_form_" + std::to_string(::getpid()));
    std::ofstream(path, std::ios::binary) << c.bytes;
    Work from_file;
    LoadResult read = loadfile(from_file, path);
    fs::remove(path);
    EXPECT_EQ(result.messages, read.messages) << c.what;
    testing::expect_same_work(work, from_file);
  }
}

TEST(FileForm, AUtf8WorkSavesAsTheSameWorkInWindows1250) {
  Work original = testing::full_work();
  std::vector<std::string> lines = work_lines(original);
  std::string utf8;
  for (const std::string& line : lines) utf8 += line + "\r\n";
  Work loaded;
  LoadResult result = load_bytes(loaded, utf8);
  EXPECT_EQ(std::vector<std::string>{kUtf8Told}, result.messages);
  testing::expect_same_work(original, loaded);
  EXPECT_EQ(encode_lines(lines), encode_lines(work_lines(loaded)));
}

TEST(FileForm, TheSnifferDecidesAlikeWhereverTheBytesAreCut) {
  const std::string inputs[] = {
      creator_text("Kovács Éva 😀"),
      creator_text("Kov\xE1"
                   "cs"),
      creator_text("\xC3\x89va") + "\xE9",
      creator_text("\xC3"),
      "ab\xC3\x89\0\xE9"s,
  };
  for (const std::string& bytes : inputs) {
    FileForm whole = sniff_file_form(bytes);
    for (std::size_t first = 1; first < bytes.size(); ++first) {
      FileFormSniffer sniffer;
      std::string_view rest = bytes;
      bool more = sniffer.feed(rest.substr(0, first));
      for (rest.remove_prefix(first); more && !rest.empty(); rest.remove_prefix(1))
        more = sniffer.feed(rest.substr(0, 1));
      EXPECT_EQ(whole.encoding, sniffer.form().encoding) << bytes << " cut at " << first;
    }
  }
  EXPECT_EQ(FileForm::Encoding::utf8, sniff_file_form(inputs[0]).encoding);
  EXPECT_EQ(FileForm::Encoding::cp1250, sniff_file_form(inputs[1]).encoding);
  EXPECT_EQ(FileForm::Encoding::cp1250, sniff_file_form(inputs[2]).encoding);
  EXPECT_EQ(FileForm::Encoding::cp1250, sniff_file_form(inputs[3]).encoding);
  EXPECT_EQ(FileForm::Encoding::utf8, sniff_file_form(inputs[4]).encoding)
      << "the text ends at NUL";
}

}  // namespace
}  // namespace tamo::workfile

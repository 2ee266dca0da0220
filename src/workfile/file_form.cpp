#include "workfile/file_form.h"

#include <cstring>

#include "workfile/byte_scan.h"
#include "workfile/codec.h"

namespace tamo::workfile {

namespace {

using Encoding = FileForm::Encoding;

bool starts_with(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

bool first_break_is_cr_cr_lf(std::string_view text) {
  std::size_t brk = text.find_first_of("\r\n");
  return brk != std::string_view::npos && text.substr(brk, 3) == "\r\r\n";
}

// The length a UTF-8 sequence led by this byte claims; 1 for a byte that leads none.
std::size_t claimed_length(unsigned char lead) {
  return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

void append_code_point(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// UTF-16 to UTF-8; a lone surrogate or an odd last byte becomes "?" and is counted.
std::string utf16_to_utf8(std::string_view bytes, bool little_endian, std::size_t& replaced) {
  auto unit = [&](std::size_t k) -> char32_t {
    auto b0 = static_cast<unsigned char>(bytes[k]), b1 = static_cast<unsigned char>(bytes[k + 1]);
    return little_endian ? b0 | (b1 << 8) : (b0 << 8) | b1;
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  std::size_t k = 0;
  for (; k + 1 < bytes.size(); k += 2) {
    char32_t u = unit(k);
    bool high = u >= 0xD800 && u <= 0xDBFF, low = u >= 0xDC00 && u <= 0xDFFF;
    if (high && k + 3 < bytes.size() && unit(k + 2) >= 0xDC00 && unit(k + 2) <= 0xDFFF) {
      append_code_point(out, 0x10000 + ((u - 0xD800) << 10) + (unit(k + 2) - 0xDC00));
      k += 2;
    } else if (high || low) {
      out.push_back('?');
      ++replaced;
    } else {
      append_code_point(out, u);
    }
  }
  if (k < bytes.size()) {
    out.push_back('?');
    ++replaced;
  }
  return out;
}

std::string collapse_cr_cr_lf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (;;) {
    std::size_t at = text.find("\r\r\n");
    out.append(text.substr(0, at));
    if (at == std::string_view::npos) return out;
    out.append("\r\n");
    text.remove_prefix(at + 3);
  }
}

const char* encoding_name(Encoding encoding) {
  return encoding == Encoding::utf8 ? "UTF-8" : "UTF-16";
}

}  // namespace

bool FileFormSniffer::feed(std::string_view bytes) {
  if (!started_) {
    started_ = true;
    if (starts_with(bytes, "\xEF\xBB\xBF")) start_ = {Encoding::utf8, 3, false};
    if (starts_with(bytes, "\xFF\xFE")) start_ = {Encoding::utf16le, 2, false};
    if (starts_with(bytes, "\xFE\xFF")) start_ = {Encoding::utf16be, 2, false};
    if (start_.encoding != Encoding::utf16le && start_.encoding != Encoding::utf16be)
      start_.cr_cr_lf = first_break_is_cr_cr_lf(bytes.substr(start_.bom));
    if (start_.bom != 0) return false;
  }
  if (!utf8_possible_ || ended_) return false;
  // The text ends at a NUL byte; what follows is not looked at.
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
    bytes = bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()));
    ended_ = true;
  }
  if (!carry_.empty()) {
    std::size_t wanted = claimed_length(static_cast<unsigned char>(carry_[0])) - carry_.size();
    carry_.append(bytes.substr(0, wanted));
    if (bytes.size() < wanted) return !ended_;
    bytes.remove_prefix(wanted);
    if (utf8_sequence_at(carry_, 0) == 0) utf8_possible_ = false;
    multibyte_ = true;
    carry_.clear();
    if (!utf8_possible_) return false;
  }
  std::size_t i = 0;
  while (i < bytes.size()) {
    i += ascii_prefix(bytes.substr(i));
    if (i == bytes.size()) break;
    std::size_t claimed = claimed_length(static_cast<unsigned char>(bytes[i]));
    if (claimed > 1 && i + claimed > bytes.size()) {
      carry_.assign(bytes.substr(i));
      break;
    }
    std::size_t length = utf8_sequence_at(bytes, i);
    if (length == 0) {
      utf8_possible_ = false;
      return false;
    }
    multibyte_ = true;
    i += length;
  }
  return !ended_;
}

FileForm FileFormSniffer::form() const {
  FileForm form = start_;
  if (form.bom == 0 && utf8_possible_ && multibyte_ && carry_.empty())
    form.encoding = Encoding::utf8;
  return form;
}

FileForm sniff_file_form(std::string_view bytes) {
  FileFormSniffer sniffer;
  sniffer.feed(bytes);
  return sniffer.form();
}

std::string to_plain_form(std::string_view bytes, FileForm& form, std::size_t& replaced) {
  bytes.remove_prefix(std::min(form.bom, bytes.size()));
  std::string text;
  switch (form.encoding) {
    case Encoding::cp1250:
      text.assign(bytes);
      break;
    case Encoding::utf8:
      replaced += append_utf8_as_cp1250(text, bytes);
      break;
    case Encoding::utf16le:
    case Encoding::utf16be: {
      std::string utf8 = utf16_to_utf8(bytes, form.encoding == Encoding::utf16le, replaced);
      replaced += append_utf8_as_cp1250(text, utf8);
      form.cr_cr_lf = first_break_is_cr_cr_lf(text);
      break;
    }
  }
  return form.cr_cr_lf ? collapse_cr_cr_lf(text) : text;
}

std::vector<std::string> file_form_messages(const FileForm& form, std::size_t replaced) {
  std::vector<std::string> messages;
  if (form.encoding != Encoding::cp1250)
    messages.push_back(std::string("A munkafájl ") + encoding_name(form.encoding) +
                       " kódolású volt, nem Windows-1250: a program így olvasta be, mentéskor "
                       "viszont Windows-1250 kódolással írja ki.");
  if (replaced != 0)
    messages.push_back(std::to_string(replaced) +
                       " karakter nem fér el a Windows-1250 kódolásban, ezek helyére „?” került.");
  if (form.cr_cr_lf)
    messages.push_back(
        "A munkafájl sorai CR CR LF végűek voltak: a program ezt egy sortörésnek olvasta, "
        "mentéskor CR LF lesz belőle.");
  return messages;
}

}  // namespace tamo::workfile

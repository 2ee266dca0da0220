#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tamo::workfile {

// How a work file's bytes are to be read. The program writes Windows-1250 with CR LF; text
// editors may have saved the file as UTF-8 or UTF-16, or doubled its carriage returns.
struct FileForm {
  enum class Encoding { cp1250, utf8, utf16le, utf16be };
  Encoding encoding = Encoding::cp1250;
  std::size_t bom = 0;    // bytes of the byte-order mark at the start
  bool cr_cr_lf = false;  // the first line ends in CR CR LF: read that as one line break

  // True when the bytes can be read as they are.
  bool plain() const { return encoding == Encoding::cp1250 && !cr_cr_lf; }
};

// Decides the form from the file's bytes, fed in order; the first piece holds the file's start
// (its first line, where it can). UTF-8 needs every byte before the
// first NUL to be valid UTF-8 with at least one multi-byte sequence, so the decision may wait
// for the end; feed() says when no more bytes are needed.
class FileFormSniffer {
 public:
  // False once the form is decided.
  bool feed(std::string_view bytes);
  FileForm form() const;

 private:
  bool started_ = false;
  FileForm start_;  // what the first bytes tell: byte-order mark, doubled CR
  bool utf8_possible_ = true;
  bool multibyte_ = false;
  std::string carry_;   // a UTF-8 sequence cut by the end of the bytes fed so far
  bool ended_ = false;  // a NUL byte was reached
};

FileForm sniff_file_form(std::string_view bytes);

// The bytes as Windows-1250 with single line breaks; `replaced` counts the characters that
// Windows-1250 cannot hold, which become "?". A UTF-16 file's doubled carriage returns are
// only seen once it is decoded, so the form learns them here.
std::string to_plain_form(std::string_view bytes, FileForm& form, std::size_t& replaced);

// What the user is told about a file that was not in the program's own form.
std::vector<std::string> file_form_messages(const FileForm& form, std::size_t replaced);

}  // namespace tamo::workfile

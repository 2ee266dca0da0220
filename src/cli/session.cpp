#include "cli/session.h"

#include <exception>

#include "cli/visible_text.h"
#include "model/numbers.h"

namespace tamo::cli {

Session::Session() : bench_(app::Platform{*this, *this, *this, *this, *this}) {
  bench_.app().start();
}

bool Session::open(const std::filesystem::path& path) {
  run_event([&] { app().open_work(path); });
  return app().load_complete();
}

void Session::run_event(const std::function<void()>& handler) {
  std::exception_ptr fatal;
  app().run_event([&] {
    try {
      handler();
    } catch (const ConversionError&) {
      throw;  // the window's message for a text that is no number; the program goes on
    } catch (...) {
      fatal = std::current_exception();
    }
  });
  if (fatal) std::rethrow_exception(fatal);
}

std::vector<std::string> Session::messages_from(std::size_t from) const {
  if (from >= messages_.size()) return {};
  return {messages_.begin() + static_cast<std::ptrdiff_t>(from), messages_.end()};
}

void Session::show_message(const std::string& text) {
  messages_.push_back(text);
}

std::optional<std::filesystem::path> Session::choose(const app::OpenFileRequest&) {
  return std::nullopt;
}

std::optional<std::filesystem::path> Session::choose_save(const app::SaveFileRequest&) {
  return std::nullopt;
}

bool Session::ask_replace(const std::string& question) {
  if (replacing_allowed_) return true;
  messages_.push_back(question);
  messages_.push_back("tamo-cli: nem írom felül; a --replace kapcsolóval felülírható.");
  return false;
}

app::UnsavedAnswer Session::ask(const std::string&) {
  return app::UnsavedAnswer::discard;
}

std::string one_line(std::string_view message) {
  std::string out;
  out.reserve(message.size());
  append_one_line(out, message);
  return out;
}

void append_one_line(std::string& out, std::string_view message) {
  // A line break is ASCII, so no UTF-8 sequence spans one: the pieces between are made
  // visible each on its own.
  std::size_t from = 0;
  for (std::size_t at = message.find_first_of("\r\n"); at != std::string_view::npos;
       at = message.find_first_of("\r\n", from)) {
    append_visible(out, message.substr(from, at - from));
    out += ' ';
    from = at + (message.compare(at, 2, "\r\n") == 0 ? 2 : 1);
  }
  append_visible(out, message.substr(from));
}

}  // namespace tamo::cli

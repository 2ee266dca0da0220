#include "cli/run.h"

#include <filesystem>
#include <new>
#include <optional>
#include <system_error>

#include "app/event_error.h"
#include "cli/check.h"
#include "cli/map_command.h"
#include "cli/options.h"
#include "cli/play.h"
#include "cli/resave.h"
#include "cli/session.h"
#include "workfile/file_names.h"

namespace tamo::cli {

namespace {

// A file the user named that is not there is an error of use, found before any work starts.
std::optional<std::string> missing_file(const std::vector<std::string>& files) {
  for (const std::string& f : files) {
    std::error_code ec;
    if (!std::filesystem::exists(workfile::utf8_path(f), ec))
      return "tamo-cli: nincs ilyen fájl: " + f;
  }
  return std::nullopt;
}

std::optional<std::string> missing_folder(const std::string& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(workfile::utf8_path(folder), ec))
    return "tamo-cli: nincs ilyen mappa: " + folder;
  return std::nullopt;
}

int usage_error(std::ostream& err, const std::string& message) {
  err << one_line(message) << '\n';
  return kExitUsage;
}

constexpr int kExitFailure = 2;
constexpr const char* kOutOfMemory = "elfogyott a memória, a munka nem dolgozható fel";

int failure(std::ostream& out, std::ostream& err, const std::string& message) {
  out.flush();
  err << one_line("tamo-cli: " + message) << '\n';
  return kExitFailure;
}

int run_check(const CheckCommand& c, std::ostream& out) {
  std::vector<FileCheck> files;
  for (const std::string& f : c.files) {
    files.push_back({f, check::check_file(workfile::utf8_path(f))});
    if (!c.json) out << check_text(files.back()) << std::flush;
  }
  if (c.json) out << check_json(files);
  return check_status(files);
}

int run_command(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err, bool out_is_terminal) {
  Command command = parse_command_line(args);
  if (auto* e = std::get_if<UsageError>(&command)) return usage_error(err, e->message);
  if (std::holds_alternative<HelpCommand>(command)) {
    out << usage_text();
    return 0;
  }
  if (std::holds_alternative<VersionCommand>(command)) {
    out << version_text();
    return 0;
  }
  if (auto* c = std::get_if<CheckCommand>(&command)) {
    if (auto missing = missing_file(c->files)) return usage_error(err, *missing);
    return run_check(*c, out);
  }
  if (auto* p = std::get_if<PlayCommand>(&command)) {
    if (auto missing = missing_file({p->file})) return usage_error(err, *missing);
    bool colour =
        p->color == ColorMode::always || (p->color == ColorMode::automatic && out_is_terminal);
    Session session;
    return play(session, *p, in, out, err, colour);
  }
  if (auto* m = std::get_if<MapCommand>(&command)) {
    if (auto missing = missing_file({m->file})) return usage_error(err, *missing);
    Session session;
    return draw_map(session, *m, out, err);
  }
  const auto& r = std::get<ResaveCommand>(command);
  if (auto missing = missing_file({r.file})) return usage_error(err, *missing);
  if (auto missing = missing_folder(r.out_dir)) return usage_error(err, *missing);
  Session session;
  return resave(session, r, out, err);
}

}  // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, bool out_is_terminal) {
  int status = 0;
  try {
    status = run_command(args, in, out, err, out_is_terminal);
  } catch (const std::bad_alloc&) {
    return failure(out, err, kOutOfMemory);
  } catch (const std::system_error& e) {
    // A thread whose stack cannot be mapped fails this way when memory is short.
    if (app::is_out_of_memory(e.code())) return failure(out, err, kOutOfMemory);
    return failure(out, err, "rendszerhiba: " + app::error_code_reason(e.code()));
  } catch (const std::exception& e) {
    return failure(out, err, std::string("váratlan hiba: ") + e.what());
  }
  // A report that did not reach its reader must not end as a success.
  if (!out.flush()) return failure(out, err, "nem sikerült kiírni a kimenetet");
  return status;
}

}  // namespace tamo::cli

#include "cli/resave.h"

#include "workfile/file_names.h"

namespace tamo::cli {

namespace {

void print_messages(const Session& session, std::size_t from, std::ostream& err) {
  for (const std::string& m : session.messages_from(from)) err << one_line(m) << '\n';
}

}  // namespace

int resave(Session& session, const ResaveCommand& command, std::ostream& out, std::ostream& err) {
  app::Application& app = session.app();
  session.allow_replacing(command.replace);
  app.set_save_folder(workfile::utf8_path(command.out_dir));
  bool whole = session.open(workfile::utf8_path(command.file));
  print_messages(session, 0, err);
  if (!whole) return 2;
  std::size_t loaded = session.message_count();
  bool saved = false;
  session.run_event([&] { saved = app.save_work(); });
  print_messages(session, loaded, err);
  if (!saved) return 1;
  err << app::kMsgSaved << '\n';
  out << one_line(app.saved_path().string()) << '\n';
  return 0;
}

}  // namespace tamo::cli

#include "cli/check.h"

#include <algorithm>

#include "cli/references.h"
#include "cli/session.h"

namespace tamo::cli {

namespace {

std::string joined(const std::vector<std::string>& messages) {
  std::string out;
  for (const std::string& m : messages) out += (out.empty() ? "" : "\r\n") + m;
  return out;
}

// The builder chooses each record's file name in the editor's file-name box and presses
// "Kész". A message shown while the record was being opened becomes a warning.
template <class Record>
void judge(Session& session, const RecordList<Record>& list, std::string_view kind,
           controls::ComboBox& filename, controls::Button& ready, FileCheck& out) {
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const Record& r : list) names.push_back(r.filename);
  app::Application& app = session.app();
  for (const std::string& name : names) {
    std::size_t before = session.message_count();
    app.run_event([&] { filename.set_text(name); });
    std::size_t chosen = session.message_count();
    app.run_event([&] { ready.click(); });
    RecordCheck record{std::string(kind), name};
    std::vector<std::string> opening = session.messages_from(before);
    opening.resize(chosen - before);
    for (const std::string& m : opening)
      out.warnings.push_back(std::string(kind) + " " + name + " megnyitásakor: " + m);
    std::vector<std::string> refusal = session.messages_from(chosen);
    if (!refusal.empty()) {
      record.ok = false;
      record.result = joined(refusal);
    }
    out.records.push_back(std::move(record));
  }
}

}  // namespace

FileCheck check_file(const std::filesystem::path& file, std::string shown_path) {
  FileCheck out;
  out.path = std::move(shown_path);
  Session session;
  out.complete = session.open(file);
  out.errors = session.messages_from(0);
  // The references are judged on the work as the file holds it, before any "Kész" stores
  // what its panel shows.
  out.warnings = reference_warnings(session.bench().work());

  app::Workbench& bench = session.bench();
  app::Application& app = session.app();
  app.run_event([&] { app.Szoba1Click(); });
  judge(session, bench.work().rooms, kRoomKind, bench.room_editor().filename,
        bench.room_editor().Button1, out);
  app.run_event([&] { app.llny1Click(); });
  judge(session, bench.work().monsters, kCreatureKind, bench.monster_editor().monsfilename,
        bench.monster_editor().monsready, out);
  app.run_event([&] { app.Trgy1Click(); });
  judge(session, bench.work().items, kItemKind, bench.item_editor().itemfilename,
        bench.item_editor().b14, out);
  return out;
}

int check_status(const std::vector<FileCheck>& files) {
  int status = 0;
  for (const FileCheck& f : files) {
    if (!f.complete) status = std::max(status, 2);
    for (const RecordCheck& r : f.records)
      if (!r.ok) status = std::max(status, 1);
  }
  return status;
}

}  // namespace tamo::cli

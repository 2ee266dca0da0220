#pragma once

#include <memory>
#include <string>
#include <vector>

#include "check/report.h"
#include "model/work.h"

namespace tamo::check {

// One record as its editor's "Kész" judged it, and what the editor showed while opening it.
struct Judged {
  RecordVerdict verdict;
  std::vector<Warning> opening;
};

// The three editors on a work of their own, judging records one by one as the builder would:
// choosing the file name in the editor's file-name box, then pressing "Kész". Accepted records
// are stored again into that work from what the editor shows.
class RecordJudge {
 public:
  explicit RecordJudge(Work& work);
  ~RecordJudge();
  RecordJudge(const RecordJudge&) = delete;
  RecordJudge& operator=(const RecordJudge&) = delete;

  Judged judge(RecordKind kind, const std::string& name);
  // The builder moves the kind's file-name box away from the name it holds, so that the next
  // name chosen opens its record again even when it is the same; nothing shown is kept.
  void leave(RecordKind kind);

 private:
  struct Editors;
  std::unique_ptr<Editors> editors_;
};

// Each record as its editor's "Kész" would judge it once the builder chose its file name in
// the editor's file-name box, rooms, creatures and items each in list order. The editors work
// on `work`, which is used up: its working copies are replaced and accepted records are stored
// again from what the editor shows. A message the editor shows while a record is being opened
// becomes a warning.
void judge_records(Work work, std::vector<RecordVerdict>& verdicts, std::vector<Warning>& warnings);

}  // namespace tamo::check

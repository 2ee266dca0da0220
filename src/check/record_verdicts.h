#pragma once

#include <string>
#include <vector>

#include "check/report.h"
#include "model/work.h"

namespace tamo::check {

// Each record as its editor's "Kész" would judge it once the builder chose its file name in
// the editor's file-name box. The editors work on `work`: its working copies are replaced
// and accepted records are stored again from what the editor shows. A message the editor
// shows while a record is being opened becomes a warning.
void judge_records(Work& work, std::vector<RecordVerdict>& verdicts,
                   std::vector<std::string>& warnings);

}  // namespace tamo::check

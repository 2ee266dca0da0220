#pragma once

#include "model/work.h"
#include "workfile/line_pipe.h"
#include "workfile/line_reader.h"
#include "workfile/workfile.h"

namespace tamo::workfile {

// Reads a work from the lines; once reading ends, what was read replaces the work.
LoadResult read_work(Work& work, LineReader& lines);
LoadResult read_work(Work& work, LinePipe& lines);

}  // namespace tamo::workfile

// What charts(), charts_csv() and charts_csv_file() share: the batch
// command's options read from the keywords, and the refused records' messages.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "app/session.hpp"
#include "cli/batch_casting.hpp"

namespace solvaris {

// What the records are called in the messages, as the names file is in the batch's.
inline constexpr const char* kRecordsLabel = "records";

// The batch of the keywords: the batch command's options but the file and
// the format, which the records and the answer stand for; the session
// opened, the request made and the worker threads counted. A ValueError
// with the command line's words for options it refuses.
struct RecordsBatch {
    BatchRequest request;
    int workers = 1;
};
RecordsBatch OpenRecordsBatch(const pybind11::kwargs& options, Session& session);

// refused="raise" (true) or "skip" (false); a ValueError naming `function`
// for anything else.
bool RaisesRefused(const std::string& refused, const char* function);

// A refused record's message as the batch words it (SkippedRecordText):
// raised as a ValueError without its " (skipped)" when `raise`, else added
// to `skipped` without its line end.
void TakeRefusal(std::string message, bool raise, pybind11::list& skipped);

}  // namespace solvaris

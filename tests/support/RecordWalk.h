// Reading a whole workbook stream record by record, as the tests and fuzz
// targets of the record layer do.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/ole2/Ole2File.h"

namespace tabulon::testing {

// Reads records until the selected stream is used up, handing each to
// `visit` (when given) as soon as it is read. The record reader takes the
// end of the stream as an EOF header, so the last record is an EOF.
std::vector<std::unique_ptr<TBaseRecord>> LoadAllRecords(
    TOle2File& file, const std::function<void(TBaseRecord&)>& visit = {});

}  // namespace tabulon::testing

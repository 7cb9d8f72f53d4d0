#include "tests/support/RecordWalk.h"

#include "XlsAdapter/biff/RecordReader.h"

namespace tabulon::testing {

std::vector<std::unique_ptr<TBaseRecord>> LoadAllRecords(
    TOle2File& file, const std::function<void(TBaseRecord&)>& visit) {
  std::vector<std::unique_ptr<TBaseRecord>> records;
  TRecordHeader header;
  ReadRecordHeader(file, header);
  while (true) {
    const bool last = header.Id == RecordId::Eof && header.Size == 0 && file.NextEof(3);
    records.push_back(LoadRecord(file, header));
    if (visit) visit(*records.back());
    if (last) return records;
  }
}

}  // namespace tabulon::testing

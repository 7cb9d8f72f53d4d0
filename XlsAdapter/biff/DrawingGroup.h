// The workbook's drawing group: the MSODRAWINGGROUP records of the globals,
// kept as read. (Their OfficeArt tree, with the image store that sheet
// pictures use, is not decoded yet.)
#pragma once

#include <memory>

#include "XlsAdapter/biff/DrawingRecords.h"
#include "XlsAdapter/biff/RecordHeader.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/ole2/Ole2File.h"

namespace tabulon {

class TDrawingGroup {
 public:
  // Keeps `First` and the MSODRAWINGGROUP records that directly follow it.
  void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                      std::unique_ptr<TBaseRecord> First);
  void Clear() { FRecords.Clear(); }
  const TBaseRecordList& Records() const { return FRecords; }

 private:
  TBaseRecordList FRecords;
};

}  // namespace tabulon

// Chart substreams (BOF type 0x0020): chart sheets, and the charts drawn on
// a worksheet, whose substream follows their drawing object. Kept as the
// ordered list of their records; no cells.
#pragma once

#include <memory>

#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/biff/Sheet.h"

namespace tabulon {

// BEGIN (0x1033) and END (0x1034) bracket the records of a chart element;
// such blocks nest.
class TChartRecord : public TBaseRecord {
 public:
  using TBaseRecord::TBaseRecord;
};
class TBeginRecord : public TChartRecord {
 public:
  using TChartRecord::TChartRecord;
};
class TEndRecord : public TChartRecord {
 public:
  using TChartRecord::TChartRecord;
};
// AI (0x1051): a chart's link to its data.
class TChartAIRecord : public TChartRecord {
 public:
  using TChartRecord::TChartRecord;
};

class TZylChart : public TSheet {
 public:
  using TSheet::TSheet;
  void Clear() override;
  // Reads records up to the EOF that closes the chart. BEGIN opens a level
  // and END or EOF closes the current one, so an EOF inside an open block
  // only closes that block. Levels are counted, not recursed into. Only the
  // records at the outermost level are remembered as the sheet's window and
  // page settings.
  void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                      std::unique_ptr<TBOFRecord> First, TSST& SST) override;

  const TBaseRecordList& ChartRecords() const { return FChartRecords; }
  // The CONTINUE chain found on the EOF record: drawing data that goes on
  // after an embedded chart.
  const TContinueRecord* RemainingData() const { return FRemainingData.get(); }

 private:
  TBaseRecordList FChartRecords;
  std::unique_ptr<TContinueRecord> FRemainingData;
};

}  // namespace tabulon

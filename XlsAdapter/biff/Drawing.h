// A worksheet's drawing: its MSODRAWING records with the OBJ and TXO
// records of the objects between them, kept as read, and the charts drawn
// on the sheet. (The OfficeArt tree and the sheet's pictures are not
// decoded yet.)
#pragma once

#include <memory>
#include <vector>

#include "XlsAdapter/biff/ChartSheet.h"
#include "XlsAdapter/biff/DrawingRecords.h"
#include "XlsAdapter/biff/RecordHeader.h"
#include "XlsAdapter/biff/RecordList.h"
#include "XlsAdapter/ole2/Ole2File.h"

namespace tabulon {

class TWorkbookGlobals;

class TDrawing {
 public:
  // `aWorkbookGlobals` is the workbook's globals, not owned: the charts
  // drawn on the sheet are made with it.
  explicit TDrawing(TWorkbookGlobals* aWorkbookGlobals) : FWorkbookGlobals(aWorkbookGlobals) {}

  // Keeps `First` (an MSODRAWING, OBJ or TXO record) and the MSODRAWING,
  // OBJ and TXO records that directly follow it, with the IMDATA record
  // that may follow an OBJ record of a picture. An OBJ record of a chart is
  // followed by the chart's substream (BOF ... EOF), which is read into a
  // chart of its own; a record other than BOF there fails with "Error
  // reading Excel records. File invalid".
  void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                      std::unique_ptr<TBaseRecord> First, TSST& SST);
  void Clear();

  const TBaseRecordList& Records() const { return FRecords; }
  const std::vector<std::unique_ptr<TZylChart>>& Charts() const { return FCharts; }

 private:
  void Keep(TOle2File& DataStream, TRecordHeader& RecordHeader,
            std::unique_ptr<TBaseRecord> aRecord, TSST& SST);

  TWorkbookGlobals* FWorkbookGlobals;
  TBaseRecordList FRecords;
  std::vector<std::unique_ptr<TZylChart>> FCharts;
};

// Whether the worksheet loader hands the record to the sheet's drawing.
bool IsDrawingRecord(uint16_t aId);

}  // namespace tabulon

// Reading the workbook stream record by record. The caller keeps one record
// header that always holds the header of the next record to read: it reads
// the first one with ReadRecordHeader, then calls LoadRecord repeatedly.
#pragma once

#include <memory>

#include "XlsAdapter/biff/BaseRecord.h"
#include "XlsAdapter/biff/RecordHeader.h"
#include "XlsAdapter/ole2/Ole2File.h"

namespace tabulon {

// Reads the next 4 bytes of the stream as a record header.
void ReadRecordHeader(TOle2File& DataStream, TRecordHeader& RecordHeader);

// Reads the record whose header is in `RecordHeader`, creates it through the
// record factory and leaves in `RecordHeader` the header of the record after
// it. On the way it joins the CONTINUE records that follow into the
// record's chain, attaches a TABLE or ARRAY record that directly follows a
// formula, and an HLINKTOOLTIP that directly follows a hyperlink, and
// checks that a STRING record follows a formula-like record. When fewer
// than 4 bytes follow a record, the next header reads as an EOF of length 0.
// Fails with EExcelException: FILEPASS ("File is password protected"), a
// misplaced TABLE, ARRAY, HLINKTOOLTIP or STRING ("Error reading Excel
// records. File invalid"), the record constructors' and the stream's own
// messages.
std::unique_ptr<TBaseRecord> LoadRecord(TOle2File& DataStream, TRecordHeader& RecordHeader);

// Reads the CONTINUE records announced by `RecordHeader` into the chain of
// `aRecord`, leaving the header of the record after them.
void LoadContinueRecords(TOle2File& DataStream, TBaseRecord& aRecord,
                         TRecordHeader& RecordHeader);

}  // namespace tabulon

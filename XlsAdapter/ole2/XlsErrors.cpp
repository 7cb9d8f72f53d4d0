#include "XlsAdapter/ole2/XlsErrors.h"

#include "XlsAdapter/ole2/ExcelException.h"
#include "XlsAdapter/ole2/XlsMessages.h"
#include "platform/Printf.h"

namespace tabulon {

void FailFileInvalid() { throw EExcelException(Printf(XlsMessages::FileInvalid, "")); }

void FailRecordsInvalid() { throw EExcelException(XlsMessages::ExcelFileInvalid); }

void FailErrorReadingRecord() { throw EExcelException(XlsMessages::ErrorReadingRecord); }

void FailInvalidRecord(uint16_t id) {
  throw EExcelException(Printf(XlsMessages::InvalidRecord, static_cast<unsigned>(id)));
}

void FailIndexOutOfRange(int index, const char* property, int low, int high) {
  throw EExcelException(Printf(XlsMessages::IndexOutOfRange, index, property, low, high));
}

}  // namespace tabulon

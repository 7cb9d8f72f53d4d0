// Opening a workbook file: the compound document, its "Workbook" stream,
// and the whole-workbook load. Everything made on the way but the workbook
// is released before the call returns, also on failure.
#pragma once

#include <memory>
#include <string>

#include "XlsAdapter/biff/Workbook.h"
#include "platform/ByteSource.h"

namespace tabulon {

// Loads the workbook of the compound document that begins at the source's
// current position. Fails with "The file "" is invalid" when it is not a
// compound document or has no stream "Workbook" (a BIFF5 file, say), and
// with the messages of the load.
std::unique_ptr<TWorkbook> OpenWorkbook(TByteSource& aSource);

// The same for a file, opened for reading with sharing allowed; a file that
// cannot be opened fails with EFileError.
std::unique_ptr<TWorkbook> OpenWorkbookFile(const std::string& aFileName);

}  // namespace tabulon

#include "XlsAdapter/biff/WorkbookFile.h"

#include "XlsAdapter/ole2/Ole2File.h"
#include "platform/FileSource.h"

namespace tabulon {

std::unique_ptr<TWorkbook> OpenWorkbook(TByteSource& aSource) {
  TOle2File container(aSource);
  container.SelectStream(u"Workbook");
  auto workbook = std::make_unique<TWorkbook>();
  workbook->LoadFromStream(container);
  return workbook;
}

std::unique_ptr<TWorkbook> OpenWorkbookFile(const std::string& aFileName) {
  TFileSource source(aFileName);
  return OpenWorkbook(source);
}

}  // namespace tabulon

// Builds BIFF8 record streams in memory: records with their headers,
// CONTINUE chains split where a test wants them, and the record kinds that
// workbooks are made of.
//
//   TBiffStream stream;
//   stream.Bof(kBofGlobals).Sst({u"Name", u"Phone"}).Eof();
//   stream.Bof(kBofWorksheet).LabelSst(0, 0, 15, 0).Number(1, 0, 15, 42).Eof();
//   TOpenedStream opened(stream.Data());   // a compound document around it
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "XlsAdapter/ole2/Ole2File.h"
#include "platform/MemorySource.h"
#include "tests/support/ByteWriter.h"
#include "tests/support/CompoundBuilder.h"

namespace tabulon::testing {

inline constexpr uint16_t kBofGlobals = 0x0005;
inline constexpr uint16_t kBofWorksheet = 0x0010;
inline constexpr uint16_t kBofChart = 0x0020;
inline constexpr uint16_t kBofMacroSheet = 0x0040;

// A unicode string as stored: count (1 or 2 bytes), option byte, run count
// and far-east size when present, characters, runs, far-east data. The
// characters are 16-bit when `wide` or when one of them is above 255.
struct TXlString {
  std::u16string Text;
  int CountWidth = 2;
  bool Wide = false;
  std::vector<std::pair<uint16_t, uint16_t>> Runs{};  // first character, font
  Bytes FarEast{};
  bool IsWide() const;
  Bytes Encode() const;
};
Bytes XlString(std::u16string_view text, int countWidth = 2);

// FONT: height in twentieths of a point, attribute flags, colour index,
// weight, escapement, underline, family, character set, name.
struct TFontFields {
  uint16_t Height = 200;
  uint16_t Attributes = 0;
  uint16_t ColorIndex = 0x7FFF;
  uint16_t Weight = 400;
  uint16_t Escapement = 0;
  uint8_t Underline = 0;
  uint8_t Family = 0;
  uint8_t CharSet = 0;
  std::u16string Name = u"Arial";
};
Bytes FontData(const TFontFields& font);

// XF: the fields the reader decodes; the rest of the 20 bytes is zero.
struct TXfFields {
  uint16_t Font = 0;
  uint16_t Format = 0;
  uint16_t Protection = 0x0001;  // locked; parent style XF in bits 4-15
  uint8_t Alignment = 0x20;      // horizontal bits 0-2, wrap bit 3, vertical bits 4-6
  uint8_t Rotation = 0;
  uint8_t Indent = 0;            // indent bits 0-3, shrink to fit bit 4
  uint8_t BorderStyles[4] = {};  // left, right, top, bottom
  uint8_t BorderColors[5] = {};  // left, right, top, bottom, diagonal
  uint8_t Diagonal = 0;          // 0 none, 1 down, 2 up, 3 both
  uint8_t DiagonalStyle = 0;
  uint8_t Pattern = 0;
  uint8_t PatternFg = 64;
  uint8_t PatternBg = 65;
};
Bytes XfData(const TXfFields& xf);

class TBiffStream {
 public:
  // A record: header and data (at most 65535 bytes).
  TBiffStream& Record(uint16_t id, const Bytes& data);
  // A record whose data goes on in one CONTINUE record per further piece.
  TBiffStream& RecordWithContinues(uint16_t id, const std::vector<Bytes>& pieces);
  // Bytes as they are, such as a bare header.
  TBiffStream& Raw(const Bytes& bytes);

  TBiffStream& Bof(uint16_t type, uint16_t version = 0x0600);
  TBiffStream& Eof();
  TBiffStream& BoundSheet(std::u16string_view name, uint16_t options = 0, uint32_t bofPos = 0);

  TBiffStream& Blank(uint16_t row, uint16_t col, uint16_t xf);
  TBiffStream& Number(uint16_t row, uint16_t col, uint16_t xf, double value);
  TBiffStream& Rk(uint16_t row, uint16_t col, uint16_t xf, uint32_t rk);
  TBiffStream& BoolErr(uint16_t row, uint16_t col, uint16_t xf, uint8_t value, bool isError);
  TBiffStream& Label(uint16_t row, uint16_t col, uint16_t xf, std::u16string_view text);
  TBiffStream& LabelSst(uint16_t row, uint16_t col, uint16_t xf, uint32_t index);
  // MULRK: (xf, rk) entries from `firstCol` on.
  TBiffStream& MulRk(uint16_t row, uint16_t firstCol,
                     const std::vector<std::pair<uint16_t, uint32_t>>& entries);
  TBiffStream& MulBlank(uint16_t row, uint16_t firstCol, const std::vector<uint16_t>& xfs);
  // FORMULA with a number result, or the 8 result bytes given as they are.
  TBiffStream& Formula(uint16_t row, uint16_t col, uint16_t xf, double result,
                       const Bytes& tokens = {0x1E, 0x01, 0x00});
  TBiffStream& FormulaRaw(uint16_t row, uint16_t col, uint16_t xf, const Bytes& result8,
                          const Bytes& tokens = {0x1E, 0x01, 0x00});
  // FORMULA whose result is text: the STRING record with the text follows.
  TBiffStream& FormulaText(uint16_t row, uint16_t col, uint16_t xf, std::u16string_view text);
  TBiffStream& String(std::u16string_view text);
  // SST of the strings, split into CONTINUE records as Excel does when a
  // record would pass `maxData` bytes: between strings or between
  // characters (the continuation then starts with an option byte).
  TBiffStream& Sst(const std::vector<std::u16string>& strings, size_t maxData = 8224);

  // Globals records.
  TBiffStream& Window1(uint16_t activeSheet);
  TBiffStream& DateMode(bool is1904);
  TBiffStream& Font(const TFontFields& font);
  TBiffStream& Xf(const TXfFields& xf);
  TBiffStream& Format(uint16_t id, std::u16string_view text);
  TBiffStream& Palette(const std::vector<uint32_t>& colors);

  // Worksheet records.
  TBiffStream& Row(uint16_t row, uint16_t height, uint16_t options = 0x0100, uint16_t xf = 15);
  TBiffStream& ColInfo(uint16_t first, uint16_t last, uint16_t width, uint16_t xf = 15,
                       uint16_t options = 0);
  TBiffStream& DefColWidth(uint16_t characters);
  TBiffStream& StandardWidth(uint16_t width);
  TBiffStream& DefaultRowHeight(uint16_t height);
  // MERGEDCELLS of (first row, last row, first column, last column) ranges.
  TBiffStream& MergedCells(const std::vector<std::array<uint16_t, 4>>& ranges);
  TBiffStream& Window2(uint16_t options);
  TBiffStream& Scl(uint16_t numerator, uint16_t denominator);
  TBiffStream& Pane(uint16_t colSplit, uint16_t rowSplit);
  // BEGIN and END of a chart block.
  TBiffStream& Begin();
  TBiffStream& End();
  // OBJ starting with the common object data of the given object type.
  TBiffStream& Obj(uint16_t objectType, uint16_t objectId = 1);

  const Bytes& Data() const { return FData.Data(); }

 private:
  TByteWriter FData;
};

// Record data of a FORMULA cell.
Bytes FormulaData(uint16_t row, uint16_t col, uint16_t xf, const Bytes& result8,
                  const Bytes& tokens);

// A compound document around a workbook stream, opened with "Workbook"
// selected, ready for the record reader.
class TOpenedStream {
 public:
  explicit TOpenedStream(const Bytes& workbookStream, TCompoundOptions options = {});
  TOle2File& File() { return *FFile; }

 private:
  Bytes FImage;
  TMemorySource FSource;
  std::unique_ptr<TOle2File> FFile;
};

}  // namespace tabulon::testing

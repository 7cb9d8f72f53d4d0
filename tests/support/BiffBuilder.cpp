#include "tests/support/BiffBuilder.h"

#include <algorithm>
#include <stdexcept>

namespace tabulon::testing {

bool TXlString::IsWide() const {
  return Wide || std::any_of(Text.begin(), Text.end(), [](char16_t c) { return c > 255; });
}

Bytes TXlString::Encode() const {
  TByteWriter out;
  if (CountWidth == 1) {
    out.U8(static_cast<uint8_t>(Text.size()));
  } else {
    out.U16(static_cast<uint16_t>(Text.size()));
  }
  const bool wide = IsWide();
  out.U8(static_cast<uint8_t>((wide ? 0x01 : 0) | (Runs.empty() ? 0 : 0x08) |
                              (FarEast.empty() ? 0 : 0x04)));
  if (!Runs.empty()) out.U16(static_cast<uint16_t>(Runs.size()));
  if (!FarEast.empty()) out.U32(static_cast<uint32_t>(FarEast.size()));
  if (wide) {
    out.Chars16(Text);
  } else {
    out.Chars8(Text);
  }
  for (const auto& [first, font] : Runs) out.U16(first).U16(font);
  out.Raw(FarEast);
  return out.Take();
}

Bytes XlString(std::u16string_view text, int countWidth) {
  TXlString string;
  string.Text = std::u16string(text);
  string.CountWidth = countWidth;
  return string.Encode();
}

TBiffStream& TBiffStream::Record(uint16_t id, const Bytes& data) {
  if (data.size() > 0xFFFF) throw std::length_error("record data over 65535 bytes");
  FData.U16(id).U16(static_cast<uint16_t>(data.size())).Raw(data);
  return *this;
}

TBiffStream& TBiffStream::RecordWithContinues(uint16_t id, const std::vector<Bytes>& pieces) {
  for (size_t i = 0; i < pieces.size(); ++i) Record(i == 0 ? id : 0x003C, pieces[i]);
  return *this;
}

TBiffStream& TBiffStream::Raw(const Bytes& bytes) {
  FData.Raw(bytes);
  return *this;
}

TBiffStream& TBiffStream::Bof(uint16_t type, uint16_t version) {
  // Version, type, build id and year, file history, lowest version.
  return Record(0x0809, TByteWriter().U16(version).U16(type).U16(0x0DBB).U16(0x07CC)
                            .U32(0x000080C9).U32(0x00000206).Take());
}

TBiffStream& TBiffStream::Eof() { return Record(0x000A, {}); }

TBiffStream& TBiffStream::BoundSheet(std::u16string_view name, uint16_t options,
                                     uint32_t bofPos) {
  return Record(0x0085, TByteWriter().U32(bofPos).U16(options).Raw(XlString(name, 1)).Take());
}

TBiffStream& TBiffStream::Blank(uint16_t row, uint16_t col, uint16_t xf) {
  return Record(0x0201, TByteWriter().U16(row).U16(col).U16(xf).Take());
}

TBiffStream& TBiffStream::Number(uint16_t row, uint16_t col, uint16_t xf, double value) {
  return Record(0x0203, TByteWriter().U16(row).U16(col).U16(xf).F64(value).Take());
}

TBiffStream& TBiffStream::Rk(uint16_t row, uint16_t col, uint16_t xf, uint32_t rk) {
  return Record(0x027E, TByteWriter().U16(row).U16(col).U16(xf).U32(rk).Take());
}

TBiffStream& TBiffStream::BoolErr(uint16_t row, uint16_t col, uint16_t xf, uint8_t value,
                                  bool isError) {
  return Record(0x0205,
                TByteWriter().U16(row).U16(col).U16(xf).U8(value).U8(isError ? 1 : 0).Take());
}

TBiffStream& TBiffStream::Label(uint16_t row, uint16_t col, uint16_t xf,
                                std::u16string_view text) {
  return Record(0x0204, TByteWriter().U16(row).U16(col).U16(xf).Raw(XlString(text)).Take());
}

TBiffStream& TBiffStream::LabelSst(uint16_t row, uint16_t col, uint16_t xf, uint32_t index) {
  return Record(0x00FD, TByteWriter().U16(row).U16(col).U16(xf).U32(index).Take());
}

TBiffStream& TBiffStream::MulRk(uint16_t row, uint16_t firstCol,
                                const std::vector<std::pair<uint16_t, uint32_t>>& entries) {
  TByteWriter data;
  data.U16(row).U16(firstCol);
  for (const auto& [xf, rk] : entries) data.U16(xf).U32(rk);
  data.U16(static_cast<uint16_t>(firstCol + entries.size() - 1));
  return Record(0x00BD, data.Take());
}

TBiffStream& TBiffStream::MulBlank(uint16_t row, uint16_t firstCol,
                                   const std::vector<uint16_t>& xfs) {
  TByteWriter data;
  data.U16(row).U16(firstCol);
  for (uint16_t xf : xfs) data.U16(xf);
  data.U16(static_cast<uint16_t>(firstCol + xfs.size() - 1));
  return Record(0x00BE, data.Take());
}

Bytes FormulaData(uint16_t row, uint16_t col, uint16_t xf, const Bytes& result8,
                  const Bytes& tokens) {
  if (result8.size() != 8) throw std::invalid_argument("a formula result is 8 bytes");
  return TByteWriter().U16(row).U16(col).U16(xf).Raw(result8).U16(0).U32(0)
      .U16(static_cast<uint16_t>(tokens.size())).Raw(tokens).Take();
}

TBiffStream& TBiffStream::Formula(uint16_t row, uint16_t col, uint16_t xf, double result,
                                  const Bytes& tokens) {
  return FormulaRaw(row, col, xf, TByteWriter().F64(result).Take(), tokens);
}

TBiffStream& TBiffStream::FormulaRaw(uint16_t row, uint16_t col, uint16_t xf,
                                     const Bytes& result8, const Bytes& tokens) {
  return Record(0x0006, FormulaData(row, col, xf, result8, tokens));
}

TBiffStream& TBiffStream::FormulaText(uint16_t row, uint16_t col, uint16_t xf,
                                      std::u16string_view text) {
  FormulaRaw(row, col, xf, {0, 0, 0, 0, 0, 0, 0xFF, 0xFF});
  return String(text);
}

TBiffStream& TBiffStream::String(std::u16string_view text) {
  return Record(0x0207, XlString(text));
}

TBiffStream& TBiffStream::Sst(const std::vector<std::u16string>& strings, size_t maxData) {
  std::vector<Bytes> pieces(1);
  TByteWriter head;
  head.U32(static_cast<uint32_t>(strings.size())).U32(static_cast<uint32_t>(strings.size()));
  pieces[0] = head.Take();
  for (const std::u16string& text : strings) {
    TXlString encoded;
    encoded.Text = text;
    const bool wide = encoded.IsWide();
    const size_t charSize = wide ? 2 : 1;
    // The 3-byte header and the first character stay together.
    if (pieces.back().size() + 3 + (text.empty() ? 0 : charSize) > maxData) pieces.emplace_back();
    const Bytes bytes = encoded.Encode();
    pieces.back().insert(pieces.back().end(), bytes.begin(), bytes.begin() + 3);
    size_t at = 3;
    while (at < bytes.size()) {
      const size_t room = (maxData - pieces.back().size()) / charSize * charSize;
      if (room == 0) {
        pieces.emplace_back(1, wide ? 0x01 : 0x00);
        continue;
      }
      const size_t n = std::min(room, bytes.size() - at);
      pieces.back().insert(pieces.back().end(), bytes.begin() + at, bytes.begin() + at + n);
      at += n;
    }
  }
  return RecordWithContinues(0x00FC, pieces);
}

TOpenedStream::TOpenedStream(const Bytes& workbookStream, TCompoundOptions options)
    : FImage(MakeWorkbookFile(workbookStream, options)), FSource(FImage) {
  FFile = std::make_unique<TOle2File>(FSource);
  FFile->SelectStream(u"Workbook");
}

}  // namespace tabulon::testing

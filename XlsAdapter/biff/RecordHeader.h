// The 4-byte header in front of every BIFF record: id, then data length.
#pragma once

#include <cstdint>

namespace tabulon {

struct TRecordHeader {
  uint16_t Id = 0;
  uint16_t Size = 0;
};

// Record ids the record reader and the substream loaders look at.
namespace RecordId {
inline constexpr uint16_t Formula = 0x0006;
inline constexpr uint16_t Eof = 0x000A;
inline constexpr uint16_t Precision = 0x000E;
inline constexpr uint16_t RefMode = 0x000F;
inline constexpr uint16_t Header = 0x0014;
inline constexpr uint16_t Footer = 0x0015;
inline constexpr uint16_t ExternSheet = 0x0017;
inline constexpr uint16_t Name = 0x0018;
inline constexpr uint16_t VerticalPageBreaks = 0x001A;
inline constexpr uint16_t HorizontalPageBreaks = 0x001B;
inline constexpr uint16_t Note = 0x001C;
inline constexpr uint16_t DateMode = 0x0022;
inline constexpr uint16_t ExternName = 0x0023;
inline constexpr uint16_t LeftMargin = 0x0026;
inline constexpr uint16_t RightMargin = 0x0027;
inline constexpr uint16_t TopMargin = 0x0028;
inline constexpr uint16_t BottomMargin = 0x0029;
inline constexpr uint16_t PrintGridLines = 0x002B;
inline constexpr uint16_t FilePass = 0x002F;
inline constexpr uint16_t Font = 0x0031;
inline constexpr uint16_t Continue = 0x003C;
inline constexpr uint16_t Window1 = 0x003D;
inline constexpr uint16_t Pane = 0x0041;
inline constexpr uint16_t Pls = 0x004D;
inline constexpr uint16_t DefColWidth = 0x0055;
inline constexpr uint16_t Obj = 0x005D;
inline constexpr uint16_t Template = 0x0060;
inline constexpr uint16_t ColInfo = 0x007D;
inline constexpr uint16_t ImData = 0x007F;
inline constexpr uint16_t Guts = 0x0080;
inline constexpr uint16_t WsBool = 0x0081;
inline constexpr uint16_t HCenter = 0x0083;
inline constexpr uint16_t VCenter = 0x0084;
inline constexpr uint16_t BoundSheet = 0x0085;
inline constexpr uint16_t Palette = 0x0092;
inline constexpr uint16_t StandardWidth = 0x0099;
inline constexpr uint16_t AutoFilterInfo = 0x009D;
inline constexpr uint16_t Scl = 0x00A0;
inline constexpr uint16_t Setup = 0x00A1;
inline constexpr uint16_t ObProj = 0x00D3;
inline constexpr uint16_t BookBool = 0x00DA;
inline constexpr uint16_t XF = 0x00E0;
inline constexpr uint16_t MergedCells = 0x00E5;
inline constexpr uint16_t MsoDrawingGroup = 0x00EB;
inline constexpr uint16_t MsoDrawing = 0x00EC;
inline constexpr uint16_t Sst = 0x00FC;
inline constexpr uint16_t LabelSst = 0x00FD;
inline constexpr uint16_t SupBook = 0x01AE;
inline constexpr uint16_t CondFmt = 0x01B0;
inline constexpr uint16_t CF = 0x01B1;
inline constexpr uint16_t Txo = 0x01B6;
inline constexpr uint16_t HLink = 0x01B8;
inline constexpr uint16_t CodeName = 0x01BA;
inline constexpr uint16_t Dimensions = 0x0200;
inline constexpr uint16_t Blank = 0x0201;
inline constexpr uint16_t String = 0x0207;
inline constexpr uint16_t Row = 0x0208;
inline constexpr uint16_t Array = 0x0221;
inline constexpr uint16_t ExternNameOld = 0x0223;
inline constexpr uint16_t DefaultRowHeight = 0x0225;
inline constexpr uint16_t Table = 0x0236;
inline constexpr uint16_t Window2 = 0x023E;
inline constexpr uint16_t RK = 0x027E;
inline constexpr uint16_t Style = 0x0293;
inline constexpr uint16_t Format = 0x041E;
inline constexpr uint16_t ShrFmla = 0x04BC;
inline constexpr uint16_t HLinkToolTip = 0x0800;
inline constexpr uint16_t Bof = 0x0809;
inline constexpr uint16_t Begin = 0x1033;
inline constexpr uint16_t End = 0x1034;
inline constexpr uint16_t ChartAI = 0x1051;
}  // namespace RecordId

}  // namespace tabulon

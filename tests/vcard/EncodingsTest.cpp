#include "vcard/Encodings.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(EscapeCommas, EscapesCommasOnly) {
  EXPECT_EQ(EscapeCommas(u"a,b,,c"), u"a\\,b\\,\\,c");
  EXPECT_EQ(EscapeCommas(u"a;b\\c\r\n"), u"a;b\\c\r\n");
}

TEST(QPBreaks, EncodeAndDecodeInTheirOrders) {
  EXPECT_EQ(QPEncodeBreaks(u"a=b\r\nc"), u"a=3Db=0D=0Ac");
  EXPECT_EQ(QPDecodeBreaks(u"a=3Db=0D=0Ac"), u"a=b\r\nc");
  EXPECT_EQ(QPDecodeBreaks(u"=3D0A"), u"=0A");
  EXPECT_EQ(QPEncodeBreaks(u"é=C3"), u"é=3DC3");
}

struct QPEncodeCase {
  const char* name;
  std::u16string text;
  TQPCharset charset;
  bool softBreaks;
  std::u16string encoded;
};

void PrintTo(const QPEncodeCase& c, std::ostream* os) { *os << c.name; }

class QPEncodeTest : public testing::TestWithParam<QPEncodeCase> {};

TEST_P(QPEncodeTest, Encodes) {
  const auto& c = GetParam();
  EXPECT_EQ(QPEncode(c.text, c.charset, c.softBreaks), c.encoded);
}

std::u16string Repeat(std::u16string_view s, int n) {
  std::u16string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QPEncodeTest,
    testing::Values(
        QPEncodeCase{"Printable", u"x y!~<>", qcWindows1252, true, u"x y!~<>"},
        QPEncodeCase{"EqualsAndControls", u"a=b\tc\r\n", qcWindows1252, true, u"a=3Db\tc=0D=0A"},
        QPEncodeCase{"AccentInWindows1252", u"Orléans", qcWindows1252, true, u"Orl=E9ans"},
        QPEncodeCase{"EuroInWindows1252", u"5 €", qcWindows1252, true, u"5 =80"},
        QPEncodeCase{"AccentInUtf8", u"é", qcUtf8, true, u"=C3=A9"},
        QPEncodeCase{"Cyrillic", u"Ж", qcUtf8, true, u"=D0=96"},
        QPEncodeCase{"OutsideTheBasicPlane", u"\U0001F600", qcUtf8, true, u"=F0=9F=98=80"},
        QPEncodeCase{"LoneSurrogate", std::u16string(1, char16_t(0xD800)), qcUtf8, true,
                     u"=EF=BF=BD"},
        QPEncodeCase{"SoftBreakAfter77", Repeat(u"a", 80), qcWindows1252, true,
                     Repeat(u"a", 77) + u"=\r\n" + u"aaa"},
        QPEncodeCase{"NoSoftBreaks", Repeat(u"a", 80), qcWindows1252, false, Repeat(u"a", 80)},
        QPEncodeCase{"BlankAfterSoftBreak", Repeat(u"a", 77) + u"b c", qcWindows1252, true,
                     Repeat(u"a", 77) + u"=\r\nb=20c"},
        QPEncodeCase{"LineBreakEndsSoftMode", Repeat(u"a", 77) + u"\nb c", qcWindows1252, true,
                     Repeat(u"a", 77) + u"=\r\n=0Ab c"},
        // Bytes are counted, and the break waits for the end of a character.
        QPEncodeCase{"BreakAfterWholeUtf8Character", Repeat(u"a", 75) + u"€b", qcUtf8, true,
                     Repeat(u"a", 75) + u"=E2=82=AC=\r\nb"},
        QPEncodeCase{"CountsBytesNotCharacters", Repeat(u"é", 39), qcUtf8, true,
                     Repeat(u"=C3=A9", 39) + u"=\r\n"}),
    [](const auto& info) { return info.param.name; });

struct QPDecodeCase {
  const char* name;
  std::u16string text;
  TQPCharset charset;
  std::u16string decoded;
};

void PrintTo(const QPDecodeCase& c, std::ostream* os) { *os << c.name; }

class QPDecodeTest : public testing::TestWithParam<QPDecodeCase> {};

TEST_P(QPDecodeTest, Decodes) {
  const auto& c = GetParam();
  EXPECT_EQ(QPDecode(c.text, true, c.charset), c.decoded);
  EXPECT_EQ(QPDecode(c.text, false, c.charset), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QPDecodeTest,
    testing::Values(QPDecodeCase{"Equals", u"A=3DB", qcLatin1, u"A=B"},
                    QPDecodeCase{"TrailingEquals", u"abc=", qcLatin1, u"abc"},
                    QPDecodeCase{"OneDigitLeft", u"=4", qcLatin1, u"4"},
                    QPDecodeCase{"LowerCaseHex", u"=e9", qcLatin1, u"é"},
                    QPDecodeCase{"NotHex", u"=ZZ", qcLatin1, std::u16string(1, u'\0')},
                    QPDecodeCase{"BytesAsCharactersWithoutCharset", u"M=C3=BCller", qcLatin1,
                                 u"M\u00C3\u00BCller"},
                    QPDecodeCase{"Utf8", u"M=C3=BCller", qcUtf8, u"Müller"},
                    QPDecodeCase{"InvalidUtf8", u"Orl=E9ans", qcUtf8, u"Orl\uFFFDans"},
                    QPDecodeCase{"Windows1252", u"Orl=E9ans =80", qcWindows1252, u"Orléans €"},
                    QPDecodeCase{"RawCharactersPassThrough", u"Orléans=20Ж", qcUtf8, u"Orléans Ж"}),
    [](const auto& info) { return info.param.name; });

TEST(QPCharset, ReadFromTheParameters) {
  EXPECT_EQ(ParseQPCharset(u"CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE"), qcUtf8);
  EXPECT_EQ(ParseQPCharset(u"charset=utf-8"), qcUtf8);
  EXPECT_EQ(ParseQPCharset(u"ENCODING=QUOTED-PRINTABLE;CHARSET=Windows-1252;HOME"), qcWindows1252);
  EXPECT_EQ(ParseQPCharset(u"CHARSET=ISO-8859-1"), qcWindows1252);
  EXPECT_EQ(ParseQPCharset(u"CHARSET=KOI8-R"), qcLatin1);
  EXPECT_EQ(ParseQPCharset(u"ENCODING=QUOTED-PRINTABLE"), qcLatin1);
}

TEST(Hex, DigitsAndSums) {
  EXPECT_EQ(HexDigitValue(u'7'), 7);
  EXPECT_EQ(HexDigitValue(u'b'), 11);
  EXPECT_EQ(HexDigitValue(u'F'), 15);
  EXPECT_EQ(HexDigitValue(u'g'), 0);
  EXPECT_EQ(HexToInt(u"E9"), 233u);
  EXPECT_EQ(HexToInt(u"20AC"), 0x20ACu);
  EXPECT_EQ(HexToInt(u"x1"), 1u);
}

TEST(Params, PreferredAndFieldTypeTexts) {
  EXPECT_EQ(PrefParam(false, vv21), u"");
  EXPECT_EQ(PrefParam(true, vv21), u";PREF");
  EXPECT_EQ(PrefParam(true, vv30), u";TYPE=PREF");
  EXPECT_EQ(PrefParam(true, vvNone), u";TYPE=PREF");
  struct Case {
    TvFieldType type;
    TvCardVersion version;
    std::u16string text;
  };
  const Case cases[] = {{ftHome, vvNone, u"HOME"},      {ftWork, vvNone, u"WORK"},
                        {ftOther, vvNone, u"OTHER"},    {ftWork, vv21, u";WORK"},
                        {ftOther, vv21, u""},           {ftHome, vv30, u";TYPE=HOME"},
                        {ftOther, vv30, u";TYPE="},     {ftOther, vv40, u";TYPE="}};
  for (const Case& c : cases)
    EXPECT_EQ(FieldTypeText(c.type, c.version), c.text) << int(c.type) << "/" << int(c.version);
}

TEST(Params, ParsedByContainment) {
  EXPECT_TRUE(IsPreferred(u"type=pref"));
  EXPECT_TRUE(IsPreferred(u"TYPE=WORK;PREF"));
  EXPECT_FALSE(IsPreferred(u"TYPE=WORK"));
  EXPECT_EQ(ParseFieldType(u"type=home,work"), ftHome);
  EXPECT_EQ(ParseFieldType(u"TYPE=WORK"), ftWork);
  EXPECT_EQ(ParseFieldType(u"INTERNET"), ftOther);
}

TEST(Params, PhoneTypes) {
  const std::pair<std::u16string, TvPhoneTypes> cases[] = {
      {u"TYPE=WORK,VOICE;PREF", {ptVoice}},
      {u"type=cell,fax", {ptFax, ptCell}},
      {u"TEXT;VIDEO;PAGER", {ptText, ptVideo, ptPager}},
      {u"TYPE=TEXTPHONE", {ptTextPhone}},
      {u"TYPE=TEXTPHONE,TEXT", {ptText, ptTextPhone}},
      {u"TYPE=HOME", {}},
  };
  for (const auto& [params, types] : cases)
    EXPECT_EQ(ParsePhoneTypes(params).Byte(), types.Byte()) << std::string(params.begin(), params.end());
}

}  // namespace
}  // namespace tabulon

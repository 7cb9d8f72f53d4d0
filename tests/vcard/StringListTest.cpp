#include "vcard/FileStringList.h"

#include <gtest/gtest.h>

#include "vcard/StringList.h"

namespace tabulon {
namespace {

std::vector<std::u16string> Lines(std::u16string_view text) {
  TStringList list;
  list.SetText(text);
  return list.Lines();
}

TEST(StringList, SplitsAtEveryKindOfLineEnd) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(Lines(u""), V{});
  EXPECT_EQ(Lines(u"a"), V{u"a"});
  EXPECT_EQ(Lines(u"a\r\nb\rc\nd"), (V{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(Lines(u"a\r\n"), V{u"a"});
  EXPECT_EQ(Lines(u"a\n\r"), (V{u"a", u""}));
  EXPECT_EQ(Lines(u"\r\n\r\n"), (V{u"", u""}));
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
  TStringList list;
  EXPECT_EQ(list.Text(), u"");
  list.Add(u"a");
  list.Add(u"");
  EXPECT_EQ(list.Text(), u"a\r\n\r\n");
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
  TStringList list;
  for (auto s : {u"plain", u"with blank", u"a,b", u"say \"hi\"", u""}) list.Add(s);
  EXPECT_EQ(list.CommaText(), u"plain,\"with blank\",\"a,b\",\"say \"\"hi\"\"\",");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(back, list);
}

TEST(StringList, ReadsCommaText) {
  using V = std::vector<std::u16string>;
  const std::pair<std::u16string, V> cases[] = {
      {u"", V{}},
      {u"a", V{u"a"}},
      {u"a, b ,c", V{u"a", u"b", u"c"}},
      {u"\"x, y\",z", V{u"x, y", u"z"}},
      {u"a,,b", V{u"a", u"", u"b"}},
      {u"\"unclosed", V{u"unclosed"}},
  };
  for (const auto& [text, lines] : cases) {
    TStringList list;
    list.SetCommaText(text);
    EXPECT_EQ(list.Lines(), lines);
  }
}

TEST(FileStringList, WritesLinesInPiecesAndReadsThemBack) {
  TFileStringList list;
  list.Write(u"a");
  list.WriteLn(u"b");
  list.WriteLn(u"c");
  EXPECT_EQ(list.Text(), u"ab\r\nc\r\n");
  std::u16string line;
  ASSERT_FALSE(list.Eof());
  list.ReadLn(line);
  EXPECT_EQ(line, u"ab");
  list.ReadLn(line);
  EXPECT_TRUE(list.Eof());
  list.Reset();
  list.ReadLn(line);
  EXPECT_EQ(line, u"ab");
}

}  // namespace
}  // namespace tabulon

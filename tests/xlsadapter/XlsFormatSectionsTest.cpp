#include "XlsAdapter/XlsFormatSections.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(SplitSections, SplitsAtSemicolonsOutsideQuotesEscapesAndBrackets) {
  const struct {
    std::u16string_view format;
    int count;
    std::u16string_view first, second;
  } cases[] = {
      {u"0", 1, u"0", u""},
      {u"0;-0", 2, u"0", u"-0"},
      {u"\"a;b\";c", 2, u"\"a;b\"", u"c"},
      {u"0\\;0;1", 2, u"0\\;0", u"1"},
      {u"[$;x]0;1", 2, u"[$;x]0", u"1"},
      {u";", 2, u"", u""},
      {u"a;b;c;d;e;f", 4, u"a", u"b"},  // after the fourth section the rest is ignored
  };
  for (const auto& c : cases) {
    const TFormatSections s = SplitSections(c.format, 0);
    EXPECT_EQ(s.Count, c.count);
    EXPECT_EQ(s.Text[0], c.first);
    EXPECT_EQ(s.Text[1], c.second);
  }
  EXPECT_EQ(SplitSections(u"a;b;c;d;e", 0).Text[3], u"d");
}

struct ChoiceCase {
  std::u16string_view format;
  double x;
  int index;
  bool negate;
};

class ChooseSectionTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseSectionTest, PicksTheSectionAndItsSign) {
  const ChoiceCase& c = GetParam();
  const TSectionChoice choice = ChooseSection(SplitSections(c.format, c.x), c.x);
  EXPECT_EQ(choice.Index, c.index);
  if (choice.Index >= 0) {
    EXPECT_EQ(choice.Negate, c.negate);
  }
}

INSTANTIATE_TEST_SUITE_P(
    WithoutConditions, ChooseSectionTest,
    testing::Values(ChoiceCase{u"0", -5, 0, false}, ChoiceCase{u"0;(0)", 5, 0, false},
                    ChoiceCase{u"0;(0)", -5, 1, true}, ChoiceCase{u"0;(0)", 0, 0, false},
                    ChoiceCase{u"0;(0);-", 0, 2, false}, ChoiceCase{u"0;(0);-;@", -1, 1, true}));

INSTANTIATE_TEST_SUITE_P(
    WithConditions, ChooseSectionTest,
    testing::Values(ChoiceCase{u"[>100]0", 5, -1, false}, ChoiceCase{u"[>100]0", 150, 0, false},
                    ChoiceCase{u"[<=9999999]0;0", 5551234, 0, false},
                    ChoiceCase{u"[<=9999999]0;0", -5, 0, false},
                    ChoiceCase{u"[<=9999999]0;0", 2125551234, 1, true},
                    ChoiceCase{u"[<0]0;0", -1, 0, true},  // f <= 0: printed without sign
                    ChoiceCase{u"[<>0]0;0", 0, 1, true}, ChoiceCase{u"[=0]0;0", 0, 0, true},
                    ChoiceCase{u"[=0]0;0", -5, 1, false},  // "=" keeps the sign of the second
                    ChoiceCase{u"[>0]0;0", -5, 1, true}, ChoiceCase{u"[>=-1]0;0", -5, 1, true},
                    ChoiceCase{u"[>=10]0;[<0]0;0", 5, 2, false},
                    ChoiceCase{u"[>=10]0;[<0]0;[=5]0;0", 7, 3, false},
                    ChoiceCase{u"[>=10]0;[<0]0;[=5]0;0", 5, 2, true},
                    ChoiceCase{u"[< 1.5e1 ]0;0", 5, 0, false},  // a plain number, blanks around
                    ChoiceCase{u"[<abc]0;0", 5, 0, false},      // unreadable: no condition
                    ChoiceCase{u"[<5", 7, 0, false},             // no "]": no condition
                    ChoiceCase{u"[<1,5]0;0", 5, 0, false}));     // "," is no decimal point

}  // namespace
}  // namespace tabulon

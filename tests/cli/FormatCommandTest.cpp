// Runs xls2vcf format as a user would, under the C locale.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/RunXls2vcf.h"

namespace {

struct Outcome {
  std::string Out;
  int Exit = -1;
};

Outcome RunFormat(const std::vector<std::string>& args) {
  std::vector<std::string> command = {"format"};
  command.insert(command.end(), args.begin(), args.end());
  const tabulon::testing::TCliOutcome o = tabulon::testing::RunXls2vcf(command);
  return {o.Out, o.Exit};
}

TEST(FormatCommand, PrintsTheRenderedText) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      {{"1234.5", "#,##0.00"}, "1,234.50\n"},
      {{"--", "-2.25", "\"$\"#,##0.00"}, "-$2.25\n"},
      {{"1.5e3", "0"}, "1500\n"},
      {{"--1904", "45000", "mm/dd/yyyy"}, "03/16/2027\n"},
      {{"--text", "Anne", "\"Name: \"@"}, "Name: Anne\n"},
      {{"--bool", "FALSE", "0.00"}, "FALSE\n"},
      {{"--empty", "0.00"}, "\n"},
      {{"0.75", "h:mm AM/PM"}, "6:00 PM\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = RunFormat(c.args);
    EXPECT_EQ(o.Exit, 0) << c.args[0];
    EXPECT_EQ(o.Out, c.out) << c.args[0];
  }
}

TEST(FormatCommand, PrintsJson) {
  EXPECT_EQ(RunFormat({"--json", "--", "-1234", "#,##0 _$;[Red]-#,##0 _$"}).Out,
            "{\"text\":\"-1,234  \",\"color\":255,\"HasDate\":false,\"HasTime\":false}\n");
  EXPECT_EQ(RunFormat({"--json", "45000.75", "m/d/yy h:mm"}).Out,
            "{\"text\":\"3/15/23 18:00\",\"color\":null,\"HasDate\":true,\"HasTime\":true}\n");
}

TEST(FormatCommand, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"inf", "0"},        {"nan", "0"},          {"1,5", "0"},           {"--bool", "yes", "0"},
      {"--bool", "true", "0"}, {"1"},               {"1", "0", "2"},        {"--empty", "1", "0"},
      {"--text", "--bool", "TRUE", "0"}, {"1e999", "0"},
  };
  for (const auto& args : cases) EXPECT_EQ(RunFormat(args).Exit, 2) << args[0];
}

TEST(FormatCommand, AnOverLongPictureFailsWithOne) {
  EXPECT_EQ(RunFormat({"1", std::string(225, '0')}).Exit, 1);
}

}  // namespace

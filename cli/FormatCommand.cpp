// xls2vcf format: renders one value with a number format, as a cell of a
// workbook would show it under the user's locale.
#include <iostream>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "XlsAdapter/XlsFormatValue.h"
#include "cli/Commands.h"
#include "platform/PlainDecimal.h"
#include "platform/TextEncoding.h"

namespace tabulon::cli {
namespace {

struct FormatOptions {
  bool Text = false;
  bool Bool = false;
  bool Empty = false;
  bool Dates1904 = false;
  bool Json = false;
  std::string Value;
  std::string Format;
  size_t Positionals = 0;
};

TCellVariant ParseValue(const FormatOptions& o) {
  if (o.Empty) return {};
  if (o.Text) return FromUtf8(o.Value);
  if (o.Bool) {
    if (o.Value == "TRUE") return true;
    if (o.Value == "FALSE") return false;
    throw CLI::ValidationError("VALUE", "with --bool, VALUE must be TRUE or FALSE");
  }
  const auto number = ParsePlainDecimal(o.Value);
  if (!number) throw CLI::ValidationError("VALUE", "not a finite decimal number with \".\": " + o.Value);
  return *number;
}

void PrintRendering(const TXlsRendering& r, bool json) {
  if (!json) {
    std::cout << ToUtf8(r.Text) << '\n';
    return;
  }
  nlohmann::ordered_json out;
  out["text"] = ToUtf8(r.Text);
  out["color"] = r.Color ? nlohmann::ordered_json(*r.Color) : nlohmann::ordered_json(nullptr);
  out["HasDate"] = r.HasDate;
  out["HasTime"] = r.HasTime;
  std::cout << out.dump() << '\n';
}

void RunFormat(FormatOptions o) {
  if (o.Empty) {
    if (o.Positionals != 1) throw CLI::ArgumentMismatch("with --empty, give FORMAT only");
    o.Format = o.Value;
  } else if (o.Positionals != 2) {
    throw CLI::ArgumentMismatch("give VALUE and FORMAT");
  }
  const TCellVariant value = ParseValue(o);
  PrintRendering(XlsRenderValue(value, FromUtf8(o.Format), o.Dates1904), o.Json);
}

}  // namespace

void AddFormatCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand(
      "format", "Print the text a cell shows for VALUE under the number FORMAT (a negative VALUE follows --)");
  auto o = std::make_shared<FormatOptions>();
  auto* text = cmd->add_flag("--text", o->Text, "VALUE is a text");
  auto* boolean = cmd->add_flag("--bool", o->Bool, "VALUE is TRUE or FALSE");
  auto* empty = cmd->add_flag("--empty", o->Empty, "an empty cell: give FORMAT only");
  text->excludes(boolean, empty);
  boolean->excludes(empty);
  cmd->add_flag("--1904", o->Dates1904, "the workbook counts days from 1904");
  cmd->add_flag("--json", o->Json, "print {\"text\",\"color\",\"HasDate\",\"HasTime\"}");
  auto* value = cmd->add_option("VALUE", o->Value, "a decimal number with \".\", or the text or Boolean");
  auto* format = cmd->add_option("FORMAT", o->Format, "the number format");
  cmd->callback([o, value, format] {
    o->Positionals = value->count() + format->count();
    RunFormat(*o);
  });
}

}  // namespace tabulon::cli

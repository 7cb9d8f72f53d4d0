// The subcommands of xls2vcf. Each one registers itself on the application
// and runs from its callback; a failure is an exception carrying the
// system's message (exit 1), a usage error a CLI::ParseError (exit 2).
#pragma once

#include <CLI/CLI.hpp>

namespace tabulon::cli {

// Adds every subcommand to `app`.
void AddCommands(CLI::App& app);

// xls2vcf read CARD.vcf: the card as JSON on stdout.
void AddReadCommand(CLI::App& app);
// xls2vcf write CARD.json [-o OUT.vcf]: vCard text from that JSON.
void AddWriteCommand(CLI::App& app);
// xls2vcf format [--text|--bool] [--1904] [--json] [--] VALUE FORMAT
// xls2vcf format --empty FORMAT
void AddFormatCommand(CLI::App& app);

// xls2vcf cells BOOK.xls [--sheet N]
void AddCellsCommand(CLI::App& app);

}  // namespace tabulon::cli

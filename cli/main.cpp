// xls2vcf: the command-line face of Tabulon. It runs the same code paths as
// the window: open a workbook, read its cells, write and read vCard files.
#include <cstdio>
#include <exception>
#include <iostream>

#include "cli/Commands.h"

namespace {

constexpr int kExitError = 1;
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Turns spreadsheets of contacts into vCard address books.", "xls2vcf"};
  app.require_subcommand(1);
  tabulon::cli::AddCommands(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << e.what() << '\n';
    return kExitError;
  }
  return 0;
}

#include "cli/Commands.h"

namespace tabulon::cli {

void AddCommands(CLI::App& app) {
  AddCellsCommand(app);
  AddFormatCommand(app);
}

}  // namespace tabulon::cli

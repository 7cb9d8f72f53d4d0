#include "cli/Commands.h"

namespace tabulon::cli {

void AddCommands(CLI::App& app) {
  AddCellsCommand(app);
  AddReadCommand(app);
  AddWriteCommand(app);
  AddFormatCommand(app);
}

}  // namespace tabulon::cli

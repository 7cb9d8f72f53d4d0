#include "cli/Commands.h"

namespace tabulon::cli {

void AddCommands(CLI::App& app) {
  AddFormatCommand(app);
}

}  // namespace tabulon::cli

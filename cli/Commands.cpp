#include "cli/Commands.h"

namespace tabulon::cli {

void AddCommands(CLI::App& app) {
  (void)app;
}

}  // namespace tabulon::cli

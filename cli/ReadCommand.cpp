#include <iostream>
#include <memory>
#include <string>

#include "cli/CardJson.h"
#include "cli/Commands.h"
#include "vcard/Card.h"

namespace tabulon::cli {

void AddReadCommand(CLI::App& app) {
  auto path = std::make_shared<std::string>();
  CLI::App* read = app.add_subcommand("read", "Read a vCard file and print its contacts as JSON");
  read->add_option("CARD.vcf", *path, "vCard file (2.1, 3.0 or 4.0)")->required();
  read->callback([path] {
    TvCard card;
    card.LoadFromFile(*path);
    std::cout << CardToJson(card).dump(2) << '\n';
  });
}

}  // namespace tabulon::cli

#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "cli/CardJson.h"
#include "cli/Commands.h"
#include "vcard/Card.h"

namespace tabulon::cli {
namespace {

struct WriteOptions {
  std::string input;
  std::string output;
};

nlohmann::json ReadJsonFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("Cannot open file \"" + path + "\"");
  std::ostringstream text;
  text << file.rdbuf();
  try {
    return nlohmann::json::parse(text.str());
  } catch (const nlohmann::json::parse_error& e) {
    throw std::runtime_error("Malformed JSON in \"" + path + "\": " + e.what());
  }
}

}  // namespace

void AddWriteCommand(CLI::App& app) {
  auto options = std::make_shared<WriteOptions>();
  CLI::App* write = app.add_subcommand(
      "write", "Write the contacts of a JSON file (as `read` prints them) as vCard text");
  write->add_option("CARD.json", options->input, "JSON file: {\"ProdID\": ..., \"vContacts\": [...]}")
      ->required();
  write->add_option("-o,--output", options->output, "vCard file to write (default: stdout)");
  write->callback([options] {
    TvCard card;
    CardFromJson(ReadJsonFile(options->input), card);
    if (options->output.empty())
      card.SaveToStream(std::cout);
    else
      card.SaveToFile(options->output);
  });
}

}  // namespace tabulon::cli

// The shared corpus of real workbooks, as the corpus tests walk it.
#pragma once

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tabulon {

// The .xls files of the corpus in name order; none when there is no corpus.
inline std::vector<std::filesystem::path> CorpusWorkbooks() {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path dir = TABULON_CORPUS_DIR;
  if (!std::filesystem::is_directory(dir)) return files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() == ".xls") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Whether a failure carries one of the reader's messages.
inline bool IsReaderMessage(const std::string& message) {
  static const std::set<std::string> fixed = {
      "The file \"\" is invalid",
      "Error reading Excel records. File invalid",
      "File is password protected",
      "Template file is saved with an invalid Excel version",
      "Error reading record",
      "Trying to add more than one CONTINUE record to the same record",
      "Invalid conditional format record"};
  return fixed.contains(message) || message.starts_with("End of stream reached with ") ||
         message.starts_with("Record with ID 0x") ||
         message.starts_with("Sheet name already exists: ");
}

// Files refused, by message.
using TRefusals = std::map<std::string, std::vector<std::string>>;

inline void PrintRefusals(const TRefusals& refused) {
  for (const auto& [message, names] : refused) {
    std::cout << "  " << names.size() << " refused with \"" << message << "\":";
    for (const auto& name : names) std::cout << ' ' << name;
    std::cout << '\n';
  }
}

}  // namespace tabulon

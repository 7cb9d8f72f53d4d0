// A fixture that gives each test a folder of its own, removed afterwards,
// and the small file helpers tests need around it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tabulon::test {

inline std::string Slurp(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class TempFolder : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    FDir = std::filesystem::path(testing::TempDir()) /
           (std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(FDir);
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }

  // Writes `content` to a file of the folder and returns its path.
  std::string File(const std::string& name, const std::string& content) {
    const std::filesystem::path path = FDir / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  std::filesystem::path FDir;
};

}  // namespace tabulon::test

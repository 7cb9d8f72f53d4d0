#include "platform/Printf.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(Printf, FillsPlaceholdersAsC) {
  EXPECT_EQ(Printf("Record with ID 0x%x is invalid", 0x2f), "Record with ID 0x2f is invalid");
  EXPECT_EQ(Printf("[%2x]", 7), "[ 7]");
  EXPECT_EQ(Printf("The file \"%s\" is invalid", ""), "The file \"\" is invalid");
  EXPECT_EQ(Printf("%s", std::string(5000, 'x').c_str()).size(), 5000u);
}

}  // namespace
}  // namespace tabulon

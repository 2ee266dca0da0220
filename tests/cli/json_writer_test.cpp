#include "cli/json_writer.h"

#include <gtest/gtest.h>

namespace tamo::cli {
namespace {

TEST(JsonWriter, NestsAndSeparates) {
  JsonWriter j;
  j.begin_object().key("a").value(1LL).key("b").begin_array().value("x").value(true).end_array();
  j.key("c").begin_object().end_object().end_object();
  EXPECT_EQ(j.str(), R"({"a":1,"b":["x",true],"c":{}})");
}

TEST(JsonWriter, EscapesQuotesControlsAndKeepsUtf8) {
  EXPECT_EQ(json_escape("\" \\ \r\n\t\x01 á"), R"("\" \\ \r\n\t\u0001 á")");
}

}  // namespace
}  // namespace tamo::cli

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "shared/MessageBox.h"
#include "tools/probe/Probe.h"

namespace quorva::probe {
namespace {

nlohmann::json Probe(const std::string& line) {
  auto reply = nlohmann::json::parse(ProbeLine(line));  // a reply is always valid JSON
  EXPECT_EQ(reply.size(), 5u) << line;
  return reply;
}

// Requests that must be refused with a reason, never a crash or an exception.
TEST(ProbeLine, RefusesMalformedRequests) {
  const std::string lines[] = {
      "",
      "   ",
      "{",
      "null",
      "\"1+1\"",
      "{\"expr\": null}",
      "{\"expr\": \"1\", \"after\": 1.5}",
      "{\"expr\": \"1\", \"group\": \"1\"}",
      "{\"expr\": \"1\", \"wide\": [1]}",
      "{\"expr\": \"1\"} trailing",
      "{\"expr\": \"\xFF\"}",          // invalid UTF-8 inside a string
      std::string(200000, '['),        // deep nesting
  };
  for (const auto& line : lines) {
    auto reply = Probe(line);
    EXPECT_EQ(reply["error"], -1) << line.substr(0, 40);
    EXPECT_NE(reply["messages"], "") << line.substr(0, 40);
    EXPECT_EQ(reply["answer"], "") << line.substr(0, 40);
  }
}

TEST(ProbeLine, ReadsFlagsAsTheWindowDoes) {
  struct {
    const char* options;
    const char* answer;
  } const cases[] = {
      {"", "1234.50"},
      {", \"group\": 1", "1,234.50"},
      {", \"group\": true", "1,234.50"},
      {", \"group\": 2", "1234.50"},  // only a checked box (1) groups
      {", \"group\": false, \"wide\": 1", "１２３４．５０"},
      {", \"after\": 4", "1234.5000"},
      {", \"after\": \"\"", "1234.50"},
  };
  for (const auto& c : cases) {
    std::string line = std::string("{\"expr\": \"1234.5\"") + c.options + "}";
    EXPECT_EQ(Probe(line)["answer"], c.answer) << line;
  }
}

TEST(ProbeLine, LeavesTheMessageBoxHandlerAsItFoundIt) {
  int shown = 0;
  SetMessageBoxHandler([&shown](const MessageBoxRequest&) { return ++shown, kIdOk; });
  auto reply = Probe("{\"expr\": \"(1\"}");
  EXPECT_EQ(reply["messages"], "閉じ括弧が足りません\r\n");
  EXPECT_EQ(shown, 0);
  ShowMessageBox({});
  EXPECT_EQ(shown, 1);
  SetMessageBoxHandler(nullptr);
}

}  // namespace
}  // namespace quorva::probe

// Command lines of every kind, drawn from a fixed seed: each ends with a
// status and, when refused, one line of explanation and nothing on stdout.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace corvane {
namespace {

TEST(HostileCommandLine, MalformedCommandLinesEndWithAMessage) {
  const std::vector<std::string> words = {"--service",
                                          "--date",
                                          "--to",
                                          "--evening",
                                          "--patron",
                                          "--patron-text",
                                          "--bishop",
                                          "--json",
                                          "--explain",
                                          "--txt",
                                          "/nonexistent-folder/x.txt",
                                          "orthros",
                                          "basil",
                                          "great-vespers",
                                          "2022-10-08",
                                          "2022-02-30",
                                          "0000-00-00",
                                          "99999-01-01",
                                          "-1",
                                          "1583-01-01",
                                          "9999-12-30",
                                          "9999-12-31",
                                          "nicholas",
                                          "",
                                          " ",
                                          "\xFF\xFE",
                                          "--",
                                          "-",
                                          "--service=orthros",
                                          "--date=2022-10-08",
                                          "\x01",
                                          "Ἀ",
                                          "--help-all",
                                          "-x"};
  std::mt19937 random{1583};
  for (int round = 0; round < 2000; ++round) {
    std::vector<std::string> args = {"corvane-cli"};
    const int count = std::uniform_int_distribution<int>{0, 9}(random);
    for (int i = 0; i < count; ++i) {
      args.push_back(
          words[std::uniform_int_distribution<std::size_t>{0, words.size() - 1}(random)]);
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    std::string joined;
    for (const std::string& arg : args) joined += arg + ' ';
    ASSERT_TRUE(status == 0 || status == 1 || status == 2) << joined;
    if (status != 0) {
      const std::string message = err.str();
      EXPECT_EQ(out.str(), "") << joined;
      EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << joined << message;
    }
  }
}

}  // namespace
}  // namespace corvane

// Command lines of every kind, drawn from a fixed seed: each ends with a
// status and, when refused, one line of explanation and nothing on stdout.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cli/cli_run.h"

namespace corvane {
namespace {

TEST(HostileCommandLine, MalformedCommandLinesEndWithAMessage) {
  // clang-format off
  const std::vector<std::string> words = {
      "--service", "--date", "--to", "--evening", "--patron", "--patron-text", "--bishop", "--json",
      "--explain", "--txt", "/nonexistent-folder/x.txt", "orthros", "basil", "great-vespers",
      "2022-10-08", "2022-02-30", "0000-00-00", "99999-01-01", "-1", "1583-01-01", "9999-12-30",
      "9999-12-31", "nicholas", "", " ", "\xFF\xFE", "--", "-", "--service=orthros",
      "--date=2022-10-08", "\x01", "Ἀ", "--help-all", "-x"};
  // clang-format on
  std::mt19937 random{1583};
  for (int round = 0; round < 2000; ++round) {
    testing::Args args;
    const int count = std::uniform_int_distribution<int>{0, 9}(random);
    for (int i = 0; i < count; ++i) {
      args.push_back(
          words[std::uniform_int_distribution<std::size_t>{0, words.size() - 1}(random)]);
    }
    std::string joined;
    for (const std::string& arg : args) joined += arg + ' ';
    const testing::CliRun run = testing::runWith(args);
    ASSERT_TRUE(run.status == 0 || run.status == 1 || run.status == 2) << joined;
    if (run.status != 0) {
      EXPECT_EQ(run.out, "") << joined;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << joined << run.err;
    }
  }
}

}  // namespace
}  // namespace corvane

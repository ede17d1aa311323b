// No test of the command line reads the temple saved by whoever runs the
// tests: the data folder of every test is an empty one of the tests' own,
// unless a test points $XDG_DATA_HOME elsewhere itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

struct EmptyDataFolder : ::testing::Environment {
  void SetUp() override { ::setenv("XDG_DATA_HOME", folder.emplace().path().c_str(), 1); }
  void TearDown() override { folder.reset(); }
  std::optional<testing::TemporaryFolder> folder;
};

[[maybe_unused]] ::testing::Environment* const kEmptyDataFolder =
    ::testing::AddGlobalTestEnvironment(new EmptyDataFolder);

}  // namespace
}  // namespace corvane

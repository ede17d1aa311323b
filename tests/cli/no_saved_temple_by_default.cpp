// No test of the command line reads the temple saved by whoever runs the
// tests: the data folder of every test is an empty one of the tests' own,
// unless a test points $XDG_DATA_HOME elsewhere itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

class EmptyDataFolder : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ = std::make_unique<testing::TemporaryFolder>();
    ::setenv("XDG_DATA_HOME", folder_->path().c_str(), 1);
  }
  void TearDown() override { folder_.reset(); }

 private:
  std::unique_ptr<testing::TemporaryFolder> folder_;
};

[[maybe_unused]] ::testing::Environment* const kEmptyDataFolder =
    ::testing::AddGlobalTestEnvironment(new EmptyDataFolder);

}  // namespace
}  // namespace corvane

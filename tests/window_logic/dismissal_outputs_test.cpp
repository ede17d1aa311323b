#include "window_logic/dismissal_outputs.h"

#include <gtest/gtest.h>

#include "composer/compose.h"
#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using namespace std::chrono;

// The PDF's own name is free, whatever documents of the same name there are.
TEST(DismissalOutputs, ExportAsPdfProposesTheNextFreePdfName) {
  testing::TemporaryFolder folder;
  const std::vector<Dismissal> orthros{compose({2025y / April / 20, Service::orthros, false}, {})};
  ASSERT_TRUE(writeFileAtomically(folder.path() / "dismissal-2025-04-20-orthros.docx", "PK"));
  EXPECT_EQ(freePdfPath(folder.path(), orthros, false),
            folder.path() / "dismissal-2025-04-20-orthros.pdf");
  ASSERT_TRUE(writeFileAtomically(folder.path() / "dismissal-2025-04-20-orthros.pdf", "%PDF-"));
  EXPECT_EQ(freePdfPath(folder.path(), orthros, false),
            folder.path() / "dismissal-2025-04-20-orthros-2.pdf");

  const std::vector<Dismissal> weekend{
      compose({2026y / December / 12, Service::greatVespers, false}, {}),
      compose({2026y / December / 13, Service::chrysostom, true}, {})};
  EXPECT_EQ(freePdfPath(folder.path(), weekend, true),
            folder.path() / "booklet-2026-12-12-to-2026-12-13.pdf");
  EXPECT_EQ(freePdfPath(folder.path(), std::span{weekend}.last(1), false),
            folder.path() / "dismissal-2026-12-13-chrysostom-evening.pdf");
}

}  // namespace
}  // namespace corvane

#include "window_logic/booklet_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using namespace std::chrono;

class Booklet : public ::testing::Test {
 protected:
  testing::TemporaryFolder folder;
  const std::filesystem::path file = folder.path() / "booklet.txt";
  std::vector<std::string> reports;
  BookletList list{file, [this](const std::string& message) { reports.push_back(message); }};
};

// An unreadable list is set aside under a name of its own, never over an
// earlier one; the booklet starts empty and is saved afresh.
TEST_F(Booklet, AnUnreadableListIsSetAsideUnderAFreeName) {
  ASSERT_TRUE(writeFileAtomically(folder.path() / "booklet-unreadable.txt", "older"));
  ASSERT_TRUE(writeFileAtomically(file, "2026-12-12 vespers\n"));
  list.load();
  EXPECT_EQ(reports, std::vector<std::string>{
                         file.string() +
                         ":1: unknown service 'vespers' (one of great-vespers, daily-vespers, "
                         "orthros, daily-orthros, chrysostom, basil, presanctified). The list was "
                         "kept as " +
                         (folder.path() / "booklet-unreadable-2.txt").string() +
                         "; the booklet starts empty."});
  EXPECT_EQ(readWholeFile(folder.path() / "booklet-unreadable-2.txt"), "2026-12-12 vespers\n");
  EXPECT_EQ(readWholeFile(folder.path() / "booklet-unreadable.txt"), "older");
  EXPECT_TRUE(list.entries().empty());
  EXPECT_TRUE(list.add({2026y / December / 12, Service::greatVespers, false}));
  EXPECT_EQ(readWholeFile(file), bookletListText(list.entries()));
}

// Every bad line of a list is named, one a line above what became of it;
// beyond ten, how many more.
TEST_F(Booklet, EveryBadLineIsNamed) {
  const std::string bad =
      " (one of great-vespers, daily-vespers, orthros, daily-orthros, "
      "chrysostom, basil, presanctified)\n";
  ASSERT_TRUE(writeFileAtomically(file,
                                  "2026-12-12 vespers\n2026-12-13 orthros\n"
                                  "2026-12-13 orthro\n2026-12-14 matins\n"));
  list.load();
  const std::string kept = "The list was kept as " +
                           (folder.path() / "booklet-unreadable.txt").string() +
                           "; the booklet starts empty.";
  EXPECT_EQ(reports,
            std::vector<std::string>{file.string() + ":1: unknown service 'vespers'" + bad +
                                     file.string() + ":3: unknown service 'orthro'" + bad +
                                     file.string() + ":4: unknown service 'matins'" + bad + kept});
  std::string twelve;
  for (int i = 0; i < 12; ++i) twelve += "2026-12-12 x\n";
  ASSERT_TRUE(writeFileAtomically(file, twelve));
  list.load();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(std::count(reports[1].begin(), reports[1].end(), '\n'), 11);
  EXPECT_NE(reports[1].find(":10: unknown service 'x'"), std::string::npos) << reports[1];
  EXPECT_NE(reports[1].find("\n… and 2 more bad lines\nThe list was kept as "), std::string::npos)
      << reports[1];
}

// A full list, as written by hand: nothing more is added.
TEST_F(Booklet, AFullListTakesNoMore) {
  std::vector<ServiceRequest> full;
  for (int day = 0; full.size() < kMostBookletEntries; ++day) {
    full.push_back({Date{2027y / January / 1} + days{day}, Service::orthros, false});
  }
  ASSERT_TRUE(writeFileAtomically(file, bookletListText(full)));
  list.load();
  EXPECT_EQ(list.entries().size(), kMostBookletEntries);
  EXPECT_FALSE(list.add({2040y / January / 1, Service::orthros, false}));
  EXPECT_EQ(reports, std::vector<std::string>{
                         "A booklet holds at most 5000 dismissals; create it, or clear it first."});
}

// Entries in the order served, the evening Liturgy apart from the morning
// one; a removal and a clearing can be undone, until something is added.
TEST_F(Booklet, RemovingAndClearingCanBeUndone) {
  const ServiceRequest vespers{2026y / December / 12, Service::greatVespers, false};
  const ServiceRequest orthros{2026y / December / 13, Service::orthros, false};
  const ServiceRequest liturgy{2026y / December / 13, Service::chrysostom, false};
  for (const ServiceRequest& entry : {liturgy, vespers, orthros}) ASSERT_TRUE(list.add(entry));
  EXPECT_FALSE(list.add(orthros));
  EXPECT_EQ(list.indexOf({2026y / December / 13, Service::chrysostom, true}), std::nullopt);
  const std::vector<ServiceRequest> all = {vespers, orthros, liturgy};
  list.remove(1);
  EXPECT_EQ(list.entries(), (std::vector<ServiceRequest>{vespers, liturgy}));
  list.undo();
  EXPECT_EQ(list.entries(), all);
  EXPECT_EQ(readWholeFile(file), bookletListText(all)) << "the restored list is saved";
  EXPECT_FALSE(list.canUndo());

  list.clear();
  ASSERT_TRUE(list.add(orthros));
  EXPECT_FALSE(list.canUndo()) << "an entry added since ends the undo";
  list.undo();
  EXPECT_EQ(list.entries(), std::vector<ServiceRequest>{orthros});
}

}  // namespace
}  // namespace corvane

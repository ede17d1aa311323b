#include "state/service.h"

#include <gtest/gtest.h>

#include "state/dismissal_state.h"

namespace corvane {
namespace {

// The state asks of its one service in the rules' words: exactly one question
// is true, the daily services are daily, only the Liturgies may be evening ones.
TEST(Service, TheStateAsksOfItsOneService) {
  using Question = bool (DismissalState::*)() const;
  struct Row {
    Service service;
    std::string_view name;
    Question question;
    bool daily;
    bool mayBeEvening;
  };
  const Row rows[] = {
      {Service::greatVespers, "great-vespers", &DismissalState::greatVespers, false, false},
      {Service::dailyVespers, "daily-vespers", &DismissalState::dailyVespers, true, false},
      {Service::orthros, "orthros", &DismissalState::orthros, false, false},
      {Service::dailyOrthros, "daily-orthros", &DismissalState::dailyOrthros, true, false},
      {Service::chrysostom, "chrysostom", &DismissalState::liturgyChrysostom, false, true},
      {Service::basil, "basil", &DismissalState::liturgyBasil, false, true},
      {Service::presanctified, "presanctified", &DismissalState::presanctified, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (bool evening : {false, true}) {
      const DismissalState state{ServiceRequest{{}, row.service, evening}};
      for (const Row& other : rows) EXPECT_EQ((state.*other.question)(), &other == &row);
      EXPECT_EQ(state.isDailyService(), row.daily);
      EXPECT_EQ(state.eveningLiturgy, evening && row.mayBeEvening);
    }
    EXPECT_EQ(serviceName(row.service), row.name);
    EXPECT_EQ(serviceFromName(row.name), row.service);
  }
  EXPECT_EQ(serviceFromName("vespers"), std::nullopt);
}

// A slot's text and the rule that wrote it travel together; emptying forgets
// the rule. (That each slot is its own field and name, the reference listings
// show.)
TEST(DismissalState, EveryWriteRecordsItsRule) {
  DismissalState state{ServiceRequest{}};
  state.write(Slot::saintsClause, "of the saint, ", "saints of 1 May");
  // A piece may be the slot's own text.
  state.write(Slot::saintsClause, {state.text(Slot::saintsClause), "and ", "of another, "},
              "moved");
  EXPECT_EQ(state.text(Slot::saintsClause), "of the saint, and of another, ");
  EXPECT_EQ(state.rule(Slot::saintsClause), "moved");
  state.clear(Slot::saintsClause);
  EXPECT_TRUE(state.text(Slot::saintsClause).empty() && state.rule(Slot::saintsClause).empty());
}

}  // namespace
}  // namespace corvane

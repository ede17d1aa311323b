#include "window_logic/main_window_logic.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace {

using namespace std::chrono;

class MainWindow : public ::testing::Test {
 protected:
  MainWindowLogic logic{request, [this](const std::string& title, const std::string& text) {
                          asked.push_back(title + "|" + text);
                          return answer;
                        }};
  ServiceRequest request;
  bool answer = false;
  std::vector<std::string> asked;
  const Date today = 2026y / December / 6;
};

// Selecting each option: which Liturgies open, whether Continue may be pressed,
// what the evening flag becomes, and what is asked.
TEST_F(MainWindow, OptionHandling) {
  using enum ServiceOption;
  struct Row {
    ServiceOption option;
    bool answer;
    bool liturgiesEnabled, continueEnabled, evening, asks;
  };
  const Row rows[] = {
      {divineLiturgy, false, true, false, false, false},
      {chrysostom, true, true, true, true, true},
      {basil, false, true, true, false, true},
      {presanctified, false, true, true, false, false},
      {orthros, false, false, true, false, false},
      {dailyVespers, false, false, true, false, false},
  };
  for (const Row& row : rows) {
    answer = row.answer;
    asked.clear();
    logic.select(row.option);
    const auto& controls = logic.controls();
    SCOPED_TRACE(static_cast<int>(row.option));
    EXPECT_EQ(controls.selected, row.option);
    EXPECT_EQ(controls.optionEnabled[static_cast<std::size_t>(presanctified)],
              row.liturgiesEnabled);
    EXPECT_EQ(controls.continueEnabled, row.continueEnabled);
    EXPECT_EQ(request.evening, row.evening);
    EXPECT_EQ(asked.size(), row.asks ? 1u : 0u);
  }
}

// Yes names the Liturgy an evening one; selecting the other Liturgy resets
// the first one's caption and asks anew, in short. (The first question's
// lines, the window's test checks as they are shown.)
TEST_F(MainWindow, EveningLiturgyCaptions) {
  answer = true;
  logic.select(ServiceOption::divineLiturgy);
  logic.select(ServiceOption::basil);
  EXPECT_EQ(logic.controls().basilCaption, "St. Basil the Great - EDL");
  logic.select(ServiceOption::chrysostom);
  EXPECT_EQ(logic.controls().basilCaption, "St. Basil the Great");
  EXPECT_EQ(logic.controls().chrysostomCaption, "St. John Chrysostom - EDL");
  EXPECT_EQ(asked.back(), "EDL|Is this an Evening Divine Liturgy?");
  logic.select(ServiceOption::presanctified);
  EXPECT_EQ(logic.controls().chrysostomCaption, "St. John Chrysostom");
  EXPECT_FALSE(request.evening);
}

// Continue takes the service and opens the date stage on today; the date
// stage's controls; back to the service stage with Great Vespers, the date
// kept until the next Continue.
TEST_F(MainWindow, StagesAndWhatTheyWrite) {
  logic.select(ServiceOption::dailyOrthros);
  logic.continueToDate(today);
  auto controls = logic.controls();
  EXPECT_EQ(request.service, Service::dailyOrthros);
  EXPECT_EQ(request.served, today);
  EXPECT_EQ(controls.pickerDate, today);
  EXPECT_TRUE(controls.orthrosNoteVisible && !controls.vespersNoteVisible);
  EXPECT_TRUE(controls.dateFrameEnabled && controls.outputsEnabled &&
              controls.selectDifferentServiceEnabled);
  EXPECT_FALSE(controls.serviceFrameEnabled || controls.continueEnabled);
  EXPECT_EQ(std::ranges::count(controls.optionEnabled, true), 0);
  logic.changeDate(today + days{3});
  EXPECT_EQ(request.served, today + days{3});

  logic.selectDifferentService(today - days{1});
  controls = logic.controls();
  EXPECT_EQ(controls.selected, ServiceOption::greatVespers);
  EXPECT_EQ(controls.pickerDate, today - days{1});
  EXPECT_EQ(request.served, today + days{3});
  EXPECT_FALSE(controls.outputsEnabled || controls.dateFrameEnabled ||
               controls.vespersNoteVisible || controls.orthrosNoteVisible);
  EXPECT_TRUE(controls.continueEnabled && controls.serviceFrameEnabled);
  logic.continueToDate(today);
  EXPECT_TRUE(logic.controls().vespersNoteVisible);
  logic.returnToServiceStage(today);
  EXPECT_TRUE(logic.controls().outputsEnabled) << "Go Back leaves the outputs as they were";
}

// A date typed whole is taken; one that cannot be is said, and the date
// shown stays the last good one until another is typed or picked. (What
// each form reads as, typed_date_test.cpp says.)
TEST_F(MainWindow, ATypedDateIsTakenOrSaid) {
  logic.continueToDate(today);
  EXPECT_EQ(logic.typeDate("Jan 7 2027", "M/d/yy"), 2027y / January / 7);
  EXPECT_EQ(request.served, 2027y / January / 7);
  EXPECT_EQ(logic.controls().pickerDate, 2027y / January / 7);
  EXPECT_EQ(logic.typeDate("Wed, Jan 07, 2027", "M/d/yy"), std::nullopt);
  EXPECT_EQ(logic.controls().dateProblem,
            "'Wed, Jan 07, 2027': January 7, 2027 is a Thursday, not a Wednesday.");
  EXPECT_EQ(request.served, 2027y / January / 7);
  EXPECT_EQ(logic.controls().pickerDate, 2027y / January / 7);
  logic.changeDate(today);
  EXPECT_EQ(logic.controls().dateProblem, "");
  EXPECT_EQ(logic.typeDate("1/7/27", "M/d/yy"), std::nullopt);
  logic.selectDifferentService(today);
  EXPECT_EQ(logic.controls().dateProblem, "") << "a new date stage starts with nothing said";
}

// Enter continues from a service that may be continued from, then writes the
// default output.
TEST_F(MainWindow, EnterContinuesThenWrites) {
  EXPECT_EQ(logic.enterAction(), EnterAction::continueToDate);
  logic.select(ServiceOption::divineLiturgy);
  EXPECT_EQ(logic.enterAction(), EnterAction::nothing) << "a Liturgy is still to be chosen";
  logic.select(ServiceOption::presanctified);
  EXPECT_EQ(logic.enterAction(), EnterAction::continueToDate);
  logic.continueToDate(today);
  EXPECT_EQ(logic.enterAction(), EnterAction::defaultOutput);
  logic.returnToServiceStage(today);
  logic.disableOutputs();
  EXPECT_EQ(logic.enterAction(), EnterAction::continueToDate);
}

// A booklet entry opened in the date stage shows as if chosen there: its
// option, its evening caption and its note, and nothing is asked.
TEST_F(MainWindow, AServiceRequestBecomesTheServiceAndDate) {
  logic.continueToDate(today);
  logic.takeRequest({2027y / April / 29, Service::basil, true});
  auto controls = logic.controls();
  EXPECT_EQ(request, (ServiceRequest{2027y / April / 29, Service::basil, true}));
  EXPECT_EQ(controls.selected, ServiceOption::basil);
  EXPECT_EQ(controls.basilCaption, "St. Basil the Great - EDL");
  EXPECT_EQ(controls.chrysostomCaption, "St. John Chrysostom");
  EXPECT_EQ(controls.pickerDate, 2027y / April / 29);
  EXPECT_TRUE(controls.vespersNoteVisible && !controls.orthrosNoteVisible);
  EXPECT_TRUE(controls.dateFrameEnabled && controls.outputsEnabled);
  EXPECT_EQ(std::ranges::count(controls.optionEnabled, true), 0);

  logic.takeRequest({2027y / May / 2, Service::orthros, true});
  controls = logic.controls();
  EXPECT_EQ(request, (ServiceRequest{2027y / May / 2, Service::orthros, false}));
  EXPECT_EQ(controls.selected, ServiceOption::orthros);
  EXPECT_EQ(controls.basilCaption, "St. Basil the Great");
  EXPECT_TRUE(controls.orthrosNoteVisible && !controls.vespersNoteVisible);
  EXPECT_TRUE(asked.empty());
}

TEST(TempleLine, NamesThePatronTheCalendarAndTheBishop) {
  struct Row {
    std::optional<Patron> patron;
    std::string typed;
    TempleCalendar calendar;
    bool bishop;
    std::string line;
  };
  const Row rows[] = {
      {Patron::nicholas, "", TempleCalendar::oldCalendar, true,
       "St. Nicholas of Myra · old calendar · bishop present"},
      {Patron::theotokos, "", TempleCalendar::newCalendar, false,
       "the Theotokos · new calendar · no bishop"},
      {Patron::typed, "of St. Herman\nof <Alaska> & all", TempleCalendar::newCalendar, false,
       "\"of St. Herman of <Alaska> & all\" · new calendar · no bishop"},
      {std::nullopt, "", TempleCalendar::oldCalendar, false,
       "no patron named · old calendar · no bishop"},
  };
  for (const Row& row : rows) {
    TempleSettings temple;
    if (row.patron) choosePatron(temple, *row.patron, row.typed);
    temple.calendar = row.calendar;
    temple.bishopPresent = row.bishop;
    EXPECT_EQ(templeLine(temple), row.line);
  }
  TempleSettings typed;
  choosePatron(typed, Patron::typed, "of the Holy Prophet Élie");
  EXPECT_EQ(templeLine(typed, 21), "\"of the Holy Prophet É…\" · new calendar · no bishop");
  EXPECT_EQ(templeLine(typed, 24), "\"of the Holy Prophet Élie\" · new calendar · no bishop");
}

}  // namespace
}  // namespace corvane

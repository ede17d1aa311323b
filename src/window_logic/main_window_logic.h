#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/temple_settings.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// The eight options of the service group, top to bottom.
enum class ServiceOption {
  greatVespers,
  dailyVespers,
  orthros,
  dailyOrthros,
  divineLiturgy,  // only opens the three Liturgies below
  chrysostom,
  basil,
  presanctified,
};
inline constexpr std::size_t kServiceOptionCount = 8;

// The state of the main window's controls, which the window only shows.
struct MainWindowControls {
  ServiceOption selected = ServiceOption::greatVespers;
  std::array<bool, kServiceOptionCount> optionEnabled = {true, true,  true,  true,
                                                         true, false, false, false};
  std::string chrysostomCaption;
  std::string basilCaption;
  bool serviceFrameEnabled = true;
  bool continueEnabled = true;
  bool dateFrameEnabled = false;  // the frame and the date picker
  bool vespersNoteVisible = false;
  bool orthrosNoteVisible = false;
  bool selectDifferentServiceEnabled = false;
  bool outputsEnabled = false;  // the two output buttons
  Date pickerDate{};
  // Said beside the picker: why the date typed last was not taken. Empty
  // while the date shown is the one typed or picked.
  std::string dateProblem;
};

// What Enter presses where no button has the focus.
enum class EnterAction { nothing, continueToDate, defaultOutput };

// The two stages of the main window: the service, then the date and the
// outputs. Writes the chosen service and date into the request it is given.
class MainWindowLogic {
 public:
  // Asks a Yes/No question in a modal box: true for Yes.
  using Ask = std::function<bool(const std::string& title, const std::string& text)>;

  MainWindowLogic(ServiceRequest& request, Ask ask);

  const MainWindowControls& controls() const { return controls_; }

  // A service option selected by the user.
  void select(ServiceOption option);
  // "&Continue": the service is taken, the date stage opens on today's date.
  void continueToDate(Date today);
  // The user changed the date in the picker.
  void changeDate(Date date);
  // A whole date typed or pasted into the picker, read in the system's short
  // date pattern as well (typed_date.h): the date taken, or nothing, and then
  // the picker keeps the last good date and dateProblem says why.
  std::optional<Date> typeDate(std::string_view typed, std::string_view shortDatePattern);
  // An entry of the booklet becomes the service and date of the date stage,
  // evening choice and all, without asking.
  void takeRequest(const ServiceRequest& entry);
  // "&Continue" in the service stage, the default output in the date stage.
  EnterAction enterAction() const;
  // "&Select a Different Service": back to the service stage, Great Vespers selected.
  void selectDifferentService(Date today);
  // "Go &Back" leaves the window in its service stage; the outputs stay as they were.
  void returnToServiceStage(Date today);
  // The temple window hands over: both outputs wait for a new date stage.
  void disableOutputs() { controls_.outputsEnabled = false; }

 private:
  void resetLiturgyCaptions();
  void askEveningLiturgy(ServiceOption option);
  void openDateStage(Date date);
  void leaveDateStage(Date today);

  ServiceRequest& request_;
  Ask ask_;
  MainWindowControls controls_;
};

// The texts of the window that the logic decides.
namespace mainWindowTexts {
inline constexpr const char* kChrysostom = "St. John Chrysostom";
inline constexpr const char* kBasil = "St. Basil the Great";
inline constexpr const char* kChrysostomEvening = "St. John Chrysostom - EDL";
inline constexpr const char* kBasilEvening = "St. Basil the Great - EDL";
inline constexpr const char* kEveningTitle = "EDL";
inline constexpr const char* kEveningQuestion = "Is this an Evening Divine Liturgy?";
// Lines separated by a carriage return alone.
inline constexpr const char* kBasilEveningQuestion =
    "Is this an Evening Divine Liturgy?\r"
    "\r"
    "NOTE: Select 'No' if this is the Vesperal Liturgy appointed for\r"
    "\r"
    "     Holy Thursday,\r"
    "     Holy Saturday,\r"
    "     Paramon of Nativity, or\r"
    "     Paramon of Theophany";
}  // namespace mainWindowTexts

// The temple the window composes for, on one line: "St. Nicholas of Myra ·
// old calendar · bishop present"; a typed patron in quotes, cut with "…"
// after `longestPhrase` characters.
std::string templeLine(const TempleSettings& temple, std::size_t longestPhrase = std::string::npos);

}  // namespace corvane

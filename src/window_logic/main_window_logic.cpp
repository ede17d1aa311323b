#include "window_logic/main_window_logic.h"

#include <utility>

#include "state/service.h"
#include "window_logic/temple_window_logic.h"
#include "window_logic/typed_date.h"

namespace corvane {

namespace {

constexpr std::size_t index(ServiceOption option) {
  return static_cast<std::size_t>(option);
}

Service serviceOf(ServiceOption option) {
  switch (option) {
    case ServiceOption::dailyVespers:
      return Service::dailyVespers;
    case ServiceOption::orthros:
      return Service::orthros;
    case ServiceOption::dailyOrthros:
      return Service::dailyOrthros;
    case ServiceOption::chrysostom:
      return Service::chrysostom;
    case ServiceOption::basil:
      return Service::basil;
    case ServiceOption::presanctified:
      return Service::presanctified;
    default:
      return Service::greatVespers;
  }
}

ServiceOption optionOf(Service service) {
  switch (service) {
    case Service::dailyVespers:
      return ServiceOption::dailyVespers;
    case Service::orthros:
      return ServiceOption::orthros;
    case Service::dailyOrthros:
      return ServiceOption::dailyOrthros;
    case Service::chrysostom:
      return ServiceOption::chrysostom;
    case Service::basil:
      return ServiceOption::basil;
    case Service::presanctified:
      return ServiceOption::presanctified;
    default:
      return ServiceOption::greatVespers;
  }
}

}  // namespace

MainWindowLogic::MainWindowLogic(ServiceRequest& request, Ask ask)
    : request_(request), ask_(std::move(ask)) {
  resetLiturgyCaptions();
}

void MainWindowLogic::resetLiturgyCaptions() {
  controls_.chrysostomCaption = mainWindowTexts::kChrysostom;
  controls_.basilCaption = mainWindowTexts::kBasil;
}

void MainWindowLogic::select(ServiceOption option) {
  controls_.selected = option;
  auto& enabled = controls_.optionEnabled;
  switch (option) {
    case ServiceOption::divineLiturgy:
      resetLiturgyCaptions();
      request_.evening = false;
      controls_.continueEnabled = false;
      enabled[index(ServiceOption::chrysostom)] = enabled[index(ServiceOption::basil)] =
          enabled[index(ServiceOption::presanctified)] = true;
      break;
    case ServiceOption::presanctified:
      resetLiturgyCaptions();
      request_.evening = false;
      controls_.continueEnabled = true;
      break;
    case ServiceOption::chrysostom:
    case ServiceOption::basil:
      askEveningLiturgy(option);
      controls_.continueEnabled = true;
      break;
    default:  // a service outside the Liturgy
      resetLiturgyCaptions();
      request_.evening = false;
      controls_.continueEnabled = true;
      enabled[index(ServiceOption::chrysostom)] = enabled[index(ServiceOption::basil)] =
          enabled[index(ServiceOption::presanctified)] = false;
  }
}

// Asked anew each time one of the two Liturgies is selected.
void MainWindowLogic::askEveningLiturgy(ServiceOption option) {
  const bool basil = option == ServiceOption::basil;
  if (basil) {
    controls_.chrysostomCaption = mainWindowTexts::kChrysostom;
  } else {
    controls_.basilCaption = mainWindowTexts::kBasil;
  }
  const bool evening =
      ask_(mainWindowTexts::kEveningTitle,
           basil ? mainWindowTexts::kBasilEveningQuestion : mainWindowTexts::kEveningQuestion);
  request_.evening = evening;
  if (basil) {
    controls_.basilCaption = evening ? mainWindowTexts::kBasilEvening : mainWindowTexts::kBasil;
  } else {
    controls_.chrysostomCaption =
        evening ? mainWindowTexts::kChrysostomEvening : mainWindowTexts::kChrysostom;
  }
}

void MainWindowLogic::continueToDate(Date today) {
  // "Divine Liturgy" itself cannot be continued from, so one service is chosen.
  request_.service = serviceOf(controls_.selected);
  request_.evening = request_.evening && mayBeEvening(request_.service);
  openDateStage(today);
}

void MainWindowLogic::takeRequest(const ServiceRequest& entry) {
  request_.service = entry.service;
  request_.evening = entry.evening && mayBeEvening(entry.service);
  controls_.selected = optionOf(entry.service);
  resetLiturgyCaptions();
  if (request_.evening && entry.service == Service::basil) {
    controls_.basilCaption = mainWindowTexts::kBasilEvening;
  } else if (request_.evening) {
    controls_.chrysostomCaption = mainWindowTexts::kChrysostomEvening;
  }
  openDateStage(entry.served);
}

void MainWindowLogic::openDateStage(Date date) {
  controls_.selectDifferentServiceEnabled = true;
  const bool orthrosNote =
      request_.service == Service::orthros || request_.service == Service::dailyOrthros;
  controls_.orthrosNoteVisible = orthrosNote;
  controls_.vespersNoteVisible = !orthrosNote;
  controls_.dateFrameEnabled = true;
  controls_.pickerDate = date;
  controls_.dateProblem.clear();
  request_.served = date;
  controls_.serviceFrameEnabled = false;
  controls_.continueEnabled = false;
  controls_.outputsEnabled = true;
  controls_.optionEnabled.fill(false);
}

void MainWindowLogic::changeDate(Date date) {
  controls_.pickerDate = date;
  controls_.dateProblem.clear();
  request_.served = date;
  controls_.outputsEnabled = true;
}

std::optional<Date> MainWindowLogic::typeDate(std::string_view typed,
                                              std::string_view shortDatePattern) {
  const Result<Date> read = readTypedDate(typed, shortDatePattern);
  if (!read) {
    controls_.dateProblem = read.error();
    return std::nullopt;
  }
  changeDate(*read);
  return *read;
}

EnterAction MainWindowLogic::enterAction() const {
  if (controls_.dateFrameEnabled) {
    return controls_.outputsEnabled ? EnterAction::defaultOutput : EnterAction::nothing;
  }
  return controls_.serviceFrameEnabled && controls_.continueEnabled ? EnterAction::continueToDate
                                                                    : EnterAction::nothing;
}

void MainWindowLogic::leaveDateStage(Date today) {
  controls_.vespersNoteVisible = controls_.orthrosNoteVisible = false;
  controls_.dateFrameEnabled = false;
  controls_.dateProblem.clear();
  controls_.pickerDate = today;
  controls_.serviceFrameEnabled = true;
  controls_.continueEnabled = true;
  controls_.selectDifferentServiceEnabled = false;
  controls_.optionEnabled = {true, true, true, true, true, false, false, false};
  select(ServiceOption::greatVespers);
}

void MainWindowLogic::selectDifferentService(Date today) {
  leaveDateStage(today);
  controls_.outputsEnabled = false;
}

void MainWindowLogic::returnToServiceStage(Date today) {
  leaveDateStage(today);
}

std::string templeLine(const TempleSettings& temple, std::size_t longestPhrase) {
  std::string line;
  if (!temple.patron) {
    line.append("no patron named");
  } else if (*temple.patron == Patron::typed) {
    // A line break typed by an earlier version shows as a blank.
    line.push_back('"');
    std::size_t characters = 0;
    for (char c : temple.patronText) {
      const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // of UTF-8
      if (starts && characters++ == longestPhrase) {
        line.append("…");
        break;
      }
      line.push_back(c == '\n' ? ' ' : c);
    }
    line.push_back('"');
  } else {
    const std::string_view caption = kPatronCaptions[static_cast<std::size_t>(*temple.patron)];
    line.append(caption.substr(0, caption.find_last_not_of(' ') + 1));
  }
  const std::string_view calendar =
      temple.calendar == TempleCalendar::oldCalendar ? " · old calendar" : " · new calendar";
  const std::string_view bishop = temple.bishopPresent ? " · bishop present" : " · no bishop";
  return line.append(calendar).append(bishop);
}

}  // namespace corvane

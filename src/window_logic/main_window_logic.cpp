#include "window_logic/main_window_logic.h"

#include <utility>

#include "state/service.h"

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

  controls_.selectDifferentServiceEnabled = true;
  const bool orthrosNote =
      request_.service == Service::orthros || request_.service == Service::dailyOrthros;
  controls_.orthrosNoteVisible = orthrosNote;
  controls_.vespersNoteVisible = !orthrosNote;
  controls_.dateFrameEnabled = true;
  controls_.pickerDate = today;
  request_.served = today;
  controls_.serviceFrameEnabled = false;
  controls_.continueEnabled = false;
  controls_.outputsEnabled = true;
  controls_.optionEnabled.fill(false);
}

void MainWindowLogic::changeDate(Date date) {
  controls_.pickerDate = date;
  request_.served = date;
  controls_.outputsEnabled = true;
}

void MainWindowLogic::leaveDateStage(Date today) {
  controls_.vespersNoteVisible = controls_.orthrosNoteVisible = false;
  controls_.dateFrameEnabled = false;
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

}  // namespace corvane

#pragma once

#include <QObject>
#include <memory>

#include "app/app_services.h"
#include "app/form1.h"
#include "app/form2.h"

namespace corvane {

// The program's two records and two windows, and the hand-over between them:
// the temple window first, then the main window, and back.
class CorvaneApp : public QObject {
  Q_OBJECT

 public:
  explicit CorvaneApp(AppServices services);

  // The temple window is shown; the main window exists, hidden and disabled.
  void start();

  Form1& form1() { return *form1_; }
  Form2& form2() { return *form2_; }
  DismissalState& state() { return state_; }
  TempleSettings& settings() { return settings_; }

 private:
  void enterMainWindow();
  void returnToTempleWindow();

  AppServices services_;
  DismissalState state_;
  TempleSettings settings_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form1> form1_;
};

}  // namespace corvane

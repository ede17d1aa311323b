#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "widgets/about_box.h"
#include "widgets/app_services.h"
#include "widgets/cross_thread_report.h"
#include "widgets/main_window.h"
#include "widgets/temple_window.h"

namespace corvane {

// The program's two records and two windows, and the hand-over between them:
// the temple window first, then the main window, and back.
class CorvaneApp : public QObject {
  Q_OBJECT

 public:
  explicit CorvaneApp(AppServices services);
  ~CorvaneApp() override;
  CorvaneApp(const CorvaneApp&) = delete;
  CorvaneApp& operator=(const CorvaneApp&) = delete;

  // The temple window is shown; the main window exists, hidden and disabled.
  void start();

  MainWindow& mainWindow() { return *mainWindow_; }
  TempleWindow& templeWindow() { return *templeWindow_; }
  ServiceRequest& request() { return request_; }
  TempleSettings& settings() { return settings_; }
  // The one About box, while it is open.
  AboutBox* aboutBox() { return about_; }

 private:
  void enterMainWindow();
  void returnToTempleWindow();
  void showAbout(QWidget* from);
  // The desktop's file manager shows the folder; a failure is said in the window in use.
  void showFolder(const std::filesystem::path& folder);

  AppServices services_;
  ServiceRequest request_;
  TempleSettings settings_;
  std::unique_ptr<TempleWindow> templeWindow_;
  std::unique_ptr<MainWindow> mainWindow_;
  QPointer<AboutBox> about_;
  CrossThreadReport folderFailures_;
};

}  // namespace corvane

#pragma once

#include <QDialog>
#include <functional>

namespace corvane {

// The About box: title, icon, version, a notice, "OK" and "&System Info...".
// Never modal; the program keeps one and brings it forward when asked again.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // Starts the system-information tool: false when there is none to start.
  using StartSystemInfo = std::function<bool()>;
  // Says, in a message box, that the tool is unavailable.
  using SayUnavailable = std::function<void(QWidget* parent)>;

  AboutBox(QWidget* parent, StartSystemInfo startSystemInfo, SayUnavailable sayUnavailable);

 private:
  StartSystemInfo startSystemInfo_;
  SayUnavailable sayUnavailable_;
};

}  // namespace corvane

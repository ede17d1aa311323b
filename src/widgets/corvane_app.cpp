#include "widgets/corvane_app.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "platform/system_info.h"
#include "version.h"

// The icon is compiled into this static library; its resources are registered
// by hand, since nothing else would pull them into the program.
static void registerResources() {
  Q_INIT_RESOURCE(resources);
}

namespace corvane {

CorvaneApp::CorvaneApp(AppServices services) : services_(std::move(services)) {
  registerResources();
  form2_ = std::make_unique<Form2>(settings_, services_);
  form1_ = std::make_unique<Form1>(request_, settings_, services_);
  connect(form2_.get(), &Form2::continued, this, &CorvaneApp::enterMainWindow);
  connect(form1_.get(), &Form1::goBackRequested, this, &CorvaneApp::returnToTempleWindow);
  connect(form1_.get(), &Form1::aboutRequested, this, [this] { showAbout(form1_.get()); });
  connect(form2_.get(), &Form2::aboutRequested, this, [this] { showAbout(form2_.get()); });
}

// One box, beside whichever window asked; asked again, it comes forward. It
// belongs to neither window, since each is disabled while the other is in use.
void CorvaneApp::showAbout(QWidget* from) {
  if (!about_) {
    about_ = new frmAbout(nullptr, services_.startSystemInfo, [this](QWidget* parent) {
      services_.inform(parent, QString::fromUtf8(kApplicationTitle),
                       QString::fromUtf8(kSystemInfoUnavailable));
    });
  }
  if (!about_->isVisible() && from != nullptr) {
    about_->move(from->geometry().center() - about_->rect().center());
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

CorvaneApp::~CorvaneApp() {
  delete about_;
}

void CorvaneApp::start() {
  form1_->hide();
  form1_->setEnabled(false);
  form2_->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    form2_->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form2_->size(),
                                            screen->availableGeometry()));
  }
  form2_->show();
  if (!services_.startupProblem.isEmpty()) services_.tell(form2_.get(), services_.startupProblem);
  form2_->restoreChoices();
  form2_->showAndReload();
  form1_->loadBooklet();
}

void CorvaneApp::enterMainWindow() {
  form2_->setEnabled(false);
  form2_->hide();
  form1_->logic().disableOutputs();
  form1_->sync();
  form1_->show();
  form1_->setEnabled(true);
  form1_->activateWindow();
}

void CorvaneApp::returnToTempleWindow() {
  form1_->hide();
  forgetPatronForGoingBack(settings_);
  form2_->showAndReload();
  form1_->logic().returnToServiceStage(toDate(services_.today()));
  form1_->sync();
  form1_->setEnabled(false);
}

}  // namespace corvane

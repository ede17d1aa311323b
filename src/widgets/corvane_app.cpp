#include "widgets/corvane_app.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "platform/system_info.h"
#include "version.h"
#include "window_logic/status_texts.h"

// The icon is compiled into this static library; its resources are registered
// by hand, since nothing else would pull them into the program.
static void registerResources() {
  Q_INIT_RESOURCE(resources);
}

namespace corvane {

namespace {

constexpr QSize kRoomyMainWindow{1120, 700};
constexpr QSize kWindowFrame{16, 48};  // the frame and title bar a window manager adds

}  // namespace

CorvaneApp::CorvaneApp(AppServices services)
    : services_(std::move(services)),
      folderFailures_(this, [this](const std::filesystem::path& folder, const QString& message) {
        QWidget* shown = mainWindow_->isVisible() ? static_cast<QWidget*>(mainWindow_.get())
                                                  : templeWindow_.get();
        services_.tell(shown, QString::fromStdString(
                                  statusTexts::folderNotShown(message.toStdString(), folder)));
      }) {
  registerResources();
  templeWindow_ = std::make_unique<TempleWindow>(settings_, services_);
  mainWindow_ = std::make_unique<MainWindow>(request_, settings_, services_);
  connect(templeWindow_.get(), &TempleWindow::continued, this, &CorvaneApp::enterMainWindow);
  connect(mainWindow_.get(), &MainWindow::goBackRequested, this, &CorvaneApp::returnToTempleWindow);
  connect(mainWindow_.get(), &MainWindow::aboutRequested, this,
          [this] { showAbout(mainWindow_.get()); });
  connect(templeWindow_.get(), &TempleWindow::aboutRequested, this,
          [this] { showAbout(templeWindow_.get()); });
  connect(mainWindow_.get(), &MainWindow::folderRequested, this, &CorvaneApp::showFolder);
  connect(templeWindow_.get(), &TempleWindow::dataFolderRequested, this,
          [this] { showFolder(services_.outputs.dataFolder); });
}

// One box, beside whichever window asked; asked again, it comes forward. It
// belongs to neither window, since each is disabled while the other is in use.
void CorvaneApp::showAbout(QWidget* from) {
  if (!about_) {
    about_ = new AboutBox(nullptr, services_.startSystemInfo, [this](QWidget* parent) {
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

void CorvaneApp::showFolder(const std::filesystem::path& folder) {
  services_.outputs.openFolder(folder, [send = folderFailures_.sender(), folder](
                                           const std::string& message) { send(folder, message); });
}

CorvaneApp::~CorvaneApp() {
  delete about_;
}

void CorvaneApp::start() {
  mainWindow_->hide();
  mainWindow_->setEnabled(false);
  templeWindow_->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    templeWindow_->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, templeWindow_->size(), available));
    // The main window opens with room for the preview where the screen has
    // it, leaving space for the window's frame; it may be made as small as
    // its minimum size.
    const QSize roomy = kRoomyMainWindow.boundedTo(available.size() - kWindowFrame);
    mainWindow_->resize(roomy.expandedTo(mainWindow_->minimumSizeHint()));
  }
  templeWindow_->show();
  if (!services_.startupProblem.isEmpty())
    services_.tell(templeWindow_.get(), services_.startupProblem);
  templeWindow_->restoreChoices();
  templeWindow_->showAndReload();
  mainWindow_->loadBooklet();
}

void CorvaneApp::enterMainWindow() {
  templeWindow_->setEnabled(false);
  templeWindow_->hide();
  mainWindow_->logic().disableOutputs();
  mainWindow_->sync();
  mainWindow_->show();
  mainWindow_->setEnabled(true);
  mainWindow_->activateWindow();
  mainWindow_->focusStage();
}

void CorvaneApp::returnToTempleWindow() {
  mainWindow_->hide();
  forgetPatronForGoingBack(settings_);
  templeWindow_->showAndReload();
  mainWindow_->logic().returnToServiceStage(toDate(services_.today()));
  mainWindow_->sync();
  mainWindow_->setEnabled(false);
}

}  // namespace corvane

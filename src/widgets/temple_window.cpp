#include "widgets/temple_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/commemorations_dialog.h"
#include "widgets/option_focus.h"
#include "widgets/phrase_box.h"
#include "widgets/window_menus.h"

namespace corvane {

namespace {

struct PatronOption {
  const char* objectName;
  const char* tooltip;
};
// In the order of the Patron enumeration and of kPatronCaptions.
constexpr PatronOption kPatronOptions[kPatronOptionCount] = {
    {"optTrinity", nullptr},
    {"optLJC",
     "Includes any feasts or commemorations dedicated to Him (e.g., Holy Transfiguration, "
     "Theophany, etc.)"},
    {"optHolySpirit", "Includes Holy Pentecost"},
    {"optTheotokos",
     "Includes any feasts or commemorations dedicated to the Theotokos (e.g., Dormition, Joy of "
     "All Who Sorrow, etc.)"},
    {"optCross", nullptr},
    {"optArchangels", "Includes a temple dedicated to any Archangel."},
    {"optJohntheBaptis",
     "Includes temples any commemoration of the Forerunner (e.g., the Beheading, etc.)"},
    {"optApostles", nullptr},
    {"optAncestors", "Includes a temple dedicated to either of these saints."},
    {"optAllSaints", "Commemorated the first Sunday following Pentecost."},
    {"optStJohnChrysostom", nullptr},
    {"optBasiltheGreat", nullptr},
    {"optGregorytheDialogist", nullptr},
    {"optNicholas", nullptr},
    {"optNONE", nullptr},
};

constexpr const char* kTempleQuestion =
    "The temple in which the service is to be celebrated is dedicated to (or to a feast of):";
constexpr const char* kBishopQuestion = "Will a Bishop preside or be present at the service?";
constexpr const char* kCalendarQuestion = "The temple keeps the:";
constexpr const char* kTypeThePatron =
    "Type the name of the temple's patron saint in the box above exactly as it should appear in "
    "the dismissal.  Be sure to use the appropriate titles and designations (see pages 11 and 12 "
    "of the Liturgikon).";
constexpr const char* kExample =
    "E.g., for a temple dedicated to St. Raphael of Brooklyn, enter \"of our father among the "
    "saints Raphael, bishop of Brooklyn\" with no leading or trailing spaces or punctuation.";
constexpr const char* kContinueAgain = "Click \"Continue\" again when ready.";

QLabel* boldLabel(QWidget* parent, const char* objectName, const char* text, int growBy = 0) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(objectName);
  label->setWordWrap(true);
  QFont font = label->font();
  font.setBold(true);
  if (growBy != 0) font.setPointSize(font.pointSize() + growBy);
  label->setFont(font);
  return label;
}

// The box's text as typed: a line break as LF, a no-break space kept
// (toPlainText would make it a plain blank).
std::string typedText(const PhraseBox& box) {
  QString text = box.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text.toStdString();
}

}  // namespace

TempleWindow::TempleWindow(TempleSettings& settings, AppServices& services)
    : services_(services),
      logic_(settings, SavedTemple{services.settingsFile, services.patronFile},
             [this](const std::string& message) {
               services_.tell(this, QString::fromStdString(message));
             }),
      commemorations_(services.commemorationsFile, settings, [this](const std::string& message) {
        services_.tell(this, QString::fromStdString(message));
      }) {
  setObjectName("Form2");
  setWindowTitle("CORVANE");
  buildControls();
  addFileAndHelpMenus(
      *this, "mnu2", {}, [this] { emit dataFolderRequested(); }, [this] { emit aboutRequested(); });
  sync();
}

void TempleWindow::buildControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);

  grid->addWidget(boldLabel(central, "lblTemple", kTempleQuestion), 0, 0, 1, 2);

  auto* templeFrame = new QFrame(central);
  templeFrame->setObjectName("frmTemple");
  templeFrame->setFrameShape(QFrame::StyledPanel);
  auto* templeLayout = new QVBoxLayout(templeFrame);
  patrons_ = new QButtonGroup(this);
  for (std::size_t i = 0; i < kPatronOptionCount; ++i) {
    const PatronOption& option = kPatronOptions[i];
    const std::string_view caption = kPatronCaptions[i];
    auto* button = new QRadioButton(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), templeFrame);
    button->setObjectName(option.objectName);
    if (option.tooltip) button->setToolTip(QString::fromUtf8(option.tooltip));
    patrons_->addButton(button, static_cast<int>(i));
    patronButtons_[i] = button;
    // "NONE OF THE ABOVE" stands a little to the left of the others, below them.
    auto* row = new QHBoxLayout;
    row->addSpacing(option.objectName == std::string_view{"optNONE"} ? 0 : 16);
    row->addWidget(button);
    templeLayout->addLayout(row);
  }
  grid->addWidget(templeFrame, 1, 0, 3, 1);

  auto* bishopFrame = new QFrame(central);
  bishopFrame->setObjectName("frmBishop");
  bishopFrame->setFrameShape(QFrame::StyledPanel);
  auto* bishopLayout = new QGridLayout(bishopFrame);
  bishopLayout->addWidget(boldLabel(bishopFrame, "lblBishop", kBishopQuestion), 0, 0, 1, 2);
  bishopYes_ = new QRadioButton("Yes", bishopFrame);
  bishopYes_->setObjectName("optBspYes");
  bishopNo_ = new QRadioButton("No", bishopFrame);
  bishopNo_->setObjectName("optBspNo");
  bishopLayout->addWidget(bishopYes_, 1, 0);
  bishopLayout->addWidget(bishopNo_, 1, 1);
  grid->addWidget(bishopFrame, 1, 1);

  auto* calendarFrame = new QFrame(central);
  calendarFrame->setObjectName("frmCalendar");
  calendarFrame->setFrameShape(QFrame::StyledPanel);
  auto* calendarLayout = new QVBoxLayout(calendarFrame);
  calendarLayout->addWidget(boldLabel(calendarFrame, "lblCalendar", kCalendarQuestion));
  newCalendar_ = new QRadioButton("&New (Revised Julian) calendar", calendarFrame);
  newCalendar_->setObjectName("optNewCalendar");
  newCalendar_->setToolTip("The fixed feasts on their civil dates: the Nativity on 25 December.");
  oldCalendar_ = new QRadioButton("O&ld (Julian) calendar", calendarFrame);
  oldCalendar_->setObjectName("optOldCalendar");
  oldCalendar_->setToolTip(
      "The fixed feasts 13 days later on the civil calendar (from 1900 to 2099): the Nativity on "
      "7 January. Pascha is the same day in both.");
  calendarLayout->addWidget(newCalendar_);
  calendarLayout->addWidget(oldCalendar_);
  grid->addWidget(calendarFrame, 3, 1);

  auto* typing = new QVBoxLayout;
  box_ = new PhraseBox(central);
  box_->setObjectName("txtInPat");
  box_->setAccessibleName("Patron of the temple, as it should stand in the dismissal");
  box_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box_->setMinimumHeight(80);
  typing->addWidget(box_);
  stayReason_ = new QLabel(central);
  stayReason_->setObjectName("lblInPatMissing");
  stayReason_->setTextFormat(Qt::PlainText);
  stayReason_->setWordWrap(true);
  stayReason_->hide();
  typing->addWidget(stayReason_);
  boxLabels_[0] = boldLabel(central, "lblInPat", kTypeThePatron);
  boxLabels_[1] = boldLabel(central, "lblInPat3", kExample);
  boxLabels_[2] = boldLabel(central, "lblInPat2", kContinueAgain, 2);
  boxLabels_[2]->setAlignment(Qt::AlignCenter);
  for (QLabel* label : boxLabels_) typing->addWidget(label);
  typing->addStretch();
  grid->addLayout(typing, 2, 1);
  grid->setColumnMinimumWidth(1, 340);

  auto* bottom = new QHBoxLayout;
  auto* commemorations = new QPushButton("Our &Own Commemorations…", central);
  commemorations->setObjectName("cmdCommemorations");
  commemorations->setToolTip(
      "The saints of the parish's land and diocese, named with the saints of their days.");
  auto* continueButton = new QPushButton("&Continue", central);
  continueButton->setObjectName("cmdContinue");
  continueButton->setDefault(true);
  auto* quit = new QPushButton("&Quit", central);
  quit->setObjectName("cmdQuit1");
  bottom->addWidget(commemorations);
  bottom->addStretch();
  bottom->addWidget(continueButton);
  bottom->addWidget(quit);
  bottom->addStretch();
  grid->addLayout(bottom, 4, 0, 1, 2);
  setCentralWidget(central);

  tabIntoCheckedOption(patrons_->buttons());
  tabIntoCheckedOption({bishopYes_, bishopNo_});
  tabIntoCheckedOption({newCalendar_, oldCalendar_});
  connect(patrons_, &QButtonGroup::idClicked, this, [this](int id) {
    logic_.selectPatron(static_cast<Patron>(id));
    sync();
  });
  connect(bishopYes_, &QRadioButton::toggled, this, [this](bool checked) {
    if (!syncing_) logic_.setBishop(checked);
  });
  connect(oldCalendar_, &QRadioButton::toggled, this, [this](bool checked) {
    if (!syncing_) {
      logic_.setCalendar(checked ? TempleCalendar::oldCalendar : TempleCalendar::newCalendar);
    }
  });
  connect(box_, &QPlainTextEdit::textChanged, this, [this] {
    if (syncing_) return;
    logic_.setBoxText(typedText(*box_));
    stayReason_->setVisible(!logic_.controls().stayReason.empty());
  });
  connect(commemorations, &QPushButton::clicked, this, &TempleWindow::openCommemorations);
  connect(continueButton, &QPushButton::clicked, this, &TempleWindow::onContinue);
  connect(quit, &QPushButton::clicked, qApp, &QApplication::quit, Qt::QueuedConnection);
}

void TempleWindow::restoreChoices() {
  logic_.restoreChoices();
  commemorations_.load();
  sync();
}

void TempleWindow::openCommemorations() {
  if (commemorationsDialog_ == nullptr) {
    commemorationsDialog_ = new CommemorationsDialog(
        commemorations_, services_, [this] { return logic_.controls().calendar; }, this);
  }
  commemorationsDialog_->reopen();
  commemorationsDialog_->open();
}

void TempleWindow::showAndReload() {
  show();
  setEnabled(true);
  logic_.shown();
  sync();
  // The keyboard starts where the choice is: the box being typed, or the patron chosen.
  if (!box_->hasFocus()) {
    patronButtons_[static_cast<std::size_t>(logic_.controls().selected)]->setFocus();
  }
}

void TempleWindow::sync() {
  syncing_ = true;
  const TempleWindowControls& controls = logic_.controls();
  patronButtons_[static_cast<std::size_t>(controls.selected)]->setChecked(true);
  (controls.bishopYes ? bishopYes_ : bishopNo_)->setChecked(true);
  (controls.calendar == TempleCalendar::oldCalendar ? oldCalendar_ : newCalendar_)
      ->setChecked(true);
  const QString text = QString::fromStdString(controls.boxText);
  if (typedText(*box_) != controls.boxText) box_->setPlainText(text);
  box_->setVisible(controls.boxShown);
  box_->setEnabled(controls.boxShown);
  for (QLabel* label : boxLabels_) label->setVisible(controls.boxShown);
  const bool sayWhy = !controls.stayReason.empty();
  stayReason_->setText(QString::fromStdString(controls.stayReason));
  if (sayWhy && stayReason_->isHidden()) {
    stayReason_->show();
    QAccessibleEvent alert{stayReason_, QAccessible::Alert};  // said as it appears
    QAccessible::updateAccessibility(&alert);
  }
  stayReason_->setVisible(sayWhy);
  growToShowTheLines();
  if (controls.focusBox && controls.boxShown) box_->setFocus();
  syncing_ = false;
}

// The box's wrapped lines are not counted in the window's smallest size: the
// window grows, when they appear, until each is whole.
void TempleWindow::growToShowTheLines() {
  for (int round = 0; round < 4; ++round) {
    centralWidget()->layout()->activate();
    int missing = 0;
    for (const QLabel* label : {boxLabels_[0], boxLabels_[1], boxLabels_[2], stayReason_}) {
      if (label->isVisible()) {
        missing += std::max(0, label->heightForWidth(label->width()) - label->height());
      }
    }
    if (missing == 0) return;
    resize(width(), height() + missing);
  }
}

void TempleWindow::onContinue() {
  const TempleWindowLogic::Outcome outcome = logic_.continuePressed();
  sync();
  if (outcome == TempleWindowLogic::Outcome::goOn) emit continued();
}

void TempleWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
    focused->click();
  } else {
    onContinue();
  }
}

// Closing the window by its frame ends the program, as "&Quit" does.
void TempleWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
}

}  // namespace corvane

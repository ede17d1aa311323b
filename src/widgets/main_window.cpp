#include "widgets/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "composer/compose.h"
#include "output/booklet_label.h"
#include "print/pdf_file.h"
#include "print/printed_pages.h"
#include "widgets/booklet_panel.h"
#include "widgets/option_focus.h"
#include "widgets/preview_document.h"
#include "widgets/typed_date_edit.h"
#include "widgets/window_menus.h"
#include "window_logic/dismissal_preview.h"
#include "window_logic/status_texts.h"

namespace corvane {

namespace {

struct OptionText {
  const char* objectName;
  const char* caption;
  bool indented;
};
constexpr OptionText kOptions[kServiceOptionCount] = {
    {"optVespers", "Great Vespers", false},
    {"optDlyVespers", "Daily Vespers", false},
    {"optOrthros", "Orthros (feasts and Sundays)", false},
    {"optDailyOrthros", "Daily Orthros", false},
    {"optDivineLiturgy", "Divine Liturgy", false},
    {"optStJC", "St. John Chrysostom", true},
    {"optStBasil", "St. Basil the Great", true},
    {"optPresanctified", "Presanctified", true},
};

constexpr const char* kVespersNote =
    "NOTE: For Vespers, Vesperal Liturgies, Presanctified Liturgies, and Evening Divine "
    "Liturgies, select the calendar date on which the service is to be served -- e.g., for the "
    "Vespers served on Saturday, March 23, select March 23.";
constexpr const char* kOrthrosNote =
    "NOTE: For Orthros served in anticipation during Holy Week, select the date of the liturgical "
    "day to which the service belongs -- e.g., for the Bridegroom Orthros of Holy Monday served "
    "on the evening of Palm Sunday, May 2, select May 3, the date of Holy Monday.";
constexpr const char* kWordTip = "Opens Dismissal in Microsoft Word with special formatting.";
constexpr const char* kTextTip =
    "Opens Dismissal as an unformatted *.txt file in Notepad.  It can be cut, pasted, edited, "
    "etc. in the application of your choice.";

QPushButton* button(QWidget* parent, const char* objectName, const char* caption) {
  auto* created = new QPushButton(QString::fromUtf8(caption), parent);
  created->setObjectName(objectName);
  return created;
}

QLabel* note(QWidget* parent, const char* objectName, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(objectName);
  label->setWordWrap(true);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

// Wide enough for the output buttons' captions; the notes wrap within it.
constexpr int kDateColumnWidth = 250;

constexpr const char* kTempleLabel = "Temple: ";
constexpr const char* kPreviewName = "Preview of the dismissal";
constexpr const char* kEntryPreviewName = "Preview of the booklet's entry ";

// Kept in the layout while hidden, so the window keeps one size in both stages.
void keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace

MainWindow::MainWindow(ServiceRequest& request, TempleSettings& settings, AppServices& services)
    : request_(request),
      settings_(settings),
      services_(services),
      logic_(request,
             [this](const std::string& title, const std::string& text) {
               // The St. Basil question separates its lines by a carriage return alone.
               QString shown = QString::fromStdString(text);
               shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
               return services_.ask(this, QString::fromStdString(title), shown);
             }),
      openFailures_(this, [this](const std::filesystem::path& file, const QString& message) {
        notOpened(file, message);
      }) {
  setObjectName("Form1");
  setWindowTitle("CORVANE");
  buildControls();
  buildMenus();
  picker_->setDate(services_.today());  // shown greyed until the date stage
  sync();
}

void MainWindow::buildControls() {
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);

  serviceFrame_ = new QGroupBox("FIRST -- Select Service", central);
  serviceFrame_->setObjectName("frmServiceSelect");
  auto* serviceLayout = new QVBoxLayout(serviceFrame_);
  options_ = new QButtonGroup(this);
  for (std::size_t i = 0; i < kServiceOptionCount; ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(kOptions[i].caption), serviceFrame_);
    option->setObjectName(kOptions[i].objectName);
    options_->addButton(option, static_cast<int>(i));
    optionButtons_[i] = option;
    if (kOptions[i].indented) {
      auto* row = new QHBoxLayout;
      row->addSpacing(24);
      row->addWidget(option);
      serviceLayout->addLayout(row);
    } else {
      serviceLayout->addWidget(option);
    }
  }
  serviceLayout->addStretch();
  continueButton_ = button(serviceFrame_, "cmdSelectService", "&Continue");
  serviceLayout->addWidget(continueButton_);
  // Under it the temple composed for, and "Go Back" to it: in the room the
  // service frame leaves, so the window is no higher for them.
  auto* serviceColumn = new QVBoxLayout;
  serviceColumn->addWidget(serviceFrame_, 1);
  temple_ = new QLabel(central);
  temple_->setObjectName("lblTempleLine");
  temple_->setTextFormat(Qt::PlainText);
  temple_->setWordWrap(true);
  serviceColumn->addWidget(temple_);
  auto* bottom = new QHBoxLayout;
  QPushButton* goBack = button(central, "cmdOtherForm", "Go &Back");
  goBack->setToolTip("Back to the temple's patron, bishop and calendar.");
  QPushButton* quit = button(central, "cmdEnd", "&Quit");
  bottom->addWidget(goBack);
  bottom->addWidget(quit);
  bottom->addStretch();
  serviceColumn->addLayout(bottom);
  columns->addLayout(serviceColumn);

  // The date, its note and the commands, one under the other.
  auto* dateColumn = new QVBoxLayout;
  dateColumn->setContentsMargins(0, 0, 0, 0);
  dateFrame_ = new QGroupBox("SECOND -- Select Date of Service", central);
  dateFrame_->setObjectName("frmSelectDate");
  auto* dateLayout = new QVBoxLayout(dateFrame_);
  picker_ = new TypedDateEdit(dateFrame_);
  picker_->setObjectName("DTPicker1");
  picker_->setAccessibleName("Date of service");
  picker_->setDisplayFormat("ddd, MMM dd, yyyy");
  picker_->setCalendarPopup(true);
  picker_->setDateRange(toQDate(kFirstSupportedDate), toQDate(kLastSupportedDate));
  picker_->setReader([this](const QString& typed) { return takeTypedDate(typed); });
  dateLayout->addWidget(picker_);
  dateProblem_ = new QLabel(dateFrame_);
  dateProblem_->setObjectName("lblDateProblem");
  dateProblem_->setTextFormat(Qt::PlainText);
  dateProblem_->setWordWrap(true);
  dateProblem_->hide();
  dateLayout->addWidget(dateProblem_);
  dateColumn->addWidget(dateFrame_);

  auto* notes = new QGridLayout;
  vespersNote_ = note(central, "lblSelectDate", kVespersNote);
  orthrosNote_ = note(central, "lblSelectDate2", kOrthrosNote);
  notes->addWidget(vespersNote_, 0, 0);
  notes->addWidget(orthrosNote_, 0, 0);  // the same place: at most one is shown
  keepPlaceWhenHidden(vespersNote_);
  keepPlaceWhenHidden(orthrosNote_);
  dateColumn->addLayout(notes);

  selectDifferentService_ = button(central, "cmdGoBack", "&Select a Different Service");
  wordButton_ = button(central, "cmdCreateDismissal", "CREATE DISMISSAL in MS &Word");
  wordButton_->setToolTip(kWordTip);
  textButton_ = button(central, "cmdTxtFile", "CREATE DISMISSAL in &Text File");
  textButton_->setToolTip(kTextTip);
  dateColumn->addWidget(selectDifferentService_);
  dateColumn->addWidget(wordButton_);
  dateColumn->addWidget(textButton_);
  dateColumn->addStretch();
  auto* dateColumnWidget = new QWidget(central);
  dateColumnWidget->setLayout(dateColumn);
  dateColumnWidget->setFixedWidth(kDateColumnWidth);
  columns->addWidget(dateColumnWidget);

  // Beside them the preview of the date stage, and under it the booklet,
  // which the splitter may fold away.
  sideSplit_ = new QSplitter(Qt::Vertical, central);
  sideSplit_->setObjectName("splitPreviewBooklet");
  sideSplit_->addWidget(buildPreviewPane(sideSplit_));
  booklet_ = new BookletPanel(services_, settings_, sideSplit_);
  sideSplit_->addWidget(booklet_);
  sideSplit_->setCollapsible(0, false);
  sideSplit_->setStretchFactor(0, 3);
  sideSplit_->setStretchFactor(1, 2);
  keepPlaceWhenHidden(sideSplit_);
  columns->addWidget(sideSplit_, 1);

  setCentralWidget(central);

  // The status bar: what was written or changed, and the way to it or back.
  showInFolder_ = button(statusBar(), "cmdShowInFolder", "Show in &Folder");
  showInFolder_->setToolTip("Opens the folder of the file just written.");
  showInFolder_->hide();
  undoButton_ = button(statusBar(), "cmdUndo", "&Undo");
  undoButton_->setToolTip("Brings back what was removed from the booklet (Ctrl+Z).");
  undoButton_->hide();
  statusBar()->addPermanentWidget(showInFolder_);
  statusBar()->addPermanentWidget(undoButton_);

  connect(booklet_, &BookletPanel::said, this, &MainWindow::say);
  connect(booklet_, &BookletPanel::changed, this, &MainWindow::updateCommands);
  connect(booklet_, &BookletPanel::createRequested, this, &MainWindow::createBooklet);
  connect(booklet_, &BookletPanel::selectionChanged, this, &MainWindow::updatePreview);
  connect(booklet_, &BookletPanel::entryOpened, this, &MainWindow::openServiceRequest);
  connect(undoButton_, &QPushButton::clicked, booklet_, &BookletPanel::undo);
  auto* undoShortcut = new QShortcut(QKeySequence::Undo, this);
  connect(undoShortcut, &QShortcut::activated, booklet_, &BookletPanel::undo);
  connect(showInFolder_, &QPushButton::clicked, this,
          [this] { emit folderRequested(lastWritten_.parent_path()); });

  tabIntoCheckedOption(options_->buttons());
  connect(options_, &QButtonGroup::idClicked, this, &MainWindow::onOptionClicked);
  connect(continueButton_, &QPushButton::clicked, this, [this] {
    logic_.continueToDate(toDate(services_.today()));
    sync();
    picker_->setFocus();
  });
  connect(picker_, &QDateEdit::dateChanged, this, &MainWindow::onDateChanged);
  connect(selectDifferentService_, &QPushButton::clicked, this, [this] {
    logic_.selectDifferentService(toDate(services_.today()));
    sync();
    // Enter then chooses a service, and never leaves for the temple window.
    optionButtons_[static_cast<std::size_t>(logic_.controls().selected)]->setFocus();
  });
  connect(wordButton_, &QPushButton::clicked, this, &MainWindow::createDocument);
  connect(textButton_, &QPushButton::clicked, this, &MainWindow::createTextFile);
  connect(goBack, &QPushButton::clicked, this, &MainWindow::goBackRequested);
  connect(quit, &QPushButton::clicked, qApp, &QApplication::quit, Qt::QueuedConnection);
}

// The preview, its two commands and the list of reasons that "Why?" opens.
QWidget* MainWindow::buildPreviewPane(QWidget* parent) {
  auto* pane = new QWidget(parent);
  pane->setObjectName("panePreview");
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);

  // The notice of a service not appointed on the day: an icon and the word
  // "Warning" beside the sentence, never a box that stops the user.
  notice_ = new QFrame(pane);
  notice_->setObjectName("frmWarning");
  notice_->setFrameShape(QFrame::StyledPanel);
  notice_->setAccessibleName("Warning");
  auto* noticeLayout = new QHBoxLayout(notice_);
  auto* noticeIcon = new QLabel(notice_);
  noticeIcon->setObjectName("picWarning");
  noticeIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(24, 24));
  noticeText_ = new QLabel(notice_);
  noticeText_->setObjectName("lblWarning");
  noticeText_->setWordWrap(true);
  noticeText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Room for a sentence of three lines, counted in the window's smallest size.
  noticeText_->setMinimumHeight(3 * noticeText_->fontMetrics().lineSpacing());
  noticeLayout->addWidget(noticeIcon, 0, Qt::AlignTop);
  noticeLayout->addWidget(noticeText_, 1);
  layout->addWidget(notice_);
  preview_ = new QTextBrowser(pane);
  preview_->setObjectName("txtPreview");
  preview_->setAccessibleName(kPreviewName);
  preview_->setReadOnly(true);
  preview_->setOpenLinks(false);
  preview_->setMinimumSize(360, 100);
  copyButton_ = button(pane, "cmdCopy", "C&opy");
  copyButton_->setToolTip(
      "Copies the dismissal, with its bold clauses, to the clipboard (Ctrl+Shift+C).");
  whyButton_ = button(pane, "cmdWhy", "Wh&y?");
  whyButton_->setCheckable(true);
  whyButton_->setToolTip(
      "Lists the liturgical day, the church date and the rule behind each of the day's clauses.");
  whyList_ = new QLabel;
  whyList_->setObjectName("lblWhy");
  whyList_->setWordWrap(true);
  whyList_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  whyList_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  whyArea_ = new QScrollArea(pane);
  whyArea_->setObjectName("areaWhy");
  whyArea_->setWidget(whyList_);
  whyArea_->setWidgetResizable(true);
  whyArea_->setFixedHeight(100);
  auto* previewButtons = new QHBoxLayout;
  previewButtons->addWidget(copyButton_);
  previewButtons->addWidget(whyButton_);
  previewButtons->addStretch();
  layout->addWidget(preview_, 1);
  layout->addLayout(previewButtons);
  layout->addWidget(whyArea_);
  // The room of the notice and of the open "Why?" is always counted, so
  // neither changes the window's size; while they are closed, the preview has it.
  pane->setMinimumHeight(layout->minimumSize().height());

  connect(copyButton_, &QPushButton::clicked, this, &MainWindow::copyPreview);
  auto* copyShortcut = new QShortcut(QKeySequence("Ctrl+Shift+C"), this);
  connect(copyShortcut, &QShortcut::activated, this, [this] {
    if (copyButton_->isVisible()) copyPreview();
  });
  connect(whyButton_, &QPushButton::toggled, whyArea_, &QWidget::setVisible);
  return pane;
}

void MainWindow::buildMenus() {
  const auto action = [this](const char* objectName, const char* text, auto slot) {
    auto* created = new QAction(QString::fromUtf8(text), this);
    created->setObjectName(objectName);
    connect(created, &QAction::triggered, this, slot);
    return created;
  };
  print_ = action("mnuFilePrint", "Print…", [this] { printPages(false); });
  print_->setShortcut(QKeySequence::Print);
  exportPdf_ = action("mnuFileExportPdf", "Export as PDF…", [this] { exportPdf(false); });
  printBooklet_ = action("mnuFilePrintBooklet", "Print Booklet…", [this] { printPages(true); });
  exportBookletPdf_ =
      action("mnuFileExportBookletPdf", "Export Booklet as PDF…", [this] { exportPdf(true); });
  addFileAndHelpMenus(
      *this, "mnu", {print_, exportPdf_, printBooklet_, exportBookletPdf_},
      [this] { emit folderRequested(services_.outputs.dataFolder); },
      [this] { emit aboutRequested(); });
}

void MainWindow::sync() {
  syncing_ = true;
  const MainWindowControls& controls = logic_.controls();
  for (std::size_t i = 0; i < kServiceOptionCount; ++i) {
    optionButtons_[i]->setEnabled(controls.optionEnabled[i]);
  }
  optionButtons_[static_cast<std::size_t>(controls.selected)]->setChecked(true);
  optionButtons_[static_cast<std::size_t>(ServiceOption::chrysostom)]->setText(
      QString::fromStdString(controls.chrysostomCaption));
  optionButtons_[static_cast<std::size_t>(ServiceOption::basil)]->setText(
      QString::fromStdString(controls.basilCaption));
  serviceFrame_->setEnabled(controls.serviceFrameEnabled);
  continueButton_->setEnabled(controls.continueEnabled);
  dateFrame_->setEnabled(controls.dateFrameEnabled);
  picker_->setEnabled(controls.dateFrameEnabled);
  if (controls.pickerDate != Date{}) picker_->setDate(toQDate(controls.pickerDate));
  vespersNote_->setVisible(controls.vespersNoteVisible);
  vespersNote_->setEnabled(controls.vespersNoteVisible);
  orthrosNote_->setVisible(controls.orthrosNoteVisible);
  orthrosNote_->setEnabled(controls.orthrosNoteVisible);
  selectDifferentService_->setEnabled(controls.selectDifferentServiceEnabled);
  wordButton_->setEnabled(controls.outputsEnabled);
  textButton_->setEnabled(controls.outputsEnabled);
  // Drawn as the button Enter presses.
  continueButton_->setDefault(logic_.enterAction() == EnterAction::continueToDate);
  wordButton_->setDefault(logic_.enterAction() == EnterAction::defaultOutput);
  showDateProblem();
  // Three lines at most, however long a typed patron; the tooltip has it whole.
  constexpr std::size_t kLongestPhraseShown = 60;
  const QString temple = kTempleLabel + QString::fromStdString(templeLine(settings_));
  temple_->setText(kTempleLabel +
                   QString::fromStdString(templeLine(settings_, kLongestPhraseShown)));
  temple_->setToolTip(temple);
  temple_->setAccessibleName(temple);
  if (controls.dateFrameEnabled && !(request_ == followed_)) {
    booklet_->follow(request_);
    booklet_->clearSelection();  // the preview shows the stage's own dismissal again
    followed_ = request_;
  }
  if (controls.dateFrameEnabled && !shownDateStage_) booklet_->refresh();  // the temple may differ
  shownDateStage_ = controls.dateFrameEnabled;
  updatePreview();
  updateCommands();
  syncing_ = false;
}

// Shown in the date stage only, composed afresh on every change.
void MainWindow::updatePreview() {
  const bool dateStage = logic_.controls().dateFrameEnabled;
  sideSplit_->setVisible(dateStage);
  whyArea_->setVisible(whyButton_->isChecked());
  if (!dateStage) {
    showWarning(std::nullopt);
    preview_->clear();
    previewPlain_.clear();
    previewHtml_.clear();
    return;
  }
  const std::optional<ServiceRequest> entry = booklet_->selectedEntry();
  preview_->setAccessibleName(entry
                                  ? kEntryPreviewName + QString::fromStdString(bookletLabel(*entry))
                                  : QString{kPreviewName});
  const DismissalPreview preview =
      previewDismissal(previewed(), settings_, services_.outputs.longDate);
  showWarning(preview.warning);
  fillPreview(*preview_->document(), preview.paragraphs);
  previewPlain_ = QString::fromStdString(preview.plainText);
  previewHtml_ = preview_->document()->toHtml();
  const auto line = [](const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped() + "<br/>";
  };
  QString reasons;
  for (const std::string& reason : preview.why) reasons += line(reason);
  whyList_->setText(reasons);
}

void MainWindow::showWarning(const std::optional<std::string>& sentence) {
  if (!sentence) {
    notice_->hide();
    return;
  }
  const QString text = QString::fromStdString(*sentence);
  noticeText_->setText("<b>Warning:</b> " + text.toHtmlEscaped());
  noticeText_->setAccessibleName("Warning: " + text);
  notice_->setAccessibleDescription(text);
  if (notice_->isHidden()) {
    notice_->show();
    QAccessibleEvent alert{notice_, QAccessible::Alert};  // a screen reader says it as it appears
    QAccessible::updateAccessibility(&alert);
  }
}

// What the menus and the status bar offer as things stand.
void MainWindow::updateCommands() {
  const bool dateStage = logic_.controls().dateFrameEnabled;
  const bool anyBooklet = !booklet_->entries().empty();
  print_->setEnabled(dateStage);
  exportPdf_->setEnabled(dateStage);
  printBooklet_->setEnabled(anyBooklet);
  exportBookletPdf_->setEnabled(anyBooklet);
  undoButton_->setVisible(booklet_->canUndo());
}

// Plain text in the text file's layout, and rich text that keeps the bold.
void MainWindow::copyPreview() {
  auto* copied = new QMimeData;
  copied->setText(previewPlain_);
  copied->setHtml(previewHtml_);
  QGuiApplication::clipboard()->setMimeData(copied);
}

void MainWindow::onOptionClicked(int id) {
  // A click on the option already selected selects nothing anew, and asks nothing.
  if (static_cast<ServiceOption>(id) == logic_.controls().selected) return;
  logic_.select(static_cast<ServiceOption>(id));
  sync();
}

void MainWindow::onDateChanged(QDate date) {
  if (syncing_ || !date.isValid()) return;
  logic_.changeDate(toDate(date));
  sync();
}

// In the system's short date form too, as the picker's locale writes it.
std::optional<QDate> MainWindow::takeTypedDate(const QString& typed) {
  const std::optional<Date> taken =
      logic_.typeDate(typed.toStdString(), shortDatePattern(picker_->locale()));
  showDateProblem();
  if (!taken) return std::nullopt;
  return toQDate(*taken);
}

void MainWindow::showDateProblem() {
  const QString problem = QString::fromStdString(logic_.controls().dateProblem);
  picker_->setAccessibleDescription(problem);
  if (problem == dateProblem_->text() && dateProblem_->isVisible() == !problem.isEmpty()) return;
  dateProblem_->setText(problem);
  dateProblem_->setVisible(!problem.isEmpty());
  if (!problem.isEmpty()) {
    QAccessibleEvent alert{dateProblem_, QAccessible::Alert};  // said as it appears
    QAccessible::updateAccessibility(&alert);
  }
}

void MainWindow::openServiceRequest(const ServiceRequest& entry) {
  if (!logic_.controls().dateFrameEnabled) return;
  logic_.takeRequest(entry);
  sync();
  picker_->setFocus();
}

ServiceRequest MainWindow::previewed() const {
  if (const std::optional<ServiceRequest> entry = booklet_->selectedEntry()) {
    return {entry->served, entry->service, entry->evening};
  }
  return request_;
}

void MainWindow::focusStage() {
  if (logic_.controls().dateFrameEnabled) {
    picker_->setFocus();
  } else {
    optionButtons_[static_cast<std::size_t>(logic_.controls().selected)]->setFocus();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
    focused->click();
    return;
  }
  switch (logic_.enterAction()) {
    case EnterAction::continueToDate:
      continueButton_->click();
      break;
    case EnterAction::defaultOutput:
      wordButton_->click();
      break;
    case EnterAction::nothing:
      break;
  }
}

// A menu hovered or closed clears the status bar with an empty tip; the name
// of the file written last stays instead, beside "Show in Folder".
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
    return true;
  }
  return QMainWindow::event(event);
}

void MainWindow::say(const QString& message) {
  statusBar()->showMessage(message);
  updateCommands();
}

void MainWindow::sayWritten(const std::filesystem::path& file) {
  lastWritten_ = file;
  say(QString::fromStdString(statusTexts::written(file)));
  showInFolder_->show();
}

// A written file that no program opened: the window comes back, says where
// the file is and offers its folder.
void MainWindow::notOpened(const std::filesystem::path& file, const QString& message) {
  if (isMinimized()) showNormal();
  const QString text = QString::fromStdString(statusTexts::notOpened(message.toStdString(), file));
  if (services_.offerFolder(this, text)) emit folderRequested(file.parent_path());
}

void MainWindow::createTextFile() {
  const Result<std::filesystem::path> written =
      corvane::createTextFile(request_, settings_, services_.outputs, openFailures_.sender());
  if (!written) {
    services_.tell(this, QString::fromStdString(written.error()));
    return;
  }
  sayWritten(*written);
}

void MainWindow::createDocument() {
  const Result<std::filesystem::path> written =
      corvane::createDocument(request_, settings_, services_.outputs, openFailures_.sender());
  if (!written) {
    services_.tell(this, QString::fromStdString(written.error()));
    return;
  }
  sayWritten(*written);
  showMinimized();
}

void MainWindow::createBooklet() {
  const Result<std::filesystem::path> written = corvane::createBooklet(
      booklet_->entries(), settings_, services_.outputs, openFailures_.sender());
  if (!written) {
    services_.tell(this, QString::fromStdString(written.error()));
    return;
  }
  sayWritten(*written);
  showMinimized();
}

// The pages of the dismissal shown, or of the booklet, as the document lays them out.
void MainWindow::printPages(bool booklet) {
  const std::vector<Dismissal> dismissals =
      booklet ? composeBooklet(booklet_->entries(), settings_)
              : std::vector<Dismissal>{compose(previewed(), settings_)};
  if (dismissals.empty()) return;
  QPrinter printer{QPrinter::HighResolution};
  printer.setPageLayout(printedPageLayout(services_.outputs.paper));
  printer.setDocName(booklet ? "Booklet" : "Dismissal");
  if (!services_.choosePrinter(this, printer)) return;
  const Done printed =
      paintDocument(printer, bookletParagraphs(dismissals, services_.outputs.longDate));
  if (!printed) {
    services_.tell(this, QString::fromStdString(printed.error()));
    return;
  }
  if (!printer.outputFileName().isEmpty()) {
    sayWritten(printer.outputFileName().toStdU16String());
  } else {
    say(QString::fromStdString(statusTexts::sentToPrinter(printer.printerName().toStdString())));
  }
}

void MainWindow::exportPdf(bool booklet) {
  const std::vector<Dismissal> dismissals =
      booklet ? composeBooklet(booklet_->entries(), settings_)
              : std::vector<Dismissal>{compose(previewed(), settings_)};
  if (dismissals.empty()) return;
  const std::filesystem::path suggested =
      freePdfPath(services_.outputs.dataFolder, dismissals, booklet);
  const QString chosen =
      services_.choosePdfFile(this, QString::fromStdU16String(suggested.u16string()));
  if (chosen.isEmpty()) return;
  const std::filesystem::path file = chosen.toStdU16String();
  const Done written =
      writePdf(file, dismissals, services_.outputs.longDate, services_.outputs.paper);
  if (!written) {
    services_.tell(this, QString::fromStdString(written.error()));
    return;
  }
  sayWritten(file);
}

void MainWindow::loadBooklet() {
  booklet_->load();
  updateCommands();
}

// Closing the window by its frame ends the program, as "&Quit" does.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
}

}  // namespace corvane

#include "widgets/form1.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "widgets/window_menus.h"
#include "window_logic/dismissal_preview.h"

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

// The preview as a rich-text document: the document's paragraphs, centred
// headings in small capitals, the day's clauses bold, every blank and empty
// line kept, so that its plain text is the text file's text.
void fillPreview(QTextDocument& document, const DismissalPreview& preview) {
  document.clear();
  QTextCursor cursor{&document};
  bool first = true;
  for (const DocumentParagraph& paragraph : preview.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(paragraph.centred ? Qt::AlignHCenter : Qt::AlignJustify);
    QTextCharFormat base;
    base.setFontWeight(paragraph.bold ? QFont::Bold : QFont::Normal);
    base.setFontCapitalization(paragraph.smallCaps ? QFont::SmallCaps : QFont::MixedCase);
    base.setFontItalic(paragraph.italic.value_or(false));
    base.setFontUnderline(paragraph.underline.value_or(false));
    if (first) {
      cursor.setBlockFormat(block);
      first = false;
    } else {
      cursor.insertBlock(block);
    }
    const std::string& text = paragraph.text;
    std::size_t start = 0;
    while (start < text.size()) {
      const bool bold = paragraph.boldAt[start];
      std::size_t end = start;
      while (end < text.size() && paragraph.boldAt[end] == bold && text[end] != '\n') ++end;
      if (end == start) {  // a typed line break stays a line break
        cursor.insertText(QString{QChar::LineSeparator}, base);
        ++start;
        continue;
      }
      QTextCharFormat run = base;
      if (bold) run.setFontWeight(QFont::Bold);
      cursor.insertText(QString::fromStdString(text.substr(start, end - start)), run);
      start = end;
    }
  }
}

// Kept in the layout while hidden, so the window keeps one size in both stages.
void keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace

Form1::Form1(ServiceRequest& request, TempleSettings& settings, AppServices& services)
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
      openFailures_(this,
                    [this](const QString& message) {
                      // The word processor did not open: the minimised window comes back to say so.
                      if (isMinimized()) showNormal();
                      services_.tell(this, message);
                    }),
      booklet_(services.bookletFile, [this](const std::string& message) {
        services_.tell(this, QString::fromStdString(message));
      }) {
  setObjectName("Form1");
  setWindowTitle("CORVANE");
  buildControls();
  addFileAndHelpMenus(*this, "mnu", [this] { emit aboutRequested(); });
  picker_->setDate(services_.today());  // shown greyed until the date stage
  sync();
}

void Form1::buildControls() {
  auto* central = new QWidget(this);
  auto* rows = new QVBoxLayout(central);
  auto* columns = new QHBoxLayout;
  rows->addLayout(columns, 1);

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
  columns->addWidget(serviceFrame_);

  // The date, its note and the commands, one under the other.
  auto* dateColumn = new QVBoxLayout;
  dateFrame_ = new QGroupBox("SECOND -- Select Date of Service", central);
  dateFrame_->setObjectName("frmSelectDate");
  auto* dateLayout = new QVBoxLayout(dateFrame_);
  picker_ = new QDateEdit(dateFrame_);
  picker_->setObjectName("DTPicker1");
  picker_->setDisplayFormat("ddd, MMM dd, yyyy");
  picker_->setCalendarPopup(true);
  picker_->setDateRange(toQDate(kFirstSupportedDate), toQDate(kLastSupportedDate));
  dateLayout->addWidget(picker_);
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
  dateColumnWidget->setFixedWidth(340);
  columns->addWidget(dateColumnWidget);

  // The preview of the date stage: what the outputs will contain, and why.
  auto* previewColumn = new QVBoxLayout;
  preview_ = new QTextBrowser(central);
  preview_->setObjectName("txtPreview");
  preview_->setReadOnly(true);
  preview_->setOpenLinks(false);
  preview_->setMinimumSize(440, 300);
  copyButton_ = button(central, "cmdCopy", "C&opy");
  copyButton_->setToolTip(
      "Copies the dismissal, with its bold clauses, to the clipboard (Ctrl+Shift+C).");
  whyButton_ = button(central, "cmdWhy", "Wh&y?");
  whyButton_->setCheckable(true);
  whyButton_->setToolTip("Lists the church date and the rule behind each of the day's clauses.");
  whyList_ = new QLabel;
  whyList_->setObjectName("lblWhy");
  whyList_->setWordWrap(true);
  whyList_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  whyList_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  whyArea_ = new QScrollArea(central);
  whyArea_->setObjectName("areaWhy");
  whyArea_->setWidget(whyList_);
  whyArea_->setWidgetResizable(true);
  whyArea_->setFixedHeight(120);  // opening it never changes the window's size
  auto* previewButtons = new QHBoxLayout;
  previewButtons->addWidget(copyButton_);
  previewButtons->addWidget(whyButton_);
  previewButtons->addStretch();
  previewColumn->addWidget(preview_, 1);
  previewColumn->addLayout(previewButtons);
  previewColumn->addWidget(whyArea_);
  for (QWidget* widget : {static_cast<QWidget*>(preview_), static_cast<QWidget*>(copyButton_),
                          static_cast<QWidget*>(whyButton_), static_cast<QWidget*>(whyArea_)}) {
    keepPlaceWhenHidden(widget);
  }
  columns->addLayout(previewColumn, 1);

  // The booklet: the dismissals collected for one document.
  bookletFrame_ = new QGroupBox("Booklet", central);
  bookletFrame_->setObjectName("frmBooklet");
  auto* bookletLayout = new QVBoxLayout(bookletFrame_);
  bookletView_ = new QListWidget(bookletFrame_);
  bookletView_->setObjectName("lstBooklet");
  bookletView_->setToolTip(
      "The services of the booklet, in the order they are served. Delete removes the selected "
      "one.");
  addButton_ = button(bookletFrame_, "cmdAddToBooklet", "&Add to Booklet");
  addButton_->setToolTip("Adds this service and date to the booklet.");
  clearButton_ = button(bookletFrame_, "cmdClearBooklet", "C&lear Booklet");
  clearButton_->setToolTip("Empties the booklet.");
  createBookletButton_ = button(bookletFrame_, "cmdCreateBooklet", "Create Boo&klet");
  createBookletButton_->setToolTip(
      "Opens the booklet as a new document: each dismissal on a page of its own, for the temple "
      "as it is now set.");
  bookletLayout->addWidget(bookletView_, 1);
  bookletLayout->addWidget(addButton_);
  bookletLayout->addWidget(clearButton_);
  bookletLayout->addWidget(createBookletButton_);
  bookletFrame_->setFixedWidth(260);
  keepPlaceWhenHidden(bookletFrame_);
  columns->addWidget(bookletFrame_);

  auto* bottom = new QHBoxLayout;
  QPushButton* goBack = button(central, "cmdOtherForm", "Go &Back");
  QPushButton* quit = button(central, "cmdEnd", "&Quit");
  bottom->addWidget(goBack);
  bottom->addWidget(quit);
  bottom->addStretch();
  rows->addLayout(bottom);
  setCentralWidget(central);

  connect(addButton_, &QPushButton::clicked, this, &Form1::addToBooklet);
  connect(clearButton_, &QPushButton::clicked, this, [this] {
    booklet_.clear();
    showBooklet();
  });
  connect(createBookletButton_, &QPushButton::clicked, this, &Form1::createBooklet);
  bookletView_->installEventFilter(this);  // the Delete key removes the selected entry
  connect(copyButton_, &QPushButton::clicked, this, &Form1::copyPreview);
  auto* copyShortcut = new QShortcut(QKeySequence("Ctrl+Shift+C"), this);
  connect(copyShortcut, &QShortcut::activated, this, [this] {
    if (copyButton_->isVisible()) copyPreview();
  });
  connect(whyButton_, &QPushButton::toggled, whyArea_, &QWidget::setVisible);

  connect(options_, &QButtonGroup::idClicked, this, &Form1::onOptionClicked);
  connect(continueButton_, &QPushButton::clicked, this, [this] {
    logic_.continueToDate(toDate(services_.today()));
    sync();
    picker_->setFocus();
  });
  connect(picker_, &QDateEdit::dateChanged, this, &Form1::onDateChanged);
  connect(selectDifferentService_, &QPushButton::clicked, this, [this] {
    logic_.selectDifferentService(toDate(services_.today()));
    sync();
  });
  connect(wordButton_, &QPushButton::clicked, this, &Form1::createDocument);
  connect(textButton_, &QPushButton::clicked, this, &Form1::createTextFile);
  connect(goBack, &QPushButton::clicked, this, &Form1::goBackRequested);
  connect(quit, &QPushButton::clicked, qApp, &QApplication::quit, Qt::QueuedConnection);
}

void Form1::sync() {
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
  updatePreview();
  syncing_ = false;
}

// Shown in the date stage only, composed afresh on every change.
void Form1::updatePreview() {
  const bool dateStage = logic_.controls().dateFrameEnabled;
  preview_->setVisible(dateStage);
  copyButton_->setVisible(dateStage);
  whyButton_->setVisible(dateStage);
  whyArea_->setVisible(dateStage && whyButton_->isChecked());
  bookletFrame_->setVisible(dateStage);
  if (!dateStage) {
    preview_->clear();
    previewPlain_.clear();
    previewHtml_.clear();
    return;
  }
  const DismissalPreview preview = previewDismissal(request_, settings_, services_.outputs.longDate);
  fillPreview(*preview_->document(), preview);
  previewPlain_ = QString::fromStdString(preview.plainText);
  previewHtml_ = preview_->document()->toHtml();
  QString reasons = "Church date: " + QString::fromStdString(preview.churchDate).toHtmlEscaped() +
                    "<br/>" + QString::fromStdString(preview.appointedEucharist).toHtmlEscaped() +
                    "<br/>";
  for (const std::string& reason : preview.reasons) {
    reasons += QString::fromStdString(reason).toHtmlEscaped() + "<br/>";
  }
  if (preview.reasons.empty()) reasons += "No rule wrote a clause of this day.";
  whyList_->setText(reasons);
}

// Plain text in the text file's layout, and rich text that keeps the bold.
void Form1::copyPreview() {
  auto* copied = new QMimeData;
  copied->setText(previewPlain_);
  copied->setHtml(previewHtml_);
  QGuiApplication::clipboard()->setMimeData(copied);
}

void Form1::onOptionClicked(int id) {
  // A click on the option already selected selects nothing anew, and asks nothing.
  if (static_cast<ServiceOption>(id) == logic_.controls().selected) return;
  logic_.select(static_cast<ServiceOption>(id));
  sync();
}

void Form1::onDateChanged(QDate date) {
  if (syncing_ || !date.isValid()) return;
  logic_.changeDate(toDate(date));
  sync();
}

void Form1::createTextFile() {
  const Result<std::filesystem::path> written =
      corvane::createTextFile(request_, settings_, services_.outputs, openFailures_.sender());
  if (!written) services_.tell(this, QString::fromStdString(written.error()));
}

void Form1::createDocument() {
  const Result<std::filesystem::path> written =
      corvane::createDocument(request_, settings_, services_.outputs, openFailures_.sender());
  if (!written) {
    services_.tell(this, QString::fromStdString(written.error()));
    return;
  }
  showMinimized();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == bookletView_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    const int row = bookletView_->currentRow();
    if (row >= 0) {
      booklet_.remove(static_cast<std::size_t>(row));
      showBooklet();
      bookletView_->setCurrentRow(std::min(row, bookletView_->count() - 1));
    }
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::loadBooklet() {
  booklet_.load();
  showBooklet();
}

void Form1::addToBooklet() {
  booklet_.add({request_.served, request_.service, request_.evening});
  showBooklet();
}

void Form1::showBooklet() {
  bookletView_->clear();
  for (const std::string& label : booklet_.labels()) {
    bookletView_->addItem(QString::fromStdString(label));
  }
  clearButton_->setEnabled(!booklet_.entries().empty());
  createBookletButton_->setEnabled(!booklet_.entries().empty());
}

void Form1::createBooklet() {
  const Result<std::filesystem::path> written = corvane::createBooklet(
      booklet_.entries(), settings_, services_.outputs, openFailures_.sender());
  if (!written) {
    services_.tell(this, QString::fromStdString(written.error()));
    return;
  }
  showMinimized();
}

// Closing the window by its frame ends the program, as "&Quit" does.
void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
}

}  // namespace corvane

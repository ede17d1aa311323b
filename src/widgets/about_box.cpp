#include "widgets/about_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <exception>

#include "version.h"

namespace corvane {

namespace {

QLabel* label(QWidget* parent, const char* objectName, const QString& text) {
  auto* created = new QLabel(text, parent);
  created->setObjectName(objectName);
  created->setWordWrap(true);
  return created;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent, StartSystemInfo startSystemInfo, SayUnavailable sayUnavailable)
    : QDialog(parent),
      startSystemInfo_(std::move(startSystemInfo)),
      sayUnavailable_(std::move(sayUnavailable)) {
  setObjectName("frmAbout");
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);  // "OK" closes and unloads the box

  const QString title = QString::fromUtf8(kApplicationTitle);
  setWindowTitle("About " + title);

  auto* grid = new QGridLayout(this);
  QLabel* icon = label(this, "picIcon", {});
  icon->setPixmap(QPixmap(":/corvane/corvane-32.png"));
  icon->setFixedSize(32, 32);
  grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);

  QLabel* titleLabel = label(this, "lblTitle", title);
  QFont bold = titleLabel->font();
  bold.setBold(true);
  bold.setPointSize(12);
  titleLabel->setFont(bold);
  grid->addWidget(titleLabel, 0, 1);
  grid->addWidget(
      label(
          this, "lblVersion",
          QString("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision)),
      1, 1);
  grid->addWidget(label(this, "lblDescription", {}), 2, 1);
  grid->addWidget(label(this, "Label1",
                        "Corvane is free software: you may use, copy and share it under the GNU "
                        "General Public License, version 3 or later. It comes with no warranty."),
                  3, 1);

  auto* line = new QFrame(this);  // the etched separator
  line->setObjectName("Line1");
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  grid->addWidget(line, 4, 0, 1, 3);

  QLabel* disclaimer =
      label(this, "lblDisclaimer",
            QString("Check every dismissal against the service books before it is served. "
                    "Please report any error in a text to %1.")
                .arg(QString::fromUtf8(kReportAddress)));
  disclaimer->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the address can be copied
  grid->addWidget(disclaimer, 5, 0, 2, 2);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);  // Enter; Esc closes a dialog as well
  auto* systemInfo = new QPushButton("&System Info...", this);
  systemInfo->setObjectName("cmdSysInfo");
  grid->addWidget(ok, 5, 2);
  grid->addWidget(systemInfo, 6, 2);
  setFixedSize(sizeHint().expandedTo(QSize(440, 0)));

  connect(ok, &QPushButton::clicked, this, &QDialog::close);
  connect(systemInfo, &QPushButton::clicked, this, [this] {
    bool started = false;
    try {
      started = startSystemInfo_();
    } catch (const std::exception&) {
      started = false;  // any failure on the way says the tool is unavailable
    }
    if (!started) sayUnavailable_(this);
  });
}

}  // namespace corvane

#include "widgets/app_services.h"

#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QWidget>

#include "platform/data_folder.h"
#include "platform/system_info.h"
#include "platform/system_paper.h"
#include "saved_temple/saved_temple.h"
#include "state/english_date.h"

namespace corvane {

namespace {

// Julian Day Number of 1 January 1970, the first day of the system clock.
constexpr qint64 kJulianDayOfEpoch = 2440588;

}  // namespace

Date toDate(QDate date) {
  return Date{days{date.toJulianDay() - kJulianDayOfEpoch}};
}

QDate toQDate(Date date) {
  return QDate::fromJulianDay(date.time_since_epoch().count() + kJulianDayOfEpoch);
}

std::string localeLongDate(Date date) {
  const QLocale locale;
  if (locale.language() == QLocale::C) return englishLongDate(date);
  return locale.toString(toQDate(date), QLocale::LongFormat).toStdString();
}

std::string shortDatePattern(const QLocale& locale) {
  if (locale.language() == QLocale::C) return "M/d/yy";
  return locale.dateFormat(QLocale::ShortFormat).toStdString();
}

std::unique_ptr<QMessageBox> askingBox(QWidget* parent, const QString& title, const QString& text) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, title, text,
                                           QMessageBox::Yes | QMessageBox::No, parent);
  // Enter keeps things as they are: No, never a silent move to the next day.
  box->setDefaultButton(QMessageBox::No);
  return box;
}

AppServices defaultServices() {
  AppServices services;
  services.today = [] { return QDate::currentDate(); };
  services.ask = [](QWidget* parent, const QString& title, const QString& text) {
    return askingBox(parent, title, text)->exec() == QMessageBox::Yes;
  };
  services.tell = [](QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, "CORVANE", text);
  };
  const Result<std::filesystem::path> chosen = dataFolder();
  std::filesystem::path folder = chosen.value_or(std::filesystem::path{});
  if (!chosen) {
    folder = std::filesystem::temp_directory_path();
    services.startupProblem = QString::fromStdString(
        chosen.error() + ". The typed patron and the dismissals are kept in " + folder.string() +
        " for now.");
  }
  const std::optional<std::string> paper = systemPaperName();
  services.outputs = OutputServices{
      .dataFolder = folder,
      .longDate = localeLongDate,
      .paper = paper ? paperFromName(*paper).value_or(Paper::letter) : Paper::letter,
      .openTextFile = openInTextEditor,
      .openDocument = openWithDefaultApplication,
      .openFolder = openWithDefaultApplication,
  };
  services.patronFile = folder / kPatronFileName;
  services.settingsFile = folder / kTempleSettingsFileName;
  services.bookletFile = folder / "booklet.txt";
  services.commemorationsFile = folder / kCommemorationsFileName;
  services.startSystemInfo = startSystemInfoTool;
  services.inform = [](QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
  };
  services.offerFolder = [](QWidget* parent, const QString& text) {
    QMessageBox box{QMessageBox::Warning, "CORVANE", text, QMessageBox::Ok, parent};
    const QPushButton* show = box.addButton("Show in Folder", QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == show;
  };
  services.choosePrinter = [](QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog{&printer, parent};
    return dialog.exec() == QDialog::Accepted;
  };
  services.choosePdfFile = [](QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, "Export as PDF", suggested, "PDF (*.pdf)");
  };
  return services;
}

}  // namespace corvane

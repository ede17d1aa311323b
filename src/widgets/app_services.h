#pragma once

#include <QDate>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "window_logic/dismissal_outputs.h"

class QLocale;
class QMessageBox;
class QPrinter;
class QWidget;

namespace corvane {

// What the windows take from outside, so tests can pin today's date, answer
// the questions and give a folder of their own.
struct AppServices {
  std::function<QDate()> today;
  // A modal Yes/No question; true for Yes.
  std::function<bool(QWidget* parent, const QString& title, const QString& text)> ask;
  // A message the user must see: a file that could not be written, read or opened.
  std::function<void(QWidget* parent, const QString& text)> tell;
  OutputServices outputs;
  std::filesystem::path patronFile;    // "inpat.txt" in the data folder
  std::filesystem::path settingsFile;  // "corvane.ini" in the data folder: the temple's choices
  std::filesystem::path bookletFile;   // "booklet.txt" in the data folder
  std::filesystem::path commemorationsFile;  // "commemorations.txt" in the data folder
  // Said to the user when the temple window first shows: the data folder could not be made.
  QString startupProblem;
  // Starts the system-information tool; false when there is none to start.
  std::function<bool()> startSystemInfo;
  // An OK-only message box with a title of its own.
  std::function<void(QWidget* parent, const QString& title, const QString& text)> inform;
  // A message about a written file, offering to show its folder: true when
  // the user asks for the folder.
  std::function<bool(QWidget* parent, const QString& text)> offerFolder;
  // The print dialog: true when the user prints, with the printer set up.
  std::function<bool(QWidget* parent, QPrinter& printer)> choosePrinter;
  // Where to save a PDF, starting at `suggested`; empty when the user cancels.
  std::function<QString(QWidget* parent, const QString& suggested)> choosePdfFile;
};

// The services of a real run: the local date, message boxes, the data folder,
// the locale's long date and the desktop's applications.
AppServices defaultServices();

// A date of the date picker as a calendar date, and back.
Date toDate(QDate date);
QDate toQDate(Date date);

// The modal Yes/No question of the windows (the Evening Divine Liturgy's),
// with No as its default button.
std::unique_ptr<QMessageBox> askingBox(QWidget* parent, const QString& title, const QString& text);

// The long date of the locale in use; the English form in the C or POSIX locale.
std::string localeLongDate(Date date);

// The locale's short date pattern in Qt's letters ("dd.MM.yy"), which a date
// typed in figures follows; the English (US) "M/d/yy" in the C or POSIX locale.
std::string shortDatePattern(const QLocale& locale);

}  // namespace corvane

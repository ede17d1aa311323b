#pragma once

// The program's two windows started offscreen with services of the test's
// own: a fixed today, recorded questions, messages and opened files, a data
// folder of its own, and print and file dialogs that answer as told.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDate>
#include <QPlainTextEdit>
#include <QPrinter>
#include <deque>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "widgets/corvane_app.h"

namespace corvane {

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    services.today = [] { return QDate{2022, 10, 8}; };
    services.ask = [this](QWidget*, const QString& title, const QString& text) {
      questions.push_back(title + "|" + text);
      const bool answer = answers.empty() ? false : answers.front();
      if (!answers.empty()) answers.pop_front();
      return answer;
    };
    services.tell = [this](QWidget*, const QString& text) { messages.push_back(text); };
    services.outputs = OutputServices{
        .dataFolder = folder.path(),
        .longDate = englishLongDate,
        .openTextFile = [this](const std::filesystem::path& file,
                               OpenFailure) { opened.push_back(file); },
        .openDocument = [this](const std::filesystem::path& file,
                               OpenFailure) { opened.push_back(file); },
        .openFolder = [this](const std::filesystem::path& shown,
                             OpenFailure) { foldersShown.push_back(shown); },
    };
    services.offerFolder = [this](QWidget*, const QString& text) {
      messages.push_back(text);
      return showFolderWhenOffered;
    };
    services.choosePrinter = [this](QWidget*, QPrinter& printer) {
      if (printTo.empty()) return false;
      printer.setOutputFileName(QString::fromStdString(printTo.string()));
      return true;
    };
    services.choosePdfFile = [this](QWidget*, const QString& suggested) {
      suggestedPdfs.push_back(suggested);
      return QString::fromStdString(pdfChosen.string());
    };
    services.patronFile = folder.path() / "inpat.txt";
    services.settingsFile = folder.path() / "corvane.ini";
    services.bookletFile = folder.path() / "booklet.txt";
    services.startSystemInfo = [this] { return systemInfoStarts; };
    services.inform = [this](QWidget*, const QString& title, const QString& text) {
      messages.push_back(title + "|" + text);
    };
  }

  // Starts the program anew: the records are new, the files stay.
  void start() {
    app = std::make_unique<CorvaneApp>(services);
    app->start();
  }

  template <typename Widget>
  Widget& in(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) throw std::runtime_error{std::string{"no control "} + name};
    return *widget;
  }
  QAbstractButton& button(QWidget& window, const char* name) {
    return in<QAbstractButton>(window, name);
  }
  void click(QWidget& window, const char* name) { button(window, name).click(); }

  void typePatron(const QString& text) {
    in<QPlainTextEdit>(app->templeWindow(), "txtInPat").setPlainText(text);
  }
  std::string fileBytes(const std::filesystem::path& file) {
    return readWholeFile(file).value_or("<missing>");
  }
  // From the temple window with a listed patron to the main window.
  void reachMainWindow(const char* patron = "optTrinity") {
    start();
    click(app->templeWindow(), patron);
    click(app->templeWindow(), "cmdContinue");
  }

  testing::TemporaryFolder folder;
  AppServices services;
  std::unique_ptr<CorvaneApp> app;
  std::deque<bool> answers;
  QStringList questions;
  QStringList messages;
  std::vector<std::filesystem::path> opened;
  std::vector<std::filesystem::path> foldersShown;
  bool showFolderWhenOffered = false;
  std::filesystem::path printTo;    // the print dialog prints to this file; empty: cancelled
  std::filesystem::path pdfChosen;  // the file dialog's answer; empty: cancelled
  QStringList suggestedPdfs;
  bool systemInfoStarts = false;
};

}  // namespace corvane

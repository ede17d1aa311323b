#include "window_logic/status_texts.h"

namespace corvane::statusTexts {

namespace {

std::string services(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " service" : " services");
}

}  // namespace

std::string written(const std::filesystem::path& file) {
  return "Written: " + file.string();
}

std::string sentToPrinter(const std::string& printer) {
  return "Sent to the printer " + printer + ".";
}

std::string alreadyInBooklet(const std::string& label) {
  return label + " is in the booklet already.";
}

std::string addedToBooklet(const std::string& label) {
  return "Added to the booklet: " + label + ".";
}

std::string removedFromBooklet(const std::string& label) {
  return "Removed from the booklet: " + label + ". Undo (Ctrl+Z) brings it back.";
}

std::string bookletCleared(std::size_t count) {
  return "The booklet was cleared of its " + services(count) + ". Undo (Ctrl+Z) brings them back.";
}

std::string bookletRestored(std::size_t count) {
  return "The booklet holds its " + services(count) + " again.";
}

std::string notOpened(const std::string& message, const std::filesystem::path& file) {
  return message + " The file is kept in " + file.parent_path().string() +
         "; \"Show in Folder\" opens that folder, where any program can open it.";
}

std::string folderNotShown(const std::string& message, const std::filesystem::path& folder) {
  return message + " The folder is " + folder.string() + ".";
}

}  // namespace corvane::statusTexts

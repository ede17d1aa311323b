#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "composer/booklet.h"
#include "output/booklet_label.h"
#include "settings/temple_settings.h"

namespace corvane {

// The booklet the main window collects: its entries in the order they are
// served, kept in "booklet.txt" in the data folder, written again on every
// change and read at start, so it survives a restart and can be edited by
// hand or given to corvane-cli.
class BookletList {
 public:
  // Tells the user of a list that could not be read or written.
  using Report = std::function<void(const std::string& message)>;

  BookletList(std::filesystem::path file, Report report);

  // At start. A list that cannot be read is reported once, with its bad lines,
  // and kept untouched under another name in the same folder; the booklet
  // then starts empty, and nothing the user wrote is lost.
  void load();

  const std::vector<ServiceRequest>& entries() const { return entries_; }
  // For each entry, in the order of entries(), the sentence of its warning
  // when its day appoints another service in the temple's calendar, else nothing.
  std::vector<std::optional<std::string>> warnings(const TempleSettings& temple) const;

  // Where the entry stands in the list, when it is there.
  std::optional<std::size_t> indexOf(const ServiceRequest& entry) const;

  // Adds in its place; false when it is there already or the booklet is full.
  bool add(const ServiceRequest& entry);
  void remove(std::size_t index);
  void clear();

  // The list as it stood before the last removal or clearing, brought back,
  // as long as nothing was added since.
  bool canUndo() const { return beforeLastRemoval_.has_value(); }
  void undo();

 private:
  void save();

  std::filesystem::path file_;
  Report report_;
  std::vector<ServiceRequest> entries_;
  std::optional<std::vector<ServiceRequest>> beforeLastRemoval_;
  bool mayWrite_ = true;  // false while an unreadable list could not be set aside
};

}  // namespace corvane

#include "window_logic/booklet_list.h"

#include <algorithm>
#include <system_error>

#include "composer/compose.h"
#include "output/booklet_label.h"
#include "platform/atomic_file.h"
#include "state/english_date.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// "booklet-unreadable.txt", "-2", "-3" … beside the list: never over a file.
fs::path setAsideName(const fs::path& file) {
  const std::string stem = file.stem().string() + "-unreadable";
  std::error_code error;
  fs::path aside = file.parent_path() / (stem + ".txt");
  for (int number = 2; fs::exists(aside, error); ++number) {
    aside = file.parent_path() / (stem + "-" + std::to_string(number) + ".txt");
  }
  return aside;
}

// The bad lines of a list, as many as a message shows; the list itself is
// kept, so none is lost.
std::string shownProblems(const std::string& problems) {
  constexpr int kMostShown = 10;
  std::size_t end = 0;
  for (int shown = 0; shown < kMostShown; ++shown) {
    end = problems.find('\n', end);
    if (end == std::string::npos) return problems;
    ++end;
  }
  const auto more =
      std::count(problems.begin() + static_cast<std::ptrdiff_t>(end), problems.end(), '\n') + 1;
  return problems.substr(0, end) + "… and " + std::to_string(more) + " more bad lines";
}

}  // namespace

BookletList::BookletList(fs::path file, Report report)
    : file_(std::move(file)), report_(std::move(report)) {}

void BookletList::load() {
  entries_.clear();
  beforeLastRemoval_.reset();
  std::error_code error;
  if (!fs::exists(file_, error)) return;
  const Result<std::vector<ServiceRequest>> read = readWholeFile(file_).and_then(
      [this](const std::string& bytes) { return readBookletList(bytes, file_.string()); });
  if (read) {
    for (const ServiceRequest& entry : *read) addToBooklet(entries_, entry);
    return;
  }
  // One bad line ends its sentence; several stand above it, one a line.
  const bool several = read.error().find('\n') != std::string::npos;
  const std::string problem = shownProblems(read.error()) + (several ? "\n" : ". ");
  const fs::path aside = setAsideName(file_);
  fs::rename(file_, aside, error);
  if (error) {
    mayWrite_ = false;
    report_(problem + "The booklet starts empty and is not saved, so that " + file_.string() +
            " stays as it is (it could not be renamed: " + error.message() + ").");
    return;
  }
  report_(problem + "The list was kept as " + aside.string() + "; the booklet starts empty.");
}

std::optional<std::size_t> BookletList::indexOf(const ServiceRequest& entry) const {
  const auto found = std::find(entries_.begin(), entries_.end(), entry);
  if (found == entries_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - entries_.begin());
}

std::vector<std::optional<std::string>> BookletList::warnings(const TempleSettings& temple) const {
  std::vector<std::optional<std::string>> sentences;
  sentences.reserve(entries_.size());
  for (const ServiceRequest& entry : entries_) {
    std::optional<ServiceWarning> warning = compose(entry, temple).warning;
    sentences.push_back(warning ? std::optional{std::move(warning->sentence)} : std::nullopt);
  }
  return sentences;
}

bool BookletList::add(const ServiceRequest& entry) {
  if (entries_.size() >= kMostBookletEntries) {
    report_("A booklet holds at most " + std::to_string(kMostBookletEntries) +
            " dismissals; create it, or clear it first.");
    return false;
  }
  if (!addToBooklet(entries_, entry)) return false;
  beforeLastRemoval_.reset();
  save();
  return true;
}

void BookletList::remove(std::size_t index) {
  if (index >= entries_.size()) return;
  beforeLastRemoval_ = entries_;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  save();
}

void BookletList::clear() {
  if (entries_.empty()) return;
  beforeLastRemoval_ = std::move(entries_);
  entries_.clear();
  save();
}

void BookletList::undo() {
  if (!beforeLastRemoval_) return;
  entries_ = std::move(*beforeLastRemoval_);
  beforeLastRemoval_.reset();
  save();
}

void BookletList::save() {
  if (!mayWrite_) return;
  if (const Done saved = writeFileAtomically(file_, bookletListText(entries_)); !saved) {
    report_(saved.error());
  }
}

}  // namespace corvane

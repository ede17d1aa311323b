#include "composer/booklet.h"

#include <algorithm>

#include "base/messages.h"
#include "base/name_table.h"
#include "composer/compose.h"
#include "state/picked_date.h"

namespace corvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

// The fields of a line, split at runs of blanks and tabs.
std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = line.find_first_not_of(kBlanks);
  while (start != std::string_view::npos) {
    const std::size_t end = line.find_first_of(kBlanks, start);
    fields.push_back(line.substr(start, end - start));
    start = end == std::string_view::npos ? end : line.find_first_not_of(kBlanks, end);
  }
  return fields;
}

// Where a service stands among those of one day.
int servedRank(const ServiceRequest& entry) {
  switch (entry.service) {
    case Service::orthros:
      return 0;
    case Service::dailyOrthros:
      return 1;
    case Service::chrysostom:
      return entry.evening ? 5 : 2;
    case Service::basil:
      return entry.evening ? 6 : 3;
    case Service::presanctified:
      return 4;
    case Service::greatVespers:
      return 7;
    case Service::dailyVespers:
      return 8;
  }
  return 9;
}

// The entry of one line that is not empty or a comment, or what is wrong with it.
Result<ServiceRequest> entryOf(const std::vector<std::string_view>& fields) {
  const Result<Date> date = readPickedDate(fields[0]);
  if (!date) return Failure{date.error()};
  if (fields.size() < 2) {
    return Failure{"no service after the date (one of " + namesOf(kServiceNames) + ")"};
  }
  const std::optional<Service> service = serviceFromName(asciiLowercase(fields[1]));
  if (!service) {
    return Failure{"unknown service " + inQuotes(fields[1]) + " (one of " + namesOf(kServiceNames) +
                   ")"};
  }
  bool evening = false;
  if (fields.size() >= 3) {
    if (asciiLowercase(fields[2]) != "evening") {
      return Failure{inQuotes(fields[2]) + " after the service: only 'evening' may stand there"};
    }
    if (!mayBeEvening(*service)) return Failure{"'evening' only after chrysostom or basil"};
    evening = true;
  }
  if (fields.size() > 3) return Failure{inQuotes(fields[3]) + " at the end of the line"};
  return ServiceRequest{*date, *service, evening};
}

}  // namespace

Result<std::vector<ListedEntry>> readListedEntries(std::string_view text,
                                                   std::string_view fileName) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<ListedEntry> entries;
  std::string problems;  // every bad line, one a line
  const auto problem = [&](int number, const std::string& what) {
    if (!problems.empty()) problems += '\n';
    problems += std::string{fileName} + ":" + std::to_string(number) + ": " + what;
  };
  bool full = false;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::vector<std::string_view> fields = fieldsOf(line);
    if (fields.empty() || fields[0].starts_with('#')) continue;

    const Result<ServiceRequest> entry = entryOf(fields);
    if (!entry) {
      problem(number, entry.error());
    } else if (entries.size() < kMostBookletEntries) {
      entries.push_back({*entry, number});
    } else if (!full) {
      // Said once, at the first line too many; the lines after it are still checked.
      full = true;
      problem(number, "more than " + std::to_string(kMostBookletEntries) + " dismissals");
    }
  }
  if (!problems.empty()) return Failure{std::move(problems)};
  return entries;
}

Result<std::vector<ServiceRequest>> readBookletList(std::string_view text,
                                                    std::string_view fileName) {
  return readListedEntries(text, fileName).map([](const std::vector<ListedEntry>& listed) {
    std::vector<ServiceRequest> entries;
    entries.reserve(listed.size());
    for (const ListedEntry& each : listed) entries.push_back(each.entry);
    return entries;
  });
}

std::string bookletListText(const std::vector<ServiceRequest>& entries) {
  std::string text = "# Corvane booklet: YYYY-MM-DD SERVICE [evening], one dismissal a line\n";
  for (const ServiceRequest& entry : entries) {
    text += isoDate(entry.served);
    text += ' ';
    text += serviceName(entry.service);
    if (entry.evening) text += " evening";
    text += '\n';
  }
  return text;
}

bool servedBefore(const ServiceRequest& first, const ServiceRequest& second) {
  if (first.served != second.served) return first.served < second.served;
  return servedRank(first) < servedRank(second);
}

bool addToBooklet(std::vector<ServiceRequest>& entries, const ServiceRequest& entry) {
  if (std::find(entries.begin(), entries.end(), entry) != entries.end()) return false;
  entries.insert(std::upper_bound(entries.begin(), entries.end(), entry, servedBefore), entry);
  return true;
}

std::vector<Dismissal> composeBooklet(const std::vector<ServiceRequest>& entries,
                                      const TempleSettings& settings) {
  std::vector<Dismissal> dismissals(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    compose(entries[i], settings, dismissals[i]);
  }
  return dismissals;
}

}  // namespace corvane

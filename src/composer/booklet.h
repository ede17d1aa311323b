#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "composer/dismissal.h"
#include "settings/temple_settings.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

inline constexpr std::size_t kMostBookletEntries = 5000;

// The booklet list, the one format of the windows, the command line and the
// user's editor: UTF-8 (a byte-order mark allowed), LF or CR LF, one
// dismissal a line, "YYYY-MM-DD SERVICE" or "YYYY-MM-DD SERVICE evening",
// fields separated by blanks or tabs, the service and "evening" in any letter
// case, as on the command line; empty lines and lines starting with '#' are
// ignored. A list with bad lines gives no entries: it is refused with every
// bad line named, one a line, "FILE:LINE: what is wrong"
// ("booklet.txt:3: unknown service 'vesper'").
[[nodiscard]] Result<std::vector<ServiceRequest>> readBookletList(std::string_view text,
                                                                  std::string_view fileName);

// The same, each entry with the number of its line, for what is said of it
// later ("booklet.txt:3: warning: …").
struct ListedEntry {
  ServiceRequest entry;
  int line = 0;
};
[[nodiscard]] Result<std::vector<ListedEntry>> readListedEntries(std::string_view text,
                                                                 std::string_view fileName);

// The list as the windows keep it: a comment line, then one entry a line.
std::string bookletListText(const std::vector<ServiceRequest>& entries);

// The order in which the services are served: by picked date, then Orthros,
// Daily Orthros, the Liturgies, the Presanctified Liturgy, the Evening
// Liturgies, Great Vespers, Daily Vespers.
bool servedBefore(const ServiceRequest& first, const ServiceRequest& second);

// Adds the entry in its place; an entry already there is not added twice.
// False when it was there already.
bool addToBooklet(std::vector<ServiceRequest>& entries, const ServiceRequest& entry);

// Every entry composed for the one temple.
[[nodiscard]] std::vector<Dismissal> composeBooklet(const std::vector<ServiceRequest>& entries,
                                                    const TempleSettings& settings);

}  // namespace corvane

#include "cli/saved_temple_choice.h"

#include "saved_temple/saved_commemorations.h"
#include "settings/patron.h"

namespace corvane {

TempleOrigin namedOrigin(const TempleNamed& named) {
  const auto source = [](bool given) {
    return given ? TempleSource::commandLine : TempleSource::defaults;
  };
  TempleOrigin origin;
  origin.calendar = source(named.calendar);
  origin.patron = source(named.patron);
  return origin;
}

SavedTempleUse completeWithSavedTemple(TempleSettings& temple, const TempleNamed& named,
                                       const SavedTemple& saved) {
  SavedTempleUse use{.origin = namedOrigin(named), .problems = {}};
  if (named.calendar && named.patron) return use;
  const Result<std::optional<TempleChoices>> choices = saved.readChoices();
  if (!choices) {
    use.problems.push_back(choices.error());
    return use;
  }
  if (!choices->has_value()) return use;
  const TempleChoices& chosen = **choices;

  if (!named.calendar) {
    temple.calendar = chosen.calendar;
    use.origin.calendar = TempleSource::window;
  }
  if (named.patron) return use;
  if (chosen.patron != Patron::typed) {
    choosePatron(temple, chosen.patron);
    use.origin.patron = TempleSource::window;
    return use;
  }
  // "NONE OF THE ABOVE" without a phrase names no patron, as the window's
  // empty box does; a phrase that cannot be read leaves the default.
  const Result<std::optional<std::string>> phrase = saved.readPhrase();
  if (!phrase) {
    use.problems.push_back(phrase.error());
    return use;
  }
  use.origin.patron = TempleSource::window;
  if (phrase->has_value()) {
    std::string cleaned = cleanTypedPhrase(**phrase);
    if (!cleaned.empty()) choosePatron(temple, Patron::typed, std::move(cleaned));
  }
  return use;
}

Result<std::vector<std::string>> completeWithCommemorations(
    TempleSettings& temple, TempleOrigin& origin, const std::optional<std::string>& named,
    const std::optional<std::filesystem::path>& saved) {
  if (!named && !saved) return std::vector<std::string>{};
  const std::filesystem::path file = named ? std::filesystem::path{*named} : *saved;
  const Result<std::optional<CommemorationsFile>> lines = readCommemorationsFile(file);
  if (!lines && named) return Failure{"--commemorations: " + lines.error()};
  if (!lines) return std::vector<std::string>{lines.error() + ". corvane-cli goes on without them"};
  if (!lines->has_value()) {
    if (named) return Failure{"--commemorations: there is no file " + *named};
    return std::vector<std::string>{};
  }
  ReadCommemorations read = commemorationsIn(**lines, file);
  temple.commemorations = std::move(read.list);
  origin.commemorationsFile = file.string();
  origin.commemorations = named ? TempleSource::commandLine : TempleSource::window;
  for (std::string& problem : read.problems)
    problem = "warning: " + problem + "; the line is left out";
  return std::move(read.problems);
}

}  // namespace corvane

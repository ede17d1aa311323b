#include "calendar/service_warning.h"

#include "calendar/appointed_eucharist.h"
#include "calendar/great_feasts.h"
#include "state/english_date.h"

namespace corvane {

using namespace std::chrono;

namespace {

constexpr int kAscension = 39;

// The eve of a great feast takes Great Vespers and its morning the festal
// Orthros, in the temple's calendar.
const GreatFeast* greatFeastOn(const TypikonDay& day) {
  return corvane::greatFeastOn(day.date.month, day.date.day);
}

// The sentence of a warning, written in place, so that a long run of dates
// reuses one buffer; a date is written in its long form.
class Sentence {
 public:
  explicit Sentence(std::string& out) : out_(out) { out_.clear(); }
  Sentence& operator<<(std::string_view text) {
    out_ += text;
    return *this;
  }
  Sentence& operator<<(Date day) {
    appendEnglishLongDate(out_, day);
    return *this;
  }
  // "the Divine Liturgy of St. Basil the Great", "no Liturgy".
  Sentence& operator<<(Eucharist eucharist) {
    appendEucharistTitle(out_, eucharist);
    return *this;
  }
  // The same; for no Liturgy, with the rule that says why: "no Liturgy
  // (Great and Holy Friday)".
  Sentence& operator<<(const AppointedEucharist& appointed) {
    *this << appointed.eucharist;
    if (appointed.eucharist == Eucharist::none) *this << " (" << appointed.rule << ")";
    return *this;
  }

 private:
  std::string& out_;
};

Eucharist pickedEucharist(Service service) {
  if (service == Service::basil) return Eucharist::basil;
  if (service == Service::presanctified) return Eucharist::presanctified;
  return Eucharist::chrysostom;
}

// Writes "the Divine Liturgy of St. Basil the Great is appointed", "no
// Liturgy is appointed (Great and Holy Friday)".
void writeAppointed(Sentence& sentence, const AppointedEucharist& appointed) {
  sentence << appointed.eucharist << " is appointed";
  if (appointed.eucharist == Eucharist::none) sentence << " (" << appointed.rule << ")";
}

// Each of the checks below fills `into` and returns true when the service
// picked is not the one appointed.

// "On Tuesday, March 3, 2026, no Liturgy is appointed (…)": the warning of a
// day without a Liturgy, whichever Liturgy was picked.
void noLiturgyWarning(const ServiceRequest& request, const AppointedEucharist& appointed,
                      ServiceWarning& into) {
  into.appointed = std::nullopt;
  Sentence sentence{into.sentence};
  sentence << "On " << request.served << ", ";
  writeAppointed(sentence, appointed);
  sentence << ".";
}

// Judged on the day itself: it is the evening communion of that fast day.
// On a weekday of Great Lent that has no Liturgy, the warning says only that.
bool presanctifiedWarning(const ServiceRequest& request, TempleCalendar calendar,
                          const AppointedEucharist& appointed, ServiceWarning& into) {
  if (appointed.eucharist == Eucharist::presanctified) return false;
  if (appointed.eucharist == Eucharist::none &&
      typikonDayOf(request.served, calendar).inGreatLent()) {
    noLiturgyWarning(request, appointed, into);
    return true;
  }
  into.appointed = eucharistService(appointed.eucharist);
  Sentence sentence{into.sentence};
  sentence << "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in "
              "the first three days of Holy Week; on "
           << request.served << ", ";
  writeAppointed(sentence, appointed);
  sentence << ".";
  return true;
}

bool liturgyWarning(const ServiceRequest& request, const AppointedEucharist& appointed,
                    ServiceWarning& into) {
  const Eucharist picked = pickedEucharist(request.service);
  if (appointed.eucharist == picked) return false;
  if (appointed.eucharist == Eucharist::none) {
    noLiturgyWarning(request, appointed, into);
    return true;
  }
  into.appointed = eucharistService(appointed.eucharist);
  Sentence sentence{into.sentence};
  sentence << "On " << request.served << ", ";
  writeAppointed(sentence, appointed);
  sentence << ", not " << picked << ".";
  return true;
}

// The Vesperal Liturgy of St. Basil is served at Vespers, yet it is the
// Liturgy of its own day: composed as an evening Liturgy it would be moved to
// the next day (Great Friday, Pascha, the feast).
bool vesperalBasilWarning(const ServiceRequest& request, const AppointedEucharist& appointed,
                          ServiceWarning& into) {
  if (request.service != Service::basil || !appointed.vesperal) return false;
  into.appointed = Service::basil;
  Sentence{into.sentence} << "The Vesperal Liturgy of St. Basil the Great is the Liturgy of "
                          << request.served
                          << " itself: compose it without the evening choice, or the dismissal "
                             "will be that of the next day.";
  return true;
}

// An Evening Liturgy may be that of the day it is served on or that of the
// next day, to which it belongs.
bool eveningLiturgyWarning(const ServiceRequest& request, TempleCalendar calendar,
                           const AppointedEucharist& today, ServiceWarning& into) {
  if (vesperalBasilWarning(request, today, into)) return true;
  const Date nextDay = request.served + days{1};
  const AppointedEucharist tomorrow = appointedEucharist(nextDay, calendar);
  const Eucharist picked = pickedEucharist(request.service);
  if (today.eucharist == picked || tomorrow.eucharist == picked) return false;
  into.appointed = eucharistService(tomorrow.eucharist);
  Sentence sentence{into.sentence};
  sentence << "On " << request.served << ", ";
  writeAppointed(sentence, today);
  sentence << ", and on " << nextDay << ", " << tomorrow << ": "
           << "an " << serviceTitle(request.service, true) << " belongs to neither day.";
  return true;
}

// Great Vespers is appointed on the eve of a Sunday, of a great feast and of
// the Ascension, and on Great Friday for the burial.
bool dailyVespersWarning(const ServiceRequest& request, TempleCalendar calendar,
                         ServiceWarning& into) {
  const TypikonDay next = typikonDayOf(request.served + days{1}, calendar);
  const GreatFeast* feast = greatFeastOn(next);
  std::string_view occasion, feastName;
  if (next.fromPascha == -1) {
    occasion = "on Great and Holy Friday";
  } else if (next.fromPascha == kAscension) {
    occasion = "on the eve of the Ascension";
  } else if (feast) {
    occasion = "on the eve of ";
    feastName = feast->name;
  } else if (next.weekday == Sunday) {
    occasion = "on the eve of a Sunday";
  } else {
    return false;
  }
  into.appointed = Service::greatVespers;
  Sentence{into.sentence} << "Daily Vespers is not served " << occasion << feastName << "; on "
                          << request.served << ", Great Vespers is appointed.";
  return true;
}

// The festal Orthros is appointed on a Sunday, a great feast (the
// Annunciation in Great Lent and Holy Week keeps the Lenten Orthros), the
// Ascension and in Bright Week.
bool dailyOrthrosWarning(const ServiceRequest& request, TempleCalendar calendar,
                         ServiceWarning& into) {
  const TypikonDay day = typikonDayOf(request.served, calendar);
  const GreatFeast* feast = greatFeastOn(day);
  if (feast && day.annunciation() && -48 <= day.fromPascha && day.fromPascha <= -1) {
    feast = nullptr;
  }
  std::string_view occasion, feastName;
  if (0 <= day.fromPascha && day.fromPascha <= 6) {
    occasion = "in Bright Week";
  } else if (day.fromPascha == kAscension) {
    occasion = "on the Ascension";
  } else if (feast) {
    occasion = "on ";
    feastName = feast->name;
  } else if (day.weekday == Sunday) {
    occasion = "on a Sunday";
  } else {
    return false;
  }
  into.appointed = Service::orthros;
  Sentence{into.sentence} << "Daily Orthros is not served " << occasion << feastName << "; on "
                          << request.served << ", Orthros is appointed.";
  return true;
}

bool warns(const ServiceRequest& request, TempleCalendar calendar,
           const AppointedEucharist& appointed, ServiceWarning& into) {
  switch (request.service) {
    case Service::greatVespers:
    case Service::orthros:
      return false;
    case Service::dailyVespers:
      return dailyVespersWarning(request, calendar, into);
    case Service::dailyOrthros:
      return dailyOrthrosWarning(request, calendar, into);
    case Service::presanctified:
      return presanctifiedWarning(request, calendar, appointed, into);
    case Service::chrysostom:
    case Service::basil:
      return request.evening ? eveningLiturgyWarning(request, calendar, appointed, into)
                             : liturgyWarning(request, appointed, into);
  }
  return false;
}

}  // namespace

bool warningNeedsEucharist(Service service) {
  return service == Service::chrysostom || service == Service::basil ||
         service == Service::presanctified;
}

void serviceWarning(const ServiceRequest& request, TempleCalendar calendar,
                    const AppointedEucharist& appointed, std::optional<ServiceWarning>& into) {
  if (request.service == Service::greatVespers || request.service == Service::orthros) {
    into.reset();
    return;
  }
  if (!into) into.emplace();
  if (!warns(request, calendar, appointed, *into)) into.reset();
}

}  // namespace corvane

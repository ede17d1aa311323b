#include "interchange/dismissal_json.h"

#include "interchange/json_text.h"
#include "state/picked_date.h"

namespace corvane {

void appendDismissalFields(std::string& out, const Dismissal& dismissal) {
  out += "\"date\":\"";
  appendIsoDateText(out, dismissal.request.served);
  out += "\",\"dayTitle\":";
  appendJsonString(out, dismissal.dayTitle);
  out += ",\"serviceHeading\":";
  appendJsonString(out, dismissal.serviceHeading);
  out += ",\"dismissalText\":";
  appendJsonString(out, dismissal.dismissalText);
  out += ",\"endingText\":";
  appendJsonString(out, dismissal.endingText);
}

void appendWarningField(std::string& out, const Dismissal& dismissal) {
  out += ",\"warning\":";
  if (dismissal.warning) {
    appendJsonString(out, dismissal.warning->sentence);
  } else {
    out += "null";
  }
}

}  // namespace corvane

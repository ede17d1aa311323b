#include <paper.h>

#include <cstdlib>

#include "platform/system_paper.h"

namespace corvane {

std::optional<std::string> systemPaperName() {
  paperinit();
  char* name = systempapername();  // allocated for the caller; none when nothing says
  std::optional<std::string> result;
  if (name != nullptr) {
    result = std::string{name};
    std::free(name);
  }
  paperdone();
  return result;
}

}  // namespace corvane

#include "platform/process.h"
#include "platform/system_info.h"

namespace corvane {

bool startSystemInfoTool() {
  const std::optional<std::vector<std::string>> tool = systemInfoToolOnPath(findOnPath);
  return tool && !startProgram(*tool);
}

}  // namespace corvane

#pragma once

#include <functional>

#include "base/result.h"

namespace corvane {

// Runs `work` where Qt can draw text: in the program's running application,
// or, for a program without one (corvane-cli), in one made for the call. That
// one uses Qt's offscreen platform unless QT_QPA_PLATFORM names another, so it
// needs no display.
[[nodiscard]] Done withGuiApplication(const std::function<Done()>& work);

}  // namespace corvane

#include "output_files/text_file.h"

#include "platform/atomic_file.h"

namespace corvane {

Done writeTextFile(const std::filesystem::path& path, std::span<const Dismissal> dismissals,
                   const LongDateFormat& longDate) {
  return writeFileAtomically(path, textFileBytes(dismissals, longDate));
}

}  // namespace corvane

// Windows only: the paper of the user's locale.
#include <windows.h>

#include "platform/system_paper.h"

namespace corvane {

std::optional<std::string> systemPaperName() {
  DWORD size = 0;  // DMPAPER_*: 1 is Letter, 9 is A4
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                      reinterpret_cast<LPWSTR>(&size), sizeof size / sizeof(wchar_t)) == 0) {
    return std::nullopt;
  }
  if (size == DMPAPER_A4) return "a4";
  if (size == DMPAPER_LETTER) return "letter";
  return std::nullopt;
}

}  // namespace corvane

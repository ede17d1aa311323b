#include "widgets/settings_file.h"

#include <QSettings>
#include <QString>
#include <system_error>

namespace corvane {

namespace {

QString qtPath(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

}  // namespace

Result<std::optional<TempleChoices>> SettingsFile::load() {
  std::error_code error;
  if (!std::filesystem::exists(path_, error)) return std::nullopt;
  const std::string cannotRead = "Cannot read the temple's settings in " + path_.string() + ": ";
  const std::string keptUntilContinue =
      ". The window starts with its defaults; the file is kept until you continue.";
  if (!std::filesystem::is_regular_file(path_, error)) {
    return Failure{cannotRead + "it is not a file" + keptUntilContinue};
  }
  const QSettings file{qtPath(path_), QSettings::IniFormat};
  if (file.status() != QSettings::NoError) {
    return Failure{cannotRead + "it is not a settings file" + keptUntilContinue};
  }
  TempleChoices choices;
  const std::string calendar = file.value("temple/calendar", "new").toString().toStdString();
  const std::string patron = file.value("temple/patron", "typed").toString().toStdString();
  const std::optional<TempleCalendar> knownCalendar = calendarFromName(calendar);
  const std::optional<Patron> knownPatron = patronChoiceFromName(patron);
  if (!knownCalendar) {
    return Failure{cannotRead + "unknown calendar '" + calendar + "'" + keptUntilContinue};
  }
  if (!knownPatron) {
    return Failure{cannotRead + "unknown patron '" + patron + "'" + keptUntilContinue};
  }
  choices.calendar = *knownCalendar;
  choices.patron = *knownPatron;
  return choices;
}

Done SettingsFile::save(const TempleChoices& choices) {
  QSettings file{qtPath(path_), QSettings::IniFormat};
  file.clear();  // nothing of an older or damaged file survives
  file.setValue("temple/calendar", QString::fromUtf8(calendarName(choices.calendar).data()));
  file.setValue("temple/patron", QString::fromUtf8(patronChoiceName(choices.patron).data()));
  file.sync();
  if (file.status() != QSettings::NoError) {
    return Failure{"Cannot write the temple's settings to " + path_.string()};
  }
  return {};
}

}  // namespace corvane

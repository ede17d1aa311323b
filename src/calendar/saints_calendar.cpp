#include "calendar/saints_calendar.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <string>

#include "calendar/clause_texts.h"

namespace corvane {

namespace {

// A row as written: the pieces are joined once, when the calendar is first used.
using Pieces = std::array<std::string_view, 5>;
struct Row {
  int month;
  int day;
  SaintsCondition condition;
  Pieces pieces;  // none: saintsClause stays as it stands
  SaintsEffects also;
};

constexpr SaintsEffects feastOf(unsigned hierarchs) {
  return {hierarchs, {}, {}};
}
constexpr SaintsEffects ancestors(std::string_view clause) {
  return {0, clause, {}};
}
constexpr SaintsEffects titled(std::string_view dayTitle) {
  return {0, {}, dayTitle};
}

using enum SaintsCondition;

// Month, day, condition, the pieces of saintsClause, what else the row does.
// The first Saturday of November stands before the other November rows, so
// that on 1, 2, 4, 6 and 7 November the date's own row replaces it.
// clang-format off
constexpr Row kSaintsCalendar[] = {
    { 1,  1, always,      {titles::kHierarch, " Basil the Great, archbishop of Caesarea in Cappadocia, the revealer of heavenly things, ", titles::kMemorySingular}, feastOf(hierarch::kBasil)},
    { 1, 10, always,      {titles::kHierarch, " Gregory, bishop of Nyssa, ", titles::kMemorySingular}, {}},
    { 1, 11, always,      {titles::kVenerableFather, " Theodosios, the head of monasteries, ", titles::kMemorySingular}, {}},
    { 1, 16, always,      {titles::kApostle, " Peter, the veneration of whose chains we commemorate this day, "}, {}},
    { 1, 17, always,      {titles::kVenerableFather, " Antony the Great, ", titles::kMemorySingular}, {}},
    { 1, 18, always,      {"of our fathers among the saints Athanasios and Cyril, patriarchs of Alexandria, ", titles::kMemoryPlural}, {}},
    { 1, 19, always,      {titles::kVenerableFather, " Macarius the Great of Egypt, ", titles::kMemorySingular}, {}},
    { 1, 20, always,      {titles::kVenerableFather, " Euthymios the Great, ", titles::kMemorySingular}, {}},
    { 1, 23, always,      {titles::kMartyr, " Hieromartyr Clement, bishop of Ancyra, ", titles::kMemorySingular}, {}},
    { 1, 25, always,      {titles::kHierarch, " Gregory the Theologian, archbishop of Constantinople, ", titles::kMemorySingular}, {}},
    { 1, 27, always,      {titles::kHierarch, " John Chrysostom, archbishop of Constantinople, the translation of whose relics we commemorate this day, "}, feastOf(hierarch::kChrysostom)},
    { 1, 28, always,      {titles::kVenerableFather, " Ephraim the Syrian, ", titles::kMemorySingular}, {}},
    { 1, 29, always,      {titles::kMartyr, " Hieromartyr Ignatius the God-bearer, bishop of Antioch, the translation of whose sacred relics we commemorate this day, "}, {}},
    { 1, 30, always,      {"of our fathers among the saints, the great hierarchs and ecumenical teachers, Basil the Great, Gregory the Theologian, and John Chrysostom, ", titles::kMemoryPlural}, feastOf(hierarch::kBasil | hierarch::kChrysostom)},
    { 1, 31, always,      {"of the holy unmercenary healers Cyrus and John, ", titles::kMemoryPlural}, {}},
    { 2,  6, always,      {titles::kHierarch, " Photios the Great, patriarch of Constantinople, ", titles::kMemorySingular}, {}},
    { 2,  8, always,      {titles::kMartyr, " Greatmartyr Theodore the General, ", titles::kMemorySingular}, {}},
    { 2, 10, always,      {titles::kMartyr, " Hieromartyr Haralampos the wonderworker, bishop of Magnesia, ", titles::kMemorySingular}, {}},
    { 2, 11, always,      {titles::kMartyr, " Hieromartyr Blaise, bishop of Sebastia, ", titles::kMemorySingular}, {}},
    { 2, 13, always,      {titles::kVenerableFather, " Martinian of Palestine, ", titles::kMemorySingular}, {}},
    { 2, 17, always,      {titles::kMartyr, " Greatmartyr Theodore the Soldier, ", titles::kMemorySingular}, {}},
    { 3,  9, always,      {titles::kMartyr, " Holy Forty Martyrs of Sebaste, ", titles::kMemoryPlural}, {}},
    { 3, 26, saturday,    {"of the Archangel Gabriel, whose synaxis we keep this day, "}, {}},
    { 4, 23, afterPascha, {titles::kMartyr, " Greatmartyr George, the Trophy-bearer, ", titles::kMemorySingular}, {}},
    { 4, 25, afterPascha, {titles::kEvangelist, " Mark, ", titles::kMemorySingular}, {}},
    { 4, 30, afterPascha, {titles::kApostle, " James, the son of Zebedee, ", titles::kMemorySingular}, {}},
    { 5,  2, afterPascha, {titles::kHierarch, " Athanasios the Great, the translation of whose relics we commemorate this day, "}, {}},
    { 5,  8, always,      {titles::kEvangelist, " John the Theologian, ", titles::kMemorySingular}, {}},
    { 5,  9, always,      {titles::kMartyr, " Martyr Christopher, ", titles::kMemorySingular}, {}},
    { 5, 10, always,      {titles::kApostle, " Simon the Zealot, ", titles::kMemorySingular}, {}},
    { 5, 11, always,      {titles::kVenerableFather, "s Cyril and Methodius, apostles to the Slavic lands, ", titles::kMemoryPlural}, {}},
    { 5, 15, always,      {titles::kVenerableFather, " Pachomius the Great, ", titles::kMemorySingular}, {}},
    { 5, 21, always,      {"of the holy Great Sovereigns and Equals-to-the-Apostles, Constantine and Helen, ", titles::kMemoryPlural}, {}},
    { 6,  4, always,      {titles::kHierarch, " Metrophanes, archbishop of Constantinople, ", titles::kMemorySingular}, {}},
    { 6,  8, always,      {titles::kMartyr, " Greatmartyr Theodore the General, the transfer of whose relics we commemorate this day, "}, {}},
    { 6, 11, always,      {titles::kApostle, "s Bartholomew of the Twelve and Barnabas of the Seventy, ", titles::kMemoryPlural}, {}},
    { 6, 12, always,      {titles::kVenerableFather, " Onuphrius of Egypt, ", titles::kMemorySingular}, {}},
    { 6, 14, always,      {titles::kProphet, " Elisha, ", titles::kMemorySingular}, {}},
    { 6, 19, always,      {titles::kApostle, " Jude, ", titles::kMemorySingular}, {}},
    { 6, 29, always,      {"of the holy, glorious, and all-famed Chiefs of the Apostles, Peter and Paul, ", titles::kMemoryPlural}, titled("Ss. Peter and Paul")},
    { 6, 30, always,      {"of the holy, glorious, and all-laudable Twelve Apostles, whose synaxis we keep this day, "}, {}},
    { 7,  1, always,      {"of the holy and wonderworking unmercenaries Cosmas and Damian of Rome, ", titles::kMemoryPlural}, {}},
    { 7,  5, always,      {titles::kVenerableFather, " Athanasios of Athos, ", titles::kMemorySingular}, {}},
    { 7,  7, always,      {titles::kGlorious, " Greatmartyr Kyriake, ", titles::kMemorySingular}, {}},
    { 7,  8, always,      {titles::kMartyr, " Greatmartyr Prokopios, ", titles::kMemorySingular}, {}},
    { 7, 10, always,      {titles::kMartyr, " Hieromartyr Joseph of Damascus and his companions, ", titles::kMemoryPlural}, {}},
    { 7, 11, always,      {titles::kGlorious, " Greatmartyr Euphemia the All-praised, ", titles::kMemorySingular}, {}},
    { 7, 13, always,      {"of the Archangel Gabriel, whose synaxis we keep this day, "}, {}},
    { 7, 15, always,      {titles::kMartyr, " Martyrs Cyricus and his mother Julitta, ", titles::kMemoryPlural}, {}},
    { 7, 17, always,      {titles::kGlorious, " Greatmartyr Marina, ", titles::kMemorySingular}, {}},
    { 7, 20, always,      {titles::kProphet, " Elias the Tishbite, ", titles::kMemorySingular}, {}},
    { 7, 22, always,      {"of the holy Myrrh-bearer and Equal-to-the-Apostles Mary Magdalene, ", titles::kMemorySingular}, {}},
    { 7, 24, always,      {titles::kGlorious, " Greatmartyr Christina of Tyre, ", titles::kMemorySingular}, {}},
    { 7, 25, always,      {}, ancestors(", whose dormition we commemorate this day")},
    { 7, 26, always,      {titles::kGlorious, " Martyr Paraskeva, ", titles::kMemorySingular}, {}},
    { 7, 27, always,      {titles::kMartyr, " Greatmartyr and Unmercenary Healer Panteleimon, ", titles::kMemorySingular}, {}},
    { 8,  1, always,      {titles::kRighteous, " Seven Maccabee Children, Salome their mother, and Eleazar their teacher, ", titles::kMemoryPlural}, {}},
    { 8,  2, always,      {titles::kMartyr, " Protomartyr and Archdeacon Stephen, the transfer of whose relics we commemorate this day, "}, {}},
    { 8,  9, always,      {titles::kApostle, " Matthias, ", titles::kMemorySingular}, {}},
    { 8, 13, always,      {titles::kVenerableFather, " Maximos the Confessor, the translation of whose relics we commemorate this day, "}, {}},
    { 8, 22, always,      {titles::kMartyr, " Martyr Agathonicus, ", titles::kMemorySingular}, {}},
    { 8, 25, always,      {titles::kApostle, " Bartholomew, the translation of whose sacred relics we commemorate this day, and ", titles::kApostle, " Titus, first bishop of Crete, ", titles::kMemorySingular}, {}},
    { 8, 26, always,      {titles::kMartyr, " Martyrs Adrian and his wife Natalie, ", titles::kMemoryPlural}, {}},
    { 9,  1, always,      {titles::kVenerableFather, " Symeon the Stylite, ", titles::kMemorySingular}, {}},
    { 9,  2, always,      {titles::kMartyr, " Martyr Mammas, ", titles::kMemorySingular}, {}},
    { 9,  4, always,      {titles::kMartyr, " Hieromartyr Babylas, bishop of Antioch, ", titles::kMemorySingular}, {}},
    { 9,  5, always,      {titles::kProphet, " Zacharias, father of the venerable Forerunner, ", titles::kMemorySingular}, {}},
    { 9,  6, always,      {"of the Archangel Michael, whose miracle at Colossae we commemorate this day, "}, {}},
    { 9,  9, always,      {}, ancestors(", whose synaxis we keep this day")},
    { 9, 15, always,      {titles::kMartyr, " Martyr Nicetas, ", titles::kMemorySingular}, {}},
    { 9, 16, always,      {titles::kGlorious, " Greatmartyr Euphemia the All-praised, ", titles::kMemorySingular}, {}},
    { 9, 20, always,      {titles::kMartyr, " Greatmartyr Eustathios, his wife Theopista, and their children Agapios and Theopista, ", titles::kMemoryPlural}, {}},
    { 9, 24, always,      {titles::kGlorious, " Protomartyr and Equal-to-the-Apostles Thekla, ", titles::kMemorySingular}, {}},
    { 9, 26, always,      {titles::kEvangelist, " John the Theologian, whose repose we commemorate this day, "}, {}},
    { 9, 28, always,      {titles::kVenerableFather, " Chariton the confessor, ", titles::kMemorySingular}, {}},
    { 9, 29, always,      {titles::kVenerableFather, " Kyriakos the anchorite, ", titles::kMemorySingular}, {}},
    { 9, 30, always,      {titles::kMartyr, " Hieromartyr Gregory, bishop of Greater Armenia, ", titles::kMemorySingular}, {}},
    {10,  2, always,      {"of the holy Hieromartyr Cyprian and the Virginmartyr Justina, ", titles::kMemoryPlural}, {}},
    {10,  3, always,      {"of the holy Hieromartyr Dionysius the Areopagite, ", titles::kMemorySingular}, {}},
    {10,  6, always,      {titles::kApostle, " Thomas, ", titles::kMemorySingular}, {}},
    {10,  7, always,      {titles::kMartyr, " Martyrs Sergius and Bacchus of Rome, ", titles::kMemoryPlural}, {}},
    {10,  8, always,      {titles::kVenerableMother, " Pelagia the former courtesan, ", titles::kMemorySingular}, {}},
    {10,  9, always,      {titles::kApostle, " James, son of Alphaeus, ", titles::kMemorySingular}, {}},
    {10, 10, always,      {"of the holy martyrs Evlámpius and Evlámpia, ", titles::kMemoryPlural}, {}},
    {10, 12, always,      {titles::kMartyr, " Martyrs Probus, Tarachus, and Andronicus, ", titles::kMemoryPlural}, {}},
    {10, 16, always,      {titles::kMartyr, " Martyr Longinus the Centurion, who stood at the foot of the cross of our Lord, ", titles::kMemorySingular}, {}},
    {10, 18, always,      {titles::kEvangelist, " Luke, ", titles::kMemorySingular}, {}},
    {10, 20, always,      {titles::kMartyr, " Greatmartyr Artemius, ", titles::kMemorySingular}, {}},
    {10, 21, always,      {titles::kVenerableFather, " Hilarion the Great, ", titles::kMemorySingular}, {}},
    {10, 23, always,      {titles::kApostle, " James the brother of God, first bishop of Jerusalem, ", titles::kMemorySingular}, {}},
    {10, 24, always,      {"of the holy Greatmartyr Arethas and his companions in Najran, ", titles::kMemoryPlural}, {}},
    {10, 25, always,      {titles::kMartyr, " Martyrs Marcian and Martyrius the Notaries, ", titles::kMemoryPlural}, {}},
    {10, 26, always,      {titles::kMartyr, " Greatmartyr Demetrios the Myrrh-streamer, ", titles::kMemorySingular}, {}},
    {11,  1, firstSaturdayOfNovember, {titles::kHierarch, " Raphael, Bishop of Brooklyn, ", titles::kMemorySingular}, {}},  // any of 1 to 7 November
    {11,  1, always,      {"of the holy and wonderworking unmercenaries Cosmas and Damian of Asia, ", titles::kMemoryPlural}, {}},
    {11,  2, always,      {titles::kMartyr, " Martyrs Acindynus, Pegasius, Aphthonius, Elpidephorus, and Anempodistus of Persia, ", titles::kMemoryPlural}, {}},
    {11,  4, always,      {titles::kVenerableFather, " Joannicius the Great, hermit of Mount Olympus, ", titles::kMemorySingular}, {}},
    {11,  6, always,      {titles::kHierarch, " Paul the Confessor, archbishop of Constantinople, ", titles::kMemorySingular}, {}},
    {11,  7, always,      {titles::kVenerableFather, " Lazarus the Stylite, Wonderworker of Mount Galesion, ", titles::kMemorySingular}, {}},
    {11,  8, always,      {"of the Archangels Michael and Gabriel whom we commemorate this day, "}, {}},
    {11,  9, always,      {titles::kHierarch, " Nektarios the Wonderworker of Aegina, bishop of Pentapolis, ", titles::kMemorySingular}, {}},
    {11, 13, always,      {titles::kHierarch, " John Chrysostom, archbishop of Constantinople, ", titles::kMemorySingular}, feastOf(hierarch::kChrysostom)},
    {11, 14, always,      {titles::kApostle, " Philip, ", titles::kMemorySingular}, {}},
    {11, 15, always,      {titles::kMartyr, " Martyrs and Confessors Guria, Shamuna, and Habib the deacon, ", titles::kMemoryPlural}, {}},
    {11, 16, always,      {titles::kEvangelist, " Matthew, ", titles::kMemorySingular}, {}},
    {11, 17, always,      {titles::kHierarch, " Gregory the Wonderworker, bishop of Neocaesarea, ", titles::kMemorySingular}, {}},
    {11, 25, always,      {titles::kGlorious, " Greatmartyr Catherine of Alexandria and ", titles::kMartyr, " Greatmartyr Mercurios of Cappadocia, ", titles::kMemoryPlural}, {}},
    {11, 27, always,      {titles::kMartyr, " Greatmartyr James the Persian, ", titles::kMemorySingular}, {}},
    {11, 28, always,      {"of the venerable Martyr Stephen the New, ", titles::kMemorySingular}, {}},
    {11, 30, always,      {titles::kApostle, " Andrew the First-Called, ", titles::kMemorySingular}, {}},
    {12,  4, always,      {titles::kGlorious, " Greatmartyr Barbara of Heliopolis and ", titles::kVenerableFather, ", John of Damascus, ", titles::kMemoryPlural}, {}},
    {12,  5, always,      {titles::kVenerableFather, " Sabbas the Sanctified, ", titles::kMemorySingular}, {}},
    {12,  6, always,      {titles::kHierarch, " Nicholas the Wonderworker, bishop of Myra in Lycia, ", titles::kMemorySingular}, feastOf(hierarch::kNicholas)},
    {12, 12, always,      {titles::kHierarch, " Spyridon the Wonderworker, bishop of Trimythus in Cyprus, ", titles::kMemorySingular}, {}},
    {12, 13, always,      {titles::kMartyr, " Martyrs Eustratius, Auxentius, Eugene, Mardarius, and Orestes, ", titles::kMemoryPlural}, {}},
    {12, 15, always,      {titles::kMartyr, " Hieromartyr Eleftherios, bishop of Illyricum, ", titles::kMemorySingular}, {}},
    {12, 17, always,      {titles::kProphet, " Daniel and the Three Holy Youths, Ananias, Azarias, and Misael, ", titles::kMemoryPlural}, {}},
    {12, 20, always,      {titles::kHierarch, " Ignatius the God-bearer of Antioch, ", titles::kMemorySingular}, {}},
    {12, 22, always,      {titles::kGlorious, " Greatmartyr Anastasia, the deliverer from potions, ", titles::kMemorySingular}, {}},
    {12, 23, always,      {"of the Ten Holy Martyrs of Crete, ", titles::kMemoryPlural}, {}},
    {12, 27, always,      {titles::kMartyr, " Protomartyr and Archdeacon Stephen, ", titles::kMemorySingular}, {}},
    {12, 29, always,      {"of the Holy Infants killed for Christ's sake by King Herod, ", titles::kMemorySingular}, {}},
};
// clang-format on
constexpr std::size_t kRowCount = std::size(kSaintsCalendar);
static_assert(kRowCount == 122);

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// The joined texts and the rule names, built once and kept for the program's
// life, so that a slot's recorded rule is a view into static storage.
class Calendar {
 public:
  Calendar() {
    for (std::size_t i = 0; i < kRowCount; ++i) {
      const Row& row = kSaintsCalendar[i];
      for (std::string_view piece : row.pieces) texts_[i].append(piece);
      names_[i] = row.condition == firstSaturdayOfNovember
                      ? "saints of the first Saturday of November"
                      : "saints of " + std::to_string(row.day) + " " +
                            std::string{kMonthNames[row.month - 1]};
      rows_[i] = {row.month, row.day, row.condition, texts_[i], row.also, names_[i]};
      if (row.condition == firstSaturdayOfNovember) {
        for (int day = 1; day <= 7; ++day) file(row.month, day, rows_[i]);
      } else {
        file(row.month, row.day, rows_[i]);
      }
    }
  }

  std::span<const SaintsRow> rows() const { return rows_; }

  std::span<const SaintsRow* const> rowsOf(int month, int day) const {
    const DateRows& filed = byDate_[indexOf(month, day)];
    return std::span{filed.rows}.first(filed.count);
  }

 private:
  // At most two rows share a date: the first Saturday of November and the day's own.
  struct DateRows {
    std::array<const SaintsRow*, 2> rows{};
    std::size_t count = 0;
  };

  static std::size_t indexOf(int month, int day) {
    return static_cast<std::size_t>((month - 1) * 31 + (day - 1));
  }

  void file(int month, int day, const SaintsRow& row) {
    DateRows& filed = byDate_.at(indexOf(month, day));
    filed.rows.at(filed.count++) = &row;
  }

  std::array<std::string, kRowCount> texts_;
  std::array<std::string, kRowCount> names_;
  std::array<SaintsRow, kRowCount> rows_;
  std::array<DateRows, 12 * 31> byDate_;
};

const Calendar& calendar() {
  static const Calendar instance;
  return instance;
}

}  // namespace

std::span<const SaintsRow> saintsCalendar() {
  return calendar().rows();
}

std::span<const SaintsRow* const> saintsRowsOf(int month, int day) {
  return calendar().rowsOf(month, day);
}

}  // namespace corvane

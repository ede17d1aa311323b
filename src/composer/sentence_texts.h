#pragma once

#include <string_view>

// The fixed words of the sentence and of its closing line, each in its one
// home. The invocations stand in the fixed sentence, in the weekday's
// intercession of the daily services and in the temple's patron clause; the
// sentence joins them with "; ".
namespace corvane::sentence {

inline constexpr std::string_view kMay = "May ";
inline constexpr std::string_view kChristOurTrueGod =
    "Christ our true God, through the intercessions of His all-immaculate and all-blameless holy Mother";
inline constexpr std::string_view kSemicolon = "; ";

// The invocations.
inline constexpr std::string_view kCross = "by the might of the precious and life-giving cross";
inline constexpr std::string_view kBodilessPowers =
    "by the protection of the honorable bodiless powers of heaven; ";
inline constexpr std::string_view kForerunner =
    "at the supplication of the honorable, glorious Prophet, Forerunner and Baptist John";
inline constexpr std::string_view kApostles = "of the holy, glorious and all-laudable apostles; ";
// A capital A: the apostles as a temple's patron.
inline constexpr std::string_view kTwelveApostles =
    "of the holy, glorious and all-laudable Apostles; ";
// After "of our father among the saints,".
inline constexpr std::string_view kNicholas =
    " Nicholas the Wonderworker, bishop of Myra in Lycia; ";
// On 6 December St. Nicholas ends with a comma and his memory phrase.
inline constexpr std::string_view kNicholasRemembered =
    " Nicholas the Wonderworker, bishop of Myra in Lycia, ";
inline constexpr std::string_view kMartyrsAndFathers =
    "of the holy, glorious and right-victorious martyrs; of our venerable and God-bearing fathers; ";
// Saturday's intercession in the daily services.
inline constexpr std::string_view kMartyrsAndAsceticFathers =
    "of the holy, glorious and right-victorious martyrs; of our venerable and God-bearing fathers who shone in the ascetic life; ";
inline constexpr std::string_view kAncestors =
    "of the holy and righteous ancestors of God, Joachim and Anna";
inline constexpr std::string_view kAllTheSaints =
    "and of all the saints: have mercy on us, and save us, forasmuch as He is good and loveth mankind.";

// The closing lines.
inline constexpr std::string_view kOrdinaryEnding =
    "Through the prayers of our holy fathers, Lord Jesus Christ our God, have mercy on us, and save us.";
inline constexpr std::string_view kHierarchicalEnding =
    "HIERARCHICAL ENDING:  Through the prayers of our holy master, Lord Jesus Christ our God, have mercy on us, and save us.";
// Eleven lines joined by CR LF, no line break after the last.
inline constexpr std::string_view kPaschalEnding =
    "PASCHAL ENDING"
    "\r\n"
    "\r\n"
    "PRIEST:  Christ is risen!"
    "\r\n"
    "RESPONSE: Indeed, He is risen!"
    "\r\n"
    "(thrice)"
    "\r\n"
    "\r\n"
    "PRIEST: Glory to his holy third-day resurrection."
    "\r\n"
    "RESPONSE: We adore his third-day resurrection."
    "\r\n"
    "\r\n"
    "PRIEST: Christ is risen from the dead trampling down death by death and upon those in the tombs . . ."
    "\r\n"
    "RESPONSE: . . . bestowing life.";

}  // namespace corvane::sentence

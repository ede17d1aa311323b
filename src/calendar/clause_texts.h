#pragma once

#include <string_view>

// The fixed clause texts of the feasts of the Lord, reproduced exactly as the
// service books of the system have them.
namespace corvane::clauses {

inline constexpr std::string_view kNativity =
    "he who was born in a cave and lay in a manger for our salvation, ";
inline constexpr std::string_view kCircumcision =
    "he who on the eighth day deigned to be circumcised in the flesh for our salvation, ";
inline constexpr std::string_view kTheophany =
    "he who deigned to be baptized by John in the Jordan for our salvation, ";
inline constexpr std::string_view kMeeting =
    "he who deigned to be carried in the arms of righteous Simeon for our salvation, ";
inline constexpr std::string_view kLazarus =
    "he who by the raising of Lazarus from the dead didst confirm the universal resurrection, ";
inline constexpr std::string_view kPalms =
    "he who deigned to sit upon the foal of an ass for our salvation, ";
inline constexpr std::string_view kPassion =
    "he who is going to his voluntary passion for our salvation, ";
inline constexpr std::string_view kWashing =
    "he who showed us the most excellent way of humility when he washed his disciples' feet and condescended even unto the cross and burial because of his exceeding goodness, ";
inline constexpr std::string_view kSpittings =
    "he who endured spittings and scourgings, the cross and death, for the salvation of the world, ";
// Burial A says "on behalf of us men", Burial B (Great Saturday at Vespers) "on behalf of us".
inline constexpr std::string_view kBurialA =
    "he who endured fearful sufferings, the life-giving cross, and voluntary burial in the flesh, on behalf of us men and for our salvation, ";
inline constexpr std::string_view kBurialB =
    "he who endured fearful sufferings, the life-giving cross, and voluntary burial in the flesh, on behalf of us and for our salvation, ";
inline constexpr std::string_view kPaschal =
    "he who rose again from the dead, trampling down death by death and upon those in the tombs bestowing life, ";
inline constexpr std::string_view kRisen = "he who rose again from the dead, ";
inline constexpr std::string_view kAscension =
    "he who in glory ascended from us into heaven and sat at the right hand of God the Father, ";
inline constexpr std::string_view kSpirit =
    "he who sent the all-holy Spirit from heaven upon his holy disciples and apostles, in the form of fiery tongues, ";

// The resurrection clause that follows a feast's clause on a Sunday.
inline constexpr std::string_view kAndRisen = "and who rose again from the dead, ";

// The author of the Liturgy served; the same words name a temple's patron.
inline constexpr std::string_view kChrysostom =
    "of our father among the saints, John Chrysostom, archbishop of Constantinople; ";
inline constexpr std::string_view kBasil =
    "of our father among the saints, Basil the Great, archbishop of Caesarea; ";
inline constexpr std::string_view kGregory =
    "of our father among the saints, Gregory the Dialogist; ";

}  // namespace corvane::clauses

// The title and memory phrases from which the saints' texts are joined.
namespace corvane::titles {

inline constexpr std::string_view kProphet = "of the glorious Prophet";
inline constexpr std::string_view kRighteous = "of the holy and righteous";
inline constexpr std::string_view kApostle = "of the holy, glorious and all-laudable Apostle";
inline constexpr std::string_view kEvangelist =
    "of the holy, glorious and all-laudable Apostle and Evangelist";
inline constexpr std::string_view kMartyr = "of the holy, glorious and right-victorious";
inline constexpr std::string_view kGlorious = "of the holy, glorious";
inline constexpr std::string_view kHierarch = "of our father among the saints,";
inline constexpr std::string_view kVenerableFather = "of our venerable and God-bearing father";
inline constexpr std::string_view kVenerableMother = "of our venerable mother";
inline constexpr std::string_view kMemorySingular = "whose memory we celebrate this day, ";
inline constexpr std::string_view kMemoryPlural = "whose memories we celebrate this day, ";

}  // namespace corvane::titles

// The limits of a real 555 that the formulas know nothing of, and the notes
// ("Pastabos") that say which of them a circuit's values break: each note
// begins with the limit and its figure ("R1 < 1 kΩ: ") and says why. A value
// inside every limit gets no note. The figures come from the makers' data
// sheets, named in the README; the notes say which part and supply they hold
// for where that matters.
//
// It judges values, not texts: R1 and R2 in kΩ, C and f in the chosen units
// (units.h). It does not say whether a value exists; a missing one breaks
// nothing.
#pragma once

#include <string>
#include <vector>

#include "logic/units.h"

namespace ritmolis {

inline constexpr const char* kNotesCaption = "Pastabos";

// The limits, in kΩ, hertz and nanofarads.
inline constexpr double kSmallestR1 = 1;
inline constexpr double kLargestR1PlusR2 = 3500;
inline constexpr double kHighestFrequency = 100'000;
inline constexpr double kSmallestC = 1;

inline constexpr const char* kNoteR1 =
    "R1 < 1 kΩ: per visą t2 iškrovos tranzistorius (7 išvadas) praleidžia srovę U / R1, esant 15 V maitinimui – "
    "daugiau nei 15 mA, o gamintojai jį aprašo tik iki 15 mA (esant 5 V – iki 4,5 mA); perkrautas jis kaista ir "
    "iškraipo t2.";
inline constexpr const char* kNoteR1PlusR2 =
    "R1 + R2 > 3,5 MΩ: dvipolio 555 (NE555) slenksčio įėjimas (6 išvadas) ima srovę iš laiko grandinės, ir su "
    "didesne varža laikai nebeatitinka formulių; gamintojai leidžia iki 3,5 MΩ esant 5 V ir iki 20 MΩ esant 15 V. "
    "CMOS lustų (TLC555, LMC555, ICM7555) įėjimo srovė – pikoamperai, jiems ši riba daug didesnė.";
inline constexpr const char* kNoteFrequency =
    "f > 100 kHz: lusto vidiniai vėlinimai tampa pastebima periodo dalimi, todėl tikrasis dažnis mažesnis už "
    "apskaičiuotą; dvipoliam NE555 (išėjimo frontai – iki 300 ns) tai jo riba. CMOS lustai veikia toliau: "
    "TLC555 – iki 1,2 MHz, ICM7555 – apie 1 MHz, LMC555 – apie 3 MHz.";
inline constexpr const char* kNoteC =
    "C < 1 nF: montažo ir išvadų parazitinė talpa (keli pikofaradai) tampa pastebima C dalimi, todėl laikai "
    "ilgesni už apskaičiuotus.";

// The notes of the circuit R1, R2, C, in the order above: R1 below 1 kΩ (0
// included: a wire), R1 + R2 above 3.5 MΩ, its frequency by the form's
// formulas above 100 kHz, C below 1 nF. A negative or infinite resistor and a
// C that is not a positive, finite number are no parts, and break nothing.
[[nodiscard]] std::vector<std::string> LimitNotes(double r1, double r2, double c, Units units);

// A note's beginning up to its colon: the limit with its figure ("R1 < 1 kΩ").
[[nodiscard]] std::string NoteHead(const std::string& note);
// The notes' heads, separated by "; ": what a table's cell shows of them.
[[nodiscard]] std::string NoteHeads(const std::vector<std::string>& notes);

}  // namespace ritmolis

// Design from a target ("Projektavimas pagal tikslą"): from the texts of two
// fields, the frequency f (in the chosen units, Hz or kHz) and the duty cycle
// D in per cent, the times t1 = D / f and t2 = (1 − D) / f (D as a fraction),
// and for each value of C's list a row: the R1 and R2 that the form itself
// shows after "Skaičiuoti" in the mode "sužinoti R1 ir R2" with that C and
// those times (computed by running the form's own calculation on the texts
// the row would write into it, so that the two never differ), the nearest E24
// pair, the f and D that pair gives by the form's formulas, and the notes of a
// real 555's limits that the row breaks (limits.h). One row is proposed (see
// DesignForTarget).
//
// A duty cycle of 50 % or less, or of 100 % or more, gives no row and a
// sentence that says why this circuit cannot give it; a frequency that is not
// a positive, finite number gives no row and a short sentence; a field left
// empty gives neither (unless D, typed, is impossible whatever f is). Values are read as the form reads them (a comma reads
// as a point) and written as it writes them; none shows NaN, infinity or a
// negative part (values.h).
//
// It writes into no field: a front end writes a row's texts (kDesignCells and
// the row's C, t1 and t2) where it shows them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logic/limits.h"
#include "logic/units.h"

namespace ritmolis {

struct DesignRow {
    std::string C;                 // C as the list writes it: what the row writes into the field C
    std::string t1, t2;            // what the row writes into the fields t1 and t2
    std::string R1, R2;            // what the form shows after "Skaičiuoti" with them
    std::string R1_E24, R2_E24;    // the E24 values nearest to R1 and R2
    std::string f, D;              // what that E24 pair gives, to four significant digits
    std::vector<std::string> notes;  // the limits of a real 555 that R1, R2, C and their f break
};

struct Design {
    Units units = Units::Microfarad;  // of f, C and the times
    std::string message;           // why there is no row; empty when there are rows, or a field is empty
    std::vector<DesignRow> rows;   // one per value of C's list (kCItems), in its order; or none
    std::optional<std::size_t> proposed;  // the index of the proposed row
    std::vector<std::string> notes;       // every note that a row has, once, in the order of the rows
};

// The design for the target f (in the units' Hz or kHz) and D (per cent), as
// typed. The proposed row: among the rows with the fewest notes (none, when
// some row breaks no limit), the one whose farther resistor lies nearest, on a
// logarithmic scale, to 10 kΩ, the middle of the 1 kΩ to 100 kΩ over which the
// data sheets state the timing accuracy; on a tie the smaller C. So when every
// row breaks a limit, a row that breaks the fewest is proposed, its notes
// saying what it breaks. A row without both resistors is never proposed.
[[nodiscard]] Design DesignForTarget(std::string_view f, std::string_view D, Units units = Units::Microfarad);

// The design as one line of text (the form the WebAssembly comparison prints).
[[nodiscard]] std::string DesignLine(const Design& design);

// The design's texts, in Lithuanian like the form.
inline constexpr const char* kDesignCaption = "Projektavimas pagal tikslą";
inline constexpr const char* kDesignTableCaption = "Kiekvienai C sąrašo vertei (siūloma eilutė paryškinta)";
inline constexpr std::array<const char*, 2> kTargetFrequencyLabels{"Dažnis f, Hz", "Dažnis f, kHz"};  // by Units
inline constexpr const char* kTargetDutyLabel = "Užpildos koeficientas D, %";
inline constexpr const char* kWriteRowText = "Į formą";  // the button that writes a row into the form
inline constexpr const char* kProposedText = "siūloma";  // what marks the proposed row
inline constexpr const char* kDutyTooLowMessage =
    "Ši grandinė negali duoti D ≤ 50 %: kondensatorius kraunamas per R1 ir R2, o iškraunamas tik per R2, todėl "
    "t1 visada ilgesnis už t2. Įprastas sprendimas – diodas lygiagrečiai R2 (anodas prie 7 išvado, katodas prie 6 "
    "ir 2 išvadų): tada t1 priklauso tik nuo R1, ir D gali būti 50 % ar mažesnis.";
inline constexpr const char* kDutyTooHighMessage =
    "D turi būti mažesnis už 100 %: kiekvieną periodą išėjimas būna žemas t2 = 0,693 · R2 · C / 1000, kol "
    "kondensatorius išsikrauna per R2.";
inline constexpr const char* kFrequencyMessage = "Dažnis f turi būti teigiamas skaičius.";
inline constexpr const char* kTimesOutOfRangeMessage = "Tokio tikslo laikai t1 ir t2 netelpa į skaičių ribas.";

// The table's column headers with their units, in the order of Units: the
// row's header C, the cells of kDesignCells, the notes, the button.
inline constexpr std::array<std::array<const char*, 9>, 2> kDesignHeaders{{
    {"C, µF", "R1, kΩ", "R2, kΩ", "R1 (E24), kΩ", "R2 (E24), kΩ", "f (E24), Hz", "D (E24), %", kNotesCaption,
     kWriteRowText},
    {"C, nF", "R1, kΩ", "R2, kΩ", "R1 (E24), kΩ", "R2 (E24), kΩ", "f (E24), kHz", "D (E24), %", kNotesCaption,
     kWriteRowText},
}};
// A row's cells between its header and its notes.
inline constexpr std::array kDesignCells{&DesignRow::R1,     &DesignRow::R2, &DesignRow::R1_E24,
                                         &DesignRow::R2_E24, &DesignRow::f,  &DesignRow::D};
static_assert(kDesignCells.size() + 3 == kDesignHeaders[0].size());

[[nodiscard]] constexpr const std::array<const char*, 9>& DesignHeaders(Units units) {
    return kDesignHeaders[static_cast<std::size_t>(units)];
}
[[nodiscard]] constexpr const char* TargetFrequencyLabel(Units units) {
    return kTargetFrequencyLabels[static_cast<std::size_t>(units)];
}

}  // namespace ritmolis

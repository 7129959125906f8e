// The companion of the form: what a calculation means beyond its two numbers.
// From the fields as they stand after a click on "Skaičiuoti" it gives the
// frequency and the duty cycle of the times, and in the mode "sužinoti R1 ir R2"
// the standard resistors of the series E12, E24 and E96 nearest to R1 and R2,
// with the times they give: the standard value nearest to each result is the
// one whose ratio to it is closest to 1, the lower one on an exact tie. Both
// front ends show it beside the form (the page below it, the desktop in its
// second window), with the drawings of drawing.h and the texts below.
//
// Every value is read from its field as the form reads it (ParseLenient) and
// written as the form writes it (FormatNumber, RoundToPlaces). A value that is
// not a positive, finite number shows as kNoValue; nothing shows NaN, infinity
// or a negative part.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "logic/form_state.h"
#include "logic/values.h"

namespace ritmolis {

// The standard parts of one series nearest to the results, and what they give.
struct StandardRow {
    const char* series = "";   // "E12", "E24" or "E96"
    std::string R1, R2;        // the standard values
    std::string t1, t2;        // the times they give with C, by FindT's formulas
    std::string dt1, dt2;      // their deviations from the requested t1 and t2, in per cent, signed
};

struct Companion {
    bool calculated = false;   // false: nothing to show (no calculation, or the one asked for gave nothing)
    bool find_r = false;       // the mode "sužinoti R1 ir R2"
    std::string R1, R2, C;     // the circuit's parts as the schematic labels them
    std::string t1, t2;        // the two times
    double high = 0, low = 0;  // t1 and t2 as numbers, both positive and finite, or both 0
    std::string f;             // 1 / (t1 + t2): Hz when the times are in seconds, kHz when in milliseconds
    std::string D;             // t1 / (t1 + t2), in per cent
    std::vector<StandardRow> rows;  // E12, E24, E96 in the mode "sužinoti R1 ir R2"; none otherwise
};

// The companion of the form as it stands after a click on "Skaičiuoti" that
// raised no error. In the mode "sužinoti R1 ir R2" a click with t1 not greater
// than t2 computes nothing, and so has nothing to show.
[[nodiscard]] Companion DescribeCalculation(const FormState& form);

// The companion as one line of text (the form the WebAssembly comparison
// prints): the parts, the times, f and D, then each row of standard parts.
[[nodiscard]] std::string CompanionLine(const Companion& companion);

// The cells of a row of standard parts after its series, joined by spaces.
[[nodiscard]] std::string CellsLine(const StandardRow& row);

// The companion's texts, in Lithuanian like the form.
inline constexpr const char* kCompanionTitle = "Ritmolis — schema";
inline constexpr const char* kSchematicCaption = "Schema";
inline constexpr const char* kTimingCaption = "Laiko diagrama";
inline constexpr const char* kFormulasCaption = "Formulės";
inline constexpr const char* kFrequencyCaption = "Dažnis";
inline constexpr const char* kDutyCaption = "Užpildos koeficientas";
inline constexpr const char* kStandardCaption = "Artimiausios standartinės vertės";
inline constexpr std::array<const char*, 2> kFormulas{"t1 = 0,693 · (R1 + R2) · C / 1000",
                                                      "t2 = 0,693 · R2 · C / 1000"};
inline constexpr std::array<const char*, 2> kUnits{
    "R kΩ ir C µF: t sekundėmis, f hercais (Hz)",
    "R kΩ ir C nF: t milisekundėmis, f kilohercais (kHz)"};
inline constexpr const char* kFrequencyFormula = "f = 1 / (t1 + t2)";
inline constexpr const char* kDutyFormula = "D = t1 / (t1 + t2), %";
// The table's column headers; each row's header is its series.
inline constexpr std::array<const char*, 7> kStandardHeaders{"Eilė", "R1", "R2", "t1", "t2", "Nuokrypis t1, %",
                                                             "Nuokrypis t2, %"};
// The cells of a row after its series, in the order of the headers after the
// first: the one list that the logic, the front ends and the tests go through.
inline constexpr std::array kStandardCells{&StandardRow::R1, &StandardRow::R2, &StandardRow::t1,
                                           &StandardRow::t2, &StandardRow::dt1, &StandardRow::dt2};
static_assert(kStandardCells.size() + 1 == kStandardHeaders.size());
// What the desktop's second window says before a calculation, or after a change.
inline constexpr const char* kNothingCalculated = "Paspauskite „Skaičiuoti“: čia bus skaičiavimo schema ir vertės.";

}  // namespace ritmolis

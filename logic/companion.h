// The companion of the form: what a calculation means beyond its two numbers.
// From the fields as they stand after a click on "Skaičiuoti" it gives the
// frequency and the duty cycle of the times, the notes of a real 555's limits
// that the circuit breaks (limits.h), and in the mode "sužinoti R1 ir R2" the
// standard resistors of the series E12, E24 and E96 nearest to R1 and R2
// (series.h), with the times they give and the range of f and D that the
// built circuit may land in once its parts are off by their tolerances
// (cycle.h). Both front ends show it beside the form (the page below it, the
// desktop in its second window), with the drawings of drawing.h and the texts
// below; the user's choice of units and of C's tolerance come as settings.
//
// Every value is read from its field as the form reads it (ParseLenient) and
// written as the form writes it (FormatNumber, RoundToPlaces); values are bare
// numbers, their units are in the captions, headers and labels. A value that is
// not a positive, finite number shows as kNoValue; nothing shows NaN, infinity
// or a negative part.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "logic/cycle.h"
#include "logic/form_state.h"
#include "logic/limits.h"
#include "logic/units.h"
#include "logic/values.h"

namespace ritmolis {

// The standard parts of one series nearest to the results, and what they give.
struct StandardRow {
    const char* series = "";   // "E12", "E24" or "E96"
    std::string R1, R2;        // the standard values
    std::string t1, t2;        // the times they give with C, by FindT's formulas
    std::string dt1, dt2;      // their deviations from the requested t1 and t2, in per cent, signed
    std::string f_range;       // the range of f with these parts off by their tolerances: "min – max"
    std::string D_range;       // the same of D, in per cent
};

// What the user chose beside the form.
struct CompanionSettings {
    Units units = Units::Microfarad;
    double c_tolerance = kDefaultCTolerance;  // C's tolerance in per cent, one of kCTolerances
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
    Units units = Units::Microfarad;  // what the numbers mean, for the drawings' labels
    std::vector<std::string> notes;   // the limits of a real 555 that R1, R2, C and their f break (LimitNotes)
};

// The companion of the form as it stands after a click on "Skaičiuoti" that
// raised no error. In the mode "sužinoti R1 ir R2" a click with t1 not greater
// than t2 computes nothing, and so has nothing to show. The standard parts'
// ranges take each series' tolerance for the resistors and the settings' for C.
[[nodiscard]] Companion DescribeCalculation(const FormState& form, const CompanionSettings& settings = {});

// The companion as one line of text (the form the WebAssembly comparison
// prints): the parts, the times, f and D, the units and the notes, then each
// row of standard parts.
[[nodiscard]] std::string CompanionLine(const Companion& companion);

// The cells of a row of standard parts after its series, joined by spaces.
[[nodiscard]] std::string CellsLine(const StandardRow& row);

// The companion's texts, in Lithuanian like the form.
inline constexpr const char* kCompanionTitle = "Ritmolis — schema";
inline constexpr const char* kCalculationCaption = "Skaičiavimas";  // the desktop's page of the calculation
inline constexpr const char* kSchematicCaption = "Schema";
inline constexpr const char* kTimingCaption = "Laiko diagrama";
inline constexpr const char* kFormulasCaption = "Formulės";
inline constexpr const char* kStandardCaption = "Artimiausios standartinės vertės";
inline constexpr std::array<const char*, 2> kFormulas{"t1 = 0,693 · (R1 + R2) · C / 1000",
                                                      "t2 = 0,693 · R2 · C / 1000"};
// The labels of f and D, with their formulas and units; f's in the order of Units.
inline constexpr std::array<const char*, 2> kFrequencyLabels{"Dažnis f = 1 / (t1 + t2), Hz",
                                                             "Dažnis f = 1 / (t1 + t2), kHz"};
inline constexpr const char* kDutyLabel = "Užpildos koeficientas D = t1 / (t1 + t2), %";
// The caption of the units' choice, whose two choices say what the form's
// numbers mean (kUnitSets' captions); C's tolerance is chosen among
// kCTolerances (cycle.h).
inline constexpr const char* kUnitsCaption = "Vienetai";
// The table's column headers with their units, in the order of Units; each
// row's header is its series.
inline constexpr std::array<std::array<const char*, 9>, 2> kStandardHeaders{{
    {"Eilė", "R1, kΩ", "R2, kΩ", "t1, s", "t2, s", "Nuokrypis t1, %", "Nuokrypis t2, %", "f ribos, Hz", "D ribos, %"},
    {"Eilė", "R1, kΩ", "R2, kΩ", "t1, ms", "t2, ms", "Nuokrypis t1, %", "Nuokrypis t2, %", "f ribos, kHz",
     "D ribos, %"},
}};
// The cells of a row after its series, in the order of the headers after the
// first: the one list that the logic, the front ends and the tests go through.
inline constexpr std::array kStandardCells{&StandardRow::R1,  &StandardRow::R2,  &StandardRow::t1,
                                           &StandardRow::t2,  &StandardRow::dt1, &StandardRow::dt2,
                                           &StandardRow::f_range, &StandardRow::D_range};
static_assert(kStandardCells.size() + 1 == kStandardHeaders[0].size());

// The texts that depend on the units chosen.
[[nodiscard]] constexpr const std::array<const char*, 9>& StandardHeaders(Units units) {
    return kStandardHeaders[static_cast<std::size_t>(units)];
}
[[nodiscard]] constexpr const char* FrequencyLabel(Units units) {
    return kFrequencyLabels[static_cast<std::size_t>(units)];
}
// What the desktop's second window says before a calculation, or after a change.
inline constexpr const char* kNothingCalculated = "Paspauskite „Skaičiuoti“: čia bus skaičiavimo schema ir vertės.";

}  // namespace ritmolis

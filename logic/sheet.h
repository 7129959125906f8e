// The sheet for the bench and the lab report: what the companion shows of the
// last calculation, laid out on one page as one drawing (drawing.h) that the
// page prints as SVG and the desktop paints on its printer, both from this
// description: the title, the mode and the five values with their units, the
// schematic and the timing diagram, f and D, the standard parts with their
// spread, the notes, and the parts list ("Detalės") of everything the circuit
// needs. Black on white, vector only, its texts real text (a PDF of it can be
// searched and copied).
//
// It lays the page out itself, measuring text by Arial's average widths, so it
// leaves room: a long note wraps, and the widest values fit their columns.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "logic/companion.h"
#include "logic/drawing.h"

namespace ritmolis {

// The page the sheet is laid out on, in CSS pixels (96 to the inch): 180 mm by
// 250 mm, which A4 (210 × 297 mm) and US Letter (215.9 × 279.4 mm) both hold,
// portrait, inside margins of 15 mm.
inline constexpr double kSheetWidth = 180 * 96 / 25.4;
inline constexpr double kSheetHeight = 250 * 96 / 25.4;

// One line of the parts list.
struct Part {
    std::string name;     // "555", "R1", "C5"
    std::string value;    // "NE555", "6.14 kΩ (E24: 6.2 kΩ)", "10 nF"
    std::string purpose;  // where it goes and what it is for
};

// The parts a built circuit needs: the 555 (the bipolar NE555 that the notes
// assume, or a CMOS one where the frequency is beyond it), R1 and R2 as
// calculated and their nearest E24 values, C, 10 nF from pin 5 to ground,
// 100 nF across the supply, and pin 4 (reset) to the supply. Nothing when
// nothing is calculated.
[[nodiscard]] std::vector<Part> PartsList(const Companion& companion);

// The sheet of the companion, kSheetWidth wide and at most kSheetHeight high;
// with nothing calculated, the title and a line saying so.
[[nodiscard]] Drawing Sheet(const Companion& companion);

// The texts, in Lithuanian like the form.
inline constexpr const char* kPartsCaption = "Detalės";
inline constexpr const char* kPrintText = "Spausdinti";  // the control that prints the sheet
inline constexpr const char* kModeLabel = "Režimas";
inline constexpr std::array<const char*, 3> kPartsHeaders{"Detalė", "Vertė", "Kur ir kam"};
inline constexpr const char* kNothingToPrint = "Nėra skaičiavimo: paspauskite „Skaičiuoti“.";

}  // namespace ritmolis

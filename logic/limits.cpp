#include "logic/limits.h"

#include <cmath>

#include "logic/cycle.h"
#include "logic/values.h"

namespace ritmolis {

std::vector<std::string> LimitNotes(double r1, double r2, double c, Units units) {
    const UnitSet& unit = UnitsOf(units);
    const auto part = [](double r) { return r >= 0 && std::isfinite(r); };
    std::vector<std::string> notes;
    if (part(r1) && r1 < kSmallestR1) notes.emplace_back(kNoteR1);
    if (part(r1) && part(r2) && r1 + r2 > kLargestR1PlusR2) notes.emplace_back(kNoteR1PlusR2);
    if (part(r1) && Positive(r2) && Positive(c)) {
        const double f = CycleOfCircuit(r1, r2, c).f;
        if (Positive(f) && f * unit.hertz > kHighestFrequency) notes.emplace_back(kNoteFrequency);
    }
    if (Positive(c) && c * unit.nanofarads < kSmallestC) notes.emplace_back(kNoteC);
    return notes;
}

std::string NoteHead(const std::string& note) { return note.substr(0, note.find(':')); }

std::string NoteHeads(const std::vector<std::string>& notes) {
    std::string heads;
    for (const std::string& note : notes) heads += (heads.empty() ? "" : "; ") + NoteHead(note);
    return heads;
}

}  // namespace ritmolis

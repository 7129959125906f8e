// The companion below the form (its places are written into the page with the
// form, web/form_page.cpp): shown after a calculation with what the logic
// gives, hidden and emptied when the form says it no longer belongs.
#include "logic/drawing.h"
#include "web/dom.h"
#include "web/form1.h"

namespace ritmolis {

void Form1Page::ShowCompanion(const Companion& companion) {
    const bool calculated = companion.calculated;
    dom::SetFlag("companion", "hidden", !calculated);
    dom::Set("f", "value", companion.f);
    dom::Set("D", "value", companion.D);
    std::string rows;
    for (const StandardRow& row : companion.rows) {
        rows += "<tr><th scope=\"row\">";
        rows += row.series;  // a series' name, nothing to escape
        rows += "</th>";
        for (const auto cell : kStandardCells) {
            rows += "<td>";
            rows += EscapeMarkup(row.*cell);
            rows += "</td>";
        }
        rows += "</tr>";
    }
    dom::Set("E-rows", "innerHTML", rows);
    dom::SetFlag("E", "hidden", companion.rows.empty());
    // The drawings as inline SVG, each with its text alternative as its title.
    const Drawing timing = TimingDiagram(companion);
    dom::Set("schematic-drawing", "innerHTML", calculated ? Svg(Schematic(companion)) : "");
    dom::SetFlag("timing", "hidden", timing.shapes.empty());
    dom::Set("timing-drawing", "innerHTML", calculated && !timing.shapes.empty() ? Svg(timing) : "");
}

}  // namespace ritmolis

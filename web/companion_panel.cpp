// The companion below the form (its places are written into the page with the
// form, web/form_page.cpp): shown after a calculation with what the logic
// gives, hidden and emptied as soon as a field or the mode changes.
#include "logic/drawing.h"
#include "web/form1.h"

namespace ritmolis {

using emscripten::val;

void Form1::ShowCompanion(const Companion& companion) {
    if (!companion.calculated && !companion_shown_) return;  // already hidden and empty
    companion_shown_ = companion.calculated;
    const auto by_id = [this](const char* id) { return document_.call<val>("getElementById", val(id)); };
    by_id("companion").set("hidden", !companion.calculated);
    by_id("f").set("value", companion.f);
    by_id("D").set("value", companion.D);
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
    val table = by_id("E");
    table["tBodies"][0].set("innerHTML", rows);
    table.set("hidden", companion.rows.empty());
    // The drawings as inline SVG, each with its text alternative as its title.
    const Drawing timing = TimingDiagram(companion);
    const bool calculated = companion.calculated;
    by_id("schematic")["lastElementChild"].set("innerHTML", calculated ? Svg(Schematic(companion)) : "");
    by_id("timing").set("hidden", timing.shapes.empty());
    by_id("timing")["lastElementChild"].set("innerHTML", calculated && !timing.shapes.empty() ? Svg(timing) : "");
}

}  // namespace ritmolis

// The companion below the form (its places are written into the page with the
// form, web/form_page.cpp): the calculation's part, shown after a calculation
// with what the logic gives, hidden and emptied when the form says it no
// longer belongs; the design from a target; the choices that both follow.
#include <charconv>
#include <string_view>
#include <system_error>

#include "logic/conversions.h"
#include "logic/drawing.h"
#include "logic/sheet.h"
#include "web/dom.h"
#include "web/form1.h"
#include "web/markup.h"

namespace ritmolis {
namespace {

// A list's items, one for each text.
std::string Items(const std::vector<std::string>& texts) {
    std::string items;
    for (const std::string& text : texts) items += "<li>" + EscapeMarkup(text) + "</li>";
    return items;
}

constexpr std::string_view kDesignButton = "design-row-";  // and the row's index: each row's button

}  // namespace

CompanionSettings Form1Page::Settings() const {
    CompanionSettings settings;
    for (std::size_t i = 0; i < kUnitSets.size(); ++i) {
        if (dom::Flag(std::string("units-") + kUnitSets.at(i).key, "checked")) settings.units = static_cast<Units>(i);
    }
    settings.c_tolerance = ParseLenient(dom::Get("tolerance-C", "value"));
    return settings;
}

std::string Form1Page::TargetText(bool frequency) const { return dom::Get(frequency ? "target-f" : "target-D", "value"); }

void Form1Page::ShowDesign(const Design& design) {
    dom::Set("target-f-label", "textContent", TargetFrequencyLabel(design.units));
    dom::Set("design-headers", "innerHTML", HeaderCells(DesignHeaders(design.units)));
    dom::Set("target-message", "value", design.message);
    std::string rows;
    for (std::size_t i = 0; i < design.rows.size(); ++i) {
        const DesignRow& row = design.rows[i];
        rows += design.proposed == i ? "<tr aria-current=\"true\">" : "<tr>";
        rows += "<th scope=\"row\">" + EscapeMarkup(row.C) + "</th>";
        for (const auto cell : kDesignCells) rows += "<td>" + EscapeMarkup(row.*cell) + "</td>";
        rows += "<td>" + EscapeMarkup(NoteHeads(row.notes)) + "</td><td><button type=\"button\" id=\"" +
                std::string(kDesignButton) + std::to_string(i) + "\" aria-label=\"" + EscapeMarkup(kWriteRowText) +
                ": C = " + EscapeMarkup(row.C) + "\">" + EscapeMarkup(kWriteRowText) + "</button></td></tr>";
    }
    dom::Set("design-rows", "innerHTML", rows);
    dom::SetFlag("design", "hidden", design.rows.empty());
    dom::Set("design-notes", "innerHTML", Items(design.notes));
    dom::SetFlag("design-notes", "hidden", design.notes.empty());
}

// A press on a row's button of the design (the table hears them all).
void Form1Page::Design_Press() {
    const std::string target = dom::Get("event", "target");
    std::size_t row = 0;
    if (target.starts_with(kDesignButton) &&
        std::from_chars(target.data() + kDesignButton.size(), target.data() + target.size(), row).ec == std::errc()) {
        Design_Click(row);
    }
}

void Form1Page::ShowCompanion(const Companion& companion) {
    const bool calculated = companion.calculated;
    dom::SetFlag("companion", "hidden", !calculated);
    dom::Set("f-label", "textContent", FrequencyLabel(companion.units));
    dom::Set("f", "value", companion.f);
    dom::Set("D", "value", companion.D);
    dom::Set("notes", "innerHTML", Items(companion.notes));
    dom::SetFlag("notes-part", "hidden", companion.notes.empty());
    dom::Set("E-headers", "innerHTML", HeaderCells(StandardHeaders(companion.units)));
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
    dom::Set("sheet", "innerHTML", Svg(Sheet(companion)));
    dom::Set("timing-drawing", "innerHTML", calculated && !timing.shapes.empty() ? Svg(timing) : "");
}

}  // namespace ritmolis

// Writes the page's form into the page, from the form's table
// (logic/form_controls.h), when the page is built: reads page.html on standard
// input and writes it on standard output with its marks filled in:
//   {{{ FORM CAPTION }}}          the window's caption, wherever it stands;
//   /* {{{ CONTROLS STYLE }}} */  the place, size, font and narrow-screen row
//                                 of each control, as custom properties;
//   <!-- {{{ CONTROLS }}} -->     the controls' elements, in tab order;
//   <!-- {{{ COMPANION }}} -->    the companion below the form: its captions,
//                                 formulas and units, and the places that
//                                 form1.cpp fills after each calculation.
// The page thus holds its controls before any code runs; form1.cpp finds them
// by their names. Run by node, with the module built for it (web/CMakeLists.txt).
#include <algorithm>
#include <exception>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "logic/companion.h"
#include "logic/design.h"
#include "logic/drawing.h"
#include "logic/form_controls.h"
#include "logic/sheet.h"
#include "web/markup.h"
#include "logic/conversions.h"

namespace ritmolis {
namespace {

// The control's row in the one column of narrow screens: the controls that
// take the focus stand in the order the window shows them, top to bottom and
// left to right (the modes first, "Viso gero" last), each label in its
// field's row; the tab order stays the window's.
int Row(const Control& control) {
    const std::string_view name = control.buddy.empty() ? control.name : control.buddy;
    const Control& field = *std::find_if(kControls.begin(), kControls.end(), [name](const Control& c) { return c.name == name; });
    return 1 + static_cast<int>(std::count_if(kControls.begin(), kControls.end(), [&field](const Control& c) {
               return TakesFocus(c) && std::pair(c.top, c.left) < std::pair(field.top, field.left);
           }));
}

// The style rules, one for each control by its place among the form's elements.
std::string Style() {
    std::ostringstream out;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& c = kControls[i];
        out << "#Form1 > :nth-child(" << i + 1 << ") { --left: " << c.left << "; --top: " << c.top
            << "; --width: " << c.width << "; --height: " << c.height << "; --points: " << FormatNumber(c.font.points)
            << "; --weight: " << (c.font.bold ? 700 : 400) << "; --row: " << Row(c) << "; }\n";
    }
    return out.str();
}


// What a number is typed into: a phone's numeric keyboard, nothing completed or spelt.
constexpr std::string_view kNumberAttributes = R"(inputmode="decimal" autocomplete="off" spellcheck="false")";

std::string Markup() {
    std::ostringstream out;
    for (const Control& c : kControls) {
        const std::string id = EscapeMarkup(c.name);
        const std::string caption = EscapeMarkup(c.caption);
        switch (c.kind) {
        case ControlKind::Label:
            out << "<label id=\"" << id << "\" class=\"control\" for=\"" << EscapeMarkup(c.buddy) << "\">" << caption << "</label>";
            break;
        case ControlKind::TextBox:
            out << "<input id=\"" << id << "\" class=\"control field\" " << kNumberAttributes << " value=\"" << caption << "\">";
            break;
        case ControlKind::CommandButton:
            out << "<button id=\"" << id << "\" class=\"control\" type=\"button\">" << caption << "</button>";
            break;
        case ControlKind::OptionButton: {
            // The buttons of one option array share its name: Option1(0), Option1(1).
            const std::string group = EscapeMarkup(c.name.substr(0, c.name.find('(')));
            out << "<span class=\"control option\"><input type=\"radio\" name=\"" << group << "\" id=\"" << id
                << "\"><label for=\"" << id << "\">" << caption << "</label></span>";
            break;
        }
        case ControlKind::ComboBox: {
            // A text field with an arrow and a list of its own, which form1.cpp opens and closes;
            // the list is named by the label that names the field.
            const auto* label = std::find_if(kControls.begin(), kControls.end(),
                                             [&c](const Control& l) { return l.buddy == c.name; });
            out << "<div class=\"control combo\"><input id=\"" << id << "\" role=\"combobox\" aria-expanded=\"false\" "
                << "aria-controls=\"" << id << "-list\" aria-autocomplete=\"none\" " << kNumberAttributes << " value=\""
                << caption << "\"><span class=\"arrow\" id=\"" << id << "-arrow\" aria-hidden=\"true\"></span>\n"
                << "<ul id=\"" << id << "-list\" role=\"listbox\" aria-label=\""
                << EscapeMarkup(label == kControls.end() ? c.name : label->caption) << "\" hidden></ul>\n</div>";
            break;
        }
        }
        out << '\n';
    }
    return out.str();
}

// The companion (logic/companion.h, design.h) below the form, in the units
// chosen first: the choices of the units and of C's tolerance; the
// calculation's part, hidden until a calculation fills it (the two drawings,
// f and D, the formulas, the notes, the table of the nearest standard parts);
// and the design from a target, usable at any time. form1.cpp and
// companion_panel.cpp fill them.
std::string CompanionMarkup() {
    constexpr Units kFirst = Units::Microfarad;
    std::ostringstream out;
    out << "<section id=\"choices\" aria-label=\"" << EscapeMarkup(kUnitsCaption) << "\">\n<fieldset id=\"units\"><legend>"
        << EscapeMarkup(kUnitsCaption) << "</legend>\n";
    for (const UnitSet& set : kUnitSets) {
        out << "<label><input type=\"radio\" name=\"units\" id=\"units-" << set.key << "\" value=\"" << set.key << '"'
            << (&set == &UnitsOf(kFirst) ? " checked" : "") << "> " << EscapeMarkup(set.caption) << "</label>\n";
    }
    out << "</fieldset>\n<p><label for=\"tolerance-C\">" << EscapeMarkup(kCToleranceCaption)
        << "</label> <select id=\"tolerance-C\">";
    for (std::size_t i = 0; i < kCTolerances.size(); ++i) {
        out << "<option value=\"" << kCTolerances.at(i) << '"' << (kCTolerances.at(i) == kDefaultCTolerance ? " selected" : "")
            << '>' << EscapeMarkup(kCToleranceTexts.at(i)) << "</option>";
    }
    out << "</select></p>\n</section>\n"
        << "<section id=\"companion\" aria-label=\"" << EscapeMarkup(kCompanionTitle) << "\" hidden>\n"
        << "<figure id=\"schematic\"><figcaption>" << EscapeMarkup(kSchematicCaption)
        << "</figcaption><div id=\"schematic-drawing\"></div></figure>\n"
        << "<figure id=\"timing\"><figcaption>" << EscapeMarkup(kTimingCaption)
        << "</figcaption><div id=\"timing-drawing\"></div></figure>\n"
        << "<div class=\"values\">\n";
    for (const auto& [id, label] : {std::pair{"f", FrequencyLabel(kFirst)}, std::pair{"D", kDutyLabel}}) {
        out << "<p><label for=\"" << id << "\" id=\"" << id << "-label\">" << EscapeMarkup(label) << "</label> <output id=\""
            << id << "\"></output></p>\n";
    }
    out << "<h2>" << EscapeMarkup(kFormulasCaption) << "</h2>\n<p>";
    for (const char* line : kFormulas) out << EscapeMarkup(line) << "<br>";
    out << "</p>\n<div id=\"notes-part\" hidden><h2>" << EscapeMarkup(kNotesCaption) << "</h2>\n<ul id=\"notes\"></ul></div>\n"
        << "</div>\n<table id=\"E\">\n<caption>" << EscapeMarkup(kStandardCaption) << "</caption>\n<thead><tr id=\"E-headers\">"
        << HeaderCells(StandardHeaders(kFirst)) << "</tr></thead>\n<tbody id=\"E-rows\"></tbody>\n</table>\n"
        << "<p class=\"print\"><button type=\"button\" id=\"print\">" << EscapeMarkup(kPrintText) << "</button></p>\n</section>\n"
        << "<section id=\"target\" aria-labelledby=\"target-title\">\n<h2 id=\"target-title\">" << EscapeMarkup(kDesignCaption)
        << "</h2>\n<p><label for=\"target-f\" id=\"target-f-label\">" << EscapeMarkup(TargetFrequencyLabel(kFirst))
        << "</label> <input id=\"target-f\" " << kNumberAttributes << "> <label for=\"target-D\">"
        << EscapeMarkup(kTargetDutyLabel) << "</label> <input id=\"target-D\" " << kNumberAttributes << "></p>\n"
        << "<p><output id=\"target-message\" for=\"target-f target-D\"></output></p>\n"
        << "<table id=\"design\" hidden>\n<caption>" << EscapeMarkup(kDesignTableCaption) << "</caption>\n<thead><tr id=\"design-headers\">"
        << HeaderCells(DesignHeaders(kFirst)) << "</tr></thead>\n<tbody id=\"design-rows\"></tbody>\n</table>\n"
        << "<ul id=\"design-notes\" hidden></ul>\n</section>\n"
        // What the browser prints, and only then shows: the sheet of the last calculation.
        << "<div id=\"sheet\">" << Svg(Sheet(Companion{})) << "</div>\n";
    return out.str();
}

// Replaces the mark wherever it stands in the page; false if it stands nowhere.
bool Fill(std::string& page, std::string_view mark, const std::string& text) {
    bool found = false;
    for (auto at = page.find(mark); at != std::string::npos; at = page.find(mark, at + text.size())) {
        page.replace(at, mark.size(), text);
        found = true;
    }
    return found;
}

}  // namespace
}  // namespace ritmolis

int main() try {
    std::string page(std::istreambuf_iterator<char>(std::cin), {});
    if (!ritmolis::Fill(page, "{{{ FORM CAPTION }}}", ritmolis::EscapeMarkup(ritmolis::kFormCaption)) ||
        !ritmolis::Fill(page, "/* {{{ CONTROLS STYLE }}} */\n", ritmolis::Style()) ||
        !ritmolis::Fill(page, "<!-- {{{ CONTROLS }}} -->\n", ritmolis::Markup()) ||
        !ritmolis::Fill(page, "<!-- {{{ COMPANION }}} -->\n", ritmolis::CompanionMarkup())) {
        std::cerr << "form_page: the page lacks a mark for the caption, the controls, their style or the companion\n";
        return 1;
    }
    std::cout << page;
} catch (const std::exception& error) {
    std::cerr << "form_page: " << error.what() << '\n';
    return 1;
}

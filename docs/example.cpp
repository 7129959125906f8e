// The README's worked example, from the program's own logic: an LED blinking
// at 1 Hz, on 60 % of the time, designed from its target (f = 1, D = 60 in the
// units chosen until the user chooses: C in µF, t in s, f in Hz), its
// proposed row written into the form and calculated there, with the C
// tolerance of 20 %. Writes the companion's two drawings of that calculation
// as FOLDER/schematic.svg and FOLDER/timing.svg, and prints what the README
// shows of it (Markdown): the design's table, the line of the form's results
// and the table of standard parts with their spread.
// The test docs_up_to_date (docs/CMakeLists.txt) runs it and compares.
//
// Usage: example FOLDER
#include <cstddef>
#include <fstream>
#include <iostream>
#include <string>

#include "logic/companion.h"
#include "logic/design.h"
#include "logic/drawing.h"
#include "logic/tests/fake_form.h"

namespace {

// A table's header row and its rule, of the headers given.
template <class Headers>
void Head(const Headers& headers, std::size_t count) {
    std::string rule = "|---|";
    for (std::size_t i = 0; i < count; ++i) std::cout << "| " << headers[i] << ' ';
    for (std::size_t i = 1; i < count; ++i) rule += "--:|";
    std::cout << "|\n" << rule << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace ritmolis;
    if (argc != 2) {
        std::cerr << "usage: example FOLDER\n";
        return 2;
    }
    testing::FakeForm form;
    form.Form_Load();
    form.target_f = "1";
    form.target_D = "60";
    form.Target_Change();
    const Design& design = form.design();
    if (!design.proposed) return 1;
    // The design's table, but for its buttons; the proposed row in bold.
    Head(DesignHeaders(Units::Microfarad), DesignHeaders(Units::Microfarad).size() - 1);
    for (std::size_t i = 0; i < design.rows.size(); ++i) {
        const DesignRow& row = design.rows[i];
        const std::string bold = i == *design.proposed ? "**" : "";
        std::cout << "| " << bold << row.C << bold;
        for (const auto cell : kDesignCells) std::cout << " | " << bold << row.*cell << bold;
        std::cout << " | " << NoteHeads(row.notes) << " |\n";
    }

    form.Design_Click(*design.proposed);
    form.sk_Click();
    const Companion& companion = form.companion();
    const std::string folder = argv[1];
    std::ofstream(folder + "/schematic.svg", std::ios::binary) << Svg(Schematic(companion)) << '\n';
    std::ofstream(folder + "/timing.svg", std::ios::binary) << Svg(TimingDiagram(companion)) << '\n';
    std::cout << "C = " << companion.C << " µF, t1 = " << companion.t1 << " s, t2 = " << companion.t2 << " s: R1 = "
              << companion.R1 << " kΩ, R2 = " << companion.R2 << " kΩ, f = " << companion.f << " Hz, D = " << companion.D
              << " %\n";
    Head(StandardHeaders(Units::Microfarad), StandardHeaders(Units::Microfarad).size());
    for (const StandardRow& row : companion.rows) {
        std::cout << "| " << row.series;
        for (const auto cell : kStandardCells) std::cout << " | " << row.*cell;
        std::cout << " |\n";
    }
}

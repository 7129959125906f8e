// The README's worked example, from the program's own logic: a blinker of
// about 1 Hz designed with the mode "sužinoti R1 ir R2" (t1 = 0.6 s on,
// t2 = 0.4 s off, C = 10 µF, so R in kΩ). Writes the companion's two drawings
// for it as FOLDER/schematic.svg and FOLDER/timing.svg, and prints the rows of
// what the form and the companion then show, as the README shows it: a line
// of the results and the table of standard parts (Markdown), in the units
// chosen until the user chooses (µF) and with the C tolerance of 20 %.
// The test docs_up_to_date (docs/CMakeLists.txt) runs it and compares.
//
// Usage: example FOLDER
#include <cstddef>
#include <fstream>
#include <iostream>
#include <string>

#include "logic/companion.h"
#include "logic/drawing.h"
#include "logic/tests/fake_form.h"

int main(int argc, char* argv[]) {
    using namespace ritmolis;
    if (argc != 2) {
        std::cerr << "usage: example FOLDER\n";
        return 2;
    }
    testing::FakeForm form;
    form.find_t = false;
    form.fields = {"10", "", "", "0.6", "0.4"};
    form.sk_Click();
    const Companion& companion = form.companion();
    const std::string folder = argv[1];
    std::ofstream(folder + "/schematic.svg", std::ios::binary) << Svg(Schematic(companion)) << '\n';
    std::ofstream(folder + "/timing.svg", std::ios::binary) << Svg(TimingDiagram(companion)) << '\n';
    std::cout << "R1 = " << companion.R1 << " and R2 = " << companion.R2 << " (kΩ), f = " << companion.f
              << " Hz, D = " << companion.D << " %\n";
    std::string rule = "|---|";
    const auto& headers = StandardHeaders(Units::Microfarad);
    for (const char* header : headers) std::cout << "| " << header << ' ';
    for (std::size_t i = 1; i < headers.size(); ++i) rule += "--:|";
    std::cout << "|\n" << rule << '\n';
    for (const StandardRow& row : companion.rows) {
        std::cout << "| " << row.series;
        for (const auto cell : kStandardCells) std::cout << " | " << row.*cell;
        std::cout << " |\n";
    }
}

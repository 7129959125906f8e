#include <array>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "logic/calculator.h"
#include "logic/companion.h"
#include "logic/conversions.h"
#include "logic/drawing.h"
#include "logic/tests/companion_cases.h"
#include "logic/tests/fake_form.h"
#include "logic/tests/table.h"

namespace ritmolis {
namespace {

CompanionSettings Settings(const std::string& units, const std::string& c_tolerance) {
    return {units == "nF" ? Units::Nanofarad : Units::Microfarad, std::stod(c_tolerance)};
}

// Each line of companion_cases.tsv: the form filled and clicked as a user
// would, then the companion against what the line expects.
TEST(Companion, CaseTable) {
    int count = 0;
    for (const std::vector<std::string>& cell : testing::Cases(testing::kCompanionCases)) {
        ASSERT_EQ(cell.size(), 15U) << cell[0];
        testing::FakeForm form;
        form.find_t = cell[0] == "0";
        form.fields = {cell[1], cell[2], cell[3], cell[4], cell[5]};
        sk_Click(form);
        const Companion companion = DescribeCalculation(form, Settings(cell[12], cell[13]));
        SCOPED_TRACE(cell[0] + ' ' + cell[1] + ' ' + cell[2] + ' ' + cell[3] + ' ' + cell[4] + ' ' + cell[5]);
        EXPECT_EQ(companion.calculated, !cell[7].empty());
        EXPECT_EQ(companion.calculated ? companion.R1 + ' ' + companion.R2 + ' ' + companion.C : "", cell[6]);
        EXPECT_EQ(companion.f, cell[7]);
        EXPECT_EQ(companion.D, cell[8]);
        std::vector<std::string> rows;
        rows.reserve(companion.rows.size());
        for (const StandardRow& row : companion.rows) rows.push_back(CellsLine(row));
        EXPECT_EQ(rows, companion.find_r && companion.calculated ? std::vector<std::string>(cell.begin() + 9, cell.begin() + 12)
                                                                 : std::vector<std::string>{});
        EXPECT_EQ(testing::NoteHeads(companion.notes), cell[14]);
        ++count;
    }
    EXPECT_GT(count, 20);
}

// The choice of units changes no number: the same fields give the same values
// in both, only the notes may differ (their limits are in hertz and nanofarads).
TEST(Companion, UnitsChangeNoNumber) {
    std::mt19937_64 random(28);
    const auto draw = [&random] { return FormatNumber(static_cast<double>(random() % 100'000) / 100); };
    for (int i = 0; i < 500; ++i) {
        testing::FakeForm form;
        form.find_t = i % 2 == 0;
        form.fields = {draw(), draw(), draw(), draw(), draw()};
        sk_Click(form);
        Companion micro = DescribeCalculation(form, {Units::Microfarad, 10});
        Companion nano = DescribeCalculation(form, {Units::Nanofarad, 10});
        micro.notes = nano.notes = {};
        nano.units = Units::Microfarad;
        EXPECT_EQ(CompanionLine(micro), CompanionLine(nano));
    }
}

// Every caption and header that names a unit names the one of its set.
TEST(Companion, HeadersCarryTheirUnits) {
    for (const Units units : {Units::Microfarad, Units::Nanofarad}) {
        const UnitSet& set = UnitsOf(units);
        const auto& headers = StandardHeaders(units);
        EXPECT_TRUE(std::string(headers[1]).ends_with(std::string(", ") + kResistanceUnit));
        EXPECT_TRUE(std::string(headers[2]).ends_with(std::string(", ") + kResistanceUnit));
        EXPECT_TRUE(std::string(headers[3]).ends_with(std::string(", ") + set.time)) << headers[3];
        EXPECT_TRUE(std::string(headers[4]).ends_with(std::string(", ") + set.time)) << headers[4];
        EXPECT_TRUE(std::string(headers[7]).ends_with(std::string(", ") + set.frequency)) << headers[7];
        EXPECT_TRUE(std::string(FrequencyLabel(units)).ends_with(std::string(", ") + set.frequency));
    }
}

// The formulas the companion prints carry the constant the calculation uses
// (not, say, 0.639).
TEST(Companion, PrintedConstantIsTheOneUsed) {
    for (const char* formula : kFormulas) {
        const std::string text = formula;
        EXPECT_EQ(ParseLenient(text.substr(text.find("0,"))), kAstableFactor) << text;
    }
}

// The drawings carry the values they are drawn for, with their units, in their
// texts and their text alternatives, and nothing of a text is ever read as markup.
TEST(Companion, Drawings) {
    testing::FakeForm form;
    form.find_t = false;
    form.fields = {"1000", "", "", "2", "1"};
    sk_Click(form);
    const Companion companion = DescribeCalculation(form);
    const Drawing schematic = Schematic(companion);
    const Drawing timing = TimingDiagram(companion);
    for (const char* part : {"R1 = 1.443 kΩ", "R2 = 1.443 kΩ", "C = 1000 µF"}) {
        EXPECT_NE(schematic.description.find(part), std::string::npos) << part;
    }
    for (const char* time : {"t1 = 2 s", "t2 = 1 s"}) {
        EXPECT_NE(timing.description.find(time), std::string::npos) << time;
        EXPECT_NE(Svg(timing).find(time), std::string::npos) << time;
    }
    EXPECT_NE(Svg(schematic).find("<title>" + schematic.description + "</title>"), std::string::npos);
    EXPECT_NE(Svg(schematic).find(">1.443 kΩ</text>"), std::string::npos);
    // In nanofarads the same numbers are nanofarads and milliseconds.
    const Companion nano = DescribeCalculation(form, {Units::Nanofarad, 10});
    EXPECT_NE(Schematic(nano).description.find("C = 1000 nF"), std::string::npos);
    EXPECT_NE(TimingDiagram(nano).description.find("t1 = 2 ms"), std::string::npos);
    // Two periods, each high for t1 = 2 and low for t2 = 1: the output's edges.
    const std::vector<Point>& output = timing.shapes.at(3).points;
    ASSERT_EQ(output.size(), 9U);
    EXPECT_DOUBLE_EQ((output[2].x - output[1].x) / (output[4].x - output[1].x), 2.0 / 3);
    // Nothing calculated: the parts by their names alone, and no timing diagram.
    EXPECT_EQ(Schematic(Companion{}).description.find(" = "), std::string::npos);
    EXPECT_TRUE(TimingDiagram(Companion{}).shapes.empty());

    Drawing hostile{10, 10, "<script>alert(1)</script> & \"'", {}};
    hostile.shapes.push_back({Shape::Kind::Text, {{1, 1}}, 12, false, false, false, Shape::Anchor::Start,
                              "<img src=x onerror=alert(1)>"});
    const std::string svg = Svg(hostile);
    EXPECT_EQ(svg.find("<script"), std::string::npos);
    EXPECT_EQ(svg.find("<img"), std::string::npos);
    EXPECT_NE(svg.find("&lt;img src=x onerror=alert(1)&gt;"), std::string::npos);
    EXPECT_NE(svg.find("&amp; &quot;&#39;"), std::string::npos);
}

}  // namespace
}  // namespace ritmolis

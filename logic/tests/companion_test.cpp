#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "logic/calculator.h"
#include "logic/companion.h"
#include "logic/drawing.h"
#include "logic/tests/companion_cases.h"
#include "logic/tests/fake_form.h"

namespace ritmolis {
namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// Each line of companion_cases.tsv: the form filled and clicked as a user
// would, then the companion against what the line expects.
TEST(Companion, CaseTable) {
    int cases = 0;
    for (const std::string& line : Split(testing::kCompanionCases, '\n')) {
        if (line.empty() || line.starts_with('#')) continue;
        const std::vector<std::string> cell = Split(line, '\t');
        ASSERT_EQ(cell.size(), 12U) << line;
        testing::FakeForm form;
        form.find_t = cell[0] == "0";
        form.fields = {cell[1], cell[2], cell[3], cell[4], cell[5]};
        sk_Click(form);
        const Companion companion = DescribeCalculation(form);
        SCOPED_TRACE(line);
        EXPECT_EQ(companion.calculated, !cell[7].empty());
        EXPECT_EQ(companion.calculated ? companion.R1 + ' ' + companion.R2 + ' ' + companion.C : "", cell[6]);
        EXPECT_EQ(companion.f, cell[7]);
        EXPECT_EQ(companion.D, cell[8]);
        std::vector<std::string> rows;
        rows.reserve(companion.rows.size());
        for (const StandardRow& row : companion.rows) rows.push_back(CellsLine(row));
        EXPECT_EQ(rows, companion.find_r && companion.calculated ? std::vector<std::string>(cell.begin() + 9, cell.end())
                                                                 : std::vector<std::string>{});
        ++cases;
    }
    EXPECT_GT(cases, 10);
}

// The drawings carry the values they are drawn for, in their texts and their
// text alternatives, and nothing of a text is ever read as markup.
TEST(Companion, Drawings) {
    testing::FakeForm form;
    form.find_t = false;
    form.fields = {"1000", "", "", "2", "1"};
    sk_Click(form);
    const Companion companion = DescribeCalculation(form);
    const Drawing schematic = Schematic(companion);
    const Drawing timing = TimingDiagram(companion);
    for (const char* part : {"R1 = 1.443", "R2 = 1.443", "C = 1000"}) {
        EXPECT_NE(schematic.description.find(part), std::string::npos) << part;
    }
    for (const char* time : {"t1 = 2", "t2 = 1"}) EXPECT_NE(timing.description.find(time), std::string::npos) << time;
    EXPECT_NE(Svg(schematic).find("<title>" + schematic.description + "</title>"), std::string::npos);
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

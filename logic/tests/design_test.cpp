#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "logic/calculator.h"
#include "logic/companion.h"
#include "logic/conversions.h"
#include "logic/errors.h"
#include "logic/design.h"
#include "logic/tests/design_cases.h"
#include "logic/tests/fake_form.h"
#include "logic/tests/table.h"

namespace ritmolis {
namespace {

Units UnitsNamed(const std::string& key) { return key == "nF" ? Units::Nanofarad : Units::Microfarad; }

// Each line of design_cases.tsv.
TEST(Design, CaseTable) {
    int count = 0;
    for (const std::vector<std::string>& cell : testing::Cases(testing::kDesignCases)) {
        ASSERT_EQ(cell.size(), 15U) << cell[0];
        SCOPED_TRACE(cell[0] + " f=" + cell[1] + " D=" + cell[2]);
        const Design design = DesignForTarget(cell[1], cell[2], UnitsNamed(cell[0]));
        EXPECT_EQ(design.message, cell[3]);
        EXPECT_EQ(design.proposed ? design.rows.at(*design.proposed).C : "", cell[4]);
        if (cell[5].empty()) {
            EXPECT_TRUE(design.rows.empty());
        } else {
            ASSERT_EQ(design.rows.size(), kCItems.size());
            const DesignRow* named = nullptr;
            for (const DesignRow& row : design.rows) named = row.C == cell[5] ? &row : named;
            ASSERT_NE(named, nullptr);
            std::vector<std::string> cells{named->t1, named->t2};
            for (const auto member : kDesignCells) cells.push_back(named->*member);
            cells.push_back(testing::NoteHeads(named->notes));
            EXPECT_EQ(cells, std::vector<std::string>(cell.begin() + 6, cell.end()));
        }
        ++count;
    }
    EXPECT_GT(count, 20);
}

// Targets of every kind: everyday ones, and any texts the fields may hold.
std::vector<std::pair<std::string, std::string>> Targets() {
    std::mt19937_64 random(2828);
    const auto everyday = [&random](std::uint64_t most) { return FormatNumber(static_cast<double>(random() % (most * 100)) / 100); };
    const std::vector<std::string> special{"", "0", "-1", "50", "100", "1e999", "1e-320", "1e308", "abc", "4,7", " 60 "};
    std::vector<std::pair<std::string, std::string>> targets;
    for (int i = 0; i < 300; ++i) {
        const std::string f = i % 5 == 0 ? special[random() % special.size()] : everyday(100'000);
        const std::string D = i % 7 == 0 ? special[random() % special.size()] : everyday(110);
        targets.emplace_back(f, D);
    }
    return targets;
}

// Every row says what the form itself shows once the row is written into it
// and calculated, with the companion then beside it: the same R1 and R2, the
// same E24 pair, the same notes.
TEST(Design, RowsAreWhatTheFormShows) {
    int checked = 0;
    for (const Units units : {Units::Microfarad, Units::Nanofarad}) {
        for (const auto& [f, D] : Targets()) {
            for (const DesignRow& row : DesignForTarget(f, D, units).rows) {
                testing::FakeForm form;
                form.find_t = false;
                form.fields = {row.C, "", "", row.t1, row.t2};
                try {
                    sk_Click(form);
                } catch (const CalculatorError&) {
                    EXPECT_EQ(row.R1, kNoValue);
                    continue;
                }
                const Companion companion = DescribeCalculation(form, {units, kDefaultCTolerance});
                SCOPED_TRACE(::testing::Message() << f << ' ' << D << ' ' << row.C);
                EXPECT_EQ(row.R1, companion.R1);
                EXPECT_EQ(row.R2, companion.R2);
                ASSERT_EQ(companion.rows.size(), 3U);
                EXPECT_EQ(row.R1_E24, companion.rows[1].R1);
                EXPECT_EQ(row.R2_E24, companion.rows[1].R2);
                EXPECT_EQ(row.notes, companion.notes);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

// Nothing shows NaN, infinity or a negative part; a target without rows says
// nothing else, and one with rows has one for each C of the list.
TEST(Design, NeverAnImpossibleValue) {
    for (const auto& [f, D] : Targets()) {
        const Design design = DesignForTarget(f, D);
        SCOPED_TRACE(::testing::Message() << f << ' ' << D);
        EXPECT_TRUE(design.rows.empty() || design.rows.size() == kCItems.size());
        EXPECT_TRUE(design.rows.empty() || design.message.empty());
        // A row is proposed when one has both resistors, and the proposed one has them.
        const auto whole = [](const DesignRow& row) { return row.R1 != kNoValue && row.R2 != kNoValue; };
        EXPECT_EQ(design.proposed.has_value(), std::any_of(design.rows.begin(), design.rows.end(), whole));
        if (design.proposed) {
            EXPECT_TRUE(whole(design.rows.at(*design.proposed)));
        }
        for (const DesignRow& row : design.rows) {
            for (const std::string* text : {&row.C, &row.t1, &row.t2, &row.R1, &row.R2, &row.R1_E24, &row.R2_E24, &row.f, &row.D}) {
                EXPECT_FALSE(text->empty());
                EXPECT_NE(text->front(), '-') << *text;
                EXPECT_EQ(text->find("inf"), std::string::npos) << *text;
                EXPECT_EQ(text->find("nan"), std::string::npos) << *text;
            }
        }
    }
}

// The choice of units changes no number: only the notes, whose limits are in
// hertz and nanofarads, may differ.
TEST(Design, UnitsChangeNoNumber) {
    for (const auto& [f, D] : Targets()) {
        Design micro = DesignForTarget(f, D, Units::Microfarad);
        Design nano = DesignForTarget(f, D, Units::Nanofarad);
        for (Design* design : {&micro, &nano}) {
            design->proposed.reset();
            for (DesignRow& row : design->rows) row.notes.clear();
        }
        EXPECT_EQ(DesignLine(micro), DesignLine(nano)) << f << ' ' << D;
    }
}

}  // namespace
}  // namespace ritmolis

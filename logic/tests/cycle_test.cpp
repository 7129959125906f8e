// The spread of f and D over the parts' tolerances, against every corner of
// the tolerances and against the figures worked out by hand.
#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "logic/cycle.h"

namespace ritmolis {
namespace {

struct Circuit {
    double r1, r2, c;
};

std::vector<Circuit> RandomCircuits() {
    std::mt19937_64 random(555);
    std::uniform_real_distribution<double> value(0.1, 5000);
    std::vector<Circuit> circuits;
    circuits.reserve(300);
    for (int i = 0; i < 300; ++i) circuits.push_back({value(random), value(random), value(random)});
    return circuits;
}

// The extremes are the extremes of the eight corners (each part at either
// end of its tolerance): f at all low and all high, D with R1 and R2 apart.
TEST(Cycle, SpreadIsTheCornersExtremes) {
    for (const double r_tolerance : {1.0, 5.0, 10.0}) {
        for (const double c_tolerance : {5.0, 10.0, 20.0}) {
            for (const Circuit& p : RandomCircuits()) {
                double f_low = 1e300, f_high = 0, d_low = 100, d_high = 0;
                for (const double a : {-1, 1}) {
                    for (const double b : {-1, 1}) {
                        for (const double c : {-1, 1}) {
                            const Cycle corner = CycleOfCircuit(p.r1 * (1 + a * r_tolerance / 100), p.r2 * (1 + b * r_tolerance / 100),
                                                                p.c * (1 + c * c_tolerance / 100));
                            f_low = std::min(f_low, corner.f);
                            f_high = std::max(f_high, corner.f);
                            d_low = std::min(d_low, corner.D);
                            d_high = std::max(d_high, corner.D);
                        }
                    }
                }
                const Spread spread = AstableSpread(p.r1, p.r2, p.c, r_tolerance, c_tolerance);
                EXPECT_DOUBLE_EQ(spread.f_low, f_low);
                EXPECT_DOUBLE_EQ(spread.f_high, f_high);
                EXPECT_DOUBLE_EQ(spread.D_low, d_low);
                EXPECT_DOUBLE_EQ(spread.D_high, d_high);
                // D's range is wider than what all parts high or all low give,
                // which leave D where it was.
                const Cycle nominal = CycleOfCircuit(p.r1, p.r2, p.c);
                EXPECT_LT(spread.D_low, nominal.D);
                EXPECT_GT(spread.D_high, nominal.D);
                const double r_high = 1 + r_tolerance / 100;
                EXPECT_NEAR(CycleOfCircuit(p.r1 * r_high, p.r2 * r_high, p.c).D, nominal.D, 1e-9);
            }
        }
    }
}

// With 5 % resistors and a 10 % capacitor f spans 1 / (1.05 · 1.10) to
// 1 / (0.95 · 0.90) of its value: −13.4 % to +17.0 %.
TEST(Cycle, SpreadOfFiveAndTenPerCent) {
    for (const Circuit& p : RandomCircuits()) {
        const double f = CycleOfCircuit(p.r1, p.r2, p.c).f;
        const Spread spread = AstableSpread(p.r1, p.r2, p.c, 5, 10);
        EXPECT_NEAR(spread.f_low / f, 1 / (1.05 * 1.10), 1e-12);
        EXPECT_NEAR(spread.f_high / f, 1 / (0.95 * 0.90), 1e-12);
    }
    EXPECT_NEAR(1 / (1.05 * 1.10) - 1, -0.134, 0.0005);
    EXPECT_NEAR(1 / (0.95 * 0.90) - 1, 0.170, 0.0005);
}

// Without tolerances the range is the nominal value alone.
TEST(Cycle, NoToleranceNoSpread) {
    for (const Circuit& p : RandomCircuits()) {
        const Cycle nominal = CycleOfCircuit(p.r1, p.r2, p.c);
        const Spread spread = AstableSpread(p.r1, p.r2, p.c, 0, 0);
        EXPECT_EQ(spread.f_low, nominal.f);
        EXPECT_EQ(spread.f_high, nominal.f);
        EXPECT_EQ(spread.D_low, nominal.D);
        EXPECT_EQ(spread.D_high, nominal.D);
    }
}

}  // namespace
}  // namespace ritmolis

#include "logic/companion.h"

#include <cmath>

#include "logic/calculator.h"
#include "logic/conversions.h"
#include "logic/series.h"

namespace ritmolis {
namespace {

// How far `got` is from `wanted`, in per cent to two places, with its sign.
std::string Deviation(double got, double wanted) {
    const double deviation = (got - wanted) / wanted * 100;
    if (!Positive(got) || !Positive(wanted) || !std::isfinite(deviation)) return kNoValue;
    std::string text = RoundToPlaces(FormatNumber(deviation), 2);
    return text == "0" || text.front() == '-' ? text : '+' + text;
}

}  // namespace

Companion DescribeCalculation(const FormState& form, const CompanionSettings& settings) {
    const auto read = [&form](Field field) { return ParseLenient(form.Text(field)); };
    Companion out;
    out.find_r = !form.Option1Selected(0);
    const double t1 = read(Field::t1);
    const double t2 = read(Field::t2);
    if (out.find_r && !(t1 > t2)) return out;  // FindR1R2 stopped at its message
    out.calculated = true;
    out.units = settings.units;
    const double c = read(Field::C);
    const double r1 = read(Field::R1);
    const double r2 = read(Field::R2);
    out.R1 = Shown(r1);
    out.R2 = Shown(r2);
    out.C = Shown(c);
    out.t1 = Shown(t1);
    out.t2 = Shown(t2);
    if (Positive(t1) && Positive(t2)) {
        out.high = t1;
        out.low = t2;
        const Cycle cycle = CycleOf(t1, t2);
        out.f = Significant(cycle.f);
        out.D = Significant(cycle.D);
    } else {
        out.f = out.D = kNoValue;
    }
    out.notes = LimitNotes(r1, r2, c, settings.units);
    if (!out.find_r) return out;
    for (const Series& series : kStandardSeries) {
        const double r1_standard = Nearest(series, r1);
        const double r2_standard = Nearest(series, r2);
        // Without R1 there is no t1; without R2 neither time.
        const double t1_standard = r1_standard > 0 && r2_standard > 0 ? AstableT1(r1_standard, r2_standard, c) : 0;
        const double t2_standard = r2_standard > 0 ? AstableT2(r2_standard, c) : 0;
        StandardRow& row = out.rows.emplace_back();
        row.series = series.name;
        row.R1 = Shown(r1_standard);
        row.R2 = Shown(r2_standard);
        row.t1 = Significant(t1_standard);
        row.t2 = Significant(t2_standard);
        row.dt1 = Deviation(t1_standard, t1);
        row.dt2 = Deviation(t2_standard, t2);
        row.f_range = row.D_range = kNoValue;
        if (r1_standard > 0 && r2_standard > 0) {
            const Spread spread = AstableSpread(r1_standard, r2_standard, c, series.tolerance, settings.c_tolerance);
            row.f_range = RangeText(spread.f_low, spread.f_high);
            row.D_range = RangeText(spread.D_low, spread.D_high);
        }
    }
    return out;
}

std::string CompanionLine(const Companion& companion) {
    if (!companion.calculated) return "nothing";
    std::string line = "R1=" + companion.R1 + " R2=" + companion.R2 + " C=" + companion.C + " t1=" + companion.t1 +
                       " t2=" + companion.t2 + " f=" + companion.f + " D=" + companion.D + " units=" +
                       UnitsOf(companion.units).key;
    for (const std::string& note : companion.notes) line += " note=" + NoteHead(note);
    for (const StandardRow& row : companion.rows) {
        line += std::string(" | ") + row.series + ' ' + CellsLine(row);
    }
    return line;
}

std::string CellsLine(const StandardRow& row) {
    std::string line;
    for (const auto cell : kStandardCells) line += (line.empty() ? "" : " ") + row.*cell;
    return line;
}

}  // namespace ritmolis

#include "logic/design.h"

#include <algorithm>
#include <utility>

#include "logic/calculator.h"
#include "logic/conversions.h"
#include "logic/cycle.h"
#include "logic/errors.h"
#include "logic/form_state.h"
#include "logic/series.h"
#include "logic/values.h"

namespace ritmolis {
namespace {

// The form as plain texts in the mode "sužinoti R1 ir R2", for running the
// form's own calculation on the texts a row writes into it. Its button and its
// box go nowhere: a row reads only the fields that the calculation leaves.
class PlainForm final : public FormState {
public:
    explicit PlainForm(std::array<std::string, 5> fields) : fields_(std::move(fields)) {}
    [[nodiscard]] std::string Text(Field field) const override { return fields_.at(static_cast<std::size_t>(field)); }
    void SetText(Field field, const std::string& text) override { fields_.at(static_cast<std::size_t>(field)) = text; }
    [[nodiscard]] bool Option1Selected(int index) const override { return index == 1; }
    void SetSkEnabled(bool /*enabled*/) override {}
    void ShowMessage(const std::string& /*text*/) override {}
    void EndProgram() override {}

private:
    std::array<std::string, 5> fields_;
};

// Whether a field holds nothing but blanks.
bool Blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// How far a pair of resistors (kΩ) lies from 10 kΩ on a logarithmic scale: the
// ratio of the farther one to 10 kΩ, or of 10 kΩ to it (1 at best), so that it
// needs no logarithm.
double Distance(double r1, double r2) {
    constexpr double kMiddle = 10;
    return std::max({r1 / kMiddle, kMiddle / r1, r2 / kMiddle, kMiddle / r2});
}

// A row, with the form's R1 and R2 as numbers (0 where there is none).
struct Built {
    DesignRow row;
    double r1 = 0;
    double r2 = 0;
};

Built Row(double c, const std::string& t1, const std::string& t2, Units units) {
    Built built;
    DesignRow& row = built.row;
    row.C = FormatNumber(c);
    row.t1 = t1;
    row.t2 = t2;
    row.R1 = row.R2 = row.R1_E24 = row.R2_E24 = row.f = row.D = kNoValue;
    PlainForm form({row.C, "", "", t1, t2});
    try {
        FindR1R2(form);
    } catch (const CalculatorError&) {
        return built;  // the form would show the fault and no result: the row shows none either
    }
    built.r1 = ParseLenient(form.Text(Field::R1));
    built.r2 = ParseLenient(form.Text(Field::R2));
    row.R1 = Shown(built.r1);
    row.R2 = Shown(built.r2);
    const double r1 = Nearest(kSeriesE24, built.r1);
    const double r2 = Nearest(kSeriesE24, built.r2);
    row.R1_E24 = Shown(r1);
    row.R2_E24 = Shown(r2);
    if (r1 > 0 && r2 > 0) {
        const Cycle cycle = CycleOfCircuit(r1, r2, c);
        row.f = Significant(cycle.f);
        row.D = Significant(cycle.D);
    }
    row.notes = LimitNotes(built.r1, built.r2, c, units);
    return built;
}

}  // namespace

Design DesignForTarget(std::string_view f, std::string_view D, Units units) {
    Design design;
    design.units = units;
    // D alone can be impossible, whatever f is.
    const double duty = ParseLenient(D);
    if (!Blank(D) && !(duty > 50)) {
        design.message = kDutyTooLowMessage;
        return design;
    }
    if (!Blank(D) && !(duty < 100)) {
        design.message = kDutyTooHighMessage;
        return design;
    }
    if (Blank(f) || Blank(D)) return design;
    const double frequency = ParseLenient(f);
    if (!Positive(frequency)) {
        design.message = kFrequencyMessage;
        return design;
    }
    const double t1 = duty / 100 / frequency;
    const double t2 = (100 - duty) / 100 / frequency;
    if (!Positive(t1) || !Positive(t2)) {
        design.message = kTimesOutOfRangeMessage;
        return design;
    }
    const std::string t1_text = FormatNumber(t1);
    const std::string t2_text = FormatNumber(t2);
    // A D so close to 50 % that the two times write alike: the form would refuse them.
    if (!(ParseLenient(t1_text) > ParseLenient(t2_text))) {
        design.message = kDutyTooLowMessage;
        return design;
    }
    std::pair<std::size_t, double> best{};
    for (const double c : kCItems) {
        Built built = Row(c, t1_text, t2_text, units);
        if (Positive(built.r1) && Positive(built.r2)) {
            const std::pair<std::size_t, double> key{built.row.notes.size(), Distance(built.r1, built.r2)};
            if (!design.proposed || key < best) {
                design.proposed = design.rows.size();
                best = key;
            }
        }
        for (const std::string& note : built.row.notes) {
            if (std::find(design.notes.begin(), design.notes.end(), note) == design.notes.end()) {
                design.notes.push_back(note);
            }
        }
        design.rows.push_back(std::move(built.row));
    }
    return design;
}

std::string DesignLine(const Design& design) {
    std::string line = design.message.empty() ? "" : "message=" + design.message;
    if (design.proposed) line += "proposed=" + design.rows.at(*design.proposed).C;
    for (const DesignRow& row : design.rows) {
        line += " | " + row.C + ' ' + row.t1 + ' ' + row.t2;
        for (const auto cell : kDesignCells) line += ' ' + row.*cell;
        for (const std::string& note : row.notes) line += " note=" + NoteHead(note);
    }
    return line;
}

}  // namespace ritmolis

#include "logic/sheet.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "logic/conversions.h"
#include "logic/form1.h"
#include "logic/form_controls.h"
#include "logic/limits.h"
#include "logic/series.h"
#include "logic/units.h"
#include "logic/values.h"

namespace ritmolis {
namespace {

using Anchor = Shape::Anchor;

constexpr double kGap = 14;        // between the sheet's parts
constexpr double kTextSize = 11;   // its lines of text and its tables
constexpr double kTablePad = 4;    // on each side of a table's cell

// The width a text takes in Arial, from its average advance: 0.556 em for the
// digits, less for most letters, more for bold ones.
double Width(std::string_view text, double size, bool bold = false) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return static_cast<double>(characters) * size * (bold ? 0.62 : 0.56);
}

// The text in lines no wider than `width`, broken between words.
std::vector<std::string> Wrapped(const std::string& text, double size, double width) {
    std::vector<std::string> lines(1);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        const std::string longer = lines.back().empty() ? word : lines.back() + ' ' + word;
        if (!lines.back().empty() && Width(longer, size) > width) {
            lines.push_back(word);
        } else {
            lines.back() = longer;
        }
        start = end + 1;
    }
    return lines;
}

struct Table {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
    bool numbers = true;  // the cells after the first right-aligned, as numbers are
};

// Lays out the sheet from the top down.
class Layout {
public:
    explicit Layout(Drawing& sheet) : sheet_(sheet), pen_(sheet) {}

    [[nodiscard]] double y() const { return y_; }
    void Skip(double height) { y_ += height; }

    void Line(const std::string& text, double size = kTextSize, bool bold = false) {
        y_ += size * 1.35;
        pen_.Text({0, y_}, text, size, Anchor::Start, bold);
    }

    void Paragraph(const std::string& text, const std::string& bullet) {
        const double indent = Width(bullet, kTextSize);
        bool first = true;
        for (const std::string& line : Wrapped(text, kTextSize, kSheetWidth - indent)) {
            y_ += kTextSize * 1.35;
            if (first) pen_.Text({0, y_}, bullet, kTextSize);
            pen_.Text({indent, y_}, line, kTextSize);
            first = false;
        }
    }

    // The table under its caption: each column as wide as its widest text, the
    // whole scaled down to the sheet's width if it is wider; rules above and
    // below the headers and below the last row.
    void Grid(const char* caption, const Table& table) {
        Line(caption, kTextSize + 1, true);
        y_ += 4;
        std::vector<double> widths(table.headers.size());
        for (std::size_t column = 0; column < widths.size(); ++column) {
            widths[column] = Width(table.headers[column], kTextSize, true);
            for (const auto& row : table.rows) widths[column] = std::max(widths[column], Width(row.at(column), kTextSize));
            widths[column] += 2 * kTablePad;
        }
        const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
        const double scale = std::min(1.0, kSheetWidth / total);
        const double size = kTextSize * scale;
        const double row_height = size * 1.6;
        const auto rule = [this, total, scale] { pen_.Lines({{0, y_}, {total * scale, y_}}, 0.6); };
        const auto cells = [&](const std::vector<std::string>& texts, bool bold) {
            double x = 0;
            for (std::size_t column = 0; column < texts.size(); ++column) {
                const double width = widths[column] * scale;
                const bool right = table.numbers && column > 0;
                pen_.Text({right ? x + width - kTablePad * scale : x + kTablePad * scale, y_ + size * 1.15}, texts[column],
                          size, right ? Anchor::End : Anchor::Start, bold);
                x += width;
            }
            y_ += row_height;
        };
        rule();
        cells(table.headers, true);
        rule();
        for (const auto& row : table.rows) cells(row, false);
        rule();
    }

    // The drawings side by side, each scaled to half the sheet's width at most.
    void Drawings(const std::vector<Drawing>& drawings) {
        const double room = (kSheetWidth - kGap) / 2;
        double x = 0;
        double tallest = 0;
        for (const Drawing& drawing : drawings) {
            if (drawing.shapes.empty() || drawing.width <= 0) continue;
            const double scale = std::min(1.0, room / drawing.width);
            Place(sheet_, drawing, {x, y_}, scale);
            tallest = std::max(tallest, drawing.height * scale);
            x += room + kGap;
        }
        y_ += tallest;
    }

private:
    Drawing& sheet_;
    Pen pen_;
    double y_ = 0;
};

// The option button's caption of the mode.
std::string ModeCaption(bool find_r) {
    const std::string_view name = find_r ? "Option1(1)" : "Option1(0)";
    const auto* control = std::find_if(kControls.begin(), kControls.end(), [name](const Control& c) { return c.name == name; });
    return std::string(control->caption);
}

// A resistor as calculated, with its nearest standard value of E24.
std::string Resistor(const std::string& shown) {
    const double standard = Nearest(kSeriesE24, ParseLenient(shown));
    return WithUnit(shown, kResistanceUnit) + " (E24: " + WithUnit(Shown(standard), kResistanceUnit) + ")";
}

}  // namespace

std::vector<Part> PartsList(const Companion& companion) {
    if (!companion.calculated) return {};
    const bool fast = std::find(companion.notes.begin(), companion.notes.end(), kNoteFrequency) != companion.notes.end();
    return {
        {"555", fast ? "CMOS: TLC555, LMC555, ICM7555" : "NE555 (dvipolis)",
         "laikmatis: 8 išvadas – maitinimas, 1 – žemė, 3 – išėjimas"},
        {"R1", Resistor(companion.R1), "nuo maitinimo iki 7 išvado; C kraunamas per R1 ir R2"},
        {"R2", Resistor(companion.R2), "nuo 7 išvado iki 6 ir 2; C iškraunamas per R2"},
        {"C", WithUnit(companion.C, UnitsOf(companion.units).capacitance),
         "nuo 6 ir 2 išvadų iki žemės; jo įkrova ir iškrova – t1 ir t2"},
        {"C5", "10 nF", "nuo 5 išvado iki žemės; slopina valdymo įtampos triukšmą"},
        {"C6", "100 nF", "tarp maitinimo ir žemės, prie lusto; sulaiko perjungimo šuolius"},
        {"4 išvadas", "prie maitinimo", "RESET: žemas lygis sustabdytų laikmatį"},
    };
}

Drawing Sheet(const Companion& companion) {
    Drawing sheet;
    sheet.width = kSheetWidth;
    Layout layout(sheet);
    layout.Line(kProgramTitle, 22, true);
    if (!companion.calculated) {
        layout.Line(kNothingToPrint);
        sheet.height = layout.y() + kGap;
        sheet.description = std::string(kProgramTitle) + ": " + kNothingToPrint;
        return sheet;
    }
    const UnitSet& units = UnitsOf(companion.units);
    const std::string values = "C = " + WithUnit(companion.C, units.capacitance) +
                               ",  R1 = " + WithUnit(companion.R1, kResistanceUnit) +
                               ",  R2 = " + WithUnit(companion.R2, kResistanceUnit) +
                               ",  t1 = " + WithUnit(companion.t1, units.time) + ",  t2 = " + WithUnit(companion.t2, units.time);
    const std::string mode = std::string(kModeLabel) + ": " + ModeCaption(companion.find_r);
    const std::string f = std::string(FrequencyLabel(companion.units)) + ": " + companion.f;
    const std::string D = std::string(kDutyLabel) + ": " + companion.D;
    layout.Line(mode);
    layout.Line(values, kTextSize + 1, true);
    layout.Line(f);
    layout.Line(D);
    layout.Skip(kGap);
    layout.Drawings({Schematic(companion), TimingDiagram(companion)});
    if (!companion.rows.empty()) {
        layout.Skip(kGap);
        Table standard{{StandardHeaders(companion.units).begin(), StandardHeaders(companion.units).end()}, {}};
        for (const StandardRow& row : companion.rows) {
            auto& cells = standard.rows.emplace_back(1, row.series);
            for (const auto cell : kStandardCells) cells.push_back(row.*cell);
        }
        layout.Grid(kStandardCaption, standard);
    }
    if (!companion.notes.empty()) {
        layout.Skip(kGap);
        layout.Line(kNotesCaption, kTextSize + 1, true);
        for (const std::string& note : companion.notes) layout.Paragraph(note, "• ");
    }
    layout.Skip(kGap);
    Table parts{{kPartsHeaders.begin(), kPartsHeaders.end()}, {}, false};
    std::string list;
    for (const Part& part : PartsList(companion)) {
        parts.rows.push_back({part.name, part.value, part.purpose});
        list += "; " + part.name + " " + part.value;
    }
    layout.Grid(kPartsCaption, parts);
    sheet.height = layout.y() + 4;
    sheet.description = std::string(kProgramTitle) + ": " + mode + "; " + values + "; " + f + "; " + D + "; " +
                        kPartsCaption + list;
    return sheet;
}

}  // namespace ritmolis

#include "logic/drawing.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "logic/units.h"
#include "logic/values.h"

namespace ritmolis {
namespace {

using Anchor = Shape::Anchor;

// The texts one after another: one call, where a chain of sums would each be
// inlined, which the page's size feels.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view part : parts) out += part;
    return out;
}

// A part's label: its name, and its value when something was calculated.
std::string Labelled(std::string_view name, const std::string& value) {
    return value.empty() ? std::string(name) : Join({name, " = ", value});
}

// A coordinate in the SVG: to a tenth, without a needless ".0".
std::string Coordinate(double value) {
    const long long tenths = std::llround(std::abs(value) * 10);
    std::string out = value < 0 && tenths > 0 ? "-" : "";
    out += std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        out += '.';
        out += static_cast<char>('0' + tenths % 10);
    }
    return out;
}

// The schematic's fixed parts, in its coordinates.
struct Wire {
    short x1, y1, x2, y2;  // a straight wire; for a box, two opposite corners
};
struct Dot {
    short x, y;
    bool filled;  // a junction of wires, or an open terminal
};
struct Caption {
    short x, y;
    unsigned char size;
    Anchor anchor;
    bool bold;
    const char* text;
};

// The supply along the top and ground along the bottom; the 555 with its
// eight pins, numbered and named as in its data sheets; R1 from the supply to
// discharge (7), R2 from there to threshold (6) and trigger (2), C from those
// to ground.
constexpr Wire kWires[] = {
    {113, 30, 305, 30},   {150, 250, 280, 250}, {215, 250, 215, 258}, {203, 258, 227, 258}, {207, 263, 223, 263},
    {211, 268, 219, 268}, {255, 30, 255, 70},   {305, 30, 305, 70},   {210, 100, 230, 100}, {195, 150, 230, 150},
    {195, 180, 230, 180}, {280, 250, 280, 210}, {371, 120, 330, 120}, {350, 180, 330, 180}, {150, 30, 150, 40},
    {150, 80, 150, 112},  {150, 100, 210, 100}, {150, 152, 150, 205}, {150, 170, 195, 170}, {195, 150, 195, 180},
    {150, 213, 150, 250}};
constexpr Wire kPlates[] = {{136, 205, 164, 205}, {136, 213, 164, 213}};  // C
constexpr Wire kBoxes[] = {{230, 70, 330, 210}, {142, 40, 158, 80}, {142, 112, 158, 152}};  // the 555, R1, R2
constexpr Dot kDots[] = {{110, 30, false}, {374, 120, false}, {150, 30, true},  {255, 30, true},
                         {215, 250, true}, {150, 100, true},  {150, 170, true}, {195, 170, true}};
constexpr Caption kCaptions[] = {
    {102, 34, 12, Anchor::End, true, "+U"},      {280, 146, 14, Anchor::Middle, true, "555"},
    {259, 66, 10, Anchor::Start, false, "8"},    {255, 84, 9, Anchor::Middle, false, "VCC"},
    {309, 66, 10, Anchor::Start, false, "4"},    {305, 84, 9, Anchor::Middle, false, "RESET"},
    {220, 96, 10, Anchor::Middle, false, "7"},   {235, 104, 9, Anchor::Start, false, "DIS"},
    {220, 146, 10, Anchor::Middle, false, "6"},  {235, 154, 9, Anchor::Start, false, "THR"},
    {220, 176, 10, Anchor::Middle, false, "2"},  {235, 184, 9, Anchor::Start, false, "TRIG"},
    {284, 222, 10, Anchor::Start, false, "1"},   {280, 196, 9, Anchor::Middle, false, "GND"},
    {340, 116, 10, Anchor::Middle, false, "3"},  {325, 124, 9, Anchor::End, false, "OUT"},
    {340, 176, 10, Anchor::Middle, false, "5"},  {325, 184, 9, Anchor::End, false, "CTRL"},
    {374, 140, 12, Anchor::Middle, false, "išėjimas"},
    {134, 58, 12, Anchor::End, true, "R1"},      {134, 130, 12, Anchor::End, true, "R2"},
    {130, 207, 12, Anchor::End, true, "C"}};

Point At(int x, int y) { return {static_cast<double>(x), static_cast<double>(y)}; }

}  // namespace

Drawing Schematic(const Companion& companion) {
    Drawing drawing{420, 280, {}, {}};
    Pen pen(drawing);
    for (const Wire& w : kWires) pen.Lines({At(w.x1, w.y1), At(w.x2, w.y2)});
    for (const Wire& w : kPlates) pen.Lines({At(w.x1, w.y1), At(w.x2, w.y2)}, 2.5);
    for (const Wire& w : kBoxes) pen.Box(At(w.x1, w.y1), At(w.x2, w.y2));
    for (const Dot& d : kDots) pen.Dot(At(d.x, d.y), d.filled);
    for (const Caption& c : kCaptions) pen.Text(At(c.x, c.y), c.text, c.size, c.anchor, c.bold);
    // The values with their units, under the parts' names.
    const std::string r1 = WithUnit(companion.R1, kResistanceUnit);
    const std::string r2 = WithUnit(companion.R2, kResistanceUnit);
    const std::string c = WithUnit(companion.C, UnitsOf(companion.units).capacitance);
    if (companion.calculated) {
        pen.Text({134, 73}, r1, 12, Anchor::End);
        pen.Text({134, 145}, r2, 12, Anchor::End);
        pen.Text({130, 222}, c, 12, Anchor::End);
    }
    drawing.description = Join({"Schema: 555 astabilusis multivibratorius. ", Labelled("R1", r1),
                                " tarp maitinimo +U ir 7 išvado (iškrova), ", Labelled("R2", r2),
                                " tarp 7 išvado ir 6 bei 2 išvadų (slenkstis ir paleidimas), ", Labelled("C", c),
                                " tarp 6 bei 2 išvadų ir žemės. 8 ir 4 išvadai prijungti prie +U, 1 prie žemės, ",
                                "3 yra išėjimas, 5 neprijungtas."});
    return drawing;
}

Drawing TimingDiagram(const Companion& companion) {
    Drawing drawing{430, 215, {}, {}};
    if (companion.high <= 0 || companion.low <= 0) {
        drawing.description = "Laiko diagrama: nėra laikų t1 ir t2.";
        return drawing;
    }
    Pen pen(drawing);
    // Two periods from x0, each `period` wide, high for the share of t1.
    constexpr double x0 = 90;
    constexpr double period = 150;
    const double high = period / (1 + companion.low / companion.high);
    constexpr double out_high = 50;
    constexpr double out_low = 90;
    constexpr double two_thirds = 140;
    constexpr double one_third = 190;
    pen.Text({80, 74}, "išėjimas", 12, Anchor::End);
    pen.Text({80, 169}, "u", 12, Anchor::End);
    pen.Text({80, 173}, "C", 8, Anchor::Start);
    pen.Lines({{x0, out_low}, {x0, out_high}, {x0 + high, out_high}, {x0 + high, out_low}, {x0 + period, out_low},
               {x0 + period, out_high}, {x0 + period + high, out_high}, {x0 + period + high, out_low},
               {x0 + 2 * period, out_low}});
    const char* unit = UnitsOf(companion.units).time;
    const std::string t1 = WithUnit(companion.t1, unit);
    const std::string t2 = WithUnit(companion.t2, unit);
    pen.Text({x0 + high / 2, out_high - 8}, Labelled("t1", t1), 12, Anchor::Middle);
    pen.Text({x0 + (high + period) / 2, out_low + 16}, Labelled("t2", t2), 12, Anchor::Middle);
    for (const double x : {x0 + high, x0 + period, x0 + period + high}) {
        pen.Lines({{x, out_high}, {x, one_third}}, 0.75, true);
    }
    pen.Lines({{x0, two_thirds}, {x0 + 2 * period, two_thirds}}, 0.75, true);
    pen.Lines({{x0, one_third}, {x0 + 2 * period, one_third}}, 0.75, true);
    pen.Text({x0 + 2 * period + 6, two_thirds + 4}, "2/3 U", 11);
    pen.Text({x0 + 2 * period + 6, one_third + 4}, "1/3 U", 11);
    // The capacitor charges through R1 + R2 from 1/3 towards U, reaching 2/3
    // after one halving of the distance (t1), and discharges through R2 from
    // 2/3 towards 0, reaching 1/3 after one halving (t2): u = 1 - 2/3 · 2^-s
    // and u = 2/3 · 2^-s over the share s of each time. The powers of two are
    // products of one factor, the same to the bit in every build.
    constexpr int kSteps = 16;
    constexpr double kStepFactor = 0.9576032806985737;  // 2^(-1/16)
    const auto y = [](double u) { return one_third - (u - 1.0 / 3) * 3 * (one_third - two_thirds); };
    std::vector<Point> curve{{x0, one_third}};
    for (int p = 0; p < 2; ++p) {
        const double start = x0 + p * period;
        double power = 1;  // 2^-s, s the share of t1 gone by
        for (int step = 1; step <= kSteps; ++step) {
            power *= kStepFactor;
            curve.push_back({start + high * step / kSteps, y(1 - 2.0 / 3 * power)});
        }
        power = 1;  // now of t2
        for (int step = 1; step <= kSteps; ++step) {
            power *= kStepFactor;
            curve.push_back({start + high + (period - high) * step / kSteps, y(2.0 / 3 * power)});
        }
    }
    pen.Lines(std::move(curve));
    drawing.description = Join({"Laiko diagrama, du periodai: išėjimas aukštas t1 = ", t1, ", žemas t2 = ",
                                t2, ". Kondensatoriaus įtampa per t1 kyla nuo 1/3 iki 2/3 maitinimo įtampos U, ",
                                "per t2 krenta atgal iki 1/3 U."});
    return drawing;
}

std::string EscapeMarkup(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += ch;
        }
    }
    return out;
}

void Place(Drawing& into, const Drawing& part, Point at, double scale) {
    for (Shape shape : part.shapes) {
        for (Point& point : shape.points) point = {at.x + point.x * scale, at.y + point.y * scale};
        shape.size *= scale;
        into.shapes.push_back(std::move(shape));
    }
}

std::string Svg(const Drawing& drawing) {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\"";
    const auto put = [&svg](const char* name, const std::string& value) {
        svg += ' ';
        svg += name;
        svg += "=\"";
        svg += value;
        svg += '"';
    };
    const std::string width = Coordinate(drawing.width);
    const std::string height = Coordinate(drawing.height);
    put("viewBox", Join({"0 0 ", width, " ", height}));
    put("width", width);
    put("height", height);
    put("font-family", kDrawingFont);
    svg += " fill=\"none\" stroke=\"#000\" stroke-linecap=\"round\" stroke-linejoin=\"round\"><title>";
    svg += EscapeMarkup(drawing.description);
    svg += "</title>";
    for (const Shape& shape : drawing.shapes) {
        const Point& a = shape.points.front();
        const Point& b = shape.points.back();
        switch (shape.kind) {
        case Shape::Kind::Lines: {
            std::string points;
            for (const Point& p : shape.points) {
                if (!points.empty()) points += ' ';
                points += Coordinate(p.x);
                points += ',';
                points += Coordinate(p.y);
            }
            svg += "<polyline";
            put("points", points);
            put("stroke-width", Coordinate(shape.size));
            if (shape.dashed) put("stroke-dasharray", "4 3");
            break;
        }
        case Shape::Kind::Rectangle:
            svg += "<rect";
            put("x", Coordinate(std::min(a.x, b.x)));
            put("y", Coordinate(std::min(a.y, b.y)));
            put("width", Coordinate(std::abs(b.x - a.x)));
            put("height", Coordinate(std::abs(b.y - a.y)));
            put("stroke-width", Coordinate(shape.size));
            if (shape.filled) put("fill", "#fff");
            break;
        case Shape::Kind::Circle:
            svg += "<circle";
            put("cx", Coordinate(a.x));
            put("cy", Coordinate(a.y));
            put("r", Coordinate(shape.size));
            put("fill", shape.filled ? "#000" : "#fff");
            break;
        case Shape::Kind::Text: {
            static constexpr const char* kAnchors[] = {"start", "middle", "end"};
            svg += "<text";
            put("x", Coordinate(a.x));
            put("y", Coordinate(a.y));
            put("font-size", Coordinate(shape.size));
            put("text-anchor", kAnchors[static_cast<int>(shape.anchor)]);
            if (shape.bold) put("font-weight", "bold");
            svg += " fill=\"#000\" stroke=\"none\">";
            svg += EscapeMarkup(shape.text);
            svg += "</text>";
            continue;
        }
        }
        svg += "/>";
    }
    return svg + "</svg>";
}

}  // namespace ritmolis

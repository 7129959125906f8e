#include "logic/drawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace ritmolis {
namespace {

using Anchor = Shape::Anchor;

// Adds shapes to a drawing, one call a shape.
class Pen {
public:
    explicit Pen(Drawing& drawing) : drawing_(drawing) {}

    void Lines(std::initializer_list<Point> points, double width = 1.5, bool dashed = false) {
        Shape& shape = Add(Shape::Kind::Lines, points);
        shape.size = width;
        shape.dashed = dashed;
    }
    void Lines(std::vector<Point> points) { Add(Shape::Kind::Lines, {}).points = std::move(points); }
    void Box(Point corner, Point opposite) { Add(Shape::Kind::Rectangle, {corner, opposite}).filled = true; }
    // A junction of wires (filled) or a terminal (open).
    void Dot(Point centre, bool filled = true) {
        Shape& shape = Add(Shape::Kind::Circle, {centre});
        shape.size = filled ? 2.5 : 3;
        shape.filled = filled;
    }
    void Text(Point at, std::string text, double size = 12, Anchor anchor = Anchor::Start, bool bold = false) {
        Shape& shape = Add(Shape::Kind::Text, {at});
        shape.text = std::move(text);
        shape.size = size;
        shape.anchor = anchor;
        shape.bold = bold;
    }

private:
    Shape& Add(Shape::Kind kind, std::initializer_list<Point> points) {
        Shape& shape = drawing_.shapes.emplace_back();
        shape.kind = kind;
        shape.points = points;
        return shape;
    }
    Drawing& drawing_;
};

// A part's label: its name, and its value when something was calculated.
std::string Labelled(const char* name, const std::string& value) {
    return value.empty() ? std::string(name) : std::string(name) + " = " + value;
}

// A coordinate in the SVG: to a tenth, without a needless ".0".
std::string Coordinate(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
    std::string out(text, end);
    if (out.ends_with(".0")) out.resize(out.size() - 2);
    return out == "-0" ? "0" : out;
}

}  // namespace

Drawing Schematic(const Companion& companion) {
    Drawing drawing{420, 280, {}, {}};
    Pen pen(drawing);
    // The supply along the top, ground along the bottom.
    pen.Dot({110, 30}, false);
    pen.Text({102, 34}, "+U", 12, Anchor::End, true);
    pen.Lines({{113, 30}, {305, 30}});
    pen.Lines({{150, 250}, {280, 250}});
    for (const Point junction : {Point{150, 30}, Point{255, 30}, Point{215, 250}}) pen.Dot(junction);
    pen.Lines({{215, 250}, {215, 258}});
    pen.Lines({{203, 258}, {227, 258}});
    pen.Lines({{207, 263}, {223, 263}});
    pen.Lines({{211, 268}, {219, 268}});
    // The 555, its eight pins numbered and named as in its data sheets.
    pen.Box({230, 70}, {330, 210});
    pen.Text({280, 146}, "555", 14, Anchor::Middle, true);
    struct Pin {
        const char* number;
        const char* name;
        Point outer, inner;  // the pin's wire, from outside to the chip's edge
    };
    const Pin pins[] = {{"8", "VCC", {255, 30}, {255, 70}},   {"4", "RESET", {305, 30}, {305, 70}},
                        {"7", "DIS", {210, 100}, {230, 100}}, {"6", "THR", {195, 150}, {230, 150}},
                        {"2", "TRIG", {195, 180}, {230, 180}}, {"1", "GND", {280, 250}, {280, 210}},
                        {"3", "OUT", {371, 120}, {330, 120}}, {"5", "CTRL", {350, 180}, {330, 180}}};
    for (const Pin& pin : pins) {
        pen.Lines({pin.outer, pin.inner});
        const bool vertical = pin.outer.x == pin.inner.x;
        const bool left = pin.outer.x < pin.inner.x;
        const double into = pin.inner.y < pin.outer.y ? -1 : 1;  // towards the chip's inside, vertically
        if (vertical) {
            pen.Text({pin.inner.x + 4, pin.inner.y - into * 8 + 4}, pin.number, 10);
            pen.Text({pin.inner.x, pin.inner.y + into * 14}, pin.name, 9, Anchor::Middle);
        } else {
            pen.Text({pin.inner.x + (left ? -10 : 10), pin.inner.y - 4}, pin.number, 10, Anchor::Middle);
            pen.Text({pin.inner.x + (left ? 5 : -5), pin.inner.y + 4}, pin.name, 9, left ? Anchor::Start : Anchor::End);
        }
    }
    pen.Dot({374, 120}, false);
    pen.Text({374, 140}, "išėjimas", 12, Anchor::Middle);
    // R1 from the supply to discharge (7); R2 from there to threshold (6) and
    // trigger (2); C from those to ground.
    pen.Lines({{150, 30}, {150, 40}});
    pen.Box({142, 40}, {158, 80});
    pen.Lines({{150, 80}, {150, 112}});
    pen.Lines({{150, 100}, {210, 100}});
    pen.Dot({150, 100});
    pen.Box({142, 112}, {158, 152});
    pen.Lines({{150, 152}, {150, 205}});
    pen.Lines({{150, 170}, {195, 170}});
    pen.Lines({{195, 150}, {195, 180}});
    pen.Dot({150, 170});
    pen.Dot({195, 170});
    pen.Lines({{136, 205}, {164, 205}}, 2.5);
    pen.Lines({{136, 213}, {164, 213}}, 2.5);
    pen.Lines({{150, 213}, {150, 250}});
    pen.Text({134, 58}, "R1", 12, Anchor::End, true);
    pen.Text({134, 130}, "R2", 12, Anchor::End, true);
    pen.Text({130, 207}, "C", 12, Anchor::End, true);
    if (companion.calculated) {
        pen.Text({134, 73}, companion.R1, 12, Anchor::End);
        pen.Text({134, 145}, companion.R2, 12, Anchor::End);
        pen.Text({130, 222}, companion.C, 12, Anchor::End);
    }
    drawing.description = "Schema: 555 astabilusis multivibratorius. " + Labelled("R1", companion.R1) +
                          " tarp maitinimo +U ir 7 išvado (iškrova), " + Labelled("R2", companion.R2) +
                          " tarp 7 išvado ir 6 bei 2 išvadų (slenkstis ir paleidimas), " + Labelled("C", companion.C) +
                          " tarp 6 bei 2 išvadų ir žemės. 8 ir 4 išvadai prijungti prie +U, 1 prie žemės, "
                          "3 yra išėjimas, 5 neprijungtas.";
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
    pen.Text({x0 + high / 2, out_high - 8}, "t1 = " + companion.t1, 12, Anchor::Middle);
    pen.Text({x0 + (high + period) / 2, out_low + 16}, "t2 = " + companion.t2, 12, Anchor::Middle);
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
    std::vector<Point> curve;
    for (int p = 0; p < 2; ++p) {
        double power = 1;  // 2^-s
        for (int step = 0; step <= kSteps; ++step, power *= kStepFactor) {
            const double x = x0 + p * period + high * step / kSteps;
            curve.push_back({x, y(1 - 2.0 / 3 * power)});
        }
        power = 1;
        for (int step = 1; step <= kSteps; ++step) {
            power *= kStepFactor;
            const double x = x0 + p * period + high + (period - high) * step / kSteps;
            curve.push_back({x, y(2.0 / 3 * power)});
        }
    }
    pen.Lines(std::move(curve));
    drawing.description = "Laiko diagrama, du periodai: išėjimas aukštas t1 = " + companion.t1 + ", žemas t2 = " +
                          companion.t2 + ". Kondensatoriaus įtampa per t1 kyla nuo 1/3 iki 2/3 maitinimo įtampos U, "
                          "per t2 krenta atgal iki 1/3 U.";
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
    put("viewBox", "0 0 " + width + ' ' + height);
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

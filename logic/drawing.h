// The companion's two drawings, the schematic and the timing diagram, as a
// small description that each front end renders in its own way: the page as
// inline SVG (Svg, below), the desktop with QPainter, the README from the same
// SVG. One coordinate space, in CSS pixels at 100 %: y grows downwards, a
// text's point is where its baseline starts, ends or is centred (its anchor).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logic/companion.h"

namespace ritmolis {

struct Point {
    double x = 0;
    double y = 0;
};

struct Shape {
    enum class Kind : unsigned char { Lines, Rectangle, Circle, Text };
    enum class Anchor : unsigned char { Start, Middle, End };
    Kind kind = Kind::Lines;
    // Lines: the points joined in order; Rectangle: two opposite corners;
    // Circle: its centre; Text: its anchor point.
    std::vector<Point> points;
    // Lines and Rectangle: the stroke's width; Circle: the radius; Text: the font's size.
    double size = 1.5;
    bool dashed = false;  // Lines
    bool filled = false;  // Circle (a junction) and Rectangle (white inside)
    bool bold = false;    // Text
    Anchor anchor = Anchor::Start;
    std::string text;
};

struct Drawing {
    double width = 0;
    double height = 0;
    // The text alternative: what the drawing shows, values included.
    std::string description;
    std::vector<Shape> shapes;
};

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
    void Text(Point at, std::string text, double size = 12, Shape::Anchor anchor = Shape::Anchor::Start,
              bool bold = false) {
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

// The shapes of `part` added to `into`, scaled by `scale` and moved to `at`
// (where part's origin lands).
void Place(Drawing& into, const Drawing& part, Point at, double scale);

// The font the drawings are measured for, as the form's: Arial or its metric twin.
inline constexpr const char* kDrawingFont = "Arial, 'Liberation Sans', sans-serif";

// The 555 astable that the formulas assume, pins numbered, R1, R2 and C
// labelled with the companion's values and their units ("1.443 kΩ"; with
// their names alone when nothing was calculated).
[[nodiscard]] Drawing Schematic(const Companion& companion);

// The output, high for t1 and low for t2 (labelled with their units: "t1 =
// 2 s"), and the capacitor's voltage between 1/3 and 2/3 of the supply, over
// two periods in the proportion of t1 and t2.
// Without the two times (nothing calculated, or a time with no value) it has
// no shapes.
[[nodiscard]] Drawing TimingDiagram(const Companion& companion);

// The drawing as an SVG document: role "img", its description as its title,
// every text escaped; no script, no style attribute, no reference to anything
// outside it.
[[nodiscard]] std::string Svg(const Drawing& drawing);

// The text with the five characters that markup gives a meaning escaped.
[[nodiscard]] std::string EscapeMarkup(std::string_view text);

}  // namespace ritmolis

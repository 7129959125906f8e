// The window Form1 as data: its caption and size, and its fourteen controls
// with their kinds, names, captions, places, fonts, tab order and the fields
// their labels name. Every front end builds its form from this one table (the
// Qt window its widgets, the page its elements), so a caption, a place or the
// tab order changes here, in one line, for all of them.
//
// It says what the form looks like, not what it does: the wiring of events to
// handlers and the list of C (kCItems, beside the fields) are elsewhere.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace ritmolis {

enum class ControlKind { Label, ComboBox, TextBox, CommandButton, OptionButton };

// Arial in the Baltic character set, never italic, underlined or struck through.
struct ControlFont {
    double points;
    bool bold;
};

struct Control {
    std::string_view name;     // as the handlers name it: "C", "sk", "Option1(0)"
    ControlKind kind;
    std::string_view caption;  // a label's or a button's caption, or a field's first text
    int left, top, width, height;  // in twips: 1/1440 inch, 15 to a pixel at 96 dots per inch
    std::string_view buddy;    // a label's field, whose focus the label's key gives; empty for other controls
    ControlFont font;
};

inline constexpr std::string_view kFormCaption = "555 astable";
inline constexpr int kFormWidth = 6450;  // the client area, in twips
inline constexpr int kFormHeight = 3585;

inline constexpr ControlFont kRegular{9.75, false};
inline constexpr ControlFont kBold{9.75, true};

// In tab order: the order of the lines is the order in which Tab moves the focus.
inline constexpr std::array<Control, 14> kControls{{
    // name         kind                        caption             left  top   width height buddy font
    {"Label1",     ControlKind::Label,         "R1",                3000, 885,  255,  255,  "R1", kBold},
    {"C",          ControlKind::ComboBox,      "pasirink C talpą",  720,  840,  1935, 360,  "",   kRegular},
    {"R1",         ControlKind::TextBox,       "",                  3360, 840,  1100, 375,  "",   kRegular},
    {"R2",         ControlKind::TextBox,       "",                  5040, 840,  1100, 375,  "",   kRegular},
    {"sk",         ControlKind::CommandButton, "Skaičiuoti",        720,  1560, 1935, 735,  "",   {11.25, true}},
    {"t1",         ControlKind::TextBox,       "",                  3360, 1800, 1100, 375,  "",   kRegular},
    {"t2",         ControlKind::TextBox,       "",                  5040, 1800, 1100, 375,  "",   kRegular},
    {"Command2",   ControlKind::CommandButton, "Viso gero",         600,  2640, 5535, 495,  "",   kBold},
    {"Option1(0)", ControlKind::OptionButton,  "sužinoti T",        840,  240,  1215, 375,  "",   kBold},
    {"Option1(1)", ControlKind::OptionButton,  "sužinoti R1 ir R2", 2640, 240,  1935, 375,  "",   kBold},
    {"Label3",     ControlKind::Label,         "R2",                4740, 885,  255,  255,  "R2", kBold},
    {"Label4",     ControlKind::Label,         "C",                 420,  885,  255,  255,  "C",  kBold},
    {"Label5",     ControlKind::Label,         "t1",                3000, 1850, 255,  255,  "t1", kBold},
    {"Label6",     ControlKind::Label,         "t2",                4740, 1850, 255,  255,  "t2", kBold},
}};

// Labels take no focus; every other control does.
constexpr bool TakesFocus(const Control& control) { return control.kind != ControlKind::Label; }

// A label names a field that takes the focus, and nothing else names one.
constexpr bool BuddiesValid() {
    return std::all_of(kControls.begin(), kControls.end(), [](const Control& label) {
        if ((label.kind == ControlKind::Label) == label.buddy.empty()) return false;
        return label.buddy.empty() || std::any_of(kControls.begin(), kControls.end(), [&label](const Control& c) {
                   return c.name == label.buddy && TakesFocus(c);
               });
    });
}
static_assert(BuddiesValid(), "each label names a control that takes the focus");

}  // namespace ritmolis

#include "web/form1.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "logic/drawing.h"
#include "logic/form_controls.h"
#include "web/dom.h"
#include "web/link.h"

namespace ritmolis {
namespace {

// The line that stands in the form's place once the program has ended.
constexpr const char* kEndedText = "Ritmolis baigė darbą. Įkelkite puslapį iš naujo, kad jį vėl paleistumėte.";

constexpr std::string_view kList = "C-list";
constexpr std::string_view kBox = "box";

std::string_view Id(Field field) { return kFieldNames.at(static_cast<std::size_t>(field)); }

// The option button Option1(index), as the form's table names it.
std::string Option1Id(int index) { return "Option1(" + std::to_string(index) + ")"; }

int OptionButtons() {
    return static_cast<int>(std::count_if(kControls.begin(), kControls.end(),
                                          [](const Control& c) { return c.kind == ControlKind::OptionButton; }));
}

std::string ItemId(int index) { return "C-item-" + std::to_string(index); }

}  // namespace

Form1Page::Form1Page() {
    WireEvents();
    Form_Load();
    ReadLink();
    // The form opens with the focus in C and its whole text selected, so that
    // the first keystroke replaces the prompt.
    dom::SetFlag("Form1", "inert", false);
    dom::Call("C", "focus");
    dom::Call("C", "select");
}

std::string Form1Page::Text(Field field) const { return dom::Get(Id(field), "value"); }

// Setting a control's value raises no event on a page: the form runs the
// field's change handler itself (SetText).
void Form1Page::ShowText(Field field, const std::string& text) { dom::Set(Id(field), "value", text); }

bool Form1Page::Option1Selected(int index) const { return dom::Flag(Option1Id(index), "checked"); }

void Form1Page::SelectOption1(int index) { dom::SetFlag(Option1Id(index), "checked", true); }

void Form1Page::AddCItem(const std::string& text) {
    dom::Append(kList, "<li id=\"" + ItemId(items_++) + "\" role=\"option\" aria-selected=\"false\">" +
                           EscapeMarkup(text) + "</li>");
}

void Form1Page::Select(Field field, int start, int length) {
    dom::SelectRange(Id(field), start, start + length);
    selected_on_entry_ = Id(field);
}

void Form1Page::SelectAll(std::string_view id) {
    dom::Call(id, "select");
    selected_on_entry_ = id;
}

// As in the window, a focused Skaičiuoti that is disabled (by a calculation's
// own writes) hands the focus on at once to the next control in tab order,
// rather than leaving it to the browser, which drops it on no control some
// time later.
void Form1Page::SetSkEnabled(bool enabled) {
    const bool focused = dom::Get("document", "activeElement") == "sk";
    dom::SetFlag("sk", "disabled", !enabled);
    if (!enabled && focused) FocusAfter("sk");
}

// The page's controls stand in the order of the form's table, which is the tab order.
void Form1Page::FocusAfter(std::string_view id) {
    const auto* after = std::find_if(kControls.begin(), kControls.end(), [id](const Control& c) { return c.name == id; });
    for (const auto* next = after + (after != kControls.end()); next < kControls.end(); ++next) {
        if (!TakesFocus(*next) || dom::Flag(next->name, "disabled")) continue;
        // Entered as by Tab: a text field's whole text selected.
        if (next->kind == ControlKind::TextBox || next->kind == ControlKind::ComboBox) SelectAll(next->name);
        dom::Call(next->name, "focus");
        return;
    }
}

// A page cannot close a tab that it did not open: the tab closes where the
// browser allows it, and otherwise the form gives way to a line saying that
// the program has ended; nothing of the form is left to take input.
void Form1Page::EndProgram() {
    dom::Call("window", "close");
    for (const char* section : {"choices", "companion", "target"}) dom::Set(section, "outerHTML", "");
    dom::Set("Form1", "outerHTML", std::string("<p id=\"ended\" tabindex=\"-1\">") + EscapeMarkup(kEndedText) + "</p>");
    dom::Call("ended", "focus");
}

// The box: titled "Ritmolis", the text, a red error sign for an error, an OK
// button that takes the focus; Enter or Escape closes it.
void Form1Page::ShowBox(BoxKind kind, const std::string& text) {
    focus_before_box_ = dom::Get("document", "activeElement");
    dom::Set("box-title", "textContent", kProgramTitle);
    dom::Set("box-text", "textContent", text);
    dom::SetFlag("box-sign", "hidden", kind != BoxKind::Error);
    dom::Call(kBox, "showModal");
}

// The box closed: the focus goes back where it was (the browser takes it back
// as it closes the box, before this), which is not entering that control (as
// in the window, where the focus comes back with the window's activation). As
// there, a control disabled while the box was open (Skaičiuoti, by the check
// that a write runs) cannot take it back: it goes on to the next control in
// the tab order, as a Tab would take it there.
void Form1Page::Box_Close() {
    if (focus_before_box_.empty()) return;
    if (dom::Flag(focus_before_box_, "disabled")) {
        FocusAfter(focus_before_box_);
    } else {
        dom::Call(focus_before_box_, "focus");
    }
    focus_before_box_.clear();
}

// After each calculation, whatever came of it, the address's fragment holds
// the mode and the five fields, in place of the current history entry.
void Form1Page::WriteLink() {
    Link link;
    while (!Option1Selected(link.mode)) ++link.mode;
    for (std::size_t i = 0; i < link.fields.size(); ++i) link.fields.at(i) = Text(static_cast<Field>(i));
    dom::ReplaceFragment(WriteLinkText(link));
}

void Form1Page::ReadLink() {
    const std::string fragment = dom::Get("location", "hash");
    const std::optional<Link> link = ReadLinkText(std::string_view(fragment).substr(std::min<std::size_t>(1, fragment.size())),
                                                  OptionButtons());
    if (!link) return;
    SelectOption1(link->mode);
    for (std::size_t i = 0; i < link->fields.size(); ++i) SetText(static_cast<Field>(i), link->fields.at(i));
}

// C's list closes whenever C loses the focus; C_LostFocus runs when the focus
// goes to another control of the page, not to another window or tab (then C
// stays the page's focused control).
void Form1Page::C_Blur() {
    ShowList(false);
    if (dom::Get("document", "activeElement") != "C") C_LostFocus();
}

void Form1Page::Print_Click() { dom::Call("window", "print"); }

void Form1Page::Window_Blur() {
    if (dom::Get("event", "target") == "window") parked_ = dom::Get("document", "activeElement");
}

bool Form1Page::Entered() const {
    const std::string target = dom::Get("event", "target");
    return target != parked_ && target != focus_before_box_;
}

// A field entered by a press of the mouse keeps the selection its entry made
// when the button comes up (WebKit would put the caret there).
void Form1Page::Document_MouseUp() {
    if (!selected_on_entry_.empty() && selected_on_entry_ == dom::Get("event", "target")) {
        dom::Call("event", "preventDefault");
    }
    selected_on_entry_.clear();
}

int Form1Page::ItemOfText() const {
    const std::string text = Text(Field::C);
    for (int i = 0; i < items_; ++i) {
        if (dom::Get(ItemId(i), "textContent") == text) return i;
    }
    return -1;
}

// Opening the list marks the item that C holds, if it holds one.
void Form1Page::ShowList(bool open) {
    dom::SetFlag(kList, "hidden", !open);
    dom::SetAttribute("C", "aria-expanded", open ? "true" : "false");
    if (open) {
        ChooseItem(ItemOfText());
    } else {
        dom::RemoveAttribute("C", "aria-activedescendant");
    }
}

// Marks the item as chosen in the list, and puts its text into C as a typed
// change would, which runs C_Change.
void Form1Page::ChooseItem(int index) {
    for (int i = 0; i < items_; ++i) dom::SetAttribute(ItemId(i), "aria-selected", i == index ? "true" : "false");
    chosen_ = index;
    if (index < 0) return;
    const std::string item = ItemId(index);
    dom::SetAttribute("C", "aria-activedescendant", item);
    dom::ScrollIntoView(item);
    SetText(Field::C, dom::Get(item, "textContent"));
}

// Alt+Down or F4 opens the list and Alt+Up or F4 closes it; Down and Up choose
// the next or the previous item, open or closed; Enter and Escape close an open list.
void Form1Page::C_KeyDown() {
    const std::string key = dom::Get("event", "key");
    const bool alt = dom::Flag("event", "altKey");
    const bool open = !dom::Flag(kList, "hidden");
    if ((alt && (key == "ArrowDown" || key == "ArrowUp")) || key == "F4") {
        ShowList(!open && key != "ArrowUp");
    } else if (key == "ArrowDown" || key == "ArrowUp") {
        const int from = open ? chosen_ : ItemOfText();
        const int step = key == "ArrowDown" ? 1 : -1;
        const int to = from < 0 ? (step > 0 ? 0 : items_ - 1) : std::clamp(from + step, 0, items_ - 1);
        ChooseItem(to);
    } else if (open && (key == "Enter" || key == "Escape")) {
        ShowList(false);
    } else {
        return;
    }
    dom::Call("event", "preventDefault");
}

// A press on the arrow opens or closes the list; C keeps the focus.
void Form1Page::C_ArrowDown() {
    dom::Call("event", "preventDefault");
    dom::Call("C", "focus");
    ShowList(dom::Flag(kList, "hidden"));
}

// A press on an item picks it and closes the list; C keeps the focus.
void Form1Page::C_ListDown() {
    dom::Call("event", "preventDefault");
    const std::string target = dom::Get("event", "target");
    for (int i = 0; i < items_; ++i) {
        if (target == ItemId(i)) ChooseItem(i);
    }
    ShowList(false);
}

// The page's events, each to its handler.
namespace {

struct Wiring {
    std::string_view target;  // the id of an element, or "window" or "document"
    std::string_view type;    // of the event
    void (Form1Page::*handler)();
    bool entry = false;       // a field's focus: entering it, not the focus coming back with the window
};

// Every event the page listens to, and its handler, named here once. A
// field's "input" event is any change of its text by the user: typing,
// pasting, dropping, undoing; on the form it also comes from the mode's
// option buttons, whose change clears the companion.
constexpr Wiring kWiring[] = {
    {"C", "input", &Form1Page::C_Change},
    {"C", "blur", &Form1Page::C_Blur},
    {"R1", "input", &Form1Page::R1_Change},
    {"R2", "input", &Form1Page::R2_Change},
    {"t1", "input", &Form1Page::t1_Change},
    {"t2", "input", &Form1Page::t2_Change},
    {"R1", "focus", &Form1Page::R1_GotFocus, true},
    {"R2", "focus", &Form1Page::R2_GotFocus, true},
    {"sk", "click", &Form1Page::sk_Click},
    {"sk", "click", &Form1Page::WriteLink},  // after the calculation, whatever came of it
    {"Command2", "click", &Form1Page::Command2_Click},
    {"C", "keydown", &Form1Page::C_KeyDown},
    {"C-arrow", "mousedown", &Form1Page::C_ArrowDown},
    {"C-list", "mousedown", &Form1Page::C_ListDown},
    {"box", "close", &Form1Page::Box_Close},
    {"window", "blur", &Form1Page::Window_Blur},
    {"document", "focusin", &Form1Page::Document_FocusIn},
    {"document", "mousedown", &Form1Page::Document_MouseDown},
    {"document", "mouseup", &Form1Page::Document_MouseUp},
    // Beside the form: the companion's choices, the target typed, a row of the design chosen.
    {"units", "change", &Form1Page::Units_Change},
    {"tolerance-C", "change", &Form1Page::Tolerance_Change},
    {"target-f", "input", &Form1Page::Target_Change},
    {"target-D", "input", &Form1Page::Target_Change},
    {"design", "click", &Form1Page::Design_Press},
    {"print", "click", &Form1Page::Print_Click},
};

}  // namespace

void Form1Page::WireEvents() {
    for (std::size_t i = 0; i < std::size(kWiring); ++i) dom::Listen(kWiring[i].target, kWiring[i].type, static_cast<int>(i));
    // The mode's option buttons: any change of the mode.
    for (int i = 0; i < OptionButtons(); ++i) dom::Listen(Option1Id(i), "change", -1);
}

void Form1Page::Dispatch(int line) {
    Run([this, line] {
        if (line < 0) return Companion_ModeChange();
        const Wiring& wiring = kWiring[static_cast<std::size_t>(line) % std::size(kWiring)];
        if (!wiring.entry || Entered()) (this->*wiring.handler)();
    });
}

}  // namespace ritmolis

#include "web/form1.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace ritmolis {
namespace {

using emscripten::val;

// The one form of the program; the handlers of the page's events reach it here.
Form1* the_form = nullptr;

// The line that stands in the form's place once the program has ended.
constexpr const char* kEndedText = "Ritmolis baigė darbą. Įkelkite puslapį iš naujo, kad jį vėl paleistumėte.";

// The page's element with the id.
val ById(const char* id) { return val::global("document").call<val>("getElementById", val(id)); }

struct Attribute {
    Attribute(const char* name, const char* value) : name(name), value(value) {}
    Attribute(const char* name, const std::string& value) : name(name), value(value) {}
    const char* name;
    val value;
};

// A new element of the page, with its attributes.
val Element(const char* tag, std::initializer_list<Attribute> attributes) {
    val element = val::global("document").call<val>("createElement", val(tag));
    for (const auto& [name, value] : attributes) element.call<void>("setAttribute", val(name), value);
    return element;
}

}  // namespace

// The page holds the form's controls (written in from the form's table when it
// is built); the form finds them by their names.
Form1::Form1()
    : document_(val::global("document")),
      form_(ById("Form1")),
      C(ById("C")),
      R1(ById("R1")),
      R2(ById("R2")),
      sk(ById("sk")),
      t1(ById("t1")),
      t2(ById("t2")),
      Command2(ById("Command2")),
      list_(ById("C-list")),
      box_(ById("box")),
      focus_before_box_(val::null()),
      parked_(val::null()),
      selected_on_entry_(val::null()) {
    the_form = this;
    WireEvents();
    Form_Load();
    ReadLink();
    // The form opens with the focus in C and its whole text selected, so that
    // the first keystroke replaces the prompt.
    form_.set("inert", false);
    C.call<void>("focus");
    C.call<void>("select");
    // For measuring: the time from navigation to the form ready for input.
    val::global("performance").call<void>("mark", val("Form1 ready"));
}

void Form1::Form_Load() {
    Option1(0).set("checked", true);
    for (std::size_t i = 0; i < kCItems.size(); ++i) {
        val item = Element("li", {{"id", "C-item-" + std::to_string(i)}, {"role", "option"}, {"aria-selected", "false"}});
        item.set("textContent", FormatNumber(kCItems[i]));
        list_.call<void>("append", item);
    }
    sk.set("disabled", true);
}

namespace {

// The fragment's names of the mode and of the fields, in the form's order.
constexpr const char* kModeName = "m";
constexpr std::array<std::pair<Field, const char*>, 5> kLinkFields{
    {{Field::C, "C"}, {Field::R1, "R1"}, {Field::R2, "R2"}, {Field::t1, "t1"}, {Field::t2, "t2"}}};

}  // namespace

void Form1::WriteLink() {
    int mode = 0;
    while (!Option1Selected(mode)) ++mode;
    val link = val::global("URLSearchParams").new_();
    link.call<void>("append", val(kModeName), val(std::to_string(mode)));
    for (const auto& [field, name] : kLinkFields) link.call<void>("append", val(name), val(Text(field)));
    val::global("history").call<void>("replaceState", val::null(), val(""),
                                       val("#" + link.call<std::string>("toString")));
}

void Form1::ReadLink() {
    const std::string fragment = val::global("location")["hash"].as<std::string>();
    if (fragment.size() < 2) return;
    val link = val::global("URLSearchParams").new_(val(fragment.substr(1)));
    // Exactly the six names, each once, and the number of one of the modes.
    const auto names = val::global("Array").call<val>("from", link.call<val>("keys"))["length"].as<std::size_t>();
    if (names != 1 + kLinkFields.size()) return;
    const val mode = link.call<val>("get", val(kModeName));
    if (mode.isNull()) return;
    const std::string number = mode.as<std::string>();
    const int modes = document_.call<val>("querySelectorAll", val("#Form1 input[name=Option1]"))["length"].as<int>();
    if (number.size() != 1 || number[0] < '0' || number[0] >= '0' + modes) return;
    for (const auto& [field, name] : kLinkFields) {
        if (link.call<val>("get", val(name)).isNull()) return;
    }
    Option1(number[0] - '0').set("checked", true);
    for (const auto& [field, name] : kLinkFields) SetText(field, link.call<val>("get", val(name)).as<std::string>());
}

// C's list closes whenever C loses the focus; C_LostFocus runs when the focus
// goes to another control of the page, not to another window or tab (then C
// stays the page's focused control).
void Form1::C_Blur() {
    ShowList(false);
    if (!document_["activeElement"].strictlyEquals(C)) C_LostFocus();
}

val Form1::Control(Field field) const {
    switch (field) {
    case Field::C: return C;
    case Field::R1: return R1;
    case Field::R2: return R2;
    case Field::t1: return t1;
    case Field::t2: break;
    }
    return t2;
}

std::string Form1::Text(Field field) const { return Control(field)["value"].as<std::string>(); }

// Setting a control's value raises no event on a page, so a write that changes
// the text runs the field's change handler itself, as typing does.
void Form1::SetText(Field field, const std::string& text) {
    if (Text(field) == text) return;
    Control(field).set("value", text);
    Companion_Clear();
    switch (field) {
    case Field::C: C_Change(); break;
    case Field::R1: R1_Change(); break;
    case Field::R2: R2_Change(); break;
    case Field::t1: t1_Change(); break;
    case Field::t2: t2_Change(); break;
    }
}

bool Form1::Option1Selected(int index) const { return Option1(index)["checked"].as<bool>(); }

val Form1::Option1(int index) const {
    return document_.call<val>("querySelectorAll", val("#Form1 input[name=Option1]"))[index];
}

// As in the window, a focused Skaičiuoti that is disabled (by a calculation's
// own writes) hands the focus on at once to the next control in tab order,
// rather than leaving it to the browser, which drops it on no control some
// time later.
void Form1::SetSkEnabled(bool enabled) {
    const bool focused = document_["activeElement"].strictlyEquals(sk);
    sk.set("disabled", !enabled);
    if (!enabled && focused) FocusAfter(sk);
}

void Form1::FocusAfter(const val& control) {
    val controls = form_.call<val>("querySelectorAll", val("input, button"));
    bool after = false;
    for (int i = 0; i < controls["length"].as<int>(); ++i) {
        val next = controls[i];
        if (after && !next["disabled"].isTrue()) {
            // Entered as by Tab: a text field's whole text selected.
            if (next["type"].as<std::string>() == "text") SelectAll(next);
            next.call<void>("focus");
            return;
        }
        after = after || next.strictlyEquals(control);
    }
}

void Form1::ShowMessage(const std::string& text) { ShowBox(false, text); }

// A page cannot close a tab that it did not open: the tab closes where the
// browser allows it, and otherwise the form gives way to a line saying that
// the program has ended; nothing of the form is left to take input.
void Form1::EndProgram() {
    Companion_Clear();
    val::global("window").call<void>("close");
    val ended = Element("p", {{"id", "ended"}, {"tabindex", "-1"}});
    ended.set("textContent", val::u8string(kEndedText));
    form_.call<void>("replaceWith", ended);
    ended.call<void>("focus");
}

// The box: titled "Ritmolis", the text, a red error sign for an error, an OK
// button that takes the focus; Enter or Escape closes it.
void Form1::ShowBox(bool error, const std::string& text) {
    focus_before_box_ = document_["activeElement"];
    ById("box-title").set("textContent", kProgramTitle);
    ById("box-text").set("textContent", text);
    ById("box-sign").set("hidden", !error);
    box_.call<void>("showModal");
}

// The box closed: the focus goes back where it was. As in the window, a control
// disabled while the box was open (Skaičiuoti, by the check that a write runs)
// cannot take it back: it goes on to the next control in the tab order (the
// page's order), as a Tab would take it there.
void Form1::Box_Close() {
    val back = focus_before_box_;
    focus_before_box_ = val::null();
    if (back.isNull() || back.isUndefined()) return;
    if (back["disabled"].isTrue()) {
        FocusAfter(back);
    } else {
        back.call<void>("focus");
    }
}

void Form1::Window_Blur(const val& event) {
    if (event["target"].strictlyEquals(val::global("window"))) parked_ = document_["activeElement"];
}

void Form1::SelectAll(const val& field) {
    field.call<void>("setSelectionRange", 0, field["value"]["length"]);
    selected_on_entry_ = field;
}

void Form1::Document_MouseUp(const val& event) {
    if (selected_on_entry_.strictlyEquals(event["target"])) event.call<void>("preventDefault");
    selected_on_entry_ = val::null();
}

int Form1::ItemCount() const { return list_["children"]["length"].as<int>(); }

int Form1::ItemOfText() const {
    const std::string text = Text(Field::C);
    for (int i = 0; i < ItemCount(); ++i) {
        if (list_["children"][i]["textContent"].as<std::string>() == text) return i;
    }
    return -1;
}

// Opening the list marks the item that C holds, if it holds one.
void Form1::ShowList(bool open) {
    list_.set("hidden", !open);
    C.call<void>("setAttribute", val("aria-expanded"), val(open ? "true" : "false"));
    if (open) {
        ChooseItem(ItemOfText());
    } else {
        C.call<void>("removeAttribute", val("aria-activedescendant"));
    }
}

// Marks the item as chosen in the list, and puts its text into C as a typed
// change would, which runs C_Change.
void Form1::ChooseItem(int index) {
    for (int i = 0; i < ItemCount(); ++i) {
        list_["children"][i].call<void>("setAttribute", val("aria-selected"), val(i == index ? "true" : "false"));
    }
    chosen_ = index;
    if (index < 0) return;
    val item = list_["children"][index];
    C.call<void>("setAttribute", val("aria-activedescendant"), item["id"]);
    val where = val::object();
    where.set("block", "nearest");
    item.call<void>("scrollIntoView", where);
    SetText(Field::C, item["textContent"].as<std::string>());
}

// Alt+Down or F4 opens the list and Alt+Up or F4 closes it; Down and Up choose
// the next or the previous item, open or closed; Enter and Escape close an open list.
void Form1::C_KeyDown(const val& event) {
    const std::string key = event["key"].as<std::string>();
    const bool alt = event["altKey"].as<bool>();
    const bool open = !list_["hidden"].as<bool>();
    if ((alt && (key == "ArrowDown" || key == "ArrowUp")) || key == "F4") {
        ShowList(!open && key != "ArrowUp");
    } else if (key == "ArrowDown" || key == "ArrowUp") {
        const int from = open ? chosen_ : ItemOfText();
        const int step = key == "ArrowDown" ? 1 : -1;
        const int to = from < 0 ? (step > 0 ? 0 : ItemCount() - 1) : std::clamp(from + step, 0, ItemCount() - 1);
        ChooseItem(to);
    } else if (open && (key == "Enter" || key == "Escape")) {
        ShowList(false);
    } else {
        return;
    }
    event.call<void>("preventDefault");
}

// A press on the arrow opens or closes the list; C keeps the focus.
void Form1::C_ArrowDown(const val& event) {
    event.call<void>("preventDefault");
    C.call<void>("focus");
    ShowList(list_["hidden"].as<bool>());
}

// A press on an item picks it and closes the list; C keeps the focus.
void Form1::C_ListDown(const val& event) {
    event.call<void>("preventDefault");
    val item = event["target"].call<val>("closest", val("li"));
    if (item.isNull()) return;
    for (int i = 0; i < ItemCount(); ++i) {
        if (list_["children"][i].strictlyEquals(item)) ChooseItem(i);
    }
    ShowList(false);
}

// The page's events, each to its handler.
namespace {

template <void (Form1::*handler)()>
void Handle(const val& /*event*/) {
    the_form->Run([] { (the_form->*handler)(); });
}

// Entering a field, not the focus coming back to it with the page's window.
template <void (Form1::*handler)()>
void HandleEntry(const val& event) {
    if (!the_form->ComesBack(event)) Handle<handler>(event);
}

template <void (Form1::*handler)(const val&)>
void HandleEvent(const val& event) {
    the_form->Run([&event] { (the_form->*handler)(event); });
}

struct Wiring {
    const char* target;  // the id of an element, or "window" or "document"
    const char* type;    // of the event
    void (*handle)(const val& event);
};

// Every event the page listens to, and its handler, named here once. A
// field's "input" event is any change of its text by the user: typing,
// pasting, dropping, undoing.
constexpr Wiring kWiring[] = {
    {"C", "input", Handle<&Form1::C_Change>},
    {"C", "blur", Handle<&Form1::C_Blur>},
    {"R1", "input", Handle<&Form1::R1_Change>},
    {"R2", "input", Handle<&Form1::R2_Change>},
    {"t1", "input", Handle<&Form1::t1_Change>},
    {"t2", "input", Handle<&Form1::t2_Change>},
    {"R1", "focus", HandleEntry<&Form1::R1_GotFocus>},
    {"R2", "focus", HandleEntry<&Form1::R2_GotFocus>},
    {"sk", "click", Handle<&Form1::sk_Click>},
    {"sk", "click", Handle<&Form1::WriteLink>},  // after the calculation, whatever came of it
    {"Command2", "click", Handle<&Form1::Command2_Click>},
    {"C", "keydown", HandleEvent<&Form1::C_KeyDown>},
    {"C-arrow", "mousedown", HandleEvent<&Form1::C_ArrowDown>},
    {"C-list", "mousedown", HandleEvent<&Form1::C_ListDown>},
    {"box", "close", Handle<&Form1::Box_Close>},
    {"window", "blur", HandleEvent<&Form1::Window_Blur>},
    {"document", "focusin", Handle<&Form1::Document_FocusIn>},
    {"document", "mousedown", Handle<&Form1::Document_MouseDown>},
    {"document", "mouseup", HandleEvent<&Form1::Document_MouseUp>},
    {"Form1", "input", Handle<&Form1::Companion_Clear>},   // any field typed into
    {"Form1", "change", Handle<&Form1::Companion_Clear>},  // and the mode
};

// The one function the page's listeners call: the handler of line `wiring` of the list.
void Dispatch(std::size_t wiring, const val& event) {
    if (wiring < std::size(kWiring)) kWiring[wiring].handle(event);
}

}  // namespace

// Each listener is Dispatch bound to its line of the list (bind makes a
// function without compiling any code, which the page's policy forbids).
void Form1::WireEvents() {
    const val dispatch = val::module_property("Dispatch");
    for (std::size_t i = 0; i < std::size(kWiring); ++i) {
        const std::string_view target = kWiring[i].target;
        const val element = target == "window"     ? val::global("window")
                            : target == "document" ? document_
                                                   : ById(kWiring[i].target);
        element.call<void>("addEventListener", val(kWiring[i].type), dispatch.call<val>("bind", val::null(), i));
    }
}

}  // namespace ritmolis

EMSCRIPTEN_BINDINGS(form1) { emscripten::function("Dispatch", &ritmolis::Dispatch); }

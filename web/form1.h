// The program's one form, Form1, over the controls of the page (page.html,
// where they are written from the form's table, logic/form_controls.h, when
// the page is built): the form state the calculator works on, and the wiring
// of the page's events to the calculator, as in the desktop window. Each event
// handler is a line or two that calls the logic; the form itself computes
// nothing.
//
// The page is reached through emscripten's val; the events come to the
// handlers through one function that the module exports (form1.cpp, from the
// list that names each event's handler once), so that the page needs no script
// of its own.
//
// Errors that escape a handler are caught in one place (Run) and shown in a
// box; no exception ever reaches the browser.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "logic/companion.h"
#include "logic/form_state.h"

namespace ritmolis {

// The title of the program's message boxes.
inline constexpr const char* kProgramTitle = "Ritmolis";

class Form1 : public FormState {
public:
    // Finds the controls of the page, wires their events and runs Form_Load.
    Form1();

    [[nodiscard]] std::string Text(Field field) const override;
    void SetText(Field field, const std::string& text) override;
    [[nodiscard]] bool Option1Selected(int index) const override;
    void SetSkEnabled(bool enabled) override;
    // A modal dialog does not block the caller as the desktop's box does; the
    // logic shows a message only as the last thing a handler does, and the
    // dialog takes all input until it is closed, so the effect is the same.
    void ShowMessage(const std::string& text) override;
    void EndProgram() override;

    // The event handlers, run by the page's events.
    void C_Change() { CheckInputs(*this); }
    void C_LostFocus() { CheckInputs(*this); }
    void R1_Change() { CheckInputs(*this); }
    void R2_Change() { CheckInputs(*this); }
    void t1_Change() { CheckInputs(*this); }
    void t2_Change() { CheckInputs(*this); }
    void R1_GotFocus() { SelectAll(R1); }
    void R2_GotFocus() { SelectAll(R2); }
    void sk_Click() {
        ritmolis::sk_Click(*this);
        ShowCompanion(DescribeCalculation(*this));
    }
    // Any change of a field or the mode: the companion no longer belongs to the form.
    void Companion_Clear() { ShowCompanion(Companion{}); }
    void Command2_Click() { EndProgram(); }
    // After each calculation, the address's fragment holds the mode and the
    // five fields (#m=0&C=…&R1=…&R2=…&t1=…&t2=…), in place of the current
    // history entry: a link that opens the page with them (ReadLink).
    void WriteLink();

    // C's drop-down list, which the page draws itself: keys in C, a click on
    // its arrow, a pick from its list.
    void C_KeyDown(const emscripten::val& event);
    void C_Blur();
    void C_ArrowDown(const emscripten::val& event);
    void C_ListDown(const emscripten::val& event);
    // The message box closed: the focus goes back where it was.
    void Box_Close();
    // While another window or tab has the focus, the page's focused control
    // keeps its place; the focus coming back to it is not entering it.
    void Window_Blur(const emscripten::val& event);
    void Document_FocusIn() { parked_ = emscripten::val::null(); }
    // A field entered by a press of the mouse keeps the selection its entry
    // made when the button comes up (WebKit would put the caret there).
    void Document_MouseDown() { selected_on_entry_ = emscripten::val::null(); }
    void Document_MouseUp(const emscripten::val& event);
    [[nodiscard]] bool ComesBack(const emscripten::val& event) const { return parked_.strictlyEquals(event["target"]); }

    // Runs a handler; an error it raises is shown in a box, and the program goes on.
    template <class Handler>
    void Run(Handler handler);

private:
    void WireEvents();
    void Form_Load();
    // A page opened with a fragment that WriteLink wrote starts with its
    // values, as if the user chose the mode and typed them; any other fragment
    // is left alone. The values only ever become the fields' text.
    void ReadLink();
    void ShowBox(bool error, const std::string& text);
    // The companion below the form (companion_panel.cpp): filled, or hidden and emptied.
    void ShowCompanion(const Companion& companion);
    void SelectAll(const emscripten::val& field);
    // Moves the focus to the first enabled control after `control` in tab order.
    void FocusAfter(const emscripten::val& control);
    [[nodiscard]] emscripten::val Control(Field field) const;
    // The option button Option1(index), of those the page holds in the order of the form's table.
    [[nodiscard]] emscripten::val Option1(int index) const;
    // The list of C: open or closed, and the item shown as chosen (-1: none).
    void ShowList(bool open);
    void ChooseItem(int index);
    [[nodiscard]] int ItemCount() const;
    [[nodiscard]] int ItemOfText() const;

    emscripten::val document_;
    emscripten::val form_;
    emscripten::val C;
    emscripten::val R1;
    emscripten::val R2;
    emscripten::val sk;
    emscripten::val t1;
    emscripten::val t2;
    emscripten::val Command2;
    emscripten::val list_;
    emscripten::val box_;
    emscripten::val focus_before_box_;
    emscripten::val parked_;
    emscripten::val selected_on_entry_;
    int chosen_ = -1;
    bool companion_shown_ = false;
};

template <class Handler>
void Form1::Run(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowBox(true, error.what());
    }
}

}  // namespace ritmolis

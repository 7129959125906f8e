// The program's one form on a page: Form1 (logic/form1.h) over the page's
// controls, which the build writes into the page from the form's table
// (form_page.cpp). It shows what the form's handlers decide and sends the
// page's events to them (the list kWiring in form1.cpp names each event's
// handler once), through the page's operations (dom.h).
//
// What a page needs beyond the window, and the window has from its toolkit:
// C's drop-down list, drawn by the page itself; a box that gives the focus
// back when it closes; the focus coming back with the page's window, which
// is not entering a field; and the link that a calculation writes into the
// address (link.h), from which a page opens with its values.
#pragma once

#include <string>
#include <string_view>

#include "logic/form1.h"

namespace ritmolis {

class Form1Page : public Form1 {
public:
    // Wires the page's events, runs Form_Load and the link the page was
    // opened with, and gives C the focus.
    Form1Page();

    [[nodiscard]] std::string Text(Field field) const override;
    [[nodiscard]] bool Option1Selected(int index) const override;
    void SetSkEnabled(bool enabled) override;
    void EndProgram() override;

    // Handlers of the page's own events (kWiring).
    void WriteLink();
    void C_KeyDown();
    void C_Blur();
    void C_ArrowDown();
    void C_ListDown();
    void Box_Close();
    void Window_Blur();
    void Document_FocusIn() { parked_.clear(); }
    void Document_MouseDown() { selected_on_entry_.clear(); }
    void Document_MouseUp();
    void Design_Press();
    // The browser's printing, which prints the sheet (Ctrl+P does the same).
    void Print_Click();
    // Entering a field, not the focus coming back to it with the page's
    // window or from a box.
    [[nodiscard]] bool Entered() const;

    // The handler of line `line` of the page's list of events, run as the
    // form runs its handlers: an error becomes a box.
    void Dispatch(int line);

private:
    void WireEvents();
    // A page opened with a fragment that WriteLink wrote starts with its
    // values, as if the user chose the mode and typed them; any other fragment
    // is left alone. The values only ever become the fields' text.
    void ReadLink();

    // An input's value, set without an event (the form runs the handler), and
    // its selection, which the mouse's button must not undo when it comes up.
    void ShowText(Field field, const std::string& text) override;
    void Select(Field field, int start, int length) override;
    void SelectAll(std::string_view id);
    // Moves the focus to the first enabled control after `id` in tab order.
    void FocusAfter(std::string_view id);

    // A radio button of the mode.
    void SelectOption1(int index) override;

    // C's list, which the page draws itself: its items, open or closed, and
    // the item shown as chosen (-1: none).
    void AddCItem(const std::string& text) override;
    void ShowList(bool open);
    void ChooseItem(int index);
    [[nodiscard]] int ItemOfText() const;

    // A <dialog>, modal: it does not block the caller as the desktop's box
    // does, but the logic shows a message only as the last thing a handler
    // does, and the dialog takes all input until it is closed, so the effect
    // is the same.
    void ShowBox(BoxKind kind, const std::string& text) override;
    // The sections below the form (companion_panel.cpp).
    void ShowCompanion(const Companion& companion) override;
    [[nodiscard]] CompanionSettings Settings() const override;
    [[nodiscard]] std::string TargetText(bool frequency) const override;
    void ShowDesign(const Design& design) override;

    int items_ = 0;      // in C's list
    int chosen_ = -1;
    std::string focus_before_box_;  // the control's id, while a box is open and until its closing is handled
    std::string parked_;            // the focused control while another window has the focus
    std::string selected_on_entry_;
};

}  // namespace ritmolis

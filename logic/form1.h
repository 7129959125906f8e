// The program's one form, Form1, as every front end shares it: its event
// handlers, each written once here, what they run, the companion's rules and
// the one place where an error becomes a box. A front end (the Qt window, the
// page) derives from it and says only how its controls show a text, the
// button's state, a selection, a box and the companion, and sends its
// controls' events to the handlers below; it decides nothing of its own.
//
// It keeps one thing between events: the companion it last showed. The form's
// own state stays in the controls (FormState).
#pragma once

#include <array>
#include <exception>
#include <string>

#include "logic/companion.h"
#include "logic/design.h"
#include "logic/form_state.h"

namespace ritmolis {

// The program's name: the title of its boxes and of its version record.
inline constexpr const char* kProgramTitle = "Ritmolis";

// A box with the program's own message and no sign, or with an error's text and an error's sign.
enum class BoxKind { Message, Error };

class Form1 : public FormState {
public:
    // A write that changes the field's text runs that field's change handler
    // before it returns, exactly as typing does. A front end's toolkit that
    // raises a change event of its own for a write must not pass it on
    // (ShowText): the handler would run twice.
    void SetText(Field field, const std::string& text) final;
    void ShowMessage(const std::string& text) final;

    // The form's handlers, named after their control and event. None throws:
    // an error leaves the handler at once and a box shows it (for an error
    // that is not one of the calculator's own, a Lithuanian text of the
    // program's, never a library's), and the program goes on.
    void Form_Load();
    void C_Change();
    void C_LostFocus();
    void R1_Change();
    void R2_Change();
    void t1_Change();
    void t2_Change();
    void R1_GotFocus();
    void R2_GotFocus();
    void sk_Click();
    void Command2_Click();

    // The change handler of each field, in the order of Field.
    static constexpr std::array kChangeHandlers{&Form1::C_Change, &Form1::R1_Change, &Form1::R2_Change,
                                                &Form1::t1_Change, &Form1::t2_Change};

    // Beside the form: the mode changed (the option buttons run none of the
    // form's code), so the companion no longer belongs to what the form shows.
    void Companion_ModeChange();
    // The companion's own controls: the units chosen, C's tolerance chosen,
    // the target's f or D typed, and the choice of a row of the design, which
    // writes the mode "sužinoti R1 ir R2", C, t1 and t2 into the form as a
    // user would: the mode clicked, the fields typed (so that their checks run).
    void Units_Change();
    void Tolerance_Change();
    void Target_Change();
    void Design_Click(std::size_t row);

    // What the companion shows: the last calculation that raised no error,
    // while no field and no mode has changed since; otherwise nothing.
    [[nodiscard]] const Companion& companion() const { return companion_; }
    // The design for the target as last typed.
    [[nodiscard]] const Design& design() const { return design_; }

protected:
    Form1() = default;

    // Runs a handler, the form's own or a front end's: an error it raises
    // leaves it at once and a box then tells the user. A handler run by a
    // write inside another (a field's change event) is part of that event: its
    // error goes on up to the handler the event started with.
    template <class Body>
    void Run(Body body) {
        if (running_) return body();
        running_ = true;
        std::exception_ptr error;
        try {
            body();
        } catch (...) {
            error = std::current_exception();
        }
        running_ = false;
        if (error) ShowError(error);
    }

    // The front end's part. Shows the text in the field's control, raising no
    // change event (SetText runs the handler).
    virtual void ShowText(Field field, const std::string& text) = 0;
    // Selects the option button Option1(index); its group clears the others.
    virtual void SelectOption1(int index) = 0;
    // Appends an item to the end of C's list, leaving C's text as it is.
    virtual void AddCItem(const std::string& text) = 0;
    // Selects `length` characters of the field's text from `start`, counted as
    // the toolkit counts them (UTF-16 units).
    virtual void Select(Field field, int start, int length) = 0;
    // A modal box titled kProgramTitle with the text and an OK button.
    virtual void ShowBox(BoxKind kind, const std::string& text) = 0;
    // Shows the companion beside the form, or hides and empties it when it has
    // nothing calculated; its captions in its units.
    virtual void ShowCompanion(const Companion& companion) = 0;
    // The choices of the companion's controls (the first choices, where it has
    // no controls yet).
    [[nodiscard]] virtual CompanionSettings Settings() const = 0;
    // The target's field as typed: f (true) or D.
    [[nodiscard]] virtual std::string TargetText(bool frequency) const = 0;
    // Shows the design: its sentence, or its rows with the proposed one
    // marked; its captions in its units.
    virtual void ShowDesign(const Design& design) = 0;

private:
    // The box of an error, once the error is done with.
    void ShowError(const std::exception_ptr& error) noexcept;
    // The companion from now on; a front end hears only of a change.
    void Show(Companion companion);
    // Nothing calculated, in the units chosen.
    [[nodiscard]] Companion Cleared() const;
    // What every change handler runs: the companion is cleared, the check runs.
    void Changed();
    void SelectWhole(Field field);

    Companion companion_;
    Design design_;
    bool running_ = false;  // a handler is running: one started by a write is part of it
};

}  // namespace ritmolis

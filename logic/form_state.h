// The form as the calculator sees it: the texts of its five fields, the selected
// mode, the enabled flag of the calculate button, a message box and the end of
// the program. It is the logic's only way to the window; the window implements
// it over real controls, and tests over plain strings.
//
// The form state holds no numbers: every value lives as text in its field and
// is read again whenever it is needed.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ritmolis {

// The five fields, named as the controls that hold them.
enum class Field { C, R1, R2, t1, t2 };
inline constexpr std::array<std::string_view, 5> kFieldNames{"C", "R1", "R2", "t1", "t2"};  // in the order of Field

// The values of C's drop-down list, in the order the form appends them.
inline constexpr std::array<double, 13> kCItems{1.0, 2.2, 4.7, 10.0, 22.0, 33.0, 47.0,
                                                100.0, 220.0, 330.0, 470.0, 1000.0, 1500.0};

class FormState {
public:
    virtual ~FormState() = default;

    // The field's text, in UTF-8.
    [[nodiscard]] virtual std::string Text(Field field) const = 0;

    // Writes the field's text. A write that changes the text raises the field's
    // change notification before it returns, exactly as typing does, so the
    // input check runs nested inside a calculation.
    virtual void SetText(Field field, const std::string& text) = 0;

    // Whether the option button Option1(index) is selected: index 0 is
    // "sužinoti T", index 1 "sužinoti R1 ir R2".
    [[nodiscard]] virtual bool Option1Selected(int index) const = 0;

    // Enables or disables the calculate button `sk`.
    virtual void SetSkEnabled(bool enabled) = 0;

    // Shows a modal box with the text and an OK button, titled with the
    // program's name; returns when the user closes it.
    virtual void ShowMessage(const std::string& text) = 0;

    // Ends the program at once.
    virtual void EndProgram() = 0;

protected:
    FormState() = default;
    FormState(const FormState&) = default;
    FormState& operator=(const FormState&) = default;
};

}  // namespace ritmolis

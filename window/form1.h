// The program's one window, Form1: fourteen controls over Qt Widgets, the form
// state the calculator works on, and the wiring of control events to the
// calculator. Each event handler is a line or two that calls the logic; the
// window itself computes nothing.
//
// Errors that escape a handler are caught in one place (Run) and shown in a
// box; no exception ever reaches Qt's event loop.
#pragma once

#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

#include "logic/form_state.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ritmolis {

// The title of the program's message boxes.
inline constexpr const char* kProgramTitle = "Ritmolis";

class Form1 : public QWidget, public FormState {
    Q_OBJECT

public:
    // `end_program` ends the program; by default it leaves the event loop with
    // status 0.
    explicit Form1(std::function<void()> end_program = {});

    [[nodiscard]] std::string Text(Field field) const override;
    void SetText(Field field, const std::string& text) override;
    [[nodiscard]] bool Option1Selected(int index) const override;
    void SetSkEnabled(bool enabled) override;
    void ShowMessage(const std::string& text) override;
    void EndProgram() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of the form's table (logic/form_controls.h), in tab order.
    void CreateControls();
    void WireEvents();

    // The event handlers.
    void Form_Load();
    void C_Change() { CheckInputs(*this); }
    void C_LostFocus() { CheckInputs(*this); }
    void R1_Change() { CheckInputs(*this); }
    void R2_Change() { CheckInputs(*this); }
    void t1_Change() { CheckInputs(*this); }
    void t2_Change() { CheckInputs(*this); }
    void R1_GotFocus();
    void R2_GotFocus();
    void sk_Click() { ritmolis::sk_Click(*this); }
    void Command2_Click() { EndProgram(); }

    // Runs a handler; an error it raises is shown in a box, and the program goes on.
    void Run(void (Form1::*handler)());
    // A modal box titled with the program's name, with an OK button; `icon` is a QMessageBox::Icon.
    void ShowBox(int icon, const std::string& text);

    QLineEdit* Edit(Field field) const;
    // The form's control of that name.
    template <class Widget>
    Widget* Find(std::string_view name) const;

    std::function<void()> end_program_;
    QComboBox* C = nullptr;
    QLineEdit* R1 = nullptr;
    QLineEdit* R2 = nullptr;
    QPushButton* sk = nullptr;
    QLineEdit* t1 = nullptr;
    QLineEdit* t2 = nullptr;
    QPushButton* Command2 = nullptr;
    std::vector<QRadioButton*> Option1;  // the option buttons of the table, in its order
    // The field whose entry by a mouse press has just selected its text: that
    // press must not put the caret down and undo the selection.
    QLineEdit* entered_by_press_ = nullptr;
};

}  // namespace ritmolis

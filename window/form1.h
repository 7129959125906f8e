// The program's one window: the form Form1 (logic/form1.h) over Qt Widgets,
// its fourteen controls made from the form's table (logic/form_controls.h).
// It shows what the form's handlers decide and sends its controls' events to
// them; it decides nothing itself. F1 opens the companion beside it
// (companion_window.h).
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "logic/form1.h"
#include "window/companion_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ritmolis {

class Form1Window : public QWidget, public Form1 {
    Q_OBJECT

public:
    // `end_program` ends the program; by default it leaves the event loop with
    // status 0.
    explicit Form1Window(std::function<void()> end_program = {});

    [[nodiscard]] std::string Text(Field field) const override;
    [[nodiscard]] bool Option1Selected(int index) const override;
    void SetSkEnabled(bool enabled) override;
    void EndProgram() override;

protected:
    // A field's line edit: Qt signals the form's own writes as it signals
    // typing, and the signal then runs nothing (WireEvents).
    void ShowText(Field field, const std::string& text) override;
    void Select(Field field, int start, int length) override;
    // The combo box's list, and the option buttons' group.
    void AddCItem(const std::string& text) override;
    void SelectOption1(int index) override;
    // A QMessageBox over the window, modal; the companion in the second
    // window, once F1 has made it, with its choices and its target.
    void ShowBox(BoxKind kind, const std::string& text) override;
    void ShowCompanion(const Companion& companion) override;
    [[nodiscard]] CompanionSettings Settings() const override;
    [[nodiscard]] std::string TargetText(bool frequency) const override;
    void ShowDesign(const Design& design) override;

    // Entering R1 or R2 and leaving C: the form's focus handlers.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of the form's table, in tab order.
    void CreateControls();
    void WireEvents();

    // The form's control of that name.
    template <class Widget>
    Widget* Find(std::string_view name) const;
    // The control that holds the field (C's combo box, the other fields' line edits) and its text.
    [[nodiscard]] QWidget* FieldControl(Field field) const { return fields_.at(static_cast<std::size_t>(field)); }
    [[nodiscard]] QLineEdit* Edit(Field field) const;

    std::function<void()> end_program_;
    CompanionLink* companion_ = nullptr;  // F1's second window
    std::array<QWidget*, 5> fields_{};    // in the order of Field
    QComboBox* C = nullptr;
    QPushButton* sk = nullptr;
    QPushButton* Command2 = nullptr;
    std::vector<QRadioButton*> Option1;  // the option buttons of the table, in its order
    bool writing_ = false;  // the form writes a field's text (ShowText)
    // The field whose entry by a mouse press has just selected its text: that
    // press must not put the caret down and undo the selection.
    QLineEdit* entered_by_press_ = nullptr;
};

}  // namespace ritmolis

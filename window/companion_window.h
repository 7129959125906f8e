// The form's companion on the desktop: a second, non-modal window "Ritmolis —
// schema" beside the form. Above, the choices of the units and of C's
// tolerance; then two pages: the calculation (the schematic, the timing
// diagram, the formulas, the frequency, the duty cycle, the notes of a real
// 555's limits and, in the mode "sužinoti R1 ir R2", the nearest standard
// parts with their spread) and the design from a target (f and D typed, a row
// for each C of the list, each with a button that writes it into the form).
// It shows what the form (logic/form1.h) gives it and sends its controls'
// events to the form's handlers; it decides nothing itself.
//
// CompanionLink ties it to the form: F1 on the form opens it, F1 or Escape in
// it closes it. It is made the first time F1 asks for it, so that at start the
// program is one window; until then the form's companion has its first
// choices and no target. Its button "Spausdinti…", or Ctrl+P, prints the
// sheet through the system's print dialog (which can also print to a PDF file).
#pragma once

#include <QObject>
#include <QWidget>
#include <vector>

#include "logic/companion.h"
#include "logic/design.h"
#include "logic/form1.h"

class QComboBox;
class QPrinter;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace ritmolis {

class DrawingView;

class CompanionWindow : public QWidget {
    Q_OBJECT

public:
    CompanionWindow(QWidget* form, Form1& logic);
    void Show(const Companion& companion);
    void ShowDesign(const Design& design);
    [[nodiscard]] CompanionSettings Settings() const;
    [[nodiscard]] QString TargetText(bool frequency) const;
    // As F1 opens it: a calculation shown, on its page with the focus on f;
    // otherwise on the design's, with the focus on the target's f.
    void Present(bool calculated);
    // The sheet (logic/sheet.h) of what it shows, on the printer, inside the
    // page's margins, at the printer's own resolution.
    void PrintSheet(QPrinter& printer) const;
    // How the sheet is laid on a page: portrait, with margins of 15 mm,
    // named after the program; a print dialog may change it.
    static void PrepareForSheet(QPrinter& printer);

private:
    QWidget* Choices(Form1& logic);
    QWidget* CalculationPage();
    QWidget* DesignPage(Form1& logic);
    void Grow();
    // The system's print dialog, then the sheet on the printer chosen.
    void Print();

    QWidget* form_;
    std::vector<QRadioButton*> units_;  // in the order of Units
    QComboBox* tolerance_ = nullptr;
    QLabel* nothing_ = nullptr;
    DrawingView* schematic_ = nullptr;
    QLabel* timing_caption_ = nullptr;
    DrawingView* timing_ = nullptr;
    QLabel* f_label_ = nullptr;
    QLineEdit* f_ = nullptr;
    QLineEdit* D_ = nullptr;
    QLabel* notes_ = nullptr;
    QLabel* standard_caption_ = nullptr;
    QTableWidget* E_ = nullptr;
    QLabel* target_f_label_ = nullptr;
    QLineEdit* target_f_ = nullptr;
    QLineEdit* target_D_ = nullptr;
    QLabel* message_ = nullptr;
    QTableWidget* design_ = nullptr;
    QLabel* design_notes_ = nullptr;
    Form1* logic_ = nullptr;
    bool calculated_ = false;  // what it shows
};

class CompanionLink : public QObject {
    Q_OBJECT

public:
    // Listens to F1 on the form; `logic` is the form whose companion it shows.
    CompanionLink(QWidget* form, Form1& logic);

    // What the window shows now, if it has been made.
    void Show(const Companion& companion);
    void ShowDesign(const Design& design);
    // The window's choices and target, or the first ones while it is not made.
    [[nodiscard]] CompanionSettings Settings() const;
    [[nodiscard]] std::string TargetText(bool frequency) const;
    // F1: opens the window beside the form, or closes it.
    void Toggle();

private:
    QWidget* form_;
    Form1& logic_;
    CompanionWindow* window_ = nullptr;  // a child of the form, made when first asked for
};

}  // namespace ritmolis

// The form's companion on the desktop: a second, non-modal window "Ritmolis —
// schema" beside the form with the schematic, the timing diagram, the
// formulas and their units, the frequency, the duty cycle and, in the mode
// "sužinoti R1 ir R2", the nearest standard parts (logic/companion.h).
//
// CompanionLink ties it to the form: F1 on the form opens it, F1 or Escape in
// it closes it. It is made the first time F1 asks for it, so that at start the
// program is one window. It shows what the form decides the companion shows
// (Form1::companion()), and follows it while it is open.
#pragma once

#include <QObject>
#include <QWidget>

#include "logic/companion.h"
#include "logic/form1.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace ritmolis {

class DrawingView;

class CompanionWindow : public QWidget {
    Q_OBJECT

public:
    explicit CompanionWindow(QWidget* form);
    void Show(const Companion& companion);

private:
    QWidget* form_;
    QLabel* nothing_ = nullptr;
    DrawingView* schematic_ = nullptr;
    QLabel* timing_caption_ = nullptr;
    DrawingView* timing_ = nullptr;
    QLineEdit* f_ = nullptr;
    QLineEdit* D_ = nullptr;
    QLabel* standard_caption_ = nullptr;
    QTableWidget* E_ = nullptr;
};

class CompanionLink : public QObject {
    Q_OBJECT

public:
    // Listens to F1 on the form; `logic` is the form whose companion it shows.
    CompanionLink(QWidget* form, const Form1& logic);

    // What the window shows now, if it has been made.
    void Show(const Companion& companion);
    // F1: opens the window beside the form, or closes it.
    void Toggle();

private:
    QWidget* form_;
    const Form1& logic_;
    CompanionWindow* window_ = nullptr;  // a child of the form, made when first asked for
};

}  // namespace ritmolis

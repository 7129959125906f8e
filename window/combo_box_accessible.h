// How assistive technologies see a combo box of the program: named as any
// other control, by its accessible name or else by its label (the QLabel whose
// buddy it is), with its text as its value.
//
// Qt's own interface for a combo box on Linux gives the current text as the
// name, leaving the label to the label relation: tools that read the name
// then find C as "pasirink C talpą" or "1000" instead of "C".
#pragma once

namespace ritmolis {

// Applies to every combo box whose accessible interface is made from now on.
// Call once a QApplication exists; calling it again does nothing.
void NameComboBoxesByLabel();

}  // namespace ritmolis

// A combo box's accessible interface where Qt has no object attributes
// (before Qt 6.8): screen readers read its value from its line edit.
#include "window/combo_box_interface.h"

namespace ritmolis {

QAccessibleInterface* NewComboBoxAccessible(QComboBox* box) { return new ComboBoxAccessible(box); }

}  // namespace ritmolis

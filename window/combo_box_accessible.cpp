#include "window/combo_box_accessible.h"

#include "window/combo_box_interface.h"

namespace ritmolis {
namespace {

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String("QComboBox")) return nullptr;
    return NewComboBoxAccessible(static_cast<QComboBox*>(object));
}

}  // namespace

void NameComboBoxesByLabel() {
    // Qt asks the factories installed last first, so this one comes before
    // Qt's own, which QApplication installs.
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

}  // namespace ritmolis

// A combo box's accessible interface with its text as the object attribute
// "valuetext" (Qt 6.8 and later). Orca 48 reads a combo box's value from that
// attribute first, and otherwise only from a child that AT-SPI marks as a
// single-line entry, which Qt's line edit is not: without the attribute it
// hears neither the prompt nor a typed value, only a picked item.
#include <QHash>

#include "window/combo_box_interface.h"

namespace ritmolis {
namespace {

class ComboBoxWithValueText : public ComboBoxAccessible, public QAccessibleAttributesInterface {
public:
    using ComboBoxAccessible::ComboBoxAccessible;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::AttributesInterface) return static_cast<QAccessibleAttributesInterface*>(this);
        return ComboBoxAccessible::interface_cast(type);
    }

    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }

    QVariant attributeValue(QAccessible::Attribute key) const override {
        if (key != QAccessible::Attribute::Custom) return {};
        return QVariant::fromValue(QHash<QString, QString>{{QStringLiteral("valuetext"), Box()->currentText()}});
    }
};

}  // namespace

QAccessibleInterface* NewComboBoxAccessible(QComboBox* box) { return new ComboBoxWithValueText(box); }

}  // namespace ritmolis

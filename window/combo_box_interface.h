// The accessible interface of the program's combo boxes (see
// combo_box_accessible.h), shared by the two ways of making one: with Qt 6.8
// and later it also gives the combo box's text as the object attribute
// "valuetext" (combo_box_value_text.cpp), which Orca 48 reads first for a
// combo box's value; an older Qt has no object attributes
// (combo_box_value_plain.cpp). CMake builds one of the two.
#pragma once

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace ritmolis {

// A combo box as Qt presents it (children: its list, then its line edit when
// editable, which has the focus for it; actions that open and close the
// list), except for the name.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return Box()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->isEditable()) return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == Box()->view()) return 0;
        if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QLineEdit* edit = Box()->lineEdit();
        return edit && QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y) ? child(1) : nullptr;
    }

    QAccessibleInterface* focusChild() const override { return Box()->isEditable() ? child(1) : nullptr; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            if (QString name = QAccessibleWidget::text(t); !name.isEmpty()) return name;
            return Box()->currentText();
        case QAccessible::Value:
            return Box()->currentText();
        case QAccessible::Accelerator:
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Box()->view()->isVisible();
        s.editable = Box()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (Box()->view()->isVisible()) {
            Box()->hidePopup();
        } else {
            Box()->showPopup();
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

// A new accessible interface for the combo box, as this Qt can give it.
QAccessibleInterface* NewComboBoxAccessible(QComboBox* box);

}  // namespace ritmolis

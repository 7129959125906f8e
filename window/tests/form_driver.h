// Helpers for driving the window Form1 in tests: finding its controls by name, and
// clicking a button whose handler may show a modal box, which is read and
// closed with its OK button.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

#include "logic/form_state.h"

namespace ritmolis::testing {

template <class Control = QWidget>
Control* Find(QWidget& form, const char* name) {
    auto* control = form.findChild<Control*>(QString::fromUtf8(name));
    if (!control) qFatal("no control %s", name);
    return control;
}

// Drops the offscreen platform's warning, once per message box, that it cannot
// pass size hints to a window system it does not have.
inline void QuietOffscreenWarnings() {
    static const QtMessageHandler next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints"))) next(type, context, message);
        });
}

// The texts of the five fields, in the order C, R1, R2, t1, t2.
inline QStringList FieldTexts(const FormState& form) {
    QStringList texts;
    for (const Field field : {Field::C, Field::R1, Field::R2, Field::t1, Field::t2}) {
        texts << QString::fromStdString(form.Text(field));
    }
    return texts;
}

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    qsizetype buttons;
};

// Does `action`; returns the box a handler showed meanwhile, if any, after closing it.
template <class Action>
std::optional<ShownBox> CloseBoxOf(Action action) {
    std::optional<ShownBox> shown;
    QTimer closer;  // fires inside the box's own event loop
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = ShownBox{box->windowTitle(), box->text(), box->icon(), box->buttons().size()};
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(0);
    action();
    return shown;
}

// Clicks `button`; returns the box its handler showed, if any, after closing it.
inline std::optional<ShownBox> ClickAndCloseBox(QWidget* button) {
    return CloseBoxOf([button] { QTest::mouseClick(button, Qt::LeftButton); });
}

}  // namespace ritmolis::testing

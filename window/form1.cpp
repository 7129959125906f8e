#include "window/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <array>
#include <exception>
#include <utility>

#include "logic/form_controls.h"
#include "window/combo_box_accessible.h"

namespace ritmolis {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The window is drawn in twips; Qt's device-independent pixels are twips ÷ 15
// (one pixel at 96 dots per inch), and Qt scales them for high-density screens.
QRect Twips(int left, int top, int width, int height) {
    const auto pixels = [](int twips) { return (twips + 7) / 15; };
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QFont Arial(double points, QFont::Weight weight) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

// A new widget of the control's kind on the form, named, captioned, placed and
// in its font as the table gives it.
QWidget* NewControl(QWidget* form, const Control& control) {
    const QString caption = Utf8(control.caption);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: widget = new QLabel(caption, form); break;
    case ControlKind::TextBox: widget = new QLineEdit(caption, form); break;
    case ControlKind::CommandButton: widget = new QPushButton(caption, form); break;
    case ControlKind::OptionButton: widget = new QRadioButton(caption, form); break;
    case ControlKind::ComboBox: {
        // Editable: it takes any typed text, and its list holds only the items
        // put there, never what is typed; no completion from the list either.
        auto* combo = new QComboBox(form);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setEditText(caption);
        widget = combo;
        break;
    }
    }
    widget->setObjectName(Utf8(control.name));
    widget->setGeometry(Twips(control.left, control.top, control.width, control.height));
    widget->setFont(Arial(control.font.points, control.font.bold ? QFont::Bold : QFont::Normal));
    return widget;
}

// Entering or leaving a field means moving between the window's controls, not
// opening a drop-down list or a menu (Qt moves the focus into the popup) or
// switching to another window and back.
bool MovesBetweenControls(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
           QApplication::activePopupWidget() == nullptr;
}

}  // namespace

Form1::Form1(std::function<void()> end_program)
    : end_program_(end_program ? std::move(end_program) : [] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Utf8(kFormCaption));
    setWindowIcon(QIcon(QStringLiteral(":/ritmolis.png")));
    setFixedSize(Twips(0, 0, kFormWidth, kFormHeight).size());
    move(QApplication::primaryScreen()->availableGeometry().center() - rect().center());
    NameComboBoxesByLabel();
    CreateControls();
    WireEvents();
    Form_Load();
    // The window opens with the focus in C and its whole text selected, so
    // that the first keystroke replaces the prompt, as entering C by Tab does.
    C->lineEdit()->selectAll();
}

template <class Widget>
Widget* Form1::Find(std::string_view name) const {
    return findChild<Widget*>(Utf8(name), Qt::FindDirectChildrenOnly);
}

void Form1::CreateControls() {
    QWidget* previous = nullptr;  // in tab order, the last control that takes the focus
    for (const Control& control : kControls) {
        QWidget* widget = NewControl(this, control);
        if (!TakesFocus(control)) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
    for (const Control& control : kControls) {
        if (!control.buddy.empty()) Find<QLabel>(control.name)->setBuddy(Find<QWidget>(control.buddy));
    }
    C = Find<QComboBox>("C");
    R1 = Find<QLineEdit>("R1");
    R2 = Find<QLineEdit>("R2");
    sk = Find<QPushButton>("sk");
    t1 = Find<QLineEdit>("t1");
    t2 = Find<QLineEdit>("t2");
    Command2 = Find<QPushButton>("Command2");
    for (const Control& control : kControls) {
        if (control.kind == ControlKind::OptionButton) Option1.push_back(Find<QRadioButton>(control.name));
    }
}

void Form1::WireEvents() {
    const auto on = [this](void (Form1::*handler)()) { return [this, handler] { Run(handler); }; };
    connect(C, &QComboBox::editTextChanged, this, on(&Form1::C_Change));
    connect(R1, &QLineEdit::textChanged, this, on(&Form1::R1_Change));
    connect(R2, &QLineEdit::textChanged, this, on(&Form1::R2_Change));
    connect(t1, &QLineEdit::textChanged, this, on(&Form1::t1_Change));
    connect(t2, &QLineEdit::textChanged, this, on(&Form1::t2_Change));
    connect(sk, &QPushButton::clicked, this, on(&Form1::sk_Click));
    connect(Command2, &QPushButton::clicked, this, on(&Form1::Command2_Click));
    // Focus changes: C_LostFocus, R1_GotFocus and R2_GotFocus (eventFilter).
    for (QWidget* control : std::array<QWidget*, 3>{C, R1, R2}) control->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == R1 || watched == R2) {
            if (MovesBetweenControls(event)) Run(watched == R1 ? &Form1::R1_GotFocus : &Form1::R2_GotFocus);
            const bool by_press = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            entered_by_press_ = by_press ? static_cast<QLineEdit*>(watched) : nullptr;
        }
        break;
    case QEvent::FocusOut:
        if (watched == C && MovesBetweenControls(event)) Run(&Form1::C_LostFocus);
        if (watched == entered_by_press_) entered_by_press_ = nullptr;
        break;
    case QEvent::MouseButtonPress:
        // The press that entered the field keeps the selection its entry made.
        if (watched == entered_by_press_) {
            entered_by_press_ = nullptr;
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Form_Load() {
    Option1.front()->setChecked(true);
    {
        // Filling the list leaves the text of C as it is. (Qt would make the
        // first item current, replacing the prompt, so put the prompt back.)
        const QSignalBlocker quiet(C);
        const QString prompt = C->currentText();
        for (const double item : kCItems) {
            C->addItem(QString::fromStdString(FormatNumber(item)));
        }
        C->setCurrentIndex(-1);
        C->setEditText(prompt);
    }
    sk->setEnabled(false);
}

void Form1::R1_GotFocus() { R1->setSelection(0, static_cast<int>(R1->text().size())); }
void Form1::R2_GotFocus() { R2->setSelection(0, static_cast<int>(R2->text().size())); }

void Form1::Run(void (Form1::*handler)()) {
    try {
        (this->*handler)();
    } catch (const std::exception& error) {
        ShowBox(QMessageBox::Critical, error.what());
    }
}

void Form1::ShowBox(int icon, const std::string& text) {
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), QString::fromUtf8(kProgramTitle),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    // The text describes the box too: Orca 48 announces an alert with its
    // description, and with its labels only when they hold three words or more
    // ("Perpildymas" holds one). Orca 43 reads the labels and no description.
    box.setAccessibleDescription(QString::fromStdString(text));
    box.exec();
}

QLineEdit* Form1::Edit(Field field) const {
    switch (field) {
    case Field::R1: return R1;
    case Field::R2: return R2;
    case Field::t1: return t1;
    case Field::t2: return t2;
    case Field::C: break;
    }
    return nullptr;
}

std::string Form1::Text(Field field) const {
    return (field == Field::C ? C->currentText() : Edit(field)->text()).toStdString();
}

void Form1::SetText(Field field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (field == Field::C) {
        C->setEditText(value);
    } else {
        Edit(field)->setText(value);
    }
}

bool Form1::Option1Selected(int index) const { return Option1.at(static_cast<std::size_t>(index))->isChecked(); }

void Form1::SetSkEnabled(bool enabled) { sk->setEnabled(enabled); }

void Form1::ShowMessage(const std::string& text) { ShowBox(QMessageBox::NoIcon, text); }

void Form1::EndProgram() { end_program_(); }

}  // namespace ritmolis

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
// in its font as the table gives it. It is made empty and then given its text:
// a line edit made with its text, even an empty one, announces a caret move
// when it is first entered, and Orca then takes the focus as already there and
// says nothing of it.
template <class Widget>
Widget* New(QWidget* form, const Control& control) {
    auto* widget = new Widget(form);
    widget->setObjectName(Utf8(control.name));
    if constexpr (requires { widget->setText(QString()); }) widget->setText(Utf8(control.caption));
    widget->setGeometry(Twips(control.left, control.top, control.width, control.height));
    widget->setFont(Arial(control.font.points, control.font.bold ? QFont::Bold : QFont::Normal));
    return widget;
}

QWidget* NewControl(QWidget* form, const Control& control) {
    switch (control.kind) {
    case ControlKind::Label: return New<QLabel>(form, control);
    case ControlKind::TextBox: return New<QLineEdit>(form, control);
    case ControlKind::CommandButton: return New<QPushButton>(form, control);
    case ControlKind::OptionButton: return New<QRadioButton>(form, control);
    case ControlKind::ComboBox: {
        // Editable: it takes any typed text, and its list holds only the items
        // put there, never what is typed; no completion from the list either.
        auto* combo = New<QComboBox>(form, control);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setEditText(Utf8(control.caption));
        return combo;
    }
    }
    return nullptr;
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

Form1Window::Form1Window(std::function<void()> end_program)
    : end_program_(end_program ? std::move(end_program) : [] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Utf8(kFormCaption));
    setWindowIcon(QIcon(QStringLiteral(":/ritmolis.png")));
    setFixedSize(Twips(0, 0, kFormWidth, kFormHeight).size());
    move(QApplication::primaryScreen()->availableGeometry().center() - rect().center());
    NameComboBoxesByLabel();
    CreateControls();
    companion_ = new CompanionLink(this, *this);
    WireEvents();
    Form_Load();
    // The window opens with the focus in C and its whole text selected, so
    // that the first keystroke replaces the prompt, as entering C by Tab does.
    C->lineEdit()->selectAll();
}

template <class Widget>
Widget* Form1Window::Find(std::string_view name) const {
    return findChild<Widget*>(Utf8(name), Qt::FindDirectChildrenOnly);
}

void Form1Window::CreateControls() {
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
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i] = Find<QWidget>(kFieldNames[i]);
    C = Find<QComboBox>("C");
    sk = Find<QPushButton>("sk");
    Command2 = Find<QPushButton>("Command2");
    for (const Control& control : kControls) {
        if (control.kind == ControlKind::OptionButton) Option1.push_back(Find<QRadioButton>(control.name));
    }
}

// Each control's events to the form's handlers. A field's change signal comes
// with every change of its text, the user's (typing, or picking an item from
// C's list) and the form's own writes alike: those run the field's handler
// already (SetText), so while the form writes, the signal runs nothing.
void Form1Window::WireEvents() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto handler = kChangeHandlers.at(i);
        const auto run = [this, handler] {
            if (!writing_) (this->*handler)();
        };
        if (FieldControl(static_cast<Field>(i)) == C) {
            connect(C, &QComboBox::editTextChanged, this, run);
        } else {
            connect(Edit(static_cast<Field>(i)), &QLineEdit::textChanged, this, run);
        }
    }
    connect(sk, &QPushButton::clicked, this, [this] { sk_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    for (QRadioButton* mode : Option1) connect(mode, &QRadioButton::toggled, this, [this] { Companion_ModeChange(); });
    // Focus changes: C_LostFocus, R1_GotFocus and R2_GotFocus (eventFilter).
    for (const Field field : {Field::C, Field::R1, Field::R2}) FieldControl(field)->installEventFilter(this);
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    QWidget* R1 = FieldControl(Field::R1);
    QWidget* R2 = FieldControl(Field::R2);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == R1 || watched == R2) {
            if (MovesBetweenControls(event)) {
                if (watched == R1) {
                    R1_GotFocus();
                } else {
                    R2_GotFocus();
                }
            }
            const bool by_press = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            entered_by_press_ = by_press ? static_cast<QLineEdit*>(watched) : nullptr;
        }
        break;
    case QEvent::FocusOut:
        if (watched == C && MovesBetweenControls(event)) C_LostFocus();
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

QLineEdit* Form1Window::Edit(Field field) const {
    QWidget* control = FieldControl(field);
    return control == C ? C->lineEdit() : static_cast<QLineEdit*>(control);
}

std::string Form1Window::Text(Field field) const { return Edit(field)->text().toStdString(); }

void Form1Window::ShowText(Field field, const std::string& text) {
    const bool writing = std::exchange(writing_, true);
    Edit(field)->setText(QString::fromStdString(text));
    writing_ = writing;
}

bool Form1Window::Option1Selected(int index) const { return Option1.at(static_cast<std::size_t>(index))->isChecked(); }

void Form1Window::SelectOption1(int index) { Option1.at(static_cast<std::size_t>(index))->setChecked(true); }

// An item appended leaves the text of C as it is. (Qt would make the first
// item current, replacing the prompt, so put the text back.)
void Form1Window::AddCItem(const std::string& text) {
    const QSignalBlocker quiet(C);
    const QString shown = C->currentText();
    C->addItem(QString::fromStdString(text));
    C->setCurrentIndex(-1);
    C->setEditText(shown);
}

void Form1Window::Select(Field field, int start, int length) { Edit(field)->setSelection(start, length); }

void Form1Window::SetSkEnabled(bool enabled) { sk->setEnabled(enabled); }

void Form1Window::ShowBox(BoxKind kind, const std::string& text) {
    QMessageBox box(kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    // The text describes the box too: Orca 48 announces an alert with its
    // description, and with its labels only when they hold three words or more
    // ("Perpildymas" holds one). Orca 43 reads the labels and no description.
    box.setAccessibleDescription(QString::fromStdString(text));
    box.exec();
}

void Form1Window::ShowCompanion(const Companion& companion) { companion_->Show(companion); }
CompanionSettings Form1Window::Settings() const { return companion_->Settings(); }
std::string Form1Window::TargetText(bool frequency) const { return companion_->TargetText(frequency); }
void Form1Window::ShowDesign(const Design& design) { companion_->ShowDesign(design); }

void Form1Window::EndProgram() { end_program_(); }

}  // namespace ritmolis

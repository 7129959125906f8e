#include "window/companion_window.h"

#include <QComboBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "logic/drawing.h"
#include "logic/sheet.h"
#include "window/drawing_view.h"

namespace ritmolis {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* Caption(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A value to read, select and copy, named by its label.
QLineEdit* Value(const char* name, QWidget* parent) {
    auto* value = new QLineEdit(parent);
    value->setObjectName(QString::fromUtf8(name));
    value->setReadOnly(true);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0.000e-000")) + 12);
    return value;
}

// A text to read, reached by Tab and by the keyboard's selection, named by its
// caption: the notes, the design's sentence.
QLabel* Reading(const char* name, QWidget* parent) {
    auto* text = new QLabel(parent);
    text->setObjectName(QString::fromUtf8(name));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setFocusPolicy(Qt::StrongFocus);
    return text;
}

// A row's header, as its vertical header shows it.
QString VerticalHeaderText(const QTableWidget* table, int row) { return table->verticalHeaderItem(row)->text(); }

// A list of notes under its caption, or nothing.
void ShowNotes(QLabel* label, const char* caption, const std::vector<std::string>& notes) {
    QString text = QString::fromUtf8(caption);
    for (const std::string& note : notes) text += QStringLiteral("\n• ") + Text(note);
    label->setText(notes.empty() ? QString() : text);
    label->setAccessibleName(QString::fromUtf8(caption));
    label->setVisible(!notes.empty());
}

// A table of values to read, named by its caption; its rows' headers in the
// vertical header.
QTableWidget* Table(const char* name, const char* caption, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromUtf8(name));
    table->setAccessibleName(QString::fromUtf8(caption));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setCornerButtonEnabled(false);
    // Every row shown: the window takes the room they need.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

// The table's headers (the first names the rows' headers), its rows' headers and
// cells, and `extra` empty columns after them; hidden without rows.
template <class Headers>
void Fill(QTableWidget* table, const Headers& headers, const QStringList& row_headers,
          const std::vector<std::vector<std::string>>& cells, int extra = 0) {
    QStringList names;
    for (std::size_t i = 1; i < headers.size(); ++i) names << QString::fromUtf8(headers[i]);
    table->setColumnCount(static_cast<int>(names.size()));
    table->setHorizontalHeaderLabels(names);
    table->setRowCount(static_cast<int>(cells.size()));
    table->setVerticalHeaderLabels(row_headers);
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto& values = cells[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(values.size()) && column + extra < table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(Text(values[static_cast<std::size_t>(column)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->setVisible(!cells.empty());
}

}  // namespace

CompanionWindow::CompanionWindow(QWidget* form, Form1& logic) : QWidget(form, Qt::Window), form_(form), logic_(&logic) {
    setObjectName(QStringLiteral("Companion"));
    setWindowTitle(QString::fromUtf8(kCompanionTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Choices(logic));
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    // Each page shows all it holds, and scrolls where the screen is too small for it.
    for (auto [page, caption] : {std::pair{CalculationPage(), kCalculationCaption}, std::pair{DesignPage(logic), kDesignCaption}}) {
        auto* scroll = new QScrollArea(pages);
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        pages->addTab(scroll, QString::fromUtf8(caption));
    }
    layout->addWidget(pages, 1);

    // F1 or Escape closes it, and the form takes the keyboard back.
    for (const Qt::Key key : {Qt::Key_F1, Qt::Key_Escape}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] {
            hide();
            form_->activateWindow();
        });
    }
}

// The units, two option buttons whose captions say what the form's numbers
// then mean, and C's tolerance.
QWidget* CompanionWindow::Choices(Form1& logic) {
    auto* choices = new QWidget(this);
    auto* layout = new QHBoxLayout(choices);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* units = new QGroupBox(QString::fromUtf8(kUnitsCaption), choices);
    auto* unit_layout = new QVBoxLayout(units);
    for (const UnitSet& set : kUnitSets) {
        auto* choice = new QRadioButton(QString::fromUtf8(set.caption), units);
        choice->setObjectName(QStringLiteral("units-") + QString::fromUtf8(set.key));
        choice->setChecked(units_.empty());
        unit_layout->addWidget(choice);
        units_.push_back(choice);
        connect(choice, &QRadioButton::toggled, this, [&logic](bool chosen) {
            if (chosen) logic.Units_Change();
        });
    }
    layout->addWidget(units, 1);
    tolerance_ = new QComboBox(choices);
    tolerance_->setObjectName(QStringLiteral("tolerance-C"));
    for (const char* text : kCToleranceTexts) tolerance_->addItem(QString::fromUtf8(text));
    tolerance_->setCurrentIndex(static_cast<int>(std::find(kCTolerances.begin(), kCTolerances.end(), kDefaultCTolerance) -
                                                 kCTolerances.begin()));
    connect(tolerance_, &QComboBox::currentIndexChanged, this, [&logic] { logic.Tolerance_Change(); });
    auto* tolerance_label = new QLabel(QString::fromUtf8(kCToleranceCaption), choices);
    tolerance_label->setBuddy(tolerance_);
    layout->addWidget(tolerance_label, 0, Qt::AlignTop);
    layout->addWidget(tolerance_, 0, Qt::AlignTop);
    auto* print = new QPushButton(QString::fromUtf8(kPrintText) + QStringLiteral("…"), choices);
    print->setObjectName(QStringLiteral("print"));
    connect(print, &QPushButton::clicked, this, &CompanionWindow::Print);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &CompanionWindow::Print);
    layout->addWidget(print, 0, Qt::AlignTop);
    return choices;
}

// The calculation: its drawings, the formulas, f and D, the notes, the standard parts.
QWidget* CompanionWindow::CalculationPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(Caption(kSchematicCaption, page), 0, 0);
    grid->addWidget(timing_caption_ = Caption(kTimingCaption, page), 0, 1);
    grid->addWidget(schematic_ = new DrawingView(kSchematicCaption, page), 1, 0);
    grid->addWidget(timing_ = new DrawingView(kTimingCaption, page), 1, 1, Qt::AlignTop);
    grid->addWidget(nothing_ = new QLabel(QString::fromUtf8(kNothingCalculated), page), 1, 1, Qt::AlignCenter);
    nothing_->setWordWrap(true);

    QString formulas = QStringLiteral("<b>%1</b>").arg(QString::fromUtf8(kFormulasCaption));
    for (const char* line : kFormulas) formulas += QStringLiteral("<br>") + QString::fromUtf8(line);
    auto* formula_label = new QLabel(formulas, page);
    formula_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(formula_label, 2, 0, Qt::AlignTop);

    auto* values = new QGridLayout;
    f_ = Value("f", page);
    D_ = Value("D", page);
    f_label_ = new QLabel(page);
    int row = 0;
    for (const auto& [label, value] : {std::pair{f_label_, f_}, std::pair{new QLabel(QString::fromUtf8(kDutyLabel), page), D_}}) {
        label->setBuddy(value);
        values->addWidget(label, row, 0);
        values->addWidget(value, row++, 1);
    }
    notes_ = Reading("notes", page);
    values->addWidget(notes_, row++, 0, 1, 2);
    values->setRowStretch(row, 1);
    values->setColumnStretch(1, 1);
    grid->addLayout(values, 2, 1);

    grid->addWidget(standard_caption_ = Caption(kStandardCaption, page), 3, 0, 1, 2);
    E_ = Table("E", kStandardCaption, page);
    grid->addWidget(E_, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

// The design from a target: f and D typed, the sentence of an impossible
// one, the rows and their notes.
QWidget* CompanionWindow::DesignPage(Form1& logic) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* target = new QHBoxLayout;
    target_f_label_ = new QLabel(page);
    target_f_ = new QLineEdit(page);
    target_D_ = new QLineEdit(page);
    for (const auto& [label, field, name] : {std::tuple{target_f_label_, target_f_, "target-f"},
                                             std::tuple{new QLabel(QString::fromUtf8(kTargetDutyLabel), page), target_D_,
                                                        "target-D"}}) {
        field->setObjectName(QString::fromUtf8(name));
        // Made, then given its (empty) text, as the form's fields are: a line
        // edit entered for the first time otherwise announces a caret move
        // before its focus, and Orca then takes the focus as already there.
        field->setText(QString());
        label->setBuddy(field);
        target->addWidget(label);
        target->addWidget(field);
        connect(field, &QLineEdit::textChanged, this, [&logic] { logic.Target_Change(); });
    }
    target->addStretch(1);
    layout->addLayout(target);
    message_ = Reading("target-message", page);
    layout->addWidget(message_);
    design_ = Table("design", kDesignTableCaption, page);
    design_->setTabKeyNavigation(false);  // Tab goes on to the rows' buttons
    layout->addWidget(design_, 1);
    design_notes_ = Reading("design-notes", page);
    layout->addWidget(design_notes_);
    return page;
}

void CompanionWindow::Show(const Companion& companion) {
    // A new calculation (a calculation where none was shown) is what the user
    // looks for: its page comes forward. A choice that describes it again does not.
    if (companion.calculated && !calculated_) findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(0);
    calculated_ = companion.calculated;
    schematic_->SetDrawing(Schematic(companion));
    timing_->SetDrawing(TimingDiagram(companion));
    const bool timing = !timing_->drawing().shapes.empty();
    timing_->setVisible(timing);
    timing_caption_->setVisible(timing);
    nothing_->setVisible(!companion.calculated);
    f_label_->setText(QString::fromUtf8(FrequencyLabel(companion.units)));
    // Each value selected whole, to copy it, and so that a screen reader
    // says it whole on entering it (Orca 43 drops the last character of a
    // line it reads by Qt's text attributes).
    for (auto [value, text] : {std::pair{f_, &companion.f}, std::pair{D_, &companion.D}}) {
        value->setText(Text(*text));
        value->selectAll();
    }
    ShowNotes(notes_, kNotesCaption, companion.notes);
    std::vector<std::vector<std::string>> cells;
    QStringList series;
    for (const StandardRow& standard : companion.rows) {
        series << QString::fromUtf8(standard.series);
        cells.emplace_back();
        for (const auto cell : kStandardCells) cells.back().push_back(standard.*cell);
    }
    Fill(E_, StandardHeaders(companion.units), series, cells);
    standard_caption_->setVisible(!companion.rows.empty());
    Grow();
}

// Each row's header is its C, the proposed one's marked; its last cell a
// button that writes the row into the form.
void CompanionWindow::ShowDesign(const Design& design) {
    target_f_label_->setText(QString::fromUtf8(TargetFrequencyLabel(design.units)));
    message_->setText(Text(design.message));
    message_->setVisible(!design.message.empty());
    std::vector<std::vector<std::string>> cells;
    QStringList values_of_C;
    for (std::size_t i = 0; i < design.rows.size(); ++i) {
        const DesignRow& row = design.rows[i];
        values_of_C << Text(design.proposed == i ? row.C + " (" + kProposedText + ")" : row.C);
        cells.emplace_back();
        for (const auto cell : kDesignCells) cells.back().push_back(row.*cell);
        cells.back().push_back(NoteHeads(row.notes));
    }
    Fill(design_, DesignHeaders(design.units), values_of_C, cells, 1);
    QWidget* previous = design_;  // Tab: the table, its rows' buttons in order, the notes
    for (int row = 0; row < design_->rowCount(); ++row) {
        auto* write = new QPushButton(QString::fromUtf8(kWriteRowText), design_);
        write->setAccessibleName(QString::fromUtf8(kWriteRowText) + QStringLiteral(": C = ") +
                                 VerticalHeaderText(design_, row));
        design_->setCellWidget(row, design_->columnCount() - 1, write);
        connect(write, &QPushButton::clicked, this, [this, row] { logic_->Design_Click(static_cast<std::size_t>(row)); });
        setTabOrder(previous, write);
        previous = write;
        if (design.proposed == static_cast<std::size_t>(row)) {
            for (int column = 0; column + 1 < design_->columnCount(); ++column) {
                QFont bold = design_->item(row, column)->font();
                bold.setBold(true);
                design_->item(row, column)->setFont(bold);
            }
        }
    }
    setTabOrder(previous, design_notes_);
    ShowNotes(design_notes_, kNotesCaption, design.notes);
    Grow();
}

// Room for whatever it now shows, as far as the screen has room; it never
// shrinks under the user's hands.
void CompanionWindow::Grow() {
    QSize wanted = sizeHint();
    for (auto* scroll : findChildren<QScrollArea*>()) wanted = wanted.expandedTo(scroll->widget()->sizeHint() + QSize(40, 160));
    resize(size().expandedTo(wanted.boundedTo(screen()->availableGeometry().size())));
}

CompanionSettings CompanionWindow::Settings() const {
    CompanionSettings settings;
    for (std::size_t i = 0; i < units_.size(); ++i) {
        if (units_[i]->isChecked()) settings.units = static_cast<Units>(i);
    }
    settings.c_tolerance = kCTolerances.at(static_cast<std::size_t>(std::max(0, tolerance_->currentIndex())));
    return settings;
}

QString CompanionWindow::TargetText(bool frequency) const { return (frequency ? target_f_ : target_D_)->text(); }

void CompanionWindow::PrepareForSheet(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(QString::fromUtf8(kProgramTitle));
}

void CompanionWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    PrepareForSheet(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintSheet(printer);
}

// The sheet's CSS pixels, 96 to the inch, at the printer's dots to the inch;
// scaled down only if the page is smaller than the sheet.
void CompanionWindow::PrintSheet(QPrinter& printer) const {
    const Drawing sheet = Sheet(logic_->companion());
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double dots = printer.resolution() / 96.0;
    PaintDrawing(painter, sheet, QRectF(0, 0, std::min(page.width(), sheet.width * dots), page.height()));
}

void CompanionWindow::Present(bool calculated) {
    auto* pages = findChild<QTabWidget*>(QStringLiteral("pages"));
    pages->setCurrentIndex(calculated ? 0 : 1);
    (calculated ? f_ : target_f_)->setFocus();
}

CompanionLink::CompanionLink(QWidget* form, Form1& logic) : QObject(form), form_(form), logic_(logic) {
    connect(new QShortcut(QKeySequence(Qt::Key_F1), form), &QShortcut::activated, this, &CompanionLink::Toggle);
}

void CompanionLink::Show(const Companion& companion) {
    if (window_) window_->Show(companion);
}

void CompanionLink::ShowDesign(const Design& design) {
    if (window_) window_->ShowDesign(design);
}

CompanionSettings CompanionLink::Settings() const { return window_ ? window_->Settings() : CompanionSettings{}; }

std::string CompanionLink::TargetText(bool frequency) const {
    return window_ ? window_->TargetText(frequency).toStdString() : std::string();
}

void CompanionLink::Toggle() {
    if (window_ && window_->isVisible()) {
        window_->hide();
        return;
    }
    if (!window_) {
        window_ = new CompanionWindow(form_, logic_);
        window_->Show(logic_.companion());
        window_->ShowDesign(logic_.design());
        // Beside the form, on its right where the screen has room, else on its left.
        const QRect frame = form_->frameGeometry();
        const QRect screen = form_->screen()->availableGeometry();
        const int gap = 8;
        int x = frame.right() + 1 + gap;
        if (x + window_->width() > screen.right()) x = std::max(screen.left(), frame.left() - gap - window_->width());
        window_->move(x, std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - window_->height())));
    }
    window_->Present(logic_.companion().calculated);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace ritmolis

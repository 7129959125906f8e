#include "window/companion_window.h"

#include <QFont>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <algorithm>
#include <tuple>
#include <utility>

#include "logic/drawing.h"
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

}  // namespace

CompanionWindow::CompanionWindow(QWidget* form) : QWidget(form, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("Companion"));
    setWindowTitle(QString::fromUtf8(kCompanionTitle));
    auto* grid = new QGridLayout(this);
    grid->addWidget(Caption(kSchematicCaption, this), 0, 0);
    grid->addWidget(timing_caption_ = Caption(kTimingCaption, this), 0, 1);
    grid->addWidget(schematic_ = new DrawingView(kSchematicCaption, this), 1, 0);
    grid->addWidget(timing_ = new DrawingView(kTimingCaption, this), 1, 1, Qt::AlignTop);
    grid->addWidget(nothing_ = new QLabel(QString::fromUtf8(kNothingCalculated), this), 1, 1, Qt::AlignCenter);
    nothing_->setWordWrap(true);

    QString formulas = QStringLiteral("<b>%1</b>").arg(QString::fromUtf8(kFormulasCaption));
    for (const char* line : kFormulas) formulas += QStringLiteral("<br>") + QString::fromUtf8(line);
    for (const char* line : kUnits) formulas += QStringLiteral("<br>") + QString::fromUtf8(line);
    auto* formula_label = new QLabel(formulas, this);
    formula_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(formula_label, 2, 0, Qt::AlignTop);

    auto* values = new QGridLayout;
    f_ = Value("f", this);
    D_ = Value("D", this);
    int row = 0;
    for (const auto& [caption, formula, value] : {std::tuple{kFrequencyCaption, kFrequencyFormula, f_},
                                                  std::tuple{kDutyCaption, kDutyFormula, D_}}) {
        auto* label = new QLabel(QStringLiteral("%1 %2").arg(QString::fromUtf8(caption), QString::fromUtf8(formula)), this);
        label->setBuddy(value);
        values->addWidget(label, row, 0);
        values->addWidget(value, row++, 1);
    }
    values->setRowStretch(row, 1);
    values->setColumnStretch(1, 1);
    grid->addLayout(values, 2, 1);

    grid->addWidget(standard_caption_ = Caption(kStandardCaption, this), 3, 0, 1, 2);
    E_ = new QTableWidget(0, static_cast<int>(kStandardHeaders.size()) - 1, this);
    E_->setObjectName(QStringLiteral("E"));
    E_->setAccessibleName(QString::fromUtf8(kStandardCaption));
    QStringList headers;
    for (std::size_t i = 1; i < kStandardHeaders.size(); ++i) headers << QString::fromUtf8(kStandardHeaders[i]);
    E_->setHorizontalHeaderLabels(headers);
    E_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    E_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    E_->setCornerButtonEnabled(false);
    E_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    E_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    E_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->addWidget(E_, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);

    // F1 or Escape closes it, and the form takes the keyboard back.
    for (const Qt::Key key : {Qt::Key_F1, Qt::Key_Escape}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] {
            hide();
            form_->activateWindow();
        });
    }
    Show(Companion{});
}

void CompanionWindow::Show(const Companion& companion) {
    schematic_->SetDrawing(Schematic(companion));
    timing_->SetDrawing(TimingDiagram(companion));
    const bool timing = !timing_->drawing().shapes.empty();
    timing_->setVisible(timing);
    timing_caption_->setVisible(timing);
    nothing_->setVisible(!companion.calculated);
    // Each value selected whole, to copy it, and so that a screen reader
    // says it whole on entering it (Orca 43 drops the last character of a
    // line it reads by Qt's text attributes).
    for (auto [value, text] : {std::pair{f_, &companion.f}, std::pair{D_, &companion.D}}) {
        value->setText(Text(*text));
        value->selectAll();
    }
    E_->setRowCount(static_cast<int>(companion.rows.size()));
    QStringList series;
    for (int row = 0; row < E_->rowCount(); ++row) {
        const StandardRow& standard = companion.rows[static_cast<std::size_t>(row)];
        series << QString::fromUtf8(standard.series);
        int column = 0;
        for (const auto cell : kStandardCells) {
            auto* item = new QTableWidgetItem(Text(standard.*cell));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            E_->setItem(row, column++, item);
        }
    }
    E_->setVerticalHeaderLabels(series);
    E_->setVisible(!companion.rows.empty());
    standard_caption_->setVisible(!companion.rows.empty());
    // Room for whatever it now shows; it never shrinks under the user's hands.
    resize(size().expandedTo(sizeHint()));
}

CompanionLink::CompanionLink(QWidget* form, const Form1& logic) : QObject(form), form_(form), logic_(logic) {
    connect(new QShortcut(QKeySequence(Qt::Key_F1), form), &QShortcut::activated, this, &CompanionLink::Toggle);
}

void CompanionLink::Show(const Companion& companion) {
    if (window_) window_->Show(companion);
}

void CompanionLink::Toggle() {
    if (window_ && window_->isVisible()) {
        window_->hide();
        return;
    }
    if (!window_) {
        window_ = new CompanionWindow(form_);
        window_->Show(logic_.companion());
        // Beside the form, on its right where the screen has room, else on its left.
        const QRect frame = form_->frameGeometry();
        const QRect screen = form_->screen()->availableGeometry();
        const int gap = 8;
        int x = frame.right() + 1 + gap;
        if (x + window_->width() > screen.right()) x = std::max(screen.left(), frame.left() - gap - window_->width());
        window_->move(x, std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - window_->height())));
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace ritmolis

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>
#include <string>

#include "logic/companion.h"
#include "logic/errors.h"
#include "logic/form_controls.h"
#include "window/companion_window.h"
#include "window/drawing_view.h"
#include "window/form1.h"
#include "window/tests/form_driver.h"

namespace ritmolis::testing {
namespace {

// The width a control leaves for its caption: its own width less its frame,
// indicator and margins, as its style lays them out.
int TextRoom(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QLineEdit* edit = combo->lineEdit();
        const QMargins margins = edit->textMargins();
        return edit->contentsRect().width() - margins.left() - margins.right() - 2 * 2;  // QLineEdit's 2 px a side
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        return button->style()
            ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button)
            .width();
    }
    return control->contentsRect().width();
}

// The lines of a table of cases shared with the page's tests (tab-separated,
// lines starting with # left out), each split into its `columns` cells.
QList<QStringList> Rows(const char* resource, qsizetype columns) {
    QFile table(QString::fromUtf8(resource));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("no table %s", resource);
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(table.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('#')) continue;
        rows << line.split('\t');
        if (rows.last().size() != columns) qFatal("%s: %s: not %lld cells", resource, qPrintable(line), columns);
    }
    return rows;
}

// The window, counting the runs of the input check (each sets the button's
// state), and raising an error from the next one where a test asks.
class CountingWindow : public Form1Window {
public:
    using Form1Window::Form1Window;
    int checks = 0;
    std::function<void()> fault;

    void SetSkEnabled(bool enabled) override {
        ++checks;
        if (fault) std::exchange(fault, {})();
        Form1Window::SetSkEnabled(enabled);
    }
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<CountingWindow> form_;
    int ends_ = 0;  // calls of EndProgram

    template <class Control = QWidget>
    Control* Get(const char* name) { return Find<Control>(*form_, name); }

    void OpenAgain() {
        form_ = std::make_unique<CountingWindow>([this] { ++ends_; });
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    // The picture of a window, kept with the other artifacts for docs/.
    static void Picture(QWidget* window, const char* name) {
        const QString artifacts = qEnvironmentVariable("RITMOLIS_ARTIFACTS");
        if (!artifacts.isEmpty()) QVERIFY(window->grab().save(artifacts + '/' + QString::fromUtf8(name)));
    }

    // The control `step` places after the named one in tab order, among those that take the focus.
    QWidget* Neighbour(const QString& name, int step) {
        QList<QWidget*> order;
        for (const Control& control : kControls) {
            if (TakesFocus(control)) order << Get(std::string(control.name).c_str());
        }
        return order.at(order.indexOf(Get(qPrintable(name))) + step);
    }

    void Fill(bool find_t, const QStringList& fields) {
        const Field order[] = {Field::C, Field::R1, Field::R2, Field::t1, Field::t2};
        for (int i = 0; i < 5; ++i) form_->SetText(order[i], fields[i].toStdString());
        Get<QRadioButton>(find_t ? "Option1(0)" : "Option1(1)")->setChecked(true);
    }

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }
    void init() {
        ends_ = 0;
        OpenAgain();
    }
    void cleanup() { form_.reset(); }

    void startUp() {
        QCOMPARE(form_->windowTitle(), "555 astable");
        QCOMPARE(form_->objectName(), "Form1");
        QCOMPARE(form_->size(), QSize(430, 239));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(form_->windowIcon().availableSizes(), QList<QSize>{QSize(50, 50)});
        QVERIFY(Get<QRadioButton>("Option1(0)")->isChecked());
        QVERIFY(!Get<QRadioButton>("Option1(1)")->isChecked());
        QVERIFY(!Get("sk")->isEnabled());
        auto* C = Get<QComboBox>("C");
        QCOMPARE(C->currentText(), "pasirink C talpą");
        QStringList items;
        for (int i = 0; i < C->count(); ++i) items << C->itemText(i);
        QCOMPARE(items.join(' '), "1 2.2 4.7 10 22 33 47 100 220 330 470 1000 1500");
        QCOMPARE(QApplication::focusWidget(), C);
        // As assistive technologies see C: named by its label, its text its value.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(C);
        QCOMPARE(accessible->text(QAccessible::Name), "C");
        QCOMPARE(accessible->text(QAccessible::Value), "pasirink C talpą");
        QCOMPARE(accessible->child(0)->childCount(), C->count());
    }

    // At any scale factor (QT_SCALE_FACTOR), the same layout in device-independent
    // pixels, and every caption within its control.
    void layout() {
        QCOMPARE(form_->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        struct Control {
            const char* name;
            const char* kind;
            const char* caption;
            QRect geometry;
            double points;
            bool bold;
            const char* buddy;  // of a label
        };
        const Control controls[] = {  // in tab order
            {"Label1", "QLabel", "R1", {200, 59, 17, 17}, 9.75, true, "R1"},
            {"C", "QComboBox", "pasirink C talpą", {48, 56, 129, 24}, 9.75, false, nullptr},
            {"R1", "QLineEdit", "", {224, 56, 73, 25}, 9.75, false, nullptr},
            {"R2", "QLineEdit", "", {336, 56, 73, 25}, 9.75, false, nullptr},
            {"sk", "QPushButton", "Skaičiuoti", {48, 104, 129, 49}, 11.25, true, nullptr},
            {"t1", "QLineEdit", "", {224, 120, 73, 25}, 9.75, false, nullptr},
            {"t2", "QLineEdit", "", {336, 120, 73, 25}, 9.75, false, nullptr},
            {"Command2", "QPushButton", "Viso gero", {40, 176, 369, 33}, 9.75, true, nullptr},
            {"Option1(0)", "QRadioButton", "sužinoti T", {56, 16, 81, 25}, 9.75, true, nullptr},
            {"Option1(1)", "QRadioButton", "sužinoti R1 ir R2", {176, 16, 129, 25}, 9.75, true, nullptr},
            {"Label3", "QLabel", "R2", {316, 59, 17, 17}, 9.75, true, "R2"},
            {"Label4", "QLabel", "C", {28, 59, 17, 17}, 9.75, true, "C"},
            {"Label5", "QLabel", "t1", {200, 123, 17, 17}, 9.75, true, "t1"},
            {"Label6", "QLabel", "t2", {316, 123, 17, 17}, 9.75, true, "t2"},
        };
        QStringList tab_order;
        for (const auto& c : controls) {
            QWidget* control = Get(c.name);
            const QString caption = control->property(qobject_cast<QComboBox*>(control) ? "currentText" : "text").toString();
            const QFont font = control->font();
            const QString where = QString::fromUtf8(c.name);
            QVERIFY2(control->parentWidget() == form_.get(), qPrintable(where));
            QCOMPARE(control->metaObject()->className(), c.kind);
            QCOMPARE(caption, QString::fromUtf8(c.caption));
            QCOMPARE(control->geometry(), c.geometry);
            QCOMPARE(font.family(), "Arial");
            QVERIFY2(QStringList({"Arial", "Liberation Sans"}).contains(QFontInfo(font).family()), qPrintable(where));
            QCOMPARE(font.pointSizeF(), c.points);
            QCOMPARE(font.weight(), c.bold ? QFont::Bold : QFont::Normal);
            QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
            if (c.buddy) QCOMPARE(static_cast<QLabel*>(control)->buddy(), Get(c.buddy));
            if (!caption.isEmpty()) {
                const double advance = QFontMetricsF(font, control).horizontalAdvance(caption);
                const int chrome = control->width() - TextRoom(control);
                const QString fit = QStringLiteral("%1: %2 + %3 = %4 of %5 px").arg(caption).arg(advance, 0, 'f', 2)
                    .arg(chrome).arg(advance + chrome, 0, 'f', 2).arg(control->width());
                qInfo("%s", qPrintable(fit));
                QVERIFY2(advance + chrome <= control->width(), qPrintable(fit));
            }
            if (control->focusPolicy() & Qt::TabFocus) tab_order << where;
        }
        QStringList chain;
        for (QWidget* w = Get("C"); chain.size() < tab_order.size(); w = w->nextInFocusChain()) {
            if (w->parentWidget() == form_.get() && (w->focusPolicy() & Qt::TabFocus)) chain << w->objectName();
        }
        QCOMPARE(chain, tab_order);
    }

    // The typical request, key by key: C picked from its list, R1 and R2 typed.
    void typicalRequest() {
        auto* C = Get<QComboBox>("C");
        auto* sk = Get("sk");
        auto* t1 = Get<QLineEdit>("t1");
        C->showPopup();
        QTest::qWait(QApplication::doubleClickInterval());  // a release this soon after opening is ignored
        QAbstractItemView* list = C->view();
        const QModelIndex thousand = C->model()->index(11, 0);
        list->scrollTo(thousand);
        const QPoint item = list->visualRect(thousand).center();
        QTest::mouseMove(list->viewport(), item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
        QCOMPARE(C->currentText(), "1000");
        QTest::keyClick(C, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Get("R1"));
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QVERIFY(!sk->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QVERIFY(sk->isEnabled());
        const QSignalSpy t1_changes(t1, &QLineEdit::textChanged);
        form_->checks = 0;
        QVERIFY(!ClickAndCloseBox(sk));
        QCOMPARE(t1_changes.size(), 2);
        QCOMPARE(t1_changes.at(0).at(0).toString(), "1.386");
        // Qt signals each of the calculation's four writes as it signals
        // typing, and each runs the check once, not twice.
        QCOMPARE(form_->checks, 4);
        QCOMPARE(FieldTexts(*form_), QStringList({"1000", "1", "1", "1.39", "0.69"}));
    }

    // Choosing a mode runs no check; opening C's list is not leaving C.
    void modeChangeAndDropDown() {
        Fill(true, {"1000", "1", "1", "", ""});
        auto* sk = Get("sk");
        QVERIFY(sk->isEnabled());
        Get("R2")->setFocus();
        QTest::mouseClick(Get("Option1(1)"), Qt::LeftButton);
        QVERIFY(Get<QRadioButton>("Option1(1)")->isChecked());
        QVERIFY(sk->isEnabled());  // though t1 and t2 are empty
        auto* C = Get<QComboBox>("C");
        C->setFocus();
        C->showPopup();
        C->hidePopup();
        QCOMPARE(QApplication::focusWidget(), C);
        QVERIFY(sk->isEnabled());
        QTest::keyClick(C, Qt::Key_Tab);  // leaving C runs the check
        QVERIFY(!sk->isEnabled());
        form_->SetText(Field::t1, "2");
        form_->SetText(Field::t2, "1");
        QVERIFY(sk->isEnabled());
    }

    // The message, the faults and clicks that show no box, from the table the
    // page's tests share (cases.tsv): a box over the window, then the program goes on.
    void boxes() {
        const QList<QStringList> rows = Rows(":/cases.tsv", 13);  // mode, 5 fields, box, text, 5 fields after
        QVERIFY(!rows.isEmpty());
        for (const QStringList& cell : rows) {
            const QString line = cell.join('\t');
            Fill(cell[0] == "0", cell.mid(1, 5));
            form_->SetSkEnabled(true);  // as a mode change may leave it
            const auto box = ClickAndCloseBox(Get("sk"));
            QVERIFY2(box.has_value() == (cell[6] != "none"), qPrintable(line));
            if (box) {
                QCOMPARE(box->title, "Ritmolis");
                QCOMPARE(box->text, cell[7]);
                QCOMPARE(box->icon, cell[6] == "error" ? QMessageBox::Critical : QMessageBox::NoIcon);
                QCOMPARE(box->buttons, 1);
            }
            QCOMPARE(FieldTexts(*form_), cell.mid(8, 5));
            QVERIFY(form_->isVisible());
            QCOMPARE(ends_, 0);
        }
    }

    // Entering a field and typing into it, on a window just opened, from the
    // table the page's tests share (entries.tsv): R1 and R2 select their text
    // on entry, so typing replaces it; C's prompt is selected as the window
    // opens; nothing is completed from C's list.
    void entries() {
        const QList<QStringList> rows = Rows(":/entries.tsv", 6);  // field, enter, holds, selected, type, after
        QVERIFY(!rows.isEmpty());
        for (const QStringList& cell : rows) {
            const QString& name = cell[0];
            const QString& enter = cell[1];
            const QString where = cell.join(' ');
            OpenAgain();
            QWidget* control = Get(qPrintable(name));
            auto* combo = qobject_cast<QComboBox*>(control);
            QLineEdit* field = combo ? combo->lineEdit() : static_cast<QLineEdit*>(control);
            if (enter != "start") field->setText(cell[2]);
            QVERIFY2(field->text() == cell[2], qPrintable(where));
            if (enter == "tab" || enter == "backtab") {
                QWidget* from = Neighbour(name, enter == "tab" ? -1 : 1);
                from->setFocus();
                QTest::keyClick(from, enter == "tab" ? Qt::Key_Tab : Qt::Key_Backtab);
            } else if (enter != "start") {
                Get("Command2")->setFocus();
                for (int clicks = enter == "click again" ? 2 : 1; clicks > 0; --clicks) {
                    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(8, 12));
                }
            }
            QVERIFY2(QApplication::focusWidget() == control, qPrintable(where));
            QVERIFY2(field->selectedText() == cell[3], qPrintable(where + ": selected " + field->selectedText()));
            QTest::keyClicks(control, cell[4]);
            QVERIFY2(field->text() == cell[5], qPrintable(where + ": then " + field->text()));
        }
    }

    // F1 opens the second window, made only then; each calculation fills it
    // with what the logic gives for the fields as they then stand; a change
    // clears it; F1 or Escape closes it.
    void companion() {
        QVERIFY(!form_->findChild<CompanionWindow*>());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        auto* window = form_->findChild<CompanionWindow*>();
        QVERIFY(window && window->isVisible() && window->isWindow() && !window->isModal());
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(window->windowTitle(), "Ritmolis — schema");
        auto* f = Find<QLineEdit>(*window, "f");
        auto* D = Find<QLineEdit>(*window, "D");
        auto* E = Find<QTableWidget>(*window, "E");
        const auto cleared = [&] { return f->text().isEmpty() && D->text().isEmpty() && E->isHidden() && E->rowCount() == 0; };
        QVERIFY(cleared());
        const struct {
            bool find_t;
            QStringList fields;
        } requests[] = {{true, {"1000", "1", "1", "", ""}},
                        {false, {"1000", "", "", "2", "1"}},
                        {false, {"1000", "", "", "1.0001", "1"}}};  // R1 rounds to 0: no standard R1
        for (const auto& request : requests) {
            Fill(request.find_t, request.fields);
            form_->SetSkEnabled(true);  // as a mode change may leave it
            QVERIFY(!ClickAndCloseBox(Get("sk")));
            const Companion expected = DescribeCalculation(*form_);
            QVERIFY(expected.calculated && !expected.f.empty());
            QCOMPARE(f->text(), QString::fromStdString(expected.f));
            QCOMPARE(D->text(), QString::fromStdString(expected.D));
            QCOMPARE(E->isVisible(), !request.find_t);
            QCOMPARE(E->rowCount(), request.find_t ? 0 : 3);
            for (int row = 0; row < E->rowCount(); ++row) {
                const StandardRow& cells = expected.rows.at(static_cast<std::size_t>(row));
                QCOMPARE(E->verticalHeaderItem(row)->text(), cells.series);
                QStringList shown;
                for (int column = 0; column < E->columnCount(); ++column) shown << E->item(row, column)->text();
                QCOMPARE(shown.join(' ').toStdString(), CellsLine(cells));
            }
            if (&request == &requests[1]) Picture(window, "companion.png");
        }
        // As assistive technologies meet it: the values by their labels, the
        // drawings as graphics that say what they show, the table's headers.
        QAccessibleInterface* frequency = QAccessible::queryAccessibleInterface(f);
        QCOMPARE(frequency->text(QAccessible::Name), "Dažnis f = 1 / (t1 + t2), Hz");
        QCOMPARE(frequency->text(QAccessible::Value), f->text());
        for (auto* drawing : window->findChildren<DrawingView*>()) {
            QAccessibleInterface* graphic = QAccessible::queryAccessibleInterface(drawing);
            QCOMPARE(graphic->role(), QAccessible::Graphic);
            QVERIFY(graphic->text(QAccessible::Description).contains(" = "));
        }
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(E)->tableInterface();
        QCOMPARE(table->columnDescription(0), "R1, kΩ");
        QCOMPARE(table->rowDescription(2), "E96");

        form_->SetText(Field::t1, "3");
        QVERIFY(cleared());
        QVERIFY(!ClickAndCloseBox(Get("sk")));
        QVERIFY(!cleared());
        QTest::mouseClick(Get("Option1(0)"), Qt::LeftButton);  // the mode
        QVERIFY(cleared());
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), form_.get());
        QTest::keyClick(form_.get(), Qt::Key_F1);
        QVERIFY(window->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTest::keyClick(window, Qt::Key_F1);
        QVERIFY(!window->isVisible());
    }

    // An error that is not the calculator's own (here raised by the check that
    // a keystroke runs) shows the program's Lithuanian text, and the program goes on.
    void unexpectedErrors() {
        const struct {
            std::function<void()> fault;
            const char* text;
        } cases[] = {{[] { throw std::bad_alloc(); }, kOutOfMemoryText},
                     {[] { throw std::length_error("basic_string::_M_create"); }, kUnexpectedErrorText}};
        auto* R1 = Get("R1");
        R1->setFocus();
        for (const auto& c : cases) {
            form_->fault = c.fault;
            const auto box = CloseBoxOf([R1] { QTest::keyClicks(R1, "5"); });
            if (!box) QFAIL("no box");
            QCOMPARE(box->text, QString::fromUtf8(c.text));
            QCOMPARE(box->icon, QMessageBox::Critical);
        }
        Fill(true, {"1000", "1", "", "", ""});
        QTest::keyClicks(Get("R2"), "1");
        QVERIFY(Get("sk")->isEnabled());
        QCOMPARE(ends_, 0);
    }

    // The design from a target, from the table the page's tests share
    // (design_cases.tsv): the units chosen, f and D typed; the sentence, the
    // proposed row, the named C's row; its button writes the mode, C, t1 and
    // t2 into the form, and Skaičiuoti then shows the row's R1 and R2, or the
    // box of a formula that overflowed where the row shows none.
    void design() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        auto* window = form_->findChild<CompanionWindow*>();
        QVERIFY(window);
        auto* table = Find<QTableWidget>(*window, "design");
        auto* message = Find<QLabel>(*window, "target-message");
        for (const QStringList& cell : Rows(":/design_cases.tsv", 15)) {
            const QString where = cell.join(' ');
            Find<QRadioButton>(*window, qPrintable("units-" + cell[0]))->setChecked(true);
            Find<QLineEdit>(*window, "target-f")->setText(cell[1]);
            Find<QLineEdit>(*window, "target-D")->setText(cell[2]);
            QVERIFY2(message->text() == cell[3] && message->isHidden() == cell[3].isEmpty(), qPrintable(where));
            QVERIFY2(table->rowCount() == (cell[4].isEmpty() ? 0 : 13), qPrintable(where));
            if (cell[5].isEmpty()) continue;
            int named = -1;
            QString proposed;
            for (int row = 0; row < table->rowCount(); ++row) {
                const QString header = table->verticalHeaderItem(row)->text();
                if (header.section(' ', 0, 0) == cell[5]) named = row;
                if (header.endsWith(QStringLiteral(" (siūloma)"))) proposed = header.section(' ', 0, 0);
            }
            QVERIFY2(proposed == cell[4] && named >= 0, qPrintable(where + ": proposed " + proposed));
            QStringList shown;
            for (int column = 0; column + 1 < table->columnCount(); ++column) shown << table->item(named, column)->text();
            QCOMPARE(shown, cell.mid(8, 6) << QString(cell[14]).replace(" | ", "; "));
            const auto written = CloseBoxOf([&] { QTest::mouseClick(table->cellWidget(named, table->columnCount() - 1), Qt::LeftButton); });
            QVERIFY2(!written && Get<QRadioButton>("Option1(1)")->isChecked() && Get("sk")->isEnabled(), qPrintable(where));
            const QStringList before = FieldTexts(*form_);
            QCOMPARE(QStringList({before[0], before[3], before[4]}), QStringList({cell[5], cell[6], cell[7]}));
            const auto answer = ClickAndCloseBox(Get("sk"));
            const QStringList expected = cell[8] == "nėra" ? before : QStringList{cell[5], cell[8], cell[9], cell[6], cell[7]};
            QVERIFY2(answer.has_value() == (cell[8] == "nėra") && FieldTexts(*form_) == expected, qPrintable(where));
            if (cell[1] == "1" && cell[2] == "60") {  // the README's blinker: the picture in docs/design.png
                Find<QTabWidget>(*window, "pages")->setCurrentIndex(1);
                Picture(window, "design.png");
                Find<QTabWidget>(*window, "pages")->setCurrentIndex(0);
            }
        }
    }

    // The sheet printed to PDF files (sheet-1.pdf … in the working folder, one
    // for each case of sheet_cases.tsv, which the test sheet_pdf reads back):
    // after the target's design, its proposed row written into the form and
    // calculated, on A4.
    void printSheet() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        auto* window = form_->findChild<CompanionWindow*>();
        QVERIFY(window);
        int number = 0;
        for (const QStringList& cell : Rows(":/sheet_cases.tsv", 5)) {
            Find<QRadioButton>(*window, qPrintable("units-" + cell[0]))->setChecked(true);
            Find<QLineEdit>(*window, "target-f")->setText(cell[1]);
            Find<QLineEdit>(*window, "target-D")->setText(cell[2]);
            const auto proposed = form_->design().proposed;
            if (!proposed) QFAIL("no proposed row");
            auto* table = Find<QTableWidget>(*window, "design");
            const int row = static_cast<int>(*proposed);
            QTest::mouseClick(table->cellWidget(row, table->columnCount() - 1), Qt::LeftButton);
            QVERIFY(!ClickAndCloseBox(Get("sk")));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("sheet-%1.pdf").arg(++number));
            printer.setPageSize(QPageSize(QPageSize::A4));
            CompanionWindow::PrepareForSheet(printer);
            window->PrintSheet(printer);
            QVERIFY(QFileInfo(printer.outputFileName()).size() > 0);
        }
    }

    void ending() {
        QVERIFY(!ClickAndCloseBox(Get("Command2")));
        QCOMPARE(ends_, 1);
        form_->close();  // by the frame: no handler of ours runs
        QCOMPARE(ends_, 1);
        QVERIFY(!form_->isVisible());
    }
};

}  // namespace ritmolis::testing

QTEST_MAIN(ritmolis::testing::Form1Test)
#include "form1_test.moc"

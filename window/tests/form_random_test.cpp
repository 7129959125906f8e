// Random sequences of user events on the real window: typing into any field,
// picking list items, switching the mode, moving the focus and clicking
// "Skaičiuoti" (its boxes closed at once). After every event the window is
// checked against the program's rules. RITMOLIS_SEED repeats a run;
// RITMOLIS_EVENTS sets its length (5000 by default).
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>
#include <random>

#include "logic/calculator.h"
#include "logic/conversions.h"
#include "logic/tests/fake_form.h"
#include "window/form1.h"
#include "window/tests/form_driver.h"

namespace ritmolis::testing {
namespace {

const char* const kTexts[] = {"1000", "1", "4,7", "0.5", "10", "2.2", "1.385", "9.995", "0", "-3", "-1e308",
                              "1e308", "1e999", "5e-324", "1e-400", "12abc", "x", "ąčęėįšųūž", "µF", "", "0,001",
                              "123456789012345678", "7e-5", "1e+15"};
const char* const kFields[] = {"C", "R1", "R2", "t1", "t2"};

}  // namespace

class FormRandomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }
    void randomEvents() {
        const quint64 seed = qEnvironmentVariableIsSet("RITMOLIS_SEED")
                                 ? qEnvironmentVariable("RITMOLIS_SEED").toULongLong()
                                 : std::random_device{}();
        const int events = qEnvironmentVariableIntValue("RITMOLIS_EVENTS") > 0
                               ? qEnvironmentVariableIntValue("RITMOLIS_EVENTS") : 5000;
        std::mt19937_64 random(seed);
        const auto pick = [&random](auto size) { return static_cast<int>(random() % static_cast<unsigned>(size)); };

        int ends = 0;
        Form1Window form([&ends] { ++ends; });
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* C = Find<QComboBox>(form, "C");
        QWidget* sk = Find(form, "sk");
        const auto value = [](const QString& text) { return ParseLenient(text.toStdString()); };
        const auto rule = [&value](const QStringList& fields, bool find_t) {
            return value(fields[0]) > 0 && value(fields[find_t ? 1 : 3]) > 0 && value(fields[find_t ? 2 : 4]) > 0;
        };
        bool checked_since_mode_change = false;
        int results = 0, messages = 0, faults = 0;  // what the clicks gave

        for (int n = 0; n < events; ++n) {
            const QStringList before = FieldTexts(form);
            const bool find_t = form.Option1Selected(0);
            const bool in_c = QApplication::focusWidget() == C;
            QString event;
            std::optional<ShownBox> box;
            bool clicked = false;
            switch (pick(6)) {
            case 0: {  // type, replacing the text or after it
                QWidget* field = QApplication::focusWidget();
                const char* text = kTexts[pick(std::size(kTexts))];
                const bool replace = pick(2) == 0;
                if (replace) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                if (replace && !*text) QTest::keyClick(field, Qt::Key_Backspace);
                for (const QChar ch : QString::fromUtf8(text)) {  // keyClicks takes ASCII only
                    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                }
                event = QStringLiteral("type '%1'%2 into %3").arg(text, replace ? " replacing" : "", field->objectName());
                break;
            }
            case 1:  // pick from the list of C, by mouse or by the arrow keys
                if (pick(2) == 0) {
                    C->setCurrentIndex(pick(C->count()));
                } else if (in_c) {
                    QTest::keyClick(C, pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
                }
                event = QStringLiteral("pick %1").arg(C->currentText());
                break;
            case 2: {  // switch the mode
                const char* option = pick(2) == 0 ? "Option1(0)" : "Option1(1)";
                QTest::mouseClick(Find(form, option), Qt::LeftButton);
                event = QStringLiteral("click %1").arg(option);
                break;
            }
            case 3: {  // move the focus by mouse or by Tab
                QWidget* target = Find(form, kFields[pick(5)]);
                if (pick(2) == 0) {
                    QTest::mouseClick(target == C ? C->lineEdit() : target, Qt::LeftButton);
                } else {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, pick(2) ? Qt::ShiftModifier : Qt::NoModifier);
                }
                event = QStringLiteral("focus to %1").arg(QApplication::focusWidget()->objectName());
                break;
            }
            default:  // click "Skaičiuoti"
                // Leaving C for the button runs the check first, which may disable it.
                clicked = sk->isEnabled() && (!in_c || rule(before, find_t));
                box = ClickAndCloseBox(sk);
                if (box) {  // as a window manager would, give the window back its activation
                    form.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&form));
                }
                event = QStringLiteral("click%1").arg(box ? ": " + box->text : QString());
                break;
            }
            const QStringList after = FieldTexts(form);
            const auto where = [&] {
                return QStringLiteral("seed %1, event %2: %3 in [%4] -> [%5]")
                    .arg(seed).arg(n).arg(event, before.join('|'), after.join('|'));
            };
#define CHECK(ok, what) \
    if (!(ok)) QFAIL(qPrintable(where() + ": " + QString::fromUtf8(what)))

            CHECK(form.isVisible() && ends == 0, "the program ended");
            for (const QString& text : after) {
                const QString shown = text.toLower();
                CHECK(!shown.contains("inf") && !shown.contains("nan") && shown != "-0", "a field shows inf, nan or -0");
            }

            // The button follows the rule once a field changed or C was left since the last mode change.
            if (form.Option1Selected(0) != find_t) {
                checked_since_mode_change = false;
            } else if (after != before || (in_c && QApplication::focusWidget() != C)) {
                checked_since_mode_change = true;
            }
            if (checked_since_mode_change) {
                CHECK(sk->isEnabled() == rule(after, form.Option1Selected(0)), "the button does not follow the rule");
            }
            if (!clicked) {
                CHECK(!box, "a box without a click");
                continue;
            }

            // The click: what the logic gives over a form of plain strings in the same state.
            FakeForm logic;
            for (std::size_t i = 0; i < logic.fields.size(); ++i) logic.fields[i] = before[static_cast<qsizetype>(i)].toStdString();
            logic.find_t = find_t;
            logic.sk_Click();
            bool message = false;
            std::optional<QString> fault;
            for (const std::string& entry : logic.log) {
                message = message || entry.starts_with("msg:");
                if (entry.starts_with("error:")) fault = QString::fromStdString(entry.substr(6));
            }
            CHECK(FieldTexts(logic) == after, "the fields are not the logic's");
            CHECK(box.has_value() == (message || fault), "a box where the logic shows none, or none where it shows one");
            if (box) {
                const QString text = fault ? *fault : QString::fromUtf8(kT1NotGreaterMessage);
                CHECK(box->text == text && (box->icon == QMessageBox::Critical) == fault.has_value(),
                      "the box is not the logic's");
            }
            ++(fault ? faults : message ? messages : results);
#undef CHECK
        }
        qInfo("%d events (%d results, %d messages, %d fault boxes), seed %llu", events, results, messages, faults,
              static_cast<unsigned long long>(seed));
    }
};

}  // namespace ritmolis::testing

QTEST_MAIN(ritmolis::testing::FormRandomTest)
#include "form_random_test.moc"

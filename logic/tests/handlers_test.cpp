#include <algorithm>
#include <functional>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "logic/calculator.h"
#include "logic/errors.h"
#include "logic/tests/fake_form.h"

namespace ritmolis {
namespace {

// The form whose input check raises an error once, where a case asks.
class FaultyForm : public testing::FakeForm {
public:
    std::function<void()> fault;

    void SetSkEnabled(bool enabled) override {
        if (fault) std::exchange(fault, {})();
        FakeForm::SetSkEnabled(enabled);
    }
};

// One event as a front end sends it: "R1=5" the user typing R1's new text,
// "mode1" choosing a mode, "sk", "C-left", "R1-entered", "end"; beside the
// form "f=1" and "D=60" typing the target, "units=nF" and "tolerance=10"
// choosing, "design3" choosing the fourth row of the design; "fault:memory"
// and "fault:library" make the next check raise such an error.
void Send(FaultyForm& form, const std::string& event) {
    const auto equals = event.find('=');
    const std::string name = event.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : event.substr(equals + 1);
    if (name == "f" || name == "D") {
        (name == "f" ? form.target_f : form.target_D) = value;
        form.Target_Change();
    } else if (name == "units") {
        form.settings.units = value == "nF" ? Units::Nanofarad : Units::Microfarad;
        form.Units_Change();
    } else if (name == "tolerance") {
        form.settings.c_tolerance = std::stod(value);
        form.Tolerance_Change();
    } else if (event.starts_with("design")) {
        form.Design_Click(std::stoul(event.substr(6)));
    } else if (equals != std::string::npos) {
        const auto field = static_cast<std::size_t>(std::find(kFieldNames.begin(), kFieldNames.end(),
                                                              event.substr(0, equals)) - kFieldNames.begin());
        form.fields.at(field) = event.substr(equals + 1);
        (form.*Form1::kChangeHandlers.at(field))();
    } else if (event.starts_with("mode")) {
        form.find_t = event == "mode0";
        form.Companion_ModeChange();
    } else if (event == "sk") {
        form.sk_Click();
    } else if (event == "C-left") {
        form.C_LostFocus();
    } else if (event == "R1-entered") {
        form.R1_GotFocus();
    } else if (event == "R2-entered") {
        form.R2_GotFocus();
    } else if (event == "end") {
        form.Command2_Click();
    } else if (event == "fault:memory") {
        form.fault = [] { throw std::bad_alloc(); };
    } else if (event == "fault:library") {
        form.fault = [] { throw std::out_of_range("vector::_M_range_check"); };
    } else {
        FAIL() << "no event " << event;
    }
}

// Events in turn on a form that holds the fields and the mode; what the form
// then shows, in the order it shows it: every write, check result, box,
// selection and change of the companion.
TEST(Handlers, EventTable) {
    const std::string message = std::string("msg:") + kT1NotGreaterMessage;
    const struct {
        bool find_t;
        std::array<std::string, 5> fields;  // C, R1, R2, t1, t2
        const char* events;                 // separated by spaces
        std::string shown;
    } cases[] = {
        {true, {"1000", "1", "", "", ""}, "R2=1", "(on)"},
        {true, {"1000", "1", "1", "", ""}, "sk",
         "t1=1.386 (on) t2=0.693 (on) t1=1.39 (on) t2=0.69 (on) (companion)"},
        // The companion goes with any change of a field, or of the mode, and only once.
        {true, {"1000", "1", "1", "", ""}, "sk t1=5 t2=1", "t1=1.386 (on) t2=0.693 (on) t1=1.39 (on) t2=0.69 (on) "
                                                           "(companion) (companion cleared) (on) (on)"},
        {false, {"1000", "", "", "2", "1"}, "sk mode0 mode1",
         "R2=1.44300144300144 (on) R1=1.44300144300145 (on) R1=1.443 (on) R2=1.443 (on) (companion) "
         "(companion cleared)"},
        // A new calculation replaces it; one that shows its message clears it.
        {false, {"1000", "", "", "2", "1"}, "sk sk", "R2=1.44300144300144 (on) R1=1.44300144300145 (on) R1=1.443 (on) "
                                                     "R2=1.443 (on) (companion) R2=1.44300144300144 (companion cleared) "
                                                     "(on) R1=1.44300144300145 (on) R1=1.443 (on) R2=1.443 (on) "
                                                     "(companion)"},
        {false, {"1000", "", "", "1", "2"}, "sk", message},
        // A mode change runs no check; leaving C does.
        {true, {"1000", "1", "1", "", ""}, "mode1 C-left", "(off)"},
        // A fault: the box, and no companion.
        {true, {"1", "1e308", "1e308", "", ""}, "sk", "error:Perpildymas"},
        {true, {"1e10", "-1e308", "1e308", "", ""}, "sk", "t1=0 (off) error:Perpildymas"},
        // An error that is not the calculator's own shows the program's own text.
        {true, {"1000", "1", "", "", ""}, "fault:memory R2=1 R2=2", "error:Trūksta atminties (on)"},
        {true, {"1000", "1", "", "", ""}, "fault:library R2=1", "error:Netikėta programos klaida"},
        // An error in the check that a write runs ends the calculation there, with one box.
        {true, {"1000", "1", "1", "", ""}, "fault:memory sk", "t1=1.386 error:Trūksta atminties"},
        // Entering R1 or R2 selects its whole text, in UTF-16 units as the toolkits count.
        {true, {"", "47", "ąčę😀", "", ""}, "R1-entered R2-entered", "select:R1:0:2 select:R2:0:5"},
        {true, {"", "", "", "", ""}, "end", "end"},
        // Beside the form: the target's design, and its fourth row (C = 10) written as typing would, so that
        // the form's check follows and its own calculation gives the row's R1 and R2.
        {true, {"", "", "", "", ""}, "f=1 D=60 design3 sk",
         "(design 0) (design 13) C=10 (off) t1=0.6 (off) t2=0.4 (on) R2=57.7200577200577 (on) R1=28.8600288600289 "
         "(on) R1=28.86 (on) R2=57.72 (on) (companion)"},
        {true, {"", "", "", "", ""}, "design3 f=1 design13", "(design 0)"},  // no such row
        // The companion's choices describe a calculation shown again; the units also the design.
        {true, {"1000", "1", "1", "", ""}, "tolerance=10 units=nF sk tolerance=5 units=uF",
         "(companion cleared) (design 0) t1=1.386 (on) t2=0.693 (on) t1=1.39 (on) t2=0.69 (on) (companion) "
         "(companion) (companion) (design 0)"},
    };
    for (const auto& c : cases) {
        FaultyForm form;
        form.find_t = c.find_t;
        form.fields = c.fields;
        std::istringstream events(c.events);
        for (std::string event; events >> event;) Send(form, event);
        EXPECT_EQ(form.Log(), c.shown) << c.events;
        // The companion is filled when the last it showed was a filled one.
        const auto last = std::find_if(form.log.rbegin(), form.log.rend(),
                                       [](const std::string& entry) { return entry.starts_with("(companion"); });
        EXPECT_EQ(form.companion().calculated, last != form.log.rend() && *last == "(companion)") << c.events;
    }
}

// Form_Load: the mode "sužinoti T", C's list as the form writes its numbers,
// its prompt left as it is, the button disabled.
TEST(Handlers, FormLoad) {
    testing::FakeForm form;
    form.find_t = false;
    form.fields[0] = "pasirink C talpą";
    form.Form_Load();
    EXPECT_TRUE(form.find_t);
    EXPECT_EQ(form.items, (std::vector<std::string>{"1", "2.2", "4.7", "10", "22", "33", "47", "100", "220", "330",
                                                    "470", "1000", "1500"}));
    EXPECT_EQ(form.fields[0], "pasirink C talpą");
    EXPECT_EQ(form.Log(), "(off)");
}

}  // namespace
}  // namespace ritmolis

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "logic/calculator.h"
#include "logic/errors.h"
#include "logic/tests/fake_form.h"

namespace ritmolis {
namespace {

using testing::FakeForm;

constexpr bool kFindT = true;
constexpr bool kFindR = false;
const std::string kMessage = std::string("msg:") + kT1NotGreaterMessage;

FakeForm Form(bool find_t, std::array<std::string, 5> fields) {
    FakeForm form;
    form.find_t = find_t;
    form.fields = std::move(fields);
    return form;
}

// A click on "Skaičiuoti": every write in order, each followed by the check it
// raised when it changed the field, and the error the click ended with.
struct ClickCase {
    bool find_t;
    std::array<std::string, 5> fields;  // C, R1, R2, t1, t2
    std::string log;
    std::string error;  // the error's text, if any
};

TEST(Calculator, ClickTable) {
    const ClickCase cases[] = {
        {kFindT, {"1000", "1", "1", "", ""}, "t1=1.386 (on) t2=0.693 (on) t1=1.39 (on) t2=0.69 (on)", ""},
        {kFindT, {"100", "10", "4.7", "", ""}, "t1=1.01871 (on) t2=0.32571 (on) t1=1.02 (on) t2=0.33 (on)", ""},
        {kFindT, {"1", "1", "1", "", ""}, "t1=0.001386 (on) t2=0.000693 (on) t1=0 (on) t2=0 (on)", ""},
        // 1.0395 is stored as 1.03949999…: rounding follows the digits shown.
        {kFindT, {"1000", "0,5", "1", "", ""}, "t1=1.0395 (on) t2=0.693 (on) t1=1.04 (on) t2=0.69 (on)", ""},
        // Mode 0 reached with the button still enabled and R1, R2 empty.
        {kFindT, {"1000", "", "", "5", "3"}, "t1=0 (off) t2=0 (off) t1=0 t2=0", ""},
        {kFindR, {"100", "", "", "10", "4"},
         "R2=57.7200577200577 (on) R1=86.5800865800866 (on) R1=86.58 (on) R2=57.72 (on)", ""},
        {kFindR, {"1000", "", "", "1.386", "0.693"}, "R2=1 (on) R1=1 (on) R1=1 R2=1", ""},
        // R1 comes from R2 as read back from its text: from R2's own value it would end in 3.
        {kFindR, {"0,5", "", "", "10", "4"},
         "R2=11544.0115440115 (on) R1=17316.0173160174 (on) R1=17316.017 (on) R2=11544.012 (on)", ""},
        {kFindR, {"100", "", "", "12abc", "4"},
         "R2=57.7200577200577 (on) R1=115.440115440115 (on) R1=115.44 (on) R2=57.72 (on)", ""},
        {kFindR, {"100", "1", "2", "5", "5"}, kMessage, ""},
        {kFindR, {"100", "1", "2", "3", "5"}, kMessage, ""},
        {kFindR, {"100", "1", "2", "", ""}, kMessage, ""},
        // Faults: nothing is written from the faulting step on.
        {kFindT, {"1", "1e308", "1e308", "a", "b"}, "", "Perpildymas"},
        {kFindT, {"1", "1e999", "1", "a", "b"}, "", "Perpildymas"},
        {kFindT, {"1", "-1e999", "1e999", "a", "b"}, "", "Neleistina operacija"},
        {kFindT, {"1e999", "0", "0", "a", "b"}, "", "Neleistina operacija"},
        // t1 is finite, t2 overflows: t1 keeps its unrounded result.
        {kFindT, {"1e10", "-1e308", "1e308", "a", "b"}, "t1=0 (off)", "Perpildymas"},
        {kFindR, {"0", "a", "b", "2", "1"}, "", "Dalyba iš nulio"},
        {kFindR, {"0", "a", "b", "2", "0"}, "", "Dalyba iš nulio"},
        {kFindR, {"1e999", "a", "b", "2", "1"}, "", "Perpildymas"},
        // R2 is finite, then t1 / 0.693 / (C / 1000) overflows: R2 keeps its unrounded result.
        {kFindR, {"1e-300", "a", "b", "1e308", "1"}, "R2=1.44300144300144e+303 (on)", "Perpildymas"},
        // R2 and t1 / 0.693 / (C / 1000) are finite, their difference is not.
        {kFindR, {"1000", "a", "b", "1e308", "-1e308"}, "R2=-1.44300144300144e+308 (off)", "Perpildymas"},
    };
    for (const auto& c : cases) {
        FakeForm form = Form(c.find_t, c.fields);
        SCOPED_TRACE(c.fields[0] + " " + c.fields[1] + " " + c.fields[2] + " " + c.fields[3] + " " + c.fields[4]);
        std::string error;
        try {
            sk_Click(form);
        } catch (const ArithmeticFault& fault) {
            error = fault.what();
            EXPECT_EQ(FaultText(fault.kind()), error);
        }
        EXPECT_EQ(form.Log(), c.log);
        EXPECT_EQ(error, c.error);
    }
}

TEST(Calculator, CheckInputsTable) {
    struct Case {
        bool find_t;
        std::array<std::string, 5> fields;
        bool enabled;
    };
    const Case cases[] = {
        {kFindT, {"pasirink C talpą", "", "", "", ""}, false},
        {kFindT, {"1000", "1", "", "", ""}, false},
        {kFindT, {"1000", "1", "1", "", ""}, true},
        {kFindT, {"4,7", "5x", "0.1", "", ""}, true},
        {kFindT, {"1000", "0", "1", "", ""}, false},
        {kFindT, {"1000", "-1", "1", "", ""}, false},
        {kFindT, {"1000", "abc", "1", "", ""}, false},
        {kFindT, {"1e-400", "1", "1", "", ""}, false},
        {kFindT, {"0", "1", "1", "", ""}, false},
        {kFindT, {"1000", "", "", "3", "5"}, false},  // mode 0 reads R1 and R2
        {kFindR, {"1000", "", "", "3", "5"}, true},   // t1 < t2 is the calculation's matter
        {kFindR, {"1000", "1", "1", "", "5"}, false}, // mode 1 reads t1 and t2
        {kFindR, {"", "1", "1", "3", "5"}, false},
    };
    for (const auto& c : cases) {
        FakeForm form = Form(c.find_t, c.fields);
        form.sk = !c.enabled;
        CheckInputs(form);
        EXPECT_EQ(form.sk, c.enabled) << c.fields[0] << " " << c.fields[1] << " " << c.fields[2];
        EXPECT_EQ(form.fields, c.fields);
    }
}

// Changing the mode runs nothing: the button keeps its state until a field changes.
TEST(Calculator, ModeChangeRunsNoCheck) {
    FakeForm form = Form(kFindT, {"1000", "1", "1", "", ""});
    CheckInputs(form);
    form.find_t = false;
    EXPECT_TRUE(form.sk);
    form.SetText(Field::t1, "2");  // the change runs the check of the new mode
    EXPECT_FALSE(form.sk);
    form.SetText(Field::t2, "1");
    EXPECT_TRUE(form.sk);
}

}  // namespace
}  // namespace ritmolis

// The calculator's work per event on the test form: the input check run by every
// keystroke, and a whole click in each mode (with the checks its writes raise).
#include <benchmark/benchmark.h>

#include "logic/calculator.h"
#include "logic/tests/fake_form.h"

namespace {

using ritmolis::testing::FakeForm;

FakeForm Form(bool find_t, std::array<std::string, 5> fields) {
    FakeForm form;
    form.find_t = find_t;
    form.fields = std::move(fields);
    return form;
}

void BM_CheckInputs(benchmark::State& state) {
    FakeForm form = Form(true, {"1000", "4,7", "10", "", ""});
    for (auto _ : state) {
        ritmolis::CheckInputs(form);
        form.log.clear();
    }
    benchmark::DoNotOptimize(form.sk);
}
BENCHMARK(BM_CheckInputs);

void BM_Click(benchmark::State& state, bool find_t) {
    const FakeForm start = Form(find_t, {"100", "10", "4.7", "10", "4"});
    for (auto _ : state) {
        FakeForm form = start;
        ritmolis::sk_Click(form);
        benchmark::DoNotOptimize(form.fields);
    }
}
BENCHMARK_CAPTURE(BM_Click, find_t, true);
BENCHMARK_CAPTURE(BM_Click, find_r1_r2, false);

}  // namespace

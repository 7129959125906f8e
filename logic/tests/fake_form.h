// A form state over plain strings for tests and benchmarks. Like the window, it
// runs CheckInputs after every write that changes a field, so the check nests
// inside a calculation; it logs every write, check result and message.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "logic/form_state.h"

namespace ritmolis::testing {

class FakeForm : public FormState {
public:
    // The fields in the order C, R1, R2, t1, t2.
    std::array<std::string, 5> fields;
    bool find_t = true;
    bool sk = false;
    std::vector<std::string> log;

    [[nodiscard]] std::string Text(Field field) const override { return fields.at(Index(field)); }
    void SetText(Field field, const std::string& text) override {
        log.push_back(std::string(kFieldNames.at(Index(field))) + "=" + text);
        if (std::exchange(fields.at(Index(field)), text) != text) CheckInputs(*this);
    }
    [[nodiscard]] bool Option1Selected(int index) const override { return (index == 0) == find_t; }
    void SetSkEnabled(bool enabled) override {
        sk = enabled;
        log.emplace_back(enabled ? "(on)" : "(off)");
    }
    void ShowMessage(const std::string& text) override { log.push_back("msg:" + text); }
    void EndProgram() override { log.emplace_back("end"); }

    // The log as one line, entries separated by spaces.
    [[nodiscard]] std::string Log() const {
        std::string line;
        for (const auto& entry : log) line += (line.empty() ? "" : " ") + entry;
        return line;
    }

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
};

}  // namespace ritmolis::testing

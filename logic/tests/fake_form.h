// The form over plain strings, for tests and benchmarks: the program's own
// Form1, with its handlers and the rule that a write runs the field's change
// handler, whose controls are a log. It logs every write, check result, box,
// selection and companion shown.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "logic/form1.h"

namespace ritmolis::testing {

class FakeForm : public Form1 {
public:
    // The fields in the order C, R1, R2, t1, t2.
    std::array<std::string, 5> fields;
    bool find_t = true;
    bool sk = false;
    std::vector<std::string> items;  // C's list
    CompanionSettings settings;      // the companion's choices
    std::string target_f, target_D;  // the target as typed
    std::vector<std::string> log;

    [[nodiscard]] std::string Text(Field field) const override { return fields.at(Index(field)); }
    [[nodiscard]] bool Option1Selected(int index) const override { return (index == 0) == find_t; }
    void SetSkEnabled(bool enabled) override {
        sk = enabled;
        log.emplace_back(enabled ? "(on)" : "(off)");
    }
    void EndProgram() override { log.emplace_back("end"); }

    // The log as one line, entries separated by spaces.
    [[nodiscard]] std::string Log() const {
        std::string line;
        for (const auto& entry : log) line += (line.empty() ? "" : " ") + entry;
        return line;
    }

protected:
    void ShowText(Field field, const std::string& text) override {
        log.push_back(std::string(kFieldNames.at(Index(field))) + "=" + text);
        fields.at(Index(field)) = text;
    }
    void SelectOption1(int index) override { find_t = index == 0; }
    void AddCItem(const std::string& text) override { items.push_back(text); }
    void Select(Field field, int start, int length) override {
        log.push_back("select:" + std::string(kFieldNames.at(Index(field))) + ':' + std::to_string(start) + ':' +
                      std::to_string(length));
    }
    void ShowBox(BoxKind kind, const std::string& text) override {
        log.push_back((kind == BoxKind::Message ? "msg:" : "error:") + text);
    }
    void ShowCompanion(const Companion& companion) override {
        log.emplace_back(companion.calculated ? "(companion)" : "(companion cleared)");
    }
    [[nodiscard]] CompanionSettings Settings() const override { return settings; }
    [[nodiscard]] std::string TargetText(bool frequency) const override { return frequency ? target_f : target_D; }
    void ShowDesign(const Design& design) override {
        log.push_back("(design " + std::to_string(design.rows.size()) + ")");
    }

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
};

}  // namespace ritmolis::testing

// The lines of a tab-separated table of cases, for the tests that read one:
// lines that are empty or begin with '#' (what the columns mean) are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logic/limits.h"

namespace ritmolis::testing {

inline std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + separator.size();
    }
}

// Each case's cells.
inline std::vector<std::vector<std::string>> Cases(std::string_view table) {
    std::vector<std::vector<std::string>> cases;
    for (const std::string& line : Split(table, "\n")) {
        if (!line.empty() && !line.starts_with('#')) cases.push_back(Split(line, "\t"));
    }
    return cases;
}

// Notes as a table writes them: each by its beginning up to the colon, separated by " | ".
inline std::string NoteHeads(const std::vector<std::string>& notes) {
    std::string heads;
    for (const std::string& note : notes) heads += (heads.empty() ? "" : " | ") + NoteHead(note);
    return heads;
}

}  // namespace ritmolis::testing

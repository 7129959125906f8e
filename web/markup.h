// Markup that both the page's build (form_page.cpp) and its module write.
#pragma once

#include <string>

#include "logic/drawing.h"

namespace ritmolis {

// The cells of a table's header row, each naming its column.
template <class Headers>
std::string HeaderCells(const Headers& headers) {
    std::string cells;
    for (const char* header : headers) cells += "<th scope=\"col\">" + EscapeMarkup(header) + "</th>";
    return cells;
}

}  // namespace ritmolis

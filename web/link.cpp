#include "web/link.h"

#include <algorithm>
#include <vector>

#include "logic/form_state.h"

namespace ritmolis {
namespace {

constexpr std::string_view kModeName = "m";

// application/x-www-form-urlencoded: letters, digits and *-._ stand as they
// are, a space is '+', every other byte %XX.
std::string Encode(std::string_view text) {
    constexpr std::string_view kKept = "*-._";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            kKept.find(c) != std::string_view::npos) {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += "0123456789ABCDEF"[byte >> 4];
            out += "0123456789ABCDEF"[byte & 15];
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// '+' is a space; %XX a byte where XX are two hexadecimal digits; anything else stands.
std::string Decode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string WriteLinkText(const Link& link) {
    std::string text = std::string(kModeName) + '=' + std::to_string(link.mode);
    for (std::size_t i = 0; i < link.fields.size(); ++i) {
        text += '&' + Encode(kFieldNames.at(i)) + '=' + Encode(link.fields.at(i));
    }
    return text;
}

std::optional<Link> ReadLinkText(std::string_view fragment, int modes) {
    std::vector<std::pair<std::string, std::string>> pairs;
    while (!fragment.empty()) {
        const std::string_view pair = fragment.substr(0, fragment.find('&'));
        fragment.remove_prefix(std::min(fragment.size(), pair.size() + 1));
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        pairs.emplace_back(Decode(pair.substr(0, equals)),
                           equals == std::string_view::npos ? "" : Decode(pair.substr(equals + 1)));
    }
    if (pairs.size() != 1 + kFieldNames.size()) return std::nullopt;
    const auto value = [&pairs](std::string_view name) -> const std::string* {
        const auto found = std::find_if(pairs.begin(), pairs.end(), [name](const auto& pair) { return pair.first == name; });
        return found == pairs.end() ? nullptr : &found->second;
    };
    Link link;
    const std::string* mode = value(kModeName);
    if (!mode || mode->size() != 1 || (*mode)[0] < '0' || (*mode)[0] >= '0' + modes) return std::nullopt;
    link.mode = (*mode)[0] - '0';
    for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
        const std::string* field = value(kFieldNames.at(i));
        if (!field) return std::nullopt;
        link.fields.at(i) = *field;
    }
    return link;
}

}  // namespace ritmolis

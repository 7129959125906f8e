// The link that a calculation writes into the page's address, after '#': the
// mode and the five fields as a form-encoded list (m=0&C=1000&R1=1&…), as
// URLSearchParams writes and reads one, so that any browser or script reads
// it alike.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ritmolis {

struct Link {
    int mode = 0;
    std::array<std::string, 5> fields;  // C, R1, R2, t1, t2
};

[[nodiscard]] std::string WriteLinkText(const Link& link);

// The link a fragment (without its '#') holds: exactly the six names, each
// once, the mode the number of one of `modes` option buttons. Anything else
// holds none.
[[nodiscard]] std::optional<Link> ReadLinkText(std::string_view fragment, int modes);

}  // namespace ritmolis

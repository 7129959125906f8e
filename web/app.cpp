#include "web/app.h"

#include <string>

#include "web/dom.h"

namespace ritmolis {

void OfferApp() {
    const std::string protocol = dom::Get("location", "protocol");
    // A secure context: HTTPS, or HTTP from localhost; file:// is secure too, hence the protocol.
    if ((protocol != "https:" && protocol != "http:") || !dom::Flag("window", "isSecureContext")) return;
    if (!dom::Flag("navigator", "serviceWorker")) return;
    dom::Append("head", "<link rel=\"manifest\" href=\"manifest.webmanifest\">"
                        "<link rel=\"apple-touch-icon\" href=\"apple-touch-icon.png\">");
    // A host without the worker beside the page leaves a warning, and the page as it is.
    dom::RegisterWorker("sw.js");
}

}  // namespace ritmolis

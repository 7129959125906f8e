#include "web/app.h"

#include <emscripten/val.h>

#include <string>

namespace ritmolis {

using emscripten::val;

namespace {

void Link(const char* rel, const char* href) {
    val link = val::global("document").call<val>("createElement", val("link"));
    link.set("rel", rel);
    link.set("href", href);
    val::global("document")["head"].call<void>("append", link);
}

}  // namespace

void OfferApp() {
    const std::string protocol = val::global("location")["protocol"].as<std::string>();
    // A secure context: HTTPS, or HTTP from localhost; file:// is secure too, hence the protocol.
    if ((protocol != "https:" && protocol != "http:") || !val::global("isSecureContext").as<bool>()) return;
    const val workers = val::global("navigator")["serviceWorker"];
    if (workers.isUndefined()) return;
    Link("manifest", "manifest.webmanifest");
    Link("apple-touch-icon", "apple-touch-icon.png");
    // A host without the worker beside the page leaves a warning, and the page as it is.
    workers.call<val>("register", val("sw.js")).call<void>("catch", val::global("console")["warn"]);
}

}  // namespace ritmolis

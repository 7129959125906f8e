// Ritmolis in a browser: the module's two exports, which the page's loader
// (loader.js) calls. The form over the page's controls lives as long as the
// page; served from a web host, the page is also an app.
#include "web/app.h"
#include "web/form1.h"

namespace {

ritmolis::Form1Page* the_form = nullptr;

}  // namespace

// Once, when the module is loaded.
extern "C" [[clang::export_name("start")]] void start() {
    static ritmolis::Form1Page form;
    the_form = &form;
    ritmolis::OfferApp();
}

// Each event the page listens to: the handler of that line of its list (form1.cpp).
extern "C" [[clang::export_name("dispatch")]] void dispatch(int line) { the_form->Dispatch(line); }

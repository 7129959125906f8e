// Ritmolis in a browser: the form over the page's controls, which lives as
// long as the page; served from a web host, the page is also an app.
#include "web/app.h"
#include "web/form1.h"

int main() {
    static ritmolis::Form1 form;
    ritmolis::OfferApp();
}

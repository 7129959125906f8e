// Ritmolis in a browser: the form over the page's controls, which lives as
// long as the page.
#include "web/form1.h"

int main() { static ritmolis::Form1 form; }

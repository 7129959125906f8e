#include "logic/form1.h"

#include <exception>
#include <new>
#include <utility>

#include "logic/calculator.h"
#include "logic/conversions.h"
#include "logic/errors.h"

namespace ritmolis {
namespace {

// The length of a UTF-8 text in UTF-16 units, as the toolkits count characters.
int Utf16Length(const std::string& text) {
    int length = 0;
    for (const char byte : text) {
        const auto unit = static_cast<unsigned char>(byte);
        if ((unit & 0xC0) != 0x80) ++length;  // a character starts here
        if ((unit & 0xF8) == 0xF0) ++length;  // beyond the first plane: a surrogate pair
    }
    return length;
}

// The box's text for an error. The texts are the program's own, fixed: naming
// one allocates nothing, even when memory has run out.
const char* ErrorText(const std::exception_ptr& error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const ArithmeticFault& fault) {
        return FaultText(fault.kind());
    } catch (const ConversionError&) {
        return kConversionErrorText;
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryText;
    } catch (...) {
        return kUnexpectedErrorText;  // a library's error, whose text is English and meant for programmers
    }
}

}  // namespace

void Form1::ShowError(const std::exception_ptr& error) noexcept {
    try {
        ShowBox(BoxKind::Error, ErrorText(error));
    } catch (...) {  // NOLINT(bugprone-empty-catch): not even a box could be shown, nothing is left to tell the user with
    }
}

void Form1::SetText(Field field, const std::string& text) {
    const bool changes = Text(field) != text;
    ShowText(field, text);
    if (changes) (this->*kChangeHandlers.at(static_cast<std::size_t>(field)))();
}

// A box's own event loop may deliver events meanwhile: each is an event of its own.
void Form1::ShowMessage(const std::string& text) {
    const bool running = std::exchange(running_, false);
    ShowBox(BoxKind::Message, text);
    running_ = running;
}

void Form1::Form_Load() {
    Run([this] {
        SelectOption1(0);
        for (const double item : kCItems) AddCItem(FormatNumber(item));
        SetSkEnabled(false);
    });
}

void Form1::Show(Companion companion) {
    // Hidden and empty already, in these units.
    if (!companion.calculated && !companion_.calculated && companion.units == companion_.units) return;
    companion_ = std::move(companion);
    ShowCompanion(companion_);
}

Companion Form1::Cleared() const {
    Companion cleared;
    cleared.units = Settings().units;
    return cleared;
}

void Form1::Changed() {
    Show(Cleared());
    CheckInputs(*this);
}

void Form1::C_Change() { Run([this] { Changed(); }); }
void Form1::C_LostFocus() { Run([this] { CheckInputs(*this); }); }
void Form1::R1_Change() { Run([this] { Changed(); }); }
void Form1::R2_Change() { Run([this] { Changed(); }); }
void Form1::t1_Change() { Run([this] { Changed(); }); }
void Form1::t2_Change() { Run([this] { Changed(); }); }

void Form1::SelectWhole(Field field) { Select(field, 0, Utf16Length(Text(field))); }
void Form1::R1_GotFocus() { Run([this] { SelectWhole(Field::R1); }); }
void Form1::R2_GotFocus() { Run([this] { SelectWhole(Field::R2); }); }

// The calculation, then its companion; an error on the way leaves the
// companion empty (the writes before it have cleared it).
void Form1::sk_Click() {
    Run([this] {
        ritmolis::sk_Click(*this);
        Show(DescribeCalculation(*this, Settings()));
    });
}

void Form1::Command2_Click() { Run([this] { EndProgram(); }); }

void Form1::Companion_ModeChange() {
    Run([this] { Show(Cleared()); });
}

// A choice of the companion's changes only what it shows: what the form shows
// is the same as before, so a calculation shown is described again.
void Form1::Units_Change() {
    Run([this] {
        Show(companion_.calculated ? DescribeCalculation(*this, Settings()) : Cleared());
        design_ = DesignForTarget(TargetText(true), TargetText(false), Settings().units);
        ShowDesign(design_);
    });
}

void Form1::Tolerance_Change() {
    Run([this] {
        if (companion_.calculated) Show(DescribeCalculation(*this, Settings()));
    });
}

void Form1::Target_Change() {
    Run([this] {
        design_ = DesignForTarget(TargetText(true), TargetText(false), Settings().units);
        ShowDesign(design_);
    });
}

void Form1::Design_Click(std::size_t row) {
    Run([this, row] {
        if (row >= design_.rows.size()) return;
        const DesignRow chosen = design_.rows[row];
        SelectOption1(1);
        Show(Cleared());
        SetText(Field::C, chosen.C);
        SetText(Field::t1, chosen.t1);
        SetText(Field::t2, chosen.t2);
    });
}

}  // namespace ritmolis

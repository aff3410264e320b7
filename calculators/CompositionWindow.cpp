#include "calculators/CompositionWindow.h"

#include "Globals.h"

#include <QEvent>
#include <QSignalBlocker>

#include <cmath>

namespace calculators {

using Globals::ASnumber;
using Globals::MASSnumber;
using Globals::Mnumber;

namespace {

const char* entryOf(int k) {
    return k == 1 ? "dataEntry1" : "dataEntry2";
}

std::array<double, 6> sharedComposition() {
    return {MASSnumber[1], MASSnumber[2], ASnumber[1], ASnumber[2], Mnumber[1], Mnumber[2]};
}

// An unknown content (NaN) equals an unknown one.
bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

void CompositionWindow::Show() {
    followSharedComposition();
    CalculatorWindow::Show();
}

CompositionScale CompositionWindow::scale() const {
    if (isOn("Mole")) return CompositionScale::AmountOfSubstance;
    if (isOn("Molality")) return CompositionScale::Molality;
    return CompositionScale::Mass;
}

double CompositionWindow::shared(int k) const {
    switch (scale()) {
    case CompositionScale::Mass:
        return MASSnumber[k];
    case CompositionScale::AmountOfSubstance:
        return ASnumber[k];
    case CompositionScale::Molality:
        break;
    }
    return MASSnumber[0] > 0 ? Mnumber[k] : NAN;
}

void CompositionWindow::showEntry(int k) {
    ui::EditField& entry = field(entryOf(k));
    const QSignalBlocker noEdit(entry);
    entry.setText(cellText(shared(k)));
}

void CompositionWindow::showComposition() {
    showMassAndAmountOfSubstance();
    const bool defined = MolalityDefined();
    showCell("molNaCl", defined ? Mnumber[1] : NAN);
    showCell("molKCl", defined ? Mnumber[2] : NAN);
    shown_ = sharedComposition();
}

bool CompositionWindow::showsSharedComposition() const {
    const std::array<double, 6> now = sharedComposition();
    for (std::size_t i = 0; i < now.size(); ++i)
        if (!same(now[i], shown_[i])) return false;
    return true;
}

void CompositionWindow::enterSalt(int k) {
    const int other = 3 - k;
    const bool otherUnknown = field(entryOf(other)).text() == kUnknownCell;
    if (!showsSharedComposition()) {
        // The other salt is the one last typed, in either window.
        showEntry(other);
    } else if (!otherUnknown) {
        // The other salt as its entry shows it, also where an undefined
        // molality has set it to 0 in the arrays.
        ConvertComposition(other, scale(), value(entryOf(other)));
    }
    ConvertComposition(k, scale(), value(entryOf(k)));
    showComposition();
    // An entry that had no value on this scale shows what the edit left it.
    if (otherUnknown) showEntry(other);
    clearResults();
}

void CompositionWindow::followSharedComposition() {
    if (showsSharedComposition()) return;
    showEntry(1);
    showEntry(2);
    showComposition();
    clearResults();
}

bool CompositionWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !handlerRunning()) followSharedComposition();
    return CalculatorWindow::event(e);
}

} // namespace calculators

// The composition entry of the two windows that take a salt content,
// EmpiricalTemperature and LIquidus: the user types NaCl into dataEntry1 and
// KCl into dataEntry2 on the scale of the radio that is on (Mass, Mole,
// Molality); each edit converts the composition into all three scales in the
// shared composition arrays, which both windows calculate with.
//
// Sharing the composition must not make a window show one composition and
// calculate with another. When the other window has changed the shared
// composition since this one last showed it, the shared composition wins, as
// the last one typed, and this window's entries, table and results follow it:
// when the chooser shows the window, when it becomes the active window, when
// "calculate" is pressed and, for the salt not being typed, on an edit.
#pragma once

#include "calculators/CalculatorWindow.h"
#include "calculators/CompositionEntry.h"

#include <array>

namespace calculators {

class CompositionWindow : public CalculatorWindow {
public:
    using CalculatorWindow::CalculatorWindow;

    // As ui::Window::Show, the entries first brought up to the shared
    // composition. The chooser calls it through the window's own type.
    void Show();

protected:
    // The edit of salt k (1 NaCl, 2 KCl) in its entry: converts the salt and
    // shows the table, with the other salt as the other entry shows it (once
    // that entry has followed a shared composition that the other window
    // changed). Empties the results.
    void enterSalt(int k);

    // Before anything is calculated: a shared composition that the other
    // window changed is shown in the entries and the table, and the results
    // that belonged to the composition before are emptied.
    void followSharedComposition();

    // The window's own part of the display: the mass % and as % pairs of the
    // table, and its result labels.
    virtual void showMassAndAmountOfSubstance() = 0;
    virtual void clearResults() = 0;

    bool event(QEvent* event) override;

private:
    CompositionScale scale() const;
    // The content of salt k on this window's scale as the shared composition
    // holds it; NaN where it has none (no molality without water).
    double shared(int k) const;
    // Shows salt k of the shared composition in its entry. Not an edit: the
    // composition stays as it is.
    void showEntry(int k);
    // The table, then what it shows is remembered as this window's own.
    void showComposition();
    bool showsSharedComposition() const;

    // The six salt contents (mass %, as %, molality; NaCl then KCl) that the
    // entries and the table show. Empty entries stand for no salt.
    std::array<double, 6> shown_{};
};

} // namespace calculators

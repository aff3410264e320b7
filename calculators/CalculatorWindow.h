// What the eight calculator windows share: their property set, the reading of
// fields and radio buttons, the writing of result labels, and the buttons that
// show the units and diagram windows.
//
// A calculator is a ui::Window (see ui/Window.h for the pattern) derived from
// CalculatorWindow:
//
//   // EmpiricalSolvus.h
//   class EmpiricalSolvus : public calculators::CalculatorWindow {
//   public:
//       EmpiricalSolvus();
//       void calculate_Action();
//       void PushButton1_Action();
//   };
//   EmpiricalSolvus* EmpiricalSolvus();
//
//   // EmpiricalSolvus.cpp
//   const ui::WindowProperties kWindow =
//       calculators::windowProperties("EmpiricalSolvus", "Binary NaCl-KCl System", 545, 380);
//   const ui::Control kControls[] = { ... one row per control, in the order of creation ... };
//   const ui::Binding kBindings[] = {UI_BIND(EmpiricalSolvus, calculate, Action), ...};
//   EmpiricalSolvus::EmpiricalSolvus() : CalculatorWindow(kWindow) { build(kControls, kBindings); }
//   void EmpiricalSolvus::PushButton1_Action() { showUnits(); }
//   void EmpiricalSolvus::calculate_Action() {
//       const SolvusResult r = empiricalSolvusAt(value("dataEntry1") + 273.15); // no physics here
//       if (!r.found) return setText("Result1N", "out of range");
//       showNumber("Result1N", r.phase1.xNaCl);
//       ...
//   }
#pragma once

#include "ui/ValStr.h"
#include "ui/Window.h"

#include <initializer_list>

namespace calculators {

// The property set common to the calculator windows: not resizable, white,
// close box only; only the title, the content size and whether it is shown
// when built differ.
ui::WindowProperties windowProperties(const char* className, const char* title, int width, int height,
                                      bool visible = true);

// The red of the warning and failure texts.
inline constexpr unsigned kRed = ui::kRed;

// A value that may be unknown, as a table cell shows it: the number, or
// " - " when it is not finite.
inline constexpr const char* kUnknownCell = " - ";
QString cellText(double number);

class CalculatorWindow : public ui::Window {
public:
    using ui::Window::Window;

    // Numbers in: Val of the field's text, read when needed.
    double value(QAnyStringView field) const;
    // Whether the radio button (or check box) is on.
    bool isOn(QAnyStringView radioOrCheckBox) const;

    // Numbers out. A value goes back to the label's created size and colour;
    // a number that is not finite is a fault of the caller: it is reported and
    // shown as " - ", never as "NaN" or "inf".
    void showNumber(QAnyStringView label, double number, const QString& suffix = QString());
    void showValue(QAnyStringView label, const QString& text);
    // A cell of a conversion table, whose value may be unknown: the number,
    // or " - " when it is not finite (no report: an unknown cell is expected).
    void showCell(QAnyStringView label, double number);
    // A fixed message; colour and size change only when given (size 0 keeps).
    void showMessage(QAnyStringView label, const QString& text, unsigned colour, int size = 0);
    // Sets the text alone, keeping size and colour.
    void setText(QAnyStringView label, const QString& text);
    // Empties the labels (or edit fields), in the order given; sizes and
    // colours stay.
    void clear(std::initializer_list<const char*> names);

    void setTextColor(QAnyStringView label, unsigned colour);
    void setTextSize(QAnyStringView label, int size);

    // The auxiliary windows behind the "units" and "phase diagram" buttons.
    void showUnits() const;
    void showFields() const;          // DetailsRef: "* phase diagram"
    void showLiquidusSurface() const; // DetailsThermo: "phase diagram" of Salinities
    void showSlvPhaseDiagram() const; // Details1: "phase diagram" of EmpiricalSalinity
};

} // namespace calculators

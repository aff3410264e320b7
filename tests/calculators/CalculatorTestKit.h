// What the calculator window tests share: the junk a user may type, the
// check that no label ever shows a number text the window does not own, and
// reading labels.
#pragma once

#include "ui/Window.h"

#include <QStringList>

#include <functional>
#include <initializer_list>
#include <span>
#include <utility>

namespace calctest {

// Texts typed by mistake or on purpose: blanks, letters, lone signs, huge and
// tiny numbers, "nan", "inf", commas, exponents, several marks.
const QStringList& junkTexts();

// Labels of the window whose text reads as NaN or infinity, as "name = text".
QStringList nonNumberTexts(const ui::Window& window);

// Types each junk text into each of the fields in turn (setting the others
// to `other`) and runs `press` after each; returns every label that then
// showed a NaN or infinity text, with the entry that led to it.
QStringList sweepJunk(ui::Window& window, std::initializer_list<const char*> fields,
                      const std::function<void()>& press, const QString& other = QStringLiteral("25"));

// The texts of the named labels, in that order.
QStringList texts(const ui::Window& window, const QStringList& labels);
QStringList texts(const ui::Window& window, std::span<const char* const> labels);

// A label's text colour and size.
std::pair<unsigned, int> look(const ui::Window& window, QAnyStringView label);

} // namespace calctest

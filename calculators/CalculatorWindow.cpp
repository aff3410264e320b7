#include "CalculatorWindow.h"

#include "calculators/shared/Details1.h"
#include "calculators/shared/DetailsRef.h"
#include "calculators/shared/DetailsThermo.h"
#include "calculators/shared/Units.h"

#include <cmath>

namespace calculators {

ui::WindowProperties windowProperties(const char* className, const char* title, int width, int height,
                                      bool visible) {
    return ui::WindowProperties{
        .className = className, .title = title, .width = width, .height = height, .visible = visible};
}

double CalculatorWindow::value(QAnyStringView field) const {
    return ui::Val(this->field(field).text());
}

bool CalculatorWindow::isOn(QAnyStringView name) const {
    QWidget* control = find(name);
    if (auto* check = dynamic_cast<ui::CheckBox*>(control)) return check->value();
    return radio(name).value();
}

void CalculatorWindow::showNumber(QAnyStringView name, double number, const QString& suffix) {
    if (!std::isfinite(number)) {
        qWarning("%s.%s: a number that is not finite was to be shown", qPrintable(objectName()),
                 qPrintable(name.toString()));
        showValue(name, QString::fromLatin1(kUnknownCell));
        return;
    }
    showValue(name, ui::Str(number) + suffix);
}

QString cellText(double number) {
    return std::isfinite(number) ? ui::Str(number) : QString::fromLatin1(kUnknownCell);
}

void CalculatorWindow::showCell(QAnyStringView name, double number) {
    showValue(name, cellText(number));
}

void CalculatorWindow::showValue(QAnyStringView name, const QString& text) {
    ui::StaticText& l = label(name);
    l.restoreCreatedStyle();
    l.setText(text);
}

void CalculatorWindow::showMessage(QAnyStringView name, const QString& text, unsigned colour, int size) {
    ui::StaticText& l = label(name);
    if (size > 0) l.setTextSize(size);
    l.setTextColor(colour);
    l.setText(text);
}

void CalculatorWindow::setText(QAnyStringView name, const QString& text) {
    label(name).setText(text);
}

void CalculatorWindow::clear(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (auto* edit = dynamic_cast<ui::EditField*>(find(name)))
            edit->setText(QString());
        else
            label(name).setText(QString());
    }
}

void CalculatorWindow::setTextColor(QAnyStringView name, unsigned colour) {
    label(name).setTextColor(colour);
}

void CalculatorWindow::setTextSize(QAnyStringView name, int size) {
    label(name).setTextSize(size);
}

void CalculatorWindow::showUnits() const {
    Units()->Show();
}

void CalculatorWindow::showFields() const {
    DetailsRef()->Show();
}

void CalculatorWindow::showLiquidusSurface() const {
    DetailsThermo()->Show();
}

void CalculatorWindow::showSlvPhaseDiagram() const {
    Details1()->Show();
}

} // namespace calculators

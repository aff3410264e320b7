// The texts of the windows of the shell: one representative line each, and
// the degree sign of every window.
#include "support/GuiTest.h"
#include "support/Windows.h"

#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/shared/Details1.h"
#include "calculators/shared/DetailsRef.h"
#include "calculators/shared/DetailsThermo.h"

namespace {

using testsupport::GuiTest;

QString line(const ui::Window* w, const char* label, int n) {
    return w->label(label).text().split(QLatin1Char('\n')).value(n);
}

TEST_F(GuiTest, EachShellWindowShowsItsTexts) {
    EXPECT_EQ(Start1()->label("StaticText1").text(), "Brinolith");
    EXPECT_EQ(Start1()->label("StaticText8").text(), "modification 07/2012");
    EXPECT_FALSE(Start1()->imageWell("ImageWell1").image().isNull());
    EXPECT_EQ(Start2()->radio("Empirical").text(), "Purely empirical model");
    EXPECT_EQ(Start2()->groupBox("method").title(), "Calculation mode ");
    EXPECT_EQ(line(DetailsRef(), "StaticText1", 2),
              " 1. Eutectic point = 20.36 mass% NaCl, 5.56 mass% KCl (-22.9 \u02daC)");
    EXPECT_FALSE(DetailsRef()->canvas("Canvas1").backdrop().isNull());
    EXPECT_EQ(line(DetailsThermo(), "StaticText1", 7),
              "       50 MPa: 498.26 \u02daC, x(NaCl) = 0.2838, x(KCl) = 0.3252");
    EXPECT_TRUE(line(Details1(), "StaticText1", 4)
                    .contains("remaining \"halite\" crystal contains about 91.62 mass% NaCl"));
}

// Every degree sign of the program's texts is the ring above, U+02DA.
TEST_F(GuiTest, NoWindowUsesTheDegreeSign) {
    for (const testsupport::WindowEntry& e : testsupport::allWindows())
        for (QWidget* c : e.open()->controls()) {
            QString text;
            if (auto* l = dynamic_cast<QLabel*>(c)) text = l->text();
            if (auto* b = dynamic_cast<QAbstractButton*>(c)) text = b->text();
            if (auto* g = dynamic_cast<QGroupBox*>(c)) text = g->title();
            EXPECT_FALSE(text.contains(QChar(0x00B0))) << e.className << "." << c->objectName().toStdString();
        }
}

} // namespace

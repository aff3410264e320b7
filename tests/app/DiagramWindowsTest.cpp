// The three diagram windows and the texts of the windows of the shell.
#include "support/GuiTest.h"
#include "support/Windows.h"

#include "app/Details1.h"
#include "app/DetailsRef.h"
#include "app/DetailsThermo.h"
#include "app/Pictures.h"
#include "app/Start1.h"
#include "app/Start2.h"

namespace {

using testsupport::GuiTest;

QStringList lines(const ui::Window& w, const char* label) {
    return w.label(label).text().split(QLatin1Char('\n'));
}

TEST_F(GuiTest, DetailsRefListsTheReferencePoints) {
    ui::Window* w = DetailsRef();
    const QStringList l = lines(*w, "StaticText1");
    ASSERT_EQ(l.size(), 7);
    EXPECT_EQ(l[0], "Reference points:");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], " 1. Eutectic point = 20.36 mass% NaCl, 5.56 mass% KCl (-22.9 \u02daC)");
    EXPECT_EQ(l[3], " 2. Peritectic point = 22.33 mass% NaCl, 7.05 mass% KCl (-2.3 \u02daC)");
    EXPECT_EQ(l[4], " 3. Binary eutectics = 23.16 mass% NaCl, 0 mass% KCl (-21.2 \u02daC)");
    EXPECT_EQ(l[5], QString(30, ' ') + "= 0 mass% NaCl, 19.62 mass% KCl (-10.7 \u02daC)");
    EXPECT_EQ(l[6], " 4. Binary peritectic = 26.24 mass% NaCl, 0 mass% KCl (+0.1 \u02daC)");
    EXPECT_EQ(w->label("StaticText2").text(), "Mass fractions");
    EXPECT_FALSE(w->canvas("Canvas1").backdrop().isNull());
    EXPECT_EQ(w->canvas("Canvas1").geometry(), QRect(95, 20, 252, 226));
}

TEST_F(GuiTest, DetailsThermoHasItsLegend) {
    ui::Window* w = DetailsThermo();
    const QStringList l = lines(*w, "StaticText1");
    ASSERT_EQ(l.size(), 13);
    EXPECT_EQ(l[0], "Isotherms (400, 500, 600 and 700 \u02daC) at the liquidus surface");
    EXPECT_EQ(l[1], "at selected pressures (50 and 200 MPa).");
    EXPECT_EQ(l[3], " c : cotectic line");
    EXPECT_EQ(l[5], " ec: end points of the cotectic line");
    EXPECT_EQ(l[7], "       50 MPa: 498.26 \u02daC, x(NaCl) = 0.2838, x(KCl) = 0.3252");
    EXPECT_EQ(l[8], "       200 MPa: 515.38 \u02daC, x(NaCl) = 0.2664, x(KCl) = 0.3269");
    EXPECT_EQ(l[10], " m: minimum line");
    for (int empty : {2, 4, 6, 9, 11, 12})
        EXPECT_EQ(l[empty], "") << empty;
    EXPECT_FALSE(w->canvas("Canvas1").backdrop().isNull());
}

TEST_F(GuiTest, Details1HasTheNoteAndTheExample) {
    ui::Window* w = Details1();
    const QStringList l = lines(*w, "StaticText1");
    ASSERT_EQ(l.size(), 5);
    EXPECT_TRUE(l[0].startsWith(
        "Note: yellow dots indicate temperatures on the NaCl-KCl solvus (maximum at 495 \u02daC)."));
    EXPECT_TRUE(
        l[0].endsWith("The minimum of the anhydrous NaCl-KCl binary is 656 \u02daC and 43.2 mass% NaCl."));
    EXPECT_EQ(l[2], "Example:");
    EXPECT_TRUE(
        l[4].contains("At T1 (400 \u02daC) the \"sylvite\" crystal (with 20.35 mass% NaCl) is completely "
                      "dissolved, whereas the remaining \"halite\" crystal contains about 91.62 mass% NaCl"));
    EXPECT_TRUE(l[4].endsWith("defines the bulk salinity of this inclusion."));
    EXPECT_EQ(w->label("StaticText1").font().pixelSize(), 11);
}

TEST_F(GuiTest, TheChooserExplainsTheModels) {
    Start1()->button("continue1").click();
    ui::Window* w = Start2();
    EXPECT_EQ(
        w->label("Text2a").text(),
        "The liquidus of the ternary system H2O-NaCl-KCl can be calculated at constant pressures and "
        "variable "
        "pressures (SLV). Equilibrium thermodynamics can be applied at constant pressure, whereas purely "
        "empirical equations are only applied to the SLV surface at variable pressures.");
    EXPECT_EQ(w->groupBox("Model").title(), "Model ");
    EXPECT_EQ(w->groupBox("method").title(), "Calculation mode ");
    EXPECT_EQ(w->radio("Empirical").text(), "Purely empirical model");
    EXPECT_EQ(w->radio("Thermodynamic").text(), "Equilibrium thermodynamics");
    EXPECT_EQ(w->radio("Salinity").text(), "Salinity from known dissolution temperatures");
    EXPECT_EQ(w->radio("Temperature").text(), "Dissolution temperatures from known salinity");
    EXPECT_EQ(w->radio("AnSolvus").text(), "Anhydrous solvus");
    EXPECT_EQ(w->radio("Cotectics").text(), "Cotectic Lines");
    EXPECT_EQ(w->button("PushButton1").text(), "continue");
    EXPECT_EQ(w->defaultButton(), &w->button("PushButton1"));
}

TEST_F(GuiTest, TheStartWindowPresentsTheProgram) {
    ui::Window* w = Start1();
    EXPECT_EQ(w->label("StaticText1").text(), "Brinolith");
    EXPECT_EQ(w->label("StaticText1").font().pixelSize(), 24);
    EXPECT_EQ(
        w->label("StaticText6").text(),
        "Purely empirical best-fits for the SLV surface (at variable pressures) and thermodynamic modelling "
        "of the liquidus at constant pressures");
    EXPECT_EQ(w->label("StaticText7").text(), "Fluid system:");
    EXPECT_EQ(w->label("StaticText8").text(), "modification 07/2012");
    EXPECT_EQ(w->label("StaticText9").text(),
              "fluid inclusion in quartz with salt crystal, vapour and liquid");
    EXPECT_EQ(w->button("continue1").text(), "continue");
    EXPECT_EQ(w->defaultButton(), &w->button("continue1"));
    EXPECT_FALSE(w->imageWell("ImageWell1").image().isNull());
    EXPECT_FALSE(w->canvas("Canvas1").backdrop().isNull());
    EXPECT_FALSE(w->canvas("Canvas2").backdrop().isNull());
    for (const char* ours : {"StaticText2", "StaticText3", "StaticText4", "StaticText5"})
        EXPECT_FALSE(w->label(ours).text().isEmpty()) << ours;
    EXPECT_EQ(w->line("Line1").from(), QPoint(0, 91));
    EXPECT_EQ(w->line("Line1").to(), QPoint(540, 91));
}

// Every degree sign of the program's texts is the ring above, U+02DA.
TEST_F(GuiTest, NoWindowUsesTheDegreeSign) {
    for (const testsupport::WindowEntry& e : testsupport::allWindows()) {
        ui::Window* w = e.open();
        for (QWidget* c : w->controls()) {
            QString text;
            if (auto* l = dynamic_cast<QLabel*>(c)) text = l->text();
            if (auto* b = dynamic_cast<QAbstractButton*>(c)) text = b->text();
            if (auto* g = dynamic_cast<QGroupBox*>(c)) text = g->title();
            EXPECT_FALSE(text.contains(QChar(0x00B0))) << e.className << "." << c->objectName().toStdString();
        }
    }
}

QPixmap withoutFields(int number) {
    return number == 170 ? QPixmap() : pictures::draw(number);
}

TEST_F(GuiTest, ADiagramWindowWithoutItsPictureShowsItsTexts) {
    pictures::setSource(&withoutFields);
    ui::Window* w = DetailsRef();
    EXPECT_TRUE(w->canvas("Canvas1").backdrop().isNull());
    EXPECT_EQ(w->label("StaticText2").text(), "Mass fractions");
    EXPECT_TRUE(w->isVisible());
    pictures::setSource(nullptr);
}

} // namespace

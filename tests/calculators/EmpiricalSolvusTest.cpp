// The empirical solvus window driven as a user drives it.
#include "support/GuiTest.h"

#include "calculators/empirical/EmpiricalSolvus.h"
#include "ui/ValStr.h"

#include "Globals.h"

#include <QApplication>
#include <QTest>

#include <array>

namespace {

using testsupport::GuiTest;

const char* const kResults[] = {"Result1N",  "Result1K",  "Result2N",  "Result2K",
                                "Result1N1", "Result1K1", "Result2N1", "Result2K1"};

class SolvusWindow : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        w = EmpiricalSolvus();
        w->Show();
        testsupport::processEvents();
    }

    QString text(const char* label) const { return w->label(label).text(); }
    void calculateAt(const QString& celsius) {
        ui::EditField& f = w->field("dataEntry1");
        f.selectAll();
        testsupport::typeInto(f, celsius);
        w->button("calculate").click();
    }
    QStringList results() const {
        QStringList texts;
        for (const char* r : kResults)
            texts << text(r);
        return texts;
    }

    class EmpiricalSolvus* w = nullptr;
};

TEST_F(SolvusWindow, ANewWindowShowsTheCrestTemperature) {
    EXPECT_EQ(w->windowTitle(), "Binary NaCl-KCl System");
    EXPECT_EQ(w->content().size(), QSize(545, 380));
    EXPECT_EQ(w->controls().size(), 39u);
    const QString crest = ui::Str(Globals::MaxSolvus(0) - 273.15);
    EXPECT_TRUE(crest.startsWith("495.")) << crest.toStdString();
    EXPECT_EQ(text("temp3"), crest);
    EXPECT_EQ(results(), QStringList(8, QString()));
    EXPECT_EQ(w->defaultButton(), &w->button("calculate"));
    EXPECT_EQ(text("temp1"), "\u02daCelsius");
    EXPECT_EQ(w->label("Result2K1").parentWidget(), &w->rectangle("Rectangle7"));
    EXPECT_EQ(w->label("Result2K1").mapTo(&w->content(), QPoint(0, 0)), QPoint(335, 320));
}

TEST_F(SolvusWindow, EveryActivationWritesTheSameCrest) {
    const QString crest = text("temp3");
    w->label("temp3").setText(QString());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w, &activate);
    EXPECT_EQ(text("temp3"), crest);
    QApplication::sendEvent(w, &activate);
    EXPECT_EQ(text("temp3"), crest);
}

TEST_F(SolvusWindow, BelowTheCrestBothSolidsInBothScales) {
    for (const char* t : {"25", "300", "450", "495"}) {
        SCOPED_TRACE(t);
        calculateAt(QString::fromLatin1(t));
        const double T = ui::Val(t) + 273.15;
        const double v1 = Globals::RatioSolvus(4, T), v2 = Globals::RatioSolvus(3, T);
        // The "a.s." rows show the amount-of-substance fraction of KCl that the
        // solvus returns; the "w." rows the mass fractions that belong to it.
        EXPECT_EQ(text("Result1K"), ui::Str(v1));
        EXPECT_EQ(text("Result1N"), ui::Str(1 - v1));
        EXPECT_EQ(text("Result2K"), ui::Str(v2));
        EXPECT_EQ(text("Result2N"), ui::Str(1 - v2));
        const double w1 = v1 * 74.57143 / (v1 * 74.57143 + (1 - v1) * 58.462468);
        const double w2 = v2 * 74.57143 / (v2 * 74.57143 + (1 - v2) * 58.462468);
        EXPECT_NEAR(ui::Val(text("Result1K1")), w1, 1e-6);
        EXPECT_NEAR(ui::Val(text("Result1N1")), 1 - w1, 1e-6);
        EXPECT_NEAR(ui::Val(text("Result2K1")), w2, 1e-6);
        EXPECT_NEAR(ui::Val(text("Result2N1")), 1 - w2, 1e-6);
        // Phase 1 is the KCl-rich solid.
        EXPECT_GT(ui::Val(text("Result1K")), ui::Val(text("Result2K")));
    }
}

TEST_F(SolvusWindow, AboveTheCrestOutOfRange) {
    calculateAt("300");
    ASSERT_NE(text("Result2K1"), "");
    calculateAt("496");
    QStringList expected(8, QString());
    expected[0] = "out of range";
    EXPECT_EQ(results(), expected);
    EXPECT_EQ(w->label("Result1N").textColor(), ui::kBlack);
    EXPECT_EQ(w->label("Result1N").textSize(), 14);
    // 495 degC lies just below the crest and is calculated.
    calculateAt("495");
    EXPECT_NE(text("Result1N"), "out of range");
    EXPECT_NE(text("Result2K1"), "");
    // Just above the crest typed with all its digits.
    calculateAt(QString::number(Globals::MaxSolvus(0) - 273.15 + 1e-9, 'g', 17));
    EXPECT_EQ(text("Result1N"), "out of range");
    calculateAt("1e999");
    EXPECT_EQ(results(), expected);
}

TEST_F(SolvusWindow, TypingClearsAllEightResults) {
    calculateAt("496");
    ASSERT_EQ(text("Result1N"), "out of range");
    testsupport::typeInto(w->field("dataEntry1"), "1");
    EXPECT_EQ(results(), QStringList(8, QString()));
    calculateAt("100");
    testsupport::typeInto(w->field("dataEntry1"), "0");
    EXPECT_EQ(results(), QStringList(8, QString()));
    EXPECT_NE(text("temp3"), "");
}

TEST_F(SolvusWindow, TheSharedCompositionIsLeftAlone) {
    Globals::MASSnumber[1] = 20;
    Globals::ASnumber[1] = 7.15;
    Globals::Mnumber[1] = 4.28;
    calculateAt("400");
    EXPECT_EQ(Globals::MASSnumber[1], 20);
    EXPECT_EQ(Globals::ASnumber[1], 7.15);
    EXPECT_EQ(Globals::Mnumber[1], 4.28);
    EXPECT_EQ(Globals::MASSnumber[0], 0);
}

TEST_F(SolvusWindow, NoTypedTextCrashesOrShowsNaN) {
    const QStringList kTexts = {"",      "abc", "-",     ".",      "1e999", "-1e999",   "-1e308",  "1e308",
                                "nan",   "inf", "-inf",  "1,5",    "2.5e2", "1e-320",   "-273.15", "-300",
                                " 400 ", "4e",  "1.2.3", "\u0663", "-0",    "495.0933", "495.0934"};
    for (const QString& t : kTexts) {
        w->field("dataEntry1").setText(t);
        w->button("calculate").click();
        for (QWidget* c : w->controls()) {
            if (auto* l = dynamic_cast<ui::StaticText*>(c)) {
                EXPECT_FALSE(l->text().contains("nan", Qt::CaseInsensitive) ||
                             l->text().contains("inf", Qt::CaseInsensitive))
                    << t.toStdString() << ": " << l->objectName().toStdString();
            }
        }
        if (text("Result1N") != "out of range") {
            for (const char* r : kResults) {
                const double v = ui::Val(text(r));
                EXPECT_GE(v, 0) << t.toStdString() << " " << r;
                EXPECT_LE(v, 1) << t.toStdString() << " " << r;
            }
        }
    }
}

TEST_F(SolvusWindow, EveryTextFitsItsControl) {
    calculateAt("487.5");
    EXPECT_EQ(testsupport::clippedTexts(*w), QStringList());
    testsupport::saveScreenshot(*w, QStringLiteral("EmpiricalSolvus-487"));
    calculateAt("496");
    EXPECT_EQ(testsupport::clippedTexts(*w), QStringList());
}

} // namespace

// The three pages of units and symbols of the units window: what the windows
// show, in which unit, and how the composition scales convert.
#include "Drawings.h"

#include "ui/Window.h"

#include <QPainter>

namespace pictures {

namespace {

struct Entry {
    const char* symbol; // empty: a line of text across the page
    const char* meaning;
};

struct Section {
    const char* title;
    std::vector<Entry> entries;
};

const QColor kBand(0xe3, 0xee, 0xf8);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kTitle(0x1e, 0x3a, 0x5a);

// Draws the sections one below the other; returns the height used.
int drawSections(QPainter& p, const std::vector<Section>& sections, int width) {
    constexpr int kMargin = 10, kSymbolWidth = 118, kGap = 3;
    int y = 4;
    for (const Section& s : sections) {
        p.setFont(pictureFont(14, true));
        const QRect band(0, y, width, 22);
        p.fillRect(band, kBand);
        p.setPen(kTitle);
        p.drawText(band.adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(s.title));
        y += 22 + 5;
        for (const Entry& e : s.entries) {
            const QString meaning = QString::fromUtf8(e.meaning);
            const bool across = *e.symbol == '\0';
            const int left = across ? kMargin : kMargin + kSymbolWidth;
            p.setFont(pictureFont(13));
            const QRect box(left, y, width - left - kMargin, 1000);
            const QRect used = p.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, meaning);
            p.setPen(kInk);
            p.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, meaning);
            if (!across) {
                p.setFont(pictureFont(13, true));
                p.drawText(QRect(kMargin, y, kSymbolWidth - 6, used.height()), Qt::AlignLeft | Qt::AlignTop,
                           QString::fromUtf8(e.symbol));
            }
            y += used.height() + kGap;
        }
        y += 6;
    }
    return y;
}

const std::vector<Section>& page(int number) {
    static const std::vector<Section> units = {
        {"Temperature",
         {{"t  (\u02daC)", "temperature in degrees Celsius: the entry fields and most results"},
          {"T  (K)",
           "temperature in kelvin, T/K = t/\u02daC + 273.15: the results of the salinity windows and of "
           "the empirical cotectic window"}}},
        {"Pressure",
         {{"P  (MPa)", "pressure in megapascal; 1 MPa = 10 bar"},
          {"SLV pressure", "pressure of a liquid saturated with a solid and with vapour"}}},
        {"Composition",
         {{"mass %", "mass percentage: 100 \u00b7 mass of the salt / mass of the whole"},
          {"as %",
           "amount-of-substance percentage (\"mole\" percentage): 100 \u00b7 amount of the salt / amount "
           "of all components"},
          {"w.", "mass fraction, from 0 to 1"},
          {"a.s.", "amount-of-substance fraction (\"mole\" fraction), from 0 to 1"},
          {"molality", "amount of the salt per kilogram of water, mol / kg H\u2082O"},
          {"", "Compositions of a liquid count the water too (\"in addition to H\u2082O\"); those of a solid "
               "(Na,K)Cl count the two salts only."}}},
    };
    static const std::vector<Section> symbols = {
        {"Symbols",
         {{"x", "amount-of-substance fraction: x(H\u2082O) + x(NaCl) + x(KCl) = 1 in a liquid, x(NaCl) + "
                "x(KCl) = 1 in a (Na,K)Cl solid"},
          {"a", "activity of a salt in the liquid or in the solid solution, a = x \u00b7 \u03b3"},
          {"\u03b3", "activity coefficient"},
          {"\u03bc  (J/mol)", "chemical potential of a salt in the solid solution relative to the pure salt, "
                              "\u03bc = R \u00b7 T \u00b7 ln a"},
          {"R", "gas constant, 8.31451 J/(mol K)"}}},
        {"Models",
         {{"empirical", "best fits of the SLV surface at variable pressures"},
          {"thermodynamic", "equilibrium thermodynamics of the liquid and of the (Na,K)Cl solid solution at "
                            "the pressure typed"}}},
    };
    static const std::vector<Section> phases = {
        {"Phases",
         {{"L, V, S", "liquid (the aqueous salt solution), vapour, solid"},
          {"Ice", "H\u2082O"},
          {"Hydrohalite", "NaCl\u00b72H\u2082O: 33.33 as % NaCl, 61.87 mass % NaCl"},
          {"Halite", "NaCl, or the NaCl-rich (Na,K)Cl solid solution"},
          {"Sylvite", "KCl, or the KCl-rich (Na,K)Cl solid solution"}}},
        {"Lines and points",
         {{"cotectic line",
           "liquids saturated with two solids (and vapour): ice + hydrohalite, ice + sylvite, "
           "hydrohalite + sylvite, halite + sylvite"},
          {"peritectic", "hydrohalite + halite: hydrohalite melts to halite and liquid"},
          {"eutectic point", "the lowest liquid: ice + hydrohalite + sylvite, -22.9 \u02daC"},
          {"solvus", "the miscibility gap of the anhydrous (Na,K)Cl solid solution; its maximum lies near "
                     "495 \u02daC"},
          {"minimum line", "above the solvus maximum: the liquid saturated with one (Na,K)Cl solid at the "
                           "lowest temperature"}}},
        {"Molar masses and conversions",
         {{"M (g/mol)", "H\u2082O 18.01528, NaCl 58.462468, KCl 74.57143; 1 kg H\u2082O = 55.508 mol"},
          {"mass %", "w(i) = x(i) \u00b7 M(i) / \u03a3 x(j) \u00b7 M(j)"},
          {"as %", "x(i) = (w(i) / M(i)) / \u03a3 (w(j) / M(j))"},
          {"molality",
           "m(i) = 1000 \u00b7 w(i) / (M(i) \u00b7 w(H\u2082O)), defined while water is present"}}},
        {"Invariant points",
         {{"ternary",
           "eutectic -22.9 \u02daC (ice, hydrohalite, sylvite); peritectic -2.3 \u02daC (hydrohalite, "
           "halite, sylvite)"},
          {"H\u2082O-NaCl", "eutectic -21.2 \u02daC; peritectic +0.1 \u02daC; halite melts at 801 \u02daC"},
          {"H\u2082O-KCl", "eutectic -10.7 \u02daC; sylvite melts at 770 \u02daC"},
          {"NaCl-KCl", "minimum of the melting curve 656 \u02daC at 43.2 mass % NaCl"}}},
    };
    switch (number) {
    case 1:
        return units;
    case 2:
        return symbols;
    default:
        return phases;
    }
}

} // namespace

QPixmap drawUnitsPage(int number, QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int used = drawSections(p, page(number), size.width());
    if (used > size.height()) qWarning("Units page %d needs %d pixels, has %d", number, used, size.height());
    return picture;
}

} // namespace pictures

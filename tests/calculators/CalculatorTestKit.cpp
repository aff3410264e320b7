#include "CalculatorTestKit.h"

namespace calctest {

const QStringList& junkTexts() {
    static const QStringList texts = {"",    "abc",   "-",    ".",      "1e999", "-1e999", "-1e308", "1e308",
                                      "nan", "inf",   "-inf", "1,5",    "2.5e1", "1e-320", "-100",   "0",
                                      "5e",  "1.2.3", " 12 ", "\u0663", "-0",    "1e20",   "99.99",  "800"};
    return texts;
}

QStringList nonNumberTexts(const ui::Window& window) {
    QStringList found;
    for (QWidget* c : window.controls()) {
        const auto* label = dynamic_cast<const ui::StaticText*>(c);
        if (!label) continue;
        const QString t = label->text();
        if (t.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
            t.contains(QLatin1String("inf"), Qt::CaseInsensitive))
            found << label->objectName() + " = " + t;
    }
    return found;
}

QStringList sweepJunk(ui::Window& window, std::initializer_list<const char*> fields,
                      const std::function<void()>& press, const QString& other) {
    QStringList faults;
    for (const char* target : fields) {
        for (const QString& junk : junkTexts()) {
            for (const char* f : fields)
                window.field(f).setText(f == target ? junk : other);
            press();
            for (const QString& fault : nonNumberTexts(window))
                faults << QString::fromLatin1(target) + " [" + junk + "]: " + fault;
        }
    }
    return faults;
}

QStringList texts(const ui::Window& window, const QStringList& labels) {
    QStringList shown;
    for (const QString& name : labels)
        shown << window.label(name).text();
    return shown;
}

QStringList texts(const ui::Window& window, std::span<const char* const> labels) {
    QStringList names;
    for (const char* label : labels)
        names << QString::fromLatin1(label);
    return texts(window, names);
}

std::pair<unsigned, int> look(const ui::Window& window, QAnyStringView label) {
    return {window.label(label).textColor(), window.label(label).textSize()};
}

} // namespace calctest

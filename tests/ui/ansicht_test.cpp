#include "ui/ansicht.h"

#include <gtest/gtest.h>

#include "catalog/katalog.h"

using namespace quarnelo;
using ui::AnzeigeformErkennen;

TEST(Anzeigeform, IsRecognisedByTheMarkersOfEitherLanguage) {
    struct Case {
        const char* text;
        bool tabelle, vergleich, mitVergleichseinheit, zweiZeilen;
    };
    const Case kCases[] = {
        {"Zwei Einheiten vergleichen", false, true, false, true},
        {"Drei Einheiten vergleichen", false, true, false, false},
        {"Tabelle aller Einheiten", true, false, false, false},
        {"Tabelle aller Einheiten mit Vergleichseinheit", true, false, true, false},
        {"Compare two Units", false, true, false, true},
        {"Compare three Units", false, true, false, false},
        {"Table with all Units", true, false, false, false},
        {"Table with all Units including Compare-Unit", true, false, true, false},
        {"stop", false, false, false, false},
        {"tabelle", false, false, false, false},  // the tests are case-sensitive
    };
    for (const Case& c : kCases) {
        const ui::Anzeigeform a = AnzeigeformErkennen(QString::fromUtf8(c.text));
        EXPECT_EQ(a.tabelle, c.tabelle) << c.text;
        EXPECT_EQ(a.vergleich, c.vergleich) << c.text;
        EXPECT_EQ(a.mitVergleichseinheit, c.mitVergleichseinheit) << c.text;
        EXPECT_EQ(a.zweiZeilen, c.zweiZeilen) << c.text;
    }
}

TEST(KategorieSchluessel, UserCategoriesAreLoweredInAsciiOnly) {
    EXPECT_EQ(ui::KategorieSchluesselAus(QStringLiteral("Länge (Meter, m)")), QStringLiteral("length"));
    EXPECT_EQ(ui::KategorieSchluesselAus(QStringLiteral("My Units")), QStringLiteral("my units"));
    EXPECT_EQ(ui::KategorieSchluesselAus(QStringLiteral("ÄRGER")), QStringLiteral("Ärger"));
}

TEST(HinweisText, RotatesImprovementsDonationAndFurtherUnits) {
    const char* kErwartet[] = {"Verbesserungs", "spenden", "weitere Einheiten", "spenden", "Verbesserungs",
                               "weitere Einheiten"};
    for (int n = 1; n <= 6; ++n)
        EXPECT_TRUE(ui::HinweisText(n, true).contains(QString::fromUtf8(kErwartet[n - 1]))) << n;
    EXPECT_TRUE(ui::HinweisText(3, false).endsWith(QStringLiteral("/support - Tell us other Units")));
    EXPECT_TRUE(ui::HinweisText(4, false).endsWith(QStringLiteral("/donate - If you like this Tool")));
}

TEST(EinheitenAuswahl, FiltersBySearchKeyInAnyCase) {
    catalog::Katalog k;
    k.EinheitHinzufuegen(QStringLiteral("Fuß"), QStringLiteral("ft"), QStringLiteral("Alt"), QStringLiteral("0,3"));
    k.EinheitHinzufuegen(QStringLiteral("Meter"), QStringLiteral("m"), QStringLiteral("Metrisch"), QStringLiteral("1"));
    k.EinheitHinzufuegen(QStringLiteral("Furlong"), QStringLiteral(""), QStringLiteral("Alt"), QStringLiteral("201"));
    EXPECT_EQ(ui::EinheitenAuswahl(k.Einheitenliste, QStringLiteral("fu")),
              (QStringList{QStringLiteral("Fuß (ft), Alt"), QStringLiteral("Furlong, Alt")}));
    EXPECT_EQ(ui::EinheitenAuswahl(k.Einheitenliste, QStringLiteral("metr")), QStringList{QStringLiteral("Meter (m), Metrisch")});
    EXPECT_EQ(ui::EinheitenAuswahl(k.Einheitenliste, QString()).size(), 3);
}

TEST(WertMitEinheit, JoinsValuePrefixAndUnitAsTheOptionsSay) {
    struct Case {
        const char* name;
        bool einh;
        const char* ersteunit;
        const char* wert;
        const char* vorsatz;
        const char* kuerzel;
        const char* einheit;
        const char* erwartet;
    };
    const Case kCases[] = {
        {"abbreviation with prefix", false, "/", "1,5", "k Kilo (*1000)", "m", "Meter", "1,5 km"},
        {"abbreviation without prefix", false, "/", "2", "Kein Präfix", "m", "Meter", "2 m"},
        {"full name with prefix", true, "/", "1,5", "k Kilo (*1000)", "m", "Meter", "1,5 Kilo-Meter"},
        {"full name cut at the slash", true, "/", "1", "No Prefix", "ft", "Foot/Fuß", "1 Foot"},
        {"empty cut text never cuts", true, "", "1", "", "ft", "Foot/Fuß", "1 Foot/Fuß"},
        {"cut text at the start", true, "Foot", "1", "", "ft", "Foot/Fuß", "1 "},
        {"no abbreviation takes the name", false, "/", "3", "", "", "Elle/Cubit", "3 Elle"},
        {"unknown unit with prefix", false, "/", "4", "M Mega (*10^6)", "", "", "4 Mega-"},
    };
    for (const Case& c : kCases) {
        settings::Optionen o;
        o.rb_einh = c.einh;
        o.rb_abk = !c.einh;
        o.ed_ersteunit = QString::fromUtf8(c.ersteunit);
        EXPECT_EQ(ui::WertMitEinheit(o, QString::fromUtf8(c.wert), QString::fromUtf8(c.vorsatz),
                                     QString::fromUtf8(c.kuerzel), QString::fromUtf8(c.einheit)),
                  QString::fromUtf8(c.erwartet))
            << c.name;
    }
}

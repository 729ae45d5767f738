#include <gtest/gtest.h>

#include "catalog/katalog.h"
#include "catalog/registry.h"

using namespace quarnelo::catalog;

namespace {

struct Sammler : ZeilenSink {
    std::vector<Tabellenzeile> zeilen;
    void ZeileAnhaengen(Tabellenzeile&& z) override { zeilen.push_back(std::move(z)); }
};

TEST(KategorieSchluessel, MapsExactDisplayNamesOnly) {
    struct F {
        const char* name;
        const char* key;
    };
    const F faelle[] = {
        {"Länge (Meter, m)", "length"},
        {"Length (Metre, m)", "length"},
        {"Electromotive Force (Volt, V)", "voltage"},
        {"Küche", "kitchen"},
        {"Elektrische Ladung (Coloumb, C)", "electriccharge"},
        {"Küche ", ""},
        {"Temperatur (Kelvin, K) ", ""},
        {"length", ""},
        {"Length", ""},
        {"Länge", ""},
        {"", ""},
    };
    for (const F& f : faelle) EXPECT_EQ(KategorieSchluessel(QString::fromUtf8(f.name)), f.key) << f.name;
    EXPECT_EQ(KategorieNamen(true).size(), 33);
    EXPECT_EQ(KategorieNamen(false).at(32), QStringLiteral("Amount of Substance (Mol)"));
}

TEST(GrossProZeichen, MapsEachCharacterToOne) {
    EXPECT_EQ(GrossProZeichen(QStringLiteral("straße µm ångström")), QStringLiteral("STRAßE ΜM ÅNGSTRÖM"));
}

TEST(FaktorBereinigen, UpperCasesAsciiAndMapsToTheCodePage) {
    EXPECT_EQ(FaktorBereinigen(QStringLiteral("inch*7/8")), QStringLiteral("INCH*7/8"));
    EXPECT_EQ(FaktorBereinigen(QStringLiteral("sin°x&arcsin°x")), QStringLiteral("SIN°X&ARCSIN°X"));
    EXPECT_EQ(FaktorBereinigen(QStringLiteral("1E\u221228")), QStringLiteral("1E-28"));
    EXPECT_EQ(FaktorBereinigen(QStringLiteral("2\u00b7\u03c0")), QStringLiteral("2·?"));
    EXPECT_EQ(FaktorBereinigen(QStringLiteral("0,505128 ")), QStringLiteral("0,505128 "));
}

TEST(EinheitHinzufuegen, FormsKeyAndDisplayText) {
    Katalog k;
    Sammler s;
    k.setSink(&s);
    k.FuellModus = Katalog::Tabelle;
    k.EinheitHinzufuegen(QStringLiteral("Myriameter"), QString(), QStringLiteral("Metrisch"), QStringLiteral("10000"));
    k.EinheitHinzufuegen(QStringLiteral("Statute Mile/Meile"), QStringLiteral("stat.mi"),
                         QStringLiteral("International"), QStringLiteral("1609,344"));
    ASSERT_EQ(k.Einheitenliste.size(), 2);
    EXPECT_EQ(k.Einheitenliste[0].Anzeige, QStringLiteral("Myriameter, Metrisch"));
    EXPECT_EQ(k.Einheitenliste[0].Schluessel, QStringLiteral("MYRIAMETER,,METRISCH"));
    EXPECT_EQ(k.Einheitenliste[1].Anzeige, QStringLiteral("Statute Mile/Meile (stat.mi), International"));
    EXPECT_EQ(k.Einheitenliste[1].Schluessel, QStringLiteral("STATUTE MILE/MEILE,STAT.MI,INTERNATIONAL"));
    ASSERT_EQ(s.zeilen.size(), 2u);
    EXPECT_EQ(s.zeilen[1].zelle[Tabellenzeile::ID], QStringLiteral("2"));
    EXPECT_EQ(s.zeilen[1].zelle[Tabellenzeile::Faktor], QStringLiteral("1609,344"));
    EXPECT_TRUE(s.zeilen[1].zelle[Tabellenzeile::Wert].isEmpty());
    k.FuellModus = 3;  // any other mode adds nothing
    k.EinheitHinzufuegen(QStringLiteral("X"), QString(), QStringLiteral("Y"), QStringLiteral("1"));
    EXPECT_EQ(k.Einheitenliste.size(), 2);
}

TEST(Filter, CutsTermsAtCommasAndKeepsTheirSpaces) {
    Katalog k;
    k.FilterSetzen(QStringLiteral("metric, mile"));
    EXPECT_TRUE(k.FilterAktiv);
    EXPECT_EQ(k.FilterBegriffe, QStringList({QStringLiteral("METRIC"), QStringLiteral(" MILE")}));
    EXPECT_TRUE(k.FilterPruefen(QStringLiteral("STATUTE MILE/MEILE,STAT.MI,INTERNATIONAL")));
    EXPECT_FALSE(k.FilterPruefen(QStringLiteral("MILE PER HOUR,MPH,ANGLO AMERICAN")));
    k.FilterSetzen(QStringLiteral("a,,b"));
    EXPECT_EQ(k.FilterBegriffe.size(), 3);
    k.FilterSetzen(QStringLiteral(","));
    EXPECT_TRUE(k.FilterAktiv);
    EXPECT_FALSE(k.FilterPruefen(QStringLiteral("ANYTHING")));
    k.FilterSetzen(QString());
    EXPECT_FALSE(k.FilterAktiv);
    EXPECT_TRUE(k.FilterBegriffe.isEmpty());
}

TEST(KategorieLaden, NumbersFilteredRowsWithoutGapsAndRestartsTheCount) {
    Katalog k;
    Sammler s;
    k.setSink(&s);
    k.FilterSetzen(QStringLiteral("meter"));
    k.KategorieLaden(QStringLiteral("length"), Katalog::Tabelle, QStringLiteral("de"));
    ASSERT_GT(s.zeilen.size(), 3u);
    for (std::size_t i = 0; i < s.zeilen.size(); ++i)
        EXPECT_EQ(s.zeilen[i].zelle[Tabellenzeile::ID], QString::number(i + 1));
    const std::size_t erst = s.zeilen.size();
    k.KategorieLaden(QStringLiteral("length"), Katalog::Tabelle, QStringLiteral("de"));
    EXPECT_EQ(s.zeilen.size(), 2 * erst);  // the caller clears the table
    EXPECT_EQ(s.zeilen[erst].zelle[Tabellenzeile::ID], QStringLiteral("1"));
    k.FilterSetzen(QStringLiteral(","));
    s.zeilen.clear();
    k.KategorieLaden(QStringLiteral("length"), Katalog::Tabelle, QStringLiteral("de"));
    EXPECT_TRUE(s.zeilen.empty());
    EXPECT_TRUE(k.Einheitenliste.isEmpty());
}

TEST(KategorieLaden, UserCategoryRunsNoBuilderButTheUserSource) {
    Katalog k;
    QString gesehen;
    k.setBenutzerQuelle([&](Katalog& kat, const QString& key) {
        gesehen = key;
        kat.EinheitHinzufuegen(QStringLiteral("Elle"), QString(), QStringLiteral("Eigene"), QStringLiteral("0,6"));
    });
    k.KategorieLaden(QStringLiteral("eigene"), Katalog::Liste, QStringLiteral("de"));
    EXPECT_EQ(gesehen, QStringLiteral("eigene"));
    EXPECT_EQ(k.VorgabeEinheit1, -1);
    ASSERT_EQ(k.Einheitenliste.size(), 1);
    EXPECT_EQ(k.Einheitenliste[0].Anzeige, QStringLiteral("Elle, Eigene"));
}

}  // namespace

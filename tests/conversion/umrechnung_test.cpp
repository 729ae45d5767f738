#include <gtest/gtest.h>

#include "conversion/umrechnung.h"
#include "numeric/term.h"

using namespace quarnelo::conversion;
using quarnelo::catalog::TUnitEntry;

namespace {

struct Melder : quarnelo::conversion::Melder {
    QStringList meldungen;
    void Meldung(const QString& t) override { meldungen << t; }
};

TEST(FaktorAnwenden, CarriesValuesToAndFromTheBase) {
    Melder m;
    struct F {
        const char* faktor;
        int richtung;
        long double wert;
        long double erwartet;
    };
    const F faelle[] = {
        {"1/1000", 1, 1, 0.001L},
        {"1/1000", 0, 0.001L, 0.001L * (1.0L / 0.001L)},
        {"0,3048", 0, 5000, 5000 * (1.0L / 0.3048L)},
        {"0.3048", 1, 1, 0.3048L},
        {"X+273,15&X-273,15", 1, 20, 293.15L},
        {"X+273,15&X-273,15", 0, 293.15L, 293.15L - 273.15L},
        {"0&0", 1, 17, 0},
        {"0&0", 0, 17, 0},
        {"INCH*7/8", 1, 8, 0.0254L * 7},
        {"sin°x&arcsin°x", 1, 30, 0.5L},
        {"abc", 1, 5, 0},
        {"", 1, 5, 0},
        {"1E\u221228", 1, 1, 1e-28L},
    };
    for (const F& f : faelle) {
        long double v = FaktorAnwenden(QString::fromUtf8(f.faktor), f.richtung, f.wert, ',', &m);
        EXPECT_NEAR(static_cast<double>(v - f.erwartet), 0, 1e-15 * (1 + std::fabs(static_cast<double>(f.erwartet))))
            << f.faktor;
    }
    EXPECT_TRUE(m.meldungen.isEmpty());
}

TEST(FaktorAnwenden, ReportsFailuresWithTheFactorAndGivesZero) {
    Melder m;
    EXPECT_EQ(FaktorAnwenden(QStringLiteral("1/0"), 0, 5, ',', &m), 0.0L);
    EXPECT_EQ(FaktorAnwenden(QStringLiteral("PIPI"), 1, 5, ',', &m), 0.0L);
    EXPECT_EQ(FaktorAnwenden(QStringLiteral("fak(2000)&x"), 1, 5, ',', &m), 0.0L);
    EXPECT_EQ(m.meldungen, QStringList({QStringLiteral("ERROR:\r\n1/0"), QStringLiteral("ERROR:\r\nPIPI"),
                                        QStringLiteral("ERROR:\r\nfak(2000)&x")}));
}

TEST(TEFormelFinden, TakesTheFirstEntryWithTheDisplayText) {
    QVector<TUnitEntry> liste(3);
    liste[0].Anzeige = liste[1].Anzeige = QStringLiteral("Shake, Others");
    liste[0].Faktor = QStringLiteral("1E-8");
    liste[1].Faktor = QStringLiteral("1E-10");
    liste[2].Anzeige = QStringLiteral("Second (s), General");
    liste[2].Faktor = QStringLiteral("1");
    liste[2].Einheit = QStringLiteral("Second");
    EXPECT_EQ(TEFormelFinden(liste, QStringLiteral("Shake, Others")).Faktor, QStringLiteral("1E-8"));
    TUnitRec r = TEFormelFinden(liste, QStringLiteral("Second (s), General"));
    EXPECT_EQ(r.Einheit, QStringLiteral("Second"));
    TUnitRec vorlage{QStringLiteral("9"), QStringLiteral("alt"), QString()};
    TUnitRec keiner = TEFormelFinden(liste, QStringLiteral("second (s), General"), vorlage);
    EXPECT_TRUE(keiner.Faktor.isEmpty());
    EXPECT_EQ(keiner.Einheit, QStringLiteral("alt"));
}

class TEUmrechnenTest : public ::testing::Test {
protected:
    PlainVergleich p;
    Umrechnungsoptionen o;
    bool guard = false;
    Melder m;
    void SetUp() override {
        o.format.dezimaltrenner = ',';
        for (auto& z : p.zeile) z.vorsatz = QStringLiteral("Kein Präfix");
    }
};

TEST_F(TEUmrechnenTest, ConvertsCelsiusToFahrenheitAndKelvin) {
    p.zeile[0] = {QStringLiteral("20"), QStringLiteral("Kein Präfix"), QString(), QStringLiteral("X+273,15&X-273,15")};
    p.zeile[1].faktor = QStringLiteral("(X+459,67)*5/9&X*1,8-459,67");
    p.zeile[2].faktor = QStringLiteral("1");
    TEUmrechnen(p, 1, guard, o, &m);
    EXPECT_EQ(p.zeile[0].wert, QStringLiteral("20"));
    EXPECT_EQ(p.zeile[1].wert, QStringLiteral("68"));
    EXPECT_EQ(p.zeile[2].wert, QStringLiteral("293,15"));
    EXPECT_FALSE(guard);
    o.autopref = true;
    p.zeile[2].vorsatz = QStringLiteral("k Kilo (*1000)");
    TEUmrechnen(p, 1, guard, o, &m);
    EXPECT_EQ(p.zeile[2].vorsatz, QStringLiteral("Kein Präfix"));
}

TEST_F(TEUmrechnenTest, AppliesSourceAndTargetPrefixes) {
    p.zeile[0] = {QStringLiteral("5"), QStringLiteral("k Kilo (*1000)"), QString(), QStringLiteral("1")};
    p.zeile[1].faktor = QStringLiteral("0,3048");
    p.zeile[2].faktor = QStringLiteral("X+273,15&X-273,15");
    p.zeile[2].vorsatz = QStringLiteral("k Kilo (*1000)");
    TEUmrechnen(p, 1, guard, o, &m);
    EXPECT_EQ(p.zeile[1].wert, QStringLiteral("16404,2"));
    EXPECT_EQ(p.zeile[2].wert, QStringLiteral("4,72685"));  // (5000 - 273.15) / 1000
    // Celsius as source with a prefix: 5 k°C is 5273.15 K.
    p.zeile[2] = {QStringLiteral("5"), QStringLiteral("k Kilo (*1000)"), QString(), QStringLiteral("X+273,15&X-273,15")};
    p.zeile[0].vorsatz = QStringLiteral("Kein Präfix");
    TEUmrechnen(p, 3, guard, o, &m);
    EXPECT_EQ(p.zeile[0].wert, QStringLiteral("5273,15"));
}

TEST_F(TEUmrechnenTest, AutoPrefixWritesTheBestPrefix) {
    o.autopref = true;
    o.deutsch = false;
    p.zeile[0] = {QStringLiteral("0,000123"), QStringLiteral("No Prefix"), QString(), QStringLiteral("1")};
    TEUmrechnen(p, 1, guard, o, &m);
    EXPECT_EQ(p.zeile[1].wert, QStringLiteral("123"));
    EXPECT_EQ(p.zeile[1].vorsatz, QStringLiteral("µ Micro (*10^-6)"));
}

TEST_F(TEUmrechnenTest, IgnoresTextThatIsNoValueAndClearsTheGuardOnErrors) {
    p.zeile[1].wert = QStringLiteral("7");
    for (const char* t : {"abc", "2*"}) {
        p.zeile[0].wert = QString::fromLatin1(t);
        TEUmrechnen(p, 1, guard, o, &m);
        EXPECT_EQ(p.zeile[1].wert, QStringLiteral("7")) << t;
    }
    p.zeile[0].wert = QStringLiteral("1.000.000");
    try {
        TEUmrechnen(p, 1, guard, o, &m);
        ADD_FAILURE();
    } catch (const quarnelo::numeric::EvalError& e) {
        EXPECT_STREQ(e.what(), "'1,000,000' is not a valid floating point value");
    }
    EXPECT_FALSE(guard);
    EXPECT_EQ(p.zeile[1].wert, QStringLiteral("7"));
    p.zeile[0].wert = QStringLiteral("1000000");
    TEUmrechnen(p, 1, guard, o, &m);
    EXPECT_EQ(p.zeile[1].wert, QStringLiteral("1E006"));
    guard = true;
    p.zeile[0].wert = QStringLiteral("3");
    TEUmrechnen(p, 1, guard, o, &m);
    EXPECT_EQ(p.zeile[1].wert, QStringLiteral("1E006"));
    EXPECT_TRUE(guard);
}

TEST_F(TEUmrechnenTest, KeepsTheSourceTextAsTyped) {
    p.zeile[0].wert = QStringLiteral("2*PI");
    TEUmrechnen(p, 1, guard, o, &m);
    EXPECT_EQ(p.zeile[0].wert, QStringLiteral("2*PI"));
    EXPECT_EQ(p.zeile[1].wert, QStringLiteral("6,28319"));
}

}  // namespace

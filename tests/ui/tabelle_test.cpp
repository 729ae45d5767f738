#include "ui/tabelle.h"

#include <gtest/gtest.h>

#include "numeric/term.h"

using namespace quarnelo;
using ui::TabellenSeite;
using S = catalog::Tabellenzeile;

namespace {

struct Melder : conversion::Melder {
    QStringList meldungen;
    void Meldung(const QString& t) override { meldungen.append(t); }
};

S Zeile(const char* einheit, const char* kuerzel, const char* ordnung, const char* faktor, int id) {
    S z;
    z.zelle[S::Einheit] = QString::fromUtf8(einheit);
    z.zelle[S::Kuerzel] = QString::fromUtf8(kuerzel);
    z.zelle[S::Ordnung] = QString::fromUtf8(ordnung);
    z.zelle[S::Faktor] = QString::fromUtf8(faktor);
    z.zelle[S::ID] = QString::number(id);
    return z;
}

class Tabelle : public ::testing::Test {
protected:
    void SetUp() override {
        s.zeilen = {Zeile("Meter", "m", "Metrisch", "1", 1), Zeile("Kilometer", "km", "Metrisch", "1000", 2),
                    Zeile("Fuß", "ft", "Alt", "0,3048", 3), Zeile("Seemeile", "sm", "Nautisch", "1852", 4),
                    Zeile("Elle", "", "General", "0,5", 5)};
        r.o.format.dezimaltrenner = ',';
        r.melder = &melder;
        ui::StartwerteSetzen(s, 1, r);
    }
    QStringList Spalte(int c) const {
        QStringList l;
        for (const S& z : s.zeilen) l.append(z.zelle[c]);
        return l;
    }
    TabellenSeite s;
    ui::Rechnen r;
    Melder melder;
    bool laeuft = false;
};

TEST_F(Tabelle, SelectingARowFillsTheValueBoxAndTheCompareValue) {
    ui::listSelectItem(s, 1, laeuft, r);
    EXPECT_EQ(s.ed_list, QStringLiteral("0,001"));
    EXPECT_EQ(s.vgl_wert, QStringLiteral("1"));  // the compare unit is the metre
    EXPECT_EQ(s.aktuell_beschreibung, QStringLiteral("Kilometer (km), Metrisch"));
    EXPECT_EQ(s.ed_vorsatz, QStringLiteral("Kein Präfix"));
    ui::listSelectItem(s, 4, laeuft, r);
    EXPECT_EQ(s.aktuell_beschreibung, QStringLiteral("Elle, General"));
    EXPECT_FALSE(laeuft);
}

TEST_F(Tabelle, TypingUnderTheTableRecomputesEveryRowFromTheCurrentUnit) {
    ui::listSelectItem(s, 0, laeuft, r);
    s.ed_list = QStringLiteral("2");
    ui::ed_listChange(s, laeuft, r);
    EXPECT_EQ(Spalte(S::Wert), (QStringList{"2", "0,002", "6,56168", "0,00107991", "4"}));
    EXPECT_EQ(s.vgl_wert, QStringLiteral("2"));
    // Text that cannot be read changes nothing.
    s.ed_list = QStringLiteral("abc");
    ui::ed_listChange(s, laeuft, r);
    EXPECT_EQ(s.zeilen[0].zelle[S::Wert], QStringLiteral("2"));
    EXPECT_FALSE(laeuft);
}

TEST_F(Tabelle, HoldValueKeepsTheNumberForTheNewRowsUnit) {
    ui::listSelectItem(s, 0, laeuft, r);
    s.ed_list = QStringLiteral("3");
    s.einheit_festhalten = true;
    ui::listSelectItem(s, 1, laeuft, r);
    EXPECT_EQ(s.ed_list, QStringLiteral("3"));
    EXPECT_EQ(s.zeilen[0].zelle[S::Wert], QStringLiteral("3000"));
}

TEST_F(Tabelle, AutoPrefixSkipsTheCurrentRowAndTheCompareValue) {
    r.o.autopref = true;
    ui::listSelectItem(s, 0, laeuft, r);
    s.ed_list = QStringLiteral("5000");
    ui::ed_listChange(s, laeuft, r);
    EXPECT_EQ(s.zeilen[0].zelle[S::Wert], QStringLiteral("5000"));
    EXPECT_EQ(s.zeilen[0].zelle[S::Praefix], QString());
    EXPECT_EQ(s.zeilen[1].zelle[S::Wert], QStringLiteral("5"));
    EXPECT_EQ(s.zeilen[1].zelle[S::Praefix], QString());  // 5 km lies in [1, 1000)
    EXPECT_EQ(s.zeilen[4].zelle[S::Praefix], QStringLiteral("k Kilo (*1000)"));

    ui::delprefixClick(s, {0, 1, 2, 3, 4}, r);
    s.vgl_wert = QStringLiteral("4000");
    ui::vgl_wertChange(s, laeuft, r);
    for (const S& z : s.zeilen) EXPECT_TRUE(z.zelle[S::Praefix].isEmpty()) << z.zelle[S::Einheit].toStdString();
    EXPECT_EQ(s.zeilen[1].zelle[S::Wert], QStringLiteral("4"));
}

TEST_F(Tabelle, StartValuesGetTheBestPrefixWithAutoPrefix) {
    r.o.autopref = true;
    ui::StartwerteSetzen(s, 1000, r);
    EXPECT_EQ(s.zeilen[0].zelle[S::Wert], QStringLiteral("1"));
    EXPECT_EQ(s.zeilen[0].zelle[S::Praefix], QStringLiteral("k Kilo (*1000)"));
    EXPECT_EQ(s.zeilen[4].zelle[S::Wert], QStringLiteral("2"));
    EXPECT_EQ(s.zeilen[4].zelle[S::Praefix], QStringLiteral("k Kilo (*1000)"));
    ui::StartwerteSetzen(s, 500, r);
    EXPECT_EQ(s.zeilen[0].zelle[S::Wert], QStringLiteral("500"));
    EXPECT_EQ(s.zeilen[0].zelle[S::Praefix], QString());
}

TEST_F(Tabelle, ThePrefixOfTheCurrentRowRescalesTheOthers) {
    ui::listSelectItem(s, 0, laeuft, r);
    s.ed_vorsatz = QStringLiteral("k Kilo (*1000)");
    ui::ed_vorsatzChange(s, laeuft, r);
    EXPECT_EQ(s.zeilen[0].zelle[S::Praefix], QStringLiteral("k Kilo (*1000)"));
    EXPECT_EQ(s.zeilen[0].zelle[S::Wert], QStringLiteral("1"));
    EXPECT_EQ(s.zeilen[1].zelle[S::Wert], QStringLiteral("1"));
}

TEST_F(Tabelle, AFailingCompareValueClearsTheGuard) {
    s.vgl_wert = QStringLiteral("1.000.000");
    EXPECT_THROW(ui::vgl_wertChange(s, laeuft, r), numeric::EvalError);
    EXPECT_FALSE(laeuft);
}

TEST_F(Tabelle, HeaderClicksSortValuesFirstDescendingAndTextFirstAscending) {
    ui::listColumnClick(s, 0, ',');
    EXPECT_EQ(Spalte(S::Einheit), (QStringList{"Fuß", "Elle", "Meter", "Kilometer", "Seemeile"}));
    ui::listColumnClick(s, 0, ',');
    EXPECT_EQ(Spalte(S::Einheit), (QStringList{"Seemeile", "Kilometer", "Meter", "Elle", "Fuß"}));
    ui::listColumnClick(s, 2, ',');
    EXPECT_EQ(Spalte(S::Einheit), (QStringList{"Elle", "Fuß", "Kilometer", "Meter", "Seemeile"}));
    ui::listColumnClick(s, 2, ',');
    EXPECT_EQ(Spalte(S::Einheit), (QStringList{"Seemeile", "Meter", "Kilometer", "Fuß", "Elle"}));
}

TEST(SortWert, ReadsFractionsScientificNotationAndFallsBackToZero) {
    EXPECT_NEAR(static_cast<double>(ui::SortWert(QStringLiteral("1/3"), ',')), 1.0 / 3, 1e-15);
    EXPECT_EQ(ui::SortWert(QStringLiteral("1,5E003"), ','), 1500.0L);
    EXPECT_EQ(ui::SortWert(QStringLiteral("-4/3"), ',') < 0, true);
    EXPECT_EQ(ui::SortWert(QStringLiteral("abc"), ','), 0.0L);
    // Values within 1E-16 of each other's size count as equal.
    S a, b;
    a.zelle[S::Wert] = QStringLiteral("1");
    b.zelle[S::Wert] = QStringLiteral("1,00000000000000000001");
    EXPECT_EQ(ui::listCompare(a, b, 0, false, ','), 0);
    b.zelle[S::Wert] = QStringLiteral("2");
    EXPECT_LT(ui::listCompare(a, b, 0, false, ','), 0);
    EXPECT_GT(ui::listCompare(a, b, 0, true, ','), 0);
}

TEST_F(Tabelle, SystemCommandsHideAndKeepRowsByGroup) {
    struct Case {
        void (*befehl)(TabellenSeite&, const QVector<int>&);
        QVector<int> markiert;
        QStringList bleiben;
    };
    const Case kCases[] = {
        {ui::pop1Click, {0, 2}, {"Fuß", "Seemeile", "Elle"}},
        {ui::pop2Click, {2}, {"Fuß"}},
        {ui::pop3Click, {3}, {"Meter", "Kilometer", "Seemeile", "Elle"}},
        {ui::pop7Click, {1, 3}, {"Meter", "Fuß", "Elle"}},
        {ui::pop1Click, {}, {"Meter", "Kilometer", "Fuß", "Seemeile", "Elle"}},
    };
    for (const Case& c : kCases) {
        TabellenSeite t = s;
        c.befehl(t, c.markiert);
        QStringList namen;
        for (const S& z : t.zeilen) namen.append(z.zelle[S::Einheit]);
        EXPECT_EQ(namen, c.bleiben);
    }
}

TEST_F(Tabelle, DraggedRowsKeepTheirOrderBeforeTheDropRow) {
    struct Case {
        QVector<int> markiert;
        int ziel;
        QStringList ordnung;
        QVector<int> neu;
    };
    const Case kCases[] = {
        {{3, 4}, 1, {"Meter", "Seemeile", "Elle", "Kilometer", "Fuß"}, {1, 2}},
        {{0, 2}, -1, {"Kilometer", "Seemeile", "Elle", "Meter", "Fuß"}, {3, 4}},
        {{1, 2}, 2, {"Meter", "Kilometer", "Fuß", "Seemeile", "Elle"}, {1, 2}},  // onto a dragged row
    };
    for (const Case& c : kCases) {
        TabellenSeite t = s;
        EXPECT_EQ(ui::ZeilenVerschieben(t, c.markiert, c.ziel), c.neu);
        QStringList namen;
        for (const S& z : t.zeilen) namen.append(z.zelle[S::Einheit]);
        EXPECT_EQ(namen, c.ordnung);
    }
}

TEST_F(Tabelle, PopupCopiesEndEveryLineWithCrLf) {
    EXPECT_EQ(ui::pop5Text(s, {0, 4}), QStringLiteral("1\r\n2\r\n"));
    catalog::Katalog k;
    k.EinheitHinzufuegen(QStringLiteral("Meter"), QStringLiteral("m"), QStringLiteral("Metrisch"), QStringLiteral("1"));
    k.EinheitHinzufuegen(QStringLiteral("Elle"), QString(), QStringLiteral("General"), QStringLiteral("0,5"));
    s.zeilen[0].zelle[S::Praefix] = QStringLiteral("k Kilo (*1000)");
    EXPECT_EQ(ui::pop6Text(s, {0, 4}, k.Einheitenliste, settings::Optionen{}), QStringLiteral("1 km\r\n2 Elle\r\n"));
}

}  // namespace

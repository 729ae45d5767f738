#include <gtest/gtest.h>

#include "numeric/prefix.h"

using namespace quarnelo::numeric;

namespace {

const std::string kMikroDe = "\xC2\xB5 Mikro (*10^-6)";

TEST(VorsatzFaktor, ReadsTheFirstTwoCharacters) {
    EXPECT_EQ(VorsatzFaktor("k Kilo (*1000)"), 1000.0L);
    EXPECT_EQ(VorsatzFaktor("da Deka (*10)"), 10.0L);
    EXPECT_EQ(VorsatzFaktor("Kein Pr\xC3\xA4" "fix"), 1.0L);
    EXPECT_EQ(VorsatzFaktor("k"), 1.0L);
    EXPECT_EQ(VorsatzFaktor(""), 1.0L);
    EXPECT_EQ(VorsatzFaktor(kMikroDe), 1e-6L);
    EXPECT_EQ(VorsatzFaktor("m anything *"), 1e-3L);
    EXPECT_EQ(VorsatzFaktor("q Quark (*2)"), 1.0L);
}

TEST(VorsatzName, KnowsTheBoxTextsOfBothLanguages) {
    EXPECT_EQ(VorsatzName("c Zenti (*0.01)").Name, "");
    EXPECT_EQ(VorsatzName("c Zenti (*0,01)").Name, "Zenti");
    EXPECT_EQ(VorsatzName("c Zenti (*0,01)").Symbol, "c");
    EXPECT_EQ(VorsatzName("p Pico (*10^-12)").Name, "Pico");
    EXPECT_EQ(VorsatzName("No Prefix").Symbol, "");
    for (bool de : {true, false})
        for (const std::string& t : VorsatzBoxFuellen(de))
            if (t.find('*') != std::string::npos) EXPECT_FALSE(VorsatzName(t).Name.empty()) << t;
}

TEST(BestesPraefix, BringsTheValueBetweenOneAndAThousand) {
    struct F {
        long double wert;
        const char* symbol;  // first characters of the box text
    };
    const F faelle[] = {{1, "Kein"},  {999.99L, "Kein"}, {1000, "k "},       {0.5L, "m "},
                        {-2500, "k "}, {0, "y "},         {0.000999L, "\xC2\xB5 "}, {1e30L, "Y "},
                        {999999.995L, "M "}, {999999.98L, "k "}, {1e-7L, "n "}};
    for (const F& f : faelle) {
        TPrefixFac p = BestesPraefix(f.wert, true);
        EXPECT_EQ(p.Vorsatz.rfind(f.symbol, 0), 0u) << static_cast<double>(f.wert) << " -> " << p.Vorsatz;
    }
    EXPECT_EQ(BestesPraefix(0.000001L, false).Vorsatz, "\xC2\xB5 Micro (*10^-6)");
    EXPECT_EQ(BestesPraefix(5, false).Vorsatz, "No Prefix");
}

TEST(VorsatzBoxFuellen, ListsTwentyOneTextsWithNoPrefixInTheMiddle) {
    auto de = VorsatzBoxFuellen(true);
    auto en = VorsatzBoxFuellen(false);
    ASSERT_EQ(de.size(), 21u);
    ASSERT_EQ(en.size(), 21u);
    EXPECT_EQ(de[10], "Kein Pr\xC3\xA4" "fix");
    EXPECT_EQ(en[10], "No Prefix");
    EXPECT_EQ(de[7], "m Milli (*0,001)");
    EXPECT_EQ(en[7], "m Milli (*0.001)");
    EXPECT_EQ(de.front(), "y Yocto (*10^-24)");
    EXPECT_EQ(en.back(), "Y Yotta (*10^24)");
    for (std::size_t i = 0; i < de.size(); ++i)
        EXPECT_EQ(VorsatzFaktor(de[i]), VorsatzFaktor(en[i])) << de[i];
}

TEST(PrefixCommands, WorkOnSelectedRowsOnly) {
    Zahlformat f;
    std::vector<PraefixZeile> zeilen = {
        {"1500", "m Milli (*0,001)", true},
        {"2", "k Kilo (*1000)", false},
        {"0,000123", "", true},
    };
    findprefixClick(zeilen, f, true);
    EXPECT_EQ(zeilen[0].wert, "1,5");
    EXPECT_EQ(zeilen[0].vorsatz, "");
    EXPECT_EQ(zeilen[1].wert, "2");
    EXPECT_EQ(zeilen[2].wert, "123");
    EXPECT_EQ(zeilen[2].vorsatz, kMikroDe);

    std::vector<PraefixZeile> weg = {{"2", "k Kilo (*1000)", true}, {"abc", "k Kilo (*1000)", true}};
    delprefixClick(weg, f);
    EXPECT_EQ(weg[0].wert, "2000");
    EXPECT_EQ(weg[0].vorsatz, "");
    EXPECT_EQ(weg[1].wert, "0");
}

TEST(PrefixCommands, StopAtAFailingRowAndKeepEarlierRows) {
    Zahlformat f;
    std::vector<PraefixZeile> zeilen = {
        {"2", "k Kilo (*1000)", true}, {"1,2,3", "k Kilo (*1000)", true}, {"3", "k Kilo (*1000)", true}};
    EXPECT_ANY_THROW(delprefixClick(zeilen, f));
    EXPECT_EQ(zeilen[0].wert, "2000");
    EXPECT_EQ(zeilen[1].wert, "1,2,3");
    EXPECT_EQ(zeilen[2].vorsatz, "k Kilo (*1000)");
}

}  // namespace

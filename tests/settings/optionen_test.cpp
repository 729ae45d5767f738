#include <gtest/gtest.h>

#include "settings/optionen.h"

using quarnelo::settings::Optionen;

namespace {

TEST(Optionen, DerivesPrecisionAndDigitsFromTheFormatRadio) {
    Optionen o = Optionen::MitSystemtrenner(QLatin1Char('.'));
    EXPECT_EQ(o.Genauigkeit, 6);
    EXPECT_EQ(o.Ziffern, 3);
    o.rb_general = false;
    o.rb_fixed = true;
    o.EinheitenWechsel();
    EXPECT_EQ(o.Genauigkeit, 18);
    EXPECT_EQ(o.Ziffern, 6);
    o.rb_fixed = false;
    o.rb_exponent = true;
    o.EinheitenWechsel();
    EXPECT_EQ(o.Genauigkeit, 6);
    EXPECT_EQ(o.Ziffern, 3);
}

TEST(Optionen, KeepsTheDerivedValueForTextThatIsNoWholeNumber) {
    Optionen o;
    o.cb_stellen = QStringLiteral("abc");
    o.cb_general = QStringLiteral("2");
    o.EinheitenWechsel();
    EXPECT_EQ(o.Genauigkeit, 6);
    EXPECT_EQ(o.Ziffern, 2);
    o.cb_stellen = QStringLiteral("25");
    o.EinheitenWechsel();
    EXPECT_EQ(o.Genauigkeit, 25);
}

TEST(Optionen, ChoosesTheDecimalSeparator) {
    Optionen o = Optionen::MitSystemtrenner(QLatin1Char('.'));
    EXPECT_EQ(o.Trenner(), '.');
    o.rb_dsys = false;
    o.rb_dcomma = true;
    o.DezimaltrennerWaehlen();
    EXPECT_EQ(o.Trenner(), ',');
    EXPECT_EQ(o.Zahlformat().dezimaltrenner, ',');
    o.rb_dcomma = false;
    o.rb_dsys = true;
    o.DezimaltrennerWaehlen();
    EXPECT_EQ(o.Trenner(), '.');
}

}  // namespace

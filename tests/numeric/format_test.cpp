#include <gtest/gtest.h>

#include "numeric/format.h"

using namespace quarnelo::numeric;

namespace {

TEST(Zahltext, WritesTheThreeFormats) {
    struct F {
        long double wert;
        Format format;
        int p, d;
        const char* text;
    };
    const F faelle[] = {
        {1234.5L, Format::General, 6, 3, "1234,5"},
        {0.000012345L, Format::General, 6, 3, "1,2345E-005"},
        {1e20L, Format::General, 6, 3, "1E020"},
        {2.0L / 3, Format::General, 6, 3, "0,666667"},
        {0, Format::General, 6, 3, "0"},
        {0.001L, Format::General, 6, 3, "0,001"},
        {0.0001L, Format::General, 6, 3, "0,0001"},
        {-2.5L, Format::General, 6, 3, "-2,5"},
        {999999.5L, Format::General, 6, 3, "1E006"},
        {123456, Format::General, 6, 3, "123456"},
        {1.0L / 3, Format::General, 1, 3, "0,33"},   // precision below 2 counts as 2
        {1.0L / 3, Format::General, 25, 0, "0,333333333333333333"},
        {1234.5L, Format::Scientific, 6, 3, "1,23450E+003"},
        {0, Format::Scientific, 6, 3, "0,00000E+000"},
        {0.00125L, Format::Scientific, 3, 2, "1,25E-03"},
        {1.0L / 3, Format::Fixed, 18, 6, "0,333333"},
        {1e20L, Format::Fixed, 18, 6, "1E20"},
        {0, Format::Fixed, 18, 6, "0,000000"},
        {-0.0000001L, Format::Fixed, 18, 6, "0,000000"},
        {2.5L, Format::Fixed, 18, 0, "3"},
        {12.0L, Format::Fixed, 18, 2, "12,00"},
        {0.0012L, Format::Fixed, 18, 6, "0,001200"},
    };
    for (const F& f : faelle)
        EXPECT_EQ(Zahltext(f.wert, f.format, f.p, f.d, ','), f.text)
            << static_cast<double>(f.wert) << " p=" << f.p << " d=" << f.d;
    EXPECT_EQ(Zahltext(1.0L / 3, Format::General, 6, 3, '.'), "0.333333");
}

TEST(ZahlFormatieren, WritesRepeatingDecimalsAsFractions) {
    struct F {
        long double wert;
        const char* text;
    };
    const F faelle[] = {
        {1.0L / 3, "1/3"},   {2.0L / 3, "2/3"},   {1.0L / 6, "1/6"},    {5.0L / 6, "5/6"},
        {1.0L / 9, "1/9"},   {1.0L / 12, "1/12"}, {11.0L / 12, "11/12"}, {7.0L / 3, "7/3"},
        {22.0L / 9, "22/9"}, {-2.0L / 3, "-2/3"}, {-4.0L / 3, "-4/3"},  {100.0L / 3, "100/3"},
        {1000.0L / 3, "333,333"}, {0.5L, "0,5"},  {1.25L, "1,25"},      {0.3333333333333L, "1/3"},
        {3.333333333333333e-5L, "3,33333E-005"},  // a mantissa in scientific form is no fraction
    };
    Zahlformat f;
    for (const F& c : faelle) EXPECT_EQ(ZahlFormatieren(c.wert, f), c.text) << static_cast<double>(c.wert);
    for (Format fm : {Format::Fixed, Format::Scientific}) {
        Zahlformat g;
        g.general = fm == Format::General;
        g.fixed = fm == Format::Fixed;
        g.exponent = fm == Format::Scientific;
        EXPECT_EQ(ZahlFormatieren(1.0L / 3, g), "1/3");
    }
    f.bruch = false;
    EXPECT_EQ(ZahlFormatieren(1.0L / 3, f), "0,333333");
    f.bruch = true;
    f.dezimaltrenner = '.';
    EXPECT_EQ(ZahlFormatieren(1.0L / 3, f), "1/3");
    EXPECT_EQ(ZahlFormatieren(0.25L, f), "0.25");
}

}  // namespace

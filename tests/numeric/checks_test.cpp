#include <gtest/gtest.h>

#include <cmath>

#include "numeric/checks.h"
#include "numeric/term.h"

using namespace quarnelo::numeric;

namespace {

TEST(SchnellErsetzen, IgnoresCaseAndNeverRescans) {
    EXPECT_EQ(SchnellErsetzen("Pi*pi*PI", "PI", "Z"), "Z*Z*Z");
    EXPECT_EQ(SchnellErsetzen("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(SchnellErsetzen("", "a", "b"), "");
    EXPECT_EQ(SchnellErsetzen("\xE4x", "\xC4", "y"), "yx");  // ä matches Ä in the code page
    EXPECT_EQ(ZeichenZaehlen("((1)", '('), 2);
}

TEST(IstGanzzahl, AcceptsThirtyTwoBitWholeNumbers) {
    struct F {
        const char* text;
        bool ok;
        int wert;
    };
    const F faelle[] = {{"12", true, 12},        {" -3", true, -3},          {"$1F", true, 31},
                        {"0x10", true, 16},      {"x1f", true, 31},          {"2147483647", true, 2147483647},
                        {"12 ", false, 0},       {"1,5", false, 0},          {"2147483648", false, 0},
                        {"", false, 0},          {"$", false, 0},            {"-2147483648", true, INT32_MIN},
                        {"$FFFFFFFF", true, -1}, {"$100000000", false, 0}};
    for (const F& f : faelle) {
        int v = 99;
        EXPECT_EQ(IstGanzzahl(f.text, &v), f.ok) << f.text;
        if (f.ok) {
            EXPECT_EQ(v, f.wert) << f.text;
        }
    }
}

TEST(TermGueltig, AcceptsExactlyWhatTheEncodingAccepts) {
    struct F {
        const char* text;
        bool ok;
    };
    const F faelle[] = {
        {"2*(3+PI)", true}, {"2PI", true},  {"PI2", false},   {"(2)(3)", false}, {"2*", false},
        {"-5", true},       {"1,5", true},  {",5", false},    {"5,", false},     {"1E5", true},
        {"1E-5", true},     {"", false},    {"ABC", false},   {"(2", false},     {"2)(3", false},
        {"()", true},       {" 2*3", false}, {"1,2,3", true}, {"2*-3", true},    {"SQRT(16)", true},
        {"X+1", false},     {"SIN\xB0" "30", true}, {"EXP(1)", false}, {"PIPI", true}, {"Z", true},
        {"INCH*7/8", true}, {"CUINCH*277,41945*5/(160*12)", true}, {"8*2^80", true},
    };
    for (const F& f : faelle) EXPECT_EQ(TermGueltig(f.text), f.ok) << f.text;
    // The code of a term longer than about 4930 characters exceeds the extended range.
    std::string lang = "1";
    while (lang.size() < 4990) lang += "+1";
    EXPECT_FALSE(TermGueltig(lang));
    std::string kurz = "1";
    while (kurz.size() < 4800) kurz += "+1";
    EXPECT_TRUE(TermGueltig(kurz));
}

TEST(ZweiTermeGueltig, NeedsExactlyTwoValidPieces) {
    EXPECT_TRUE(ZweiTermeGueltig("x+273,15&x-273,15"));
    EXPECT_TRUE(ZweiTermeGueltig("sin\xB0x&arcsin\xB0x"));
    EXPECT_TRUE(ZweiTermeGueltig("0&0"));
    EXPECT_FALSE(ZweiTermeGueltig("x+273,15"));
    EXPECT_FALSE(ZweiTermeGueltig("x&"));
    EXPECT_FALSE(ZweiTermeGueltig("x&x&x"));
}

TEST(WertFinden, ReadsTypedValues) {
    struct F {
        const char* text;
        char sep;
        bool ok;
        long double wert;
    };
    const F faelle[] = {
        {"1.5", ',', true, 1.5L},      {"1,5", ',', true, 1.5L},       {"1,5", '.', true, 1.5L},
        {"1.000", ',', true, 1},       {" 5 ", ',', true, 5},          {" 2*3", ',', false, 0},
        {"2e3", ',', true, 2000},      {"2E3", ',', true, 2000},       {"2E+3", ',', true, 2000},
        {"2E-3", ',', true, 0.002L},   {"1,23450E+003", ',', true, 1234.5L},
        {"1/3", ',', true, 1.0L / 3},  {"sqrt(16)", ',', true, 4},     {"EXP(1)", ',', false, 0},
        {"", ',', false, 0},           {"abc", ',', false, 0},         {"2*", ',', false, 0},
        {"(2", ',', false, 0},         {"()", ',', true, 0},           {"2*-3", ',', true, -6},
    };
    for (const F& f : faelle) {
        long double v = 42;
        EXPECT_EQ(WertFinden(f.text, v, f.sep), f.ok) << f.text;
        long double tol = 1e-18L * (1 + std::fabs(f.wert));
        EXPECT_NEAR(static_cast<double>(v - f.wert), 0.0, static_cast<double>(tol)) << f.text;
    }
    long double v;
    EXPECT_NEAR(static_cast<double>(WertFinden("2PI", v, ',') ? v : 0), 6.283185307179586, 1e-15);
}

TEST(WertFinden, LetsEvaluationErrorsThrough) {
    long double v;
    try {
        WertFinden("1,2,3", v, ',');
        ADD_FAILURE();
    } catch (const EvalError& e) {
        EXPECT_STREQ(e.what(), "'1,2,3' is not a valid floating point value");
    }
    EXPECT_THROW(WertFinden("1.000.000", v, ','), EvalError);
    EXPECT_THROW(WertFinden("FAK(2000)", v, ','), EvalError);
    EXPECT_EQ(WertNormalisieren("2e-3", ','), "2*10^(-3)");
    EXPECT_EQ(WertNormalisieren("1,5E3", '.'), "1.5*10^3");
}

}  // namespace

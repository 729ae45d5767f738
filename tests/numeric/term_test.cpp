#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "numeric/term.h"

using namespace quarnelo::numeric;

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

struct Fall {
    const char* term;
    long double x;
    long double erwartet;
};

// Separator "," throughout, as the callers hand it over.
const Fall kFaelle[] = {
    {"", 0, 0},
    {"   ", 0, 0},
    {"1+2*3", 0, 7},
    {"(1+2)*3", 0, 9},
    {"2^3^2", 0, 64},
    {"8-2-1", 0, 5},
    {"8/2/2", 0, 2},
    {"-2^2", 0, -4},
    {"2PI", 0, 2 * kPi},
    {"2(3)", 0, 6},
    {"(2)(3)", 0, 6},
    {"3X", 4, 12},
    {"SIN\xB0" "30", 0, 0.5L},
    {"SIN\xB0(30)", 0, 0.5L},
    {"ARCSIN\xB0" "0,5", 0, 30},
    {"10^5000", 0, 0},
    {"ARCSIN2", 0, 0},
    {"SQRT(-4)", 0, 0},
    {"LN0", 0, 0},
    {"LN(-5)", 0, 0},
    {"LN(0,0000000000000001)", 0, 0},
    {"1/0", 0, 0},
    {"0^0", 0, 1},
    {"0^(-1)", 0, 0},
    {"(-8)^(1/3)", 0, 0},
    {"(-2)^3", 0, -8},
    {"INT(-2,5)", 0, -3},
    {"INT(2,5)", 0, 2},
    {"FAK(5)", 0, 120},
    {"FAK(0)", 0, 1},
    {"FAK(-3)", 0, 1},
    {"FAK(2,5)", 0, 3.75L},
    {"X+273,15", 20, 293.15L},
    {"(31,6)^X*63000", 2, 31.6L * 31.6L * 63000},
    {"ARCCOS(-1)", 0, kPi},
    {"ARCSIN(1)", 0, kPi / 2},
    {"()", 0, 0},
    {"(1+2", 0, 2},  // unbalanced: (1 loses its first and last character
    {"+5", 0, 5},
    {"LG1000", 0, 3},
    {"LB8", 0, 3},
    {"ABS(0-3)", 0, 3},
    {"SIN(X)^2", 0.5L, std::sin(0.5L) * std::sin(0.5L)},
    {"INCH*7/8", 0, 0.0254L * 7 / 8},
    {"CUINCH*231", 0, 0.000016387064L * 231},
    {"8*2^80", 0, 8 * 1208925819614629174706176.0L},
    // A minus after another operator negates what follows.
    {"2*-3", 0, -6},
    {"2/-4", 0, -0.5L},
    {"2^-1", 0, 0.5L},
    {"2--3", 0, 5},
    {"2*-3+1", 0, -5},
    {"2*-3^2", 0, -18},
};

TEST(TermBerechnen, GivesTheValuesOfTheAlgorithm) {
    for (const Fall& f : kFaelle) {
        long double v = TermBerechnen(f.term, f.x, ',');
        long double tol = 4 * std::numeric_limits<long double>::epsilon() * std::fabs(f.erwartet);
        EXPECT_NEAR(static_cast<double>(v - f.erwartet), 0.0, static_cast<double>(tol) + 1e-300)
            << "term " << f.term << " x=" << static_cast<double>(f.x) << " gave " << static_cast<double>(v);
    }
}

TEST(TermBerechnen, FailsWithTheTwoMessages) {
    struct F {
        const char* term;
        const char* meldung;
    };
    const F faelle[] = {
        {"1E5", "'E5' is not a valid floating point value"},
        {"PI2", "'PI2' is not a valid floating point value"},
        {"X2", "'X2' is not a valid floating point value"},
        {"sin30", "'sin30' is not a valid floating point value"},
        {"1,2,3", "'1,2,3' is not a valid floating point value"},
        {"10^4000*10^4000", "Floating point overflow"},
        {"FAK(2000)", "Floating point overflow"},
        {"EXP(20000)", "Floating point overflow"},
    };
    for (const F& f : faelle) {
        try {
            TermBerechnen(f.term, 0, ',');
            ADD_FAILURE() << f.term << " did not fail";
        } catch (const EvalError& e) {
            EXPECT_STREQ(e.what(), f.meldung) << f.term;
        }
    }
}

TEST(TermBerechnen, UsesTheGivenSeparator) {
    EXPECT_EQ(TermBerechnen("1.5*2", 0, '.'), 3.0L);
    EXPECT_THROW(TermBerechnen("1.5*2", 0, ','), EvalError);
}

TEST(TermBerechnen, HandlesTheLongestAcceptedTermsWithoutBlowUp) {
    // 2,400 nested parentheses around a sum.
    std::string tief(2400, '(');
    tief += "1+1";
    tief += std::string(2400, ')');
    EXPECT_EQ(TermBerechnen(tief, 0, ','), 2.0L);
    // 2,400 implicit multiplications: 1(1(1(...))) style, and a long chain of products.
    std::string kette;
    for (int i = 0; i < 2400; ++i) kette += "1(";
    kette += "2";
    kette += std::string(2400, ')');
    EXPECT_EQ(kette.size(), 2400u * 3 + 1);
    EXPECT_EQ(TermBerechnen(kette, 0, ','), 2.0L);
    std::string summe = "1";
    for (int i = 0; i < 2450; ++i) summe += "+1";
    EXPECT_EQ(TermBerechnen(summe, 0, ','), 2451.0L);
}

TEST(Potenz, FollowsThePowerRule) {
    EXPECT_EQ(Potenz(0, 0), 1.0L);
    EXPECT_EQ(Potenz(0, 2), 0.0L);
    EXPECT_EQ(Potenz(2, 10), 1024.0L);
    EXPECT_EQ(Potenz(2, -2), 0.25L);
    EXPECT_EQ(Potenz(-2, 3), -8.0L);
    EXPECT_EQ(Potenz(-8, 1.0L / 3), 0.0L);
    EXPECT_EQ(Potenz(0, -1), 0.0L);
    EXPECT_EQ(Potenz(10, 5000), 0.0L);
    EXPECT_NEAR(static_cast<double>(Potenz(2, 0.5L)), std::sqrt(2.0), 1e-15);
    EXPECT_GT(Potenz(10, 4000), 0.0L);
}

TEST(ZahlLesen, AcceptsTheNumberSyntaxOnly) {
    struct F {
        const char* text;
        bool ok;
        long double wert;
    };
    const F faelle[] = {
        {"5", true, 5},        {" 5 ", true, 5},     {"-1,5", true, -1.5L}, {"+2", true, 2},
        {"1E3", true, 1000},   {"2e-3", true, 0.002L}, {"5E", true, 5},     {",5", true, 0.5L},
        {"1,2,3", false, 0},   {"1.5", false, 0},    {"", false, 0},        {"E5", false, 0},
        {"1E99999", false, 0}, {"nan", false, 0},    {"inf", false, 0},     {"1 2", false, 0},
        {"1E-99999", true, 0},
    };
    for (const F& f : faelle) {
        long double v = -7;
        EXPECT_EQ(ZahlLesen(f.text, ',', v), f.ok) << f.text;
        if (f.ok) {
            EXPECT_EQ(v, f.wert) << f.text;
        }
    }
}

}  // namespace

namespace {

// The exact short path and the general conversion must give the same nearest value.
TEST(ZahlLesen, MatchesTheCorrectlyRoundedConversion) {
    const char* faelle[] = {"0.1",        "1609.344",          "0.3048",     "9223372036854775807", "123456789012345678.9",
                            "1.5e27",     "1.5e28",            "7e-27",      "7e-28",               "0.000016387064",
                            "2.76e12",    "149597870691e6",    "1e-9",       "3.141592653589793238", "-0.0254"};
    for (const char* f : faelle) {
        long double v;
        ASSERT_TRUE(ZahlLesen(f, '.', v)) << f;
        EXPECT_EQ(v, std::strtold(f, nullptr)) << f;
    }
}

}  // namespace

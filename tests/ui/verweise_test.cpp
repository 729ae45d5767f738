// The addresses that link captions open.
#include <gtest/gtest.h>

#include "ui/verweise.h"

using namespace quarnelo::ui;

namespace {

struct Fall {
    const char* beschriftung;
    Ort ort;
    bool menue;
    const char* adresse;
};

TEST(Verweise, CaptionsWithDescriptionLoseItAndCarryTheReferrer) {
    const Fall faelle[] = {
        // English help menu item: description dropped, "m" for the menu.
        {"www.quarnelo.com/quarnelo-help - Introduction to this Software", Ort::Menue, true,
         "https://www.quarnelo.com/quarnelo-help&rf=qnm"},
        // The bare host of a menu gets "/" before the query text.
        {"www.quarnelo.de", Ort::Menue, true, "https://www.quarnelo.de/&rf=qnm"},
        {"www.quarnelo.com", Ort::Menue, true, "https://www.quarnelo.com/&rf=qnm"},
        // Accelerator marks of a menu caption are removed.
        {"www.quarnelo.de/&spenden - Wenn Sie diese Anwendung mögen", Ort::Menue, true,
         "https://www.quarnelo.de/spenden&rf=qnm"},
        // Link labels of the main and options windows: letter "s", no "/" insertion.
        {"www.quarnelo.de/spenden - Vielen Dank!", Ort::Spende, false, "https://www.quarnelo.de/spenden&rf=qns"},
        {"www.quarnelo.de/quarnelo-hilfe", Ort::Spende, false, "https://www.quarnelo.de/quarnelo-hilfe&rf=qns"},
        {"www.quarnelo.com", Ort::Spende, false, "https://www.quarnelo.com&rf=qns"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(AdresseMitBeschreibung(QString::fromUtf8(f.beschriftung), f.ort, f.menue).toStdString(),
                  f.adresse)
            << f.beschriftung;
}

TEST(Verweise, ExactAddressCaptions) {
    EXPECT_EQ(AdresseAusBeschriftung(QStringLiteral("www.quarnelo.com/support"), Ort::Bericht),
              QStringLiteral("https://www.quarnelo.com/support&rf=qnr"));
    EXPECT_EQ(AdresseAusBeschriftung(QStringLiteral("www.quarnelo.de/lizenz"), Ort::Hilfe),
              QStringLiteral("https://www.quarnelo.de/lizenz&rf=qnh"));
    EXPECT_EQ(AdresseAusBeschriftung(QStringLiteral("www.quarnelo.de"), Ort::Hilfe),
              QStringLiteral("https://www.quarnelo.de/&rf=qnh"));
    EXPECT_EQ(AdresseAusBeschriftung(QStringLiteral("www.quarnelo.com"), Ort::Hilfe),
              QStringLiteral("https://www.quarnelo.com/&rf=qnh"));
}

}  // namespace

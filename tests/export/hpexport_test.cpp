#include "export/hpexport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "catalog/katalog.h"
#include "textfiles/benutzereinheiten.h"

using quarnelo::catalog::Katalog;
using namespace quarnelo::exporting;

namespace {

const char kKopfEn[] =
    "<title>Quarnelo | Units</title><div id=\"main1\"><?php include('quarnelo-menu.php'); ?></div><div "
    "id=\"main2\"><div id=\"ub1\">Quarnelo</div>"
    "<div id=\"ub2\">Units</div><div id=\"abso\">On this page, you can see an overview over all units "
    "available in "
    "the Quarnelo. "
    "You can convert arbitrary numbers, terms and fractions to these units. In addition, each of these units "
    "can be "
    "used with an arbitrary prefix like nano- or kilo- and you can also "
    "use <a href=\"quarnelo-customunits\">custom units</a> with the Quarnelo. If you are searching for a "
    "unit, you "
    "should use STRG-F "
    "in your browser to open the search dialog. The list will be expanded regularly, if you know other "
    "units, you "
    "can tell them by using our <a href=\"support\">contact form</a>. With these "
    "links, you can jump to one of the 33 categories directly:</div>"
    "<div id=\"abso\"><ul class=\"square\">"
    "<li><a href=\"quarnelo-units#length\">Length (Metre, m)</a></li>";

// A filter no built-in unit passes, and user units for length that do: a unit
// without group first, a name holding its abbreviation, alternatives, none.
class Seite : public ::testing::Test {
  protected:
    void SetUp() override {
        quarnelo::textfiles::BenutzerEinheitenSpeichern(
            dir.path(), QStringLiteral("length"),
            {{QStringLiteral("Zqx Eins (zq)"), QStringLiteral("zq"), QString(), QStringLiteral("1")},
             {QStringLiteral("Zqx Zwei/Deux"), QStringLiteral("zz"), QStringLiteral("Gruppe"),
              QStringLiteral("2")},
             {QStringLiteral("Zqx Drei"), QString(), QStringLiteral("Gruppe"), QStringLiteral("3")}});
        kat.setBenutzerQuelle(quarnelo::textfiles::BenutzerQuelle(dir.path()));
        kat.FilterSetzen(QStringLiteral("ZQX"));
    }
    QTemporaryDir dir;
    Katalog kat;
};

TEST_F(Seite, EnglishPageFromTheExactPieces) {
    int anzahl = -1;
    const QString text = HPText(kat, QStringLiteral("en"), anzahl);
    EXPECT_EQ(anzahl, 3);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(kKopfEn))) << text.left(1200).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("<li><a href=\"quarnelo-units#amountofsubstance\">")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        "</a></li></ul></div><a name=\"length\"></a><div id=\"ub2\">Length (Metre, m)</div><div id=\"abso\">"
        "<ul class=\"square\">Zqx Eins (zq)</li><li><strong>Gruppe:</strong> Zqx Zwei, Deux (zz), Zqx "
        "Drei</li></ul></div><a name=\"area\">")))
        << text.toStdString();
    // A category with every unit filtered out still has its link and section.
    EXPECT_TRUE(text.contains(QStringLiteral("<a name=\"area\"></a><div id=\"ub2\">")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("<ul class=\"square\"></li></ul></div></div>")));
    EXPECT_FALSE(text.contains(QStringLiteral(", </li>")));
    EXPECT_EQ(text.count(QStringLiteral("<a name=\"")), 33);
    // The last category stays loaded.
    EXPECT_TRUE(kat.Einheitenliste.isEmpty());
}

TEST_F(Seite, GermanFileIsUtf8WithMarkAndOneLine) {
    QTemporaryDir ziel;
    EXPECT_EQ(HPExport(kat, QStringLiteral("de"), ziel.path()), 3);
    QFile f(ziel.filePath(QStringLiteral("quarnelo-einheiten.php")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF<title>Quarnelo | Einheiten</title>"));
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_FALSE(bytes.contains('\r'));
    const QString text = QString::fromUtf8(bytes.mid(3));
    EXPECT_TRUE(text.contains(QString::fromUtf8(
        "<div id=\"ub2\">Einheiten</div><div id=\"abso\">Auf dieser Seite sehen Sie eine Übersicht aller "
        "Einheiten, die im Quarnelo voreingestellt sind und in die Sie sofort beliebige Werte, Terme oder "
        "Brüche "
        "umrechnen können. Jede dieser Einheiten lässt sich zusätzlich mit einem beliebigen Präfix wie Nano- "
        "oder "
        "Kilo- verwenden und zusätzlich können Sie auch <a "
        "href=\"quarnelo-benutzereinheiten\">benutzerdefinierte "
        "Einheiten</a> anlegen. Sollten Sie eine bestimmte Einheit in dieser Liste suchen, können Sie STRG+F "
        "in "
        "Ihrem Browser drücken, um danach zu suchen. Die Liste wird ständig erweitert, wenn Sie neue "
        "Einheiten "
        "kennen, melden Sie sich einfach unter unserem <a href=\"support\">Kontaktformular</a>. Mit diesen "
        "Links "
        "springen Sie direkt zu einer der 33 Kategorien, in die die Einheiten einsortiert sind:</div>"
        "<div id=\"abso\"><ul class=\"square\"><li><a href=\"quarnelo-einheiten#length\">")));
    EXPECT_EQ(QDir(ziel.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("quarnelo-einheiten.php")});
}

}  // namespace

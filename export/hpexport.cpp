#include "export/hpexport.h"

#include <QDir>

#include "catalog/registry.h"
#include "textfiles/textdatei.h"

namespace quarnelo::exporting {
namespace {

// The six head pieces of each language, joined without separators.
// clang-format off
const char16_t* const kKopfEn[] = {
    u"<title>Quarnelo | Units</title><div id=\"main1\"><?php include('quarnelo-menu.php'); "
    u"?></div><div id=\"main2\"><div id=\"ub1\">Quarnelo</div>",
    u"<div id=\"ub2\">Units</div><div id=\"abso\">On this page, you can see an overview over all "
    u"units available in the Quarnelo. ",
    u"You can convert arbitrary numbers, terms and fractions to these units. In addition, each "
    u"of these units can be used with an arbitrary prefix like nano- or kilo- and you can also ",
    u"use <a href=\"quarnelo-customunits\">custom units</a> with the Quarnelo. If you are "
    u"searching for a unit, you should use STRG-F ",
    u"in your browser to open the search dialog. The list will be expanded regularly, if you "
    u"know other units, you can tell them by using our <a href=\"support\">contact form</a>. With "
    u"these ",
    u"links, you can jump to one of the 33 categories directly:</div>",
};

const char16_t* const kKopfDe[] = {
    u"<title>Quarnelo | Einheiten</title><div id=\"main1\"><?php include('quarnelo-menu.php'); "
    u"?></div><div id=\"main2\"><div id=\"ub1\">Quarnelo</div>",
    u"<div id=\"ub2\">Einheiten</div><div id=\"abso\">Auf dieser Seite sehen Sie eine Übersicht "
    u"aller Einheiten, die im Quarnelo ",
    u"voreingestellt sind und in die Sie sofort beliebige Werte, Terme oder Brüche umrechnen "
    u"können. Jede dieser Einheiten lässt sich zusätzlich mit einem beliebigen Präfix wie Nano- ",
    u"oder Kilo- verwenden und zusätzlich können Sie auch <a "
    u"href=\"quarnelo-benutzereinheiten\">benutzerdefinierte Einheiten</a> anlegen. ",
    u"Sollten Sie eine bestimmte Einheit in dieser Liste suchen, können Sie STRG+F in Ihrem "
    u"Browser drücken, um danach zu suchen. Die Liste wird ständig erweitert, wenn Sie neue "
    u"Einheiten ",
    u"kennen, melden Sie sich einfach unter unserem <a href=\"support\">Kontaktformular</a>. Mit "
    u"diesen Links springen Sie direkt zu einer der 33 Kategorien, in die die Einheiten "
    u"einsortiert sind:</div>",
};
// clang-format on

QString T(const char16_t* s) {
    return QString::fromUtf16(s);
}

}  // namespace

QString Seitenname(const QString& spr) {
    return spr == QLatin1String("de") ? QStringLiteral("quarnelo-einheiten")
                                      : QStringLiteral("quarnelo-units");
}

QString HPText(catalog::Katalog& katalog, const QString& spr, int& anzahl) {
    const bool deutsch = spr == QLatin1String("de");
    const QString seite = Seitenname(spr);
    QString kopf, abschnitte;
    for (const char16_t* teil : deutsch ? kKopfDe : kKopfEn) kopf += T(teil);
    kopf += QStringLiteral("<div id=\"abso\"><ul class=\"square\">");
    anzahl = 0;

    const QStringList namen = catalog::KategorieNamen(deutsch);
    for (const QString& name : namen) {
        const QString key = catalog::KategorieSchluessel(name);
        kopf += QStringLiteral("<li><a href=\"") + seite + QLatin1Char('#') + key + QStringLiteral("\">") +
                name + QStringLiteral("</a></li>");
        abschnitte += QStringLiteral("<a name=\"") + key + QStringLiteral("\"></a><div id=\"ub2\">") + name +
                      QStringLiteral("</div><div id=\"abso\"><ul class=\"square\">");
        katalog.KategorieLaden(key, catalog::Katalog::Liste, spr);
        QString eintraege, gruppe;
        for (const catalog::TUnitEntry& e : katalog.Einheitenliste) {
            if (e.Ordnung != gruppe) {
                gruppe = e.Ordnung;
                if (!eintraege.isEmpty()) eintraege += QStringLiteral("</li>");
                eintraege += QStringLiteral("<li><strong>") + gruppe + QStringLiteral(":</strong> ");
            }
            const QString einheiten =
                textfiles::TextErsetzen(e.Einheit, QStringLiteral("/"), QStringLiteral(", "));
            const QString klammer = QStringLiteral(" (") + e.Kuerzel + QLatin1Char(')');
            if (!e.Kuerzel.isEmpty() && !e.Einheit.contains(klammer))
                eintraege += einheiten + klammer + QStringLiteral(", ");
            else
                eintraege += einheiten + QStringLiteral(", ");
            ++anzahl;
        }
        abschnitte += eintraege + QStringLiteral("</li></ul></div>");
    }
    kopf += QStringLiteral("</ul></div>");
    abschnitte += QStringLiteral("</div>");
    abschnitte = textfiles::TextErsetzen(abschnitte, QStringLiteral(", </li>"), QStringLiteral("</li>"));
    return kopf + abschnitte;
}

int HPExport(catalog::Katalog& katalog, const QString& spr, const QString& ordner) {
    int anzahl = 0;
    const QString text = HPText(katalog, spr, anzahl);
    QString datei = Seitenname(spr) + QStringLiteral(".php");
    if (!ordner.isEmpty()) datei = QDir(ordner).filePath(datei);
    textfiles::TextDateiSpeichern(text, datei, textfiles::kUtf8);
    return anzahl;
}

}  // namespace quarnelo::exporting

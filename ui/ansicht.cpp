#include "ui/ansicht.h"

#include "catalog/registry.h"
#include "numeric/prefix.h"
#include "textfiles/benutzereinheiten.h"
#include "ui/verweise.h"

namespace quarnelo::ui {

Anzeigeform AnzeigeformErkennen(const QString& t) {
    Anzeigeform a;
    a.tabelle = t.contains(QLatin1String("Tabelle")) || t.contains(QLatin1String("Table"));
    a.vergleich = t.contains(QLatin1String("Einheiten vergleichen")) || t.contains(QLatin1String("Compare "));
    a.mitVergleichseinheit =
        t.contains(QLatin1String("mit Vergleichseinheit")) || t.contains(QLatin1String("including Compare-Unit"));
    a.zweiZeilen = t.contains(QLatin1String("Zwei")) || t.contains(QLatin1String("two"));
    return a;
}

QStringList Anzeigeformen(bool deutsch) {
    if (deutsch)
        return {QStringLiteral("Zwei Einheiten vergleichen"), QStringLiteral("Drei Einheiten vergleichen"),
                QStringLiteral("Tabelle aller Einheiten"), QStringLiteral("Tabelle aller Einheiten mit Vergleichseinheit")};
    return {QStringLiteral("Compare two Units"), QStringLiteral("Compare three Units"),
            QStringLiteral("Table with all Units"), QStringLiteral("Table with all Units including Compare-Unit")};
}

QString KategorieSchluesselAus(const QString& text) {
    QString key = catalog::KategorieSchluessel(text);
    return key.isEmpty() ? textfiles::KategorieKlein(text) : key;
}

QStringList EinheitenAuswahl(const QVector<catalog::TUnitEntry>& liste, const QString& filter) {
    QStringList out;
    out.reserve(liste.size());
    if (filter.isEmpty()) {
        for (const catalog::TUnitEntry& e : liste) out.append(e.Anzeige);
        return out;
    }
    const QString f = catalog::GrossProZeichen(filter);
    for (const catalog::TUnitEntry& e : liste)
        if (e.Schluessel.contains(f)) out.append(e.Anzeige);
    return out;
}

QString HinweisText(int n, bool deutsch) {
    if (n % 3 == 0)
        return deutsch ? SeiteDe() + QStringLiteral("/support - Melden Sie weitere Einheiten")
                       : SeiteInt() + QStringLiteral("/support - Tell us other Units");
    if (n % 2 != 0)
        return deutsch ? SeiteDe() + QStringLiteral("/support - Haben Sie Verbesserungsvorschläge?")
                       : SeiteInt() + QStringLiteral("/support - Suggest Improvements");
    return deutsch ? SeiteDe() + QStringLiteral("/spenden - Falls Ihnen die Software gefällt")
                   : SeiteInt() + QStringLiteral("/donate - If you like this Tool");
}

QString WertMitEinheit(const settings::Optionen& o, const QString& wert, const QString& vorsatz,
                       const QString& kuerzel, const QString& einheit) {
    const numeric::TPrefixRec p = numeric::VorsatzName(vorsatz.toStdString());
    const bool mitVorsatz = !p.Name.empty();
    if (!kuerzel.isEmpty() && !o.rb_einh) {
        if (mitVorsatz) return wert + o.ed_sep + QString::fromStdString(p.Symbol) + o.ed_sep_pa + kuerzel;
        return wert + o.ed_sep + kuerzel;
    }
    QString name = einheit;
    // An empty cut text would cut every name to nothing; it means "never cut".
    if (o.cb_ersteunit && !o.ed_ersteunit.isEmpty()) {
        const qsizetype i = name.indexOf(o.ed_ersteunit);
        if (i >= 0) name.truncate(i);
    }
    if (mitVorsatz) return wert + o.ed_sep + QString::fromStdString(p.Name) + o.ed_sep_pe + name;
    return wert + o.ed_sep + name;
}

QString ZeilenAnzeige(const catalog::Tabellenzeile& z) {
    using S = catalog::Tabellenzeile;
    if (z.zelle[S::Kuerzel].isEmpty()) return z.zelle[S::Einheit] + QStringLiteral(", ") + z.zelle[S::Ordnung];
    return z.zelle[S::Einheit] + QStringLiteral(" (") + z.zelle[S::Kuerzel] + QStringLiteral("), ") +
           z.zelle[S::Ordnung];
}

}  // namespace quarnelo::ui

#include "ui/verweise.h"

namespace quarnelo::ui {

namespace {

const QString kSchema = QStringLiteral("https://");

// The query text follows the path directly with "&"; a bare host needs "/"
// before it.
QString PfadVorAnfrage(QString a) {
    for (const QLatin1String host : {QLatin1String(".de&"), QLatin1String(".com&")}) {
        const qsizetype i = a.indexOf(host);
        if (i >= 0) a.insert(i + host.size() - 1, QLatin1Char('/'));
    }
    return a;
}

}  // namespace

QString SeiteDe() { return QStringLiteral("www.quarnelo.de"); }
QString SeiteInt() { return QStringLiteral("www.quarnelo.com"); }

QString Referrer(Ort ort) { return QStringLiteral("qn") + QLatin1Char(static_cast<char>(ort)); }

QString AdresseMitBeschreibung(const QString& beschriftung, Ort ort, bool menue) {
    const QString anfrage = QStringLiteral("&rf=") + Referrer(ort);
    QString a = beschriftung;
    a.remove(QLatin1Char('&'));
    a = kSchema + a + anfrage;
    const qsizetype strich = a.indexOf(QLatin1String(" - "));
    if (strich >= 0) a = a.left(strich) + anfrage;
    return menue ? PfadVorAnfrage(a) : a;
}

QString AdresseAusBeschriftung(const QString& beschriftung, Ort ort) {
    return PfadVorAnfrage(kSchema + beschriftung + QStringLiteral("&rf=") + Referrer(ort));
}

}  // namespace quarnelo::ui

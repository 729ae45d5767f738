#include "ui/tabelle.h"

#include <QCollator>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "numeric/ansi.h"
#include "numeric/checks.h"
#include "numeric/format.h"
#include "numeric/prefix.h"
#include "numeric/term.h"
#include "ui/ansicht.h"

namespace quarnelo::ui {
namespace {

using S = Tabellenzeile;

struct Waechter {
    bool& f;
    explicit Waechter(bool& flag) : f(flag) { f = true; }
    ~Waechter() { f = false; }
};

long double Vorsatz(const QString& text) { return numeric::VorsatzFaktor(text.toStdString()); }

QString Format(long double wert, const Rechnen& r) {
    return QString::fromStdString(numeric::ZahlFormatieren(wert, r.o.format));
}

long double ZurBasis(const QString& faktor, long double wert, const Rechnen& r) {
    return conversion::FaktorAnwenden(faktor, 1, wert, r.sep(), r.melder);
}

long double AusBasis(const QString& faktor, long double wert, const Rechnen& r) {
    return conversion::FaktorAnwenden(faktor, 0, wert, r.sep(), r.melder);
}

bool Lesen(const QString& text, long double& wert, const Rechnen& r) {
    return numeric::WertFinden(conversion::Ansi(text), wert, r.sep());
}

// The best prefix of `x` into the value and prefix cells of `z`.
void MitBestemPraefix(Tabellenzeile& z, long double x, const Rechnen& r) {
    const numeric::TPrefixFac p = numeric::BestesPraefix(x, r.o.deutsch);
    z.zelle[S::Wert] = Format(x / p.Faktor, r);
    z.zelle[S::Praefix] = p.Vorsatz.find('*') != std::string::npos ? QString::fromStdString(p.Vorsatz) : QString();
}

void Entfernen(TabellenSeite& s, const std::function<bool(int)>& weg) {
    QVector<Tabellenzeile> rest;
    rest.reserve(s.zeilen.size());
    for (int i = 0; i < s.zeilen.size(); ++i)
        if (!weg(i)) rest.append(std::move(s.zeilen[i]));
    s.zeilen = std::move(rest);
}

std::vector<numeric::PraefixZeile> Praefixzeilen(const TabellenSeite& s, const QVector<int>& markiert) {
    std::vector<numeric::PraefixZeile> z;
    z.reserve(markiert.size());
    for (int i : markiert)
        z.push_back({s.zeilen[i].zelle[S::Wert].toStdString(), s.zeilen[i].zelle[S::Praefix].toStdString(), true});
    return z;
}

void Zurueck(TabellenSeite& s, const QVector<int>& markiert, const std::vector<numeric::PraefixZeile>& z) {
    for (int k = 0; k < markiert.size(); ++k) {
        s.zeilen[markiert[k]].zelle[S::Wert] = QString::fromStdString(z[k].wert);
        s.zeilen[markiert[k]].zelle[S::Praefix] = QString::fromStdString(z[k].vorsatz);
    }
}

}  // namespace

void StartwerteSetzen(TabellenSeite& s, long double b, const Rechnen& r) {
    for (Tabellenzeile& z : s.zeilen) {
        const long double x = AusBasis(z.zelle[S::Faktor], b, r);
        if (r.o.autopref) {
            MitBestemPraefix(z, x, r);
        } else {
            z.zelle[S::Wert] = Format(x, r);
            z.zelle[S::Praefix].clear();
        }
    }
}

void listSelectItem(TabellenSeite& s, int zeile, bool& laeuft, const Rechnen& r) {
    if (zeile < 0 || zeile >= s.zeilen.size()) return;
    const Tabellenzeile& z = s.zeilen[zeile];
    s.aktuell_einh = z.zelle[S::Einheit];
    s.aktuell_abk = z.zelle[S::Kuerzel];
    s.aktuell_item = z.zelle[S::Faktor];
    s.aktuell_id = z.zelle[S::ID];
    s.ed_vorsatz = z.zelle[S::Praefix].isEmpty() ? s.KeinPraefixText : z.zelle[S::Praefix];
    s.aktuell_beschreibung = z.zelle[S::Kuerzel].isEmpty()
                                 ? z.zelle[S::Einheit] + QStringLiteral(", ") + z.zelle[S::Ordnung]
                                 : z.zelle[S::Einheit] + QStringLiteral(" (") + z.zelle[S::Kuerzel] +
                                       QStringLiteral("), ") + z.zelle[S::Ordnung];
    if (s.einheit_festhalten) {
        if (numeric::TermGueltig(numeric::WertNormalisieren(conversion::Ansi(s.ed_list), r.sep())))
            ed_listChange(s, laeuft, r);
        return;
    }
    Waechter w(laeuft);
    s.ed_list = z.zelle[S::Wert];
    long double v = 0;
    if (!Lesen(s.ed_list, v, r)) v = 0;
    const long double basis = ZurBasis(s.aktuell_item, v, r) * Vorsatz(s.ed_vorsatz);
    s.vgl_wert = Format(AusBasis(s.vgl_f, basis, r) / Vorsatz(s.vgl_vorsatz), r);
}

void ed_listChange(TabellenSeite& s, bool& laeuft, const Rechnen& r) {
    if (laeuft) return;
    long double v;
    if (!Lesen(s.ed_list, v, r)) return;
    Waechter w(laeuft);
    const long double basis = ZurBasis(s.aktuell_item, v, r) * Vorsatz(s.ed_vorsatz);
    for (Tabellenzeile& z : s.zeilen) {
        const long double x = AusBasis(z.zelle[S::Faktor], basis, r);
        if (r.o.autopref && z.zelle[S::ID] != s.aktuell_id)
            MitBestemPraefix(z, x, r);
        else
            z.zelle[S::Wert] = Format(x / Vorsatz(z.zelle[S::Praefix]), r);
    }
    s.vgl_wert = Format(AusBasis(s.vgl_f, basis, r) / Vorsatz(s.vgl_vorsatz), r);
}

void ed_vorsatzChange(TabellenSeite& s, bool& laeuft, const Rechnen& r) {
    if (laeuft) return;
    for (Tabellenzeile& z : s.zeilen) {
        if (z.zelle[S::ID] != s.aktuell_id) continue;
        z.zelle[S::Praefix] = s.ed_vorsatz.contains(QLatin1Char('*')) ? s.ed_vorsatz : QString();
        break;
    }
    ed_listChange(s, laeuft, r);
}

void vgl_einheitChange(TabellenSeite& s, const QVector<catalog::TUnitEntry>& liste, bool& laeuft, const Rechnen& r) {
    const conversion::TUnitRec u = conversion::TEFormelFinden(liste, s.vgl_einheit);
    if (!u.Faktor.isEmpty()) s.vgl_f = u.Faktor;
    vgl_wertChange(s, laeuft, r);
}

void vgl_wertChange(TabellenSeite& s, bool& laeuft, const Rechnen& r) {
    if (laeuft) return;
    Waechter w(laeuft);
    long double v;
    if (!Lesen(s.vgl_wert, v, r)) return;
    const long double basis = ZurBasis(s.vgl_f, v * Vorsatz(s.vgl_vorsatz), r);
    for (Tabellenzeile& z : s.zeilen) {
        try {
            z.zelle[S::Wert] = Format(AusBasis(z.zelle[S::Faktor], basis, r) / Vorsatz(z.zelle[S::Praefix]), r);
        } catch (const std::exception&) {
            if (r.melder) r.melder->Meldung(QStringLiteral("ERROR:\r\n") + z.zelle[S::Faktor]);
            break;
        }
    }
    s.ed_list = Format(AusBasis(s.aktuell_item, basis, r) / Vorsatz(s.ed_vorsatz), r);
}

long double SortWert(const QString& wert, char sep) {
    const std::string t = conversion::Ansi(wert);
    long double v = 0;
    if (!wert.contains(QLatin1Char('/'))) return numeric::ZahlLesen(t, sep, v) ? v : 0.0L;
    const std::string g = numeric::AsciiGross(t);
    if (!numeric::TermGueltig(g)) return 0;
    try {
        return numeric::TermBerechnen(g, 0, sep);
    } catch (const numeric::EvalError&) {
        return 0;
    }
}

namespace {

int ZahlVergleich(long double a, long double b) {
    const long double grenze = std::max(1e-16L * std::min(std::fabs(a), std::fabs(b)), 1e-16L);
    if (std::fabs(a - b) <= grenze) return 0;
    return a < b ? -1 : 1;
}

QCollator& Sortierer() {
    static QCollator c = [] {
        QCollator k;
        k.setCaseSensitivity(Qt::CaseInsensitive);
        return k;
    }();
    return c;
}

}  // namespace

int listCompare(const Tabellenzeile& a, const Tabellenzeile& b, int spalte, bool absteigend, char sep) {
    const Tabellenzeile& x = absteigend ? b : a;
    const Tabellenzeile& y = absteigend ? a : b;
    if (spalte == 0) return ZahlVergleich(SortWert(x.zelle[S::Wert], sep), SortWert(y.zelle[S::Wert], sep));
    return Sortierer().compare(x.zelle[spalte], y.zelle[spalte]);
}

void listColumnClick(TabellenSeite& s, int spalte, char sep) {
    s.TabelleAbsteigend = spalte == s.TabelleLetzteSpalte ? 1 - s.TabelleAbsteigend : 0;
    s.TabelleSortSpalte = spalte;
    s.TabelleLetzteSpalte = spalte;
    const bool ab = s.TabelleAbsteigend == 1;
    // The comparison of the value column reads numbers; read each cell once.
    QVector<int> ordnung(s.zeilen.size());
    std::iota(ordnung.begin(), ordnung.end(), 0);
    if (spalte == 0) {
        QVector<long double> w(s.zeilen.size());
        for (int i = 0; i < w.size(); ++i) w[i] = SortWert(s.zeilen[i].zelle[S::Wert], sep);
        std::stable_sort(ordnung.begin(), ordnung.end(), [&](int i, int j) {
            return ab ? ZahlVergleich(w[j], w[i]) < 0 : ZahlVergleich(w[i], w[j]) < 0;
        });
    } else {
        QCollator& c = Sortierer();
        std::stable_sort(ordnung.begin(), ordnung.end(), [&](int i, int j) {
            const QString& a = s.zeilen[ab ? j : i].zelle[spalte];
            const QString& b = s.zeilen[ab ? i : j].zelle[spalte];
            return c.compare(a, b) < 0;
        });
    }
    QVector<Tabellenzeile> neu;
    neu.reserve(s.zeilen.size());
    for (int i : ordnung) neu.append(std::move(s.zeilen[i]));
    s.zeilen = std::move(neu);
}

void pop1Click(TabellenSeite& s, const QVector<int>& markiert) {
    if (markiert.isEmpty()) return;
    const QString ordnung = s.zeilen[markiert.first()].zelle[S::Ordnung];
    Entfernen(s, [&](int i) { return s.zeilen[i].zelle[S::Ordnung] == ordnung; });
}

void pop2Click(TabellenSeite& s, const QVector<int>& markiert) {
    if (markiert.isEmpty()) return;
    const QString ordnung = s.zeilen[markiert.first()].zelle[S::Ordnung];
    Entfernen(s, [&](int i) { return s.zeilen[i].zelle[S::Ordnung] != ordnung; });
}

void pop3Click(TabellenSeite& s, const QVector<int>& markiert) {
    if (markiert.isEmpty()) return;
    const QStringList bleiben = {QStringLiteral("Metrisch"), QStringLiteral("Metric"), QStringLiteral("Allgemein"),
                                 QStringLiteral("General"), s.zeilen[markiert.first()].zelle[S::Ordnung]};
    Entfernen(s, [&](int i) { return !bleiben.contains(s.zeilen[i].zelle[S::Ordnung]); });
}

void pop7Click(TabellenSeite& s, const QVector<int>& markiert) {
    QVector<bool> weg(s.zeilen.size(), false);
    for (int i : markiert) weg[i] = true;
    Entfernen(s, [&](int i) { return weg[i]; });
}

QVector<int> ZeilenVerschieben(TabellenSeite& s, const QVector<int>& markiert, int ziel) {
    const int n = s.zeilen.size();
    QVector<bool> bewegt(n, false);
    for (int i : markiert) bewegt[i] = true;
    if (ziel < 0 || ziel > n) ziel = n;
    // Dropped onto a moved row, the rows land where that row stood among the
    // rows that stay.
    int stelle = 0;
    for (int i = 0; i < ziel; ++i)
        if (!bewegt[i]) ++stelle;
    QVector<Tabellenzeile> rest, mit;
    for (int i = 0; i < n; ++i) (bewegt[i] ? mit : rest).append(std::move(s.zeilen[i]));
    QVector<int> neu;
    for (int k = 0; k < mit.size(); ++k) neu.append(stelle + k);
    for (int k = 0; k < mit.size(); ++k) rest.insert(stelle + k, std::move(mit[k]));
    s.zeilen = std::move(rest);
    return neu;
}

void findprefixClick(TabellenSeite& s, const QVector<int>& markiert, const Rechnen& r) {
    auto z = Praefixzeilen(s, markiert);
    try {
        numeric::findprefixClick(z, r.o.format, r.o.deutsch);
    } catch (...) {
        Zurueck(s, markiert, z);  // rows done before the failure keep their new texts
        throw;
    }
    Zurueck(s, markiert, z);
}

void delprefixClick(TabellenSeite& s, const QVector<int>& markiert, const Rechnen& r) {
    auto z = Praefixzeilen(s, markiert);
    try {
        numeric::delprefixClick(z, r.o.format);
    } catch (...) {
        Zurueck(s, markiert, z);
        throw;
    }
    Zurueck(s, markiert, z);
}

QString pop5Text(const TabellenSeite& s, const QVector<int>& markiert) {
    QString t;
    for (int i : markiert) t += s.zeilen[i].zelle[S::Wert] + QStringLiteral("\r\n");
    return t;
}

QString pop6Text(const TabellenSeite& s, const QVector<int>& markiert, const QVector<catalog::TUnitEntry>& liste,
                 const settings::Optionen& o) {
    QString t;
    for (int i : markiert) {
        const Tabellenzeile& z = s.zeilen[i];
        const conversion::TUnitRec u = conversion::TEFormelFinden(liste, ZeilenAnzeige(z));
        t += WertMitEinheit(o, z.zelle[S::Wert], z.zelle[S::Praefix], u.Kuerzel, u.Einheit) + QStringLiteral("\r\n");
    }
    return t;
}

}  // namespace quarnelo::ui

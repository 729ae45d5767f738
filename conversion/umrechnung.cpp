#include "conversion/umrechnung.h"

#include <cmath>

#include "numeric/ansi.h"
#include "numeric/checks.h"
#include "numeric/prefix.h"
#include "numeric/term.h"

namespace quarnelo::conversion {
namespace {

std::string ArbeitstextLang(const QString& faktor, char sep) {
    std::string t = numeric::AsciiGross(Ansi(faktor));
    for (char& c : t)
        if (c == ',' || c == '.') c = sep;
    return t;
}

// The working text of a factor: 8-bit, ASCII upper case, "," and "." as the separator.
std::string Arbeitstext(const QString& faktor, char sep) {
    std::string t;
    t.resize(static_cast<std::size_t>(faktor.size()));
    const QChar* p = faktor.constData();
    for (qsizetype i = 0; i < faktor.size(); ++i) {
        char16_t c = p[i].unicode();
        if (c >= 0x80) return ArbeitstextLang(faktor, sep);  // the rare text beyond ASCII
        char a = static_cast<char>(c);
        if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 32);
        else if (a == ',' || a == '.') a = sep;
        t[static_cast<std::size_t>(i)] = a;
    }
    return t;
}

// Raised when the reciprocal of a zero factor is needed.
struct NullFaktor {};

}  // namespace

std::string Ansi(const QString& text) { return numeric::AnsiAusUtf16(text.toStdU16String()); }

TUnitRec TEFormelFinden(const QVector<catalog::TUnitEntry>& liste, const QString& text, TUnitRec vorlage) {
    vorlage.Faktor.clear();
    for (const catalog::TUnitEntry& e : liste) {
        if (e.Anzeige == text) {
            vorlage.Faktor = e.Faktor;
            vorlage.Einheit = e.Einheit;
            vorlage.Kuerzel = e.Kuerzel;
            break;
        }
    }
    return vorlage;
}

bool FaktorWert(const QString& faktor, char sep, long double& wert) {
    std::string t = Arbeitstext(faktor, sep);
    if (numeric::ZahlLesen(t, sep, wert)) return true;
    if (numeric::TermGueltig(t)) {
        wert = numeric::TermBerechnen(t, 0.0L, sep);
        return true;
    }
    return false;
}

long double FaktorAnwenden(const QString& faktor, int richtung, long double wert, char sep, Melder* melder) {
    if (faktor.isEmpty()) return 0.0L;
    try {
        std::string t = Arbeitstext(faktor, sep);
        long double q;
        if (!numeric::ZahlLesen(t, sep, q)) {
            if (numeric::TermGueltig(t)) {
                q = numeric::TermBerechnen(t, 0.0L, sep);
            } else if (numeric::ZweiTermeGueltig(t)) {
                std::size_t amp = t.find('&');
                std::string_view teil =
                    richtung == 1 ? std::string_view(t).substr(0, amp) : std::string_view(t).substr(amp + 1);
                return numeric::TermBerechnen(teil, wert, sep);
            } else {
                return 0.0L;
            }
        }
        long double r;
        if (richtung == 1) {
            r = wert * q;
        } else {
            if (q == 0.0L) throw NullFaktor{};
            r = wert * (1.0L / q);
        }
        if (std::isinf(r) || std::isnan(r)) throw NullFaktor{};  // the product overflows
        return r;
    } catch (const numeric::EvalError&) {
    } catch (const NullFaktor&) {
    }
    if (melder) melder->Meldung(QStringLiteral("ERROR:\r\n") + faktor);
    return 0.0L;
}

void TEUmrechnen(VergleichsZeilen& zeilen, int quelle, bool& laeuft, const Umrechnungsoptionen& o,
                 Melder* melder) {
    if (laeuft) return;
    laeuft = true;
    struct Waechter {
        bool& f;
        ~Waechter() { f = false; }
    } waechter{laeuft};

    const char sep = o.format.dezimaltrenner;
    long double wert;
    if (!numeric::WertFinden(Ansi(zeilen.Wert(quelle)), wert, sep)) return;
    wert *= numeric::VorsatzFaktor(zeilen.Vorsatz(quelle).toStdString());
    const long double basis = FaktorAnwenden(zeilen.Faktor(quelle), 1, wert, sep, melder);
    for (int r = 1; r <= 3; ++r) {
        if (r == quelle) continue;
        long double u = FaktorAnwenden(zeilen.Faktor(r), 0, basis, sep, melder);
        if (o.autopref) {
            numeric::TPrefixFac p = numeric::BestesPraefix(u, o.deutsch);
            zeilen.WertSetzen(r, QString::fromStdString(numeric::ZahlFormatieren(u / p.Faktor, o.format)));
            zeilen.VorsatzSetzen(r, QString::fromStdString(p.Vorsatz));
        } else {
            long double f = numeric::VorsatzFaktor(zeilen.Vorsatz(r).toStdString());
            zeilen.WertSetzen(r, QString::fromStdString(numeric::ZahlFormatieren(u / f, o.format)));
        }
    }
}

}  // namespace quarnelo::conversion

#include "catalog/katalog.h"

#include "catalog/builders/emit.h"
#include "catalog/registry.h"
#include "numeric/ansi.h"

namespace quarnelo::catalog {

QString GrossProZeichen(const QString& text) {
    const qsizetype n = text.size();
    QString out(n, Qt::Uninitialized);
    const QChar* p = text.constData();
    QChar* o = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = p[i].unicode();
        if (c < 0x80) {
            o[i] = QChar(c >= 'a' && c <= 'z' ? char16_t(c - 32) : c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && p[i + 1].isLowSurrogate()) {
            char32_t u = QChar::toUpper(QChar::surrogateToUcs4(c, p[i + 1].unicode()));
            // A character beyond the BMP keeps two code units either way.
            o[i] = QChar(QChar::requiresSurrogates(u) ? QChar::highSurrogate(u) : c);
            o[i + 1] = QChar(QChar::requiresSurrogates(u) ? QChar::lowSurrogate(u) : p[i + 1].unicode());
            ++i;
        } else {
            char32_t u = QChar::toUpper(char32_t(c));
            o[i] = QChar(char16_t(u <= 0xFFFF ? u : c));
        }
    }
    return out;
}

QString FaktorBereinigen(const QString& faktor) {
    std::string ansi = numeric::AsciiGross(numeric::AnsiAusUtf16(faktor.toStdU16String()));
    return QString::fromStdU16String(numeric::Utf16AusAnsi(ansi));
}

void Katalog::FilterSetzen(const QString& text) {
    if (text.isEmpty()) {
        FilterAktiv = false;
        FilterBegriffe.clear();
        return;
    }
    FilterAktiv = true;
    FilterBegriffe = GrossProZeichen(text).split(QLatin1Char(','), Qt::KeepEmptyParts);
}

bool Katalog::FilterPruefen(const QString& schluessel) const {
    for (const QString& t : FilterBegriffe)
        if (!t.isEmpty() && schluessel.contains(t)) return true;
    return false;
}

void Katalog::EinheitHinzufuegen(const QString& Einheit, const QString& Kuerzel, const QString& Ordnung,
                                 const QString& Faktor) {
    if (FuellModus != Tabelle && FuellModus != Liste) return;
    QString schluessel = GrossProZeichen(Einheit + QLatin1Char(',') + Kuerzel + QLatin1Char(',') + Ordnung);
    if (FilterAktiv && !FilterPruefen(schluessel)) return;
    TUnitEntry e;
    e.Schluessel = std::move(schluessel);
    e.Anzeige = Kuerzel.isEmpty() ? Einheit + QStringLiteral(", ") + Ordnung
                                  : Einheit + QStringLiteral(" (") + Kuerzel + QStringLiteral("), ") + Ordnung;
    e.Kuerzel = Kuerzel;
    e.Einheit = Einheit;
    e.Ordnung = Ordnung;
    e.Faktor = FaktorBereinigen(Faktor);
    if (FuellModus == Tabelle) {
        ++EinheitenZaehler;
        if (sink_) {
            Tabellenzeile z;
            z.zelle[Tabellenzeile::Einheit] = Einheit;
            z.zelle[Tabellenzeile::Kuerzel] = Kuerzel;
            z.zelle[Tabellenzeile::Ordnung] = Ordnung;
            z.zelle[Tabellenzeile::Faktor] = e.Faktor;
            z.zelle[Tabellenzeile::ID] = QString::number(EinheitenZaehler);
            sink_->ZeileAnhaengen(std::move(z));
        }
    }
    Einheitenliste.append(std::move(e));
}

void Katalog::KategorieLaden(const QString& kategorie, int modus, const QString& spr) {
    FuellModus = modus;
    EinheitenZaehler = 0;
    Einheitenliste.clear();
    const bool deutsch = spr == QLatin1String("de");
    VorgabeEinheit1 = VorgabeEinheit2 = VorgabeEinheit3 = -1;
    if (const Kategorie* k = KategorieNachSchluessel(kategorie); k && k->builder) {
        const BuilderTable& t = *k->builder;
        const int* v = deutsch ? t.vorgabeDe : t.vorgabeEn;
        VorgabeEinheit1 = v[0];
        VorgabeEinheit2 = v[1];
        VorgabeEinheit3 = v[2];
        Einheitenliste.reserve(static_cast<qsizetype>(t.count));
        EmitRows(t, deutsch, [this](const char* n, const char* a, const char* g, const char* f) {
            EinheitHinzufuegen(QString::fromUtf8(n), QString::fromUtf8(a), QString::fromUtf8(g),
                               QString::fromUtf8(f));
        });
    }
    if (benutzer_) benutzer_(*this, kategorie);
}

}  // namespace quarnelo::catalog

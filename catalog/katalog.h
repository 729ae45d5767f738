// The catalog core: the unit list of the loaded category, the add-unit routine,
// the category load and the filter.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace quarnelo::catalog {

/// One unit of the loaded category.
struct TUnitEntry {
    QString Schluessel;  // Einheit,Kuerzel,Ordnung upper-cased per character
    QString Anzeige;     // "Einheit (Kuerzel), Ordnung" or "Einheit, Ordnung"
    QString Kuerzel;
    QString Einheit;
    QString Ordnung;
    QString Faktor;  // outside Windows-1252 "?", U+2212 "-", ASCII letters upper-cased
};

/// One row of the unit table: Wert, Präfix, Einheit, Kürzel, Ordnung, Faktor, ID.
struct Tabellenzeile {
    enum Spalte { Wert, Praefix, Einheit, Kuerzel, Ordnung, Faktor, ID, Anzahl };
    QString zelle[Anzahl];
};

/// Receives the table rows of a table-mode load.
class ZeilenSink {
public:
    virtual ~ZeilenSink() = default;
    virtual void ZeileAnhaengen(Tabellenzeile&& zeile) = 0;
};

/// Per-character Unicode upper-casing: every character maps to exactly one (ß stays ß).
QString GrossProZeichen(const QString& text);

/// A factor text as the unit list stores it.
QString FaktorBereinigen(const QString& faktor);

class Katalog {
public:
    enum Modus { Tabelle = 1, Liste = 2 };
    /// Appends the user units of a category after the built-in ones (the last
    /// step of every load); the user-file layer supplies it.
    using BenutzerQuelle = std::function<void(Katalog&, const QString& kategorie)>;

    QVector<TUnitEntry> Einheitenliste;
    int FuellModus = Liste;
    int EinheitenZaehler = 0;
    int VorgabeEinheit1 = -1;
    int VorgabeEinheit2 = -1;
    int VorgabeEinheit3 = -1;
    bool FilterAktiv = false;
    QStringList FilterBegriffe;

    void setSink(ZeilenSink* sink) { sink_ = sink; }
    void setBenutzerQuelle(BenutzerQuelle quelle) { benutzer_ = std::move(quelle); }

    /// Sets or clears the filter from the text of the filter box.
    void FilterSetzen(const QString& text);

    /// True when a filter term occurs in `schluessel`; an empty term never occurs.
    bool FilterPruefen(const QString& schluessel) const;

    /// Adds one unit, subject to the filter; in table mode also a table row.
    void EinheitHinzufuegen(const QString& Einheit, const QString& Kuerzel, const QString& Ordnung,
                            const QString& Faktor);

    /// Rebuilds the unit list for `kategorie` in fill mode `modus`; `spr` is the
    /// language marker ("de" selects German, anything else English).
    void KategorieLaden(const QString& kategorie, int modus, const QString& spr);

private:
    ZeilenSink* sink_ = nullptr;
    BenutzerQuelle benutzer_;
};

}  // namespace quarnelo::catalog

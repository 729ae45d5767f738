// Unit lookup, factor application and the recomputation of the comparison rows.
#pragma once

#include <QString>
#include <QVector>

#include "catalog/katalog.h"
#include "numeric/format.h"

namespace quarnelo::conversion {

/// A unit's definition as the conversion needs it.
struct TUnitRec {
    QString Faktor;  // empty when the unit was not found
    QString Einheit;
    QString Kuerzel;
};

/// Receives the messages the conversion must show ("ERROR:" and the factor).
class Melder {
public:
    virtual ~Melder() = default;
    virtual void Meldung(const QString& text) = 0;
};

/// The first unit whose display text equals `text`; `vorlage` supplies the
/// fields that stay when nothing matches.
TUnitRec TEFormelFinden(const QVector<catalog::TUnitEntry>& liste, const QString& text, TUnitRec vorlage = {});

/// Applies a factor text: `richtung` 1 carries `wert` of this unit to the base
/// unit, 0 carries a base value to this unit. On an evaluation failure the
/// melder gets "ERROR:" CR LF and the factor, and the result is 0.
long double FaktorAnwenden(const QString& faktor, int richtung, long double wert, char dezimaltrenner,
                           Melder* melder);

/// What a factor is in base units when it is a number or a constant term
/// (false for two-way formulas and factors that are none of the forms).
bool FaktorWert(const QString& faktor, char dezimaltrenner, long double& wert);

/// The rows of the comparison panel as TEUmrechnen reads and writes them. The
/// window implements it over its controls; PlainVergleich holds plain texts.
class VergleichsZeilen {
public:
    virtual ~VergleichsZeilen() = default;
    virtual QString Wert(int zeile) const = 0;  // rows 1..3
    virtual QString Vorsatz(int zeile) const = 0;
    virtual QString Faktor(int zeile) const = 0;
    virtual void WertSetzen(int zeile, const QString& text) = 0;
    virtual void VorsatzSetzen(int zeile, const QString& text) = 0;
};

struct PlainVergleich : VergleichsZeilen {
    struct Zeile {
        QString wert, vorsatz, einheit, faktor = QStringLiteral("1");
    };
    Zeile zeile[3];
    QString Wert(int z) const override { return zeile[z - 1].wert; }
    QString Vorsatz(int z) const override { return zeile[z - 1].vorsatz; }
    QString Faktor(int z) const override { return zeile[z - 1].faktor; }
    void WertSetzen(int z, const QString& t) override { zeile[z - 1].wert = t; }
    void VorsatzSetzen(int z, const QString& t) override { zeile[z - 1].vorsatz = t; }
};

/// Settings the recomputation reads.
struct Umrechnungsoptionen {
    numeric::Zahlformat format;
    bool autopref = false;
    bool deutsch = true;
};

/// Recomputes the two other rows from row `quelle` (1..3) through the base unit.
/// Does nothing while `aktualisierungLaeuft` is set; sets it while writing and
/// clears it however it ends. Evaluation errors of the source value propagate.
void TEUmrechnen(VergleichsZeilen& zeilen, int quelle, bool& aktualisierungLaeuft,
                 const Umrechnungsoptionen& optionen, Melder* melder);

/// Qt text to the evaluator's 8-bit code page.
std::string Ansi(const QString& text);

}  // namespace quarnelo::conversion

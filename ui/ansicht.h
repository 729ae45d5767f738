// Plain-data rules of the main window that need no widget: the display modes,
// the items of the unit boxes, the hint line and the text of a copied value.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "catalog/katalog.h"
#include "settings/optionen.h"
#include "ui/verweise.h"

namespace quarnelo::ui {

/// What a text of the display-mode box asks for. The modes are recognised by
/// substrings in either language, so a text may be of neither kind.
struct Anzeigeform {
    bool tabelle = false;
    bool vergleich = false;
    bool mitVergleichseinheit = false;  // table kind: compare-unit row shown
    bool zweiZeilen = false;            // comparison kind: third row hidden
};
Anzeigeform AnzeigeformErkennen(const QString& text);

/// The four display modes of a language in box order.
QStringList Anzeigeformen(bool deutsch);

/// The category key of a category-box text: the built-in key, or the text with
/// A-Z lowered for a user category.
QString KategorieSchluesselAus(const QString& text);

/// The items of a unit box: the display texts of the units whose search key
/// contains the upper-cased filter (all of them for an empty filter).
QStringList EinheitenAuswahl(const QVector<catalog::TUnitEntry>& liste, const QString& filter);

/// The caption of the hint line after tick `n` of its timer.
QString HinweisText(int n, bool deutsch);

/// A value with its unit label as the options ask for it.
QString WertMitEinheit(const settings::Optionen& o, const QString& wert, const QString& vorsatz,
                       const QString& kuerzel, const QString& einheit);

/// The label of a table row as the unit list displays it.
QString ZeilenAnzeige(const catalog::Tabellenzeile& z);

}  // namespace quarnelo::ui

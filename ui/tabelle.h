// The unit-table page as plain data: the rows, the boxes under the table and
// the compare-unit row, with every handler of the page. The window copies the
// box texts in before a handler and shows the result afterwards.
#pragma once

#include <QString>
#include <QVector>

#include "catalog/katalog.h"
#include "conversion/umrechnung.h"
#include "settings/optionen.h"

namespace quarnelo::ui {

using catalog::Tabellenzeile;

struct TabellenSeite {
    QVector<Tabellenzeile> zeilen;

    // Boxes under the table.
    QString ed_list = QStringLiteral("1");
    QString ed_vorsatz;
    bool einheit_festhalten = false;

    // Compare-unit row.
    QString vgl_einheit;
    QString vgl_vorsatz;
    QString vgl_wert = QStringLiteral("1");
    QString vgl_f = QStringLiteral("1");

    // The current row.
    QString aktuell_einh, aktuell_abk, aktuell_item, aktuell_id, aktuell_beschreibung;

    QString KeinPraefixText = QStringLiteral("Kein Präfix");

    // Sort state; it survives rebuilds.
    int TabelleSortSpalte = 0;
    int TabelleLetzteSpalte = 0;
    int TabelleAbsteigend = 0;
};

/// What every recomputation needs: the number format, the auto-prefix option,
/// the language of the prefix texts and where factor failures are reported.
struct Rechnen {
    conversion::Umrechnungsoptionen o;
    conversion::Melder* melder = nullptr;
    char sep() const { return o.format.dezimaltrenner; }
};

/// The start values of a fresh table: `b` base units in every row.
void StartwerteSetzen(TabellenSeite& s, long double b, const Rechnen& r);

/// The selection of row `zeile` changed (selected or unselected).
void listSelectItem(TabellenSeite& s, int zeile, bool& laeuft, const Rechnen& r);

/// The value under the table changed: every row and the compare value follow.
void ed_listChange(TabellenSeite& s, bool& laeuft, const Rechnen& r);

/// The prefix of the current row changed.
void ed_vorsatzChange(TabellenSeite& s, bool& laeuft, const Rechnen& r);

/// The compare unit changed: its factor is looked up, then the table follows
/// the compare value.
void vgl_einheitChange(TabellenSeite& s, const QVector<catalog::TUnitEntry>& liste, bool& laeuft, const Rechnen& r);

/// The compare value (or its prefix) changed: every row and the value under
/// the table follow; no best prefix is applied here.
void vgl_wertChange(TabellenSeite& s, bool& laeuft, const Rechnen& r);

/// Row order of column `spalte`: negative when `a` comes first.
int listCompare(const Tabellenzeile& a, const Tabellenzeile& b, int spalte, bool absteigend, char sep);

/// A click on header `spalte`: the sort state changes and the rows are sorted.
void listColumnClick(TabellenSeite& s, int spalte, char sep);

/// The number a value cell sorts by (0 when it cannot be read).
long double SortWert(const QString& wert, char sep);

/// Popup commands that hide rows; `markiert` holds the selected row indices
/// in ascending order, the first one is "the selected row".
void pop1Click(TabellenSeite& s, const QVector<int>& markiert);  // hide this system
void pop2Click(TabellenSeite& s, const QVector<int>& markiert);  // show only this system
void pop3Click(TabellenSeite& s, const QVector<int>& markiert);  // this system and general/metric
void pop7Click(TabellenSeite& s, const QVector<int>& markiert);  // hide the selected rows

/// Moves the selected rows, in their order, before row `ziel` (to the end for
/// -1 or a row past the last). Returns the new indices of the moved rows.
QVector<int> ZeilenVerschieben(TabellenSeite& s, const QVector<int>& markiert, int ziel);

/// The popup commands that give the selected rows their best prefix, or none.
void findprefixClick(TabellenSeite& s, const QVector<int>& markiert, const Rechnen& r);
void delprefixClick(TabellenSeite& s, const QVector<int>& markiert, const Rechnen& r);

/// The clipboard texts of the popup copy commands: one line per selected row,
/// each ended by CR LF.
QString pop5Text(const TabellenSeite& s, const QVector<int>& markiert);
QString pop6Text(const TabellenSeite& s, const QVector<int>& markiert, const QVector<catalog::TUnitEntry>& liste,
                 const settings::Optionen& o);

}  // namespace quarnelo::ui

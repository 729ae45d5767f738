// The options record: every user setting that governs how numbers and unit
// labels are written, and the program's decimal separator.
#pragma once

#include <QChar>
#include <QString>

#include "numeric/format.h"

namespace quarnelo::settings {

struct Optionen {
    // Format of the values.
    bool rb_general = true;
    bool rb_fixed = false;
    bool rb_exponent = false;
    QString cb_general = QStringLiteral("3");
    QString cb_fixed = QStringLiteral("18");
    QString cb_exponent = QStringLiteral("3");
    QString cb_stellen = QStringLiteral("6");
    bool cb_autopref = false;
    bool cb_bruch = true;
    // Format of the units.
    QString ed_sep = QStringLiteral(" ");
    QString ed_sep_pe = QStringLiteral("-");
    QString ed_sep_pa;
    bool cb_ersteunit = true;
    QString ed_ersteunit = QStringLiteral("/");
    bool rb_abk = true;
    bool rb_einh = false;
    // Decimal separator.
    bool rb_dsys = true;
    bool rb_dcomma = false;
    bool rb_dpunkt = false;

    // Derived values; they change only through the operations below.
    int Genauigkeit = 6;
    int Ziffern = 3;
    QChar SystemDezimaltrenner = QLatin1Char(',');
    QChar Dezimaltrenner = QLatin1Char(',');

    /// Defaults with the separator of the locale captured as the system one.
    static Optionen MitSystemtrenner(QChar system);

    /// Derives Genauigkeit and Ziffern from the format radio that is on; a text
    /// that is no whole number leaves its derived value as it was.
    void EinheitenWechsel();

    /// Sets Dezimaltrenner from the separator radio that is on.
    void DezimaltrennerWaehlen();

    /// The separator as the one 8-bit character the numeric engine uses.
    char Trenner() const { return Dezimaltrenner == QLatin1Char('.') ? '.' : ','; }

    /// What the number formatter reads.
    numeric::Zahlformat Zahlformat() const;
};

/// The decimal separator of the system locale ("," or "."; anything else
/// counts as ",").
QChar SystemDezimaltrenner();

}  // namespace quarnelo::settings

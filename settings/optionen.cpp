#include "settings/optionen.h"

#include <QLocale>

#include "numeric/ansi.h"
#include "numeric/checks.h"

namespace quarnelo::settings {
namespace {
void Uebernehmen(const QString& text, int& ziel) {
    int v;
    std::u16string u = text.toStdU16String();
    if (numeric::IstGanzzahl(numeric::AnsiAusUtf16(u), &v)) ziel = v;
}
}  // namespace

Optionen Optionen::MitSystemtrenner(QChar system) {
    Optionen o;
    o.SystemDezimaltrenner = system;
    o.Dezimaltrenner = system;
    return o;
}

void Optionen::EinheitenWechsel() {
    if (rb_general) {
        Uebernehmen(cb_stellen, Genauigkeit);
        Uebernehmen(cb_general, Ziffern);
    } else if (rb_fixed) {
        Uebernehmen(cb_fixed, Genauigkeit);
        Uebernehmen(cb_stellen, Ziffern);
    } else if (rb_exponent) {
        Uebernehmen(cb_stellen, Genauigkeit);
        Uebernehmen(cb_exponent, Ziffern);
    }
}

void Optionen::DezimaltrennerWaehlen() {
    if (rb_dsys) Dezimaltrenner = SystemDezimaltrenner;
    else if (rb_dcomma) Dezimaltrenner = QLatin1Char(',');
    else if (rb_dpunkt) Dezimaltrenner = QLatin1Char('.');
}

numeric::Zahlformat Optionen::Zahlformat() const {
    numeric::Zahlformat f;
    f.general = rb_general;
    f.fixed = rb_fixed;
    f.exponent = rb_exponent;
    f.genauigkeit = Genauigkeit;
    f.ziffern = Ziffern;
    f.bruch = cb_bruch;
    f.dezimaltrenner = Trenner();
    return f;
}

QChar SystemDezimaltrenner() {
    QString p = QLocale::system().decimalPoint();
    return p == QStringLiteral(".") ? QLatin1Char('.') : QLatin1Char(',');
}

}  // namespace quarnelo::settings

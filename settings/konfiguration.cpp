#include "settings/konfiguration.h"

#include <QFileInfo>

#include "numeric/ansi.h"
#include "numeric/checks.h"
#include "settings/ini.h"
#include "textfiles/textdatei.h"

namespace quarnelo::settings {
namespace {

enum class Art { Edit, Check, Radio, Combo };

struct Feld {
    Art art;
    const char* name;
    QString Optionen::*text;
    bool Optionen::*schalter;
    int gruppe;  // radio group, 0 for the other kinds
};

// The option controls in the order of the options window; reading and writing
// both take this order.
const Feld kFelder[] = {
    {Art::Edit, "ed_sep", &Optionen::ed_sep, nullptr, 0},
    {Art::Check, "cb_ersteunit", nullptr, &Optionen::cb_ersteunit, 0},
    {Art::Edit, "ed_ersteunit", &Optionen::ed_ersteunit, nullptr, 0},
    {Art::Radio, "rb_abk", nullptr, &Optionen::rb_abk, 1},
    {Art::Radio, "rb_einh", nullptr, &Optionen::rb_einh, 1},
    {Art::Edit, "ed_sep_pe", &Optionen::ed_sep_pe, nullptr, 0},
    {Art::Edit, "ed_sep_pa", &Optionen::ed_sep_pa, nullptr, 0},
    {Art::Combo, "cb_stellen", &Optionen::cb_stellen, nullptr, 0},
    {Art::Radio, "rb_general", nullptr, &Optionen::rb_general, 2},
    {Art::Radio, "rb_fixed", nullptr, &Optionen::rb_fixed, 2},
    {Art::Radio, "rb_exponent", nullptr, &Optionen::rb_exponent, 2},
    {Art::Combo, "cb_exponent", &Optionen::cb_exponent, nullptr, 0},
    {Art::Combo, "cb_fixed", &Optionen::cb_fixed, nullptr, 0},
    {Art::Combo, "cb_general", &Optionen::cb_general, nullptr, 0},
    {Art::Check, "cb_autopref", nullptr, &Optionen::cb_autopref, 0},
    {Art::Check, "cb_bruch", nullptr, &Optionen::cb_bruch, 0},
    {Art::Radio, "rb_dsys", nullptr, &Optionen::rb_dsys, 3},
    {Art::Radio, "rb_dcomma", nullptr, &Optionen::rb_dcomma, 3},
    {Art::Radio, "rb_dpunkt", nullptr, &Optionen::rb_dpunkt, 3},
};

QString Sektion(Art art) {
    switch (art) {
        case Art::Edit:
            return QStringLiteral("OPED");
        case Art::Check:
            return QStringLiteral("OPCH");
        case Art::Radio:
            return QStringLiteral("OPRB");
        case Art::Combo:
            return QStringLiteral("OPCB");
    }
    return {};
}

const QString kPBCH = QStringLiteral("PBCH");
const QString kSP = QStringLiteral("SP");
const QString kAS = QStringLiteral("AS");

bool KeinRadioAn(const Optionen& o, int gruppe) {
    for (const Feld& f : kFelder)
        if (f.gruppe == gruppe && o.*f.schalter) return false;
    return true;
}

}  // namespace

void KonfigurationSpeichern(const QString& datei, const TKonfiguration& z) {
    if (!QFileInfo::exists(datei)) textfiles::TextDateiSpeichern(QString(), datei, textfiles::kUtf16LE);
    IniDatei ini = IniDatei::Laden(datei);

    ini.SchreibeBool(kPBCH, QStringLiteral("cb_insmemo"), z.cb_insmemo);
    ini.SchreibeBool(kPBCH, QStringLiteral("einheit_festhalten"), z.einheit_festhalten);
    QString col;
    for (int w : z.spalten) col += QString::number(w) + QLatin1Char(',');
    ini.SchreibeText(kPBCH, QStringLiteral("COL"), col);

    for (const Feld& f : kFelder) {
        const QString key = QString::fromLatin1(f.name);
        if (f.text)
            ini.SchreibeText(Sektion(f.art), key, z.optionen.*f.text);
        else
            ini.SchreibeBool(Sektion(f.art), key, z.optionen.*f.schalter);
    }

    ini.SchreibeBool(kSP, QStringLiteral("PF"), z.PF);
    ini.SchreibeGanzzahl(kSP, QStringLiteral("PB"), z.PB);
    ini.SchreibeGanzzahl(kSP, QStringLiteral("PH"), z.PH);
    ini.SchreibeGanzzahl(kSP, QStringLiteral("PT"), z.PT);
    ini.SchreibeGanzzahl(kSP, QStringLiteral("PL"), z.PL);
    ini.SchreibeGanzzahl(kSP, QStringLiteral("PR"), z.PR);
    ini.SchreibeGanzzahl(kSP, QStringLiteral("PO"), z.PO);

    ini.SchreibeBool(kAS, QStringLiteral("N"), z.autosaveNie);
    ini.SchreibeBool(kAS, QStringLiteral("A"), z.autosaveImmer);

    // One replacement of the whole file: either every key is written or none.
    ini.Speichern(datei);
}

void KonfigurationLaden(const QString& datei, TKonfiguration& z, const Bildschirm& bildschirm, bool start) {
    const IniDatei ini = IniDatei::Laden(datei);

    z.cb_insmemo = ini.LeseBool(kPBCH, QStringLiteral("cb_insmemo"), z.cb_insmemo);
    z.einheit_festhalten = ini.LeseBool(kPBCH, QStringLiteral("einheit_festhalten"), z.einheit_festhalten);
    const QStringList teile =
        textfiles::TextZerlegen(ini.LeseText(kPBCH, QStringLiteral("COL"), QString()), QStringLiteral(","));
    if (teile.size() > 4) {
        for (int i = 0; i < z.spalten.size() && i < teile.size(); ++i) {
            int w;
            if (numeric::IstGanzzahl(numeric::AnsiAusUtf16(teile[i].toStdU16String()), &w)) z.spalten[i] = w;
        }
    }

    Optionen& o = z.optionen;
    const Optionen vorher = o;
    for (const Feld& f : kFelder) {
        const QString key = QString::fromLatin1(f.name);
        if (f.text) {
            o.*f.text = ini.LeseText(Sektion(f.art), key, o.*f.text);
            continue;
        }
        const bool an = ini.LeseBool(Sektion(f.art), key, o.*f.schalter);
        if (f.art == Art::Radio && an) {
            for (const Feld& g : kFelder)
                if (g.gruppe == f.gruppe) o.*g.schalter = false;
        }
        o.*f.schalter = an;
    }
    // A hand-edited file may switch off every radio of a group; the group then
    // keeps the selection it had, so that exactly one stays on.
    for (int gruppe = 1; gruppe <= 3; ++gruppe) {
        if (!KeinRadioAn(o, gruppe)) continue;
        for (const Feld& f : kFelder)
            if (f.gruppe == gruppe) o.*f.schalter = vorher.*f.schalter;
    }
    o.EinheitenWechsel();
    o.DezimaltrennerWaehlen();

    const bool pf = ini.LeseBool(kSP, QStringLiteral("PF"), z.PF);
    if (pf) {
        if (start)
            z.Tag = 0;
        else
            z.PF = true;
    } else {
        auto anwenden = [&](const char* key, int& ziel, int grenze) {
            const int v = ini.LeseGanzzahl(kSP, QString::fromLatin1(key), ziel);
            if (v <= grenze) ziel = v;
        };
        anwenden("PB", z.PB, bildschirm.breite);
        anwenden("PH", z.PH, bildschirm.hoehe);
        anwenden("PT", z.PT, bildschirm.hoehe);
        anwenden("PL", z.PL, bildschirm.breite);
    }
    const bool maximiert = z.PF;
    const int aussenBreite = maximiert ? bildschirm.breite : z.PB + bildschirm.rahmenBreite;
    const int aussenHoehe = maximiert ? bildschirm.hoehe : z.PH + bildschirm.rahmenHoehe;
    if (const int pr = ini.LeseGanzzahl(kSP, QStringLiteral("PR"), z.PR); pr <= aussenBreite) z.PR = pr;
    if (const int po = ini.LeseGanzzahl(kSP, QStringLiteral("PO"), z.PO); po <= aussenHoehe) z.PO = po;

    z.autosaveNie = ini.LeseBool(kAS, QStringLiteral("N"), z.autosaveNie);
    z.autosaveImmer = ini.LeseBool(kAS, QStringLiteral("A"), z.autosaveImmer);
}

}  // namespace quarnelo::settings

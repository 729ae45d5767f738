#include "app/cli.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <cstring>
#include <map>
#include <set>

#include "catalog/katalog.h"
#include "catalog/registry.h"
#include "conversion/umrechnung.h"
#include "export/hpexport.h"
#include "numeric/ansi.h"
#include "numeric/checks.h"
#include "numeric/format.h"
#include "numeric/prefix.h"
#include "numeric/term.h"
#include "settings/optionen.h"
#include "textfiles/benutzereinheiten.h"
#include "textfiles/textdatei.h"

namespace quarnelo::app {
namespace {

using catalog::Katalog;
using catalog::TUnitEntry;

constexpr const char* kHilfe =
    "Quarnelo converts values between units of measurement.\n"
    "\n"
    "Usage: quarnelo [COMMAND [OPTIONS] ARGUMENTS]\n"
    "Without a command the program window opens.\n"
    "\n"
    "Commands:\n"
    "  eval TERM          evaluate a value or term and print the result\n"
    "  categories         list the categories: index, key, display name\n"
    "  units KEY          list the display texts of the units of a category\n"
    "  convert VALUE FROM TO...   convert a value from one unit into others\n"
    "  dump               the whole catalog as tab-separated text\n"
    "  export-html        write the unit list page into the working directory\n"
    "\n"
    "User units and categories are read from the folder Units in the program folder:\n"
    "--program-dir DIR (taken by every command), else the environment variable\n"
    "QUARNELO_PROGRAM_DIR, else the folder of the executable.\n"
    "\n"
    "Run 'quarnelo COMMAND --help' for the options of a command.\n";

constexpr const char* kHilfeEval =
    "Usage: quarnelo eval [--x VALUE] [--separator , | .] [--] TERM\n"
    "\n"
    "Reads TERM as a typed value (numbers with ',' or '.', E-notation, fractions,\n"
    "terms such as 2*(3+PI) or sqrt(2)) and prints it in the default number format.\n"
    "With --x, TERM is a term in X evaluated with X = VALUE.\n"
    "  --separator C   decimal separator of the output (default: the locale's)\n"
    "  --              ends the options, so that TERM may begin with '-'\n"
    "Exit code: 0 success, 1 evaluation failed (message on stderr), 2 TERM is no value.\n";

constexpr const char* kHilfeCategories =
    "Usage: quarnelo categories [--lang de|en]\n"
    "\n"
    "Lists the categories: index, key and display name, tab-separated; the user\n"
    "categories of the program folder follow the built-in ones.\n";

constexpr const char* kHilfeUnits =
    "Usage: quarnelo units KEY [--lang de|en] [--filter TEXT]\n"
    "\n"
    "Lists the display texts of the units of the category KEY (a key such as length,\n"
    "or a display name) in list order. --filter keeps the units whose name,\n"
    "abbreviation or group contains one of the comma-separated terms.\n";

constexpr const char* kHilfeConvert =
    "Usage: quarnelo convert [OPTIONS] [--] VALUE FROM TO...\n"
    "       quarnelo convert --batch [OPTIONS] < lines\n"
    "\n"
    "Converts VALUE from the unit FROM into each unit TO and prints one line per TO:\n"
    "value, prefix and the unit's display text, tab-separated.\n"
    "A unit is named by its exact display text, else by its name or abbreviation\n"
    "(without regard to case), else by text that occurs in the search key of exactly\n"
    "one unit. Several candidates or none: exit code 2.\n"
    "\n"
    "  --category KEY        the category (default: the first in which all units resolve)\n"
    "  --lang de|en          language of the unit names (default: marker files de/en)\n"
    "  --prefix P            SI prefix of VALUE: symbol (k), name (kilo) or box text\n"
    "  --format general|fixed|scientific\n"
    "  --digits N            significant digits (general, scientific) or decimal places (fixed)\n"
    "  --exponent-digits N   least number of exponent digits\n"
    "  --fractions on|off    write repeating decimals as fractions (default on)\n"
    "  --auto-prefix         give each result the best SI prefix\n"
    "  --separator , | .     decimal separator (default: the locale's)\n"
    "  --batch               read KEY<TAB>VALUE<TAB>FROM<TAB>TO lines from standard input\n"
    "                        and write one result line each ('error<TAB>message' for a bad line)\n"
    "Exit code: 0 success, 1 evaluation failed, 2 bad arguments or units.\n";

constexpr const char* kHilfeDump =
    "Usage: quarnelo dump [--lang de|en|both]\n"
    "\n"
    "Writes the whole catalog as tab-separated text with the header\n"
    "category, language, index, group, name, abbreviation, factor, base_value.\n"
    "base_value is one unit in the base unit (empty for two-way formulas).\n"
    "Tabs, line breaks and backslashes inside fields are written as \\t, \\r, \\n, \\\\.\n"
    "Default language: both. User categories follow the built-in ones.\n";

constexpr const char* kHilfeExport =
    "Usage: quarnelo export-html [--lang de|en] [--filter TEXT]\n"
    "\n"
    "Writes the list of the units of all built-in categories, user units included,\n"
    "as quarnelo-units.php (English) or quarnelo-einheiten.php (German) into the\n"
    "working directory and prints the number of units listed.\n";

struct Argumente {
    std::vector<std::string> pos;
    std::map<std::string, std::string> opt;
    std::set<std::string> flag;
};

const std::set<std::string> kMitWert = {
    "--x",      "--separator",       "--lang",      "--filter",     "--category", "--prefix", "--format",
    "--digits", "--exponent-digits", "--fractions", "--program-dir"};
const std::set<std::string> kSchalter = {"--auto-prefix", "--batch", "--help"};

struct Fehler {
    int code;
    std::string text;
};

Argumente Zerlegen(const std::vector<std::string>& args) {
    Argumente a;
    bool optionen = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& s = args[i];
        if (optionen && s == "--") {
            optionen = false;
        } else if (optionen && (s == "-h" || s == "--help")) {
            a.flag.insert("--help");
        } else if (optionen && s.rfind("--", 0) == 0) {
            std::string name = s, wert;
            bool inline_wert = false;
            if (auto eq = s.find('='); eq != std::string::npos) {
                name = s.substr(0, eq);
                wert = s.substr(eq + 1);
                inline_wert = true;
            }
            if (kSchalter.count(name)) {
                a.flag.insert(name);
            } else if (kMitWert.count(name)) {
                if (!inline_wert) {
                    if (i + 1 >= args.size()) throw Fehler{2, "option " + name + " needs a value"};
                    wert = args[++i];
                }
                a.opt[name] = wert;
            } else {
                throw Fehler{2, "unknown option " + name};
            }
        } else {
            a.pos.push_back(s);
        }
    }
    return a;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The language: --lang, else the marker files of the working directory (de wins).
QString Sprache(const Argumente& a) {
    if (auto it = a.opt.find("--lang"); it != a.opt.end()) {
        if (it->second != "de" && it->second != "en") throw Fehler{2, "--lang takes de or en"};
        return Q(it->second);
    }
    QString spr = QStringLiteral("de");
    if (QFile::exists(QStringLiteral("en"))) spr = QStringLiteral("en");
    if (QFile::exists(QStringLiteral("de"))) spr = QStringLiteral("de");
    return spr;
}

settings::Optionen OptionenAus(const Argumente& a) {
    settings::Optionen o = settings::Optionen::MitSystemtrenner(settings::SystemDezimaltrenner());
    if (auto it = a.opt.find("--separator"); it != a.opt.end()) {
        if (it->second == ",") {
            o.rb_dsys = false;
            o.rb_dcomma = true;
        } else if (it->second == ".") {
            o.rb_dsys = false;
            o.rb_dpunkt = true;
        } else {
            throw Fehler{2, "--separator takes , or ."};
        }
    }
    if (auto it = a.opt.find("--format"); it != a.opt.end()) {
        o.rb_general = it->second == "general";
        o.rb_fixed = it->second == "fixed";
        o.rb_exponent = it->second == "scientific";
        if (!o.rb_general && !o.rb_fixed && !o.rb_exponent)
            throw Fehler{2, "--format takes general, fixed or scientific"};
    }
    auto ganz = [&](const char* name, auto setzen) {
        if (auto it = a.opt.find(name); it != a.opt.end()) {
            if (!numeric::IstGanzzahl(it->second)) throw Fehler{2, std::string(name) + " takes a whole number"};
            setzen(Q(it->second));
        }
    };
    ganz("--digits", [&](const QString& v) { o.cb_stellen = v; });
    ganz("--exponent-digits", [&](const QString& v) {
        o.cb_general = v;
        o.cb_exponent = v;
    });
    if (auto it = a.opt.find("--fractions"); it != a.opt.end()) {
        if (it->second != "on" && it->second != "off") throw Fehler{2, "--fractions takes on or off"};
        o.cb_bruch = it->second == "on";
    }
    o.cb_autopref = a.flag.count("--auto-prefix") > 0;
    o.EinheitenWechsel();
    o.DezimaltrennerWaehlen();
    return o;
}

// ---------------------------------------------------------------- eval

int Eval(const Argumente& a, std::FILE* out, std::FILE* err) {
    if (a.pos.size() != 1) throw Fehler{2, "eval takes one TERM (see quarnelo eval --help)"};
    settings::Optionen o = OptionenAus(a);
    const char sep = o.Trenner();
    const std::string term = numeric::AnsiAusUtf8(a.pos[0]);
    long double wert;
    try {
        if (auto it = a.opt.find("--x"); it != a.opt.end()) {
            long double x;
            if (!numeric::WertFinden(numeric::AnsiAusUtf8(it->second), x, sep))
                throw Fehler{2, "'" + it->second + "' is not a value"};
            std::string t = numeric::WertNormalisieren(term, sep);
            std::string pruef = t;
            for (char& c : pruef)
                if (c == 'X') c = '1';
            if (!numeric::TermGueltig(pruef)) throw Fehler{2, "'" + a.pos[0] + "' is not a term in X"};
            wert = numeric::TermBerechnen(t, x, sep);
        } else if (!numeric::WertFinden(term, wert, sep)) {
            throw Fehler{2, "'" + a.pos[0] + "' is not a value"};
        }
    } catch (const numeric::EvalError& e) {
        std::fprintf(err, "%s\n", e.what());
        return 1;
    }
    std::fprintf(out, "%s\n", numeric::ZahlFormatieren(wert, o.Zahlformat()).c_str());
    return 0;
}

// ---------------------------------------------------------------- program folder

// The program folder whose Units folder holds the user units.
QString Programmordner(const Argumente& a) {
    auto it = a.opt.find("--program-dir");
    return textfiles::ProgrammOrdner(it == a.opt.end() ? QString() : Q(it->second));
}

// A catalog whose loads end with the user units of the program folder.
Katalog NeuerKatalog(const Argumente& a) {
    Katalog kat;
    kat.setBenutzerQuelle(textfiles::BenutzerQuelle(Programmordner(a)));
    return kat;
}

// The keys of the user categories: their names with A-Z lowered.
QStringList BenutzerSchluessel(const Argumente& a) {
    QStringList keys;
    for (const QString& n : textfiles::BenutzerKategorien(Programmordner(a)))
        keys << textfiles::KategorieKlein(n);
    return keys;
}

// ---------------------------------------------------------------- categories, units

// A built-in key or display name, or the name or key of a user category.
QString KategorieAus(const std::string& text, const Argumente& a) {
    QString t = Q(text);
    if (catalog::IstEingebaut(t)) return t;
    QString key = catalog::KategorieSchluessel(t);
    if (!key.isEmpty()) return key;
    QString lower = textfiles::KategorieKlein(t);
    if (catalog::IstEingebaut(lower)) return lower;
    if (BenutzerSchluessel(a).contains(lower)) return lower;
    throw Fehler{2, "unknown category '" + text + "' (see quarnelo categories)"};
}

int Categories(const Argumente& a, std::FILE* out) {
    if (!a.pos.empty()) throw Fehler{2, "categories takes no arguments"};
    const bool de = Sprache(a) == QLatin1String("de");
    const catalog::Kategorie* k = catalog::Kategorien();
    for (int i = 0; i < catalog::kKategorienAnzahl; ++i)
        std::fprintf(out, "%d\t%s\t%s\n", i, k[i].key, de ? k[i].nameDe : k[i].nameEn);
    int i = catalog::kKategorienAnzahl;
    for (const QString& name : textfiles::BenutzerKategorien(Programmordner(a)))
        std::fprintf(out, "%d\t%s\t%s\n", i++, S(textfiles::KategorieKlein(name)).c_str(), S(name).c_str());
    return 0;
}

int Units(const Argumente& a, std::FILE* out) {
    if (a.pos.size() != 1) throw Fehler{2, "units takes one KEY (see quarnelo units --help)"};
    Katalog kat = NeuerKatalog(a);
    if (auto it = a.opt.find("--filter"); it != a.opt.end()) kat.FilterSetzen(Q(it->second));
    kat.KategorieLaden(KategorieAus(a.pos[0], a), Katalog::Liste, Sprache(a));
    for (const TUnitEntry& e : kat.Einheitenliste) std::fprintf(out, "%s\n", S(e.Anzeige).c_str());
    return 0;
}

// ---------------------------------------------------------------- convert

enum class Treffer { Gefunden, Mehrdeutig, Keiner };

struct Aufloesung {
    Treffer treffer = Treffer::Keiner;
    int index = -1;
    QStringList kandidaten;
};

Aufloesung Aufloesen(const QVector<TUnitEntry>& liste, const QString& text) {
    Aufloesung r;
    for (int i = 0; i < liste.size(); ++i) {
        if (liste[i].Anzeige == text) {
            r.treffer = Treffer::Gefunden;
            r.index = i;
            return r;
        }
    }
    QList<int> namen;
    for (int i = 0; i < liste.size(); ++i) {
        if (liste[i].Einheit.compare(text, Qt::CaseInsensitive) == 0 ||
            (!liste[i].Kuerzel.isEmpty() && liste[i].Kuerzel.compare(text, Qt::CaseInsensitive) == 0))
            namen << i;
    }
    if (namen.isEmpty()) {
        const QString such = catalog::GrossProZeichen(text);
        for (int i = 0; i < liste.size(); ++i)
            if (liste[i].Schluessel.contains(such)) namen << i;
    }
    if (namen.size() == 1) {
        r.treffer = Treffer::Gefunden;
        r.index = namen[0];
    } else if (namen.size() > 1) {
        r.treffer = Treffer::Mehrdeutig;
        for (int i : namen) r.kandidaten << liste[i].Anzeige;
    }
    return r;
}

struct StderrMelder : conversion::Melder {
    std::FILE* err;
    bool gemeldet = false;
    explicit StderrMelder(std::FILE* e) : err(e) {}
    void Meldung(const QString& text) override {
        QString zeile = text;
        zeile.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        std::fprintf(err, "%s\n", S(zeile).c_str());
        gemeldet = true;
    }
};

long double PraefixAus(const std::string& text) {
    if (text.empty()) return 1.0L;
    const std::string t = text == "u" ? "\xC2\xB5" : text;
    for (bool de : {true, false}) {
        for (const std::string& box : numeric::VorsatzBoxFuellen(de)) {
            numeric::TPrefixRec r = numeric::VorsatzName(box);
            if (box == t || r.Symbol == t || (!r.Name.empty() && Q(r.Name).compare(Q(t), Qt::CaseInsensitive) == 0))
                return numeric::VorsatzFaktor(box);
        }
    }
    throw Fehler{2, "unknown prefix '" + text + "'"};
}

struct Ergebniszeile {
    std::string wert, praefix;
};

Ergebniszeile Umrechnen(long double basis, const TUnitEntry& ziel, const settings::Optionen& o, bool deutsch,
                        conversion::Melder* melder) {
    long double u = conversion::FaktorAnwenden(ziel.Faktor, 0, basis, o.Trenner(), melder);
    if (o.cb_autopref) {
        numeric::TPrefixFac p = numeric::BestesPraefix(u, deutsch);
        return {numeric::ZahlFormatieren(u / p.Faktor, o.Zahlformat()), p.Vorsatz};
    }
    return {numeric::ZahlFormatieren(u, o.Zahlformat()), ""};
}

[[noreturn]] void Mehrdeutig(const std::string& text, const QStringList& kandidaten) {
    std::string t = "unit '" + text + "' is ambiguous; candidates:";
    for (const QString& k : kandidaten) t += "\n  " + S(k);
    throw Fehler{2, t};
}

int Batch(const Argumente& a, std::FILE* out, std::FILE* err);

int Convert(const Argumente& a, std::FILE* out, std::FILE* err) {
    if (a.flag.count("--batch")) return Batch(a, out, err);
    if (a.pos.size() < 3) throw Fehler{2, "convert takes VALUE FROM TO... (see quarnelo convert --help)"};
    const settings::Optionen o = OptionenAus(a);
    const QString spr = Sprache(a);
    const bool deutsch = spr == QLatin1String("de");
    long double praefix = 1.0L;
    if (auto it = a.opt.find("--prefix"); it != a.opt.end()) praefix = PraefixAus(it->second);
    const std::vector<std::string> einheiten(a.pos.begin() + 1, a.pos.end());

    QStringList kategorien;
    if (auto it = a.opt.find("--category"); it != a.opt.end()) {
        kategorien << KategorieAus(it->second, a);
    } else {
        for (int i = 0; i < catalog::kKategorienAnzahl; ++i)
            kategorien << QString::fromLatin1(catalog::Kategorien()[i].key);
        kategorien << BenutzerSchluessel(a);
    }
    Katalog kat = NeuerKatalog(a);
    std::vector<int> index;
    std::string ersteMehrdeutig;
    QStringList ersteKandidaten;
    bool gefunden = false;
    for (const QString& key : kategorien) {
        kat.KategorieLaden(key, Katalog::Liste, spr);
        index.clear();
        bool alle = true;
        for (const std::string& e : einheiten) {
            Aufloesung r = Aufloesen(kat.Einheitenliste, Q(e));
            if (r.treffer == Treffer::Gefunden) {
                index.push_back(r.index);
                continue;
            }
            alle = false;
            if (r.treffer == Treffer::Mehrdeutig && ersteMehrdeutig.empty()) {
                ersteMehrdeutig = e;
                ersteKandidaten = r.kandidaten;
            }
            break;
        }
        if (alle) {
            gefunden = true;
            break;
        }
    }
    if (!gefunden) {
        if (!ersteMehrdeutig.empty()) Mehrdeutig(ersteMehrdeutig, ersteKandidaten);
        std::string t = "no category knows all of the units";
        for (const std::string& e : einheiten) t += " '" + e + "'";
        throw Fehler{2, t};
    }

    long double wert;
    try {
        if (!numeric::WertFinden(numeric::AnsiAusUtf8(a.pos[0]), wert, o.Trenner()))
            throw Fehler{2, "'" + a.pos[0] + "' is not a value"};
    } catch (const numeric::EvalError& e) {
        std::fprintf(err, "%s\n", e.what());
        return 1;
    }
    StderrMelder melder(err);
    const long double basis =
        conversion::FaktorAnwenden(kat.Einheitenliste[index[0]].Faktor, 1, wert * praefix, o.Trenner(), &melder);
    for (std::size_t i = 1; i < index.size(); ++i) {
        const TUnitEntry& ziel = kat.Einheitenliste[index[i]];
        Ergebniszeile z = Umrechnen(basis, ziel, o, deutsch, &melder);
        std::fprintf(out, "%s\t%s\t%s\n", z.wert.c_str(), z.praefix.c_str(), S(ziel.Anzeige).c_str());
    }
    return melder.gemeldet ? 1 : 0;
}

int Batch(const Argumente& a, std::FILE* out, std::FILE* err) {
    if (!a.pos.empty()) throw Fehler{2, "convert --batch reads its lines from standard input"};
    const settings::Optionen o = OptionenAus(a);
    const QString spr = Sprache(a);
    const bool deutsch = spr == QLatin1String("de");
    const char sep = o.Trenner();
    StderrMelder melder(err);

    struct Geladen {
        QVector<TUnitEntry> liste;
        QHash<QString, Aufloesung> aufgeloest;
    };
    QHash<QString, Geladen> kategorien;
    std::map<std::string, QString, std::less<>> schluessel;  // key text as typed -> category key
    Katalog kat = NeuerKatalog(a);
    char* zeile = nullptr;
    std::size_t kapazitaet = 0;
    ssize_t laenge;
    std::string ausgabe;
    while ((laenge = getline(&zeile, &kapazitaet, stdin)) > 0) {
        std::string_view z(zeile, static_cast<std::size_t>(laenge));
        while (!z.empty() && (z.back() == '\n' || z.back() == '\r')) z.remove_suffix(1);
        std::vector<std::string_view> f;
        std::size_t start = 0;
        while (true) {
            std::size_t tab = z.find('\t', start);
            f.push_back(z.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
        ausgabe.clear();
        try {
            if (f.size() != 4) throw Fehler{2, "expected KEY<TAB>VALUE<TAB>FROM<TAB>TO"};
            auto sk = schluessel.find(f[0]);
            if (sk == schluessel.end())
                sk = schluessel.emplace(std::string(f[0]), KategorieAus(std::string(f[0]), a)).first;
            const QString& key = sk->second;
            auto it = kategorien.find(key);
            if (it == kategorien.end()) {
                kat.KategorieLaden(key, Katalog::Liste, spr);
                it = kategorien.insert(key, Geladen{kat.Einheitenliste, {}});
            }
            Geladen& g = *it;
            auto finde = [&](std::string_view text) -> const TUnitEntry& {
                QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
                auto r = g.aufgeloest.find(q);
                if (r == g.aufgeloest.end()) r = g.aufgeloest.insert(q, Aufloesen(g.liste, q));
                if (r->treffer == Treffer::Mehrdeutig)
                    throw Fehler{2, "unit '" + std::string(text) + "' is ambiguous"};
                if (r->treffer == Treffer::Keiner) throw Fehler{2, "unknown unit '" + std::string(text) + "'"};
                return g.liste[r->index];
            };
            const TUnitEntry& von = finde(f[2]);
            const TUnitEntry& nach = finde(f[3]);
            long double wert;
            if (!numeric::WertFinden(numeric::AnsiAusUtf8(f[1]), wert, sep))
                throw Fehler{2, "'" + std::string(f[1]) + "' is not a value"};
            long double basis = conversion::FaktorAnwenden(von.Faktor, 1, wert, sep, &melder);
            Ergebniszeile r = Umrechnen(basis, nach, o, deutsch, &melder);
            ausgabe = r.wert + '\t' + r.praefix + '\t' + S(nach.Anzeige) + '\n';
        } catch (const Fehler& e) {
            ausgabe = "error\t" + e.text + '\n';
        } catch (const numeric::EvalError& e) {
            ausgabe = std::string("error\t") + e.what() + '\n';
        }
        std::fwrite(ausgabe.data(), 1, ausgabe.size(), out);
    }
    std::free(zeile);
    return 0;
}

// ---------------------------------------------------------------- dump

std::string Feld(const QString& text) {
    std::string s = S(text), out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\\': out += "\\\\"; break;
            default: out.push_back(c);
        }
    }
    return out;
}

int Dump(const Argumente& a, std::FILE* out) {
    if (!a.pos.empty()) throw Fehler{2, "dump takes no arguments"};
    std::vector<QString> sprachen;
    auto it = a.opt.find("--lang");
    std::string lang = it == a.opt.end() ? "both" : it->second;
    if (lang == "both") sprachen = {QStringLiteral("de"), QStringLiteral("en")};
    else if (lang == "de" || lang == "en") sprachen = {Q(lang)};
    else throw Fehler{2, "--lang takes de, en or both"};
    std::fprintf(out, "category\tlanguage\tindex\tgroup\tname\tabbreviation\tfactor\tbase_value\n");
    Katalog kat = NeuerKatalog(a);
    QStringList keys;
    for (int k = 0; k < catalog::kKategorienAnzahl; ++k)
        keys << QString::fromLatin1(catalog::Kategorien()[k].key);
    keys << BenutzerSchluessel(a);
    for (const QString& key : keys) {
        for (const QString& spr : sprachen) {
            kat.KategorieLaden(key, Katalog::Liste, spr);
            for (int i = 0; i < kat.Einheitenliste.size(); ++i) {
                const TUnitEntry& e = kat.Einheitenliste[i];
                std::string basis;
                long double v;
                try {
                    if (conversion::FaktorWert(e.Faktor, '.', v))
                        basis = numeric::Zahltext(v, numeric::Format::General, 18, 0, '.');
                } catch (const numeric::EvalError& err) {
                    basis = std::string("error: ") + err.what();
                }
                std::fprintf(out, "%s\t%s\t%d\t%s\t%s\t%s\t%s\t%s\n", S(key).c_str(), S(spr).c_str(), i,
                             Feld(e.Ordnung).c_str(), Feld(e.Einheit).c_str(), Feld(e.Kuerzel).c_str(),
                             Feld(e.Faktor).c_str(), basis.c_str());
            }
        }
    }
    return 0;
}

// ---------------------------------------------------------------- export-html

int ExportHtml(const Argumente& a, std::FILE* out) {
    if (!a.pos.empty()) throw Fehler{2, "export-html takes no arguments"};
    Katalog kat = NeuerKatalog(a);
    if (auto it = a.opt.find("--filter"); it != a.opt.end()) kat.FilterSetzen(Q(it->second));
    std::fprintf(out, "%d\n", exporting::HPExport(kat, Sprache(a)));
    return 0;
}

}  // namespace

bool IstBefehl(const std::string& w) {
    return w == "eval" || w == "categories" || w == "units" || w == "convert" || w == "dump" ||
           w == "export-html" || w == "--help" || w == "-h" || w == "help";
}

int Befehl(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    const std::string& cmd = args.at(0);
    try {
        if (cmd == "--help" || cmd == "-h" || cmd == "help") {
            std::fputs(kHilfe, out);
            return 0;
        }
        Argumente a = Zerlegen(args);
        static const std::map<std::string, const char*> hilfen = {{"eval", kHilfeEval},
                                                                  {"categories", kHilfeCategories},
                                                                  {"units", kHilfeUnits},
                                                                  {"convert", kHilfeConvert},
                                                                  {"dump", kHilfeDump},
                                                                  {"export-html", kHilfeExport}};
        if (a.flag.count("--help")) {
            std::fputs(hilfen.at(cmd), out);
            return 0;
        }
        if (cmd == "eval") return Eval(a, out, err);
        if (cmd == "categories") return Categories(a, out);
        if (cmd == "units") return Units(a, out);
        if (cmd == "convert") return Convert(a, out, err);
        if (cmd == "dump") return Dump(a, out);
        if (cmd == "export-html") return ExportHtml(a, out);
        throw Fehler{2, "unknown command " + cmd};
    } catch (const Fehler& f) {
        std::fprintf(err, "quarnelo %s: %s\n", cmd.c_str(), f.text.c_str());
        return f.code;
    } catch (const textfiles::DateiFehler& f) {
        std::fprintf(err, "quarnelo %s: %s\n", cmd.c_str(), f.what());
        return 1;
    }
}

}  // namespace quarnelo::app

#include "textfiles/benutzereinheiten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "catalog/registry.h"
#include "numeric/ansi.h"
#include "numeric/checks.h"
#include "textfiles/textdatei.h"

namespace quarnelo::textfiles {
namespace {

QString MitTrenner(const QString& ordner) {
    return ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/');
}

QString AsciiGross(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
    return out;
}

// The entry `name` of `ordner` matched without regard to case; `ordnerGesucht`
// selects folders, otherwise files.
QString EintragFinden(const QString& ordner, const QString& name, bool ordnerGesucht) {
    QDir dir(ordner);
    const QDir::Filters art =
        (ordnerGesucht ? QDir::Dirs : QDir::Files) | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QString treffer;
    for (const QString& e : dir.entryList(art, QDir::Unsorted)) {
        if (e == name) return MitTrenner(ordner) + e;
        if (treffer.isEmpty() && e.compare(name, Qt::CaseInsensitive) == 0) treffer = MitTrenner(ordner) + e;
    }
    return treffer;
}

}  // namespace

QString ProgrammOrdner(const QString& vorgabe) {
    if (!vorgabe.isEmpty()) return QFileInfo(vorgabe).absoluteFilePath();
    const QString env = qEnvironmentVariable("QUARNELO_PROGRAM_DIR");
    if (!env.isEmpty()) return QFileInfo(env).absoluteFilePath();
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    if (exe.exists()) return QFileInfo(exe.canonicalFilePath()).absolutePath();
    return QDir::currentPath();
}

QString EinheitenOrdner(const QString& programmOrdner) {
    const QString gefunden = EintragFinden(programmOrdner, QStringLiteral("Units"), true);
    return MitTrenner(gefunden.isEmpty() ? MitTrenner(programmOrdner) + QStringLiteral("Units") : gefunden);
}

QString DateiFinden(const QString& ordner, const QString& name) {
    return EintragFinden(ordner, name, false);
}

QString KategorieKlein(const QString& name) {
    QString out = name;
    for (QChar& c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + 32);
    return out;
}

void BenutzerEinheitenLaden(catalog::Katalog& katalog, const QString& programmOrdner,
                            const QString& kategorie) {
    const QString datei = DateiFinden(EinheitenOrdner(programmOrdner), kategorie + QStringLiteral(".txt"));
    if (datei.isEmpty()) return;
    const QString tab(QLatin1Char('\t'));
    for (const QString& zeile : TextZerlegen(TextDateiLaden(datei), QStringLiteral("\r\n"))) {
        const QStringList felder = TextZerlegen(zeile, tab);
        if (felder.size() != 4) continue;
        const std::string ansi = numeric::AnsiAusUtf16(felder[3].toStdU16String());
        if (!numeric::TermGueltig(ansi) && !numeric::ZweiTermeGueltig(ansi)) continue;
        katalog.EinheitHinzufuegen(felder[0], felder[1], felder[2],
                                   ENotationUmschreiben(AsciiGross(felder[3])));
    }
}

catalog::Katalog::BenutzerQuelle BenutzerQuelle(const QString& programmOrdner) {
    return [programmOrdner](catalog::Katalog& k, const QString& kategorie) {
        BenutzerEinheitenLaden(k, programmOrdner, kategorie);
    };
}

void BenutzerEinheitenSpeichern(const QString& programmOrdner, const QString& name,
                                const QVector<TBenutzerEinheit>& zeilen) {
    QString text;
    const QChar tab(QLatin1Char('\t'));
    for (const TBenutzerEinheit& z : zeilen)
        text += z.Einheit + tab + z.Kuerzel + tab + z.Ordnung + tab + ENotationUmschreiben(z.Faktor) +
                QStringLiteral("\r\n");
    const QString ordner = EinheitenOrdner(programmOrdner);
    if (!QDir().mkpath(ordner))
        throw DateiFehler(QStringLiteral("Cannot create file \"%1\". %2")
                              .arg(QDir::toNativeSeparators(ordner + name + QStringLiteral(".txt")),
                                   QStringLiteral("The folder cannot be created.")));
    const QString dateiname = name + QStringLiteral(".txt");
    QString datei = DateiFinden(ordner, dateiname);
    if (datei.isEmpty()) datei = ordner + dateiname;
    TextDateiSpeichern(text, datei, kUtf8);
}

QStringList BenutzerKategorien(const QString& programmOrdner) {
    const QString ordner = EinheitenOrdner(programmOrdner);
    if (!QFileInfo(ordner).isDir()) return {};
    QStringList namen;
    for (const QString& datei : DateienSuchen(ordner, {QStringLiteral(".txt")}, false)) {
        const QString name = TextErsetzen(QFileInfo(datei).fileName(), QStringLiteral(".txt"), QString());
        if (catalog::IstEingebaut(KategorieKlein(name))) continue;
        namen.append(name);
    }
    return namen;
}

}  // namespace quarnelo::textfiles

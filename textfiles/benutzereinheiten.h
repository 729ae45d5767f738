// User units: one text file per category in the folder "Units" beside the
// program, four tab-separated fields per line (name, abbreviation, group, factor).
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "catalog/katalog.h"

namespace quarnelo::textfiles {

/// One unit of a user file.
struct TBenutzerEinheit {
    QString Einheit;
    QString Kuerzel;
    QString Ordnung;
    QString Faktor;
};

/// The program folder: `vorgabe` when it is not empty, else the environment
/// variable QUARNELO_PROGRAM_DIR when set and not empty, else the folder of the
/// running executable.
QString ProgrammOrdner(const QString& vorgabe = {});

/// The units folder of a program folder, ending in "/": the entry "Units" of
/// the folder matched without regard to case, or "<programmOrdner>/Units/" when
/// there is none.
QString EinheitenOrdner(const QString& programmOrdner);

/// The path of the file `name` in `ordner` when a file of that name exists,
/// matched without regard to case (an exact match wins); empty otherwise.
QString DateiFinden(const QString& ordner, const QString& name);

/// Appends the units of the category's user file through EinheitHinzufuegen.
/// A missing file adds nothing; lines that are no unit are skipped.
void BenutzerEinheitenLaden(catalog::Katalog& katalog, const QString& programmOrdner,
                            const QString& kategorie);

/// The hook that makes BenutzerEinheitenLaden the last step of every load.
catalog::Katalog::BenutzerQuelle BenutzerQuelle(const QString& programmOrdner);

/// Writes the file of the category `name` from `zeilen` in their order (UTF-8
/// with mark, every line ended by CR LF), creating the units folder when needed.
/// An existing file whose name differs only in case is replaced.
/// Throws DateiFehler when the folder or the file cannot be created.
void BenutzerEinheitenSpeichern(const QString& programmOrdner, const QString& name,
                                const QVector<TBenutzerEinheit>& zeilen);

/// The names of the user-defined categories (file names without ".txt") in
/// listing order; files of built-in categories are left out.
QStringList BenutzerKategorien(const QString& programmOrdner);

/// A category name with the ASCII letters A-Z lowered: the key of a user category.
QString KategorieKlein(const QString& name);

}  // namespace quarnelo::textfiles

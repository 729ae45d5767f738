// The unit list of all built-in categories as one HTML fragment for the web site.
#pragma once

#include <QString>

#include "catalog/katalog.h"

namespace quarnelo::exporting {

/// "quarnelo-einheiten" for "de", "quarnelo-units" otherwise.
QString Seitenname(const QString& spr);

/// The page text for the language `spr`, built by loading every category into
/// `katalog` in list mode (its filter and user units apply); `anzahl` gets the
/// number of units listed.
QString HPText(catalog::Katalog& katalog, const QString& spr, int& anzahl);

/// Writes the page as "<Seitenname>.php" (UTF-8 with mark) into `ordner`, or
/// into the working directory when `ordner` is empty, and returns the number of
/// units listed. Throws textfiles::DateiFehler when the file cannot be written.
int HPExport(catalog::Katalog& katalog, const QString& spr, const QString& ordner = {});

}  // namespace quarnelo::exporting

// Links of the program: the host names of the maker's sites and the rule that
// turns a link caption into the address the desktop shell opens.
#pragma once

#include <QChar>
#include <QString>

namespace quarnelo::ui {

/// Host names of the maker's German and international sites.
QString SeiteDe();
QString SeiteInt();
/// The host of the site of a language.
inline QString Seite(bool deutsch) { return deutsch ? SeiteDe() : SeiteInt(); }

/// Where a link was clicked; the letter ends the referrer code.
enum class Ort : char {
    Spende = 's',   // link label of the main or the options window (and the editor)
    Menue = 'm',    // web item of a main-window menu
    Bericht = 'r',  // link label of a report window
    Hilfe = 'h',    // link label of a help window
};

/// The referrer code: the program's two letters and the letter of the place.
QString Referrer(Ort ort);

/// The address of a caption "host/path" that may go on with " - " and a
/// description (link labels of the main and options windows, web menu items).
/// Menu items also give a bare host the path "/" before the query text.
QString AdresseMitBeschreibung(const QString& beschriftung, Ort ort, bool menue);

/// The address of a caption that is exactly "host/path" (links of the help
/// and report windows).
QString AdresseAusBeschriftung(const QString& beschriftung, Ort ort);

}  // namespace quarnelo::ui

// What the windows share for the run of the program: the language, the
// options, the program folder, the message boxes, the eight windows and the
// services of the file and settings layers.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "catalog/katalog.h"
#include "settings/optionen.h"


namespace quarnelo::ui {

class Tstart;
class Toptionen;
class Tprog;
class Thilfe;
class Thilfe_en;
class Tbugreport_de;
class Tbugreport_en;
class Tuserunits;

/// The message boxes of the program; tests put a recorder in their place.
class Meldungen {
public:
    virtual ~Meldungen() = default;
    /// The general error report of an error that escaped an event handler.
    virtual void Fehler(const QString& text) = 0;
    /// A message the core asks to show (the "ERROR:" box of a factor).
    virtual void Hinweis(const QString& text) = 0;
    /// A question with the buttons Yes and No; true for Yes.
    virtual bool Frage(const QString& text) = 0;
};

/// Message boxes with OK.
class Nachrichtenfenster : public Meldungen {
public:
    void Fehler(const QString& text) override;
    void Hinweis(const QString& text) override;
    bool Frage(const QString& text) override;
};

struct Programm {
    // The current language, "de" or "en"; the start window sets it.
    QString spr = QStringLiteral("de");
    settings::Optionen optionen = settings::Optionen::MitSystemtrenner(settings::SystemDezimaltrenner());
    // The folder of the program (user units, start configuration).
    QString programmOrdner;
    Meldungen* meldungen = nullptr;
    // Set when the program ends: windows then close without their own closing
    // steps (the main window does not autosave; only its close box does).
    bool beenden = false;

    Tstart* start = nullptr;
    Toptionen* optionenFenster = nullptr;
    Tprog* prog = nullptr;
    Thilfe* hilfe = nullptr;
    Thilfe_en* hilfe_en = nullptr;
    Tbugreport_de* bugreport_de = nullptr;
    Tbugreport_en* bugreport_en = nullptr;
    Tuserunits* userunits = nullptr;

    // Services of the file and settings layers; each may stay empty, the
    // window then skips that step. See anbindung.h for the wiring.
    std::function<QStringList()> benutzerKategorien;          // names for the category box
    catalog::Katalog::BenutzerQuelle benutzerEinheiten;       // last step of every load
    std::function<void(const QString& datei, bool start)> konfigurationLaden;
    std::function<void(const QString& datei)> konfigurationSpeichern;
    // Opens a web address in the user's browser (see verweise.h for the
    // addresses); tests record it instead.
    std::function<void(const QString& adresse)> adresseOeffnen;

    bool deutsch() const { return spr == QLatin1String("de"); }
    void Oeffnen(const QString& adresse) const {
        if (adresseOeffnen) adresseOeffnen(adresse);
    }
};

/// Creates the eight windows once, in their fixed order.
void FensterErzeugen(Programm& p);

/// Deletes the windows in the reverse order.
void FensterFreigeben(Programm& p);

}  // namespace quarnelo::ui

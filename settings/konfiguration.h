// Configuration files (.qcf): the main window's check boxes and column widths,
// every option field, the window geometry and the autosave choice.
#pragma once

#include <QString>
#include <QVector>

#include "settings/optionen.h"

namespace quarnelo::settings {

/// What a configuration file holds, as plain data; the windows copy their
/// state into it before saving and take it over after loading.
struct TKonfiguration {
    // Main window check boxes (section PBCH, keys named after the boxes).
    bool cb_insmemo = false;
    bool einheit_festhalten = false;
    // Widths of the columns of the unit table, left to right.
    QVector<int> spalten{130, 50, 100, 60, 120};

    Optionen optionen;

    // Window geometry (section SP).
    bool PF = false;  // maximized
    int PB = 517;     // client width
    int PH = 514;     // client height
    int PT = 0;       // top edge
    int PL = 0;       // left edge
    int PR = 0;       // width of the first unit row of the comparison page
    int PO = 68;      // height of the second unit row of the comparison page
    // 0 asks the window to maximize itself when it is first activated.
    int Tag = 1;

    // Autosave menu checks (section AS).
    bool autosaveNie = true;
    bool autosaveImmer = false;
};

/// The screen and the window frame as the geometry rules need them.
struct Bildschirm {
    int breite = 0;
    int hoehe = 0;
    // Outer size of the main window minus its client size.
    int rahmenBreite = 0;
    int rahmenHoehe = 0;
};

/// Writes `zustand` into the file: a file that does not exist is first created
/// holding only the UTF-16 LE mark; an existing one is updated in place, keeping
/// the keys it holds beyond these. Throws textfiles::DateiFehler.
void KonfigurationSpeichern(const QString& datei, const TKonfiguration& zustand);

/// Applies the file to `zustand`: every value defaults to the current state, so
/// a missing file or key changes nothing. `start` tells the load at start-up.
/// Never fails.
void KonfigurationLaden(const QString& datei, TKonfiguration& zustand, const Bildschirm& bildschirm,
                        bool start);

}  // namespace quarnelo::settings

// The wiring of the window program to the file and settings layers: user
// categories and units, the configuration files and the web links.
#pragma once

#include "settings/konfiguration.h"

namespace quarnelo::ui {

struct Programm;
class Tprog;

/// Fills the service hooks of `p` with the routines of the file and settings
/// layers. Call before the windows are created.
void Verdrahten(Programm& p);

/// The state of the main window as a configuration file holds it.
settings::TKonfiguration KonfigurationErfassen(const Tprog& w, const settings::Optionen& o);

/// Takes over a loaded configuration (without the language switch that ends
/// every load).
void KonfigurationUebernehmen(Tprog& w, settings::Optionen& o, const settings::TKonfiguration& z);

}  // namespace quarnelo::ui

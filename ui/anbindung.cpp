#include "ui/anbindung.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>

#include "textfiles/benutzereinheiten.h"
#include "ui/programm.h"
#include "ui/tabellenmodell.h"
#include "ui/u_optionen.h"
#include "ui/u_prog.h"

namespace quarnelo::ui {

settings::TKonfiguration KonfigurationErfassen(const Tprog& w, const settings::Optionen& o) {
    settings::TKonfiguration z;
    z.cb_insmemo = w.cb_insmemo->isChecked();
    z.einheit_festhalten = w.einheit_festhalten->isChecked();
    for (int c = 0; c < z.spalten.size(); ++c) z.spalten[c] = w.list->columnWidth(c);
    z.optionen = o;
    z.PF = w.isMaximized();
    const int menue = w.menu->height();
    z.PB = w.width();
    z.PH = w.height() - menue;
    // The outer edges, as move() places them again.
    z.PT = w.frameGeometry().top();
    z.PL = w.frameGeometry().left();
    z.PR = w.Panel3->width();
    z.PO = w.Panel4->height();
    z.Tag = w.Tag;
    z.autosaveNie = w.m_konfig_autosave_nie->isChecked();
    z.autosaveImmer = w.m_konfig_autosave_alles->isChecked();
    return z;
}

void KonfigurationUebernehmen(Tprog& w, settings::Optionen& o, const settings::TKonfiguration& z) {
    w.cb_insmemo->setChecked(z.cb_insmemo);
    w.einheit_festhalten->setChecked(z.einheit_festhalten);
    for (int c = 0; c < z.spalten.size() && c < 5; ++c) w.list->setColumnWidth(c, z.spalten[c]);
    o = z.optionen;
    if (z.Tag == 0) {
        w.Tag = 0;  // maximised at the first activation
    } else if (z.PF) {
        w.showMaximized();
    } else {
        if (w.isMaximized()) w.showNormal();
        w.resize(z.PB, z.PH + w.menu->sizeHint().height());
        w.move(z.PL, z.PT);
    }
    w.m_konfig_autosave_nie->setChecked(z.autosaveNie);
    w.m_konfig_autosave_alles->setChecked(z.autosaveImmer);
}

void Verdrahten(Programm& p) {
    if (p.programmOrdner.isEmpty()) p.programmOrdner = textfiles::ProgrammOrdner();
    const QString ordner = p.programmOrdner;
    p.benutzerKategorien = [ordner] { return textfiles::BenutzerKategorien(ordner); };
    p.benutzerEinheiten = textfiles::BenutzerQuelle(ordner);
    p.konfigurationLaden = [&p](const QString& datei, bool start) {
        if (!p.prog) return;
        settings::Bildschirm b;
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            b.breite = s->geometry().width();
            b.hoehe = s->geometry().height();
        }
        b.rahmenBreite = p.prog->frameGeometry().width() - p.prog->width();
        b.rahmenHoehe = p.prog->frameGeometry().height() - p.prog->height() + p.prog->menu->height();
        settings::TKonfiguration z = KonfigurationErfassen(*p.prog, p.optionen);
        settings::KonfigurationLaden(datei, z, b, start);
        KonfigurationUebernehmen(*p.prog, p.optionen, z);
        if (p.optionenFenster) p.optionenFenster->Anzeigen();
        p.prog->sprachealles();
    };
    p.konfigurationSpeichern = [&p](const QString& datei) {
        if (p.prog) settings::KonfigurationSpeichern(datei, KonfigurationErfassen(*p.prog, p.optionen));
    };
    // The shell's result is ignored: without a browser nothing happens.
    p.adresseOeffnen = [](const QString& adresse) { QDesktopServices::openUrl(QUrl(adresse)); };
}

}  // namespace quarnelo::ui

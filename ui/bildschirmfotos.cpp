#include "ui/bildschirmfotos.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "ui/programm.h"
#include "ui/u_bugreport_de.h"
#include "ui/u_bugreport_en.h"
#include "ui/u_hilfe.h"
#include "ui/u_hilfe_en.h"
#include "ui/u_optionen.h"
#include "ui/u_prog.h"
#include "ui/u_start.h"
#include "ui/u_userunits.h"

namespace quarnelo::ui {

namespace {

bool Foto(QWidget* w, const QString& datei) {
    w->show();
    QApplication::processEvents();
    QApplication::processEvents();
    const bool ok = w->grab().save(datei, "PNG");
    if (!ok) std::fprintf(stderr, "quarnelo: cannot write %s\n", qPrintable(datei));
    return ok;
}

}  // namespace

int Bildschirmfotos(Programm& p, const QString& ordner) {
    QDir dir(ordner);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "quarnelo: cannot create the folder %s\n", qPrintable(ordner));
        return 1;
    }
    // The start window's timer would show and hide windows while they are taken.
    p.start->Timer1->stop();
    bool ok = true;
    for (const char* sprache : {"de", "en"}) {
        p.spr = QString::fromLatin1(sprache);
        p.prog->sprachealles();
        const QString endung = QStringLiteral("-") + p.spr + QStringLiteral(".png");
        QWidget* fenster[] = {p.start, p.optionenFenster, p.prog, p.hilfe, p.hilfe_en,
                              p.bugreport_de, p.bugreport_en, p.userunits};
        for (QWidget* w : fenster) {
            ok = Foto(w, dir.filePath(w->objectName() + endung)) && ok;
            if (w != p.prog) w->hide();
        }
        p.prog->cb_anzeige->setCurrentIndex(2);
        ok = Foto(p.prog, dir.filePath(QStringLiteral("Tprog-table") + endung)) && ok;
        p.prog->hide();
    }
    return ok ? 0 : 1;
}

}  // namespace quarnelo::ui

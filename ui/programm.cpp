#include "ui/programm.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/u_bugreport_de.h"
#include "ui/u_bugreport_en.h"
#include "ui/u_hilfe.h"
#include "ui/u_hilfe_en.h"
#include "ui/u_optionen.h"
#include "ui/u_prog.h"
#include "ui/u_start.h"
#include "ui/u_userunits.h"

namespace quarnelo::ui {

void Nachrichtenfenster::Fehler(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(), text);
}

void Nachrichtenfenster::Hinweis(const QString& text) {
    // Every such message reports an entry the program cannot use.
    QMessageBox::warning(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(), text);
}

bool Nachrichtenfenster::Frage(const QString& text) {
    return QMessageBox::question(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void FensterErzeugen(Programm& p) {
    // The start window first: it chooses the language every other window reads
    // while it is made. The options exist before the main window, whose first
    // view already converts.
    p.start = new Tstart(p);
    p.optionenFenster = new Toptionen(p);
    p.prog = new Tprog(p);
    p.hilfe = new Thilfe(p);
    p.hilfe_en = new Thilfe_en(p);
    p.bugreport_de = new Tbugreport_de(p);
    p.bugreport_en = new Tbugreport_en(p);
    p.userunits = new Tuserunits(p);
}

void FensterFreigeben(Programm& p) {
    delete p.userunits;
    delete p.bugreport_en;
    delete p.bugreport_de;
    delete p.hilfe_en;
    delete p.hilfe;
    delete p.prog;
    delete p.optionenFenster;
    delete p.start;
    p.userunits = nullptr;
    p.bugreport_en = nullptr;
    p.bugreport_de = nullptr;
    p.hilfe_en = nullptr;
    p.hilfe = nullptr;
    p.prog = nullptr;
    p.optionenFenster = nullptr;
    p.start = nullptr;
}

}  // namespace quarnelo::ui

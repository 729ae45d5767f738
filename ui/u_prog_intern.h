// Helpers of the main window shared by its source files.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include "numeric/ansi.h"
#include "numeric/term.h"
#include "ui/programm.h"
#include "ui/u_prog.h"

namespace quarnelo::ui {

// The comparison rows as the recomputation reads and writes them.
struct Tprog::Zeilen : conversion::VergleichsZeilen {
    Tprog& w;
    explicit Zeilen(Tprog& fenster) : w(fenster) {}
    QLineEdit* WertBox(int z) const { return z == 1 ? w.te_wert1 : z == 2 ? w.te_wert2 : w.te_wert3; }
    QComboBox* VorsatzBox(int z) const { return z == 1 ? w.te_vorsatz1 : z == 2 ? w.te_vorsatz2 : w.te_vorsatz3; }
    QComboBox* EinheitBox(int z) const { return z == 1 ? w.te_einheit1 : z == 2 ? w.te_einheit2 : w.te_einheit3; }
    QString& FaktorText(int z) const { return z == 1 ? w.te_f1 : z == 2 ? w.te_f2 : w.te_f3; }

    QString Wert(int z) const override { return WertBox(z)->text(); }
    QString Vorsatz(int z) const override { return VorsatzBox(z)->currentText(); }
    QString Faktor(int z) const override { return FaktorText(z); }
    void WertSetzen(int z, const QString& t) override { WertBox(z)->setText(t); }
    void VorsatzSetzen(int z, const QString& t) override { VorsatzBox(z)->setCurrentText(t); }
};

// Table rows of a table-mode load go straight into the rows of the page.
struct Tprog::Sink : catalog::ZeilenSink {
    TabellenSeite& s;
    explicit Sink(TabellenSeite& seite) : s(seite) {}
    void ZeileAnhaengen(catalog::Tabellenzeile&& z) override { s.zeilen.append(std::move(z)); }
};

struct Tprog::FensterMelder : conversion::Melder {
    Programm& p;
    explicit FensterMelder(Programm& programm) : p(programm) {}
    void Meldung(const QString& text) override {
        if (p.meldungen) p.meldungen->Hinweis(text);
    }
};

// Errors that escape a handler end in the general error report; the window
// goes on.
template <class F>
void Tprog::Geschuetzt(F&& f) {
    try {
        f();
    } catch (const numeric::EvalError& e) {
        if (programm_.meldungen)
            programm_.meldungen->Fehler(QString::fromStdU16String(numeric::Utf16AusAnsi(e.what())));
    } catch (const std::exception& e) {
        if (programm_.meldungen) programm_.meldungen->Fehler(QString::fromUtf8(e.what()));
    }
}

// Reads the table page, runs one step on it and shows the page again, also
// when the step fails; failures end in the error report.
template <class F>
void Tprog::SeiteBearbeiten(F&& f) {
    Geschuetzt([&] {
        SeiteLesen();
        struct Zeigen {
            Tprog* w;
            ~Zeigen() { w->SeiteZeigen(); }
        } zeigen{this};
        f();
    });
}

}  // namespace quarnelo::ui

// The main window: view switching, the comparison panel, the unit table and
// the copy actions.
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QGroupBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStackedWidget>

#include "ui/ansicht.h"
#include "ui/rahmen.h"
#include "ui/tabellenmodell.h"
#include "ui/u_prog_intern.h"

namespace quarnelo::ui {

namespace {

// Sets a flag for a scope and puts back what it was.
struct Setzen {
    bool& f;
    bool vorher;
    explicit Setzen(bool& flag) : f(flag), vorher(flag) { f = true; }
    ~Setzen() { f = vorher; }
};

}  // namespace

Rechnen Tprog::rechnen() const {
    Rechnen r;
    r.o.format = programm_.optionen.Zahlformat();
    r.o.autopref = programm_.optionen.cb_autopref;
    r.o.deutsch = programm_.deutsch();
    r.melder = melder_.get();
    return r;
}

// --- view switching -------------------------------------------------------

void Tprog::ComboFuellen(QComboBox* box, const QString& filter) {
    const QStringList eintraege = EinheitenAuswahl(katalog.Einheitenliste, filter);
    const QString text = box->currentText();
    const int caret = box->lineEdit() ? box->lineEdit()->cursorPosition() : 0;
    QSignalBlocker still(box);
    box->clear();
    box->addItems(eintraege);
    // Refilling must not change the text shown in the box.
    if (box->lineEdit()) {
        box->setEditText(text);
        box->lineEdit()->setCursorPosition(caret);
    }
}

void Tprog::cb_kategorieChange() {
    const QString modus = cb_anzeige->currentText();
    if (modus == QLatin1String("stop") || AktualisierungLaeuft) return;
    Geschuetzt([&] {
        const QString key = KategorieSchluesselAus(cb_kategorie->currentText());
        const Anzeigeform form = AnzeigeformErkennen(modus);
        const Rechnen r = rechnen();
        if (form.tabelle) {
            {
                QSignalBlocker still(list->selectionModel());
                modell_->Beginnen();
                seite.zeilen.clear();
                struct Ende {
                    Tabellenmodell* m;
                    ~Ende() { m->Beenden(); }
                } ende{modell_};
                katalog.KategorieLaden(key, catalog::Katalog::Tabelle, programm_.spr);
                {
                    Setzen laeuft(AktualisierungLaeuft);
                    ComboFuellen(vgl_einheit, QString());
                    if (!katalog.Einheitenliste.isEmpty() && vgl_einheit->count() > 0) {
                        for (int i = 0; i < katalog.Einheitenliste.size(); ++i) {
                            if (katalog.Einheitenliste[i].Faktor != QLatin1String("1")) continue;
                            if (i < vgl_einheit->count()) vgl_einheit->setCurrentIndex(i);
                            break;
                        }
                    }
                }
                SeiteLesen();
                vgl_einheitChange();
                StartwerteSetzen(seite, key == QLatin1String("shoesize") ? 28.0L : 1.0L, r);
            }
            if (!seite.zeilen.isEmpty()) {
                list->selectionModel()->clearSelection();
                list->selectionModel()->setCurrentIndex(modell_->index(0, 0), QItemSelectionModel::ClearAndSelect |
                                                                                   QItemSelectionModel::Rows);
            }
            if (seiten->currentWidget() != t_tab) seiten->setCurrentWidget(t_tab);
            Panel8->setVisible(form.mitVergleichseinheit);
            gb2->TitelSetzen(programm_.deutsch()
                              ? QStringLiteral("Klicken Sie auf einen Wert in der Tabelle und ändern Sie ihn in der Box unter der Tabelle.")
                              : QStringLiteral("Click on an Item in the Table to modify it under the Table."));
        }
        if (form.vergleich) {
            katalog.KategorieLaden(key, catalog::Katalog::Liste, programm_.spr);
            QComboBox* boxen[] = {te_einheit1, te_einheit2, te_einheit3};
            const int vorgaben[] = {katalog.VorgabeEinheit1, katalog.VorgabeEinheit2, katalog.VorgabeEinheit3};
            for (QComboBox* b : boxen) ComboFuellen(b, QString());
            for (int i = 0; i < 3; ++i) {
                QSignalBlocker still(boxen[i]);
                if (vorgaben[i] >= 0 && vorgaben[i] < boxen[i]->count())
                    boxen[i]->setCurrentIndex(vorgaben[i]);
                else if (boxen[i]->count() > i)
                    boxen[i]->setCurrentIndex(i);
            }
            te_einheit1Change();
            te_einheit2Change();
            te_einheit3Change();
            te_wert1->setText(key == QLatin1String("shoesize") ? QStringLiteral("28") : QStringLiteral("1"));
            if (seiten->currentWidget() != t_einzel) seiten->setCurrentWidget(t_einzel);
            Panel5->setVisible(!form.zweiZeilen);
            gb2->TitelSetzen(programm_.deutsch()
                              ? QStringLiteral("Wählen Sie Werte und Einheiten. Sie können Buchstaben in die Einheiten-Box eingeben.")
                              : QStringLiteral("Choose your Values and Units. You can type some Characters into the Unit Box."));
        }
    });
}

void Tprog::ed_filterChange() {
    katalog.FilterSetzen(ed_filter->text());
    cb_kategorieChange();
}

// --- comparison panel -----------------------------------------------------

void Tprog::TeEinheitChange(int zeile) {
    const conversion::TUnitRec u =
        conversion::TEFormelFinden(katalog.Einheitenliste, zeilen_->EinheitBox(zeile)->currentText());
    if (!u.Faktor.isEmpty()) zeilen_->FaktorText(zeile) = u.Faktor;
    TeUmrechnen(zeile);
}

void Tprog::TeUmrechnen(int zeile) {
    Geschuetzt([&] { conversion::TEUmrechnen(*zeilen_, zeile, AktualisierungLaeuft, rechnen().o, melder_.get()); });
}

void Tprog::te_einheit1Change() { TeEinheitChange(1); }
void Tprog::te_einheit2Change() { TeEinheitChange(2); }
void Tprog::te_einheit3Change() { TeEinheitChange(3); }

void Tprog::te_wert1Change() {
    if (!AktualisierungLaeuft) TeUmrechnen(1);
}
void Tprog::te_wert2Change() {
    if (!AktualisierungLaeuft) TeUmrechnen(2);
}
void Tprog::te_wert3Change() {
    if (!AktualisierungLaeuft) TeUmrechnen(3);
}

void Tprog::te_einheit1KeyDown(QComboBox* box) {
    if (QCompleter* c = box->findChild<QCompleter*>()) {
        c->setCompletionPrefix(QString());
        c->complete();
    }
}

void Tprog::te_einheit1KeyUp(QComboBox* box) {
    const QString text = box->currentText();
    if (box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) return;
    ComboFuellen(box, text);
    if (QCompleter* c = box->findChild<QCompleter*>(); c && box->count() > 0 && box->isVisible()) {
        c->setCompletionPrefix(QString());
        c->complete();
    }
}

void Tprog::te_einheit1Enter(QComboBox* box) { ComboFuellen(box, QString()); }

QString Tprog::Kopieren(const QString& text) {
    // Unicode text, and the same text in the 8-bit code page for programs that
    // read only that (characters outside it become "?", the minus sign "-").
    auto* daten = new QMimeData;
    daten->setText(text);
    daten->setData(QString::fromLatin1(kAnsiFormat), QByteArray::fromStdString(conversion::Ansi(text)));
    QGuiApplication::clipboard()->setMimeData(daten);
    return text;
}

void Tprog::te_copyallein1Click(int zeile) {
    const QString t = Kopieren(zeilen_->WertBox(zeile)->text());
    if (cb_insmemo->isChecked() && !t.isEmpty()) memo_einzel->appendPlainText(t);
}

void Tprog::te_copyeinheit1Click(int zeile) {
    const conversion::TUnitRec u =
        conversion::TEFormelFinden(katalog.Einheitenliste, zeilen_->EinheitBox(zeile)->currentText());
    const QString t = Kopieren(WertMitEinheit(programm_.optionen, zeilen_->WertBox(zeile)->text(),
                                              zeilen_->VorsatzBox(zeile)->currentText(), u.Kuerzel, u.Einheit));
    if (cb_insmemo->isChecked() && !t.isEmpty()) memo_einzel->appendPlainText(t);
}

// --- unit table -----------------------------------------------------------

void Tprog::SeiteLesen() {
    seite.ed_list = ed_list->text();
    seite.ed_vorsatz = ed_vorsatz->currentText();
    seite.einheit_festhalten = einheit_festhalten->isChecked();
    seite.vgl_einheit = vgl_einheit->currentText();
    seite.vgl_vorsatz = vgl_vorsatz->currentText();
    seite.vgl_wert = vgl_wert->text();
}

void Tprog::SeiteZeigen() {
    // What the page logic wrote goes into the controls; their change handlers
    // see the guard and stay quiet.
    Setzen laeuft(AktualisierungLaeuft);
    if (ed_list->text() != seite.ed_list) ed_list->setText(seite.ed_list);
    if (ed_vorsatz->currentText() != seite.ed_vorsatz) ed_vorsatz->setCurrentText(seite.ed_vorsatz);
    if (vgl_wert->text() != seite.vgl_wert) vgl_wert->setText(seite.vgl_wert);
    if (aktuell_beschreibung->text() != seite.aktuell_beschreibung)
        aktuell_beschreibung->setText(seite.aktuell_beschreibung);
    modell_->WerteGeaendert();
}

QVector<int> Tprog::Markiert() const {
    QVector<int> zeilen;
    for (const QModelIndex& i : list->selectionModel()->selectedRows()) zeilen.append(i.row());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

void Tprog::AuswahlSetzen(const QVector<int>& zeilen) {
    Setzen still(auswahlStill_);
    QItemSelection auswahl;
    for (int z : zeilen) auswahl.select(modell_->index(z, 0), modell_->index(z, 4));
    list->selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
}

void Tprog::ZeilenNeu(const std::function<void()>& aenderung) {
    // A new set or order of rows: one reset; the current row stays as it was.
    Setzen still(auswahlStill_);
    modell_->Beginnen();
    struct Ende {
        Tabellenmodell* m;
        ~Ende() { m->Beenden(); }
    } ende{modell_};
    aenderung();
}

void Tprog::listSelectItem(int zeile) {
    SeiteBearbeiten([&] {
        ui::listSelectItem(seite, zeile, AktualisierungLaeuft, rechnen());
    });
}

void Tprog::ed_listChange() {
    if (AktualisierungLaeuft) return;
    Geschuetzt([&] {
        SeiteLesen();
        ui::ed_listChange(seite, AktualisierungLaeuft, rechnen());
        SeiteZeigen();
    });
}

void Tprog::ed_vorsatzChange() {
    if (AktualisierungLaeuft) return;
    SeiteBearbeiten([&] {
        ui::ed_vorsatzChange(seite, AktualisierungLaeuft, rechnen());
    });
}

void Tprog::vgl_einheitChange() {
    if (AktualisierungLaeuft) {
        // Only the factor follows while code fills the box.
        const conversion::TUnitRec u = conversion::TEFormelFinden(katalog.Einheitenliste, vgl_einheit->currentText());
        if (!u.Faktor.isEmpty()) seite.vgl_f = u.Faktor;
        return;
    }
    SeiteBearbeiten([&] {
        ui::vgl_einheitChange(seite, katalog.Einheitenliste, AktualisierungLaeuft, rechnen());
    });
}

void Tprog::vgl_vorsatzChange() { vgl_wertChange(); }

void Tprog::vgl_wertChange() {
    if (AktualisierungLaeuft) return;
    SeiteBearbeiten([&] {
        ui::vgl_wertChange(seite, AktualisierungLaeuft, rechnen());
    });
}

void Tprog::listColumnClick(int spalte) {
    Geschuetzt([&] { ZeilenNeu([&] { ui::listColumnClick(seite, spalte, rechnen().sep()); }); });
}

void Tprog::listDragDrop(int ziel) {
    const QVector<int> markiert = Markiert();
    if (markiert.isEmpty()) return;
    QVector<int> neu;
    ZeilenNeu([&] { neu = ZeilenVerschieben(seite, markiert, ziel); });
    AuswahlSetzen(neu);
}

void Tprog::listLoeschen() {
    const QVector<int> markiert = Markiert();
    ZeilenNeu([&] { ui::pop7Click(seite, markiert); });
}

void Tprog::PopupMenu1Popup(const QPoint& global) {
    // No menu without a selected row.
    if (list->selectionModel()->selectedRows().isEmpty()) return;
    PopupMenu1->popup(global);
}

void Tprog::pop1Click() {
    const QVector<int> m = Markiert();
    ZeilenNeu([&] { ui::pop1Click(seite, m); });
}

void Tprog::pop2Click() {
    const QVector<int> m = Markiert();
    ZeilenNeu([&] { ui::pop2Click(seite, m); });
}

void Tprog::pop3Click() {
    const QVector<int> m = Markiert();
    ZeilenNeu([&] { ui::pop3Click(seite, m); });
}

void Tprog::pop4Click() { cb_kategorieChange(); }

void Tprog::pop5Click() { Kopieren(pop5Text(seite, Markiert())); }

void Tprog::pop6Click() { Kopieren(pop6Text(seite, Markiert(), katalog.Einheitenliste, programm_.optionen)); }

void Tprog::pop7Click() {
    const QVector<int> m = Markiert();
    ZeilenNeu([&] { ui::pop7Click(seite, m); });
}

void Tprog::findprefixClick() {
    const QVector<int> m = Markiert();
    Geschuetzt([&] {
        struct Ende {
            Tabellenmodell* m;
            ~Ende() { m->WerteGeaendert(); }
        } ende{modell_};
        ui::findprefixClick(seite, m, rechnen());
    });
}

void Tprog::delprefixClick() {
    const QVector<int> m = Markiert();
    Geschuetzt([&] {
        struct Ende {
            Tabellenmodell* m;
            ~Ende() { m->WerteGeaendert(); }
        } ende{modell_};
        ui::delprefixClick(seite, m, rechnen());
    });
}

void Tprog::tab_copyalleinClick() { Kopieren(ed_list->text()); }

void Tprog::tab_copyeinheitClick() {
    Kopieren(WertMitEinheit(programm_.optionen, ed_list->text(), ed_vorsatz->currentText(), seite.aktuell_abk,
                            seite.aktuell_einh));
}

void Tprog::vgl_copyalleinClick() { Kopieren(vgl_wert->text()); }

void Tprog::vgl_copyeinheitClick() {
    const conversion::TUnitRec u = conversion::TEFormelFinden(katalog.Einheitenliste, vgl_einheit->currentText());
    Kopieren(WertMitEinheit(programm_.optionen, vgl_wert->text(), vgl_vorsatz->currentText(), u.Kuerzel, u.Einheit));
}

}  // namespace quarnelo::ui

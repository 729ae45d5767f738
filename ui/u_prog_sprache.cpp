// The main window: every text in both languages and the language switch.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "catalog/registry.h"
#include "numeric/prefix.h"
#include "ui/ansicht.h"
#include "ui/rahmen.h"
#include "ui/tabellenmodell.h"
#include "ui/u_optionen.h"
#include "ui/u_prog_intern.h"
#include "ui/u_start.h"
#include "ui/u_userunits.h"

namespace quarnelo::ui {

void Tprog::sprache() {
    const bool de = programm_.deutsch();
    auto T = [de](const char* d, const char* e) { return QString::fromUtf8(de ? d : e); };

    // Prefix boxes: the texts of the language, each on the no-prefix item.
    {
        const bool vorher = AktualisierungLaeuft;
        AktualisierungLaeuft = true;
        QStringList vorsaetze;
        for (const std::string& v : numeric::VorsatzBoxFuellen(de)) vorsaetze.append(QString::fromStdString(v));
        const QString kein = QString::fromStdString(numeric::KeinPraefix(de));
        for (QComboBox* b : {ed_vorsatz, vgl_vorsatz, te_vorsatz1, te_vorsatz2, te_vorsatz3}) {
            b->clear();
            b->addItems(vorsaetze);
            b->setCurrentText(kein);
        }
        AktualisierungLaeuft = vorher;
    }

    {
        QSignalBlocker still1(cb_kategorie);
        QSignalBlocker still2(cb_anzeige);
        QStringList kategorien = catalog::KategorieNamen(de);
        if (programm_.benutzerKategorien) kategorien += programm_.benutzerKategorien();
        cb_kategorie->clear();
        cb_kategorie->addItems(kategorien);
        cb_anzeige->clear();
        cb_anzeige->addItems(Anzeigeformen(de));
        cb_anzeige->setEditText(QStringLiteral("stop"));
        cb_kategorie->setCurrentIndex(0);
        cb_anzeige->setCurrentIndex(0);
    }
    cb_kategorieChange();

    seite.KeinPraefixText = QStringLiteral("Kein Präfix");
    if (!de) seite.KeinPraefixText = QStringLiteral("No Prefix");

    setWindowTitle(QStringLiteral("Quarnelo - Veltrana"));
    laspenden->setText(de ? SeiteDe() + QStringLiteral("/spenden - Vielen Dank!")
                          : SeiteInt() + QStringLiteral("/donate - Thank you!"));
    gb1->TitelSetzen(T("Wählen Sie die Kategorie und Anzeigeform der Werte. Nutzen Sie den Filter wie \"Metrisch,Meile\".",
                    "Choose a Category and how to display the Values. The Filter can be used like \"metric,mile\"."));
    Label5->setText(T("Kategorie:", "Category:"));
    Label6->setText(T("Anzeige:", "Display:"));
    Label24->setText(T("Filter:", "Filter:"));
    Label13->setText(T("Einheit 1:", "Unit 1:"));
    Label14->setText(T("Einheit 2:", "Unit 2:"));
    Label15->setText(T("Einheit 3:", "Unit 3:"));
    cb_insmemo->setText(T("Werte in die Zwischenablage und diese Box kopieren", "Copy Values to Clipboard and to this Box"));
    modell_->SpaltenSetzen(de ? QStringList{QStringLiteral("Wert"), QStringLiteral("Präfix"), QStringLiteral("Einheit"),
                                            QStringLiteral("Kürzel"), QStringLiteral("Ordnung")}
                              : QStringList{QStringLiteral("Value"), QStringLiteral("Prefix"), QStringLiteral("Unit"),
                                            QStringLiteral("Shortcut"), QStringLiteral("System")});
    einheit_festhalten->setText(T("Wert halten", "Hold Value"));
    Label12->setText(T("Einheit für Vergleiche", "Unit for Comparisons"));
    pop1->setText(T("Diese Ordnung verbergen", "Hide this System"));
    pop2->setText(T("Nur diese Ordnung anzeigen", "Show only this System"));
    pop3->setText(T("Diese Ordnung und Allgemein/Metrisch", "Show this System and General/Metric"));
    pop4->setText(T("Alle Ordnungen anzeigen", "Show all Systems"));
    pop5->setText(T("Wert(e) in die Zwischenablage kopieren", "Copy Value(s) to Clipboard"));
    pop6->setText(T("Wert(e) und Einheit(en) in die Zwischenablage kopieren", "Copy Value(s) and Unit(s) to Clipboard"));
    pop7->setText(T("Markierte Einträge verbergen", "Hide selected Items"));
    findprefix->setText(T("Passende Präfixe für markierte Einheiten finden", "Find fitting Prefixes for selected Units"));
    delprefix->setText(T("Präfixe der markierten Einheiten entfernen", "Delete Prefixes of selected Units"));
    Programm1->setTitle(T("Programm", "Program"));
    m_userunits->setText(T("Benutzerdefinierte Einheiten anlegen..", "Create User-Defined Units.."));
    m_bugreport->setText(T("Fehler oder Verbesserung melden..", "Report Bug or Improvement.."));
    m_close->setText(T("Beenden", "Close"));
    Einstellungen2->setTitle(T("Einstellungen", "Settings"));
    m_einstopt->setText(T("Optionen..", "Options.."));
    m_konfig_save->setText(T("Konfiguration speichern..", "Save Configuration.."));
    m_konfig_open->setText(T("Konfiguration laden..", "Load Configuration.."));
    m_konfig_alsstart->setText(T("Aktuelle Konfiguration als Startkonfiguration", "Current Configuration as Start-Configuration"));
    m_konfig_autosave->setTitle(T("Konfiguration automatisch speichern", "Save Configuration automatically"));
    m_konfig_autosave_nie->setText(T("Nie", "Never"));
    m_konfig_autosave_alles->setText(T("Immer", "Always"));
    m_einstspr->setTitle(T("Sprache", "Language"));
    cb_kategorie->setToolTip(T("Wählen Sie eine Kategorie, zum Beispiel \"Volumen\"", "Choose a Category, for example \"Volume\""));
    cb_anzeige->setToolTip(T("Wählen Sie eine Anzeigeform, zum Beispiel \"Tabelle\" oder \"Vergleich\"",
                             "Choose a Form of Display, for example \"Table or Comparison\""));
    ed_filter->setToolTip(
        T("Wenn Sie möchten, können Sie hier einen Filter angeben, um nur eine Auswahl von Einheiten anzuzeigen. Zum "
          "Beispiel können Sie\r\nmit dem Filter \"Allgemein,Inch,Physik\" die Ordnungen \"Allgemein\" und \"Physik\" "
          "sowie die Einheit \"Inch\" anzeigen.",
          "Optionally, you can set a Filter to display only a Range of Units. For example, you can set the\r\nFilter "
          "\"General,Inch,Physics\" to display the Systems \"General\" and \"Physics\" and the Unit \"Inch\"."));
    m_soft_de->menuAction()->setVisible(de);
    Hilfe1->menuAction()->setVisible(de);
    m_soft_en->menuAction()->setVisible(!de);
    Information1->menuAction()->setVisible(!de);
    Deutsch1->setChecked(de);
    Englisch1->setChecked(!de);

    const QString nurWert = T("Nur Wert in die Zwischenablage kopieren", "Copy only Value to Clipboard");
    const QString mitEinheit = T("Wert und Einheit in die Zwischenablage kopieren", "Copy Value and Unit to Clipboard");
    for (QToolButton* b : {tab_copyallein, vgl_copyallein, te_copyallein1, te_copyallein2, te_copyallein3})
        b->setToolTip(nurWert);
    for (QToolButton* b : {tab_copyeinheit, vgl_copyeinheit, te_copyeinheit1, te_copyeinheit2, te_copyeinheit3})
        b->setToolTip(mitEinheit);
}

void Tprog::sprachealles() {
    sprache();
    if (programm_.start) programm_.start->sprache();
    if (programm_.optionenFenster) programm_.optionenFenster->Sprache();
    if (programm_.userunits) programm_.userunits->Sprache();
}

void Tprog::Deutsch1Click() {
    programm_.spr = QStringLiteral("de");
    sprachealles();
}

void Tprog::Englisch1Click() {
    programm_.spr = QStringLiteral("en");
    sprachealles();
}

}  // namespace quarnelo::ui

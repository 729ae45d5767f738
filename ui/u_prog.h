// The main window: category and view switching, the comparison panel, the
// unit table, the copy actions and the texts of both languages.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "catalog/katalog.h"
#include "conversion/umrechnung.h"
#include "ui/tabelle.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace quarnelo::ui {

struct Programm;
class Einheitentabelle;
class Tabellenmodell;
class Rahmen;

class Tprog : public QMainWindow {
    Q_OBJECT
public:
    /// The clipboard format of the 8-bit copy beside the Unicode text.
    static constexpr const char* kAnsiFormat = "text/plain;charset=windows-1252";

    explicit Tprog(Programm& programm);
    ~Tprog() override;

    // Menus.
    QMenuBar* menu;
    QMenu *Programm1, *Einstellungen2, *m_soft_de, *m_soft_en, *Information1, *Hilfe1;
    QMenu *m_konfig_autosave, *m_einstspr;
    QAction *m_userunits, *m_bugreport, *m_close;
    QAction *m_einstopt, *m_konfig_save, *m_konfig_open, *m_konfig_alsstart;
    QAction *m_konfig_autosave_nie, *m_konfig_autosave_alles, *Deutsch1, *Englisch1;
    QAction *KurzbeschreibungallerProgramme1, *BriefDescriptionoftheSoftware1;
    QAction *Funktionen2, *FehleroderVerbesserungmelden1, *Empfehlungen1, *Software1, *WiesoSpenden1, *Lizenz1;
    QAction *Introduction1, *ReportBugorImprovement1, *Regards1, *Software2, *WhyDonate1, *Licence1;

    // Top strip.
    QWidget* Panel7;
    Rahmen* gb1;
    QLabel *Label5, *Label6, *Label24;
    QComboBox *cb_kategorie, *cb_anzeige;
    QLineEdit* ed_filter;

    // Pages.
    Rahmen* gb2;
    QStackedWidget* seiten;
    QWidget *t_einzel, *t_tab;

    // Comparison panel.
    QWidget *Panel3, *Panel4, *Panel5, *Panel6;
    QLabel *Label13, *Label14, *Label15;
    QComboBox *te_einheit1, *te_einheit2, *te_einheit3;
    QComboBox *te_vorsatz1, *te_vorsatz2, *te_vorsatz3;
    QLineEdit *te_wert1, *te_wert2, *te_wert3;
    QToolButton *te_copyallein1, *te_copyallein2, *te_copyallein3;
    QToolButton *te_copyeinheit1, *te_copyeinheit2, *te_copyeinheit3;
    QString te_f1 = QStringLiteral("1"), te_f2 = QStringLiteral("1"), te_f3 = QStringLiteral("1");
    QPlainTextEdit* memo_einzel;
    QCheckBox* cb_insmemo;

    // Unit table.
    Einheitentabelle* list;
    QWidget *Panel2, *Panel8;
    QLabel* aktuell_beschreibung;
    QLineEdit* ed_list;
    QComboBox* ed_vorsatz;
    QCheckBox* einheit_festhalten;
    QToolButton *tab_copyallein, *tab_copyeinheit;
    QLabel* Label12;
    QComboBox *vgl_einheit, *vgl_vorsatz;
    QLineEdit* vgl_wert;
    QToolButton *vgl_copyallein, *vgl_copyeinheit;
    QMenu* PopupMenu1;
    QAction *pop1, *pop2, *pop3, *pop4, *pop5, *pop6, *pop7, *findprefix, *delprefix;

    QLabel* laspenden;
    QTimer* Timer1;

    // State of the window.
    catalog::Katalog katalog;
    TabellenSeite seite;
    bool AktualisierungLaeuft = false;
    int HinweisZaehler = 0;
    int Tag = 1;  // 0: maximise at the next activation

    /// The start configuration beside the program.
    QString Startkonfiguration() const;

    /// The rows of the table that are selected, in table order.
    QVector<int> Markiert() const;

public slots:
    void cb_kategorieChange();
    void ed_filterChange();
    void ComboFuellen(QComboBox* box, const QString& filter);

    void te_einheit1Change();
    void te_einheit2Change();
    void te_einheit3Change();
    void te_wert1Change();
    void te_wert2Change();
    void te_wert3Change();
    void te_einheit1KeyDown(QComboBox* box);
    void te_einheit1KeyUp(QComboBox* box);
    void te_einheit1Enter(QComboBox* box);
    void te_copyallein1Click(int zeile);
    void te_copyeinheit1Click(int zeile);

    void listSelectItem(int zeile);
    void ed_listChange();
    void ed_vorsatzChange();
    void vgl_einheitChange();
    void vgl_vorsatzChange();
    void vgl_wertChange();
    void listColumnClick(int spalte);
    void listDragDrop(int ziel);
    void listLoeschen();
    void PopupMenu1Popup(const QPoint& global);
    void pop1Click();
    void pop2Click();
    void pop3Click();
    void pop4Click();
    void pop5Click();
    void pop6Click();
    void pop7Click();
    void findprefixClick();
    void delprefixClick();
    void tab_copyalleinClick();
    void tab_copyeinheitClick();
    void vgl_copyalleinClick();
    void vgl_copyeinheitClick();

    void sprache();
    void sprachealles();
    void Deutsch1Click();
    void Englisch1Click();
    void Timer1Timer();
    void laspendenClick();
    void BrowseToMenuCaption(const QString& beschriftung);
    void m_closeClick();
    void m_einstoptClick();
    void m_userunitsClick();
    void m_bugreportClick();
    void m_konfig_saveClick();
    void m_konfig_openClick();
    void m_konfig_alsstartClick();
    void m_konfig_autosave_nieClick();
    void m_konfig_autosave_allesClick();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Zeilen;
    struct Sink;
    struct FensterMelder;

    void Aufbauen();
    void MenuesAufbauen();
    QWidget* VergleichsseiteAufbauen();
    QWidget* TabellenseiteAufbauen();
    void Verbinden();

    Rechnen rechnen() const;
    void TeEinheitChange(int zeile);
    void TeUmrechnen(int zeile);
    void SeiteLesen();
    void SeiteZeigen();
    void ZeilenNeu(const std::function<void()>& aenderung);
    void AuswahlSetzen(const QVector<int>& zeilen);
    QString Kopieren(const QString& text);
    // Writes a configuration file; a failure is shown and gives false.
    bool KonfigurationSchreiben(const QString& datei);
    template <class F>
    void Geschuetzt(F&& f);
    template <class F>
    void SeiteBearbeiten(F&& f);

    Programm& programm_;
    Tabellenmodell* modell_;
    std::unique_ptr<Zeilen> zeilen_;
    std::unique_ptr<Sink> sink_;
    std::unique_ptr<FensterMelder> melder_;
    bool auswahlStill_ = false;  // selection changes made by code, not by the user
    bool gezeigt_ = false;
};

}  // namespace quarnelo::ui

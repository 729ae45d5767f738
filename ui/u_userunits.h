// The user-unit editor: pick a built-in category or name a new one, add units
// with a factor or a term pair, delete and sort them, and save the category file.
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quarnelo::ui {

struct Programm;
class Rahmen;
class Namenspruefer;

class Tuserunits : public QWidget {
    Q_OBJECT
public:
    explicit Tuserunits(Programm& programm);
    void Sprache();

    // Controls, named like their components.
    Rahmen *gb1, *gb2, *gb3;
    QLabel* Label6;
    QComboBox* cb_kategorie;
    QTreeWidget* list;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QLineEdit *ed_einheit, *ed_abk, *ed_ordnung, *ed_term1, *ed_term2, *ed_faktor;
    QRadioButton *rb_term, *rb_fakt;
    QPushButton *Add, *Speichern, *Abbrechen;
    QLabel *Label7, *laspenden;

    // State of the window.
    bool Gespeichert = true;       // the list holds no unsaved change
    QString AktuelleKategorie;     // the name the loaded category is saved under
    int SortSpalte = 0;
    int LetzteSortSpalte = 0;
    bool SortAbsteigend = false;

    /// Negative, zero or positive as row `a` sorts before, with or after row
    /// `b` by the column and direction in force.
    int listCompare(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;

public slots:
    void FormCreate();
    void cb_kategorieChange();
    void AddClick();
    void listSelectItem(QTreeWidgetItem* item);
    void listColumnClick(int spalte);
    void rb_faktClick();
    void SpeichernClick();
    void AbbrechenClick();
    void laspendenClick();
    void Label7Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Aufbauen();
    /// Runs the change handler when the box text differs from the one loaded.
    void KategorieTextGeaendert();
    /// True when the key is swallowed (a character no file name can hold).
    bool cb_kategorieKeyPress(QKeyEvent* e);
    /// True when the key was handled (Ctrl+A, Delete).
    bool listKeyDown(QKeyEvent* e);
    /// The save question; true when the rows may be replaced afterwards.
    bool NachfrageSpeichern();
    QString Einheitenordner() const;
    /// The general error report.
    void Melden(const QString& text);

    Programm& programm_;
    Namenspruefer* pruefer_;
    QString geladenerText_;     // box text of the last run of cb_kategorieChange
    bool auswahlStill_ = false;  // selection changes made by code
};

}  // namespace quarnelo::ui

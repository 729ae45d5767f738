// The user-unit editor driven by component name on the offscreen platform,
// next to the real main window, with a temporary program folder.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "catalog/registry.h"
#include "ui/programm.h"
#include "ui/rahmen.h"
#include "ui/u_prog.h"
#include "ui/u_userunits.h"
#include "ui/verweise.h"

using namespace quarnelo;

namespace {

const QByteArray kMarke("\xEF\xBB\xBF");

struct Aufzeichnung : ui::Meldungen {
    QStringList fehler, hinweise, fragen;
    bool antwort = false;
    void Fehler(const QString& t) override { fehler.append(t); }
    void Hinweis(const QString& t) override { hinweise.append(t); }
    bool Frage(const QString& t) override {
        fragen.append(t);
        return antwort;
    }
};

const QString kFrageDe = QStringLiteral(
    "Die Einheiten der gewählten Kategorie wurde nicht gespeichert. Soll sie nun gespeichert werden?");

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        p.meldungen = &meldungen;
        p.programmOrdner = ordner.path();
        p.optionen = settings::Optionen::MitSystemtrenner(QLatin1Char(','));
        p.adresseOeffnen = [this](const QString& a) { adressen.append(a); };
        prog = std::make_unique<ui::Tprog>(p);
        p.prog = prog.get();
        userunits = std::make_unique<ui::Tuserunits>(p);
        p.userunits = userunits.get();
        userunits->show();
    }
    void TearDown() override {
        meldungen.antwort = false;
        userunits->hide();
        p.userunits = nullptr;
        p.prog = nullptr;
    }

    template <class T>
    T* F(const char* name) {
        T* c = userunits->findChild<T*>(QString::fromLatin1(name));
        if (!c) ADD_FAILURE() << "no control " << name;
        return c;
    }
    QComboBox* Box() { return F<QComboBox>("cb_kategorie"); }
    QTreeWidget* Liste() { return F<QTreeWidget>("list"); }
    QStringList Spalte(int c) {
        QStringList out;
        for (int i = 0; i < Liste()->topLevelItemCount(); ++i) out << Liste()->topLevelItem(i)->text(c);
        return out;
    }
    void Feld(const char* name, const QString& text) { F<QLineEdit>(name)->setText(text); }
    void Einheit(const QString& name, const QString& faktor) {
        F<QRadioButton>("rb_fakt")->setChecked(true);
        Feld("ed_einheit", name);
        Feld("ed_abk", QString());
        Feld("ed_ordnung", QStringLiteral("Eigene"));
        Feld("ed_faktor", faktor);
        QTest::mouseClick(F<QPushButton>("Add"), Qt::LeftButton);
    }
    void Tippen(const QString& text) {
        QLineEdit* e = Box()->lineEdit();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    QString Units(const QString& name) { return ordner.path() + QStringLiteral("/Units/") + name; }
    void Schreiben(const QString& name, const QByteArray& inhalt) {
        QDir().mkpath(ordner.path() + QStringLiteral("/Units"));
        QFile f(Units(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray Lesen(const QString& name) {
        QFile f(Units(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    int Anzahl(QComboBox* box, const QString& text) {
        int n = 0;
        for (int i = 0; i < box->count(); ++i) n += box->itemText(i) == text;
        return n;
    }

    QTemporaryDir ordner;
    Aufzeichnung meldungen;
    QStringList adressen;
    ui::Programm p;
    std::unique_ptr<ui::Tprog> prog;
    std::unique_ptr<ui::Tuserunits> userunits;
};

TEST_F(Editor, OpensOnLengthStaysOnTopAndIsNotModal) {
    EXPECT_EQ(Box()->currentText(), QStringLiteral("Länge (Meter, m)"));
    EXPECT_EQ(Box()->count(), 33);
    EXPECT_EQ(Box()->maxVisibleItems(), 20);
    EXPECT_TRUE(Box()->isEditable());
    EXPECT_EQ(userunits->AktuelleKategorie, QStringLiteral("length"));
    EXPECT_TRUE(userunits->Gespeichert);
    EXPECT_EQ(Liste()->topLevelItemCount(), 0);
    EXPECT_EQ(Liste()->columnCount(), 4);
    EXPECT_EQ(Liste()->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(userunits->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(userunits->windowModality(), Qt::NonModal);
    EXPECT_TRUE(F<QRadioButton>("rb_fakt")->isChecked());
    EXPECT_FALSE(F<QLineEdit>("ed_term1")->isEnabled());
    EXPECT_FALSE(F<QLabel>("Label5")->isEnabled());
    EXPECT_TRUE(F<QLineEdit>("ed_faktor")->isEnabled());
    EXPECT_EQ(F<QLabel>("laspenden")->text(), ui::SeiteDe() + QStringLiteral("/quarnelo-benutzereinheiten"));
    for (const char* name : {"gb1", "gb2", "gb3", "Label1", "Label2", "Label3", "Label4", "Label6", "Label7",
                             "ed_einheit", "ed_abk", "ed_ordnung", "ed_term2", "rb_term", "Add", "Speichern",
                             "Abbrechen"})
        F<QWidget>(name);
}

TEST_F(Editor, LanguageRefillsTheBoxWithUserCategoriesFirst) {
    Schreiben(QStringLiteral("Eigene.txt"), kMarke + "Elle\t\tEigene\t0,6\r\nkaputt\r\n");
    Schreiben(QStringLiteral("Length.txt"), kMarke + "Rute\t\t\t3\r\n");
    Einheit(QStringLiteral("Fuß"), QStringLiteral("0,3048"));
    // A change of language asks first, in the new language.
    p.spr = QStringLiteral("en");
    prog->sprachealles();
    EXPECT_EQ(meldungen.fragen, QStringList{QStringLiteral(
                                    "The Units of the Category currently loaded are not saved. Do you want to save "
                                    "these Units?")});
    ASSERT_EQ(Box()->count(), 34);
    EXPECT_EQ(Box()->itemText(0), QStringLiteral("Eigene"));
    EXPECT_EQ(Box()->itemText(1), QStringLiteral("Length (Metre, m)"));
    EXPECT_EQ(Box()->currentText(), QStringLiteral("Eigene"));
    EXPECT_EQ(userunits->AktuelleKategorie, QStringLiteral("Eigene"));
    // Only lines of four fields are rows, shown as stored.
    EXPECT_EQ(Spalte(0), QStringList{QStringLiteral("Elle")});
    EXPECT_EQ(Spalte(3), QStringList{QStringLiteral("0,6")});
    EXPECT_EQ(Liste()->headerItem()->text(3), QStringLiteral("Factor/Term"));
    EXPECT_EQ(userunits->windowTitle(), QStringLiteral("User-Defined Units"));
    EXPECT_EQ(F<ui::Rahmen>("gb3")->Titel(), QStringLiteral("Here you can attach a new Unit:"));
    EXPECT_EQ(F<QPushButton>("Speichern")->text(), QStringLiteral("Save Category"));
    // The built-in category finds its file whatever the case of the name.
    Box()->setCurrentIndex(1);
    EXPECT_EQ(userunits->AktuelleKategorie, QStringLiteral("length"));
    EXPECT_EQ(Spalte(0), QStringList{QStringLiteral("Rute")});
}

TEST_F(Editor, TypingMassLooksUpEveryPrefixAndAsksOnceOnTheFirstLetter) {
    Schreiben(QStringLiteral("M.txt"), kMarke + "Em\t\t\t1\r\n");
    Schreiben(QStringLiteral("ma.txt"), kMarke + "Ema\t\t\t2\r\n");
    Schreiben(QStringLiteral("Mass.txt"), kMarke + "Emass\t\t\t3\r\n");
    Einheit(QStringLiteral("Fuß"), QStringLiteral("0,3048"));
    ASSERT_FALSE(userunits->Gespeichert);
    meldungen.antwort = true;

    const QStringList erwartet[] = {{QStringLiteral("Em")}, {QStringLiteral("Ema")}, {}, {QStringLiteral("Emass")}};
    const QString wort = QStringLiteral("Mass");
    QLineEdit* e = Box()->lineEdit();
    e->selectAll();
    for (int i = 0; i < wort.size(); ++i) {
        QTest::keyClicks(e, wort.mid(i, 1));
        EXPECT_EQ(Box()->currentText(), wort.left(i + 1));
        EXPECT_EQ(userunits->AktuelleKategorie, wort.left(i + 1));
        EXPECT_EQ(Spalte(0), erwartet[i]) << "after " << wort.left(i + 1).toStdString();
    }
    EXPECT_EQ(meldungen.fragen, QStringList{kFrageDe});
    EXPECT_TRUE(userunits->Gespeichert);
    // Yes saved the row under the category loaded before the first letter.
    EXPECT_EQ(Lesen(QStringLiteral("length.txt")), kMarke + "Fuß\t\tEigene\t0,3048\r\n");
}

TEST_F(Editor, CharactersNoFileNameHoldsNeverReachTheBox) {
    Tippen(QStringLiteral("Eig"));
    Einheit(QStringLiteral("Elle"), QStringLiteral("0,6"));
    for (const char* zeichen : {"\"", "*", "/", ":", "<", ">", "?", "\\", "|"}) {
        QTest::keyClicks(Box()->lineEdit(), QString::fromLatin1(zeichen));
        EXPECT_EQ(Box()->currentText(), QStringLiteral("Eig")) << zeichen;
    }
    EXPECT_TRUE(meldungen.fragen.isEmpty());
    EXPECT_EQ(Liste()->topLevelItemCount(), 1);
    // Pasted text loses them too, and a paste of nothing else changes nothing.
    meldungen.antwort = false;
    QApplication::clipboard()->setText(QStringLiteral(":?"));
    QTest::keySequence(Box()->lineEdit(), QKeySequence::Paste);
    EXPECT_EQ(Box()->currentText(), QStringLiteral("Eig"));
    EXPECT_TRUE(meldungen.fragen.isEmpty());
    QApplication::clipboard()->setText(QStringLiteral("e<n>e"));
    QTest::keySequence(Box()->lineEdit(), QKeySequence::Paste);
    EXPECT_EQ(Box()->currentText(), QStringLiteral("Eigene"));
    EXPECT_EQ(userunits->AktuelleKategorie, QStringLiteral("Eigene"));
    // A listed name that holds "/" is taken whole.
    Box()->setCurrentText(QStringLiteral("Dichte (Kilogramm pro Kubikmeter, kg/m³)"));
    EXPECT_EQ(userunits->AktuelleKategorie, QStringLiteral("density"));
}

TEST_F(Editor, InvalidFactorOrTermShowsItsMessageAndAddsNothing) {
    struct Fall {
        const char* sprache;
        bool faktor;
        const char* eingabe1;
        const char* eingabe2;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"de", true, "abc", "",
         "Sie haben folgenden ungültigen Faktor eingegeben:\r\n\"abc\"\r\nBitte wählen Sie einen anderen Faktor. Hilfe "
         "erhalten Sie auf der Seite:\r\nwww.quarnelo.de/quarnelo-benutzereinheiten"},
        {"en", true, "3*", "",
         "You have entered the following incorrect Factor:\r\n\"3*\"\r\nPlease enter a new Factor. Help is available "
         "on the page:\r\nwww.quarnelo.com/quarnelo-customunits"},
        {"de", false, "x+", "y",
         "Sie haben folgenden ungültigen Term eingegeben:\r\n\"x+\" und \"y\"\r\nBitte wählen Sie einen anderen Term. "
         "Hilfe erhalten Sie auf der Seite:\r\nwww.quarnelo.de/quarnelo-benutzereinheiten"},
        {"en", false, "x*2", "",
         "You have entered the following incorrect Term:\r\n\"x*2\" and \"\"\r\nPlease enter a new Term. Help is "
         "available on the page:\r\nwww.quarnelo.com/quarnelo-customunits"},
    };
    for (const Fall& f : faelle) {
        p.spr = QString::fromLatin1(f.sprache);
        userunits->Sprache();
        meldungen.hinweise.clear();
        F<QRadioButton>(f.faktor ? "rb_fakt" : "rb_term")->setChecked(true);
        Feld("ed_einheit", QStringLiteral("Elle"));
        Feld(f.faktor ? "ed_faktor" : "ed_term1", QString::fromUtf8(f.eingabe1));
        Feld("ed_term2", QString::fromUtf8(f.eingabe2));
        QTest::mouseClick(F<QPushButton>("Add"), Qt::LeftButton);
        EXPECT_EQ(meldungen.hinweise, QStringList{QString::fromUtf8(f.meldung)}) << f.eingabe1;
        EXPECT_EQ(Liste()->topLevelItemCount(), 0);
        EXPECT_TRUE(userunits->Gespeichert);
        EXPECT_EQ(F<QLineEdit>("ed_einheit")->text(), QStringLiteral("Elle"));
    }
}

TEST_F(Editor, AddingKeepsTheFieldsAndEnterAddsToo) {
    F<QRadioButton>("rb_term")->setChecked(true);
    Feld("ed_einheit", QStringLiteral("Fahrenheit"));
    Feld("ed_abk", QStringLiteral("°F"));
    Feld("ed_term1", QStringLiteral("(x+459,67)*5/9"));
    Feld("ed_term2", QStringLiteral("x*1,8-459,67"));
    QTest::mouseClick(F<QPushButton>("Add"), Qt::LeftButton);
    QTest::keyClick(F<QLineEdit>("ed_abk"), Qt::Key_Return);
    EXPECT_EQ(Spalte(0), (QStringList{QStringLiteral("Fahrenheit"), QStringLiteral("Fahrenheit")}));
    EXPECT_EQ(Spalte(1), (QStringList{QStringLiteral("°F"), QStringLiteral("°F")}));
    EXPECT_EQ(Spalte(3).value(1), QStringLiteral("(x+459,67)*5/9&x*1,8-459,67"));
    EXPECT_FALSE(userunits->Gespeichert);
    EXPECT_TRUE(meldungen.hinweise.isEmpty());
}

TEST_F(Editor, SavingWritesTheFileAndListsOnlyNewUserCategories) {
    struct Fall {
        const char* kastentext;
        const char* datei;
        bool neu;
    };
    const Fall faelle[] = {
        {"Länge (Meter, m)", "length.txt", false},
        {"Length", "Length.txt", false},  // a built-in key in other letters
        {"Eigene", "Eigene.txt", true},
    };
    for (const Fall& f : faelle) {
        const QString name = QString::fromUtf8(f.kastentext);
        QDir(Units(QString())).removeRecursively();
        Box()->setEditText(name);
        Einheit(QStringLiteral("Fuß"), QStringLiteral("0,3048"));
        const int vorher = Box()->count();
        QTest::mouseClick(F<QPushButton>("Speichern"), Qt::LeftButton);
        EXPECT_TRUE(userunits->Gespeichert) << f.datei;
        EXPECT_EQ(Lesen(QString::fromLatin1(f.datei)), kMarke + "Fuß\t\tEigene\t0,3048\r\n");
        EXPECT_EQ(Box()->count(), vorher + (f.neu ? 1 : 0)) << f.datei;
        EXPECT_EQ(Box()->currentText(), name);
        if (f.neu) {
            EXPECT_EQ(Box()->itemText(Box()->count() - 1), name);
            EXPECT_EQ(prog->cb_kategorie->itemText(prog->cb_kategorie->count() - 1), name);
        }
    }
    EXPECT_EQ(prog->cb_kategorie->count(), 34);
    // A second save of the same category adds nothing more.
    Einheit(QStringLiteral("Elle"), QStringLiteral("1,5E-3"));
    QTest::mouseClick(F<QPushButton>("Speichern"), Qt::LeftButton);
    EXPECT_EQ(Anzahl(Box(), QStringLiteral("Eigene")), 1);
    EXPECT_EQ(Anzahl(prog->cb_kategorie, QStringLiteral("Eigene")), 1);
    EXPECT_EQ(Lesen(QStringLiteral("Eigene.txt")),
              kMarke + "Fuß\t\tEigene\t0,3048\r\nElle\t\tEigene\t1,5*10^(-3)\r\n");
    EXPECT_TRUE(meldungen.fehler.isEmpty());
}

TEST_F(Editor, SelectingARowFillsTheFieldsByItsFactorKind) {
    Schreiben(QStringLiteral("length.txt"),
              kMarke + "Fahrenheit\t°F\tSkalen\t(x+459,67)*5/9&x*1,8-459,67\r\nFuß\tft\tEigene\t0,3048\r\n");
    userunits->Sprache();
    ASSERT_EQ(Liste()->topLevelItemCount(), 2);
    Liste()->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(F<QRadioButton>("rb_term")->isChecked());
    EXPECT_EQ(F<QLineEdit>("ed_einheit")->text(), QStringLiteral("Fahrenheit"));
    EXPECT_EQ(F<QLineEdit>("ed_abk")->text(), QStringLiteral("°F"));
    EXPECT_EQ(F<QLineEdit>("ed_ordnung")->text(), QStringLiteral("Skalen"));
    EXPECT_EQ(F<QLineEdit>("ed_term1")->text(), QStringLiteral("(x+459,67)*5/9"));
    EXPECT_EQ(F<QLineEdit>("ed_term2")->text(), QStringLiteral("x*1,8-459,67"));
    EXPECT_EQ(F<QLineEdit>("ed_faktor")->text(), QString());
    EXPECT_TRUE(F<QLineEdit>("ed_term1")->isEnabled());
    EXPECT_FALSE(F<QLineEdit>("ed_faktor")->isEnabled());

    Liste()->clearSelection();
    Liste()->topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(F<QRadioButton>("rb_fakt")->isChecked());
    EXPECT_EQ(F<QLineEdit>("ed_faktor")->text(), QStringLiteral("0,3048"));
    EXPECT_EQ(F<QLineEdit>("ed_term1")->text(), QString());
    EXPECT_EQ(F<QLineEdit>("ed_term2")->text(), QString());
    EXPECT_FALSE(F<QLineEdit>("ed_term2")->isEnabled());
    EXPECT_FALSE(F<QLabel>("Label4")->isEnabled());
    EXPECT_TRUE(userunits->Gespeichert);
}

TEST_F(Editor, ARangeSelectedWithTheMouseFillsTheFieldsFromTheRowClickedLast) {
    Schreiben(QStringLiteral("length.txt"),
              kMarke + "Elle\t\tEigene\t0,6\r\nFuß\tft\tEigene\t0,3048\r\nRute\t\tEigene\t3,77\r\n");
    userunits->Sprache();
    userunits->show();
    ASSERT_EQ(Liste()->topLevelItemCount(), 3);
    QWidget* vp = Liste()->viewport();
    auto zeile = [&](int i) { return Liste()->visualItemRect(Liste()->topLevelItem(i)).center(); };
    QTest::mouseClick(vp, Qt::LeftButton, {}, zeile(0));
    EXPECT_EQ(F<QLineEdit>("ed_einheit")->text(), QStringLiteral("Elle"));
    // Shift+click down to row 2: rows 1 and 2 join the selection, the fields
    // follow the clicked row 2, not the first newly selected one.
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, zeile(2));
    EXPECT_EQ(Liste()->selectedItems().size(), 3);
    EXPECT_EQ(F<QLineEdit>("ed_einheit")->text(), QStringLiteral("Rute"));
    // Ctrl+click adds row 1 after a click on row 0.
    QTest::mouseClick(vp, Qt::LeftButton, {}, zeile(0));
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, zeile(1));
    EXPECT_EQ(F<QLineEdit>("ed_einheit")->text(), QStringLiteral("Fuß"));
}

TEST_F(Editor, DeletingAllRowsAndSavingLeavesOnlyTheMark) {
    Schreiben(QStringLiteral("Eigene.txt"), kMarke + "Elle\t\tEigene\t0,6\r\nFuß\t\tEigene\t0,3048\r\n");
    userunits->Sprache();
    ASSERT_EQ(Liste()->topLevelItemCount(), 2);
    QTest::keyClick(Liste(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Liste()->selectedItems().size(), 2);
    QTest::keyClick(Liste(), Qt::Key_Delete);
    EXPECT_EQ(Liste()->topLevelItemCount(), 0);
    EXPECT_FALSE(userunits->Gespeichert);
    QTest::mouseClick(F<QPushButton>("Speichern"), Qt::LeftButton);
    EXPECT_EQ(Lesen(QStringLiteral("Eigene.txt")), kMarke);
    EXPECT_EQ(Anzahl(Box(), QStringLiteral("Eigene")), 1);
}

TEST_F(Editor, HeaderClicksSortIgnoringCase) {
    Schreiben(QStringLiteral("length.txt"),
              kMarke + "gamma\ty\t\t2\r\nBeta\tZ\t\t1\r\nalpha\tX\t\t3\r\n");
    userunits->Sprache();
    QHeaderView* kopf = Liste()->header();
    auto klick = [&](int spalte) {
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                          QPoint(kopf->sectionViewportPosition(spalte) + 5, kopf->height() / 2));
    };
    const QString a = QStringLiteral("alpha"), b = QStringLiteral("Beta"), g = QStringLiteral("gamma");
    klick(0);  // the first click on the first column sorts it descending
    EXPECT_EQ(Spalte(0), (QStringList{g, b, a}));
    EXPECT_TRUE(userunits->SortAbsteigend);
    EXPECT_FALSE(userunits->Gespeichert);
    klick(0);
    EXPECT_EQ(Spalte(0), (QStringList{a, b, g}));
    klick(1);  // another column starts ascending
    EXPECT_EQ(Spalte(0), (QStringList{a, g, b}));
    EXPECT_EQ(userunits->SortSpalte, 1);
    EXPECT_EQ(userunits->LetzteSortSpalte, 1);
    EXPECT_FALSE(userunits->SortAbsteigend);
    klick(1);
    EXPECT_EQ(Spalte(1), (QStringList{QStringLiteral("Z"), QStringLiteral("y"), QStringLiteral("X")}));
    // The sorted order is what gets saved.
    QTest::mouseClick(F<QPushButton>("Speichern"), Qt::LeftButton);
    EXPECT_EQ(Lesen(QStringLiteral("length.txt")), kMarke + "Beta\tZ\t\t1\r\ngamma\ty\t\t2\r\nalpha\tX\t\t3\r\n");
}

TEST_F(Editor, ClosingWithUnsavedRowsAsksAndNoKeepsTheRows) {
    Einheit(QStringLiteral("Elle"), QStringLiteral("0,6"));
    meldungen.antwort = false;
    QTest::mouseClick(F<QPushButton>("Abbrechen"), Qt::LeftButton);
    EXPECT_EQ(meldungen.fragen, QStringList{kFrageDe});
    EXPECT_FALSE(userunits->isVisible());
    EXPECT_EQ(Spalte(0), QStringList{QStringLiteral("Elle")});
    EXPECT_TRUE(userunits->Gespeichert);
    EXPECT_FALSE(QFile::exists(Units(QStringLiteral("length.txt"))));
    // Another category replaces them without asking again.
    Box()->setCurrentIndex(2);
    EXPECT_EQ(meldungen.fragen.size(), 1);
    EXPECT_EQ(Liste()->topLevelItemCount(), 0);
    // Escape closes as well; Yes saves.
    userunits->show();
    Einheit(QStringLiteral("Elle"), QStringLiteral("0,6"));
    meldungen.antwort = true;
    QTest::keyClick(F<QLineEdit>("ed_faktor"), Qt::Key_Escape);
    EXPECT_FALSE(userunits->isVisible());
    EXPECT_EQ(meldungen.fragen.size(), 2);
    EXPECT_EQ(Lesen(QStringLiteral("volume.txt")), kMarke + "Elle\t\tEigene\t0,6\r\n");
}

TEST_F(Editor, AFailedSaveIsReportedAndTheRowsStayUnsaved) {
    // A file named Units stands where the folder has to go.
    QFile sperre(ordner.path() + QStringLiteral("/Units"));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    Einheit(QStringLiteral("Elle"), QStringLiteral("0,6"));
    QTest::mouseClick(F<QPushButton>("Speichern"), Qt::LeftButton);
    ASSERT_EQ(meldungen.fehler.size(), 1);
    EXPECT_TRUE(meldungen.fehler[0].startsWith(QStringLiteral("Cannot create file"))) << meldungen.fehler[0].toStdString();
    EXPECT_FALSE(userunits->Gespeichert);
    // Yes to the question of a category change fails again: the rows stay.
    meldungen.antwort = true;
    Tippen(QStringLiteral("X"));
    EXPECT_EQ(meldungen.fehler.size(), 2);
    EXPECT_EQ(Spalte(0), QStringList{QStringLiteral("Elle")});
    EXPECT_EQ(userunits->AktuelleKategorie, QStringLiteral("length"));
    EXPECT_FALSE(userunits->Gespeichert);
    // No lets them go.
    meldungen.antwort = false;
    Tippen(QStringLiteral("Y"));
    EXPECT_EQ(Liste()->topLevelItemCount(), 0);
    EXPECT_EQ(userunits->AktuelleKategorie, QStringLiteral("Y"));
}

TEST_F(Editor, AnEmptyNameIsNotSaved) {
    Box()->setEditText(QString());
    Einheit(QStringLiteral("Elle"), QStringLiteral("0,6"));
    QTest::mouseClick(F<QPushButton>("Speichern"), Qt::LeftButton);
    EXPECT_EQ(meldungen.hinweise, QStringList{QStringLiteral("Bitte geben Sie einen Namen für die Kategorie ein.")});
    EXPECT_FALSE(userunits->Gespeichert);
    EXPECT_FALSE(QFile::exists(Units(QStringLiteral(".txt"))));
    EXPECT_EQ(Box()->count(), 33);
    EXPECT_EQ(prog->cb_kategorie->count(), 33);
}

TEST_F(Editor, TheHelpLinksOpenThePageOfTheLanguage) {
    QTest::mouseClick(F<QLabel>("laspenden"), Qt::LeftButton);
    p.spr = QStringLiteral("en");
    userunits->Sprache();
    QTest::mouseClick(F<QLabel>("Label7"), Qt::LeftButton);
    EXPECT_EQ(adressen, (QStringList{QStringLiteral("https://www.quarnelo.de/quarnelo-benutzereinheiten&rf=qns"),
                                     QStringLiteral("https://www.quarnelo.com/quarnelo-customunits&rf=qns")}));
}

}  // namespace

// The main window driven by component name on the offscreen platform.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/anbindung.h"
#include "ui/programm.h"
#include "ui/rahmen.h"
#include "ui/tabellenmodell.h"
#include "ui/hilfefenster.h"
#include "ui/u_bugreport_de.h"
#include "ui/u_bugreport_en.h"
#include "ui/u_hilfe.h"
#include "ui/u_hilfe_en.h"
#include "ui/u_optionen.h"
#include "ui/u_prog.h"
#include "ui/u_start.h"
#include "ui/u_userunits.h"

using namespace quarnelo;
using S = catalog::Tabellenzeile;

namespace {

struct Aufzeichnung : ui::Meldungen {
    QStringList fehler, hinweise;
    void Fehler(const QString& t) override { fehler.append(t); }
    void Hinweis(const QString& t) override { hinweise.append(t); }
    bool Frage(const QString& t) override {
        fragen.append(t);
        return false;
    }
    QStringList fragen;
};

class Hauptfenster : public ::testing::Test {
protected:
    void SetUp() override {
        p.meldungen = &meldungen;
        p.programmOrdner = ordner.path();
        p.optionen = settings::Optionen::MitSystemtrenner(QLatin1Char(','));
        w = std::make_unique<ui::Tprog>(p);
    }

    template <class T>
    T* F(const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c) ADD_FAILURE() << "no control " << name;
        return c;
    }
    QString Text(const char* name) { return F<QLineEdit>(name)->text(); }
    void Kategorie(const char* anzeige) { F<QComboBox>("cb_kategorie")->setCurrentText(QString::fromUtf8(anzeige)); }
    void Modus(int i) { F<QComboBox>("cb_anzeige")->setCurrentIndex(i); }
    void Einheit(const char* box, const char* anzeige) {
        F<QComboBox>(box)->setCurrentText(QString::fromUtf8(anzeige));
    }
    void Tippen(const char* box, const char* text) {
        QLineEdit* e = F<QLineEdit>(box);
        e->selectAll();
        QTest::keyClicks(e, QString::fromUtf8(text));
    }
    QAbstractItemModel* Tabelle() { return F<QTableView>("list")->model(); }
    QString Zelle(int zeile, int spalte) { return Tabelle()->index(zeile, spalte).data().toString(); }
    void Markieren(std::initializer_list<int> zeilen) {
        auto* sel = F<QTableView>("list")->selectionModel();
        sel->clearSelection();
        for (int z : zeilen) sel->select(Tabelle()->index(z, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    int Zeile(const char* einheit) {
        for (int i = 0; i < Tabelle()->rowCount(); ++i)
            if (Zelle(i, 2) == QString::fromUtf8(einheit)) return i;
        return -1;
    }

    QTemporaryDir ordner;
    Aufzeichnung meldungen;
    ui::Programm p;
    std::unique_ptr<ui::Tprog> w;
};

TEST_F(Hauptfenster, OpensOnTheFirstCategoryComparingTwoUnits) {
    EXPECT_EQ(F<QComboBox>("cb_kategorie")->currentText(), QStringLiteral("Länge (Meter, m)"));
    EXPECT_EQ(F<QComboBox>("cb_anzeige")->currentText(), QStringLiteral("Zwei Einheiten vergleichen"));
    EXPECT_EQ(F<QStackedWidget>("seiten")->currentWidget(), F<QWidget>("t_einzel"));
    EXPECT_TRUE(F<QWidget>("Panel5")->isHidden());
    EXPECT_EQ(F<QComboBox>("cb_kategorie")->count(), 33);
    EXPECT_EQ(w->width(), 517);
    EXPECT_TRUE(meldungen.fehler.isEmpty());
}

TEST_F(Hauptfenster, TypingFiveMetresShowsInchesAndStatuteMiles) {
    Modus(1);
    EXPECT_FALSE(F<QWidget>("Panel5")->isHidden());
    EXPECT_EQ(F<QComboBox>("te_einheit1")->currentText(), QStringLiteral("Meter (m), Metrisch"));
    EXPECT_EQ(F<QComboBox>("te_einheit2")->currentText(), QStringLiteral("Inch/Zoll (in), International"));
    EXPECT_EQ(F<QComboBox>("te_einheit3")->currentText(), QStringLiteral("Statute Mile/Meile (stat.mi), International"));
    Tippen("te_wert1", "5");
    EXPECT_EQ(Text("te_wert1"), QStringLiteral("5"));
    EXPECT_EQ(Text("te_wert2"), QStringLiteral("196,85"));
    EXPECT_EQ(Text("te_wert3"), QStringLiteral("0,00310686"));
    // Letters are no value: nothing changes.
    Tippen("te_wert1", "abc");
    EXPECT_EQ(Text("te_wert2"), QStringLiteral("196,85"));
}

TEST_F(Hauptfenster, TwentyCelsiusIsSixtyEightFahrenheitAnd293Kelvin) {
    Kategorie("Temperatur (Kelvin, K)");
    Modus(1);
    Einheit("te_einheit1", "Celsius (°C), Skalen");
    Einheit("te_einheit2", "Fahrenheit (°F), Skalen");
    Einheit("te_einheit3", "Kelvin (°K), Skalen");
    Tippen("te_wert1", "20");
    EXPECT_EQ(Text("te_wert2"), QStringLiteral("68"));
    EXPECT_EQ(Text("te_wert3"), QStringLiteral("293,15"));
    // A kilo prefix in the source row: 5000 °C.
    F<QComboBox>("te_vorsatz1")->setCurrentText(QStringLiteral("k Kilo (*1000)"));
    Tippen("te_wert1", "5");
    EXPECT_EQ(Text("te_wert3"), QStringLiteral("5273,15"));
}

TEST_F(Hauptfenster, TypingFuFiltersTheUnitListAndFocusListsAllAgain) {
    Modus(1);
    QComboBox* box = F<QComboBox>("te_einheit1");
    w->show();
    box->setFocus();
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("fu"));
    EXPECT_EQ(box->currentText(), QStringLiteral("fu"));
    EXPECT_EQ(box->lineEdit()->cursorPosition(), 2);
    ASSERT_GT(box->count(), 0);
    EXPECT_LT(box->count(), 952);
    for (int i = 0; i < box->count(); ++i) EXPECT_TRUE(box->itemText(i).toUpper().contains(QStringLiteral("FU")) ||
                                                       box->itemText(i).contains(QStringLiteral("Fu")));
    box->lineEdit()->clear();
    QFocusEvent hinein(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box->lineEdit(), &hinein);
    EXPECT_EQ(box->count(), 952);
    // The exact text of a unit leaves the list as it is.
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("Meter (m), Metrisch"));
    EXPECT_EQ(box->currentText(), QStringLiteral("Meter (m), Metrisch"));
}

TEST_F(Hauptfenster, AFailingValueReportsOnceAndTheWindowGoesOnConverting) {
    F<QLineEdit>("te_wert1")->setText(QStringLiteral("1.000.000"));
    ASSERT_EQ(meldungen.fehler.size(), 1);
    EXPECT_EQ(meldungen.fehler[0], QStringLiteral("'1,000,000' is not a valid floating point value"));
    F<QLineEdit>("te_wert1")->setText(QStringLiteral("1000000"));
    EXPECT_EQ(meldungen.fehler.size(), 1);
    EXPECT_EQ(Text("te_wert2"), QStringLiteral("3,93701E007"));
}

TEST_F(Hauptfenster, ShoeSizesStartAt28) {
    F<QComboBox>("cb_kategorie")->setCurrentIndex(13);  // shoe size
    EXPECT_EQ(Text("te_wert1"), QStringLiteral("28"));
    Modus(2);
    EXPECT_EQ(Zelle(0, 0), QStringLiteral("28"));
}

TEST_F(Hauptfenster, TableModeSelectsTheFirstRowAndTypingTwoDoublesEveryRow) {
    Modus(3);
    EXPECT_EQ(F<QStackedWidget>("seiten")->currentWidget(), F<QWidget>("t_tab"));
    EXPECT_FALSE(F<QWidget>("Panel8")->isHidden());
    ASSERT_EQ(Tabelle()->rowCount(), 952);
    EXPECT_EQ(Text("ed_list"), Zelle(0, 0));
    EXPECT_EQ(F<QComboBox>("vgl_einheit")->currentText(), QStringLiteral("Meter (m), Metrisch"));

    const int km = Zeile("Kilometer");
    Markieren({km});
    EXPECT_EQ(Text("ed_list"), QStringLiteral("0,001"));
    EXPECT_EQ(Text("vgl_wert"), QStringLiteral("1"));
    EXPECT_EQ(F<QLabel>("aktuell_beschreibung")->text(), QStringLiteral("Kilometer (km), Metrisch"));

    Tippen("ed_list", "2");
    EXPECT_EQ(Zelle(km, 0), QStringLiteral("2"));
    EXPECT_EQ(Zelle(Zeile("Meter"), 0), QStringLiteral("2000"));
    EXPECT_EQ(Text("vgl_wert"), QStringLiteral("2000"));

    // Hold Value: the 2 now counts in metres.
    F<QCheckBox>("einheit_festhalten")->setChecked(true);
    Markieren({Zeile("Meter")});
    EXPECT_EQ(Text("ed_list"), QStringLiteral("2"));
    EXPECT_EQ(Zelle(km, 0), QStringLiteral("0,002"));

    // The compare unit drives the table.
    Einheit("vgl_einheit", "Kilometer (km), Metrisch");
    Tippen("vgl_wert", "3");
    EXPECT_EQ(Zelle(Zeile("Meter"), 0), QStringLiteral("3000"));
    EXPECT_EQ(Text("ed_list"), QStringLiteral("3000"));
}

TEST_F(Hauptfenster, HeaderClicksSortByTheTableRules) {
    Modus(2);
    QHeaderView* kopf = F<QTableView>("list")->horizontalHeader();
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionViewportPosition(2) + 5, 5));
    for (int i = 1; i < Tabelle()->rowCount(); ++i)
        ASSERT_LE(QString::localeAwareCompare(Zelle(i - 1, 2).toLower(), Zelle(i, 2).toLower()), 0) << i;
    // After another column the value column starts ascending, then turns.
    w->listColumnClick(0);
    EXPECT_LE(ui::SortWert(Zelle(0, 0), ','), ui::SortWert(Zelle(500, 0), ','));
    w->listColumnClick(0);
    const long double erster = ui::SortWert(Zelle(0, 0), ',');
    EXPECT_GE(erster, ui::SortWert(Zelle(1, 0), ','));
    EXPECT_GE(erster, ui::SortWert(Zelle(500, 0), ','));
}

TEST_F(Hauptfenster, SystemCommandsHideShowOnlyAndShowAllRows) {
    Modus(2);
    const int alle = Tabelle()->rowCount();
    Markieren({Zeile("Meter")});
    F<QAction>("pop2")->trigger();
    for (int i = 0; i < Tabelle()->rowCount(); ++i) ASSERT_EQ(Zelle(i, 4), QStringLiteral("Metrisch"));
    Markieren({0});
    F<QAction>("pop1")->trigger();
    EXPECT_EQ(Tabelle()->rowCount(), 0);
    F<QAction>("pop4")->trigger();
    EXPECT_EQ(Tabelle()->rowCount(), alle);
}

TEST_F(Hauptfenster, CtrlADeleteRemovesEveryRowAndTheMenuRefusesWithoutSelection) {
    Modus(2);
    QTableView* list = F<QTableView>("list");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 952);
    EXPECT_EQ(F<QLabel>("aktuell_beschreibung")->text().startsWith(Zelle(951, 2)), true);  // the last row is current
    Markieren({0, 1});
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(Tabelle()->rowCount(), 950);
    list->selectionModel()->clearSelection();
    w->PopupMenu1Popup(QPoint(10, 10));
    EXPECT_FALSE(F<QMenu>("PopupMenu1")->isVisible());
}

TEST_F(Hauptfenster, AutoPrefixGivesTableRowsAndTargetRowsTheirBestPrefix) {
    p.optionen.cb_autopref = true;
    Modus(2);
    const int mm = Zeile("Millimeter");
    EXPECT_EQ(Zelle(mm, 0), QStringLiteral("1"));
    EXPECT_EQ(Zelle(mm, 1), QStringLiteral("k Kilo (*1000)"));
    EXPECT_EQ(Zelle(Zeile("Meter"), 1), QString());

    Modus(0);
    Einheit("te_einheit1", "Kilometer (km), Metrisch");
    Einheit("te_einheit2", "Meter (m), Metrisch");
    Tippen("te_wert1", "1");
    EXPECT_EQ(Text("te_wert2"), QStringLiteral("1"));
    EXPECT_EQ(F<QComboBox>("te_vorsatz2")->currentText(), QStringLiteral("k Kilo (*1000)"));
}

TEST_F(Hauptfenster, CopyButtonsPutValueAndUnitOnTheClipboard) {
    QClipboard* ablage = QGuiApplication::clipboard();
    F<QComboBox>("te_vorsatz1")->setCurrentText(QStringLiteral("k Kilo (*1000)"));
    Tippen("te_wert1", "1,5");
    F<QAbstractButton>("te_copyeinheit1")->click();
    EXPECT_EQ(ablage->text(), QStringLiteral("1,5 km"));
    p.optionen.rb_einh = true;
    p.optionen.rb_abk = false;
    F<QAbstractButton>("te_copyeinheit1")->click();
    EXPECT_EQ(ablage->text(), QStringLiteral("1,5 Kilo-Meter"));
    F<QAbstractButton>("te_copyallein1")->click();
    EXPECT_EQ(ablage->text(), QStringLiteral("1,5"));

    // With the memo box chosen, row 2 copied twice appears twice.
    F<QCheckBox>("cb_insmemo")->setChecked(true);
    F<QAbstractButton>("te_copyallein2")->click();
    F<QAbstractButton>("te_copyallein2")->click();
    const QString zwei = Text("te_wert2");
    EXPECT_EQ(F<QPlainTextEdit>("memo_einzel")->toPlainText(), zwei + QLatin1Char('\n') + zwei);

    Modus(2);
    Markieren({Zeile("Meter"), Zeile("Kilometer")});
    F<QAction>("pop5")->trigger();
    EXPECT_EQ(ablage->text(), QStringLiteral("1\r\n0,001\r\n"));
    p.optionen.rb_einh = false;
    p.optionen.rb_abk = true;
    F<QAction>("pop6")->trigger();
    EXPECT_EQ(ablage->text(), QStringLiteral("1 m\r\n0,001 km\r\n"));
    F<QAbstractButton>("tab_copyeinheit")->click();
    EXPECT_EQ(ablage->text(), QStringLiteral("0,001 km"));
    EXPECT_EQ(F<QPlainTextEdit>("memo_einzel")->toPlainText(), zwei + QLatin1Char('\n') + zwei);
}

TEST_F(Hauptfenster, CopiesCarryAnEightBitFormBesideTheUnicodeText) {
    Kategorie("Temperatur (Kelvin, K)");
    Einheit("te_einheit1", "Celsius (°C), Skalen");
    Einheit("te_einheit2", "Fahrenheit (°F), Skalen");
    F<QLineEdit>("te_wert1")->setText(QStringLiteral("−20"));  // the minus sign U+2212
    F<QAbstractButton>("te_copyeinheit2")->click();
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_EQ(daten->text(), QStringLiteral("-4 °F"));
    EXPECT_EQ(daten->data(QString::fromLatin1(ui::Tprog::kAnsiFormat)), QByteArray("-4 \xb0" "F"));
    {
        const QSignalBlocker still(F<QLineEdit>("te_wert2"));
        F<QLineEdit>("te_wert2")->setText(QStringLiteral("−1 Ω"));
    }
    F<QAbstractButton>("te_copyallein2")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(QString::fromLatin1(ui::Tprog::kAnsiFormat)),
              QByteArray("-1 ?"));
}

TEST_F(Hauptfenster, DroppingDraggedRowsMovesThemBeforeTheDropRow) {
    Modus(2);
    QTableView* list = F<QTableView>("list");
    const QString erste = Zelle(0, 2), zweite = Zelle(1, 2), fuenfte = Zelle(4, 2);
    Markieren({0, 1});
    const QModelIndexList gezogen = list->selectionModel()->selectedIndexes();
    // A drop as the platform delivers it: the drag enters, then drops.
    auto ablegen = [&](QMimeData* daten, int zeile) {
        const QPointF ziel = list->visualRect(Tabelle()->index(zeile, 2)).center();
        QDropEvent e(ziel, Qt::CopyAction | Qt::MoveAction, daten, Qt::LeftButton, Qt::NoModifier);
        QDragEnterEvent ein(ziel.toPoint(), Qt::CopyAction | Qt::MoveAction, daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &ein);
        QCoreApplication::sendEvent(list->viewport(), &e);
        delete daten;
    };
    // Data of another origin (another program, another table) move nothing.
    auto* fremd = new QMimeData;
    fremd->setData(QStringLiteral("application/x-quarnelo-table-rows"), "1:2");
    ablegen(fremd, 4);
    EXPECT_EQ(Zelle(0, 2), erste);

    ablegen(Tabelle()->mimeData(gezogen), 4);
    EXPECT_EQ(Zelle(2, 2), erste);
    EXPECT_EQ(Zelle(3, 2), zweite);
    EXPECT_EQ(Zelle(4, 2), fuenfte);
    EXPECT_EQ(Tabelle()->rowCount(), 952);
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 2);
}

TEST_F(Hauptfenster, SwitchingToEnglishResetsCategoryModeAndPrefixes) {
    Kategorie("Volumen (Kubikmeter, m³)");
    Modus(2);
    F<QComboBox>("te_vorsatz2")->setCurrentText(QStringLiteral("k Kilo (*1000)"));
    F<QAction>("Englisch1")->trigger();
    EXPECT_EQ(F<QComboBox>("cb_kategorie")->currentText(), QStringLiteral("Length (Metre, m)"));
    EXPECT_EQ(F<QComboBox>("cb_anzeige")->currentText(), QStringLiteral("Compare two Units"));
    for (const char* b : {"te_vorsatz1", "te_vorsatz2", "te_vorsatz3", "ed_vorsatz", "vgl_vorsatz"})
        EXPECT_EQ(F<QComboBox>(b)->currentText(), QStringLiteral("No Prefix")) << b;
    EXPECT_EQ(Tabelle()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Shortcut"));
    EXPECT_EQ(F<QAction>("pop3")->text(), QStringLiteral("Show this System and General/Metric"));
    EXPECT_EQ(F<QCheckBox>("einheit_festhalten")->text(), QStringLiteral("Hold Value"));
    EXPECT_TRUE(F<QMenu>("Information1")->menuAction()->isVisible());
    EXPECT_FALSE(F<QMenu>("Hilfe1")->menuAction()->isVisible());
    EXPECT_TRUE(F<QAction>("Englisch1")->isChecked());
    EXPECT_EQ(F<ui::Rahmen>("gb2")->Titel(),
              QStringLiteral("Choose your Values and Units. You can type some Characters into the Unit Box."));
    F<QAction>("Deutsch1")->trigger();
    EXPECT_EQ(F<QComboBox>("te_vorsatz1")->currentText(), QStringLiteral("Kein Präfix"));
    EXPECT_EQ(F<QLabel>("Label13")->text(), QStringLiteral("Einheit 1:"));
}

TEST_F(Hauptfenster, FilterKeepsMatchingUnitsAndEmptyingItBringsAllBack) {
    Modus(2);
    F<QLineEdit>("ed_filter")->setText(QStringLiteral("metrisch,meile"));
    for (int i = 0; i < Tabelle()->rowCount(); ++i) {
        const QString key = (Zelle(i, 2) + Zelle(i, 3) + Zelle(i, 4)).toUpper();
        ASSERT_TRUE(key.contains(QStringLiteral("METRISCH")) || key.contains(QStringLiteral("MEILE"))) << i;
    }
    EXPECT_LT(Tabelle()->rowCount(), 952);
    F<QLineEdit>("ed_filter")->clear();
    EXPECT_EQ(Tabelle()->rowCount(), 952);
}

TEST_F(Hauptfenster, TheStartConfigurationIsLoadedOnFirstShowAndSavedOnlyByTheCloseBox) {
    QStringList geladen, gespeichert;
    p.konfigurationLaden = [&](const QString& d, bool start) { geladen.append(d + (start ? "*" : "")); };
    p.konfigurationSpeichern = [&](const QString& d) { gespeichert.append(d); };
    w->show();
    EXPECT_TRUE(geladen.isEmpty());  // no file beside the program

    QFile datei(ordner.filePath(QStringLiteral("Auto.qcf")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    auto zweites = std::make_unique<ui::Tprog>(p);
    zweites->show();
    zweites->show();
    EXPECT_EQ(geladen, QStringList{datei.fileName() + "*"});

    zweites->m_closeClick();
    EXPECT_TRUE(gespeichert.isEmpty());
    zweites->close();  // autosave is "Nie"
    EXPECT_TRUE(gespeichert.isEmpty());
    w->m_konfig_autosave_alles->setChecked(true);
    w->close();
    EXPECT_EQ(gespeichert, QStringList{datei.fileName()});
}

TEST_F(Hauptfenster, TheHintLineRotatesWithTheTimer) {
    EXPECT_TRUE(F<QLabel>("laspenden")->text().endsWith(QStringLiteral("/spenden - Vielen Dank!")));
    w->Timer1Timer();
    EXPECT_TRUE(F<QLabel>("laspenden")->text().endsWith(QStringLiteral("Haben Sie Verbesserungsvorschläge?")));
    w->Timer1Timer();
    w->Timer1Timer();
    EXPECT_TRUE(F<QLabel>("laspenden")->text().endsWith(QStringLiteral("Melden Sie weitere Einheiten")));
}

TEST(Startfenster, MarkerFilesChooseTheLanguageAndGermanWins) {
    QTemporaryDir dir;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(ui::Tstart::SpracheAusMarkern(), QStringLiteral("de"));
    QFile(dir.filePath(QStringLiteral("en"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(ui::Tstart::SpracheAusMarkern(), QStringLiteral("en"));
    QFile(dir.filePath(QStringLiteral("de"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(ui::Tstart::SpracheAusMarkern(), QStringLiteral("de"));
    QDir::setCurrent(vorher);
}

TEST(Startfenster, HandsOverAtTheFourthTickAndHidesItselfAtTheSixth) {
    Aufzeichnung m;
    ui::Programm p;
    p.meldungen = &m;
    ui::Tstart start(p);
    ui::Tprog prog(p);
    p.start = &start;
    p.prog = &prog;
    start.show();
    const bool erwartetGezeigt[] = {false, false, false, true, true, true, true, true};
    const bool erwartetStart[] = {true, true, true, true, true, false, false, false};
    for (int tick = 0; tick < 8; ++tick) {
        start.Timer1Timer();
        EXPECT_EQ(prog.isVisible(), erwartetGezeigt[tick]) << tick + 1;
        EXPECT_EQ(start.isVisible(), erwartetStart[tick]) << tick + 1;
    }
    EXPECT_FALSE(start.Timer1->isActive());
    EXPECT_EQ(!start.findChild<QLabel*>(QStringLiteral("Image1"))->isHidden(), p.spr == QLatin1String("de"));
    p.start = nullptr;
    p.prog = nullptr;
}

}  // namespace

namespace {

// The main window wired to the real configuration files in its program folder.
class Konfigurationsdatei : public Hauptfenster {
protected:
    void SetUp() override {
        Hauptfenster::SetUp();
        p.prog = w.get();
        optionen = std::make_unique<ui::Toptionen>(p);
        p.optionenFenster = optionen.get();
        ui::Verdrahten(p);
        p.adresseOeffnen = nullptr;
    }
    void TearDown() override { p.optionenFenster = nullptr; }
    std::unique_ptr<ui::Toptionen> optionen;
    QString Auto() const { return ordner.filePath(QStringLiteral("Auto.qcf")); }
};

TEST_F(Konfigurationsdatei, ASavedConfigurationReloadsOptionsChecksAndGeometry) {
    w->show();
    p.optionen.rb_general = false;
    p.optionen.rb_fixed = true;
    p.optionen.cb_fixed = QStringLiteral("10");
    p.optionen.cb_stellen = QStringLiteral("2");
    p.optionen.ed_sep = QStringLiteral("  ");
    p.optionen.rb_dsys = false;
    p.optionen.rb_dpunkt = true;
    F<QCheckBox>("cb_insmemo")->setChecked(true);
    F<QTableView>("list")->setColumnWidth(0, 151);
    w->resize(600, 540);
    w->move(40, 30);
    w->m_konfig_autosave_allesClick();
    w->m_konfig_alsstartClick();
    ASSERT_TRUE(QFileInfo(Auto()).isFile());
    EXPECT_TRUE(meldungen.fehler.isEmpty());

    // Everything back to its defaults, then the file again.
    p.optionen = settings::Optionen::MitSystemtrenner(QLatin1Char(','));
    F<QCheckBox>("cb_insmemo")->setChecked(false);
    F<QTableView>("list")->setColumnWidth(0, 130);
    w->resize(517, 514);
    w->m_konfig_autosave_nieClick();
    p.konfigurationLaden(Auto(), false);

    EXPECT_TRUE(p.optionen.rb_fixed);
    EXPECT_FALSE(p.optionen.rb_general);
    EXPECT_EQ(p.optionen.Genauigkeit, 10);
    EXPECT_EQ(p.optionen.Ziffern, 2);
    EXPECT_EQ(p.optionen.ed_sep, QStringLiteral("  "));
    EXPECT_EQ(p.optionen.Dezimaltrenner, QLatin1Char('.'));
    EXPECT_TRUE(F<QCheckBox>("cb_insmemo")->isChecked());
    EXPECT_EQ(F<QTableView>("list")->columnWidth(0), 151);
    EXPECT_EQ(w->width(), 600);
    EXPECT_EQ(w->height(), 540);
    EXPECT_TRUE(w->m_konfig_autosave_alles->isChecked());
    EXPECT_FALSE(w->m_konfig_autosave_nie->isChecked());
    // The options window shows the loaded record.
    EXPECT_TRUE(optionen->findChild<QRadioButton*>(QStringLiteral("rb_fixed"))->isChecked());
    EXPECT_EQ(optionen->findChild<QComboBox*>(QStringLiteral("cb_fixed"))->currentText(), QStringLiteral("10"));
    EXPECT_TRUE(optionen->findChild<QRadioButton*>(QStringLiteral("rb_dpunkt"))->isChecked());
    // The view is rebuilt with the loaded options: fixed format, point.
    Tippen("te_wert1", "1");
    EXPECT_EQ(Text("te_wert2"), QStringLiteral("39.37"));
}

TEST_F(Konfigurationsdatei, AlwaysSavesOnTheCloseBoxButNotOnCloseFromTheMenu) {
    w->show();
    w->m_konfig_autosave_allesClick();
    w->m_closeClick();
    EXPECT_FALSE(QFileInfo::exists(Auto()));
    w->show();
    w->close();
    EXPECT_TRUE(QFileInfo(Auto()).isFile());
    EXPECT_FALSE(w->isVisible());

    // "Nie": the close box writes nothing.
    ASSERT_TRUE(QFile::remove(Auto()));
    w->m_konfig_autosave_nieClick();
    w->show();
    w->close();
    EXPECT_FALSE(QFileInfo::exists(Auto()));
}

TEST_F(Konfigurationsdatei, AFailedSaveOnClosingIsShownAndTheWindowStaysOpen) {
    // A folder where the file should be: the file cannot be created.
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Auto.qcf")));
    w->show();
    w->m_konfig_autosave_allesClick();
    w->close();
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(meldungen.fehler.size(), 1);
    EXPECT_TRUE(meldungen.fehler[0].contains(QStringLiteral("Auto.qcf"))) << meldungen.fehler[0].toStdString();
    w->m_konfig_autosave_nieClick();
    w->close();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(Konfigurationsdatei, AMaximizedStartConfigurationMaximizesAtTheFirstActivation) {
    QFile datei(Auto());
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("[SP]\r\nPF=1\r\nPB=300\r\n");
    datei.close();
    w->show();  // loads the start configuration
    EXPECT_EQ(w->Tag, 0);
    EXPECT_EQ(w->width(), 517);  // PB is not used when PF is set
    QEvent aktiv(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w.get(), &aktiv);
    EXPECT_EQ(w->Tag, 1);
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
}

TEST_F(Konfigurationsdatei, ALoadOfAMissingFileChangesNoSettingButResetsTheView) {
    Kategorie("Temperatur (Kelvin, K)");
    const settings::Optionen vorher = p.optionen;
    p.konfigurationLaden(ordner.filePath(QStringLiteral("fehlt.qcf")), false);
    EXPECT_EQ(p.optionen.cb_stellen, vorher.cb_stellen);
    EXPECT_EQ(p.optionen.rb_general, vorher.rb_general);
    EXPECT_EQ(F<QComboBox>("cb_kategorie")->currentText(), QStringLiteral("Länge (Meter, m)"));
    EXPECT_TRUE(meldungen.fehler.isEmpty());
}

}  // namespace

namespace {

// Every window of the program over a temporary program folder, optionally
// wired to the real files; the start window's timer stays still.
struct Programmlauf {
    QTemporaryDir ordner;
    Aufzeichnung meldungen;
    ui::Programm p;
    explicit Programmlauf(bool mitDateien) {
        p.meldungen = &meldungen;
        p.programmOrdner = ordner.path();
        if (mitDateien) ui::Verdrahten(p);
        ui::FensterErzeugen(p);
        p.start->Timer1->stop();
    }
    ~Programmlauf() { ui::FensterFreigeben(p); }
};

// The main window with every window of the program, and the opened addresses recorded.
class Menues : public ::testing::Test {
protected:
    void SetUp() override {
        p.adresseOeffnen = [this](const QString& a) { adressen.append(a); };
    }

    QAction* Aktion(const char* name) {
        auto* a = p.prog->findChild<QAction*>(QString::fromLatin1(name));
        if (!a) ADD_FAILURE() << "no menu item " << name;
        return a;
    }
    Programmlauf lauf{false};
    ui::Programm& p = lauf.p;
    QStringList adressen;
};

TEST_F(Menues, HelpItemsShowTheirPageOfTheHelpWindowOfTheirLanguage) {
    struct Fall {
        const char* aktion;
        bool deutsch;
        int seite;
    };
    const Fall faelle[] = {{"Funktionen2", true, ui::Thilfe::pc_hilfe},
                           {"Empfehlungen1", true, ui::Thilfe::pc_empf},
                           {"Software1", true, ui::Thilfe::pc_software},
                           {"WiesoSpenden1", true, ui::Thilfe::pc_spenden},
                           {"Lizenz1", true, ui::Thilfe::pc_lizenz},
                           {"KurzbeschreibungallerProgramme1", true, ui::Thilfe::pc_software},
                           {"Introduction1", false, ui::Thilfe::pc_hilfe},
                           {"Regards1", false, ui::Thilfe::pc_empf},
                           {"Software2", false, ui::Thilfe::pc_software},
                           {"WhyDonate1", false, ui::Thilfe::pc_spenden},
                           {"Licence1", false, ui::Thilfe::pc_lizenz},
                           {"BriefDescriptionoftheSoftware1", false, ui::Thilfe::pc_software}};
    for (const Fall& f : faelle) {
        p.hilfe->hide();
        p.hilfe_en->hide();
        Aktion(f.aktion)->trigger();
        ui::Hilfefenster* h = f.deutsch ? static_cast<ui::Hilfefenster*>(p.hilfe) : p.hilfe_en;
        ui::Hilfefenster* andere = f.deutsch ? static_cast<ui::Hilfefenster*>(p.hilfe_en) : p.hilfe;
        EXPECT_TRUE(h->isVisible()) << f.aktion;
        EXPECT_FALSE(andere->isVisible()) << f.aktion;
        EXPECT_EQ(h->pc->currentIndex(), f.seite) << f.aktion;
    }
}

TEST_F(Menues, TheReportItemShowsTheReportWindowOfTheLanguage) {
    for (const char* spr : {"de", "en", "fr"}) {
        p.bugreport_de->hide();
        p.bugreport_en->hide();
        p.spr = QString::fromLatin1(spr);
        Aktion("m_bugreport")->trigger();
        const bool de = p.spr == QLatin1String("de");
        EXPECT_EQ(p.bugreport_de->isVisible(), de) << spr;
        EXPECT_EQ(p.bugreport_en->isVisible(), !de) << spr;
    }
}

TEST_F(Menues, WebItemsOpenTheirAddressWithTheMenuLetter) {
    QMenu* info = p.prog->findChild<QMenu*>(QStringLiteral("Information1"));
    QMenu* hilfe = p.prog->findChild<QMenu*>(QStringLiteral("Hilfe1"));
    QMenu* softEn = p.prog->findChild<QMenu*>(QStringLiteral("m_soft_en"));
    ASSERT_TRUE(info && hilfe && softEn);
    struct Fall {
        QMenu* menue;
        QString beschriftung;
        const char* adresse;
    };
    const Fall faelle[] = {
        {info, QStringLiteral("www.quarnelo.com/quarnelo-help - Introduction to this Software"),
         "https://www.quarnelo.com/quarnelo-help&rf=qnm"},
        {info, QStringLiteral("www.quarnelo.com"), "https://www.quarnelo.com/&rf=qnm"},
        {hilfe, QStringLiteral("www.quarnelo.de"), "https://www.quarnelo.de/&rf=qnm"},
        {hilfe, QStringLiteral("www.quarnelo.de/spenden - Wenn Sie diese Anwendung mögen"),
         "https://www.quarnelo.de/spenden&rf=qnm"},
        {softEn, QStringLiteral("www.quarnelo.com/individual-fit - Individual Adaption of existing Software"),
         "https://www.quarnelo.com/individual-fit&rf=qnm"},
    };
    for (const Fall& f : faelle) {
        QAction* gefunden = nullptr;
        for (QAction* a : f.menue->actions())
            if (a->text() == f.beschriftung) gefunden = a;
        ASSERT_NE(gefunden, nullptr) << f.beschriftung.toStdString();
        adressen.clear();
        gefunden->trigger();
        EXPECT_EQ(adressen, QStringList{QString::fromLatin1(f.adresse)});
    }
    // The donation line of the main window keeps "s".
    adressen.clear();
    p.prog->laspendenClick();
    ASSERT_EQ(adressen.size(), 1);
    EXPECT_TRUE(adressen[0].endsWith(QStringLiteral("&rf=qns"))) << adressen[0].toStdString();
    EXPECT_FALSE(adressen[0].contains(QStringLiteral(" - ")));
}

}  // namespace

namespace {

TEST(Zusammenspiel, AUnitSavedInTheEditorIsOfferedByTheMainWindowInANewCategory) {
    Programmlauf lauf(true);
    ui::Programm& p = lauf.p;
    const Aufzeichnung& meldungen = lauf.meldungen;

    auto feld = [&](const char* name, const char* text) {
        p.userunits->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    };
    p.userunits->findChild<QComboBox*>(QStringLiteral("cb_kategorie"))->setEditText(QStringLiteral("Eigene"));
    feld("ed_einheit", "Halbmeter");
    feld("ed_abk", "hm");
    feld("ed_ordnung", "Eigene");
    feld("ed_faktor", "0,5");
    p.userunits->AddClick();
    p.userunits->SpeichernClick();
    EXPECT_TRUE(meldungen.fehler.isEmpty());
    EXPECT_TRUE(meldungen.hinweise.isEmpty());

    // The main window lists the category and converts with the unit.
    QComboBox* kategorie = p.prog->cb_kategorie;
    ASSERT_GE(kategorie->findText(QStringLiteral("Eigene")), 0);
    kategorie->setCurrentText(QStringLiteral("Eigene"));
    QComboBox* einheit = p.prog->te_einheit1;
    EXPECT_GE(einheit->findText(QStringLiteral("Halbmeter (hm), Eigene")), 0);
}

}  // namespace

namespace {

// The ways the program ends, run in the application's event loop with "Immer"
// checked: the menu's "Close" never saves; the close box saves, and a failed
// save keeps the program running.
TEST(Beenden, OnlyTheCloseBoxSavesAndAFailedSaveKeepsTheProgramRunning) {
    struct Fall {
        bool schliessfeld;  // the close box, else the menu's "Close"
        bool unschreibbar;  // Auto.qcf cannot be written
        int rc;             // 0: the loop ended by the program, 1: still running
        bool gespeichert;
        int fehler;
    };
    const Fall faelle[] = {{false, false, 0, false, 0},
                           {false, true, 0, false, 0},
                           {true, false, 0, true, 0},
                           {true, true, 1, false, 1}};
    for (const Fall& f : faelle) {
        Programmlauf lauf(true);
        ui::Programm& p = lauf.p;
        const QTemporaryDir& ordner = lauf.ordner;
        const Aufzeichnung& meldungen = lauf.meldungen;
        const QString autoQcf = ordner.filePath(QStringLiteral("Auto.qcf"));
        if (f.unschreibbar) {
            ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Auto.qcf")));
        }
        p.prog->show();
        p.prog->m_konfig_autosave_allesClick();

        QTimer::singleShot(0, p.prog, [&] {
            if (f.schliessfeld)
                p.prog->close();
            else
                p.prog->m_closeClick();
        });
        QTimer notbremse;
        notbremse.setSingleShot(true);
        QObject::connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        notbremse.start(1500);
        EXPECT_EQ(QApplication::exec(), f.rc) << f.schliessfeld << f.unschreibbar;
        EXPECT_EQ(QFileInfo(autoQcf).isFile(), f.gespeichert) << f.schliessfeld << f.unschreibbar;
        EXPECT_EQ(meldungen.fehler.size(), f.fehler) << f.schliessfeld << f.unschreibbar;
        EXPECT_EQ(p.prog->isVisible(), f.rc == 1);
    }
}

}  // namespace

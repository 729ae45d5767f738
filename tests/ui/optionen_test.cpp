// The options window driven by component name, with the real main window as
// its preview, on the offscreen platform.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "ui/programm.h"
#include "ui/u_optionen.h"
#include "ui/u_prog.h"
#include "ui/verweise.h"

using namespace quarnelo;

namespace {

struct Aufzeichnung : ui::Meldungen {
    QStringList fehler, hinweise, fragen;
    void Fehler(const QString& t) override { fehler.append(t); }
    void Hinweis(const QString& t) override { hinweise.append(t); }
    bool Frage(const QString& t) override {
        fragen.append(t);
        return false;
    }
};

class Optionsfenster : public ::testing::Test {
protected:
    void SetUp() override { Aufbauen(QLatin1Char(',')); }
    void TearDown() override {
        EXPECT_TRUE(meldungen.fehler.isEmpty()) << meldungen.fehler.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(meldungen.hinweise.isEmpty());
        Abbauen();
    }

    // The windows in the order of the program: options first, then the main
    // window that reads them while it builds its first view.
    void Aufbauen(QChar system) {
        Abbauen();
        p = std::make_unique<ui::Programm>();
        p->meldungen = &meldungen;
        p->programmOrdner = ordner.path();
        p->optionen = settings::Optionen::MitSystemtrenner(system);
        p->adresseOeffnen = [this](const QString& a) { adressen.append(a); };
        fenster = std::make_unique<ui::Toptionen>(*p);
        p->optionenFenster = fenster.get();
        prog = std::make_unique<ui::Tprog>(*p);
        p->prog = prog.get();
    }
    void Abbauen() {
        prog.reset();
        fenster.reset();
        p.reset();
    }

    template <class T>
    T* F(const char* name) {
        T* c = fenster->findChild<T*>(QString::fromLatin1(name));
        if (!c) ADD_FAILURE() << "no control " << name;
        return c;
    }
    QComboBox* Box(const char* name) { return F<QComboBox>(name); }
    QAbstractButton* Knopf(const char* name) { return F<QAbstractButton>(name); }
    // The caption of a control, whatever its kind.
    QString Text(const char* name) {
        QWidget* w = F<QWidget>(name);
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        ADD_FAILURE() << name << " has no caption";
        return {};
    }
    void Tippen(QLineEdit* e, const QString& text) {
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    void Tippen(const char* name, const char* text) {
        QWidget* w = F<QWidget>(name);
        auto* e = qobject_cast<QLineEdit*>(w);
        if (auto* b = qobject_cast<QComboBox*>(w)) e = b->lineEdit();
        ASSERT_NE(e, nullptr) << name;
        Tippen(e, QString::fromUtf8(text));
    }
    // The main window, the preview of the options.
    QString Wert(int zeile) { return zeile == 1 ? prog->te_wert1->text() : prog->te_wert2->text(); }
    void WertTippen(const char* text) { Tippen(prog->te_wert1, QString::fromUtf8(text)); }
    settings::Optionen& o() { return p->optionen; }

    QTemporaryDir ordner;
    Aufzeichnung meldungen;
    QStringList adressen;
    std::unique_ptr<ui::Programm> p;
    std::unique_ptr<ui::Toptionen> fenster;
    std::unique_ptr<ui::Tprog> prog;
};

// The main window starts on metres against inches: 1 m is 39.37007874015748 in.

TEST_F(Optionsfenster, TheControlsShowTheDefaultRecordAndTheNumberBoxesTheirLists) {
    for (const char* r : {"rb_general", "rb_abk", "rb_dsys"}) EXPECT_TRUE(Knopf(r)->isChecked()) << r;
    for (const char* r : {"rb_fixed", "rb_exponent", "rb_einh", "rb_dcomma", "rb_dpunkt", "cb_autopref"})
        EXPECT_FALSE(Knopf(r)->isChecked()) << r;
    EXPECT_TRUE(Knopf("cb_bruch")->isChecked());
    EXPECT_TRUE(Knopf("cb_ersteunit")->isChecked());
    const std::pair<const char*, const char*> texte[] = {{"ed_sep", " "}, {"ed_sep_pe", "-"}, {"ed_sep_pa", ""},
                                                         {"ed_ersteunit", "/"}};
    for (const auto& [name, text] : texte) EXPECT_EQ(F<QLineEdit>(name)->text(), QString::fromLatin1(text)) << name;

    const struct {
        const char* name;
        int bis;
        const char* text;
    } boxen[] = {{"cb_stellen", 18, "6"}, {"cb_fixed", 18, "18"}, {"cb_general", 4, "3"}, {"cb_exponent", 4, "3"}};
    for (const auto& b : boxen) {
        QComboBox* c = Box(b.name);
        EXPECT_TRUE(c->isEditable()) << b.name;
        EXPECT_EQ(c->currentText(), QString::fromLatin1(b.text)) << b.name;
        ASSERT_EQ(c->count(), b.bis + 1) << b.name;
        for (int i = 0; i <= b.bis; ++i) EXPECT_EQ(c->itemText(i), QString::number(i)) << b.name;
    }
    // Each group keeps exactly one radio on.
    Knopf("rb_exponent")->click();
    EXPECT_FALSE(Knopf("rb_general")->isChecked());
    Knopf("rb_einh")->click();
    EXPECT_TRUE(Knopf("rb_exponent")->isChecked());
    EXPECT_FALSE(Knopf("rb_abk")->isChecked());
}

TEST_F(Optionsfenster, TwelveDecimalPlacesUnderFixedLengthRedrawTheMainWindowAtOnce) {
    WertTippen("5");
    ASSERT_EQ(Wert(2), QStringLiteral("196,85"));

    // The view is rebuilt: back to 1 m, now with six decimal places.
    Knopf("rb_fixed")->click();
    EXPECT_TRUE(o().rb_fixed);
    EXPECT_FALSE(o().rb_general);
    EXPECT_EQ(o().Genauigkeit, 18);
    EXPECT_EQ(o().Ziffern, 6);
    EXPECT_EQ(Wert(1), QStringLiteral("1"));
    EXPECT_EQ(Wert(2), QStringLiteral("39,370079"));

    Tippen("cb_stellen", "12");
    EXPECT_EQ(o().cb_stellen, QStringLiteral("12"));
    EXPECT_EQ(o().Ziffern, 12);
    EXPECT_EQ(Wert(2), QStringLiteral("39,370078740157"));
    WertTippen("5");
    EXPECT_EQ(Wert(2), QStringLiteral("196,850393700787"));

    // Scientific takes its significant digits from the same box and the
    // exponent digits from its own.
    Knopf("rb_exponent")->click();
    EXPECT_EQ(o().Genauigkeit, 12);
    EXPECT_EQ(o().Ziffern, 3);
    EXPECT_TRUE(Wert(2).startsWith(QStringLiteral("3,93700787402E"))) << Wert(2).toStdString();
    Knopf("rb_general")->click();
    EXPECT_EQ(o().Genauigkeit, 12);
    EXPECT_EQ(Wert(2), QStringLiteral("39,3700787402"));
}

TEST_F(Optionsfenster, AComboTextThatIsNoWholeNumberIsKeptButChangesNoValue) {
    WertTippen("5");
    Tippen("cb_general", "x");
    EXPECT_EQ(o().cb_general, QStringLiteral("x"));
    EXPECT_EQ(Box("cb_general")->currentText(), QStringLiteral("x"));
    EXPECT_EQ(o().Genauigkeit, 6);
    EXPECT_EQ(o().Ziffern, 3);
    // Redrawn with the old values.
    EXPECT_EQ(Wert(1), QStringLiteral("1"));
    EXPECT_EQ(Wert(2), QStringLiteral("39,3701"));

    // Picking from the list is a change of the text as well.
    Box("cb_stellen")->setCurrentIndex(2);
    EXPECT_EQ(o().cb_stellen, QStringLiteral("2"));
    EXPECT_EQ(o().Genauigkeit, 2);
    EXPECT_EQ(o().Ziffern, 3);
    EXPECT_EQ(Wert(2), QStringLiteral("39"));
}

TEST_F(Optionsfenster, TheSeparatorRadiosRedrawWithTheirSeparatorAndSystemGoesBack) {
    for (const QChar system : {QLatin1Char(','), QLatin1Char('.')}) {
        SCOPED_TRACE(std::string(1, system.toLatin1()));
        Aufbauen(system);
        const auto inch = [](QChar t) { return QStringLiteral("39") + t + QStringLiteral("3701"); };
        ASSERT_EQ(Wert(2), inch(system));

        Knopf("rb_dpunkt")->click();
        EXPECT_EQ(o().Dezimaltrenner, QLatin1Char('.'));
        EXPECT_TRUE(o().rb_dpunkt);
        EXPECT_FALSE(o().rb_dsys);
        EXPECT_EQ(Wert(2), inch(QLatin1Char('.')));

        Knopf("rb_dcomma")->click();
        EXPECT_EQ(o().Dezimaltrenner, QLatin1Char(','));
        EXPECT_TRUE(o().rb_dcomma);
        EXPECT_FALSE(o().rb_dpunkt);
        EXPECT_EQ(Wert(2), inch(QLatin1Char(',')));
        // Both characters still read as decimal separators.
        WertTippen("1.5");
        EXPECT_EQ(Wert(2), QStringLiteral("59,0551"));

        Knopf("rb_dsys")->click();
        EXPECT_EQ(o().Dezimaltrenner, system);
        EXPECT_EQ(o().SystemDezimaltrenner, system);
        EXPECT_TRUE(o().rb_dsys);
        EXPECT_FALSE(o().rb_dcomma);
        EXPECT_EQ(Wert(2), inch(system));

        // The examples stay as they are designed.
        EXPECT_EQ(Text("Label13"), QStringLiteral("120,00"));
        EXPECT_EQ(Text("Label15"), QStringLiteral("1,2E2"));
    }
}

TEST_F(Optionsfenster, ControlsWithoutHandlerOnlyWriteTheirField) {
    // A third of an inch, written as a fraction while cb_bruch is on.
    WertTippen("0,0254/3");
    ASSERT_EQ(Wert(2), QStringLiteral("1/3"));
    WertTippen("5");
    const struct {
        const char* name;
        std::function<void()> aendern;
        std::function<bool(const settings::Optionen&)> feld;
    } faelle[] = {
        {"cb_bruch", [&] { Knopf("cb_bruch")->click(); }, [](const auto& x) { return !x.cb_bruch; }},
        {"cb_autopref", [&] { Knopf("cb_autopref")->click(); }, [](const auto& x) { return x.cb_autopref; }},
        {"cb_ersteunit", [&] { Knopf("cb_ersteunit")->click(); }, [](const auto& x) { return !x.cb_ersteunit; }},
        {"ed_sep", [&] { Tippen("ed_sep", "__"); }, [](const auto& x) { return x.ed_sep == QStringLiteral("__"); }},
        {"ed_sep_pe", [&] { Tippen("ed_sep_pe", "+"); }, [](const auto& x) { return x.ed_sep_pe == QStringLiteral("+"); }},
        {"ed_sep_pa", [&] { Tippen("ed_sep_pa", "·"); }, [](const auto& x) { return x.ed_sep_pa == QStringLiteral("·"); }},
        {"ed_ersteunit", [&] { Tippen("ed_ersteunit", " oder "); },
         [](const auto& x) { return x.ed_ersteunit == QStringLiteral(" oder "); }},
        {"rb_einh", [&] { Knopf("rb_einh")->click(); }, [](const auto& x) { return x.rb_einh && !x.rb_abk; }},
        {"rb_abk", [&] { Knopf("rb_abk")->click(); }, [](const auto& x) { return x.rb_abk && !x.rb_einh; }},
    };
    for (const auto& f : faelle) {
        f.aendern();
        EXPECT_TRUE(f.feld(o())) << f.name;
        // No redraw: the main window still shows what was typed.
        EXPECT_EQ(Wert(1), QStringLiteral("5")) << f.name;
        EXPECT_EQ(Wert(2), QStringLiteral("196,85")) << f.name;
    }
    // The fields apply the next time the main window computes: no fraction,
    // and with automatic prefixes a milli-inch.
    Knopf("cb_autopref")->click();
    WertTippen("0,0254/3");
    EXPECT_EQ(Wert(2), QStringLiteral("0,333333"));
    Knopf("cb_autopref")->click();
    WertTippen("0,0254/3");
    EXPECT_EQ(Wert(2), QStringLiteral("333,333"));
    EXPECT_TRUE(prog->te_vorsatz2->currentText().startsWith(QStringLiteral("m Milli"))) << prog->te_vorsatz2->currentText().toStdString();
}

TEST_F(Optionsfenster, ALanguageSwitchChangesEveryCaptionButNotTheExamplesAndOk) {
    const struct {
        const char* name;
        const char* de;
        const char* en;
    } texte[] = {
        {"gb1", "Formatierung der Zahlenwerte", "Format of the Values"},
        {"rb_general", "Einfach", "General"},
        {"rb_fixed", "Feste Länge", "Fixed Length"},
        {"rb_exponent", "Wissenschaftlich", "Scientific"},
        {"Label10", "Exponent-Stellen:", "Exponent-Places:"},
        {"Label12", "Stellen vor Komma:", "Digits before Point:"},
        {"Label14", "Exponent-Stellen:", "Exponent-Places:"},
        {"Label2", "Jeweils verwendete Nachkommastellen:", "Each with this Number of Decimal Places:"},
        {"cb_autopref", "Automatisch Präfixe setzen (1000 m -> 1 km)", "Set Prefixes automatically (1000 m -> 1 km)"},
        {"cb_bruch", "Bruchschreibweise anwenden (0,3333.. -> 1/3)", "Use Fractions (0.3333.. -> 1/3)"},
        {"gb2", "Formatierung der Einheitenbezeichnungen", "Format of the Units"},
        {"Label1", "Zeichen zwischen Wert und Einheit:", "Character between Value and Unit:"},
        {"Label3", "Zeichen zwischen Präfix und Einheit:", "Character between Prefix and Unit:"},
        {"Label4", "Zeichen zwischen Präfix und Abkürzung:", "Character between Prefix and Shortcut:"},
        {"cb_ersteunit", "Einheit nach diesem Zeichen abschneiden:", "Cut Unit after this Character:"},
        {"rb_abk", "Abkürzung bevorzugen", "Prefer Shortcuts"},
        {"rb_einh", "Vollen Einheitennamen bevorzugen", "Prefer full Names of Units"},
        {"gb3", "Dezimal Trenner", "Decimal Separator"},
        {"rb_dcomma", "Komma (1,0)", "Comma (1,0)"},
        {"rb_dpunkt", "Punkt (1.0)", "Point (1.0)"},
        {"rb_dsys", "System", "System"},
        {"Label9", "Hilfe erhalten Sie auf:", "For help you can go to:"},
        {"Label11", "120", "120"},
        {"Label13", "120,00", "120,00"},
        {"Label15", "1,2E2", "1,2E2"},
        {"OK", "OK", "OK"},
    };
    const auto pruefen = [&](bool de) {
        SCOPED_TRACE(p->spr.toStdString());
        EXPECT_EQ(fenster->windowTitle(), de ? QStringLiteral("Optionen") : QStringLiteral("Options"));
        for (const auto& t : texte) EXPECT_EQ(Text(t.name), QString::fromUtf8(de ? t.de : t.en)) << t.name;
        EXPECT_EQ(Text("laspenden"), de ? ui::SeiteDe() + QStringLiteral("/quarnelo-hilfe")
                                        : ui::SeiteInt() + QStringLiteral("/quarnelo-help"));
    };
    pruefen(true);
    fenster->show();
    for (const char* spr : {"en", "de", "fr"}) {
        p->spr = QString::fromLatin1(spr);
        prog->sprachealles();
        pruefen(p->spr == QLatin1String("de"));
    }
    // The switch keeps the options.
    Knopf("rb_dpunkt")->click();
    p->spr = QStringLiteral("de");
    prog->sprachealles();
    EXPECT_TRUE(Knopf("rb_dpunkt")->isChecked());
    EXPECT_EQ(o().Dezimaltrenner, QLatin1Char('.'));
}

TEST_F(Optionsfenster, EveryTextFitsItsControlInBothLanguages) {
    fenster->show();
    for (const char* spr : {"de", "en"}) {
        p->spr = QString::fromLatin1(spr);
        prog->sprachealles();
        QApplication::processEvents();
        const QRect innen = fenster->rect();
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty() || !w->parentWidget()) continue;
            const std::string name = w->objectName().toStdString() + " (" + spr + ")";
            if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << name;
                EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
            }
            if (auto* g = qobject_cast<QGroupBox*>(w)) {
                EXPECT_GE(g->width(), g->minimumSizeHint().width()) << name;
            }
            // Inside its parent and inside the window.
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name;
            const QRect imFenster(w->mapTo(fenster.get(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(innen.contains(imFenster)) << name;
        }
    }
}

TEST_F(Optionsfenster, AnzeigenShowsAReplacedRecordWithoutRunningAHandler) {
    WertTippen("5");
    settings::Optionen neu = settings::Optionen::MitSystemtrenner(QLatin1Char(','));
    neu.rb_general = false;
    neu.rb_exponent = true;
    neu.cb_general = QStringLiteral("2");
    neu.cb_fixed = QStringLiteral("7");
    neu.cb_exponent = QStringLiteral("4");
    neu.cb_stellen = QStringLiteral("abc");
    neu.cb_autopref = true;
    neu.cb_bruch = false;
    neu.ed_sep = QString();
    neu.ed_sep_pe = QStringLiteral("~");
    neu.ed_sep_pa = QStringLiteral("'");
    neu.cb_ersteunit = false;
    neu.ed_ersteunit = QStringLiteral(";;");
    neu.rb_abk = false;
    neu.rb_einh = true;
    neu.rb_dsys = false;
    neu.rb_dpunkt = true;
    neu.Genauigkeit = 9;
    neu.Ziffern = 1;
    neu.Dezimaltrenner = QLatin1Char('.');
    o() = neu;
    fenster->Anzeigen();

    const std::pair<const char*, bool> knoepfe[] = {
        {"rb_general", false}, {"rb_fixed", false},    {"rb_exponent", true}, {"cb_autopref", true},
        {"cb_bruch", false},   {"cb_ersteunit", false}, {"rb_abk", false},     {"rb_einh", true},
        {"rb_dsys", false},    {"rb_dcomma", false},   {"rb_dpunkt", true}};
    for (const auto& [name, an] : knoepfe) EXPECT_EQ(Knopf(name)->isChecked(), an) << name;
    const std::pair<const char*, const char*> texte[] = {
        {"cb_general", "2"}, {"cb_fixed", "7"}, {"cb_exponent", "4"}, {"cb_stellen", "abc"}};
    for (const auto& [name, text] : texte) EXPECT_EQ(Box(name)->currentText(), QString::fromLatin1(text)) << name;
    EXPECT_EQ(Box("cb_fixed")->currentIndex(), 7);
    EXPECT_EQ(F<QLineEdit>("ed_sep")->text(), QString());
    EXPECT_EQ(F<QLineEdit>("ed_sep_pe")->text(), QStringLiteral("~"));
    EXPECT_EQ(F<QLineEdit>("ed_sep_pa")->text(), QStringLiteral("'"));
    EXPECT_EQ(F<QLineEdit>("ed_ersteunit")->text(), QStringLiteral(";;"));

    // The record is untouched and the main window not redrawn.
    EXPECT_EQ(o().cb_stellen, QStringLiteral("abc"));
    EXPECT_EQ(o().cb_fixed, QStringLiteral("7"));
    EXPECT_TRUE(o().rb_exponent);
    EXPECT_FALSE(o().rb_general);
    EXPECT_TRUE(o().rb_einh);
    EXPECT_TRUE(o().rb_dpunkt);
    EXPECT_EQ(o().Genauigkeit, 9);
    EXPECT_EQ(o().Ziffern, 1);
    EXPECT_EQ(o().Dezimaltrenner, QLatin1Char('.'));
    EXPECT_EQ(Wert(1), QStringLiteral("5"));

    // The controls go on working from there, each group with one radio on.
    Knopf("rb_general")->click();
    EXPECT_FALSE(o().rb_exponent);
    EXPECT_FALSE(Knopf("rb_exponent")->isChecked());
    EXPECT_EQ(o().Genauigkeit, 9);  // "abc" leaves it
    EXPECT_EQ(o().Ziffern, 2);
    EXPECT_EQ(Wert(2), QStringLiteral("39.3700787"));
    Knopf("rb_dsys")->click();
    EXPECT_FALSE(Knopf("rb_dpunkt")->isChecked());
    EXPECT_EQ(Wert(2), QStringLiteral("39,3700787"));
}

TEST_F(Optionsfenster, TheHelpLinkOpensTheHelpPageOfTheLanguage) {
    fenster->show();
    QLabel* link = F<QLabel>("laspenden");
    EXPECT_TRUE(link->font().bold());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(98, 39, 80));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(link, Qt::LeftButton);
    p->spr = QStringLiteral("en");
    prog->sprachealles();
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(adressen, QStringList({QStringLiteral("https://") + ui::SeiteDe() + QStringLiteral("/quarnelo-hilfe&rf=qns"),
                                     QStringLiteral("https://") + ui::SeiteInt() + QStringLiteral("/quarnelo-help&rf=qns")}));
    // Another button opens nothing.
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_EQ(adressen.size(), 2);
}

TEST_F(Optionsfenster, AFixedWindowOnTopThatOkCloseBoxAndEscapeHideWithItsValues) {
    const Qt::WindowFlags flags = fenster->windowFlags();
    for (const Qt::WindowType f : {Qt::Window, Qt::CustomizeWindowHint, Qt::WindowTitleHint, Qt::WindowCloseButtonHint,
                                   Qt::WindowStaysOnTopHint})
        EXPECT_TRUE(flags.testFlag(f)) << f;
    for (const Qt::WindowType f : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        EXPECT_FALSE(flags.testFlag(f)) << f;
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    EXPECT_GE(fenster->width(), 356);
    EXPECT_GE(fenster->height(), 440);
    EXPECT_EQ(fenster->windowModality(), Qt::NonModal);
    EXPECT_TRUE(F<QPushButton>("OK")->isDefault());
    EXPECT_TRUE(fenster->isHidden());

    // Shown from the main menu, centred on the screen and not modal.
    prog->m_einstoptClick();
    ASSERT_TRUE(fenster->isVisible());
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    // Centred up to the width of the frame.
    EXPECT_LE((fenster->frameGeometry().center() - schirm.center()).manhattanLength(), 6);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    Tippen("cb_stellen", "9");
    const std::pair<const char*, std::function<void()>> wege[] = {
        {"OK", [&] { Knopf("OK")->click(); }},
        {"close box", [&] { fenster->close(); }},
        {"Escape", [&] { QTest::keyClick(Box("cb_stellen")->lineEdit(), Qt::Key_Escape); }},
        {"Enter in an edit", [&] { QTest::keyClick(F<QLineEdit>("ed_sep"), Qt::Key_Return); }},
        {"Enter in a number box", [&] { QTest::keyClick(Box("cb_fixed")->lineEdit(), Qt::Key_Enter); }},
    };
    for (const auto& [weg, ausfuehren] : wege) {
        prog->m_einstoptClick();
        ASSERT_TRUE(fenster->isVisible()) << weg;
        ausfuehren();
        EXPECT_TRUE(fenster->isHidden()) << weg;
        EXPECT_EQ(Box("cb_stellen")->currentText(), QStringLiteral("9")) << weg;
        EXPECT_EQ(o().cb_stellen, QStringLiteral("9")) << weg;
        EXPECT_EQ(o().Genauigkeit, 9) << weg;
    }
    EXPECT_TRUE(prog->te_wert1->isVisibleTo(prog.get()));
}

}  // namespace

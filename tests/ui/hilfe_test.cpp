// The help and report windows driven by component name on the offscreen
// platform; opened addresses are recorded.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "ui/programm.h"
#include "ui/softwareliste.h"
#include "ui/u_bugreport_de.h"
#include "ui/u_bugreport_en.h"
#include "ui/u_hilfe.h"
#include "ui/u_hilfe_en.h"
#include "ui/verweislabel.h"

using namespace quarnelo;
using ui::Thilfe;

namespace {

const char* const kSeiten[] = {"pc_hilfe", "pc_empf", "pc_software", "pc_spenden", "pc_lizenz"};

class Nebenfenster : public ::testing::Test {
protected:
    void SetUp() override {
        p.adresseOeffnen = [this](const QString& a) { adressen.append(a); };
        hilfe = std::make_unique<ui::Thilfe>(p);
        hilfe_en = std::make_unique<ui::Thilfe_en>(p);
        bericht_de = std::make_unique<ui::Tbugreport_de>(p);
        bericht_en = std::make_unique<ui::Tbugreport_en>(p);
    }

    ui::Hilfefenster* Hilfe(bool deutsch) {
        return deutsch ? static_cast<ui::Hilfefenster*>(hilfe.get()) : hilfe_en.get();
    }
    template <class T>
    static T* F(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c) ADD_FAILURE() << "no control " << name << " in " << w->objectName().toStdString();
        return c;
    }
    static QString Aktiv(ui::Hilfefenster* w) { return w->pc->currentWidget()->objectName(); }
    static QStringList Texte(QWidget* w) {
        QStringList t;
        for (QLabel* l : w->findChildren<QLabel*>()) t.append(l->text());
        return t;
    }
    // A mouse event with the left button, at `lokal` within `w`.
    static void Maus(QWidget* w, QEvent::Type art, QPoint lokal, Qt::MouseButtons gedrueckt) {
        QMouseEvent e(art, lokal, w->mapToGlobal(lokal), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      gedrueckt, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    ui::Programm p;
    QStringList adressen;
    std::unique_ptr<ui::Thilfe> hilfe;
    std::unique_ptr<ui::Thilfe_en> hilfe_en;
    std::unique_ptr<ui::Tbugreport_de> bericht_de;
    std::unique_ptr<ui::Tbugreport_en> bericht_en;
};

TEST_F(Nebenfenster, ShowingAPageShowsTheWindowWithThatPageAndItsCaption) {
    struct Fall {
        bool deutsch;
        const char* titel[5];
    };
    for (const Fall& f : {Fall{true, {"Hilfe", "Empfehlungen", "Software", "Wieso spenden?", "Lizenz"}},
                          Fall{false, {"Help", "Regards", "Software", "Why Donate?", "Licence"}}}) {
        ui::Hilfefenster* w = Hilfe(f.deutsch);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Quarnelo - Veltrana"));
        for (int i : {Thilfe::pc_lizenz, Thilfe::pc_hilfe, Thilfe::pc_software, Thilfe::pc_empf, Thilfe::pc_spenden}) {
            w->SeiteZeigen(i);
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(Aktiv(w), QString::fromLatin1(kSeiten[i]));
            EXPECT_EQ(w->pc->tabText(i), QString::fromUtf8(f.titel[i]));
        }
        // The help windows are not modal: the main window stays usable.
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(Nebenfenster, BackAndNextTurnThePagesCyclically) {
    struct Fall {
        bool deutsch;
        const char *zurueck, *weiter, *zurueckText, *weiterText;
    };
    for (const Fall& f : {Fall{true, "btide1", "btide2", "<< zurück", "weiter >>"},
                          Fall{false, "btien1", "btien2", "<< back", "next >>"}}) {
        SCOPED_TRACE(f.zurueck);
        ui::Hilfefenster* w = Hilfe(f.deutsch);
        auto* zurueck = F<QPushButton>(w, f.zurueck);
        auto* weiter = F<QPushButton>(w, f.weiter);
        EXPECT_EQ(zurueck->text(), QString::fromUtf8(f.zurueckText));
        EXPECT_EQ(weiter->text(), QString::fromUtf8(f.weiterText));
        w->SeiteZeigen(Thilfe::pc_hilfe);
        QTest::mouseClick(zurueck, Qt::LeftButton);
        EXPECT_EQ(Aktiv(w), QStringLiteral("pc_lizenz"));
        QTest::mouseClick(weiter, Qt::LeftButton);
        EXPECT_EQ(Aktiv(w), QStringLiteral("pc_hilfe"));
        QTest::mouseClick(weiter, Qt::LeftButton);
        EXPECT_EQ(Aktiv(w), QStringLiteral("pc_empf"));
        // Ctrl+Tab turns the pages also while a button has the focus.
        QTest::keyClick(weiter, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(Aktiv(w), QStringLiteral("pc_software"));
        QTest::keyClick(zurueck, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(zurueck, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Aktiv(w), QStringLiteral("pc_hilfe"));
    }
}

TEST_F(Nebenfenster, QuotedParagraphsAndTheDisclaimerStandOnTheirPages) {
    struct Fall {
        bool deutsch;
        const char* seite;
        const char* text;
    };
    const Fall faelle[] = {
        {true, "pc_hilfe",
         "Der Quarnelo ermöglicht es Ihnen beliebige Werte, Brüche oder Terme von einer Einheit in eine andere "
         "umzurechnen. Es stehen eine Vielzahl von Einheiten aus verschiedenen Kategorien zur Verfügung und es "
         "können auch eigene Einheiten und Kategorien definiert werden."},
        {true, "pc_hilfe",
         "Wählen Sie als erstes oben eine Kategorie aus, dann wählen Sie eine Darstellungsform als Vergleich oder als "
         "Tabelle. Im Vergleich können Sie zwei oder drei Einheiten auswählen und dann direkt Werte für die Einheit "
         "eingeben, die dann umgerechnet werden. In der Tabelle werden alle Einheiten gegenübergestellt, die Werte "
         "können in der Box unter der Tabelle eingegeben werden. Um die Auswahl der Einheiten zu erleichtern können "
         "Sie in die Boxen die ersten Buchstaben der Einheit, die Sie suchen, eingeben oder oben einen globalen Filter "
         "wie \"einheit1,einheit2,einheit3\" verwenden."},
        {true, "pc_lizenz",
         "ACHTUNG! Die Definition einer Einheit kann sich je nach Quelle stark unterscheiden. Daher übernehmen wir "
         "keinerlei Gewähr für die Korrektheit der Einheitenwerte."},
        {false, "pc_hilfe",
         "The Quarnelo makes it possible to convert values, fractions and terms from one unit to another one. There "
         "are a lot units at your disposal and you can also define custom units and categories to work with them in "
         "the same way."},
        {false, "pc_hilfe",
         "First, choose a category of units at the top of the window. After that you can choose to display the units "
         "as comparison or as table. In the comparison mode, you can choose two or three units and enter values for "
         "them, which are then converted. In the table mode, all units of a category are displayed at the same time "
         "and the values have to be entered under the table. To facilitate selecting units, you can enter the first "
         "characters of the unit in the input boxes or you can use a global filter at the top of the window like "
         "\"unit1,unit2,unit3\"."},
        {false, "pc_lizenz",
         "ATTENTION! Dependend on the source, there are different definitions of one and the same unit. Because of "
         "that, no responsibility is taken for the correctness of the values and units provided."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_TRUE(Texte(F<QWidget>(Hilfe(f.deutsch), f.seite)).contains(QString::fromUtf8(f.text)));
    }
    // The headings of the help page, in the window's own language.
    EXPECT_TRUE(Texte(F<QWidget>(hilfe.get(), "pc_hilfe")).contains(QStringLiteral("Ihre Anliegen")));
    EXPECT_TRUE(Texte(F<QWidget>(hilfe_en.get(), "pc_hilfe")).contains(QStringLiteral("Your Converns")));
}

TEST_F(Nebenfenster, LicencePageLinksOpenTheirAddressesFromTheHelpWindow) {
    hilfe->SeiteZeigen(Thilfe::pc_lizenz);
    QStringList beschriftungen;
    for (auto* l : F<QWidget>(hilfe.get(), "pc_lizenz")->findChildren<ui::Verweislabel*>()) {
        beschriftungen.append(l->text());
        QTest::mouseClick(l, Qt::LeftButton);
    }
    EXPECT_EQ(beschriftungen, QStringList({ui::SeiteDe() + QStringLiteral("/lizenz"),
                                           ui::SeiteDe() + QStringLiteral("/spenden")}));
    EXPECT_EQ(adressen, QStringList({QStringLiteral("https://www.quarnelo.de/lizenz&rf=qnh"),
                                     QStringLiteral("https://www.quarnelo.de/spenden&rf=qnh")}));
}

TEST_F(Nebenfenster, ReportLinksCarryTheReportLetter) {
    bericht_en->show();
    auto* support = F<QLabel>(bericht_en.get(), "Label70");
    EXPECT_EQ(support->text(), ui::SeiteInt() + QStringLiteral("/support"));
    QTest::mouseClick(support, Qt::LeftButton);
    ASSERT_EQ(adressen.size(), 1);
    EXPECT_TRUE(adressen[0].endsWith(QStringLiteral("&rf=qnr"))) << adressen[0].toStdString();
    EXPECT_EQ(F<QLabel>(bericht_de.get(), "Label1")->text(), ui::SeiteDe() + QStringLiteral("/individuell"));
    EXPECT_EQ(F<QLabel>(bericht_en.get(), "Label1")->text(), ui::SeiteInt() + QStringLiteral("/individual"));
}

TEST_F(Nebenfenster, EveryLinkOpensItsOwnCaptionOnTheSiteOfItsLanguage) {
    auto pruefen = [&](QWidget* w, bool deutsch, ui::Ort ort) {
        for (auto* l : w->findChildren<ui::Verweislabel*>()) {
            if (!l->isVisible()) continue;
            SCOPED_TRACE(l->text().toStdString());
            const QString host = ui::Seite(deutsch);
            EXPECT_TRUE(l->text() == host || l->text().startsWith(host + QLatin1Char('/')));
            adressen.clear();
            QTest::mouseClick(l, Qt::LeftButton);
            EXPECT_EQ(adressen, QStringList(ui::AdresseAusBeschriftung(l->text(), ort)));
        }
    };
    for (bool deutsch : {true, false}) {
        ui::Hilfefenster* w = Hilfe(deutsch);
        for (int i = 0; i < ui::Hilfefenster::kSeiten; ++i) {
            w->SeiteZeigen(i);
            pruefen(w->pc->currentWidget(), deutsch, ui::Ort::Hilfe);
        }
    }
    bericht_de->show();
    bericht_en->show();
    pruefen(bericht_de.get(), true, ui::Ort::Bericht);
    pruefen(bericht_en.get(), false, ui::Ort::Bericht);
}

TEST_F(Nebenfenster, SoftwareListScrollsTenPixelsPerWheelStepAndTakesTheFocus) {
    for (bool deutsch : {true, false}) {
        ui::Hilfefenster* w = Hilfe(deutsch);
        auto* liste = F<ui::Softwareliste>(w, deutsch ? "TFrame1" : "TFrame2");
        w->SeiteZeigen(Thilfe::pc_software);
        QLabel* eintrag = nullptr;
        for (int i = 0; i < 40; ++i) liste->Eintrag(eintrag = new QLabel(QStringLiteral("Programm %1").arg(i)));
        QScrollBar* s = liste->verticalScrollBar();
        // New entries show and lay out in the next rounds of the event loop.
        for (int i = 0; i < 10 && s->maximum() == 0; ++i) QApplication::processEvents();
        ASSERT_GT(s->maximum(), 40);

        // The wheel over an entry reaches the list's viewport.
        auto rad = [&](int winkel) {
            QWidget* v = liste->viewport();
            QWheelEvent e(QPointF(5, 5), v->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, winkel), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(v, &e);
        };
        rad(-120);
        EXPECT_EQ(s->value(), 10);
        rad(-240);
        EXPECT_EQ(s->value(), 30);
        rad(120);
        EXPECT_EQ(s->value(), 20);
        // Half notches add up to one step.
        rad(-60);
        EXPECT_EQ(s->value(), 20);
        rad(-60);
        EXPECT_EQ(s->value(), 30);

        // The mouse over an entry gives the list the keyboard focus.
        w->findChild<QPushButton*>()->setFocus();
        ASSERT_NE(w->focusWidget(), liste);
        QEvent hinein(QEvent::Enter);
        QApplication::sendEvent(eintrag, &hinein);
        EXPECT_EQ(w->focusWidget(), liste);
    }
}

TEST_F(Nebenfenster, PressingTheLogoOrTheBackgroundMovesTheWindowButALinkDoesNot) {
    struct Fall {
        bool deutsch;
        const char* ziel;
    };
    for (const Fall& f : {Fall{true, "Image2"}, Fall{false, "Image3"}, Fall{true, "pc_hilfe"}, Fall{false, "pc_hilfe"}}) {
        SCOPED_TRACE(f.ziel);
        ui::Hilfefenster* w = Hilfe(f.deutsch);
        w->SeiteZeigen(Thilfe::pc_hilfe);
        QWidget* ziel = F<QWidget>(w, f.ziel);
        const QPoint vorher = w->pos();
        Maus(ziel, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
        Maus(ziel, QEvent::MouseMove, QPoint(33, 23), Qt::LeftButton);
        Maus(ziel, QEvent::MouseButtonRelease, QPoint(33, 23), Qt::NoButton);
        EXPECT_EQ(w->pos() - vorher, QPoint(30, 20));
    }
    // A link takes the press: the window stays where it is.
    hilfe->SeiteZeigen(Thilfe::pc_hilfe);
    auto* verweis = F<QWidget>(hilfe.get(), "pc_hilfe")->findChild<ui::Verweislabel*>();
    const QPoint vorher = hilfe->pos();
    Maus(verweis, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
    Maus(verweis, QEvent::MouseMove, QPoint(3, verweis->height() + 20), Qt::LeftButton);
    EXPECT_EQ(hilfe->pos(), vorher);
    // Released away from the link, the press opens nothing.
    Maus(verweis, QEvent::MouseButtonRelease, QPoint(3, verweis->height() + 20), Qt::NoButton);
    EXPECT_TRUE(adressen.isEmpty());
}

TEST_F(Nebenfenster, EscapeClosesEveryWindowAndOkTheReportWindows) {
    QWidget* fenster[] = {hilfe.get(), hilfe_en.get(), bericht_de.get(), bericht_en.get()};
    for (QWidget* w : fenster) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(w->windowFlags() & Qt::Tool);
        w->show();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    }
    for (ui::Berichtfenster* w : {static_cast<ui::Berichtfenster*>(bericht_de.get()),
                                  static_cast<ui::Berichtfenster*>(bericht_en.get())}) {
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        w->show();
        QTest::mouseClick(F<QPushButton>(w, "Button1"), Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
    }
}

TEST_F(Nebenfenster, WindowsKeepTheirLanguageWhateverTheProgramLanguage) {
    p.spr = QStringLiteral("en");
    hilfe->sprache();
    bericht_de->sprache();
    EXPECT_EQ(hilfe->pc->tabText(Thilfe::pc_spenden), QStringLiteral("Wieso spenden?"));
    EXPECT_EQ(bericht_de->windowTitle(), QStringLiteral("Fehler oder Verbesserung melden"));
    p.spr = QStringLiteral("de");
    hilfe_en->sprache();
    bericht_en->sprache();
    EXPECT_EQ(hilfe_en->pc->tabText(Thilfe::pc_spenden), QStringLiteral("Why Donate?"));
    EXPECT_EQ(bericht_en->windowTitle(), QStringLiteral("Report Bug or Improvement"));
    EXPECT_EQ(F<QLabel>(bericht_en.get(), "Label70")->text(), ui::SeiteInt() + QStringLiteral("/support"));
}

}  // namespace

#include "ui/hilfefenster.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/softwareliste.h"

namespace quarnelo::ui {

namespace {

constexpr int kTextbreite = 480;
const char* const kSeitenNamen[Hilfefenster::kSeiten] = {"pc_hilfe", "pc_empf", "pc_software", "pc_spenden",
                                                          "pc_lizenz"};

}  // namespace

Hilfefenster::Hilfefenster(Programm& programm, const char* name, const Hilfetexte& texte)
    : Infofenster(programm, name, texte.deutsch, QStringLiteral("Quarnelo - Veltrana"), {}), texte_(texte) {
    auto* haupt = new QVBoxLayout(this);

    logo_ = new QLabel;
    logo_->setObjectName(QString::fromLatin1(texte.logoName));
    haupt->addWidget(logo_, 0, Qt::AlignLeft);

    pc = new QTabWidget;
    pc->setObjectName(QStringLiteral("pc"));
    haupt->addWidget(pc);
    using B = Baustein;
    const Hilfetexte& t = texte;
    const QList<Baustein> inhalt[kSeiten] = {
        {{B::Ueberschrift, t.hilfe}, {B::Verweis, QStringLiteral("/quarnelo")}, {B::Absatz, t.absaetze[0]},
         {B::Absatz, t.absaetze[1]}, {B::Absatz, t.absaetze[2]}, {B::Absatz, t.absaetze[3]},
         {B::Ueberschrift, t.anliegen}, {B::Verweis, QStringLiteral("/support")}},
        {{B::Ueberschrift, t.individuell}, {B::Absatz, t.individuellText}, {B::Verweis, t.individuellPfad},
         {B::Ueberschrift, t.webdienste}, {B::Absatz, t.webdiensteText}},
        {{B::Liste, t.softwareHinweis}},
        {{B::Absatz, t.spendenText}, {B::Verweis, t.spendenPfad}, {B::Bild, QString()}},
        {{B::Ueberschrift, t.bedingungen}, {B::Absatz, t.bedingungenText}, {B::Verweis, t.lizenzPfad},
         {B::Absatz, t.spendenBitte}, {B::Verweis, t.spendenPfad}, {B::Absatz, t.haftung}},
    };
    for (int i = 0; i < kSeiten; ++i) {
        auto* seite = new QWidget;
        seite->setObjectName(QString::fromLatin1(kSeitenNamen[i]));
        SeiteAufbauen(seite, inhalt[i]);
        pc->addTab(seite, QString());
    }

    auto* knoepfe = new QHBoxLayout;
    zurueck_ = new QPushButton;
    zurueck_->setObjectName(QString::fromLatin1(texte.zurueckName));
    weiter_ = new QPushButton;
    weiter_->setObjectName(QString::fromLatin1(texte.weiterName));
    knoepfe->addWidget(zurueck_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(weiter_);
    haupt->addLayout(knoepfe);
    connect(zurueck_, &QPushButton::clicked, this, [this] { Blaettern(-1); });
    connect(weiter_, &QPushButton::clicked, this, [this] { Blaettern(1); });

    sprache();
    Zentrieren();
}

void Hilfefenster::SeiteAufbauen(QWidget* seite, const QList<Baustein>& inhalt) {
    auto* spalte = new QVBoxLayout(seite);
    bool gefuellt = false;  // a list of programs fills its page
    for (const Baustein& b : inhalt) {
        if (b.art == Baustein::Liste) {
            // The list holds the sentence and the link to the maker's site.
            liste_ = new Softwareliste(texte_.listeName, seite);
            spalte->addWidget(liste_, 1);
            gefuellt = true;
            for (const Baustein& eintrag : {Baustein{Baustein::Absatz, b.text}, Baustein{Baustein::Verweis, QString()}})
                liste_->EintragBeobachten(BausteinAufbauen(liste_->Spalte(), eintrag, Ort::Hilfe, kTextbreite - 40));
        } else if (b.art == Baustein::Bild) {
            // A box without scroll bars around the picture.
            spendenkasten_ = new QScrollArea(seite);
            spendenkasten_->setObjectName(QStringLiteral("ScrollBox1"));
            spendenkasten_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            spendenkasten_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            spendenkasten_->setFrameShape(QFrame::NoFrame);
            spendenbild_ = new QLabel;
            spendenbild_->setObjectName(QStringLiteral("Image1"));
            spendenkasten_->setWidget(spendenbild_);
            spalte->addWidget(spendenkasten_, 0, Qt::AlignHCenter);
        } else {
            BausteinAufbauen(spalte, b, Ort::Hilfe, kTextbreite);
        }
    }
    // Otherwise the content sits at the top.
    if (!gefuellt) spalte->addStretch(1);
}

void Hilfefenster::sprache() {
    Infofenster::sprache();
    for (int i = 0; i < kSeiten; ++i) pc->setTabText(i, texte_.seiten[i]);
    zurueck_->setText(texte_.zurueck);
    weiter_->setText(texte_.weiter);
    logo_->setPixmap(Logo());
    if (spendenbild_) {
        spendenbild_->setPixmap(Spendenbild(texte_.spendenbild));
        spendenbild_->adjustSize();
        spendenkasten_->setFixedSize(spendenbild_->size());
    }
}

void Hilfefenster::SeiteZeigen(int seite) {
    if (seite >= 0 && seite < pc->count()) pc->setCurrentIndex(seite);
    show();
    raise();
    activateWindow();
}

void Hilfefenster::Blaettern(int schritte) {
    const int n = pc->count();
    pc->setCurrentIndex(((pc->currentIndex() + schritte) % n + n) % n);
}

void Hilfefenster::keyPressEvent(QKeyEvent* e) {
    // Ctrl+Tab turns the pages also while the focus is outside the page
    // control (inside it the page control itself takes the keys).
    if (e->modifiers() & Qt::ControlModifier) {
        if (e->key() == Qt::Key_Backtab || (e->key() == Qt::Key_Tab && (e->modifiers() & Qt::ShiftModifier))) {
            Blaettern(-1);
            return;
        }
        if (e->key() == Qt::Key_Tab) {
            Blaettern(1);
            return;
        }
    }
    Infofenster::keyPressEvent(e);
}

// Presses reach the window from its background and from the controls that do
// not take them, such as the logo and the texts.
void Hilfefenster::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        Infofenster::mousePressEvent(e);
        return;
    }
    e->accept();
    ziehen_ = !(windowHandle() && windowHandle()->startSystemMove());
    griff_ = e->globalPosition().toPoint() - pos();
}

void Hilfefenster::mouseMoveEvent(QMouseEvent* e) {
    if (ziehen_ && (e->buttons() & Qt::LeftButton)) {
        move(e->globalPosition().toPoint() - griff_);
        e->accept();
        return;
    }
    Infofenster::mouseMoveEvent(e);
}

void Hilfefenster::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) ziehen_ = false;
    Infofenster::mouseReleaseEvent(e);
}

}  // namespace quarnelo::ui

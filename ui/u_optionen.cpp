#include "ui/u_optionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/benannt.h"
#include "ui/programm.h"
#include "ui/u_prog.h"
#include "ui/verweise.h"

namespace quarnelo::ui {

namespace {

constexpr int kBreite = 356;
constexpr int kHoehe = 440;

// An editable list of the whole numbers 0 to bis; any typed text is kept.
QComboBox* Zahlenbox(QWidget* parent, const char* name, int bis) {
    auto* b = Benannt(new QComboBox(parent), name);
    b->setEditable(true);
    b->setInsertPolicy(QComboBox::NoInsert);
    b->setCompleter(nullptr);
    for (int i = 0; i <= bis; ++i) b->addItem(QString::number(i));
    b->setMaxVisibleItems(19);
    b->setFixedWidth(58);
    return b;
}

QLineEdit* Zeichenfeld(QWidget* parent, const char* name) {
    auto* e = Benannt(new QLineEdit(parent), name);
    e->setFixedWidth(58);
    return e;
}

// Shows a text in a number box: its list item if there is one, else as typed.
void BoxZeigen(QComboBox* b, const QString& text) {
    QSignalBlocker still(b);
    const int i = b->findText(text);
    if (i >= 0) b->setCurrentIndex(i);
    b->setEditText(text);
}

}  // namespace

Toptionen::Toptionen(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Toptionen"));
    // Only the close box; above the other windows, but not modal.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    // Closing this window hides it; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    Aufbauen();
    Anzeigen();
    Verbinden();
    FormCreate();
    // The designed size, grown where the platform font needs more room to
    // show the texts of either language unclipped.
    QSize groesse(kBreite, kHoehe);
    for (const bool de : {true, false}) {
        TexteSetzen(de);
        layout()->activate();
        groesse = groesse.expandedTo(layout()->totalMinimumSize());
    }
    Sprache();
    setFixedSize(groesse);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

void Toptionen::Aufbauen() {
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 8, 8, 8);
    haupt->setSpacing(6);

    // Format of the values: radio, example, caption and box in each row.
    gb1 = Benannt(new QGroupBox(this), "gb1");
    auto* g1 = new QGridLayout(gb1);
    g1->setContentsMargins(8, 4, 8, 6);
    g1->setHorizontalSpacing(6);
    g1->setVerticalSpacing(2);
    rb_general = Benannt(new QRadioButton(gb1), "rb_general");
    rb_fixed = Benannt(new QRadioButton(gb1), "rb_fixed");
    rb_exponent = Benannt(new QRadioButton(gb1), "rb_exponent");
    Label11 = Benannt(new QLabel(QStringLiteral("120"), gb1), "Label11");
    Label13 = Benannt(new QLabel(QStringLiteral("120,00"), gb1), "Label13");
    Label15 = Benannt(new QLabel(QStringLiteral("1,2E2"), gb1), "Label15");
    Label10 = Benannt(new QLabel(gb1), "Label10");
    Label12 = Benannt(new QLabel(gb1), "Label12");
    Label14 = Benannt(new QLabel(gb1), "Label14");
    cb_general = Zahlenbox(gb1, "cb_general", 4);
    cb_fixed = Zahlenbox(gb1, "cb_fixed", 18);
    cb_exponent = Zahlenbox(gb1, "cb_exponent", 4);
    QRadioButton* radios[] = {rb_general, rb_fixed, rb_exponent};
    QLabel* beispiele[] = {Label11, Label13, Label15};
    QLabel* beschriftungen[] = {Label10, Label12, Label14};
    QComboBox* boxen[] = {cb_general, cb_fixed, cb_exponent};
    for (int r = 0; r < 3; ++r) {
        beispiele[r]->setTextFormat(Qt::PlainText);
        beschriftungen[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g1->addWidget(radios[r], r, 0);
        g1->addWidget(beispiele[r], r, 1);
        g1->addWidget(beschriftungen[r], r, 2);
        g1->addWidget(boxen[r], r, 3);
    }
    Label2 = Benannt(new QLabel(gb1), "Label2");
    cb_stellen = Zahlenbox(gb1, "cb_stellen", 18);
    g1->addWidget(Label2, 3, 0, 1, 3);
    g1->addWidget(cb_stellen, 3, 3);
    cb_autopref = Benannt(new QCheckBox(gb1), "cb_autopref");
    cb_bruch = Benannt(new QCheckBox(gb1), "cb_bruch");
    g1->addWidget(cb_autopref, 4, 0, 1, 4);
    g1->addWidget(cb_bruch, 5, 0, 1, 4);
    g1->setColumnStretch(2, 1);
    haupt->addWidget(gb1);

    // Format of the units: caption and edit in each row.
    gb2 = Benannt(new QGroupBox(this), "gb2");
    auto* g2 = new QGridLayout(gb2);
    g2->setContentsMargins(8, 4, 8, 6);
    g2->setHorizontalSpacing(6);
    g2->setVerticalSpacing(2);
    Label1 = Benannt(new QLabel(gb2), "Label1");
    Label3 = Benannt(new QLabel(gb2), "Label3");
    Label4 = Benannt(new QLabel(gb2), "Label4");
    ed_sep = Zeichenfeld(gb2, "ed_sep");
    ed_sep_pe = Zeichenfeld(gb2, "ed_sep_pe");
    ed_sep_pa = Zeichenfeld(gb2, "ed_sep_pa");
    cb_ersteunit = Benannt(new QCheckBox(gb2), "cb_ersteunit");
    ed_ersteunit = Zeichenfeld(gb2, "ed_ersteunit");
    g2->addWidget(Label1, 0, 0);
    g2->addWidget(ed_sep, 0, 1);
    g2->addWidget(Label3, 1, 0);
    g2->addWidget(ed_sep_pe, 1, 1);
    g2->addWidget(Label4, 2, 0);
    g2->addWidget(ed_sep_pa, 2, 1);
    g2->addWidget(cb_ersteunit, 3, 0);
    g2->addWidget(ed_ersteunit, 3, 1);
    rb_abk = Benannt(new QRadioButton(gb2), "rb_abk");
    rb_einh = Benannt(new QRadioButton(gb2), "rb_einh");
    auto* vorzug = new QHBoxLayout;
    vorzug->setSpacing(12);
    vorzug->addWidget(rb_abk);
    vorzug->addWidget(rb_einh);
    vorzug->addStretch(1);
    g2->addLayout(vorzug, 4, 0, 1, 2);
    g2->setColumnStretch(0, 1);
    haupt->addWidget(gb2);

    // Decimal separator.
    gb3 = Benannt(new QGroupBox(this), "gb3");
    auto* g3 = new QHBoxLayout(gb3);
    g3->setContentsMargins(8, 4, 8, 6);
    g3->setSpacing(12);
    rb_dsys = Benannt(new QRadioButton(gb3), "rb_dsys");
    rb_dcomma = Benannt(new QRadioButton(gb3), "rb_dcomma");
    rb_dpunkt = Benannt(new QRadioButton(gb3), "rb_dpunkt");
    g3->addWidget(rb_dsys);
    g3->addWidget(rb_dcomma);
    g3->addWidget(rb_dpunkt);
    g3->addStretch(1);
    haupt->addWidget(gb3);

    haupt->addStretch(1);

    // The help link at the bottom left, OK at the bottom right.
    auto* unten = new QHBoxLayout;
    auto* hilfe = new QVBoxLayout;
    hilfe->setSpacing(2);
    Label9 = Benannt(new QLabel(this), "Label9");
    laspenden = Benannt(new QLabel(this), "laspenden");
    laspenden->setTextFormat(Qt::PlainText);
    QFont f = laspenden->font();
    f.setBold(true);
    f.setUnderline(true);
    laspenden->setFont(f);
    QPalette farbe = laspenden->palette();
    farbe.setColor(QPalette::WindowText, QColor(98, 39, 80));
    laspenden->setPalette(farbe);
    laspenden->setCursor(Qt::PointingHandCursor);
    laspenden->installEventFilter(this);
    hilfe->addWidget(Label9);
    hilfe->addWidget(laspenden);
    unten->addLayout(hilfe);
    unten->addStretch(1);
    OK = Benannt(new QPushButton(QStringLiteral("OK"), this), "OK");
    OK->setDefault(true);
    unten->addWidget(OK, 0, Qt::AlignBottom);
    haupt->addLayout(unten);

    // Exactly one radio of each group is on.
    formate_ = new QButtonGroup(this);
    bezeichnungen_ = new QButtonGroup(this);
    trenner_ = new QButtonGroup(this);
    for (QRadioButton* r : {rb_general, rb_fixed, rb_exponent}) formate_->addButton(r);
    for (QRadioButton* r : {rb_abk, rb_einh}) bezeichnungen_->addButton(r);
    for (QRadioButton* r : {rb_dsys, rb_dcomma, rb_dpunkt}) trenner_->addButton(r);
}

void Toptionen::Verbinden() {
    // Every control writes its field at once; the handlers then read the record.
    const auto box = [this](QComboBox* b, QString settings::Optionen::*feld, void (Toptionen::*handler)()) {
        connect(b, &QComboBox::editTextChanged, this, [this, feld, handler](const QString& text) {
            programm_.optionen.*feld = text;
            (this->*handler)();
        });
    };
    box(cb_stellen, &settings::Optionen::cb_stellen, &Toptionen::cb_stellenChange);
    box(cb_general, &settings::Optionen::cb_general, &Toptionen::cb_generalChange);
    box(cb_fixed, &settings::Optionen::cb_fixed, &Toptionen::cb_fixedChange);
    box(cb_exponent, &settings::Optionen::cb_exponent, &Toptionen::cb_exponentChange);

    const auto feld = [this](QLineEdit* e, QString settings::Optionen::*f) {
        connect(e, &QLineEdit::textChanged, this, [this, f](const QString& text) { programm_.optionen.*f = text; });
    };
    feld(ed_sep, &settings::Optionen::ed_sep);
    feld(ed_sep_pe, &settings::Optionen::ed_sep_pe);
    feld(ed_sep_pa, &settings::Optionen::ed_sep_pa);
    feld(ed_ersteunit, &settings::Optionen::ed_ersteunit);

    const auto haken = [this](QCheckBox* c, bool settings::Optionen::*f) {
        connect(c, &QCheckBox::toggled, this, [this, f](bool an) { programm_.optionen.*f = an; });
    };
    haken(cb_autopref, &settings::Optionen::cb_autopref);
    haken(cb_bruch, &settings::Optionen::cb_bruch);
    haken(cb_ersteunit, &settings::Optionen::cb_ersteunit);

    // A radio that goes on first turns the previous one of its group off; both
    // write their field, and the handler runs for the one that is now on.
    const auto radio = [this](QRadioButton* r, bool settings::Optionen::*f, void (Toptionen::*handler)()) {
        connect(r, &QRadioButton::toggled, this, [this, f, handler](bool an) {
            programm_.optionen.*f = an;
            if (an && handler) (this->*handler)();
        });
    };
    radio(rb_general, &settings::Optionen::rb_general, &Toptionen::rb_generalClick);
    radio(rb_fixed, &settings::Optionen::rb_fixed, &Toptionen::rb_fixedClick);
    radio(rb_exponent, &settings::Optionen::rb_exponent, &Toptionen::rb_generalClick);
    radio(rb_abk, &settings::Optionen::rb_abk, nullptr);
    radio(rb_einh, &settings::Optionen::rb_einh, nullptr);
    radio(rb_dsys, &settings::Optionen::rb_dsys, &Toptionen::rb_dsysClick);
    radio(rb_dcomma, &settings::Optionen::rb_dcomma, &Toptionen::rb_dcommaClick);
    radio(rb_dpunkt, &settings::Optionen::rb_dpunkt, &Toptionen::rb_dpunktClick);

    connect(OK, &QPushButton::clicked, this, &Toptionen::OKClick);
}

void Toptionen::FormCreate() {
    Sprache();
    // At start-up the separator in force is still the locale's.
    programm_.optionen.SystemDezimaltrenner = programm_.optionen.Dezimaltrenner;
}

void Toptionen::Anzeigen() {
    const settings::Optionen o = programm_.optionen;
    BoxZeigen(cb_general, o.cb_general);
    BoxZeigen(cb_fixed, o.cb_fixed);
    BoxZeigen(cb_exponent, o.cb_exponent);
    BoxZeigen(cb_stellen, o.cb_stellen);
    const std::pair<QLineEdit*, QString> felder[] = {
        {ed_sep, o.ed_sep}, {ed_sep_pe, o.ed_sep_pe}, {ed_sep_pa, o.ed_sep_pa}, {ed_ersteunit, o.ed_ersteunit}};
    for (const auto& [e, text] : felder) {
        QSignalBlocker still(e);
        e->setText(text);
    }
    const std::pair<QAbstractButton*, bool> knoepfe[] = {
        {cb_autopref, o.cb_autopref}, {cb_bruch, o.cb_bruch},   {cb_ersteunit, o.cb_ersteunit},
        {rb_general, o.rb_general},   {rb_fixed, o.rb_fixed},   {rb_exponent, o.rb_exponent},
        {rb_abk, o.rb_abk},           {rb_einh, o.rb_einh},     {rb_dsys, o.rb_dsys},
        {rb_dcomma, o.rb_dcomma},     {rb_dpunkt, o.rb_dpunkt}};
    // The groups let go for a moment, so that the radios show the record as it
    // is, even a group without any radio on.
    for (QButtonGroup* g : {formate_, bezeichnungen_, trenner_}) g->setExclusive(false);
    for (const auto& [k, an] : knoepfe) {
        QSignalBlocker still(k);
        k->setChecked(an);
    }
    for (QButtonGroup* g : {formate_, bezeichnungen_, trenner_}) g->setExclusive(true);
}

void Toptionen::Sprache() { TexteSetzen(programm_.deutsch()); }

void Toptionen::TexteSetzen(bool de) {
    const auto T = [de](const char* deutsch, const char* englisch) {
        return QString::fromUtf8(de ? deutsch : englisch);
    };
    setWindowTitle(T("Optionen", "Options"));
    gb1->setTitle(T("Formatierung der Zahlenwerte", "Format of the Values"));
    rb_general->setText(T("Einfach", "General"));
    rb_fixed->setText(T("Feste Länge", "Fixed Length"));
    rb_exponent->setText(T("Wissenschaftlich", "Scientific"));
    Label10->setText(T("Exponent-Stellen:", "Exponent-Places:"));
    Label12->setText(T("Stellen vor Komma:", "Digits before Point:"));
    Label14->setText(T("Exponent-Stellen:", "Exponent-Places:"));
    Label2->setText(T("Jeweils verwendete Nachkommastellen:", "Each with this Number of Decimal Places:"));
    cb_autopref->setText(T("Automatisch Präfixe setzen (1000 m -> 1 km)", "Set Prefixes automatically (1000 m -> 1 km)"));
    cb_bruch->setText(T("Bruchschreibweise anwenden (0,3333.. -> 1/3)", "Use Fractions (0.3333.. -> 1/3)"));
    gb2->setTitle(T("Formatierung der Einheitenbezeichnungen", "Format of the Units"));
    Label1->setText(T("Zeichen zwischen Wert und Einheit:", "Character between Value and Unit:"));
    Label3->setText(T("Zeichen zwischen Präfix und Einheit:", "Character between Prefix and Unit:"));
    Label4->setText(T("Zeichen zwischen Präfix und Abkürzung:", "Character between Prefix and Shortcut:"));
    cb_ersteunit->setText(T("Einheit nach diesem Zeichen abschneiden:", "Cut Unit after this Character:"));
    rb_abk->setText(T("Abkürzung bevorzugen", "Prefer Shortcuts"));
    rb_einh->setText(T("Vollen Einheitennamen bevorzugen", "Prefer full Names of Units"));
    gb3->setTitle(T("Dezimal Trenner", "Decimal Separator"));
    rb_dcomma->setText(T("Komma (1,0)", "Comma (1,0)"));
    rb_dpunkt->setText(T("Punkt (1.0)", "Point (1.0)"));
    rb_dsys->setText(QStringLiteral("System"));
    Label9->setText(T("Hilfe erhalten Sie auf:", "For help you can go to:"));
    laspenden->setText(Seite(de) + (de ? QStringLiteral("/quarnelo-hilfe") : QStringLiteral("/quarnelo-help")));
}

// --- handlers ---------------------------------------------------------------

void Toptionen::cb_stellenChange() { EinheitenWechsel(); }
void Toptionen::cb_generalChange() { EinheitenWechsel(); }
void Toptionen::cb_fixedChange() { EinheitenWechsel(); }
void Toptionen::cb_exponentChange() { EinheitenWechsel(); }
void Toptionen::rb_generalClick() { EinheitenWechsel(); }
void Toptionen::rb_fixedClick() { EinheitenWechsel(); }

void Toptionen::rb_dsysClick() {
    programm_.optionen.Dezimaltrenner = programm_.optionen.SystemDezimaltrenner;
    VorschauRealisieren();
}

void Toptionen::rb_dcommaClick() {
    programm_.optionen.Dezimaltrenner = QLatin1Char(',');
    VorschauRealisieren();
}

void Toptionen::rb_dpunktClick() {
    programm_.optionen.Dezimaltrenner = QLatin1Char('.');
    VorschauRealisieren();
}

void Toptionen::OKClick() { hide(); }

void Toptionen::laspendenClick() {
    programm_.Oeffnen(AdresseMitBeschreibung(laspenden->text(), Ort::Spende, false));
}

void Toptionen::EinheitenWechsel() {
    programm_.optionen.EinheitenWechsel();
    VorschauRealisieren();
}

void Toptionen::VorschauRealisieren() {
    if (programm_.prog) programm_.prog->cb_kategorieChange();
}

// --- keyboard and link ------------------------------------------------------

void Toptionen::keyPressEvent(QKeyEvent* e) {
    // Keys the controls leave alone: Enter presses the default button OK,
    // Escape hides the window.
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (OK->isEnabled()) OK->click();
        e->accept();
        return;
    case Qt::Key_Escape:
        hide();
        e->accept();
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

bool Toptionen::eventFilter(QObject* o, QEvent* e) {
    if (o == laspenden && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        laspendenClick();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

}  // namespace quarnelo::ui

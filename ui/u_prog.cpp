// The main window: construction, layout, menus and the life of the window.
#include "ui/u_prog.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "textfiles/benutzereinheiten.h"
#include "ui/benannt.h"
#include "ui/ansicht.h"
#include "ui/programm.h"
#include "ui/rahmen.h"
#include "ui/tabellenmodell.h"
#include "ui/u_bugreport_de.h"
#include "ui/u_bugreport_en.h"
#include "ui/u_hilfe.h"
#include "ui/u_hilfe_en.h"
#include "ui/u_optionen.h"
#include "ui/u_start.h"
#include "ui/u_userunits.h"
#include "ui/u_prog_intern.h"

namespace quarnelo::ui {

namespace {

QComboBox* Einheitenbox(QWidget* parent, const char* name) {
    auto* b = Benannt(new QComboBox(parent), name);
    b->setEditable(true);
    b->setInsertPolicy(QComboBox::NoInsert);
    b->setCompleter(nullptr);  // the type-ahead of the window replaces it
    b->setMaxVisibleItems(15);
    // The list that opens while typing: the box's own items in a popup that
    // leaves the keyboard with the edit.
    auto* liste = new QCompleter(b->model(), b);
    liste->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    liste->setMaxVisibleItems(15);
    liste->setWidget(b->lineEdit());
    QObject::connect(liste, qOverload<const QString&>(&QCompleter::activated), b,
                     [b](const QString& text) { b->setCurrentText(text); });
    b->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    b->setMinimumContentsLength(10);
    return b;
}

QComboBox* Vorsatzbox(QWidget* parent, const char* name) {
    auto* b = Benannt(new QComboBox(parent), name);
    b->setMaxVisibleItems(15);
    b->setFixedWidth(111);
    return b;
}

// The pictures of the two copy buttons: a sheet with a number, and a sheet
// with a number and a unit.
QIcon KopierSymbol(bool mitEinheit) {
    QPixmap bild(20, 20);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 80, 96), 1));
    p.setBrush(QColor(250, 250, 246));
    p.drawRect(QRectF(5.5, 1.5, 11, 14));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(2.5, 4.5, 11, 14));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(mitEinheit ? 7 : 8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(mitEinheit ? QColor(22, 96, 60) : QColor(28, 62, 140));
    p.drawText(QRectF(2.5, 4.5, 11, 14), Qt::AlignCenter, mitEinheit ? QStringLiteral("1m") : QStringLiteral("12"));
    return QIcon(bild);
}

QToolButton* Kopierknopf(QWidget* parent, const char* name, bool mitEinheit) {
    auto* b = Benannt(new QToolButton(parent), name);
    b->setIcon(KopierSymbol(mitEinheit));
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    b->setFixedSize(26, 26);
    return b;
}

QFrame* Linie(QWidget* parent) {
    auto* l = new QFrame(parent);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

}  // namespace

Tprog::Tprog(Programm& programm)
    : QMainWindow(nullptr),
      programm_(programm),
      zeilen_(std::make_unique<Zeilen>(*this)),
      sink_(std::make_unique<Sink>(seite)),
      melder_(std::make_unique<FensterMelder>(programm)) {
    setObjectName(QStringLiteral("Tprog"));
    katalog.setSink(sink_.get());
    katalog.setBenutzerQuelle(programm_.benutzerEinheiten);
    modell_ = new Tabellenmodell(seite.zeilen, this);

    Aufbauen();
    Verbinden();

    // The start of the window in the order of its creation.
    HinweisZaehler = 0;
    seiten->setCurrentWidget(t_einzel);
    sprache();
    AktualisierungLaeuft = false;
    katalog.FilterSetzen(QString());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10000);
    connect(Timer1, &QTimer::timeout, this, &Tprog::Timer1Timer);
    Timer1->start();

    // Client area 517 x 514, centred.
    resize(517, 514 + menu->sizeHint().height());
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

Tprog::~Tprog() {
    katalog.FilterBegriffe.clear();
    katalog.Einheitenliste.clear();
}

void Tprog::Aufbauen() {
    MenuesAufbauen();

    auto* mitte = new QWidget(this);
    setCentralWidget(mitte);
    auto* haupt = new QVBoxLayout(mitte);
    haupt->setContentsMargins(6, 4, 6, 2);
    haupt->setSpacing(4);

    Panel7 = Benannt(new QWidget(mitte), "Panel7");
    auto* p7 = new QVBoxLayout(Panel7);
    p7->setContentsMargins(0, 0, 0, 0);
    gb1 = Benannt(new Rahmen(Panel7), "gb1");
    p7->addWidget(gb1);
    auto* g1 = new QGridLayout;
    g1->setContentsMargins(0, 0, 0, 0);
    g1->setVerticalSpacing(4);
    gb1->Inhalt()->addLayout(g1);
    Label5 = Benannt(new QLabel(gb1), "Label5");
    Label6 = Benannt(new QLabel(gb1), "Label6");
    Label24 = Benannt(new QLabel(gb1), "Label24");
    cb_kategorie = Benannt(new QComboBox(gb1), "cb_kategorie");
    cb_kategorie->setEditable(true);
    cb_kategorie->setInsertPolicy(QComboBox::NoInsert);
    cb_kategorie->setMaxVisibleItems(20);
    cb_anzeige = Benannt(new QComboBox(gb1), "cb_anzeige");
    cb_anzeige->setEditable(true);
    cb_anzeige->setInsertPolicy(QComboBox::NoInsert);
    ed_filter = Benannt(new QLineEdit(gb1), "ed_filter");
    ed_filter->setClearButtonEnabled(true);
    g1->addWidget(Label5, 0, 0);
    g1->addWidget(cb_kategorie, 0, 1);
    g1->addWidget(Label6, 1, 0);
    g1->addWidget(cb_anzeige, 1, 1);
    g1->addWidget(Label24, 2, 0);
    g1->addWidget(ed_filter, 2, 1);
    g1->setColumnStretch(1, 1);
    haupt->addWidget(Panel7);

    gb2 = Benannt(new Rahmen(mitte), "gb2");
    auto* g2 = gb2->Inhalt();
    seiten = Benannt(new QStackedWidget(gb2), "seiten");
    t_einzel = VergleichsseiteAufbauen();
    t_tab = TabellenseiteAufbauen();
    seiten->addWidget(t_einzel);
    seiten->addWidget(t_tab);
    g2->addWidget(seiten);
    haupt->addWidget(gb2, 1);

    laspenden = Benannt(new QLabel(mitte), "laspenden");
    laspenden->setAlignment(Qt::AlignCenter);
    laspenden->setCursor(Qt::PointingHandCursor);
    laspenden->setStyleSheet(QStringLiteral("color: #62274f; text-decoration: underline;"));
    laspenden->installEventFilter(this);
    haupt->addWidget(laspenden);
}

QWidget* Tprog::VergleichsseiteAufbauen() {
    auto* seite_ = Benannt(new QWidget(seiten), "t_einzel");
    auto* v = new QVBoxLayout(seite_);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);

    QWidget** panels[] = {&Panel3, &Panel4, &Panel5};
    const char* panelNamen[] = {"Panel3", "Panel4", "Panel5"};
    QLabel** labels[] = {&Label13, &Label14, &Label15};
    const char* labelNamen[] = {"Label13", "Label14", "Label15"};
    QComboBox** einheiten[] = {&te_einheit1, &te_einheit2, &te_einheit3};
    const char* einheitNamen[] = {"te_einheit1", "te_einheit2", "te_einheit3"};
    QComboBox** vorsaetze[] = {&te_vorsatz1, &te_vorsatz2, &te_vorsatz3};
    const char* vorsatzNamen[] = {"te_vorsatz1", "te_vorsatz2", "te_vorsatz3"};
    QLineEdit** werte[] = {&te_wert1, &te_wert2, &te_wert3};
    const char* wertNamen[] = {"te_wert1", "te_wert2", "te_wert3"};
    QToolButton** allein[] = {&te_copyallein1, &te_copyallein2, &te_copyallein3};
    const char* alleinNamen[] = {"te_copyallein1", "te_copyallein2", "te_copyallein3"};
    QToolButton** mitEinheit[] = {&te_copyeinheit1, &te_copyeinheit2, &te_copyeinheit3};
    const char* mitEinheitNamen[] = {"te_copyeinheit1", "te_copyeinheit2", "te_copyeinheit3"};

    for (int i = 0; i < 3; ++i) {
        QWidget* p = *panels[i] = Benannt(new QWidget(seite_), panelNamen[i]);
        auto* g = new QGridLayout(p);
        g->setContentsMargins(0, 2, 0, 2);
        g->setHorizontalSpacing(6);
        g->setVerticalSpacing(3);
        if (i > 0) g->addWidget(Linie(p), 0, 0, 1, 5);
        *labels[i] = Benannt(new QLabel(p), labelNamen[i]);
        *einheiten[i] = Einheitenbox(p, einheitNamen[i]);
        *vorsaetze[i] = Vorsatzbox(p, vorsatzNamen[i]);
        *werte[i] = Benannt(new QLineEdit(p), wertNamen[i]);
        *allein[i] = Kopierknopf(p, alleinNamen[i], false);
        *mitEinheit[i] = Kopierknopf(p, mitEinheitNamen[i], true);
        g->addWidget(*labels[i], 1, 0);
        g->addWidget(*einheiten[i], 1, 1, 1, 4);
        g->addWidget(*vorsaetze[i], 2, 0);
        g->addWidget(*werte[i], 2, 1, 1, 2);
        g->addWidget(*allein[i], 2, 3);
        g->addWidget(*mitEinheit[i], 2, 4);
        g->setColumnStretch(1, 1);
        (*einheiten[i])->lineEdit()->installEventFilter(this);
        v->addWidget(p);
    }

    Panel6 = Benannt(new QWidget(seite_), "Panel6");
    auto* p6 = new QVBoxLayout(Panel6);
    p6->setContentsMargins(0, 2, 0, 0);
    p6->setSpacing(3);
    p6->addWidget(Linie(Panel6));
    memo_einzel = Benannt(new QPlainTextEdit(Panel6), "memo_einzel");
    cb_insmemo = Benannt(new QCheckBox(Panel6), "cb_insmemo");
    p6->addWidget(memo_einzel, 1);
    p6->addWidget(cb_insmemo);
    v->addWidget(Panel6, 1);
    return seite_;
}

QWidget* Tprog::TabellenseiteAufbauen() {
    auto* seite_ = Benannt(new QWidget(seiten), "t_tab");
    auto* v = new QVBoxLayout(seite_);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);

    list = Benannt(new Einheitentabelle(seite_), "list");
    list->setModel(modell_);
    const int breiten[] = {130, 50, 100, 60, 120};
    for (int c = 0; c < 5; ++c) list->setColumnWidth(c, breiten[c]);
    v->addWidget(list, 1);

    Panel2 = Benannt(new QWidget(seite_), "Panel2");
    auto* g2 = new QGridLayout(Panel2);
    g2->setContentsMargins(0, 0, 0, 0);
    g2->setHorizontalSpacing(6);
    g2->setVerticalSpacing(3);
    aktuell_beschreibung = Benannt(new QLabel(Panel2), "aktuell_beschreibung");
    aktuell_beschreibung->setTextFormat(Qt::PlainText);
    ed_vorsatz = Vorsatzbox(Panel2, "ed_vorsatz");
    ed_list = Benannt(new QLineEdit(Panel2), "ed_list");
    ed_list->setText(QStringLiteral("1"));
    einheit_festhalten = Benannt(new QCheckBox(Panel2), "einheit_festhalten");
    tab_copyallein = Kopierknopf(Panel2, "tab_copyallein", false);
    tab_copyeinheit = Kopierknopf(Panel2, "tab_copyeinheit", true);
    g2->addWidget(aktuell_beschreibung, 0, 0, 1, 5);
    g2->addWidget(ed_vorsatz, 1, 0);
    g2->addWidget(ed_list, 1, 1);
    g2->addWidget(einheit_festhalten, 1, 2);
    g2->addWidget(tab_copyallein, 1, 3);
    g2->addWidget(tab_copyeinheit, 1, 4);
    g2->setColumnStretch(1, 1);
    v->addWidget(Panel2);

    Panel8 = Benannt(new QWidget(seite_), "Panel8");
    auto* g8 = new QGridLayout(Panel8);
    g8->setContentsMargins(0, 2, 0, 0);
    g8->setHorizontalSpacing(6);
    g8->setVerticalSpacing(3);
    g8->addWidget(Linie(Panel8), 0, 0, 1, 5);
    Label12 = Benannt(new QLabel(Panel8), "Label12");
    vgl_einheit = Einheitenbox(Panel8, "vgl_einheit");
    vgl_einheit->lineEdit()->installEventFilter(this);
    vgl_vorsatz = Vorsatzbox(Panel8, "vgl_vorsatz");
    vgl_wert = Benannt(new QLineEdit(Panel8), "vgl_wert");
    vgl_wert->setText(QStringLiteral("1"));
    vgl_copyallein = Kopierknopf(Panel8, "vgl_copyallein", false);
    vgl_copyeinheit = Kopierknopf(Panel8, "vgl_copyeinheit", true);
    g8->addWidget(Label12, 1, 0);
    g8->addWidget(vgl_einheit, 1, 1, 1, 4);
    g8->addWidget(vgl_vorsatz, 2, 0);
    g8->addWidget(vgl_wert, 2, 1, 1, 2);
    g8->addWidget(vgl_copyallein, 2, 3);
    g8->addWidget(vgl_copyeinheit, 2, 4);
    g8->setColumnStretch(1, 1);
    v->addWidget(Panel8);

    PopupMenu1 = Benannt(new QMenu(this), "PopupMenu1");
    pop5 = Benannt(PopupMenu1->addAction(QString()), "pop5");
    pop6 = Benannt(PopupMenu1->addAction(QString()), "pop6");
    PopupMenu1->addSeparator();
    findprefix = Benannt(PopupMenu1->addAction(QString()), "findprefix");
    delprefix = Benannt(PopupMenu1->addAction(QString()), "delprefix");
    PopupMenu1->addSeparator();
    pop1 = Benannt(PopupMenu1->addAction(QString()), "pop1");
    pop7 = Benannt(PopupMenu1->addAction(QString()), "pop7");
    PopupMenu1->addSeparator();
    pop2 = Benannt(PopupMenu1->addAction(QString()), "pop2");
    pop3 = Benannt(PopupMenu1->addAction(QString()), "pop3");
    pop4 = Benannt(PopupMenu1->addAction(QString()), "pop4");
    return seite_;
}

void Tprog::MenuesAufbauen() {
    menu = Benannt(new QMenuBar(this), "menu");
    setMenuBar(menu);
    Programm1 = Benannt(menu->addMenu(QString()), "Programm1");
    Einstellungen2 = Benannt(menu->addMenu(QString()), "Einstellungen2");
    m_soft_de = Benannt(menu->addMenu(QStringLiteral("Software")), "m_soft_de");
    m_soft_en = Benannt(menu->addMenu(QStringLiteral("Software")), "m_soft_en");
    Information1 = Benannt(menu->addMenu(QStringLiteral("Help and Information")), "Information1");
    Hilfe1 = Benannt(menu->addMenu(QStringLiteral("Hilfe und Info")), "Hilfe1");

    m_userunits = Benannt(Programm1->addAction(QString()), "m_userunits");
    Programm1->addSeparator();
    m_bugreport = Benannt(Programm1->addAction(QString()), "m_bugreport");
    Programm1->addSeparator();
    m_close = Benannt(Programm1->addAction(QString()), "m_close");

    m_einstopt = Benannt(Einstellungen2->addAction(QString()), "m_einstopt");
    Einstellungen2->addSeparator();
    m_konfig_save = Benannt(Einstellungen2->addAction(QString()), "m_konfig_save");
    m_konfig_open = Benannt(Einstellungen2->addAction(QString()), "m_konfig_open");
    m_konfig_alsstart = Benannt(Einstellungen2->addAction(QString()), "m_konfig_alsstart");
    m_konfig_autosave = Benannt(Einstellungen2->addMenu(QString()), "m_konfig_autosave");
    m_konfig_autosave_nie = Benannt(m_konfig_autosave->addAction(QString()), "m_konfig_autosave_nie");
    m_konfig_autosave_alles = Benannt(m_konfig_autosave->addAction(QString()), "m_konfig_autosave_alles");
    // Not an exclusive group: a hand-edited configuration may check both or
    // neither, and the menu shows what it says.
    for (QAction* a : {m_konfig_autosave_nie, m_konfig_autosave_alles}) a->setCheckable(true);
    m_konfig_autosave_nie->setChecked(true);
    Einstellungen2->addSeparator();
    m_einstspr = Benannt(Einstellungen2->addMenu(QString()), "m_einstspr");
    Deutsch1 = Benannt(m_einstspr->addAction(QStringLiteral("Deutsch")), "Deutsch1");
    Englisch1 = Benannt(m_einstspr->addAction(QStringLiteral("English")), "Englisch1");
    auto* sprachen = new QActionGroup(this);
    for (QAction* a : {Deutsch1, Englisch1}) {
        a->setCheckable(true);
        sprachen->addAction(a);
    }

    // The menus open the pages of the help windows; the maker's web pages
    // follow after a separator.
    Funktionen2 = Benannt(Hilfe1->addAction(QStringLiteral("Einführung")), "Funktionen2");
    FehleroderVerbesserungmelden1 = Benannt(Hilfe1->addAction(QStringLiteral("Fehler oder Verbesserung melden..")),
                                            "FehleroderVerbesserungmelden1");
    Empfehlungen1 = Benannt(Hilfe1->addAction(QStringLiteral("Empfehlungen")), "Empfehlungen1");
    Software1 = Benannt(Hilfe1->addAction(QStringLiteral("Software")), "Software1");
    WiesoSpenden1 = Benannt(Hilfe1->addAction(QStringLiteral("Wieso Spenden?")), "WiesoSpenden1");
    Lizenz1 = Benannt(Hilfe1->addAction(QStringLiteral("Lizenz")), "Lizenz1");
    Introduction1 = Benannt(Information1->addAction(QStringLiteral("Introduction")), "Introduction1");
    ReportBugorImprovement1 =
        Benannt(Information1->addAction(QStringLiteral("Report Bug or Improvement..")), "ReportBugorImprovement1");
    Regards1 = Benannt(Information1->addAction(QStringLiteral("Regards")), "Regards1");
    Software2 = Benannt(Information1->addAction(QStringLiteral("Software")), "Software2");
    WhyDonate1 = Benannt(Information1->addAction(QStringLiteral("Why Donate?")), "WhyDonate1");
    Licence1 = Benannt(Information1->addAction(QStringLiteral("Licence")), "Licence1");
    KurzbeschreibungallerProgramme1 = Benannt(m_soft_de->addAction(QStringLiteral("Kurzbeschreibung aller Programme")),
                                              "KurzbeschreibungallerProgramme1");
    BriefDescriptionoftheSoftware1 = Benannt(
        m_soft_en->addAction(QStringLiteral("Brief Description of the Software")), "BriefDescriptionoftheSoftware1");

    struct Link {
        const char* pfad;
        const char* text;
    };
    const Link de[] = {{"/quarnelo", "Homepage dieser Software"},
                       {"/quarnelo-hilfe", "Einführung in diese Software"},
                       {"/quarnelo-funktionen", "Dokumentation aller Funktionen"},
                       {"/spenden", "Wenn Sie diese Anwendung mögen"},
                       {"", ""},
                       {"/individuelle-anpassung", "Wir passen diese Software Ihren Bedürfnissen an"}};
    const Link en[] = {{"/quarnelo", "Website of this Software"},
                       {"/quarnelo-help", "Introduction to this Software"},
                       {"/quarnelo-functions", "Documentation of all Functions"},
                       {"/donate", "If you like this Application"},
                       {"", ""},
                       {"/individual-fit", "We adapt this Software to your needs"}};
    const Link softDe[] = {{"/individuell", "Individuelle Softwarelösungen für jeden Zweck"},
                           {"/individuelle-anpassung", "Individuelle Anpassung von Software"}};
    const Link softEn[] = {{"/individual", "Individual Software Solutions for every Purpose"},
                           {"/individual-fit", "Individual Adaption of existing Software"}};
    auto links = [this](QMenu* m, const QString& seite, const Link* l, int n) {
        m->addSeparator();
        for (int i = 0; i < n; ++i) {
            const QString text = *l[i].text ? seite + QString::fromUtf8(l[i].pfad) + QStringLiteral(" - ") +
                                                  QString::fromUtf8(l[i].text)
                                            : seite;
            QAction* a = m->addAction(text);
            connect(a, &QAction::triggered, this, [this, a] { BrowseToMenuCaption(a->text()); });
        }
    };
    links(Hilfe1, SeiteDe(), de, 6);
    links(Information1, SeiteInt(), en, 6);
    links(m_soft_de, SeiteDe(), softDe, 2);
    links(m_soft_en, SeiteInt(), softEn, 2);
}

void Tprog::Verbinden() {
    connect(cb_kategorie, &QComboBox::currentTextChanged, this, &Tprog::cb_kategorieChange);
    connect(cb_anzeige, &QComboBox::currentTextChanged, this, &Tprog::cb_kategorieChange);
    connect(ed_filter, &QLineEdit::textChanged, this, &Tprog::ed_filterChange);

    connect(te_einheit1, &QComboBox::currentTextChanged, this, &Tprog::te_einheit1Change);
    connect(te_einheit2, &QComboBox::currentTextChanged, this, &Tprog::te_einheit2Change);
    connect(te_einheit3, &QComboBox::currentTextChanged, this, &Tprog::te_einheit3Change);
    connect(te_wert1, &QLineEdit::textChanged, this, &Tprog::te_wert1Change);
    connect(te_wert2, &QLineEdit::textChanged, this, &Tprog::te_wert2Change);
    connect(te_wert3, &QLineEdit::textChanged, this, &Tprog::te_wert3Change);
    for (QComboBox* b : {te_vorsatz1, te_vorsatz2, te_vorsatz3})
        connect(b, &QComboBox::currentTextChanged, this, &Tprog::te_wert1Change);
    for (QComboBox* b : {te_einheit1, te_einheit2, te_einheit3, vgl_einheit})
        connect(b->lineEdit(), &QLineEdit::textEdited, this, [this, b] { te_einheit1KeyUp(b); });
    QToolButton* allein[] = {te_copyallein1, te_copyallein2, te_copyallein3};
    QToolButton* mitEinheit[] = {te_copyeinheit1, te_copyeinheit2, te_copyeinheit3};
    for (int i = 0; i < 3; ++i) {
        connect(allein[i], &QToolButton::clicked, this, [this, i] { te_copyallein1Click(i + 1); });
        connect(mitEinheit[i], &QToolButton::clicked, this, [this, i] { te_copyeinheit1Click(i + 1); });
    }

    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& neu, const QItemSelection& alt) {
                if (auswahlStill_) return;
                // The handler runs for each row whose selection changed, the
                // unselected ones first; only the last run leaves a trace, so it
                // is the one that runs.
                int letzte = -1;
                for (const QItemSelectionRange& r : alt) letzte = std::max(letzte, r.bottom());
                int neuLetzte = -1;
                for (const QItemSelectionRange& r : neu) neuLetzte = std::max(neuLetzte, r.bottom());
                if (neuLetzte >= 0) letzte = neuLetzte;
                if (letzte >= 0) listSelectItem(letzte);
            });
    connect(ed_list, &QLineEdit::textChanged, this, &Tprog::ed_listChange);
    connect(ed_vorsatz, &QComboBox::currentTextChanged, this, &Tprog::ed_vorsatzChange);
    connect(vgl_einheit, &QComboBox::currentTextChanged, this, &Tprog::vgl_einheitChange);
    connect(vgl_vorsatz, &QComboBox::currentTextChanged, this, &Tprog::vgl_vorsatzChange);
    connect(vgl_wert, &QLineEdit::textChanged, this, &Tprog::vgl_wertChange);
    connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this, &Tprog::listColumnClick);
    list->listDragDrop = [this](int ziel) { listDragDrop(ziel); };
    list->Loeschen = [this] { listLoeschen(); };
    list->PopupMenu1Popup = [this](const QPoint& p) { PopupMenu1Popup(p); };
    connect(pop1, &QAction::triggered, this, &Tprog::pop1Click);
    connect(pop2, &QAction::triggered, this, &Tprog::pop2Click);
    connect(pop3, &QAction::triggered, this, &Tprog::pop3Click);
    connect(pop4, &QAction::triggered, this, &Tprog::pop4Click);
    connect(pop5, &QAction::triggered, this, &Tprog::pop5Click);
    connect(pop6, &QAction::triggered, this, &Tprog::pop6Click);
    connect(pop7, &QAction::triggered, this, &Tprog::pop7Click);
    connect(findprefix, &QAction::triggered, this, &Tprog::findprefixClick);
    connect(delprefix, &QAction::triggered, this, &Tprog::delprefixClick);
    connect(tab_copyallein, &QToolButton::clicked, this, &Tprog::tab_copyalleinClick);
    connect(tab_copyeinheit, &QToolButton::clicked, this, &Tprog::tab_copyeinheitClick);
    connect(vgl_copyallein, &QToolButton::clicked, this, &Tprog::vgl_copyalleinClick);
    connect(vgl_copyeinheit, &QToolButton::clicked, this, &Tprog::vgl_copyeinheitClick);

    connect(Deutsch1, &QAction::triggered, this, &Tprog::Deutsch1Click);
    connect(Englisch1, &QAction::triggered, this, &Tprog::Englisch1Click);
    connect(m_close, &QAction::triggered, this, &Tprog::m_closeClick);
    connect(m_einstopt, &QAction::triggered, this, &Tprog::m_einstoptClick);
    connect(m_userunits, &QAction::triggered, this, &Tprog::m_userunitsClick);
    connect(m_bugreport, &QAction::triggered, this, &Tprog::m_bugreportClick);
    connect(FehleroderVerbesserungmelden1, &QAction::triggered, this, &Tprog::m_bugreportClick);
    connect(ReportBugorImprovement1, &QAction::triggered, this, &Tprog::m_bugreportClick);
    connect(m_konfig_save, &QAction::triggered, this, &Tprog::m_konfig_saveClick);
    connect(m_konfig_open, &QAction::triggered, this, &Tprog::m_konfig_openClick);
    connect(m_konfig_alsstart, &QAction::triggered, this, &Tprog::m_konfig_alsstartClick);
    connect(m_konfig_autosave_nie, &QAction::triggered, this, &Tprog::m_konfig_autosave_nieClick);
    connect(m_konfig_autosave_alles, &QAction::triggered, this, &Tprog::m_konfig_autosave_allesClick);
    // Each help item shows its page of the German or the English help window.
    const std::pair<QAction*, int> deSeiten[] = {{Funktionen2, Thilfe::pc_hilfe},
                                                 {Empfehlungen1, Thilfe::pc_empf},
                                                 {Software1, Thilfe::pc_software},
                                                 {WiesoSpenden1, Thilfe::pc_spenden},
                                                 {Lizenz1, Thilfe::pc_lizenz},
                                                 {KurzbeschreibungallerProgramme1, Thilfe::pc_software}};
    for (auto [a, seite] : deSeiten)
        connect(a, &QAction::triggered, this, [this, seite] {
            if (programm_.hilfe) programm_.hilfe->SeiteZeigen(seite);
        });
    const std::pair<QAction*, int> enSeiten[] = {{Introduction1, Thilfe::pc_hilfe},
                                                 {Regards1, Thilfe::pc_empf},
                                                 {Software2, Thilfe::pc_software},
                                                 {WhyDonate1, Thilfe::pc_spenden},
                                                 {Licence1, Thilfe::pc_lizenz},
                                                 {BriefDescriptionoftheSoftware1, Thilfe::pc_software}};
    for (auto [a, seite] : enSeiten)
        connect(a, &QAction::triggered, this, [this, seite] {
            if (programm_.hilfe_en) programm_.hilfe_en->SeiteZeigen(seite);
        });
}

QString Tprog::Startkonfiguration() const {
    const QString ordner = programm_.programmOrdner;
    const QString gefunden = textfiles::DateiFinden(ordner, QStringLiteral("Auto.qcf"));
    return gefunden.isEmpty() ? ordner + QStringLiteral("/Auto.qcf") : gefunden;
}

void Tprog::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (gezeigt_) return;
    gezeigt_ = true;
    const QString datei = Startkonfiguration();
    if (QFileInfo(datei).isFile() && programm_.konfigurationLaden)
        Geschuetzt([&] { programm_.konfigurationLaden(datei, true); });
}

bool Tprog::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && Tag == 0) {
        Tag = 1;
        showMaximized();
    }
    return QMainWindow::event(e);
}

void Tprog::closeEvent(QCloseEvent* e) {
    // Closing by the close box saves the start configuration when chosen; if
    // that fails the error is shown and the window stays open, so the user can
    // choose where the settings go instead of losing them. When the program
    // ends (the menu's "Close", or the start window closing) nothing is saved.
    if (!programm_.beenden && m_konfig_autosave_alles->isChecked() &&
        !KonfigurationSchreiben(Startkonfiguration())) {
        e->ignore();
        return;
    }
    e->accept();
    if (programm_.start && !programm_.beenden) programm_.start->close();
}

void Tprog::m_closeClick() {
    // Ends the program without the close request of this window.
    if (programm_.start)
        programm_.start->close();
    else
        QCoreApplication::quit();
}

void Tprog::m_einstoptClick() {
    if (programm_.optionenFenster) programm_.optionenFenster->show();
}

void Tprog::m_userunitsClick() {
    if (programm_.userunits) programm_.userunits->show();
}

void Tprog::m_bugreportClick() {
    QWidget* w = programm_.deutsch() ? static_cast<QWidget*>(programm_.bugreport_de)
                                     : static_cast<QWidget*>(programm_.bugreport_en);
    if (w) w->show();
}

void Tprog::m_konfig_saveClick() {
    const QString filter =
        programm_.deutsch() ? QStringLiteral("Quarnelo Konfiguration (*.qcf)") : QStringLiteral("Quarnelo Configuration (*.qcf)");
    QFileDialog d(this, QString(), QString(), filter);
    d.setObjectName(QStringLiteral("sd_konfig"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    // An existing file is updated in place, keeping its other keys; no question.
    d.setOption(QFileDialog::DontConfirmOverwrite);
    d.setDefaultSuffix(QStringLiteral("qcf"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
    KonfigurationSchreiben(d.selectedFiles().first());
}

void Tprog::m_konfig_openClick() {
    const QString filter =
        programm_.deutsch() ? QStringLiteral("Quarnelo Konfiguration (*.qcf)") : QStringLiteral("Quarnelo Configuration (*.qcf)");
    QFileDialog d(this, QString(), QString(), filter);
    d.setObjectName(QStringLiteral("od_konfig"));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist is accepted: loading it changes no
    // setting and only rebuilds the view.
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(QStringLiteral("qcf"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
    const QString datei = d.selectedFiles().first();
    if (programm_.konfigurationLaden) Geschuetzt([&] { programm_.konfigurationLaden(datei, false); });
}

void Tprog::m_konfig_alsstartClick() { KonfigurationSchreiben(Startkonfiguration()); }

bool Tprog::KonfigurationSchreiben(const QString& datei) {
    if (!programm_.konfigurationSpeichern) return true;
    bool ok = false;
    Geschuetzt([&] {
        programm_.konfigurationSpeichern(datei);
        ok = true;
    });
    return ok;
}

void Tprog::m_konfig_autosave_nieClick() {
    m_konfig_autosave_nie->setChecked(true);
    m_konfig_autosave_alles->setChecked(false);
}

void Tprog::m_konfig_autosave_allesClick() {
    m_konfig_autosave_alles->setChecked(true);
    m_konfig_autosave_nie->setChecked(false);
}

void Tprog::Timer1Timer() {
    ++HinweisZaehler;
    laspenden->setText(HinweisText(HinweisZaehler, programm_.deutsch()));
}

void Tprog::laspendenClick() { programm_.Oeffnen(AdresseMitBeschreibung(laspenden->text(), Ort::Spende, false)); }

void Tprog::BrowseToMenuCaption(const QString& beschriftung) {
    programm_.Oeffnen(AdresseMitBeschreibung(beschriftung, Ort::Menue, true));
}

bool Tprog::eventFilter(QObject* o, QEvent* e) {
    if (o == laspenden && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        laspendenClick();
        return true;
    }
    for (QComboBox* b : {te_einheit1, te_einheit2, te_einheit3, vgl_einheit}) {
        if (o != b->lineEdit()) continue;
        if (e->type() == QEvent::KeyPress) te_einheit1KeyDown(b);
        if (e->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason)
            te_einheit1Enter(b);
        break;
    }
    return QMainWindow::eventFilter(o, e);
}

}  // namespace quarnelo::ui

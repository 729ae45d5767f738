#include "ui/u_userunits.h"

#include <QCloseEvent>
#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTreeWidget>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "catalog/registry.h"
#include "conversion/umrechnung.h"
#include "numeric/checks.h"
#include "textfiles/benutzereinheiten.h"
#include "textfiles/textdatei.h"
#include "ui/benannt.h"
#include "ui/programm.h"
#include "ui/rahmen.h"
#include "ui/u_prog.h"
#include "ui/verweise.h"

namespace quarnelo::ui {

namespace {

// Characters a file name cannot hold; a category name becomes a file name.
const QString kVerboten = QStringLiteral("\"*/:<>?\\|");

bool Verboten(QChar c) { return kVerboten.contains(c); }

}  // namespace

// Strips the forbidden characters from text that reaches the category box by
// other ways than a typed key (pasting, dropping, input methods). Only what
// the change inserted is stripped, so the display names of the built-in
// categories, some of which hold "/", stay whole when chosen or edited.
class Namenspruefer : public QValidator {
public:
    Namenspruefer(QComboBox* box, QObject* parent) : QValidator(parent), box_(box) {}
    QString vorher;  // the text before the change under test

    State validate(QString& text, int& pos) const override {
        if (box_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) return Acceptable;
        const qsizetype kurz = std::min(text.size(), vorher.size());
        qsizetype vorne = 0;
        while (vorne < kurz && text[vorne] == vorher[vorne]) ++vorne;
        qsizetype hinten = 0;
        while (hinten < kurz - vorne && text[text.size() - 1 - hinten] == vorher[vorher.size() - 1 - hinten])
            ++hinten;
        QString neu;
        int vorCursor = 0;
        for (qsizetype i = vorne; i < text.size() - hinten; ++i) {
            if (!Verboten(text[i]))
                neu.append(text[i]);
            else if (i < pos)
                ++vorCursor;
        }
        if (neu.size() == text.size() - hinten - vorne) return Acceptable;
        text = text.left(vorne) + neu + text.right(hinten);
        pos = std::max<int>(static_cast<int>(vorne), pos - vorCursor);
        return Acceptable;
    }

private:
    QComboBox* box_;
};

Tuserunits::Tuserunits(Programm& programm)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), programm_(programm) {
    setObjectName(QStringLiteral("Tuserunits"));
    Aufbauen();
    FormCreate();
    resize(std::max(sizeHint().width(), 600), std::max(sizeHint().height(), 600));
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

void Tuserunits::Aufbauen() {
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(6, 6, 6, 6);
    haupt->setSpacing(4);

    gb1 = Benannt(new Rahmen(this), "gb1");
    auto* z1 = new QHBoxLayout;
    z1->setContentsMargins(0, 0, 0, 0);
    Label6 = Benannt(new QLabel(gb1), "Label6");
    cb_kategorie = Benannt(new QComboBox(gb1), "cb_kategorie");
    cb_kategorie->setEditable(true);
    cb_kategorie->setInsertPolicy(QComboBox::NoInsert);
    cb_kategorie->setMaxVisibleItems(20);
    // A typed name stays as typed: no completion to a listed name.
    cb_kategorie->setCompleter(nullptr);
    pruefer_ = new Namenspruefer(cb_kategorie, this);
    cb_kategorie->setValidator(pruefer_);
    cb_kategorie->lineEdit()->installEventFilter(this);
    z1->addWidget(Label6);
    z1->addWidget(cb_kategorie, 1);
    gb1->Inhalt()->addLayout(z1);
    haupt->addWidget(gb1);

    gb2 = Benannt(new Rahmen(this), "gb2");
    list = Benannt(new QTreeWidget(gb2), "list");
    list->setColumnCount(4);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->header()->setSortIndicatorShown(false);
    list->header()->setStretchLastSection(true);
    list->setColumnWidth(0, 150);
    list->setColumnWidth(1, 90);
    list->setColumnWidth(2, 110);
    list->installEventFilter(this);
    gb2->Inhalt()->addWidget(list);
    haupt->addWidget(gb2, 1);

    gb3 = Benannt(new Rahmen(this), "gb3");
    auto* g3 = new QGridLayout;
    g3->setContentsMargins(0, 0, 0, 0);
    g3->setVerticalSpacing(4);
    Label1 = Benannt(new QLabel(gb3), "Label1");
    Label2 = Benannt(new QLabel(gb3), "Label2");
    Label3 = Benannt(new QLabel(gb3), "Label3");
    Label4 = Benannt(new QLabel(gb3), "Label4");
    Label5 = Benannt(new QLabel(gb3), "Label5");
    ed_einheit = Benannt(new QLineEdit(gb3), "ed_einheit");
    ed_abk = Benannt(new QLineEdit(gb3), "ed_abk");
    ed_ordnung = Benannt(new QLineEdit(gb3), "ed_ordnung");
    ed_term1 = Benannt(new QLineEdit(gb3), "ed_term1");
    ed_term2 = Benannt(new QLineEdit(gb3), "ed_term2");
    ed_faktor = Benannt(new QLineEdit(gb3), "ed_faktor");
    rb_term = Benannt(new QRadioButton(gb3), "rb_term");
    rb_fakt = Benannt(new QRadioButton(gb3), "rb_fakt");
    Add = Benannt(new QPushButton(gb3), "Add");
    g3->addWidget(Label1, 0, 0, 1, 2);
    g3->addWidget(ed_einheit, 0, 2);
    g3->addWidget(Label2, 1, 0, 1, 2);
    g3->addWidget(ed_abk, 1, 2);
    g3->addWidget(Label3, 2, 0, 1, 2);
    g3->addWidget(ed_ordnung, 2, 2);
    g3->addWidget(rb_term, 3, 0);
    g3->addWidget(Label4, 3, 1);
    g3->addWidget(ed_term1, 3, 2);
    g3->addWidget(Label5, 4, 1);
    g3->addWidget(ed_term2, 4, 2);
    g3->addWidget(rb_fakt, 5, 0, 1, 2);
    g3->addWidget(ed_faktor, 5, 2);
    g3->addWidget(Add, 6, 2, Qt::AlignRight);
    g3->setColumnStretch(2, 1);
    gb3->Inhalt()->addLayout(g3);
    haupt->addWidget(gb3);

    auto* unten = new QHBoxLayout;
    unten->setContentsMargins(2, 2, 0, 0);
    auto* hilfe = new QVBoxLayout;
    hilfe->setSpacing(2);
    Label7 = Benannt(new QLabel(this), "Label7");
    laspenden = Benannt(new QLabel(this), "laspenden");
    QFont fett = laspenden->font();
    fett.setBold(true);
    fett.setUnderline(true);
    laspenden->setFont(fett);
    laspenden->setStyleSheet(QStringLiteral("color: #62274f;"));
    laspenden->setCursor(Qt::PointingHandCursor);
    Label7->installEventFilter(this);
    laspenden->installEventFilter(this);
    hilfe->addWidget(Label7);
    hilfe->addWidget(laspenden);
    unten->addLayout(hilfe);
    unten->addStretch(1);
    Speichern = Benannt(new QPushButton(this), "Speichern");
    Abbrechen = Benannt(new QPushButton(this), "Abbrechen");
    Speichern->setAutoDefault(false);
    Abbrechen->setAutoDefault(false);
    Add->setAutoDefault(false);
    unten->addWidget(Speichern, 0, Qt::AlignBottom);
    unten->addWidget(Abbrechen, 0, Qt::AlignBottom);
    haupt->addLayout(unten);

    rb_fakt->setChecked(true);

    connect(cb_kategorie->lineEdit(), &QLineEdit::textChanged, this, [this](const QString& t) { pruefer_->vorher = t; });
    connect(cb_kategorie, &QComboBox::editTextChanged, this, &Tuserunits::KategorieTextGeaendert);
    connect(Add, &QPushButton::clicked, this, &Tuserunits::AddClick);
    connect(Speichern, &QPushButton::clicked, this, &Tuserunits::SpeichernClick);
    connect(Abbrechen, &QPushButton::clicked, this, &Tuserunits::AbbrechenClick);
    connect(rb_fakt, &QRadioButton::toggled, this, &Tuserunits::rb_faktClick);
    connect(rb_term, &QRadioButton::toggled, this, &Tuserunits::rb_faktClick);
    connect(list->header(), &QHeaderView::sectionClicked, this, &Tuserunits::listColumnClick);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& neu, const QItemSelection& alt) {
                if (auswahlStill_) return;
                const QItemSelection& s = neu.isEmpty() ? alt : neu;
                if (s.isEmpty()) return;
                // The row the user clicked last; for a range the row at its end.
                const QModelIndex aktuell = list->currentIndex();
                const int zeile = aktuell.isValid() && s.contains(aktuell) ? aktuell.row() : s.last().bottom();
                listSelectItem(list->topLevelItem(zeile));
            });
    // Enter in a field of the new unit adds it.
    for (QLineEdit* e : {ed_einheit, ed_abk, ed_ordnung, ed_term1, ed_term2, ed_faktor})
        connect(e, &QLineEdit::returnPressed, this, &Tuserunits::AddClick);
    rb_faktClick();
}

void Tuserunits::FormCreate() {
    Gespeichert = true;
    Sprache();
}

QString Tuserunits::Einheitenordner() const {
    return textfiles::EinheitenOrdner(textfiles::ProgrammOrdner(programm_.programmOrdner));
}

void Tuserunits::Sprache() {
    const bool de = programm_.deutsch();
    auto T = [de](const char* d, const char* e) { return QString::fromUtf8(de ? d : e); };

    {
        QSignalBlocker still(cb_kategorie);
        QStringList namen;
        try {
            namen = textfiles::BenutzerKategorien(textfiles::ProgrammOrdner(programm_.programmOrdner));
        } catch (const std::exception& e) {
            Melden(QString::fromUtf8(e.what()));
        }
        namen += catalog::KategorieNamen(de);
        cb_kategorie->clear();
        cb_kategorie->addItems(namen);
        cb_kategorie->setCurrentIndex(0);
        cb_kategorie->setEditText(cb_kategorie->itemText(0));
    }

    setWindowTitle(T("Benutzerdefinierte Einheiten", "User-Defined Units"));
    gb1->TitelSetzen(T("Wählen Sie eine bestehende Kategorie oder geben Sie den Namen für eine neue Kategorie ein:",
                       "Choose an existing Category or type in a Name for a new Category:"));
    Label6->setText(T("Kategorie:", "Category:"));
    gb2->TitelSetzen(T("Einheiten einer neuen Kategorie oder benutzerdefinierte Einheiten einer bestehenden Kategorie:",
                       "Units of a new Category or user-defined Units of an existing Category:"));
    list->setHeaderLabels(de ? QStringList{QStringLiteral("Einheit"), QStringLiteral("Abkürzung"),
                                           QStringLiteral("Ordnung"), QStringLiteral("Faktor/Term")}
                             : QStringList{QStringLiteral("Unit"), QStringLiteral("Shortcut"), QStringLiteral("System"),
                                           QStringLiteral("Factor/Term")});
    gb3->TitelSetzen(T("Hier können Sie eine neue Einheit anlegen:", "Here you can attach a new Unit:"));
    Label1->setText(T("Name der Einheit:", "Name of Unit:"));
    Label2->setText(T("Abkürzung:", "Shortcut:"));
    Label3->setText(T("Ordnung:", "System:"));
    Label4->setText(T("Einheit -> 1:", "Unit -> 1:"));
    Label5->setText(T("1 -> Einheit:", "1 -> Unit:"));
    rb_term->setText(T("Term:", "Term:"));
    rb_fakt->setText(T("Faktor:", "Factor:"));
    Add->setText(T("Einheit hinzufügen", "Add Unit"));
    Speichern->setText(T("Kategorie speichern", "Save Category"));
    Abbrechen->setText(T("Abbrechen", "Cancel"));
    Label7->setText(T("Hilfe, Anwendungsmöglichkeiten und Beispiele bekommen Sie auf:",
                      "Help, Applications and Examples on:"));
    laspenden->setText(de ? SeiteDe() + QStringLiteral("/quarnelo-benutzereinheiten")
                          : SeiteInt() + QStringLiteral("/quarnelo-customunits"));

    // The category box may now show another category: ask, then load it.
    cb_kategorieChange();
}

void Tuserunits::KategorieTextGeaendert() {
    // Stripping a pasted character may give back the text already loaded.
    if (cb_kategorie->currentText() == geladenerText_) return;
    cb_kategorieChange();
}

bool Tuserunits::NachfrageSpeichern() {
    if (Gespeichert) return true;
    const QString frage = programm_.deutsch()
        ? QStringLiteral("Die Einheiten der gewählten Kategorie wurde nicht gespeichert. Soll sie nun gespeichert werden?")
        : QStringLiteral("The Units of the Category currently loaded are not saved. Do you want to save these Units?");
    const bool ja = programm_.meldungen && programm_.meldungen->Frage(frage);
    if (!ja) {
        Gespeichert = true;
        return true;
    }
    // Saves under the category loaded before; when that fails the rows stay
    // unsaved and are not replaced.
    SpeichernClick();
    return Gespeichert;
}

void Tuserunits::cb_kategorieChange() {
    const QString text = cb_kategorie->currentText();
    geladenerText_ = text;
    if (!NachfrageSpeichern()) return;

    auswahlStill_ = true;
    list->clear();
    auswahlStill_ = false;
    QString name = catalog::KategorieSchluessel(text);
    if (name.isEmpty()) name = text;
    try {
        const QString datei = textfiles::DateiFinden(Einheitenordner(), name + QStringLiteral(".txt"));
        if (!name.isEmpty() && !datei.isEmpty()) {
            const QString tab(QLatin1Char('\t'));
            QList<QTreeWidgetItem*> zeilen;
            for (const QString& zeile : textfiles::TextZerlegen(textfiles::TextDateiLaden(datei), QStringLiteral("\r\n"))) {
                const QStringList felder = textfiles::TextZerlegen(zeile, tab);
                if (felder.size() == 4) zeilen.append(new QTreeWidgetItem(felder));
            }
            list->addTopLevelItems(zeilen);
        }
    } catch (const std::exception& e) {
        Melden(QString::fromUtf8(e.what()));
    }
    AktuelleKategorie = name;
}

bool Tuserunits::cb_kategorieKeyPress(QKeyEvent* e) {
    const QString t = e->text();
    return !t.isEmpty() && std::any_of(t.begin(), t.end(), Verboten);
}

void Tuserunits::AddClick() {
    const bool de = programm_.deutsch();
    const QString br = QStringLiteral("\r\n");
    const QString q(QLatin1Char('"'));
    QString faktor;
    if (rb_fakt->isChecked()) {
        faktor = ed_faktor->text();
        if (!numeric::TermGueltig(conversion::Ansi(faktor))) {
            if (programm_.meldungen)
                programm_.meldungen->Hinweis(
                    (de ? QStringLiteral("Sie haben folgenden ungültigen Faktor eingegeben:")
                        : QStringLiteral("You have entered the following incorrect Factor:")) +
                    br + q + faktor + q + br +
                    (de ? QStringLiteral("Bitte wählen Sie einen anderen Faktor. Hilfe erhalten Sie auf der Seite:")
                        : QStringLiteral("Please enter a new Factor. Help is available on the page:")) +
                    br + laspenden->text());
            return;
        }
    } else {
        faktor = ed_term1->text() + QLatin1Char('&') + ed_term2->text();
        if (!numeric::ZweiTermeGueltig(conversion::Ansi(faktor))) {
            if (programm_.meldungen)
                programm_.meldungen->Hinweis(
                    (de ? QStringLiteral("Sie haben folgenden ungültigen Term eingegeben:")
                        : QStringLiteral("You have entered the following incorrect Term:")) +
                    br + q + ed_term1->text() + q + (de ? QStringLiteral(" und ") : QStringLiteral(" and ")) + q +
                    ed_term2->text() + q + br +
                    (de ? QStringLiteral("Bitte wählen Sie einen anderen Term. Hilfe erhalten Sie auf der Seite:")
                        : QStringLiteral("Please enter a new Term. Help is available on the page:")) +
                    br + laspenden->text());
            return;
        }
    }
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{ed_einheit->text(), ed_abk->text(), ed_ordnung->text(), faktor}));
    Gespeichert = false;
}

void Tuserunits::listSelectItem(QTreeWidgetItem* item) {
    if (!item) return;
    ed_einheit->setText(item->text(0));
    ed_abk->setText(item->text(1));
    ed_ordnung->setText(item->text(2));
    const QStringList teile = textfiles::TextZerlegen(item->text(3), QStringLiteral("&"));
    if (teile.size() == 2) {
        rb_term->setChecked(true);
        ed_term1->setText(teile[0]);
        ed_term2->setText(teile[1]);
        ed_faktor->clear();
    } else {
        rb_fakt->setChecked(true);
        ed_term1->clear();
        ed_term2->clear();
        ed_faktor->setText(item->text(3));
    }
}

bool Tuserunits::listKeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_A && (e->modifiers() & Qt::ControlModifier)) {
        list->selectAll();
        return true;
    }
    if (e->key() == Qt::Key_Delete) {
        const QList<QTreeWidgetItem*> weg = list->selectedItems();
        if (weg.isEmpty()) return true;
        auswahlStill_ = true;
        qDeleteAll(weg);
        auswahlStill_ = false;
        Gespeichert = false;
        return true;
    }
    return false;
}

int Tuserunits::listCompare(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    const int r = c.compare(a->text(SortSpalte), b->text(SortSpalte));
    return SortAbsteigend ? -r : r;
}

void Tuserunits::listColumnClick(int spalte) {
    Gespeichert = false;
    SortSpalte = spalte;
    SortAbsteigend = SortSpalte == LetzteSortSpalte ? !SortAbsteigend : false;
    LetzteSortSpalte = SortSpalte;

    auswahlStill_ = true;
    QList<QTreeWidgetItem*> zeilen;
    QList<QTreeWidgetItem*> markiert = list->selectedItems();
    QTreeWidgetItem* aktuell = list->currentItem();
    while (list->topLevelItemCount() > 0) zeilen.append(list->takeTopLevelItem(0));
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return listCompare(a, b) < 0; });
    list->addTopLevelItems(zeilen);
    if (aktuell) list->setCurrentItem(aktuell, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* z : markiert) z->setSelected(true);
    auswahlStill_ = false;
}

void Tuserunits::rb_faktClick() {
    const bool fakt = rb_fakt->isChecked();
    ed_faktor->setEnabled(fakt);
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label5),
                       static_cast<QWidget*>(ed_term1), static_cast<QWidget*>(ed_term2)})
        w->setEnabled(!fakt);
}

void Tuserunits::SpeichernClick() {
    if (AktuelleKategorie.isEmpty()) {
        AktuelleKategorie = catalog::KategorieSchluessel(cb_kategorie->currentText());
        if (AktuelleKategorie.isEmpty()) AktuelleKategorie = cb_kategorie->currentText();
    }
    // Without a name there is no file to write (it would be ".txt").
    if (AktuelleKategorie.trimmed().isEmpty()) {
        if (programm_.meldungen)
            programm_.meldungen->Hinweis(programm_.deutsch()
                                             ? QStringLiteral("Bitte geben Sie einen Namen für die Kategorie ein.")
                                             : QStringLiteral("Please type in a Name for the Category."));
        return;
    }
    const QString name = AktuelleKategorie;
    QVector<textfiles::TBenutzerEinheit> zeilen;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* z = list->topLevelItem(i);
        zeilen.append({z->text(0), z->text(1), z->text(2), z->text(3)});
    }
    bool neu = false;
    try {
        const QString programmOrdner = textfiles::ProgrammOrdner(programm_.programmOrdner);
        neu = textfiles::DateiFinden(textfiles::EinheitenOrdner(programmOrdner), name + QStringLiteral(".txt")).isEmpty();
        textfiles::BenutzerEinheitenSpeichern(programmOrdner, name, zeilen);
    } catch (const std::exception& e) {
        Melden(QString::fromUtf8(e.what()));
        return;
    }
    // A new category of the user joins both category boxes; a file of a
    // built-in category (in any case of its letters) belongs to that category.
    if (neu && !catalog::IstEingebaut(textfiles::KategorieKlein(name))) {
        auto aufnehmen = [&name](QComboBox* box) {
            if (box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) return;
            const QString text = box->currentText();
            const QSignalBlocker still(box);
            box->addItem(name);
            if (box->currentText() != text) box->setEditText(text);
        };
        aufnehmen(cb_kategorie);
        if (programm_.prog) aufnehmen(programm_.prog->cb_kategorie);
    }
    Gespeichert = true;
}

void Tuserunits::AbbrechenClick() { close(); }

void Tuserunits::laspendenClick() { programm_.Oeffnen(AdresseMitBeschreibung(laspenden->text(), Ort::Spende, false)); }

void Tuserunits::Label7Click() { laspendenClick(); }

void Tuserunits::Melden(const QString& text) {
    if (programm_.meldungen) programm_.meldungen->Fehler(text);
}

void Tuserunits::closeEvent(QCloseEvent* e) {
    // The window only hides; unsaved rows stay in the list when the save is
    // declined or fails.
    NachfrageSpeichern();
    e->accept();
}

void Tuserunits::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool Tuserunits::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (o == cb_kategorie->lineEdit() && cb_kategorieKeyPress(k)) return true;
        if (o == list && listKeyDown(k)) return true;
    }
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        if (o == laspenden) {
            laspendenClick();
            return true;
        }
        if (o == Label7) {
            Label7Click();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

}  // namespace quarnelo::ui

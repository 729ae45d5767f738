#include "ui/berichtfenster.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace quarnelo::ui {

namespace {

constexpr int kTextbreite = 400;

}  // namespace

Berichtfenster::Berichtfenster(Programm& programm, const char* name, const Berichttexte& texte)
    : Infofenster(programm, name, texte.deutsch, texte.titel, Qt::WindowStaysOnTopHint) {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(16, 14, 16, 12);
    spalte->setSpacing(8);
    using B = Baustein;
    const Baustein inhalt[] = {
        {B::Absatz, texte.anrede},
        {B::Absatz, texte.einladung},
        {B::Verweis, QStringLiteral("/support"), "Label70"},
        {B::Absatz, texte.email},
        {B::Absatz, texte.individuell},
        {B::Verweis, texte.individuellPfad, "Label1"},
    };
    for (const Baustein& b : inhalt) BausteinAufbauen(spalte, b, Ort::Bericht, kTextbreite);
    spalte->addSpacing(4);
    Button1 = new QPushButton(QStringLiteral("OK"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setMinimumWidth(90);
    spalte->addWidget(Button1, 0, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, &Berichtfenster::Button1Click);
    sprache();
    Zentrieren();
}

void Berichtfenster::Button1Click() { close(); }

}  // namespace quarnelo::ui

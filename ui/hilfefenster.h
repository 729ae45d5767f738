// A help window of one language: the logo, the page control pc with the pages
// help, recommendations, software, donation and licence, and the buttons that
// make the previous or next page active. Pressing the background or the logo
// moves the window as its title bar would.
#pragma once

#include <QPoint>

#include "ui/bilder.h"
#include "ui/infofenster.h"

class QPushButton;
class QScrollArea;
class QTabWidget;

namespace quarnelo::ui {

class Softwareliste;

/// All a help window shows, in its language; the pages are the same in both.
struct Hilfetexte {
    bool deutsch;       // chooses the host of the links as well
    QString seiten[5];  // the captions of the pages, in the order of Hilfefenster::Seite
    // Help: a heading, four paragraphs, the heading over the support link.
    QString hilfe, absaetze[4], anliegen;
    // Recommendations: custom software with its link, then web services.
    QString individuell, individuellText, individuellPfad, webdienste, webdiensteText;
    // Software: the sentence over the link to the maker's site.
    QString softwareHinweis;
    // Donation: a sentence over the donation link, and the picture.
    QString spendenText, spendenPfad;
    Spendenbildtexte spendenbild;
    // Licence: the terms of use, the licence link, the request for a
    // donation over the donation link, and the disclaimer.
    QString bedingungen, bedingungenText, lizenzPfad, spendenBitte, haftung;
    QString zurueck, weiter;
    // Component names of the buttons, the logo and the list of programs.
    const char *zurueckName, *weiterName, *logoName, *listeName;
};

class Hilfefenster : public Infofenster {
    Q_OBJECT
public:
    // The pages of the page control pc, in their order.
    enum Seite { pc_hilfe, pc_empf, pc_software, pc_spenden, pc_lizenz };
    static constexpr int kSeiten = 5;

    /// Shows the window (brings it up when shown) with `seite` as the active page.
    void SeiteZeigen(int seite);
    /// Makes the page `schritte` further on active, wrapping at both ends.
    void Blaettern(int schritte);
    void sprache() override;

    QTabWidget* pc;

protected:
    Hilfefenster(Programm& programm, const char* name, const Hilfetexte& texte);

    QPushButton* zurueck_;
    QPushButton* weiter_;
    QLabel* logo_;
    Softwareliste* liste_ = nullptr;

    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void SeiteAufbauen(QWidget* seite, const QList<Baustein>& inhalt);

    Hilfetexte texte_;
    QScrollArea* spendenkasten_ = nullptr;
    QLabel* spendenbild_ = nullptr;
    bool ziehen_ = false;  // moved by the mouse here, the system offers no move of its own
    QPoint griff_;         // the mouse position relative to the window's corner
};

}  // namespace quarnelo::ui

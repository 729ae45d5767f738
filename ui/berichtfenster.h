// A window of one language that asks for reports of errors and proposals for
// improvements: it stays on top, shows its paragraphs with the links to the
// support and the custom software pages, and closes with OK or Escape.
#pragma once

#include "ui/infofenster.h"

class QPushButton;

namespace quarnelo::ui {

/// All a report window shows, in its language: the salutation, the
/// invitation over the support link, the note on the e-mail address and the
/// recommendation of custom software over its link.
struct Berichttexte {
    bool deutsch;  // chooses the host of the links as well
    QString titel, anrede, einladung, email, individuell, individuellPfad;
};

class Berichtfenster : public Infofenster {
    Q_OBJECT
public:
    QPushButton* Button1;  // "OK"
    void Button1Click();

protected:
    Berichtfenster(Programm& programm, const char* name, const Berichttexte& texte);
};

}  // namespace quarnelo::ui

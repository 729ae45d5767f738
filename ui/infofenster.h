// The common ground of the help and report windows: a tool window of one
// language, centred and sized to its content, built from a column of
// headings, paragraphs and links; Escape closes it.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "ui/verweise.h"

class QLabel;
class QVBoxLayout;

namespace quarnelo::ui {

struct Programm;

/// One piece of a window's text column.
struct Baustein {
    enum Art {
        Ueberschrift,
        Absatz,
        Verweis,  // `text` is the path after the host of the window's language
        Liste,    // the help windows' list of programs; `text` the sentence over the link to the site
        Bild,     // the help windows' donation picture
    };
    Art art;
    QString text;
    // The component name of a control other code looks up; empty for none.
    const char* name = "";
};

class Infofenster : public QWidget {
    Q_OBJECT
public:
    /// Puts the window's texts into its controls. They are those of the
    /// window's own language, whatever the language of the program.
    virtual void sprache();

protected:
    Infofenster(Programm& programm, const char* name, bool deutsch, const QString& titel, Qt::WindowFlags extra);

    /// Builds a heading, a paragraph or a link into `ziel`; a paragraph wraps
    /// within `breite` pixels. Links open with the place `ort`.
    QLabel* BausteinAufbauen(QVBoxLayout* ziel, const Baustein& b, Ort ort, int breite);
    /// Fixes the size to the content and centres the window on the screen.
    void Zentrieren();

    void keyPressEvent(QKeyEvent* e) override;

    Programm& programm_;

private:
    struct Text {
        QLabel* label;
        QString text;
    };
    QList<Text> texte_;
    QString titel_;
    bool deutsch_;
};

}  // namespace quarnelo::ui

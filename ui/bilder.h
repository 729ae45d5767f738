// The pictures of the help windows, drawn in code: the program's logo and the
// picture on the donation page that explains what a donation does.
#pragma once

#include <QPixmap>
#include <QString>

namespace quarnelo::ui {

/// The texts in the donation picture: a title and the three steps from using
/// the program to its further development.
struct Spendenbildtexte {
    QString titel;
    QString schritte[3];
};

/// The small logo: a badge with two opposed arrows and the name "Quarnelo".
QPixmap Logo();

/// The donation picture in the language of its texts.
QPixmap Spendenbild(const Spendenbildtexte& texte);

}  // namespace quarnelo::ui

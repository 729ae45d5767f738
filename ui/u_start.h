// The start window: the picture of the language, the language itself and the
// timer that hands over to the main window.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace quarnelo::ui {

struct Programm;

class Tstart : public QWidget {
    Q_OBJECT
public:
    explicit Tstart(Programm& programm);

    QLabel* Image1;  // German picture
    QLabel* en1;     // English picture
    QTimer* Timer1;
    int StartZaehler = 0;

    /// Reads the marker files "en" and "de" of the working directory.
    static QString SpracheAusMarkern();

    void sprache();
    void Timer1Timer();
    void Image1Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Programm& programm_;
};

/// The start picture of a language, drawn for the window's size.
QPixmap StartBild(bool deutsch);

}  // namespace quarnelo::ui

// Frame times of the main window on the offscreen platform: switching to the
// length table and typing one digit under it, each including the repaint.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/programm.h"
#include "ui/tabellenmodell.h"
#include "ui/u_prog.h"

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F>
void Messen(const char* was, F f, int runden) {
    std::vector<double> ms;
    for (int i = 0; i < runden; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        f(i);
        QApplication::processEvents();  // the repaint of the table
        ms.push_back(uhr.nsecsElapsed() / 1e6);
    }
    std::printf("%-40s median %6.2f ms  max %6.2f ms  (%d runs)\n", was, Median(ms),
                *std::max_element(ms.begin(), ms.end()), runden);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quarnelo::ui::Programm p;
    quarnelo::ui::Nachrichtenfenster m;
    p.meldungen = &m;

    QElapsedTimer uhr;
    uhr.start();
    quarnelo::ui::FensterErzeugen(p);
    p.prog->show();
    QApplication::processEvents();
    std::printf("%-40s %6.2f ms\n", "eight windows created, main shown", uhr.nsecsElapsed() / 1e6);

    QComboBox* anzeige = p.prog->cb_anzeige;
    std::vector<double> wechsel;
    for (int i = 0; i < 30; ++i) {
        anzeige->setCurrentIndex(0);
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        anzeige->setCurrentIndex(2);
        QApplication::processEvents();
        wechsel.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("%-40s median %6.2f ms  max %6.2f ms  (30 runs)\n", "switch to the length table (952 rows)",
                Median(wechsel), *std::max_element(wechsel.begin(), wechsel.end()));
    std::printf("table rows: %d\n", p.prog->list->model()->rowCount());

    QLineEdit* ed = p.prog->ed_list;
    Messen("type one digit into ed_list", [&](int i) { ed->setText(QString::number(i % 9 + 1)); }, 100);
    quarnelo::ui::FensterFreigeben(p);
    return 0;
}

// The window program: the eight windows and the message loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/anbindung.h"
#include "ui/bildschirmfotos.h"
#include "ui/programm.h"
#include "ui/u_prog.h"
#include "ui/u_start.h"

namespace {

// Reports the time from the start of the process to the first paint of the
// main window, then ends.
class ErsteFarbe : public QObject {
public:
    explicit ErsteFarbe(QElapsedTimer& uhr) : uhr_(uhr) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !fertig_) {
            fertig_ = true;
            std::printf("first paint of the main window after %.1f ms\n", uhr_.nsecsElapsed() / 1e6);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(o, e);
    }

private:
    QElapsedTimer& uhr_;
    bool fertig_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer uhr;
    uhr.start();
    QString fotos;
    bool zeit = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            fotos = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--time-to-paint") == 0) {
            zeit = true;
        } else {
            std::fprintf(stderr, "quarnelo: unknown command %s (see quarnelo --help)\n", argv[i]);
            return 2;
        }
    }
    if (!fotos.isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quarnelo"));
    app.setQuitOnLastWindowClosed(false);  // closing the start window ends the run

    quarnelo::ui::Programm p;
    quarnelo::ui::Nachrichtenfenster meldungen;
    p.meldungen = &meldungen;
    quarnelo::ui::Verdrahten(p);
    quarnelo::ui::FensterErzeugen(p);

    int rc = 0;
    if (!fotos.isEmpty()) {
        rc = quarnelo::ui::Bildschirmfotos(p, fotos);
    } else if (zeit) {
        ErsteFarbe farbe(uhr);
        p.prog->installEventFilter(&farbe);
        p.start->Timer1->stop();
        p.prog->show();
        rc = app.exec();
    } else {
        p.start->show();
        rc = app.exec();
    }
    quarnelo::ui::FensterFreigeben(p);
    return rc;
}

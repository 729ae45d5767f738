#include "ui/verweislabel.h"

#include <QMouseEvent>

#include "ui/programm.h"

namespace quarnelo::ui {

Verweislabel::Verweislabel(Programm& programm, Ort ort, QWidget* parent)
    : QLabel(parent), programm_(programm), ort_(ort) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
}

void Verweislabel::Oeffnen() { programm_.Oeffnen(AdresseAusBeschriftung(text(), ort_)); }

// The press is taken here so that it does not reach a window that moves when
// its background is pressed.
void Verweislabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        gedrueckt_ = true;
        e->accept();
        return;
    }
    QLabel::mousePressEvent(e);
}

void Verweislabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const bool klick = gedrueckt_ && rect().contains(e->position().toPoint());
        gedrueckt_ = false;
        e->accept();
        if (klick) Oeffnen();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}

}  // namespace quarnelo::ui

#include "ui/softwareliste.h"

#include <QEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace quarnelo::ui {

Softwareliste::Softwareliste(const char* name, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QString::fromLatin1(name));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    auto* inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("inhalt"));
    spalte_ = new QVBoxLayout(inhalt);
    spalte_->setAlignment(Qt::AlignTop);
    setWidget(inhalt);
    viewport()->setMouseTracking(true);
    EintragBeobachten(inhalt);
}

void Softwareliste::Eintrag(QWidget* w) {
    spalte_->addWidget(w);
    EintragBeobachten(w);
}

void Softwareliste::EintragBeobachten(QWidget* w) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

void Softwareliste::wheelEvent(QWheelEvent* e) {
    QScrollBar* s = verticalScrollBar();
    if (s->maximum() <= s->minimum()) {
        e->ignore();
        return;
    }
    // One step is one notch of 120 eighths of a degree; finer wheels add up.
    radRest_ += e->angleDelta().y();
    const int schritte = radRest_ / 120;
    radRest_ -= schritte * 120;
    s->setValue(s->value() - schritte * kRadSchritt);
    e->accept();
}

void Softwareliste::enterEvent(QEnterEvent* e) {
    setFocus(Qt::MouseFocusReason);
    QScrollArea::enterEvent(e);
}

void Softwareliste::mouseMoveEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    QScrollArea::mouseMoveEvent(e);
}

bool Softwareliste::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) setFocus(Qt::MouseFocusReason);
    return QScrollArea::eventFilter(o, e);
}

}  // namespace quarnelo::ui

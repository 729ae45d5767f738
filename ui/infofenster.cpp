#include "ui/infofenster.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/verweislabel.h"

namespace quarnelo::ui {

Infofenster::Infofenster(Programm& programm, const char* name, bool deutsch, const QString& titel,
                         Qt::WindowFlags extra)
    : QWidget(nullptr, Qt::Tool | extra), programm_(programm), titel_(titel), deutsch_(deutsch) {
    setObjectName(QString::fromLatin1(name));
}

QLabel* Infofenster::BausteinAufbauen(QVBoxLayout* ziel, const Baustein& b, Ort ort, int breite) {
    QLabel* l = nullptr;
    QString text = b.text;
    switch (b.art) {
    case Baustein::Verweis:
        l = new Verweislabel(programm_, ort, nullptr);
        text = Seite(deutsch_) + b.text;
        ziel->addWidget(l, 0, Qt::AlignLeft);
        break;
    case Baustein::Ueberschrift: {
        // A heading below other content sets itself off from it.
        if (ziel->count() > 0) ziel->addSpacing(6);
        l = new QLabel;
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.25);
        l->setFont(f);
        ziel->addWidget(l);
        break;
    }
    default:
        l = new QLabel;
        l->setWordWrap(true);
        l->setFixedWidth(breite);
        ziel->addWidget(l);
        break;
    }
    l->setTextFormat(Qt::PlainText);
    if (*b.name) l->setObjectName(QString::fromLatin1(b.name));
    texte_.append({l, text});
    return l;
}

void Infofenster::sprache() {
    setWindowTitle(titel_);
    for (const Text& t : texte_) {
        t.label->setText(t.text);
        // A wrapped paragraph is as high as its lines at its width, so that
        // the window fits its content exactly.
        if (t.label->wordWrap()) t.label->setFixedHeight(t.label->heightForWidth(t.label->minimumWidth()));
    }
}

void Infofenster::Zentrieren() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

void Infofenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace quarnelo::ui

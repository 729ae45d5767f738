#include "ui/bilder.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace quarnelo::ui {

namespace {

const QColor kDunkel(0x1f, 0x3f, 0x6e);
const QColor kHell(0x4f, 0x86, 0xc6);
const QColor kAkzent(0xd9, 0x5d, 0x39);

// A horizontal arrow from x1 to x2 at height y, its head at x2.
void Pfeil(QPainter& p, qreal x1, qreal x2, qreal y, qreal spitze) {
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    const qreal r = x2 > x1 ? -spitze : spitze;
    p.drawLine(QPointF(x2, y), QPointF(x2 + r, y - spitze));
    p.drawLine(QPointF(x2, y), QPointF(x2 + r, y + spitze));
}

QPixmap Leinwand(int breite, int hoehe) {
    QPixmap bild(breite, hoehe);
    bild.fill(Qt::transparent);
    return bild;
}

// A screen with the letter Q: the program in use.
void Bildschirm(QPainter& p, const QPointF& mitte) {
    const QRectF schirm(mitte.x() - 30, mitte.y() - 24, 60, 40);
    p.setPen(QPen(kDunkel, 2));
    p.setBrush(QColor(0xe8, 0xf0, 0xfa));
    p.drawRoundedRect(schirm, 4, 4);
    p.drawLine(QPointF(mitte.x(), schirm.bottom()), QPointF(mitte.x(), schirm.bottom() + 8));
    p.drawLine(QPointF(mitte.x() - 14, schirm.bottom() + 8), QPointF(mitte.x() + 14, schirm.bottom() + 8));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(22);
    p.setFont(f);
    p.setPen(kHell);
    p.drawText(schirm, Qt::AlignCenter, QStringLiteral("Q"));
}

// A coin with a heart: the donation.
void Muenze(QPainter& p, const QPointF& mitte) {
    p.setPen(QPen(QColor(0x9a, 0x74, 0x10), 2));
    p.setBrush(QColor(0xf5, 0xc8, 0x42));
    p.drawEllipse(mitte, 26, 26);
    QPainterPath herz;
    const qreal x = mitte.x(), y = mitte.y() - 6;
    herz.moveTo(x, y + 18);
    herz.cubicTo(x - 22, y + 4, x - 12, y - 14, x, y - 3);
    herz.cubicTo(x + 12, y - 14, x + 22, y + 4, x, y + 18);
    p.setPen(Qt::NoPen);
    p.setBrush(kAkzent);
    p.drawPath(herz);
}

// A gear wheel: the further development.
void Zahnrad(QPainter& p, const QPointF& mitte) {
    p.save();
    p.translate(mitte);
    p.setPen(Qt::NoPen);
    p.setBrush(kDunkel);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-5, -28, 10, 12));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 20, 20);
    p.setBrush(QColor(0xe8, 0xf0, 0xfa));
    p.drawEllipse(QPointF(0, 0), 8, 8);
    p.restore();
}

}  // namespace

QPixmap Logo() {
    QPixmap bild = Leinwand(172, 44);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 2, 0, 42);
    verlauf.setColorAt(0, kHell);
    verlauf.setColorAt(1, kDunkel);
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf);
    p.drawRoundedRect(QRectF(2, 2, 40, 40), 8, 8);
    // Two opposed arrows: a value turned from one unit into another and back.
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Pfeil(p, 11, 33, 16, 5);
    Pfeil(p, 33, 11, 28, 5);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(24);
    p.setFont(f);
    p.setPen(kDunkel);
    p.drawText(QRectF(50, 0, 122, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quarnelo"));
    return bild;
}

QPixmap Spendenbild(const Spendenbildtexte& texte) {
    constexpr int breite = 480, hoehe = 200, spalte = breite / 3;
    QPixmap bild = Leinwand(breite, hoehe);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xc9, 0xd6, 0xe6), 1));
    p.setBrush(QColor(0xf6, 0xf9, 0xfd));
    p.drawRoundedRect(QRectF(0.5, 0.5, breite - 1, hoehe - 1), 10, 10);

    QFont titel = p.font();
    titel.setBold(true);
    titel.setPixelSize(17);
    p.setFont(titel);
    p.setPen(kDunkel);
    p.drawText(QRectF(0, 10, breite, 26), Qt::AlignCenter, texte.titel);

    constexpr qreal bildY = 88;
    const std::array<void (*)(QPainter&, const QPointF&), 3> zeichnen = {Bildschirm, Muenze, Zahnrad};
    for (int i = 0; i < 3; ++i) {
        const qreal mitte = spalte * i + spalte / 2.0;
        zeichnen[i](p, QPointF(mitte, bildY));
        QFont schrift = p.font();
        schrift.setBold(false);
        schrift.setPixelSize(13);
        p.setFont(schrift);
        p.setPen(QColor(0x22, 0x22, 0x22));
        p.drawText(QRectF(spalte * i + 8, 128, spalte - 16, 64), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   texte.schritte[i]);
        if (i < 2) {
            p.setPen(QPen(kAkzent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            Pfeil(p, mitte + 44, mitte + spalte - 44, bildY, 6);
        }
    }
    return bild;
}

}  // namespace quarnelo::ui

#include "ui/u_start.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include "ui/programm.h"
#include "ui/u_prog.h"

namespace quarnelo::ui {

namespace {
constexpr int kBreite = 380;
constexpr int kHoehe = 235;
}  // namespace

QPixmap StartBild(bool deutsch) {
    QPixmap bild(kBreite, kHoehe);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient hg(0, 0, 0, kHoehe);
    hg.setColorAt(0, QColor(28, 62, 98));
    hg.setColorAt(1, QColor(12, 30, 52));
    p.fillRect(bild.rect(), hg);

    // A ruler across the lower part, its marks in two scales.
    const QRectF lineal(24, 150, kBreite - 48, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 196, 92));
    p.drawRoundedRect(lineal, 4, 4);
    p.setPen(QPen(QColor(60, 44, 10), 1.2));
    for (int i = 0; i <= 66; ++i) {
        const qreal x = lineal.left() + 8 + i * (lineal.width() - 16) / 66.0;
        const qreal h = i % 10 == 0 ? 14 : (i % 5 == 0 ? 10 : 6);
        p.drawLine(QPointF(x, lineal.top()), QPointF(x, lineal.top() + h));
    }
    for (int i = 0; i <= 26; ++i) {
        const qreal x = lineal.left() + 8 + i * (lineal.width() - 16) / 26.0;
        const qreal h = i % 2 == 0 ? 10 : 6;
        p.drawLine(QPointF(x, lineal.bottom()), QPointF(x, lineal.bottom() - h));
    }

    // Two arrows between the scales stand for the conversion.
    p.setPen(QPen(QColor(255, 255, 255, 210), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath pfeile;
    pfeile.moveTo(300, 52);
    pfeile.lineTo(344, 52);
    pfeile.moveTo(334, 42);
    pfeile.lineTo(344, 52);
    pfeile.lineTo(334, 62);
    pfeile.moveTo(344, 78);
    pfeile.lineTo(300, 78);
    pfeile.moveTo(310, 68);
    pfeile.lineTo(300, 78);
    pfeile.lineTo(310, 88);
    p.drawPath(pfeile);

    QFont titel(QStringLiteral("DejaVu Sans"));
    titel.setPixelSize(40);
    titel.setBold(true);
    p.setFont(titel);
    p.setPen(Qt::white);
    p.drawText(QRectF(24, 28, 270, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quarnelo"));

    QFont unter(QStringLiteral("DejaVu Sans"));
    unter.setPixelSize(16);
    p.setFont(unter);
    p.setPen(QColor(190, 214, 238));
    p.drawText(QRectF(26, 80, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
               deutsch ? QStringLiteral("Einheiten umrechnen") : QStringLiteral("Unit Converter"));
    unter.setPixelSize(12);
    p.setFont(unter);
    p.drawText(QRectF(26, 106, 330, 20), Qt::AlignLeft | Qt::AlignVCenter,
               deutsch ? QStringLiteral("33 Kategorien · über 4.700 Einheiten")
                       : QStringLiteral("33 categories · more than 4,700 units"));

    QFont klein(QStringLiteral("DejaVu Sans"));
    klein.setPixelSize(11);
    p.setFont(klein);
    p.setPen(QColor(170, 190, 210));
    p.drawText(QRectF(24, 196, kBreite - 48, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Veltrana"));
    p.drawText(QRectF(24, 196, kBreite - 48, 24), Qt::AlignLeft | Qt::AlignVCenter,
               deutsch ? QStringLiteral("Wird gestartet …") : QStringLiteral("Starting …"));
    return bild;
}

QString Tstart::SpracheAusMarkern() {
    QString spr = QStringLiteral("de");
    if (QFileInfo::exists(QDir::current().filePath(QStringLiteral("en")))) spr = QStringLiteral("en");
    if (QFileInfo::exists(QDir::current().filePath(QStringLiteral("de")))) spr = QStringLiteral("de");
    return spr;
}

Tstart::Tstart(Programm& programm) : QWidget(nullptr), programm_(programm) {
    setObjectName(QStringLiteral("Tstart"));
    // Borderless and without a taskbar button of its own.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(kBreite, kHoehe);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(kBreite / 2, kHoehe / 2));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    en1 = new QLabel(this);
    en1->setObjectName(QStringLiteral("en1"));
    for (QLabel* l : {Image1, en1}) {
        l->setGeometry(0, 0, kBreite, kHoehe);
        l->hide();
        l->installEventFilter(this);
    }
    Image1->setPixmap(StartBild(true));
    en1->setPixmap(StartBild(false));

    programm_.spr = SpracheAusMarkern();
    sprache();
    StartZaehler = 0;

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(600);
    connect(Timer1, &QTimer::timeout, this, &Tstart::Timer1Timer);
    Timer1->start();
}

void Tstart::sprache() {
    if (programm_.spr == QLatin1String("de")) Image1->show();
    if (programm_.spr == QLatin1String("en")) en1->show();
    // The picture of the other language goes, so that a switch shows the right one.
    if (programm_.spr == QLatin1String("de")) en1->hide();
    if (programm_.spr == QLatin1String("en")) Image1->hide();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quarnelo - Veltrana"));
}

void Tstart::Timer1Timer() {
    ++StartZaehler;
    if (StartZaehler > 3 && programm_.prog) {
        programm_.prog->show();
        programm_.prog->raise();
        programm_.prog->activateWindow();
    }
    if (StartZaehler > 5) hide();
    if (StartZaehler > 7) Timer1->stop();
}

void Tstart::Image1Click() {
    if (programm_.prog) {
        programm_.prog->show();
        programm_.prog->raise();
        programm_.prog->activateWindow();
    }
    hide();
    Timer1->stop();
}

void Tstart::closeEvent(QCloseEvent* e) {
    // The start window is the program's main window: closing it ends the run.
    QWidget::closeEvent(e);
    programm_.beenden = true;
    QCoreApplication::quit();
}

bool Tstart::eventFilter(QObject* o, QEvent* e) {
    if ((o == Image1 || o == en1) && e->type() == QEvent::MouseButtonRelease) {
        Image1Click();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

}  // namespace quarnelo::ui

// A label whose caption is a web address "host/path"; a click opens that
// address with the referrer code of the place of the label.
#pragma once

#include <QLabel>

#include "ui/verweise.h"

namespace quarnelo::ui {

struct Programm;

class Verweislabel : public QLabel {
    Q_OBJECT
public:
    Verweislabel(Programm& programm, Ort ort, QWidget* parent);
    /// What a click does: opens the address of the caption.
    void Oeffnen();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Programm& programm_;
    Ort ort_;
    bool gedrueckt_ = false;  // a click is a press and a release on the label
};

}  // namespace quarnelo::ui

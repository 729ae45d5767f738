// The list of the maker's programs on the Software page of a help window: a
// frame that scrolls vertically by 10 pixels per wheel step and takes the
// keyboard focus when the mouse moves over it or over any of its entries, so
// that the wheel acts on it.
#pragma once

#include <QScrollArea>

class QVBoxLayout;

namespace quarnelo::ui {

class Softwareliste : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kRadSchritt = 10;

    Softwareliste(const char* name, QWidget* parent);
    /// The column of the entries, top-aligned.
    QVBoxLayout* Spalte() const { return spalte_; }
    /// Appends `w` to the list.
    void Eintrag(QWidget* w);
    /// Makes a widget already put into the column an entry.
    void EintragBeobachten(QWidget* w);
    /// Small: the list takes the room the other pages leave, whatever its
    /// length, and scrolls the rest.
    QSize sizeHint() const override { return {160, 80}; }

protected:
    void wheelEvent(QWheelEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QVBoxLayout* spalte_;
    int radRest_ = 0;  // wheel turn below one step, kept for the next event
};

}  // namespace quarnelo::ui

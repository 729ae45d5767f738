// A group box whose caption wraps onto several lines, so that long
// instructions fit the narrow main window without being cut.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quarnelo::ui {

class Rahmen : public QGroupBox {
    Q_OBJECT
public:
    explicit Rahmen(QWidget* parent) : QGroupBox(parent) {
        auto* v = new QVBoxLayout(this);
        v->setContentsMargins(8, 4, 8, 6);
        v->setSpacing(4);
        kopf_ = new QLabel(this);
        kopf_->setObjectName(QStringLiteral("titel"));
        kopf_->setWordWrap(true);
        kopf_->setTextFormat(Qt::PlainText);
        v->addWidget(kopf_);
    }
    QString Titel() const { return kopf_->text(); }
    void TitelSetzen(const QString& t) { kopf_->setText(t); }
    /// Where the content of the box goes, under the caption.
    QVBoxLayout* Inhalt() { return static_cast<QVBoxLayout*>(layout()); }

private:
    QLabel* kopf_;
};

}  // namespace quarnelo::ui

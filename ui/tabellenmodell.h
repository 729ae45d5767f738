// The unit table: a model over the rows of the table page and the view that
// adds the table's own drag-and-drop, keys and popup rules.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>

#include "ui/tabelle.h"

namespace quarnelo::ui {

/// Shows the first five cells of the rows it is given; the rows stay with
/// their owner, the model only announces changes.
class Tabellenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    Tabellenmodell(QVector<Tabellenzeile>& zeilen, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    /// Whether dragged data are rows of this very table.
    bool EigeneZeilen(const QMimeData* daten) const;

    void SpaltenSetzen(const QStringList& titel);

    // Bulk updates: one reset for a new set or order of rows, one change signal
    // when only the values and prefixes changed.
    void Beginnen();
    void Beenden();
    void WerteGeaendert();

private:
    QByteArray Herkunft() const;

    QVector<Tabellenzeile>& zeilen_;
    QStringList titel_;
    int umbau_ = 0;  // inside a reset no change signal may go out
};

/// The table view: whole rows, several selectable, rows dragged within the
/// table, Ctrl+A and Delete, and a popup that opens only over a selection.
class Einheitentabelle : public QTableView {
    Q_OBJECT
public:
    explicit Einheitentabelle(QWidget* parent);

    std::function<void(int ziel)> listDragDrop;   // ziel -1: below the last row
    std::function<void()> Loeschen;               // the Delete key
    std::function<void(const QPoint& global)> PopupMenu1Popup;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

}  // namespace quarnelo::ui

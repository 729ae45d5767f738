#include "ui/tabellenmodell.h"

#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>

namespace quarnelo::ui {

Tabellenmodell::Tabellenmodell(QVector<Tabellenzeile>& zeilen, QObject* parent)
    : QAbstractTableModel(parent), zeilen_(zeilen) {}

int Tabellenmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int Tabellenmodell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 5; }

QVariant Tabellenmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= zeilen_.size()) return {};
    if (role == Qt::DisplayRole) return zeilen_[index.row()].zelle[index.column()];
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant Tabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= titel_.size()) return {};
    return titel_[section];
}

Qt::ItemFlags Tabellenmodell::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (!index.isValid()) f |= Qt::ItemIsDropEnabled;
    return f;
}

namespace {

const QString kZeilenFormat = QStringLiteral("application/x-quarnelo-table-rows");

}  // namespace

QByteArray Tabellenmodell::Herkunft() const {
    // Process and model together: rows dragged from another running program
    // never count as rows of this table.
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(this));
}

QStringList Tabellenmodell::mimeTypes() const { return {kZeilenFormat}; }

QMimeData* Tabellenmodell::mimeData(const QModelIndexList&) const {
    // The rows themselves stay where they are; the drop moves the selection.
    auto* d = new QMimeData;
    d->setData(kZeilenFormat, Herkunft());
    return d;
}

bool Tabellenmodell::EigeneZeilen(const QMimeData* daten) const {
    return daten && daten->data(kZeilenFormat) == Herkunft();
}

Qt::DropActions Tabellenmodell::supportedDropActions() const { return Qt::CopyAction | Qt::MoveAction; }
Qt::DropActions Tabellenmodell::supportedDragActions() const { return Qt::CopyAction; }

void Tabellenmodell::SpaltenSetzen(const QStringList& titel) {
    titel_ = titel;
    emit headerDataChanged(Qt::Horizontal, 0, 4);
}

void Tabellenmodell::Beginnen() {
    if (umbau_++ == 0) beginResetModel();
}

void Tabellenmodell::Beenden() {
    if (--umbau_ == 0) endResetModel();
}

void Tabellenmodell::WerteGeaendert() {
    if (umbau_ > 0 || zeilen_.isEmpty()) return;
    emit dataChanged(index(0, 0), index(static_cast<int>(zeilen_.size()) - 1, 1), {Qt::DisplayRole});
}

Einheitentabelle::Einheitentabelle(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(DragDrop);
    setDropIndicatorShown(true);
    setWordWrap(false);
    setShowGrid(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void Einheitentabelle::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (e->key() == Qt::Key_Delete) {
        if (Loeschen) Loeschen();
        return;
    }
    QTableView::keyPressEvent(e);
}

void Einheitentabelle::dragEnterEvent(QDragEnterEvent* e) { e->acceptProposedAction(); }

void Einheitentabelle::dragMoveEvent(QDragMoveEvent* e) {
    // Every drag over the table is accepted; only a drop from the table acts.
    e->acceptProposedAction();
}

void Einheitentabelle::dropEvent(QDropEvent* e) {
    // Reported as a copy so that the view does not remove the dragged rows itself.
    e->setDropAction(Qt::CopyAction);
    e->accept();
    const auto* m = qobject_cast<const Tabellenmodell*>(model());
    if (!m || !m->EigeneZeilen(e->mimeData()) || !listDragDrop) return;
    const QModelIndex unter = indexAt(e->position().toPoint());
    listDragDrop(unter.isValid() ? unter.row() : -1);
}

void Einheitentabelle::contextMenuEvent(QContextMenuEvent* e) {
    if (PopupMenu1Popup) PopupMenu1Popup(e->globalPos());
}

}  // namespace quarnelo::ui

#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace wyk {

// A read-only table of the model for the debug window: row r shows element r + 1, in index
// order, and is never sorted. Cells are formatted only when the view shows them, so even
// the largest model fills the table at once. A cell's tooltip is its whole text, which a
// narrow column cuts.
class DebugTabelle : public QAbstractTableModel {
    Q_OBJECT

public:
    // The text of a cell: zeile counts from 0, spalte 0 is the element's number.
    using Zelle = std::function<QString(int zeile, int spalte)>;

    DebugTabelle(QStringList ueberschriften, Zelle zelle, QObject* parent);

    // Shows rows for elements 1..anzahl; a count below 1 shows none.
    void fuellen(int anzahl);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList ueberschriften_;
    Zelle zelle_;
    int zeilen_ = 0;
};

} // namespace wyk

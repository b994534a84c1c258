#include "app/debugtabelle.h"

#include <algorithm>

namespace wyk {

DebugTabelle::DebugTabelle(QStringList ueberschriften, Zelle zelle, QObject* parent)
    : QAbstractTableModel(parent), ueberschriften_(std::move(ueberschriften)),
      zelle_(std::move(zelle)) {}

void DebugTabelle::fuellen(int anzahl) {
    beginResetModel();
    zeilen_ = std::max(0, anzahl);
    endResetModel();
}

int DebugTabelle::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : zeilen_;
}

int DebugTabelle::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ueberschriften_.size());
}

QVariant DebugTabelle::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid()) {
        return {};
    }
    return zelle_(index.row(), index.column());
}

QVariant DebugTabelle::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= ueberschriften_.size()) {
        return {};
    }
    return ueberschriften_.at(section);
}

} // namespace wyk

#include "catalogue_list_model.h"

namespace korv {

CatalogueListModel::CatalogueListModel(std::vector<CatalogueColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void CatalogueListModel::show_entries(std::vector<std::size_t> positions) {
    beginResetModel();
    positions_ = std::move(positions);
    endResetModel();
}

int CatalogueListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(positions_.size());
}

int CatalogueListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CatalogueListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    // Long names and areas are cut off in their column; the tooltip shows them whole.
    return columns_[static_cast<std::size_t>(index.column())].text(entry(index.row()));
}

QVariant CatalogueListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return columns_[static_cast<std::size_t>(section)].header;
}

}  // namespace korv

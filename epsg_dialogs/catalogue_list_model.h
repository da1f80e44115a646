#pragma once
// The entries of a catalogue list that a search found, as rows of columns: the model holds only
// their positions and asks the column for each text it shows, so a search over thousands of
// entries changes a list of numbers, not of texts.

#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

namespace korv {

struct CatalogueColumn {
    QString header;
    int width = 10;  // in average characters
    std::function<QString(std::size_t entry)> text;
};

class CatalogueListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CatalogueListModel(std::vector<CatalogueColumn> columns, QObject* parent = nullptr);

    // Shows the entries at `positions`, in that order.
    void show_entries(std::vector<std::size_t> positions);
    // The entry a row shows; the row must be one of the model's.
    std::size_t entry(int row) const { return positions_[static_cast<std::size_t>(row)]; }
    const std::vector<CatalogueColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<CatalogueColumn> columns_;
    std::vector<std::size_t> positions_;
};

}  // namespace korv

#include "pick_list_combo_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>

namespace korv {
namespace {

// Entries that typed text does not match. The drop-down looks its whole typed text up among the
// entries (case aside) when editing ends and selects what it finds; here it finds nothing. The
// open list's type-ahead, which looks for entries starting with the keys typed, still finds
// them: it only moves the highlight, and a click or Enter then picks.
class EntriesWithoutMatching : public QStandardItemModel {
public:
    using QStandardItemModel::QStandardItemModel;
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                          Qt::MatchFlags flags) const override {
        if ((flags & Qt::MatchTypeMask) != Qt::MatchStartsWith) {
            return {};
        }
        return QStandardItemModel::match(start, role, value, hits, flags);
    }
};

}  // namespace

PickListComboBox::PickListComboBox(QWidget* parent) : QComboBox(parent) {
    setModel(new EntriesWithoutMatching(this));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // typed names never join the list
    setCompleter(nullptr);
}

void PickListComboBox::keyPressEvent(QKeyEvent* event) {
    QComboBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The text stays as typed; the key goes no further (it would press "Done").
        event->accept();
    }
}

}  // namespace korv

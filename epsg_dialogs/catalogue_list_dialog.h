#pragma once
// A searchable list of catalogue entries to pick one from: a search box over a list, a note line
// under it about the current entry, and the buttons. The list follows the search as the user types;
// the arrow and page keys move through the list from the search box, Enter or a double-click picks
// the current entry, Escape cancels. An entry that cannot be picked keeps the dialog open and the
// note says why.

#include <QDialog>
#include <cstddef>
#include <string>
#include <vector>

#include "catalogue_list_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace korv {

class CatalogueListDialog : public QDialog {
    Q_OBJECT

public:
    // Picks the current entry and closes the dialog when it can be picked.
    void accept() override;

protected:
    // `list_caption` labels the list (with its shortcut mark), `pick_caption` the button that
    // picks. The derived dialog names itself and the list.
    CatalogueListDialog(const QString& list_caption, const QString& pick_caption,
                        std::vector<CatalogueColumn> columns, QWidget* parent);

    // Fills the list with the entries the search box finds; a derived dialog calls it once its
    // entries are there.
    void follow_search();
    // Shows why there is no list at all.
    void show_unavailable(const QString& reason);

    QTreeView* list() const { return list_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The positions of the entries `words` finds.
    virtual std::vector<std::size_t> find(const std::string& words) const = 0;
    // What the note says about an entry: why it cannot be picked, or more about it.
    virtual QString note(std::size_t entry) const = 0;
    // Takes the entry as the dialog's answer; false when it cannot be.
    virtual bool pick(std::size_t entry) = 0;

    void follow_current();

    QLineEdit* search_ = nullptr;
    QTreeView* list_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* pick_ = nullptr;
    CatalogueListModel* model_ = nullptr;
};

}  // namespace korv

#pragma once
// A searchable list of catalogue entries to pick one from: a search box over a list, a note line
// under it about the current entry, and the buttons. The list follows the search as the user types;
// the arrow and page keys move through the list from the search box, Enter or a double-click picks
// the current entry, Escape cancels. An entry that cannot be picked keeps the dialog open and the
// note says why.

#include <QDialog>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "catalogue_list_model.h"
#include "catalogue_texts.h"
#include "result.h"

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
    struct Captions {
        QString title;
        QString list;         // with its shortcut mark: "&Helmert datum shifts:"
        QString pick;         // the button that picks
        QString dialog_name;  // object names
        QString list_name;
    };
    CatalogueListDialog(const Captions& captions, std::vector<CatalogueColumn> columns,
                        QWidget* parent);

    // Shows the catalogue's entries in the list, which the search then narrows, and keeps them in
    // `shown`; or, when the catalogue could not be read, says why in the note.
    template <typename Entry>
    void open(const Result<std::span<const Entry>>& entries, std::span<const Entry>& shown) {
        if (!entries) {
            show_unavailable(dataset_unavailable(entries.error()));
            return;
        }
        shown = *entries;
        follow_search();
    }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The positions of the entries `words` finds.
    virtual std::vector<std::size_t> find(const std::string& words) const = 0;
    // What the note says about an entry: why it cannot be picked, or more about it.
    virtual QString note(std::size_t entry) const = 0;
    // Takes the entry as the dialog's answer; false when it cannot be.
    virtual bool pick(std::size_t entry) = 0;

    void follow_search();
    void follow_current();
    void show_unavailable(const QString& reason);

    QLineEdit* search_ = nullptr;
    QTreeView* list_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* pick_ = nullptr;
    CatalogueListModel* model_ = nullptr;
};

}  // namespace korv

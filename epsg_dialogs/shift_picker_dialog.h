#pragma once
// "Add from EPSG...": the published Helmert datum shifts with code, name, accuracy, area of use and
// whether they are deprecated, searched by datum names or code, the remarks of the current one
// under the list; picking one gives it as an entry of the datum shift list.

#include <optional>
#include <span>

#include "catalogue.h"
#include "catalogue_list_dialog.h"

namespace korv {

class ShiftPickerDialog : public CatalogueListDialog {
    Q_OBJECT

public:
    // `catalogue` must outlive the dialog; it is read when the dialog opens.
    explicit ShiftPickerDialog(const epsg::Catalogue& catalogue, QWidget* parent = nullptr);

    // The shift picked, once the dialog has been accepted; its `shift` is the list's entry.
    const std::optional<epsg::PublishedShift>& picked() const { return picked_; }

private:
    std::vector<std::size_t> find(const std::string& words) const override;
    QString note(std::size_t entry) const override;
    bool pick(std::size_t entry) override;

    const epsg::Catalogue& catalogue_;
    std::span<const epsg::PublishedShift> shifts_;
    std::optional<epsg::PublishedShift> picked_;
};

}  // namespace korv

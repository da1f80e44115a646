#pragma once
// "From EPSG...": the projected systems of the EPSG dataset with their areas of use, searched by
// code or words; picking one gives its definition for the Projection control, or says why the
// control cannot hold it and stays open.

#include <optional>
#include <span>

#include "catalogue.h"
#include "catalogue_list_dialog.h"

namespace korv {

struct PickedSystem {
    epsg::PublishedSystem system;
    CoordinateSystemDefinition definition;
};

class SystemPickerDialog : public CatalogueListDialog {
    Q_OBJECT

public:
    // `catalogue` must outlive the dialog; it is read when the dialog opens.
    explicit SystemPickerDialog(const epsg::Catalogue& catalogue, QWidget* parent = nullptr);

    // The system picked, once the dialog has been accepted.
    const std::optional<PickedSystem>& picked() const { return picked_; }

private:
    std::vector<std::size_t> find(const std::string& words) const override;
    QString note(std::size_t entry) const override;
    bool pick(std::size_t entry) override;

    const epsg::Catalogue& catalogue_;
    std::span<const epsg::PublishedSystem> systems_;
    std::optional<PickedSystem> picked_;
};

}  // namespace korv

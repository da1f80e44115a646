#include "system_picker_dialog.h"

#include "catalogue_texts.h"
#include "error_message.h"

namespace korv {

SystemPickerDialog::SystemPickerDialog(const epsg::Catalogue& catalogue, QWidget* parent)
    : CatalogueListDialog(
          {tr("From EPSG"), tr("&Projected coordinate systems:"), tr("Use"),
           QStringLiteral("Form_epsg_systems"), QStringLiteral("List_systems")},
          {{tr("Code"), 7, [this](std::size_t i) { return QString::number(systems_[i].code); }},
           {tr("Name"), 42,
            [this](std::size_t i) { return QString::fromStdString(systems_[i].name); }},
           {tr("Area of use"), 42,
            [this](std::size_t i) { return QString::fromStdString(systems_[i].area.name); }},
           {tr("Deprecated"), 10,
            [this](std::size_t i) { return deprecated_text(systems_[i].deprecated); }}},
          parent),
      catalogue_(catalogue) {
    open(catalogue_.systems(), systems_);
}

std::vector<std::size_t> SystemPickerDialog::find(const std::string& words) const {
    return catalogue_.find_systems(words);
}

QString SystemPickerDialog::note(std::size_t entry) const {
    const Result<CoordinateSystemDefinition> definition =
        catalogue_.system_definition(systems_[entry].code);
    return definition ? QString() : error_message(definition.error());
}

bool SystemPickerDialog::pick(std::size_t entry) {
    const Result<CoordinateSystemDefinition> definition =
        catalogue_.system_definition(systems_[entry].code);
    if (!definition) {
        return false;  // the note already says why
    }
    picked_ = PickedSystem{systems_[entry], *definition};
    return true;
}

}  // namespace korv

#include "system_picker_dialog.h"

#include <QTreeView>

#include "catalogue_texts.h"

namespace korv {

SystemPickerDialog::SystemPickerDialog(const epsg::Catalogue& catalogue, QWidget* parent)
    : CatalogueListDialog(
          tr("&Projected coordinate systems:"), tr("Use"),
          {{tr("Code"), 7, [this](std::size_t i) { return QString::number(systems_[i].code); }},
           {tr("Name"), 42,
            [this](std::size_t i) { return QString::fromStdString(systems_[i].name); }},
           {tr("Area of use"), 42,
            [this](std::size_t i) { return QString::fromStdString(systems_[i].area.name); }},
           {tr("Deprecated"), 10,
            [this](std::size_t i) { return deprecated_text(systems_[i].deprecated); }}},
          parent),
      catalogue_(catalogue) {
    setObjectName(QStringLiteral("Form_epsg_systems"));
    setWindowTitle(tr("From EPSG"));
    list()->setObjectName(QStringLiteral("List_systems"));
    const Result<std::span<const epsg::PublishedSystem>> systems = catalogue_.systems();
    if (!systems) {
        show_unavailable(QString::fromStdString(systems.message()));
        return;
    }
    systems_ = *systems;
    follow_search();
}

std::vector<std::size_t> SystemPickerDialog::find(const std::string& words) const {
    return catalogue_.find_systems(words);
}

QString SystemPickerDialog::note(std::size_t entry) const {
    const Result<CoordinateSystemDefinition> definition =
        catalogue_.system_definition(systems_[entry].code);
    return definition ? QString() : QString::fromStdString(definition.message());
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

std::optional<PickedSystem> SystemPickerDialog::choose(const epsg::Catalogue& catalogue,
                                                       QWidget* parent) {
    SystemPickerDialog dialog(catalogue, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.picked();
}

}  // namespace korv

#include "shift_picker_dialog.h"

#include "catalogue_texts.h"

namespace korv {

ShiftPickerDialog::ShiftPickerDialog(const epsg::Catalogue& catalogue, QWidget* parent)
    : CatalogueListDialog(
          {tr("Add from EPSG"), tr("&Helmert datum shifts:"), tr("Add"),
           QStringLiteral("Form_epsg_shifts"), QStringLiteral("List_shifts")},
          {{tr("Code"), 7, [this](std::size_t i) { return QString::number(shifts_[i].code); }},
           {tr("Name"), 34,
            [this](std::size_t i) { return QString::fromStdString(shifts_[i].name); }},
           {tr("Accuracy"), 10,
            [this](std::size_t i) { return accuracy_text(shifts_[i].accuracy); }},
           {tr("Area of use"), 40,
            [this](std::size_t i) { return QString::fromStdString(shifts_[i].area.name); }},
           {tr("Deprecated"), 10,
            [this](std::size_t i) { return deprecated_text(shifts_[i].deprecated); }}},
          parent),
      catalogue_(catalogue) {
    open(catalogue_.shifts(), shifts_);
}

std::vector<std::size_t> ShiftPickerDialog::find(const std::string& words) const {
    return catalogue_.find_shifts(words);
}

QString ShiftPickerDialog::note(std::size_t entry) const {
    return QString::fromStdString(shifts_[entry].remarks);
}

bool ShiftPickerDialog::pick(std::size_t entry) {
    picked_ = shifts_[entry];
    return true;
}

}  // namespace korv

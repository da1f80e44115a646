#pragma once
// Opening a catalogue list as a modal dialog: pick_from_catalogue<SystemPickerDialog>(catalogue,
// this) gives the system the user picked, or nothing when they cancelled.

#include <QDialog>

#include "catalogue.h"

namespace korv {

template <typename Dialog>
auto pick_from_catalogue(const epsg::Catalogue& catalogue, QWidget* parent) {
    Dialog dialog(catalogue, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.picked()
                                              : std::remove_cvref_t<decltype(dialog.picked())>();
}

}  // namespace korv

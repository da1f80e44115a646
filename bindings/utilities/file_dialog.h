#pragma once
// The file choice behind `select_open_file` and `select_save_file`. Tests replace it with a
// function that answers without a window.

#include <QString>
#include <functional>
#include <optional>

#include "utilities_export.h"

namespace korv {

struct FileDialogRequest {
    enum class Kind { kOpen, kSave };
    Kind kind = Kind::kOpen;
    QString title;
    QString filter;     // in the dialog's own form: "Coordinate Files (*.crd);;All files (*.*)"
    QString file_name;  // proposed name, may be empty
    QString default_suffix;  // added to a saved name that has none
};

// The chosen path, or nothing when the user cancelled.
using FileDialogFunction = std::function<std::optional<QString>(const FileDialogRequest&)>;

// Replaces the file choice and returns the previous one; an empty function restores the dialog.
KORV_UTILITIES_EXPORT FileDialogFunction set_file_dialog(FileDialogFunction dialog);

KORV_UTILITIES_EXPORT std::optional<QString> choose_file(const FileDialogRequest& request);

// "Description|pattern|Description|pattern" as the system writes filters, in the dialog's form.
KORV_UTILITIES_EXPORT QString dialog_filter(const QString& pipe_filter);

}  // namespace korv

#pragma once
// The user's choice of a file to read or to write. Tests replace the dialog with a function that
// answers without a window.

#include <QString>
#include <functional>
#include <optional>

#include "platform_export.h"

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
KORV_PLATFORM_EXPORT FileDialogFunction set_file_dialog(FileDialogFunction dialog);

KORV_PLATFORM_EXPORT std::optional<QString> choose_file(const FileDialogRequest& request);

// A file to read, or nothing when the user cancelled. `pipe_filter` is written as the system writes
// filters ("Description|pattern|..."); `file_name` is proposed and may be empty.
KORV_PLATFORM_EXPORT std::optional<QString> choose_file_to_open(const QString& title,
                                                                const QString& pipe_filter,
                                                                const QString& file_name = {});

// A file to write, or nothing when the user cancelled; a chosen name without an extension gets
// `extension`. A proposed `file_name` holding a wildcard ("*.crd") proposes no name.
KORV_PLATFORM_EXPORT std::optional<QString> choose_file_to_save(const QString& title,
                                                                const QString& pipe_filter,
                                                                const QString& file_name,
                                                                const QString& extension);

// "Description|pattern|Description|pattern" as the system writes filters, in the dialog's form.
KORV_PLATFORM_EXPORT QString dialog_filter(const QString& pipe_filter);

}  // namespace korv

#pragma once
// The user's language for the texts users see. Each deliverable's texts are translated in files
// "<name>_<language>.qm" (for example "quarrow_de.qm"), built from the translators' ".ts" files;
// the program and each control load their own when they start, for the languages the user's
// system asks for, most wanted first. A language without a file keeps the texts as written.

#include <QLocale>
#include <QString>
#include <QStringList>

#include "platform_export.h"

namespace korv {

// Installs the translation of `name` ("quarrow", "korv_projection", "korv_point_transform") for
// `locale` into the running application, once per name; later calls for the same name do
// nothing, whether the first found a file or not. The default locale is the system's unless the
// host set another. False when no file of that name fits the locale (or no application runs yet).
KORV_PLATFORM_EXPORT bool install_translation(const QString& name, const QLocale& locale = {});

// Where the translation files are looked for, most likely first: the folder "translations"
// beside the program, the data folder of an installed program, the installed data folder, and
// Qt's own translations (for "qtbase", the texts of Qt's standard buttons and dialogs).
KORV_PLATFORM_EXPORT QStringList translation_folders();

}  // namespace korv

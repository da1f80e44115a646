#pragma once
// How published systems and shifts are told to the user in one line: the lists' cells, and the
// lines that say what the current definition and the selected datum shift are.

#include <QString>
#include <optional>
#include <vector>

#include "error.h"
#include "published_shift.h"
#include "published_system.h"

namespace korv {

// Why nothing of the catalogue can be shown: "the EPSG dataset is not available (PROJ finds no
// such database)", the reason being the catalogue's error or why the library holding it is
// missing.
QString dataset_unavailable(const Error& reason);

// "3 m", "0.01 m"; "unknown" when the dataset gives no accuracy.
QString accuracy_text(std::optional<double> accuracy);

// "yes" for a deprecated entry, else nothing.
QString deprecated_text(bool deprecated);

// What a datum shift list entry is: "EPSG:15979 · 3 m · Australia - offshore" for the best of the
// published shifts identified, "not a published transformation" for none.
QString shift_identity(const std::vector<epsg::PublishedShift>& identified);

// Which published systems a definition is: "EPSG:20255 AGD66 / AMG zone 55, EPSG:20355 AGD84 /
// AMG zone 55", or "no published EPSG system" for none.
QString system_identity(const std::vector<epsg::PublishedSystem>& matching);

}  // namespace korv

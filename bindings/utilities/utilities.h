#pragma once
// The utility object each control and the program create: file choices, field splitting, the
// current directory, the first coordinate-system record, and angle text. Its members keep the
// forms outside callers know (statuses, 1-based field lists); inside, the controls use the typed
// functions these delegate to (file_dialog.h, field_split.h, angle_text.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "coord_system.h"
#include "utilities_export.h"

namespace korv {

class KORV_UTILITIES_EXPORT Utilities {
public:
    // Lets the user choose a file to read. `file_name` receives the chosen path; `ierr` is 0 for a
    // chosen file and -1 when the user cancelled. `filter` is "Description|pattern|...".
    void select_open_file(std::string& file_name, const std::string& filter,
                          const std::string& title, int32_t& ierr);

    // Lets the user choose a file to write; a name without an extension gets `extension`.
    // `ierr` is 0 for a chosen file and -1 when the user cancelled.
    void select_save_file(std::string& file_name, const std::string& extension,
                          const std::string& filter, const std::string& title, int32_t& ierr);

    // Splits `line` as `korv::split_fields` does into fields(1) to fields(count). `fields` keeps
    // its size: fields beyond its end are dropped, and the caller's slots past `count` are left as
    // they were.
    void split_fields(int32_t& count, std::string_view line, std::string_view separator,
                      std::vector<std::string>& fields);

    // Makes `directory` the current directory again.
    void restore_directory(const std::string& directory);

    // Prepares a control's first coordinate-system record: left zeroed.
    void init_coord_system(CoordSystem& record);

    // Decimal degrees of an angle text (angle_text.h tells the notations read). A text that is
    // no angle gives 0 and the result false. `kind`: 1 longitude (E or W may be written),
    // -1 latitude (N or S), 0 plain angle (no hemisphere letter).
    bool parse_angle(std::string_view text, double& value, int32_t kind);

    // The angle text for `value` degrees.
    void format_angle(double value, std::string& text, int32_t kind);
};

// The current directory, as `restore_directory` takes it back.
KORV_UTILITIES_EXPORT std::string current_directory();

}  // namespace korv

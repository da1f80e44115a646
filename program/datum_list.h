#pragma once
// The user's list of datum shifts, kept in "datum.csv" in the program's folder. The file is
// seeded with the two published shifts when it is missing or unusable, and rewritten whole (beside
// the old one, which it replaces only when complete) whenever an entry is added or changed.

#include <cstdint>
#include <string>
#include <vector>

#include "datum_shift.h"

namespace korv {

// How a change to the list ended.
enum class DefineResult {
    kUnchanged,  // empty name, or an entry of that name already holds these values
    kSaved,      // added or replaced, and the file written
    kNotSaved,   // added or replaced in the list, but the file could not be written
    kListFull,   // a new entry would not fit the drop-down: refused
};

class DatumList {
public:
    // The drop-down's index is 16-bit and its position 0 is "None".
    static constexpr int32_t kMaxEntries = 32767;

    // `path` is the file the list is kept in.
    explicit DatumList(std::string path);

    // Makes sure a usable file exists and reads it, preparing every entry. An unusable file (its
    // header fails, or it holds no entries) is kept as "datum.csv.bak" and replaced by the
    // built-in entries. When the file can be neither written nor read, the built-in entries are
    // used for the run and nothing is retried.
    void load_datum_list();

    // Adds the entry, or replaces the first entry of that name (compared without regard to case)
    // when any value differs by more than 0.001; the name is stored as given. Then writes the file.
    DefineResult define_datum_shift(const std::string& name, const ShiftValues& values);

    // Writes the whole list; a list without entries leaves the file alone. False when the file
    // could not be written whole (it then keeps its earlier content), and for a file that was
    // there but could not be read whole, or held more entries than the list takes: writing it
    // would lose what the list did not read.
    bool save_datum_list() const;

    // Entries numbered 1 to count, as the drop-down shows them after "None".
    int32_t count() const { return static_cast<int32_t>(datum_shifts_.size()); }
    const DatumShift& entry(int32_t position) const {
        return datum_shifts_[static_cast<size_t>(position - 1)];
    }
    const std::string& path() const { return path_; }

private:
    enum class FileState { kUsable, kUnusable, kUnreadable };
    FileState read_file();
    void use_built_in_entries();

    std::string path_;
    std::vector<DatumShift> datum_shifts_;
    bool may_write_ = true;
};

}  // namespace korv

#pragma once
// The user's list of datum shifts, kept in "datum.csv" in the program's folder. The file is
// seeded with the two published shifts when it is missing or unusable, and rewritten whole (beside
// the old one, which it replaces only when complete) whenever an entry is added or changed. Two
// copies of the program may keep the same file: a change is applied to the file as it is when the
// change is made, so that neither copy loses what the other saved.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
    // The names a list reads from a file take at most this many characters together, so that a
    // damaged file of long lines cannot fill the memory (real lists hold far less).
    static constexpr size_t kMaxNameCharacters = 16 * 1024 * 1024;

    // `path` is the file the list is kept in.
    explicit DatumList(std::string path);

    // Makes sure a usable file exists and reads it, preparing every entry. An unusable file (its
    // header fails, or it holds no entries) is kept as "datum.csv.bak" (or, when that exists,
    // the first free of "datum.csv.bak2", "datum.csv.bak3", ...) and replaced by the built-in
    // entries. When the file can be neither written nor read, the built-in entries are used for
    // the run and nothing is retried.
    void load_datum_list();

    // The backup the last load kept of an unusable file, if it made one.
    const std::optional<std::string>& backup_made() const { return backup_made_; }

    // Nothing when an entry of that name (compared without regard to case) already holds these
    // values, as far as this list knows. Otherwise the file is read again first if it changed
    // since this list last read or wrote it; then the entry is added, or the first entry of that
    // name replaced when any value differs by more than 0.001; the name is stored as given; then
    // the file is written.
    DefineResult define_datum_shift(const std::string& name, const ShiftValues& values);

    // Reads the file again if it changed since this list last read or wrote it, then writes the
    // whole list; a list without entries leaves the file alone. False when the file could not be
    // written whole (it then keeps its earlier content), and for a file that is there but could
    // not be read whole, or held more entries or name characters than the list takes: writing it
    // would lose what the list did not read.
    bool save_datum_list();

    // Entries numbered 1 to count, as the drop-down shows them after "None". Reading the file
    // again may change the count and what a position holds.
    int32_t count() const { return static_cast<int32_t>(datum_shifts_.size()); }
    const DatumShift& entry(int32_t position) const {
        return datum_shifts_[static_cast<size_t>(position - 1)];
    }
    const std::string& path() const { return path_; }

private:
    // One content of the file: its length and a hash of its bytes.
    struct Fingerprint {
        uint64_t size = 0;
        uint64_t hash = 14695981039346656037ull;  // FNV-1a, 64 bits
        void add(std::string_view bytes);
        friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
    };
    static std::optional<Fingerprint> fingerprint_of(const std::string& path);

    enum class FileState { kUsable, kUnusable, kUnreadable };
    FileState read_file();
    bool keep_backup();
    void use_built_in_entries();
    void read_changed_file();
    DatumShift* find(std::string_view name);
    bool write_file();

    std::string path_;
    std::vector<DatumShift> datum_shifts_;
    bool may_write_ = true;
    std::optional<Fingerprint> fingerprint_;  // of the content last read or written
    std::optional<std::string> backup_made_;
};

}  // namespace korv

#pragma once
// The user's list of datum shifts, kept in "datum.csv" (datum_list_place.h says where). The file is
// seeded with the two published shifts when it is missing or unusable, and rewritten whole (beside
// the old one, which it replaces only when complete) whenever an entry is added or changed. Two
// copies of the program may keep the same file: a change is applied to the file as it is when the
// change is made, so that neither copy loses what the other saved.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content_fingerprint.h"
#include "datum_file.h"
#include "result.h"

namespace korv {

// A change the user made to an entry picked from the list.
struct DatumEntryEdit {
    int32_t position = 0;  // where the list held the entry when it was picked, 1 to count
    DatumShift picked;     // the entry as the user was shown it, or as this run last stored it
    DatumShift edited;     // its values as entered now; the name is the picked one's
};

// What became of such a change.
struct DatumEntryEditOutcome {
    bool written = false;  // the entry and the file hold the change
    DatumShift entry;      // the entry as the list holds it now, when written
    // By value, in file order: another copy of the program had saved a different value there
    // meanwhile, which this change replaced.
    std::array<bool, kDatumValues.size()> overridden{};
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

    // Makes sure a usable file exists and reads it. An unusable file (its header fails, or it
    // holds no entries) is kept as "datum.csv.bak" (or, when that exists, the first free of
    // "datum.csv.bak2", "datum.csv.bak3", ...) and replaced by the built-in entries. When the
    // file can be neither written nor read, the built-in entries are used for the run and nothing
    // is retried.
    void load_datum_list();

    // The backup the last load kept of an unusable file, if it made one.
    const std::optional<std::string>& backup_made() const { return backup_made_; }

    // False when an entry of the shift's name (compared without regard to case) already holds
    // its values, as far as this list knows. Otherwise the file is read again first if it
    // changed since this list last read or wrote it; then the shift is added, or the first entry
    // of that name replaced when any value differs by more than 0.001 (false when it does not);
    // the name is stored as given; then the file is written and the result is true. A shift
    // without a name changes nothing. An error (kDatumListNotSaved, naming the file) when the file
    // could not be written: the list holds the change for the run; and (kDatumListFull, naming
    // the most entries) when a new entry would not fit. The words of both name the entry as their
    // second value, which the caller adds.
    Result<bool> define_datum_shift(const DatumShift& shift);

    // Applies the values `edit` changed, and only those, to the entry the user picked as the file
    // holds it now: a value this run did not change keeps what another copy of the program saved
    // for it, and one both changed takes this run's. Nothing is written unless a value changed by
    // more than 0.001. The entry is the one at the picked position when it still bears the picked
    // name, else the first of exactly that name; one the file lost meanwhile is added anew with
    // the values entered. Fails as define_datum_shift does, the list holding the change for the
    // run.
    Result<DatumEntryEditOutcome> edit_entry(const DatumEntryEdit& edit);

    // Reads the file again if it changed since this list last read or wrote it, then writes the
    // whole list; a list without entries leaves the file alone. An error (kDatumListNotSaved)
    // when the file could not be written whole (it then keeps its earlier content), or held more
    // entries or name characters than the list takes; and (kDatumListUnreadable) for a file that
    // is there but could not be read whole: writing it would lose what the list did not read.
    Status save_datum_list();

    // Entries numbered 1 to count, as the drop-down shows them after "None". Reading the file
    // again may change the count and what a position holds.
    int32_t count() const { return static_cast<int32_t>(datum_shifts_.size()); }
    const DatumShift& entry(int32_t position) const {
        return datum_shifts_[static_cast<size_t>(position - 1)];
    }
    const std::string& path() const { return path_; }

    // The first entry whose name, trimmed, equals `name` trimmed, compared without regard to
    // case; null when there is none.
    const DatumShift* entry_named(std::string_view name) const;

private:
    enum class FileState { kUsable, kUnusable, kUnreadable };
    static Error list_full();
    // Why the file was not written (kDatumListNotSaved or kDatumListUnreadable), naming it.
    Error not_saved(ErrorCode code) const;
    FileState read_file();
    bool keep_backup();
    void use_built_in_entries();
    void read_changed_file();
    DatumShift* find(std::string_view name);
    DatumShift* picked_entry(int32_t position, std::string_view name);
    // The entry, added anew when null, with `edit` applied to it, and the values that replaced
    // another copy's; null when the list is full.
    DatumShift* apply(const DatumEntryEdit& edit, DatumShift* entry,
                      DatumEntryEditOutcome& outcome);
    Status write_file();

    std::string path_;
    std::vector<DatumShift> datum_shifts_;
    bool may_write_ = true;
    bool unreadable_ = false;  // why it may not: the file is there but cannot be read
    std::optional<ContentFingerprint> fingerprint_;  // of the content last read or written
    std::optional<std::string> backup_made_;
};

}  // namespace korv

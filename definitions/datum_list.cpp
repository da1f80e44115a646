#include "datum_list.h"

#include <QDir>
#include <QString>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "files.h"
#include "input_file.h"
#include "line_reader.h"
#include "output_file.h"
#include "trim.h"

namespace korv {
namespace {

// Backups are numbered up to this; beyond it an unusable file is left as it is.
constexpr int kMostBackups = 9999;

// A line the list writes takes at least this many bytes: seven numbers with their commas, four
// of at least six characters and three of at least ten, and the line end.
constexpr uintmax_t kShortestWrittenLine = 4 * 7 + 3 * 11 + 2;

}  // namespace

DatumList::DatumList(std::string path) : path_(std::move(path)) {}

void DatumList::load_datum_list() {
    backup_made_.reset();
    fingerprint_.reset();
    // Two rounds at most: the second finds the file the first one wrote.
    for (int round = 0; round < 2; ++round) {
        datum_shifts_.clear();
        if (!file_exists(path_)) {
            for (const DatumShift& shift : built_in_datum_shifts()) {
                (void)define_datum_shift(shift);  // written below
            }
            (void)save_datum_list();  // a file that cannot be written shows when it is read
        }
        switch (read_file()) {
            case FileState::kUsable:
                return;
            case FileState::kUnreadable:
                use_built_in_entries();
                return;
            case FileState::kUnusable:
                // Its content is kept beside it before the file is replaced.
                if (!keep_backup() || !delete_file(path_)) {
                    may_write_ = false;  // never write over a file whose content is not kept
                    use_built_in_entries();
                    return;
                }
                break;
        }
    }
    use_built_in_entries();
}

bool DatumList::keep_backup() {
    for (int number = 1; number <= kMostBackups; ++number) {
        // An earlier backup is never written over: it may be all that is left of a list.
        const std::string backup = path_ + ".bak" + (number > 1 ? std::to_string(number) : "");
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(backup, error))) {
            if (!copy_file(path_, backup)) {
                return false;
            }
            backup_made_ = backup;
            return true;
        }
    }
    return false;
}

DatumList::FileState DatumList::read_file() {
    const std::unique_ptr<InputFile> file = InputFile::open(path_);
    if (file == nullptr) {
        // A file that is there but cannot be read must not be written over with other entries.
        may_write_ = !file_exists(path_);
        unreadable_ = !may_write_;
        return FileState::kUnreadable;
    }
    // Taken of the bytes as they are read: a change made meanwhile shows at the next comparison.
    ContentFingerprint fingerprint;
    std::vector<DatumShift> entries;
    bool complete = true;
    std::string line;  // one line's text at a time, its storage kept from line to line
    fingerprint.follow(*file);
    read_line_program(*file, line);
    if (is_datum_file_header(line)) {
        // Room for the entries the file's size allows, so that a long list is not moved as it
        // grows.
        std::error_code error;
        const uintmax_t size = std::filesystem::file_size(path_, error);
        entries.reserve(error ? 0 : std::min<uintmax_t>(kMaxEntries, size / kShortestWrittenLine));
        size_t name_characters = 0;
        while (!file->at_end()) {
            fingerprint.follow(*file);
            read_line_program(*file, line);
            if (!is_entry_line(line)) {
                continue;
            }
            if (entries.size() == static_cast<size_t>(kMaxEntries) ||
                name_characters >= kMaxNameCharacters) {
                complete = false;  // more than the list takes: the rest stays in the file only
                break;
            }
            entries.push_back(parse_datum_line(line));
            name_characters += entries.back().name.size();
        }
    }
    if (!entries.empty()) {
        fingerprint.follow_to_end(*file);
    }
    if (file->failed()) {
        may_write_ = false;
        unreadable_ = true;
        return FileState::kUnreadable;
    }
    may_write_ = complete;
    unreadable_ = false;
    if (entries.empty()) {
        return FileState::kUnusable;
    }
    datum_shifts_ = std::move(entries);
    fingerprint_ = fingerprint;
    return FileState::kUsable;
}

void DatumList::use_built_in_entries() {
    if (datum_shifts_.empty()) {
        datum_shifts_.assign(built_in_datum_shifts().begin(), built_in_datum_shifts().end());
    }
}

void DatumList::read_changed_file() {
    const std::optional<ContentFingerprint> now = ContentFingerprint::of_file(path_);
    if (now == fingerprint_) {
        return;  // as this list left it
    }
    if (!now) {
        // Gone: the list is written as it stands. There but unreadable: it is left alone.
        if (file_exists(path_)) {
            may_write_ = false;
            unreadable_ = true;
        }
        return;
    }
    if (read_file() != FileState::kUsable) {
        may_write_ = false;  // never write over content this list could not read
    }
}

DatumShift* DatumList::find(std::string_view name) {
    for (DatumShift& shift : datum_shifts_) {
        if (same_name(shift.name, name)) {
            return &shift;
        }
    }
    return nullptr;
}

const DatumShift* DatumList::entry_named(std::string_view name) const {
    const std::string_view wanted = trimmed(name);
    for (const DatumShift& shift : datum_shifts_) {
        if (same_name(trimmed(shift.name), wanted)) {
            return &shift;
        }
    }
    return nullptr;
}

Result<bool> DatumList::define_datum_shift(const DatumShift& shift) {
    if (trimmed(shift.name).empty()) {
        return false;
    }
    // Only a change to what this list holds is made, and it is made to the file as it is now:
    // an entry this run did not change keeps what another copy of the program saved for it.
    const DatumShift* known = find(shift.name);
    if (known != nullptr && known->same_values(shift, kEditTolerance)) {
        return false;
    }
    read_changed_file();
    DatumShift* target = find(shift.name);
    if (target != nullptr && target->same_values(shift, kEditTolerance)) {
        return false;  // the file holds it already
    }
    if (target == nullptr) {
        if (count() >= kMaxEntries) {
            return list_full();
        }
        target = &datum_shifts_.emplace_back();
    }
    *target = shift;
    const Status written = write_file();
    if (!written) {
        return written.error();
    }
    return true;
}

DatumShift* DatumList::picked_entry(int32_t position, std::string_view name) {
    const std::string_view wanted = trimmed(name);
    if (position >= 1 && position <= count() && trimmed(entry(position).name) == wanted) {
        return &datum_shifts_[static_cast<size_t>(position - 1)];
    }
    // The file changed meanwhile: names that differ only in case are other entries.
    for (DatumShift& shift : datum_shifts_) {
        if (trimmed(shift.name) == wanted) {
            return &shift;
        }
    }
    return nullptr;
}

Result<DatumEntryEditOutcome> DatumList::edit_entry(const DatumEntryEdit& edit) {
    DatumEntryEditOutcome outcome;
    if (edit.picked.same_values(edit.edited, kEditTolerance)) {
        return outcome;
    }
    read_changed_file();
    DatumShift* entry = picked_entry(edit.position, edit.picked.name);
    if (entry != nullptr && entry->same_values(edit.edited, kEditTolerance)) {
        return outcome;  // the file holds it already
    }
    entry = apply(edit, entry, outcome);
    if (entry == nullptr) {
        return list_full();
    }
    outcome.entry = *entry;
    const Status written = write_file();
    if (!written) {
        return written.error();
    }
    outcome.written = true;
    return outcome;
}

DatumShift* DatumList::apply(const DatumEntryEdit& edit, DatumShift* entry,
                             DatumEntryEditOutcome& outcome) {
    if (entry == nullptr) {
        if (count() >= kMaxEntries) {
            return nullptr;
        }
        return &datum_shifts_.emplace_back(edit.edited);
    }
    for (size_t i = 0; i < kDatumValues.size(); ++i) {
        double DatumShift::*value = kDatumValues[i];
        if (edit.edited.*value == edit.picked.*value) {
            continue;  // not changed here: the file's value stays
        }
        const double saved = entry->*value;
        outcome.overridden[i] = std::fabs(saved - edit.picked.*value) > kEditTolerance &&
                                std::fabs(saved - edit.edited.*value) > kEditTolerance;
        entry->*value = edit.edited.*value;
    }
    return entry;
}

Error DatumList::list_full() {
    return Error{ErrorCode::kDatumListFull, {std::to_string(kMaxEntries)}};
}

Error DatumList::not_saved(ErrorCode code) const {
    return Error{code, {QDir::toNativeSeparators(QString::fromStdString(path_)).toStdString()}};
}

Status DatumList::save_datum_list() {
    read_changed_file();
    return write_file();
}

Status DatumList::write_file() {
    if (datum_shifts_.empty()) {
        return kSuccess;
    }
    if (!may_write_) {
        return not_saved(unreadable_ ? ErrorCode::kDatumListUnreadable
                                     : ErrorCode::kDatumListNotSaved);
    }
    const Result<std::unique_ptr<OutputFile>> file = OutputFile::create(path_);
    if (!file) {
        return not_saved(ErrorCode::kDatumListNotSaved);
    }
    // The fingerprint of what is written, not of what the file holds afterwards, so that a
    // change another program makes right after this one is still found.
    ContentFingerprint written;
    std::string text;
    const auto add_line = [&](std::string_view line) {
        text += line;
        text += kDatumLineEnd;
    };
    add_line(kDatumFileHeader);
    for (const DatumShift& shift : datum_shifts_) {
        add_line(format_datum_line(shift));
    }
    written.add(text);
    if (!(*file)->write(text) || !(*file)->commit()) {
        return not_saved(ErrorCode::kDatumListNotSaved);
    }
    fingerprint_ = written;
    return kSuccess;
}

}  // namespace korv

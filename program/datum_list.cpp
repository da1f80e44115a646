#include "datum_list.h"

#include <algorithm>

#include "line_reader.h"
#include "text_files.h"
#include "trim_spaces.h"

namespace korv {
namespace {

// Opens the file under a free file number; 0 when it cannot be opened.
int32_t open_to_read(const std::string& path) {
    const int32_t fnum = free_file();
    return fnum != 0 && open_for_input(fnum, path) ? fnum : 0;
}

}  // namespace

DatumList::DatumList(std::string path) : path_(std::move(path)) {}

void DatumList::load_datum_list() {
    // Two rounds at most: the second finds the file the first one wrote.
    for (int round = 0; round < 2; ++round) {
        datum_shifts_.clear();
        if (!file_exists(path_)) {
            for (const DatumShift& shift : built_in_datum_shifts()) {
                define_datum_shift(shift.name, values_of(shift));
            }
            save_datum_list();
        }
        switch (read_file()) {
            case FileState::kUsable:
                return;
            case FileState::kUnreadable:
                use_built_in_entries();
                return;
            case FileState::kUnusable:
                // Its content is kept beside it before the file is replaced.
                if (!copy_file(path_, path_ + ".bak") || !delete_file(path_)) {
                    may_write_ = false;  // never write over a file whose content is not kept
                    use_built_in_entries();
                    return;
                }
                break;
        }
    }
    use_built_in_entries();
}

DatumList::FileState DatumList::read_file() {
    const int32_t fnum = open_to_read(path_);
    if (fnum == 0) {
        // A file that is there but cannot be read must not be written over with other entries.
        may_write_ = !file_exists(path_);
        return FileState::kUnreadable;
    }
    std::vector<DatumShift> entries;
    bool complete = true;
    if (is_datum_file_header(get_line_program(fnum))) {
        // Counted first, so the list is sized once rather than grown entry by entry.
        const int64_t first_entry = input_file(fnum)->position();
        size_t count = 0;
        while (!at_end(fnum) && count <= static_cast<size_t>(kMaxEntries)) {
            count += is_entry_line(get_line_program(fnum)) ? 1 : 0;
        }
        entries.reserve(std::min(count, static_cast<size_t>(kMaxEntries)));
        input_file(fnum)->set_position(first_entry);
        while (!at_end(fnum)) {
            const std::string line = get_line_program(fnum);
            if (!is_entry_line(line)) {
                continue;
            }
            if (entries.size() == static_cast<size_t>(kMaxEntries)) {
                complete = false;  // more than the drop-down holds: the rest stays in the file only
                break;
            }
            entries.push_back(parse_datum_line(line));
            prepare(entries.back());
        }
    }
    if (!close_file(fnum)) {
        may_write_ = false;
        return FileState::kUnreadable;
    }
    may_write_ = complete;
    if (entries.empty()) {
        return FileState::kUnusable;
    }
    datum_shifts_ = std::move(entries);
    return FileState::kUsable;
}

void DatumList::use_built_in_entries() {
    if (datum_shifts_.empty()) {
        datum_shifts_.assign(built_in_datum_shifts().begin(), built_in_datum_shifts().end());
    }
}

DefineResult DatumList::define_datum_shift(const std::string& name, const ShiftValues& values) {
    if (trim_spaces(name).empty()) {
        return DefineResult::kUnchanged;
    }
    DatumShift* target = nullptr;
    for (DatumShift& shift : datum_shifts_) {
        if (same_name(shift.name, name)) {
            target = &shift;
            break;
        }
    }
    if (target != nullptr && values_match(values_of(*target), values)) {
        return DefineResult::kUnchanged;
    }
    if (target == nullptr) {
        if (count() >= kMaxEntries) {
            return DefineResult::kListFull;
        }
        target = &datum_shifts_.emplace_back();
    }
    target->name = name;
    set_values(*target, values);
    prepare(*target);
    return save_datum_list() ? DefineResult::kSaved : DefineResult::kNotSaved;
}

bool DatumList::save_datum_list() const {
    if (datum_shifts_.empty()) {
        return true;
    }
    if (!may_write_) {
        return false;
    }
    const int32_t fnum = free_file();
    if (fnum == 0 || !open_for_output(fnum, path_)) {
        return false;
    }
    bool written = write_line(fnum, kDatumFileHeader);
    for (const DatumShift& shift : datum_shifts_) {
        written = written && write_line(fnum, format_datum_line(shift));
    }
    return close_file(fnum) && written;
}

}  // namespace korv

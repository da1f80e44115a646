// "datum.csv" as a whole file. Whatever the file holds, loading ends with a list of one to 32767
// entries whose names are printable, trimmed and free of commas, each written on a line the
// reader takes whole (10240 characters: a name is cut only where its line would be longer). A
// usable file is left as it was; an unusable one is kept beside it as "datum.csv.bak" and
// replaced by the two built-in entries. The loaded list, saved and loaded again, gives the same
// entries: the same names and the same values at the precision the file writes.

#include <cstdint>
#include <optional>
#include <string>

#include "datum_list.h"
#include "fuzz_check.h"
#include "scratch_folder.h"

namespace {

const std::string kBuiltInFile =
    "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n"
    "AGD84 to GDA 94,-117.7630,-51.5100,139.0610,-2.9200e-01,-4.4300e-01,-2.7700e-01,-0.1910\r\n"
    "AGD66 to GDA 94,-117.8080,-51.5360,137.7840,-3.0300e-01,-4.4600e-01,-2.3400e-01,-0.2900\r\n";

bool printable_without_comma(const std::string& name) {
    for (const char c : name) {
        if (c < 32 || c > 126 || c == ',') {
            return false;
        }
    }
    return true;
}

void check_entries(const korv::DatumList& list) {
    KORV_FUZZ_REQUIRE(list.count() >= 1 && list.count() <= korv::DatumList::kMaxEntries,
                      "a loaded list holds one to 32767 entries");
    for (int32_t position = 1; position <= list.count(); ++position) {
        const korv::DatumShift& shift = list.entry(position);
        KORV_FUZZ_REQUIRE(printable_without_comma(shift.name),
                          "a name holds printable characters and no comma");
        KORV_FUZZ_REQUIRE(
            shift.name.empty() || (shift.name.front() != ' ' && shift.name.back() != ' '),
            "a name is trimmed of blanks");
        KORV_FUZZ_REQUIRE(korv::format_datum_line(shift).size() <= korv::kLongestDatumLine,
                          "an entry's line fits what the reader takes whole");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = korv::fuzz::scratch_path("datum.csv");
    static const std::string backup = path + ".bak";
    const std::string original(reinterpret_cast<const char*>(data), size);
    korv::fuzz::remove_scratch_file(backup);
    korv::fuzz::write_scratch_file(path, data, size);

    korv::DatumList list(path);
    list.load_datum_list();
    check_entries(list);
    const std::string loaded_file = korv::fuzz::read_scratch_file(path);
    KORV_FUZZ_REQUIRE(
        list.backup_made() == (loaded_file == original ? std::nullopt : std::optional(backup)),
        "the list reports the backup it made");
    if (loaded_file != original) {
        KORV_FUZZ_REQUIRE(loaded_file == kBuiltInFile,
                          "an unusable file is replaced by the built-in entries");
        KORV_FUZZ_REQUIRE(korv::fuzz::read_scratch_file(backup) == original,
                          "an unusable file is kept as datum.csv.bak");
        KORV_FUZZ_REQUIRE(list.count() == 2, "a replaced file leaves the built-in entries");
    }

    KORV_FUZZ_REQUIRE(list.save_datum_list().ok(), "a loaded list can be saved");
    korv::DatumList again(path);
    again.load_datum_list();
    KORV_FUZZ_REQUIRE(
        korv::fuzz::read_scratch_file(path + ".bak") == (loaded_file == original ? "" : original),
        "a saved list is usable: it is not replaced");
    KORV_FUZZ_REQUIRE(again.count() == list.count(), "a saved list loads the same entries");
    for (int32_t position = 1; position <= list.count(); ++position) {
        KORV_FUZZ_REQUIRE_SAME(again.entry(position).name, list.entry(position).name,
                               "a saved entry loads with the same name");
        KORV_FUZZ_REQUIRE_SAME(korv::format_datum_line(again.entry(position)),
                               korv::format_datum_line(list.entry(position)),
                               "a saved entry loads with the same values at the written precision");
    }
    return 0;
}

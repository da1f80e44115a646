#include "proj_database_catalogue.h"

#include <algorithm>
#include <optional>

#include "catalogue_errors.h"
#include "proj_database.h"
#include "shift_identification.h"
#include "system_definition.h"
#include "system_matching.h"
#include "word_search.h"

namespace korv::epsg {

struct ProjDatabaseCatalogue::Contents {
    std::optional<Error> error;  // why the database could not be read
    std::vector<PublishedSystem> systems;
    std::vector<Result<CoordinateSystemDefinition>> definitions;  // one for each system
    std::vector<std::string> system_words;                        // for WordSearch
    std::vector<PublishedShift> shifts;
    std::vector<std::string> shift_words;
};

namespace {

std::vector<std::size_t> found(const std::vector<std::string>& searchable, std::string_view words) {
    const WordSearch search(words);
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < searchable.size(); ++i) {
        if (search.finds(searchable[i])) {
            positions.push_back(i);
        }
    }
    return positions;
}

// `values[i]` for the entry i of `code` in `entries`, which are in the order of codes; `unknown`
// when there is none, or why the database could not be read.
template <typename Value, typename Entry>
Result<Value> at_code(const std::optional<Error>& unreadable, const std::vector<Entry>& entries,
                      const std::vector<Value>& values, int32_t code, Error (*unknown)(int32_t)) {
    if (unreadable) {
        return *unreadable;
    }
    const auto at = std::ranges::lower_bound(entries, code, {}, &Entry::code);
    if (at == entries.end() || at->code != code) {
        return unknown(code);
    }
    return values[static_cast<std::size_t>(at - entries.begin())];
}

// All of `entries`, or why the database could not be read.
template <typename Entry>
Result<std::span<const Entry>> all(const std::optional<Error>& unreadable,
                                   const std::vector<Entry>& entries) {
    if (unreadable) {
        return *unreadable;
    }
    return std::span<const Entry>(entries);
}

std::string code_text(int32_t code) {
    return "EPSG:" + std::to_string(code);
}

}  // namespace

ProjDatabaseCatalogue::ProjDatabaseCatalogue(std::string path) : path_(std::move(path)) {}

ProjDatabaseCatalogue::~ProjDatabaseCatalogue() = default;

const ProjDatabaseCatalogue::Contents& ProjDatabaseCatalogue::contents() const {
    std::call_once(read_, [this] {
        auto contents = std::make_unique<Contents>();
        const std::string path = path_.empty() ? ProjDatabase::installed_path() : path_;
        const Result<ProjDatabase> database = ProjDatabase::open(path);
        Result<std::vector<SystemRecord>> systems =
            database ? database->projected_systems() : database.error();
        Result<std::vector<PublishedShift>> shifts =
            database ? database->helmert_shifts() : database.error();
        if (!systems || !shifts) {
            // The database's own words say why; they are given as they come.
            contents->error =
                database_unreadable(path.empty() ? "proj.db" : path,
                                    english_message(!systems ? systems.error() : shifts.error()));
        } else {
            for (const SystemRecord& record : *systems) {
                contents->systems.push_back(record.published);
                contents->definitions.push_back(epsg::system_definition(record));
                const PublishedSystem& system = record.published;
                contents->system_words.push_back(WordSearch::searchable(
                    {code_text(system.code), system.name, system.area.name}));
            }
            contents->shifts = std::move(shifts).value();
            for (const PublishedShift& shift : contents->shifts) {
                contents->shift_words.push_back(WordSearch::searchable(
                    {code_text(shift.code), shift.name, shift.source_system, shift.target_system,
                     shift.source_datum, shift.target_datum, shift.area.name}));
            }
        }
        contents_ = std::move(contents);
    });
    return *contents_;
}

Result<std::span<const PublishedSystem>> ProjDatabaseCatalogue::systems() const {
    return all(contents().error, contents().systems);
}

std::vector<std::size_t> ProjDatabaseCatalogue::find_systems(std::string_view words) const {
    return found(contents().system_words, words);
}

Result<PublishedSystem> ProjDatabaseCatalogue::system(int32_t code) const {
    const Contents& c = contents();
    return at_code(c.error, c.systems, c.systems, code, unknown_system);
}

Result<CoordinateSystemDefinition> ProjDatabaseCatalogue::system_definition(int32_t code) const {
    const Contents& c = contents();
    const Result<Result<CoordinateSystemDefinition>> definition =
        at_code(c.error, c.systems, c.definitions, code, unknown_system);
    return definition ? *definition : Result<CoordinateSystemDefinition>(definition.error());
}

std::vector<PublishedSystem> ProjDatabaseCatalogue::matching_systems(
    const CoordinateSystemDefinition& definition) const {
    const Contents& c = contents();
    std::vector<PublishedSystem> matching;
    for (std::size_t i = 0; i < c.systems.size(); ++i) {
        if (c.definitions[i] && same_system(*c.definitions[i], definition)) {
            matching.push_back(c.systems[i]);
        }
    }
    return matching;
}

Result<std::span<const PublishedShift>> ProjDatabaseCatalogue::shifts() const {
    return all(contents().error, contents().shifts);
}

std::vector<std::size_t> ProjDatabaseCatalogue::find_shifts(std::string_view words) const {
    return found(contents().shift_words, words);
}

Result<PublishedShift> ProjDatabaseCatalogue::shift(int32_t code) const {
    const Contents& c = contents();
    return at_code(c.error, c.shifts, c.shifts, code, unknown_shift);
}

std::vector<PublishedShift> ProjDatabaseCatalogue::identify_shift(const DatumShift& shift) const {
    if (shift.is_none()) {
        return {};
    }
    return identify(shift, contents().shifts);
}

}  // namespace korv::epsg

#include "command_line_inputs.h"

#include <string>

#include "datum_list.h"
#include "datum_list_place.h"
#include "option_values.h"
#include "source_settings.h"
#include "trim.h"

namespace korv::convert {
namespace {

// The definition the dialog keeps in the settings store.
Result<CoordinateSystemDefinition> kept_definition() {
    const Result<StoredSourceSystem> kept = stored_source_system();
    if (!kept) {
        return usage_error(english_message(kept.error()) +
                           "; define one in the dialog or give it with --system");
    }
    return kept->definition;
}

// The published system of `code` as the Projection control defines it. A refusal names the code
// first, also where the catalogue words it without ("the spheroid Clarke 1858 is not in the list").
Result<CoordinateSystemDefinition> published_definition(int32_t code,
                                                        const epsg::Catalogue& catalogue) {
    Result<CoordinateSystemDefinition> definition = catalogue.system_definition(code);
    if (!definition && definition.error().code == ErrorCode::kEpsgSpheroidNotListed) {
        return usage_error("EPSG:" + std::to_string(code) + ": " +
                           english_message(definition.error()));
    }
    return definition;
}

// The shift of a name in the dialog's datum list, loaded as the dialog loads it.
Result<DatumShift> listed_shift(const std::string& name) {
    DatumList list(datum_list_path());
    list.load_datum_list();
    const DatumShift* listed = list.entry_named(name);
    if (listed == nullptr) {
        return Error{ErrorCode::kDatumShiftNotListed, {list.path(), std::string(trimmed(name))}};
    }
    return *listed;
}

}  // namespace

Result<CoordinateSystemDefinition> source_definition(const CommandLine& line,
                                                     const epsg::Catalogue& catalogue) {
    const Result<CoordinateSystemDefinition> given =
        line.system_code    ? published_definition(*line.system_code, catalogue)
        : line.system_lists ? source_system_from_lists(*line.system_lists)
                            : kept_definition();
    if (!given) {
        return given.error();
    }
    CoordinateSystemDefinition definition = *given;
    definition.zone_number = line.zone.value_or(definition.zone_number);
    if (!projection_kind(projection_number(definition.projection))) {
        return Error{ErrorCode::kProjectionNotListed,
                     {std::to_string(projection_number(definition.projection))}};
    }
    return definition;
}

Result<DatumShift> datum_shift(const CommandLine& line, const epsg::Catalogue& catalogue) {
    if (line.shift_values) {
        return *line.shift_values;
    }
    if (line.shift_code) {
        const Result<epsg::PublishedShift> published = catalogue.shift(*line.shift_code);
        if (!published) {
            return published.error();
        }
        return published->shift;
    }
    if (!line.shift_name || DatumShift{*line.shift_name}.is_none()) {
        return DatumShift{};
    }
    const Result<DatumShift> listed = listed_shift(*line.shift_name);
    if (!listed) {
        return listed.error();
    }
    return *listed;
}

}  // namespace korv::convert

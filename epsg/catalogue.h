#pragma once
// The published coordinate systems and datum shifts of the EPSG dataset, as the dialog and the
// command line reach them. Plain values in and out, so the catalogue can sit behind a library
// bound by name: whoever holds this interface links neither the projection engine nor its
// database. Calls may come from any thread; the data is read on the first call that needs it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "coordinate_system_definition.h"
#include "datum_shift.h"
#include "published_shift.h"
#include "published_system.h"
#include "result.h"

namespace korv::epsg {

class Catalogue {
public:
    virtual ~Catalogue() = default;

    // Every projected system, in the order of their codes, deprecated ones included; an error
    // saying why when the dataset cannot be read. The values stay valid as long as the catalogue.
    virtual Result<std::span<const PublishedSystem>> systems() const = 0;

    // Positions in systems() of those whose code, name or area of use holds every word of
    // `words` at the start of one of its words, without regard to case ("MGA zone 55",
    // "EPSG:28355"); all of them for a text without words.
    virtual std::vector<std::size_t> find_systems(std::string_view words) const = 0;

    // The system of a code, or an error when the dataset has no projected system of that code.
    virtual Result<PublishedSystem> system(int32_t code) const = 0;

    // The system of a code as the Projection control defines it, or an error saying why it cannot
    // be: its projection, spheroid, units or axes are not among the control's, or its standard
    // parallels lie too close together. The control keeps every value to its last digit, however
    // its fields round what they show.
    virtual Result<CoordinateSystemDefinition> system_definition(int32_t code) const = 0;

    // Every published system whose projection, spheroid and parameters are those of
    // `definition`, in the order of their codes; none for a definition no system has.
    virtual std::vector<PublishedSystem> matching_systems(
        const CoordinateSystemDefinition& definition) const = 0;

    // Every published Helmert datum shift (three and seven parameters) in the order of their
    // codes, deprecated ones included; an error when the dataset cannot be read.
    virtual Result<std::span<const PublishedShift>> shifts() const = 0;

    // Positions in shifts() of those whose code, name, systems, datums or area of use hold every
    // word of `words` at the start of one of their words, without regard to case.
    virtual std::vector<std::size_t> find_shifts(std::string_view words) const = 0;

    // The datum shift of a code, or an error when the dataset has no Helmert shift of that code.
    virtual Result<PublishedShift> shift(int32_t code) const = 0;

    // The published shifts whose seven values are those of `shift` as the datum shift list
    // prints them, best first: the one its name gives the code of, then current before
    // deprecated, those between the systems its name names, the most accurate. None when no
    // published shift has its values.
    virtual std::vector<PublishedShift> identify_shift(const DatumShift& shift) const = 0;
};

}  // namespace korv::epsg

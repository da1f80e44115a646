#pragma once
// The source coordinate system in the per-user settings store: "Name", and the twelve numbers in
// the two lists "Parameters1" (spheroid, projection, hemisphere, longitude origin, latitude
// origin, standard parallels 1 and 2) and "Parameters2" (false easting, false northing, scale
// factor, zone width, zone number), each list joined by ";".

#include <QString>
#include <string>
#include <string_view>

#include "coordinate_system_definition.h"
#include "result.h"

namespace korv {

class SettingsStore;

// The source coordinate system as the settings store keeps it: its name and its definition, the
// projection as the number stored, even one the projection list does not hold.
struct StoredSourceSystem {
    std::string name;
    CoordinateSystemDefinition definition;

    friend bool operator==(const StoredSourceSystem&, const StoredSourceSystem&) = default;
};

inline const QString kSettingsApplication = QStringLiteral("Halvern\\Quarrtool");
inline const QString kSettingsSection = QStringLiteral("Projection");
inline const QString kNoValue = QStringLiteral("<no value>");

// Takes the values of a stored list into their fields, in list order. Each value reads with the
// leading-number rule; an integer field takes the nearest integer, a half to the even neighbour.
// A value that cannot be taken (an integer out of range, a number too large) is skipped, and so
// are values missing from a short list: those fields keep what they held.
void read_parameters1(std::string_view text, CoordinateSystemDefinition& definition);
void read_parameters2(std::string_view text, CoordinateSystemDefinition& definition);

// The lists as stored: each value with one blank in front when it is not negative.
std::string parameters1_text(const CoordinateSystemDefinition& definition);
std::string parameters2_text(const CoordinateSystemDefinition& definition);

// Reads "Name" and, when there is one, both lists into `system`, and says whether there was one;
// with no "Name" (or the text "<no value>") `system` is left as it was.
bool load_source_system(const SettingsStore& store, StoredSourceSystem& system);

// The source coordinate system kept in the user's settings store, read into a zeroed definition
// as start-up reads it; an error when none is kept.
Result<StoredSourceSystem> stored_source_system();

// The coordinate system of the two stored lists joined by "|" ("P1|P2"), each read as the stored
// list is read, into a zeroed definition; an error when there is no "|".
Result<CoordinateSystemDefinition> source_system_from_lists(std::string_view lists);

// Writes "Name" (trimmed), "Parameters1" and "Parameters2" as one change; an error saying what
// went wrong when they could not be written.
Status save_source_system(SettingsStore& store, const StoredSourceSystem& system);

}  // namespace korv

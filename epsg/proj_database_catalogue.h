#pragma once
// The catalogue read from PROJ's database of the EPSG dataset (proj.db), on the first call that
// needs it. Reading takes a few tens of milliseconds; every call after that works in memory.

#include <memory>
#include <mutex>
#include <string>

#include "catalogue.h"

namespace korv::epsg {

class ProjDatabaseCatalogue final : public Catalogue {
public:
    // The catalogue of the database at `path`; without one, of the database PROJ itself uses.
    explicit ProjDatabaseCatalogue(std::string path = {});
    ~ProjDatabaseCatalogue() override;

    Result<std::span<const PublishedSystem>> systems() const override;
    std::vector<std::size_t> find_systems(std::string_view words) const override;
    Result<PublishedSystem> system(int32_t code) const override;
    Result<CoordinateSystemDefinition> system_definition(int32_t code) const override;
    std::vector<PublishedSystem> matching_systems(
        const CoordinateSystemDefinition& definition) const override;

    Result<std::span<const PublishedShift>> shifts() const override;
    std::vector<std::size_t> find_shifts(std::string_view words) const override;
    Result<PublishedShift> shift(int32_t code) const override;
    std::vector<PublishedShift> identify_shift(const DatumShift& shift) const override;

private:
    struct Contents;
    // The database's contents, read on the first call.
    const Contents& contents() const;

    std::string path_;
    mutable std::once_flag read_;
    mutable std::unique_ptr<const Contents> contents_;
};

}  // namespace korv::epsg

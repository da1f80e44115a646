#pragma once
// A catalogue that cannot be read: every answer is the reason, or nothing. It stands in for the
// conversion engine's catalogue when the engine cannot be bound, so the lists and lines that show
// the catalogue say why it is missing as they say why its database cannot be read.

#include "catalogue.h"

namespace korv {

class UnavailableCatalogue final : public epsg::Catalogue {
public:
    explicit UnavailableCatalogue(Error reason) : reason_(std::move(reason)) {}

    Result<std::span<const epsg::PublishedSystem>> systems() const override { return reason_; }
    std::vector<std::size_t> find_systems(std::string_view) const override { return {}; }
    Result<epsg::PublishedSystem> system(int32_t) const override { return reason_; }
    Result<CoordinateSystemDefinition> system_definition(int32_t) const override { return reason_; }
    std::vector<epsg::PublishedSystem> matching_systems(
        const CoordinateSystemDefinition&) const override {
        return {};
    }
    Result<std::span<const epsg::PublishedShift>> shifts() const override { return reason_; }
    std::vector<std::size_t> find_shifts(std::string_view) const override { return {}; }
    Result<epsg::PublishedShift> shift(int32_t) const override { return reason_; }
    std::vector<epsg::PublishedShift> identify_shift(const DatumShift&) const override {
        return {};
    }

private:
    Error reason_;
};

}  // namespace korv

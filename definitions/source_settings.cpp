#include "source_settings.h"

#include <cmath>
#include <span>
#include <variant>

#include "numeric_text.h"
#include "settings_store.h"
#include "trim.h"

namespace korv {
namespace {

using FieldPointer = std::variant<int32_t CoordSystem::*, double CoordSystem::*>;

constexpr FieldPointer kParameters1[] = {
    &CoordSystem::spheroid,
    &CoordSystem::projection,
    &CoordSystem::hemisphere,
    &CoordSystem::longitude_origin,
    &CoordSystem::latitude_origin,
    &CoordSystem::standard_parallel_1,
    &CoordSystem::standard_parallel_2,
};

constexpr FieldPointer kParameters2[] = {
    &CoordSystem::false_east, &CoordSystem::false_north, &CoordSystem::scale_factor,
    &CoordSystem::zone_width, &CoordSystem::zone_number,
};

void take_value(std::string_view text, const FieldPointer& field, CoordSystem& record) {
    const double number = leading_number(text);
    if (const auto* integer_field = std::get_if<int32_t CoordSystem::*>(&field)) {
        if (const std::optional<int32_t> value = to_int32_half_even(number)) {
            record.*(*integer_field) = *value;
        }
    } else if (std::isfinite(number)) {
        record.*std::get<double CoordSystem::*>(field) = number;
    }
}

// Cuts the list from the left at each ";"; the last value is whatever follows the last ";".
void read_list(std::string_view text, std::span<const FieldPointer> fields, CoordSystem& record) {
    for (size_t i = 0; i < fields.size(); ++i) {
        const size_t separator = text.find(';');
        const bool last = i + 1 == fields.size();
        if (separator == std::string_view::npos || last) {
            take_value(text, fields[i], record);
            return;
        }
        take_value(text.substr(0, separator), fields[i], record);
        text.remove_prefix(separator + 1);
    }
}

std::string list_text(std::span<const FieldPointer> fields, const CoordSystem& record) {
    std::string text;
    for (const FieldPointer& field : fields) {
        if (!text.empty()) {
            text += ';';
        }
        text +=
            std::visit([&record](auto pointer) { return format_stored(record.*pointer); }, field);
    }
    return text;
}

}  // namespace

void read_parameters1(std::string_view text, CoordSystem& record) {
    read_list(text, kParameters1, record);
}

void read_parameters2(std::string_view text, CoordSystem& record) {
    read_list(text, kParameters2, record);
}

std::string parameters1_text(const CoordSystem& record) {
    return list_text(kParameters1, record);
}

std::string parameters2_text(const CoordSystem& record) {
    return list_text(kParameters2, record);
}

bool load_source_coord_system(const SettingsStore& store, CoordSystem& record) {
    const QString name = store.get(kSettingsSection, QStringLiteral("Name"), kNoValue);
    if (name == kNoValue) {
        return false;
    }
    record.name = name.toStdString();
    read_parameters1(
        store.get(kSettingsSection, QStringLiteral("Parameters1"), kNoValue).toStdString(), record);
    read_parameters2(
        store.get(kSettingsSection, QStringLiteral("Parameters2"), kNoValue).toStdString(), record);
    return true;
}

Result<CoordSystem> stored_source_system() {
    CoordSystem record;
    if (!load_source_coord_system(SettingsStore(kSettingsApplication), record)) {
        return Error{"no source coordinate system is stored"};
    }
    return record;
}

Result<CoordSystem> source_system_from_lists(std::string_view lists) {
    const size_t bar = lists.find('|');
    if (bar == std::string_view::npos) {
        return Error{"the coordinate system must be given as the two stored lists joined by \"|\""};
    }
    CoordSystem record;
    read_parameters1(lists.substr(0, bar), record);
    read_parameters2(lists.substr(bar + 1), record);
    return record;
}

Status save_source_coord_system(SettingsStore& store, const CoordSystem& record) {
    store.set(kSettingsSection, QStringLiteral("Name"),
              QString::fromStdString(std::string(trimmed(record.name))));
    store.set(kSettingsSection, QStringLiteral("Parameters1"),
              QString::fromStdString(parameters1_text(record)));
    store.set(kSettingsSection, QStringLiteral("Parameters2"),
              QString::fromStdString(parameters2_text(record)));
    // The store says what went wrong as a text, empty when nothing did.
    const QString failure = store.commit();
    if (!failure.isEmpty()) {
        return Error{failure.toStdString()};
    }
    return kSuccess;
}

}  // namespace korv

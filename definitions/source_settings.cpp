#include "source_settings.h"

#include <cmath>
#include <span>
#include <type_traits>
#include <variant>

#include "numeric_text.h"
#include "settings_store.h"
#include "trim.h"

namespace korv {
namespace {

using FieldPointer =
    std::variant<ProjectionKind CoordinateSystemDefinition::*,
                 int32_t CoordinateSystemDefinition::*, double CoordinateSystemDefinition::*>;

constexpr FieldPointer kParameters1[] = {
    &CoordinateSystemDefinition::spheroid,
    &CoordinateSystemDefinition::projection,
    &CoordinateSystemDefinition::hemisphere,
    &CoordinateSystemDefinition::longitude_origin,
    &CoordinateSystemDefinition::latitude_origin,
    &CoordinateSystemDefinition::standard_parallel_1,
    &CoordinateSystemDefinition::standard_parallel_2,
};

constexpr FieldPointer kParameters2[] = {
    &CoordinateSystemDefinition::false_east,   &CoordinateSystemDefinition::false_north,
    &CoordinateSystemDefinition::scale_factor, &CoordinateSystemDefinition::zone_width,
    &CoordinateSystemDefinition::zone_number,
};

void take_value(std::string_view text, const FieldPointer& field,
                CoordinateSystemDefinition& definition) {
    const double number = leading_number(text);
    if (const auto* integer_field = std::get_if<int32_t CoordinateSystemDefinition::*>(&field)) {
        if (const std::optional<int32_t> value = to_int32_half_even(number)) {
            definition.*(*integer_field) = *value;
        }
    } else if (const auto* projection_field =
                   std::get_if<ProjectionKind CoordinateSystemDefinition::*>(&field)) {
        if (const std::optional<int32_t> value = to_int32_half_even(number)) {
            definition.*(*projection_field) = static_cast<ProjectionKind>(*value);
        }
    } else if (std::isfinite(number)) {
        definition.*std::get<double CoordinateSystemDefinition::*>(field) = number;
    }
}

// Cuts the list from the left at each ";"; the last value is whatever follows the last ";".
void read_list(std::string_view text, std::span<const FieldPointer> fields,
               CoordinateSystemDefinition& record) {
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

std::string list_text(std::span<const FieldPointer> fields,
                      const CoordinateSystemDefinition& record) {
    std::string text;
    for (const FieldPointer& field : fields) {
        if (!text.empty()) {
            text += ';';
        }
        text += std::visit(
            [&record](auto pointer) {
                const auto value = record.*pointer;
                if constexpr (std::is_same_v<decltype(value), const ProjectionKind>) {
                    return format_stored(projection_number(value));
                } else {
                    return format_stored(value);
                }
            },
            field);
    }
    return text;
}

}  // namespace

void read_parameters1(std::string_view text, CoordinateSystemDefinition& definition) {
    read_list(text, kParameters1, definition);
}

void read_parameters2(std::string_view text, CoordinateSystemDefinition& definition) {
    read_list(text, kParameters2, definition);
}

std::string parameters1_text(const CoordinateSystemDefinition& definition) {
    return list_text(kParameters1, definition);
}

std::string parameters2_text(const CoordinateSystemDefinition& definition) {
    return list_text(kParameters2, definition);
}

bool load_source_system(const SettingsStore& store, StoredSourceSystem& system) {
    const QString name = store.get(kSettingsSection, QStringLiteral("Name"), kNoValue);
    if (name == kNoValue) {
        return false;
    }
    system.name = name.toStdString();
    read_parameters1(
        store.get(kSettingsSection, QStringLiteral("Parameters1"), kNoValue).toStdString(),
        system.definition);
    read_parameters2(
        store.get(kSettingsSection, QStringLiteral("Parameters2"), kNoValue).toStdString(),
        system.definition);
    return true;
}

Result<StoredSourceSystem> stored_source_system() {
    StoredSourceSystem system;
    if (!load_source_system(SettingsStore(kSettingsApplication), system)) {
        return Error{ErrorCode::kNoStoredSourceSystem};
    }
    return system;
}

Result<CoordinateSystemDefinition> source_system_from_lists(std::string_view lists) {
    const size_t bar = lists.find('|');
    if (bar == std::string_view::npos) {
        return Error{ErrorCode::kSystemListsWithoutBar};
    }
    CoordinateSystemDefinition definition;
    read_parameters1(lists.substr(0, bar), definition);
    read_parameters2(lists.substr(bar + 1), definition);
    return definition;
}

Status save_source_system(SettingsStore& store, const StoredSourceSystem& system) {
    store.set(kSettingsSection, QStringLiteral("Name"),
              QString::fromStdString(std::string(trimmed(system.name))));
    store.set(kSettingsSection, QStringLiteral("Parameters1"),
              QString::fromStdString(parameters1_text(system.definition)));
    store.set(kSettingsSection, QStringLiteral("Parameters2"),
              QString::fromStdString(parameters2_text(system.definition)));
    return store.commit();
}

}  // namespace korv

// The two parameter lists of the settings store. Whatever text a list held, the record it reads
// into holds only finite numbers, and the lists written from that record read back into a fresh
// record write the very same texts: a value the program wrote, read and written again does not
// change. Any record of finite numbers survives being written and read the same way.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "coordinate_system_definition.h"
#include "fuzz_check.h"
#include "source_settings.h"

namespace {

bool all_finite(const korv::CoordinateSystemDefinition& record) {
    return std::isfinite(record.longitude_origin) && std::isfinite(record.latitude_origin) &&
           std::isfinite(record.standard_parallel_1) && std::isfinite(record.standard_parallel_2) &&
           std::isfinite(record.scale_factor) && std::isfinite(record.false_east) &&
           std::isfinite(record.false_north) && std::isfinite(record.zone_width);
}

// Every value is a blank or "-" followed by a number without blanks, and the values are joined
// by ";" with none after the last.
void check_list_form(const std::string& list, size_t values) {
    KORV_FUZZ_REQUIRE(static_cast<size_t>(std::count(list.begin(), list.end(), ';')) == values - 1,
                      "a written list holds its number of values");
    size_t start = 0;
    for (size_t i = 0; i < values; ++i) {
        const size_t end = std::min(list.find(';', start), list.size());
        const std::string value = list.substr(start, end - start);
        KORV_FUZZ_REQUIRE(value.size() >= 2 && (value[0] == ' ' || value[0] == '-') &&
                              value.find(' ', 1) == std::string::npos,
                          "a written value is a blank or a minus sign and its digits");
        start = end + 1;
    }
}

// Writes the record's lists, checks their form, and returns them after a round trip through a
// fresh record, which must give the same texts.
void check_round_trip(const korv::CoordinateSystemDefinition& record) {
    const std::string first = korv::parameters1_text(record);
    const std::string second = korv::parameters2_text(record);
    check_list_form(first, 7);
    check_list_form(second, 5);
    korv::CoordinateSystemDefinition again;
    korv::read_parameters1(first, again);
    korv::read_parameters2(second, again);
    KORV_FUZZ_REQUIRE_SAME(korv::parameters1_text(again), first,
                           "Parameters1 read and written again is the same text");
    KORV_FUZZ_REQUIRE_SAME(korv::parameters2_text(again), second,
                           "Parameters2 read and written again is the same text");
    KORV_FUZZ_REQUIRE(again.spheroid == record.spheroid && again.projection == record.projection &&
                          again.hemisphere == record.hemisphere &&
                          again.zone_number == record.zone_number,
                      "integer fields come back exactly");
}

double finite_double(FuzzedDataProvider& input) {
    const double value = input.ConsumeFloatingPoint<double>();
    return std::isfinite(value) ? value : 0.0;
}

korv::CoordinateSystemDefinition record_from(FuzzedDataProvider& input) {
    korv::CoordinateSystemDefinition record;
    record.spheroid = input.ConsumeIntegral<int32_t>();
    record.projection = static_cast<korv::ProjectionKind>(input.ConsumeIntegral<int32_t>());
    record.hemisphere = input.ConsumeIntegral<int32_t>();
    record.zone_number = input.ConsumeIntegral<int32_t>();
    for (double* field :
         {&record.longitude_origin, &record.latitude_origin, &record.standard_parallel_1,
          &record.standard_parallel_2, &record.scale_factor, &record.false_east,
          &record.false_north, &record.zone_width}) {
        *field = finite_double(input);
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string first = input.ConsumeRandomLengthString();
    const std::string second = input.ConsumeRandomLengthString();

    korv::CoordinateSystemDefinition stored;
    korv::read_parameters1(first, stored);
    korv::read_parameters2(second, stored);
    KORV_FUZZ_REQUIRE(all_finite(stored), "stored lists read as finite numbers");
    check_round_trip(stored);

    check_round_trip(record_from(input));
    return 0;
}

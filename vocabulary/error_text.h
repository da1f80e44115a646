#pragma once
// The words of every failure, in English with the values as %1, %2, ...: the command line shows
// them as they are, the widgets translate them in the context "korv::Errors" (platform's
// error_message.h). Texts users have always seen are kept exactly, typos included.

#include <string>
#include <string_view>

#include "error.h"
#include "translatable.h"

namespace korv {

constexpr std::string_view error_text(ErrorCode code) {
    using enum ErrorCode;
    switch (code) {
        case kLocalGridNotConvertible:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "a local grid has no projection to convert points with");
        case kSpheroidNotInTable:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the spheroid code %1 is not one of the spheroid table");
        case kLongitudeOriginOutside:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the longitude of origin %1 lies outside -360..360");
        case kZoneNotPositive:
            return QT_TRANSLATE_NOOP("korv::Errors", "the zone number %1 is not positive");
        case kZoneWidthOutside:
            return QT_TRANSLATE_NOOP("korv::Errors", "the zone width %1 lies outside -360..360");
        case kZoneMeridianOutside:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the central meridian of zone %1 lies outside -360..360");
        case kLatitudeOriginOutside:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the latitude of origin %1 lies outside -90..90");
        case kFalseOriginTooFar:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the false easting or northing lies beyond 1e9 metres");
        case kScaleFactorOutside:
            return QT_TRANSLATE_NOOP("korv::Errors", "the scale factor %1 lies outside 0..10");
        case kStandardParallelOutside:
            return QT_TRANSLATE_NOOP("korv::Errors", "a standard parallel lies outside -90..90");
        case kEquatorNotPlaced:
            return QT_TRANSLATE_NOOP("korv::Errors", "the projection cannot place the equator");
        case kEngineRefusesDefinition:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the projection engine refuses the definition \"%1\"");
        case kGeographicPointOutside:
            return QT_TRANSLATE_NOOP(
                "korv::Errors", "the point lies outside longitudes -360..360 or latitudes -90..90");
        case kPointNotProjectable:
            return QT_TRANSLATE_NOOP("korv::Errors", "the projection cannot take the point");
        case kGridPointNotFinite:
            return QT_TRANSLATE_NOOP("korv::Errors", "the grid point is not a finite number");
        case kGridPointNotMapped:
            return QT_TRANSLATE_NOOP("korv::Errors", "no geographic point maps to the grid point");
        case kShiftTranslationUnreal:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "a translation of the datum shift is not a number within 10 000 km");
        case kShiftRotationUnreal:
            return QT_TRANSLATE_NOOP(
                "korv::Errors", "a rotation of the datum shift is not a number within two radians");
        case kShiftScaleUnreal:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the scale change of the datum shift is not a number within "
                                     "-500000..1000000 ppm");
        case kGeodeticPointOutside:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the point lies outside longitudes -360..360, latitudes "
                                     "-90..90 or heights of 10 000 km");
        case kShiftCannotMovePoint:
            return QT_TRANSLATE_NOOP("korv::Errors", "the datum shift cannot move the point");
        case kWorkspaceNotDefined:
            return QT_TRANSLATE_NOOP("korv::Errors", "the workspace was not made by DEFINE_DATUM");
        case kOutOfMemory:
            return QT_TRANSLATE_NOOP("korv::Errors", "out of memory");

        case kNoStoredSourceSystem:
            return QT_TRANSLATE_NOOP("korv::Errors", "no source coordinate system is stored");
        case kSystemListsWithoutBar:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "the coordinate system must be given as the two stored lists joined by \"|\"");
        case kProjectionNotListed:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the projection %1 is not one of the projection list");
        case kSettingsNotWritable:
            return QT_TRANSLATE_NOOP("korv::Errors", "the settings file %1 cannot be written");
        case kSettingsDamaged:
            return QT_TRANSLATE_NOOP("korv::Errors", "the settings file %1 is damaged");
        case kDatumListNotSaved:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The datum shift list could not be written to \"%1\". \"%2\" "
                                     "is used for this session only.");
        case kDatumListUnreadable:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "\"%1\" can no longer be read, so the datum shift list was not "
                "written over it. \"%2\" is used for this session only.");
        case kDatumListFull:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The datum shift list is full (%1 entries). \"%2\" is used for "
                "this session only and not added to the list.");

        case kEpsgDatabaseUnreadable:
            return QT_TRANSLATE_NOOP("korv::Errors", "the EPSG dataset \"%1\" cannot be read: %2");
        case kEpsgDatabaseMissing:
            return QT_TRANSLATE_NOOP("korv::Errors", "PROJ finds no such database");
        case kEpsgDatabaseQueryFailed:
            return QT_TRANSLATE_NOOP("korv::Errors", "%1");
        case kEpsgSystemUnknown:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "%1 is not a projected coordinate system of the EPSG dataset");
        case kEpsgShiftUnknown:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "%1 is not a Helmert datum shift of the EPSG dataset");
        case kEpsgProjectionNotDefined:
            return QT_TRANSLATE_NOOP(
                "korv::Errors", "%1 uses the %2 projection, which this dialog does not define");
        case kEpsgSpheroidNotListed:
            return QT_TRANSLATE_NOOP("korv::Errors", "the spheroid %1 is not in the list");
        case kEpsgUnitNotDefined:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "%1 gives its coordinates in %2, which this dialog does not define");
        case kEpsgAxesNotDefined:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "%1 has the axes %2, which this dialog does not define");
        case kEpsgParameterUnreadable:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "%1 gives a parameter in a unit the catalogue cannot read");
        case kEpsgParallelsTooClose:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "%1 has standard parallels less than 0.1 degrees apart, which "
                                     "this dialog does not accept");
        case kFileNotWritable:
            return QT_TRANSLATE_NOOP("korv::Errors", "cannot write %1: %2");
        case kFileReadOnly:
            return QT_TRANSLATE_NOOP("korv::Errors", "cannot write %1: it is read-only");
        case kFileIsFolder:
            return QT_TRANSLATE_NOOP("korv::Errors", "cannot write %1: it is a folder");
        case kFileLinksTooDeep:
            return QT_TRANSLATE_NOOP("korv::Errors", "cannot write %1: too many symbolic links");
        case kNoNameBesideFile:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "cannot write beside %1: no free name for the file");
        case kFileClosed:
            return QT_TRANSLATE_NOOP("korv::Errors", "the file %1 is closed");
        case kFilePartlyWritten:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "cannot write %1: a part of it could not be written");
        case kFileNotReplaced:
            return QT_TRANSLATE_NOOP("korv::Errors", "cannot replace %1: %2");
        case kFileNotReadable:
            return QT_TRANSLATE_NOOP("korv::Errors", "cannot read %1: %2");
        case kFolderNotReadable:
            return QT_TRANSLATE_NOOP("korv::Errors", "cannot read %1: it is a folder");
        case kInputNotReadable:
            return QT_TRANSLATE_NOOP("korv::Errors", "reading failed: %1");
        case kStandardOutputNotWritable:
            return QT_TRANSLATE_NOOP("korv::Errors", "writing to standard output failed: %1");

        case kSourceSpheroidNotInTable:
            return QT_TRANSLATE_NOOP(
                "korv::Errors", "the source spheroid code %1 is not one of the spheroid table");
        case kMapSpheroidNotInTable:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the map spheroid code %1 is not one of the spheroid table");
        case kSourceSystemUnusable:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the coordinate system of the source data cannot be used: %1");
        case kMapSystemUnusable:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the coordinate system of the map cannot be used: %1");
        case kSamePointKinds:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the points to convert from and to are the same");
        case kShiftUnusable:
            return QT_TRANSLATE_NOOP("korv::Errors", "the datum shift cannot be used: %1");
        case kShiftNotPipeline:
            return QT_TRANSLATE_NOOP("korv::Errors", "the datum shift is no pipeline of steps: %1");
        case kConversionFailed:
            return QT_TRANSLATE_NOOP("korv::Errors", "the conversion failed: %1");
        case kInputUnreadableDuringConversion:
            return QT_TRANSLATE_NOOP("korv::Errors", "the input cannot be read: %1");
        case kOutputUnwritableDuringConversion:
            return QT_TRANSLATE_NOOP("korv::Errors", "the output cannot be written: %1");
        case kOutputIsInput:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "the file to write, %1, is the file of points, %2; choose another file to write");
        case kEngineCannotStart:
            return QT_TRANSLATE_NOOP("korv::Errors", "the projection engine cannot start");
        case kEngineCannotExpress:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the projection engine cannot express \"%1\" as %2");
        case kDatumShiftNotListed:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the datum list %1 holds no datum shift named \"%2\"");
        case kLineFieldCount:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "the line does not hold two or three values, optionally led by a label");
        case kLineTooLong:
            return QT_TRANSLATE_NOOP("korv::Errors", "the line is too long to be a point");
        case kEastingNotNumber:
            return QT_TRANSLATE_NOOP("korv::Errors", "the easting is not a number");
        case kNorthingNotNumber:
            return QT_TRANSLATE_NOOP("korv::Errors", "the northing is not a number");
        case kLongitudeNotAngle:
            return QT_TRANSLATE_NOOP("korv::Errors", "the longitude is no angle");
        case kLatitudeNotAngle:
            return QT_TRANSLATE_NOOP("korv::Errors", "the latitude is no angle");
        case kHeightNotNumber:
            return QT_TRANSLATE_NOOP("korv::Errors", "the height is not a number");
        case kLongitudeBeyondLimits:
            return QT_TRANSLATE_NOOP("korv::Errors", "the longitude lies outside -360..360");
        case kLatitudeBeyondLimits:
            return QT_TRANSLATE_NOOP("korv::Errors", "the latitude lies outside -89..89");
        case kPointOutsideSourceSystem:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "the point cannot be converted with the coordinate system of the source data");
        case kPointOutsideMapSystem:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "the point cannot be converted with the coordinate system of the map");
        case kPointNotShifted:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the point cannot be moved through the datum shift");
        case kPointOutsideSystemArea:
            return QT_TRANSLATE_NOOP(
                "korv::Errors", "the point lies outside the area of use of the coordinate system");
        case kPointOutsideShiftArea:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "the point lies outside the area of use of the datum shift");
        case kCommandLineUsage:
            return "%1";

        case kProjectionNotKnown:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The projection %1 is not one of the projections this control knows");
        case kCoordinateSystemNotShown:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The coordinate system could not be shown: %1");
        case kZoneNumberNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Zone number must be numeric");
        case kZoneNumberOutOfRange:
            return QT_TRANSLATE_NOOP("korv::Errors", "Zone number is out of range");
        case kZoneNumberNotPositive:
            return QT_TRANSLATE_NOOP("korv::Errors", "Zone number must be positive");
        case kLongitudeOriginInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Longitude origin is invalid");
        case kLatitudeOriginInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Latitude origin is invalid");
        case kStandardParallel1Invalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Standard parallel 1 is invalid");
        case kStandardParallel2Invalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Standard parallel 2 is invalid");
        case kStandardParallelsNotDistinct:
            return QT_TRANSLATE_NOOP("korv::Errors", "The standard parallels must be distinct");
        case kFalseEastingNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "The false easting must be numeric");
        case kFalseNorthNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "The false north must be numeric");
        case kScaleFactorNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "The scale factor must be numeric");
        case kScaleFactorNotPositive:
            return QT_TRANSLATE_NOOP("korv::Errors", "The scale factor must be positive");
        case kZoneWidthInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The zone width is invalid");
        case kZoneMeridianInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The zone number and zone width put the central meridian of "
                                     "the zone outside -360 to 360 degrees");

        case kRotationNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Rotation angle must be numeric");
        case kGridXOriginNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Grid x origin must be numeric");
        case kGridYOriginNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Grid y origin must be numeric");
        case kNewXOriginNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "New x origin must be numeric");
        case kNewYOriginNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "New y origin must be numeric");
        case kXScaleNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Scale for current x axis must be numeric");
        case kXScaleZero:
            return QT_TRANSLATE_NOOP("korv::Errors", "Scale for current x axis must be non-zero");
        case kYScaleNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Scale for current y axis must be numeric");
        case kYScaleZero:
            return QT_TRANSLATE_NOOP("korv::Errors", "Scale for current y axis must be non-zero");
        case kElevationShiftNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Elevation shift must be numeric");
        case kElevationScaleNotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Elevation scale must be numeric");
        case kElevationScaleZero:
            return QT_TRANSLATE_NOOP("korv::Errors", "Elevation scale must be non-zero");
        case kOriginalX1NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Original X1 must be numeric");
        case kOriginalY1NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Original Y1 must be numeric");
        case kNewX1NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "New X1 must be numeric");
        case kNewY1NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "New Y1 must be numeric");
        case kOriginalX2NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Original X2 must be numeric");
        case kOriginalY2NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "Original Y2 must be numeric");
        case kNewX2NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "New X2 must be numeric");
        case kNewY2NotNumeric:
            return QT_TRANSLATE_NOOP("korv::Errors", "New Y2 must be numeric");
        case kOriginalPointsNotDistinct:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "First and second original points must be distinct");
        case kNewPointsNotDistinct:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "First and second new points must be distinct");
        case kPointsUnusable:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The specified points cannot be used to define a meaningful transform");
        case kTransformParametersOverflow:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "An error occurred while calculating the transform parameters: Overflow");
        case kTransformOverflow:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "An error orrurred while calculating the transform: Overflow");
        case kGridPointsIdentical:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The start and end grid coordinates cannot be identical");
        case kMapPointsIdentical:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The start and end map coordinates cannot be identical");
        case kCoordinateFileNotOpened:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The coordinate file \"%1\" could not be opened.");
        case kCoordinateFileNotRead:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The coordinate file \"%1\" could not be read.");
        case kCoordinateFileTooLarge:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The coordinate file \"%1\" holds a number too large to use.");
        case kCoordinateFileNotWritten:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The coordinate file \"%1\" could not be written; a file of that "
                "name that was there before is unchanged.");
        case kCoordinateValuesNotFinite:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The transform holds a value that is not a finite number and cannot be saved.");

        case kPanelLongitudeInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Longitude is invalid");
        case kPanelLatitudeInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Latitude is invalid");
        case kPanelEastingInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Easting is invalid");
        case kPanelNorthingInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Northing is invalid");
        case kPanelElevationInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "Elevation is invalid");
        case kMapSystemNotTaken:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The map coordinates have no coordinate system yet: \"Test Transform\" takes the "
                "source data's one for them only while a transform is named. Pick a transform, or "
                "\"None\" for no datum shift, and press \"Test Transform\" again.");
        case kSystemProjectionNotListed:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The coordinate system holds a projection that the list does not know");
        case kPointNotConvertedWithSource:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The point cannot be converted with the coordinate system of the source data");
        case kPointNotConvertedWithMap:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The point cannot be converted with the coordinate system of the map");
        case kPointNotMovedThroughShift:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The point cannot be moved through the datum shift \"%1\"");
        case kTransformNameMissing:
            return QT_TRANSLATE_NOOP("korv::Errors", "A name must be supplied for the transform");
        case kTransformNameHasComma:
            return QT_TRANSLATE_NOOP("korv::Errors", "A transform name cannot contain a comma");
        case kTransformNameTooLong:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The transform name is too long to be kept in the datum list");
        case kShiftDxInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The dx value is invalid");
        case kShiftDyInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The dy value is invalid");
        case kShiftDzInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The dz value is invalid");
        case kShiftRxInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The rx value is invalid");
        case kShiftRyInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The ry value is invalid");
        case kShiftRzInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The rz value is invalid");
        case kShiftScInvalid:
            return QT_TRANSLATE_NOOP("korv::Errors", "The SC value is invalid");
        case kEngineLibraryNotFound:
            return QT_TRANSLATE_NOOP("korv::Errors", "the library %1 cannot be found");
        case kEngineLibraryNotLoaded:
            return QT_TRANSLATE_NOOP("korv::Errors", "the library %1 cannot be loaded: %2");
        case kControlNotCreated:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The coordinate system control cannot be shown: %1");
        case kControlNotAvailable:
            return QT_TRANSLATE_NOOP(
                "korv::Errors",
                "The coordinate system cannot be read: the control %1 is not available.");
        case kControlEntriesRefused:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The coordinate system control refused its entries.");
        case kControlGaveNoDefinition:
            return QT_TRANSLATE_NOOP("korv::Errors",
                                     "The coordinate system control handed back no definition.");
        case kConversionStopped:
            return QT_TRANSLATE_NOOP("korv::Errors", "the conversion stopped: %1");
    }
    return "%1";
}

// `text` with %1 to %9 replaced by the values, all in one pass, so a value that holds "%2" stays
// as it is; a number without a value stays as written.
inline std::string fill_in(std::string_view text, const std::vector<std::string>& values) {
    std::string filled;
    filled.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const size_t index = static_cast<size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            filled += values[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

// The failure in words: `words(code)` gives the text of a code, in which the values and then the
// cause's own words are put.
template <typename Words>
std::string worded(const Error& error, const Words& words) {
    std::vector<std::string> values = error.values;
    for (const Error& cause : error.cause) {
        values.push_back(worded(cause, words));
    }
    return fill_in(words(error.code), values);
}

// The failure in English, as the command line tells it.
inline std::string english_message(const Error& error) {
    return worded(error, [](ErrorCode code) { return error_text(code); });
}

}  // namespace korv

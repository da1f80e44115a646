#pragma once
// Every kind of failure the system reports, by name. A failure carries its code and the values
// its message names (error.h); the words are kept apart (error_text.h), so the core never words
// a failure for the user: the widgets show a code's text in the user's language, the command line
// in English.

#include <cstdint>

namespace korv {

enum class ErrorCode : uint16_t {
    // Coordinate systems (geodesy/).
    kLocalGridNotConvertible,
    kSpheroidNotInTable,      // %1 the code
    kLongitudeOriginOutside,  // %1 the longitude of origin, degrees
    kZoneNotPositive,         // %1 the zone
    kZoneWidthOutside,        // %1 the zone width, degrees
    kZoneMeridianOutside,     // %1 the zone
    kLatitudeOriginOutside,   // %1 the latitude of origin, degrees
    kFalseOriginTooFar,
    kScaleFactorOutside,  // %1 the scale factor
    kStandardParallelOutside,
    kEquatorNotPlaced,
    kEngineRefusesDefinition,  // %1 the engine's definition
    kGeographicPointOutside,
    kPointNotProjectable,
    kGridPointNotFinite,
    kGridPointNotMapped,
    // Datum shifts (geodesy/).
    kShiftTranslationUnreal,
    kShiftRotationUnreal,
    kShiftScaleUnreal,
    kGeodeticPointOutside,
    kShiftCannotMovePoint,
    kWorkspaceNotDefined,  // a shift workspace not made by DEFINE_DATUM
    kOutOfMemory,

    // What the dialog keeps (definitions/, platform/).
    kNoStoredSourceSystem,
    kSystemListsWithoutBar,
    kProjectionNotListed,  // %1 the projection's number
    kSettingsNotWritable,  // %1 the settings file
    kSettingsDamaged,      // %1 the settings file
    kDatumListNotSaved,    // %1 the file, %2 the entry
    kDatumListUnreadable,  // %1 the file, %2 the entry
    kDatumListFull,        // %1 the most entries, %2 the entry

    // The EPSG catalogue (epsg/); %1 is the code written "EPSG:28355" where one is named.
    kEpsgDatabaseUnreadable,  // %1 the database file, %2 why
    kEpsgDatabaseMissing,
    kEpsgDatabaseQueryFailed,  // %1 the database's own words
    kEpsgSystemUnknown,
    kEpsgShiftUnknown,
    kEpsgProjectionNotDefined,  // %2 the projection's name
    kEpsgSpheroidNotListed,     // %1 the spheroid's name
    kEpsgUnitNotDefined,        // %2 the unit
    kEpsgAxesNotDefined,        // %2 the axes
    kEpsgParameterUnreadable,
    kEpsgParallelsTooClose,

    // Files (text_io/); %1 is the file, %2 the system's own words where there are some.
    kFileNotWritable,  // %2 why
    kFileReadOnly,
    kFileIsFolder,
    kFileLinksTooDeep,
    kNoNameBesideFile,
    kFileClosed,
    kFilePartlyWritten,
    kFileNotReplaced,  // %2 why
    kFileNotReadable,  // %2 why
    kFolderNotReadable,
    kInputNotReadable,           // %1 why
    kStandardOutputNotWritable,  // %1 why

    // The conversion engine (convert/).
    kSourceSpheroidNotInTable,  // %1 the code
    kMapSpheroidNotInTable,     // %1 the code
    kSourceSystemUnusable,      // %1 why
    kMapSystemUnusable,         // %1 why
    kSamePointKinds,
    kShiftUnusable,                     // %1 why
    kShiftNotPipeline,                  // %1 the engine's definition
    kConversionFailed,                  // %1 why
    kInputUnreadableDuringConversion,   // %1 why
    kOutputUnwritableDuringConversion,  // %1 why
    kOutputIsInput,                     // %1 the output, %2 the input
    kEngineCannotStart,
    kEngineCannotExpress,  // %1 the engine's definition, %2 the form
    kDatumShiftNotListed,  // %1 the datum list, %2 the name
    // Why a point of a file or of the test panel was refused.
    kLineFieldCount,
    kLineTooLong,
    kEastingNotNumber,
    kNorthingNotNumber,
    kLongitudeNotAngle,
    kLatitudeNotAngle,
    kHeightNotNumber,
    kLongitudeBeyondLimits,
    kLatitudeBeyondLimits,
    kPointOutsideSourceSystem,
    kPointOutsideMapSystem,
    kPointNotShifted,
    kPointOutsideSystemArea,
    kPointOutsideShiftArea,
    // The command line's own words about its options, in English only: %1.
    kCommandLineUsage,

    // The Projection control's entries (projection_control/).
    kProjectionNotKnown,        // %1 the projection's number
    kCoordinateSystemNotShown,  // %1 why
    kZoneNumberNotNumeric,
    kZoneNumberOutOfRange,
    kZoneNumberNotPositive,
    kLongitudeOriginInvalid,
    kLatitudeOriginInvalid,
    kStandardParallel1Invalid,
    kStandardParallel2Invalid,
    kStandardParallelsNotDistinct,
    kFalseEastingNotNumeric,
    kFalseNorthNotNumeric,
    kScaleFactorNotNumeric,
    kScaleFactorNotPositive,
    kZoneWidthInvalid,
    kZoneMeridianInvalid,

    // The PointTransform control's fields, arithmetic and coordinate files
    // (point_transform_control/).
    kRotationNotNumeric,
    kGridXOriginNotNumeric,
    kGridYOriginNotNumeric,
    kNewXOriginNotNumeric,
    kNewYOriginNotNumeric,
    kXScaleNotNumeric,
    kXScaleZero,
    kYScaleNotNumeric,
    kYScaleZero,
    kElevationShiftNotNumeric,
    kElevationScaleNotNumeric,
    kElevationScaleZero,
    kOriginalX1NotNumeric,
    kOriginalY1NotNumeric,
    kNewX1NotNumeric,
    kNewY1NotNumeric,
    kOriginalX2NotNumeric,
    kOriginalY2NotNumeric,
    kNewX2NotNumeric,
    kNewY2NotNumeric,
    kOriginalPointsNotDistinct,
    kNewPointsNotDistinct,
    kPointsUnusable,
    kTransformParametersOverflow,
    kTransformOverflow,
    kGridPointsIdentical,
    kMapPointsIdentical,
    kCoordinateFileNotOpened,   // %1 the file
    kCoordinateFileNotRead,     // %1 the file
    kCoordinateFileTooLarge,    // %1 the file
    kCoordinateFileNotWritten,  // %1 the file
    kCoordinateValuesNotFinite,

    // The dialog's own checks and bindings (program/).
    kPanelLongitudeInvalid,
    kPanelLatitudeInvalid,
    kPanelEastingInvalid,
    kPanelNorthingInvalid,
    kPanelElevationInvalid,
    kMapSystemNotTaken,
    kSystemProjectionNotListed,
    kPointNotConvertedWithSource,
    kPointNotConvertedWithMap,
    kPointNotMovedThroughShift,  // %1 the datum shift's name
    kTransformNameMissing,
    kTransformNameHasComma,
    kTransformNameTooLong,
    kShiftDxInvalid,
    kShiftDyInvalid,
    kShiftDzInvalid,
    kShiftRxInvalid,
    kShiftRyInvalid,
    kShiftRzInvalid,
    kShiftScInvalid,
    kEngineLibraryNotFound,   // %1 the library
    kEngineLibraryNotLoaded,  // %1 the library file, %2 why
    kControlNotCreated,       // %1 why, in the control factory's words
    kControlNotAvailable,     // %1 the control's class
    kControlEntriesRefused,   // the control has told the user why
    kControlGaveNoDefinition,
    kConversionStopped,  // %1 what stopped it
};

}  // namespace korv

#pragma once
// The plugin object of the library "QuarrowConvert": the conversion engine on files, for the
// dialog's "Convert File...".

#include <QObject>

#include "file_converter.h"

namespace korv::convert {

class FileConverterPlugin : public QObject, public FileConverter {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KORV_FILE_CONVERTER_IID)
    Q_INTERFACES(korv::convert::FileConverter)

public:
    Result<FileConversionReport> convert_file(const FileConversionJob& job,
                                              const FileConversionProgress& progress,
                                              const std::atomic<bool>& cancel) override;
};

}  // namespace korv::convert

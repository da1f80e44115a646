#pragma once
// A file of points converted from the test panel: the engine works on a thread of its own while
// a progress dialog shows how far it is and can cancel it, so the dialog stays responsive. At the
// end the user is told how many points were converted and why the first refused lines were
// refused; a cancelled conversion, or one that converts no point, writes nothing and leaves an
// earlier file of the output's name as it was.

#include <QObject>
#include <QPointer>
#include <atomic>
#include <optional>

#include "conversion_engine.h"

class QProgressDialog;
class QThread;

namespace korv {

class FileConversion : public QObject {
    Q_OBJECT

public:
    // Starts converting at once; the progress dialog belongs to `window` and keeps the user from
    // it meanwhile.
    FileConversion(convert::ConversionEngine& engine, convert::FileConversionJob job,
                   QWidget* window);
    // Stops a conversion still running and waits for it to end.
    ~FileConversion() override;

    // The text the user is told at the end of a conversion that was not cancelled.
    static QString summary(const convert::FileConversionReport& report, const QString& output);

signals:
    // The conversion has ended and the user has been told how; the object deletes itself later.
    void finished();

private:
    void show_progress(std::uint64_t points, double done);
    void finish();

    QString input_name_;
    QString output_;
    std::atomic<bool> cancel_{false};
    QPointer<QProgressDialog> progress_;
    QThread* thread_ = nullptr;
    // Written by the conversion's thread before it ends, read after.
    std::optional<Result<convert::FileConversionReport>> result_;
    bool ended_ = false;
};

}  // namespace korv

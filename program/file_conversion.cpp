#include "file_conversion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QWidget>

#include "error_message.h"
#include "message_box.h"

namespace korv {
namespace {

constexpr int kProgressSteps = 1000;
// A short conversion ends without a progress dialog flashing up.
constexpr int kProgressShownAfterMilliseconds = 500;
constexpr std::size_t kShownRefusals = 5;

// A count in groups of three digits ("15 000 000"), readable and the same in every locale.
QString grouped(std::uint64_t count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, QChar(0x00A0));  // a space that keeps the number on one line
    }
    return digits;
}

QString path_text(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

}  // namespace

FileConversion::FileConversion(convert::ConversionEngine& engine, convert::FileConversionJob job,
                               QWidget* window)
    : QObject(window),
      input_name_(QFileInfo(path_text(job.input)).fileName()),
      output_(path_text(job.output)) {
    progress_ = new QProgressDialog(window);
    progress_->setWindowTitle(tr("Convert File"));
    progress_->setLabelText(tr("Converting \"%1\"...").arg(input_name_));
    progress_->setCancelButtonText(tr("Cancel"));
    progress_->setRange(0, kProgressSteps);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    progress_->setMinimumDuration(kProgressShownAfterMilliseconds);
    progress_->setValue(0);
    connect(progress_, &QProgressDialog::canceled, this, [this] { cancel_ = true; });

    thread_ = QThread::create([this, &engine, job = std::move(job)] {
        // Progress goes to the user-interface thread as queued calls, dropped if this object
        // is gone by then.
        const convert::FileConversionProgress progress = [this](std::uint64_t points, double done) {
            QMetaObject::invokeMethod(
                this, [this, points, done] { show_progress(points, done); }, Qt::QueuedConnection);
        };
        try {
            result_ = engine.convert_file(job, progress, cancel_);
        } catch (const std::exception& exception) {
            result_ = Error{ErrorCode::kConversionStopped, {exception.what()}};
        }
    });
    thread_->setParent(this);
    connect(thread_, &QThread::finished, this, &FileConversion::finish);
    thread_->start();
}

FileConversion::~FileConversion() {
    cancel_ = true;
    thread_->wait();
    delete progress_;
}

void FileConversion::show_progress(std::uint64_t points, double done) {
    // A modal progress dialog handles events while it takes a value, so the end may already
    // have been handled within an earlier update.
    if (ended_ || progress_ == nullptr || cancel_) {
        return;
    }
    progress_->setLabelText(
        tr("Converting \"%1\"...\nPoints so far: %2").arg(input_name_, grouped(points)));
    if (done < 0) {
        progress_->setRange(0, 0);  // the input's size is unknown: a busy bar
    } else {
        progress_->setValue(static_cast<int>(done * kProgressSteps));
    }
}

void FileConversion::finish() {
    ended_ = true;
    if (progress_ != nullptr) {
        // Reset first: it stops the timer that would show the dialog later, while the user
        // reads the summary. Deleted later, as an update of it may be under way.
        progress_->reset();
        progress_->hide();
        progress_->deleteLater();
    }
    const Result<convert::FileConversionReport>& result = *result_;
    if (!result) {
        show_message(tr("The file could not be converted: %1").arg(error_message(result.error())));
    } else if (!result->cancelled) {
        show_message(summary(*result, output_));
    }
    emit finished();
    deleteLater();
}

QString FileConversion::summary(const convert::FileConversionReport& report,
                                const QString& output) {
    const std::uint64_t converted = report.points - report.refused;
    // With no point converted the output is not written: an earlier file is worth more.
    QString text = converted == 0 ? tr("Points converted: 0 of %1\nNothing was written to \"%2\"")
                                        .arg(grouped(report.points), output)
                                  : tr("Points converted: %1 of %2\nWritten to \"%3\"")
                                        .arg(grouped(converted), grouped(report.points), output);
    if (report.refused == 0) {
        return text;
    }
    text += "\n\n" + tr("Lines refused: %1").arg(grouped(report.refused));
    std::size_t shown = 0;
    for (const convert::RefusedLineReason& refused : report.first_refusals) {
        if (shown == kShownRefusals) {
            break;
        }
        ++shown;
        text +=
            "\n" + tr("line %1: %2")
                       .arg(QString::number(refused.line), error_message(Error{refused.reason}));
    }
    if (report.refused > shown) {
        text += "\n" + tr("and %1 more").arg(grouped(report.refused - shown));
    }
    return text;
}

}  // namespace korv

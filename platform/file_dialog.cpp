#include "file_dialog.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QTreeView>

namespace korv {
namespace {

FileDialogFunction& dialog_override() {
    static FileDialogFunction dialog;
    return dialog;
}

// Wide enough for the names, sizes and dates of the files listed, within the screen.
constexpr QSize kDialogSize(960, 600);
constexpr double kLargestShareOfScreen = 0.9;

// The list's columns wide enough for a file's size, type and date, the name taking the rest; a
// dialog of the desktop's own has no such list and sizes its columns itself.
void widen_columns(const QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (list == nullptr) {
        return;
    }
    constexpr int kMargin = 24;  // pixels around a column's text
    const QString widest[] = {
        QLocale::system().formattedDataSize(1023 * 1024 + 1000),
        QStringLiteral("plain text document"),
        QLocale::system().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59, 59)),
                                   QLocale::ShortFormat)};
    const QFontMetrics metrics(list->font());
    QHeaderView* header = list->header();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column <= 3; ++column) {
        header->resizeSection(column, metrics.horizontalAdvance(widest[column - 1]) + kMargin);
    }
}

std::optional<QString> run_file_dialog(const FileDialogRequest& request) {
    QFileDialog dialog(nullptr, request.title, QString(), request.filter);
    dialog.setViewMode(QFileDialog::Detail);
    const QScreen* screen = QGuiApplication::primaryScreen();
    dialog.resize(screen == nullptr
                      ? kDialogSize
                      : kDialogSize.boundedTo(screen->availableSize() * kLargestShareOfScreen));
    widen_columns(dialog);
    const bool saving = request.kind == FileDialogRequest::Kind::kSave;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.default_suffix);
    if (!request.file_name.isEmpty() && !request.file_name.contains('*')) {
        dialog.selectFile(request.file_name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace

FileDialogFunction set_file_dialog(FileDialogFunction dialog) {
    FileDialogFunction previous = std::move(dialog_override());
    dialog_override() = std::move(dialog);
    return previous;
}

std::optional<QString> choose_file(const FileDialogRequest& request) {
    std::optional<QString> chosen =
        dialog_override() ? dialog_override()(request) : run_file_dialog(request);
    if (chosen && chosen->isEmpty()) {
        return std::nullopt;
    }
    if (chosen && request.kind == FileDialogRequest::Kind::kSave &&
        !request.default_suffix.isEmpty() && QFileInfo(*chosen).suffix().isEmpty()) {
        *chosen += "." + request.default_suffix;
    }
    return chosen;
}

std::optional<QString> choose_file_to_open(const QString& title, const QString& pipe_filter,
                                           const QString& file_name) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::kOpen;
    request.title = title;
    request.filter = dialog_filter(pipe_filter);
    request.file_name = file_name;
    return choose_file(request);
}

std::optional<QString> choose_file_to_save(const QString& title, const QString& pipe_filter,
                                           const QString& file_name, const QString& extension) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::kSave;
    request.title = title;
    request.filter = dialog_filter(pipe_filter);
    request.file_name = file_name;
    request.default_suffix = extension;
    return choose_file(request);
}

QString dialog_filter(const QString& pipe_filter) {
    const QStringList parts = pipe_filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.contains('(')) {
            filters << description;
        } else {
            filters << description + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
        }
    }
    return filters.join(";;");
}

}  // namespace korv

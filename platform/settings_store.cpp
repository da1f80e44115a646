#include "settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "files.h"

namespace korv {
namespace {

QString& settings_folder_override() {
    static QString folder;
    return folder;
}

// The store holds a few short texts: a file larger than this is damaged, and reading it whole
// would take memory for nothing.
constexpr qint64 kLargestStoreFile = 1024 * 1024;

// The file that holds the store, where it is a file of its own (not on Windows).
QString store_file(const QString& maker, const QString& product) {
    const QString name = maker + "/" + (product.isEmpty() ? maker : product) + ".conf";
    const QString& folder = settings_folder_override();
    if (!folder.isEmpty()) {
        return QDir(folder).filePath(name);
    }
#ifdef Q_OS_WIN
    return {};
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(name);
#endif
}

// A damaged, oversized store is kept beside itself as "<file>.bak" and the store starts empty.
void set_aside_if_oversized(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).size() <= kLargestStoreFile) {
        return;
    }
    if (copy_file(path.toStdString(), (path + ".bak").toStdString())) {
        QFile::remove(path);
    }
}

std::unique_ptr<QSettings> open_store(const QString& application) {
    const QString maker = application.section('\\', 0, 0);
    const QString product = application.section('\\', 1);
    set_aside_if_oversized(store_file(maker, product));
    if (!settings_folder_override().isEmpty()) {
        return std::make_unique<QSettings>(store_file(maker, product), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, maker,
                                       product);
}

}  // namespace

void set_settings_folder(const QString& folder) {
    settings_folder_override() = folder;
}

SettingsStore::SettingsStore(const QString& application) : settings_(open_store(application)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::get(const QString& section, const QString& key,
                           const QString& fallback) const {
    const QVariant value = settings_->value(section + "/" + key);
    if (!value.isValid() || !value.canConvert<QString>()) {
        return fallback;
    }
    return value.toString();
}

void SettingsStore::set(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(section + "/" + key, value);
}

Status SettingsStore::commit() {
    settings_->sync();
    const std::string file = QDir::toNativeSeparators(settings_->fileName()).toStdString();
    switch (settings_->status()) {
        case QSettings::NoError:
            return kSuccess;
        case QSettings::AccessError:
            return Error{ErrorCode::kSettingsNotWritable, {file}};
        case QSettings::FormatError:
            return Error{ErrorCode::kSettingsDamaged, {file}};
    }
    return Error{ErrorCode::kSettingsNotWritable, {file}};
}

}  // namespace korv

#include "settings_store.h"

#include <QDir>
#include <QSettings>

namespace korv {
namespace {

QString& settings_folder_override() {
    static QString folder;
    return folder;
}

std::unique_ptr<QSettings> open_store(const QString& application) {
    const QString maker = application.section('\\', 0, 0);
    const QString product = application.section('\\', 1);
    const QString& folder = settings_folder_override();
    if (!folder.isEmpty()) {
        return std::make_unique<QSettings>(
            QDir(folder).filePath(maker + "/" + (product.isEmpty() ? maker : product) + ".conf"),
            QSettings::IniFormat);
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

QString SettingsStore::commit() {
    settings_->sync();
    switch (settings_->status()) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return QStringLiteral("the settings file %1 cannot be written")
                .arg(QDir::toNativeSeparators(settings_->fileName()));
        case QSettings::FormatError:
            return QStringLiteral("the settings file %1 is damaged")
                .arg(QDir::toNativeSeparators(settings_->fileName()));
    }
    return QStringLiteral("unknown error");
}

}  // namespace korv

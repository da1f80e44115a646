#pragma once
// The per-user settings store: text values addressed by application, section and key. The
// application name "Maker\Product" selects the store; on Windows it lives in the current user's
// part of the registry, elsewhere in a per-user file.

#include <QString>
#include <memory>

#include "platform_export.h"
#include "result.h"

class QSettings;

namespace korv {

class KORV_PLATFORM_EXPORT SettingsStore {
public:
    // `application` is "Maker\Product", for example "Halvern\Quarrtool". A store file larger
    // than any the system writes (1 MB) is damaged: it is kept as "<file>.bak" and the store
    // starts empty.
    explicit SettingsStore(const QString& application);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or `fallback` when the entry is missing or the store cannot be read.
    QString get(const QString& section, const QString& key, const QString& fallback) const;

    // Queues a value; `commit` writes everything queued at once.
    void set(const QString& section, const QString& key, const QString& value);

    // Writes the queued values to the store as one file replaced whole, so a failure leaves the
    // earlier values in place: kSettingsNotWritable or kSettingsDamaged, naming the file.
    Status commit();

private:
    std::unique_ptr<QSettings> settings_;
};

// Tests redirect the store into a folder of their own; an empty folder restores the user's store.
KORV_PLATFORM_EXPORT void set_settings_folder(const QString& folder);

}  // namespace korv

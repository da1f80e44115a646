#include "control_factory.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QWidget>

#include "control_plugin.h"
#include "program_folder.h"

namespace korv {
namespace {

// Why a control cannot be created, in the user's language: hosts show it.
QString text(const char* source) {
    return QCoreApplication::translate("korv::ControlFactory", source);
}

bool lists_class(const QPluginLoader& loader, const QString& class_name) {
    const QJsonObject metadata = loader.metaData();
    return metadata.value(QStringLiteral("IID")).toString() ==
               QStringLiteral(KORV_CONTROL_PLUGIN_IID) &&
           metadata.value(QStringLiteral("MetaData"))
               .toObject()
               .value(QStringLiteral("classes"))
               .toArray()
               .contains(class_name);
}

// The plugin of a library found by name alone: one the host links, and so has loaded already, or
// one the system finds. Its plugin object is asked for the class directly.
ControlPlugin* loaded_plugin(const QString& library_name, QString& reason) {
    QLibrary library;
    if (!load_library(library, library_name, reason)) {
        reason = text(QT_TRANSLATE_NOOP("korv::ControlFactory",
                                        "The control library %1 cannot be found"))
                     .arg(library_name);
        return nullptr;
    }
    using PluginInstance = QObject* (*)();
    const auto instance = reinterpret_cast<PluginInstance>(library.resolve("qt_plugin_instance"));
    auto* plugin = instance != nullptr ? qobject_cast<ControlPlugin*>(instance()) : nullptr;
    if (plugin == nullptr) {
        reason = text(QT_TRANSLATE_NOOP("korv::ControlFactory", "%1 is not a control library"))
                     .arg(library.fileName());
    }
    return plugin;
}

// The plugin of the library that lists `class_name`; null with the reason otherwise.
ControlPlugin* find_plugin(const QString& library_name, const QString& class_name,
                           QString& reason) {
    for (const QString& candidate : library_candidates(library_name)) {
        // The loader's library stays loaded for the process: its controls may live until it ends.
        QPluginLoader loader(candidate);
        if (loader.fileName().isEmpty() || loader.metaData().isEmpty()) {
            reason = text(QT_TRANSLATE_NOOP("korv::ControlFactory",
                                            "The control library %1 cannot be found"))
                         .arg(library_name);
            continue;
        }
        if (!lists_class(loader, class_name)) {
            reason = text(QT_TRANSLATE_NOOP("korv::ControlFactory", "%1 holds no control \"%2\""))
                         .arg(library_name, class_name);
            return nullptr;
        }
        if (auto* plugin = qobject_cast<ControlPlugin*>(loader.instance())) {
            return plugin;
        }
        reason = text(QT_TRANSLATE_NOOP("korv::ControlFactory",
                                        "The control library %1 cannot be loaded: %2"))
                     .arg(library_name, loader.errorString());
        return nullptr;
    }
    return loaded_plugin(library_name, reason);
}

}  // namespace

QWidget* create_control(const QString& class_name, QWidget* parent, QString* error) {
    QString reason;
    QWidget* control = nullptr;
    const QString library_name = class_name.section('.', 0, 0);
    if (library_name.isEmpty() || !class_name.contains('.')) {
        reason = text(QT_TRANSLATE_NOOP("korv::ControlFactory",
                                        "\"%1\" is not a class name of the form Library.Class"))
                     .arg(class_name);
    } else if (ControlPlugin* plugin = find_plugin(library_name, class_name, reason)) {
        control = plugin->create(class_name, parent);
        if (control == nullptr) {
            reason = text(QT_TRANSLATE_NOOP("korv::ControlFactory", "%1 could not create \"%2\""))
                         .arg(library_name, class_name);
        }
    }
    if (error != nullptr) {
        *error = reason;
    }
    return control;
}

}  // namespace korv

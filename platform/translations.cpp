#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSet>
#include <QTranslator>

#include "program_folder.h"

// The translations of an installed program, relative to its program folder and absolute.
#ifndef KORV_RELATIVE_TRANSLATION_FOLDER
#define KORV_RELATIVE_TRANSLATION_FOLDER "../share/quarrow/translations"
#endif
#ifndef KORV_INSTALLED_TRANSLATION_FOLDER
#define KORV_INSTALLED_TRANSLATION_FOLDER "/usr/share/quarrow/translations"
#endif

namespace korv {

QStringList translation_folders() {
    QStringList folders;
    const QDir program(program_folder());
    folders << program.filePath(QStringLiteral("translations"))
            << QDir::cleanPath(program.filePath(QStringLiteral(KORV_RELATIVE_TRANSLATION_FOLDER)))
            << QStringLiteral(KORV_INSTALLED_TRANSLATION_FOLDER)
            << QLibraryInfo::path(QLibraryInfo::TranslationsPath);  // Qt's own
    folders.removeDuplicates();
    return folders;
}

bool install_translation(const QString& name, const QLocale& locale) {
    static QSet<QString> installed;
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || installed.contains(name)) {
        return false;
    }
    // Looked for once: a language without a file is not searched for again at every message.
    installed.insert(name);
    // Owned by the application, so it lives as long as the texts it translates.
    auto* translator = new QTranslator(application);
    for (const QString& folder : translation_folders()) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

}  // namespace korv

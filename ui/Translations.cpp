#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace fw::ui {

namespace {

bool install(const QLocale &language, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(language, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

QString installTranslations(const QLocale &locale)
{
    // A C locale asks for no language, whatever else the environment says.
    if (locale.language() == QLocale::C)
        return {};
    // The languages in the player's order; the first one the game speaks wins,
    // and English, its own, ends the search before any later one.
    const QStringList languages = locale.uiLanguages();
    for (const QString &name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return {};
        if (install(language, QStringLiteral("figurewheel"), QStringLiteral(":/i18n"))) {
            // Qt's own texts (a text box's menu...), where Debian's package of
            // them is installed; the game's texts do without.
            install(language, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return QLocale::languageToCode(language.language());
        }
    }
    return {};
}

void removeTranslations()
{
    // The translators installTranslations made are the application's children.
    const auto translators = QCoreApplication::instance()->findChildren<QTranslator *>(
        QString(), Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace fw::ui

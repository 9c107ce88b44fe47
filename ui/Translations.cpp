#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
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

// The languages the game is translated into, by the names of their files
// under ":/i18n": "de", "pt_BR".
QStringList shippedLanguages()
{
    const QString prefix = QStringLiteral("figurewheel_"), suffix = QStringLiteral(".qm");
    QStringList names;
    const QStringList files
        = QDir(QStringLiteral(":/i18n")).entryList({prefix + QLatin1Char('*') + suffix});
    for (const QString &file : files)
        names << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    return names;
}

// The shipped language nearest to one the player asked for, or an empty
// string: the same language of the same region, else the language's own file
// (de for de_CH), else the language of another region (pt_BR for pt_PT). The
// script must match, so Traditional Chinese is not given Simplified.
QString nearestShipped(const QLocale &wanted, const QStringList &shipped)
{
    QString nearest;
    int closeness = 0;
    for (const QString &name : shipped) {
        const QLocale offered(name);
        if (offered.language() != wanted.language() || offered.script() != wanted.script())
            continue;
        const bool regional = name.contains(QLatin1Char('_'));
        const int score = !regional ? 2 : offered.territory() == wanted.territory() ? 3 : 1;
        if (score > closeness) {
            nearest = name;
            closeness = score;
        }
    }
    return nearest;
}

} // namespace

QLocale playerLocale()
{
    // language[_TERRITORY][.codeset][@modifier], or C / POSIX.
    static const QRegularExpression wellFormed(QStringLiteral(
        "^(C|POSIX|[a-z]{2,3}(_[A-Z]{2}|_[0-9]{3})?)(\\.[A-Za-z0-9_-]+)?(@[A-Za-z0-9_]+)?$"));
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return wellFormed.match(name).hasMatch() ? QLocale::system() : QLocale::c();
    }
    return QLocale::system();
}

QString installTranslations(const QLocale &locale)
{
    // A C locale asks for no language, whatever else the environment says.
    if (locale.language() == QLocale::C)
        return {};
    // The languages in the player's order; the first one the game speaks wins,
    // and English, its own, ends the search before any later one.
    const QStringList shipped = shippedLanguages();
    const QStringList languages = locale.uiLanguages();
    for (const QString &name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return {};
        const QString nearest = nearestShipped(language, shipped);
        if (!nearest.isEmpty()
            && install(QLocale(nearest), QStringLiteral("figurewheel"), QStringLiteral(":/i18n"))) {
            // Qt's own texts (a text box's menu...), where Debian's package of
            // them is installed; the game's texts do without.
            install(QLocale(nearest), QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return nearest;
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

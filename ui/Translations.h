#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// The game's texts are written in English; their translations travel inside
// the program as resources under ":/i18n".
namespace fw::ui {

// Every text the game shows or speaks, in the player's language:
// Texts::tr("Hint") is "Tipp" in German. All of them share the one
// translation context "Figurewheel", which the window tables name in
// QT_TRANSLATE_NOOP and lupdate reads here.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(Figurewheel)
};

// The player's locale as the environment names it: the system's, or the C
// locale where the name in force (LC_ALL, else LC_MESSAGES, else LANG) is
// malformed, as the C library would refuse it too ("de_DE.@", ":::").
QLocale playerLocale();

// Installs the game's translation, and Qt's own for what Qt draws itself,
// for the first of the locale's interface languages the game is translated
// into, or failing its region, speaks in another region (Swiss German gets
// German, Portuguese of Portugal Brazilian Portuguese). English, or no
// language at all (the C locale), installs nothing: the game then shows its
// texts as written. Returns the language installed, as its file names it
// ("de", "pt_BR"), or an empty string. Call it once the application exists.
QString installTranslations(const QLocale &locale);

// Removes what installTranslations installed, so the texts are English again.
void removeTranslations();

} // namespace fw::ui

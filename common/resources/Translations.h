#pragma once

#include <QLocale>
#include <QString>

// The program speaks the desktop's language where it has a translation and
// English otherwise. English needs nothing loaded: the texts in the code and
// the layouts are the English ones.
namespace Translations {

// The name of the pseudo-language for developers: accented, longer texts
// that show what was left untranslated and where a layout is too tight.
inline constexpr char kPseudoLanguage[] = "en_XA";

// Chooses from the user-interface languages, in order of the user's
// preference ("de-DE", "pt-BR", "en-US"; the desktop's from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG by default), and installs the program's
// translation and Qt's own for it. Replaces whatever an earlier call
// installed, so tests can switch.
void Install(const QStringList& uiLanguages = QLocale().uiLanguages());

// The language installed: a translation's name ("de", "pt_BR"), the
// pseudo-language, or empty for English.
QString Language();

// The languages the program ships, besides English.
QStringList Available();

// A text as the pseudo-language shows it.
QString Pseudo(const QString& english);

} // namespace Translations

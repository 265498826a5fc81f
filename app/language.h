#ifndef LANGUAGE_H
#define LANGUAGE_H

class QCoreApplication;

// Installs into app the program's translation for the language that LANG
// names (the variable the settings store reads for its language-qualified
// keys), and Qt's own for its standard buttons where the system has it.
// Without LANG, or for a language with no translation, the texts stay
// English. Widgets already shown follow through their LanguageChange event.
void installTranslations(QCoreApplication &app);

#endif

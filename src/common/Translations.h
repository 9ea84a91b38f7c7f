#pragma once

#include <QLocale>

#include <memory>

class QTranslator;

// The program in the user's language: while an object lives, the program's translation for
// the locale's language and Qt's own (the standard dialogs' buttons) are installed and every
// text of the string tables reads in that language; texts without a translation stay English.
// The locale is the system's, which on Linux comes from LANGUAGE, LC_ALL, LC_MESSAGES or LANG.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // True when the program has a translation for the locale's language.
    bool isTranslated() const { return m_ownLoaded; }

private:
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
    bool m_ownLoaded = false;
};

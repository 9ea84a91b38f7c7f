#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

// A text of the string tables that the user reads in their own language. It is the English
// source text until retranslateTexts() runs, at start-up once the translators are installed,
// and the translation (or, without one, the English text) from then on. Being a QString,
// it is used like any other text; nothing but retranslateTexts() changes it.
class TranslatableText : public QString
{
public:
    // context and source are the literal that QT_TRANSLATE_NOOP marks for lupdate.
    TranslatableText(const char *context, const char *source);
    TranslatableText(const TranslatableText &) = delete;
    TranslatableText &operator=(const TranslatableText &) = delete;

    const char *context() const { return m_context; }
    const char *source() const { return m_source; }

private:
    friend void retranslateTexts();
    void retranslate();

    const char *m_context;
    const char *m_source;
};

// A list of such texts, such as the entries of a drop-down list.
class TranslatableList : public QStringList
{
public:
    TranslatableList(const char *context, std::initializer_list<const char *> sources);
    TranslatableList(const TranslatableList &) = delete;
    TranslatableList &operator=(const TranslatableList &) = delete;

private:
    friend void retranslateTexts();
    void retranslate();

    const char *m_context;
    QList<const char *> m_sources;
};

// Sets every text and list to its translation under the translators installed now. Runs
// on the main thread before any window or worker starts.
void retranslateTexts();

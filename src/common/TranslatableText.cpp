#include "common/TranslatableText.h"

#include <QCoreApplication>

#include <vector>

namespace {

// Filled while the string tables are constructed, before main() runs, so it is made on
// first use rather than relying on the order in which files are initialised.
struct Registry
{
    std::vector<TranslatableText *> texts;
    std::vector<TranslatableList *> lists;
};

Registry &registry()
{
    static Registry all;
    return all;
}

} // namespace

TranslatableText::TranslatableText(const char *context, const char *source)
    : QString(QString::fromUtf8(source))
    , m_context(context)
    , m_source(source)
{
    registry().texts.push_back(this);
}

void TranslatableText::retranslate()
{
    QString::operator=(QCoreApplication::translate(m_context, m_source));
}

TranslatableList::TranslatableList(const char *context, std::initializer_list<const char *> sources)
    : m_context(context)
    , m_sources(sources)
{
    for (const char *source : sources)
        append(QString::fromUtf8(source));
    registry().lists.push_back(this);
}

void TranslatableList::retranslate()
{
    for (qsizetype i = 0; i < m_sources.size(); ++i)
        (*this)[i] = QCoreApplication::translate(m_context, m_sources[i]);
}

void retranslateTexts()
{
    for (TranslatableText *text : registry().texts)
        text->retranslate();
    for (TranslatableList *list : registry().lists)
        list->retranslate();
}

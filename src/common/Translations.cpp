#include "common/Translations.h"

#include "common/TranslatableText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Where the build puts the compiled translations, inside the program itself.
const QString kOwnTranslations = QStringLiteral(":/translations");

} // namespace

Translations::Translations(const QLocale &locale)
    : m_own(std::make_unique<QTranslator>())
    , m_qt(std::make_unique<QTranslator>())
{
    m_ownLoaded = m_own->load(locale, QStringLiteral("quiltera"), QStringLiteral("_"), kOwnTranslations);
    if (m_ownLoaded)
        QCoreApplication::installTranslator(m_own.get());
    if (m_qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qt.get());
    retranslateTexts();
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(m_own.get());
    QCoreApplication::removeTranslator(m_qt.get());
    retranslateTexts();
}

#include "prefs/PreferenceStore.h"

#include "common/BackupCopy.h"
#include "common/NativeFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QJsonValue>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace {

const QString kSettingsFolder = QStringLiteral("QuilteraSoftwareLLC");
const QString kSettingsFile = QStringLiteral("Quiltera.json");
const QString kLockSuffix = QStringLiteral(".lock");
constexpr int kLockWaitMilliseconds = 5000;
// Far beyond any settings this program writes.
constexpr qint64 kMaxFileBytes = qint64(16) << 20;

// Stored strings lose their surrounding blanks, as the registry values always did.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

// A JSON number counts as a stored 32-bit whole number only when it is one exactly.
std::optional<int> storedWholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number
        || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace

QString PrefValueName(int valueNumber)
{
    switch (valueNumber) {
    case kPrefAppDir: return QStringLiteral("app_dir");
    case kPrefLastFolder: return QStringLiteral("last_folder");
    case kPrefPageResolution: return QStringLiteral("page_resolution");
    case kPrefNumTiles: return QStringLiteral("prefs_numTiles");
    case kPrefEdgeAdjust: return QStringLiteral("prefs_edgeAdjust");
    case kPrefShowTiles: return QStringLiteral("prefs_showTiles");
    case kPrefHeightEqualsWidth: return QStringLiteral("prefs_heightEqualsWidth");
    case kPrefPaperRegLine: return QStringLiteral("paperRegLine");
    case kPrefMarginLocked: return QStringLiteral("cmbMarginLocked");
    case kPrefPdfAssemblyAids: return QStringLiteral("pdf_assemblyAids");
    case kPrefPdfGlueStripLength: return QStringLiteral("pdf_glueStripLength");
    case kPrefPdfPosterChosen: return QStringLiteral("pdf_posterChosen");
    case kPrefWholePicture: return QStringLiteral("fit_wholePicture");
    default: return QString();
    }
}

PreferenceStore::PreferenceStore()
    : m_filePath(defaultFilePath())
{
}

PreferenceStore::PreferenceStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString PreferenceStore::defaultFilePath()
{
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configHome).filePath(kSettingsFolder + u'/' + kSettingsFile);
}

QString PreferenceStore::GetPref(int valueNumber) const
{
    const QString name = PrefValueName(valueNumber);
    return name.isEmpty() ? QString() : ReadRegValue(name);
}

void PreferenceStore::SavePref(int valueNumber, const QString &text) const
{
    const QString name = PrefValueName(valueNumber);
    if (name.isEmpty() || valueNumber == kPrefAppDir)
        return;
    EnsurePrefKey();
    WriteRegValue(name, text);
}

bool PreferenceStore::KeyExists(Key key) const
{
    const QFileInfo file(m_filePath);
    if (key == Key::Parent)
        return file.absoluteDir().exists();
    return file.isFile() && file.isReadable();
}

bool PreferenceStore::CreateRegKey(Key key) const
{
    if (KeyExists(key))
        return true;
    if (key == Key::Parent)
        return QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    // Made under the lock, and only while still missing: another window may have just
    // written its first value.
    QLockFile lock(m_filePath + kLockSuffix);
    if (!lock.tryLock(kLockWaitMilliseconds))
        return false;
    QJsonObject object;
    const ReadState state = readObject(object);
    if (state == ReadState::Missing)
        return writeObject(object);
    // A path that exists but cannot be read is left alone: it may hold settings.
    return state != ReadState::Unreadable;
}

void PreferenceStore::EnsurePrefKey() const
{
    if (!KeyExists(Key::Parent))
        CreateRegKey(Key::Parent);
    if (!KeyExists(Key::Product))
        CreateRegKey(Key::Product);
}

QString PreferenceStore::ReadRegValue(const QString &valueName) const
{
    QJsonObject object;
    if (readObject(object) != ReadState::Read)
        return QString();
    const QJsonValue value = object.value(valueName);
    if (value.isString()) {
        const QString text = value.toString();
        const qsizetype nul = text.indexOf(QChar(u'\0'));
        return nul < 0 ? text : text.left(nul);
    }
    if (const std::optional<int> number = storedWholeNumber(value))
        return QString::number(*number);
    return QString();
}

bool PreferenceStore::WriteRegValue(const QString &valueName, const QString &text) const
{
    // Another window of the program may write the same file: the read, the change and the
    // rewrite happen under a lock, so neither window's last change is lost.
    QLockFile lock(m_filePath + kLockSuffix);
    if (!lock.tryLock(kLockWaitMilliseconds))
        return false;
    QJsonObject object;
    const ReadState state = readObject(object);
    // Never rewrite a file that exists but could not be opened: its values would be lost.
    if (state == ReadState::Unreadable)
        return false;
    // A file whose content does not parse is kept beside it before it is replaced.
    if (state == ReadState::Unparsable && !backUpBeside(m_filePath))
        return false;
    if (const std::optional<int> number = storedNumber(text))
        object.insert(valueName, *number);
    else
        object.insert(valueName, trimBlanks(text));
    return writeObject(object);
}

std::optional<int> PreferenceStore::storedNumber(const QString &text)
{
    bool ok = false;
    const int number = trimBlanks(text).toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

PreferenceStore::ReadState PreferenceStore::readObject(QJsonObject &object) const
{
    object = QJsonObject();
    const QFileInfo info(m_filePath);
    if (!info.exists() && !info.isSymLink())
        return ReadState::Missing;
    // Only a regular file of a sane size is read: a FIFO or a device there must not hang
    // the program or fill its memory.
    const std::optional<QByteArray> content = readRegularFile(m_filePath, kMaxFileBytes);
    if (!content)
        return ReadState::Unreadable;
    if (content->trimmed().isEmpty())
        return ReadState::Read;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return ReadState::Unparsable;
    object = document.object();
    return ReadState::Read;
}

bool PreferenceStore::writeObject(const QJsonObject &object) const
{
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

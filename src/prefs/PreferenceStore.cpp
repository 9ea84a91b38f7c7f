#include "prefs/PreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace {

const QString kSettingsFolder = QStringLiteral("QuilteraSoftwareLLC");
const QString kSettingsFile = QStringLiteral("Quiltera.json");

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
    case kPrefNumTiles: return QStringLiteral("prefs_numTiles");
    case kPrefEdgeAdjust: return QStringLiteral("prefs_edgeAdjust");
    case kPrefShowTiles: return QStringLiteral("prefs_showTiles");
    case kPrefHeightEqualsWidth: return QStringLiteral("prefs_heightEqualsWidth");
    case kPrefPaperRegLine: return QStringLiteral("paperRegLine");
    case kPrefMarginLocked: return QStringLiteral("cmbMarginLocked");
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
    // A path that exists but cannot be read is left alone: it may hold settings.
    if (QFileInfo::exists(m_filePath))
        return false;
    return writeObject(QJsonObject());
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
    QJsonObject object;
    // Never rewrite a file that exists but could not be read: its other values would be lost.
    if (readObject(object) == ReadState::Unreadable)
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
    QFile file(m_filePath);
    if (!file.exists())
        return ReadState::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadState::Unreadable;
    // Anything that is not a JSON object holds no usable value and may be replaced.
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (document.isObject())
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

#include "calibration/ProfileStore.h"

#include "common/BackupCopy.h"
#include "common/NativeFiles.h"
#include "prefs/PreferenceStore.h"
#include "resources/ProfileStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString kProfileFileName = QStringLiteral("printer_edge_config");
const QString kDataFolderName = QStringLiteral("quiltera");

// A tab would end the name and a line break the line, so neither may enter the file.
QString storableName(QString name)
{
    for (QChar &c : name) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return name;
}

// Far beyond 199 profiles with long names; anything larger is not a profile file.
constexpr qint64 kMaxFileBytes = qint64(64) << 20;

} // namespace

ProfileStore::ProfileStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString ProfileStore::GetProfileFilePath(const QString &appDir)
{
    QString folder = appDir;
    if (folder.isEmpty()) {
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        folder = QDir(dataHome).filePath(kDataFolderName);
    }
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + kProfileFileName;
}

QString ProfileStore::GetProfileFilePath(const PreferenceStore &prefs)
{
    return GetProfileFilePath(prefs.GetPref(kPrefAppDir));
}

int ProfileStore::ReadBorderPrefs()
{
    m_backupBeforeWrite = false;
    if (!QFileInfo::exists(m_filePath))
        return kNoFile;

    const std::optional<QByteArray> content = readRegularFile(m_filePath, kMaxFileBytes);
    if (!content) {
        m_backupBeforeWrite = true;
        return kReadFailed;
    }

    // Any line with content that the table does not take is kept in a backup before the
    // next rewrite drops it.
    QList<EdgeProfile> read;
    bool linesLeftOut = false;
    for (const QByteArray &bytes : splitProfileLines(*content)) {
        const QString text = decodeProfileLine(bytes);
        if (text.isEmpty())
            continue;
        if (read.size() >= kMaxProfiles) {
            linesLeftOut = true;
            break;
        }
        const ProfileLineParse line = ParseProfileLine(text);
        if (line.outcome == ProfileLineParse::Outcome::Failed) {
            m_backupBeforeWrite = true;
            return kReadFailed;
        }
        if (line.outcome == ProfileLineParse::Outcome::Parsed)
            read.append(line.profile);
        if (line.outcome != ProfileLineParse::Outcome::Parsed || line.textLeftOver)
            linesLeftOut = true;
    }
    if (read.isEmpty()) {
        // An empty file holds nothing worth a backup.
        m_backupBeforeWrite = !content->isEmpty();
        return kNoProfile;
    }
    m_backupBeforeWrite = linesLeftOut;
    m_profiles = read;
    return kReadOk;
}

bool ProfileStore::WriteBorderPrefs()
{
    // A table that was never loaded must not replace the profiles on disk.
    if (m_profiles.isEmpty())
        return false;
    if (m_backupBeforeWrite) {
        if (!backUpBeside(m_filePath))
            return false;
        m_backupBeforeWrite = false;
    }

    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const EdgeProfile &profile : m_profiles) {
        const QByteArray line = formatProfileLine(profile);
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

void ProfileStore::CreateDefaultProfiles()
{
    m_profiles = {
        {ProfileStrings::kDefaultProfileName, {0, 0, 0, 0}},
        {ProfileStrings::kKodakProfileName, {3, 4, 3, 2}},
        {ProfileStrings::kFujiProfileName, {2, 6, 3, 6}},
    };
}

int ProfileStore::initControls()
{
    const int result = ReadBorderPrefs();
    if (result < kReadOk)
        CreateDefaultProfiles();
    WriteBorderPrefs();
    return result;
}

QStringList ProfileStore::profileNames() const
{
    QStringList names;
    names.reserve(m_profiles.size());
    for (const EdgeProfile &profile : m_profiles)
        names.append(profile.name);
    return names;
}

bool ProfileStore::setTrimIndex(int row, int edge, int index)
{
    if (!isRow(row) || edge < 0 || edge > 3 || index < 0 || index > kMaxTrimIndex)
        return false;
    m_profiles[row].trimIndex[static_cast<std::size_t>(edge)] = index;
    return true;
}

bool ProfileStore::addProfile(const QString &name)
{
    if (m_profiles.size() >= kMaxProfiles)
        return false;
    m_profiles.append({storableName(name), {0, 0, 0, 0}});
    return true;
}

bool ProfileStore::renameProfile(int row, const QString &name)
{
    if (!isRow(row))
        return false;
    m_profiles[row].name = storableName(name);
    return true;
}

bool ProfileStore::deleteProfile(int row)
{
    if (!isRow(row) || m_profiles.size() <= 1)
        return false;
    m_profiles.removeAt(row);
    return true;
}

std::array<double, 4> ProfileStore::FillCurEdgeTrimInches(int activeRow) const
{
    std::array<double, 4> inches{};
    if (!isRow(activeRow))
        return inches;
    const EdgeProfile &profile = m_profiles.at(activeRow);
    for (std::size_t edge = 0; edge < inches.size(); ++edge)
        inches[edge] = profile.trimIndex[edge] / kTrimStepsPerInch;
    return inches;
}

double ProfileStore::GetCurEdgeTrimInches(int activeRow, int iEdge) const
{
    if (iEdge < 1 || iEdge > 4)
        return 0.0;
    return FillCurEdgeTrimInches(activeRow)[static_cast<std::size_t>(iEdge - 1)];
}

bool ProfileStore::IsInitialProfile(int activeRow) const
{
    if (m_profiles.size() > 3 || !isRow(activeRow))
        return false;
    const std::array<int, 4> &indexes = m_profiles.at(activeRow).trimIndex;
    return std::all_of(indexes.begin(), indexes.end(), [](int index) { return index == 0; });
}

int followSelectionByName(const QStringList &newNames, const QString &previousText, int previousRow)
{
    if (newNames.isEmpty())
        return -1;
    const qsizetype byName = newNames.lastIndexOf(previousText);
    if (byName >= 0)
        return static_cast<int>(byName);
    if (previousRow < 0 || previousRow >= newNames.size())
        return 0;
    return previousRow;
}

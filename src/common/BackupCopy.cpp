#include "common/BackupCopy.h"

#include "common/NativeFiles.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kBackupSuffix = QStringLiteral(".bak");
constexpr int kMaxBackups = 10000;

} // namespace

bool backUpBeside(const QString &path)
{
    if (!isRegularFile(path))
        return false;
    for (int number = 1; number <= kMaxBackups; ++number) {
        const QString backupPath = path + kBackupSuffix + QString::number(number);
        if (QFileInfo::exists(backupPath) || QFileInfo(backupPath).isSymLink())
            continue;
        return QFile::copy(path, backupPath);
    }
    return false;
}

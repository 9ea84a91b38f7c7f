#pragma once

#include "calibration/ProfileLine.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class PreferenceStore;

// The table of edge calibration profiles and its file "printer_edge_config": one line
// per profile, in table order, lines ended by CR LF.
//
// Lines may end in CR LF, CR or LF. Loading rewrites the file in its canonical form. When
// a load could not take every line the file holds (it failed, found no valid line, left
// out a line it could not use, or stopped at the profile limit with lines left), the file
// is first copied to a backup beside it under a name
// not used before ("printer_edge_config.bak1", ".bak2", ...); when no backup can be
// made the file is left untouched. The user's stored profiles are never lost that way.
class ProfileStore
{
public:
    // Results of ReadBorderPrefs.
    static constexpr int kReadOk = 1;
    static constexpr int kNoFile = 0;
    static constexpr int kNoProfile = -33;
    static constexpr int kReadFailed = -2;

    // A load takes at most this many profiles; adding beyond it is refused so that
    // every profile the user creates can be read back.
    static constexpr int kMaxProfiles = 199;

    explicit ProfileStore(QString filePath);

    // The file in the folder `appDir` (a separator is added when missing), or in the
    // per-user data folder $XDG_DATA_HOME/quiltera when `appDir` is empty.
    static QString GetProfileFilePath(const QString &appDir);
    // The same, with the folder the settings name as "app_dir".
    static QString GetProfileFilePath(const PreferenceStore &prefs);

    const QString &filePath() const { return m_filePath; }

    // Reads the file: kReadOk with the table replaced by what was read, kNoFile,
    // kNoProfile or kReadFailed with the table unchanged (and not to be used).
    int ReadBorderPrefs();
    // Replaces the file by the whole table, atomically. False when nothing was written.
    bool WriteBorderPrefs();
    // Replaces the table by the three built-in profiles; does not write.
    void CreateDefaultProfiles();
    // Loads the table for use: reads the file, takes the built-in profiles when that
    // gave none, and writes the file. Returns the result of the read.
    int initControls();

    const QList<EdgeProfile> &profiles() const { return m_profiles; }
    QStringList profileNames() const;

    // Edits of the table in memory; the caller writes the file afterwards. Each returns
    // false and changes nothing when its arguments are out of range. Names lose any tab
    // or line break, which the file cannot hold.
    bool setTrimIndex(int row, int edge, int index); // edge 0 top .. 3 left, index 0..16
    bool addProfile(const QString &name);             // indexes 0, 0, 0, 0, appended last
    bool renameProfile(int row, const QString &name);
    bool deleteProfile(int row);                      // the last profile is never deleted

    // Trims of the profile at activeRow in inches (index / 64), top, right, bottom,
    // left; all zero when no such row exists.
    std::array<double, 4> FillCurEdgeTrimInches(int activeRow) const;
    // One trim in inches, iEdge 1 top, 2 right, 3 bottom, 4 left; 0 for a row or edge
    // that does not exist.
    double GetCurEdgeTrimInches(int activeRow, int iEdge) const;
    // True while the profiles are still the untouched initial set: at most three, and
    // the active one has no trim at all.
    bool IsInitialProfile(int activeRow) const;

private:
    bool isRow(int row) const { return row >= 0 && row < m_profiles.size(); }

    QString m_filePath;
    QList<EdgeProfile> m_profiles;
    // Set by a read that left profiles of the file behind; cleared once a backup exists.
    bool m_backupBeforeWrite = false;
};

// The row a refilled profile list selects: the last row named like the text the list
// showed before; else the previous row while it still exists; else row 0. -1 when the
// list is empty.
int followSelectionByName(const QStringList &newNames, const QString &previousText, int previousRow);

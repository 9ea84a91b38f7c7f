#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// Value numbers of the stored settings; PrefValueName gives their stored names.
enum PrefValue : int {
    kPrefAppDir = 1,
    kPrefLastFolder = 2,
    kPrefNumTiles = 3,
    kPrefEdgeAdjust = 8,
    kPrefShowTiles = 9,
    kPrefHeightEqualsWidth = 10,
    kPrefPaperRegLine = 12,
    kPrefMarginLocked = 13,
    // The PDF poster's assembly aids, the program's own values beside the window's.
    kPrefPdfAssemblyAids = 20,
    kPrefPdfGlueStripLength = 21,
    // "1" when the save dialog last had the PDF poster chosen.
    kPrefPdfPosterChosen = 22,
    // "1" when the main window keeps the whole picture instead of filling the sheets.
    kPrefWholePicture = 23,
    // The resolution, in pixels per inch, a page of a PDF or SVG file is printed at.
    kPrefPageResolution = 24,
};

// The stored name of a value number, or the empty text for a number that names no value.
QString PrefValueName(int valueNumber);

// The main window's settings, kept as named values in one JSON file. The file plays the
// part of a settings key: its folder is the parent key, the JSON object in it the key
// itself. Whole numbers are stored as JSON numbers, every other text as a JSON string;
// a value of any other JSON type reads as missing.
//
// Nothing is cached: every read goes to the file, so a sudden end of the program loses
// nothing already saved. Every write changes one value: it reads the file, changes the
// value and replaces the file atomically, all under a lock file beside it, so that two
// windows of the program never undo each other's values. A file whose content does not
// parse is kept as a backup beside it ("Quiltera.json.bak1", ...) before it is replaced;
// one that cannot be opened, or is not a regular file, is never replaced. No failure is
// ever reported: a value that cannot be read is missing, one that cannot be written is not.
class PreferenceStore
{
public:
    // The per-user location: $XDG_CONFIG_HOME/QuilteraSoftwareLLC/Quiltera.json.
    PreferenceStore();
    explicit PreferenceStore(QString filePath);

    static QString defaultFilePath();
    const QString &filePath() const { return m_filePath; }

    // The value's text; empty when the file or value is missing, of another type, or
    // anything fails. Numbers come back as decimal text ("1", "-1").
    QString GetPref(int valueNumber) const;
    // Makes sure the file exists and writes the value. "app_dir" is only ever read, so
    // it and numbers that name no value are not written.
    void SavePref(int valueNumber, const QString &text) const;

    // The roles of the settings key, mapped onto the folder and the file.
    enum class Key { Parent, Product };
    // True when the key can be opened: the folder exists, or the file exists and can
    // be read.
    bool KeyExists(Key key) const;
    // Creates the key when it does not exist yet: the folder, or a file holding an
    // empty object. True when the key exists afterwards.
    bool CreateRegKey(Key key) const;
    // The value's text as GetPref describes it.
    QString ReadRegValue(const QString &valueName) const;
    // Stores whole-number text as a number and any other text, trimmed of blanks, as a
    // string; the rest of the file is kept. False when nothing was written.
    bool WriteRegValue(const QString &valueName, const QString &text) const;
    // Creates the folder and then the file where they are missing.
    void EnsurePrefKey() const;

    // The whole number a text stores as, or nothing when it is stored as a string.
    static std::optional<int> storedNumber(const QString &text);

private:
    enum class ReadState { Missing, Unreadable, Unparsable, Read };
    // The JSON object of the file; an empty object when the file is missing, is not a
    // regular file that can be read, or does not hold a JSON object.
    ReadState readObject(QJsonObject &object) const;
    bool writeObject(const QJsonObject &object) const;

    QString m_filePath;
};

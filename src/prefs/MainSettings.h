#pragma once

#include "layout/LayoutState.h"
#include "prefs/PreferenceStore.h"

#include <QString>

#include <map>

// The main window's stored settings, as the window's controls hold them.
struct MainSettings
{
    int tilesWideIndex = 1; // list indexes of the tile-count lists: 0 means 1 tile
    int tilesHighIndex = 1;
    int lockWh = 0;         // "height equals width", 0 or 1
    int showTiles = 1;      // "Show Tiles", 0 or 1
    int compensation = 0;   // "Adjust edges", 0 or 1
    int profileIndex = 0;   // position of the active edge calibration profile
    QString paperRegLine;   // the paper record, kept as read even when it does not parse
    int marginLocked = 0;   // margin lock, 0 or 1
    int wholePicture = 0;   // keep the whole picture instead of filling the sheets, 0 or 1
};

// The text each setting is stored as, by value number.
using StoredTexts = std::map<int, QString>;
StoredTexts storedTextsOf(const MainSettings &settings);
// The texts the store holds now for the values storedTextsOf names.
StoredTexts readStoredTexts(const PreferenceStore &store);

// Writes every setting, one value after the other: tile counts, paper record, edge
// adjustment with the active profile, "Show Tiles", "height equals width", margin lock.
void writeMainSettings(const PreferenceStore &store, const MainSettings &settings);
// Writes only the settings whose text differs from `known`, what this window last read
// or wrote, and records them there: another window's changes to the other values stay.
void writeMainSettings(const PreferenceStore &store, const MainSettings &settings, StoredTexts &known);

// Reads every setting back. A value that is missing, unreadable or out of range falls
// back on its default. profileCount is the number of edge calibration profiles and
// tileListCount the number of entries of each tile-count list.
MainSettings readMainSettings(const PreferenceStore &store, int profileCount, int tileListCount = kMaxTilesPerSide);

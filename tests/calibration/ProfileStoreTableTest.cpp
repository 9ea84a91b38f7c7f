#include "calibration/ProfileStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// A store loaded with the built-in profiles from a fresh folder.
struct LoadedStore
{
    LoadedStore()
        : store(dir.filePath("printer_edge_config"))
    {
        store.initControls();
    }
    TempDir dir;
    ProfileStore store;
};

} // namespace

TEST(ProfileStoreTable, TrimsAreSixtyFourthsOfAnInchInEdgeOrder)
{
    LoadedStore loaded;
    ProfileStore &store = loaded.store;
    ASSERT_TRUE(store.setTrimIndex(0, 0, 4));
    ASSERT_TRUE(store.setTrimIndex(0, 3, 16));
    const std::array<double, 4> inches = store.FillCurEdgeTrimInches(0);
    EXPECT_DOUBLE_EQ(inches[0], 0.0625);
    EXPECT_DOUBLE_EQ(inches[1], 0.0);
    EXPECT_DOUBLE_EQ(inches[3], 0.25);

    // Kodak: 3, 4, 3, 2 counted from 1 (top) to 4 (left).
    EXPECT_DOUBLE_EQ(store.GetCurEdgeTrimInches(1, 1), 3 / 64.0);
    EXPECT_DOUBLE_EQ(store.GetCurEdgeTrimInches(1, 2), 4 / 64.0);
    EXPECT_DOUBLE_EQ(store.GetCurEdgeTrimInches(1, 4), 2 / 64.0);

    // Rows and edges that do not exist trim nothing.
    EXPECT_DOUBLE_EQ(store.GetCurEdgeTrimInches(1, 0), 0.0);
    EXPECT_DOUBLE_EQ(store.GetCurEdgeTrimInches(1, 5), 0.0);
    EXPECT_DOUBLE_EQ(store.GetCurEdgeTrimInches(-1, 1), 0.0);
    EXPECT_EQ(store.FillCurEdgeTrimInches(3), (std::array<double, 4>{}));
}

TEST(ProfileStoreTable, InitialProfileOnlyWhileTheSetIsUntouched)
{
    LoadedStore loaded;
    ProfileStore &store = loaded.store;
    EXPECT_TRUE(store.IsInitialProfile(0));
    EXPECT_FALSE(store.IsInitialProfile(1));
    EXPECT_FALSE(store.IsInitialProfile(-1));
    ASSERT_TRUE(store.addProfile("fourth"));
    EXPECT_FALSE(store.IsInitialProfile(0));
    EXPECT_FALSE(store.IsInitialProfile(3));
}

TEST(ProfileStoreTable, EditsRefuseWhatTheFileCouldNotHold)
{
    LoadedStore loaded;
    ProfileStore &store = loaded.store;
    EXPECT_FALSE(store.setTrimIndex(0, 0, 17));
    EXPECT_FALSE(store.setTrimIndex(0, 0, -1));
    EXPECT_FALSE(store.setTrimIndex(0, 4, 1));
    EXPECT_FALSE(store.setTrimIndex(3, 0, 1));
    EXPECT_FALSE(store.renameProfile(3, "x"));
    EXPECT_EQ(store.profiles()[0].trimIndex, (std::array<int, 4>{0, 0, 0, 0}));

    ASSERT_TRUE(store.addProfile("tab\there\r\nand a break"));
    ASSERT_TRUE(store.renameProfile(0, "re\tnamed"));
    ASSERT_TRUE(store.WriteBorderPrefs());
    ProfileStore reread(store.filePath());
    EXPECT_EQ(reread.ReadBorderPrefs(), ProfileStore::kReadOk);
    EXPECT_EQ(reread.profileNames(),
              QStringList({"re named", "Kodak photo lab default", "Fuji photo lab default", "tab here  and a break"}));
}

TEST(ProfileStoreTable, EveryProfileAddedCanBeReadBack)
{
    LoadedStore loaded;
    ProfileStore &store = loaded.store;
    while (store.profiles().size() < ProfileStore::kMaxProfiles)
        ASSERT_TRUE(store.addProfile("p"));
    EXPECT_FALSE(store.addProfile("one too many"));
    ASSERT_TRUE(store.WriteBorderPrefs());
    ProfileStore reread(store.filePath());
    EXPECT_EQ(reread.initControls(), ProfileStore::kReadOk);
    EXPECT_EQ(reread.profiles(), store.profiles());
}

TEST(ProfileStoreTable, DeletingMovesLaterRowsUpAndKeepsTheLastProfile)
{
    LoadedStore loaded;
    ProfileStore &store = loaded.store;
    EXPECT_FALSE(store.deleteProfile(3));
    ASSERT_TRUE(store.deleteProfile(1));
    EXPECT_EQ(store.profileNames(), QStringList({"default", "Fuji photo lab default"}));
    ASSERT_TRUE(store.deleteProfile(0));
    EXPECT_FALSE(store.deleteProfile(0));
    EXPECT_EQ(store.profileNames(), QStringList({"Fuji photo lab default"}));
}

TEST(ProfileStoreTable, RefilledListFollowsTheNameThenThePosition)
{
    const QStringList names = {"default", "lab", "home", "lab"};
    // Two profiles of the same name: the later one stays selected.
    EXPECT_EQ(followSelectionByName(names, "lab", 1), 3);
    EXPECT_EQ(followSelectionByName(names, "home", 0), 2);
    // The name is gone: the position stays while it exists, else row 0.
    EXPECT_EQ(followSelectionByName(names, "deleted", 2), 2);
    EXPECT_EQ(followSelectionByName(names, "deleted", 4), 0);
    EXPECT_EQ(followSelectionByName(names, "deleted", -1), 0);
    EXPECT_EQ(followSelectionByName(names, "Lab", 1), 1);
    EXPECT_EQ(followSelectionByName({}, "lab", 0), -1);
}

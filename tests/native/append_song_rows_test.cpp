#include <gtest/gtest.h>

#include "playlist/fetch_playlist.h"
#include "playlist/memory_song_list.h"

namespace {

SongRows ThreeRows() {
  return {{"1", "A - B", "U1"}, {"2", "C - D", "U2"}, {"3", "E - F", "U3"}};
}

TEST(AppendSongRowsTest, FillsEveryCellOfEveryRow) {
  MemorySongList list;
  AppendSongRows(list, ThreeRows());
  ASSERT_EQ(list.rows().size(), 3u);
  EXPECT_EQ(list.rows()[1], (MemorySongList::Row{"2", "C - D", "U2"}));
  EXPECT_EQ(list.rows()[2], (MemorySongList::Row{"3", "E - F", "U3"}));
}

TEST(AppendSongRowsTest, StopsAtTheFirstRowTheListCannotTake) {
  MemorySongList list(2);
  AppendSongRows(list, ThreeRows());
  ASSERT_EQ(list.rows().size(), 2u);
  EXPECT_EQ(list.rows()[1], (MemorySongList::Row{"2", "C - D", "U2"}));
}

// The cells go to the index the list returned, not to a counted position.
class ReversedList : public MemorySongList {
 public:
  int32_t AppendRow(const Text& number) override {
    int32_t index = MemorySongList::AppendRow(number);
    return index < 0 ? index : 0;
  }
};

TEST(AppendSongRowsTest, WritesCellsToTheIndexTheListReturned) {
  ReversedList list;
  AppendSongRows(list, ThreeRows());
  ASSERT_EQ(list.rows().size(), 3u);
  EXPECT_EQ(list.rows()[0], (MemorySongList::Row{"1", "E - F", "U3"}));
  EXPECT_EQ(list.rows()[2], (MemorySongList::Row{"3", "", ""}));
}

}  // namespace

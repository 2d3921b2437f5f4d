// The scenes in which the teachers hand things over and take them, played in their rooms from where the hero talks
// to them: their shots, what they change, the teacher starting (and ending) where the room draws him.
#include <gtest/gtest.h>
#include "cutscenes/frames.h"
#include "cutscenes/videos.h"

namespace {
using frames::Seen;

struct Handover {
  const char* name;
  void (*scene)();
  const char* room;
  int hx, hy;              // where the hero talks to the teacher
  float rate, min_length;  // the room's perspective
  int shots;
  int first_x, first_y;    // the teacher's first frame, as the room draws him
  int last_x, last_y;      // his last (-1: not checked)
  int person0_after;       // 1: back in the room's drawing, 0: gone
};

// Mr Rarozir's frames reach 40 px to the left of his place in the room.
const Handover kHandovers[] = {
    {"the access card", video_zirud_give_card, "future_physiktp", 440, 370, 500, 0.2f, 4, 461, 171, 461, 171, 1},
    {"the diamond", video_give_dia, "future_physiktp", 440, 370, 500, 0.2f, 9, 461, 171, 461, 171, 1},
    {"the lead taken to the bench", video_give_blei, "future_chimie", 430, 390, 400, 0.12f, 4, 440, 171, 231, -1, 0},
    {"the lead solution", video_get_blei, "future_chimie", 430, 390, 400, 0.12f, 4, 440, 171, 440, 171, 1},
    {"the glasses", video_get_glasses, "future_crossing", 420, 360, 250, -0.6f, 4, 422 - 40, 184, 422 - 40, -1, 1},
};

TEST(TeacherScenes, EachTeacherStartsAndEndsWhereTheRoomDrawsHimWithTheHeroOnHisSpot) {
  for (const Handover& h : kHandovers) {
    SCOPED_TRACE(h.name); frames::stand(h.room, h.hx, h.hy);
    const bool diamond = h.scene == video_give_dia;
    if (diamond) furni_present[1] = 0;  // the machine waits for its diamond
    const frames::Recording r = frames::record(h.scene);
    frames::expect_over(r, h.shots, h.hx, h.hy);
    EXPECT_FALSE(!r.screens().empty() || r.ever([](const Seen& f) { return f.persons[0] == 1; })) << "overlay only";
    EXPECT_EQ(person_present[0], h.person0_after);
    if (diamond) EXPECT_EQ(furni_present[1], 1) << "set into the machine, piece 1";
    const Seen *first = nullptr, *last = nullptr;
    for (const Seen& f : r.frames)
      if (f.overlay_x >= 0) first = first ? first : &f, last = &f;
    ASSERT_TRUE(first && last);
    EXPECT_TRUE(first->overlay_x == h.first_x && first->overlay_y == h.first_y) << "first frame";
    EXPECT_TRUE(last->last_x == h.last_x && (h.last_y < 0 || last->last_y == h.last_y)) << "last frame";
    frames::expect_hero_drawn_at(r, frames::hero_picture_at(h.hx, h.hy, h.rate, h.min_length));
  }
}

// A teacher's frames are his room picture, 40 px wider for the hand he reaches out (Dori's 24 px taller for the
// telescope's feet), so nothing jumps.
TEST(TeacherScenes, EveryTeacherFrameIsTheSizeOfHisPictureInTheRoom) {
  struct Case { const char *room, *file; int first, count, wider, taller; };  // his frames, how much bigger
  const Case cases[] = {
      {"future_physiktp", "frizzacc.dat", 0, 10, 40, 0}, {"future_physiktp", "frizzdia.dat", 0, 16, 40, 0},
      {"future_physik", "adytele.dat", 1, 4, 0, 24},     {"future_chimie", "gergetpb.dat", 0, 14, 40, 0},
      {"future_chimie", "gergivpb.dat", 0, 10, 40, 0},   {"future_crossing", "schbrell.dat", 0, 10, 40, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file); dialogue_support::stand_in_room(c.room);
    ASSERT_NE(person[0][0], nullptr);
    DATAFILE* df = load_datafile(c.file);
    ASSERT_NE(df, nullptr);
    for (int i = c.first; i < c.first + c.count; ++i) {
      const BITMAP* b = static_cast<BITMAP*>(df[i].dat);
      EXPECT_TRUE(b->w == person[0][0]->w + c.wider && b->h == person[0][0]->h + c.taller) << "entry " << i;
    }
    unload_datafile(df);
  }
}

TEST(TeacherScenes, EscapeShowsNothingMoreButTheRoomStillChangesAsInTheWholeScene) {
  const int esc = (KEY_ESC << 8) | 27;
  frames::stand("future_physiktp", 440, 370); furni_present[1] = 0;
  const int key_at = headless::now() + 300;
  headless::key_at(key_at, esc);
  const frames::Recording dia = frames::record(video_give_dia);
  EXPECT_TRUE(dia.status == -1 && dia.shots == 9 && dia.faults.empty()) << "every shot still makes its changes";
  EXPECT_FALSE(dia.ever([&](const Seen& f) { return f.at > key_at + 120; })) << "a frame shown after the key";
  EXPECT_TRUE(furni_present[1] == 1 && person_present[0] == 1);

  frames::stand("future_physik", 370, 390); headless::key_at(headless::now() + 300, esc);
  const frames::Recording telescope = frames::record(video_ady_teleskop);
  EXPECT_TRUE(telescope.shots == 8 && telescope.captions().empty()) << "no caption after the key";
  EXPECT_TRUE(person_present[0] == 0 && furni_present[2] == 0 && furni_present[3] == 1);
}
}  // namespace

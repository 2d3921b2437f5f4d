// The encounter scenes played in their rooms: the shots they play, the
// subtitle screens they show (exact texts, colours, on the screen), the
// persons they hide and give back, and the hero standing where he should
// afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "cutscenes/encounter_scenes_data.h"
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "rooms/registry.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/test_support.h"

namespace {

using namespace test_support;

// What one composed frame of a sequence showed.
struct Seen {
  int shot;  // 1 for the sequence's first shot
  std::string text[3];
  int text_x[3];
  int colour;
  int person0, person1;
  int bmp_x, bmp_y;
  int object_foreground;
  BITMAP* video_object;
  // the hero's first frame of the shot: its size and a sum of its pixels,
  // taken at the shot's first presented frame
  int hero_w = 0, hero_h = 0;
  long hero_sum = 0;
};

// A subtitle screen: its lines (empty ones left out) and their colour.
struct Screen {
  std::vector<std::string> lines;
  int colour;
  bool operator==(const Screen&) const = default;
};

struct Played {
  int shots = 0;
  std::vector<Seen> frames;

  // The subtitle screens in the order they appeared.
  std::vector<Screen> screens() const {
    std::vector<Screen> out;
    for (const Seen& f : frames) {
      Screen s{{}, f.colour};
      for (const std::string& t : f.text)
        if (!t.empty()) s.lines.push_back(t);
      if (s.lines.empty()) continue;
      if (out.empty() || !(out.back() == s)) out.push_back(s);
    }
    return out;
  }
  // The shots in which `line` was on the screen.
  std::vector<int> shots_showing(const std::string& line) const {
    std::vector<int> out;
    for (const Seen& f : frames)
      if (f.text[0] == line && (out.empty() || out.back() != f.shot)) out.push_back(f.shot);
    return out;
  }
};

// Plays `sequence`, noting every presented frame while it runs.
Played play(void (*sequence)()) {
  Played p;
  const int before = shots_played();
  headless::on_present([&] {
    if (video_active != 1) return;
    Seen s;
    s.shot = shots_played() - before;
    for (int i = 0; i < 3; ++i) {
      s.text[i] = video_text[i] ? video_text[i] : "";
      s.text_x[i] = video_text_x[i];
    }
    s.colour = video_text_color;
    s.person0 = person_present[0];
    s.person1 = person_present[1];
    s.bmp_x = bmp_x;
    s.bmp_y = bmp_y;
    s.object_foreground = object_foreground;
    s.video_object = video_object;
    if (video_move[0] && (p.frames.empty() || p.frames.back().shot != s.shot)) {
      s.hero_w = video_move[0]->w;
      s.hero_h = video_move[0]->h;
      for (int y = 0; y < s.hero_h; ++y)
        for (int x = 0; x < s.hero_w; ++x) s.hero_sum += getpixel(video_move[0], x, y) * (1 + x % 7 + y % 5);
    }
    p.frames.push_back(s);
  });
  sequence();
  headless::on_present(nullptr);
  p.shots = shots_played() - before;
  return p;
}

// Every subtitle line seen lies on the 640-px screen.
void expect_on_screen(const Played& p) {
  for (const Seen& f : p.frames)
    for (int i = 0; i < 3; ++i) {
      if (f.text[i].empty()) continue;
      EXPECT_GE(f.text_x[i], 0) << f.text[i];
      EXPECT_LE(f.text_x[i] + text_length(pv_font, f.text[i].c_str()), 640) << f.text[i];
    }
}

// After a sequence: nothing of it is left, the hero stands.
void expect_over() {
  EXPECT_EQ(video_active, 0);
  EXPECT_EQ(hero_foreground, 0);
  EXPECT_EQ(object_foreground, 0);
  for (int i = 0; i < 3; ++i) EXPECT_STREQ(video_text[i], "");
  EXPECT_EQ(let_video_text, 0);
  for (int a : hero_action) EXPECT_EQ(a, 0);
  EXPECT_TRUE(sequence_faults().empty()) << sequence_faults().front();
}

class EncounterScenes : public ::testing::Test {
 protected:
  void SetUp() override {
    sequence_faults().clear();
    const int before = shots_played();
    ASSERT_EQ(stand_in_main_loop(1), -2);
    new_game_shots = shots_played() - before;
    EXPECT_TRUE(sequence_faults().empty());
  }
  int new_game_shots = 0;
  void TearDown() override { headless::on_present(nullptr); }

  void enter(const char* room, int x, int y) {
    load_room_named(room);
    hero_x = x;
    hero_y = y;
  }
};

TEST_F(EncounterScenes, OpeningKnockOutInTheFirstCorridor) {
  enter("future_floor1", 298, 267);  // where a new game puts the hero
  const Played p = play(video_hero_beton_ko);
  EXPECT_EQ(p.shots, 11);
  std::vector<Screen> want = {
      {{TR("Hmmm... du bist ein schwacher Schueler. Das war", "Hmmm... you're a weak student. Again this was not good"),
        TR("wieder nicht genug. Ich hoffe diese 5,0 ist dir eine", "enough. I hope this 6- is a lesson to you."),
        TR("Lehre.", "")},
       128000},
      {{"Grrrrmbll !!!!"}, 16000},
      {{"Arggggghhh !!!"}, 128000},
  };
  std::erase(want[0].lines, std::string());  // the English verdict has two lines
  EXPECT_EQ(p.screens(), want);
  expect_on_screen(p);
  // Mr Betong is the sequence's own while it plays, and lies in the corridor after.
  for (const Seen& f : p.frames) EXPECT_EQ(f.person0, 0);
  EXPECT_EQ(person_present[0], 1);
  EXPECT_EQ(hero_x, 298);
  EXPECT_EQ(hero_y, 267);
  expect_over();
}

TEST_F(EncounterScenes, ANewGameOpensWithTheKnockOut) {
  // SetUp played a new game into its main loop.
  EXPECT_EQ(new_game_shots, 11);
  EXPECT_STREQ(room_name, "future_floor1");
  EXPECT_EQ(person_present[0], 1);
  EXPECT_EQ(video_active, 0);
}

TEST_F(EncounterScenes, MrsSandScoldsAtTheGasBottle) {
  enter("future_biolog", 165, 335);  // at the gas bottle
  const Played p = play(video_sand_mecker);
  EXPECT_EQ(p.shots, 4);
  std::vector<std::string> lines = {TR("He, was wird das denn wenns fertig ist ?", "Hey, what are you doing there. Leave that gas"),
                                    TR("Lass die Gasflasche stehen. Die wird hier", " bottle alone, we still need it here."),
                                    TR("noch gebraucht.", "")};
  std::erase(lines, std::string());
  EXPECT_EQ(p.screens(), (std::vector<Screen>{{lines, 128000}}));
  expect_on_screen(p);
  ASSERT_FALSE(p.frames.empty());
  for (const Seen& f : p.frames) {
    EXPECT_EQ(f.person0, 0);
    // her desk, object 1 of the room's datafile, in front of her
    EXPECT_EQ(f.object_foreground, 1);
    EXPECT_EQ(f.video_object, static_cast<BITMAP*>(room_dat[1].dat));
  }
  EXPECT_EQ(person_present[0], 1);
  EXPECT_EQ(furni_present[1], 1);  // the bottle stays
  EXPECT_EQ(hero_x, 165);
  EXPECT_EQ(hero_y, 335);
  expect_over();
}

TEST_F(EncounterScenes, MrsSandDrinksAndFallsAsleep) {
  enter("future_biolog", 500, 340);  // where the hero gives her things
  const Played awake = play(video_sand_sleep);
  EXPECT_EQ(awake.shots, 5);
  EXPECT_TRUE(awake.screens().empty());
  for (const Seen& f : awake.frames) EXPECT_EQ(f.person0, 0);
  EXPECT_EQ(person_present[0], 0);
  EXPECT_EQ(person_present[1], 0);
  expect_over();

  const Played asleep = play(video_sand_sleep2);
  EXPECT_EQ(asleep.shots, 3);
  EXPECT_EQ(asleep.screens(), (std::vector<Screen>{{{"Uuuuuuuuaaah !!"}, 128000}}));
  expect_on_screen(asleep);
  for (const Seen& f : asleep.frames) {
    EXPECT_EQ(f.person0, 0);
    EXPECT_EQ(f.person1, 0);
    EXPECT_EQ(f.object_foreground, 1);
    EXPECT_EQ(f.video_object->w > 1, true);  // her desk in front of her
  }
  EXPECT_EQ(person_present[0], 0);
  EXPECT_EQ(person_present[1], 1);
  EXPECT_EQ(hero_x, 500);
  EXPECT_EQ(hero_y, 340);
  expect_over();
}

TEST_F(EncounterScenes, TheGuardStopsTheHeroAtTheTeachersDoors) {
  std::vector<std::string> lines = {TR("Sofort stehn bleiben !!! Nur Lehrern ist der", "Stop immediately ! Only teachers are allowed to"),
                                    TR("Zugang zu dieser Tuer gestattet!", "enter this room.")};
  // Exits 1 to 3 of future_floor2, where the hero reaches them.
  const int points[3][2] = {{390, 320}, {330, 320}, {500, 425}};
  for (int exit = 1; exit <= 3; ++exit) {
    enter("future_floor2", points[exit - 1][0], points[exit - 1][1]);
    change_room = exit;
    const Played p = play(story_exit);
    EXPECT_EQ(change_room, -1) << exit;
    EXPECT_EQ(p.shots, 2) << exit;
    EXPECT_EQ(p.screens(), (std::vector<Screen>{{lines, 128000}})) << exit;
    expect_on_screen(p);
    for (const Seen& f : p.frames) EXPECT_EQ(f.person0, 0);
    EXPECT_EQ(person_present[0], 1);
    EXPECT_EQ(hero_x, points[exit - 1][0]);
    EXPECT_EQ(hero_y, points[exit - 1][1]);
    expect_over();
  }
  // The way back to future_floor15 is no teachers' door.
  enter("future_floor2", 30, 425);
  change_room = 0;
  EXPECT_EQ(play(story_exit).shots, 0);
  EXPECT_EQ(change_room, 0);
}

TEST_F(EncounterScenes, TheGuardThrowsTheHeroOut) {
  enter("future_floor2", 410, 345);  // where the conversation with the guard leaves him
  const Played p = play(video_police_kungfu);
  EXPECT_EQ(p.shots, 44);
  EXPECT_EQ(p.screens(), (std::vector<Screen>{{{"Aiiiikkkaaaa !"}, 128000}}));
  // The battle cry stays up across shots, then goes.
  const std::vector<int> cry = p.shots_showing("Aiiiikkkaaaa !");
  ASSERT_GE(cry.size(), 2u);
  for (size_t i = 1; i < cry.size(); ++i) EXPECT_EQ(cry[i], cry[i - 1] + 1);
  EXPECT_LT(cry.back(), 44);
  expect_on_screen(p);
  for (const Seen& f : p.frames) EXPECT_EQ(f.person0, 0);
  // He leaves the screen on the left: in the last shots of his flight the
  // whole of his frame lies left of it.
  int off_screen = 0;
  for (const Seen& f : p.frames)
    if (f.hero_w > 0 && f.bmp_x + f.hero_w <= 0) ++off_screen;
  EXPECT_GE(off_screen, 1);
  EXPECT_EQ(person_present[0], 1);
  expect_over();
}

TEST_F(EncounterScenes, TheInsultEndsInFutureFloor15AndTheHeroGetsHisBreathBack) {
  enter("future_floor2", 410, 345);
  cons_policemad = 1;
  const int before = shots_played();
  cons_sent();
  EXPECT_EQ(shots_played() - before, 44);
  EXPECT_STREQ(room_name, "future_floor15");
  EXPECT_EQ(story_hero_uff, 2);
  EXPECT_TRUE(sequence_faults().empty());
}

TEST_F(EncounterScenes, TheHeroWalksFourteenStepsToTheLeftToGetHisBreathBack) {
  enter("future_floor15", 515, 415);  // where the guard's throw lands him
  const Played p = play(video_hero_uff);
  EXPECT_EQ(p.shots, 14);
  EXPECT_TRUE(p.screens().empty());
  // One frame a shot, each 8 px left of the one before, each a picture of
  // its own.
  std::vector<const Seen*> shots;
  for (const Seen& f : p.frames)
    if (static_cast<int>(shots.size()) < f.shot) shots.push_back(&f);
  ASSERT_EQ(shots.size(), 14u);
  for (size_t i = 0; i < shots.size(); ++i) {
    EXPECT_EQ(shots[i]->hero_w, hero_width);  // stretched to his size
    EXPECT_EQ(shots[i]->hero_h, hero_length);
    if (i == 0) continue;
    EXPECT_EQ(shots[i]->bmp_x, shots[i - 1]->bmp_x - 8);
    EXPECT_NE(shots[i]->hero_sum, shots[i - 1]->hero_sum) << "step " << i << " shows the picture of the step before";
  }
  EXPECT_EQ(hero_x, 515 - 14 * 8);
  EXPECT_EQ(hero_y, 415);
  expect_over();
}

// Where a scene hands a person back to the room, its last picture is the
// room's own picture at the room's own place, so nothing jumps.
TEST_F(EncounterScenes, ScenesEndWithThePersonsAsTheRoomsShowThem) {
  using namespace manifest;
  // The picture of frame 0 of (slot, state) of the current room, and where it stands.
  struct Placed {
    BITMAP* picture;
    int x, y;
  };
  auto room_frame = [](int slot, int state) {
    for (const PersonState& row : current_room()->persons)
      if (row.slot == slot && row.state == state)
        return Placed{static_cast<BITMAP*>(room_dat[row.frames[0].object].dat), row.frames[0].x, row.frames[0].y};
    ADD_FAILURE() << "no person " << slot << " in state " << state;
    return Placed{nullptr, 0, 0};
  };
  // The share of the room's picture that `entry` of `file`, drawn at (x, y), shows.
  auto share = [](const File& file, int entry, int x, int y, const Placed& room) {
    DATAFILE* dat = load_datafile(file.name);
    EXPECT_NE(dat, nullptr) << file.name;
    if (!dat || !room.picture) return 0.0;
    BITMAP* screen_copy = create_bitmap(640, 480);
    clear_to_color(screen_copy, bitmap_mask_color(screen_copy));
    draw_sprite(screen_copy, static_cast<BITMAP*>(dat[entry].dat), x, y);
    const double shown = shown_share(screen_copy, room.picture, room.x, room.y);
    destroy_bitmap(screen_copy);
    unload_datafile(dat);
    return shown;
  };

  load_room_named("future_floor1");
  EXPECT_GT(share(kBetodatzFile, at(Betodatz::betong_out), kBetodatzX, kBetodatzY, room_frame(0, 0)), 0.99);

  load_room_named("future_biolog");
  EXPECT_GT(share(kSandsle2File, at(Sandsle2::sand_asleep), kSandX, kSandY, room_frame(1, 0)), 0.99);
  const Placed desk{static_cast<BITMAP*>(room_dat[1].dat), 526, 290};  // her desk, object 1 at (526, 290)
  EXPECT_GT(share(kSandsleeFile, at(Sandslee::sand_desk), 526, 290, desk), 0.99);
  EXPECT_GT(share(kSandsle2File, at(Sandsle2::sand_desk2), 526, 290, desk), 0.99);
  // Her first reach starts from her standing picture (an arm moves).
  EXPECT_GT(share(kSandsleeFile, at(Sandslee::sand_reach), kSandX, kSandY, room_frame(0, 0)), 0.8);

  load_room_named("future_floor2");
  const Placed guard = room_frame(0, 0);
  const int gx = guard.x - kGuardLeft, gy = guard.y - kGuardTop;
  EXPECT_GT(share(kPolikfFile, at(Polikf::kf_angry), gx, gy, guard), 0.85);
  EXPECT_GT(share(kPoliexitFile, at(Poliexit::guard_raise), gx, gy, guard), 0.8);
}

}  // namespace

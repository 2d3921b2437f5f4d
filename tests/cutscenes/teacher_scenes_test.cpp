// The scenes in which the teachers hand things over and take them, played
// in their rooms with the game's data: the shots each one plays, the room's
// pieces and persons it changes, the subtitles and captions seen (exact texts
// of the build's language, on the screen), the teacher starting and ending
// where the room draws him, the hero on his spot throughout and standing
// afterwards, and no picture asked of a datafile that lacks it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cutscenes/player.h"
#include "cutscenes/teacher_scenes_data.h"
#include "cutscenes/videos.h"
#include "platform/headless.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {

// What a player saw while a scene ran.
struct Seen {
  int shots = 0;
  std::vector<std::vector<std::string>> subtitles;  // each new screen of lines
  std::vector<std::string> captions;                // each new caption text
  std::vector<std::string> off_screen;              // subtitle lines leaving the screen
  std::vector<int> hero_x, hero_y;                  // where his frames were drawn
  bool person0_shown_during = false;
  int first_x = -1, first_y = -1;                   // the first overlay frame's place
  int last_x = -1, last_y = -1;                     // the last one's
  int status = 0;
  std::vector<std::string> faults;
};

// The hero stands at (x, y) in `room` (the caller's walk target), then the
// scene plays.
Seen play(const char* room, int x, int y, void (*scene)(), const std::function<void()>& before = {}) {
  dialogue_support::stand_in_room(room);
  hero_x = x;
  hero_y = y;
  if (before) before();
  headless::set_time_limit(headless::now() + 600000);
  Seen seen;
  const int shots = shots_played();
  const size_t faults = sequence_faults().size();
  std::vector<std::string> last_lines;
  std::string last_caption;
  headless::on_present([&] {
    if (video_active != 1) return;
    if (person_present[0] == 1) seen.person0_shown_during = true;
    if (video_duration > 0 && video_bmp_nr > 0) {
      if (seen.first_x < 0) seen.first_x = video_x[0], seen.first_y = video_y[0];
      seen.last_x = video_x[video_bmp_nr - 1];
      seen.last_y = video_y[video_bmp_nr - 1];
    }
    seen.hero_x.push_back(bmp_x);
    seen.hero_y.push_back(bmp_y);
    std::vector<std::string> lines;
    for (int i = 0; i < kTextLines; ++i) {
      const std::string line = video_text[i] ? video_text[i] : "";
      if (line.empty()) continue;
      lines.push_back(line);
      const int w = text_length(pv_font, line.c_str());
      if (video_text_x[i] < 0 || video_text_x[i] + w > 640 || video_text_y[i] < 0 || video_text_y[i] + 20 > 480)
        seen.off_screen.push_back(line);
    }
    if (!lines.empty() && lines != last_lines) seen.subtitles.push_back(lines);
    last_lines = lines;
    const std::string caption = story_text ? story_text : "";
    if (!caption.empty() && caption != last_caption) seen.captions.push_back(caption);
    last_caption = caption;
  });
  seen.status = test_support::run_program(scene);
  headless::on_present(nullptr);
  seen.shots = shots_played() - shots;
  seen.faults.assign(sequence_faults().begin() + faults, sequence_faults().end());
  return seen;
}

// The hero's frames stayed where his standing picture is drawn: corner at
// x - width / 2, y - 170 x scale, with scale = y / increase_rate + min_hero_length.
void expect_hero_on_his_spot(const Seen& seen, int x, int y) {
  const float scale = y / increase_rate + min_hero_length;
  const int w = static_cast<int>(static_cast<double>(scale) * 125);
  const int bx = x - w / 2, by = static_cast<int>(y - scale * 170);
  ASSERT_FALSE(seen.hero_x.empty());
  for (size_t i = 0; i < seen.hero_x.size(); ++i) {
    ASSERT_EQ(seen.hero_x[i], bx) << "frame " << i;
    ASSERT_EQ(seen.hero_y[i], by) << "frame " << i;
  }
}

// After every scene: it returned, nothing is left of it, the hero stands.
void expect_over(const Seen& seen, int x, int y) {
  EXPECT_EQ(seen.status, -1);
  EXPECT_TRUE(seen.faults.empty()) << seen.faults.front();
  EXPECT_TRUE(seen.off_screen.empty()) << seen.off_screen.front();
  EXPECT_EQ(video_active, 0);
  EXPECT_EQ(hero_foreground, 0);
  EXPECT_EQ(video_bmp_nr, 0);
  EXPECT_STREQ(video_text[0], "");
  EXPECT_EQ(hero_x, x);
  EXPECT_EQ(hero_y, y);
  EXPECT_EQ(hero_action[0], kStepStand);
  EXPECT_EQ(video_dat, nullptr);
  EXPECT_EQ(video_move_dat, nullptr);
}

}  // namespace

TEST(TeacherScenes, MrZirudHandsTheCardOverAndIsBackAtHisMachine) {
  // The hero talks to him from (470, 365); the room draws him at (467, 155).
  const Seen seen = play("future_physiktp", 470, 365, video_zirud_give_card);
  expect_over(seen, 470, 365);
  EXPECT_EQ(seen.shots, 4);
  EXPECT_TRUE(seen.subtitles.empty());
  EXPECT_FALSE(seen.person0_shown_during) << "the overlay draws him";
  EXPECT_EQ(person_present[0], 1);
  EXPECT_EQ(seen.first_x, 467);
  EXPECT_EQ(seen.first_y, 155);
  EXPECT_EQ(seen.last_x, 467);
  EXPECT_EQ(seen.last_y, 155);
  expect_hero_on_his_spot(seen, 470, 365);
}

TEST(TeacherScenes, TheDiamondEndsUpInTheMachine) {
  const Seen seen = play("future_physiktp", 470, 365, video_give_dia, [] { furni_present[1] = 0; });
  expect_over(seen, 470, 365);
  EXPECT_EQ(seen.shots, 9);
  EXPECT_TRUE(seen.subtitles.empty());
  EXPECT_FALSE(seen.person0_shown_during);
  EXPECT_EQ(furni_present[1], 1) << "the diamond in the machine";
  EXPECT_EQ(person_present[0], 1);
  EXPECT_EQ(seen.first_x, 467);
  EXPECT_EQ(seen.last_x, 467);
  EXPECT_EQ(seen.last_y, 155);
  expect_hero_on_his_spot(seen, 470, 365);
}

TEST(TeacherScenes, DoriCarriesTheTelescopeOutWithHisThreeGroansAndTheTwoCaptions) {
  // The hero talks to Dori from (370, 390).
  const Seen seen = play("future_physik", 370, 390, video_ady_teleskop);
  expect_over(seen, 370, 390);
  EXPECT_EQ(seen.shots, 8);
  const std::vector<std::vector<std::string>> groans = {
      {"Hrrrrggh ! Hmpf !"},
      {TR("Pffffuh ! Ist das schwer !", "Pffffuh ! It's heavy !")},
      {"Urrrkss ! Hnnggh !"},
  };
  EXPECT_EQ(seen.subtitles, groans);
  EXPECT_EQ(seen.captions, (std::vector<std::string>{TR("Spaeter...", "Later..."),
                                                      TR("Viel, viel spaeter...", "Much, much later...")}));
  EXPECT_EQ(person_present[0], 0) << "Dori is gone to the physics lab";
  EXPECT_EQ(furni_present[3], 1) << "the guitar comes to light";
  EXPECT_EQ(furni_present[2], 0) << "he took the telescope along";
  EXPECT_EQ(seen.first_x, 395);
  EXPECT_EQ(seen.first_y, 151);
  expect_hero_on_his_spot(seen, 370, 390);
}

TEST(TeacherScenes, MrZirudSaysWhatIsStillMissingByWhetherTheDiamondIsIn) {
  const std::vector<std::string> without = {
      TR("Ok, das Teleskop koennen wir schon mal als Strahlenbuendler",
         "Ok we can use the telescope with the sun rays. That gives us"),
      TR("benutzen. Jetzt fehlt uns noch ein Diamant und du musst dich",
         "a high energy source. Now we still need a diamond and you have"),
      TR("gegen die radioaktive Strahlung schuetzen.", "to protect yourself against the radiation.")};
  std::vector<std::string> with = {TR("Ok, die Zeitmaschine ist jetzt fertig. Jetzt musst",
                                      "Ok, the time machine is finished now. Now you have to protect"),
                                   TR("du dich nur noch gegen die radioaktive Strahlung",
                                      "yourself against the radiation.")};
  if (std::string(TR("de", "en")) == "de") with.push_back("schuetzen.");
  for (int diamant : {0, 1}) {
    SCOPED_TRACE(diamant);
    // The hero arrives from the physics room at (320, 365).
    const Seen seen = play("future_physiktp", 320, 365, video_ady_teleskop2, [diamant] { story_diamant = diamant; });
    expect_over(seen, 320, 365);
    EXPECT_EQ(seen.shots, 2);
    EXPECT_EQ(seen.subtitles, (std::vector<std::vector<std::string>>{diamant ? with : without}));
    EXPECT_FALSE(seen.person0_shown_during);
    EXPECT_EQ(person_present[0], 1);
    EXPECT_EQ(seen.first_x, 467) << "he talks where the room draws him";
    EXPECT_EQ(seen.first_y, 155);
    EXPECT_EQ(video_text_color, 0);
  }
}

TEST(TeacherScenes, MrRururaTakesTheLeadOffToHisBench) {
  // The hero talks to him at his counter from (490, 330).
  const Seen seen = play("future_chimie", 490, 330, video_give_blei);
  expect_over(seen, 490, 330);
  EXPECT_EQ(seen.shots, 4);
  EXPECT_TRUE(seen.subtitles.empty());
  EXPECT_FALSE(seen.person0_shown_during);
  EXPECT_EQ(person_present[0], 0) << "he has left his counter";
  EXPECT_EQ(seen.first_x, 505);
  EXPECT_EQ(seen.first_y, 143);
  EXPECT_EQ(seen.last_x, 155) << "he walks off to his bench";
  expect_hero_on_his_spot(seen, 490, 330);
}

TEST(TeacherScenes, MrRururaHandsTheLeadSolutionOverAndIsBackAtHisCounter) {
  const Seen seen = play("future_chimie", 490, 330, video_get_blei);
  expect_over(seen, 490, 330);
  EXPECT_EQ(seen.shots, 4);
  EXPECT_TRUE(seen.subtitles.empty());
  EXPECT_FALSE(seen.person0_shown_during);
  EXPECT_EQ(person_present[0], 1);
  EXPECT_EQ(seen.first_x, 505);
  EXPECT_EQ(seen.last_x, 505);
  EXPECT_EQ(seen.last_y, 143);
  expect_hero_on_his_spot(seen, 490, 330);
}

TEST(TeacherScenes, MrRarozirHandsTheGlassesOverAndStepsBack) {
  // The hero talks to him from (420, 360); the room draws him at (422, 184),
  // his frames reach out 40 px to his left.
  const Seen seen = play("future_crossing", 420, 360, video_get_glasses);
  expect_over(seen, 420, 360);
  EXPECT_EQ(seen.shots, 4);
  EXPECT_TRUE(seen.subtitles.empty());
  EXPECT_FALSE(seen.person0_shown_during);
  EXPECT_EQ(person_present[0], 1);
  EXPECT_EQ(seen.first_x, 422 - 40);
  EXPECT_EQ(seen.first_y, 184);
  EXPECT_EQ(seen.last_x, 422 - 40);
  expect_hero_on_his_spot(seen, 420, 360);
}

TEST(TeacherScenes, EveryTeacherFrameIsTheSizeOfHisPictureInTheRoom) {
  struct Case {
    const char* room;
    const manifest::File* file;
    int first, count;  // the frames of the teacher in the file
    int wider, taller;  // beyond his picture of the room
  };
  const Case cases[] = {
      {"future_physiktp", &manifest::kFrizzaccFile, 0, 10, 40, 0},
      {"future_physiktp", &manifest::kFrizzdiaFile, 0, 16, 40, 0},
      {"future_physik", &manifest::kAdyteleFile, 1, 4, 0, 24},
      {"future_chimie", &manifest::kGergetpbFile, 0, 14, 40, 0},
      {"future_chimie", &manifest::kGergivpbFile, 0, 10, 40, 0},
      {"future_crossing", &manifest::kSchbrellFile, 0, 10, 40, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file->name);
    dialogue_support::stand_in_room(c.room);
    ASSERT_NE(person[0][0], nullptr);
    DATAFILE* df = load_datafile(c.file->name);
    ASSERT_NE(df, nullptr);
    int n = 0;
    while (df[n].type != DAT_END) ++n;
    EXPECT_EQ(n, c.file->entries);
    for (int i = c.first; i < c.first + c.count; ++i) {
      const BITMAP* b = static_cast<BITMAP*>(df[i].dat);
      EXPECT_EQ(b->w, person[0][0]->w + c.wider) << "entry " << i;
      EXPECT_EQ(b->h, person[0][0]->h + c.taller) << "entry " << i;
    }
    unload_datafile(df);
  }
}

TEST(TeacherScenes, EscapeSkipsTheRestButTheRoomStillChangesAsInTheWholeScene) {
  const int esc = (KEY_ESC << 8) | 27;
  const Seen whole = play("future_physiktp", 470, 365, video_give_dia, [] { furni_present[1] = 0; });
  const Seen skipped = play("future_physiktp", 470, 365, video_give_dia, [esc] {
    furni_present[1] = 0;
    headless::key_at(headless::now() + 300, esc);
  });
  expect_over(skipped, 470, 365);
  EXPECT_EQ(skipped.shots, 9) << "every shot still makes its changes";
  EXPECT_LT(skipped.hero_x.size(), whole.hero_x.size() / 2) << "but shows nothing after the key";
  EXPECT_EQ(furni_present[1], 1);
  EXPECT_EQ(person_present[0], 1);

  const Seen telescope = play("future_physik", 370, 390, video_ady_teleskop,
                              [esc] { headless::key_at(headless::now() + 300, esc); });
  expect_over(telescope, 370, 390);
  EXPECT_TRUE(telescope.captions.empty()) << "no caption after the key";
  EXPECT_EQ(person_present[0], 0);
  EXPECT_EQ(furni_present[2], 0);
  EXPECT_EQ(furni_present[3], 1);
}

// The scenes with words, played in their rooms: the exact subtitle screens and captions of the build's language,
// in the speaker's colour (the hero 16000, everyone and everything else 128000), and what else the scenes do.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "core/errand.h"
#include "core/tr.h"
#include "cutscenes/frames.h"
#include "cutscenes/videos.h"
#include "rooms/registry.h"

namespace {
using frames::Seen;
using frames::Screen;

constexpr int kHero = 16000, kOthers = 128000;

// The empty lines of a text that has fewer lines in this language left out.
std::vector<std::string> lines(std::vector<std::string> l) {
  std::erase(l, std::string());
  return l;
}

bool person0_shown(const Seen& f) { return f.persons[0] == 1; }
}  // namespace

TEST(SpokenScenes, TheShowerSpeaksItsEightScreensAndHidesPieceNineMeanwhile) {
  frames::stand("future_chimietp", 290, 255);  // at the shower
  const frames::Recording r = frames::record(video_douche);
  frames::expect_over(r, 49, 290, 255);
  EXPECT_TRUE(r.ever([](const Seen& f) { return f.furni[9] == 0; }) && furni_present[9] == 1);
  EXPECT_FALSE(r.ever([](const Seen& f) { return f.hero_frames > kVideoFrames; }));
  const std::vector<Screen> want = {
      {{TR("So, noch schnell die Brille aufsetzen.", "I need to wear the glasses first.")}, kHero},
      {{TR("Fertig. Dann wollen wir uns mal duschen.", "Done. Now let's have a shower.")}, kHero},
      {{"*pssscccchhhh*", TR("*plätscher*", "*plitsch platsch*")}, kOthers},
      {{"Dumm di dumm di di dumm", "Di di di dumm."}, kHero},
      {{TR("*blubber* *tssschhh*", "*blubb* *tssschhh*"), "*platsch*"}, kOthers},
      {{"Ammmmoooorreee", "miiiiooo..."}, kHero},
      {{"*ssccchhhhh* *platsch*", "*blubbelubb*"}, kOthers},
      {lines({TR("So und jetzt hinüber zu Herr Zirud", "Ok, now let's go to Mister Zirud"),
              TR("", "and his time machine.")}), kHero},
  };
  EXPECT_EQ(r.screens(), want);
}

TEST(SpokenScenes, DoriGroansThreeTimesUnderTheTelescopeBetweenTwoCaptions) {
  frames::stand("future_physik", 370, 390);  // where the hero talks to him
  const frames::Recording r = frames::record(video_ady_teleskop);
  frames::expect_over(r, 8, 370, 390);
  EXPECT_EQ(r.screens(), (std::vector<Screen>{{{"Hrrrrggh ! Hmpf !"}, kOthers},
                                              {{TR("Pffffuh ! Ist das schwer !", "Pffffuh ! It's heavy !")}, kOthers},
                                              {{"Urrrkss ! Hnnggh !"}, kOthers}}));
  EXPECT_EQ(r.captions(),
            (std::vector<std::string>{TR("Später...", "Later..."), TR("Viel, viel später...", "Much, much later...")}));
  // Dori is gone with the telescope (2), the guitar (3) comes to light.
  EXPECT_TRUE(person_present[0] == 0 && furni_present[2] == 0 && furni_present[3] == 1);
  ASSERT_FALSE(r.frames.empty());
  EXPECT_TRUE(r.frames[0].overlay_x == 395 && r.frames[0].overlay_y == 151) << "he starts where the room draws him";
  frames::expect_hero_drawn_at(r, frames::hero_picture_at(370, 390, 500, 0.325f));
}

TEST(SpokenScenes, MrZirudSaysWhatIsStillMissingByWhetherTheDiamondIsIn) {
  const std::vector<std::string> without = {
      TR("Ok, das Teleskop können wir schon mal als Strahlenbündler",
         "Ok we can use the telescope with the sun rays. That gives us"),
      TR("benutzen. Jetzt fehlt uns noch ein Diamant und du musst dich",
         "a high energy source. Now we still need a diamond and you have"),
      TR("gegen die radioaktive Strahlung schützen.", "to protect yourself against the radiation.")};
  const std::vector<std::string> with = lines({TR("Ok, die Zeitmaschine ist jetzt fertig. Jetzt musst",
                                                  "Ok, the time machine is finished now. Now you have to protect"),
                                               TR("du dich nur noch gegen die radioaktive Strahlung",
                                                  "yourself against the radiation."),
                                               TR("schützen.", "")});
  for (int diamond : {0, 1}) {
    SCOPED_TRACE(diamond);
    frames::stand("future_physiktp", 320, 365);  // arrived from the physics room
    story_diamant = diamond;
    const frames::Recording r = frames::record(video_ady_teleskop2);
    frames::expect_over(r, 2, 320, 365);
    EXPECT_EQ(r.screens(), (std::vector<Screen>{{diamond ? with : without, kOthers}}));
    EXPECT_TRUE(!r.ever(person0_shown) && person_present[0] == 1) << "the overlay draws him";
    EXPECT_TRUE(r.frames[0].overlay_x == 461 && r.frames[0].overlay_y == 171) << "he talks where the room draws him";
  }
}

TEST(SpokenScenes, TheOpeningKnockOutInTheFirstCorridor) {
  frames::stand("future_floor1", 298, 267);  // where a new game puts the hero
  const frames::Recording r = frames::record(video_hero_beton_ko);
  frames::expect_over(r, 11, 298, 267);
  const std::vector<Screen> want = {
      {lines({TR("Hmmm... du bist ein schwacher Schüler. Das war", "Hmmm... you're a weak student. Again this was not good"),
              TR("wieder nicht genug. Ich hoffe diese 5,0 ist dir eine", "enough. I hope this 6- is a lesson to you."),
              TR("Lehre.", "")}), kOthers},
      {{"Grrrrmbll !!!!"}, kHero},
      {{"Arggggghhh !!!"}, kOthers},
  };
  EXPECT_EQ(r.screens(), want);
  EXPECT_TRUE(!r.ever(person0_shown) && person_present[0] == 1) << "Mr Betong is the scene's, then the corridor's";
}

TEST(SpokenScenes, MrsSandScoldsAtTheGasBottleBehindHerDesk) {
  frames::stand("future_biolog", 165, 335);  // at the gas bottle
  const frames::Recording r = frames::record(video_sand_mecker);
  frames::expect_over(r, 4, 165, 335);
  const std::vector<Screen> want = {
      {lines({TR("He, was wird das denn wenns fertig ist ?", "Hey, what are you doing there. Leave that gas"),
              TR("Lass die Gasflasche stehen. Die wird hier", " bottle alone, we still need it here."),
              TR("noch gebraucht.", "")}), kOthers}};
  EXPECT_EQ(r.screens(), want);
  ASSERT_FALSE(r.frames.empty());
  for (const Seen& f : r.frames)
    EXPECT_TRUE(f.persons[0] == 0 && f.object_foreground == 1 && f.object == room_dat[1].dat) << "her desk in front";
  EXPECT_TRUE(person_present[0] == 1 && furni_present[1] == 1) << "she and the bottle stay";
}

// Doors 1 to 3 of future_floor2 are the teachers': the guard stops the hero there. Door 0 is free.
TEST(SpokenScenes, TheGuardStopsTheHeroAtTheTeachersDoors) {
  const Screen stop = {{TR("Sofort stehn bleiben !!! Nur Lehrern ist der", "Stop immediately ! Only teachers are allowed to"),
                        TR("Zugang zu dieser Tür gestattet!", "enter this room.")},
                       kOthers};
  const int points[4][2] = {{30, 425}, {390, 320}, {330, 320}, {500, 425}};
  for (int door = 0; door <= 3; ++door) {
    SCOPED_TRACE(door); frames::stand("future_floor2", points[door][0], points[door][1]);
    set_errand(ErrandKind::leave, door);
    const frames::Recording r = frames::record(story_exit);
    if (door == 0) { EXPECT_TRUE(r.shots == 0 && errand_target(ErrandKind::leave) == 0); continue; }
    frames::expect_over(r, 2, points[door][0], points[door][1]);
    EXPECT_EQ(r.screens(), std::vector<Screen>{stop});
    EXPECT_TRUE(!errand_pending() && !r.ever(person0_shown) && person_present[0] == 1);
  }
}

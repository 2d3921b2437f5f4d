// Room future_chimie: the chemistry room of the future school. A floor
// bounded by a back edge, a left wall and a front edge, an alcove at the back
// right by the door, and a counter at the right, in front of which Mr Rurura
// stands. On the back wall the three alarm levers with their lights; the
// showcase below them holds the diamond.

#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "hero/hero.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "rooms/room_script.h"
#include "rooms/rooms.h"
#include "rooms/scripts/shared_talk.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_crossing", 1, 430, 110, 490, 255, 470, 275, 520, 400},
};
// The diamond shows once the showcase is open; Mr Rurura stands at his
// counter until the lead is delivered, then at his lab bench (person 1).
constexpr int kFurniPresent[] = {1, 0, 1, 1, 1, 1, 1, 1, 1};
constexpr int kPersonPresent[] = {1, 0};

// The showcase, whole and broken open; the diamond inside.
constexpr auto kCase = FrameList<1>{}.add(5, 285, 250);
constexpr auto kCaseBroken = FrameList<1>{}.add(6, 285, 250);
constexpr auto kCaseOpen = FrameList<1>{}.add(136, 285, 250);  // open, its glass front swung away
constexpr auto kDiamond = FrameList<1>{}.add(7, 312, 300);
constexpr auto kTable = FrameList<1>{}.add(8, 170, 110);

// The alarm lights above the levers: blinking red while the alarm is on,
// steady green once it is off.
constexpr auto kLight1On = FrameList<2>{}.add(9, 335, 135, 4).add(10, 335, 135, 4);
constexpr auto kLight2On = FrameList<2>{}.add(11, 375, 135, 4).add(12, 375, 135, 4);
constexpr auto kLight3On = FrameList<2>{}.add(13, 415, 135, 4).add(14, 415, 135, 4);
constexpr auto kLight1Off = FrameList<1>{}.add(15, 335, 135);
constexpr auto kLight2Off = FrameList<1>{}.add(16, 375, 135);
constexpr auto kLight3Off = FrameList<1>{}.add(17, 415, 135);

// The three alarm levers: three positions each; each lever's mouse box is its
// whole picture (box and handle), 35 by 50 from (330, 170), (370, 170), (410, 170).
constexpr auto kLever1a = FrameList<1>{}.add(127, 330, 170);
constexpr auto kLever1b = FrameList<1>{}.add(128, 330, 169);
constexpr auto kLever1c = FrameList<1>{}.add(129, 330, 170);
constexpr auto kLever2a = FrameList<1>{}.add(130, 370, 170);
constexpr auto kLever2b = FrameList<1>{}.add(131, 370, 169);
constexpr auto kLever2c = FrameList<1>{}.add(132, 370, 170);
constexpr auto kLever3a = FrameList<1>{}.add(133, 410, 170);
constexpr auto kLever3b = FrameList<1>{}.add(134, 410, 169);
constexpr auto kLever3c = FrameList<1>{}.add(135, 410, 170);
#define LEVER_TEXT \
  { TR("Ein Hebel zum Einstellen der Alarmanlage.", "A lever adjusting the alarm device."), "", "" }
#define LIGHT_ON_TEXT                                                                   \
  {TR("Eine Alarmleuchte. Rot heißt wohl:", "An alarm light. Red probably means:"), \
   TR("Finger weg von der Vitrine.", "hands off the showcase."), ""}
#define LIGHT_OFF_TEXT \
  {TR("Grün. Die Alarmanlage schläft.", "Green. The alarm is asleep."), "", ""}

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "case00", .kind = PieceKind::showcase_jewel, .label = TR("Vitrine", "Showcase"),
     .text = {TR("Eine Vitrine mit Panzerglas. Da drin", "A showcase of armoured glass. There"),
              TR("funkelt etwas.", "is something sparkling inside."), ""},
     .interact = 1, .goto_x = 330, .goto_y = 370, .frames = kCase.view()},
    // Broken open with the screwdriver; still shut until it is opened.
    {.slot = 0, .state = 1, .name = "case00", .kind = PieceKind::showcase_broken, .label = TR("Vitrine", "Showcase"),
     .text = {TR("Die Vitrine. Das Schloss ist hinüber.", "The showcase. Its lock is done for."), "", ""},
     .interact = 1, .goto_x = 330, .goto_y = 370, .frames = kCaseBroken.view()},
    // Open: looked at by its cabinet, under the diamond's own box.
    {.slot = 0, .state = 2, .name = "case00_offen", .kind = PieceKind::showcase_open, .label = TR("Vitrine", "Showcase"),
     .text = {TR("Die Vitrine steht offen. Panzerglas nützt", "The showcase stands open. Armoured glass"),
              TR("nichts, wenn das Schloss nichts taugt.", "is no use with a lock like that."), ""},
     .interact = 1, .goto_x = 330, .goto_y = 370, .mouse_x = 285, .mouse_y = 326, .mouse_x2 = 395, .mouse_y2 = 370,
     .frames = kCaseOpen.view()},
    {.slot = 1, .state = 0, .name = "dia", .kind = PieceKind::diamond, .label = TR("Diamant", "Diamond"),
     .text = {TR("Ein Diamant. Der sieht nicht gerade", "A diamond. It does not look cheap"),
              TR("billig aus.", "at all."), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeLeft, .goto_x = 330, .goto_y = 370, .frames = kDiamond.view()},
    {.slot = 2, .state = 0, .name = "Elementetafel", .kind = PieceKind::periodic_table, .label = TR("Periodensystem", "Periodic table"),
     .text = {TR("Das Periodensystem. Blei hat die", "The periodic table. Lead is number"),
              TR("Nummer 82. Das kommt sicher im Test.", "82. That will be in the test for sure."), ""},
     .interact = 1, .goto_x = 300, .goto_y = 380, .frames = kTable.view()},
    {.slot = 3, .state = 0, .name = "licht1", .kind = PieceKind::alarm_light, .label = TR("Alarmlicht", "Alarm light"), .text = LIGHT_ON_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .frames = kLight1On.view()},
    {.slot = 3, .state = 1, .name = "licht1", .kind = PieceKind::alarm_light, .label = TR("Alarmlicht", "Alarm light"), .text = LIGHT_OFF_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .frames = kLight1Off.view()},
    {.slot = 4, .state = 0, .name = "licht2", .kind = PieceKind::alarm_light, .label = TR("Alarmlicht", "Alarm light"), .text = LIGHT_ON_TEXT, .interact = 1, .goto_x = 440, .goto_y = 280,
     .frames = kLight2On.view()},
    {.slot = 4, .state = 1, .name = "licht2", .kind = PieceKind::alarm_light, .label = TR("Alarmlicht", "Alarm light"), .text = LIGHT_OFF_TEXT, .interact = 1, .goto_x = 440, .goto_y = 280,
     .frames = kLight2Off.view()},
    {.slot = 5, .state = 0, .name = "licht3", .kind = PieceKind::alarm_light, .label = TR("Alarmlicht", "Alarm light"), .text = LIGHT_ON_TEXT, .interact = 1, .goto_x = 460, .goto_y = 280,
     .frames = kLight3On.view()},
    {.slot = 5, .state = 1, .name = "licht3", .kind = PieceKind::alarm_light, .label = TR("Alarmlicht", "Alarm light"), .text = LIGHT_OFF_TEXT, .interact = 1, .goto_x = 460, .goto_y = 280,
     .frames = kLight3Off.view()},
    {.slot = 6, .state = 0, .name = "schalter1a", .kind = PieceKind::switch_up, .label = TR("Hebel 1", "Lever 1"), .text = LEVER_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .mouse_x = 330, .mouse_y = 170, .mouse_x2 = 365, .mouse_y2 = 220, .frames = kLever1a.view()},
    {.slot = 6, .state = 1, .name = "schalter1b", .kind = PieceKind::switch_middle, .label = TR("Hebel 1", "Lever 1"), .text = LEVER_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .mouse_x = 330, .mouse_y = 170, .mouse_x2 = 365, .mouse_y2 = 220, .frames = kLever1b.view()},
    {.slot = 6, .state = 2, .name = "schalter1c", .kind = PieceKind::switch_down, .label = TR("Hebel 1", "Lever 1"), .text = LEVER_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .mouse_x = 330, .mouse_y = 170, .mouse_x2 = 365, .mouse_y2 = 220, .frames = kLever1c.view()},
    {.slot = 7, .state = 0, .name = "schalter2a", .kind = PieceKind::switch_up, .label = TR("Hebel 2", "Lever 2"), .text = LEVER_TEXT, .interact = 1, .goto_x = 440, .goto_y = 280,
     .mouse_x = 370, .mouse_y = 170, .mouse_x2 = 405, .mouse_y2 = 220, .frames = kLever2a.view()},
    {.slot = 7, .state = 1, .name = "schalter2b", .kind = PieceKind::switch_middle, .label = TR("Hebel 2", "Lever 2"), .text = LEVER_TEXT, .interact = 1, .goto_x = 440, .goto_y = 280,
     .mouse_x = 370, .mouse_y = 170, .mouse_x2 = 405, .mouse_y2 = 220, .frames = kLever2b.view()},
    {.slot = 7, .state = 2, .name = "schalter2c", .kind = PieceKind::switch_down, .label = TR("Hebel 2", "Lever 2"), .text = LEVER_TEXT, .interact = 1, .goto_x = 440, .goto_y = 280,
     .mouse_x = 370, .mouse_y = 170, .mouse_x2 = 405, .mouse_y2 = 220, .frames = kLever2c.view()},
    {.slot = 8, .state = 0, .name = "schalter3a", .kind = PieceKind::switch_up, .label = TR("Hebel 3", "Lever 3"), .text = LEVER_TEXT, .interact = 1, .goto_x = 460, .goto_y = 280,
     .mouse_x = 410, .mouse_y = 170, .mouse_x2 = 445, .mouse_y2 = 220, .frames = kLever3a.view()},
    {.slot = 8, .state = 1, .name = "schalter3b", .kind = PieceKind::switch_middle, .label = TR("Hebel 3", "Lever 3"), .text = LEVER_TEXT, .interact = 1, .goto_x = 460, .goto_y = 280,
     .mouse_x = 410, .mouse_y = 170, .mouse_x2 = 445, .mouse_y2 = 220, .frames = kLever3b.view()},
    {.slot = 8, .state = 2, .name = "schalter3c", .kind = PieceKind::switch_down, .label = TR("Hebel 3", "Lever 3"), .text = LEVER_TEXT, .interact = 1, .goto_x = 460, .goto_y = 280,
     .mouse_x = 410, .mouse_y = 170, .mouse_x2 = 445, .mouse_y2 = 220, .frames = kLever3c.view()},
};
#undef LEVER_TEXT
#undef LIGHT_ON_TEXT
#undef LIGHT_OFF_TEXT

// Mr Rurura at his counter (person 0), on the floor's front right corner in
// front of it, his feet at (499, 384): he stirs, looks up, stirs again;
// talking, turning to the hero and back. The hero talks to him from his left.
constexpr auto kCounterIdle =
    FrameList<10>{}.run(18, 23, 440, 171).run(22, 19, 440, 171).hold(0, 20).hold(5, 12).talk_at(0).talk_at(5);
constexpr auto kCounterTalk = FrameList<8>{}.run(28, 35, 440, 171);
constexpr auto kCounterTurn = FrameList<4>{}.run(36, 39, 440, 171);
constexpr auto kCounterBack = FrameList<4>{}.run(39, 36, 440, 171);
// Mr Rurura at his lab bench at the left (person 1), brewing the solution:
// on the floor at its left end, his feet at (292, 402); the hero talks to him
// from his right.
constexpr auto kBenchIdle =
    FrameList<10>{}.run(40, 45, 231, 177).run(44, 41, 231, 177).hold(0, 16).hold(5, 10).talk_at(0).talk_at(5);
constexpr auto kBenchTalk = FrameList<8>{}.run(46, 53, 231, 177);
constexpr auto kBenchTurn = FrameList<4>{}.run(54, 57, 231, 177);
constexpr auto kBenchBack = FrameList<4>{}.run(57, 54, 231, 177);

#define COUNTER_TEXT                                                                     \
  {TR("Herr Rurura, der Chemielehrer. Er riecht", "Mister Rurura, the chemistry teacher."), \
   TR("immer ein bisschen nach Schwefel.", "He always smells a bit of sulphur."), ""}
// He is found below the door's rectangle, which his head and shoulders stand
// in front of: the door keeps its clicks. The box's right and lower edges
// are those of his picture.
#define COUNTER_BOX .mouse_x = 446, .mouse_y = 256, .mouse_x2 = 560, .mouse_y2 = 390
#define BENCH_TEXT                                                                      \
  {TR("Herr Rurura an seinem Labortisch. Er", "Mister Rurura at his lab bench, brewing"), \
   TR("braut das Mittel gegen die Strahlung.", "the potion against the radiation."), ""}

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "Rurura", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = COUNTER_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 430, .goto_y = 390, COUNTER_BOX, .frames = kCounterIdle.view()},
    {.slot = 0, .state = 1, .name = "Rurura", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = COUNTER_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 430, .goto_y = 390, COUNTER_BOX, .frames = kCounterTalk.view()},
    {.slot = 0, .state = 2, .name = "Rurura", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = COUNTER_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 430, .goto_y = 390, COUNTER_BOX, .frames = kCounterTurn.view()},
    {.slot = 0, .state = 3, .name = "Rurura", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = COUNTER_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 430, .goto_y = 390, COUNTER_BOX, .frames = kCounterBack.view()},
    {.slot = 1, .state = 0, .name = "Rurura_bench", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = BENCH_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkLeft,
     .goto_x = 390, .goto_y = 400, .frames = kBenchIdle.view()},
    {.slot = 1, .state = 1, .name = "Rurura_bench", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = BENCH_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkLeft,
     .goto_x = 390, .goto_y = 400, .frames = kBenchTalk.view()},
    {.slot = 1, .state = 2, .name = "Rurura_bench", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = BENCH_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkLeft,
     .goto_x = 390, .goto_y = 400, .frames = kBenchTurn.view()},
    {.slot = 1, .state = 3, .name = "Rurura_bench", .kind = PersonKind::rurura, .label = TR("Herr Rurura", "Mr Rurura"), .text = BENCH_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkLeft,
     .goto_x = 390, .goto_y = 400, .frames = kBenchBack.view()},
};
#undef COUNTER_TEXT
#undef COUNTER_BOX
#undef BENCH_TEXT

// The walls as line tests: B the back edge (floor where B > 0), W the left
// wall (floor where W > 0), F the front edge (floor where F < 0), R the left
// side of the alcove at the back right (the alcove is where R > 0), S the
// back of that alcove (floor where S > 0). The counter is x 510 and beyond.
int back_b(int px, int py) { return 16 * px + 134 * py - 51430; }
int wall_w(int px, int py) { return 78 * px - 2 * py - 21000; }
int front_f(int px, int py) { return 60 * px + 376 * py - 177656; }
int alcove_r(int px, int py) { return 65 * px + py - 27100; }
int alcove_s(int px, int py) { return 9 * px + 116 * py - 35089; }
constexpr int kCounter = 510;

}  // namespace

void area_future_chimie(int& x, int& y) {
  if (back_b(x, y) <= 0 && wall_w(x, y) <= 0) {
    x = 285;
    y = 360;
  } else if (front_f(x, y) >= 0 && wall_w(x, y) <= 0) {
    x = 285;
    y = 420;
  } else if (wall_w(x, y) <= 0) {
    x = (2 * y + 21000) / 78;
  } else if (front_f(x, y) >= 0 && x >= kCounter) {
    x = 500;
    y = 380;
  } else if (front_f(x, y) >= 0) {
    y = (177656 - 60 * x) / 376;
  } else if (back_b(x, y) <= 0 && alcove_r(x, y) <= 0) {
    x = 420;
    y = 345;
  } else if (x >= kCounter && y <= 260) {
    x = 500;
    y = 270;
  } else if (x >= kCounter) {
    x = 500;
  } else if (alcove_s(x, y) <= 0) {
    y = (35089 - 9 * x) / 116;
  }
}

void allow_walk_future_chimie(int& x, int& y) {
  // Right of the left wall and either in the alcove or in front of its row.
  const bool open_side = wall_w(x, y) > 0 && (alcove_r(x, y) > 0 || y >= 336);
  if (front_f(x, y) >= 0) {
    walk_c1(x, y);
  } else if (wall_w(x, y) > 0 && back_b(x, y) <= 0 && x <= 390) {
    walk_c2(x, y);
  } else if (open_side && alcove_s(x, y) <= 0) {
    walk_c2(x, y);
  } else if (open_side && x >= kCounter) {
    walk_b2(x, y);
  } else if (open_side) {
    // on the floor: the step stands
  } else {
    walk_b1(x, y);
  }
}

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Conversation of future_chimie: Mister Rurura, the chemistry teacher, behind
// his counter (person 0) and, once the lead is delivered, at his lab bench
// brewing the solution against the radiation (person 1).
//
// Tree of person 0, at the counter (count after the overrides):
//   1        what is in the showcase (a diamond; alarm         1
//            with three levers)
//   2        what protects against radiation (a lead           1
//            solution; bring me lead; the old pipes were lead)
//   3        taking leave                                  15000  ends
//   4        is the lead solution ready (here it is;           1  ends in game_de only;
//            pour it into the shower tank in the lab)             withheld at the start
//                                                                 -> cons_gotblei
// Tree of person 1, at the lab bench:
//   1        how much longer (meanwhile get the            15000
//            chemist's glasses from Rarozir)
//   2        taking leave                                  15000  ends
// Person 0: top level 4, deepest level 1; person 1: top level 2, deepest 1.
// Sentence 4 is made present by the story once the glasses are in hand
// (which also takes sentence 2 away). Detected: choice 4 of person 0 raises
// cons_gotblei. In game_en sentence 4 does not end the conversation.

// Person 0: Mister Rurura (Rurura) at his counter.
// Person 1: Mister Rurura (Rurura_bench) at his lab bench.
constexpr TalkLine kFutureChimieTalk[] = {
    {0, talk_path("1"), {TR("Was ist in der Vitrine da ?", "What's in that showcase ?"), "", ""},
                        {TR("Ein Diamant, Junge. Und die Vitrine hängt an", "A diamond, boy. And the showcase is wired to"),
                         TR("der Alarmanlage da oben mit den drei Hebeln.", "the alarm up there with the three levers."),
                         TR("Also: Finger weg.", "So: hands off.")}},
    {0, talk_path("2"), {TR("Was hilft gegen radioaktive Strahlung ?", "What protects you against radiation ?"), "", ""},
                        {TR("Eine Bleilösung. Die könnte ich brauen, aber", "A lead solution. I could brew it, but I'm out"),
                         TR("mir fehlt das Blei. Bring mir welches. Früher", "of lead. Bring me some. In the old days even"),
                         TR("waren hier sogar die Rohre aus Blei...", "the pipes in here were made of lead...")}},
    {0, talk_path("3"), {TR("Bis später, Herr Rurura.", "See you later, Mister Rurura."), "", ""},
                        {TR("Und mach nichts kaputt auf dem Weg nach draußen.", "And don't break anything on your way out."), "", ""}},
    // Asking for the finished solution hands it over.
    {0, talk_path("4"), {TR("Ist die Bleilösung jetzt fertig ?", "Is the lead solution ready now ?"), "", ""},
                        {TR("Gerade fertig geworden. Hier, nimm. Kipp sie in", "Just finished. Here, take it. Pour it into"),
                         TR("den Tank der Notdusche im Labor und dusch dich", "the tank of the emergency shower in the lab"),
                         TR("damit. Und vergiss die Brille nicht !", "and shower with it. Don't forget the glasses !")}},

    {1, talk_path("1"), {TR("Wie lange dauert das noch ?", "How much longer will it take ?"), "", ""},
                        {TR("Gut Ding will Weile haben. Geh inzwischen zu", "Good things take time. Meanwhile go and ask"),
                         TR("Herrn Rarozir und hol dir die Chemikerbrille.", "Mister Rarozir for the chemist's glasses."), ""}},
    {1, talk_path("2"), {TR("Ich lass Sie dann mal brauen.", "I'll let you get on with your brewing."), "", ""},
                        {TR("Ja. Und schnupper nicht an den Kolben.", "Yes. And don't sniff the flasks."), "", ""}},
};

// Counts, endings and withheld sentences that differ from the derived ones.
constexpr TalkOverride kFutureChimieTalkOverrides[] = {
    {.person = 0, .path = talk_path("3"), .call_nr = 15000, .exit = 1},
    // Offered once the glasses are in hand; ends the conversation in game_de only.
    {.person = 0, .path = talk_path("4"), .exit = TR(1, 0), .withheld = 1},
    {.person = 1, .path = talk_path("1"), .call_nr = 15000},
    {.person = 1, .path = talk_path("2"), .call_nr = 15000, .exit = 1},
};

// Asking for the finished lead solution (4).
void detect_cons_future_chimie() {
  if (chosen(0, talk_path("4"))) cons_gotblei = 1;
}

void cons_future_chimie() {
  if (cons_gotblei != 1) return;
  video_get_blei();
  give_item("bleiloesung");
  story_gotblei = 1;
  cons_gotblei = 0;
}

// The lead goes to Mr Rurura at his counter; he sets to work at his lab bench
// (person 1) and tells the hero what to do meanwhile, in two speeches.
bool give_lead(int) {
  video_give_blei();
  take_carried_item();
  mov_person_nr[1] = 0;
  person_anim[1] = 0;
  person_present[1] = 1;
  old_person_anim[1] = -1;
  load_person_anim();
  talk_nr = 1;
  person_answer(TR("Das ist genau was ich brauche. Jetzt kann ich", "That's exactly what I need. Now I can make"),
                TR("das Anti-Strahlungsmittel herstellen.", "the remedy against the radiation."));
  talk_nr = 1;
  person_answer(TR("Geh du jetzt zu Herr Rarozir und frage ihn nach einer", "Now go to Mister Rarozir and ask him for"),
                TR("Chemiker Brille. Damit kannst du die Augen gegen giftige", "chemist's glasses. They protect your eyes"),
                TR("Substanzen schützen.", "against poisonous substances."));
  story_blei = 1;
  return true;
}

// The rules name him at his counter, where he takes the lead. At his lab bench
// (person 1, named apart for that) he has no rule: a gift gets no answer.
constexpr VerbRule kGiftRules[] = {
    {Verb::give, "Rurura", "Blei", give_lead},
    {Verb::give, "Rurura", nullptr, nullptr, {TR("Das hilft mir hier nicht weiter.", "That doesn't help me.")}},
};

}  // namespace

// ---- The story -------------------------------------------------------------------

namespace {

// With the glasses fetched and the solution promised, Mr Rurura is back at his
// counter (person 0), where the finished solution can be asked for (4) and
// what protects against radiation (2) is no longer a question. Until he has
// handed the solution over.
void story_future_chimie() {
  if (story_gotblei != 0 || story_bleiloesung != 1) return;
  talk_node(0, talk_path("4")).s_present = 1;
  talk_node(0, talk_path("2")).s_present = 0;
  person_present[0] = 1;
  person_present[1] = 0;
}

// The alarm levers are pieces 6, 7 and 8, each at position 0, 1 or 2 (its
// animation number; the room's table names it after the position). The alarm
// is off while lever 1 stands at 2, lever 2 at 1 and lever 3 at 2: the three
// lights (pieces 3, 4, 5) then show green.
constexpr int kFirstLever = 6;
constexpr int kLevers = 3;
constexpr int kFirstLight = 3;
constexpr int kSilentPositions[kLevers] = {2, 1, 2};

void set_piece_state(int slot, int state) {
  furni_anim[slot] = state;
  load_furni_anim();
}

// A lever moves on from 0 to 2, from 2 to 1, from 1 back to 0; after every
// move the whole combination is tested again.
bool use_lever(int slot) {
  static constexpr int kNext[] = {2, 0, 1};
  play_sound(manifest::Sounds::lever);
  set_piece_state(slot, kNext[furni_anim[slot] % 3]);
  bool silent = true;
  for (int l = 0; l < kLevers; ++l) silent = silent && furni_anim[kFirstLever + l] == kSilentPositions[l];
  story_alarm = silent ? 1 : 0;
  for (int l = 0; l < kLevers; ++l) set_piece_state(kFirstLight + l, story_alarm);
  return true;
}

// Broken open, the showcase opens; until then it is locked.
bool use_showcase(int) {
  if (story_brokencase == 1)
    video_open_case();
  else
    hero_remark(TR("Die Vitrine ist abgeschlossen.", "The vitrine is locked up."));
  return true;
}

// The screwdriver breaks the lock, once the alarm is off; it stays in his
// hand. On a broken showcase it does nothing special.
bool screwdriver_on_showcase(int) {
  if (story_brokencase != 0) return false;
  if (story_alarm == 1) {
    video_brakeup_case();
    story_brokencase = 1;
    mouse_status = kModeItem;
  } else {
    hero_remark(TR("Ich sollte zuerst den Alarm ausschalten.", "I should switch off the alarm device first."));
  }
  return true;
}

constexpr VerbRule kPieceRules[] = {
    {Verb::use, "case00", nullptr, use_showcase},
    {Verb::use, "schalter1a", nullptr, use_lever},
    {Verb::use, "schalter1b", nullptr, use_lever},
    {Verb::use, "schalter1c", nullptr, use_lever},
    {Verb::use, "schalter2a", nullptr, use_lever},
    {Verb::use, "schalter2b", nullptr, use_lever},
    {Verb::use, "schalter2c", nullptr, use_lever},
    {Verb::use, "schalter3a", nullptr, use_lever},
    {Verb::use, "schalter3b", nullptr, use_lever},
    {Verb::use, "schalter3c", nullptr, use_lever},
    {Verb::use_item, "case00", "tool", screwdriver_on_showcase},
    {Verb::use_item, "case00", "rolle", nullptr,
     {TR("Das ist zu stabil um es so kaputtzuschlagen.", "The vitrine is too stable to open it like that.")}},
};

}  // namespace

extern const RoomScript room_future_chimie = {
    .name = "future_chimie",
    .title = TR("Chemiesaal", "Chemistry room"),
    .data_file = "fchimie.dat",
    .state_file = "sav/tmp/fchimie.sav",
    .background = 4,
    .highest_object = 135,
    .min_hero_length = 0.12f,
    .increase_rate = 400.0f,
    .furni_nr = 9,
    .person_nr = 2,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    .area = area_future_chimie,
    .allow_walk = allow_walk_future_chimie,
    .piece_rules = kPieceRules,
    .person_rules = kGiftRules,
    .story = story_future_chimie,
    .talk_lines = kFutureChimieTalk,
    .talk_overrides = kFutureChimieTalkOverrides,
    .detect_cons = detect_cons_future_chimie,
    .cons = cons_future_chimie,
};

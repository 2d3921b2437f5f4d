// Room future_crossing: where the corridors of the future school meet, with
// the doors to both chemistry rooms. Mr Rarozir keeps an eye on everybody
// passing; he has the protective glasses.

#include "core/tr.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "rooms/room_script.h"
#include "rooms/rooms.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor1", 1, 10, 210, 120, 405, 100, 400, 325, 170},
    {"future_chimietp", 1, 290, 200, 350, 310, 320, 330, 570, 250},
    {"future_chimie", 1, 565, 210, 620, 405, 520, 400, 470, 275},
};
constexpr int kFurniPresent[] = {1, 1, 1};
constexpr int kPersonPresent[] = {1};

constexpr auto kModel = FrameList<1>{}.add(1, 175, 270);
constexpr auto kExtinguisher = FrameList<1>{}.add(2, 250, 290);
// The bin stands left of the door to future_chimie, clear of the verb panel
// (x from 540, y from 350) that is drawn over the room.
constexpr auto kBin = FrameList<1>{}.add(3, 455, 340);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "Modell", .kind = PieceKind::school_model, .label = TR("Modell", "Model"),
     .text = {TR("Ein Modell der Schule. Sogar der Stacheldraht", "A model of the school. Even the barbed wire"),
              TR("auf dem Dach ist maßstabsgetreu.", "on the roof is true to scale."), ""},
     .interact = 1, .goto_x = 220, .goto_y = 380, .frames = kModel.view()},
    {.slot = 1, .state = 0, .name = "feuerloescher2", .kind = PieceKind::extinguisher, .label = TR("Feuerlöscher", "Fire extinguisher"),
     .text = {TR("Ein Feuerlöscher. Der einzige Freund", "A fire extinguisher. The only friend"),
              TR("der Schüler in diesem Haus.", "pupils have in this building."), ""},
     .interact = 1, .goto_x = 260, .goto_y = 380, .frames = kExtinguisher.view()},
    {.slot = 2, .state = 0, .name = "Muelleimer", .kind = PieceKind::bin, .label = TR("Mülleimer", "Rubbish bin"),
     .text = {TR("Ein Mülleimer. Hier landen meine", "A bin. That is where my homework"),
              TR("Hausaufgaben normalerweise.", "usually ends up."), ""},
     .interact = 1, .goto_x = 435, .goto_y = 400, .frames = kBin.view()},
};

// Mr Rarozir leafs through his files and peers over his glasses; talking,
// turning to the hero and back.
constexpr auto kIdle = FrameList<10>{}.run(4, 13, 422, 184).hold(0, 20).hold(5, 10).talk_at(0).talk_at(5);
constexpr auto kTalk = FrameList<10>{}.run(14, 23, 422, 184);
constexpr auto kTurn = FrameList<4>{}.run(24, 27, 422, 184);
constexpr auto kBack = FrameList<4>{}.run(27, 24, 422, 184);

#define RAROZIR_TEXT                                                                       \
  {TR("Herr Rarozir. Er hat für jeden Schüler", "Mister Rarozir. He keeps a file on every"), \
   TR("eine Akte. Meine ist dicker als seine Brille.", "pupil. Mine is thicker than his glasses."), ""}

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "rarozir", .kind = PersonKind::rarozir, .label = TR("Herr Rarozir", "Mr Rarozir"), .text = RAROZIR_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 420, .goto_y = 360, .frames = kIdle.view()},
    {.slot = 0, .state = 1, .name = "rarozir_talk", .kind = PersonKind::rarozir, .label = TR("Herr Rarozir", "Mr Rarozir"), .text = RAROZIR_TEXT, .interact = 1, .talk = 1,
     .talk_dir = kTalkRight, .goto_x = 420, .goto_y = 360, .frames = kTalk.view()},
    {.slot = 0, .state = 2, .name = "rarozir_talk", .kind = PersonKind::rarozir, .label = TR("Herr Rarozir", "Mr Rarozir"), .text = RAROZIR_TEXT, .interact = 1, .talk = 1,
     .talk_dir = kTalkRight, .goto_x = 420, .goto_y = 360, .frames = kTurn.view()},
    {.slot = 0, .state = 3, .name = "rarozir_talk", .kind = PersonKind::rarozir, .label = TR("Herr Rarozir", "Mr Rarozir"), .text = RAROZIR_TEXT, .interact = 1, .talk = 1,
     .talk_dir = kTalkRight, .goto_x = 420, .goto_y = 360, .frames = kBack.view()},
};
#undef RAROZIR_TEXT

}  // namespace

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Conversation of future_crossing: Mister Rarozir, who keeps a file on every
// pupil and has the protective glasses.
//
// Tree of person 0 (count after the overrides, "ends" = ends the conversation):
//   1        what does my file say (Betong knocked down)       1
//   2        where do the doors lead (lab at the back,     15000
//            Rurura's chemistry room on the right)
//   3        what about the other teachers (Mrs Sand       15000
//            cannot hold a drop of alcohol)
//   4        taking leave                                  15000  ends
//   5        Rurura sent me for chemist's glasses              1  ends; withheld at the start
//                                                                 -> cons_gotglasses
// Top level 5, deepest level 1. Sentence 5 is made present by the story once
// the lead has been delivered. Detected: choice 5 raises cons_gotglasses.

// Person 0: Mister Rarozir (rarozir), the keeper of the pupils' files.
constexpr TalkLine kFutureCrossingTalk[] = {
    {0, talk_path("1"), {TR("Was steht eigentlich in meiner Akte ?", "What does my file say, anyway ?"), "", ""},
                        {TR("Zu viel. Der neueste Eintrag: Herr Betong,", "Too much. The latest entry: Mister Betong,"),
                         TR("niedergeschlagen im Gang. Das gibt Ärger.", "knocked down in the corridor. That means trouble."), ""}},
    {0, talk_path("2"), {TR("Wohin führen die Türen hier ?", "Where do these doors lead ?"), "", ""},
                        {TR("Hinten ins Labor, rechts in den Chemiesaal von", "The back one to the lab, the right one to"),
                         TR("Herrn Rurura. Und links geht es wieder hinaus.", "Mister Rurura's chemistry room. Left is the way out."), ""}},
    {0, talk_path("3"), {TR("Was wissen Sie über die anderen Lehrer ?", "What do you know about the other teachers ?"), "", ""},
                        {TR("Alles. Frau Sand zum Beispiel verträgt keinen", "Everything. Mrs Sand, for one, can't hold a"),
                         TR("Tropfen Alkohol: ein Schluck, und sie schläft.", "single drop of alcohol: one sip and she's asleep."),
                         TR("Steht alles in den Akten.", "It's all in the files.")}},
    {0, talk_path("4"), {TR("Auf Wiedersehen, Herr Rarozir.", "Goodbye, Mister Rarozir."), "", ""},
                        {TR("Ich behalte dich im Auge. Und in der Akte.", "I'm keeping an eye on you. And a file."), "", ""}},
    // Asking for the glasses hands them over.
    {0, talk_path("5"), {TR("Herr Rurura schickt mich wegen einer Chemikerbrille.", "Mister Rurura sent me for chemist's glasses."), "", ""},
                        {TR("Für Herrn Rurura ? Na schön, hier hast du eine.", "For Mister Rurura ? Very well, here's a pair."),
                         TR("Aber das kommt in die Akte.", "But it goes in your file."), ""}},
};

// Counts, endings and withheld sentences that differ from the derived ones.
constexpr TalkOverride kFutureCrossingTalkOverrides[] = {
    {.person = 0, .path = talk_path("2"), .call_nr = 15000},
    {.person = 0, .path = talk_path("3"), .call_nr = 15000},
    {.person = 0, .path = talk_path("4"), .call_nr = 15000, .exit = 1},
    // Offered once the lead has been delivered.
    {.person = 0, .path = talk_path("5"), .exit = 1, .withheld = 1},
};

// Asking for the glasses (5).
void detect_cons_future_crossing() {
  if (chosen(0, talk_path("5"))) cons_gotglasses = 1;
}

// The glasses are handed over, and from now on Mr Rurura has the lead
// solution ready.
void cons_future_crossing() {
  if (cons_gotglasses != 1) return;
  video_get_glasses();
  give_item("glasses");
  story_gotglasses = 1;
  cons_gotglasses = 0;
  story_bleiloesung = 1;
}

constexpr VerbRule kGiftRules[] = {
    canister_gift("rarozir"),
    {Verb::give, "rarozir", nullptr, nullptr, {TR("Das ist sehr nett, aber nein danke.", "That's very kind, but no thanks.")}},
};

// Once the lead is delivered, Mr Rarozir can be asked for the glasses (5),
// until he has handed them over.
void story_future_crossing() {
  if (story_gotglasses == 0 && story_blei == 1) talk_node(0, talk_path("5")).s_present = 1;
}

}  // namespace

extern const RoomScript room_future_crossing = {
    .name = "future_crossing",
    .title = TR("Kreuzung", "Crossing"),
    .data_file = "fcross.dat",
    .state_file = "sav/tmp/fcross.sav",
    .background = 0,
    .highest_object = 41,
    .min_hero_length = -0.6f,
    .increase_rate = 250.0f,
    .furni_nr = 3,
    .person_nr = 1,
    .exit_nr = 3,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    // The room shares the floor plan of crossing, and with it its walking rules.
    .area = area_crossing,
    .allow_walk = allow_walk_crossing,
    .extra_click = extra_click_crossing,
    .person_rules = kGiftRules,
    .story = story_future_crossing,
    .talk_lines = kFutureCrossingTalk,
    .talk_overrides = kFutureCrossingTalkOverrides,
    .detect_cons = detect_cons_future_crossing,
    .cons = cons_future_crossing,
};

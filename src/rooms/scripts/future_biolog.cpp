// Room future_biolog: the biology room of the future school. Mrs Sand sits
// behind her desk at the right; the gas bottle stands at the back on the
// left, the hose lies by the back wall.

#include "core/errand.h"
#include "core/tr.h"
#include "cutscenes/videos.h"
#include "interaction/items.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor15", 1, 600, 100, 640, 350, 625, 340, 265, 295},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1, 1};
// Mrs Sand is awake (person 0) until the alcohol sends her to sleep (person 1).
constexpr int kPersonPresent[] = {1, 0};

// Object 1 is her desk: the cut scenes with Mrs Sand draw it again in front
// of her, at the same place.
constexpr auto kDesk7 = FrameList<1>{}.add(1, 526, 290);
constexpr auto kGas = FrameList<1>{}.add(4, 115, 255);
constexpr auto kDesk8 = FrameList<1>{}.add(0, 250, 355);
constexpr auto kDesk9 = FrameList<1>{}.add(2, 360, 355);
constexpr auto kHose = FrameList<1>{}.add(5, 360, 300);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "desk7", .kind = PieceKind::desk,
     .text = {TR("Das Pult von Frau Sand. Da liegen", "Mrs Sand's desk. There are more"),
              TR("mehr Strafarbeiten als Pflanzen drauf.", "detentions than plants on it."), ""},
     .frames = kDesk7.view()},
    {.slot = 1, .state = 0, .name = "gaz", .kind = PieceKind::gas_bottle, .label = TR("Gasflasche", "Gas bottle"),
     .text = {TR("Eine Gasflasche. Brennbar, steht drauf.", "A gas bottle. Flammable, it says."),
              TR("Klingt nach genau meinem Ding.", "Sounds just like my kind of thing."), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeLeft, .goto_x = 165, .goto_y = 335, .frames = kGas.view()},
    {.slot = 2, .state = 0, .name = "desk8", .kind = PieceKind::desk,
     .text = {TR("Ein Labortisch. Jemand hat hier einen", "A lab bench. Somebody has dissected"),
              TR("Frosch seziert. Hoffentlich war es", "a frog here. Let's hope it was"),
              TR("wirklich ein Frosch.", "really a frog.")},
     .frames = kDesk8.view()},
    {.slot = 3, .state = 0, .name = "desk9", .kind = PieceKind::desk,
     .text = {TR("Noch ein Labortisch. Festgeschraubt,", "Another lab bench. Screwed down,"),
              TR("wie alles hier.", "like everything here."), ""},
     .frames = kDesk9.view()},
    {.slot = 4, .state = 0, .name = "schlauch", .kind = PieceKind::hose, .label = TR("Gasschlauch", "Gas hose"),
     .text = {TR("Ein Gasschlauch. Den braucht hier", "A gas hose. Nobody here needs it"),
              TR("keiner mehr, seit es kein Gas mehr gibt.", "since they cut off the gas."), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeRight, .goto_x = 350, .goto_y = 340, .frames = kHose.view()},
};

// Mrs Sand (person 0) corrects tests and looks up now and then; talking,
// turning to the hero and back. Asleep on her desk (person 1) she breathes
// in and out.
constexpr auto kSandIdle = FrameList<10>{}.run(6, 15, 540, 160).hold(0, 22).hold(5, 12).talk_at(0).talk_at(5);
constexpr auto kSandTalk = FrameList<10>{}.run(16, 25, 540, 160);
constexpr auto kSandTurn = FrameList<4>{}.run(26, 29, 540, 160);
constexpr auto kSandBack = FrameList<4>{}.run(29, 26, 540, 160);
constexpr auto kSandSleep = FrameList<10>{}.run(30, 35, 540, 160, 3).run(34, 31, 540, 160, 3).hold(0, 8);

#define SAND_TEXT                                                                      \
  {TR("Frau Sand, die Biologielehrerin. Sie", "Mrs Sand, the biology teacher. She"),      \
   TR("hat mich noch nie leiden können.", "has never been able to stand me."), ""}

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "sand", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"), .text = SAND_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 500, .goto_y = 340, .frames = kSandIdle.view()},
    {.slot = 0, .state = 1, .name = "sand", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"), .text = SAND_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 500, .goto_y = 340, .frames = kSandTalk.view()},
    {.slot = 0, .state = 2, .name = "sand", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"), .text = SAND_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 500, .goto_y = 340, .frames = kSandTurn.view()},
    {.slot = 0, .state = 3, .name = "sand", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"), .text = SAND_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 500, .goto_y = 340, .frames = kSandBack.view()},
    {.slot = 1, .state = 0, .name = "sand_sleep", .kind = PersonKind::sand_asleep, .label = TR("Frau Sand", "Mrs Sand"),
     .text = {TR("Frau Sand schläft tief und fest.", "Mrs Sand is fast asleep."),
              TR("Der Schnaps hatte es in sich.", "That booze packed a punch."), ""},
     .interact = 1, .frames = kSandSleep.view()},
};
#undef SAND_TEXT

}  // namespace

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Conversation of future_biolog: Mrs Sand, the biology teacher, awake at her
// desk (person 0). Asleep (person 1) she has nothing to say.
//
// Tree of person 0 (count after the overrides, "ends" = ends the conversation):
//   1        greeting (forty tests to mark)                    1
//   2        what is the gas bottle for (it stays here;        1
//            gas, hose and burner once welded a radiator off)
//   3        you look tired (one drop of schnapps and          1
//            she'd sleep like a log)
//   4        do you still need the hose (take it)              1
//   5        taking leave                                  15000  ends
// Top level 5, deepest level 1, nothing withheld, nothing detected.

// Person 0: Mrs Sand (sand), the biology teacher.
constexpr TalkLine kFutureBiologTalk[] = {
    {0, talk_path("1"), {TR("Guten Tag, Frau Sand !", "Hello, Mrs Sand !"), "", ""},
                        {TR("Du schon wieder. Was willst du ? Ich habe", "You again. What do you want ? I've got"),
                         TR("vierzig Tests zu korrigieren.", "forty tests to mark."), ""}},
    {0, talk_path("2"), {TR("Wofür brauchen Sie die Gasflasche ?", "What do you need that gas bottle for ?"), "", ""},
                        {TR("Das geht dich nichts an. Die bleibt hier stehen !", "None of your business. It stays right there !"),
                         TR("Der Letzte, der Gas, Schlauch und Brenner in die", "The last pupil who got hold of gas, a hose and"),
                         TR("Finger bekam, hat die Heizung weggeschweißt.", "a burner welded the radiator off the wall.")}},
    {0, talk_path("3"), {TR("Sie sehen müde aus.", "You look tired."), "", ""},
                        {TR("Müde ? Ich bin seit sechs Uhr hier. Ein Schluck", "Tired ? I've been here since six. One drop of"),
                         TR("Schnaps, und ich würde schlafen wie ein Stein.", "schnapps and I'd sleep like a log."),
                         TR("Aber davon kann ich hier nur träumen.", "But here I can only dream of it.")}},
    {0, talk_path("4"), {TR("Brauchen Sie den Schlauch da noch ?", "Do you still need that hose ?"), "", ""},
                        {TR("Den alten Gasschlauch ? Nimm ihn ruhig mit.", "That old gas hose ? Take it, by all means."),
                         TR("Hauptsache, du verschwindest damit.", "As long as you disappear with it."), ""}},
    {0, talk_path("5"), {TR("Auf Wiedersehen, Frau Sand.", "Goodbye, Mrs Sand."), "", ""},
                        {TR("Endlich.", "At last."), "", ""}},
};

// Counts, endings and withheld sentences that differ from the derived ones.
constexpr TalkOverride kFutureBiologTalkOverrides[] = {
    {.person = 0, .path = talk_path("5"), .call_nr = 15000, .exit = 1},
};

// The alcohol sends Mrs Sand to sleep; the hero is left holding the bottle
// of lemonade it was hidden in.
bool sand_drinks(int) {
  video_sand_sleep();
  video_sand_sleep2();
  talk_nr = -1;
  clear_errand();
  story_sandalkohol = 1;
  exchange_carried_item("Limonade");
  return true;
}

constexpr VerbRule kGiftRules[] = {
    canister_gift("sand"),
    {Verb::give, "sand", "Alkohol", sand_drinks},
    {Verb::give, "sand", nullptr, nullptr, {TR("Das will ich nicht.", "I don't want it.")}},
};

// With Mrs Sand asleep the gas bottle can be taken; while she is awake she
// scolds the hero and he takes nothing.
bool take_gas_bottle(int) {
  if (story_sandalkohol != 1) {
    video_sand_mecker();
    return true;
  }
  // Held before the scene hides it: no way out of the scene leaves it hidden and not held.
  hold_item("Gaz");
  video_take_gaz();
  return true;
}

constexpr VerbRule kPieceRules[] = {{Verb::take, "gaz", nullptr, take_gas_bottle}};

}  // namespace

extern const RoomScript room_future_biolog = {
    .name = "future_biolog",
    .title = TR("Biologiesaal", "Biology room"),
    .data_file = "fbiolog.dat",
    .state_file = "sav/tmp/fbiolog.sav",
    .background = 3,
    .highest_object = 56,
    .min_hero_length = 0.275f,
    .increase_rate = 500.0f,
    .furni_nr = 5,
    .person_nr = 2,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    // The room shares the floor plan of biolog, and with it its walking rules.
    .area = area_biolog,
    .allow_walk = allow_walk_biolog,
    .extra_click = extra_click_biolog,
    .piece_rules = kPieceRules,
    .person_rules = kGiftRules,
    .talk_lines = kFutureBiologTalk,
    .talk_overrides = kFutureBiologTalkOverrides,
};

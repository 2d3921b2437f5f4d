// Room future_floor2: a corridor of the future school that a policeman
// guards; only teachers may pass its doors.

#include "core/errand.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/videos.h"
#include "interaction/inventory.h"
#include "rooms/room_script.h"
#include "rooms/rooms.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor15", 1, 0, 0, 30, 480, 30, 425, 515, 415},
    {"floor13", 0, 425, 150, 475, 325, 390, 320, 450, 420},
    {"bio_amphi", 0, 280, 150, 360, 290, 330, 320, 330, 320},
    {"floor13", 0, 530, 140, 640, 450, 500, 425, 400, 340},
};
constexpr int kFurniPresent[] = {1};
constexpr int kPersonPresent[] = {1};

// The mop bucket stands in the hall below the door to floor13, right of the
// policeman, clear of the conversation menu that grows up from y 450.
constexpr auto kBucket = FrameList<1>{}.add(1, 440, 335);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "Eimer", .kind = PieceKind::mop_bucket, .label = TR("Eimer", "Bucket"),
     .text = {TR("Ein Putzeimer. Das Wasser darin ist", "A mop bucket. The water in it is older"),
              TR("älter als ich.", "than I am."), ""},
     .interact = 1, .goto_x = 410, .goto_y = 410, .frames = kBucket.view()},
};

// The policeman stands at the back of the hall between the door to
// bio_amphi and the door to floor13 (his feet at (400, 315)), leaving a
// part of each door free to click; he shifts his weight and swings his
// truncheon; talking, turning to the hero and back. The hero talks to him
// from his left, and at the door to floor13 walks up in front of him.
constexpr auto kGuardIdle = FrameList<12>{}.run(2, 13, 350, 134).hold(0, 20).hold(6, 14).talk_at(0).talk_at(6);
constexpr auto kGuardTalk = FrameList<10>{}.run(14, 23, 350, 134);
constexpr auto kGuardTurn = FrameList<4>{}.run(24, 27, 350, 134);
constexpr auto kGuardBack = FrameList<4>{}.run(27, 24, 350, 134);

#define GUARD_TEXT                                                                   \
  {TR("Ein Polizist. Seit wann braucht eine", "A policeman. Since when does a school"), \
   TR("Schule einen Wärter mit Schlagstock?", "need a guard with a truncheon?"), ""}

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "Policeman", .kind = PersonKind::policeman, .label = TR("Polizist", "Policeman"), .text = GUARD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 330, .goto_y = 335, .frames = kGuardIdle.view()},
    {.slot = 0, .state = 1, .name = "Policeman", .kind = PersonKind::policeman, .label = TR("Polizist", "Policeman"), .text = GUARD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 330, .goto_y = 335, .frames = kGuardTalk.view()},
    {.slot = 0, .state = 2, .name = "Policeman", .kind = PersonKind::policeman, .label = TR("Polizist", "Policeman"), .text = GUARD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 330, .goto_y = 335, .frames = kGuardTurn.view()},
    {.slot = 0, .state = 3, .name = "Policeman", .kind = PersonKind::policeman, .label = TR("Polizist", "Policeman"), .text = GUARD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 330, .goto_y = 335, .frames = kGuardBack.view()},
};
#undef GUARD_TEXT

}  // namespace

// The far door of the corridor stays shut whatever the story does.
void exit_future_floor2() {
  go_through[3] = 0;
}

// The policeman lets nobody through the doors he guards (exits 1 to 3): he
// stops the hero, who stays in the corridor.
void leaving_future_floor2() {
  const int k = errand_target(ErrandKind::leave);
  if (k >= 1 && k <= 3) {
    video_exit_floor2();
    clear_errand();
  }
}

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Conversation of future_floor2: the policeman who guards the corridor.
//
// Tree of person 0 (count after the overrides, "ends" = ends the conversation):
//   1        the insult ("tin can in a uniform")           15000  ends  -> cons_policemad
//   2        what is behind the doors (teachers only)          1
//   3        why guard this corridor (headmaster's             1
//            orders; keep off the caretaker's cupboards
//            next door)
//   4        taking leave                                  15000  ends
// Top level 4, deepest level 1, nothing withheld.
// Detected: choice 1 raises cons_policemad: the fight, and the hero lands in
// future_floor15.

// Person 0: the policeman (Policeman).
constexpr TalkLine kFutureFloor2Talk[] = {
    // The insult: the guard's answer comes with his fists.
    {0, talk_path("1"), {TR("Aus dem Weg, Sie Blechbüchse in Uniform !", "Out of my way, you tin can in a uniform !"), "", ""},
                        {TR("WIE hast du mich genannt ?!", "WHAT did you call me ?!"), "", ""}},
    {0, talk_path("2"), {TR("Was ist hinter den Türen ?", "What's behind those doors ?"), "", ""},
                        {TR("Das geht dich nichts an. Nur Lehrer dürfen", "None of your business. Only teachers may"),
                         TR("hier durch. Schüler haben hier nichts verloren.", "pass here. Pupils have no business here."), ""}},
    {0, talk_path("3"), {TR("Warum bewachen Sie ausgerechnet diesen Gang ?", "Why are you guarding this corridor ?"), "", ""},
                        {TR("Befehl vom Direktor. Und jetzt verschwinde,", "Headmaster's orders. Now clear off, and"),
                         TR("und lass auch die Schränke vom Hausmeister", "keep your hands off the caretaker's"),
                         TR("nebenan in Ruhe. Ich hab dich im Blick.", "cupboards next door. I'm watching you.")}},
    {0, talk_path("4"), {TR("Schon gut, ich gehe ja schon.", "All right, I'm going."), "", ""},
                        {TR("Das will ich dir auch geraten haben.", "You'd better."), "", ""}},
};

// Counts, endings and withheld sentences that differ from the derived ones.
constexpr TalkOverride kFutureFloor2TalkOverrides[] = {
    {.person = 0, .path = talk_path("1"), .call_nr = 15000, .exit = 1},
    {.person = 0, .path = talk_path("4"), .call_nr = 15000, .exit = 1},
};

// The insult (1).
void detect_cons_future_floor2() {
  if (chosen(0, talk_path("1"))) cons_policemad = 1;
}

// The guard throws the hero out through exit 0; he lands at (515, 415) in
// future_floor15 and gets his breath back two passes later.
void cons_future_floor2() {
  if (cons_policemad != 1) return;
  video_police_kungfu();
  story_hero_uff = 2;
  cons_policemad = 0;
  set_errand(ErrandKind::leave, 0);
  new_hero_x[0] = 515;
  new_hero_y[0] = 415;
  enter_new_room();
}

// Whatever the hero holds out, to whoever.
constexpr VerbRule kGiftRules[] = {{Verb::give, nullptr, nullptr, nullptr, {TR("Geh weg damit!", "I don't want it.")}}};

}  // namespace

extern const RoomScript room_future_floor2 = {
    .name = "future_floor2",
    .title = TR("Gang", "Corridor"),
    .data_file = "ffloor2.dat",
    .state_file = "sav/tmp/ffloor2.sav",
    .background = 0,
    .highest_object = 36,
    .min_hero_length = -0.35f,
    .increase_rate = 250.0f,
    .furni_nr = 1,
    .person_nr = 1,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    // The room shares the floor plan of floor2, and with it its walking rules.
    .area = area_floor2,
    .allow_walk = allow_walk_floor2,
    .extra_click = extra_click_floor2,
    .after_exits = exit_future_floor2,
    .person_rules = kGiftRules,
    .leaving = leaving_future_floor2,
    .talk_lines = kFutureFloor2Talk,
    .talk_overrides = kFutureFloor2TalkOverrides,
    .detect_cons = detect_cons_future_floor2,
    .cons = cons_future_floor2,
};

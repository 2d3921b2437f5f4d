// Room class: a classroom of the old school with its teacher, Mr Friob.

#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor3", 1, 600, 100, 640, 330, 625, 315, 250, 350},
};
constexpr int kFurniPresent[] = {1, 1, 1};
constexpr int kPersonPresent[] = {1};

constexpr auto kDesk4 = FrameList<1>{}.add(1, 104, 252);
constexpr auto kDesk5 = FrameList<1>{}.add(2, 505, 261);
constexpr auto kMainDesk = FrameList<1>{}.add(50, 67, 192);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "desk4", .kind = PieceKind::desk,
     .text = {TR("Eng Bank mat hondert Kritzeleien.", "A desk covered in a hundred doodles."), "", ""},
     .frames = kDesk4.view()},
    {.slot = 1, .state = 0, .name = "desk5", .kind = PieceKind::desk,
     .text = {TR("Do huet een seng Hausaufgaben vergiess.", "Someone has left his homework here."), "", ""},
     .frames = kDesk5.view()},
    {.slot = 2, .state = 0, .name = "maindesk", .kind = PieceKind::main_desk,
     .text = {TR("Dem Friob sain Pult. Alles fein", "Mr Friob's desk. Everything in"), TR("sauber op der Rei.", "neat little rows."), ""},
     .frames = kMainDesk.view()},
};

// Mr Friob stands on the floor at the left end of his desk, his feet just in
// front of the back wall (y 272), as tall as the hero would be there. He idles
// (state 0) and talks in three moves (states 1 to 3). He may turn to the hero
// from the two long pauses of his idle movement.
constexpr int kFriobX = 30, kFriobY = 140;
constexpr auto kFriobIdle = FrameList<58>{}
                                .run(3, 32, kFriobX, kFriobY)
                                .run(31, 4, kFriobX, kFriobY)
                                .hold(1, 50)
                                .hold(29, 30)
                                .talk_at(1)
                                .talk_at(29);
constexpr auto kFriobTalk = FrameList<13>{}.run(37, 49, kFriobX, kFriobY);
constexpr auto kFriobTurn = FrameList<4>{}.run(33, 36, kFriobX, kFriobY);
constexpr auto kFriobBack = FrameList<4>{}.run(36, 33, kFriobX, kFriobY);

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "friob", .kind = PersonKind::friob, .label = TR("Herr Friob", "Mr Friob"),
     .text = {TR("Den Haer Friob. E gudde Proff, awer", "Mr Friob. A good teacher, but"), TR("e bessen e Pedant.", "a bit of a pedant."), ""},
     .interact = 1, .talk = 1, .talk_dir = kTalkLeft, .goto_x = 200, .goto_y = 310, .frames = kFriobIdle.view()},
    {.slot = 0, .state = 1, .name = "friob", .kind = PersonKind::friob, .label = TR("Herr Friob", "Mr Friob"), .text = {"", "", ""}, .interact = 1, .frames = kFriobTalk.view()},
    {.slot = 0, .state = 2, .name = "friob", .kind = PersonKind::friob, .label = TR("Herr Friob", "Mr Friob"), .text = {"", "", ""}, .interact = 1, .frames = kFriobTurn.view()},
    {.slot = 0, .state = 3, .name = "friob", .kind = PersonKind::friob, .label = TR("Herr Friob", "Mr Friob"), .text = {"", "", ""}, .interact = 1, .frames = kFriobBack.view()},
};

// The classroom: the floor in front of the back wall (y 270), the window
// wall at the left and the door wall at the right.
constexpr walks::Corridor kFloor{262, 270, 3, 2, 660, 44, 1, 27680, 50, 270, 630, 270};
// The desks: desk5 by the door, desk4 in the left row.
bool by_desk5(int px, int py) { return px >= 500 && py <= 330; }
bool behind_desk4(int px, int py) { return px <= 245 && py <= 318; }

}  // namespace

void area_class(int& x, int& y) { walks::corridor_area<kFloor>(x, y); }

void allow_walk_class(int& x, int& y) { walks::corridor_walk<kFloor>(x, y); }

// Past the desk by the door the hero goes in front of it, (560, 340); to the
// place behind the left row he comes by its right end, (260, 325).
void extra_click_class() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  if ((by_desk5(hx, hy) && tx < 500) || (by_desk5(tx, ty) && hx < 500)) via(560, 340);
  if (behind_desk4(tx, ty) && !behind_desk4(hx, hy) && hx > 245) via(260, 325);
}

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Person 0 holds the conversation of the old school (shared_talk.h).

// Only the canister gets an answer; anything else, nothing happens.
constexpr VerbRule kGiftRules[] = {canister_gift("friob")};

}  // namespace

extern const RoomScript room_class = {
    .name = "class",
    .title = TR("Klassenzimmer", "Classroom"),
    .data_file = "class.dat",
    .state_file = "sav/tmp/class.sav",
    .background = 0,
    .highest_object = 50,
    .min_hero_length = 0.25f,
    .increase_rate = 500.0f,
    .furni_nr = 3,
    .person_nr = 1,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    .area = area_class,
    .allow_walk = allow_walk_class,
    .extra_click = extra_click_class,
    .person_rules = kGiftRules,
    .talk_lines = kSchoolTalk,
    .talk_overrides = kSchoolTalkOverrides,
};

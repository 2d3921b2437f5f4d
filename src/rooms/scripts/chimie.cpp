// Room chimie: the chemistry room of the old school.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"crossing", 1, 430, 110, 490, 255, 470, 275, 520, 400},
};
constexpr int kFurniPresent[] = {1};

// The glass bubbles: objects 0 to 15 and back down to 1, one composed frame each.
constexpr auto kGlass = FrameList<30>{}.run(0, 15, 550, 340).run(14, 1, 550, 340);

// The glass cannot be taken (no .take): a take gets the standard refusal
// "I can't take it.", and the room has no rule of its own for it.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "glass", .kind = PieceKind::glassware,
     .text = {TR("Do blubbert eppes. Besser net drun", "Something is bubbling in there. Better not"), TR("ruchen.", "sniff it."), ""},
     .frames = kGlass.view()},
};

// The chemistry room: a floor in perspective in front of the back wall
// (y 275), between a left and a right wall.
constexpr walks::Corridor kFloor{265, 275, 1, 1, 330, 3, 2, 1260, 65, 275, 595, 275};

}  // namespace

void area_chimie(int& x, int& y) { walks::corridor_area<kFloor>(x, y); }

void allow_walk_chimie(int& x, int& y) { walks::corridor_walk<kFloor>(x, y); }

extern const RoomScript room_chimie = {
    .name = "chimie",
    .title = TR("Chemiesaal", "Chemistry room"),
    .data_file = "chimie.dat",
    .state_file = "sav/tmp/chimie.sav",
    .background = 16,
    .highest_object = 16,
    .min_hero_length = 0.35f,
    .increase_rate = 500.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_chimie,
    .allow_walk = allow_walk_chimie,
};

// Room future_chimie: the chemistry room of the future school, with its
// alarm levers.
#include "rooms/room_script.h"
#include "shell/tr.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_crossing", 1, 430, 110, 490, 255, 470, 275, 520, 400},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr int kPersonPresent[] = {1, 1};

// The first alarm lever: three positions.
constexpr auto kLever1a = FrameList<1>{}.add(127, 330, 170);
constexpr auto kLever1b = FrameList<1>{}.add(128, 330, 169);
constexpr auto kLever1c = FrameList<1>{}.add(129, 330, 170);
#define LEVER_TEXT \
  { TR("Ein Hebel zum Einstellen der Alarmanlage.", "A lever adjusting the alarm device."), "", "" }

constexpr FurniState kFurniture[] = {
    {.slot = 6, .state = 0, .name = "schalter1a", .text = LEVER_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .mouse_x = 350, .mouse_y = 180, .mouse_x2 = 365, .mouse_y2 = 220, .frames = kLever1a.view()},
    {.slot = 6, .state = 1, .name = "schalter1b", .text = LEVER_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .mouse_x = 350, .mouse_y = 180, .mouse_x2 = 365, .mouse_y2 = 220, .frames = kLever1b.view()},
    {.slot = 6, .state = 2, .name = "schalter1c", .text = LEVER_TEXT, .interact = 1, .goto_x = 420, .goto_y = 280,
     .mouse_x = 350, .mouse_y = 180, .mouse_x2 = 365, .mouse_y2 = 220, .frames = kLever1c.view()},
};
#undef LEVER_TEXT

}  // namespace

extern const RoomScript room_future_chimie = {
    .name = "future_chimie",
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
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};

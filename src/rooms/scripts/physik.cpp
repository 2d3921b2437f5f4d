// Room physik: the physics room of the old school.
#include "rooms/room_script.h"
#include "shell/tr.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"cafeteria", 1, 485, 105, 555, 265, 520, 290, 590, 235},
    {"biblio", 0, 600, 105, 640, 310, 580, 300, 580, 310},
};
constexpr int kFurniPresent[] = {1, 1, 1};
constexpr int kPersonPresent[] = {1};

constexpr auto kKanister = FrameList<1>{}.add(0, 345, 210);
constexpr auto kChair = FrameList<1>{}.add(1, 250, 300);
constexpr auto kPendel = FrameList<6>{}.add(16, 82, 52, 2).add(17, 82, 52, 1).add(18, 82, 52, 1)
                             .add(19, 82, 52, 2).add(18, 82, 52, 1).add(17, 82, 52, 1);
constexpr auto kDori = FrameList<1>{}.add(21, 420, 170);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "kanister",
     .text = {TR("E Kanister. Wat do wuel dran ass?", "A canister. I wonder what is inside."),
              TR("Et riicht no Benzin.", "It smells of petrol."), TR("Dat keint ech nach brauchen.", "That could come in handy.")},
     .interact = 1, .take = 1, .take_dir = 3, .goto_x = 410, .goto_y = 370, .frames = kKanister.view()},
    {.slot = 1, .state = 0, .name = "chair",
     .text = {TR("E Stull. Ganz normal.", "A chair. Quite ordinary."), "", ""}, .frames = kChair.view()},
    {.slot = 2, .state = 0, .name = "pendel",
     .text = {TR("E Pendel. Et schwengt an et schwengt.", "A pendulum. It swings and swings."), "", ""},
     .frames = kPendel.view()},
};

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "dori",
     .text = {TR("Dori, eng Klassekomerodin.", "Dori, a classmate."), "", ""},
     .interact = 1, .talk = 1, .talk_dir = 1, .goto_x = 330, .goto_y = 360, .frames = kDori.view()},
};

}  // namespace

extern const RoomScript room_physik = {
    .name = "physik",
    .data_file = "physik.dat",
    .state_file = "sav/tmp/physik.sav",
    .background = 20,
    .highest_object = 31,
    .min_hero_length = 0.35f,
    .increase_rate = 500.0f,
    .furni_nr = 3,
    .person_nr = 1,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};

// Room future_crossing: where the corridors of the future school meet, with
// the doors to both chemistry rooms. Mr Rarozir keeps an eye on everybody
// passing; he has the protective glasses.
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"
#include "shell/tr.h"

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
constexpr auto kBin = FrameList<1>{}.add(3, 530, 360);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "Modell", .kind = PieceKind::crate, .label = TR("Modell", "Model"),
     .text = {TR("Ein Modell der Schule. Sogar der Stacheldraht", "A model of the school. Even the barbed wire"),
              TR("auf dem Dach ist massstabsgetreu.", "on the roof is true to scale."), ""},
     .interact = 1, .goto_x = 220, .goto_y = 380, .frames = kModel.view()},
    {.slot = 1, .state = 0, .name = "feuerloescher2", .kind = PieceKind::extinguisher, .label = TR("Feuerloescher", "Fire extinguisher"),
     .text = {TR("Ein Feuerloescher. Der einzige Freund", "A fire extinguisher. The only friend"),
              TR("der Schueler in diesem Haus.", "pupils have in this building."), ""},
     .interact = 1, .goto_x = 260, .goto_y = 380, .frames = kExtinguisher.view()},
    {.slot = 2, .state = 0, .name = "Muelleimer", .kind = PieceKind::bin, .label = TR("Muelleimer", "Rubbish bin"),
     .text = {TR("Ein Muelleimer. Hier landen meine", "A bin. That is where my homework"),
              TR("Hausaufgaben normalerweise.", "usually ends up."), ""},
     .interact = 1, .goto_x = 500, .goto_y = 400, .frames = kBin.view()},
};

// Mr Rarozir leafs through his files and peers over his glasses; talking,
// turning to the hero and back.
constexpr auto kIdle = FrameList<10>{}.run(4, 13, 422, 184).hold(0, 20).hold(5, 10).talk_at(0).talk_at(5);
constexpr auto kTalk = FrameList<10>{}.run(14, 23, 422, 184);
constexpr auto kTurn = FrameList<4>{}.run(24, 27, 422, 184);
constexpr auto kBack = FrameList<4>{}.run(27, 24, 422, 184);

#define RAROZIR_TEXT                                                                       \
  {TR("Herr Rarozir. Er hat fuer jeden Schueler", "Mister Rarozir. He keeps a file on every"), \
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
};

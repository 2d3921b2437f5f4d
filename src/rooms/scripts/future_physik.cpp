// Room future_physik: the physics room of the future school, where Dori
// keeps watch over Mr Zirud's big telescope.
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"
#include "shell/tr.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_physiktp", 1, 485, 105, 555, 265, 540, 300, 580, 400},
    {"future_floor1", 1, 600, 105, 640, 310, 580, 300, 230, 260},
};
// The guitar stands behind the telescope: it comes to light when Dori
// carries the telescope away.
constexpr int kFurniPresent[] = {1, 1, 1, 0};
constexpr int kPersonPresent[] = {1};

constexpr auto kChair = FrameList<1>{}.add(0, 250, 300);
// The ceiling fan turns.
constexpr auto kFan = FrameList<3>{}.run(1, 3, 400, 40);
constexpr auto kTelescope = FrameList<1>{}.add(4, 190, 220);
constexpr auto kGuitar = FrameList<1>{}.add(5, 215, 285);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "future_chair", .kind = PieceKind::chair, .label = TR("Stuhl", "Chair"),
     .text = {TR("Ein Stuhl aus Titan, am Boden festgeschraubt.", "A titanium chair, screwed to the floor."),
              TR("Damit keiner ihn dem Lehrer an den Kopf wirft.", "So nobody throws it at a teacher."), ""},
     .interact = 1, .goto_x = 300, .goto_y = 385, .frames = kChair.view()},
    {.slot = 1, .state = 0, .name = "ventilator", .kind = PieceKind::fan, .label = TR("Ventilator", "Fan"),
     .text = {TR("Ein Ventilator. Er verteilt die Luft", "A fan. It shares out the air"),
              TR("gerecht auf alle Gefangenen.", "fairly among all the inmates."), ""},
     .interact = 1, .goto_x = 420, .goto_y = 380, .frames = kFan.view()},
    {.slot = 2, .state = 0, .name = "telesko2", .kind = PieceKind::telescope, .label = TR("Teleskop", "Telescope"),
     .text = {TR("Ein riesiges Teleskop. Damit koennte man", "A huge telescope. You could look right"),
              TR("bis ins Lehrerzimmer schauen.", "into the staff room with it."), ""},
     .interact = 1, .goto_x = 260, .goto_y = 380, .frames = kTelescope.view()},
    {.slot = 3, .state = 0, .name = "guitar", .kind = PieceKind::guitar, .label = TR("Gitarre", "Guitar"),
     .text = {TR("Eine E-Gitarre! Wer laesst denn so", "An electric guitar! Who leaves a thing"),
              TR("was einfach rumstehen?", "like that just lying about?"), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeLeft, .goto_x = 260, .goto_y = 380, .frames = kGuitar.view()},
};

// Dori polishes a lens, looks up, polishes again; talking, turning to the
// hero and back.
constexpr auto kDoriIdle = FrameList<12>{}.run(6, 17, 395, 151).hold(0, 25).hold(6, 15).talk_at(0).talk_at(6);
constexpr auto kDoriTalk = FrameList<10>{}.run(18, 27, 395, 151);
constexpr auto kDoriTurn = FrameList<4>{}.run(28, 31, 395, 151);
constexpr auto kDoriBack = FrameList<4>{}.run(31, 28, 395, 151);

#define DORI_TEXT                                                                      \
  {TR("Dori. Frueher war er in meiner Klasse,", "Dori. He used to be in my class,"),      \
   TR("jetzt schleppt er Sachen fuer Herr Zirud.", "now he carries things for Mr Zirud."), \
   ""}

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "dori_future", .kind = PersonKind::dori, .label = TR("Dori", "Dori"), .text = DORI_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 370, .goto_y = 390, .frames = kDoriIdle.view()},
    {.slot = 0, .state = 1, .name = "dori_future", .kind = PersonKind::dori, .label = TR("Dori", "Dori"), .text = DORI_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 370, .goto_y = 390, .frames = kDoriTalk.view()},
    {.slot = 0, .state = 2, .name = "dori_future", .kind = PersonKind::dori, .label = TR("Dori", "Dori"), .text = DORI_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 370, .goto_y = 390, .frames = kDoriTurn.view()},
    {.slot = 0, .state = 3, .name = "dori_future", .kind = PersonKind::dori, .label = TR("Dori", "Dori"), .text = DORI_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 370, .goto_y = 390, .frames = kDoriBack.view()},
};
#undef DORI_TEXT

}  // namespace

extern const RoomScript room_future_physik = {
    .name = "future_physik",
    .title = TR("Physiksaal", "Physics room"),
    .data_file = "fphysik.dat",
    .state_file = "sav/tmp/fphysik.sav",
    .background = 50,
    .highest_object = 62,
    .min_hero_length = 0.325f,
    .increase_rate = 500.0f,
    .furni_nr = 4,
    .person_nr = 1,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    // The room shares the floor plan of physik, and with it its walking rules.
    .area = area_physik,
    .allow_walk = allow_walk_physik,
    .extra_click = extra_click_physik,
};

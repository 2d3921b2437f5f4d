// Room future_physiktp: the physics lab of the future school, where Mr Zirud
// builds his time machine: the reactor with its levers, buttons and display,
// later the telescope as the energy source and the diamond in the machine.
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"
#include "shell/tr.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor1", 1, 580, 170, 640, 365, 565, 360, 280, 185},
    {"future_physik", 0, 500, 420, 640, 480, 580, 400, 520, 300},
};
// The telescope (slot 0) and Dori (person 1) come with the telescope scene,
// the diamond (slot 1) when the hero hands it over.
constexpr int kFurniPresent[] = {0, 0, 1, 1, 1, 1, 1};
constexpr int kPersonPresent[] = {1, 0};

constexpr auto kTelescope = FrameList<1>{}.add(9, 545, 150);
constexpr auto kDiamond = FrameList<1>{}.add(1, 390, 190);
constexpr auto kLever = FrameList<1>{}.add(2, 300, 255);
constexpr auto kLever2 = FrameList<1>{}.add(3, 322, 255);
constexpr auto kReactor = FrameList<1>{}.add(0, 330, 140);
// The display runs through its digits, the buttons blink.
constexpr auto kDisplay = FrameList<3>{}.run(4, 6, 190, 60, 3);
constexpr auto kButtons = FrameList<2>{}.add(7, 200, 150, 5).add(8, 200, 150, 5);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "teleskop", .kind = PieceKind::telescope, .label = TR("Teleskop", "Telescope"),
     .text = {TR("Das Teleskop aus dem Physiksaal. Es buendelt", "The telescope from the physics room. Now it"),
              TR("jetzt die Sonne fuer die Zeitmaschine.", "focuses the sun for the time machine."), ""},
     .interact = 1, .goto_x = 560, .goto_y = 355, .frames = kTelescope.view()},
    {.slot = 1, .state = 0, .name = "diamond", .kind = PieceKind::diamond, .label = TR("Diamant", "Diamond"),
     .text = {TR("Der Diamant sitzt in der Maschine. Schade,", "The diamond sits in the machine. Pity,"),
              TR("der haette mir ein neues Moped bezahlt.", "it would have bought me a new moped."), ""},
     .interact = 1, .goto_x = 400, .goto_y = 350, .frames = kDiamond.view()},
    {.slot = 2, .state = 0, .name = "hebel", .kind = PieceKind::lever, .label = TR("Hebel", "Lever"),
     .text = {TR("Ein Hebel an der Zeitmaschine.", "A lever of the time machine."),
              TR("Lieber nicht anfassen.", "Better not touch it."), ""},
     .interact = 1, .goto_x = 320, .goto_y = 360, .frames = kLever.view()},
    {.slot = 3, .state = 0, .name = "hebel2", .kind = PieceKind::lever, .label = TR("Hebel", "Lever"),
     .text = {TR("Noch ein Hebel. Der ist rot.", "Another lever. This one is red."),
              TR("Rot ist nie gut.", "Red is never good."), ""},
     .interact = 1, .goto_x = 340, .goto_y = 360, .frames = kLever2.view()},
    {.slot = 4, .state = 0, .name = "Atomkraft", .kind = PieceKind::reactor, .label = TR("Reaktor", "Reactor"),
     .text = {TR("Ein kleiner Atomreaktor. Herr Zirud sagt,", "A small nuclear reactor. Mr Zirud says"),
              TR("der ist voellig ungefaehrlich. Sagt er.", "it is perfectly safe. So he says."), ""},
     .interact = 1, .goto_x = 400, .goto_y = 350, .frames = kReactor.view()},
    {.slot = 5, .state = 0, .name = "Anzeige", .kind = PieceKind::display, .label = TR("Anzeige", "Display"),
     .text = {TR("Eine Anzeige. Sie zaehlt die Jahre,", "A display. It counts the years,"),
              TR("ich zaehle die Tage bis zu den Ferien.", "I count the days to the holidays."), ""},
     .interact = 1, .goto_x = 300, .goto_y = 360, .frames = kDisplay.view()},
    {.slot = 6, .state = 0, .name = "buttons", .kind = PieceKind::buttons, .label = TR("Knoepfe", "Buttons"),
     .text = {TR("Knoepfe. Viele Knoepfe. Keiner davon", "Buttons. Lots of buttons. Not one"),
              TR("ist beschriftet.", "of them labelled."), ""},
     .interact = 1, .goto_x = 300, .goto_y = 365, .frames = kButtons.view()},
};

// Mr Zirud tinkers at the machine (FrizzeRol); talking, turning to the hero
// and back. Object 31 is the room's background.
constexpr auto kZirudIdle = FrameList<12>{}.run(10, 21, 467, 155).hold(0, 25).hold(6, 12).talk_at(0).talk_at(6);
constexpr auto kZirudTalk = FrameList<9>{}.run(22, 30, 467, 155);
constexpr auto kZirudTurn = FrameList<4>{}.run(32, 35, 467, 155);
constexpr auto kZirudBack = FrameList<4>{}.run(35, 32, 467, 155);
// Dori, back from carrying the telescope, gets his breath back.
constexpr auto kDoriIdle = FrameList<8>{}.run(36, 43, 172, 227, 2).hold(0, 10);

#define ZIRUD_TEXT                                                                        \
  {TR("Herr Zirud, der Physiklehrer. Er baut", "Mister Zirud, the physics teacher. He has"), \
   TR("seit Jahren an seiner Zeitmaschine.", "been building his time machine for years."), ""}

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 470, .goto_y = 365, .frames = kZirudIdle.view()},
    {.slot = 0, .state = 1, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 470, .goto_y = 365, .frames = kZirudTalk.view()},
    {.slot = 0, .state = 2, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 470, .goto_y = 365, .frames = kZirudTurn.view()},
    {.slot = 0, .state = 3, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 470, .goto_y = 365, .frames = kZirudBack.view()},
    {.slot = 1, .state = 0, .name = "Dori", .kind = PersonKind::dori,
     .text = {TR("Dori. Er keucht noch vom Teleskop.", "Dori. Still puffing from the telescope."), "", ""},
     .frames = kDoriIdle.view()},
};
#undef ZIRUD_TEXT

}  // namespace

extern const RoomScript room_future_physiktp = {
    .name = "future_physiktp",
    .title = TR("Physiklabor", "Physics lab"),
    .data_file = "fphystp.dat",
    .state_file = "sav/tmp/fphystp.sav",
    .background = 31,
    .highest_object = 66,
    .min_hero_length = 0.2f,
    .increase_rate = 500.0f,
    .furni_nr = 7,
    .person_nr = 2,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    // The room shares the floor plan of physiktp, and with it its walking rules.
    .area = area_physiktp,
    .allow_walk = allow_walk_physiktp,
};

// Room future_chimietp: the chemistry lab of the future school. A lab bench
// in the middle with its glassware, a Bunsen burner and a book; a bottle of
// alcohol on the left; the emergency shower with its tank at the back left;
// a fire extinguisher by the door.
#include "core/errand.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/videos.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "rooms/room_script.h"
#include "rooms/rooms.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_crossing", 1, 535, 70, 610, 220, 570, 250, 320, 330},
    // Only the story uses this one: after the shower the hero is taken next door.
    {"future_physiktp", 1, 0, 0, 0, 0, 0, 0, 565, 360},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

// Pictures: 0 the bench, 1 a flask (the two flasks and the test glass look
// alike), 2 the Bunsen burner, 3 the book, 5 the alcohol, 6 the shower with
// its tank on top (one picture, two mouse boxes), 7 the extinguisher.
// Object 4 is the room's background.
constexpr auto kBench = FrameList<1>{}.add(0, 300, 265);
constexpr auto kFlask = FrameList<1>{}.add(1, 340, 240);
constexpr auto kBunsen = FrameList<1>{}.add(2, 480, 235);
constexpr auto kBook = FrameList<1>{}.add(3, 300, 250);
constexpr auto kTestGlass = FrameList<1>{}.add(1, 400, 245);
constexpr auto kAlcohol = FrameList<1>{}.add(5, 110, 295);
constexpr auto kShower = FrameList<1>{}.add(6, 200, 95);
constexpr auto kExtinguisher = FrameList<1>{}.add(7, 615, 160);
constexpr auto kFlask2 = FrameList<1>{}.add(1, 450, 240);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "labo_desk2", .kind = PieceKind::desk,
     .text = {TR("Der Labortisch. Voller Brandflecken", "The lab bench. Full of burn marks"),
              TR("von Generationen von Schülern.", "from generations of pupils."), ""},
     .frames = kBench.view()},
    {.slot = 1, .state = 0, .name = "erlenmeier", .kind = PieceKind::flask_green, .label = TR("Erlenmeyerkolben", "Erlenmeyer flask"),
     .text = {TR("Ein Erlenmeyerkolben mit einer grünen", "An Erlenmeyer flask with a green"),
              TR("Brühe. Die blubbert von ganz allein.", "brew. It bubbles all by itself."), ""},
     .interact = 1, .goto_x = 350, .goto_y = 245, .frames = kFlask.view()},
    {.slot = 2, .state = 0, .name = "bunsen", .kind = PieceKind::bunsen_burner, .label = TR("Bunsenbrenner", "Bunsen burner"),
     .text = {TR("Ein Bunsenbrenner. Der macht richtig", "A Bunsen burner. It makes a really"),
              TR("heiße Flammen.", "hot flame."), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeRight, .goto_x = 480, .goto_y = 255, .frames = kBunsen.view()},
    {.slot = 3, .state = 0, .name = "book", .kind = PieceKind::book, .label = TR("Buch", "Book"),
     .text = {TR("Chemie für Anfänger. Band 12.", "Chemistry for beginners. Volume 12."),
              TR("Ich bin noch bei Band 1.", "I'm still on volume 1."), ""},
     .interact = 1, .goto_x = 300, .goto_y = 245, .frames = kBook.view()},
    {.slot = 4, .state = 0, .name = "reagenz", .kind = PieceKind::test_tube, .label = TR("Reagenzglas", "Test tube"),
     .text = {TR("Ein Reagenzglas. Was drin ist, will", "A test tube. I'd rather not know"),
              TR("ich lieber nicht wissen.", "what's inside."), ""},
     .interact = 1, .goto_x = 400, .goto_y = 248, .frames = kTestGlass.view()},
    {.slot = 5, .state = 0, .name = "alkohol", .kind = PieceKind::bottle, .label = TR("Alkohol", "Alcohol"),
     .text = {TR("Eine Flasche mit hochprozentigem Inhalt.", "A bottle of something very strong."),
              TR("Nur für Laborzwecke, steht drauf.", "For lab use only, it says."), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeLeft, .goto_x = 160, .goto_y = 340, .frames = kAlcohol.view()},
    {.slot = 6, .state = 0, .name = "douche", .kind = PieceKind::shower, .label = TR("Notdusche", "Emergency shower"),
     .text = {TR("Eine Notdusche. Für den Fall, dass", "An emergency shower. In case someone"),
              TR("einer mal wieder brennt.", "is on fire again."), ""},
     .interact = 1, .goto_x = 290, .goto_y = 255,
     .mouse_x = 200, .mouse_y = 155, .mouse_x2 = 280, .mouse_y2 = 255, .frames = kShower.view()},
    {.slot = 7, .state = 0, .name = "tank", .kind = PieceKind::tank, .label = TR("Wassertank", "Water tank"),
     .text = {TR("Der Wassertank der Dusche. Man kann", "The shower's water tank. You can"),
              TR("oben etwas hineinkippen.", "pour things in at the top."), ""},
     .interact = 1, .goto_x = 290, .goto_y = 255,
     .mouse_x = 200, .mouse_y = 95, .mouse_x2 = 280, .mouse_y2 = 154, .frames = kShower.view()},
    {.slot = 8, .state = 0, .name = "feuerloescher", .kind = PieceKind::extinguisher, .label = TR("Feuerlöscher", "Fire extinguisher"),
     .text = {TR("Ein Feuerlöscher. Bei meinen Versuchen", "A fire extinguisher. With my experiments"),
              TR("kann der nicht schaden.", "it can't do any harm."), ""},
     .interact = 1, .goto_x = 590, .goto_y = 260, .frames = kExtinguisher.view()},
    {.slot = 9, .state = 0, .name = "erlenmeier2", .kind = PieceKind::flask_pink, .label = TR("Kolben", "Flask"),
     .text = {TR("Noch ein Kolben. Der riecht nach", "Another flask. It smells of"),
              TR("verbrannten Haaren.", "burnt hair."), ""},
     .interact = 1, .goto_x = 450, .goto_y = 250, .frames = kFlask2.view()},
};

// ---- The story -------------------------------------------------------------------

// The exit the story takes the hero through after the shower, and where he
// arrives: at the time machine in future_physiktp.
constexpr int kShowerExit = 1;
constexpr int kMachineX = 565;
constexpr int kMachineY = 360;

// The shower: with lead solution in the tank, the telescope set up and the
// diamond in the machine, the hero showers and goes next door to the machine,
// which starts on the next pass.
bool use_shower(int) {
  if (story_bleitank == 1 && story_teleskop == 1 && story_diamant == 1) {
    video_douche();
    story_douche = 1;
    set_errand(ErrandKind::leave, kShowerExit);
    new_hero_x[kShowerExit] = kMachineX;
    new_hero_y[kShowerExit] = kMachineY;
    enter_new_room();
  } else if (story_bleitank == 0) {
    hero_remark(TR("Nicht ohne mein Quietscheentchen!", "I'm clean enough."));
  } else {
    hero_remark(TR("Ich sollte erst noch eine Energiequelle", "I should first complete the time machine of Mister"),
                TR("für die Zeitmaschine auftreiben.", "Zirud."));
  }
  return true;
}

// The lead solution goes into the shower's tank; the rest stays in the
// hero's hand, now to be showered with.
bool fill_tank(int) {
  video_blei_douche();
  story_bleitank = 1;
  const ItemLook look = look_up_item("bleiloesung");  // described anew now
  for (int l = 0; l < kTextLines; ++l) arrow_describe[l] = look.lines[l];
  mouse_status = kModeItem;
  return true;
}

constexpr VerbRule kPieceRules[] = {
    {Verb::use, "douche", nullptr, use_shower},
    {Verb::use_item, "tank", "bleiloesung", fill_tank},
};

}  // namespace

extern const RoomScript room_future_chimietp = {
    .name = "future_chimietp",
    .title = TR("Chemielabor", "Chemistry lab"),
    .data_file = "fchimtp.dat",
    .state_file = "sav/tmp/fchimtp.sav",
    .background = 4,
    .highest_object = 7,
    .min_hero_length = -0.2f,
    .increase_rate = 250.0f,
    .furni_nr = 10,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    // The room shares the floor plan of chimietp, and with it its walking rules.
    .area = area_chimietp,
    .allow_walk = allow_walk_chimietp,
    .extra_click = extra_click_chimietp,
    .piece_rules = kPieceRules,
};

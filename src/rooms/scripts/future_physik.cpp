// Room future_physik: the physics room of the future school, where Dori
// keeps watch over Mr Zirud's big telescope.

#include "core/errand.h"
#include "core/tr.h"
#include "cutscenes/videos.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "rooms/room_script.h"
#include "rooms/rooms.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

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

// The chair stands right of the telescope's tripod, clear of its box and of Dori's.
constexpr auto kChair = FrameList<1>{}.add(0, 322, 300);
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
     .text = {TR("Ein riesiges Teleskop. Damit könnte man", "A huge telescope. You could look right"),
              TR("bis ins Lehrerzimmer schauen.", "into the staff room with it."), ""},
     .interact = 1, .goto_x = 260, .goto_y = 380, .frames = kTelescope.view()},
    {.slot = 3, .state = 0, .name = "guitar", .kind = PieceKind::guitar, .label = TR("Gitarre", "Guitar"),
     .text = {TR("Eine E-Gitarre! Wer lässt denn so", "An electric guitar! Who leaves a thing"),
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
  {TR("Dori. Früher war er in meiner Klasse,", "Dori. He used to be in my class,"),      \
   TR("jetzt schleppt er Sachen für Herr Zirud.", "now he carries things for Mr Zirud."), \
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

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Conversation of future_physik: Dori, once in the hero's class, now Mister
// Zirud's assistant, who looks after the big telescope.
//
// Tree of person 0 (count after the overrides, "ends" = ends the conversation):
//   1        "Hey Dori ! Long time no see !"                   1
//   2        what are you doing here (assistant)           10000
//     2.1      don't you miss our class                        1
//     2.2      is Zirud mad (he still thinks of Dossel)        1
//     2.3      who is the new headmaster                       1
//     2.4      taking leave                                10000  ends
//   3        can you help me                               10000
//     3.1      where to find a diamond (Rurura's showcase,     1
//              alarm with three levers)
//     3.2      "forget it"                                 10000  ends
//   4        that huge telescope (Zirud's)                 10000
//     4.1      what can you see with it                        1
//     4.2      may I look through it (never at the sun)        1
//     4.3      how heavy is it (he'd carry it for Zirud)       1
//     4.4      can it focus sunlight (a beam, hot enough)  10000
//       4.4.1    Zirud needs an energy source                  1  ends  -> cons_adyteleskop
//       4.4.2    "just curious"                            10000  ends
//     4.5      taking leave                                10000  ends
//   5        taking leave                                  10000  ends
// Top level 5, deepest level 3, nothing withheld.
// Detected: path 4.4, choice 1 (4.4.1) raises cons_adyteleskop: Dori carries
// the telescope to the lab and the hero follows him.

// Person 0: Dori (dori_future), Mister Zirud's assistant.
constexpr TalkLine kFuturePhysikTalk[] = {
    {0, talk_path("1"), {TR("Hey Dori ! Lange nicht gesehen !", "Hey Dori ! Long time no see !"), "", ""},
                        {TR("Psst, nicht so laut ! Herr Zirud hört alles.", "Shh, not so loud ! Mister Zirud hears everything."),
                         TR("Seit ich sein Assistent bin, hab ich keine Pause.", "Since I became his assistant I never get a break."), ""}},

    {0, talk_path("2"), {TR("Was machst du eigentlich hier ?", "What are you actually doing here ?"), "", ""},
                        {TR("Ich putze Linsen und schleppe Sachen für", "I polish lenses and carry things for"),
                         TR("Herrn Zirud. Assistent nennt er das.", "Mister Zirud. He calls it being an assistant."), ""}},
    {0, talk_path("2.1"), {TR("Vermisst du unsere Klasse nicht ?", "Don't you miss our class ?"), "", ""},
                          {TR("Die Klasse schon. Den Unterricht nicht.", "The class, yes. The lessons, no."),
                           TR("Hier gibt es wenigstens keine Tests.", "At least there are no tests in here."), ""}},
    {0, talk_path("2.2"), {TR("Ist Herr Zirud eigentlich verrückt ?", "Is Mister Zirud actually mad ?"), "", ""},
                          {TR("Ein bisschen. Aber er ist der Einzige hier,", "A bit. But he's the only one here who"),
                           TR("der noch an Direktor Dossel denkt.", "still thinks of headmaster Dossel."), ""}},
    {0, talk_path("2.3"), {TR("Wer ist eigentlich der neue Direktor ?", "Who is the new headmaster, anyway ?"), "", ""},
                          {TR("Keiner hat ihn je gesehen. Er schickt nur", "Nobody has ever seen him. He only sends"),
                           TR("Wachen, Kameras und Zugangskarten.", "guards, cameras and access cards."), ""}},
    {0, talk_path("2.4"), {TR("Ich lass dich mal weiterputzen.", "I'll let you get on with your polishing."), "", ""},
                          {TR("Danke. Die Linse glänzt noch nicht genug.", "Thanks. The lens isn't shiny enough yet."), "", ""}},

    {0, talk_path("3"), {TR("Kannst du mir bei etwas helfen ?", "Can you help me with something ?"), "", ""},
                        {TR("Kommt drauf an. Was brauchst du denn ?", "Depends. What do you need ?"), "", ""}},
    {0, talk_path("3.1"), {TR("Wo finde ich einen Diamanten ?", "Where do I find a diamond ?"), "", ""},
                          {TR("Herr Rurura hat einen in seiner Vitrine. Aber", "Mister Rurura has one in his showcase. But"),
                           TR("die hängt an einer Alarmanlage mit drei Hebeln.", "it's wired to an alarm with three levers."),
                           TR("Die richtige Stellung kennt nur er.", "Only he knows the right setting.")}},
    {0, talk_path("3.2"), {TR("Ach, vergiss es.", "Oh, forget it."), "", ""},
                          {TR("Schon vergessen.", "Forgotten already."), "", ""}},

    {0, talk_path("4"), {TR("Was ist das für ein riesiges Teleskop ?", "What's that huge telescope ?"), "", ""},
                        {TR("Das Teleskop von Herrn Zirud. Das beste der", "Mister Zirud's telescope. The best one in the"),
                         TR("ganzen Schule. Ich muss es jeden Tag putzen.", "whole school. I have to polish it every day."), ""}},
    {0, talk_path("4.1"), {TR("Was kann man damit sehen ?", "What can you see with it ?"), "", ""},
                          {TR("Sterne, den Mond... und mit etwas Glück", "Stars, the moon... and with a bit of luck"),
                           TR("das Lehrerzimmer.", "the staff room."), ""}},
    {0, talk_path("4.2"), {TR("Darf ich mal durchschauen ?", "Can I have a look through it ?"), "", ""},
                          {TR("Bloß nicht bei Tag ! Wer damit in die Sonne", "Not in daylight ! Look at the sun through it"),
                           TR("schaut, ist danach blind wie ein Maulwurf.", "and you'll be as blind as a mole."), ""}},
    {0, talk_path("4.3"), {TR("Wie schwer ist das Ding ?", "How heavy is that thing ?"), "", ""},
                          {TR("So schwer, dass ich es nur für Herrn Zirud", "So heavy I'd only carry it for Mister Zirud."),
                           TR("tragen würde. Und nur, wenn er es braucht.", "And only if he really needed it."), ""}},
    {0, talk_path("4.4"), {TR("Kann man damit Sonnenlicht bündeln ?", "Can you focus sunlight with it ?"), "", ""},
                          {TR("Klar. Es macht aus der Sonne einen Strahl, heiß", "Sure. It turns sunshine into a beam hot"),
                           TR("genug für fast alles. Warum fragst du ?", "enough for almost anything. Why do you ask ?"), ""}},
    // Passing on the teacher's request: Dori carries the telescope over.
    {0, talk_path("4.4.1"), {TR("Herr Zirud braucht eine Energiequelle !", "Mister Zirud needs an energy source !"), "", ""},
                            {TR("Für seine Zeitmaschine ? Warum sagst du das nicht", "For his time machine ? Why didn't you say so ?"),
                             TR("gleich ? Ich bring ihm das Teleskop sofort rüber.", "I'll carry the telescope over to him right now."), ""}},
    {0, talk_path("4.4.2"), {TR("Nur so. Reine Neugier.", "No reason. Just curious."), "", ""},
                            {TR("Neugier hat hier schon ganz andere eingesperrt.", "Curiosity has got better people locked up."), "", ""}},
    {0, talk_path("4.5"), {TR("Schon gut, ich muss weiter.", "Never mind, I have to go."), "", ""},
                          {TR("Bis dann. Und fass nichts an !", "See you. And don't touch anything !"), "", ""}},

    {0, talk_path("5"), {TR("Mach's gut, Dori.", "Take care, Dori."), "", ""},
                        {TR("Du auch. Und lass dich nicht erwischen.", "You too. And don't get caught."), "", ""}},
};

// Counts, endings and withheld sentences that differ from the derived ones.
constexpr TalkOverride kFuturePhysikTalkOverrides[] = {
    {.person = 0, .path = talk_path("2"), .call_nr = 10000},
    {.person = 0, .path = talk_path("2.4"), .call_nr = 10000, .exit = 1},
    {.person = 0, .path = talk_path("3"), .call_nr = 10000},
    {.person = 0, .path = talk_path("3.2"), .call_nr = 10000, .exit = 1},
    {.person = 0, .path = talk_path("4"), .call_nr = 10000},
    {.person = 0, .path = talk_path("4.4"), .call_nr = 10000},
    {.person = 0, .path = talk_path("4.4.1"), .exit = 1},
    {.person = 0, .path = talk_path("4.4.2"), .call_nr = 10000, .exit = 1},
    {.person = 0, .path = talk_path("4.5"), .call_nr = 10000, .exit = 1},
    {.person = 0, .path = talk_path("5"), .call_nr = 10000, .exit = 1},
};

// Passing on the teacher's request (4.4.1).
void detect_cons_future_physik() {
  if (chosen(0, talk_path("4.4.1"))) cons_adyteleskop = 1;
}

// Dori carries the telescope to the physics lab and the hero follows him
// through exit 0, arriving at (320, 365).
void cons_future_physik() {
  if (cons_adyteleskop != 1) return;
  video_ady_teleskop();
  story_adyteleskop = 1;
  story_zirud_talk = 2;
  cons_adyteleskop = 0;
  set_errand(ErrandKind::leave, 0);
  new_hero_x[0] = 320;
  new_hero_y[0] = 365;
  enter_new_room();
}

constexpr VerbRule kGiftRules[] = {
    canister_gift("dori_future"),
    {Verb::give, "dori_future", nullptr, nullptr, {TR("Was soll ich damit ?", "Thank you. But I don't need it.")}},
};

}  // namespace

// ---- The story -------------------------------------------------------------------

namespace {

// Once Dori has carried the telescope to the physics lab, neither is here.
void story_future_physik() {
  if (story_adyteleskop != 1) return;
  furni_present[2] = 0;
  person_present[0] = 0;
}

// The guitar that stood behind the telescope.
bool take_guitar(int) {
  // Held before the scene hides it: no way out of the scene leaves it hidden and not held.
  hold_item("guitar");
  video_take_guitar();
  return true;
}

constexpr VerbRule kPieceRules[] = {{Verb::take, "guitar", nullptr, take_guitar}};

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
    .piece_rules = kPieceRules,
    .person_rules = kGiftRules,
    .story = story_future_physik,
    .talk_lines = kFuturePhysikTalk,
    .talk_overrides = kFuturePhysikTalkOverrides,
    .detect_cons = detect_cons_future_physik,
    .cons = cons_future_physik,
};

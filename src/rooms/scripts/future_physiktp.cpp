// Room future_physiktp: the physics lab of the future school, where Mr Zirud
// builds his time machine: the reactor with its levers, buttons and display,
// later the telescope as the energy source and the diamond in the machine.

#include "core/tr.h"
#include "cutscenes/videos.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "rooms/room_script.h"
#include "rooms/rooms.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

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

// The telescope hangs from its mount on the wall above the door, its lens at
// the right, where the time machine's beams start.
constexpr auto kTelescope = FrameList<1>{}.add(9, 545, 150);
// The diamond, once handed over, sits on the reactor's cap (not in the air beside it).
constexpr auto kDiamond = FrameList<1>{}.add(1, 322, 209);
// The reactor stands on the floor's back edge, its foot at (329, 336); the two
// levers stand beside it on its right, left of Mr Zirud.
constexpr auto kLever = FrameList<1>{}.add(2, 372, 277);
constexpr auto kLever2 = FrameList<1>{}.add(3, 408, 277);
constexpr auto kReactor = FrameList<1>{}.add(0, 290, 223);
// The display runs through its digits, the buttons blink.
constexpr auto kDisplay = FrameList<3>{}.run(4, 6, 190, 60, 3);
constexpr auto kButtons = FrameList<2>{}.add(7, 200, 150, 5).add(8, 200, 150, 5);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "teleskop", .kind = PieceKind::telescope_mounted, .label = TR("Teleskop", "Telescope"),
     .text = {TR("Das Teleskop aus dem Physiksaal. Es bündelt", "The telescope from the physics room. Now it"),
              TR("jetzt die Sonne für die Zeitmaschine.", "focuses the sun for the time machine."), ""},
     .interact = 1, .goto_x = 560, .goto_y = 355, .frames = kTelescope.view()},
    {.slot = 1, .state = 0, .name = "diamond", .kind = PieceKind::diamond, .label = TR("Diamant", "Diamond"),
     .text = {TR("Der Diamant sitzt in der Maschine. Schade,", "The diamond sits in the machine. Pity,"),
              TR("der hätte mir ein neues Moped bezahlt.", "it would have bought me a new moped."), ""},
     .interact = 1, .goto_x = 345, .goto_y = 370, .frames = kDiamond.view()},
    {.slot = 2, .state = 0, .name = "hebel", .kind = PieceKind::lever, .label = TR("Hebel", "Lever"),
     .text = {TR("Ein Hebel an der Zeitmaschine.", "A lever of the time machine."),
              TR("Lieber nicht anfassen.", "Better not touch it."), ""},
     .interact = 1, .goto_x = 388, .goto_y = 365, .frames = kLever.view()},
    {.slot = 3, .state = 0, .name = "hebel2", .kind = PieceKind::lever, .label = TR("Hebel", "Lever"),
     .text = {TR("Noch ein Hebel. Der ist rot.", "Another lever. This one is red."),
              TR("Rot ist nie gut.", "Red is never good."), ""},
     .interact = 1, .goto_x = 424, .goto_y = 365, .frames = kLever2.view()},
    {.slot = 4, .state = 0, .name = "Atomkraft", .kind = PieceKind::reactor, .label = TR("Reaktor", "Reactor"),
     .text = {TR("Ein kleiner Atomreaktor. Herr Zirud sagt,", "A small nuclear reactor. Mr Zirud says"),
              TR("der ist völlig ungefährlich. Sagt er.", "it is perfectly safe. So he says."), ""},
     .interact = 1, .goto_x = 345, .goto_y = 370, .frames = kReactor.view()},
    {.slot = 5, .state = 0, .name = "Anzeige", .kind = PieceKind::display, .label = TR("Anzeige", "Display"),
     .text = {TR("Eine Anzeige. Sie zählt die Jahre,", "A display. It counts the years,"),
              TR("ich zähle die Tage bis zu den Ferien.", "I count the days to the holidays."), ""},
     .interact = 1, .goto_x = 300, .goto_y = 360, .frames = kDisplay.view()},
    {.slot = 6, .state = 0, .name = "buttons", .kind = PieceKind::buttons, .label = TR("Knöpfe", "Buttons"),
     .text = {TR("Knöpfe. Viele Knöpfe. Keiner davon", "Buttons. Lots of buttons. Not one"),
              TR("ist beschriftet.", "of them labelled."), ""},
     .interact = 1, .goto_x = 300, .goto_y = 365, .frames = kButtons.view()},
};

// Mr Zirud tinkers at the machine (FrizzeRol), on the floor right of the
// reactor, his feet at (510, 347); talking, turning to the hero and back; the
// hero talks to him from his left. Object 31 is the room's background.
constexpr auto kZirudIdle = FrameList<12>{}.run(10, 21, 461, 171).hold(0, 25).hold(6, 12).talk_at(0).talk_at(6);
constexpr auto kZirudTalk = FrameList<9>{}.run(22, 30, 461, 171);
constexpr auto kZirudTurn = FrameList<4>{}.run(32, 35, 461, 171);
constexpr auto kZirudBack = FrameList<4>{}.run(35, 32, 461, 171);
// Dori, back from carrying the telescope, gets his breath back at the left
// end of the floor in front of the reactor, his feet at (292, 385), out of
// the way to the machine.
constexpr auto kDoriIdle = FrameList<8>{}.run(36, 43, 239, 191, 2).hold(0, 10);

#define ZIRUD_TEXT                                                                        \
  {TR("Herr Zirud, der Physiklehrer. Er baut", "Mister Zirud, the physics teacher. He has"), \
   TR("seit Jahren an seiner Zeitmaschine.", "been building his time machine for years."), ""}

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 440, .goto_y = 370, .frames = kZirudIdle.view()},
    {.slot = 0, .state = 1, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 440, .goto_y = 370, .frames = kZirudTalk.view()},
    {.slot = 0, .state = 2, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 440, .goto_y = 370, .frames = kZirudTurn.view()},
    {.slot = 0, .state = 3, .name = "FrizzeRol", .kind = PersonKind::frizze, .label = TR("Herr Zirud", "Mr Zirud"), .text = ZIRUD_TEXT, .interact = 1, .talk = 1, .talk_dir = kTalkRight,
     .goto_x = 440, .goto_y = 370, .frames = kZirudBack.view()},
    {.slot = 1, .state = 0, .name = "Dori", .kind = PersonKind::dori,
     .text = {TR("Dori. Er keucht noch vom Teleskop.", "Dori. Still puffing from the telescope."), "", ""},
     .frames = kDoriIdle.view()},
};
#undef ZIRUD_TEXT

}  // namespace

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Conversation of future_physiktp: Mister Zirud, the physics teacher, at his
// time machine. Dori (person 1) has nothing to say.
//
// Tree of person 0 (count after the overrides, "ends" = ends the conversation):
//   1        greeting "Hallo Herr Zirud !"                     1  (derived 7; 6 in game_en)
//     1.1      the way to the headmaster's office              3  (2 in game_en)
//       1.1.1    frightened: "then rather not"                 1  ends
//       1.1.2    frightened: "I only got lost"                 1  ends
//       1.1.3    frightened: "I want to go home" (game_de only) 1 ends
//     1.2      threat: knocked Betong out, "you're next"       3
//       1.2.1    "er... yes ?"                                 1  ends
//       1.2.2    "just kidding"                                1  ends
//       1.2.3    "I'll be going, then"                         1  ends
//     1.3      here only by chance                             1  ends
//   2        what are you building (a time machine)        10000
//     2.1      what is still missing (energy source,       10000
//              diamond, someone to send; hints: focused
//              sunlight, Rurura's showcase)
//     2.2      what a time machine is good for                 1
//     2.3      is it dangerous (radiation; ask Rurura)         1
//     2.4      taking leave                                10000  ends
//   3        the locked doors -> "You need an access card." 10000
//     3.1      how to get such a card (help finish it)     10000
//       3.1.1    what the machine is for (Herr Dossel;     10000
//                the hero is the one to go)
//         3.1.1.1  accepts: "Ok, meinetwegen..."               1  ends  -> cons_gotaccesscard
//         3.1.1.2  refuses                                 10000  ends
//     3.2      there must be another way                       1
//     3.3      taking leave ("I'll think about it")        10000  ends
//   4        taking leave                                  10000  ends
// Top level 4, deepest level 4, nothing withheld.
// Detected: path 3.1.1, choice 1 (3.1.1.1) raises cons_gotaccesscard and sets
// the counts of 1 and 3 to 0.

// Person 0: Mister Zirud (FrizzeRol), the physics teacher.
constexpr TalkLine kFuturePhysiktpTalk[] = {
    {0, talk_path("1"), {TR("Hallo Herr Zirud !", "Hello Mister Zirud !"), "", ""},
                        {TR("Hm ? Ein Schüler, in meinem Labor ?", "Hm ? A pupil, in my lab ?"),
                         TR("Was willst du ? Ich habe zu tun.", "What do you want ? I'm busy."), ""}},
    {0, talk_path("1.1"), {TR("Wo geht es zum Büro des Direktors ?", "Which way is the headmaster's office ?"), "", ""},
                          {TR("Zum Direktor ? Freiwillig ? Wer da reingeht,", "The headmaster ? Of your own free will ?"),
                           TR("kommt als Fußabtreter wieder raus.", "Whoever goes in there comes out a doormat."),
                           TR("Wenn er überhaupt wieder rauskommt.", "If he comes out at all.")}},
    {0, talk_path("1.1.1"), {TR("Äh... dann lieber doch nicht.", "Er... on second thoughts, no thanks."), "", ""},
                            {TR("Kluge Entscheidung. Und jetzt raus hier.", "Wise choice. Now off you go."), "", ""}},
    {0, talk_path("1.1.2"), {TR("Ich... ich hab mich nur verlaufen.", "I... I just got lost."), "", ""},
                            {TR("Dann verlauf dich woanders hin.", "Then get lost somewhere else."), "", ""}},
    // Only game_de has this third answer: in game_en line 0 is empty, so
    // there is no sentence here and 1.1 has two follow-ups.
    {0, talk_path("1.1.3"), {TR("Ich will nach Hause !", ""), "", ""},
                            {TR("Das wollen wir alle. Raus jetzt.", ""), "", ""}},
    {0, talk_path("1.2"), {TR("Ich hab Betong umgehauen. Sie sind der Nächste !", "I knocked Betong out. You're next !"), "", ""},
                          {TR("Betong ? Der fällt um, wenn man ihn schief", "Betong ? He falls over if you look at him"),
                           TR("anschaut. Und du willst mir Angst machen ?", "funny. And you want to scare me ?"),
                           TR("Ich spalte Atome zum Frühstück, Kleiner.", "I split atoms for breakfast, sonny.")}},
    {0, talk_path("1.2.1"), {TR("Äh... ja ?", "Er... yes ?"), "", ""},
                            {TR("Netter Versuch. Raus.", "Nice try. Out."), "", ""}},
    {0, talk_path("1.2.2"), {TR("War nur ein Witz, Herr Zirud.", "Just kidding, Mister Zirud."), "", ""},
                            {TR("Ich lache später. Raus jetzt.", "I'll laugh later. Out you go."), "", ""}},
    {0, talk_path("1.2.3"), {TR("Ich... geh dann mal.", "I'll... be going, then."), "", ""},
                            {TR("Die beste Idee, die du heute hattest.", "Best idea you've had all day."), "", ""}},
    {0, talk_path("1.3"), {TR("Ich bin nur zufällig hier.", "I'm only here by chance."), "", ""},
                          {TR("Dann geh zufällig wieder. Ich muss arbeiten.", "Then leave by chance too. I have work to do."), "", ""}},

    {0, talk_path("2"), {TR("Was bauen Sie da eigentlich ?", "What are you building there ?"), "", ""},
                        {TR("Eine Zeitmaschine. Fast fertig. Es fehlen", "A time machine. Almost finished. There are"),
                         TR("nur noch ein paar Kleinigkeiten.", "just a few little things missing."), ""}},
    {0, talk_path("2.1"), {TR("Was fehlt denn noch ?", "What's still missing ?"), "", ""},
                          {TR("Eine Energiequelle, am besten gebündelte Sonne,", "An energy source, best of all focused sunlight,"),
                           TR("einen Diamanten und jemanden, den wir schicken.", "a diamond, and someone we can send. Mister"),
                           TR("Herr Rurura hat einen Diamanten in seiner Vitrine.", "Rurura keeps a diamond in his showcase.")}},
    {0, talk_path("2.2"), {TR("Wozu braucht man eine Zeitmaschine ?", "What does anyone need a time machine for ?"), "", ""},
                          {TR("Um Fehler wiedergutzumachen. Zum Beispiel den,", "To put mistakes right. Like the one I made"),
                           TR("dass ich Lehrer geworden bin.", "when I became a teacher."), ""}},
    {0, talk_path("2.3"), {TR("Ist das nicht gefährlich ?", "Isn't that dangerous ?"), "", ""},
                          {TR("Nur wegen der radioaktiven Strahlung. Wer reist,", "Only because of the radiation. Whoever travels"),
                           TR("muss sich dagegen schützen. Frag Herrn Rurura,", "has to be protected against it. Ask Mister"),
                           TR("der ist Chemiker.", "Rurura, he's the chemist.")}},
    {0, talk_path("2.4"), {TR("Ich muss dann los.", "I have to go now."), "", ""},
                          {TR("Ja, ja. Stör mich nicht beim Rechnen.", "Yes, yes. Don't disturb my calculations."), "", ""}},

    {0, talk_path("3"), {TR("Wie komm ich durch die Türen ? Die sind alle zugesperrt.",
                            "How can I get through the doors ? They're all locked up."), "", ""},
                        {TR("Dazu brauchst du eine Zugangskarte.", "You need an access card."), "", ""}},
    {0, talk_path("3.1"), {TR("Und wie komme ich an so eine Karte ?", "And how do I get one of those ?"), "", ""},
                          {TR("Ich habe eine. Hilf mir, meine Zeitmaschine", "I have one. Help me finish my time machine"),
                           TR("fertig zu bauen, dann gehört sie dir.", "and it's yours."), ""}},
    {0, talk_path("3.1.1"), {TR("Wozu soll die Zeitmaschine denn gut sein ?", "And what's the time machine for ?"), "", ""},
                            {TR("Direktor Dossel ist nicht einfach verschwunden.", "Headmaster Dossel didn't just vanish. Someone"),
                             TR("Jemand muss ihn in der Vergangenheit suchen.", "has to go and look for him in the past."),
                             TR("Und dieser Jemand bist du.", "And that someone is you.")}},
    // The deal: choosing this one hands over the access card.
    {0, talk_path("3.1.1.1"), {TR("Ok, meinetwegen... ich habe ja keine Wahl wenn ich hier lebend",
                                  "Ok, fine... I don't have much choice if I want"),
                               TR("rauskommen will.", "to get out of here alive."), ""},
                              {TR("Braver Junge. Hier ist die Karte.", "Good lad. Here's the card."), "", ""}},
    {0, talk_path("3.1.1.2"), {TR("Niemals ! Suchen Sie sich einen anderen Dummen.", "Never ! Find yourself another fool."), "", ""},
                              {TR("Wie du willst. Dann bleib eben eingesperrt.", "As you wish. Then stay locked in."), "", ""}},
    {0, talk_path("3.2"), {TR("Es muss doch noch einen anderen Weg geben.", "There must be some other way."), "", ""},
                          {TR("Gibt es nicht. Ohne Karte keine Tür.", "There isn't. No card, no door."),
                           TR("Der neue Direktor hat an alles gedacht.", "The new headmaster thought of everything."), ""}},
    {0, talk_path("3.3"), {TR("Ich überleg's mir.", "I'll think about it."), "", ""},
                          {TR("Tu das. Du weißt ja, wo du mich findest.", "Do that. You know where to find me."), "", ""}},

    {0, talk_path("4"), {TR("Auf Wiedersehen, Herr Zirud.", "Goodbye, Mister Zirud."), "", ""},
                        {TR("Ja, ja. Mach die Tür hinter dir zu.", "Yes, yes. Close the door behind you."), "", ""}},
};

// Counts, endings and withheld sentences that differ from the derived ones.
constexpr TalkOverride kFuturePhysiktpTalkOverrides[] = {
    // The greeting branch allows one answer only.
    {.person = 0, .path = talk_path("1"), .call_nr = 1},
    {.person = 0, .path = talk_path("1.1.1"), .exit = 1},
    {.person = 0, .path = talk_path("1.1.2"), .exit = 1},
    {.person = 0, .path = talk_path("1.1.3"), .exit = TR(1, 0)},  // the node exists in game_de only
    {.person = 0, .path = talk_path("1.2.1"), .exit = 1},
    {.person = 0, .path = talk_path("1.2.2"), .exit = 1},
    {.person = 0, .path = talk_path("1.2.3"), .exit = 1},
    {.person = 0, .path = talk_path("1.3"), .exit = 1},
    {.person = 0, .path = talk_path("2"), .call_nr = 10000},
    {.person = 0, .path = talk_path("2.1"), .call_nr = 10000},
    {.person = 0, .path = talk_path("2.4"), .call_nr = 10000, .exit = 1},
    {.person = 0, .path = talk_path("3"), .call_nr = 10000},
    {.person = 0, .path = talk_path("3.1"), .call_nr = 10000},
    {.person = 0, .path = talk_path("3.1.1"), .call_nr = 10000},
    {.person = 0, .path = talk_path("3.1.1.1"), .exit = 1},
    {.person = 0, .path = talk_path("3.1.1.2"), .call_nr = 10000, .exit = 1},
    {.person = 0, .path = talk_path("3.3"), .call_nr = 10000, .exit = 1},
    {.person = 0, .path = talk_path("4"), .call_nr = 10000, .exit = 1},
};

// Accepting the teacher's deal (3.1.1.1) withdraws the greeting and the door
// questions for good.
void detect_cons_future_physiktp() {
  if (!chosen(0, talk_path("3.1.1.1"))) return;
  cons_gotaccesscard = 1;
  talk_tree[0].at(talk_path("1")).s_call_nr = 0;
  talk_tree[0].at(talk_path("3")).s_call_nr = 0;
}

// The card is handed over; its doors open from the next pass on.
void cons_future_physiktp() {
  if (cons_gotaccesscard != 1) return;
  video_zirud_give_card();
  give_item("access");
  story_gotaccesscard = 1;
  cons_gotaccesscard = 0;
}

// Mr Zirud takes the diamond for his machine and says what is still missing.
bool give_diamond(int) {
  story_diamant = 1;
  video_give_dia();
  take_carried_item();
  if (story_teleskop == 1)
    person_answer(TR("Ok, die Zeitmaschine ist jetzt fertig. Jetzt musst",
                     "Ok the time machine is finished now. But you still have"),
                  TR("du dich nur noch gegen die radioaktive Strahlung",
                     "to find a way to protect yourself against the radiation."),
                  TR("schützen.", ""));
  else
    person_answer(TR("Was wir jetzt noch brauchen ist ein Strahlenbündler.",
                     "Well done. We still need a high energy source and you've"),
                  TR("Außerdem musst du dich gegen die radioaktive Strahlung",
                     "to find a way to protect yourself against the radiation."),
                  TR("schützen.", ""));
  return true;
}

constexpr VerbRule kGiftRules[] = {
    canister_gift("FrizzeRol"),
    {Verb::give, "FrizzeRol", "diamond", give_diamond},
    {Verb::give, "FrizzeRol", nullptr, nullptr,
     {TR("Das hilft mir nicht weiter bei der Zeitmaschine.", "That doesn't help me with the time machine.")}},
};

}  // namespace

// ---- The story -------------------------------------------------------------------

namespace {

// The access card opens the door to future_physik; the telescope Dori carried
// over stands here, and Dori with it.
void story_future_physiktp() {
  if (story_gotaccesscard == 1) go_through[1] = 1;
  if (story_adyteleskop == 1) {
    furni_present[0] = 1;
    person_present[1] = 1;
  }
}

bool hands_off(int) {
  hero_remark(TR("Daran sollte ich besser nicht herumspielen.", "Maybe I shouldn't play with this lever."));
  return true;
}

constexpr VerbRule kPieceRules[] = {
    {Verb::use, "hebel2", nullptr, hands_off},
    {Verb::use, "buttons", nullptr, hands_off},
};

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
    .piece_rules = kPieceRules,
    .person_rules = kGiftRules,
    .story = story_future_physiktp,
    .talk_lines = kFuturePhysiktpTalk,
    .talk_overrides = kFuturePhysiktpTalkOverrides,
    .detect_cons = detect_cons_future_physiktp,
    .cons = cons_future_physiktp,
};

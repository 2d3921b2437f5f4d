// A scripted player for the story tests and the gallery: the game played headless through its main loop with
// real clicks, one move at a time (p.exit_to("kicker"); p.use_item("tool", "case00")), each running passes until
// the hero stands still. A move that cannot be made or end in time is reported, named, and stops the play.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>
namespace story {
class Player {
 public:
  Player();
  ~Player();
  Player(const Player&) = delete;
  void walk(int x, int y);           // a click on the floor
  void exit_to(const char* room);    // through the open door that leads to `room`
  void try_exit(int k);              // through door k, open or not; back in control after
  void look(const char* piece);      // the default verb
  void take(const char* piece);      // the take verb; what he takes stays on the pointer
  void use(const char* piece);       // the use verb
  void use_item(const char* item, const char* piece);   // from the bag onto the piece
  void give(const char* item, const char* person);      // from the bag onto the person
  // Talk to a person and choose the sentences at these paths ("3", "3.1", ...), each in the menu it is
  // offered in; the conversation ends with the last.
  void talk(const char* person, std::initializer_list<const char*> path);
  void talk(const char* person, const std::vector<std::string>& path);
  void combine(const char* held, const char* on);  // in the bag; the product goes back
  void stow();    // a right click: the carried item back into the bag
  void settle();  // passes until the story's pending scenes have played
  const std::string& move() const { return move_; }  // the move running

 private:
  void begin(const std::string& what, bool keep = false);
  void put_verb_back();
  void fail(const std::string& why);
  void press(int x, int y, int button = 1, const std::string& listen = {});
  void press_without_mouse(int x, int y, int button);
  void press_by_ear(const std::string& listen, int button);
  void click_thing(bool person, int slot);
  void click_on(bool person, const char* name, int verb = -1, int mode = 0);
  void in_bag(std::vector<std::pair<std::function<bool()>, std::function<void()>>> plan);
  void pick_from_bag(const char* item);
  void wait_idle(int ms = 120000, bool scenes = false);
  std::string move_;
};

// The slot of the present piece / person, or the bag's slot, holding `name`; -1 for none.
int piece_slot(const char* name);
int person_slot(const char* name);
int bag_slot(const char* name);
bool holds(const char* item);  // in the bag or on the pointer

// For players that act from the frames themselves (the random player, a close at a chosen moment): `hook` runs
// first after every frame of the current Player; when it returns true it has taken the frame.
void on_frame_first(std::function<bool()> hook);
bool idle();                                   // the hero stands, nothing under way, the hand free
bool hand_free();                              // the last click let go a while ago
void click_at(int mx, int my, int button = 1);
int menu_options();                            // the conversation's menu now: a bit per option offered (1 << c)
int option_y(int c);                           // the middle of option c's first line (they stack up from the bottom)
void click_option(int c);
// Where the clicks aim: floor_point, exit_point, thing_point (frame/click_points.h), the game's own.
// From now on (until a new Player) the player cannot aim a mouse: a click on a piece, a person, a door, the bag or
// a verb is made with the jump keys (Page Down) and Enter, a right click with Backspace, and a click on the floor
// with the pad's stick and A.
void aim_without_mouse();
// From now on (until a new Player) the player cannot see the screen either: reading aloud is on, and every click
// on a piece, a person, a door, the bag, a verb, a conversation's choice or an item in the bag is made with Page
// Down, again and again until the pointer's new place is said aloud with the words it listens for (the names the
// Tab key shows, the verbs' and the bag's names, a choice's sentence, an item's description; headless::spoken()),
// then Enter; a right click is Backspace. It never asks where a thing is.
void play_without_sight();
// The words said aloud for the last jump since spoken()[from]: the newest text that cut off what was being said.
std::string heard_since(size_t from);
const std::string& failure();                  // the first move that failed, "" for none
[[noreturn]] void give_up(const std::string& why);  // fails the test, named, and stops the play
void leave_failures_unreported();  // from now on a failed move only stops the play (see failure())
// How a failed move is reported, named, besides stopping the play: on standard error unless set (the tests make
// it a failure of the test that made the move).
void report_failures_with(std::function<void(const std::string&)> report);
}  // namespace story

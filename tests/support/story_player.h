// A scripted player for the story tests: the game is played headless through
// its own main loop with real clicks, one verb at a time, so a scenario reads
// as a player's moves:
//
//   story::Player p;
//   p.exit_to("future_physiktp");
//   p.talk("FrizzeRol", {"3", "3.1", "3.1.1", "3.1.1.1"});
//   p.use_item("tool", "case00");
//
// Every move clicks where the player would (a piece, person or door is
// clicked at a point that is on it and on nothing else), then runs main-loop
// passes until the hero has done what he was sent to do and stands still
// again. What happens inside a pass (a conversation's menus, the inventory
// screen) is answered by a probe after every frame presented. A move that
// cannot be made, or that the game does not finish within its time, fails
// the test with the move's name and stops the play (headless::Stopped).
#pragma once

#include <initializer_list>
#include <string>

namespace story {

class Player {
 public:
  Player();
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // A click on the floor at (x, y); the hero walks there (or as near as the
  // room lets him).
  void walk(int x, int y);
  // Through the open door of this room that leads to `room`.
  void exit_to(const char* room);
  // Through door `k` of this room, open or not; back in control afterwards
  // (a closed door, or the guard, may keep the hero in the room).
  void try_exit(int k);
  // The default verb on a piece (look).
  void look(const char* piece);
  // The take verb from the panel on a piece; the carried item is put into
  // the bag first, and what he takes stays on the pointer.
  void take(const char* piece);
  // The use verb from the panel on a piece.
  void use(const char* piece);
  // From the bag: pick `item` up, close the bag, click the piece with it.
  void use_item(const char* item, const char* piece);
  // From the bag: pick `item` up, close the bag, click the person with it.
  void give(const char* item, const char* person);
  // Talk to a person and choose the sentences at these paths ("3", "3.1",
  // ...), each in the menu it is offered in; the conversation must end with
  // the last.
  void talk(const char* person, std::initializer_list<const char*> path);
  // In the bag: pick `held` up and click it on `on`; the product is put back.
  void combine(const char* held, const char* on);
  // A right click in the room: the carried item goes back into the bag.
  void stow();
  // Main-loop passes until the story's pending scenes have played (two-pass
  // counters) and nothing is going on.
  void settle();

  // Which move is running (for failure messages).
  const std::string& move() const { return move_; }

 private:
  void begin(const std::string& what);
  void fail(const std::string& why);
  void press(int x, int y);
  void click_thing(bool person, int slot);
  void pick_from_bag(const char* item);
  void wait_idle(int ms = 120000);
  std::string move_;
};

// Slot of the present piece / person called `name` in the current room, -1 for none.
int piece_slot(const char* name);
int person_slot(const char* name);
// Inventory slot holding `name`, -1 for none.
int bag_slot(const char* name);

}  // namespace story

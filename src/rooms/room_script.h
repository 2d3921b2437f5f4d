// How a room is written down.
//
// Every room is one file in src/rooms/scripts/, named after the room, that
// defines one RoomScript: its record (datafile, background, perspective,
// counts), its furniture and persons as tables with one row per (slot, state),
// its exits, and its walkable area and waypoints as three small functions
// (area_<room>, allow_walk_<room>, extra_click_<room>). The generic loaders of
// rooms/loading.cpp read these tables where the game calls a room's
// load_room_, init_, furni_, people_ and exit_ hooks. The data generator
// (tools/mkassets) reads the same tables to draw each room's pictures, so a
// room's geometry is written only here.
#pragma once

#include <array>
#include <span>

#include "core/talk_tree.h"
#include "core/world.h"

// One animation frame: a picture of the room's datafile, where its top-left
// corner goes, how many composed frames it stays, and the talk-start mark
// (persons only).
struct Frame {
  short object;
  short x;
  short y;
  short duration = 1;
  short talk = 0;
};

// Builds a frame list at compile time:
//   constexpr auto kIdle = FrameList<58>{}.run(3, 32, 51, 51).run(31, 4, 51, 51).hold(1, 50);
template <int N>
struct FrameList {
  std::array<Frame, N> items{};
  int count = 0;

  // Objects first..last (counting down when last < first), all at (x, y).
  constexpr FrameList run(int first, int last, int x, int y, int duration = 1) const {
    FrameList f = *this;
    const int step = last >= first ? 1 : -1;
    for (int o = first;; o += step) {
      f.items[f.count++] = Frame{static_cast<short>(o), static_cast<short>(x), static_cast<short>(y),
                                 static_cast<short>(duration), 0};
      if (o == last) break;
    }
    return f;
  }
  // One frame.
  constexpr FrameList add(int object, int x, int y, int duration = 1, int talk = 0) const {
    FrameList f = *this;
    f.items[f.count++] = Frame{static_cast<short>(object), static_cast<short>(x), static_cast<short>(y),
                               static_cast<short>(duration), static_cast<short>(talk)};
    return f;
  }
  // Frame `index` of the list stays `duration` composed frames.
  constexpr FrameList hold(int index, int duration) const {
    FrameList f = *this;
    f.items[index].duration = static_cast<short>(duration);
    return f;
  }
  // Frame `index` starts the talking.
  constexpr FrameList talk_at(int index) const {
    FrameList f = *this;
    f.items[index].talk = 1;
    return f;
  }
  constexpr std::span<const Frame> view() const { return {items.data(), static_cast<size_t>(count)}; }
};

// What a piece or a person looks like. The data generator draws each kind
// with a painter of its own (tools/mkassets/room_pieces.cpp); the game does
// not use it. A row that shows the same picture as an earlier row keeps the
// earlier row's kind for it.
enum class PieceKind : unsigned char {
  unset,
  desk, table, main_desk, chair, canister, pendulum, glassware,
  switch_up, switch_middle, switch_down, lever,
  aquarium, picture, map, globe,
  stairs, banister, pillar, pole,
  showcase_rocks, showcase_fossils, showcase_jewel, showcase_broken, showcase_open,
  pavilion, hoop, diamond, periodic_table, alarm_light, fan, telescope, guitar,
  telescope_mounted,  // the telescope hung from a mount on the wall, aimed down at the time machine
  reactor, display, buttons, gas_bottle, hose, flask_green, flask_pink, bunsen_burner,
  book, test_tube, bottle, shower, tank, extinguisher, bin, rubbish_heap,
  screwdriver, pipe, welding_torch, sparks, locker, locker_open, jukebox, table_football,
  crate,  // a neat crate, for what has no drawing of its own
  mop_bucket, school_model, door
};
enum class PersonKind : unsigned char {
  unset,
  friob, dori, sand, sand_asleep, policeman, rarozir, frizze, rurura, betong_out_cold
};

// A furniture slot in one state. Mouse-over bounds of -1 are taken from
// frame 0 when the frames are placed.
struct FurniState {
  int slot;
  int state;
  const char* name;
  PieceKind kind;
  // What the player is shown the piece is called (the markers of the Tab key).
  const char* label = nullptr;
  const char* text[3];
  int interact = 0;
  int take = 0;
  int take_dir = 0;  // kMoveTakeLeft or kMoveTakeRight
  int goto_x = 0;
  int goto_y = 0;
  int mouse_x = -1;
  int mouse_y = -1;
  int mouse_x2 = -1;
  int mouse_y2 = -1;
  std::span<const Frame> frames;
};

// A person slot in one state. A state change clears the slot's other fields
// but keeps whether the person reacts to the mouse, so every row says it.
struct PersonState {
  int slot;
  int state;
  const char* name;
  PersonKind kind;
  // What the player is shown the person is called.
  const char* label = nullptr;
  const char* text[3];
  int interact = 0;
  int talk = 0;
  int talk_dir = kTalkFront;
  int goto_x = 0;
  int goto_y = 0;
  int mouse_x = -1;
  int mouse_y = -1;
  int mouse_x2 = -1;
  int mouse_y2 = -1;
  std::span<const Frame> frames;
};

// An exit: the hot rectangle, the point the hero walks to, where he arrives
// in the target room, and whether the door is open when the room is loaded.
struct ExitDef {
  const char* target;
  int open;
  int x, y, x2, y2;
  int goto_x, goto_y;
  int arrive_x, arrive_y;
};

// One node of a person's conversation: where it sits in the tree (the
// person's talk number and the path of choices), what the hero says there
// and what the person answers. A line of "" is empty; line 0 of the sentence
// empty means there is no sentence at this node (the table may hold such a
// row where one language build has a sentence and the other has none).
struct TalkLine {
  int person;
  TalkPath path;
  const char* sentence[kTalkLines];
  const char* reply[kTalkLines];
};

// What differs at one node from the counts derived from the tree's shape:
// call_nr >= 0 replaces the node's count (10000 or 15000 makes it
// repeatable, 1 single-use); exit 1 makes choosing it end the conversation;
// withheld 1 keeps it from being offered until the story offers it. An
// override of a parent leaves its children alone.
struct TalkOverride {
  int person;
  TalkPath path;
  int call_nr = -1;
  int exit = 0;
  int withheld = 0;
};

// The verbs a room's rule can answer. use_item: the carried item used on a
// piece; give: the carried item given to a person.
enum class Verb { look, take, use, use_item, give, talk };

// One rule of a room: what `verb` does to the piece or person named `name`
// (furni_name / person_name; null: any), with the carried item `item`
// (arrow_obj; null: whatever is carried, or nothing). The first rule that
// matches answers: `run` gets the slot and returns false to hand the action
// on to the standard answer (see rooms/registry.h: piece_verb, person_verb);
// a rule without `run` just says its lines, spoken by the person for a
// person, by the hero for a piece.
struct VerbRule {
  Verb verb;
  const char* name;
  const char* item;
  bool (*run)(int slot) = nullptr;
  const char* says[kTextLines] = {};
};

struct RoomScript {
  const char* name;
  // What the player is shown the room is called (on the markers of the exits
  // that lead there).
  const char* title = nullptr;
  const char* data_file;
  const char* state_file;
  int background;      // object of the datafile shown as the background
  int highest_object;  // the datafile holds at least this many objects plus one
  float min_hero_length;
  float increase_rate;
  int furni_nr;
  int person_nr;
  int exit_nr;
  // Presence at the start of a game, per slot (1 = there).
  std::span<const int> furni_present;
  std::span<const int> person_present;
  std::span<const FurniState> furniture;
  std::span<const PersonState> persons;
  // exit_nr clickable exits, then any slots only the story uses.
  std::span<const ExitDef> exits;
  // The walking rules. Each is a decision list over the room's lines; the
  // dispatcher prepares what it works on, so a room writes only its own
  // decisions:
  //   area         once per walk click. Gets the target as the point (x, y)
  //                (and may read hero_x, hero_y); moves it into the walkable
  //                area. The dispatcher passes a copy of true_x, true_y and
  //                stores what the rule leaves there.
  //   allow_walk   after every tentative step of a path. Gets the step as the
  //                point (x, y), reads the point before it in (last_x,
  //                last_y) (the hero for a path's first step) and its code
  //                hero_action[mov_nr]; calls at most one wall response
  //                (walk_a1(x, y) .. walk_f2(x, y)), which moves the point and
  //                may change the code. The dispatcher passes a copy of
  //                buffer_x, buffer_y and stores what the rule leaves there.
  //   extra_click  once per new walk target. Reads true_x, true_y, hero_x,
  //                hero_y; names the waypoints before the target with via(),
  //                in the order they are walked. The dispatcher adds the
  //                target as the last waypoint.
  // A room without a rule walks everywhere, straight to the target.
  void (*area)(int& x, int& y) = nullptr;
  void (*allow_walk)(int& x, int& y) = nullptr;
  void (*extra_click)() = nullptr;
  // After the exits are set (the room's own exit rule, if it has one).
  void (*after_exits)() = nullptr;
  // What happens to the room's pieces and persons beyond the standard answers.
  std::span<const VerbRule> piece_rules;
  std::span<const VerbRule> person_rules;
  // The room's own story checks, asked by storyline in every pass while the
  // hero is in the room.
  void (*story)() = nullptr;
  // After the hero has entered the room and its state file has been read.
  void (*entered)() = nullptr;
  // The hero has reached the exit of his leave errand: the room may keep
  // him there (clear_errand) before the door is tried.
  void (*leaving)() = nullptr;
  // The conversations of the room's persons: every sentence and reply as a
  // table of nodes, read into the dialogue tables whenever the room is set
  // up; then the counts, endings and withheld sentences that differ from
  // the derived ones (dialogue/talk_data.h says how they are applied).
  std::span<const TalkLine> talk_lines;
  std::span<const TalkOverride> talk_overrides;
  // The conversation hooks with behaviour: conditions before each menu,
  // the reaction to a choice (it sees the path and `choice` before any count
  // changes), and the consequences after every exchange. (Gifts are person
  // rules with Verb::give.)
  void (*cond)() = nullptr;
  void (*detect_cons)() = nullptr;
  void (*cons)() = nullptr;
};

// The next waypoint of the walk being planned (in a room's extra_click rule).
void via(int px, int py);

// A room's area rule applied to the walk target true_x, true_y (for the data
// generator, which paints the floor where the rule leaves a point alone).
void apply_area(const RoomScript& room);

// The sections of what the main loop draws over a room: the Tab view of every
// room, the hero's animations, every pointer picture, the verb panel's states
// and the pause.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/screen_layout.h"
#include "core/world.h"
#include "frame/draw_room.h"
#include "frame/play_keys.h"
#include "game/game.h"
#include "hero/hero.h"
#include "gallery/gallery.h"
#include "gallery/in_room.h"
#include "headless_driver/driver.h"
#include "headless_driver/story_player.h"
#include "interaction/markers.h"
#include "platform/headless.h"
#include "rooms/registry.h"
#include "rooms/room_script.h"

namespace gallery {
namespace {

using namespace screen_layout;

// Names of the Tab view that cover each other or leave the screen.
std::string crowded_names(const std::vector<Marker>& markers) {
  std::string said;
  auto overlap = [](const Rect& a, const Rect& b) { return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2; };
  for (size_t i = 0; i < markers.size(); ++i) {
    const Rect& a = markers[i].box;
    if (a.x1 < 0 || a.y1 < 0 || a.x2 >= kScreenWidth || a.y2 >= kScreenHeight)
      said += std::string(", ") + markers[i].name + " off the screen";
    for (size_t j = i + 1; j < markers.size(); ++j)
      if (markers[i].name && markers[j].name && overlap(a, markers[j].box))
        said += std::string(", ") + markers[i].name + " over " + markers[j].name;
  }
  return said;
}

// The hero where he arrives in `room` through the first door that leads there
// (where a new game puts him when none does).
void hero_arrives(const char* room) {
  for (const RoomScript* from : kRooms)
    for (const ExitDef& e : from->exits)
      if (e.target && std::strcmp(e.target, room) == 0) {
        hero_x = e.arrive_x, hero_y = e.arrive_y;
        return;
      }
}

}  // namespace

// Every room as a new game finds it, the hero come in through a door, Tab held.
void tab_views() {
  for (const RoomScript* r : kRooms) {
    driver::stand_in_room(r->name);
    hero_arrives(r->name);
    mouse_x = -100;
  mouse_y = -100;
    // As the main loop does while Tab is held: the room composed, its markers over it.
    headless::key_down(headless::now(), KEY_TAB);
    markers_wanted_changed();
    draw_room();
    draw_markers();
    const std::vector<Marker> markers = room_markers();
    const std::string crowded = crowded_names(markers);
    if (!crowded.empty()) std::printf("gallery_%s: %s, Tab: %s\n", kLang, r->name, crowded.c_str() + 2);
    keep(memory_screen, std::string(r->name) + " with Tab held: " + std::to_string(markers.size()) + " names" +
                            (crowded.empty() ? "" : " (" + crowded.substr(2) + ")"));
  }
}

// ---- The hero's animations ----------------------------------------------------------------

namespace {

// Where the hero is drawn in the plain room, at his own size (scale 1).
constexpr int kHeroX = 320, kHeroY = 420;
constexpr Rect kHeroArea{kHeroX - 86, kHeroY - 180, kHeroX + 86, kHeroY + 34};

// The frame the game composes with the hero at step `code` of a path.
BITMAP* hero_in(int code) {
  hero_x = kHeroX, hero_y = kHeroY;
  mov_nr = 2, mov_nr1 = 0;
  hero_action[0] = hero_action[1] = code;
  movement_x[0] = kHeroX, movement_y[0] = kHeroY;
  draw_room();
  return cut(memory_screen, kHeroArea);
}

// Each frame of one animation: `set(k)` chooses frame k.
void keep_animation(const std::string& what, int code, int frames, const std::function<void(int)>& set) {
  Sheet sheet;
  for (int k = 0; k < frames; ++k) {
    set(k);
    sheet.add(hero_in(code), "frame " + std::to_string(k + 1));
  }
  sheet.keep("the hero " + what + ", " + std::to_string(frames) + " frames");
}

const char* const kDirections[] = {"up", "down", "left", "right", "up and left", "up and right", "down and left",
                                   "down and right"};

}  // namespace

// The hero alone in a plain room whose perspective keeps him at his own size,
// each animation stepped through frame by frame as hero_frame draws it.
void hero_animations() {
  driver::stand_in_room("future_floor1");
  BITMAP* plain = create_bitmap(kScreenWidth, kScreenHeight);
  clear_to_color(plain, makecol(120, 128, 136));
  rectfill(plain, 0, kHeroY - 40, kScreenWidth - 1, kScreenHeight - 1, makecol(92, 98, 106));
  BITMAP* const room_picture = room_graph;
  room_graph = plain;
  std::fill(std::begin(furni_present), std::end(furni_present), 0);
  std::fill(std::begin(person_present), std::end(person_present), 0);
  hidebuttons = 1;
  min_hero_length = 1.0f, increase_rate = 1e9f;
  keep_animation("standing", kStepStand, 1, [](int) {});
  for (int d = kStepUp; d <= kStepDownRight; ++d)
    keep_animation(std::string("walking ") + kDirections[d - kStepUp], d, 14, [](int k) { go_frame_nr = k; });
  keep_animation("talking to the viewer", kStepTalkFront, 15, [](int k) { talk_frame_nr = k; });
  const std::pair<int, const char*> specials[] = {{kMoveTalkRight, "talking to the right"},
                                                  {kMoveTalkLeft, "talking to the left"},
                                                  {kMoveTakeLeft, "taking to the left"},
                                                  {kMoveTakeRight, "taking to the right"}};
  for (const auto& [move, what] : specials) {
    select_move = move;
    new_hero_move();
    keep_animation(what, kStepSpecial, hero_move_frame_nr, [](int k) { move_frame_nr = k; });
  }
  room_graph = room_picture;
  destroy_bitmap(plain);
}

// ---- Pointers --------------------------------------------------------------------------------

namespace {

// One pointer as the player meets it: the verb chosen first (-1 none), an item
// carried, and where the mouse goes.
struct PointerCase {
  const char* what;
  int verb;
  bool carrying;
  Aim aim;
};

// The room's frames with the mouse at (x, y) for a second: the first kept whole
// with the marks, each picture of the pointer's animation cut out for the sheet.
void watch_pointer(const PointerCase& c, int x, int y, Sheet& sheet) {
  move_mouse(x, y);
  std::set<int> seen;
  const int until = headless::now() + 1000;
  while (headless::now() < until) {
    main_loop_pass();
    if (seen.count(cursor_nr)) continue;
    seen.insert(cursor_nr);
    BITMAP* frame = headless::last_frame();
    if (seen.size() == 1) {
      BITMAP* marked = copy_of(frame);
      mark(marked, x, y, makecol(255, 40, 40));
      keep(marked, std::string("pointer: ") + c.what + " (red: the mouse position, where the pointer acts)");
      destroy_bitmap(marked);
    }
    sheet.add(cut(frame, {x - 16, y - 16, x + 56, y + 56}, 2),
              std::string(c.what) + " (" + std::to_string(seen.size()) + ")");
  }
}

}  // namespace

void pointers() {
  const PointerCase cases[] = {
      {"walk, on the floor", -1, false, Aim::floor},
      {"walk chosen, on a piece", kVerbWalk, false, Aim::piece},
      {"on an open door", -1, false, Aim::exit},
      {"on a piece: look", -1, false, Aim::piece},
      {"look chosen, on the floor", kVerbLook, false, Aim::floor},
      {"on a person who talks", -1, false, Aim::person},
      {"talk chosen, on the floor", kVerbTalk, false, Aim::floor},
      {"take chosen, on a piece", kVerbTake, false, Aim::piece},
      {"take chosen, on the floor", kVerbTake, false, Aim::floor},
      {"use chosen, on a piece", kVerbUse, false, Aim::piece},
      {"use chosen, on the floor", kVerbUse, false, Aim::floor},
      {"an item carried, on the floor", -1, true, Aim::floor},
      {"an item carried, on a piece", -1, true, Aim::piece},
      {"an item carried, on a person", -1, true, Aim::person},
      {"an item carried, on the bag", -1, true, Aim::bag},
  };
  Sheet sheet;
  for (const PointerCase& c : cases) {
    const int status = in_room("future_physiktp", [&] {
      if (c.carrying) carry("rolle");
      if (c.verb >= 0) choose_verb(c.verb);
      int x = 0, y = 0;
      if (!aim_at(c.aim, x, y)) return trouble(std::string("pointer: nowhere to go for ") + c.what);
      watch_pointer(c, x, y, sheet);
    });
    if (status != -1) trouble(std::string("pointer: ") + c.what + " ended with " + std::to_string(status));
  }
  sheet.keep("every picture of every pointer, cut from the frames at twice the size");
}

// ---- The verb panel ---------------------------------------------------------------------------

namespace {
// The corners of the screen the bag and the verb panel stand in, with room for the pointer.
constexpr Rect kBagCorner{kBagArea.x1 - 16, kBagArea.y1 - 16, kBagArea.x2 + 44, kScreenHeight - 1};
constexpr Rect kPanelCorner{kVerbPanelArea.x1 - 16, kVerbPanelArea.y1 - 16, kScreenWidth - 1, kScreenHeight - 1};
}  // namespace

void verb_panel() {
  struct PanelCase { std::string what; int verb; bool carrying; int x, y; bool whole; };
  const char* const names[kVerbCount] = {"walk", "take", "use", "look", "talk"};
  std::vector<PanelCase> cases = {{"the pointer on the room", -1, false, 320, 200, false}};
  for (int v = 0; v < kVerbCount; ++v)
    cases.push_back({names[v], -1, false, kVerbHit[v].mid_x(), kVerbHit[v].mid_y(), v == kVerbTake});
  cases.push_back({"the bag", -1, false, kBagHit.mid_x(), kBagHit.mid_y(), false});
  cases.push_back({"the bag, an item carried", -1, true, kBagHit.mid_x(), kBagHit.mid_y(), false});
  cases.push_back({"look, take chosen before", kVerbTake, false, kVerbHit[kVerbLook].mid_x(),
                   kVerbHit[kVerbLook].mid_y(), false});
  Sheet sheet;
  for (const PanelCase& c : cases) {
    const int status = in_room("future_physiktp", [&] {
      if (c.carrying) carry("rolle");
      if (c.verb >= 0) choose_verb(c.verb);
      move_mouse(c.x, c.y);
      passes_for(300);
      BITMAP* frame = headless::last_frame();
      if (c.whole) keep(frame, "verb panel: " + c.what + " under the pointer");
      sheet.add({cut(frame, kBagCorner, 2), cut(frame, kPanelCorner, 2)}, "under the pointer: " + c.what);
    });
    if (status != -1) trouble("verb panel: " + c.what + " ended with " + std::to_string(status));
  }
  sheet.keep("the bag and the verb panel, each button under the pointer");
}

// ---- The pause ---------------------------------------------------------------------------------

// P typed in play; the frame once the pause has shown its caption for a while.
void pause_screen() {
  const int status = in_room("future_physiktp", [] {
    passes_for(300);
    const int typed = headless::now() + 5;
    headless::key_at(typed, KEY_P << 8 | 'p');
    headless::on_present([typed] {
      if (headless::now() > typed + 500) keep(headless::last_frame(), "the pause over future_physiktp"), headless::stop();
    });
    passes_for(2000);
  });
  headless::on_present(nullptr);
  if (status != -2) trouble("the pause was never shown: " + std::to_string(status));
}

}  // namespace gallery

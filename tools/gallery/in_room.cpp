#include "gallery/in_room.h"

#include "core/pacing.h"
#include "core/screen_layout.h"
#include "core/world.h"
#include "frame/click_points.h"
#include "frame/cursor.h"
#include "game/game.h"
#include "headless_driver/driver.h"
#include "headless_driver/story_player.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "platform/headless.h"

namespace gallery {

using namespace screen_layout;

int in_room(const char* room, const std::function<void()>& body) {
  driver::stand_in_room(room);
  mouse_x = -100;
  mouse_y = -100;
  mouse_b = 0;
  headless::mouse_at(headless::now(), -100, -100, 0);
  headless::set_time_limit(headless::now() + 120000);
  return driver::run_program([&] {
    passes_for(2 * kFrameMs);  // the room composed before anything is looked at
    body();
  });
}

void passes_for(int ms) {
  const int until = headless::now() + ms;
  while (headless::now() < until) main_loop_pass();
}

void move_mouse(int x, int y) {
  headless::mouse_at(headless::now() + 1, x, y, 0);
  do main_loop_pass();
  while (mouse_x != x || mouse_y != y);
}

void choose_verb(int v) {
  const int x = kVerbHit[v].mid_x(), y = kVerbHit[v].mid_y();
  const int t = driver::schedule_mouse({{2, x, y, 1}, {60, x, y, 0}});
  while (headless::now() <= t + 60) main_loop_pass();
}

void carry(const char* item) {
  give_item(item);
  int sx = 0, sy = 0;
  inventory_slot_position(story::bag_slot(item), &sx, &sy);
  const int bx = kBagHit.mid_x(), by = kBagHit.mid_y();
  const int t = driver::schedule_mouse({{2, bx, by, 1},
                                        {60, bx, by, 0},
                                        {300, sx + 20, sy + 20, 0},
                                        {100, sx + 20, sy + 20, 1},
                                        {60, sx + 20, sy + 20, 0},
                                        {300, 320, 240, 0},
                                        {100, 320, 240, 2},
                                        {60, 320, 240, 0}});
  while (headless::now() <= t + 60) main_loop_pass();
}

bool aim_at(Aim aim, int& x, int& y) {
  switch (aim) {
    case Aim::floor:
      return floor_point(x, y);
    case Aim::bag:
      return x = kBagHit.mid_x(), y = kBagHit.mid_y(), true;
    case Aim::exit:
      for (int k = 0; k < exit_nr; ++k)
        if (go_through[k] == 1 && exit_point(k, x, y)) return true;
      return false;
    case Aim::piece:
      for (int i = 0; i < furni_nr; ++i)
        if (furni_present[i] == 1 && furni_interact[i] == 1 && thing_point(false, i, x, y)) return true;
      return false;
    case Aim::person:
      for (int j = 0; j < person_nr; ++j)
        if (person_present[j] == 1 && person_interact[j] == 1 && person_talk[j] == 1 &&
            thing_point(true, j, x, y))
          return true;
      return false;
  }
  return false;
}

}  // namespace gallery

#include "interaction/markers.h"

#include <algorithm>
#include <cstring>

#include <allegro.h>

#include "core/world.h"
#include "dialogue/talk.h"
#include "platform/platform.h"
#include "rooms/registry.h"

namespace {

bool wanted = false;

bool same(const char* a, const char* b) {
  return a && b && std::strcmp(a, b) == 0;
}

template <typename Row>
const char* label_of(std::span<const Row> rows, int slot, const char* name) {
  for (const Row& r : rows)
    if (r.slot == slot && same(r.name, name) && r.label) return r.label;
  return nullptr;
}

// A dot at (cx, cy) and the name centred under it, kept on the screen.
void marker(int cx, int cy, const char* name) {
  if (!memory_screen || !name) return;
  const int dot = makecol(255, 230, 80);
  circlefill(memory_screen, cx, cy, 4, 0);
  circlefill(memory_screen, cx, cy, 3, dot);
  if (!pv_font) return;
  const int w = text_length(pv_font, name);
  const int h = text_height(pv_font);
  const int tx = std::clamp(cx - w / 2, 2, memory_screen->w - 2 - w);
  const int ty = std::clamp(cy + 7, 2, memory_screen->h - 2 - h);
  outlined_text(name, tx, ty, makecol(255, 255, 255));
}

}  // namespace

const char* piece_label(int i) {
  const RoomScript* room = current_room();
  if (!room || i < 0 || i >= kMaxFurni) return nullptr;
  return label_of(room->furniture, i, furni_name[i]);
}

const char* person_label(int j) {
  const RoomScript* room = current_room();
  if (!room || j < 0 || j >= kMaxPersons) return nullptr;
  return label_of(room->persons, j, person_name[j]);
}

const char* exit_label(int k) {
  if (k < 0 || k >= kMaxExits) return nullptr;
  const int r = room_index(new_room[k]);
  return r >= 0 ? kRooms[r]->title : nullptr;
}

bool markers_wanted_changed() {
  const bool now = platform_key_held(KEY_TAB) == 1;
  const bool changed = now != wanted;
  wanted = now;
  return changed;
}

void draw_markers() {
  if (!wanted) return;
  for (int k = 0; k < exit_nr && k < kMaxExits; ++k)
    if (go_through[k] == 1) marker((exit_x[k] + exit_x2[k]) / 2, (exit_y[k] + exit_y2[k]) / 2, exit_label(k));
  for (int i = 0; i < furni_nr && i < kMaxFurni; ++i)
    if (furni_present[i] == 1 && furni_interact[i] == 1)
      marker((furni_mouse_x[i] + furni_mouse_x2[i]) / 2, (furni_mouse_y[i] + furni_mouse_y2[i]) / 2, piece_label(i));
  for (int j = 0; j < person_nr && j < kMaxPersons; ++j)
    if (person_present[j] == 1 && person_interact[j] == 1)
      marker((person_mouse_x[j] + person_mouse_x2[j]) / 2, (person_mouse_y[j] + person_mouse_y2[j]) / 2,
             person_label(j));
}

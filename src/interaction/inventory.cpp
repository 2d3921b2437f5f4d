#include "interaction/inventory.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/close_request.h"
#include "core/hardware.h"
#include "core/pacing.h"
#include "core/read_aloud.h"
#include "core/screen_layout.h"
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "frame/click_points.h"
#include "frame/cursor.h"
#include "frame/play_keys.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "menus/control_panel.h"
#include "persistence/saved_games.h"
#include "platform/platform.h"

namespace {

using namespace screen_layout;

const char* name_or_empty(const char* name) {
  return name ? name : kEmptySlot;
}

// One slot's contents, for moving slots about.
struct Slot {
  text name;
  text lines[kTextLines];
  BITMAP* picture;
};

Slot slot_at(int i) {
  return {inventory_obj[i], {inv_obj_describe[i][0], inv_obj_describe[i][1], inv_obj_describe[i][2]},
          inventory_obj_bmp[i]};
}

void put_slot(int i, const Slot& s) {
  inventory_obj[i] = s.name;
  for (int l = 0; l < kTextLines; ++l) inv_obj_describe[i][l] = s.lines[l];
  inventory_obj_bmp[i] = s.picture;
}

bool pointer_in_square(int x, int y) {
  return mouse_x >= x && mouse_x <= x + kInventorySlotSize && mouse_y >= y && mouse_y <= y + kInventorySlotSize;
}

constexpr int kDescribeY[kTextLines] = {10, 30, 50};

void draw_description(int slot) {
  for (int l = 0; l < kTextLines; ++l) {
    const char* line = inv_obj_describe[slot][l];
    if (!line || !*line) continue;
    outlined_text(line, (kScreenWidth - text_length(pv_font, line)) / 2, kDescribeY[l], kPersonColour);
  }
}

// The words beside the control-panel button's icon.
void draw_inventory_labels() {
  const char* label = TR("Bedienfeld", "Control panel");
  const Rect space = label_space(kInventoryPanelButton);
  const int w = text_length(pv_font, label);
  outlined_text(label, space.x1 + (space.width() - w) / 2, space.y1 + (space.height() - text_height(pv_font)) / 2,
                makecol(255, 236, 170));
}

// The pointer of the inventory's loops, animated as in the room.
void animate_pointer() {
  if (cpu_delay >= cpu_speed) {
    ++cursor_nr;
    cpu_delay = 0;
  }
  ++cpu_delay;
  maus();
}

void pick_up(int slot) {
  mouse_status = kModeItem;
  arrow_obj = inventory_obj[slot];
  for (int l = 0; l < kTextLines; ++l) arrow_describe[l] = inv_obj_describe[slot][l];
  blit(inventory_obj_bmp[slot], arrow, 0, 0, 0, 0, arrow->w, arrow->h);
  platform_set_pointer(arrow, screen_layout::kPointerFocus.x, screen_layout::kPointerFocus.y);
  remove_inventory_slot(slot);
}

void put_back() {
  if (!return_carried_item()) return;
  arrow_obj = "";
  for (text& line : arrow_describe) line = "";
  mouse_status = kModeWalk;
}

// One combination: the held item and the slot's item make the product.
struct Combination {
  const char* held;
  const char* on;
  const char* product;
};
// Tested in this order; the first match wins.
constexpr Combination kCombinations[] = {
    {"schlauch", "Gaz", "Gaz_Schlauch"},
    {"Gaz", "schlauch", "Gaz_Schlauch"},
    {"schlauch", "Bunsenbrenner", "Bunsen_Schlauch"},
    {"Bunsenbrenner", "schlauch", "Bunsen_Schlauch"},
    {"Gaz_Schlauch", "Bunsenbrenner", "Schweissbrenner"},
    {"Bunsenbrenner", "Gaz_Schlauch", "Schweissbrenner"},
    {"Bunsen_Schlauch", "Gaz", "Schweissbrenner"},
    {"Gaz", "Bunsen_Schlauch", "Schweissbrenner"},
};

}  // namespace

bool inventory_has_room() {
  return invent_nr >= 0 && invent_nr < kInventorySlots;
}

void bag_full_remark() {
  hero_remark(TR("Meine Tasche ist voll. Da passt nichts mehr rein.", "My bag is full. Nothing else fits in."));
}

bool add_to_inventory(BITMAP* picture, const char* name, const char* line0, const char* line1,
                      const char* line2) {
  if (!inventory_has_room()) {
    bag_full_remark();
    return false;
  }
  BITMAP* slot = inventory_obj_bmp[invent_nr];
  if (slot && picture) {
    clear_to_color(slot, bitmap_mask_color(slot));
    stretch_blit(picture, slot, 0, 0, picture->w, picture->h, 0, 0, slot->w, slot->h);
  }
  inventory_obj[invent_nr] = name;
  inv_obj_describe[invent_nr][0] = line0;
  inv_obj_describe[invent_nr][1] = line1;
  inv_obj_describe[invent_nr][2] = line2;
  invent_nr += 1;
  return true;
}

bool return_carried_item() {
  if (!inventory_has_room()) {
    bag_full_remark();
    return false;
  }
  if (inventory_obj_bmp[invent_nr]) blit(arrow, inventory_obj_bmp[invent_nr], 0, 0, 0, 0, arrow->w, arrow->h);
  inventory_obj[invent_nr] = arrow_obj;
  for (int l = 0; l < kTextLines; ++l) inv_obj_describe[invent_nr][l] = arrow_describe[l];
  invent_nr += 1;
  play_sound(manifest::Sounds::bag_drop);
  return true;
}

void remove_inventory_slot(int i) {
  if (i < 0 || i >= invent_nr || invent_nr > kInventorySlots) return;
  // The removed slot's picture becomes the picture of the slot that falls empty.
  BITMAP* const freed = inventory_obj_bmp[i];
  for (int k = i; k < invent_nr - 1; ++k) put_slot(k, slot_at(k + 1));
  const int last = invent_nr - 1;
  put_slot(last, {kEmptySlot, {"", "", ""}, freed});
  if (freed) clear_to_color(freed, bitmap_mask_color(freed));
  invent_nr -= 1;
}

void sort_inventory() {
  Slot slots[kInventorySlots];
  for (int i = 0; i < kInventorySlots; ++i) slots[i] = slot_at(i);
  std::stable_sort(std::begin(slots), std::end(slots), [](const Slot& a, const Slot& b) {
    return std::strcmp(name_or_empty(a.name), name_or_empty(b.name)) < 0;
  });
  for (int i = 0; i < kInventorySlots; ++i) put_slot(i, slots[i]);
}

void inventory_slot_position(int i, int* x, int* y) {
  // From (70, 120): 60 to the right per item, back to 130 and one row down
  // once past 449.
  int px = 70, py = 120;
  for (int k = 0; k <= i; ++k) {
    px += kInventorySlotStep;
    if (px > 449) {
      px = kInventorySlotX0;
      py += kInventorySlotStep;
    }
  }
  *x = px;
  *y = py;
}

bool story_invent() {
  for (const Combination& c : kCombinations) {
    if (std::strcmp(name_or_empty(arrow_obj), c.held) != 0 || std::strcmp(name_or_empty(buffer_obj), c.on) != 0)
      continue;
    hold_item(c.product);
    return true;
  }
  return false;
}

namespace {

// The inventory over the room it was opened in: the items in their slots,
// the one under the pointer on its lit square.
void draw_inventory_screen(BITMAP* room) {
  blit(room, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  draw_sprite(memory_screen, inventory_bmp, kInventoryPos.x, kInventoryPos.y);
  draw_inventory_labels();
  for (int i = 0; i < invent_nr; ++i) {
    inventory_slot_position(i, &invent_obj_x, &invent_obj_y);
    if (pointer_in_square(invent_obj_x, invent_obj_y)) draw_sprite(memory_screen, inv_obj_on, invent_obj_x, invent_obj_y);
    draw_sprite(memory_screen, inventory_obj_bmp[i], invent_obj_x, invent_obj_y);
  }
}

// The control-panel button: lit under the pointer; true when a left press
// asks for the panel.
bool panel_button_pressed(bool left) {
  if (!kInventoryPanelButton.contains(mouse_x, mouse_y)) return false;
  draw_sprite(memory_screen, game_opt_on, kInventoryPanelButtonPos.x, kInventoryPanelButtonPos.y);
  draw_inventory_labels();
  return left;
}

// The item under the pointer, if any (mouse_over_obj): its description shows,
// a left press picks it up, or uses the held item on it, the slot's item going
// into what the two make.
// The middle of each item's square, where the pointer's keys jump to.
std::vector<screen_layout::Point> item_points() {
  std::vector<screen_layout::Point> points;
  int x = 0, y = 0;
  for (int i = 0; i < invent_nr; ++i) {
    inventory_slot_position(i, &x, &y);
    points.push_back({x + kInventorySlotSize / 2, y + kInventorySlotSize / 2});
  }
  return points;
}

HoverVoice item_voice;  // the bag's item under the pointer, read aloud

// The description of item i, as the bag shows it under the pointer, read aloud when it is new there.
void read_aloud_item(int i) {
  std::string words;
  for (const char* line : inv_obj_describe[i])
    if (line && *line) words.append(words.empty() ? "" : " ").append(line);
  item_voice(words, std::to_string(i), pointer_jumps());
}

void item_under_pointer(bool left, bool held) {
  mouse_over_obj = 0;
  for (int i = 0; i < invent_nr; ++i) {
    inventory_slot_position(i, &invent_obj_x, &invent_obj_y);
    if (!pointer_in_square(invent_obj_x, invent_obj_y)) continue;
    draw_description(i);
    read_aloud_item(i);
    mouse_over_obj = 1;
    mouse_status = held ? kModeItemOnTarget : kModeTake;
    if (left && !held) {
      pick_up(i);
      wait_mouse_release();
    } else if (left && held) {
      buffer_obj = inventory_obj[i];
      if (story_invent()) {
        platform_set_pointer(arrow, screen_layout::kPointerFocus.x, screen_layout::kPointerFocus.y);
        remove_inventory_slot(i);
      }
      wait_mouse_release();
    }
    return;
  }
}

// The pointer over no item: a left press puts the held item back.
void pointer_between_items(bool left, bool held) {
  mouse_status = held ? kModeItem : kModeWalk;
  if (left && held) {
    put_back();
    wait_mouse_release();
  }
}

}  // namespace

void inventory() {
  BITMAP* room = create_bitmap(kScreenWidth, kScreenHeight);
  blit(memory_screen, room, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  Press left_press, right_press;
  for (invent = 0; inv_menu == 1; ++invent) {
    platform_hide_pointer();
    pointer_keys(item_points());
    platform_poll_mouse();
    const bool left = left_press(mouse_b & 1);
    const bool right = right_press(mouse_b & 2);
    const bool held = carrying_item();
    sort_inventory();
    draw_inventory_screen(room);
    if (right || close_pending()) {
      inv_menu = 0;
      break;
    }
    if (panel_button_pressed(left)) {
      inv_menu = 2;
      break;
    }
    item_under_pointer(left, held);
    if (mouse_over_obj == 0) item_voice({});
    if (mouse_over_obj == 0) pointer_between_items(left, held);
    mouse_over_sth = mouse_over_obj;
    animate_pointer();
    platform_show_pointer(memory_screen);
    platform_present(memory_screen, kScreenWidth, kScreenHeight);
  }
  platform_hide_pointer();
  destroy_bitmap(room);
}

namespace {

// The inventory's screens, starting with the one `first` opens, in turn until
// the player closes them.
void invent_screens(void (*first)()) {
  inv_menu = 1;
  load_invent_data();
  // The bag opens and closes with its sounds; F5 and F7 go straight to a
  // slot screen, and back into the room, without them.
  if (first)
    first();
  else
    play_sound(manifest::Sounds::bag_open);
  while (inv_menu != 0) {
    if (inv_menu == 1)
      inventory();
    else if (inv_menu == 2)
      game_options();
    else
      inv_menu = 0;
  }
  if (!first) play_sound(manifest::Sounds::bag_close);
  unload_invent_data();
  wait_mouse_release();
  force_cursor = kVerbFree;
  cpu_delay = 0;
  drop_keys();  // the keys of play act in play only
  not_played_since_here();
}

}  // namespace

void main_invent() {
  invent_screens(nullptr);
}

void slot_screen_in_play(bool save) {
  if (save)
    invent_screens([] { game_save(); });
  else
    invent_screens([] { game_load(); });
}

void control_panel_in_play() {
  invent_screens([] { inv_menu = 2; });
}

void invent_bitmaps() {
  for (BITMAP*& slot : inventory_obj_bmp) {
    if (slot) destroy_bitmap(slot);
    slot = create_bitmap(kInventorySlotSize, kInventorySlotSize);
    clear_to_color(slot, bitmap_mask_color(slot));
  }
  // Each name held once: every slot with that name gets its picture.
  for (int i = 0; i < invent_nr && i < kInventorySlots; ++i) {
    bool done = false;
    for (int k = 0; k < i && !done; ++k) done = std::strcmp(name_or_empty(inventory_obj[k]), name_or_empty(inventory_obj[i])) == 0;
    if (done) continue;
    temp_inv_obj = inventory_obj[i];
    temp_nr = -1;
    load_inv_bmp();
  }
}

void load_inv_bmp() {
  const ItemLook look = look_up_item(temp_inv_obj);
  for (int i = 0; i < kInventorySlots; ++i) {
    if (std::strcmp(name_or_empty(inventory_obj[i]), name_or_empty(temp_inv_obj)) != 0) continue;
    BITMAP* slot = inventory_obj_bmp[i];
    if (!slot) continue;
    if (temp_nr >= 0 && objects_dat && temp_nr < manifest::kObjectsFile.entries &&
        objects_dat[temp_nr].type == DAT_BITMAP) {
      BITMAP* picture = static_cast<BITMAP*>(objects_dat[temp_nr].dat);
      clear_to_color(slot, bitmap_mask_color(slot));
      stretch_blit(picture, slot, 0, 0, picture->w, picture->h, 0, 0, slot->w, slot->h);
    } else {
      draw_item_picture(temp_inv_obj, slot);
    }
    // A loaded game keeps names only: the description comes back with the picture.
    if (look.known)
      for (int l = 0; l < kTextLines; ++l) inv_obj_describe[i][l] = look.lines[l];
  }
}

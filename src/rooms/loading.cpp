// Loading a room: clearing the tables of the room left, the datafile, the
// room's hooks (read from its script's tables), the frame boxes; and the
// reload of one piece whose state the story changed.
#include <cstdio>

#include "core/datafiles.h"
#include "core/world.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

bool pictures_wanted = true;

// A room table that points outside the tables or the datafile is a fault of
// the room's script; it stops the program with the room and slot named.
[[noreturn]] void bad_table(const RoomScript& room, const char* kind, int slot, const char* why) {
  char what[160];
  std::snprintf(what, sizeof what, "room %s, %s slot %d: %s", room.name, kind, slot, why);
  fatal_data_error(room.data_file, what);
}

BITMAP* room_picture(const RoomScript& room, const char* kind, int slot, int object) {
  if (!pictures_wanted) return nullptr;
  if (!room_dat || object < 0 || object >= datafile_entry_count(room_dat) || room_dat[object].type != DAT_BITMAP)
    bad_table(room, kind, slot, "names a picture its datafile lacks");
  return static_cast<BITMAP*>(room_dat[object].dat);
}

// A slot is always defined from a cleared slot, and its frame corners and
// default mouse box are computed at once: a slot the room before did not use,
// or a second slot redefined by the same reload, never keeps another piece's
// frame counters, boxes or corners.
void define_furni(const RoomScript& room, const FurniState& s) {
  const int i = s.slot;
  if (s.frames.size() > kMaxFrames) bad_table(room, "furniture", i, "more than 60 frames");
  erase_furni_data(i);
  furni_name[i] = s.name;
  for (int l = 0; l < kTextLines; ++l) furni_text[i][l] = s.text[l] ? s.text[l] : "";
  furni_frame_nr[i] = static_cast<int>(s.frames.size());
  furni_interact[i] = s.interact;
  furni_take[i] = s.take;
  take_furni_dir[i] = s.take_dir;
  goto_furni_x[i] = s.goto_x;
  goto_furni_y[i] = s.goto_y;
  if (s.mouse_x != -1) furni_mouse_x[i] = s.mouse_x;
  if (s.mouse_y != -1) furni_mouse_y[i] = s.mouse_y;
  if (s.mouse_x2 != -1) furni_mouse_x2[i] = s.mouse_x2;
  if (s.mouse_y2 != -1) furni_mouse_y2[i] = s.mouse_y2;
  for (int f = 0; f < furni_frame_nr[i]; ++f) {
    const Frame& fr = s.frames[f];
    furniture[i][f] = room_picture(room, "furniture", i, fr.object);
    furni_x[i][f] = fr.x;
    furni_y[i][f] = fr.y;
    furni_blit[i][f] = fr.duration;
  }
  set_furni_coor(i);
}

void define_person(const RoomScript& room, const PersonState& s) {
  const int j = s.slot;
  if (s.frames.size() > kMaxFrames) bad_table(room, "person", j, "more than 60 frames");
  erase_person_data(j);
  person_name[j] = s.name;
  for (int l = 0; l < kTextLines; ++l) person_text[j][l] = s.text[l] ? s.text[l] : "";
  person_frame_nr[j] = static_cast<int>(s.frames.size());
  person_interact[j] = s.interact;
  person_talk[j] = s.talk;
  talk_pers_dir[j] = s.talk_dir;
  goto_person_x[j] = s.goto_x;
  goto_person_y[j] = s.goto_y;
  if (s.mouse_x != -1) person_mouse_x[j] = s.mouse_x;
  if (s.mouse_y != -1) person_mouse_y[j] = s.mouse_y;
  if (s.mouse_x2 != -1) person_mouse_x2[j] = s.mouse_x2;
  if (s.mouse_y2 != -1) person_mouse_y2[j] = s.mouse_y2;
  for (int f = 0; f < person_frame_nr[j]; ++f) {
    const Frame& fr = s.frames[f];
    person[j][f] = room_picture(room, "person", j, fr.object);
    person_x[j][f] = fr.x;
    person_y[j][f] = fr.y;
    person_blit[j][f] = fr.duration;
    start_talk[j][f] = fr.talk;
  }
  set_person_coor(j);
}

// The room's load_room_ hook: its background, scale and counts, on every
// load of the room (a door, a new game, a loaded game, the start files).
void load_room_from_record(const RoomScript& room) {
  room_graph = room_picture(room, "background", 0, room.background);
  min_hero_length = room.min_hero_length;
  increase_rate = room.increase_rate;
  furni_nr = room.furni_nr;
  person_nr = room.person_nr;
  exit_nr = room.exit_nr;
}

// The room's init_ hook: presence at the start of a game, doors open or closed.
void init_from_record(const RoomScript& room) {
  for (size_t i = 0; i < room.furni_present.size() && i < kMaxFurni; ++i) furni_present[i] = room.furni_present[i];
  for (size_t j = 0; j < room.person_present.size() && j < kMaxPersons; ++j)
    person_present[j] = room.person_present[j];
  for (size_t k = 0; k < room.exits.size() && k < kMaxExits; ++k) go_through[k] = room.exits[k].open;
}

void exits_from_record(const RoomScript& room) {
  for (size_t k = 0; k < room.exits.size() && k < kMaxExits; ++k) {
    const ExitDef& e = room.exits[k];
    new_room[k] = e.target;
    new_hero_x[k] = e.arrive_x;
    new_hero_y[k] = e.arrive_y;
    exit_x[k] = e.x;
    exit_y[k] = e.y;
    exit_x2[k] = e.x2;
    exit_y2[k] = e.y2;
    goto_exit_x[k] = e.goto_x;
    goto_exit_y[k] = e.goto_y;
  }
  if (room.after_exits) room.after_exits();
}

void record_furni_states() {
  for (int i = 0; i < kMaxFurni; ++i) old_furni_anim[i] = furni_anim[i];
}

void record_person_states() {
  for (int j = 0; j < kMaxPersons; ++j) old_person_anim[j] = person_anim[j];
}

}  // namespace

// The room's furni_ hook: every slot whose state differs from the state its
// fields were last defined for is defined anew; a state the room has no row
// for leaves the slot as it is.
void furni_from_record(const RoomScript& room) {
  if (room.furni_nr > kMaxFurni) bad_table(room, "furniture", room.furni_nr, "more than 10 slots");
  for (int i = 0; i < room.furni_nr; ++i) {
    if (furni_anim[i] == old_furni_anim[i]) continue;
    for (const FurniState& s : room.furniture)
      if (s.slot == i && s.state == furni_anim[i]) define_furni(room, s);
  }
}

void people_from_record(const RoomScript& room) {
  if (room.person_nr > kMaxPersons) bad_table(room, "person", room.person_nr, "more than 10 slots");
  for (int j = 0; j < room.person_nr; ++j) {
    if (person_anim[j] == old_person_anim[j]) continue;
    for (const PersonState& s : room.persons)
      if (s.slot == j && s.state == person_anim[j]) define_person(room, s);
  }
}

void load_room() {
  if (const RoomScript* room = current_room()) {
    load_room_from_record(*room);
    init_from_record(*room);
    furni_from_record(*room);
    people_from_record(*room);
    exits_from_record(*room);
  }
  record_person_states();
  record_furni_states();
}

void load_furni_room() {
  if (const RoomScript* room = current_room()) furni_from_record(*room);
  record_furni_states();
}

void load_people_room() {
  if (const RoomScript* room = current_room()) people_from_record(*room);
  record_person_states();
}

void load_room_pictures(bool wanted) { pictures_wanted = wanted; }

void set_data_file() {
  if (room_dat) unload_datafile(room_dat);
  room_dat = nullptr;
  if (const RoomScript* room = current_room(); room && pictures_wanted)
    room_dat = load_datafile_checked(room->data_file, room->highest_object + 1);
}

// A slot's fields get the cleared values world.h gives them (names "", mouse
// boxes -1, the rest 0); its presence, state, frame pictures and frame count
// are kept, and a person keeps whether it reacts to the mouse.
void erase_furni_data(int i) { clear_room_slot(RoomTable::furni, i); }
void erase_person_data(int j) { clear_room_slot(RoomTable::person, j); }
void erase_exit_data(int k) { clear_room_slot(RoomTable::exit, k); }

void erase_furni_anim_data(int i) {
  furni_anim[i] = 0;
  old_furni_anim[i] = -1;
}

void erase_npc_anim_data(int j) {
  person_anim[j] = 0;
  old_person_anim[j] = -1;
}

namespace {

// Frame corners, and the mouse-over bounds the room left at -1 from frame 0.
void set_coor(BITMAP* frames[kMaxFrames], const int xs[kMaxFrames], const int ys[kMaxFrames], int x2s[kMaxFrames],
              int y2s[kMaxFrames], int frame_count, int& mx, int& my, int& mx2, int& my2) {
  for (int f = 0; f < frame_count && f < kMaxFrames; ++f) {
    x2s[f] = xs[f] + (frames[f] ? frames[f]->w : 0);
    y2s[f] = ys[f] + (frames[f] ? frames[f]->h : 0);
  }
  if (mx == -1) mx = xs[0];
  if (my == -1) my = ys[0];
  if (mx2 == -1) mx2 = x2s[0];
  if (my2 == -1) my2 = y2s[0];
}

}  // namespace

void set_furni_coor(int i) {
  set_coor(furniture[i], furni_x[i], furni_y[i], furni_x2[i], furni_y2[i], furni_frame_nr[i], furni_mouse_x[i],
           furni_mouse_y[i], furni_mouse_x2[i], furni_mouse_y2[i]);
}

void set_person_coor(int j) {
  set_coor(person[j], person_x[j], person_y[j], person_x2[j], person_y2[j], person_frame_nr[j], person_mouse_x[j],
           person_mouse_y[j], person_mouse_x2[j], person_mouse_y2[j]);
}

void forget_loaded_animations() {
  for (int i = 0; i < kMaxFurni; ++i) old_furni_anim[i] = -1;
  for (int j = 0; j < kMaxPersons; ++j) old_person_anim[j] = -1;
}

void load_new_room() {
  // A name outside the registry is refused: the room on screen stays.
  if (!current_room()) return;
  for (int i = 0; i < furni_nr; ++i) erase_furni_data(i);
  for (int j = 0; j < person_nr; ++j) erase_person_data(j);
  for (int k = 0; k < kMaxExits; ++k) erase_exit_data(k);
  for (int i = 0; i < furni_nr; ++i) erase_furni_anim_data(i);
  for (int j = 0; j < person_nr; ++j) erase_npc_anim_data(j);
  set_data_file();
  load_room();  // each piece defined gets its corners and mouse box there
}

void load_furni_anim() {
  int i = 0;
  while (i < furni_nr && !(furni_anim[i] != old_furni_anim[i] && furni_present[i] == 1)) ++i;
  if (i >= furni_nr) return;
  // The room's table redefines every changed slot, each from a cleared slot.
  load_furni_room();
}

void load_person_anim() {
  int j = 0;
  while (j < person_nr && !(person_anim[j] != old_person_anim[j] && person_present[j] == 1)) ++j;
  if (j >= person_nr) return;
  load_people_room();
}

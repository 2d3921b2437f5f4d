#include "shell/hardware.h"

#include <cstdio>

#include <sys/stat.h>

#include "platform/platform.h"
#include "shell/datafiles.h"
#include "shell/world.h"

namespace {

// The two console lines, then the library's reason where it gives one.
[[noreturn]] void no_video_mode(const char* reason) {
  std::printf("Critical Error: Unable to select correct Video Mode.\n");
  std::printf("Exiting Allegro ... \n");
  std::fflush(stdout);
  if (reason && *reason) std::fprintf(stderr, "Pelvaro: %s.\n", reason);
  platform_exit(3);
}

}  // namespace

void init_hardware() {
  if (platform_install() != 0) {
    // Without a display the library gives no reason of its own.
    const char* reason = platform_error();
    no_video_mode(reason && *reason ? reason : "the graphics library does not start (is there a display?)");
  }
  // The library's music driver reads the patch set by itself: it is checked
  // like every data file. Without one, the library's other drivers are tried.
  struct stat patches;
  if (stat("patches.dat", &patches) == 0) verify_data_file("patches.dat");
  bad_sndmode = platform_install_sound();
  bad_gfxmode = platform_set_gfx_mode(fullscreen);
  if (bad_gfxmode != 0) no_video_mode(platform_error());
}

void load_hero_walk() {
  // walk.dat holds the eight cycles in this order of the step directions:
  // up, down, left, down-left, down-right, right, up-left, up-right.
  BITMAP** const cycles[8] = {go1_frame, go5_frame, go6_frame, go7_frame,
                              go8_frame, go2_frame, go3_frame, go4_frame};
  for (int c = 0; c < 8; ++c)
    for (int f = 0; f < 14; ++f) cycles[c][f] = datafile_bitmap(walk_dat, c * 14 + f, "walk.dat");
}

void load_general_data() {
  memory_screen = create_bitmap(640, 480);
  buffer_bmp = create_bitmap(40, 40);
  arrow = create_bitmap(40, 40);
  arrow_gear = create_bitmap(40, 40);
  clear_bitmap(memory_screen);
  clear_to_color(arrow, bitmap_mask_color(arrow));
  clear_to_color(arrow_gear, bitmap_mask_color(arrow_gear));

  load_hero_walk();

  for (int i = 0; i < 15; ++i) talk_front[i] = datafile_bitmap(talkf_dat, i, "talkf.dat");

  inventory_button = datafile_bitmap(general_dat, 0, "general.dat");
  inventory_button_on = datafile_bitmap(general_dat, 1, "general.dat");
  erase_savegame = datafile_bitmap(general_dat, 2, "general.dat");
  stand_frame = datafile_bitmap(general_dat, 3, "general.dat");
  navi_button = datafile_bitmap(general_dat, 6, "general.dat");
  for (int i = 0; i < 5; ++i) navi_butt_on[i] = datafile_bitmap(general_dat, 7 + i, "general.dat");

  const char* c = "cursor.dat";
  cursor = datafile_bitmap(cursor_dat, 0, c);
  cursor_a = datafile_bitmap(cursor_dat, 1, c);
  pocket_lens = datafile_bitmap(cursor_dat, 2, c);
  pocket_lens_a = datafile_bitmap(cursor_dat, 3, c);
  for (int i = 0; i < 3; ++i) {
    mouth[i] = datafile_bitmap(cursor_dat, 4 + 2 * i, c);
    mouth_a[i] = datafile_bitmap(cursor_dat, 5 + 2 * i, c);
    hand[i] = datafile_bitmap(cursor_dat, 10 + 2 * i, c);
    hand_a[i] = datafile_bitmap(cursor_dat, 11 + 2 * i, c);
  }
  for (int i = 0; i < 2; ++i) {
    gear[i] = datafile_bitmap(cursor_dat, 16 + 2 * i, c);
    gear_a[i] = datafile_bitmap(cursor_dat, 17 + 2 * i, c);
    door[i] = datafile_bitmap(cursor_dat, 20 + i, c);
    mini_gear[i] = datafile_bitmap(cursor_dat, 22 + 2 * i, c);
    mini_gear_a[i] = datafile_bitmap(cursor_dat, 23 + 2 * i, c);
  }
  for (int i = 0; i < 6; ++i) sandglass[i] = datafile_bitmap(cursor_dat, 26 + i, c);

  static const int kObjectEntries[15] = {11, 9, 0, 13, 14, 6, 1, 12, 5, 10, 8, 3, 7, 4, 2};
  for (int i = 0; i < 15; ++i) objects_bmp[i] = datafile_bitmap(objects_dat, kObjectEntries[i], "objects.dat");

  if (font_dat[0].type != DAT_FONT) fatal_data_error("font.dat", "entry 0 is not a font");
  pv_font = static_cast<FONT*>(font_dat[0].dat);
}

void init_general_variables() {
  for (int i = 0; i < kInventorySlots; ++i) {
    inventory_obj_bmp[i] = create_bitmap(40, 40);
    clear_to_color(inventory_obj_bmp[i], bitmap_mask_color(inventory_obj_bmp[i]));
    inventory_obj[i] = "z";
    for (int l = 0; l < kTextLines; ++l) inv_obj_describe[i][l] = "";
  }
  mouse_status = 1;
  room_name = "future_floor1";
  hero_x = 298;
  hero_y = 267;
  click_x2 = hero_x;
  true_x = hero_x;
  click_y2 = hero_y;
  true_y = hero_y;
  cpu_delay = cpu_speed;
  mov_nr1 = -1;
  take_object = -1;
  gear_object = -1;
  use_object = -1;
  talk_goto = -1;
  talk_nr = -1;
  change_room = 0;
  hero_length = 200;
  hero_width = 125;
}

namespace {

// The inventory screen's and control panel's pictures in the order of "inventar.dat".
BITMAP** const kInventPictures[17] = {
    &controller_bmp, &controller_on, &game_back_on,  &game_inv_on,      &game_load_on, &game_off,
    &game_off_on,    &game_ok_on,    &game_on_on,    &game_opt_on,      &game_quit_on, &game_save_on,
    &inventory_bmp,  &game_load_bmp, &game_options_bmp, &game_save_bmp, &inv_obj_on};

}  // namespace

void load_invent_data() {
  invent_dat = load_datafile_checked("inventar.dat", 17);
  for (int i = 0; i < 17; ++i) *kInventPictures[i] = datafile_bitmap(invent_dat, i, "inventar.dat");
}

void unload_invent_data() {
  for (BITMAP** p : kInventPictures) *p = nullptr;
  if (invent_dat) unload_datafile(invent_dat);
  invent_dat = nullptr;
}

namespace {

// The main menu's pictures in the order of "menu.dat".
BITMAP** const kMenuPictures[23] = {
    &eyes_closed,  &eyes_open,        &inst_back_on,   &main_opt_cancel_on, &controller_bmp,
    &controller_on, &credits_bmp,     &inst_gi_on,     &main_instruct_bmp,  &menu_bmp,
    &mm_cred,      &mm_inst,          &mm_new,         &mm_opti,            &mm_quit,
    &credits_graphics, &credits_coding, &credits_sound, &main_opt_off,      &main_opt_off_on,
    &main_opt_ok_on, &main_opt_on_on, &main_options_bmp};

}  // namespace

void load_menu_data() {
  menu_dat = load_datafile_checked("menu.dat", 23);
  for (int i = 0; i < 23; ++i) *kMenuPictures[i] = datafile_bitmap(menu_dat, i, "menu.dat");
}

void unload_menu_data() {
  for (BITMAP** p : kMenuPictures) *p = nullptr;
  if (menu_dat) unload_datafile(menu_dat);
  menu_dat = nullptr;
}

void music() {
  platform_stop_midi();
  if (track) destroy_midi(track);
  track = nullptr;
  if (track_nr != 1 && track_nr != 2) return;
  track = load_midi_checked(track_nr == 1 ? "sfx/track01.mid" : "sfx/track02.mid");
  platform_play_midi(track, 1);
  platform_set_volume(wave_vol, music_vol);
}

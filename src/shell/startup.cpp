// The program: start-up, the new game and the main loop.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "hero/hero.h"
#include "interaction/interaction.h"
#include "interaction/inventory.h"
#include "menus/main_menu.h"
#include "persistence/files.h"
#include "persistence/options.h"
#include "persistence/room_state.h"
#include "platform/platform.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/cursor.h"
#include "shell/datafiles.h"
#include "shell/draw_room.h"
#include "shell/game.h"
#include "shell/hardware.h"
#include "shell/tr.h"
#include "shell/world.h"

namespace {

// Closing the window ends the game like a quit, keeping the player's settings.
void quit_from_window() {
  platform_stop_midi();
  save_options();
  platform_exit(1);
}

// The folders of the state files and saved games.
void make_save_folders() {
  for (const char* folder : {"sav", "sav/tmp"})
    if (mkdir(folder, 0755) != 0 && errno != EEXIST)
      report_unusable_file(folder, std::strerror(errno), "the rooms' states cannot be stored");
}

}  // namespace

int frame_due() {
  delay = platform_clock_ms();
  if (delay >= current_time + kFrameMs) {
    current_time = delay;
    platform_new_frame();
    return 1;
  }
  return 0;
}

void wait_mouse_release() {
  int free_polls = 0;
  while (free_polls < 10) {
    platform_poll_mouse();
    if (!(mouse_b & 3)) ++free_polls;
  }
}

void show_frame() {
  const int w = room_graph ? room_graph->w : 640;
  const int h = room_graph ? room_graph->h : 480;
  platform_present(memory_screen, w, h);
}

void loading() {
  if (load_loop > 33) load_loop = 33;
  blit(pv_logo, memory_screen, 0, 0, 0, 0, pv_logo->w, pv_logo->h);
  draw_sprite(memory_screen, red_bar[load_loop], 215, 435);
  platform_new_frame();
  platform_present(memory_screen, 640, 480);
  load_loop += 1;
}

// The room's conversations are rebuilt here once rooms have them.
void load_new_talking() {}

void start_up(int argc, char** argv) {
  fullscreen = (argc > 1 && argv[1] && std::strcmp(argv[1], "-fullscreen") == 0) ? 1 : 0;
  std::string why;
  bug_report = create_text_file("bugs.txt", why);
  if (!bug_report) report_unusable_file("bugs.txt", why, "faults are reported on the console only");
  init_hardware();
  platform_set_close_handler(quit_from_window);
  make_save_folders();
  load_options();
  video_logo();
  title_dat = load_datafile_checked("title.dat", 36);
  track_nr = 1;
  music();
  video_title();
  walk_dat = load_datafile_checked("walk.dat", 112);
  talkf_dat = load_datafile_checked("talkf.dat", 15);
  general_dat = load_datafile_checked("general.dat", 12);
  cursor_dat = load_datafile_checked("cursor.dat", 32);
  objects_dat = load_datafile_checked("objects.dat", 15);
  font_dat = load_datafile_checked("font.dat", 1);
  load_general_data();
  mouse_status = 1;
  maus();
  for (int i = 0; i < 35; ++i) red_bar[i] = datafile_bitmap(title_dat, i + 1, "title.dat");
  select_init_temp();
  unload_datafile(title_dat);
  title_dat = nullptr;
  pv_logo = nullptr;
  for (BITMAP*& bar : red_bar) bar = nullptr;
  main_menu();
}

void start_new_game() {
  init_general_variables();
  video_intro();
  forget_loaded_animations();
  load_new_room();
  change_room = -1;
  load_new_talking();
  set_temp_file();
  load_temp();
  track_nr = 2;
  music();
  video_hero_beton_ko();

  talk_direction = 0;
  choice = 0;
  sentence_x = hero_x;
  sentence_y = hero_y - hero_length - 60;
  input_text[0][0] = TR("So. Jetzt aber schnell weg hier.", "Ok, let's get the hell out of here.");
  input_text[0][1] = "";
  input_text[0][2] = "";
  wait_mouse_release();
  talking_hero();

  add_to_inventory(objects_bmp[3], "rolle",
                   TR("Mamas Nudelholz ist fuer mich wie ein Schweizer Messer.",
                      "Mum's rolling pin is my allrounder tool."),
                   "", "");
}

void main_loop_pass() {
  if (game == 990) game = 10;
  storyline();
  mouse_button = -1;
  new_turn = 0;
  platform_poll_mouse();
  if (force_cursor == 0) mouse_status = (mouse_status <= 5) ? 1 : 6;
  mouse_button = button_under_mouse();
  if ((mouse_b & 1) && click != 2) new_turn = 1;

  if (frame_due()) {
    platform_hide_pointer();
    draw_room();
    ++mov_nr1;
    ++cursor_nr;
    ++go_frame_nr;
  }

  if ((mouse_b & 2) && mouse_status > 5) {
    return_carried_item();
    mouse_status = 1;
    click = 2;
  }

  if (mouse_button == -1) {
    leave_room();
    furni_room();
    people_room();
    going();
  }

  blit_buttons();
  mouse_click();
  maus();

  platform_hide_pointer();
  if (mouse_status != -1) platform_show_pointer(memory_screen);
  show_frame();

  cpu_delay += 1;
  if (click == 1) click = 2;
  if (!(mouse_b & 3)) click = 0;
  game += 1;
}

void main_loop() {
  for (;;) main_loop_pass();
}

int game_main(int argc, char** argv) {
  start_up(argc, argv);
  start_new_game();
  main_loop();
}

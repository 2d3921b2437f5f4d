// The program from its start to a new game: the hardware, the options, the
// films and the start-up data, the room state files behind the progress bar,
// the main menu, the new game up to the hero's first item; then the main loop
// (main_loop.cpp).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "core/close_request.h"
#include "core/command_line.h"
#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/read_aloud.h"
#include "core/files.h"
#include "core/folder_lock.h"
#include "core/folders.h"
#include "core/hardware.h"
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "dialogue/talk_data.h"
#include "frame/cursor.h"
#include "frame/draw_room.h"
#include "frame/said_log.h"
#include "game/closing.h"
#include "game/game.h"
#include "hero/hero.h"
#include "interaction/interaction.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "menus/main_menu.h"
#include "persistence/display_options.h"
#include "persistence/options.h"
#include "persistence/room_state.h"
#include "persistence/saved_games.h"
#include "persistence/settings.h"
#include "platform/platform.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

// The folders of the state files and saved games.
void make_save_folders() {
  for (const char* folder : {"sav", "sav/tmp"})
    if (mkdir(folder, 0755) != 0 && errno != EEXIST)
      report_unusable_file(folder, std::strerror(errno), "the rooms' states cannot be stored");
}

}  // namespace

void start_up(int argc, char** argv) {
  const CommandLine line = read_command_line(argc, argv);
  answer_command_line(line, argc > 0 ? argv[0] : nullptr);  // --help, --version and mistakes end here
  // Then every file the game writes from here on lands in the player's
  // folder.
  use_game_folders();
  fullscreen = line.fullscreen;
  take_folder_lock();
  std::string why;
  bug_report = create_text_file("bugs.txt", why);
  if (!bug_report) report_unusable_file("bugs.txt", why, "faults are reported on the console only");
  // The window's size: "-scale N" for this run, else the player's choice.
  load_display_options();
  const int scale_for_this_run = scale_from_command_line(argc, argv);
  platform_set_scale(scale_for_this_run != 0 ? scale_for_this_run : window_scale);
  init_hardware();
  platform_set_close_handler(on_close_request);
  make_save_folders();
  load_options();
  load_settings();
  follow_speech_setting();  // speech-dispatcher only when the player asked for speech
  video_logo();
  using namespace manifest;
  title_dat = load_datafile_checked(kTitleFile.name, kTitleFile.entries);
  track_nr = 1;
  music();
  video_title();
  walk_dat = load_datafile_checked(kWalkFile.name, kWalkFile.entries);
  talkf_dat = load_datafile_checked(kTalkfFile.name, kTalkfFile.entries);
  general_dat = load_datafile_checked(kGeneralFile.name, kGeneralFile.entries);
  cursor_dat = load_datafile_checked(kCursorFile.name, kCursorFile.entries);
  objects_dat = load_datafile_checked(kObjectsFile.name, kObjectsFile.entries);
  font_dat = load_datafile_checked(kFontFile.name, kFontFile.entries);
  load_general_data();
  mouse_status = kModeWalk;
  maus();
  for (int i = 0; i < screen_layout::kProgressSteps; ++i)
    red_bar[i] = datafile_bitmap(title_dat, at(Title::red_bar, i), kTitleFile.name);
  {
    // The first state files need no pictures (rooms.h); the pictures are
    // wanted again however this ends, a stop of the program included.
    struct WithoutRoomPictures {
      WithoutRoomPictures() { load_room_pictures(false); }
      ~WithoutRoomPictures() { load_room_pictures(true); }
    } without_pictures;
    select_init_temp();
    remember_start_states();
  }
  unload_datafile(title_dat);
  title_dat = nullptr;
  pv_logo = nullptr;
  for (BITMAP*& bar : red_bar) bar = nullptr;
  main_menu();
}

void start_new_game() {
  init_general_variables();
  clear_said_log();
  video_intro();
  begin_game();
  build_room_from_state();
  track_nr = 2;
  music();
  video_hero_beton_ko();

  hero_remark(TR("So. Jetzt aber schnell weg hier.", "Ok, let's get the hell out of here."));

  give_item("rolle");
}

void continue_loaded_game() {
  begin_game();
  mouse_status = kModeWalk;
  track_nr = 2;
  music();
}

void back_to_main_menu() {
  save_autosave();
  close_request_done();
  game_under_way = 0;
  game = 0;
  platform_stop_midi();
  track_nr = 1;
  music();
  main_menu();
  if (game_loaded_from_menu()) {
    continue_loaded_game();
  } else {
    put_back_start_states();
    start_new_game();
  }
}

int game_main(int argc, char** argv) {
  start_up(argc, argv);
  if (game_loaded_from_menu())
    continue_loaded_game();
  else
    start_new_game();
  main_loop();
}

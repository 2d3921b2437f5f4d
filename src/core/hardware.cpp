#include "core/hardware.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/files.h"
#include "core/screen_layout.h"
#include "core/sounds.h"
#include "core/world.h"
#include "platform/gamepad.h"
#include "platform/platform.h"

namespace {

// The two console lines, then the library's reason where it gives one.
[[noreturn]] void no_video_mode(const char* reason) {
  std::printf("Critical Error: Unable to select correct Video Mode.\n");
  std::printf("Exiting Allegro ... \n");
  std::fflush(stdout);
  if (reason && *reason) std::fprintf(stderr, "Pelvaro: %s.\n", reason);
  platform_exit(ExitStatus::no_display);
}

}  // namespace

void init_hardware() {
  if (platform_install() != 0) {
    // Without a display the library gives no reason of its own.
    const char* reason = platform_error();
    no_video_mode(reason && *reason ? reason : "the graphics library does not start (is there a display?)");
  }
  // The library's music driver reads the patch set by itself: it is checked
  // like every data file, and given by its full path (the library would look
  // for a relative one beside the program). Without it the game plays no music.
  struct stat patches;
  const std::string patch_set = data_file_path("patches.dat");
  if (stat(patch_set.c_str(), &patches) == 0) verify_data_file("patches.dat");
  bad_sndmode = platform_install_sound(std::filesystem::absolute(patch_set).c_str());
  // Which drivers play, or why nothing does: not an error, but worth a line.
  if (const char* report = platform_sound_report(); *report) {
    std::fprintf(stderr, "Pelvaro: %s.\n", report);
    note_in_bug_report("%s.", report);
  }
  bad_gfxmode = platform_set_gfx_mode(fullscreen);
  if (bad_gfxmode != 0) no_video_mode(platform_error());
  platform_install_pad();  // without one the game plays as before
}

using manifest::at;

namespace {

BITMAP* general(manifest::General entry, int k = 0) {
  return datafile_bitmap(general_dat, at(entry, k), manifest::kGeneralFile.name);
}
BITMAP* pointer(manifest::Cursor entry, int k = 0) {
  return datafile_bitmap(cursor_dat, at(entry, k), manifest::kCursorFile.name);
}

// The pointers of cursor.dat.
void load_pointers() {
  using manifest::Cursor;
  constexpr int step = manifest::kCursorFrameStep;
  cursor = pointer(Cursor::cursor);
  cursor_a = pointer(Cursor::cursor_a);
  pocket_lens = pointer(Cursor::pocket_lens);
  pocket_lens_a = pointer(Cursor::pocket_lens_a);
  for (int i = 0; i < 3; ++i) {
    mouth[i] = pointer(Cursor::mouth0, step * i);
    mouth_a[i] = pointer(Cursor::mouth_a0, step * i);
    hand[i] = pointer(Cursor::hand0, step * i);
    hand_a[i] = pointer(Cursor::hand_a0, step * i);
  }
  for (int i = 0; i < 2; ++i) {
    gear[i] = pointer(Cursor::gear0, step * i);
    gear_a[i] = pointer(Cursor::gear_a0, step * i);
    door[i] = pointer(Cursor::door, i);
    mini_gear[i] = pointer(Cursor::mini_gear0, step * i);
    mini_gear_a[i] = pointer(Cursor::mini_gear_a0, step * i);
  }
  for (int i = 0; i < 6; ++i) sandglass[i] = pointer(Cursor::sandglass, i);
}

}  // namespace

void load_hero_walk() {
  // The cycles in the order walk.dat holds them (data_manifest.h).
  BITMAP** const cycles[8] = {go1_frame, go5_frame, go6_frame, go7_frame,
                              go8_frame, go2_frame, go3_frame, go4_frame};
  for (int c = 0; c < 8; ++c)
    for (int f = 0; f < manifest::kWalkFrames; ++f)
      cycles[c][f] = datafile_bitmap(walk_dat, at(manifest::Walk::go, c * manifest::kWalkFrames + f),
                                     manifest::kWalkFile.name);
}

void load_general_data() {
  memory_screen = create_bitmap(screen_layout::kScreenWidth, screen_layout::kScreenHeight);
  buffer_bmp = create_bitmap(40, 40);
  arrow = create_bitmap(40, 40);
  arrow_gear = create_bitmap(40, 40);
  clear_bitmap(memory_screen);
  clear_to_color(arrow, bitmap_mask_color(arrow));
  clear_to_color(arrow_gear, bitmap_mask_color(arrow_gear));

  load_hero_walk();

  for (int i = 0; i < 15; ++i)
    talk_front[i] = datafile_bitmap(talkf_dat, at(manifest::Talkf::talk_front, i), manifest::kTalkfFile.name);

  using manifest::General;
  inventory_button = general(General::inventory_button);
  inventory_button_on = general(General::inventory_button_on);
  erase_savegame = general(General::erase_savegame);
  stand_frame = general(General::stand_frame);
  navi_button = general(General::navi_button);
  for (int i = 0; i < 5; ++i) navi_butt_on[i] = general(General::navi_butt_on, i);

  load_pointers();

  for (int i = 0; i < 15; ++i)
    objects_bmp[i] = datafile_bitmap(objects_dat, at(manifest::kObjectsBmp[i]), manifest::kObjectsFile.name);

  load_sounds();

  const int font = at(manifest::Font::pv_font);
  if (font_dat[font].type != DAT_FONT) fatal_data_error(manifest::kFontFile.name, "entry 0 is not a font");
  pv_font = static_cast<FONT*>(font_dat[font].dat);
}

// A new game: the values world.h gives each entry of the game (the hero at
// his start in future_floor1, nothing pending, every inventory slot empty),
// and a fresh picture for every inventory slot.
void init_general_variables() {
  set_new_game_values();
  for (BITMAP*& slot : inventory_obj_bmp) {
    slot = create_bitmap(40, 40);
    clear_to_color(slot, bitmap_mask_color(slot));
  }
  cpu_delay = cpu_speed;
}

namespace {

// A picture of a screen's datafile and the variable that holds it while the
// screen is open.
template <typename Entry>
struct Picture {
  Entry entry;
  BITMAP** variable;
};

template <typename Entry, size_t N>
void take_pictures(DATAFILE* dat, const manifest::File& file, const Picture<Entry> (&pictures)[N]) {
  for (const Picture<Entry>& p : pictures) *p.variable = datafile_bitmap(dat, at(p.entry), file.name);
}

template <typename Entry, size_t N>
void forget_pictures(const Picture<Entry> (&pictures)[N]) {
  for (const Picture<Entry>& p : pictures) *p.variable = nullptr;
}

// The inventory screen's and control panel's pictures.
using manifest::Inventar;
const Picture<Inventar> kInventPictures[] = {
    {Inventar::controller_bmp, &controller_bmp},     {Inventar::controller_on, &controller_on},
    {Inventar::game_back_on, &game_back_on},         {Inventar::game_inv_on, &game_inv_on},
    {Inventar::game_load_on, &game_load_on},         {Inventar::game_off, &game_off},
    {Inventar::game_off_on, &game_off_on},           {Inventar::game_ok_on, &game_ok_on},
    {Inventar::game_on_on, &game_on_on},             {Inventar::game_opt_on, &game_opt_on},
    {Inventar::game_quit_on, &game_quit_on},         {Inventar::game_save_on, &game_save_on},
    {Inventar::inventory_bmp, &inventory_bmp},       {Inventar::game_load_bmp, &game_load_bmp},
    {Inventar::game_options_bmp, &game_options_bmp}, {Inventar::game_save_bmp, &game_save_bmp},
    {Inventar::inv_obj_on, &inv_obj_on},             {Inventar::game_hint, &game_hint},
    {Inventar::game_hint_on, &game_hint_on},         {Inventar::game_log_on, &game_log_on},
    {Inventar::game_main_menu_on, &game_main_menu_on}};

}  // namespace

void load_invent_data() {
  invent_dat = load_datafile_checked(manifest::kInventarFile.name, manifest::kInventarFile.entries);
  take_pictures(invent_dat, manifest::kInventarFile, kInventPictures);
}

void unload_invent_data() {
  forget_pictures(kInventPictures);
  if (invent_dat) unload_datafile(invent_dat);
  invent_dat = nullptr;
}

namespace {

// The main menu's pictures.
using manifest::Menu;
const Picture<Menu> kMenuPictures[] = {
    {Menu::eyes_closed, &eyes_closed},           {Menu::eyes_open, &eyes_open},
    {Menu::inst_back_on, &inst_back_on},         {Menu::main_opt_cancel_on, &main_opt_cancel_on},
    {Menu::controller_bmp, &controller_bmp},     {Menu::controller_on, &controller_on},
    {Menu::credits_bmp, &credits_bmp},           {Menu::inst_gi_on, &inst_gi_on},
    {Menu::main_instruct_bmp, &main_instruct_bmp}, {Menu::menu_bmp, &menu_bmp},
    {Menu::mm_cred, &mm_cred},                   {Menu::mm_inst, &mm_inst},
    {Menu::mm_new, &mm_new},                     {Menu::mm_opti, &mm_opti},
    {Menu::mm_quit, &mm_quit},                   {Menu::credits_graphics, &credits_graphics},
    {Menu::credits_coding, &credits_coding},     {Menu::credits_sound, &credits_sound},
    {Menu::main_opt_off, &main_opt_off},         {Menu::main_opt_off_on, &main_opt_off_on},
    {Menu::main_opt_ok_on, &main_opt_ok_on},     {Menu::main_opt_on_on, &main_opt_on_on},
    {Menu::main_options_bmp, &main_options_bmp}};

}  // namespace

void load_menu_data() {
  menu_dat = load_datafile_checked(manifest::kMenuFile.name, manifest::kMenuFile.entries);
  take_pictures(menu_dat, manifest::kMenuFile, kMenuPictures);
}

void unload_menu_data() {
  forget_pictures(kMenuPictures);
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

void loading() {
  using namespace screen_layout;
  if (load_loop > 33) load_loop = 33;
  blit(pv_logo, memory_screen, 0, 0, 0, 0, pv_logo->w, pv_logo->h);
  draw_sprite(memory_screen, red_bar[load_loop], kProgressBar.x, kProgressBar.y);
  platform_new_frame();
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  load_loop += 1;
}

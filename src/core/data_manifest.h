// The game's start-up, hero and screen datafiles: each file's name and its
// entries in their stored order.
//
// The game addresses every picture by its position in its datafile. Both the
// game and the data generator (tools/mkassets) include this header: the game
// reads entry manifest::at(Cursor::door0) where the generator must have
// stored the picture it names "DOOR0", and the generator refuses to write a
// datafile whose entries are not exactly these, in this order. So a
// position is written here and nowhere else. (A room's datafile is described
// by the tables of its script.)
#pragma once

namespace manifest {

// A datafile and the number of entries the game needs in it.
struct File {
  const char* name;
  int entries;
};

// A run of entries: one entry named `label`, or `count` entries named
// label0, label1, ...
struct Run {
  const char* label;
  int count;
};

// The position of entry `e` (plus `k` for the k-th entry of a run).
template <typename Entry>
constexpr int at(Entry e, int k = 0) {
  return static_cast<int>(e) + k;
}

// A list X(entry, "LABEL", count) becomes: enum class Type of the entries'
// positions (and Type::count), kTypeRuns for the generator, kTypeFile. The
// cut scenes' headers declare their datafiles with it too.
#define PELVARO_ENTRY_ENUM(entry, label, n) entry, entry##_last = entry + (n) - 1,
#define PELVARO_ENTRY_RUN(entry, label, n) Run{label, n},
#define PELVARO_DATAFILE(Type, file, LIST)                                 \
  enum class Type : int { LIST(PELVARO_ENTRY_ENUM) count };               \
  inline constexpr Run k##Type##Runs[] = {LIST(PELVARO_ENTRY_RUN)};        \
  inline constexpr File k##Type##File{file, static_cast<int>(Type::count)};

// "title.dat": the title picture, then the 35 steps of the progress bar.
#define PELVARO_TITLE_DAT(X) \
  X(pv_logo, "PV_LOGO", 1)   \
  X(red_bar, "RED_BAR", 35)
PELVARO_DATAFILE(Title, "title.dat", PELVARO_TITLE_DAT)

// "walk.dat": the eight walking cycles, 14 frames each, in this order of the
// step directions: up, down, left, down-left, down-right, right, up-left,
// up-right.
#define PELVARO_WALK_DAT(X) X(go, "GO", 8 * 14)
PELVARO_DATAFILE(Walk, "walk.dat", PELVARO_WALK_DAT)
inline constexpr int kWalkFrames = 14;

// The hero talking to the viewer, and his special animations.
#define PELVARO_TALKF_DAT(X) X(talk_front, "TALK_FRONT", 15)
PELVARO_DATAFILE(Talkf, "talkf.dat", PELVARO_TALKF_DAT)
#define PELVARO_TALKR_DAT(X) X(talkr, "TALKR", 30)
PELVARO_DATAFILE(Talkr, "talkr.dat", PELVARO_TALKR_DAT)
#define PELVARO_TALKL_DAT(X) X(talkl, "TALKL", 30)
PELVARO_DATAFILE(Talkl, "talkl.dat", PELVARO_TALKL_DAT)
#define PELVARO_TAKEL_DAT(X) X(takel, "TAKEL", 15)
PELVARO_DATAFILE(Takel, "takel.dat", PELVARO_TAKEL_DAT)
#define PELVARO_TAKER_DAT(X) X(taker, "TAKER", 15)
PELVARO_DATAFILE(Taker, "taker.dat", PELVARO_TAKER_DAT)

// "general.dat": the bag, the slot-line blank of the save screens, the hero
// standing, two spare tiles, the verb panel and its five lit buttons.
#define PELVARO_GENERAL_DAT(X)                    \
  X(inventory_button, "INVENTORY_BUTTON", 1)       \
  X(inventory_button_on, "INVENTORY_BUTTON_ON", 1) \
  X(erase_savegame, "ERASE_SAVEGAME", 1)           \
  X(stand_frame, "STAND_FRAME", 1)                 \
  X(small_bag, "SMALL_BAG", 1)                     \
  X(blank_tile, "BLANK_TILE", 1)                   \
  X(navi_button, "NAVI_BUTTON", 1)                 \
  X(navi_butt_on, "NAVI_BUTT_ON", 5)
PELVARO_DATAFILE(General, "general.dat", PELVARO_GENERAL_DAT)

// "cursor.dat": the pointers; the animated ones alternate plain and lit.
#define PELVARO_CURSOR_DAT(X)          \
  X(cursor, "CURSOR", 1)               \
  X(cursor_a, "CURSOR_A", 1)           \
  X(pocket_lens, "POCKET_LENS", 1)     \
  X(pocket_lens_a, "POCKET_LENS_A", 1) \
  X(mouth0, "MOUTH0", 1)               \
  X(mouth_a0, "MOUTH_A0", 1)           \
  X(mouth1, "MOUTH1", 1)               \
  X(mouth_a1, "MOUTH_A1", 1)           \
  X(mouth2, "MOUTH2", 1)               \
  X(mouth_a2, "MOUTH_A2", 1)           \
  X(hand0, "HAND0", 1)                 \
  X(hand_a0, "HAND_A0", 1)             \
  X(hand1, "HAND1", 1)                 \
  X(hand_a1, "HAND_A1", 1)             \
  X(hand2, "HAND2", 1)                 \
  X(hand_a2, "HAND_A2", 1)             \
  X(gear0, "GEAR0", 1)                 \
  X(gear_a0, "GEAR_A0", 1)             \
  X(gear1, "GEAR1", 1)                 \
  X(gear_a1, "GEAR_A1", 1)             \
  X(door, "DOOR", 2)                   \
  X(mini_gear0, "MINI_GEAR0", 1)       \
  X(mini_gear_a0, "MINI_GEAR_A0", 1)   \
  X(mini_gear1, "MINI_GEAR1", 1)       \
  X(mini_gear_a1, "MINI_GEAR_A1", 1)   \
  X(sandglass, "SANDGLASS", 6)
PELVARO_DATAFILE(Cursor, "cursor.dat", PELVARO_CURSOR_DAT)
// Between one frame of an alternating pointer and its next.
inline constexpr int kCursorFrameStep = 2;

// "objects.dat": the pictures of the items that reach the inventory or the
// pointer without being a room's piece.
#define PELVARO_OBJECTS_DAT(X)      \
  X(access_card, "OBJECT0", 1)      \
  X(alcohol, "OBJECT1", 1)          \
  X(lead_solution, "OBJECT2", 1)    \
  X(lead_pipe, "OBJECT3", 1)        \
  X(glasses, "OBJECT4", 1)          \
  X(burner_with_hose, "OBJECT5", 1) \
  X(bunsen_burner, "OBJECT6", 1)    \
  X(diamond, "OBJECT7", 1)          \
  X(welding_torch, "OBJECT8", 1)    \
  X(gas_bottle, "OBJECT9", 1)       \
  X(gas_with_hose, "OBJECT10", 1)   \
  X(canister, "OBJECT11", 1)        \
  X(lemonade, "OBJECT12", 1)        \
  X(rolling_pin, "OBJECT13", 1)     \
  X(screwdriver, "OBJECT14", 1)
PELVARO_DATAFILE(Objects, "objects.dat", PELVARO_OBJECTS_DAT)
// objects_bmp[k] is entry kObjectsBmp[k].
inline constexpr Objects kObjectsBmp[15] = {
    Objects::canister,      Objects::gas_bottle,       Objects::access_card,   Objects::rolling_pin,
    Objects::screwdriver,   Objects::bunsen_burner,    Objects::alcohol,       Objects::lemonade,
    Objects::burner_with_hose, Objects::gas_with_hose, Objects::welding_torch, Objects::lead_pipe,
    Objects::diamond,       Objects::glasses,          Objects::lead_solution};

// "font.dat": the game's font, and the large one spoken lines and subtitles
// may be shown in (frame/subtitles.h).
#define PELVARO_FONT_DAT(X) \
  X(pv_font, "PV_FONT", 1)  \
  X(pv_font_large, "PV_FONT_LARGE", 1)
PELVARO_DATAFILE(Font, "font.dat", PELVARO_FONT_DAT)

// "inventar.dat": the inventory screen, the control panel and the slot screens
// (the panel's Hint button, plain and lit, its lit Log button, then its lit Main menu button last).
#define PELVARO_INVENTAR_DAT(X)            \
  X(controller_bmp, "CONTROLLER_BMP", 1)   \
  X(controller_on, "CONTROLLER_ON", 1)     \
  X(game_back_on, "GAME_BACK_ON", 1)       \
  X(game_inv_on, "GAME_INV_ON", 1)         \
  X(game_load_on, "GAME_LOAD_ON", 1)       \
  X(game_off, "GAME_OFF", 1)               \
  X(game_off_on, "GAME_OFF_ON", 1)         \
  X(game_ok_on, "GAME_OK_ON", 1)           \
  X(game_on_on, "GAME_ON_ON", 1)           \
  X(game_opt_on, "GAME_OPT_ON", 1)         \
  X(game_quit_on, "GAME_QUIT_ON", 1)       \
  X(game_save_on, "GAME_SAVE_ON", 1)       \
  X(inventory_bmp, "INVENTORY_BMP", 1)     \
  X(game_load_bmp, "GAME_LOAD_BMP", 1)     \
  X(game_options_bmp, "GAME_OPTIONS_BMP", 1) \
  X(game_save_bmp, "GAME_SAVE_BMP", 1)     \
  X(inv_obj_on, "INV_OBJ_ON", 1)           \
  X(game_hint, "GAME_HINT", 1)             \
  X(game_hint_on, "GAME_HINT_ON", 1)       \
  X(game_log_on, "GAME_LOG_ON", 1)         \
  X(game_main_menu_on, "GAME_MAIN_MENU_ON", 1)
PELVARO_DATAFILE(Inventar, "inventar.dat", PELVARO_INVENTAR_DAT)

// "menu.dat": the main menu, its credits, instructions and options screens
// (the credits' lit Back button last).
#define PELVARO_MENU_DAT(X)                    \
  X(eyes_closed, "EYES_CLOSED", 1)             \
  X(eyes_open, "EYES_OPEN", 1)                 \
  X(inst_back_on, "INST_BACK_ON", 1)           \
  X(main_opt_cancel_on, "MAIN_OPT_CANCEL_ON", 1) \
  X(controller_bmp, "CONTROLLER_BMP", 1)       \
  X(controller_on, "CONTROLLER_ON", 1)         \
  X(credits_bmp, "CREDITS_BMP", 1)             \
  X(inst_gi_on, "INST_GI_ON", 1)               \
  X(main_instruct_bmp, "MAIN_INSTRUCT_BMP", 1) \
  X(menu_bmp, "MENU_BMP", 1)                   \
  X(mm_cred, "MM_CRED", 1)                     \
  X(mm_inst, "MM_INST", 1)                     \
  X(mm_new, "MM_NEW", 1)                       \
  X(mm_opti, "MM_OPTI", 1)                     \
  X(mm_quit, "MM_QUIT", 1)                     \
  X(credits_graphics, "CREDITS_GRAPHICS", 1)   \
  X(credits_coding, "CREDITS_CODING", 1)       \
  X(credits_sound, "CREDITS_SOUND", 1)         \
  X(main_opt_off, "MAIN_OPT_OFF", 1)           \
  X(main_opt_off_on, "MAIN_OPT_OFF_ON", 1)     \
  X(main_opt_ok_on, "MAIN_OPT_OK_ON", 1)       \
  X(main_opt_on_on, "MAIN_OPT_ON_ON", 1)       \
  X(main_options_bmp, "MAIN_OPTIONS_BMP", 1)   \
  X(credits_back_on, "CREDITS_BACK_ON", 1)
PELVARO_DATAFILE(Menu, "menu.dat", PELVARO_MENU_DAT)

// "intro.dat": the introduction's pictures.
#define PELVARO_INTRO_DAT(X)    \
  X(emblem, "EMBLEM", 1)        \
  X(time_swirl, "TIME_SWIRL", 1) \
  X(background, "INTRO_BACKGROUND", 1)
PELVARO_DATAFILE(Intro, "intro.dat", PELVARO_INTRO_DAT)

// "sounds.dat": the sound effects, played at the sound-effects volume.
#define PELVARO_SOUNDS_DAT(X)            \
  X(door, "DOOR", 1)                     \
  X(take, "TAKE", 1)                     \
  X(bag_drop, "BAG_DROP", 1)             \
  X(bag_open, "BAG_OPEN", 1)             \
  X(lever, "LEVER", 1)                   \
  X(glass_break, "GLASS_BREAK", 1)       \
  X(machine_hum, "MACHINE_HUM", 1)       \
  X(machine_flash, "MACHINE_FLASH", 1)   \
  X(bag_close, "BAG_CLOSE", 1)           \
  X(button, "BUTTON", 1)
PELVARO_DATAFILE(Sounds, "sounds.dat", PELVARO_SOUNDS_DAT)

}  // namespace manifest

// PELVARO_DATAFILE stays defined: the cut scenes' groups declare their own
// datafiles with it (src/cutscenes/<group>_data.h).

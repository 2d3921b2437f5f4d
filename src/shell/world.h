// The game's data model: every piece of state the game keeps, by group.
//
// The whole game works on these named globals; operations are free functions
// without arguments that read and write them. They are listed once, in
// WORLD_STATE below, so that the header declares them, world.cpp defines them
// and reset_world() puts every one of them back to its program-start value
// (zero, or null) from the same list.
//
// Sizes: 10 objects, 10 persons and 10 exits per room, 60 animation frames per
// object or person, 200 path steps, 5 waypoints, 100 inventory slots, 3 lines
// per spoken text. A text is a pointer to a constant string the holder does
// not own. -1 means "none" in every index-valued variable.
#pragma once

#include <allegro.h>
#include <cstdio>

#include "dialogue/talk_tree.h"

// Capacities of the tables.
inline constexpr int kMaxFurni = 10;
inline constexpr int kMaxPersons = 10;
inline constexpr int kMaxFrames = 60;
inline constexpr int kMaxExits = 10;
inline constexpr int kMaxMix = 20;
inline constexpr int kPathSteps = 200;
inline constexpr int kWaypoints = 5;
inline constexpr int kInventorySlots = 100;
inline constexpr int kTextLines = 3;
inline constexpr int kTalkRows = 6;     // row 0 one-off remarks, rows 1..5 menu options
inline constexpr int kVideoFrames = 64;
inline constexpr int kSlotNameLen = 30;
inline constexpr int kSaveSlots = 10;

typedef const char* text;

// V(type, name, dimensions)
#define WORLD_STATE(V)                                                                          \
  /* 1. Room objects (furniture) of the current room, index 0 .. furni_nr-1 */                 \
  V(int, furni_nr, )                                                                            \
  V(text, furni_name, [kMaxFurni])                                                              \
  V(text, furni_text, [kMaxFurni][kTextLines])     /* what the hero says looking at it */       \
  V(int, furni_present, [kMaxFurni])               /* 1 = shown and hoverable */                \
  V(int, furni_interact, [kMaxFurni])              /* 1 = reacts to the mouse */                \
  V(int, furni_take, [kMaxFurni])                  /* 1 = can be taken */                       \
  V(int, take_furni_dir, [kMaxFurni])              /* taking pose: 3 left, 4 right */           \
  V(int, goto_furni_x, [kMaxFurni])                                                             \
  V(int, goto_furni_y, [kMaxFurni])                                                             \
  V(int, furni_mouse_x, [kMaxFurni])               /* hover rectangle, inclusive */             \
  V(int, furni_mouse_x2, [kMaxFurni])                                                           \
  V(int, furni_mouse_y, [kMaxFurni])                                                            \
  V(int, furni_mouse_y2, [kMaxFurni])                                                           \
  V(int, furni_mouse_over, [kMaxFurni])                                                         \
  V(int, furni_anim, [kMaxFurni])                  /* animation selected */                     \
  V(int, old_furni_anim, [kMaxFurni])              /* animation loaded, -1 none */              \
  V(int, furni_frame_nr, [kMaxFurni])                                                           \
  V(int, mov_furni_nr, [kMaxFurni])                                                             \
  V(BITMAP*, furniture, [kMaxFurni][kMaxFrames])                                                \
  V(int, furni_x, [kMaxFurni][kMaxFrames])                                                      \
  V(int, furni_y, [kMaxFurni][kMaxFrames])                                                      \
  V(int, furni_x2, [kMaxFurni][kMaxFrames])                                                     \
  V(int, furni_y2, [kMaxFurni][kMaxFrames])                                                     \
  V(int, furni_blit, [kMaxFurni][kMaxFrames])      /* composed frames each frame stays */       \
  V(int, furni_blitted, [kMaxFurni][kMaxFrames])                                                \
                                                                                                \
  /* 2. Persons (non-player characters) of the current room */                                 \
  V(int, person_nr, )                                                                           \
  V(text, person_name, [kMaxPersons])                                                           \
  V(text, person_text, [kMaxPersons][kTextLines])                                               \
  V(int, person_present, [kMaxPersons])                                                         \
  V(int, person_interact, [kMaxPersons])                                                        \
  V(int, person_talk, [kMaxPersons])                                                            \
  V(int, talk_pers_dir, [kMaxPersons])             /* 0 front, 1 right, 2 left */               \
  V(int, goto_person_x, [kMaxPersons])                                                          \
  V(int, goto_person_y, [kMaxPersons])                                                          \
  V(int, person_mouse_x, [kMaxPersons])                                                         \
  V(int, person_mouse_x2, [kMaxPersons])                                                        \
  V(int, person_mouse_y, [kMaxPersons])                                                         \
  V(int, person_mouse_y2, [kMaxPersons])                                                        \
  V(int, person_mouse_over, [kMaxPersons])                                                      \
  V(int, person_anim, [kMaxPersons])                                                            \
  V(int, old_person_anim, [kMaxPersons])                                                        \
  V(int, person_frame_nr, [kMaxPersons])                                                        \
  V(int, mov_person_nr, [kMaxPersons])                                                          \
  V(BITMAP*, person, [kMaxPersons][kMaxFrames])                                                 \
  V(int, person_x, [kMaxPersons][kMaxFrames])                                                   \
  V(int, person_y, [kMaxPersons][kMaxFrames])                                                   \
  V(int, person_x2, [kMaxPersons][kMaxFrames])                                                  \
  V(int, person_y2, [kMaxPersons][kMaxFrames])                                                  \
  V(int, person_blit, [kMaxPersons][kMaxFrames])                                                \
  V(int, person_blitted, [kMaxPersons][kMaxFrames])                                             \
  V(int, start_talk, [kMaxPersons][kMaxFrames])    /* talk-start marks of the animation */      \
                                                                                                \
  /* 3. Exits of the current room */                                                           \
  V(int, exit_nr, )                                                                             \
  V(text, new_room, [kMaxExits])                                                                \
  V(int, go_through, [kMaxExits])                  /* 1 = open */                               \
  V(int, exit_x, [kMaxExits])                                                                   \
  V(int, exit_x2, [kMaxExits])                                                                  \
  V(int, exit_y, [kMaxExits])                                                                   \
  V(int, exit_y2, [kMaxExits])                                                                  \
  V(int, goto_exit_x, [kMaxExits])                                                              \
  V(int, goto_exit_y, [kMaxExits])                                                              \
  V(int, new_hero_x, [kMaxExits])                  /* arrival point in the next room */         \
  V(int, new_hero_y, [kMaxExits])                                                               \
                                                                                                \
  /* 4. Current room and depth scaling */                                                      \
  V(text, room_name, )                                                                          \
  V(BITMAP*, room_graph, )                                                                      \
  V(DATAFILE*, room_dat, )                                                                      \
  V(int, change_room, )                            /* exit being walked to, -1 none */          \
  V(float, min_hero_length, )                                                                   \
  V(float, increase_rate, )                                                                     \
  V(float, float_y, )                                                                           \
                                                                                                \
  /* 5. The hero */                                                                            \
  V(int, hero_x, )                                 /* horizontal centre */                      \
  V(int, hero_y, )                                 /* standing line */                          \
  V(int, hero_length, )                                                                         \
  V(int, hero_width, )                                                                          \
  V(int, hero_blitted, )                                                                        \
  V(int, hero_action, [kPathSteps])   /* 0 stand, 1..8 step, -1 talk front, -2 special */       \
  V(int, movement_x, [kPathSteps])                                                              \
  V(int, movement_y, [kPathSteps])                                                              \
  V(int, mov_nr, )                                                                              \
  V(int, mov_nr1, )                                                                             \
  V(int, go_frame_nr, )                                                                         \
  V(int, talk_frame_nr, )                                                                       \
  V(int, move_frame_nr, )                                                                       \
  V(int, hero_move_frame_nr, )                                                                  \
  V(int, select_move, )          /* 1 talk right, 2 talk left, 3 take left, 4 take right */     \
  V(int, hero_talkl_korrektur, )                                                                \
  V(int, talk_direction, )                                                                      \
  V(int, take_direction, )                                                                      \
  V(int, bmp_x, )                                                                               \
  V(int, bmp_y, )                                                                               \
  V(int, true_x, )                                                                              \
  V(int, true_y, )                                                                              \
  V(int, click_x, [kWaypoints])                                                                 \
  V(int, click_y, [kWaypoints])                                                                 \
  V(int, click_nr, )                                                                            \
  V(int, click_x2, )                                                                            \
  V(int, click_y2, )                                                                            \
  V(int, buffer_x, )                                                                            \
  V(int, buffer_y, )                                                                            \
  V(int, x, )                                                                                   \
  V(int, y, )                                                                                   \
  V(int, last_x, )                                                                              \
  V(int, last_y, )                                                                              \
  V(int, crash_alert, )                                                                         \
                                                                                                \
  /* 6. Pending actions: what the hero does when he arrives */                                 \
  V(int, take_object, )                                                                         \
  V(int, gear_object, )                                                                         \
  V(int, use_object, )                                                                          \
  V(int, talk_goto, )                                                                           \
  V(int, action, )                                                                              \
  V(int, wait_loop, )                                                                           \
  V(text, use_obj, )                                                                            \
  V(int, took_object, )                                                                         \
  V(int, cannottake_nr, )                                                                       \
                                                                                                \
  /* 7. Mouse, cursor and click state */                                                       \
  V(int, mouse_status, )   /* -1 busy 0 exit 1 walk 2 look 3 talk 4 take 5 use 6 item 7 item+ */ \
  V(int, cursor_nr, )                                                                           \
  V(int, force_cursor, )                                                                        \
  V(int, mouse_over_sth, )                                                                      \
  V(int, mouse_button, )   /* -1 none, 0 bag, 1 walk, 2 take, 3 use, 4 look, 5 talk */          \
  V(int, click, )          /* 0 free, 1 handled this pass, 2 handled and still held */          \
  V(int, new_turn, )                                                                            \
  V(int, hidebuttons, )                                                                         \
  V(int, buffer_mouse_status, )                                                                 \
                                                                                                \
  /* 8. The draw list of one composed frame */                                                 \
  V(int, mix_nr, )                                                                              \
  V(BITMAP*, room_mix, [kMaxMix])                                                               \
  V(int, mix_x, [kMaxMix])                                                                      \
  V(int, mix_y, [kMaxMix])                                                                      \
  V(int, mix_x2, [kMaxMix])                                                                     \
  V(int, mix_y2, [kMaxMix])                                                                     \
  V(int, mix_present, [kMaxMix])                                                                \
                                                                                                \
  /* 9. Inventory */                                                                           \
  V(text, inventory_obj, [kInventorySlots])        /* "z" marks an empty slot */                \
  V(text, inv_obj_describe, [kInventorySlots][kTextLines])                                      \
  V(BITMAP*, inventory_obj_bmp, [kInventorySlots])                                              \
  V(int, invent_nr, )                                                                           \
  V(text, arrow_obj, )                                                                          \
  V(text, arrow_describe, [kTextLines])                                                         \
  V(BITMAP*, objects_bmp, [15])                                                                 \
  V(int, invent, )                                                                              \
  V(int, invent_obj_x, )                                                                        \
  V(int, invent_obj_y, )                                                                        \
  V(int, inv_menu, )                                                                            \
  V(int, mouse_over_obj, )                                                                      \
  V(text, buffer_obj, )                                                                         \
  V(text, temp_inv_obj, )                                                                       \
  V(int, temp_nr, )                                                                             \
  V(BITMAP*, temp_obj_bmp, )                                                                    \
                                                                                                \
  /* 10. Text output */                                                                        \
  V(text, input_text, [kTalkRows][kTextLines])     /* the hero's lines */                       \
  V(text, output_text, [kTalkRows][kTextLines])    /* a person's lines */                       \
  V(int, sentence_x, )                                                                          \
  V(int, sentence_y, )                                                                          \
  V(int, reply_x, )                                                                             \
  V(int, reply_y, )                                                                             \
  V(int, text_speed, )                                                                          \
  V(int, text_output, )                                                                         \
  V(int, talk_loop, )                                                                           \
  V(int, text_rows, )                                                                           \
  V(int, text_y, )                                                                              \
  V(text, actual_text, )                                                                        \
  V(text, story_text, )                                                                         \
  V(text, video_text, [kTextLines])                                                             \
  V(int, video_text_x, [kTextLines])                                                            \
  V(int, video_text_y, [kTextLines])                                                            \
  V(int, video_text_color, )                                                                    \
  V(int, let_video_text, )                                                                      \
                                                                                                \
  /* 11. Dialogue: one tree per person (sentence, reply, s_call_nr, s_present, s_exit of     \
     every node, found by its dotted path: dialogue/talk_tree.h) and the conversation */       \
  V(TalkTree, talk_tree, [kMaxPersons])                                                         \
  V(int, branch1, )                                                                             \
  V(int, branch2, )                                                                             \
  V(int, branch3, )                                                                             \
  V(int, branch4, )                                                                             \
  V(int, branch5, )                                                                             \
  V(int, branch, )                                                                              \
  V(int, talk_nr, )                                                                             \
  V(int, exit_talk, )                                                                           \
  V(int, choice, )                                                                              \
                                                                                                \
  /* 12. Story flags */                                                                        \
  V(int, story_gotaccesscard, )                                                                 \
  V(int, story_adyteleskop, )                                                                   \
  V(int, story_schrankoffen, )                                                                  \
  V(int, story_sandalkohol, )                                                                   \
  V(int, story_brokencase, )                                                                    \
  V(int, story_diamant, )                                                                       \
  V(int, story_teleskop, )                                                                      \
  V(int, story_gotglasses, )                                                                    \
  V(int, story_blei, )                                                                          \
  V(int, story_bleiloesung, )                                                                   \
  V(int, story_gotblei, )                                                                       \
  V(int, story_douche, )                                                                        \
  V(int, story_bleitank, )                                                                      \
  V(int, story_alarm, )                                                                         \
  V(int, story_zirud_talk, )                                                                    \
  V(int, story_hero_uff, )                                                                      \
  V(int, cons_gotaccesscard, )                                                                  \
  V(int, cons_adyteleskop, )                                                                    \
  V(int, cons_policemad, )                                                                      \
  V(int, cons_gotglasses, )                                                                     \
  V(int, cons_gotblei, )                                                                        \
  V(int, video_timetravel, )                                                                    \
                                                                                                \
  /* 13. Timing, pass counters and scratch counters */                                         \
  V(int, delay, )                  /* clock reading of this pass, ms */                         \
  V(int, current_time, )           /* clock reading of the last composed frame */               \
  V(int, game, )                   /* main-loop pass counter, 10..989 */                        \
  V(int, cpu_delay, )                                                                           \
  V(int, cpu_speed, )                                                                           \
  V(int, counter, )                                                                             \
  V(int, counter2, )                                                                            \
  V(int, counter3, )                                                                            \
  V(int, counter4, )                                                                            \
  V(int, counter5, )                                                                            \
  V(int, counter6, )                                                                            \
  V(int, counter7, )                                                                            \
  V(int, load_loop, )              /* step of the start-up progress bar, 0..33 */               \
  V(int, prepare_loop, )                                                                        \
  V(int, video_loop, )                                                                          \
                                                                                                \
  /* 14. Options and set-up results */                                                         \
  V(int, music_vol, )              /* 0..255 */                                                 \
  V(int, wave_vol, )               /* 0..255 */                                                 \
  V(int, tmp_music_vol, )                                                                       \
  V(int, tmp_wave_vol, )                                                                        \
  V(int, tmp_text_speed, )                                                                      \
  V(int, tmp_text_output, )                                                                     \
  V(int, track_nr, )               /* 1 title music, 2 in-game music */                         \
  V(int, fullscreen, )                                                                          \
  V(int, window_scale, )           /* window enlarged by 1..8, 0 the largest that fits */       \
  V(int, tmp_window_scale, )       /* the same while the options screen is open */              \
  V(int, bad_gfxmode, )                                                                         \
  V(int, bad_sndmode, )                                                                         \
                                                                                                \
  /* 15. Pictures and the font loaded at start-up */                                           \
  V(BITMAP*, memory_screen, )      /* the 640x480 frame buffer */                               \
  V(BITMAP*, buffer_bmp, )                                                                      \
  V(BITMAP*, arrow, )              /* the carried item as the pointer */                        \
  V(BITMAP*, arrow_gear, )                                                                      \
  V(BITMAP*, stand_frame, )                                                                     \
  V(BITMAP*, talk_front, [15])                                                                  \
  V(BITMAP*, go1_frame, [14])                                                                   \
  V(BITMAP*, go2_frame, [14])                                                                   \
  V(BITMAP*, go3_frame, [14])                                                                   \
  V(BITMAP*, go4_frame, [14])                                                                   \
  V(BITMAP*, go5_frame, [14])                                                                   \
  V(BITMAP*, go6_frame, [14])                                                                   \
  V(BITMAP*, go7_frame, [14])                                                                   \
  V(BITMAP*, go8_frame, [14])                                                                   \
  V(BITMAP*, move, [30])           /* the loaded special animation */                           \
  V(BITMAP*, inventory_button, )                                                                \
  V(BITMAP*, inventory_button_on, )                                                             \
  V(BITMAP*, navi_button, )                                                                     \
  V(BITMAP*, navi_butt_on, [5])                                                                 \
  V(BITMAP*, cursor, )                                                                          \
  V(BITMAP*, cursor_a, )                                                                        \
  V(BITMAP*, pocket_lens, )                                                                     \
  V(BITMAP*, pocket_lens_a, )                                                                   \
  V(BITMAP*, mouth, [3])                                                                        \
  V(BITMAP*, mouth_a, [3])                                                                      \
  V(BITMAP*, hand, [3])                                                                         \
  V(BITMAP*, hand_a, [3])                                                                       \
  V(BITMAP*, gear, [2])                                                                         \
  V(BITMAP*, gear_a, [2])                                                                       \
  V(BITMAP*, mini_gear, [2])                                                                    \
  V(BITMAP*, mini_gear_a, [2])                                                                  \
  V(BITMAP*, door, [2])                                                                         \
  V(BITMAP*, sandglass, [6])                                                                    \
  V(BITMAP*, red_bar, [35])                                                                     \
  V(BITMAP*, pv_logo, )                                                                         \
  V(FONT*, pv_font, )                                                                           \
  V(BITMAP*, erase_savegame, )                                                                  \
  /* pictures of the inventory screen and control panel ("inventar.dat") */                    \
  V(BITMAP*, controller_bmp, )                                                                  \
  V(BITMAP*, controller_on, )                                                                   \
  V(BITMAP*, game_back_on, )                                                                    \
  V(BITMAP*, game_inv_on, )                                                                     \
  V(BITMAP*, game_load_on, )                                                                    \
  V(BITMAP*, game_off, )                                                                        \
  V(BITMAP*, game_off_on, )                                                                     \
  V(BITMAP*, game_ok_on, )                                                                      \
  V(BITMAP*, game_on_on, )                                                                      \
  V(BITMAP*, game_opt_on, )                                                                     \
  V(BITMAP*, game_quit_on, )                                                                    \
  V(BITMAP*, game_save_on, )                                                                    \
  V(BITMAP*, inventory_bmp, )                                                                   \
  V(BITMAP*, game_load_bmp, )                                                                   \
  V(BITMAP*, game_options_bmp, )                                                                \
  V(BITMAP*, game_save_bmp, )                                                                   \
  V(BITMAP*, inv_obj_on, )                                                                      \
  /* pictures of the main menu ("menu.dat") */                                                 \
  V(BITMAP*, eyes_closed, )                                                                     \
  V(BITMAP*, eyes_open, )                                                                       \
  V(BITMAP*, inst_back_on, )                                                                    \
  V(BITMAP*, main_opt_cancel_on, )                                                              \
  V(BITMAP*, credits_bmp, )                                                                     \
  V(BITMAP*, inst_gi_on, )                                                                      \
  V(BITMAP*, main_instruct_bmp, )                                                               \
  V(BITMAP*, menu_bmp, )                                                                        \
  V(BITMAP*, mm_cred, )                                                                         \
  V(BITMAP*, mm_inst, )                                                                         \
  V(BITMAP*, mm_new, )                                                                          \
  V(BITMAP*, mm_opti, )                                                                         \
  V(BITMAP*, mm_quit, )                                                                         \
  V(BITMAP*, credits_graphics, )                                                                \
  V(BITMAP*, credits_coding, )                                                                  \
  V(BITMAP*, credits_sound, )                                                                   \
  V(BITMAP*, main_opt_off, )                                                                    \
  V(BITMAP*, main_opt_off_on, )                                                                 \
  V(BITMAP*, main_opt_ok_on, )                                                                  \
  V(BITMAP*, main_opt_on_on, )                                                                  \
  V(BITMAP*, main_options_bmp, )                                                                \
                                                                                                \
  /* 16. Datafiles, sound and files */                                                         \
  V(DATAFILE*, title_dat, )                                                                     \
  V(DATAFILE*, walk_dat, )                                                                      \
  V(DATAFILE*, talkf_dat, )                                                                     \
  V(DATAFILE*, general_dat, )                                                                   \
  V(DATAFILE*, cursor_dat, )                                                                    \
  V(DATAFILE*, objects_dat, )                                                                   \
  V(DATAFILE*, font_dat, )                                                                      \
  V(DATAFILE*, invent_dat, )                                                                    \
  V(DATAFILE*, menu_dat, )                                                                      \
  V(DATAFILE*, move_dat, )                                                                      \
  V(DATAFILE*, intro_dat, )                                                                     \
  V(DATAFILE*, video_dat, )                                                                     \
  V(DATAFILE*, video_move_dat, )                                                                \
  V(MIDI*, track, )                                                                             \
  V(SAMPLE*, logo_wav, )                                                                        \
  V(FILE*, bug_report, )                                                                        \
  V(FILE*, save_file, )                                                                         \
  V(FILE*, load_file, )                                                                         \
  V(FILE*, options_file, )                                                                      \
                                                                                                \
  /* 17. Cut scenes, saved games, option screens, person animations */                        \
  V(int, video_active, )                                                                        \
  V(BITMAP*, video_bmp, [kVideoFrames])                                                         \
  V(int, video_x, [kVideoFrames])                                                               \
  V(int, video_y, [kVideoFrames])                                                               \
  V(int, video_bmp_nr, )                                                                        \
  V(int, video_frame_nr, )                                                                      \
  V(BITMAP*, video_move, [kVideoFrames])                                                        \
  V(int, video_duration, )                                                                      \
  V(int, hero_foreground, )                                                                     \
  V(int, object_foreground, )                                                                   \
  V(int, video_foreground, )                                                                    \
  V(BITMAP*, video_object, )                                                                    \
  V(int, video_object_x, )                                                                      \
  V(int, video_object_y, )                                                                      \
  V(int, hue, )                                                                                 \
  V(char, save_name, [kSaveSlots][kSlotNameLen])   /* blank-padded, not terminated */           \
  V(int, key_nr, )                                                                              \
  V(text, load_path, )                                                                          \
  V(text, save_path, )                                                                          \
  V(char, zip_pointer, )                                                                        \
  V(char, zip_pointer2, )                                                                       \
  V(char, zip_pointer3, )                                                                       \
  V(int, bytes, )                                                                               \
  V(int, temp_obj_len, )                                                                        \
  V(char, temp_read_obj, [20])                                                                  \
  V(text, temp_file, )                                                                          \
  V(int, controller_x, )                                                                        \
  V(int, controller_y, )                                                                        \
  V(int, main_opt_ok, )                                                                         \
  V(int, buffer_anim, )

#define PELVARO_DECLARE_WORLD_VAR(type, name, dims) extern type name dims;
WORLD_STATE(PELVARO_DECLARE_WORLD_VAR)
#undef PELVARO_DECLARE_WORLD_VAR

// Puts every variable above back to its program-start value (zero or null).
// Pictures and datafiles are forgotten, not freed: tests call this between
// runs of the whole game, whose Allegro objects belong to the run that made
// them.
void reset_world();

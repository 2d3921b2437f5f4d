// The game's data model: every piece of state the game keeps, by group.
//
// The whole game works on these named globals; operations are free functions
// that read and write them, and take what they work on (a slot, a save slot, a
// room, a point) as arguments. The globals are listed once, in WORLD_STATE
// below, so that the header declares them, world.cpp defines them, and every
// reset follows from the same list.
//
// Sizes: 10 objects, 10 persons and 10 exits per room, 60 animation frames per
// object or person, 200 path steps, 5 waypoints, 100 inventory slots, 3 lines
// per spoken text. A text is a pointer to a constant string the holder does
// not own. -1 means "none" in every index-valued variable.
#pragma once

#include <allegro.h>
#include <cstdio>

#include "core/talk_tree.h"

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
inline constexpr int kMaxStorySteps = 24;  // the steps of the story's table (story/story_table.h)

typedef const char* text;

// ---- The codes the state holds. The numbers are those of the state files and
// saved games; code always writes the names.

// mouse_status: the cursor mode. A mode above kModeUse means an item is carried.
enum CursorMode : int {
  kModeBusy = -1,       // the hourglass
  kModeExit = 0,        // over an exit
  kModeWalk = 1,
  kModeLook = 2,
  kModeTalk = 3,
  kModeTake = 4,
  kModeUse = 5,
  kModeItem = 6,        // an inventory item is carried on the pointer
  kModeItemOnTarget = 7 // the carried item is over something it can be used on
};

// mouse_button: the on-screen button under the mouse this pass.
enum MouseButton : int {
  kButtonNone = -1,
  kButtonBag = 0,
  kButtonWalk = 1,
  kButtonTake = 2,
  kButtonUse = 3,
  kButtonLook = 4,
  kButtonTalk = 5
};

// click: the state of the left-button press the game has seen.
enum ClickState : int {
  kClickFree = 0,    // no button held
  kClickNow = 1,     // a press was handled in this pass
  kClickHeld = 2     // the handled press is still held; ignored until release
};

// force_cursor: whether the cursor mode was chosen with a verb button (and
// hovering must not change it).
enum VerbChoice : int { kVerbFree = 0, kVerbChosen = 1 };

// hero_action[]: what the hero does at each path step. A step moves 8 pixels
// across and/or 4 down.
enum StepCode : int {
  kStepSpecial = -2,    // play the loaded special animation (select_move)
  kStepTalkFront = -1,  // talk facing the viewer
  kStepStand = 0,
  kStepUp = 1,
  kStepDown = 2,
  kStepLeft = 3,
  kStepRight = 4,
  kStepUpLeft = 5,
  kStepUpRight = 6,
  kStepDownLeft = 7,
  kStepDownRight = 8
};

// select_move: the hero's special animation; take_direction and
// take_furni_dir[] hold the two taking ones.
enum SpecialMove : int { kMoveTalkRight = 1, kMoveTalkLeft = 2, kMoveTakeLeft = 3, kMoveTakeRight = 4 };

// talk_direction and talk_pers_dir[]: the hero's pose while he speaks.
enum TalkPose : int { kTalkFront = 0, kTalkRight = 1, kTalkLeft = 2 };

// errand: what the hero walks to do, and to which piece, person or exit
// (core/errand.h sets, clears and asks it).
enum class ErrandKind : int {
  none,
  take,      // take piece `target`
  use,       // use piece `target`
  use_item,  // use the carried item (use_obj) on piece `target`
  talk,      // talk to person `target`, or give him the carried item (action)
  leave      // leave through exit `target`
};
struct Errand {
  ErrandKind kind;
  int target;  // the piece, person or exit; -1 with none
  // Set since the last walk click. The click that sets an errand goes on to
  // the walk click in the same pass, which keeps a fresh errand and cancels
  // any other.
  bool fresh;
};
inline constexpr Errand kNoErrand{ErrandKind::none, -1, false};

// mov_nr while the hero stands (no path).
inline constexpr int kStanding = 199;

// Where a new game puts the hero, in future_floor1.
inline constexpr int kHeroStartX = 298;
inline constexpr int kHeroStartY = 267;
// The name of an empty inventory slot.
inline constexpr text kEmptySlot = "z";

// ---- Lifetimes. Every entry of WORLD_STATE says how long its value means
// something, and the resets follow from that:
//   PROCESS  from start-up to the end of the program: options, set-up
//            results, the start-up pictures and datafiles, open files.
//   GAME     the game being played: the hero, what he is about to do, the
//            cursor, the inventory's working values. A new game sets each to
//            the value in the last column (every element of an array).
//   SAVED    as GAME, and a saved game holds it (visit_saved_game).
//   ROOM     the room on screen, as its script and its state file set it;
//            kept when a slot is cleared. The dialogue tables are the room's
//            too: the room's state file keeps them.
//   FURNI, PERSON, EXIT
//            one slot of the room's furniture, person or exit table;
//            clearing a slot (on every room load, and before a slot is
//            defined anew) sets it to the value in the last column.
//   WORK     the working values of one operation or pass: counters, the
//            draw list, the path under construction, texts being shown.
// reset_world() puts every entry back to zero (or null), as at program start.
//
// V(lifetime, type, name, dimensions, value)
#define WORLD_STATE(V)                                                                          \
  /* 1. Room objects (furniture) of the current room, index 0 .. furni_nr-1 */                 \
  V(ROOM, int, furni_nr, , )                                                                    \
  V(FURNI, text, furni_name, [kMaxFurni], "")                                                   \
  V(FURNI, text, furni_text, [kMaxFurni][kTextLines], "") /* what the hero says looking at it */ \
  V(ROOM, int, furni_present, [kMaxFurni], )        /* 1 = shown and hoverable */               \
  V(FURNI, int, furni_interact, [kMaxFurni], 0)     /* 1 = reacts to the mouse */               \
  V(FURNI, int, furni_take, [kMaxFurni], 0)         /* 1 = can be taken */                      \
  V(ROOM, int, take_furni_dir, [kMaxFurni], )       /* taking pose: 3 left, 4 right */          \
  V(FURNI, int, goto_furni_x, [kMaxFurni], 0)                                                   \
  V(FURNI, int, goto_furni_y, [kMaxFurni], 0)                                                   \
  V(FURNI, int, furni_mouse_x, [kMaxFurni], -1)     /* hover rectangle, inclusive */            \
  V(FURNI, int, furni_mouse_x2, [kMaxFurni], -1)                                                \
  V(FURNI, int, furni_mouse_y, [kMaxFurni], -1)                                                 \
  V(FURNI, int, furni_mouse_y2, [kMaxFurni], -1)                                                \
  V(ROOM, int, furni_mouse_over, [kMaxFurni], )                                                 \
  V(ROOM, int, furni_anim, [kMaxFurni], )           /* animation selected */                    \
  V(ROOM, int, old_furni_anim, [kMaxFurni], )       /* animation loaded, -1 none */             \
  V(ROOM, int, furni_frame_nr, [kMaxFurni], )                                                   \
  V(FURNI, int, mov_furni_nr, [kMaxFurni], 0)                                                   \
  V(ROOM, BITMAP*, furniture, [kMaxFurni][kMaxFrames], )                                        \
  V(FURNI, int, furni_x, [kMaxFurni][kMaxFrames], 0)                                            \
  V(FURNI, int, furni_y, [kMaxFurni][kMaxFrames], 0)                                            \
  V(FURNI, int, furni_x2, [kMaxFurni][kMaxFrames], 0)                                           \
  V(FURNI, int, furni_y2, [kMaxFurni][kMaxFrames], 0)                                           \
  V(FURNI, int, furni_blit, [kMaxFurni][kMaxFrames], 0) /* composed frames each frame stays */  \
  V(FURNI, int, furni_blitted, [kMaxFurni][kMaxFrames], 0)                                      \
                                                                                                \
  /* 2. Persons (non-player characters) of the current room */                                 \
  V(ROOM, int, person_nr, , )                                                                   \
  V(PERSON, text, person_name, [kMaxPersons], "")                                               \
  V(PERSON, text, person_text, [kMaxPersons][kTextLines], "")                                   \
  V(ROOM, int, person_present, [kMaxPersons], )                                                 \
  V(ROOM, int, person_interact, [kMaxPersons], )                                                \
  V(PERSON, int, person_talk, [kMaxPersons], 0)                                                 \
  V(PERSON, int, talk_pers_dir, [kMaxPersons], kTalkFront) /* 0 front, 1 right, 2 left */       \
  V(PERSON, int, goto_person_x, [kMaxPersons], 0)                                               \
  V(PERSON, int, goto_person_y, [kMaxPersons], 0)                                               \
  V(PERSON, int, person_mouse_x, [kMaxPersons], -1)                                             \
  V(PERSON, int, person_mouse_x2, [kMaxPersons], -1)                                            \
  V(PERSON, int, person_mouse_y, [kMaxPersons], -1)                                             \
  V(PERSON, int, person_mouse_y2, [kMaxPersons], -1)                                            \
  V(ROOM, int, person_mouse_over, [kMaxPersons], )                                              \
  V(ROOM, int, person_anim, [kMaxPersons], )                                                    \
  V(ROOM, int, old_person_anim, [kMaxPersons], )                                                \
  V(ROOM, int, person_frame_nr, [kMaxPersons], )                                                \
  V(PERSON, int, mov_person_nr, [kMaxPersons], 0)                                               \
  V(ROOM, BITMAP*, person, [kMaxPersons][kMaxFrames], )                                         \
  V(PERSON, int, person_x, [kMaxPersons][kMaxFrames], 0)                                        \
  V(PERSON, int, person_y, [kMaxPersons][kMaxFrames], 0)                                        \
  V(PERSON, int, person_x2, [kMaxPersons][kMaxFrames], 0)                                       \
  V(PERSON, int, person_y2, [kMaxPersons][kMaxFrames], 0)                                       \
  V(PERSON, int, person_blit, [kMaxPersons][kMaxFrames], 0)                                     \
  V(PERSON, int, person_blitted, [kMaxPersons][kMaxFrames], 0)                                  \
  V(PERSON, int, start_talk, [kMaxPersons][kMaxFrames], 0) /* talk-start marks of the animation */ \
                                                                                                \
  /* 3. Exits of the current room */                                                           \
  V(ROOM, int, exit_nr, , )                                                                     \
  V(EXIT, text, new_room, [kMaxExits], "")                                                      \
  V(EXIT, int, go_through, [kMaxExits], 0)          /* 1 = open */                              \
  V(EXIT, int, exit_x, [kMaxExits], 0)                                                          \
  V(EXIT, int, exit_x2, [kMaxExits], 0)                                                         \
  V(EXIT, int, exit_y, [kMaxExits], 0)                                                          \
  V(EXIT, int, exit_y2, [kMaxExits], 0)                                                         \
  V(EXIT, int, goto_exit_x, [kMaxExits], 0)                                                     \
  V(EXIT, int, goto_exit_y, [kMaxExits], 0)                                                     \
  V(EXIT, int, new_hero_x, [kMaxExits], 0)          /* arrival point in the next room */        \
  V(EXIT, int, new_hero_y, [kMaxExits], 0)                                                      \
                                                                                                \
  /* 4. Current room and depth scaling */                                                      \
  V(SAVED, text, room_name, , "future_floor1")                                                  \
  V(ROOM, BITMAP*, room_graph, , )                                                              \
  V(ROOM, DATAFILE*, room_dat, , )                                                              \
  V(ROOM, float, min_hero_length, , )                                                           \
  V(ROOM, float, increase_rate, , )                                                             \
  V(WORK, float, float_y, , )                                                                   \
                                                                                                \
  /* 5. The hero. His reference point is his feet: the horizontal centre and  \
     the standing line; the sprite reaches 170 x float_y pixels above it. */ \
  V(SAVED, int, hero_x, , kHeroStartX)                                                          \
  V(SAVED, int, hero_y, , kHeroStartY)                                                          \
  V(GAME, int, hero_length, , 200)                  /* sprite height at the current scale */    \
  V(GAME, int, hero_width, , 125)                   /* sprite width */                          \
  V(WORK, int, hero_blitted, , )                    /* 1 once drawn in the frame composed */    \
  V(GAME, int, hero_action, [kPathSteps], kStepStand) /* StepCode of each path step */          \
  V(GAME, int, movement_x, [kPathSteps], 0)         /* the hero's place after each step */      \
  V(GAME, int, movement_y, [kPathSteps], 0)                                                     \
  V(GAME, int, mov_nr, , 0)                         /* steps in the path; kStanding: none */    \
  V(GAME, int, mov_nr1, , -1)                       /* the step shown in this frame */          \
  V(GAME, int, go_frame_nr, , 0)                    /* walking-cycle frame, 0..13 */            \
  V(GAME, int, talk_frame_nr, , 0)                  /* talking-to-the-viewer frame, 0..14 */    \
  V(GAME, int, move_frame_nr, , 0)                  /* frame of the special animation */        \
  V(GAME, int, hero_move_frame_nr, , 0)             /* its frame count, 30 or 15 */             \
  V(GAME, int, select_move, , 0)                    /* SpecialMove to load next */              \
  V(GAME, int, hero_talkl_korrektur, , 0)           /* 1: talking left, drawn 7 px further left */ \
  V(GAME, int, talk_direction, , kTalkFront)        /* TalkPose of the next thing he says */    \
  V(GAME, int, take_direction, , 0)                 /* SpecialMove of the next taking */        \
  V(WORK, int, bmp_x, , )                           /* the sprite's top-left corner */          \
  V(WORK, int, bmp_y, , )                                                                       \
  V(GAME, int, true_x, , kHeroStartX)               /* the walk target, before and after the  \
                                                       room's area rule */                      \
  V(GAME, int, true_y, , kHeroStartY)                                                           \
  V(WORK, int, click_x, [kWaypoints], )             /* the walk's waypoints, -1 unused */       \
  V(WORK, int, click_y, [kWaypoints], )                                                         \
  V(WORK, int, click_nr, , )                        /* the last waypoint used */                \
  V(GAME, int, click_x2, , kHeroStartX)             /* the last walk target accepted */         \
  V(GAME, int, click_y2, , kHeroStartY)                                                         \
  V(WORK, int, buffer_x, , )                        /* the path point being computed */         \
  V(WORK, int, buffer_y, , )                                                                    \
  V(WORK, int, last_x, , )                          /* the path point before the step tested */ \
  V(WORK, int, last_y, , )                                                                      \
  V(WORK, int, crash_alert, , )                     /* steps computed for this click, < 200 */  \
                                                                                                \
  /* 6. Pending actions: what the hero does when he arrives */                                 \
  V(GAME, Errand, errand, , kNoErrand)              /* what he walks to do, and to what */      \
  V(GAME, int, action, , 0)                         /* the CursorMode of that person's click */ \
  V(GAME, text, use_obj, , "")                      /* the carried item being used */           \
  V(GAME, int, took_object, , 0)                    /* 1 once the taking lifted the piece */    \
  V(WORK, int, cannottake_nr, , )                   /* the piece a refused take aimed at */     \
                                                                                                \
  /* 7. Mouse, cursor and click state */                                                       \
  V(GAME, int, mouse_status, , kModeWalk)           /* CursorMode */                            \
  V(WORK, int, cursor_nr, , )                       /* frame of the animated pointer */         \
  V(GAME, int, force_cursor, , kVerbFree)           /* VerbChoice */                            \
  V(WORK, int, mouse_over_sth, , )                  /* 1: the pointer is over a piece or person */ \
  V(WORK, int, mouse_button, , )                    /* MouseButton under the pointer */         \
  V(GAME, int, click, , kClickFree)                 /* ClickState */                            \
  V(WORK, int, new_turn, , )                        /* 1: the left button is down, unhandled */ \
  V(GAME, int, hidebuttons, , 0)                    /* 1: bag and verb panel hidden (talking) */ \
  V(WORK, int, buffer_mouse_status, , )             /* the mode kept across a conversation */   \
                                                                                                \
  /* 8. The draw list of one composed frame */                                                 \
  V(WORK, int, mix_nr, , )                                                                      \
  V(WORK, BITMAP*, room_mix, [kMaxMix], )                                                       \
  V(WORK, int, mix_x, [kMaxMix], )                                                              \
  V(WORK, int, mix_y, [kMaxMix], )                                                              \
  V(WORK, int, mix_x2, [kMaxMix], )                                                             \
  V(WORK, int, mix_y2, [kMaxMix], )                                                             \
  V(WORK, int, mix_present, [kMaxMix], )                                                        \
                                                                                                \
  /* 9. Inventory */                                                                           \
  V(SAVED, text, inventory_obj, [kInventorySlots], kEmptySlot) /* "z" marks an empty slot */    \
  V(GAME, text, inv_obj_describe, [kInventorySlots][kTextLines], "")                            \
  V(GAME, BITMAP*, inventory_obj_bmp, [kInventorySlots], nullptr)                               \
  V(SAVED, int, invent_nr, , 0)                                                                 \
  V(GAME, text, arrow_obj, , nullptr)                                                           \
  V(GAME, text, arrow_describe, [kTextLines], nullptr)                                          \
  V(PROCESS, BITMAP*, objects_bmp, [15], )                                                      \
  V(WORK, int, invent, , )                                                                      \
  V(WORK, int, invent_obj_x, , )                                                                \
  V(WORK, int, invent_obj_y, , )                                                                \
  V(WORK, int, inv_menu, , )                                                                    \
  V(WORK, int, mouse_over_obj, , )                                                              \
  V(WORK, text, buffer_obj, , )                                                                 \
  V(WORK, text, temp_inv_obj, , )                                                               \
  V(WORK, int, temp_nr, , )                                                                     \
  V(WORK, BITMAP*, temp_obj_bmp, , )                                                            \
                                                                                                \
  /* 10. Text output */                                                                        \
  V(WORK, text, input_text, [kTalkRows][kTextLines], ) /* the hero's lines */                   \
  V(WORK, text, output_text, [kTalkRows][kTextLines], ) /* a person's lines */                  \
  V(WORK, int, sentence_x, , )                                                                  \
  V(WORK, int, sentence_y, , )                                                                  \
  V(WORK, int, reply_x, , )                                                                     \
  V(WORK, int, reply_y, , )                                                                     \
  V(PROCESS, int, text_speed, , )                                                               \
  V(PROCESS, int, text_output, , )                                                              \
  V(WORK, int, talk_loop, , )                                                                   \
  V(WORK, int, text_rows, , )                                                                   \
  V(WORK, int, text_y, , )                                                                      \
  V(WORK, text, actual_text, , )                                                                \
  V(WORK, text, story_text, , )                                                                 \
  V(WORK, text, video_text, [kTextLines], )                                                     \
  V(WORK, int, video_text_x, [kTextLines], )                                                    \
  V(WORK, int, video_text_y, [kTextLines], )                                                    \
  V(WORK, int, video_text_color, , )                                                            \
  V(WORK, int, let_video_text, , )                                                              \
                                                                                                \
  /* 11. Dialogue: one tree per person (sentence, reply, s_call_nr, s_present, s_exit of     \
     every node, found by its dotted path: core/talk_tree.h) and the conversation */       \
  V(ROOM, TalkTree, talk_tree, [kMaxPersons], )                                                 \
  V(WORK, int, branch1, , )                                                                     \
  V(WORK, int, branch2, , )                                                                     \
  V(WORK, int, branch3, , )                                                                     \
  V(WORK, int, branch4, , )                                                                     \
  V(WORK, int, branch5, , )                                                                     \
  V(WORK, int, branch, , )                                                                      \
  V(GAME, int, talk_nr, , -1)                                                                   \
  V(WORK, int, exit_talk, , )                                                                   \
  V(WORK, int, choice, , )                                                                      \
                                                                                                \
  /* 12. Story flags */                                                                        \
  V(SAVED, int, story_gotaccesscard, , 0)                                                       \
  V(SAVED, int, story_adyteleskop, , 0)                                                         \
  V(SAVED, int, story_schrankoffen, , 0)                                                        \
  V(SAVED, int, story_sandalkohol, , 0)                                                         \
  V(SAVED, int, story_brokencase, , 0)                                                          \
  V(SAVED, int, story_diamant, , 0)                                                             \
  V(SAVED, int, story_teleskop, , 0)                                                            \
  V(SAVED, int, story_gotglasses, , 0)                                                          \
  V(SAVED, int, story_blei, , 0)                                                                \
  V(SAVED, int, story_bleiloesung, , 0)                                                         \
  V(SAVED, int, story_gotblei, , 0)                                                             \
  V(SAVED, int, story_douche, , 0)                                                              \
  V(SAVED, int, story_bleitank, , 0)                                                            \
  V(SAVED, int, story_alarm, , 0)                                                               \
  V(SAVED, int, story_zirud_talk, , 0)                                                          \
  V(SAVED, int, story_hero_uff, , 0)                                                            \
  V(GAME, int, cons_gotaccesscard, , 0)                                                         \
  V(GAME, int, cons_adyteleskop, , 0)                                                           \
  V(GAME, int, cons_policemad, , 0)                                                             \
  V(GAME, int, cons_gotglasses, , 0)                                                            \
  V(GAME, int, cons_gotblei, , 0)                                                               \
  V(GAME, int, video_timetravel, , 0)                                                           \
  /* the hints asked in this game (story/hints.h); a saved game keeps them beside its slot */  \
  V(GAME, int, hints_asked, , 0)                                                                \
  V(GAME, int, hint_level, [kMaxStorySteps], 0)     /* each step's deepest hint said, 0..3 */   \
  V(GAME, int, hint_step, , -1)                     /* the step of the last hint said */        \
  V(WORK, int, hint_requested, , )                  /* 1: H or the panel's Hint asks for one */ \
                                                                                                \
  /* 13. Timing and pass counters */                                                           \
  V(PROCESS, int, delay, , )                        /* clock reading of this pass, ms */        \
  V(PROCESS, int, current_time, , )                 /* clock reading of the last composed frame */ \
  V(PROCESS, int, game, , )                         /* main-loop pass counter, 10..989 */       \
  V(GAME, int, cpu_delay, , 0)                                                                  \
  V(GAME, int, rooms_entered, , 0)                  /* rooms entered through a door this game */ \
  V(GAME, int, rooms_entered_kept, , 0)             /* rooms_entered at the last autosave */    \
  V(GAME, int, played_ms, , 0)                      /* time played on the game's clock */       \
  V(GAME, int, played_counted_at, , -1)             /* the clock when it was last counted */    \
  V(GAME, int, mouse_moved_at, , 0)                 /* the clock when the mouse last moved */   \
  V(PROCESS, int, cpu_speed, , )                                                                \
  V(PROCESS, int, load_loop, , )                    /* step of the start-up progress bar, 0..33 */ \
  V(PROCESS, int, game_under_way, , )               /* 1 from a game's first room on (closing.h) */ \
  V(PROCESS, int, close_request, , )                /* 1: a close waits for the next quiet point */ \
  V(WORK, int, prepare_loop, , )                                                                \
  V(WORK, int, video_loop, , )                                                                  \
                                                                                                \
  /* 14. Options and set-up results */                                                         \
  V(PROCESS, int, music_vol, , )                    /* 0..255 */                                \
  V(PROCESS, int, wave_vol, , )                     /* 0..255 */                                \
  V(PROCESS, int, tmp_music_vol, , )                                                            \
  V(PROCESS, int, tmp_wave_vol, , )                                                             \
  V(PROCESS, int, tmp_text_speed, , )                                                           \
  V(PROCESS, int, tmp_text_output, , )                                                          \
  V(PROCESS, int, track_nr, , )                     /* 1 title music, 2 in-game music */        \
  V(PROCESS, int, fullscreen, , )                                                               \
  V(PROCESS, int, window_scale, , )                 /* window enlarged by 1..8, 0 the largest that fits */ \
  V(PROCESS, int, tmp_window_scale, , )             /* the same while the options screen is open */ \
  V(PROCESS, int, bad_gfxmode, , )                                                              \
  V(PROCESS, int, bad_sndmode, , )                                                              \
                                                                                                \
  /* 15. Pictures and the font loaded at start-up */                                           \
  V(PROCESS, BITMAP*, memory_screen, , )            /* the 640x480 frame buffer */              \
  V(PROCESS, BITMAP*, buffer_bmp, , )                                                           \
  V(PROCESS, BITMAP*, arrow, , )                    /* the carried item as the pointer */       \
  V(PROCESS, BITMAP*, arrow_gear, , )                                                           \
  V(PROCESS, BITMAP*, stand_frame, , )                                                          \
  V(PROCESS, BITMAP*, talk_front, [15], )                                                       \
  V(PROCESS, BITMAP*, go1_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, go2_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, go3_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, go4_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, go5_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, go6_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, go7_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, go8_frame, [14], )                                                        \
  V(PROCESS, BITMAP*, move, [30], )                 /* the loaded special animation */          \
  V(PROCESS, BITMAP*, inventory_button, , )                                                     \
  V(PROCESS, BITMAP*, inventory_button_on, , )                                                  \
  V(PROCESS, BITMAP*, navi_button, , )                                                          \
  V(PROCESS, BITMAP*, navi_butt_on, [5], )                                                      \
  V(PROCESS, BITMAP*, cursor, , )                                                               \
  V(PROCESS, BITMAP*, cursor_a, , )                                                             \
  V(PROCESS, BITMAP*, pocket_lens, , )                                                          \
  V(PROCESS, BITMAP*, pocket_lens_a, , )                                                        \
  V(PROCESS, BITMAP*, mouth, [3], )                                                             \
  V(PROCESS, BITMAP*, mouth_a, [3], )                                                           \
  V(PROCESS, BITMAP*, hand, [3], )                                                              \
  V(PROCESS, BITMAP*, hand_a, [3], )                                                            \
  V(PROCESS, BITMAP*, gear, [2], )                                                              \
  V(PROCESS, BITMAP*, gear_a, [2], )                                                            \
  V(PROCESS, BITMAP*, mini_gear, [2], )                                                         \
  V(PROCESS, BITMAP*, mini_gear_a, [2], )                                                       \
  V(PROCESS, BITMAP*, door, [2], )                                                              \
  V(PROCESS, BITMAP*, sandglass, [6], )                                                         \
  V(PROCESS, BITMAP*, red_bar, [35], )                                                          \
  V(PROCESS, BITMAP*, pv_logo, , )                                                              \
  V(PROCESS, FONT*, pv_font, , )                                                                \
  V(PROCESS, BITMAP*, erase_savegame, , )                                                       \
  /* pictures of the inventory screen and control panel ("inventar.dat") */                    \
  V(PROCESS, BITMAP*, controller_bmp, , )                                                       \
  V(PROCESS, BITMAP*, controller_on, , )                                                        \
  V(PROCESS, BITMAP*, game_back_on, , )                                                         \
  V(PROCESS, BITMAP*, game_inv_on, , )                                                          \
  V(PROCESS, BITMAP*, game_load_on, , )                                                         \
  V(PROCESS, BITMAP*, game_off, , )                                                             \
  V(PROCESS, BITMAP*, game_off_on, , )                                                          \
  V(PROCESS, BITMAP*, game_ok_on, , )                                                           \
  V(PROCESS, BITMAP*, game_on_on, , )                                                           \
  V(PROCESS, BITMAP*, game_opt_on, , )                                                          \
  V(PROCESS, BITMAP*, game_quit_on, , )                                                         \
  V(PROCESS, BITMAP*, game_save_on, , )                                                         \
  V(PROCESS, BITMAP*, inventory_bmp, , )                                                        \
  V(PROCESS, BITMAP*, game_load_bmp, , )                                                        \
  V(PROCESS, BITMAP*, game_options_bmp, , )                                                     \
  V(PROCESS, BITMAP*, game_save_bmp, , )                                                        \
  V(PROCESS, BITMAP*, inv_obj_on, , )                                                           \
  V(PROCESS, BITMAP*, game_hint, , )                                                            \
  V(PROCESS, BITMAP*, game_hint_on, , )                                                         \
  V(PROCESS, BITMAP*, game_log_on, , )                                                          \
  V(PROCESS, BITMAP*, game_main_menu_on, , )                                                        \
  /* pictures of the main menu ("menu.dat") */                                                 \
  V(PROCESS, BITMAP*, eyes_closed, , )                                                          \
  V(PROCESS, BITMAP*, eyes_open, , )                                                            \
  V(PROCESS, BITMAP*, inst_back_on, , )                                                         \
  V(PROCESS, BITMAP*, main_opt_cancel_on, , )                                                   \
  V(PROCESS, BITMAP*, credits_bmp, , )                                                          \
  V(PROCESS, BITMAP*, inst_gi_on, , )                                                           \
  V(PROCESS, BITMAP*, main_instruct_bmp, , )                                                    \
  V(PROCESS, BITMAP*, menu_bmp, , )                                                             \
  V(PROCESS, BITMAP*, mm_cred, , )                                                              \
  V(PROCESS, BITMAP*, mm_inst, , )                                                              \
  V(PROCESS, BITMAP*, mm_new, , )                                                               \
  V(PROCESS, BITMAP*, mm_opti, , )                                                              \
  V(PROCESS, BITMAP*, mm_quit, , )                                                              \
  V(PROCESS, BITMAP*, credits_graphics, , )                                                     \
  V(PROCESS, BITMAP*, credits_coding, , )                                                       \
  V(PROCESS, BITMAP*, credits_sound, , )                                                        \
  V(PROCESS, BITMAP*, main_opt_off, , )                                                         \
  V(PROCESS, BITMAP*, main_opt_off_on, , )                                                      \
  V(PROCESS, BITMAP*, main_opt_ok_on, , )                                                       \
  V(PROCESS, BITMAP*, main_opt_on_on, , )                                                       \
  V(PROCESS, BITMAP*, main_options_bmp, , )                                                     \
                                                                                                \
  /* 16. Datafiles, sound and files */                                                         \
  V(PROCESS, DATAFILE*, title_dat, , )                                                          \
  V(PROCESS, DATAFILE*, walk_dat, , )                                                           \
  V(PROCESS, DATAFILE*, talkf_dat, , )                                                          \
  V(PROCESS, DATAFILE*, general_dat, , )                                                        \
  V(PROCESS, DATAFILE*, cursor_dat, , )                                                         \
  V(PROCESS, DATAFILE*, objects_dat, , )                                                        \
  V(PROCESS, DATAFILE*, font_dat, , )                                                           \
  V(PROCESS, DATAFILE*, invent_dat, , )                                                         \
  V(PROCESS, DATAFILE*, menu_dat, , )                                                           \
  V(PROCESS, DATAFILE*, move_dat, , )                                                           \
  V(PROCESS, DATAFILE*, intro_dat, , )                                                          \
  V(PROCESS, DATAFILE*, video_dat, , )                                                          \
  V(PROCESS, DATAFILE*, video_move_dat, , )                                                     \
  V(PROCESS, MIDI*, track, , )                                                                  \
  V(PROCESS, SAMPLE*, logo_wav, , )                                                             \
  V(PROCESS, FILE*, bug_report, , )                                                             \
  V(PROCESS, FILE*, save_file, , )                                                              \
  V(PROCESS, FILE*, load_file, , )                                                              \
  V(PROCESS, FILE*, options_file, , )                                                           \
  V(PROCESS, int, storage_told, , )                /* the failure to keep the state was told */ \
  V(PROCESS, int, storage_caption_frames, , )      /* room frames the caption still stays */   \
                                                                                                \
  /* 17. Cut scenes, saved games, option screens, person animations */                        \
  V(WORK, int, video_active, , )                                                                \
  V(WORK, BITMAP*, video_bmp, [kVideoFrames], )                                                 \
  V(WORK, int, video_x, [kVideoFrames], )                                                       \
  V(WORK, int, video_y, [kVideoFrames], )                                                       \
  V(WORK, int, video_bmp_nr, , )                                                                \
  V(WORK, int, video_frame_nr, , )                                                              \
  V(WORK, BITMAP*, video_move, [kVideoFrames], )                                                \
  V(WORK, int, video_duration, , )                                                              \
  V(WORK, int, hero_foreground, , )                                                             \
  V(WORK, int, object_foreground, , )                                                           \
  V(WORK, int, video_foreground, , )                                                            \
  V(WORK, BITMAP*, video_object, , )                                                            \
  V(WORK, int, video_object_x, , )                                                              \
  V(WORK, int, video_object_y, , )                                                              \
  V(WORK, int, hue, , )                                                                         \
  V(PROCESS, char, save_name, [kSaveSlots][kSlotNameLen], ) /* blank-padded, not terminated */  \
  V(WORK, int, key_nr, , )                                                                      \
  V(WORK, text, load_path, , )                                                                  \
  V(WORK, text, save_path, , )                                                                  \
  V(WORK, char, zip_pointer, , )                                                                \
  V(WORK, char, zip_pointer2, , )                                                               \
  V(WORK, char, zip_pointer3, , )                                                               \
  V(WORK, int, bytes, , )                                                                       \
  V(WORK, int, temp_obj_len, , )                                                                \
  V(WORK, char, temp_read_obj, [20], )                                                          \
  V(ROOM, text, temp_file, , )                                                                  \
  V(WORK, int, controller_x, , )                                                                \
  V(WORK, int, controller_y, , )                                                                \
  V(WORK, int, main_opt_ok, , )                                                                 \
  V(WORK, int, buffer_anim, , )                                                                 \

#define PELVARO_DECLARE_WORLD_VAR(life, type, name, dims, value) extern type name dims;
WORLD_STATE(PELVARO_DECLARE_WORLD_VAR)
#undef PELVARO_DECLARE_WORLD_VAR

// Puts every variable above back to its program-start value (zero or null).
// Pictures and datafiles are forgotten, not freed: tests call this between
// runs of the whole game, whose Allegro objects belong to the run that made
// them.
void reset_world();

// Sets every GAME and SAVED entry to its new-game value.
void set_new_game_values();

// Clears one slot of the room's tables: every FURNI, PERSON or EXIT entry of
// that slot gets its cleared value; the slot's ROOM entries keep theirs.
enum class RoomTable { furni, person, exit };
void clear_room_slot(RoomTable table, int slot);

// What a saved game holds besides the rooms' state files: calls
// f(name, variable) for every SAVED entry, in the order of the list.
#define PELVARO_SAVED_PROCESS(name)
#define PELVARO_SAVED_GAME(name)
#define PELVARO_SAVED_SAVED(name) f(#name, name);
#define PELVARO_SAVED_ROOM(name)
#define PELVARO_SAVED_FURNI(name)
#define PELVARO_SAVED_PERSON(name)
#define PELVARO_SAVED_EXIT(name)
#define PELVARO_SAVED_WORK(name)
#define PELVARO_SAVED(life, type, name, dims, value) PELVARO_SAVED_##life(name)
template <typename F>
void visit_saved_game(F&& f) {
  WORLD_STATE(PELVARO_SAVED)
}

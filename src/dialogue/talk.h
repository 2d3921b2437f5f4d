// The conversation engine and the speech of the hero and the persons.
//
// A conversation is a modal loop: a menu of up to five sentences grows up from
// the bottom of the screen, the player clicks one, the tree is updated, the
// hero says the sentence and the person answers, and the room's consequence
// hook runs; until a sentence ends the conversation or nothing is left to say.
// The same speech routines serve every one-off remark of the game.
#pragma once

#include <vector>

#include "core/screen_layout.h"
#include "core/talk_tree.h"
#include "core/world.h"
#include "frame/text.h"

// ---- The tree of the person being talked to -------------------------------

// Node `path` of person `person`'s tree.
TalkNode& talk_node(int person, const TalkPath& path);
// The path of the current menu: the first d of branch1..branch4, d = talk_depth().
TalkPath talk_branch_path();
// The current depth: the number of leading non-zero values of branch1..branch4.
int talk_depth();

// ---- A conversation --------------------------------------------------------

// Runs a whole conversation with person talk_nr (nothing when it is -1).
void init_talk();
// One exchange: menu, choice, tree updates, the hero's sentence, the reply.
void select_talk();
// Fill input_text/output_text rows 1..5 with the offered sentences of the
// current level (rows 0..5 are cleared first).
void manage_talk();
// The tree updates after a choice, in the order they run.
void decrease_call_nr();
void check_exit();
void select_next_branch();
void check_sentence_present();
void check_branch();
// The five updates above, in their order (the room's detect_cons_sent runs
// before them).
void update_talk_tree();
// One pass of the menu over the composed room: measure the options, draw
// them with the hovered one highlighted, and return the option the left
// button is down on (1..5), 0 for none.
int talk_menu_pass();
// Where the pointer jumps to choose each option now offered (on its first
// line), for the pointer's keys and the pad.
std::vector<screen_layout::Point> option_points();

// ---- Speech ------------------------------------------------------------------

// The end of every pass of the dialogue's loops: the pointer of the current
// mouse_status (none while busy) over the frame, copied to the screen.
void present_pass();

// How long a spoken line stays, in milliseconds of the game's clock: a base
// time and a time per character, the pace of a reader, scaled by the text
// speed setting (0..100, as options.sav keeps it): 50, the default, gives
// the time itself, 100 twice as long, 25 half as long, 0 shows no speech.
// Two lines of 76 characters stay 4.54 s at 50; "Beautiful !" 1.94 s.
int speech_ms(int chars, int speed);
inline constexpr int kSpeechBaseMs = 1500;
inline constexpr int kSpeechMsPerChar = 40;
inline constexpr int kSpeechNormalSpeed = 50;

// The hero says input_text[choice] at (sentence_x, sentence_y) in pose
// talk_direction, for speech_ms of its characters or until a mouse button
// is down or Escape typed.
void talking_hero();
// Person talk_nr says output_text[choice] at (reply_x, reply_y), turning to
// the hero before and back after, with its talking animation.
void talking_npc();
// Draw the current speech once: the three lines of row `choice`.
void show_text_hero();
void show_text_npc();
// Where a speech line of width `w` starts for a speech centred on `anchor_x`:
// centred when it fits between 40 and 600, else against the nearer edge
// (a line wider than the band runs past one edge).
int speech_line_x(int anchor_x, int w);
// A standard remark of the hero: the three lines said once, over his head,
// facing the viewer.
void standard_remark(const char* line0, const char* line1 = "", const char* line2 = "");

// ---- Layout ------------------------------------------------------------------

inline constexpr int kMenuColour = kHeroColour;
inline constexpr int kMenuHoverColour = kPersonColour;
inline constexpr int kMenuBottom = 450;  // the menu grows up from here
inline constexpr int kTextRow = 20;      // one line of text
inline constexpr int kTextLeft = 40;     // the band speech and menu lines stay in
inline constexpr int kTextRight = 600;

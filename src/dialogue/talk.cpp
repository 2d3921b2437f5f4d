#include "dialogue/talk.h"

#include <cstring>
#include <string>
#include <vector>

#include "core/close_request.h"
#include "core/errand.h"
#include "core/pacing.h"
#include "core/read_aloud.h"
#include "core/settings.h"
#include "core/world.h"
#include "frame/click_points.h"
#include "frame/cursor.h"
#include "frame/draw_room.h"
#include "frame/play_keys.h"
#include "frame/said_log.h"
#include "frame/subtitles.h"
#include "hero/hero.h"
#include "interaction/people.h"
#include "platform/platform.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

bool is_empty(const char* line) {
  return !line || !line[0];
}

// branch1 .. branch5 by number.
int& branch_nr(int k) {
  switch (k) {
    case 1: return branch1;
    case 2: return branch2;
    case 3: return branch3;
    case 4: return branch4;
    default: return branch5;
  }
}

bool talk_person_valid() {
  return talk_nr >= 0 && talk_nr < kMaxPersons;
}

// The node chosen in the current menu: the current path with `choice` added.
TalkPath chosen_path() {
  return talk_branch_path().child(choice);
}

int present_children(const TalkPath& p) {
  if (p.depth() >= kTalkLevels) return 0;
  int n = 0;
  for (int c = 1; c <= kTalkOptions; ++c) n += talk_node(talk_nr, p.child(c)).s_present == 1;
  return n;
}

bool menu_offers_something() {
  for (int c = 1; c < kTalkRows; ++c)
    if (!is_empty(input_text[c][0])) return true;
  return false;
}

// Number of lines option `c` takes: its last non-empty line + 1.
int option_rows(int c) {
  int rows = 0;
  for (int l = 0; l < kTextLines; ++l)
    if (!is_empty(input_text[c][l])) rows = l + 1;
  return rows;
}

// Lay out and draw row `choice` of a speech anchored at (anchor_x, anchor_y),
// in the size and over the band the player's settings ask for.
void show_speech(text (&rows)[kTalkRows][kTextLines], int anchor_x, int& anchor_y, int colour) {
  if (anchor_y < kTextLeft) anchor_y = kTextLeft;
  if (!pv_font) return;
  const int row = (choice >= 0 && choice < kTalkRows) ? choice : 0;
  std::vector<subtitles::Line> lines;
  for (int l = 0; l < kTextLines; ++l) {
    const char* line = rows[row][l];
    if (is_empty(line)) continue;  // keeps its place
    actual_text = line;
    lines.push_back({line, speech_line_x(anchor_x, text_length(pv_font, line)), anchor_y + kTextRow * l});
  }
  subtitles::draw(lines, colour);
}

// The characters a speech row holds, its empty lines left out. The texts are
// UTF-8, so a letter is counted once however many bytes it takes ("ä" is one
// character, as "a" is).
int spoken_chars(text (&rows)[kTalkRows][kTextLines]) {
  const int row = (choice >= 0 && choice < kTalkRows) ? choice : 0;
  int n = 0;
  for (const char* line : rows[row])
    if (!is_empty(line)) n += ustrlen(line);
  return n;
}

// The lines of row `choice` of a speech, for the log of what was said.
std::vector<std::string> spoken_lines(text (&rows)[kTalkRows][kTextLines]) {
  const int row = (choice >= 0 && choice < kTalkRows) ? choice : 0;
  std::vector<std::string> lines;
  for (const char* line : rows[row])
    if (!is_empty(line)) lines.push_back(line);
  return lines;
}

// Who says a speech, for the log: the hero, or person talk_nr by the name the room gives him.
std::string speaker(bool hero_talks) {
  if (hero_talks) return hero_speaker();
  const char* label = talk_person_valid() ? person_label(talk_nr) : nullptr;
  return label ? label : "";
}

// The display loop of one speech: for speech_ms of its characters (with
// the player's setting text_until_clicked, until a click or a key), the room
// redrawn every 55 ms under the text; a pass with a mouse button down, or
// Escape, ends it, and P pauses it (the pause does not count). A speech
// shown is noted in the log of what was said.
void speech_loop(void (*show)(), bool hero_talks, text (&rows)[kTalkRows][kTextLines]) {
  drop_keys();
  const bool until_clicked = settings::text_until_clicked == 1;
  const int lasts = speech_ms(spoken_chars(rows), text_speed);
  if (until_clicked || lasts > 0) note_said(speaker(hero_talks), hero_talks ? kHeroColour : kPersonColour, spoken_lines(rows));
  const int start = platform_clock_ms();
  for (talk_loop = 0; until_clicked || lasts > 0; ++talk_loop) {
    platform_poll_mouse();
    if (frame_due()) {
      platform_hide_pointer();
      if (hero_talks) {
        ++talk_frame_nr;
        ++move_frame_nr;
      }
      draw_room();
    }
    platform_hide_pointer();
    show();
    present_pass();
    if ((mouse_b & 3) || close_pending() || speech_keys(until_clicked)) {
      stop_reading();  // skipped: not read on either
      break;
    }
    if (!until_clicked && delay - start >= lasts) break;  // delay: the clock as frame_due read it
  }
}

void redraw_room() {
  platform_hide_pointer();
  draw_room();
}

// A level whose options are all withdrawn would leave a menu with nothing to
// click and the player stuck in it; such levels close until one has
// something to offer. Returns false when not even the top level has.
bool open_a_level_with_options() {
  while (!menu_offers_something()) {
    const int d = talk_depth();
    if (d == 0) return false;
    branch_nr(d) = 0;
    if (d == 4) branch5 = 0;
    cond_sent();
    manage_talk();
  }
  return true;
}

}  // namespace

TalkNode& talk_node(int person, const TalkPath& path) {
  return talk_tree[person].at(path);
}

int talk_depth() {
  int d = 0;
  while (d < 4 && branch_nr(d + 1) != 0) ++d;
  return d;
}

TalkPath talk_branch_path() {
  TalkPath p;
  for (int k = 0; k < talk_depth(); ++k) p.c[k] = branch_nr(k + 1);
  return p;
}

// ---- A conversation --------------------------------------------------------

void init_talk() {
  if (!talk_person_valid()) return;
  hidebuttons = 1;
  const int status = mouse_status;
  const int j = talk_nr;
  const int f = (mov_person_nr[j] >= 0 && mov_person_nr[j] < kMaxFrames) ? mov_person_nr[j] : 0;
  reply_x = person_x[j][f];
  reply_y = person_y[j][f] - 90;
  sentence_x = hero_x;
  sentence_y = hero_y - hero_length - 60;
  exit_talk = 0;
  branch1 = branch2 = branch3 = branch4 = 0;
  // A fifth-level choice of an earlier conversation must not carry over.
  branch5 = 0;
  if (action == kModeTalk) {
    reset_hero();
    do {
      select_talk();
      cons_sent();
    } while (exit_talk == 0);
  }
  mouse_status = status;
  click = kClickHeld;
  talk_nr = choice = -1;
  clear_errand();  // the talk the hero walked to is done
  talk_frame_nr = move_frame_nr = 0;
  hidebuttons = 0;
}

void select_talk() {
  wait_mouse_release();
  redraw_room();
  mouse_status = kModeWalk;
  choice = 0;
  cond_sent();
  manage_talk();
  if (!open_a_level_with_options()) {
    exit_talk = 1;  // nothing left to say
    return;
  }
  while (choice == 0) {
    // A close request leaves the conversation here, as its goodbye would.
    if (close_pending()) {
      exit_talk = 1;
      return;
    }
    pointer_keys(option_points());
    platform_poll_mouse();
    if (frame_due()) redraw_room();
    platform_hide_pointer();
    choice = talk_menu_pass();
    present_pass();
  }
  detect_cons_sent();
  update_talk_tree();
  wait_mouse_release();
  redraw_room();
  if (choice != 0) {
    talking_hero();
    talking_npc();
  }
  wait_mouse_release();
  redraw_room();
}

std::vector<screen_layout::Point> option_points() {
  std::vector<screen_layout::Point> points;
  int y = kMenuBottom;
  for (int c = 1; c < kTalkRows; ++c) y -= kTextRow * option_rows(c);
  for (int c = 1; c < kTalkRows; ++c) {
    if (option_rows(c) > 0) points.push_back({kTextLeft + 20, y + kTextRow / 2});
    for (int l = 0; l < kTextLines; ++l) y += is_empty(input_text[c][l]) ? 0 : kTextRow;
  }
  return points;
}

int talk_menu_pass() {
  text_y = kMenuBottom;
  for (int c = 1; c < kTalkRows; ++c) {
    text_rows = option_rows(c);
    text_y -= kTextRow * text_rows;
  }
  int picked = 0;
  std::string under_pointer;  // the choice under the pointer, read aloud
  for (int c = 1; c < kTalkRows; ++c) {
    text_rows = option_rows(c);
    const bool hovered = mouse_x > kTextLeft && text_y < mouse_y && mouse_y < text_y + kTextRow * text_rows;
    for (int l = 0; l < kTextLines; ++l) {
      if (is_empty(input_text[c][l])) continue;  // takes no room
      actual_text = input_text[c][l];
      outlined_text(actual_text, kTextLeft, text_y, hovered ? kMenuHoverColour : kMenuColour);
      if (hovered) under_pointer.append(under_pointer.empty() ? "" : " ").append(actual_text);
      text_y += kTextRow;
    }
    if (hovered && (mouse_b & 1)) picked = c;
  }
  static HoverVoice voice;
  voice(under_pointer, "", pointer_jumps());
  return picked;
}

void manage_talk() {
  for (int r = 0; r < kTalkRows; ++r)
    for (int l = 0; l < kTextLines; ++l) input_text[r][l] = output_text[r][l] = "";
  if (!talk_person_valid()) return;
  const TalkPath here = talk_branch_path();
  for (int c = 1; c <= kTalkOptions; ++c) {
    const TalkNode& n = talk_node(talk_nr, here.child(c));
    if (n.s_present != 1) continue;
    for (int l = 0; l < kTextLines; ++l) {
      input_text[c][l] = n.sentence[l] ? n.sentence[l] : "";
      output_text[c][l] = n.reply[l] ? n.reply[l] : "";
    }
  }
}

// ---- The tree updates after a choice ---------------------------------------

// A leaf costs one use of itself and of every sentence above it; a sentence
// that opens a sub-menu costs nothing. At the fifth level every choice costs.
void decrease_call_nr() {
  const int d = talk_depth();
  const TalkPath chosen = chosen_path();
  if (d < 4 && present_children(chosen) > 0) return;
  for (int level = d + 1; level >= 1; --level) talk_node(talk_nr, chosen.first(level)).s_call_nr -= 1;
}

void check_exit() {
  if (talk_depth() == 4 && branch5 != 0) return;
  if (talk_node(talk_nr, chosen_path()).s_exit == 1) exit_talk = 1;
}

// A sentence with offered follow-ups opens them as the next menu.
void select_next_branch() {
  const int d = talk_depth();
  if (d == 4) {
    branch5 = choice;
    return;
  }
  if (present_children(chosen_path()) > 0) branch_nr(d + 1) = choice;
}

// Used-up sentences are withdrawn; nothing here offers a sentence again.
void check_sentence_present() {
  for_each_talk_path([](const TalkPath& p) {
    TalkNode& n = talk_node(talk_nr, p);
    if (n.s_call_nr < 1) n.s_present = 0;
  });
}

// Levels with nothing left close, as many as are empty; when even the top
// level is empty the conversation ends.
void check_branch() {
  int k = talk_depth();
  while (k > 0) {
    if (k == 4 && branch5 != 0) return;
    const TalkPath level = talk_branch_path().first(k);
    if (talk_node(talk_nr, level).s_present == 1 || present_children(level) > 0) return;
    branch_nr(k) = 0;
    --k;
  }
  if (talk_node(talk_nr, TalkPath{}).s_present == 1 || present_children(TalkPath{}) > 0) return;
  exit_talk = 1;
}

void update_talk_tree() {
  if (!talk_person_valid() || choice < 1 || choice > kTalkOptions) return;
  decrease_call_nr();
  check_exit();
  select_next_branch();
  check_sentence_present();
  check_branch();
}

// ---- Speech ------------------------------------------------------------------

int speech_ms(int chars, int speed) {
  if (chars < 0) chars = 0;
  return (kSpeechBaseMs + kSpeechMsPerChar * chars) * speed / kSpeechNormalSpeed;
}

void present_pass() {
  maus();
  if (mouse_status != kModeBusy) platform_show_pointer(memory_screen);
  show_frame();
  platform_hide_pointer();
}

int speech_line_x(int anchor_x, int w) {
  if (anchor_x - w / 2 < kTextLeft) return kTextLeft;
  if (w / 2 + anchor_x <= kTextRight) return anchor_x - w / 2;
  return kTextRight - w;
}

void show_text_hero() {
  show_speech(input_text, sentence_x, sentence_y, kHeroColour);
}

void show_text_npc() {
  show_speech(output_text, reply_x, reply_y, kPersonColour);
}

void talking_hero() {
  if (talk_direction == kTalkFront) {
    for (int& a : hero_action) a = kStepTalkFront;
  } else {
    select_move = talk_direction;
    new_hero_move();
    for (int& a : hero_action) a = kStepSpecial;
  }
  speech_loop(show_text_hero, true, input_text);
  wait_mouse_release();
  reset_hero();
  draw_room();
}

void talking_npc() {
  const int j = talk_nr;
  if (j < 0 || j >= kMaxPersons) {
    speech_loop(show_text_npc, false, output_text);
    wait_mouse_release();
    return;
  }
  const int anim_before = person_anim[j];
  int status = mouse_status;
  prepare_person_talk();
  mouse_status = status;
  person_anim[j] = kPersonTalking;
  load_person_anim();
  speech_loop(show_text_npc, false, output_text);
  status = mouse_status;
  end_person_talk();
  mouse_status = status;
  person_anim[j] = anim_before;
  load_person_anim();
  wait_mouse_release();
}

void standard_remark(const char* line0, const char* line1, const char* line2) {
  talk_direction = 0;
  choice = 0;
  sentence_x = hero_x;
  sentence_y = hero_y - hero_length - 60;
  input_text[0][0] = line0 ? line0 : "";
  input_text[0][1] = line1 ? line1 : "";
  input_text[0][2] = line2 ? line2 : "";
  wait_mouse_release();
  talking_hero();
}

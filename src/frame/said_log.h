// What was said: the last 100 spoken lines of the game, with who said them: the hero's and the persons' speech
// (conversations, remarks, descriptions, hints) and the subtitles of the scenes. Spoken lines are noted where they
// begin to show (dialogue/talk.cpp's speech loop, cutscenes/player.cpp's shots); the log lives in memory only,
// and a new or a loaded game starts it empty.
//
// The L key and the control panel's Log button show it over the frame: the newest lines at the bottom, scrolled
// with the mouse wheel and the arrow keys (Page Up and Page Down a page), closed with Escape, L or a click
// outside it. The game's clock stands while it is open.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/screen_layout.h"
#include "frame/text.h"

struct SaidLine {
  std::string speaker;  // "" when the scene does not say who speaks
  std::string words;    // the lines said, joined with a blank
  int colour;           // the colour they were shown in
};
inline constexpr int kSaidLogSize = 100;

// A line said: its non-empty lines joined; nothing is noted when all are empty. The oldest of more than 100 goes.
// With speech on, it is read aloud too ("Dori: ..."), after what is being read (core/read_aloud.h).
void note_said(const std::string& speaker, int colour, const std::vector<std::string>& lines);
const std::deque<SaidLine>& said_log();
void clear_said_log();

// The name the log gives the hero.
const char* hero_speaker();

// ---- The log's screen ---------------------------------------------------------------------------------------
inline constexpr screen_layout::Rect kSaidLogPanel{30, 30, 609, 449};
inline constexpr screen_layout::Rect kSaidLogText{46, 70, 593, 409};  // the rows of the log
inline constexpr int kSaidLogRowHeight = 20;
inline constexpr int kSaidLogRows = kSaidLogText.height() / kSaidLogRowHeight;

// One row of the log as the screen shows it: a line said is broken at blanks into rows no wider than the text
// area, its speaker's name (and a colon) in front of the first.
struct SaidRow {
  std::string text;
  int colour;
};
std::vector<SaidRow> said_log_rows(const TextWidth& measure);
// The first row shown when `first` is asked for among `rows` rows: no higher than 0, no lower than the last page.
int clamp_log_scroll(int first, int rows);

void show_said_log();

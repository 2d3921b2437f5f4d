#include "frame/said_log.h"

#include <algorithm>

#include "core/close_request.h"
#include "core/pacing.h"
#include "core/read_aloud.h"
#include "core/tr.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "platform/platform.h"

namespace {

std::deque<SaidLine> lines_said;

using screen_layout::Rect;

void centred(const char* words, int y, int colour) {
  outlined_text(words, kSaidLogPanel.x1 + (kSaidLogPanel.width() - text_length(pv_font, words)) / 2, y, colour);
}

void draw_log(BITMAP* under, const std::vector<SaidRow>& rows, int first) {
  blit(under, memory_screen, 0, 0, 0, 0, under->w, under->h);
  const Rect& p = kSaidLogPanel;
  rectfill(memory_screen, p.x1, p.y1, p.x2, p.y2, makecol(8, 12, 24));
  rect(memory_screen, p.x1, p.y1, p.x2, p.y2, makecol(90, 110, 150));
  centred(TR("Was gesagt wurde", "What was said"), p.y1 + 10, makecol(255, 236, 170));
  if (rows.empty()) centred(TR("Noch hat niemand etwas gesagt.", "Nothing has been said yet."), 230, makecol(232, 238, 250));
  for (int r = 0; r < kSaidLogRows && first + r < static_cast<int>(rows.size()); ++r) {
    const SaidRow& row = rows[static_cast<size_t>(first + r)];
    outlined_text(row.text.c_str(), kSaidLogText.x1, kSaidLogText.y1 + r * kSaidLogRowHeight, row.colour);
  }
  centred(TR("Rad, Pfeiltasten: blättern. Escape, Klick daneben: schließen.",
             "Wheel, arrow keys: scroll. Escape, a click outside: close."),
          p.y2 - 30, makecol(170, 220, 255));
}

// The keys of the log: how far they scroll it; `close` when one closes it.
int log_keys(bool& close) {
  int rows = 0;
  while (platform_keypressed()) {
    switch (platform_readkey() >> 8) {
      case KEY_ESC:
      case KEY_L: close = true; break;
      case KEY_UP: rows -= 1; break;
      case KEY_DOWN: rows += 1; break;
      case KEY_PGUP: rows -= kSaidLogRows; break;
      case KEY_PGDN: rows += kSaidLogRows; break;
      default: break;
    }
  }
  return rows;
}

}  // namespace

void note_said(const std::string& speaker, int colour, const std::vector<std::string>& lines) {
  std::string words;
  for (const std::string& l : lines)
    if (!l.empty()) words += (words.empty() ? "" : " ") + l;
  if (words.empty()) return;
  lines_said.push_back({speaker, words, colour});
  // Read aloud after the line before it, who says it first.
  say_aloud(speaker.empty() ? words : speaker + ": " + words, false);
  while (lines_said.size() > static_cast<size_t>(kSaidLogSize)) lines_said.pop_front();
}

const std::deque<SaidLine>& said_log() { return lines_said; }
void clear_said_log() { lines_said.clear(); }
const char* hero_speaker() { return TR("Du", "You"); }

std::vector<SaidRow> said_log_rows(const TextWidth& measure) {
  std::vector<SaidRow> rows;
  for (const SaidLine& l : lines_said) {
    const std::string text = l.speaker.empty() ? l.words : l.speaker + ": " + l.words;
    for (const std::string& row : wrap_words(text, kSaidLogText.width(), measure)) rows.push_back({row, l.colour});
  }
  return rows;
}

int clamp_log_scroll(int first, int rows) {
  return std::max(0, std::min(first, rows - kSaidLogRows));
}

void show_said_log() {
  if (!pv_font || !memory_screen) return;
  platform_hide_pointer();
  BITMAP* under = create_bitmap(memory_screen->w, memory_screen->h);
  blit(memory_screen, under, 0, 0, 0, 0, under->w, under->h);
  const std::vector<SaidRow> rows = said_log_rows([](const std::string& s) { return text_length(pv_font, s.c_str()); });
  const int rows_nr = static_cast<int>(rows.size());
  int first = clamp_log_scroll(rows_nr, rows_nr);  // the newest lines
  const int status = mouse_status;
  mouse_status = carrying_item() ? kModeItem : kModeWalk;
  platform_hold_clock(1);
  int wheel = mouse_z;
  Press press;
  for (bool close = false; !close && !close_pending();) {
    platform_poll_mouse();
    first = clamp_log_scroll(first + log_keys(close) - 3 * (mouse_z - wheel), rows_nr);
    wheel = mouse_z;
    if (press((mouse_b & 3) != 0) && !kSaidLogPanel.contains(mouse_x, mouse_y)) close = true;
    draw_log(under, rows, first);
    maus();
    platform_show_pointer(memory_screen);
    platform_present(memory_screen, screen_layout::kScreenWidth, screen_layout::kScreenHeight);
    platform_hide_pointer();
  }
  platform_hold_clock(0);
  wait_mouse_release();
  click = kClickHeld;
  mouse_status = status;
  blit(under, memory_screen, 0, 0, 0, 0, under->w, under->h);
  destroy_bitmap(under);
  platform_new_frame();
}

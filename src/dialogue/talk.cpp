#include "dialogue/talk.h"

#include "hero/hero.h"
#include "platform/platform.h"
#include "shell/cursor.h"
#include "shell/draw_room.h"
#include "shell/game.h"
#include "shell/world.h"

void outlined_text(const char* line, int tx, int ty, int colour) {
  if (!line || !line[0] || !pv_font) return;
  static const int kOutline[6][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}, {1, 0}, {-1, 0}};
  for (const auto& o : kOutline) textout_ex(memory_screen, pv_font, line, tx + o[0], ty + o[1], 0, -1);
  textout_ex(memory_screen, pv_font, line, tx, ty, colour, -1);
}

void text_filter() {
  outlined_text(actual_text, counter7, counter6, counter5);
}

void show_text_hero() {
  if (sentence_y < 40) sentence_y = 40;
  const int row = (choice >= 0 && choice < kTalkRows) ? choice : 0;
  for (int l = 0; l < kTextLines; ++l) {
    const char* line = input_text[row][l];
    if (!line || !line[0]) continue;
    const int w = text_length(pv_font, line);
    int tx;
    if (sentence_x - w / 2 >= 40)
      tx = (w / 2 + sentence_x <= 600) ? sentence_x - w / 2 : 600 - w;
    else
      tx = 40;
    actual_text = line;
    counter7 = tx;
    counter6 = sentence_y + 20 * l;
    counter5 = kHeroColour;
    text_filter();
  }
}

void talking_hero() {
  if (talk_direction == kTalkFront) {
    for (int& a : hero_action) a = kStepTalkFront;
  } else {
    select_move = talk_direction;
    new_hero_move();
    for (int& a : hero_action) a = kStepSpecial;
  }
  for (talk_loop = 0; talk_loop < text_speed * 40; ++talk_loop) {
    platform_poll_mouse();
    if (frame_due()) {
      platform_hide_pointer();
      ++talk_frame_nr;
      ++move_frame_nr;
      draw_room();
    }
    platform_hide_pointer();
    show_text_hero();
    maus();
    if (mouse_status != kModeBusy) platform_show_pointer(memory_screen);
    show_frame();
    platform_hide_pointer();
    if (mouse_b & 3) break;
  }
  wait_mouse_release();
  reset_hero();
  draw_room();
}

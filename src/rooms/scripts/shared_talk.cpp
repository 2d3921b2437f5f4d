#include "rooms/scripts/shared_talk.h"

#include <allegro.h>

#include <iterator>

#include "dialogue/talk.h"
#include "hero/hero.h"
#include "interaction/people.h"
#include "shell/world.h"

void person_answer(const char* line0, const char* line1, const char* line2) {
  reset_hero();
  output_text[0][0] = line0;
  output_text[0][1] = line1;
  output_text[0][2] = line2;
  npc_describe();
}

void take_carried_item() {
  arrow_obj = "";
  for (text& line : arrow_describe) line = "";
  mouse_status = kModeWalk;
}

void exchange_carried_item(int picture, const char* name, const char* line0, const char* line1,
                           const char* line2) {
  arrow_obj = name;
  arrow_describe[0] = line0;
  arrow_describe[1] = line1;
  arrow_describe[2] = line2;
  if (arrow && picture >= 0 && picture < static_cast<int>(std::size(objects_bmp)) && objects_bmp[picture]) {
    clear_to_color(arrow, bitmap_mask_color(arrow));
    stretch_blit(objects_bmp[picture], arrow, 0, 0, objects_bmp[picture]->w, objects_bmp[picture]->h, 0, 0,
                 arrow->w, arrow->h);
  }
  mouse_status = kModeItem;
}

void canister_answer() {
  person_answer("Aaah ! Dat ass genee dat wat ech elo brauch", "fir nees a Form ze kommen.");
}

bool chosen(int person, const TalkPath& path) {
  return talk_nr == person && choice >= 1 && choice <= kTalkOptions && talk_branch_path().child(choice) == path;
}

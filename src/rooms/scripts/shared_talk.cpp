#include "rooms/scripts/shared_talk.h"

#include <allegro.h>

#include <iterator>

#include "core/world.h"
#include "dialogue/talk.h"
#include "hero/hero.h"
#include "interaction/items.h"
#include "interaction/people.h"

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

void exchange_carried_item(const char* item) {
  hold_item(item);
  mouse_status = kModeItem;
}


bool chosen(int person, const TalkPath& path) {
  return talk_nr == person && choice >= 1 && choice <= kTalkOptions && talk_branch_path().child(choice) == path;
}

#include "game/closing.h"
#include "game/game.h"

#include <cstdio>

#include "core/errand.h"
#include "core/world.h"
#include "hero/hero.h"
#include "menus/control_panel.h"
#include "persistence/options.h"
#include "persistence/saved_games.h"
#include "platform/platform.h"

namespace {

// How long the main loop waits for a quiet point: a close must end the
// program even if some state never settles; the game is then not kept (the
// older autosave stays), since Continue must never take up a game that
// cannot be finished.
constexpr int kQuietWaitMs = 10000;

bool hero_walking() {
  return mov_nr != kStanding;
}

bool consequence_due() {
  return cons_gotaccesscard != 0 || cons_adyteleskop != 0 || cons_policemad != 0 || cons_gotglasses != 0 ||
         cons_gotblei != 0 || story_zirud_talk != 0 || story_hero_uff != 0;
}

// A close outside a game: the settings are kept, as by Quit in the menu.
[[noreturn]] void end_outside_a_game() {
  platform_stop_midi();
  save_options();
  platform_exit(ExitStatus::game_end);
}

}  // namespace

bool at_quiet_point() {
  return game > 0 && video_active == 0 && talk_nr == -1 && inv_menu == 0 && !hero_walking() && !errand_pending() &&
         !consequence_due();
}

void autosave_after_room_change() {
  if (rooms_entered_kept == rooms_entered || !at_quiet_point()) return;
  rooms_entered_kept = rooms_entered;
  start_autosave();
}

void on_close_request() {
  if (game_under_way != 1) end_outside_a_game();
  request_quit();
}

void honour_close_request() {
  if (!close_pending()) return;
  // The hero stops where he stands; what he was on his way to do is dropped.
  if (hero_walking() || errand_pending()) {
    reset_hero();
    clear_errand();
  }
  if (at_quiet_point()) {
    if (main_menu_wanted()) {
      back_to_main_menu();
      return;
    }
    quit_from_panel();
  }
  if (platform_clock_ms() - close_requested_at() > kQuietWaitMs) {
    std::fprintf(stderr, "Pelvaro: the game did not come to rest; it ends without being kept.\n");
    end_outside_a_game();
  }
}

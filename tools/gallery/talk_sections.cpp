// The sections of conversations and speech: every person's menu as the player
// first sees it and with a choice under the pointer, and spoken lines as the
// player's settings show them (the band on and off, the large font).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>

#include "core/settings.h"
#include "core/world.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "dialogue/talk_data.h"
#include "frame/draw_room.h"
#include "gallery/gallery.h"
#include "headless_driver/driver.h"
#include "headless_driver/story_player.h"
#include "interaction/markers.h"
#include "platform/headless.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "rooms/room_script.h"

namespace gallery {
namespace {

int lowest_option(int offered) {
  for (int c = 1; c < kTalkRows; ++c)
    if (offered >> c & 1) return c;
  return 0;
}

// Person `j`, not there at the start, comes as the story brings him (in place
// of anyone shown by the same name).
void bring_in(int j) {
  for (int k = 0; k < person_nr; ++k)
    if (k != j && person_label(k) && person_label(j) && std::strcmp(person_label(k), person_label(j)) == 0)
      person_present[k] = 0;
  mov_person_nr[j] = 0;
  person_anim[j] = 0;
  person_present[j] = 1;
  old_person_anim[j] = -1;
  load_person_anim();
}

// The hero walks to person `j` of `room` and talks to him, as a player's click
// does; the menu is kept as it first shows, then with its first choice under
// the pointer.
void talk_menu(const RoomScript& room, int j) {
  driver::stand_in_room(room.name);
  load_new_talking();  // the room's conversations, as a room change sets them up
  std::string who = std::string(room.name) + ", " + (person_label(j) ? person_label(j) : person_name[j]);
  if (j >= person_nr || person_talk[j] != 1)
    return (void)std::printf("gallery_%s: %s cannot talk\n", kLang, who.c_str());
  if (person_present[j] != 1) bring_in(j), who += " (brought in as the story brings him)";
  const std::string name = person_name[j];
  story::Player p;
  int hovered = 0;
  story::on_frame_first([&] {
    const int offered = story::menu_options();
    if (!offered) return false;
    if (hovered == 0) {
      keep(headless::last_frame(), who + ": the conversation menu as it first shows");
      hovered = lowest_option(offered);
      headless::mouse_at(headless::now() + 2, 100, story::option_y(hovered), 0);
    } else if (mouse_y == story::option_y(hovered)) {
      keep(headless::last_frame(), who + ": the menu, its first choice under the pointer");
      headless::stop();
    }
    return true;
  });
  const int status = driver::run_program([&] { p.talk(name.c_str(), {}); });
  if (!story::failure().empty()) trouble(who + ": " + story::failure());
  else if (status == -1) std::printf("gallery_%s: %s has nothing to say at the start\n", kLang, who.c_str());
  else if (status != -2) trouble(who + ": the talk ended with " + std::to_string(status));
}

}  // namespace

void conversation_menus() {
  for (const RoomScript* r : kRooms) {
    std::set<int> talkers;
    for (const TalkLine& line : r->talk_lines) talkers.insert(line.person);
    for (int j : talkers) talk_menu(*r, j);
  }
}

// ---- Spoken lines ------------------------------------------------------------------------------

namespace {

int chars(const char* const (&lines)[kTalkLines]) {
  int n = 0;
  for (const char* l : lines) n += l ? static_cast<int>(std::strlen(l)) : 0;
  return n;
}

// The longest thing the hero says on looking at a piece of the room, and the
// longest reply of its person `j`: lines long enough to be broken anew in the
// large font.
struct Lines { const char* hero[kTalkLines]; const char* person[kTalkLines]; };
Lines longest_lines(const RoomScript& room, int j) {
  Lines out{{"", "", ""}, {"", "", ""}};
  for (const FurniState& f : room.furniture)
    if (chars(f.text) > chars(out.hero)) std::copy(std::begin(f.text), std::end(f.text), out.hero);
  for (const TalkLine& t : room.talk_lines)
    if (t.person == j && chars(t.reply) > chars(out.person)) std::copy(std::begin(t.reply), std::end(t.reply), out.person);
  return out;
}

// The first frame of a line spoken by `speak`, kept as `title`.
void keep_speech(const std::string& title, const std::function<void()>& speak) {
  talk_loop = -1;
  headless::on_present([title] {
    if (talk_loop >= 0) keep(headless::last_frame(), title), headless::stop();
  });
  const int status = driver::run_program(speak);
  headless::on_present(nullptr);
  if (status != -2) trouble("spoken lines: " + title + " ended with " + std::to_string(status));
}

// The first frame of a scene that shows a subtitle, kept as `title`.
void keep_scene_line(const std::string& title, void (*scene)()) {
  headless::on_present([title] {
    if (video_active == 1 && video_loop >= 2 && video_text[0] && video_text[0][0])
      keep(headless::last_frame(), title), headless::stop();
  });
  const int status = driver::run_program(scene);
  headless::on_present(nullptr);
  if (status != -2) trouble("spoken lines: " + title + " ended with " + std::to_string(status));
}

}  // namespace

// The hero's and Mr Zirud's longest lines in future_physiktp, and the subtitle
// of a scene, in the four ways the options screen offers: the band on and off,
// the normal and the large font.
void spoken_lines() {
  const RoomScript* room = kRooms[room_index("future_physiktp")];
  constexpr int kZirud = 0;
  const Lines lines = longest_lines(*room, kZirud);
  for (int large : {0, 1})
    for (int band : {1, 0}) {
      const std::string how = std::string(large ? "large" : "normal") + " font, band " + (band ? "on" : "off");
      driver::stand_in_room(room->name);
      settings::large_subtitles = large, settings::subtitle_band = band;
      hero_x = goto_person_x[kZirud], hero_y = goto_person_y[kZirud];
      mouse_x = -100;
  mouse_y = -100;
      draw_room();
      keep_speech("the hero speaks, " + how,
                  [&] { standard_remark(lines.hero[0], lines.hero[1], lines.hero[2]); });
      talk_nr = kZirud, choice = 0;
      for (int l = 0; l < kTextLines; ++l) output_text[0][l] = lines.person[l];
      reply_x = person_x[kZirud][0], reply_y = person_y[kZirud][0] - 90;
      keep_speech("Mr Zirud speaks, " + how, [] { talking_npc(); });
      driver::stand_in_room("future_biolog");
      settings::large_subtitles = large, settings::subtitle_band = band;
      keep_scene_line("Mrs Sand's scene (video_sand_mecker), " + how, video_sand_mecker);
    }
}

}  // namespace gallery

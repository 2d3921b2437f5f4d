// The end of the game: the time machine and its energy effect.
//
// The hero has showered in the lead solution and stands at the machine in
// future_physiktp. He climbs onto its pedestal, the glass tube rises around
// him, Mr Zirud starts it with his remote, the energy builds up in beams, the
// screen flashes, turns white and fades to black, the years run backwards from
// 2027, and a closing screen thanks the player. The program then ends.
#include <cstdint>
#include <string>

#include "core/close_request.h"
#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/makers.h"
#include "core/pacing.h"
#include "core/read_aloud.h"
#include "core/screen_layout.h"
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/player.h"
#include "cutscenes/time_machine_data.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "frame/play_keys.h"
#include "persistence/saved_games.h"
#include "platform/platform.h"
#include "rooms/rooms.h"
#include "story/hints.h"

namespace {

// The effect's colours: pure blue, a light blue, white.
constexpr int kBlue = 31;
constexpr int kLightBlue = 33823;
constexpr int kWhite = 65535;
// One step of the fade: 2 in red and blue, 4 in green.
constexpr int kFadeStep = 4226;
// The effect is laid out for a machine whose glow is at (346, 200) with the
// energy coming in from the left edge of the screen (x 0, y 165). This room
// has its machine right of the reactor and the telescope at the right, so
// every point is carried over: the glow onto the machine, the beams' run from
// the screen's edge onto the telescope's lens (mirrored and shortened, their
// rise kept), and what lies about the glow keeps its offset from it.
constexpr int kGlowX = 346, kGlowY = 200;
constexpr int kEdgeY = 165;
int run_x(int x) { return manifest::kTmGlowX + (x - kGlowX) * (manifest::kTmGlowX - manifest::kTmLensX) / kGlowX; }
int run_y(int x, int y) {
  return manifest::kTmGlowY + (y - kGlowY) + (kGlowX - x) * (manifest::kTmLensY - manifest::kTmGlowY - (kEdgeY - kGlowY)) / kGlowX;
}
int near_x(int x) { return manifest::kTmGlowX + (x - kGlowX); }
int near_y(int y) { return manifest::kTmGlowY + (y - kGlowY); }

// A beam on its run from the telescope: two edge lines in blue around a white
// centre line.
void beam(int ax1, int ay1, int ax2, int ay2, int bx1, int by1, int bx2, int by2, int cx1, int cy1, int cx2,
          int cy2) {
  line(memory_screen, run_x(ax1), run_y(ax1, ay1), run_x(ax2), run_y(ax2, ay2), kBlue);
  line(memory_screen, run_x(bx1), run_y(bx1, by1), run_x(bx2), run_y(bx2, by2), kBlue);
  line(memory_screen, run_x(cx1), run_y(cx1, cy1), run_x(cx2), run_y(cx2, cy2), kWhite);
}
// A line by the glow, kept at its offset from it.
void near_line(int x1, int y1, int x2, int y2, int colour) {
  line(memory_screen, near_x(x1), near_y(y1), near_x(x2), near_y(y2), colour);
}

// Each channel moved 16 down (or up), stopping at 0 (or its top). Green is
// read by the upper five of its six bits; its lowest bit goes along
// unchanged, unless the channel is cleared or filled whole.
inline std::uint16_t darken(std::uint16_t c) {
  const int b = c & 31;
  const int g = (c >> 6) & 31;
  const int r = c >> 11;
  int out = b > 16 ? b - 16 : 0;
  out |= g > 16 ? (c & 0x07E0) - (16 << 6) : 0;
  out |= (r > 16 ? r - 16 : 0) << 11;
  return static_cast<std::uint16_t>(out);
}

inline std::uint16_t brighten(std::uint16_t c) {
  const int b = c & 31;
  const int g = (c >> 6) & 31;
  const int r = c >> 11;
  int out = b < 16 ? b + 16 : 31;
  out |= g < 16 ? (c & 0x07E0) + (16 << 6) : 0x07E0;
  out |= (r < 16 ? r + 16 : 31) << 11;
  return static_cast<std::uint16_t>(out);
}

// Every pixel of the buffer darkened (odd stages) or brightened (even ones).
// The buffer is a memory bitmap: its rows are worked on directly.
void flash(bool dark) {
  BITMAP* b = memory_screen;
  const int w = b->w;
  for (int y = 0; y < b->h; ++y) {
    auto* row = reinterpret_cast<std::uint16_t*>(b->line[y]);
    if (dark)
      for (int x = 0; x < w; ++x) row[x] = darken(row[x]);
    else
      for (int x = 0; x < w; ++x) row[x] = brighten(row[x]);
  }
}

}  // namespace

void time_travel() {
  const int s = video_timetravel;
  const int f = video_loop;
  if (s >= 2) {
    circlefill(memory_screen, near_x(kGlowX), near_y(kGlowY), 5, kBlue);
    circlefill(memory_screen, near_x(kGlowX), near_y(kGlowY), 4, kLightBlue);
    circlefill(memory_screen, near_x(kGlowX), near_y(kGlowY), 3, kWhite);
  }
  beam(0, 164, 20, 174, 0, 166, 20, 176, 0, 165, 20, 175);
  if (s >= 2 || f > 4) beam(174, 230, 189, 200, 176, 230, 191, 200, 175, 230, 190, 200);
  if (s >= 2 || f > 9) beam(210, 199, 342, 199, 210, 201, 342, 201, 210, 200, 342, 200);
  if ((s == 2 && f > 4) || s >= 3) {  // down from the glow into the tube
    near_line(345, 204, 345, 250, kBlue);
    near_line(347, 204, 347, 250, kBlue);
    near_line(346, 204, 346, 252, kWhite);
  }
  if ((s == 2 && f > 9) || s >= 3) {
    near_line(316, 248, 344, 250, kBlue);
    near_line(348, 250, 375, 254, kBlue);
    near_line(315, 256, 375, 262, kBlue);
    near_line(319, 273, 373, 280, kBlue);
    near_line(320, 282, 374, 287, kBlue);
  }
  if (s >= 3 && s <= 99) {
    flash(s % 2 == 1);
    video_timetravel = s + 1;
    hue = kWhite;
  }
  if (s == 100) clear_to_color(memory_screen, hue);
  if (s == 200) {
    clear_to_color(memory_screen, hue);
    hue = hue - kFadeStep >= 0 ? hue - kFadeStep : 0;
  }
}

namespace {

using namespace manifest;

// Escape pressed since the last look: the time machine goes on to the
// closing screen.
bool escape_pressed() {
  bool escape = false;
  while (platform_keypressed())
    if ((platform_readkey() >> 8) == KEY_ESC) escape = true;
  return escape;
}

// The years run backwards, four a second, for two to three seconds.
void year_counter(BITMAP* background) {
  const int start = platform_clock_ms();
  int now = start;
  while (now / 1000 < start / 1000 + 3) {
    blit(background, memory_screen, 0, 0, 0, 0, background->w, background->h);
    textout_ex(memory_screen, pv_font, TR("Jahr:", "Year:"), 300, 210, kPersonColour, -1);
    textprintf_ex(memory_screen, pv_font, 300, 230, kPersonColour, -1, "%d", 2027 - (now - start) / 250);
    platform_poll_mouse();
    platform_hide_pointer();
    platform_new_frame();
    show_frame();
    if (escape_pressed() || close_pending()) return;
    now = platform_clock_ms();
  }
}

void centred_line(const char* text, int row) {
  outlined_text(text, (screen_layout::kScreenWidth - text_length(pv_font, text)) / 2, row, kPersonColour);
}

// The thanks for playing, over the introduction's background, until a click.
void closing_screen() {
  wait_mouse_release();
  intro_dat = load_datafile_checked(kIntroFile.name, kIntroFile.entries);
  blit(datafile_bitmap(intro_dat, at(Intro::background), kIntroFile.name), memory_screen, 0, 0, 0, 0,
       screen_layout::kScreenWidth, screen_layout::kScreenHeight);
  centred_line(TR("Vielen Dank, dass Sie die Demo von \"Pelvaro\" gespielt haben!",
                  "Thank you for playing the demo of \"Pelvaro\"!"),
               190);
  centred_line(TR("Mehr Informationen über das Spiel finden Sie unter:",
                  "You will find more about the game at:"),
               210);
  centred_line(makers::kWebsite, 230);
  centred_line((TR("Gespielte Zeit: ", "Time played: ") + played_text(played_ms)).c_str(), 250);
  centred_line(finished_with_hints(hints_asked).c_str(), 270);
  centred_line(TR("Bitte drücken Sie eine Maustaste um das Spiel zu verlassen.", "Click to quit the game."), 290);
  // Read aloud too, and Enter clicks, for a player who cannot see the screen.
  say_aloud(std::string(TR("Vielen Dank, dass Sie die Demo von \"Pelvaro\" gespielt haben!",
                           "Thank you for playing the demo of \"Pelvaro\"!")) +
                " " + TR("Gespielte Zeit: ", "Time played: ") + played_text(played_ms) + ". " +
                finished_with_hints(hints_asked),
            false);
  platform_new_frame();
  do {
    pointer_keys({});
    platform_poll_mouse();
    platform_hide_pointer();
    show_frame();
  } while (!(mouse_b & 3) && !close_pending());
  unload_datafile(intro_dat);
  intro_dat = nullptr;
}

constexpr int kHeroLines = 2016;     // green
constexpr int kTeacherLines = 63488;  // red

void play_machine(Sequence& s) {
  person_present[0] = 0;  // Mr Zirud is drawn by the scene from here on

  // "A bit later": the hero stands at the machine, Mr Zirud beside it.
  s.hero_at(kTmHeroX, kTmHeroY);
  s.hero_run(at(Timemach::hero_talk), at(Timemach::hero_talk, 29));
  s.overlay_run(at(Timemach::teacher_talk), at(Timemach::teacher_talk), kTmTeacherX, kTmTeacherY);
  hero_foreground = 1;
  s.subtitle_colour(kHeroLines);
  s.say(0, TR("Ich habe mit Bleilösung geduscht.", "I've had a shower in lead solution."), 280, 90);
  s.say(1, TR("Herr Rurura sagt, die schützt mich", "Mister Rurura says it will keep me"), 260, 110);
  s.say(2, TR("vor der Strahlung. Hoffentlich...", "safe from the radiation. I hope..."), 280, 130);
  s.caption(at(Timemach::caption), TR("Etwas später...", "A bit later..."));
  s.play(120);

  s.hero_run(at(Timemach::hero_talk), at(Timemach::hero_talk));
  s.overlay_run(at(Timemach::teacher_talk), at(Timemach::teacher_talk, 18), kTmTeacherX, kTmTeacherY);
  s.subtitle_colour(kTeacherLines);
  s.say(0, TR("Gut. Dann stell dich jetzt in die Maschine.", "Good. Then step into the machine now."), 230, 90);
  s.say(1, TR("Ich starte sie, sobald du drin bist.", "I'll start it once you're inside."), 230, 110);
  s.say(2, TR("Viel Glück bei der Suche nach Herrn Dossel!", "Good luck finding headmaster Dossel!"), 260, 130);
  s.play(120);

  // He climbs the steps onto the pedestal, 4 pixels a frame, and turns round.
  s.overlay_run(at(Timemach::teacher_talk), at(Timemach::teacher_talk), kTmTeacherX, kTmTeacherY);
  for (int k = 0; k < 15; ++k) {
    s.hero_at(kTmHeroX, kTmClimbY0 - kTmClimbStep * k);
    s.hero_run(at(Timemach::climb, k), at(Timemach::climb, k));
    s.play(1);
  }
  s.hero_at(kTmInMachineX, kTmInMachineY);
  s.hero_run(at(Timemach::in_machine), at(Timemach::in_machine));
  s.play(20);

  // The tube rises around him while Mr Zirud watches beside it (the tube's
  // pictures show him).
  hero_foreground = 0;
  s.overlay_run(at(Timemach::tube), at(Timemach::tube, 37), kTmTubeX, kTmTubeY);
  s.play(38);

  // Closed in; Mr Zirud takes out his remote and starts the machine.
  hero_foreground = 1;
  s.hero_at(kTmCapsuleX, kTmCapsuleY);
  s.hero_run(at(Timemach::capsule), at(Timemach::capsule, 3));
  s.overlay_run(at(Timemach::remote), at(Timemach::remote, 14), kTmTeacherX, kTmTeacherY);
  s.play(15);
  s.overlay_run(at(Timemach::start), at(Timemach::start, 14), kTmTeacherX, kTmTeacherY);
  s.play(15);
  furni_present[2] = 1;

  // The energy: building up, charged, flashing, white, fading to black.
  s.overlay_run(at(Timemach::start, 14), at(Timemach::start, 14), kTmTeacherX, kTmTeacherY);
  video_timetravel = 1;
  play_sound(manifest::Sounds::machine_hum);
  s.play(15);
  video_timetravel = 2;
  s.play(15);
  video_timetravel = 3;
  play_sound(manifest::Sounds::machine_flash);
  s.play(12);
  video_timetravel = 100;
  s.play(8);
  video_timetravel = 200;
  s.play(16);
  video_timetravel = 0;

  if (!sequence_skipping()) year_counter(s.picture(at(Timemach::years)));
}

}  // namespace

void video_time_machine() {
  {
    Sequence s("video_time_machine", &kTimemachFile);
    play_machine(s);
  }  // timemach.dat is released here, the buttons are up
  video_timetravel = 0;
  closing_screen();
  // The end of the story: nothing is left to continue, and the options are
  // not written on this way out.
  remove_autosave();
  platform_exit(ExitStatus::game_end);
}

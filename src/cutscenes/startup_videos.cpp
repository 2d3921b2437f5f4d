#include <cstdio>

#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/pacing.h"
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "platform/platform.h"

void video_logo() {
  logo_wav = load_sample_checked("sfx/logo.wav");
  platform_play_sample(logo_wav, 255, 128, 1000, 0);
  // The frame buffer does not exist yet; the film has a buffer of its own.
  BITMAP* film_buffer = create_bitmap(screen_layout::kScreenWidth, screen_layout::kScreenHeight);
  clear_bitmap(film_buffer);
  play_film_checked("flc/proud.flc", film_buffer);
  destroy_bitmap(film_buffer);
}

void video_title() {
  using namespace manifest;
  pv_logo = datafile_bitmap(title_dat, at(Title::pv_logo), kTitleFile.name);
  intro_dat = load_datafile_checked(kIntroFile.name, kIntroFile.entries);
  unload_datafile(intro_dat);
  intro_dat = nullptr;
}

namespace {

void centred_line(const char* line, int row) {
  outlined_text(line, (screen_layout::kScreenWidth - text_length(pv_font, line)) / 2, row, kPersonColour);
}

}  // namespace

void video_intro() {
  wait_mouse_release();
  using namespace manifest;
  intro_dat = load_datafile_checked(kIntroFile.name, kIntroFile.entries);
  blit(datafile_bitmap(intro_dat, at(Intro::background), kIntroFile.name), memory_screen, 0, 0, 0, 0,
       screen_layout::kScreenWidth, screen_layout::kScreenHeight);
  static const char* const kLines[7] = {
      TR("Wir schreiben das Jahr 2027.", "The year is 2027."),
      TR("Seit Direktor Dossel spurlos verschwunden ist,", "Since headmaster Dossel vanished without a trace,"),
      TR("regiert sein Nachfolger die Schule mit eiserner Hand.",
         "his successor has ruled the school with an iron fist."),
      TR("Kameras, Wachen und Zugangskarten überall -", "Cameras, guards and access cards everywhere -"),
      TR("aus der Schule ist fast ein Gefängnis geworden.", "the school has become little better than a prison."),
      TR("Du stehst im Gang und bekommst gerade", "You are standing in the corridor, just getting"),
      TR("deine Klassenarbeit zurück...", "your test back..."),
  };
  static const int kRows[7] = {170, 190, 210, 230, 250, 270, 290};
  for (int i = 0; i < 7; ++i) centred_line(kLines[i], kRows[i]);
  centred_line(TR("Weiter gehts mit einem Mausklick.", "Click to continue."), 330);
  platform_new_frame();
  do {
    platform_poll_mouse();
    show_frame();
  } while (!(mouse_b & 3));
  unload_datafile(intro_dat);
  intro_dat = nullptr;
}


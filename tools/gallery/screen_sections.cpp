// The sections of the screens around the game: the title animation frame by
// frame, the options screen with each of its choices and the credits, and the
// desktop icons the game installs.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/screen_layout.h"
#include "core/settings.h"
#include "core/world.h"
#include "game/game.h"
#include "gallery/gallery.h"
#include "headless_driver/driver.h"
#include "menus/main_menu.h"
#include "menus/menu_screens.h"
#include "menus/sliders.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace gallery {
namespace {

using namespace screen_layout;
using driver::run_program;

int run_game() {
  static char name[] = "game";
  char* argv[2] = {name, nullptr};
  return run_program([&] { game_main(1, argv); });
}

bool same_picture(BITMAP* a, BITMAP* b) {
  if (!a || !b || a->w != b->w || a->h != b->h) return false;
  for (int y = 0; y < a->h; ++y)
    if (std::memcmp(a->line[y], b->line[y], static_cast<size_t>(a->w) * 2) != 0) return false;
  return true;
}

// Every distinct frame the start shows before the main menu, with the time it
// first showed: the logo film's (before the title picture is loaded), then the
// title's with its progress bar.
struct StartFrames {
  struct Shown { BITMAP* picture; int at_ms; };
  std::vector<Shown> film, title;
  ~StartFrames() {
    for (auto* list : {&film, &title})
      for (Shown& s : *list) destroy_bitmap(s.picture);
  }
  void look() {
    BITMAP* frame = headless::last_frame();
    std::vector<Shown>& list = pv_logo ? title : film;
    const Shown* last = !title.empty() ? &title.back() : !film.empty() ? &film.back() : nullptr;
    if (last && same_picture(last->picture, frame)) return;
    list.push_back({copy_of(frame), headless::now()});
  }
};

std::string at_time(int ms) { return std::to_string(ms / 1000) + "." + std::to_string(ms % 1000 / 100) + " s"; }

// The frames at a quarter of their size on one sheet, and the first, middle and last whole.
void keep_frames(const std::vector<StartFrames::Shown>& frames, const std::string& what) {
  if (frames.empty()) return trouble("the start showed no " + what);
  Sheet sheet;
  for (size_t i = 0; i < frames.size(); ++i)
    sheet.add(smaller(frames[i].picture, 4), std::to_string(i + 1) + ": " + at_time(frames[i].at_ms));
  sheet.keep(what + ", each of its " + std::to_string(frames.size()) + " frames at a quarter size, with the time it shows");
  for (size_t i : {size_t{0}, frames.size() / 2, frames.size() - 1})
    keep(frames[i].picture, what + ", frame " + std::to_string(i + 1) + " at " + at_time(frames[i].at_ms));
}

}  // namespace

void title_animation() {
  driver::fresh_game();
  StartFrames frames;
  headless::on_present([&] {
    if (driver::in_main_menu()) headless::stop();
    frames.look();
  });
  const int status = run_game();
  headless::on_present(nullptr);
  if (status != -2) trouble("the start never reached the menu: " + std::to_string(status));
  keep_frames(frames.film, "the logo film");
  keep_frames(frames.title, "the title and its progress bar");
}

// ---- The options screen and the credits ----------------------------------------------------

namespace {

std::function<void()> move_to(int x, int y) {
  return [x, y] { headless::mouse_at(headless::now() + 2, x, y, 0); };
}

std::string options_now() {
  using namespace menu_screens;
  return std::string("subtitle size ") + (settings::large_subtitles ? "large" : "normal") + ", band " +
         (settings::subtitle_band ? "on" : "off") + ", window " +
         (tmp_window_scale == window_fit::kFill ? std::string("fill")
          : tmp_window_scale > 0              ? std::to_string(tmp_window_scale) + "x"
                                              : std::string("automatic")) +
         " (" + window_size_text(tmp_window_scale, platform_largest_scale(), platform_fill_window()) + "), read aloud " +
         (settings::speech ? "on" : "off") + ", pause when away " +
         (settings::pause_when_away == 0 ? "never" : settings::pause_when_away == 1 ? "always" : "in full screen");
}

std::function<void()> shoot_options(const std::string& what) {
  return [what] { keep(headless::last_frame(), "options screen, " + what + ": " + options_now()); };
}

// The options screen from the menu: each box under the pointer and each of
// its choices (the window's size for a desktop of 1920 x 1080), a knob and
// OK under the pointer; then Cancel.
void options_steps(driver::Player& p) {
  auto menu = driver::in_main_menu;
  const Rect& size = kMenuOptSubtitleSize;
  const Rect& band = kMenuOptSubtitleBand;
  const Rect& scale = kMenuOptScale;
  p.click_when(after(300, menu), kMenuHot[kMenuOptions].mid_x(), kMenuHot[kMenuOptions].mid_y())
      .then(after(400), move_to(600, 460))
      .then(after(200), shoot_options("as it opens"))
      .then(after(100), move_to(size.mid_x(), size.mid_y()))
      .then(after(200), shoot_options("the subtitle size under the pointer"))
      .click_when(after(100), size.mid_x(), size.mid_y())
      .then(after(300), shoot_options("subtitle size clicked"))
      .click_when(after(100), band.mid_x(), band.mid_y())
      .then(after(300), shoot_options("subtitle band clicked"))
      // Reading aloud on (headless, nothing is heard), the pause when away on to "always".
      .click_when(after(100), kMenuOptSpeech.mid_x(), kMenuOptSpeech.mid_y())
      .then(after(300), shoot_options("read aloud clicked"))
      .click_when(after(100), kMenuOptPauseAway.mid_x(), kMenuOptPauseAway.mid_y())
      .then(after(300), shoot_options("pause when away clicked"));
  for (int k = 0; k <= platform_largest_scale() + 1; ++k)  // 1x .. the largest, fill, automatic again
    p.click_when(after(100), scale.mid_x(), scale.mid_y()).then(after(300), shoot_options("window size clicked"));
  p.then(after(100), [] {
     const int knob = sliders::text_speed_to_x(tmp_text_speed);
     move_to(knob + kKnobWidth / 2, kMenuSliderY[0] + kKnobHeight / 2)();
   })
      .then(after(200), shoot_options("the text speed knob under the pointer"))
      .then(after(100), move_to(kMenuOptOk.mid_x(), kMenuOptOk.mid_y()))
      .then(after(200), shoot_options("OK under the pointer"))
      .click_when(after(100), kMenuOptCancel.mid_x(), kMenuOptCancel.mid_y());
}

void credits_steps(driver::Player& p) {
  auto menu = driver::in_main_menu;
  p.click_when(after(600, menu), kMenuHot[kMenuCredits].mid_x(), kMenuHot[kMenuCredits].mid_y())
      .then(after(400), move_to(600, 300))
      .then(after(200), shoot("credits"))
      .then(after(100), move_to(kCreditsBack.mid_x(), kCreditsBack.mid_y()))
      .then(after(200), shoot("credits, Back under the pointer"))
      .click_when(after(100), kCreditsBack.mid_x(), kCreditsBack.mid_y())
      .then(after(400, menu), [] {
        keep(headless::last_frame(), "main menu after the credits' Back");
        headless::stop();
      });
}

}  // namespace

void options_and_credits() {
  driver::fresh_game();
  headless::set_desktop(1920, 1080);
  driver::Player p;
  options_steps(p);
  credits_steps(p);
  const int status = run_game();
  headless::on_present(nullptr);
  if (status != -2) trouble("the options and credits ended with " + std::to_string(status));
}

// ---- The icons -------------------------------------------------------------------------------

namespace {

using Surface = std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)>;

// The icons the install takes, smallest first: pelvaro-<size>.png.
std::vector<std::pair<int, std::string>> icon_files() {
  std::vector<std::pair<int, std::string>> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(PELVARO_ICON_DIR, ec)) {
    int size = 0;
    if (std::sscanf(entry.path().filename().c_str(), "pelvaro-%d.png", &size) == 1) files.emplace_back(size, entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void caption(cairo_t* cr, double x, double y, const std::string& words, double grey) {
  cairo_set_source_rgb(cr, grey, grey, grey);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, words.c_str());
}

}  // namespace

// Each icon at its own size, on a dark and on a light desktop, and each drawn
// eight times as large without smoothing up to 32 pixels, where every pixel counts.
void icons() {
  const auto files = icon_files();
  if (files.empty()) return trouble(std::string("no icons in ") + PELVARO_ICON_DIR + ": build the icons target");
  constexpr int kZoom = 8, kZoomUpTo = 32;
  int width = 16, height = 0;
  for (const auto& [size, path] : files) {
    width += (size <= kZoomUpTo ? size * kZoom : size) + 16;
    height = std::max(height, size <= kZoomUpTo ? size * kZoom + 4 + size : size);
  }
  Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, 2 * (height + 40) + 16), cairo_surface_destroy);
  cairo_t* cr = cairo_create(sheet.get());
  cairo_set_font_size(cr, 13);
  const double panels[2][3] = {{0.16, 0.17, 0.2}, {0.86, 0.87, 0.89}};
  for (int row = 0; row < 2; ++row) {
    const double y = 8 + row * (height + 40);
    cairo_set_source_rgb(cr, panels[row][0], panels[row][1], panels[row][2]);
    cairo_rectangle(cr, 0, y - 8, width, height + 40 + (row ? 16 : 0));
    cairo_fill(cr);
    double x = 8;
    for (const auto& [size, path] : files) {
      Surface icon(cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy);
      const int zoom = size <= kZoomUpTo ? kZoom : 1;
      cairo_save(cr);
      cairo_translate(cr, x, y + 20);
      cairo_scale(cr, zoom, zoom);
      cairo_set_source_surface(cr, icon.get(), 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      cairo_restore(cr);
      if (zoom > 1) cairo_set_source_surface(cr, icon.get(), x, y + 20 + size * zoom + 4), cairo_paint(cr);
      caption(cr, x, y + 14, std::to_string(size) + " px" + (zoom > 1 ? ", x" + std::to_string(zoom) : ""),
              row ? 0.1 : 0.9);
      x += size * zoom + 16;
    }
  }
  cairo_destroy(cr);
  const std::string name = list_picture("the desktop icons, every size the install takes, on a dark and a light desktop");
  cairo_surface_write_to_png(sheet.get(), (out_dir() + "/" + name).c_str());
}

}  // namespace gallery

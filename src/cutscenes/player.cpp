#include "cutscenes/player.h"
#include <algorithm>

#include <cstdio>

#include "core/close_request.h"
#include "core/datafiles.h"
#include "core/pacing.h"
#include "core/screen_layout.h"
#include "core/settings.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "frame/cursor.h"
#include "frame/draw_room.h"
#include "frame/play_keys.h"
#include "frame/said_log.h"
#include "frame/subtitles.h"
#include "hero/hero.h"
#include "platform/platform.h"

namespace {

bool skipping = false;
int shot_count = 0;

// Escape fast-forwards, and so does a close request (the game is kept once
// the scene is over); P pauses; any other key pressed during a sequence is
// dropped so that it does not act on the room afterwards. The window losing
// the focus pauses as the player's settings say.
void read_keys() {
  pause_if_away();
  while (platform_keypressed()) {
    const KeyAsk ask = key_ask(platform_readkey());
    if (ask == KeyAsk::skip) skipping = true;
    if (ask == KeyAsk::pause) pause_game();
  }
  if (close_pending()) skipping = true;
}

// The state the player resets before and after a shot.
void reset_shot_counters() {
  mouse_status = kModeBusy;
  video_loop = 0;
  cpu_delay = 0;
  move_frame_nr = 0;
  talk_frame_nr = 0;
  video_frame_nr = 0;
}

// The subtitles last noted in the log of what was said: a shot that keeps
// its subtitles for the next one (let_video_text) says them once.
text noted_subtitles[kTextLines] = {};

void clear_subtitles() {
  for (int i = 0; i < kTextLines; ++i) {
    video_text[i] = "";
    video_text_x[i] = 0;
    video_text_y[i] = 0;
    noted_subtitles[i] = nullptr;
  }
  video_text_color = 0;
}

bool subtitles_shown() {
  for (text line : video_text)
    if (line && line[0]) return true;
  return false;
}

// Subtitles a shot begins to show are said: the log notes them, the hero as
// the speaker of his colour.
void note_subtitles() {
  if (!subtitles_shown() || std::equal(video_text, video_text + kTextLines, noted_subtitles)) return;
  std::copy(video_text, video_text + kTextLines, noted_subtitles);
  std::vector<std::string> lines;
  for (text line : video_text) lines.push_back(line ? line : "");
  note_said(video_text_color == kHeroSubtitle ? hero_speaker() : "", video_text_color, lines);
}

// With the player's setting text_until_clicked, a shot's subtitles stay on
// its last frame until a click or a key (Escape skips the rest of the scene
// as ever, P pauses).
void wait_for_the_reader() {
  Press press;
  for (bool read = false; !read && !skipping;) {
    platform_poll_mouse();
    show_text_video();
    maus();
    platform_hide_pointer();
    show_frame();
    while (platform_keypressed()) {
      const KeyAsk ask = key_ask(platform_readkey());
      if (ask == KeyAsk::pause) pause_game();
      else read = true;
      if (ask == KeyAsk::skip) skipping = true;
    }
    if (press((mouse_b & 3) != 0) || close_pending()) read = true;
  }
  if (close_pending()) skipping = true;
}

// One composed frame of the shot.
void compose_frame() {
  draw_room();  // the hero comes from video_move while video_active is 1
  if (video_frame_nr >= video_bmp_nr) video_frame_nr = 0;
  BITMAP* overlay = video_bmp_nr != 0 ? video_bmp[video_frame_nr] : nullptr;
  if (overlay) draw_sprite(memory_screen, overlay, video_x[video_frame_nr], video_y[video_frame_nr]);
  if (hero_foreground == 1) hero_frame();
  if (object_foreground == 1 && video_object) draw_sprite(memory_screen, video_object, video_object_x, video_object_y);
  if (video_foreground == 1 && overlay)
    draw_sprite(memory_screen, overlay, video_x[video_frame_nr], video_y[video_frame_nr]);
  draw_buttons();
  ++video_loop;
  ++cursor_nr;
  ++move_frame_nr;
  ++video_frame_nr;
  if (video_timetravel > 0) time_travel();
}

// The end of the whole sequence: its state back to what the room expects.
void end_of_sequence() {
  wait_mouse_release();
  clear_subtitles();
  let_video_text = 0;
  video_active = 0;
  hero_foreground = 0;
  object_foreground = 0;
  video_foreground = 0;
  video_object = nullptr;
  video_bmp_nr = 0;
  hero_move_frame_nr = 0;
  for (int i = 0; i < kVideoFrames; ++i) {
    video_bmp[i] = nullptr;
    video_move[i] = nullptr;
  }
  reset_hero();
  skipping = false;
}

const char* playing = "";  // the sequence now playing

}  // namespace

bool sequence_skipping() { return skipping; }
int shots_played() { return shot_count; }
const char* sequence_playing() { return playing; }

std::vector<std::string>& sequence_faults() {
  static std::vector<std::string> faults;
  return faults;
}

void play_the_video() {
  ++shot_count;
  reset_shot_counters();
  read_keys();
  if (!skipping) note_subtitles();
  while (!skipping && video_loop < video_duration) {
    ++cpu_delay;
    platform_poll_mouse();
    if (frame_due()) compose_frame();
    show_text_video();
    maus();
    platform_hide_pointer();  // no pointer is seen during a sequence
    show_frame();
    read_keys();
  }
  if (settings::text_until_clicked == 1 && !skipping && let_video_text != 1 && subtitles_shown()) wait_for_the_reader();
  reset_shot_counters();
  if (let_video_text != 1) clear_subtitles();
}

void show_text_video() {
  std::vector<subtitles::Line> lines;
  for (int i = 0; i < kTextLines; ++i)
    if (video_text[i] && video_text[i][0]) lines.push_back({video_text[i], video_text_x[i], video_text_y[i]});
  subtitles::draw(lines, video_text_color);
}

// ---- The scripting frame ------------------------------------------------------

Sequence::Sequence(const char* name, const manifest::File* overlay, const manifest::File* hero)
    : name_(name), overlay_file_(overlay), hero_file_(hero ? hero : overlay) {
  playing = name;
  video_active = 1;
  hero_foreground = 0;
  skipping = false;
  read_keys();  // a key pressed before the sequence began does not skip it
  skipping = false;
  if (overlay) overlay_dat_ = load_datafile_checked(overlay->name, overlay->entries);
  if (hero) hero_dat_ = load_datafile_checked(hero->name, hero->entries);
  video_dat = overlay_dat_;
  video_move_dat = hero ? hero_dat_ : overlay_dat_;
  video_bmp_nr = 0;
  hero_move_frame_nr = 0;
}

Sequence::~Sequence() {
  playing = "";
  end_of_sequence();
  for (BITMAP* b : owned_) destroy_bitmap(b);
  if (hero_dat_) unload_datafile(hero_dat_);
  if (overlay_dat_) unload_datafile(overlay_dat_);
  video_dat = nullptr;
  video_move_dat = nullptr;
}

BITMAP* Sequence::entry(DATAFILE* file, const char* file_name, int index) {
  if (file && index >= 0 && index < datafile_entry_count(file) && file[index].type == DAT_BITMAP)
    return static_cast<BITMAP*>(file[index].dat);
  char fault[160];
  std::snprintf(fault, sizeof fault, "%s: %s has no picture %d", name_, file_name ? file_name : "(no datafile)",
                index);
  sequence_faults().push_back(fault);
  BITMAP* empty = create_bitmap(1, 1);
  clear_to_color(empty, bitmap_mask_color(empty));
  owned_.push_back(empty);
  return empty;
}

BITMAP* Sequence::picture(int index) {
  return entry(overlay_dat_, overlay_file_ ? overlay_file_->name : nullptr, index);
}

BITMAP* Sequence::hero_picture(int index) {
  return entry(hero_dat_ ? hero_dat_ : overlay_dat_, hero_file_ ? hero_file_->name : nullptr, index);
}
BITMAP* Sequence::room_picture(int index) { return entry(room_dat, room_name, index); }

BITMAP* Sequence::scaled(BITMAP* frame) {
  return stretched(frame, hero_width, hero_length);
}

BITMAP* Sequence::stretched(BITMAP* frame, int w, int h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  BITMAP* b = create_bitmap(w, h);
  clear_to_color(b, bitmap_mask_color(b));
  if (frame) stretch_blit(frame, b, 0, 0, frame->w, frame->h, 0, 0, w, h);
  owned_.push_back(b);
  return b;
}

void Sequence::place_hero(int x, int y, int dx, int dy) {
  hero_x = x;
  hero_y = y;
  scale_hero();
  bmp_x = static_cast<int>(hero_x - hero_width / 2);
  bmp_y = static_cast<int>(hero_y - float_y * 170);
  bmp_x += dx;
  bmp_y += dy;
}

void Sequence::hero_at(int x, int y) {
  bmp_x = x;
  bmp_y = y;
}

void Sequence::add_hero_frame(BITMAP* frame) {
  if (hero_move_frame_nr >= kVideoFrames) {
    char fault[120];
    std::snprintf(fault, sizeof fault, "%s: more than %d hero frames in one shot", name_, kVideoFrames);
    sequence_faults().push_back(fault);
    return;
  }
  video_move[hero_move_frame_nr++] = frame;
}

void Sequence::hero_run(int first, int last) {
  hero_move_frame_nr = 0;
  hero_add(first, last);
}

void Sequence::hero_add(int first, int last) {
  const int step = last >= first ? 1 : -1;
  for (int o = first;; o += step) {
    add_hero_frame(hero_picture(o));
    if (o == last) break;
  }
}

void Sequence::hero_scaled_run(BITMAP* const* cycle, int first, int last) {
  hero_move_frame_nr = 0;
  hero_scaled_add(cycle, first, last);
}

void Sequence::hero_scaled_add(BITMAP* const* cycle, int first, int last) {
  const int step = last >= first ? 1 : -1;
  for (int o = first;; o += step) {
    add_hero_frame(scaled(cycle[o]));
    if (o == last) break;
  }
}

void Sequence::overlay_run(int first, int last, int x, int y) {
  video_bmp_nr = 0;
  overlay_add(first, last, x, y);
}

void Sequence::overlay_add(int first, int last, int x, int y) {
  const int step = last >= first ? 1 : -1;
  for (int o = first;; o += step) {
    if (video_bmp_nr >= kVideoFrames) {
      overlay_add(static_cast<BITMAP*>(nullptr), x, y);  // notes the fault
      return;
    }
    overlay_add(picture(o), x, y);
    if (o == last) break;
  }
}

void Sequence::overlay_add(BITMAP* frame, int x, int y) {
  if (video_bmp_nr >= kVideoFrames) {
    char fault[120];
    std::snprintf(fault, sizeof fault, "%s: more than %d overlay frames in one shot", name_, kVideoFrames);
    sequence_faults().push_back(fault);
    return;
  }
  video_bmp[video_bmp_nr] = frame;
  video_x[video_bmp_nr] = x;
  video_y[video_bmp_nr] = y;
  ++video_bmp_nr;
}

void Sequence::no_overlay() { video_bmp_nr = 0; }

void Sequence::say(int line, const char* text, int x, int y) {
  if (line < 0 || line >= kTextLines) return;
  video_text[line] = text;
  video_text_x[line] = x;
  video_text_y[line] = y;
}

void Sequence::subtitle_colour(int colour) { video_text_color = colour; }

void Sequence::play(int duration) {
  video_duration = duration;
  play_the_video();
}

void Sequence::caption(int picture_index, const char* text) {
  BITMAP* background = picture(picture_index);
  read_keys();
  if (skipping) return;
  blit(background, memory_screen, 0, 0, 0, 0, background->w, background->h);
  story_text = text;
  textout_ex(memory_screen, pv_font, story_text, (screen_layout::kScreenWidth - text_length(pv_font, story_text)) / 2,
             230, kOtherSubtitle, -1);
  const int start = platform_clock_ms() / 1000;
  while (!skipping && platform_clock_ms() / 1000 < start + 3) {
    platform_poll_mouse();
    platform_hide_pointer();
    show_frame();
    read_keys();
  }
}

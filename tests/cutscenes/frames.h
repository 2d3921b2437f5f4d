// The cut-scene tests' frame recorder: what a player sees of a scene, frame by frame, and what it must leave behind.
#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include "core/world.h"
#include "cutscenes/player.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace frames {
// One frame presented while a sequence plays (video_active 1).
struct Seen {
  int at, shot, duration;                // the clock; shot 1 is the first recorded
  std::vector<std::string> lines;        // the subtitle lines shown, empty ones left out
  std::vector<int> line_x, line_y;
  int colour, object_foreground;
  std::string caption;                   // story_text
  int bmp_x, bmp_y, hero_frames;         // the hero's frames: where, how many
  int overlay_x = -1, overlay_y = -1, last_x = -1, last_y = -1;  // the first and last overlay frame's places
  std::vector<int> furni, persons;       // furni_present, person_present
  BITMAP* object;
  int hero_w = 0, hero_h = 0;  // video_move[0]'s size and a sum of its pixels, at the first frame of each shot
  long hero_sum = 0;
};

struct Screen {  // a subtitle screen: its lines and colour
  std::vector<std::string> lines;
  int colour;
  bool operator==(const Screen&) const = default;
};
inline void PrintTo(const Screen& s, std::ostream* os) {
  for (const std::string& l : s.lines) *os << '"' << l << "\" ";
  *os << s.colour;
}

struct Recording {
  int status = 0, shots = 0, start = 0, end = 0;
  std::vector<Seen> frames;
  std::vector<std::string> faults;

  std::vector<Screen> screens() const {
    std::vector<Screen> out;
    for (const Seen& f : frames)
      if (!f.lines.empty() && (out.empty() || out.back() != Screen{f.lines, f.colour}))
        out.push_back({f.lines, f.colour});
    return out;
  }
  std::vector<std::string> captions() const {
    std::vector<std::string> out;
    for (const Seen& f : frames)
      if (!f.caption.empty() && (out.empty() || out.back() != f.caption)) out.push_back(f.caption);
    return out;
  }
  std::vector<const Seen*> shot_starts() const {
    std::vector<const Seen*> out;
    for (const Seen& f : frames) if (out.empty() || out.back()->shot != f.shot) out.push_back(&f);
    return out;
  }
  bool ever(const std::function<bool(const Seen&)>& p) const { return std::any_of(frames.begin(), frames.end(), p); }
};

// A fresh game standing in `room` with the hero's standing point at (x, y).
inline void stand(const char* room, int x, int y) {
  dialogue_support::stand_in_room(room); hero_x = x, hero_y = y, sequence_faults().clear();
}

// Plays `scene` as the program would (its end caught), noting every frame; `each` runs at every frame too.
inline Recording record(const std::function<void()>& scene, const std::function<void()>& each = {}) {
  Recording r;
  const int shots = shots_played();
  const size_t faults = sequence_faults().size();
  r.start = headless::now();
  headless::on_present([&] {
    if (each) each();
    if (video_active != 1) return;
    Seen f{};
    f.at = headless::now(), f.shot = shots_played() - shots + 1, f.duration = video_duration;
    for (int i = 0; i < kTextLines; ++i)
      if (video_text[i] && video_text[i][0])
        f.lines.push_back(video_text[i]), f.line_x.push_back(video_text_x[i]), f.line_y.push_back(video_text_y[i]);
    f.colour = video_text_color, f.caption = story_text ? story_text : "";
    f.bmp_x = bmp_x, f.bmp_y = bmp_y, f.hero_frames = hero_move_frame_nr;
    if (video_bmp_nr > 0) {
      f.overlay_x = video_x[0], f.overlay_y = video_y[0];
      f.last_x = video_x[video_bmp_nr - 1], f.last_y = video_y[video_bmp_nr - 1];
    }
    f.furni.assign(furni_present, furni_present + kMaxFurni);
    f.persons.assign(person_present, person_present + kMaxPersons);
    f.object_foreground = object_foreground, f.object = video_object;
    if (BITMAP* h = video_move[0]; h && (r.frames.empty() || r.frames.back().shot != f.shot)) {
      f.hero_w = h->w, f.hero_h = h->h;
      for (int y = 0; y < h->h; ++y)
        for (int x = 0; x < h->w; ++x) f.hero_sum += getpixel(h, x, y) * (1 + x % 7 + y % 5);
    }
    r.frames.push_back(std::move(f));
  });
  r.status = test_support::run_program(scene); headless::on_present(nullptr);
  r.end = headless::now(), r.shots = shots_played() - shots;
  r.faults.assign(sequence_faults().begin() + faults, sequence_faults().end());
  return r;
}

// After every scene: it returned after its shots of 55 ms frames, addressed no picture its datafiles lack, showed
// every subtitle line on the screen, and left nothing of itself: the hero stands where he stood.
inline void expect_over(const Recording& r, int shots, int x, int y) {
  EXPECT_EQ(r.shots, shots);
  EXPECT_TRUE(r.status == -1 && r.end - r.start >= (shots - 1) * 55) << r.status << ", " << r.end - r.start << " ms";
  for (const std::string& fault : r.faults) ADD_FAILURE() << fault;
  for (const Seen& f : r.frames)
    for (size_t i = 0; i < f.lines.size(); ++i) {
      const int right = f.line_x[i] + text_length(pv_font, f.lines[i].c_str());
      EXPECT_TRUE(f.line_x[i] >= 0 && right <= 640 && f.line_y[i] >= 0 && f.line_y[i] + 20 <= 480) << f.lines[i];
    }
  EXPECT_EQ(std::vector<int>({video_active, hero_foreground, object_foreground, video_foreground, let_video_text,
                              video_bmp_nr, mov_nr, hero_x, hero_y}),
            std::vector<int>({0, 0, 0, 0, 0, 0, kStanding, x, y}))
      << "video_active, the foregrounds, let_video_text, video_bmp_nr, mov_nr, the hero's place";
  for (int i = 0; i < kTextLines; ++i) EXPECT_STREQ(video_text[i], "") << i;
  for (int a : hero_action) EXPECT_EQ(a, kStepStand);
  EXPECT_TRUE(video_dat == nullptr && video_move_dat == nullptr);
}

// Where the room's perspective draws the hero's standing picture for his point (x, y): its corner and size.
struct Placed { int x, y, w, h; };
inline Placed hero_picture_at(int x, int y, float rate, float min_length) {
  const float f = y / rate + min_length, scale = f > 1.3f ? 1.3f : f;
  const int w = static_cast<int>(static_cast<double>(scale) * 125);
  return {x - w / 2, static_cast<int>(y - scale * 170), w, static_cast<int>(static_cast<double>(scale) * 200)};
}

// Every frame drew the hero's frames at `at`'s corner.
inline void expect_hero_drawn_at(const Recording& r, Placed at) {
  ASSERT_FALSE(r.frames.empty());
  for (const Seen& f : r.frames) ASSERT_TRUE(f.bmp_x == at.x && f.bmp_y == at.y) << "shot " << f.shot;
}
}  // namespace frames

// The teachers hand things over and take them: the access card, the diamond,
// the telescope, the lead, the glasses and the lead solution.
//
// A teacher's frames (teacher_scenes_data.h) are his picture of the room, so
// he starts and ends where the room draws him. To hand something over he
// walks to the hero's side, the one the hero's take frames turn him to, and
// holds it out; the hero leans over to it and back. The hero stays on the
// spot where he stood, drawn in front of the teacher, who stands behind him.
#include <algorithm>
#include <cstdlib>

#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/player.h"
#include "cutscenes/teacher_scenes_data.h"
#include "cutscenes/videos.h"
#include "rooms/rooms.h"

namespace {

using namespace teacher_scenes;
using manifest::at;

// The hero's take frames: he turns, leans over and goes down to the floor by
// frame 7. Leaning over to someone's hand, he goes as far as kReachFrame.
constexpr int kTakeFrames = 15;
constexpr int kReachFrame = 2;
// A teacher walks 6 px a frame; Dori with the telescope staggers 3 px.
constexpr int kWalkStep = 6;
constexpr int kStaggerStep = 3;
// Where a teacher stops to hand something to the hero: his frame's corner
// this far across from the hero's standing point, towards the side the
// hero's take frames turn him to. Mr Zirud and Mr Rurura also come forward
// until their feet are level with the hero's; Mr Rarozir only steps aside.
constexpr int kZirudBeside = 130;
constexpr int kRururaBeside = 142;
constexpr int kRarozirBeside = -8;
// Mr Zirud's hand, held out level, this far from his frame's left edge: at
// the machine it reaches the diamond's place.
constexpr int kZirudLevelHand = 111;
// Subtitles stay this far from the screen's edges.
constexpr int kSubtitleMargin = 8;

// Every scene opens alike: the teacher (person 0) leaves the room's drawing
// for the scene's overlay, and the hero stays where he stands, in front.
void teacher_steps_out(Sequence& s) {
  person_present[0] = 0;
  hero_foreground = 1;
  s.place_hero(hero_x, hero_y);
}

struct Take {
  BITMAP* frame[kTakeFrames];
};

Take take_frames(Sequence& s) {
  Take t;
  for (int i = 0; i < kTakeFrames; ++i) t.frame[i] = s.hero_picture(i);
  return t;
}

// The hero stays where he stands, turned as his take frames turn him.
void hero_waits(Sequence& s, const Take& t) { s.hero_scaled_run(t.frame, 0, 0); }
// He leans over to the teacher's hand and holds there; the frames it takes.
int hero_reaches(Sequence& s, const Take& t, int hold) {
  s.hero_scaled_run(t.frame, 0, kReachFrame);
  for (int h = 0; h < hold; ++h) s.hero_scaled_add(t.frame, kReachFrame, kReachFrame);
  return kReachFrame + 1 + hold;
}
// He straightens up again; the frames it takes.
int hero_straightens(Sequence& s, const Take& t) {
  s.hero_scaled_run(t.frame, kReachFrame, 0);
  return kReachFrame + 1;
}
// He stands as he stands in the room (his standing picture).
void hero_stands(Sequence& s) { s.hero_scaled_run(&stand_frame, 0, 0); }

// The overlay walks from `from` to `to` (its top-left corner), one frame of
// the four-step cycle at `walk` per frame, `step` pixels a frame; returns the
// number of frames.
int walk(Sequence& s, int walk, Spot from, Spot to, int step = kWalkStep) {
  const int distance = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
  const int n = std::clamp(distance / step + 1, 2, kVideoFrames);
  s.no_overlay();
  for (int k = 0; k < n; ++k) {
    const int x = from.x + (to.x - from.x) * k / (n - 1);
    const int y = from.y + (to.y - from.y) * k / (n - 1);
    s.overlay_add(walk + k % 4, walk + k % 4, x, y);
  }
  return n;
}

// Overlay entries first..last (backwards when last < first) at `where`, each
// for `each` frames; appended to the shot's overlay. Returns the frames added.
int pose(Sequence& s, int first, int last, Spot where, int each = 2) {
  const int dir = last >= first ? 1 : -1;
  int n = 0;
  for (int e = first;; e += dir) {
    for (int k = 0; k < each; ++k, ++n) s.overlay_add(e, e, where.x, where.y);
    if (e == last) break;
  }
  return n;
}

// The overlay pads to `frames` frames with its last entry (the overlay cycles
// from its first frame when a shot is longer).
void hold_to(int frames) {
  while (video_bmp_nr > 0 && video_bmp_nr < frames && video_bmp_nr < kVideoFrames) {
    const int last = video_bmp_nr - 1;
    video_bmp[video_bmp_nr] = video_bmp[last];
    video_x[video_bmp_nr] = video_x[last];
    video_y[video_bmp_nr] = video_y[last];
    ++video_bmp_nr;
  }
}

// A person's row of the room in state `state`, and its frames as the
// overlay (each picture at its place, for its duration).
const PersonState* row_of(const Slot& who, int state) {
  const int r = room_index(who.room);
  if (r < 0) return nullptr;
  for (const PersonState& row : kRooms[r]->persons)
    if (row.slot == who.slot && row.state == state && !row.frames.empty()) return &row;
  return nullptr;
}
void overlay_row(Sequence& s, const Slot& who, int state) {
  s.no_overlay();
  if (const PersonState* row = row_of(who, state))
    for (const Frame& f : row->frames)
      for (int k = 0; k < std::max<int>(1, f.duration); ++k) s.overlay_add(s.room_picture(f.object), f.x, f.y);
}

// A subtitle screen of up to three lines, one under the other from row
// `top`, starting at one left edge: the block centred on x = `centre` and
// kept on the screen. Every line of these scenes is a teacher's or Dori's, in
// the persons' colour (a shot's end clears the colour with its lines).
void say_block(Sequence& s, const char* const (&lines)[kTextLines], int centre, int top) {
  s.subtitle_colour(kOtherSubtitle);
  int widest = 0;
  for (const char* line : lines)
    if (line && line[0]) widest = std::max(widest, text_length(pv_font, line));
  const int right = std::max(kSubtitleMargin, screen_layout::kScreenWidth - kSubtitleMargin - widest);
  const int left = std::clamp(centre - widest / 2, kSubtitleMargin, right);
  for (int i = 0; i < kTextLines; ++i) s.say(i, lines[i], left, top + 20 * i);
}
void say_one(Sequence& s, const char* line, int centre, int top) {
  const char* const lines[kTextLines] = {line, "", ""};
  say_block(s, lines, centre, top);
}

// The height of a picture the overlay shows (0 for a missing one).
int height_of(Sequence& s, int entry) {
  BITMAP* b = s.picture(entry);
  return b ? b->h : 0;
}

// Where a teacher whose frames are `h` high stands to hand something to the
// hero: `beside` pixels from the hero's standing point towards `side` (-1 his
// left on the screen, +1 his right), his feet level with the hero's.
Spot beside_hero(int beside, int side, int h) { return {hero_x + side * beside, hero_y - h}; }

// A teacher hands something to the hero (or takes it from him): he walks
// from his place to the hero's side, holds out `offer` (rising, three
// entries) while the hero leans over, and the hero straightens up while the
// teacher lowers `after` (three entries, backwards). Three shots.
struct Handing {
  int walk, offer, after;
  Spot home, meet;
};
void hand_over(Sequence& s, const Take& t, const Handing& h) {
  hero_waits(s, t);
  s.play(walk(s, h.walk, h.home, h.meet));

  const int reach = hero_reaches(s, t, 3);
  s.no_overlay();
  pose(s, h.offer, h.offer + 2, h.meet, 1);
  hold_to(reach);
  s.play(reach);

  const int back = hero_straightens(s, t);
  s.no_overlay();
  pose(s, h.after + 2, h.after, h.meet, 2);
  hold_to(back + 1);
  s.play(back + 1);
  hero_waits(s, t);
}

}  // namespace

// Mr Zirud (person 0 of future_physiktp) comes round to the hero's left and
// hands him the access card, then goes back to his machine.
void video_zirud_give_card() {
  using manifest::Frizzacc;
  Sequence s("video_zirud_give_card", &manifest::kFrizzaccFile, &manifest::kTakelFile);
  teacher_steps_out(s);
  const Take t = take_frames(s);
  const Spot home = spot_of(kZirud);
  const Spot meet = beside_hero(kZirudBeside, -1, height_of(s, at(Frizzacc::walk)));
  hand_over(s, t, {at(Frizzacc::walk), at(Frizzacc::card), at(Frizzacc::hand), home, meet});
  s.play(walk(s, at(Frizzacc::walk), meet, home));
  person_present[0] = 1;
}

// The hero hands the diamond to Mr Zirud, who sets it into his time machine
// (piece 1 of future_physiktp) and goes back to his place.
void video_give_dia() {
  using manifest::Frizzdia;
  Sequence s("video_give_dia", &manifest::kFrizzdiaFile, &manifest::kTakelFile);
  teacher_steps_out(s);
  const Take t = take_frames(s);
  const Spot home = spot_of(kZirud);
  const int h = height_of(s, at(Frizzdia::walk));
  const Spot meet = beside_hero(kZirudBeside, -1, h);
  // He holds out his empty hand, the hero gives, he takes the diamond.
  hand_over(s, t, {at(Frizzdia::walk), at(Frizzdia::hand), at(Frizzdia::diamond), home, meet});
  // At the machine his level hand reaches the diamond's place.
  const Spot slot = spot_of({"future_physiktp", 1, false});
  const Spot machine = {slot.x + 15 - kZirudLevelHand, home.y};
  s.play(walk(s, at(Frizzdia::carry), meet, machine));
  s.no_overlay();
  pose(s, at(Frizzdia::diamond), at(Frizzdia::diamond, 3), machine, 2);
  hold_to(12);
  s.play(12);
  furni_present[1] = 1;
  s.no_overlay();
  pose(s, at(Frizzdia::hand, 3), at(Frizzdia::hand), machine, 2);
  s.play(8);
  s.no_overlay();
  pose(s, at(Frizzdia::walk), at(Frizzdia::walk), machine, 10);
  s.play(10);
  s.play(walk(s, at(Frizzdia::walk), machine, home));
  s.no_overlay();
  pose(s, at(Frizzdia::walk), at(Frizzdia::walk), home, 6);
  s.play(6);
  person_present[0] = 1;
}

// Dori (person 0 of future_physik) lifts the telescope (piece 2) and carries
// it out through the door to the physics lab, in his own good time; the
// guitar (piece 3) that stood behind it comes to light. He stays away: the
// caller takes the hero after him.
void video_ady_teleskop() {
  using manifest::Adytele;
  Sequence s("video_ady_teleskop", &manifest::kAdyteleFile);
  teacher_steps_out(s);
  hero_stands(s);
  const int walk_entry = at(Adytele::walk), carry = at(Adytele::carry);
  const Spot home = spot_of(kDori);
  const Spot scope = spot_of(kTelescope);
  const Spot at_scope = {scope.x, home.y};
  const int h = height_of(s, walk_entry);
  const int w = s.picture(carry)->w;
  const int head = at_scope.y - 24;

  s.play(walk(s, walk_entry, home, at_scope));

  // He takes hold of it where it stands and heaves it up.
  furni_present[2] = 0;
  furni_present[3] = 1;
  s.no_overlay();
  pose(s, at(Adytele::lift), at(Adytele::lift, 3), at_scope, 4);
  hold_to(30);
  say_one(s, "Hrrrrggh ! Hmpf !", at_scope.x + w / 2, head);
  s.play(30);

  s.caption(at(Adytele::caption), TR("Später...", "Later..."));
  const Spot later = {at_scope.x + 12, at_scope.y};
  s.no_overlay();
  for (int k = 0; k < 9; ++k) pose(s, carry + 1 + (k % 2) * 2, carry + 1 + (k % 2) * 2, later, 4);
  say_one(s, TR("Pffffuh ! Ist das schwer !", "Pffffuh ! It's heavy !"), later.x + w / 2, head);
  s.play(36);
  const Spot further = {later.x + 60, later.y};
  s.play(walk(s, carry, later, further, kStaggerStep));

  s.caption(at(Adytele::caption), TR("Viel, viel später...", "Much, much later..."));
  const Spot nearly = {further.x + 90, further.y};
  s.no_overlay();
  for (int k = 0; k < 9; ++k) pose(s, carry + 1 + (k % 2) * 2, carry + 1 + (k % 2) * 2, nearly, 4);
  say_one(s, "Urrrkss ! Hnnggh !", nearly.x + w / 2, head);
  s.play(36);

  // Into the doorway: his feet at the door's walking point.
  const ExitDef& door = kRooms[room_index("future_physik")]->exits[0];
  const Spot doorway = {door.goto_x - w / 2, door.goto_y - h};
  s.play(walk(s, carry, nearly, doorway, kStaggerStep));
  s.no_overlay();
  pose(s, carry, carry, doorway, 8);
  s.play(8);
  s.no_overlay();
  s.play(12);
}

// Back in the physics lab with the telescope: Mr Zirud (person 0) tells the
// hero what is still missing, which depends on whether the diamond is in
// the machine already. He is shown with the room's own frames.
void video_ady_teleskop2() {
  Sequence s("video_ady_teleskop2");
  person_present[0] = 0;
  s.place_hero(hero_x, hero_y);
  hero_stands(s);
  const Spot zirud = spot_of(kZirud);
  // The room's own frames of him: talking (his row of state 1), then turning
  // back to his machine (state 3).
  overlay_row(s, kZirud, 1);
  const int centre = zirud.x + (video_bmp_nr > 0 ? video_bmp[0]->w / 2 : 0);
  if (story_diamant == 1) {
    const char* const lines[kTextLines] = {
        TR("Ok, die Zeitmaschine ist jetzt fertig. Jetzt musst",
           "Ok, the time machine is finished now. Now you have to protect"),
        TR("du dich nur noch gegen die radioaktive Strahlung", "yourself against the radiation."),
        TR("schützen.", "")};
    say_block(s, lines, centre, 50);
  } else {
    const char* const lines[kTextLines] = {
        TR("Ok, das Teleskop können wir schon mal als Strahlenbündler",
           "Ok we can use the telescope with the sun rays. That gives us"),
        TR("benutzen. Jetzt fehlt uns noch ein Diamant und du musst dich",
           "a high energy source. Now we still need a diamond and you have"),
        TR("gegen die radioaktive Strahlung schützen.", "to protect yourself against the radiation.")};
    say_block(s, lines, centre, 50);
  }
  s.play(100);
  overlay_row(s, kZirud, 3);
  s.play(4);
  person_present[0] = 1;
}

// The hero hands the lead pipe to Mr Rurura (person 0 of future_chimie, at
// his counter), who takes it off to his lab bench; the caller shows him
// there (person 1).
void video_give_blei() {
  using manifest::Gergetpb;
  Sequence s("video_give_blei", &manifest::kGergetpbFile, &manifest::kTakelFile);
  teacher_steps_out(s);
  const Take t = take_frames(s);
  const Spot home = spot_of(kRurura);
  const int h = height_of(s, at(Gergetpb::walk));
  const Spot meet = beside_hero(kRururaBeside, -1, h);
  hand_over(s, t, {at(Gergetpb::walk), at(Gergetpb::hand), at(Gergetpb::pipe), home, meet});
  // Off to the bench: his feet end where the room draws his feet there.
  const Spot bench = spot_of({"future_chimie", 1, true});
  // A person's height h at the top row y is 200 x the perspective scale at
  // his feet: h = 200 (min_hero_length + (y + h) / increase_rate).
  const float shrink = 1.0f - 200.0f / increase_rate;
  const int bench_h = shrink > 0.1f ? static_cast<int>(200.0f * (bench.y / increase_rate + min_hero_length) / shrink)
                                    : h;
  // He grows with the perspective as he comes nearer, to the room's size there.
  const int n = std::clamp(std::max(std::abs(bench.x - meet.x), std::abs(bench.y - meet.y)) / kWalkStep + 1, 2,
                           kVideoFrames);
  s.no_overlay();
  for (int k = 0; k < n; ++k) {
    BITMAP* pic = s.picture(at(Gergetpb::off) + k % 4);
    const int hk = h + (bench_h - h) * k / (n - 1), wk = pic->w * hk / std::max(h, 1);
    const int x = meet.x + (bench.x - meet.x) * k / (n - 1);
    const int feet = meet.y + h + (bench.y + bench_h - meet.y - h) * k / (n - 1);
    s.overlay_add(s.stretched(pic, wk, hk), x, feet - hk);
  }
  s.play(n);
}

// Mr Rarozir (person 0 of future_crossing) steps out to the hero's right and
// hands him the protective glasses, then steps back.
void video_get_glasses() {
  using manifest::Schbrell;
  Sequence s("video_get_glasses", &manifest::kSchbrellFile, &manifest::kTakerFile);
  teacher_steps_out(s);
  const Take t = take_frames(s);
  // His frames reach out to the left of where the room draws him.
  const Spot place = spot_of(kRarozir);
  const Spot home = {place.x - kReach, place.y};
  const Spot meet = {hero_x + kRarozirBeside, home.y};
  hand_over(s, t, {at(Schbrell::walk), at(Schbrell::glasses), at(Schbrell::hand), home, meet});
  s.play(walk(s, at(Schbrell::walk), meet, home));
  person_present[0] = 1;
}

// Mr Rurura (person 0 of future_chimie, at his counter) comes round to the
// hero's left and hands him the flask of lead solution.
void video_get_blei() {
  using manifest::Gergivpb;
  Sequence s("video_get_blei", &manifest::kGergivpbFile, &manifest::kTakelFile);
  teacher_steps_out(s);
  const Take t = take_frames(s);
  const Spot home = spot_of(kRurura);
  const Spot meet = beside_hero(kRururaBeside, -1, height_of(s, at(Gergivpb::walk)));
  hand_over(s, t, {at(Gergivpb::walk), at(Gergivpb::flask), at(Gergivpb::hand), home, meet});
  s.play(walk(s, at(Gergivpb::walk), meet, home));
  person_present[0] = 1;
}

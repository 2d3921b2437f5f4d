// The cut-scene player and the frame every story sequence is written in.
//
// A sequence is not a film: it plays short shots over the live room. A shot
// is set up in the video_ globals of world.h (the hero's frames in
// video_move, an overlay animation in video_bmp at video_x/video_y, up to
// three subtitle lines) and played by play_the_video for video_duration
// frames of 55 ms. A sequence function opens a `Sequence`, which loads its
// datafiles and gives the scripting helpers below, sets up and plays its
// shots one after the other, changes the room's pieces and persons between
// them, and closes (the destructor) with the hero standing again.
//
//   void video_take_gaz() {
//     Sequence s("video_take_gaz", &kHerogazFile);
//     s.place_hero(165, 335, -8, -4);
//     s.hero_run(10, 14);
//     s.play(5);
//     ...
//   }
//
// Escape fast-forwards the running sequence: the remaining shots play no
// frames and show nothing, but everything the script does between them (the
// room's changes) still happens. A click does nothing during a sequence.
#pragma once

#include <allegro.h>

#include <string>
#include <vector>

#include "core/data_manifest.h"
#include "frame/text.h"

// Play one shot as set up in the video_ globals, then return.
void play_the_video();
// Draw the three subtitle lines (video_text) with a dark outline into the
// frame buffer, in the size and over the band the player's settings ask for
// (frame/subtitles.h); an empty line is not drawn.
void show_text_video();
// The time machine's energy effect for this frame (time_machine.cpp).
void time_travel();

// Subtitle colours: the hero's lines, and the other characters' lines and
// the written sounds.
inline constexpr int kHeroSubtitle = kHeroColour;
inline constexpr int kOtherSubtitle = kPersonColour;

// 1 after Escape was pressed in the running sequence: its remaining shots
// and captions are skipped. Cleared when the sequence ends.
bool sequence_skipping();

class Sequence {
 public:
  // Start the sequence `name` (its function's name, used in fault reports):
  // video_active 1, hero_foreground 0, and its datafiles loaded (checked; a
  // damaged file ends the program with the usual message). `overlay` is the
  // datafile of the overlay pictures (video_dat), `hero` the one of the
  // hero's frames (video_move_dat); a null `hero` uses `overlay` for both. A
  // sequence without datafiles of its own passes null for both.
  explicit Sequence(const char* name, const manifest::File* overlay = nullptr,
                    const manifest::File* hero = nullptr);
  // The end of every sequence: wait until both buttons are up; no subtitles
  // left; video_active and hero_foreground 0; the hero stands (reset_hero);
  // the scaled frames and the datafiles are released.
  ~Sequence();
  Sequence(const Sequence&) = delete;
  Sequence& operator=(const Sequence&) = delete;

  // Entry `index` of the overlay (video_dat) or hero (video_move_dat)
  // datafile. An index the datafile lacks is noted as a fault of this
  // sequence (see sequence_faults) and gives an empty picture.
  BITMAP* picture(int index);
  BITMAP* hero_picture(int index);
  // Entry `index` of the current room's datafile (a person's or piece's own
  // frames), checked the same way.
  BITMAP* room_picture(int index);
  // A copy of `frame` stretched to the hero's current size (hero_width x
  // hero_length), released when the sequence ends.
  BITMAP* scaled(BITMAP* frame);
  // A copy of `frame` stretched to w x h, released when the sequence ends.
  BITMAP* stretched(BITMAP* frame, int w, int h);

  // Put the hero's standing point at (x, y): his size follows the room's
  // perspective as when walking, and the top-left corner of his frames
  // (bmp_x, bmp_y) is placed for that point, then moved by (dx, dy).
  void place_hero(int x, int y, int dx = 0, int dy = 0);
  // Draw the hero's frames with their top-left corner at (x, y).
  void hero_at(int x, int y);

  // The hero's frames of the next shots: hero datafile entries first..last
  // (counting down when last < first). hero_run starts the list afresh,
  // hero_add appends to it. hero_scaled_* take the frames from a cycle of
  // bitmaps instead (the walk frames, the take frames), stretched to the
  // hero's current size.
  void hero_run(int first, int last);
  void hero_add(int first, int last);
  void hero_scaled_run(BITMAP* const* cycle, int first, int last);
  void hero_scaled_add(BITMAP* const* cycle, int first, int last);

  // The overlay's frames of the next shots: overlay datafile entries
  // first..last, each at (x, y). overlay_run starts afresh, overlay_add
  // appends; no_overlay leaves the shots without one.
  void overlay_run(int first, int last, int x, int y);
  void overlay_add(int first, int last, int x, int y);
  // One more overlay frame: `frame` at (x, y).
  void overlay_add(BITMAP* frame, int x, int y);
  void no_overlay();

  // Subtitle line `line` (0..2) of the next shot, and the colour of all three.
  void say(int line, const char* text, int x, int y);
  void subtitle_colour(int colour);

  // Play one shot of `duration` frames with what is set up.
  void play(int duration);

  // A full-screen caption: entry `picture` of the overlay datafile as the
  // background, `text` centred on row 230, held for two to three seconds.
  void caption(int picture, const char* text);

 private:
  BITMAP* entry(DATAFILE* file, const char* file_name, int index);
  void add_hero_frame(BITMAP* frame);

  const char* name_;
  const manifest::File* overlay_file_;
  const manifest::File* hero_file_;
  DATAFILE* overlay_dat_ = nullptr;
  DATAFILE* hero_dat_ = nullptr;
  std::vector<BITMAP*> owned_;  // scaled frames and empty pictures
};

// How many shots play_the_video has played in this process (skipped ones
// included), so that a sequence's shots can be counted.
int shots_played();
// The name of the sequence playing now, "" between sequences.
const char* sequence_playing();

// Faults noted by the sequences played so far in this process ("video_x:
// herogaz.dat has no entry 31"), for the test that plays every sequence.
std::vector<std::string>& sequence_faults();

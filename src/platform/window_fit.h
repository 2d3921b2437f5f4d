// How the game's 640 x 480 picture is fitted to today's screens: scaled up by
// a whole factor (nearest-neighbour, so every pixel stays a crisp square), or
// filling the screen (the largest 4:3 size it holds, each pixel enlarged by
// the largest whole factor and the rest smoothly, see sharp_scale.h), placed
// on the screen, and how a mouse position on the screen is taken back into the
// picture. Plain arithmetic, shared by both backends and the tests.
#pragma once

namespace window_fit {

// The game's picture: every frame is drawn and presented at this size, and the
// mouse is read in it. The one place it is written; the game knows it as
// screen_layout::kScreenWidth x kScreenHeight.
inline constexpr int kGameWidth = 640;
inline constexpr int kGameHeight = 480;
// A larger factor than this is never offered (a 5K screen takes 8).
inline constexpr int kMaxScale = 8;
// The choice that fills the screen (or, in a window, the desktop) instead of
// a whole factor; 0 is the automatic choice, 1 .. kMaxScale a factor.
inline constexpr int kFill = -1;
// What a window needs around its picture on a desktop: the window manager's
// frame and title bar, and a panel or task bar along one edge.
inline constexpr int kFrameRoomX = 40;
inline constexpr int kFrameRoomY = 80;

// The largest factor whose window, with room for its frame, fits a desktop of
// the given size; 1 when even the plain window does not fit or the size is
// unknown (0 or less).
int largest_window_scale(int desktop_w, int desktop_h);
// The largest factor whose picture fits a full screen of the given size; 1
// when the size is unknown or smaller than the picture.
int largest_screen_scale(int screen_w, int screen_h);

// Where the picture lies on the screen: its top-left corner, its size there,
// and the largest whole factor within that size (the size itself when the
// picture is enlarged by a whole factor).
struct Placement {
  int scale = 1;
  int x = 0;
  int y = 0;
  int w = kGameWidth;
  int h = kGameHeight;
  bool whole() const { return w == kGameWidth * scale && h == kGameHeight * scale; }
};
// The picture at `scale` in the middle of a screen of the given size (at the
// top-left corner when the screen is smaller).
Placement centred(int screen_w, int screen_h, int scale);
// The largest 4:3 picture a screen of the given size holds, in its middle;
// never smaller than the plain picture.
Placement filled(int screen_w, int screen_h);
// The window that fills a desktop of the given size, with room for its frame.
Placement filled_window(int desktop_w, int desktop_h);

// A screen coordinate taken back into the picture, which lies from `offset`
// and is `shown` pixels long there against its `size` in the game: the game's
// pixel whose enlarged square holds the middle of the screen's pixel, kept
// within 0 .. size-1, so a pointer on the black border around a centred
// picture stands on its nearest edge. With a whole factor s (shown = size x s)
// that is the screen position divided by s.
int to_game(int screen_pos, int offset, int shown, int size);
// The other way: the screen pixel in the middle of the game pixel `game_pos`'s
// enlarged square, which to_game takes back to `game_pos`.
int to_screen(int game_pos, int offset, int shown, int size);

}  // namespace window_fit

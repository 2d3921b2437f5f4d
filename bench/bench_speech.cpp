// How long one spoken line stays on screen at the default text speed, and the conversation menu's passes per
// second, in a real window (under X or Xvfb; without a display it says so and stops).
#include <cstring>

#include "bench_util.h"
#include "core/pacing.h"
#include "dialogue/talk.h"
#include "frame/draw_room.h"
#include "persistence/options.h"

int main() {
  if (!std::getenv("DISPLAY") || platform_install() != 0 || platform_set_gfx_mode(0) != 0)
    return std::printf("bench_speech: no display (run it under X or Xvfb); nothing measured\n"), 0;
  stand_in_room("future_floor1"); text_speed = kDefaultTextSpeed;
  static const char* const kLine = "Ok, let's get the hell out of here.";
  const double us = median_us(3, [] { standard_remark(kLine); });
  std::printf("one spoken line of %zu characters at text speed %d (%d ms by the rule): %.2f s on screen\n",
              std::strlen(kLine), text_speed, speech_ms(static_cast<int>(std::strlen(kLine)), text_speed), us / 1e6);

  // The menu of five sentences, open for three seconds with the pointer still.
  static const char* const kLines[5] = {"Hallo !", "Wie komm ich durch die Tueren ?", "Was bauen Sie da ?",
                                        "Warum in der Zeit reisen ?", "Tschuess."};
  talk_nr = 0;
  for (int c = 1; c <= 5; ++c) {
    TalkNode& n = talk_node(0, TalkPath{}.child(c));
    n.sentence[0] = kLines[c - 1];
    n.sentence[1] = n.sentence[2] = "", n.s_present = n.s_call_nr = 1;
  }
  hidebuttons = mouse_status = 1, manage_talk();
  int passes = 0, frames = 0;
  const auto t0 = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - t0 < std::chrono::seconds(3)) {
    platform_poll_mouse();
    if (frame_due()) platform_hide_pointer(), draw_room(), ++frames;
    platform_hide_pointer(), talk_menu_pass(), present_pass(), ++passes;
  }
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("conversation menu open: %.0f passes/s, %.1f composed frames/s\n", passes / s, frames / s);
  return 0;
}

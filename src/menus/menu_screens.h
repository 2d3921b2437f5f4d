// The main menu's instructions and options screens (show_instructions and
// show_main_options are declared with the menu in main_menu.h). The options
// screen sets what options.sav and display.sav keep, and the player's
// settings of core/settings.h (settings.txt), all kept with OK.
//
// The pictures carry no words. Every text on these screens is a TextBox: the
// words and the rectangle they must stay inside. The screens draw exactly the
// boxes these functions return, so a test can check that every text fits.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/screen_layout.h"
#include "platform/window_fit.h"
#include "frame/text.h"

namespace menu_screens {

enum class Align { kLeft, kCentre, kRight };
enum class Tone { kTitle, kHeading, kBody, kValue };

struct TextBox {
  std::string text;
  screen_layout::Rect box;
  Align align;
  Tone tone;
};

// One topic of the instructions: a heading and its paragraph.
struct Topic {
  const char* heading;
  const char* body;
};
// A page is a list of lines; headings are marked.
struct PageLine {
  std::string text;
  bool heading;
};
using Page = std::vector<PageLine>;

// Lays the topics out on pages of `lines_per_page` lines of at most `width`
// pixels (broken at blanks by wrap_words, frame/text.h): a heading, its
// paragraph, an empty line between topics. A topic that would not fit on the
// rest of a page starts a new page, unless it does not fit on a page at all.
std::vector<Page> paginate(const std::vector<Topic>& topics, int width, int lines_per_page, const TextWidth& measure);

// The instructions in the build's language, laid out with the game font.
const std::vector<Topic>& instruction_topics();
std::vector<Page> instruction_pages();
inline constexpr int kLineHeight = 20;
inline constexpr int kInstructMargin = 20;
inline constexpr int kInstructLinesPerPage =
    (screen_layout::kInstructText.height() - 2 * kInstructMargin) / kLineHeight;
inline constexpr int kInstructLineWidth = screen_layout::kInstructText.width() - 2 * kInstructMargin;

// Every text of the instructions screen showing `page` (0-based) of `pages`.
std::vector<TextBox> instructions_texts(const std::vector<Page>& pages, int page);
// Every text of the options screen for these working values.
std::vector<TextBox> options_texts(int text_speed, int music, int effects, int text_output);
// The window-size row of the options screen: its label, the choice `setting`
// (a factor; 0 for the largest that fits, which is `largest`; or
// window_fit::kFill for the window `fill`) lit while the pointer is over its
// box, and the size of the window it gives.
std::vector<TextBox> scale_texts(int setting, int largest, const window_fit::Placement& fill, bool lit);
// The size of the window for the choice `setting`: "1280 x 960" at 2x.
std::string window_size_text(int setting, int largest, const window_fit::Placement& fill);
// The two rows of spoken lines: their size (large or not) and the band behind
// them (on or off); `lit` is the row whose box is under the pointer (0 the
// size, 1 the band, -1 none).
std::vector<TextBox> subtitle_texts(int large, int band, int lit);
// The two rows of the help a player gets: hints (on or off) and how long
// spoken lines stay (timed, or until clicked); `lit` is the row whose box is
// under the pointer (0 hints, 1 the lines, -1 none).
std::vector<TextBox> help_texts(int hints, int until_clicked, int lit);
// The two rows for players who cannot see the screen or are called away:
// reading aloud (on or off) and the pause when the window loses the focus
// (settings::pause_when_away: 0 never, 2 in full screen, 1 always); `lit` is
// the row whose box is under the pointer (0 reading aloud, 1 the pause, -1
// none).
std::vector<TextBox> access_texts(int speech, int pause_when_away, int lit);
// The pause's next choice on a click: never, in full screen, always, never.
int next_pause_when_away(int setting);
// What the options screen reads aloud under the pointer at (mx, my) for
// these texts (every text the screen shows): a box or slider row by its name
// and its choice ("Music: 180"), OK and Cancel by their words; "" elsewhere.
std::string options_words_at(const std::vector<TextBox>& texts, int mx, int my);

// The choice a click on the box moves to: from the largest that fits (0) to
// 1, 2, ... up to `largest`, then the window filling the desktop
// (window_fit::kFill), then back to 0.
int next_scale(int setting, int largest);

}  // namespace menu_screens

#include "interaction/pointer_voice.h"

#include <algorithm>
#include <vector>

#include "core/read_aloud.h"
#include "core/settings.h"
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "frame/click_points.h"
#include "frame/cursor.h"
#include "frame/play_keys.h"
#include "interaction/remarks.h"
#include "persistence/settings.h"
#include "rooms/registry.h"

namespace {

// The verbs of the panel, in its order: walk, take, use, look, talk.
const char* verb_name(int v) {
  static const char* const kNames[screen_layout::kVerbCount] = {TR("Gehen", "Walk"), TR("Nehmen", "Take"),
                                                                TR("Benutzen", "Use"), TR("Ansehen", "Look"),
                                                                TR("Reden", "Talk")};
  return v >= 0 && v < screen_layout::kVerbCount ? kNames[v] : "";
}

// The pointer is on the thing's box (bounds included, as the hover tests), and it is there to act on.
bool pointed_at(int present, int interact, int x1, int y1, int x2, int y2) {
  return present == 1 && interact == 1 && mouse_x >= x1 && mouse_x <= x2 && mouse_y >= y1 && mouse_y <= y2;
}

const char* label(Thing kind, int slot) {
  switch (kind) {
    case Thing::piece: return piece_label(slot);
    case Thing::person: return person_label(slot);
    case Thing::door: return exit_label(slot);
  }
  return nullptr;
}

// Where the jumps stop on the thing (frame/click_points.h); false when they do not.
bool jump_point(Thing kind, int slot, screen_layout::Point& at) {
  return kind == Thing::door ? exit_point(slot, at.x, at.y) : thing_point(kind == Thing::person, slot, at.x, at.y);
}

// The jump points of every thing of the room called `name`, in reading order.
std::vector<screen_layout::Point> points_named(const std::string& name) {
  std::vector<screen_layout::Point> points;
  const auto add = [&](Thing kind, int slot) {
    screen_layout::Point at{};
    const char* l = label(kind, slot);
    if (l && name == l && jump_point(kind, slot, at)) points.push_back(at);
  };
  for (int i = 0; i < furni_nr && i < kMaxFurni; ++i)
    if (furni_present[i] == 1 && furni_interact[i] == 1) add(Thing::piece, i);
  for (int j = 0; j < person_nr && j < kMaxPersons; ++j)
    if (person_present[j] == 1 && person_interact[j] == 1) add(Thing::person, j);
  for (int k = 0; k < exit_nr && k < kMaxExits; ++k) add(Thing::door, k);
  std::sort(points.begin(), points.end(), reads_before);
  return points;
}

UnderPointer thing(Thing kind, int slot) {
  static const char* const kKinds[] = {"piece ", "person ", "door "};
  return {spoken_name(kind, slot), kKinds[static_cast<int>(kind)] + std::to_string(slot)};
}

}  // namespace

std::string spoken_name(Thing kind, int slot) {
  const char* l = label(kind, slot);
  if (!l) return "";
  const std::vector<screen_layout::Point> alike = points_named(l);
  screen_layout::Point at{};
  if (alike.size() < 2 || !jump_point(kind, slot, at)) return l;
  const auto it = std::lower_bound(alike.begin(), alike.end(), at, reads_before);
  return std::string(l) + ", " + std::to_string(it - alike.begin() + 1) + TR(" von ", " of ") +
         std::to_string(alike.size());
}

UnderPointer under_pointer() {
  const int button = button_under_mouse();
  if (button == kButtonBag) return {TR("Tasche", "Bag"), "bag"};
  if (button >= kButtonWalk && button <= kButtonTalk) return {verb_name(button - kButtonWalk), "verb " + std::to_string(button)};
  // Pieces and persons before doors: the pointer acts on a piece that lies in a door.
  for (int i = 0; i < furni_nr && i < kMaxFurni; ++i)
    if (pointed_at(furni_present[i], furni_interact[i], furni_mouse_x[i], furni_mouse_y[i], furni_mouse_x2[i],
                   furni_mouse_y2[i]))
      return thing(Thing::piece, i);
  for (int j = 0; j < person_nr && j < kMaxPersons; ++j)
    if (pointed_at(person_present[j], person_interact[j], person_mouse_x[j], person_mouse_y[j], person_mouse_x2[j],
                   person_mouse_y2[j]))
      return thing(Thing::person, j);
  // A later door wins where two overlap; the edge of a door is not on it.
  for (int k = (exit_nr < kMaxExits ? exit_nr : kMaxExits) - 1; k >= 0; --k)
    if (exit_x[k] < mouse_x && mouse_x < exit_x2[k] && exit_y[k] < mouse_y && mouse_y < exit_y2[k])
      return thing(Thing::door, k);
  return {};
}

void read_aloud_in_play() {
  static HoverVoice voice;
  if (speech_switch_asked) {
    speech_switch_asked = false;
    const bool speaks = switch_speech();
    save_settings();
    voice.forget();  // the thing under the pointer is named again with speech on
    if (!speaks) hero_remark(no_speech_lines().first, no_speech_lines().second);
  }
  if (settings::speech != 1) return;  // nothing to say: no search for names
  const UnderPointer now = under_pointer();
  voice(now.name, now.which, pointer_jumps());
}

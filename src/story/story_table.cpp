#include "story/story_table.h"

#include <algorithm>
#include <cstring>

#include "core/tr.h"
#include "core/world.h"
#include "frame/cursor.h"

namespace {

bool same(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

// The steps and their hints. A hint says nothing of a step that is not open yet; each line fits the band the
// hero's lines are written in (560 pixels), in both languages.
const std::vector<StoryStep> kSteps = {
    {"card", "future_physiktp", {&story_gotaccesscard}, {}, {},
     {{TR("Alle Türen sind verschlossen. Ohne eine Karte", "Every door here is locked. Without a card"),
       TR("komme ich hier nie weiter.", "I'll never get any further.")},
      {TR("Herr Zirud im Physiklabor hat eine Zugangskarte.", "Mr Zirud in the physics lab has an access card."),
       TR("Ich sollte ihn nach den Türen fragen.", "I should ask him about the doors.")},
      {TR("Ich frage Herrn Zirud nach den Türen und der", "I'll ask Mr Zirud about the doors and the card,"),
       TR("Karte, und ich nehme seinen Handel an.", "and take his deal.")}},
     {{"talk", "FrizzeRol", "3 3.1 3.1.1 3.1.1.1"}}},
    {"cupboard", "future_floor15", {&story_schrankoffen, &story_brokencase}, {"tool"}, {},
     {{TR("Mit bloßen Händen komme ich hier nicht weit.", "I won't get far here with my bare hands."),
       TR("Ich brauche Werkzeug.", "I need a tool.")},
      {TR("Im Gang zum Wachmann stehen Schränke.", "The corridor to the guard has lockers."),
       TR("Vielleicht ist einer nicht abgeschlossen.", "Maybe one of them isn't locked.")},
      {TR("Ich öffne den ersten Schrank im Gang", "I'll open the first locker in the corridor"),
       TR("zum Wachmann.", "to the guard.")}},
     {{"use", "schrank"}}},
    {"screwdriver", "future_floor15", {&story_brokencase}, {"tool"}, {"cupboard"},
     {{TR("In dem offenen Schrank liegt noch etwas.", "There's something in that open locker.")},
      {TR("Ein Schraubenzieher öffnet so manches,", "A screwdriver opens many a thing"),
       TR("was verschlossen ist.", "that is locked.")},
      {TR("Ich nehme den Schraubenzieher aus dem", "I'll take the screwdriver out of the"),
       TR("offenen Schrank.", "open locker.")}},
     {{"take", "tool"}}},
    {"alarm", "future_chimie", {&story_alarm, &story_brokencase}, {}, {"card"},
     {{TR("Herr Zirud braucht einen Diamanten. Herr Rurura", "Mr Zirud needs a diamond. Mr Rurura keeps"),
       TR("hütet seinen hinter Glas, mit Alarmanlage.", "his behind glass, with an alarm on it.")},
      {TR("Die Alarmanlage im Chemiesaal hat drei Hebel.", "The alarm in the chemistry room has three levers."),
       TR("In der richtigen Stellung ist sie aus.", "Set right, they switch it off.")},
      {TR("Ich stelle die drei Hebel im Chemiesaal auf", "I'll set the three levers in the chemistry room"),
       TR("unten, Mitte, unten.", "down, middle, down.")}},
     {{"set", "schalter", "2 1 2"}}},
    {"showcase", "future_chimie", {&story_brokencase}, {}, {"screwdriver", "alarm"},
     {{TR("Der Alarm ist aus. Jetzt muss nur noch die", "The alarm is off. Now the showcase"),
       TR("Vitrine aufgehen.", "just has to open.")},
      {TR("Die Vitrine ist abgeschlossen. Mit Werkzeug", "The showcase is locked. A tool"),
       TR("bekomme ich sie auf.", "would get it open.")},
      {TR("Ich benutze den Schraubenzieher mit der Vitrine.", "I'll use the screwdriver on the showcase.")}},
     {{"use_item", "case00", "tool"}}},
    {"diamond", "future_chimie", {&story_diamant}, {"diamond"}, {"showcase"},
     {{TR("Die Vitrine ist aufgebrochen. Was darin liegt,", "The showcase is broken open. What's inside"),
       TR("braucht Herr Zirud.", "is what Mr Zirud needs.")},
      {TR("Ich muss die Vitrine nur noch öffnen", "I just have to open the showcase"),
       TR("und hineingreifen.", "and reach in.")},
      {TR("Ich öffne die Vitrine und nehme den Diamanten.", "I'll open the showcase and take the diamond.")}},
     {{"use", "case00"}, {"take", "dia"}}},
    {"diamond given", "future_physiktp", {&story_diamant}, {}, {"diamond"},
     {{TR("Der Diamant gehört in die Zeitmaschine.", "The diamond belongs in the time machine.")},
      {TR("Herr Zirud wartet im Physiklabor darauf.", "Mr Zirud is waiting for it in the physics lab.")},
      {TR("Ich gebe Herrn Zirud den Diamanten.", "I'll give the diamond to Mr Zirud.")}},
     {{"give", "FrizzeRol", "diamond"}}},
    {"telescope carried", "future_physik", {&story_adyteleskop}, {}, {"card"},
     {{TR("Die Zeitmaschine braucht eine Energiequelle,", "The time machine needs an energy source,"),
       TR("am besten gebündeltes Sonnenlicht.", "best of all focused sunlight.")},
      {TR("Dori putzt im Physiksaal ein riesiges Teleskop.", "Dori polishes a huge telescope in the physics"),
       TR("Ich sollte ihn danach fragen.", "room. I should ask him about it.")},
      {TR("Ich frage Dori, ob das Teleskop Sonnenlicht bündelt,", "I'll ask Dori if the telescope focuses sunlight,"),
       TR("und sage ihm, was Herr Zirud braucht.", "and tell him what Mr Zirud needs.")}},
     {{"talk", "dori_future", "4 4.4 4.4.1"}}},
    {"alcohol", "future_chimietp", {&story_sandalkohol}, {"Alkohol"}, {"card"},
     {{TR("Frau Sand sieht hundemüde aus. Ein Schluck", "Mrs Sand looks dead tired. One drop of"),
       TR("Schnaps, und sie schliefe wie ein Stein.", "schnapps and she'd sleep like a log.")},
      {TR("Im Chemielabor steht bestimmt etwas", "There's bound to be something strong"),
       TR("Hochprozentiges.", "in the chemistry lab.")},
      {TR("Ich nehme die Flasche Alkohol aus dem", "I'll take the bottle of alcohol from the"),
       TR("Chemielabor.", "chemistry lab.")}},
     {{"take", "alkohol"}}},
    {"burner", "future_chimietp", {&story_blei}, {"Bunsenbrenner", "Bunsen_Schlauch", "Schweissbrenner", "Blei"},
     {"card"},
     {{TR("Etwas, das eine Flamme macht, könnte", "Something that makes a flame might"),
       TR("noch nützlich sein.", "come in handy.")},
      {TR("Im Chemielabor steht ein Bunsenbrenner.", "There's a Bunsen burner in the chemistry lab.")},
      {TR("Ich nehme den Bunsenbrenner im Chemielabor.", "I'll take the Bunsen burner in the chemistry lab.")}},
     {{"take", "bunsen"}}},
    {"asleep", "future_biolog", {&story_sandalkohol}, {}, {"alcohol"},
     {{TR("Frau Sand hütet ihre Gasflasche wie ein Drache.", "Mrs Sand guards that gas bottle like a dragon."),
       TR("Aber sie sieht müde aus.", "She looks tired, though.")},
      {TR("Ein Schluck aus meiner Flasche Alkohol,", "One drop from my bottle of alcohol"),
       TR("und sie schläft bestimmt ein.", "and she's sure to nod off.")},
      {TR("Ich gebe Frau Sand den Alkohol.", "I'll give the alcohol to Mrs Sand.")}},
     {{"give", "sand", "Alkohol"}}},
    {"gas", "future_biolog", {&story_blei}, {"Gaz", "Gaz_Schlauch", "Schweissbrenner", "Blei"}, {"asleep"},
     {{TR("Frau Sand schläft tief und fest.", "Mrs Sand is fast asleep.")},
      {TR("Jetzt passt niemand mehr auf die Gasflasche auf.", "Now nobody is watching the gas bottle.")},
      {TR("Ich nehme die Gasflasche im Biologiesaal.", "I'll take the gas bottle in the biology room.")}},
     {{"take", "gaz"}}},
    {"hose", "future_biolog", {&story_blei},
     {"schlauch", "Gaz_Schlauch", "Bunsen_Schlauch", "Schweissbrenner", "Blei"}, {"card"},
     {{TR("Ein alter Schlauch könnte noch", "An old hose might come in handy"),
       TR("nützlich sein.", "one day.")},
      {TR("Frau Sand hat einen alten Gasschlauch, den sie", "Mrs Sand has an old gas hose she"),
       TR("nicht mehr braucht.", "doesn't need any more.")},
      {TR("Ich nehme den Schlauch im Biologiesaal.", "I'll take the hose in the biology room.")}},
     {{"take", "schlauch"}}},
    {"torch", nullptr, {&story_blei}, {"Schweissbrenner", "Blei"}, {"burner", "gas", "hose"},
     {{TR("Gas, Schlauch und Brenner habe ich jetzt.", "I've got gas, a hose and a burner now.")},
      {TR("Zusammen ergeben sie einen Schweißbrenner.", "Together they make a welding torch.")},
      {TR("Ich stecke in der Tasche Gasflasche, Schlauch", "I'll put the gas bottle, the hose and the"),
       TR("und Bunsenbrenner zusammen.", "Bunsen burner together in my bag.")}},
     {{"combine", "Schweissbrenner", "Gaz schlauch Bunsenbrenner Gaz_Schlauch Bunsen_Schlauch"}}},
    {"lead", "future_floor15", {&story_blei}, {"Blei"}, {"torch"},
     {{TR("Herr Rurura braucht Blei für seine Lösung.", "Mr Rurura needs lead for his solution.")},
      {TR("Früher waren die Rohre aus Blei. Im Gang", "The pipes used to be made of lead. One still"),
       TR("zum Wachmann läuft noch eins.", "runs along the corridor to the guard.")},
      {TR("Ich schneide mit dem Schweißbrenner das Rohr", "I'll cut the pipe in the corridor to the"),
       TR("im Gang zum Wachmann ab.", "guard with the welding torch.")}},
     {{"use_item", "rohr", "Schweissbrenner"}}},
    {"lead given", "future_chimie", {&story_blei}, {}, {"lead"},
     {{TR("Ich habe ein Stück Bleirohr.", "I've got a piece of lead pipe.")},
      {TR("Herr Rurura im Chemiesaal wartet darauf.", "Mr Rurura in the chemistry room is waiting for it.")},
      {TR("Ich gebe Herrn Rurura das Blei.", "I'll give the lead to Mr Rurura.")}},
     {{"give", "Rurura", "Blei"}}},
    {"glasses", "future_crossing", {&story_gotglasses}, {}, {"lead given"},
     {{TR("Herr Rurura braut die Lösung. Solange soll", "Mr Rurura is brewing the solution. Meanwhile"),
       TR("ich etwas für ihn holen.", "he wants me to fetch something.")},
      {TR("Herr Rarozir an der Kreuzung hat die", "Mr Rarozir at the crossing has"),
       TR("Chemikerbrille.", "the chemist's glasses.")},
      {TR("Ich bitte Herrn Rarozir um die Chemikerbrille.", "I'll ask Mr Rarozir for the chemist's glasses.")}},
     {{"talk", "rarozir", "5"}}},
    // In game_en asking for the solution does not end the talk: he says goodbye.
    {"solution", "future_chimie", {&story_gotblei}, {}, {"glasses"},
     {{TR("Die Bleilösung müsste jetzt fertig sein.", "The lead solution should be ready by now.")},
      {TR("Herr Rurura im Chemiesaal hat sie.", "Mr Rurura in the chemistry room has it.")},
      {TR("Ich frage Herrn Rurura, ob die Bleilösung", "I'll ask Mr Rurura if the lead solution"),
       TR("fertig ist.", "is ready.")}},
     {{"talk", "Rurura", TR("4", "4 3")}}},
    {"tank", "future_chimietp", {&story_bleitank}, {}, {"solution"},
     {{TR("Die Bleilösung schützt mich vor der Strahlung,", "The lead solution keeps the radiation off me"),
       TR("wenn ich damit dusche.", "if I shower with it.")},
      {TR("Die Notdusche im Chemielabor hat einen Tank.", "The emergency shower in the chemistry lab"),
       TR("", "has a tank.")},
      {TR("Ich kippe die Bleilösung in den Tank", "I'll pour the lead solution into the"),
       TR("der Notdusche.", "shower's tank.")}},
     {{"use_item", "tank", "bleiloesung"}}},
    {"shower", "future_chimietp", {&story_douche}, {}, {"tank", "diamond given", "telescope carried"},
     {{TR("Die Maschine ist fertig, der Tank ist voll.", "The machine is ready, the tank is full."),
       TR("Zeit für die Reise.", "Time for the journey.")},
      {TR("Erst die Dusche, dann die Zeitmaschine.", "First the shower, then the time machine.")},
      {TR("Ich benutze die Notdusche im Chemielabor.", "I'll use the emergency shower in the chemistry lab.")}},
     {{"use", "douche"}}},
};

}  // namespace

const std::vector<StoryStep>& story_steps() { return kSteps; }

int story_step_index(const char* name) {
  const std::vector<StoryStep>& steps = story_steps();
  for (size_t i = 0; i < steps.size(); ++i)
    if (same(steps[i].name, name)) return static_cast<int>(i);
  return -1;
}

bool holding_item(const char* item) {
  for (int i = 0; i < invent_nr && i < kInventorySlots; ++i)
    if (same(inventory_obj[i], item)) return true;
  return carrying_item() && same(arrow_obj, item);
}

bool story_step_done(int i) {
  if (i < 0 || i >= static_cast<int>(story_steps().size())) return false;
  const StoryStep& s = story_steps()[static_cast<size_t>(i)];
  return std::any_of(s.flags.begin(), s.flags.end(), [](const int* f) { return *f == 1; }) ||
         std::any_of(s.items.begin(), s.items.end(), holding_item);
}

bool story_step_open(int i) {
  if (i < 0 || i >= static_cast<int>(story_steps().size()) || story_step_done(i)) return false;
  const StoryStep& s = story_steps()[static_cast<size_t>(i)];
  return std::all_of(s.after.begin(), s.after.end(),
                     [](const char* before) { return story_step_done(story_step_index(before)); });
}

// What the rooms' conversation and gift hooks share: a person's one-off
// answer, an item taken off the pointer, the canister answer several persons
// give, and the conversation of the old school held by person 0 of biolog,
// class and physik.
#pragma once

#include "core/tr.h"
#include "rooms/room_script.h"

// The hero stands straight and person talk_nr says up to three lines (the
// answer to a gift); talk_nr is -1 afterwards and the hero's errand is over.
void person_answer(const char* line0, const char* line1 = "", const char* line2 = "");
// The person keeps the item the hero held out: the pointer is plain again.
void take_carried_item();
// The carried item becomes another one: its name, description and picture
// (object picture `picture`); the pointer carries it.
void exchange_carried_item(const char* item);
// Offered the canister, a person of the school answers the same thing in
// Luxembourgish in both builds, and the hero keeps it: the gift row for the
// person named `person`.
constexpr VerbRule canister_gift(const char* person) {
  return {Verb::give, person, "kanister", nullptr,
          {"Aaah ! Dat ass genee dat wat ech elo brauch", "fir nees a Form ze kommen.", ""}};
}

// The conversation of the old school: the teacher (or classmate) in biolog,
// class and physik, in Luxembourgish in both builds.
inline constexpr TalkLine kSchoolTalk[] = {
    {0, talk_path("1"), {"Ekelbatz !!!!!", "", ""},
                        {"Selwer Ekelbatz !", "Wat ass dann mat dir lass ?", ""}},
    {0, talk_path("2"), {"Wei geet et ?", "", ""},
                        {"Et geet. E bessen ze vill Schoul haut.", "", ""}},
    {0, talk_path("3"), {"Wat gett et haut an der Kantin ?", "", ""},
                        {"Ma wei emmer: Fritten. Oder Fritten.", "", ""}},
    {0, talk_path("4"), {"Weini ass den naechsten Test ?", "", ""},
                        {"Muer. Hues du dann net opgepasst ?", "", ""}},
    {0, talk_path("4.1"), {"Wat kennt dann dran ?", "", ""},
                          {"Alles, wat mer dest Joer gemaach hunn.", "", ""}},
    {0, talk_path("4.2"), {"Dann bleiwen ech muer doheem.", "", ""},
                          {"Dat soen ech dengen Elteren !", "", ""}},
    {0, talk_path("5"), {"Ech muss goen. Vuri.", "", ""},
                        {"Ok, bis geschwenn.", "", ""}},
};
// The goodbye may be said again and again: 15000 times in biolog and class ...
inline constexpr TalkOverride kSchoolTalkOverrides[] = {
    {.person = 0, .path = talk_path("4.2"), .exit = 1},
    {.person = 0, .path = talk_path("5"), .call_nr = 15000, .exit = 1},
};
// ... 10000 times in physik.
inline constexpr TalkOverride kPhysikTalkOverrides[] = {
    {.person = 0, .path = talk_path("4.2"), .exit = 1},
    {.person = 0, .path = talk_path("5"), .call_nr = 10000, .exit = 1},
};

// The choice just made in a conversation with person `person` was the
// sentence at `path` (the current menu's path and `choice`): what a room's
// detection hook asks.
bool chosen(int person, const TalkPath& path);

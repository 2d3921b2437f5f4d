// Persons: how a person turns to the hero to talk and back, the busy pass that
// keeps the room animating meanwhile, and a person's one-off answer.
#pragma once

// Person talk_nr says output_text row 0 (nothing when its line 0 is empty).
void npc_describe();
// Person talk_nr finishes its idle movement up to a frame marked for talking
// (at once when its animation marks none) and plays its turn to the hero.
void prepare_person_talk();
// Person talk_nr lets its talking loop come round to its first frame and
// plays its turn back.
void end_person_talk();
// One busy pass: busy pointer, the room redrawn every 55 ms, the frame shown.
void auto_person_anim();

// The person's animation numbers.
inline constexpr int kPersonIdle = 0;
inline constexpr int kPersonTalking = 1;
inline constexpr int kPersonTurnToTalk = 2;
inline constexpr int kPersonTurnBack = 3;

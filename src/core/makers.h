// The people who made the game, named once. The credits screen's panels
// (drawn by tools/mkassets) and the farewell printed when the player quits
// from the main menu both name them from here, so the two never disagree.
// Names are the same in both builds.
#pragma once

namespace makers {

inline constexpr const char* kStudio = "Tinfox Studio";
// Programming, graphics and animations.
inline constexpr const char* kProgrammer = "Jonas Weber";
// The further graphic artists.
inline constexpr const char* kArtists[3] = {"Lea Hoffmann", "Tim Brandt", "Ines Moreau"};
// Music and sound.
inline constexpr const char* kComposer = "Nora Feld";
// Where the players find more about the game (the closing screen).
inline constexpr const char* kWebsite = "www.tinfox-studio.lu/pelvaro";

}  // namespace makers

// Where the pictures of the menus, the inventory, the control panel and the
// on-screen buttons lie, and the areas the game tests the pointer against.
//
// Both the game and the data generator (tools/mkassets) include this header, so
// a button is drawn exactly where the game looks for clicks. Rectangles are
// inclusive on all four sides (x1..x2, y1..y2); the game's own tests treat some
// bounds as exclusive, which is why every picture covers its area with a
// margin of a pixel or two.
#pragma once

#include "platform/window_fit.h"

namespace screen_layout {

struct Point {
  int x;
  int y;
};

struct Rect {
  int x1;
  int y1;
  int x2;
  int y2;
  constexpr int width() const { return x2 - x1 + 1; }
  // The middle: where a scripted player clicks a button it only passes on its way.
  constexpr int mid_x() const { return (x1 + x2) / 2; }
  constexpr int mid_y() const { return (y1 + y2) / 2; }
  constexpr int height() const { return y2 - y1 + 1; }
  constexpr bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

// ---- The screen ------------------------------------------------------------------
// The picture the platform presents (its size is written in window_fit.h).
inline constexpr int kScreenWidth = window_fit::kGameWidth;
inline constexpr int kScreenHeight = window_fit::kGameHeight;

// A button's picture puts an icon at its left end (at most 26 pixels wide,
// from 8 pixels in); the game writes the button's label in the rest of it.
constexpr Rect label_space(const Rect& button) {
  return {button.x1 + 40, button.y1, button.x2 - 6, button.y2};
}

// ---- Start-up progress screen ------------------------------------------------
inline constexpr Point kProgressBar{215, 435};
inline constexpr int kProgressBarWidth = 210;
inline constexpr int kProgressBarHeight = 24;
inline constexpr int kProgressSteps = 35;  // red_bar[0..34], 34 is full

// ---- In-game buttons (bag and verb panel) ------------------------------------
inline constexpr Point kBagPos{40, 360};
inline constexpr int kBagWidth = 72;  // the bag's picture, plain and lit
inline constexpr int kBagHeight = 78;
inline constexpr Rect kBagHit{56, 371, 94, 429};
inline constexpr Point kVerbPanelPos{540, 350};
inline constexpr int kVerbPanelWidth = 60;
inline constexpr int kVerbPanelHeight = 94;
// What the bag's and the verb panel's pictures cover: nothing is lettered there.
inline constexpr Rect kBagArea{kBagPos.x, kBagPos.y, kBagPos.x + kBagWidth - 1, kBagPos.y + kBagHeight - 1};
inline constexpr Rect kVerbPanelArea{kVerbPanelPos.x, kVerbPanelPos.y, kVerbPanelPos.x + kVerbPanelWidth - 1,
                                     kVerbPanelPos.y + kVerbPanelHeight - 1};
// Verb order of the panel and of navi_butt_on[]: walk, take, use, look, talk.
inline constexpr int kVerbCount = 5;
inline constexpr Rect kVerbHit[kVerbCount] = {
    {561, 351, 579, 369},  // walk
    {541, 386, 559, 404},  // take
    {578, 386, 596, 404},  // use
    {541, 421, 559, 439},  // look
    {578, 421, 596, 439},  // talk
};
inline constexpr Point kVerbHighlightPos[kVerbCount] = {
    {559, 350}, {541, 383}, {576, 383}, {541, 418}, {576, 419}};

// ---- Cursors ------------------------------------------------------------------
inline constexpr int kCursorSize = 40;
// The pointer acts where it shows: every picture is drawn with its working
// point (its focus) on the mouse position, where pieces, persons, exits,
// buttons and the walk target are tested. The arrow and the door have theirs
// at the tip, (0, 0); the look, talk, take and use pictures and a carried
// item (all 40 x 40) centre theirs on this point of the picture.
inline constexpr Point kPointerFocus{20, 15};

// ---- Main menu ------------------------------------------------------------------
// Button order: new game, instructions, options, credits, quit.
inline constexpr int kMenuButtonCount = 5;
inline constexpr Rect kMenuHot[kMenuButtonCount] = {
    {61, 158, 272, 191},   // new game
    {61, 251, 272, 284},   // instructions
    {61, 297, 272, 330},   // options
    {61, 341, 272, 379},   // credits
    {109, 401, 224, 441},  // quit
};
// Where the highlighted button pictures mm_new, mm_inst, mm_opti, mm_cred and
// mm_quit are drawn. mm_inst and mm_opti keep the offset of mm_new (5 left,
// 6 up of the hot area).
inline constexpr Point kMenuHighlightPos[kMenuButtonCount] = {
    {56, 152}, {56, 245}, {56, 291}, {56, 339}, {104, 396}};
// Continue / Load game, in the free band between New game and the second
// button (y 192 to 250): the game makes its pictures from New game's.
inline constexpr Rect kMenuLoadHot{61, 204, 272, 237};
inline constexpr Point kMenuEyesPos{440, 270};
inline constexpr int kMenuEyesWidth = 120;
inline constexpr int kMenuEyesHeight = 40;

// ---- Credits --------------------------------------------------------------------
// Three cards on a grid under the title, centred (110 pixels from either
// edge), 80 pixels apart; under them Back, centred too, leads to the menu
// (credits_back_on lit).
inline constexpr int kCreditsPanelWidth = 420;
inline constexpr int kCreditsPanelHeight = 72;
inline constexpr int kCreditsLeft = (kScreenWidth - kCreditsPanelWidth) / 2;
inline constexpr Point kCreditsCodingPos{kCreditsLeft, 150};
inline constexpr Point kCreditsGraphicsPos{kCreditsLeft, 230};
inline constexpr Point kCreditsSoundPos{kCreditsLeft, 310};
inline constexpr Rect kCreditsBack{240, 400, 399, 439};
inline constexpr Point kCreditsBackHighlightPos{236, 396};

// ---- Instructions screen (main_instruct_bmp, full screen) ------------------------
// Text area the game writes the instructions into, and its two buttons: back to
// the menu (inst_back_on) and a second page / game info button (inst_gi_on).
inline constexpr Rect kInstructText{60, 60, 580, 380};
inline constexpr Rect kInstructBack{420, 410, 579, 449};
inline constexpr Rect kInstructSecond{60, 410, 219, 449};
inline constexpr Point kInstructBackHighlightPos{416, 406};
inline constexpr Point kInstructSecondHighlightPos{56, 406};

// ---- Options screen of the main menu (main_options_bmp, full screen) ------------
// Eleven rows on the plate (40..600 x 48..392), 30 pixels apart from y = 55: two
// boxes the game writes a choice into, where a click takes the next one (hints
// on or off; spoken lines timed or until clicked, beside the text speed), three
// sliders (text speed, music, sound effects) with the knob controller_bmp /
// controller_on, the text-output switch, and five boxes more: reading aloud,
// the size of spoken lines, the band behind them, the window's size, the pause
// when the window loses the focus. OK and Cancel below the plate; the title
// above it.
inline constexpr int kMenuOptRowTop = 55;     // the first row's box
inline constexpr int kMenuOptRowPitch = 30;
inline constexpr int kMenuOptRowHeight = 27;  // a box; a row of text is 20
constexpr Rect menu_option_box(int row, int x1 = 320, int x2 = 492) {
  return {x1, kMenuOptRowTop + row * kMenuOptRowPitch, x2, kMenuOptRowTop + row * kMenuOptRowPitch + kMenuOptRowHeight - 1};
}
inline constexpr int kMenuSliderX1 = 320;  // knob left edge at value 0
inline constexpr int kMenuSliderX2 = 470;  // knob left edge at the maximum
// The knobs (10 high) in the middle of rows 2, 3 and 4.
inline constexpr int kMenuSliderY[3] = {menu_option_box(2).y1 + 8, menu_option_box(3).y1 + 8, menu_option_box(4).y1 + 8};
inline constexpr Rect kMenuOptPlate{40, 48, 599, 391};
inline constexpr Rect kMenuOptTitle{40, 10, 600, 43};
inline constexpr Rect kMenuOptHints = menu_option_box(0);
inline constexpr Rect kMenuOptTextWait = menu_option_box(1);
inline constexpr Rect kMenuOptSwitch = menu_option_box(5, 320, 427);
inline constexpr Point kMenuOptSwitchPos{kMenuOptSwitch.x1 - 4, kMenuOptSwitch.y1 - 4};  // main_opt_off, main_opt_*_on
inline constexpr Rect kMenuOptSpeech = menu_option_box(6);
inline constexpr Rect kMenuOptSubtitleSize = menu_option_box(7);
inline constexpr Rect kMenuOptSubtitleBand = menu_option_box(8);
inline constexpr Rect kMenuOptScale = menu_option_box(9);
inline constexpr Rect kMenuOptPauseAway = menu_option_box(10);
inline constexpr Rect kMenuOptOk{120, 400, 279, 439};
inline constexpr Rect kMenuOptCancel{360, 400, 519, 439};
inline constexpr Point kMenuOptOkHighlightPos{116, 396};
inline constexpr Point kMenuOptCancelHighlightPos{356, 396};

// ---- Slider knob (both the menu's and the control panel's) ----------------------
inline constexpr int kKnobWidth = 20;
inline constexpr int kKnobHeight = 10;

// ---- Inventory screen ------------------------------------------------------------
inline constexpr Point kInventoryPos{60, 65};  // inventory_bmp, game_options_bmp
inline constexpr int kInventoryWidth = 520;
inline constexpr int kInventoryHeight = 350;
inline constexpr int kInventorySlotX0 = 130;  // six slots a row, 60 px apart
inline constexpr int kInventorySlotY0 = 120;
inline constexpr int kInventorySlotStep = 60;
inline constexpr int kInventoryColumns = 6;
inline constexpr int kInventoryRows = 4;
inline constexpr int kInventorySlotSize = 40;
inline constexpr Rect kInventoryPanelButton{151, 357, 309, 395};
inline constexpr Point kInventoryPanelButtonPos{150, 356};  // game_opt_on

// ---- Control panel (game_options_bmp at kInventoryPos) ---------------------------
// On a grid, 13 pixels between one row and the next: the title row at the
// top; the text-output switch; two boxes the game writes a choice into, where
// a click takes the next one (hints on or off; spoken lines timed or until
// clicked); the plate of the three sliders; a row of four small buttons (Hint,
// Log, Main menu, Quit); the row of Save, Load and the
// bag. The switch, the boxes and the tracks begin at one column (x 320), their
// icons stand at 298 and their words end at 284; every row of buttons is
// centred on the panel's middle (x 319.5), the row of three big ones 38
// pixels from either side of the panel.
inline constexpr Rect kPanelTitle{kInventoryPos.x, 72, kInventoryPos.x + kInventoryWidth - 1, 98};
inline constexpr int kPanelSliderX1 = 320;
inline constexpr int kPanelSliderX2 = 470;
inline constexpr Rect kPanelSwitch{320, 112, 428, 141};
inline constexpr Point kPanelOffPos{314, 110};    // game_off and game_off_on
inline constexpr Point kPanelOnOnPos{322, 114};   // game_on_on
inline constexpr Rect kPanelHints{320, 155, 489, 180};
inline constexpr Rect kPanelTextWait{320, 194, 489, 219};
inline constexpr int kPanelSliderY[3] = {242, 268, 294};  // text speed, music, effects
inline constexpr Rect kPanelSliderPlate{80, 233, 559, 312};
// The small buttons: Hint (game_hint, game_hint_on; drawn only while hints
// are on), Log (game_log_on lit), Main menu (game_main_menu_on lit: the game
// kept in the autosave, then the main menu) and Quit (game_quit_on lit).
inline constexpr Rect kPanelHint{79, 326, 188, 349};
inline constexpr Point kPanelHintPos{77, 324};
inline constexpr Rect kPanelLog{203, 326, 312, 349};
inline constexpr Point kPanelLogPos{201, 324};
inline constexpr Rect kPanelMainMenu{327, 326, 436, 349};
inline constexpr Point kPanelMainMenuPos{325, 324};
inline constexpr Rect kPanelQuit{451, 326, 560, 349};
inline constexpr Point kPanelQuitPos{449, 324};
// Save and Load open the two slot screens; the bag leads back to the
// inventory. One row of three alike, wide enough for their words in both
// builds ("Speichern" beside its icon).
inline constexpr Rect kPanelSave{98, 363, 237, 401};
inline constexpr Point kPanelSavePos{96, 361};  // game_save_on
inline constexpr Rect kPanelLoad{250, 363, 389, 401};
inline constexpr Point kPanelLoadPos{248, 361};  // game_load_on
inline constexpr Rect kPanelInventory{402, 363, 541, 401};
inline constexpr Point kPanelInventoryPos{400, 361};  // game_inv_on

// ---- Save and load screens (game_save_bmp / game_load_bmp at kInventoryPos) -----
// Slot s's name is written from (150, 150 + 15 s); a line is under the pointer
// when 160 < x < 460 and 150 + 15 s < y < 170 + 15 s.
inline constexpr Rect kSlotList{140, 145, 470, 305};
inline constexpr int kSlotCount = 10;
inline constexpr int kSlotLineX = 150;
inline constexpr int kSlotLineY0 = 150;
inline constexpr int kSlotLineStep = 15;
// The list as the screens draw it over the picture's: a light box from the
// autosave's line (y 132, above slot 0's) to below slot 10's; slot s's number
// ends before x 114, its name (and the autosave's) is written from x 122 in
// the game's font. A line is under the pointer when x1 < x <= x2 of the box
// and its y < pointer y <= its y + 15. Beside the box the picture of the room
// the line under the pointer was saved in, 96 x 72, as far from the panel's
// inner frame (x 571) as the box is on the left (x 68).
inline constexpr Rect kSlotRows{88, 129, 445, 319};
inline constexpr int kAutosaveLineY = 132;
inline constexpr int kSlotNumberRight = 114;
inline constexpr int kSlotNameX = 122;
inline constexpr Rect kSlotThumbnail{455, 129, 550, 200};
inline constexpr Rect kSlotOk{151, 357, 309, 395};     // leave the screen, back to the game
inline constexpr Point kSlotOkPos{150, 356};            // game_ok_on
inline constexpr Rect kSlotBack{371, 357, 479, 395};   // back to the control panel
inline constexpr Point kSlotBackPos{365, 355};          // game_back_on
// erase_savegame (general.dat entry 2) blanks one slot line from (150, y).
inline constexpr int kEraseLineWidth = 310;
inline constexpr int kEraseLineHeight = 15;

}  // namespace screen_layout

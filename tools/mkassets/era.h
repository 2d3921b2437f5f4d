// The colours of the two schools, one palette each: the present school in
// wood, paint and brass under daylight, the school of 2027 in blue-grey metal
// with cyan and violet light. Every picture of a room and its pieces takes
// its colours from the palette of the room's school.
#pragma once

#include <cstdint>

namespace mkassets {

struct Palette {
  // the room pieces
  std::uint32_t desk_top;
  std::uint32_t desk_edge;
  std::uint32_t desk_leg;
  std::uint32_t chair;
  std::uint32_t chair_shadow;
  std::uint32_t pendulum_base;
  std::uint32_t glass_liquid;
  std::uint32_t lever_box;
  std::uint32_t cabinet;
  std::uint32_t stair_odd;
  std::uint32_t stair_even;
  std::uint32_t crate_shade;
  std::uint32_t crate_star;
  std::uint32_t metal;
  std::uint32_t banister;
  std::uint32_t banister_foot;
  std::uint32_t pole_shade;
  std::uint32_t pole_light;
  std::uint32_t showcase_glass;
  std::uint32_t showcase_frame;
  std::uint32_t roof;
  std::uint32_t posts;
  std::uint32_t chart;
  std::uint32_t fan_blade;
  std::uint32_t tube_light;
  std::uint32_t tube_dark;
  std::uint32_t locker_top;
  std::uint32_t locker_bottom;
  std::uint32_t lock;
  std::uint32_t crate[4];  // crate tints, one picked by the name's hash
  // the rooms: doors, passages, what hangs on the walls, the walls themselves
  std::uint32_t door_frame;
  std::uint32_t door_inside_top;
  std::uint32_t door_inside_bottom;
  std::uint32_t door_glass;
  std::uint32_t door_leaf;
  std::uint32_t passage_near;
  std::uint32_t passage_far;
  std::uint32_t window_frame;
  std::uint32_t board_frame;
  std::uint32_t blackboard;
  std::uint32_t chalk;
  std::uint32_t board_ledge;
  std::uint32_t poster_paper;
  std::uint32_t poster_ink;
  std::uint32_t clock_face;
  std::uint32_t clock_rim;
  std::uint32_t clock_hands;
  std::uint32_t shelf;
  std::uint32_t shelf_back;
  std::uint32_t locker_lamp;
  std::uint32_t stair_lit;
  std::uint32_t stair_shade;
  std::uint32_t stair_nosing;
  std::uint32_t curtain;
  std::uint32_t far_window_lit;
  std::uint32_t far_window_dark;
  std::uint32_t far_window_frame;
  std::uint32_t sign;
  std::uint32_t sign_text;
  std::uint32_t sign_text_alt;
  std::uint32_t sky_top;
  std::uint32_t sky_bottom;
  std::uint32_t roofline;
  std::uint32_t wall_top;
  std::uint32_t wall_bottom;
  std::uint32_t ceiling_top;
  std::uint32_t ceiling_bottom;
  std::uint32_t ceiling_lamp;
  std::uint32_t ceiling_lamp_rim;
  std::uint32_t ceiling_edge;
  std::uint32_t wall_seam;
  std::uint32_t yard_wall;
  std::uint32_t yard_wall_top;
  std::uint32_t dado;
  std::uint32_t dado_rail;
  std::uint32_t skirting;
  std::uint32_t posters[5];
  std::uint32_t spines[6];
  int spine_count;
  int wall_panel_width;
};

inline constexpr Palette kPresentSchool{
    .desk_top = 0xC89058,
    .desk_edge = 0x8A5A30,
    .desk_leg = 0x5A3A20,
    .chair = 0xA0683A,
    .chair_shadow = 0x4A3020,
    .pendulum_base = 0x5A3A20,
    .glass_liquid = 0x60D048,
    .lever_box = 0x6A6A70,
    .cabinet = 0x6A4428,
    .stair_odd = 0xB89870,
    .stair_even = 0xCCAE84,
    .crate_shade = 0x5A4030,
    .crate_star = 0xFFE8A0,
    .metal = 0x9A9AA0,
    .banister = 0x6A4424,
    .banister_foot = 0xB89870,
    .pole_shade = 0xB0A490,
    .pole_light = 0xE8E0D0,
    .showcase_glass = 0xD8ECF4,
    .showcase_frame = 0x5A5A60,
    .roof = 0xA04030,
    .posts = 0xE8E0D0,
    .chart = 0xF0ECE0,
    .fan_blade = 0xD8D0C0,
    .tube_light = 0xE8E0D0,
    .tube_dark = 0x8A8070,
    .locker_top = 0x6A8AB0,
    .locker_bottom = 0x3A4A68,
    .lock = 0xD0D0D0,
    .crate = {0xB08050, 0x8A9AB0, 0xC06A4A, 0x9A8A60},
    .door_frame = 0x6A4A30,
    .door_inside_top = 0x2A2018,
    .door_inside_bottom = 0x6A5A40,
    .door_glass = 0xB89868,
    .door_leaf = 0x9A6A3E,
    .passage_near = 0x8A7A60,
    .passage_far = 0x3A3028,
    .window_frame = 0xF0ECE0,
    .board_frame = 0x7A5A3A,
    .blackboard = 0x2A3038,
    .chalk = 0xE8E8E0,
    .board_ledge = 0x5A4028,
    .poster_paper = 0xF8F4E8,
    .poster_ink = 0x706860,
    .clock_face = 0xFFFFF4,
    .clock_rim = 0x303030,
    .clock_hands = 0x202020,
    .shelf = 0x6A4428,
    .shelf_back = 0x3A2414,
    .locker_lamp = 0xD0D0D0,
    .stair_lit = 0xC8B090,
    .stair_shade = 0xB09878,
    .stair_nosing = 0x5A3A20,
    .curtain = 0xD8A840,
    .far_window_lit = 0xE0E8F0,
    .far_window_dark = 0xE0E8F0,
    .far_window_frame = 0xF4F0E8,
    .sign = 0xB08858,
    .sign_text = 0xFFFFF0,
    .sign_text_alt = 0xF8E890,
    .sky_top = 0x6AA0E0,
    .sky_bottom = 0xD8E8F8,
    .roofline = 0x6A3A2A,
    .wall_top = 0xEEE0C0,
    .wall_bottom = 0xD4C098,
    .ceiling_top = 0xF8F4EC,
    .ceiling_bottom = 0xD8D0C0,
    .ceiling_lamp = 0xFFFFF0,
    .ceiling_lamp_rim = 0xB0A890,
    .ceiling_edge = 0xA89878,
    .wall_seam = 0xC8B490,
    .yard_wall = 0xA05A40,
    .yard_wall_top = 0xC8B8A0,
    .dado = 0xB08A5C,
    .dado_rail = 0x8A6A44,
    .skirting = 0x5A3A22,
    .posters = {0xE86A3A, 0x3A6AE8, 0xE8C03A, 0xB04AA0, 0xD04040},
    .spines = {0xA03020, 0x2A4A90, 0xC89030, 0x6A2A6A, 0x304A80, 0xD06A30},
    .spine_count = 6,
    .wall_panel_width = 96,
};

inline constexpr Palette kSchoolOf2027{
    .desk_top = 0xA8B8D0,
    .desk_edge = 0x5A6A88,
    .desk_leg = 0x404C64,
    .chair = 0x8898B8,
    .chair_shadow = 0x505C78,
    .pendulum_base = 0x5A6A88,
    .glass_liquid = 0x40A0FF,
    .lever_box = 0x4A5670,
    .cabinet = 0x3A4660,
    .stair_odd = 0x7888A8,
    .stair_even = 0x6A7898,
    .crate_shade = 0x2A3450,
    .crate_star = 0x9AD8FF,
    .metal = 0x8898B8,
    .banister = 0x8898B8,
    .banister_foot = 0x5A6888,
    .pole_shade = 0x6A7898,
    .pole_light = 0xC8D4F0,
    .showcase_glass = 0xB0D8FF,
    .showcase_frame = 0x48D8F0,
    .roof = 0x5A6AA0,
    .posts = 0xA8B8D8,
    .chart = 0x101830,
    .fan_blade = 0xA8C0E8,
    .tube_light = 0xC8D4F0,
    .tube_dark = 0x5A6A90,
    .locker_top = 0x8898B8,
    .locker_bottom = 0x4A5878,
    .lock = 0x48D8F0,
    .crate = {0x6A7AA0, 0x5A6A9A, 0x7A6AB0, 0x4A6A90},
    .door_frame = 0x5A6880,
    .door_inside_top = 0x0A1830,
    .door_inside_bottom = 0x2A5A80,
    .door_glass = 0x3A70A0,
    .door_leaf = 0x8898B0,
    .passage_near = 0x2A3A58,
    .passage_far = 0x0C1424,
    .window_frame = 0x8090B0,
    .board_frame = 0x283850,
    .blackboard = 0x0C1A3C,
    .chalk = 0x70B0FF,
    .board_ledge = 0x48D8F0,
    .poster_paper = 0x101830,
    .poster_ink = 0x6080C0,
    .clock_face = 0x0C1830,
    .clock_rim = 0x48D8F0,
    .clock_hands = 0x80E0FF,
    .shelf = 0x3A4868,
    .shelf_back = 0x141C30,
    .locker_lamp = 0x48D8F0,
    .stair_lit = 0x6A7890,
    .stair_shade = 0x6A7890,
    .stair_nosing = 0x48D8F0,
    .curtain = 0x3A4A7A,
    .far_window_lit = 0x8AB0FF,
    .far_window_dark = 0x2A3A6A,
    .far_window_frame = 0x1A2440,
    .sign = 0x2A3A5A,
    .sign_text = 0x7090D0,
    .sign_text_alt = 0x7090D0,
    .sky_top = 0x1A1040,
    .sky_bottom = 0x6A3A8A,
    .roofline = 0x8090C0,
    .wall_top = 0x4A5A80,
    .wall_bottom = 0x2A3452,
    .ceiling_top = 0x101828,
    .ceiling_bottom = 0x222C44,
    .ceiling_lamp = 0x9AA8FF,
    .ceiling_lamp_rim = 0x4A5AA0,
    .ceiling_edge = 0x6A70FF,
    .wall_seam = 0x202A40,
    .yard_wall = 0x404A6A,
    .yard_wall_top = 0x9080FF,
    .dado = 0x28304A,
    .dado_rail = 0x7A60F0,
    .skirting = 0x8A70FF,
    .posters = {0x6A5AE8, 0x3A8AF0, 0xB060F0, 0x4060C0, 0x8A70FF},
    .spines = {0x4060C0, 0x6A50D0, 0x3A78D8, 0x8A6AE0},
    .spine_count = 4,
    .wall_panel_width = 64,
};

inline const Palette& era(bool future) { return future ? kSchoolOf2027 : kPresentSchool; }

}  // namespace mkassets

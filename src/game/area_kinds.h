#pragma once
// The kinds of area a hole file may hold, by what they do to a ball. Kinds 0,
// 31, 39, 41, 42, 44 and any kind outside 1..45 do nothing.

#include <cstdint>

namespace orbigolf::area {

enum Kind : int32_t {
    kEmpty = 0,           // an unused slot of the hole file
    kWallBent19 = 1,      // wall at 19, the angle bent by the direction of arrival
    kWall64 = 2,
    kWallBent109 = 3,     // wall at 109, bent like kind 1
    kWall0 = 4,
    kCup = 5,
    kWall32 = 6,
    kWall96 = 7,
    kRampDownLeft = 8,    // tilt -13, pushes toward 96
    kRampUpRight = 9,     // tilt 13, pushes toward 1
    kRampUpDown = 10,     // tilt 13, pushes toward 32
    kRampDownRight = 11,  // tilt -13, pushes toward 128
    kEruption = 12,
    kSpring = 13,
    kFunnel = 14,
    kSlope1 = 15,         // slopes 15..22 push toward 1, 19, 64, 109, 128, 147, 192, 237
    kSlope19 = 16,
    kSlope64 = 17,
    kSlope109 = 18,
    kSlope128 = 19,
    kSlope147 = 20,
    kSlope192 = 21,
    kSlope237 = 22,
    kSand = 23,
    kWater = 24,
    kTeleport = 25,
    kPipe = 26,
    kBlast = 27,
    kText = 28,
    kCannonOrHidden = 29,
    kRoughGround = 30,
    kTint = 32,
    kLedge = 33,
    kKicker = 34,
    kBonusPickUp = 35,
    kConstructionWorker = 36,
    kLauncher = 37,
    kSwitchOn = 38,
    kSwitchOff = 40,
    kFan = 43,
    kCourseEdge = 45,
};

}  // namespace orbigolf::area

// Technologies: {Key, Cost, Era}. A save stores technologies by row number, so the order is the
// game's own. The base game has fewer eras and some technologies the expansions dropped
// (telegraph, mass media); the first expansion prices iron working higher than QEL.
#include <iterator>

#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr TTechInfoRec kTechsQEL[] = {
    {"TECH_AGRICULTURE", 20, 0},  // 0
    {"TECH_POTTERY", 35, 0},  // 1
    {"TECH_ANIMAL_HUSBANDRY", 35, 0},  // 2
    {"TECH_ARCHERY", 35, 0},  // 3
    {"TECH_MINING", 35, 0},  // 4
    {"TECH_SAILING", 55, 0},  // 5
    {"TECH_CALENDAR", 55, 0},  // 6
    {"TECH_WRITING", 55, 0},  // 7
    {"TECH_TRAPPING", 55, 0},  // 8
    {"TECH_THE_WHEEL", 55, 0},  // 9
    {"TECH_MASONRY", 55, 0},  // 10
    {"TECH_BRONZE_WORKING", 55, 0},  // 11
    {"TECH_OPTICS", 85, 1},  // 12
    {"TECH_HORSEBACK_RIDING", 105, 1},  // 13
    {"TECH_MATHEMATICS", 105, 1},  // 14
    {"TECH_CONSTRUCTION", 105, 1},  // 15
    {"TECH_PHILOSOPHY", 175, 1},  // 16
    {"TECH_DRAMA", 175, 1},  // 17
    {"TECH_CURRENCY", 175, 1},  // 18
    {"TECH_ENGINEERING", 175, 1},  // 19
    {"TECH_IRON_WORKING", 175, 1},  // 20
    {"TECH_THEOLOGY", 275, 2},  // 21
    {"TECH_CIVIL_SERVICE", 275, 2},  // 22
    {"TECH_GUILDS", 275, 2},  // 23
    {"TECH_METAL_CASTING", 275, 2},  // 24
    {"TECH_COMPASS", 375, 2},  // 25
    {"TECH_EDUCATION", 485, 2},  // 26
    {"TECH_CHIVALRY", 485, 2},  // 27
    {"TECH_MACHINERY", 485, 2},  // 28
    {"TECH_PHYSICS", 485, 2},  // 29
    {"TECH_STEEL", 485, 2},  // 30
    {"TECH_ASTRONOMY", 780, 3},  // 31
    {"TECH_ACOUSTICS", 780, 3},  // 32
    {"TECH_BANKING", 780, 3},  // 33
    {"TECH_PRINTING_PRESS", 780, 3},  // 34
    {"TECH_GUNPOWDER", 780, 3},  // 35
    {"TECH_NAVIGATION", 1150, 3},  // 36
    {"TECH_ARCHITECTURE", 1150, 3},  // 37
    {"TECH_ECONOMICS", 1150, 3},  // 38
    {"TECH_METALLURGY", 1150, 3},  // 39
    {"TECH_CHEMISTRY", 1150, 3},  // 40
    {"TECH_ARCHAEOLOGY", 1600, 4},  // 41
    {"TECH_SCIENTIFIC_THEORY", 1600, 4},  // 42
    {"TECH_INDUSTRIALIZATION", 1600, 4},  // 43
    {"TECH_RIFLING", 1600, 4},  // 44
    {"TECH_MILITARY_SCIENCE", 1600, 4},  // 45
    {"TECH_FERTILIZER", 1600, 4},  // 46
    {"TECH_BIOLOGY", 2350, 4},  // 47
    {"TECH_ELECTRICITY", 2350, 4},  // 48
    {"TECH_STEAM_POWER", 2350, 4},  // 49
    {"TECH_DYNAMITE", 2350, 4},  // 50
    {"TECH_REFRIGERATION", 3100, 5},  // 51
    {"TECH_RADIO", 3100, 5},  // 52
    {"TECH_REPLACEABLE_PARTS", 3100, 5},  // 53
    {"TECH_FLIGHT", 3100, 5},  // 54
    {"TECH_RAILROAD", 3100, 5},  // 55
    {"TECH_PLASTIC", 4100, 5},  // 56
    {"TECH_ELECTRONICS", 4100, 5},  // 57
    {"TECH_BALLISTICS", 4100, 5},  // 58
    {"TECH_COMBUSTION", 4100, 5},  // 59
    {"TECH_PENICILIN", 5100, 6},  // 60
    {"TECH_ATOMIC_THEORY", 5100, 6},  // 61
    {"TECH_RADAR", 5100, 6},  // 62
    {"TECH_COMBINED_ARMS", 5100, 6},  // 63
    {"TECH_ECOLOGY", 6400, 6},  // 64
    {"TECH_NUCLEAR_FISSION", 6400, 6},  // 65
    {"TECH_ROCKETRY", 6400, 6},  // 66
    {"TECH_COMPUTERS", 6400, 6},  // 67
    {"TECH_TELECOM", 7700, 7},  // 68
    {"TECH_MOBILE_TACTICS", 7700, 7},  // 69
    {"TECH_ADVANCED_BALLISTICS", 7700, 7},  // 70
    {"TECH_SATELLITES", 7700, 7},  // 71
    {"TECH_ROBOTICS", 7700, 7},  // 72
    {"TECH_LASERS", 7700, 7},  // 73
    {"TECH_INTERNET", 8800, 7},  // 74
    {"TECH_GLOBALIZATION", 8800, 7},  // 75
    {"TECH_PARTICLE_PHYSICS", 8800, 7},  // 76
    {"TECH_NUCLEAR_FUSION", 8800, 7},  // 77
    {"TECH_NANOTECHNOLOGY", 8800, 7},  // 78
    {"TECH_STEALTH", 8800, 7},  // 79
    {"TECH_FUTURE_TECH", 9500, 7},  // 80
};
static_assert(std::size(kTechsQEL) == 81);

constexpr TTechInfoRec kTechsExpansion1[] = {
    {"TECH_AGRICULTURE", 20, 0},  // 0
    {"TECH_POTTERY", 35, 0},  // 1
    {"TECH_ANIMAL_HUSBANDRY", 35, 0},  // 2
    {"TECH_ARCHERY", 35, 0},  // 3
    {"TECH_MINING", 35, 0},  // 4
    {"TECH_SAILING", 55, 0},  // 5
    {"TECH_CALENDAR", 55, 0},  // 6
    {"TECH_WRITING", 55, 0},  // 7
    {"TECH_TRAPPING", 55, 0},  // 8
    {"TECH_THE_WHEEL", 55, 0},  // 9
    {"TECH_MASONRY", 55, 0},  // 10
    {"TECH_BRONZE_WORKING", 55, 0},  // 11
    {"TECH_OPTICS", 85, 1},  // 12
    {"TECH_HORSEBACK_RIDING", 105, 1},  // 13
    {"TECH_MATHEMATICS", 105, 1},  // 14
    {"TECH_CONSTRUCTION", 105, 1},  // 15
    {"TECH_PHILOSOPHY", 175, 1},  // 16
    {"TECH_DRAMA", 175, 1},  // 17
    {"TECH_CURRENCY", 175, 1},  // 18
    {"TECH_ENGINEERING", 175, 1},  // 19
    {"TECH_IRON_WORKING", 195, 1},  // 20
    {"TECH_THEOLOGY", 275, 2},  // 21
    {"TECH_CIVIL_SERVICE", 275, 2},  // 22
    {"TECH_GUILDS", 275, 2},  // 23
    {"TECH_METAL_CASTING", 275, 2},  // 24
    {"TECH_COMPASS", 375, 2},  // 25
    {"TECH_EDUCATION", 485, 2},  // 26
    {"TECH_CHIVALRY", 485, 2},  // 27
    {"TECH_MACHINERY", 485, 2},  // 28
    {"TECH_PHYSICS", 485, 2},  // 29
    {"TECH_STEEL", 485, 2},  // 30
    {"TECH_ASTRONOMY", 780, 3},  // 31
    {"TECH_ACOUSTICS", 780, 3},  // 32
    {"TECH_BANKING", 780, 3},  // 33
    {"TECH_PRINTING_PRESS", 780, 3},  // 34
    {"TECH_GUNPOWDER", 780, 3},  // 35
    {"TECH_NAVIGATION", 1150, 3},  // 36
    {"TECH_ARCHITECTURE", 1150, 3},  // 37
    {"TECH_ECONOMICS", 1150, 3},  // 38
    {"TECH_METALLURGY", 1150, 3},  // 39
    {"TECH_CHEMISTRY", 1150, 3},  // 40
    {"TECH_ARCHAEOLOGY", 1600, 4},  // 41
    {"TECH_SCIENTIFIC_THEORY", 1600, 4},  // 42
    {"TECH_INDUSTRIALIZATION", 1600, 4},  // 43
    {"TECH_RIFLING", 1600, 4},  // 44
    {"TECH_MILITARY_SCIENCE", 1600, 4},  // 45
    {"TECH_FERTILIZER", 1600, 4},  // 46
    {"TECH_BIOLOGY", 2350, 4},  // 47
    {"TECH_ELECTRICITY", 2350, 4},  // 48
    {"TECH_STEAM_POWER", 2350, 4},  // 49
    {"TECH_DYNAMITE", 2350, 4},  // 50
    {"TECH_REFRIGERATION", 3100, 5},  // 51
    {"TECH_RADIO", 3100, 5},  // 52
    {"TECH_REPLACEABLE_PARTS", 3100, 5},  // 53
    {"TECH_FLIGHT", 3100, 5},  // 54
    {"TECH_RAILROAD", 3100, 5},  // 55
    {"TECH_PLASTIC", 4100, 5},  // 56
    {"TECH_ELECTRONICS", 4100, 5},  // 57
    {"TECH_BALLISTICS", 4100, 5},  // 58
    {"TECH_COMBUSTION", 4100, 5},  // 59
    {"TECH_PENICILIN", 5100, 6},  // 60
    {"TECH_ATOMIC_THEORY", 5100, 6},  // 61
    {"TECH_RADAR", 5100, 6},  // 62
    {"TECH_COMBINED_ARMS", 5100, 6},  // 63
    {"TECH_ECOLOGY", 6400, 6},  // 64
    {"TECH_NUCLEAR_FISSION", 6400, 6},  // 65
    {"TECH_ROCKETRY", 6400, 6},  // 66
    {"TECH_COMPUTERS", 6400, 6},  // 67
    {"TECH_TELECOM", 7700, 7},  // 68
    {"TECH_MOBILE_TACTICS", 7700, 7},  // 69
    {"TECH_ADVANCED_BALLISTICS", 7700, 7},  // 70
    {"TECH_SATELLITES", 7700, 7},  // 71
    {"TECH_ROBOTICS", 7700, 7},  // 72
    {"TECH_LASERS", 7700, 7},  // 73
    {"TECH_GLOBALIZATION", 8800, 7},  // 74
    {"TECH_PARTICLE_PHYSICS", 8800, 7},  // 75
    {"TECH_NUCLEAR_FUSION", 8800, 7},  // 76
    {"TECH_NANOTECHNOLOGY", 8800, 7},  // 77
    {"TECH_STEALTH", 8800, 7},  // 78
    {"TECH_FUTURE_TECH", 9500, 7},  // 79
};
static_assert(std::size(kTechsExpansion1) == 80);

constexpr TTechInfoRec kTechsBase[] = {
    {"TECH_AGRICULTURE", 20, 0},  // 0
    {"TECH_POTTERY", 35, 0},  // 1
    {"TECH_ANIMAL_HUSBANDRY", 35, 0},  // 2
    {"TECH_ARCHERY", 35, 0},  // 3
    {"TECH_MINING", 35, 0},  // 4
    {"TECH_SAILING", 55, 0},  // 5
    {"TECH_CALENDAR", 55, 0},  // 6
    {"TECH_WRITING", 55, 0},  // 7
    {"TECH_TRAPPING", 55, 0},  // 8
    {"TECH_THE_WHEEL", 55, 0},  // 9
    {"TECH_MASONRY", 55, 0},  // 10
    {"TECH_BRONZE_WORKING", 55, 0},  // 11
    {"TECH_OPTICS", 85, 1},  // 12
    {"TECH_PHILOSOPHY", 105, 1},  // 13
    {"TECH_HORSEBACK_RIDING", 105, 1},  // 14
    {"TECH_MATHEMATICS", 105, 1},  // 15
    {"TECH_CONSTRUCTION", 105, 1},  // 16
    {"TECH_IRON_WORKING", 105, 1},  // 17
    {"TECH_THEOLOGY", 275, 2},  // 18
    {"TECH_CIVIL_SERVICE", 275, 2},  // 19
    {"TECH_CURRENCY", 275, 2},  // 20
    {"TECH_ENGINEERING", 275, 2},  // 21
    {"TECH_METAL_CASTING", 275, 2},  // 22
    {"TECH_COMPASS", 375, 2},  // 23
    {"TECH_EDUCATION", 485, 2},  // 24
    {"TECH_CHIVALRY", 485, 2},  // 25
    {"TECH_MACHINERY", 485, 2},  // 26
    {"TECH_PHYSICS", 485, 2},  // 27
    {"TECH_STEEL", 485, 2},  // 28
    {"TECH_ASTRONOMY", 780, 3},  // 29
    {"TECH_ACOUSTICS", 780, 3},  // 30
    {"TECH_BANKING", 780, 3},  // 31
    {"TECH_PRINTING_PRESS", 780, 3},  // 32
    {"TECH_GUNPOWDER", 780, 3},  // 33
    {"TECH_NAVIGATION", 1150, 3},  // 34
    {"TECH_ECONOMICS", 1150, 3},  // 35
    {"TECH_CHEMISTRY", 1150, 3},  // 36
    {"TECH_METALLURGY", 1150, 3},  // 37
    {"TECH_ARCHAEOLOGY", 1600, 3},  // 38
    {"TECH_SCIENTIFIC_THEORY", 1600, 3},  // 39
    {"TECH_MILITARY_SCIENCE", 1600, 3},  // 40
    {"TECH_FERTILIZER", 1600, 3},  // 41
    {"TECH_RIFLING", 1600, 3},  // 42
    {"TECH_BIOLOGY", 2350, 4},  // 43
    {"TECH_STEAM_POWER", 2350, 4},  // 44
    {"TECH_ELECTRICITY", 3100, 4},  // 45
    {"TECH_REPLACEABLE_PARTS", 3100, 4},  // 46
    {"TECH_RAILROAD", 3100, 4},  // 47
    {"TECH_DYNAMITE", 2350, 4},  // 48
    {"TECH_REFRIGERATION", 4100, 4},  // 49
    {"TECH_TELEGRAPH", 4100, 4},  // 50
    {"TECH_RADIO", 4100, 4},  // 51
    {"TECH_FLIGHT", 4100, 4},  // 52
    {"TECH_COMBUSTION", 4100, 4},  // 53
    {"TECH_PLASTIC", 5100, 5},  // 54
    {"TECH_PENICILIN", 5100, 5},  // 55
    {"TECH_ELECTRONICS", 5100, 5},  // 56
    {"TECH_MASS_MEDIA", 5100, 5},  // 57
    {"TECH_RADAR", 5100, 5},  // 58
    {"TECH_ATOMIC_THEORY", 5100, 5},  // 59
    {"TECH_ECOLOGY", 6400, 5},  // 60
    {"TECH_COMPUTERS", 6400, 5},  // 61
    {"TECH_ROCKETRY", 6400, 5},  // 62
    {"TECH_LASERS", 6400, 5},  // 63
    {"TECH_NUCLEAR_FISSION", 6400, 5},  // 64
    {"TECH_GLOBALIZATION", 9500, 5},  // 65
    {"TECH_ROBOTICS", 7700, 5},  // 66
    {"TECH_SATELLITES", 7700, 5},  // 67
    {"TECH_STEALTH", 7700, 5},  // 68
    {"TECH_ADVANCED_BALLISTICS", 7700, 5},  // 69
    {"TECH_PARTICLE_PHYSICS", 8800, 6},  // 70
    {"TECH_NUCLEAR_FUSION", 8800, 6},  // 71
    {"TECH_NANOTECHNOLOGY", 9500, 6},  // 72
    {"TECH_FUTURE_TECH", 9500, 6},  // 73
};
static_assert(std::size(kTechsBase) == 74);

}  // namespace

std::span<const TTechInfoRec> TechTableQEL() { return kTechsQEL; }
std::span<const TTechInfoRec> TechTableExpansion1() { return kTechsExpansion1; }
std::span<const TTechInfoRec> TechTableBase() { return kTechsBase; }

}  // namespace orv5

// Buildings of the first expansion and of the base game: {Key, Cost, Kind, GPKind, GPPoints,
// RusName}. Their numbering follows the QEL table up to the buildings each version lacks; the
// rest are placeholders, so a number from the save always names a row. Some wonders give other
// great-person points or cost differently in the older versions.
#include <iterator>

#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr TBuildingInfoRec kBuildingsExpansion1[] = {
    {"BUILDING_COURTHOUSE", 100, 1, 0, 0, ""},  // 0
    {"BUILDING_FLOATING_GARDENS", 75, 1, 0, 0, ""},  // 1
    {"BUILDING_MUGHAL_FORT", 150, 1, 0, 0, ""},  // 2
    {"BUILDING_KREPOST", 75, 1, 0, 0, ""},  // 3
    {"BUILDING_LONGHOUSE", 100, 1, 0, 0, ""},  // 4
    {"BUILDING_BAZAAR", 100, 1, 0, 0, ""},  // 5
    {"BUILDING_SATRAPS_COURT", 200, 1, 0, 0, ""},  // 6
    {"BUILDING_PAPER_MAKER", 75, 1, 0, 0, ""},  // 7
    {"BUILDING_WAT", 160, 1, 0, 0, ""},  // 8
    {"BUILDING_MUD_PYRAMID_MOSQUE", 100, 1, 0, 0, ""},  // 9
    {"BUILDING_BURIAL_TOMB", 100, 1, 0, 0, ""},  // 10
    {"BUILDING_SEAPORT", 250, 1, 0, 0, ""},  // 11
    {"BUILDING_STABLE", 100, 1, 0, 0, ""},  // 12
    {"BUILDING_WATERMILL", 75, 1, 0, 0, ""},  // 13
    {"BUILDING_CIRCUS", 75, 1, 0, 0, ""},  // 14
    {"BUILDING_FORGE", 120, 1, 0, 0, ""},  // 15
    {"BUILDING_WINDMILL", 250, 1, 0, 0, ""},  // 16
    {"BUILDING_HYDRO_PLANT", 360, 1, 0, 0, ""},  // 17
    {"BUILDING_SOLAR_PLANT", 500, 1, 0, 0, ""},  // 18
    {"BUILDING_MINT", 100, 1, 0, 0, ""},  // 19
    {"BUILDING_OBSERVATORY", 200, 1, 0, 0, ""},  // 20
    {"BUILDING_MONASTERY", -1, 1, 0, 0, ""},  // 21
    {"BUILDING_GARDEN", 120, 1, 0, 0, ""},  // 22
    {"BUILDING_LIGHTHOUSE", 75, 1, 0, 0, ""},  // 23
    {"BUILDING_HARBOR", 120, 1, 0, 0, ""},  // 24
    {"BUILDING_COLOSSEUM", 100, 1, 0, 0, ""},  // 25
    {"BUILDING_THEATRE", 200, 1, 0, 0, ""},  // 26
    {"BUILDING_STADIUM", 500, 1, 0, 0, ""},  // 27
    {"BUILDING_MONUMENT", 40, 1, 0, 0, ""},  // 28
    {"BUILDING_TEMPLE", 100, 1, 0, 0, ""},  // 29
    {"BUILDING_OPERA_HOUSE", 200, 1, 0, 0, ""},  // 30
    {"BUILDING_MUSEUM", 300, 1, 0, 0, ""},  // 31
    {"BUILDING_BROADCAST_TOWER", 500, 1, 0, 0, ""},  // 32
    {"BUILDING_BARRACKS", 75, 1, 0, 0, ""},  // 33
    {"BUILDING_ARMORY", 160, 1, 0, 0, ""},  // 34
    {"BUILDING_MILITARY_ACADEMY", 300, 1, 0, 0, ""},  // 35
    {"BUILDING_ARSENAL", 300, 1, 0, 0, ""},  // 36
    {"BUILDING_WALLS", 75, 1, 0, 0, ""},  // 37
    {"BUILDING_CASTLE", 160, 1, 0, 0, ""},  // 38
    {"BUILDING_MILITARY_BASE", 500, 1, 0, 0, ""},  // 39
    {"BUILDING_GRANARY", 60, 1, 0, 0, ""},  // 40
    {"BUILDING_HOSPITAL", 360, 1, 0, 0, ""},  // 41
    {"BUILDING_MEDICAL_LAB", 500, 1, 0, 0, ""},  // 42
    {"BUILDING_WORKSHOP", 120, 1, 0, 0, ""},  // 43
    {"BUILDING_FACTORY", 360, 1, 0, 0, ""},  // 44
    {"BUILDING_NUCLEAR_PLANT", 500, 1, 0, 0, ""},  // 45
    {"BUILDING_SPACESHIP_FACTORY", 360, 1, 0, 0, ""},  // 46
    {"BUILDING_MARKET", 100, 1, 0, 0, ""},  // 47
    {"BUILDING_BANK", 200, 1, 0, 0, ""},  // 48
    {"BUILDING_STOCK_EXCHANGE", 360, 1, 0, 0, ""},  // 49
    {"BUILDING_LIBRARY", 75, 1, 0, 0, ""},  // 50
    {"BUILDING_UNIVERSITY", 160, 1, 0, 0, ""},  // 51
    {"BUILDING_PUBLIC_SCHOOL", 300, 1, 0, 0, ""},  // 52
    {"BUILDING_LABORATORY", 500, 1, 0, 0, ""},  // 53
    {"BUILDING_PALACE", 0, 0, 0, 0, ""},  // 54
    {"BUILDING_HEROIC_EPIC", 125, 2, 0, 0, "Героический  Эпос"},  // 55
    {"BUILDING_NATIONAL_COLLEGE", 125, 2, 0, 0, "Национальный Колледж"},  // 56
    {"BUILDING_NATIONAL_EPIC", 125, 2, 0, 0, "Национальный Эпос"},  // 57
    {"BUILDING_CIRCUS_MAXIMUS", 125, 2, 0, 0, "Большой Цирк"},  // 58
    {"BUILDING_NATIONAL_TREASURY", 125, 2, 0, 0, "Государственная Казна"},  // 59
    {"BUILDING_IRONWORKS", 125, 2, 0, 0, "Литейный Завод"},  // 60
    {"BUILDING_OXFORD_UNIVERSITY", 125, 2, 0, 0, "Оксфорд"},  // 61
    {"BUILDING_HERMITAGE", 125, 2, 0, 0, "Эрмитаж"},  // 62
    {"BUILDING_GREAT_LIGHTHOUSE", 185, 3, 3, 1, "Фаросский маяк"},  // 63
    {"BUILDING_STONEHENGE", 185, 3, 4, 1, "Стоунхендж"},  // 64
    {"BUILDING_GREAT_LIBRARY", 185, 3, 2, 1, "Великая Библиотека"},  // 65
    {"BUILDING_PYRAMID", 185, 3, 4, 1, "Пирамиды"},  // 66
    {"BUILDING_COLOSSUS", 185, 3, 3, 1, "Колосс Родосский"},  // 67
    {"BUILDING_ORACLE", 250, 3, 2, 1, "Оракул"},  // 68
    {"BUILDING_HANGING_GARDEN", 250, 3, 1, 1, "Висячие Сады"},  // 69
    {"BUILDING_GREAT_WALL", 250, 3, 4, 1, "Великая Стена"},  // 70
    {"BUILDING_ANGKOR_WAT", 400, 3, 4, 1, "Ангкор-Ват"},  // 71
    {"BUILDING_HAGIA_SOPHIA", 300, 3, 1, 1, "Собор Святой Софии"},  // 72
    {"BUILDING_CHICHEN_ITZA", 300, 3, 4, 1, "Чичен-Ица"},  // 73
    {"BUILDING_MACHU_PICHU", 300, 3, 3, 1, "Мачу-пикчу"},  // 74
    {"BUILDING_NOTRE_DAME", 400, 3, 3, 1, "Нотр-Дам"},  // 75
    {"BUILDING_PORCELAIN_TOWER", 625, 3, 2, 2, "Фарфоровая Пагода"},  // 76
    {"BUILDING_HIMEJI_CASTLE", 500, 3, 4, 2, "Замок Химедзи"},  // 77
    {"BUILDING_SISTINE_CHAPEL", 500, 3, 1, 2, "Сикстинская Капелла"},  // 78
    {"BUILDING_KREMLIN", 625, 3, 2, 1, "Кремль"},  // 79
    {"BUILDING_FORBIDDEN_PALACE", 500, 3, 1, 1, "Запретный город"},  // 80
    {"BUILDING_TAJ_MAHAL", 625, 3, 1, 2, "Тадж-Махал"},  // 81
    {"BUILDING_BIG_BEN", 750, 3, 3, 2, "Биг-Бен"},  // 82
    {"BUILDING_LOUVRE", 750, 3, 1, 2, "Лувр"},  // 83
    {"BUILDING_BRANDENBURG_GATE", 750, 3, 2, 2, "Бранденбургские Ворота"},  // 84
    {"BUILDING_STATUE_OF_LIBERTY", 1060, 3, 4, 2, "Статуя Свободы"},  // 85
    {"BUILDING_CRISTO_REDENTOR", 1250, 3, 1, 2, "Христос-Искупитель"},  // 86
    {"BUILDING_EIFFEL_TOWER", 1060, 3, 3, 2, "Эйфелева Башня"},  // 87
    {"BUILDING_PENTAGON", 1250, 3, 3, 2, "Пентагон"},  // 88
    {"BUILDING_UNITED_NATIONS", 1500, 3, 3, 2, "ООН"},  // 89
    {"BUILDING_SYDNEY_OPERA_HOUSE", 1250, 3, 1, 2, "Сиднейская Опера"},  // 90
    {"BUILDING_AQUEDUCT", 100, 1, 0, 0, ""},  // 91
    {"BUILDING_STONE_WORKS", 75, 1, 0, 0, ""},  // 92
    {"BUILDING_AMPHITHEATER", 100, 1, 0, 0, ""},  // 93
    {"BUILDING_SHRINE", 40, 1, 0, 0, ""},  // 94
    {"BUILDING_RECYCLING_CENTER", 500, 1, 0, 0, ""},  // 95
    {"BUILDING_BOMB_SHELTER", 300, 1, 0, 0, ""},  // 96
    {"BUILDING_CONSTABLE", 160, 1, 0, 0, ""},  // 97
    {"BUILDING_POLICE_STATION", 300, 1, 0, 0, ""},  // 98
    {"BUILDING_INTELLIGENCE_AGENCY", 125, 2, 0, 0, "ЦРУ"},  // 99
    {"BUILDING_ALHAMBRA", 400, 3, 1, 1, "Альгамбра"},  // 100
    {"BUILDING_CN_TOWER", 1250, 3, 3, 1, "Останкино"},  // 101
    {"BUILDING_HUBBLE", 1250, 3, 2, 1, "Телескоп Хаббл"},  // 102
    {"BUILDING_LEANING_TOWER", 500, 3, 1, 1, "Пизанская башня"},  // 103
    {"BUILDING_MOSQUE_OF_DJENNE", 300, 3, 4, 1, "Великая мечеть Дженне"},  // 104
    {"BUILDING_NEUSCHWANSTEIN", 1060, 3, 3, 1, "Нойшванштайн"},  // 105
    {"BUILDING_PETRA", 250, 3, 4, 1, "Петра"},  // 106
    {"BUILDING_TERRACOTTA_ARMY", 250, 3, 1, 1, "Терракотовая армия"},  // 107
    {"BUILDING_GREAT_FIREWALL", 1250, 3, 2, 1, "Золотой Щит"},  // 108
    {"BUILDING_CATHEDRAL", -1, 1, 0, 0, ""},  // 109
    {"BUILDING_MOSQUE", -1, 1, 0, 0, ""},  // 110
    {"BUILDING_PAGODA", -1, 1, 0, 0, ""},  // 111
    {"BUILDING_CEILIDH_HALL", 200, 1, 0, 0, ""},  // 112
    {"BUILDING_COFFEE_HOUSE", 250, 1, 0, 0, ""},  // 113
    {"BUILDING_STELE", 40, 1, 0, 0, ""},  // 114
    {"BUILDING_MAYA_PYRAMID", 40, 1, 0, 0, ""},  // 115
    {"BUILDING_GRAND_TEMPLE", 125, 2, 0, 0, "Великий Храм"},  // 116
    {"BUILDING_UNKNOWN_2", -1, -1, 0, 0, ""},  // 117
    {"BUILDING_UNKNOWN_3", -1, -1, 0, 0, ""},  // 118
    {"BUILDING_UNKNOWN_4", -1, -1, 0, 0, ""},  // 119
    {"BUILDING_UNKNOWN_5", -1, -1, 0, 0, ""},  // 120
    {"BUILDING_UNKNOWN_6", -1, -1, 0, 0, ""},  // 121
    {"BUILDING_UNKNOWN_7", -1, -1, 0, 0, ""},  // 122
    {"BUILDING_UNKNOWN_8", -1, -1, 0, 0, ""},  // 123
    {"BUILDING_UNKNOWN_9", -1, -1, 0, 0, ""},  // 124
    {"BUILDING_UNKNOWN_10", -1, -1, 0, 0, ""},  // 125
    {"BUILDING_UNKNOWN_11", -1, -1, 0, 0, ""},  // 126
    {"BUILDING_UNKNOWN_12", -1, -1, 0, 0, ""},  // 127
    {"BUILDING_UNKNOWN_13", -1, -1, 0, 0, ""},  // 128
    {"BUILDING_UNKNOWN_14", -1, -1, 0, 0, ""},  // 129
    {"BUILDING_UNKNOWN_15", -1, -1, 0, 0, ""},  // 130
    {"BUILDING_UNKNOWN_16", -1, -1, 0, 0, ""},  // 131
    {"BUILDING_UNKNOWN_17", -1, -1, 0, 0, ""},  // 132
    {"BUILDING_UNKNOWN_18", -1, -1, 0, 0, ""},  // 133
    {"BUILDING_UNKNOWN_19", -1, -1, 0, 0, ""},  // 134
    {"BUILDING_UNKNOWN_20", -1, -1, 0, 0, ""},  // 135
    {"BUILDING_UNKNOWN_21", -1, -1, 0, 0, ""},  // 136
    {"BUILDING_UNKNOWN_22", -1, -1, 0, 0, ""},  // 137
    {"BUILDING_UNKNOWN_23", -1, -1, 0, 0, ""},  // 138
    {"BUILDING_UNKNOWN_24", -1, -1, 0, 0, ""},  // 139
    {"BUILDING_UNKNOWN_25", -1, -1, 0, 0, ""},  // 140
    {"BUILDING_UNKNOWN_26", -1, -1, 0, 0, ""},  // 141
    {"BUILDING_UNKNOWN_27", -1, -1, 0, 0, ""},  // 142
    {"BUILDING_UNKNOWN_28", -1, -1, 0, 0, ""},  // 143
    {"BUILDING_UNKNOWN_29", -1, -1, 0, 0, ""},  // 144
    {"BUILDING_UNKNOWN_30", -1, -1, 0, 0, ""},  // 145
    {"BUILDING_UNKNOWN_31", -1, -1, 0, 0, ""},  // 146
    {"BUILDING_UNKNOWN_32", -1, -1, 0, 0, ""},  // 147
    {"BUILDING_UNKNOWN_33", -1, -1, 0, 0, ""},  // 148
    {"BUILDING_UNKNOWN_34", -1, -1, 0, 0, ""},  // 149
};
static_assert(std::size(kBuildingsExpansion1) == 150);

constexpr TBuildingInfoRec kBuildingsBase[] = {
    {"BUILDING_COURTHOUSE", 100, 1, 0, 0, ""},  // 0
    {"BUILDING_FLOATING_GARDENS", 75, 1, 0, 0, ""},  // 1
    {"BUILDING_MUGHAL_FORT", 150, 1, 0, 0, ""},  // 2
    {"BUILDING_KREPOST", 75, 1, 0, 0, ""},  // 3
    {"BUILDING_LONGHOUSE", 100, 1, 0, 0, ""},  // 4
    {"BUILDING_BAZAAR", 120, 1, 0, 0, ""},  // 5
    {"BUILDING_SATRAPS_COURT", 200, 1, 0, 0, ""},  // 6
    {"BUILDING_PAPER_MAKER", 75, 1, 0, 0, ""},  // 7
    {"BUILDING_WAT", 160, 1, 0, 0, ""},  // 8
    {"BUILDING_MUD_PYRAMID_MOSQUE", 100, 1, 0, 0, ""},  // 9
    {"BUILDING_BURIAL_TOMB", 100, 1, 0, 0, ""},  // 10
    {"BUILDING_SEAPORT", 250, 1, 0, 0, ""},  // 11
    {"BUILDING_STABLE", 100, 1, 0, 0, ""},  // 12
    {"BUILDING_WATERMILL", 75, 1, 0, 0, ""},  // 13
    {"BUILDING_CIRCUS", 75, 1, 0, 0, ""},  // 14
    {"BUILDING_FORGE", 120, 1, 0, 0, ""},  // 15
    {"BUILDING_WINDMILL", 250, 1, 0, 0, ""},  // 16
    {"BUILDING_HYDRO_PLANT", 500, 1, 0, 0, ""},  // 17
    {"BUILDING_SOLAR_PLANT", 360, 1, 0, 0, ""},  // 18
    {"BUILDING_MINT", 120, 1, 0, 0, ""},  // 19
    {"BUILDING_OBSERVATORY", 200, 1, 0, 0, ""},  // 20
    {"BUILDING_MONASTERY", 120, 1, 0, 0, ""},  // 21
    {"BUILDING_GARDEN", 120, 1, 0, 0, ""},  // 22
    {"BUILDING_LIGHTHOUSE", 75, 1, 0, 0, ""},  // 23
    {"BUILDING_HARBOR", 120, 1, 0, 0, ""},  // 24
    {"BUILDING_COLOSSEUM", 100, 1, 0, 0, ""},  // 25
    {"BUILDING_THEATRE", 200, 1, 0, 0, ""},  // 26
    {"BUILDING_STADIUM", 500, 1, 0, 0, ""},  // 27
    {"BUILDING_MONUMENT", 40, 1, 0, 0, ""},  // 28
    {"BUILDING_TEMPLE", 100, 1, 0, 0, ""},  // 29
    {"BUILDING_OPERA_HOUSE", 200, 1, 0, 0, ""},  // 30
    {"BUILDING_MUSEUM", 300, 1, 0, 0, ""},  // 31
    {"BUILDING_BROADCAST_TOWER", 500, 1, 0, 0, ""},  // 32
    {"BUILDING_BARRACKS", 75, 1, 0, 0, ""},  // 33
    {"BUILDING_ARMORY", 160, 1, 0, 0, ""},  // 34
    {"BUILDING_MILITARY_ACADEMY", 300, 1, 0, 0, ""},  // 35
    {"BUILDING_ARSENAL", 300, 1, 0, 0, ""},  // 36
    {"BUILDING_WALLS", 75, 1, 0, 0, ""},  // 37
    {"BUILDING_CASTLE", 160, 1, 0, 0, ""},  // 38
    {"BUILDING_MILITARY_BASE", 500, 1, 0, 0, ""},  // 39
    {"BUILDING_GRANARY", 60, 1, 0, 0, ""},  // 40
    {"BUILDING_HOSPITAL", 360, 1, 0, 0, ""},  // 41
    {"BUILDING_MEDICAL_LAB", 500, 1, 0, 0, ""},  // 42
    {"BUILDING_WORKSHOP", 120, 1, 0, 0, ""},  // 43
    {"BUILDING_FACTORY", 360, 1, 0, 0, ""},  // 44
    {"BUILDING_NUCLEAR_PLANT", 360, 1, 0, 0, ""},  // 45
    {"BUILDING_SPACESHIP_FACTORY", 360, 1, 0, 0, ""},  // 46
    {"BUILDING_MARKET", 120, 1, 0, 0, ""},  // 47
    {"BUILDING_BANK", 200, 1, 0, 0, ""},  // 48
    {"BUILDING_STOCK_EXCHANGE", 500, 1, 0, 0, ""},  // 49
    {"BUILDING_LIBRARY", 75, 1, 0, 0, ""},  // 50
    {"BUILDING_UNIVERSITY", 160, 1, 0, 0, ""},  // 51
    {"BUILDING_PUBLIC_SCHOOL", 300, 1, 0, 0, ""},  // 52
    {"BUILDING_LABORATORY", 500, 1, 0, 0, ""},  // 53
    {"BUILDING_PALACE", 0, 0, 0, 0, ""},  // 54
    {"BUILDING_HEROIC_EPIC", 125, 2, 0, 0, "Героический  Эпос"},  // 55
    {"BUILDING_NATIONAL_COLLEGE", 125, 2, 0, 0, "Национальный Колледж"},  // 56
    {"BUILDING_NATIONAL_EPIC", 125, 2, 0, 0, "Национальный Эпос"},  // 57
    {"BUILDING_CIRCUS_MAXIMUS", 125, 2, 0, 0, "Большой Цирк"},  // 58
    {"BUILDING_NATIONAL_TREASURY", 125, 2, 0, 0, "Государственная Казна"},  // 59
    {"BUILDING_IRONWORKS", 125, 2, 0, 0, "Литейный Завод"},  // 60
    {"BUILDING_OXFORD_UNIVERSITY", 125, 2, 0, 0, "Оксфорд"},  // 61
    {"BUILDING_HERMITAGE", 125, 2, 0, 0, "Эрмитаж"},  // 62
    {"BUILDING_GREAT_LIGHTHOUSE", 185, 3, 3, 1, "Фаросский маяк"},  // 63
    {"BUILDING_STONEHENGE", 185, 3, 4, 1, "Стоунхендж"},  // 64
    {"BUILDING_GREAT_LIBRARY", 185, 3, 2, 1, "Великая Библиотека"},  // 65
    {"BUILDING_PYRAMID", 185, 3, 4, 1, "Пирамиды"},  // 66
    {"BUILDING_COLOSSUS", 185, 3, 3, 1, "Колосс Родосский"},  // 67
    {"BUILDING_ORACLE", 250, 3, 2, 1, "Оракул"},  // 68
    {"BUILDING_HANGING_GARDEN", 250, 3, 1, 1, "Висячие Сады"},  // 69
    {"BUILDING_GREAT_WALL", 250, 3, 4, 1, "Великая Стена"},  // 70
    {"BUILDING_ANGKOR_WAT", 300, 3, 4, 1, "Ангкор-Ват"},  // 71
    {"BUILDING_HAGIA_SOPHIA", 300, 3, 1, 1, "Собор Святой Софии"},  // 72
    {"BUILDING_CHICHEN_ITZA", 300, 3, 4, 1, "Чичен-Ица"},  // 73
    {"BUILDING_MACHU_PICHU", 300, 3, 3, 1, "Мачу-пикчу"},  // 74
    {"BUILDING_NOTRE_DAME", 400, 3, 3, 1, "Нотр-Дам"},  // 75
    {"BUILDING_PORCELAIN_TOWER", 400, 3, 2, 2, "Фарфоровая Пагода"},  // 76
    {"BUILDING_HIMEJI_CASTLE", 400, 3, 4, 2, "Замок Химедзи"},  // 77
    {"BUILDING_SISTINE_CHAPEL", 500, 3, 1, 2, "Сикстинская Капелла"},  // 78
    {"BUILDING_KREMLIN", 500, 3, 2, 1, "Кремль"},  // 79
    {"BUILDING_FORBIDDEN_PALACE", 500, 3, 1, 1, "Запретный город"},  // 80
    {"BUILDING_TAJ_MAHAL", 500, 3, 1, 2, "Тадж-Махал"},  // 81
    {"BUILDING_BIG_BEN", 625, 3, 3, 2, "Биг-Бен"},  // 82
    {"BUILDING_LOUVRE", 750, 3, 1, 2, "Лувр"},  // 83
    {"BUILDING_BRANDENBURG_GATE", 750, 3, 2, 2, "Бранденбургские Ворота"},  // 84
    {"BUILDING_STATUE_OF_LIBERTY", 1060, 3, 4, 2, "Статуя Свободы"},  // 85
    {"BUILDING_CRISTO_REDENTOR", 1250, 3, 1, 2, "Христос-Искупитель"},  // 86
    {"BUILDING_EIFFEL_TOWER", 1250, 3, 3, 2, "Эйфелева Башня"},  // 87
    {"BUILDING_PENTAGON", 1250, 3, 3, 2, "Пентагон"},  // 88
    {"BUILDING_UNITED_NATIONS", 1500, 3, 3, 2, "ООН"},  // 89
    {"BUILDING_SYDNEY_OPERA_HOUSE", 1250, 3, 1, 2, "Сиднейская Опера"},  // 90
    {"BUILDING_AQUEDUCT", 100, 1, 0, 0, ""},  // 91
    {"BUILDING_STONE_WORKS", 75, 1, 0, 0, ""},  // 92
    {"BUILDING_UNKNOWN_1", -1, -1, 0, 0, ""},  // 93
    {"BUILDING_UNKNOWN_2", -1, -1, 0, 0, ""},  // 94
    {"BUILDING_UNKNOWN_3", -1, -1, 0, 0, ""},  // 95
    {"BUILDING_UNKNOWN_4", -1, -1, 0, 0, ""},  // 96
    {"BUILDING_UNKNOWN_5", -1, -1, 0, 0, ""},  // 97
    {"BUILDING_UNKNOWN_6", -1, -1, 0, 0, ""},  // 98
    {"BUILDING_UNKNOWN_7", -1, -1, 0, 0, ""},  // 99
    {"BUILDING_UNKNOWN_8", -1, -1, 0, 0, ""},  // 100
    {"BUILDING_UNKNOWN_9", -1, -1, 0, 0, ""},  // 101
    {"BUILDING_UNKNOWN_10", -1, -1, 0, 0, ""},  // 102
    {"BUILDING_UNKNOWN_11", -1, -1, 0, 0, ""},  // 103
    {"BUILDING_UNKNOWN_12", -1, -1, 0, 0, ""},  // 104
    {"BUILDING_UNKNOWN_13", -1, -1, 0, 0, ""},  // 105
    {"BUILDING_UNKNOWN_14", -1, -1, 0, 0, ""},  // 106
    {"BUILDING_UNKNOWN_15", -1, -1, 0, 0, ""},  // 107
    {"BUILDING_UNKNOWN_16", -1, -1, 0, 0, ""},  // 108
    {"BUILDING_UNKNOWN_17", -1, -1, 0, 0, ""},  // 109
    {"BUILDING_UNKNOWN_18", -1, -1, 0, 0, ""},  // 110
    {"BUILDING_UNKNOWN_19", -1, -1, 0, 0, ""},  // 111
    {"BUILDING_UNKNOWN_20", -1, -1, 0, 0, ""},  // 112
    {"BUILDING_UNKNOWN_21", -1, -1, 0, 0, ""},  // 113
    {"BUILDING_UNKNOWN_22", -1, -1, 0, 0, ""},  // 114
    {"BUILDING_UNKNOWN_23", -1, -1, 0, 0, ""},  // 115
    {"BUILDING_UNKNOWN_24", -1, -1, 0, 0, ""},  // 116
    {"BUILDING_UNKNOWN_25", -1, -1, 0, 0, ""},  // 117
    {"BUILDING_UNKNOWN_26", -1, -1, 0, 0, ""},  // 118
    {"BUILDING_UNKNOWN_27", -1, -1, 0, 0, ""},  // 119
    {"BUILDING_UNKNOWN_28", -1, -1, 0, 0, ""},  // 120
    {"BUILDING_UNKNOWN_29", -1, -1, 0, 0, ""},  // 121
    {"BUILDING_UNKNOWN_30", -1, -1, 0, 0, ""},  // 122
    {"BUILDING_UNKNOWN_31", -1, -1, 0, 0, ""},  // 123
    {"BUILDING_UNKNOWN_32", -1, -1, 0, 0, ""},  // 124
    {"BUILDING_UNKNOWN_33", -1, -1, 0, 0, ""},  // 125
    {"BUILDING_UNKNOWN_34", -1, -1, 0, 0, ""},  // 126
    {"BUILDING_UNKNOWN_35", -1, -1, 0, 0, ""},  // 127
    {"BUILDING_UNKNOWN_36", -1, -1, 0, 0, ""},  // 128
    {"BUILDING_UNKNOWN_37", -1, -1, 0, 0, ""},  // 129
    {"BUILDING_UNKNOWN_38", -1, -1, 0, 0, ""},  // 130
    {"BUILDING_UNKNOWN_39", -1, -1, 0, 0, ""},  // 131
    {"BUILDING_UNKNOWN_40", -1, -1, 0, 0, ""},  // 132
    {"BUILDING_UNKNOWN_41", -1, -1, 0, 0, ""},  // 133
    {"BUILDING_UNKNOWN_42", -1, -1, 0, 0, ""},  // 134
    {"BUILDING_UNKNOWN_43", -1, -1, 0, 0, ""},  // 135
    {"BUILDING_UNKNOWN_44", -1, -1, 0, 0, ""},  // 136
    {"BUILDING_UNKNOWN_45", -1, -1, 0, 0, ""},  // 137
    {"BUILDING_UNKNOWN_46", -1, -1, 0, 0, ""},  // 138
    {"BUILDING_UNKNOWN_47", -1, -1, 0, 0, ""},  // 139
    {"BUILDING_UNKNOWN_48", -1, -1, 0, 0, ""},  // 140
    {"BUILDING_UNKNOWN_49", -1, -1, 0, 0, ""},  // 141
    {"BUILDING_UNKNOWN_50", -1, -1, 0, 0, ""},  // 142
    {"BUILDING_UNKNOWN_51", -1, -1, 0, 0, ""},  // 143
    {"BUILDING_UNKNOWN_52", -1, -1, 0, 0, ""},  // 144
    {"BUILDING_UNKNOWN_53", -1, -1, 0, 0, ""},  // 145
    {"BUILDING_UNKNOWN_54", -1, -1, 0, 0, ""},  // 146
    {"BUILDING_UNKNOWN_55", -1, -1, 0, 0, ""},  // 147
    {"BUILDING_UNKNOWN_56", -1, -1, 0, 0, ""},  // 148
    {"BUILDING_UNKNOWN_57", -1, -1, 0, 0, ""},  // 149
};
static_assert(std::size(kBuildingsBase) == 150);

}  // namespace

std::span<const TBuildingInfoRec> BuildingTableExpansion1() { return kBuildingsExpansion1; }
std::span<const TBuildingInfoRec> BuildingTableBase() { return kBuildingsBase; }

}  // namespace orv5

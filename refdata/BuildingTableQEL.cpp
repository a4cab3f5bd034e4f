// Buildings as QEL saves number them: {Hash, Key, Cost, Kind, GPKind, GPPoints, RusName}.
// Hash 0 marks rows without a stored hash; the lookups that hash the key at run time still find
// them.
#include <iterator>

#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr TBuildingInfoRecQEL kBuildingsQEL[] = {
    {-2112120196, "BUILDING_COURTHOUSE", 100, 1, 0, 0, ""},  // 0
    {1085344638, "BUILDING_FLOATING_GARDENS", 75, 1, 0, 0, ""},  // 1
    {-1543205283, "BUILDING_MUGHAL_FORT", 150, 1, 0, 0, ""},  // 2
    {1035472730, "BUILDING_KREPOST", 75, 1, 0, 0, ""},  // 3
    {1911381909, "BUILDING_LONGHOUSE", 100, 1, 0, 0, ""},  // 4
    {-1664114115, "BUILDING_BAZAAR", 100, 1, 0, 0, ""},  // 5
    {164976948, "BUILDING_SATRAPS_COURT", 200, 1, 0, 0, ""},  // 6
    {65904424, "BUILDING_PAPER_MAKER", 75, 1, 0, 0, ""},  // 7
    {-676437392, "BUILDING_WAT", 160, 1, 0, 0, ""},  // 8
    {-586897569, "BUILDING_MUD_PYRAMID_MOSQUE", 100, 1, 0, 0, ""},  // 9
    {-559982112, "BUILDING_BURIAL_TOMB", 100, 1, 0, 0, ""},  // 10
    {-1681819567, "BUILDING_SEAPORT", 250, 1, 0, 0, ""},  // 11
    {1332149948, "BUILDING_STABLE", 100, 1, 0, 0, ""},  // 12
    {-445163514, "BUILDING_WATERMILL", 75, 1, 0, 0, ""},  // 13
    {-126213861, "BUILDING_CIRCUS", 75, 1, 0, 0, ""},  // 14
    {-1931511998, "BUILDING_FORGE", 120, 1, 0, 0, ""},  // 15
    {2082494203, "BUILDING_WINDMILL", 250, 1, 0, 0, ""},  // 16
    {-807346371, "BUILDING_HYDRO_PLANT", 360, 1, 0, 0, ""},  // 17
    {660735171, "BUILDING_SOLAR_PLANT", 500, 1, 0, 0, ""},  // 18
    {-1118939605, "BUILDING_MINT", 100, 1, 0, 0, ""},  // 19
    {-63322555, "BUILDING_OBSERVATORY", 200, 1, 0, 0, ""},  // 20
    {836440248, "BUILDING_MONASTERY", -1, 1, 0, 0, ""},  // 21
    {2131771585, "BUILDING_GARDEN", 120, 1, 0, 0, ""},  // 22
    {-46510675, "BUILDING_LIGHTHOUSE", 75, 1, 0, 0, ""},  // 23
    {1680161379, "BUILDING_HARBOR", 120, 1, 0, 0, ""},  // 24
    {-1665089168, "BUILDING_COLOSSEUM", 100, 1, 0, 0, ""},  // 25
    {-2061586600, "BUILDING_THEATRE", 200, 1, 0, 0, ""},  // 26
    {-1550374126, "BUILDING_STADIUM", 500, 1, 0, 0, ""},  // 27
    {-2025065568, "BUILDING_MONUMENT", 40, 1, 0, 0, ""},  // 28
    {1519892624, "BUILDING_TEMPLE", 100, 1, 0, 0, ""},  // 29
    {-1856193915, "BUILDING_OPERA_HOUSE", 200, 1, 0, 0, ""},  // 30
    {559815772, "BUILDING_MUSEUM", 300, 1, 0, 0, ""},  // 31
    {978957038, "BUILDING_BROADCAST_TOWER", 500, 1, 0, 0, ""},  // 32
    {1697130061, "BUILDING_BARRACKS", 75, 1, 0, 0, ""},  // 33
    {209119223, "BUILDING_ARMORY", 160, 1, 0, 0, ""},  // 34
    {779924096, "BUILDING_MILITARY_ACADEMY", 300, 1, 0, 0, ""},  // 35
    {2079659817, "BUILDING_ARSENAL", 300, 1, 0, 0, ""},  // 36
    {806902947, "BUILDING_WALLS", 75, 1, 0, 0, ""},  // 37
    {101426179, "BUILDING_CASTLE", 160, 1, 0, 0, ""},  // 38
    {-1814709166, "BUILDING_MILITARY_BASE", 500, 1, 0, 0, ""},  // 39
    {-764771404, "BUILDING_GRANARY", 60, 1, 0, 0, ""},  // 40
    {-1099843208, "BUILDING_HOSPITAL", 360, 1, 0, 0, ""},  // 41
    {-1063219516, "BUILDING_MEDICAL_LAB", 500, 1, 0, 0, ""},  // 42
    {1738306535, "BUILDING_WORKSHOP", 120, 1, 0, 0, ""},  // 43
    {-1096470108, "BUILDING_FACTORY", 360, 1, 0, 0, ""},  // 44
    {-932358592, "BUILDING_NUCLEAR_PLANT", 500, 1, 0, 0, ""},  // 45
    {3267653, "BUILDING_SPACESHIP_FACTORY", 360, 1, 0, 0, ""},  // 46
    {683007456, "BUILDING_MARKET", 100, 1, 0, 0, ""},  // 47
    {1714821680, "BUILDING_BANK", 200, 1, 0, 0, ""},  // 48
    {850496935, "BUILDING_STOCK_EXCHANGE", 360, 1, 0, 0, ""},  // 49
    {-468469791, "BUILDING_LIBRARY", 75, 1, 0, 0, ""},  // 50
    {-689809087, "BUILDING_UNIVERSITY", 160, 1, 0, 0, ""},  // 51
    {1573750816, "BUILDING_PUBLIC_SCHOOL", 300, 1, 0, 0, ""},  // 52
    {-1956657915, "BUILDING_LABORATORY", 500, 1, 0, 0, ""},  // 53
    {373747371, "BUILDING_PALACE", 0, 0, 0, 0, ""},  // 54
    {-201567076, "BUILDING_HEROIC_EPIC", 125, 2, 0, 0, "Героический  Эпос"},  // 55
    {1795023239, "BUILDING_NATIONAL_COLLEGE", 125, 2, 0, 0, "Национальный Колледж"},  // 56
    {398718599, "BUILDING_NATIONAL_EPIC", 125, 2, 0, 0, "Национальный Эпос"},  // 57
    {1420501509, "BUILDING_CIRCUS_MAXIMUS", 125, 2, 0, 0, "Большой Цирк"},  // 58
    {-1581602372, "BUILDING_NATIONAL_TREASURY", 125, 2, 0, 0, "Государственная Казна"},  // 59
    {-863215742, "BUILDING_IRONWORKS", 125, 2, 0, 0, "Литейный Завод"},  // 60
    {-80930074, "BUILDING_OXFORD_UNIVERSITY", 125, 2, 0, 0, "Оксфорд"},  // 61
    {870179418, "BUILDING_HERMITAGE", 125, 2, 0, 0, "Эрмитаж"},  // 62
    {-11962071, "BUILDING_GREAT_LIGHTHOUSE", 185, 3, 3, 1, "Фаросский маяк"},  // 63
    {1607448319, "BUILDING_STONEHENGE", 185, 3, 4, 1, "Стоунхендж"},  // 64
    {619659844, "BUILDING_GREAT_LIBRARY", 185, 3, 2, 1, "Великая Библиотека"},  // 65
    {-1495436780, "BUILDING_PYRAMID", 185, 3, 4, 1, "Пирамиды"},  // 66
    {1785097965, "BUILDING_COLOSSUS", 185, 3, 3, 1, "Колосс Родосский"},  // 67
    {-1242520629, "BUILDING_ORACLE", 250, 3, 2, 1, "Оракул"},  // 68
    {-570558156, "BUILDING_HANGING_GARDEN", 250, 3, 0, 0, "Висячие Сады"},  // 69
    {339124524, "BUILDING_GREAT_WALL", 250, 3, 4, 1, "Великая Стена"},  // 70
    {1607802850, "BUILDING_ANGKOR_WAT", 400, 3, 4, 1, "Ангкор-Ват"},  // 71
    {1326556657, "BUILDING_HAGIA_SOPHIA", 300, 3, 0, 0, "Собор Святой Софии"},  // 72
    {-1801267032, "BUILDING_CHICHEN_ITZA", 300, 3, 4, 1, "Чичен-Ица"},  // 73
    {-713194875, "BUILDING_MACHU_PICHU", 300, 3, 3, 1, "Мачу-пикчу"},  // 74
    {-1184221044, "BUILDING_NOTRE_DAME", 400, 3, 3, 1, "Нотр-Дам"},  // 75
    {112583186, "BUILDING_PORCELAIN_TOWER", 625, 3, 2, 2, "Фарфоровая Пагода"},  // 76
    {-1040743304, "BUILDING_HIMEJI_CASTLE", 500, 3, 4, 2, "Замок Химедзи"},  // 77
    {1761531627, "BUILDING_SISTINE_CHAPEL", 500, 3, 0, 0, "Сикстинская Капелла"},  // 78
    {-792576544, "BUILDING_KREMLIN", 625, 3, 0, 0, "Кремль"},  // 79
    {-711668485, "BUILDING_FORBIDDEN_PALACE", 500, 3, 0, 0, "Запретный город"},  // 80
    {1432095036, "BUILDING_TAJ_MAHAL", 625, 3, 0, 0, "Тадж-Махал"},  // 81
    {179315737, "BUILDING_BIG_BEN", 750, 3, 3, 2, "Биг-Бен"},  // 82
    {-1161618214, "BUILDING_LOUVRE", 750, 3, 0, 0, "Лувр"},  // 83
    {1178974903, "BUILDING_BRANDENBURG_GATE", 750, 3, 2, 2, "Бранденбургские Ворота"},  // 84
    {169222544, "BUILDING_STATUE_OF_LIBERTY", 1060, 3, 0, 0, "Статуя Свободы"},  // 85
    {1781240358, "BUILDING_CRISTO_REDENTOR", 1250, 3, 0, 0, "Христос-Искупитель"},  // 86
    {-561798494, "BUILDING_EIFFEL_TOWER", 1060, 3, 3, 2, "Эйфелева Башня"},  // 87
    {1422787145, "BUILDING_PENTAGON", 1250, 3, 3, 2, "Пентагон"},  // 88
    {0, "BUILDING_UNITED_NATIONS", 1500, 3, 3, 2, "ООН"},  // 89
    {-1573911713, "BUILDING_SYDNEY_OPERA_HOUSE", 1250, 3, 0, 0, "Сиднейская Опера"},  // 90
    {980743697, "BUILDING_AQUEDUCT", 100, 1, 0, 0, ""},  // 91
    {-417399356, "BUILDING_STONE_WORKS", 75, 1, 0, 0, ""},  // 92
    {762987263, "BUILDING_AMPHITHEATER", 100, 1, 0, 0, ""},  // 93
    {-1766198995, "BUILDING_SHRINE", 40, 1, 0, 0, ""},  // 94
    {88169809, "BUILDING_RECYCLING_CENTER", 500, 1, 0, 0, ""},  // 95
    {-923830281, "BUILDING_BOMB_SHELTER", 300, 1, 0, 0, ""},  // 96
    {-1477482990, "BUILDING_CONSTABLE", 160, 1, 0, 0, ""},  // 97
    {1663727753, "BUILDING_POLICE_STATION", 300, 1, 0, 0, ""},  // 98
    {-1636955418, "BUILDING_INTELLIGENCE_AGENCY", 125, 2, 0, 0, "ЦРУ"},  // 99
    {751862046, "BUILDING_ALHAMBRA", 400, 3, 0, 0, "Альгамбра"},  // 100
    {2120274371, "BUILDING_CN_TOWER", 1250, 3, 3, 1, "Останкино"},  // 101
    {161647290, "BUILDING_HUBBLE", 1250, 3, 2, 1, "Телескоп Хаббл"},  // 102
    {122396616, "BUILDING_LEANING_TOWER", 500, 3, 0, 0, "Пизанская башня"},  // 103
    {1727619019, "BUILDING_MOSQUE_OF_DJENNE", 300, 3, 4, 1, "Великая мечеть Дженне"},  // 104
    {477296281, "BUILDING_NEUSCHWANSTEIN", 1060, 3, 3, 1, "Нойшванштайн"},  // 105
    {949463995, "BUILDING_PETRA", 250, 3, 4, 1, "Петра"},  // 106
    {-1823450052, "BUILDING_TERRACOTTA_ARMY", 250, 3, 0, 0, "Терракотовая армия"},  // 107
    {311345615, "BUILDING_GREAT_FIREWALL", 1250, 3, 2, 1, "Золотой Щит"},  // 108
    {-1563398559, "BUILDING_CATHEDRAL", -1, 1, 0, 0, ""},  // 109
    {519704801, "BUILDING_MOSQUE", -1, 1, 0, 0, ""},  // 110
    {-2081089922, "BUILDING_PAGODA", -1, 1, 0, 0, ""},  // 111
    {0, "BUILDING_CEILIDH_HALL", 200, 1, 0, 0, ""},  // 112
    {1967920687, "BUILDING_COFFEE_HOUSE", 250, 1, 0, 0, ""},  // 113
    {1499124496, "BUILDING_STELE", 40, 1, 0, 0, ""},  // 114
    {0, "BUILDING_MAYA_PYRAMID", 40, 1, 0, 0, ""},  // 115
    {-1226314129, "BUILDING_GRAND_TEMPLE", 125, 2, 0, 0, "Великий Храм"},  // 116
    {439687582, "BUILDING_TOURIST_CENTER", 400, 1, 0, 0, ""},  // 117
    {-919246745, "BUILDING_IKANDA", 75, 1, 0, 0, ""},  // 118
    {-182817943, "BUILDING_DUCAL_STABLE", 75, 1, 0, 0, ""},  // 119
    {-1400631814, "BUILDING_ROYAL_LIBRARY", 75, 1, 0, 0, ""},  // 120
    {-1824011523, "BUILDING_CANDI", 120, 1, 0, 0, ""},  // 121
    {-743323712, "BUILDING_WRITERS_GUILD", 100, 4, 0, 0, "Гильдия писателей"},  // 122
    {1775505199, "BUILDING_ARTISTS_GUILD", 150, 4, 0, 0, "Гильдия художников"},  // 123
    {350746521, "BUILDING_MUSICIANS_GUILD", 200, 4, 0, 0, "Гильдия музыкантов"},  // 124
    {2089316279, "BUILDING_HOTEL", 300, 1, 0, 0, ""},  // 125
    {1906336106, "BUILDING_CARAVANSARY", 120, 1, 0, 0, ""},  // 126
    {990042271, "BUILDING_AIRPORT", 400, 1, 0, 0, ""},  // 127
    {129234919, "BUILDING_UFFIZI", 625, 3, 0, 0, "Галерея Уффици"},  // 128
    {-1799827205, "BUILDING_GLOBE_THEATER", 500, 3, 0, 0, "Театр \"Глобус\""},  // 129
    {-1646418429, "BUILDING_BROADWAY", 1060, 3, 0, 0, "Бродвей"},  // 130
    {1365961508, "BUILDING_RED_FORT", 625, 3, 2, 1, "Красный форт"},  // 131
    {497966463, "BUILDING_PRORA_RESORT", 1060, 3, 0, 0, "Прорский колосс"},  // 132
    {1216066700, "BUILDING_BOROBUDUR", 300, 3, 0, 0, "Боробудур"},  // 133
    {96752237, "BUILDING_PARTHENON", 250, 3, 0, 0, "Парфенон"},  // 134
    {-1393103985, "BUILDING_INTERNATIONAL_SPACE_STATION", -1, 5, 0, 0, "МКС"},  // 135
    {-524789038, "BUILDING_WALLS_OF_BABYLON", 65, 1, 0, 0, "Ворота Иштар"},  // 136
    {-1649684288, "BUILDING_STATUE_ZEUS", 185, 3, 0, 0, "Статуя Зевса"},  // 137
    {-1423681175, "BUILDING_TEMPLE_ARTEMIS", 185, 3, 4, 1, "Храм Артемиды"},  // 138
    {-2122837324, "BUILDING_MAUSOLEUM_HALICARNASSUS", 185, 3, 3, 1, "Галикарнасский мавзолей"},  // 139
    {0, "BUILDING_HANSE", 200, 1, 0, 0, ""},  // 140
    {0, "BUILDING_UNKNOWN_02", -1, -1, 0, 0, ""},  // 141
    {0, "BUILDING_UNKNOWN_03", -1, -1, 0, 0, ""},  // 142
    {0, "BUILDING_UNKNOWN_04", -1, -1, 0, 0, ""},  // 143
    {0, "BUILDING_UNKNOWN_05", -1, -1, 0, 0, ""},  // 144
    {0, "BUILDING_UNKNOWN_06", -1, -1, 0, 0, ""},  // 145
    {0, "BUILDING_UNKNOWN_07", -1, -1, 0, 0, ""},  // 146
    {0, "BUILDING_UNKNOWN_08", -1, -1, 0, 0, ""},  // 147
    {0, "BUILDING_UNKNOWN_09", -1, -1, 0, 0, ""},  // 148
    {0, "BUILDING_UNKNOWN_10", -1, -1, 0, 0, ""},  // 149
};
static_assert(std::size(kBuildingsQEL) == 150);

}  // namespace

std::span<const TBuildingInfoRecQEL> BuildingTableQEL() { return kBuildingsQEL; }

}  // namespace orv5

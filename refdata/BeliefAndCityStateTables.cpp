// Religious beliefs {Key, Reserved, Hash, RusName} and city-states {Key, Trait}. The last row of
// each is what a failed search ends on.
#include <iterator>

#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr TBeliefInfoRec kBeliefs[] = {
    {"BELIEF_GODDESS_HUNT", 0, 2009895730, "Богиня охоты"},  // 0
    {"BELIEF_FERTILITY_RITES", 0, 1473516519, "Обряды плодородия"},  // 1
    {"BELIEF_GOD_CRAFTSMEN", 0, 1011258413, "Бог ремесленников"},  // 2
    {"BELIEF_GOD_SEA", 0, 1288721752, "Бог моря"},  // 3
    {"BELIEF_OPEN_SKY", 0, 192344630, "Бог открытого неба"},  // 4
    {"BELIEF_MESSENGER_GODS", 0, 376594874, "Посланник богов"},  // 5
    {"BELIEF_ONE_WITH_NATURE", 0, 1689666502, "Единение с природой"},  // 6
    {"BELIEF_FEED_WORLD", 0, 1062674815, "Накорми мир"},  // 7
    {"BELIEF_FORMAL_LITURGY", 0, 574402241, "Религиозные идолы"},  // 8
    {"BELIEF_STONE_CIRCLES", 0, -311158921, "Кромлехи"},  // 9
    {"BELIEF_GOD_WAR", 0, -1425311394, "Бог войны"},  // 10
    {"BELIEF_SWORD_PLOWSHARES", 0, -1253753084, "Мечи на орала"},  // 11
    {"BELIEF_GURUSHIP", 0, -1845003365, "Благословение гуру"},  // 12
    {"BELIEF_HOLY_WARRIORS", 0, -480423444, "Праведное воинство"},  // 13
    {"BELIEF_SACRED_WATERS", 0, 384367483, "Священные воды"},  // 14
    {"BELIEF_GODDESS_LOVE", 0, 28613224, "Богиня любви"},  // 15
    {"BELIEF_RELIGIOUS_SETTLEMENTS", 0, -1367245911, "Религиозные поселения"},  // 16
    {"BELIEF_GOD_FESTIVALS", 0, -1434432814, "Богиня празднеств"},  // 17
    {"BELIEF_ORAL_TRADITION", 0, -691063268, "Устное предание"},  // 18
    {"BELIEF_ANCESTOR_WORSHIP", 0, 280462891, "Культ предков"},  // 19
    {"BELIEF_DESERT_FOLKLORE", 0, -673844216, "Легенды пустыни"},  // 20
    {"BELIEF_SACRED_PATH", 0, 1763251781, "Священный путь"},  // 21
    {"BELIEF_GODDESS_STRATEGY", 0, -933604919, "Богиня защиты"},  // 22
    {"BELIEF_FAITH_HEALERS", 0, -114986245, "Целители"},  // 23
    {"BELIEF_MONUMENT_GODS", 0, 608989872, "Памятник богам"},  // 24
    {"BELIEF_RELIGIOUS_TEXTS", 0, 1968634311, "Религиозные тексты"},  // 25
    {"BELIEF_RELIQUARY", 0, 1215781017, "Реликварий"},  // 26
    {"BELIEF_PEACE_LOVING", 0, 456073110, "Миролюбие"},  // 27
    {"BELIEF_INTERFAITH_DIALOGUE", 0, -118893459, "Диалог между конфессиями"},  // 28
    {"BELIEF_CEREMONIAL_BURIAL", 0, 1341501799, "Ритуальное погребение"},  // 29
    {"BELIEF_CHURCH_PROPERTY", 0, 2004205429, "Церковная собственность"},  // 30
    {"BELIEF_TITHE", 0, -863483638, "Церковная десятина"},  // 31
    {"BELIEF_INITIATION_RITES", 0, -2108133645, "Обряды посвящения"},  // 32
    {"BELIEF_JUST_WAR", 0, -2075843442, "Справедливая война"},  // 33
    {"BELIEF_DEFENDER_FAITH", 0, -681459660, "Защитник веры"},  // 34
    {"BELIEF_ITINERANT_PREACHERS", 0, -1892169331, "Странствующие проповедники"},  // 35
    {"BELIEF_MESSIAH", 0, -584284580, "Мессия"},  // 36
    {"BELIEF_MISSIONARY_ZEAL", 0, 724858666, "Фанатичные проповедники"},  // 37
    {"BELIEF_HOLY_ORDER", 0, 1655242668, "Святой орден"},  // 38
    {"BELIEF_RELIGIOUS_UNITY", 0, 1644590895, "Религиозное единство"},  // 39
    {"BELIEF_CATHEDRALS", 0, 1240349685, "Соборы"},  // 40
    {"BELIEF_MOSQUES", 0, 764099405, "Мечети"},  // 41
    {"BELIEF_PAGODAS", 0, 1302772382, "Пагоды"},  // 42
    {"BELIEF_MONASTERIES", 0, -670740697, "Монастыри"},  // 43
    {"BELIEF_PEACE_GARDENS", 0, 157615647, "Сады мира"},  // 44
    {"BELIEF_CHORAL_MUSIC", 0, 1754889078, "Хоралы"},  // 45
    {"BELIEF_RELIGIOUS_ART", 0, 1332210006, "Религиозное искусство"},  // 46
    {"BELIEF_LITURGICAL_DRAMA", 0, 1992229190, "Литургическая драма"},  // 47
    {"BELIEF_ASCETISM", 0, -789789418, "Аскетизм"},  // 48
    {"BELIEF_RELIGIOUS_CENTER", 0, -148259195, "Религиозный центр"},  // 49
    {"BELIEF_PAPAL_PRIMACY", 0, -767802130, "Примат папы"},  // 50
    {"BELIEF_DANCE_AURORA", 0, 1205235306, "Танец Авроры"},  // 51
    {"BELIEF_RELIGIOUS_COMMUNITY", 0, -1828770006, "Религиозное сообщество"},  // 52
    {"BELIEF_DIVINE_INSPIRATION", 0, -1831745459, "Божественное вдохновение"},  // 53
    {"BELIEF_PILGRIMAGE", 0, -1633672016, "Паломничество"},  // 54
    {"BELIEF_WORLD_CHURCH", 0, 909358431, "Всемирная церковь"},  // 55
    {"BELIEF_CHARITABLE_MISSIONS", 0, 1003078529, "Благотворительные миссии"},  // 56
    {"BELIEF_EVANGELISM", 0, 586327085, "Евангелизм"},  // 57
    {"BELIEF_HEATHEN_CONVERSION", 0, 1918305328, "Обращение язычников"},  // 58
    {"BELIEF_JESUIT_EDUCATION", 0, -1719540987, "Иезуитское образование"},  // 59
    {"BELIEF_RELIGIOUS_FERVOR", 0, 1145109493, "Религиозное рвение"},  // 60
    {"BELIEF_SACRED_SITES", 0, -1022918603, "Священные места"},  // 61
    {"BELIEF_TO_GLORY_OF_GOD", 0, -1659561944, "Во славу Божью"},  // 62
    {"BELIEF_UNDERGROUND_SECT", 0, 1619611982, "Подпольная секта"},  // 63
    {"BELIEF_UNITY_OF_PROPHETS", 0, 1526665326, "Единство пророков"},  // 64
    {"BELIEF_TEARS_OF_GODS", 0, -304233096, "Слезы богов"},  // 65
    {"BELIEF_EARTH_MOTHER", 0, 1322170947, "Мать-земля"},  // 66
    {"BELIEF_GOD_KING", 0, -1771354245, "Божественный правитель"},  // 67
    {"BELIEF_SUN_GOD", 0, -1508457616, "Бог Солнца"},  // 68
    {"BELIEF_UNKNOWN", 0, 0, ""},  // 69
};
static_assert(std::size(kBeliefs) == 70);

constexpr TCSInfoRec kCityStatesQEL[] = {
    {"MINOR_CIV_BRATISLAVA", "MINOR_TRAIT_CULTURED"},  // 0
    {"MINOR_CIV_BUDAPEST", "MINOR_TRAIT_MILITARISTIC"},  // 1
    {"MINOR_CIV_GENEVA", "MINOR_TRAIT_RELIGIOUS"},  // 2
    {"MINOR_CIV_RIGA", "MINOR_TRAIT_MARITIME"},  // 3
    {"MINOR_CIV_GENOA", "MINOR_TRAIT_MERCANTILE"},  // 4
    {"MINOR_CIV_FLORENCE", "MINOR_TRAIT_CULTURED"},  // 5
    {"MINOR_CIV_RAGUSA", "MINOR_TRAIT_MARITIME"},  // 6
    {"MINOR_CIV_SYDNEY", "MINOR_TRAIT_MARITIME"},  // 7
    {"MINOR_CIV_QUEBEC_CITY", "MINOR_TRAIT_MARITIME"},  // 8
    {"MINOR_CIV_BUCHAREST", "MINOR_TRAIT_CULTURED"},  // 9
    {"MINOR_CIV_BELGRADE", "MINOR_TRAIT_MILITARISTIC"},  // 10
    {"MINOR_CIV_BRUSSELS", "MINOR_TRAIT_CULTURED"},  // 11
    {"MINOR_CIV_MONACO", "MINOR_TRAIT_CULTURED"},  // 12
    {"MINOR_CIV_KATHMANDU", "MINOR_TRAIT_RELIGIOUS"},  // 13
    {"MINOR_CIV_HANOI", "MINOR_TRAIT_MILITARISTIC"},  // 14
    {"MINOR_CIV_LHASA", "MINOR_TRAIT_RELIGIOUS"},  // 15
    {"MINOR_CIV_ALMATY", "MINOR_TRAIT_MILITARISTIC"},  // 16
    {"MINOR_CIV_KUALA_LUMPUR", "MINOR_TRAIT_CULTURED"},  // 17
    {"MINOR_CIV_SINGAPORE", "MINOR_TRAIT_MERCANTILE"},  // 18
    {"MINOR_CIV_PANAMA_CITY", "MINOR_TRAIT_MARITIME"},  // 19
    {"MINOR_CIV_CAPE_TOWN", "MINOR_TRAIT_MARITIME"},  // 20
    {"MINOR_CIV_SIDON", "MINOR_TRAIT_MILITARISTIC"},  // 21
    {"MINOR_CIV_TYRE", "MINOR_TRAIT_MERCANTILE"},  // 22
    {"MINOR_CIV_ANTWERP", "MINOR_TRAIT_MERCANTILE"},  // 23
    {"MINOR_CIV_CAHOKIA", "MINOR_TRAIT_MERCANTILE"},  // 24
    {"MINOR_CIV_COLOMBO", "MINOR_TRAIT_MERCANTILE"},  // 25
    {"MINOR_CIV_HONG_KONG", "MINOR_TRAIT_MERCANTILE"},  // 26
    {"MINOR_CIV_ORMUS", "MINOR_TRAIT_MARITIME"},  // 27
    {"MINOR_CIV_JERUSALEM", "MINOR_TRAIT_RELIGIOUS"},  // 28
    {"MINOR_CIV_LA_VENTA", "MINOR_TRAIT_RELIGIOUS"},  // 29
    {"MINOR_CIV_VANCOUVER", "MINOR_TRAIT_MARITIME"},  // 30
    {"MINOR_CIV_MANILA", "MINOR_TRAIT_MARITIME"},  // 31
    {"MINOR_CIV_ANTANANARIVO", "MINOR_TRAIT_MERCANTILE"},  // 32
    {"MINOR_CIV_MILAN", "MINOR_TRAIT_CULTURED"},  // 33
    {"MINOR_CIV_MOMBASA", "MINOR_TRAIT_MARITIME"},  // 34
    {"MINOR_CIV_PRAGUE", "MINOR_TRAIT_CULTURED"},  // 35
    {"MINOR_CIV_VALLETTA", "MINOR_TRAIT_MILITARISTIC"},  // 36
    {"MINOR_CIV_VATICAN_CITY", "MINOR_TRAIT_RELIGIOUS"},  // 37
    {"MINOR_CIV_WITTENBERG", "MINOR_TRAIT_RELIGIOUS"},  // 38
    {"MINOR_CIV_YEREVAN", "MINOR_TRAIT_CULTURED"},  // 39
    {"MINOR_CIV_ZANZIBAR", "MINOR_TRAIT_MERCANTILE"},  // 40
    {"MINOR_CIV_ZURICH", "MINOR_TRAIT_MERCANTILE"},  // 41
    {"MINOR_CIV_SAMARKAND", "MINOR_TRAIT_MERCANTILE"},  // 42
    {"MINOR_CIV_MALACCA", "MINOR_TRAIT_MERCANTILE"},  // 43
    {"MINOR_CIV_MOGADISHU", "MINOR_TRAIT_MARITIME"},  // 44
    {"MINOR_CIV_BYBLOS", "MINOR_TRAIT_MARITIME"},  // 45
    {"MINOR_CIV_KYZYL", "MINOR_TRAIT_CULTURED"},  // 46
    {"MINOR_CIV_IFE", "MINOR_TRAIT_RELIGIOUS"},  // 47
    {"MINOR_CIV_KIEV", "MINOR_TRAIT_CULTURED"},  // 48
    {"MINOR_CIV_BUENOS_AIRES", "MINOR_TRAIT_CULTURED"},  // 49
    {"MINOR_CIV_MBANZA_KONGO", "MINOR_TRAIT_MILITARISTIC"},  // 50
    {"MINOR_CIV_KABUL", "MINOR_TRAIT_CULTURED"},  // 51
    {"MINOR_CIV_SOFIA", "MINOR_TRAIT_MILITARISTIC"},  // 52
    {"MINOR_CIV_UR", "MINOR_TRAIT_MARITIME"},  // 53
    {"MINOR_CIV_MELBOURNE", "MINOR_TRAIT_MERCANTILE"},  // 54
    {"MINOR_CIV_BOGOTA", "MINOR_TRAIT_CULTURED"},  // 55
    {"MINOR_CIV_VILNIUS", "MINOR_TRAIT_MERCANTILE"},  // 56
    {"MINOR_CIV_WELLINGTON", "MINOR_TRAIT_MARITIME"},  // 57
    {"Unknown CS", "Unknown Trait"},  // 58
};
static_assert(std::size(kCityStatesQEL) == 59);

// The first expansion spells three keys without "CIV_"; the parser strips both prefixes.
constexpr TCSInfoRec kCityStatesExpansion1[] = {
    {"MINOR_CIV_WARSAW", "MINOR_TRAIT_CULTURED"},  // 0
    {"MINOR_CIV_BUDAPEST", "MINOR_TRAIT_MILITARISTIC"},  // 1
    {"MINOR_CIV_GENEVA", "MINOR_TRAIT_RELIGIOUS"},  // 2
    {"MINOR_CIV_VENICE", "MINOR_TRAIT_MARITIME"},  // 3
    {"MINOR_CIV_GENOA", "MINOR_TRAIT_MERCANTILE"},  // 4
    {"MINOR_CIV_FLORENCE", "MINOR_TRAIT_CULTURED"},  // 5
    {"MINOR_CIV_RAGUSA", "MINOR_TRAIT_MARITIME"},  // 6
    {"MINOR_CIV_SYDNEY", "MINOR_TRAIT_MARITIME"},  // 7
    {"MINOR_CIV_QUEBEC_CITY", "MINOR_TRAIT_MARITIME"},  // 8
    {"MINOR_CIV_BUCHAREST", "MINOR_TRAIT_CULTURED"},  // 9
    {"MINOR_CIV_BELGRADE", "MINOR_TRAIT_MILITARISTIC"},  // 10
    {"MINOR_CIV_BRUSSELS", "MINOR_TRAIT_CULTURED"},  // 11
    {"MINOR_CIV_MONACO", "MINOR_TRAIT_CULTURED"},  // 12
    {"MINOR_CIV_KATHMANDU", "MINOR_TRAIT_CULTURED"},  // 13
    {"MINOR_CIV_HANOI", "MINOR_TRAIT_MILITARISTIC"},  // 14
    {"MINOR_CIV_LHASA", "MINOR_TRAIT_RELIGIOUS"},  // 15
    {"MINOR_CIV_ALMATY", "MINOR_TRAIT_MILITARISTIC"},  // 16
    {"MINOR_CIV_KUALA_LUMPUR", "MINOR_TRAIT_CULTURED"},  // 17
    {"MINOR_CIV_SINGAPORE", "MINOR_TRAIT_MERCANTILE"},  // 18
    {"MINOR_CIV_RIO_DE_JANEIRO", "MINOR_TRAIT_MARITIME"},  // 19
    {"MINOR_CAPE_TOWN", "MINOR_TRAIT_MARITIME"},  // 20
    {"MINOR_SIDON", "MINOR_TRAIT_MILITARISTIC"},  // 21
    {"MINOR_TYRE", "MINOR_TRAIT_MERCANTILE"},  // 22
    {"MINOR_CIV_ANTWERP", "MINOR_TRAIT_MERCANTILE"},  // 23
    {"MINOR_CIV_CAHOKIA", "MINOR_TRAIT_MERCANTILE"},  // 24
    {"MINOR_CIV_COLOMBO", "MINOR_TRAIT_MERCANTILE"},  // 25
    {"MINOR_CIV_HONG_KONG", "MINOR_TRAIT_MERCANTILE"},  // 26
    {"MINOR_CIV_JAKARTA", "MINOR_TRAIT_MARITIME"},  // 27
    {"MINOR_CIV_JERUSALEM", "MINOR_TRAIT_RELIGIOUS"},  // 28
    {"MINOR_CIV_LA_VENTA", "MINOR_TRAIT_RELIGIOUS"},  // 29
    {"MINOR_CIV_LISBON", "MINOR_TRAIT_MARITIME"},  // 30
    {"MINOR_CIV_MANILA", "MINOR_TRAIT_MARITIME"},  // 31
    {"MINOR_CIV_MARRAKECH", "MINOR_TRAIT_MERCANTILE"},  // 32
    {"MINOR_CIV_MILAN", "MINOR_TRAIT_CULTURED"},  // 33
    {"MINOR_CIV_MOMBASA", "MINOR_TRAIT_MARITIME"},  // 34
    {"MINOR_CIV_PRAGUE", "MINOR_TRAIT_CULTURED"},  // 35
    {"MINOR_CIV_VALLETTA", "MINOR_TRAIT_MILITARISTIC"},  // 36
    {"MINOR_CIV_VATICAN_CITY", "MINOR_TRAIT_RELIGIOUS"},  // 37
    {"MINOR_CIV_WITTENBERG", "MINOR_TRAIT_RELIGIOUS"},  // 38
    {"MINOR_CIV_YEREVAN", "MINOR_TRAIT_CULTURED"},  // 39
    {"MINOR_CIV_ZANZIBAR", "MINOR_TRAIT_MERCANTILE"},  // 40
    {"MINOR_CIV_ZURICH", "MINOR_TRAIT_MERCANTILE"},  // 41
    {"Unknown CS", "Unknown Trait"},  // 42
};
static_assert(std::size(kCityStatesExpansion1) == 43);

}  // namespace

std::span<const TBeliefInfoRec> BeliefTable() { return kBeliefs; }
std::span<const TCSInfoRec> CityStateTableQEL() { return kCityStatesQEL; }
std::span<const TCSInfoRec> CityStateTableExpansion1() { return kCityStatesExpansion1; }

}  // namespace orv5

// Social policies: {Key, Branch, RusName}, by the row number the save uses.
// Branches: 0 Tradition, 1 Liberty, 2 Honor, 3 Piety, 4 Patronage, 5 Commerce, 6 Rationalism;
// then QEL: 7 Aesthetics, 8 Exploration, 9 Freedom, 10 Order, 11 Autocracy (ideologies);
// older: 7 Freedom, 8 Autocracy, 9 Order.
#include <iterator>

#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr TPolicyInfoRec kPoliciesQEL[] = {
    {"POLICY_LIBERTY", 1, "Воля"},  // 0
    {"POLICY_COLLECTIVE_RULE", 1, "Совместное Управление"},  // 1
    {"POLICY_CITIZENSHIP", 1, "Гражданство"},  // 2
    {"POLICY_REPUBLIC", 1, "Республика"},  // 3
    {"POLICY_REPRESENTATION", 1, "Представительство"},  // 4
    {"POLICY_MERITOCRACY", 1, "Меритократия"},  // 5
    {"POLICY_TRADITION", 0, "Традиции"},  // 6
    {"POLICY_ARISTOCRACY", 0, "Аристократия"},  // 7
    {"POLICY_OLIGARCHY", 0, "Олигархия"},  // 8
    {"POLICY_LEGALISM", 0, "Легализм"},  // 9
    {"POLICY_LANDED_ELITE", 0, "Землевладельческая Элита"},  // 10
    {"POLICY_MONARCHY", 0, "Монархия"},  // 11
    {"POLICY_HONOR", 2, "Честь"},  // 12
    {"POLICY_WARRIOR_CODE", 2, "Кодекс чести"},  // 13
    {"POLICY_DISCIPLINE", 2, "Дисциплина"},  // 14
    {"POLICY_MILITARY_TRADITION", 2, "Воинские традиции"},  // 15
    {"POLICY_MILITARY_CASTE", 2, "Каста воинов"},  // 16
    {"POLICY_PROFESSIONAL_ARMY", 2, "Профессиональная армия"},  // 17
    {"POLICY_PIETY", 3, "Набожность"},  // 18
    {"POLICY_ORGANIZED_RELIGION", 3, "Организованная религия"},  // 19
    {"POLICY_MANDATE_OF_HEAVEN", 3, "Небесный Мандат"},  // 20
    {"POLICY_THEOCRACY", 3, "Теократия"},  // 21
    {"POLICY_REFORMATION", 3, "Реформация"},  // 22
    {"POLICY_FREE_RELIGION", 3, "Веротерпимость"},  // 23
    {"POLICY_PATRONAGE", 4, "Патронаж"},  // 24
    {"POLICY_PHILANTHROPY", 4, "Благотворительность"},  // 25
    {"POLICY_CONSULATES", 4, "Консульства"},  // 26
    {"POLICY_SCHOLASTICISM", 4, "Схоластика"},  // 27
    {"POLICY_CULTURAL_DIPLOMACY", 4, "Культурная дипломатия"},  // 28
    {"POLICY_MERCHANT_CONFEDERACY", 4, "Федерация торговцев"},  // 29
    {"POLICY_COMMERCE", 5, "Коммерция"},  // 30
    {"POLICY_TRADE_UNIONS", 5, "Профсоюзы"},  // 31
    {"POLICY_ENTREPRENEURSHIP", 5, "Предпринимательство"},  // 32
    {"POLICY_MERCANTILISM", 5, "Меркантелизм"},  // 33
    {"POLICY_CARAVANS", 5, "Караваны фургонов"},  // 34
    {"POLICY_PROTECTIONISM", 5, "Протекционизм"},  // 35
    {"POLICY_RATIONALISM", 6, "Рационализм"},  // 36
    {"POLICY_SECULARISM", 6, "Секуляризм"},  // 37
    {"POLICY_HUMANISM", 6, "Гуманизм"},  // 38
    {"POLICY_FREE_THOUGHT", 6, "Свободомыслие"},  // 39
    {"POLICY_SOVEREIGNTY", 6, "Суверинитет"},  // 40
    {"POLICY_SCIENTIFIC_REVOLUTION", 6, "Научная революция"},  // 41
    {"POLICY_TRADITION_FINISHER", 0, "Традиции(вся)"},  // 42
    {"POLICY_LIBERTY_FINISHER", 1, "Воля(вся)"},  // 43
    {"POLICY_HONOR_FINISHER", 2, "Честь(вся)"},  // 44
    {"POLICY_PIETY_FINISHER", 3, "Набожность(вся)"},  // 45
    {"POLICY_PATRONAGE_FINISHER", 4, "Патронаж(вся)"},  // 46
    {"POLICY_COMMERCE_FINISHER", 5, "Коммерция(вся)"},  // 47
    {"POLICY_RATIONALISM_FINISHER", 6, "Рационализм(вся)"},  // 48
    {"POLICY_AESTHETICS", 7, "Эстетика"},  // 49
    {"POLICY_CULTURAL_CENTERS", 7, "Культурные центры"},  // 50
    {"POLICY_FINE_ARTS", 7, "Изящные искусства"},  // 51
    {"POLICY_FLOURISHING_OF_ARTS", 7, "Расцвет искусства"},  // 52
    {"POLICY_ARTISTIC_GENIUS", 7, "Художественный гений"},  // 53
    {"POLICY_ETHICS", 7, "Этика"},  // 54
    {"POLICY_AESTHETICS_FINISHER", 7, "Эстетика(вся)"},  // 55
    {"POLICY_EXPLORATION", 8, "Мореплавание"},  // 56
    {"POLICY_MARITIME_INFRASTRUCTURE", 8, "Морская инфраструктура"},  // 57
    {"POLICY_NAVAL_TRADITION", 8, "Флотские традиции"},  // 58
    {"POLICY_MERCHANT_NAVY", 8, "Торговый флот"},  // 59
    {"POLICY_NAVIGATION_SCHOOL", 8, "Школа навигации"},  // 60
    {"POLICY_TREASURE_FLEETS", 8, "Серебряный флот"},  // 61
    {"POLICY_EXPLORATION_FINISHER", 8, "Мореплавание(вся)"},  // 62
    {"POLICY_OPEN_SOCIETY", 9, "Авангард"},  // 63
    {"POLICY_CREATIVE_EXPRESSION", 9, "Свобода творчества"},  // 64
    {"POLICY_CIVIL_SOCIETY", 9, "Гражданское общество"},  // 65
    {"POLICY_VOLUNTEER_ARMY", 9, "Контрактная армия"},  // 66
    {"POLICY_COVERT_ACTION", 9, "Секретные операции"},  // 67
    {"POLICY_URBANIZATION", 9, "Урбанизация"},  // 68
    {"POLICY_CAPITALISM", 9, "Капитализм"},  // 69
    {"POLICY_ECONOMIC_UNION", 9, "Экономический союз"},  // 70
    {"POLICY_THEIR_FINEST_HOUR", 9, "Их звездный час"},  // 71
    {"POLICY_UNIVERSAL_SUFFRAGE", 9, "Всеобщее избирательное право"},  // 72
    {"POLICY_NEW_DEAL", 9, "Новый курс"},  // 73
    {"POLICY_ARSENAL_DEMOCRACY", 9, "Арсенал демократии"},  // 74
    {"POLICY_MEDIA_CULTURE", 9, "Медиакультура"},  // 75
    {"POLICY_TREATY_ORGANIZATION", 9, "Военный блок"},  // 76
    {"POLICY_SPACE_PROCUREMENTS", 9, "Космические закупки"},  // 77
    {"POLICY_HERO_OF_THE_PEOPLE", 10, "Народный герой"},  // 78
    {"POLICY_SOCIALIST_REALISM", 10, "Социалистический реализм"},  // 79
    {"POLICY_SKYSCRAPERS", 10, "Небоскребы"},  // 80
    {"POLICY_PATRIOTIC_WAR", 10, "Отечественная война"},  // 81
    {"POLICY_DOUBLE_AGENTS", 10, "Двойные агенты"},  // 82
    {"POLICY_YOUNG_PIONEERS", 10, "Юные пионеры"},  // 83
    {"POLICY_ACADEMY_SCIENCES", 10, "Академия наук"},  // 84
    {"POLICY_PARTY_LEADERSHIP", 10, "Партийное руководство"},  // 85
    {"POLICY_RESETTLEMENT", 10, "Переселение"},  // 86
    {"POLICY_CULTURAL_REVOLUTION", 10, "Культурная революция"},  // 87
    {"POLICY_WORKERS_FACULTIES", 10, "Рабочие факультеты"},  // 88
    {"POLICY_FIVE_YEAR_PLAN", 10, "Пятилетний план"},  // 89
    {"POLICY_DICTATORSHIP_PROLETARIAT", 10, "Диктатура пролетариата"},  // 90
    {"POLICY_IRON_CURTAIN", 10, "Железный занавес"},  // 91
    {"POLICY_SPACEFLIGHT_PIONEERS", 10, "Пионеры космоса"},  // 92
    {"POLICY_ELITE_FORCES", 11, "Элитные войска"},  // 93
    {"POLICY_MOBILIZATION", 11, "Мобилизация"},  // 94
    {"POLICY_UNITED_FRONT", 11, "Объединенный фронт"},  // 95
    {"POLICY_FUTURISM", 11, "Футуризм"},  // 96
    {"POLICY_INDUSTRIAL_ESPIONAGE", 11, "Промышленный шпионаж"},  // 97
    {"POLICY_MILITARISM", 11, "Милитаризм"},  // 98
    {"POLICY_FORTIFIED_BORDERS", 11, "Укрепление границ"},  // 99
    {"POLICY_LIGHTNING_WARFARE", 11, "Блицкриг"},  // 100
    {"POLICY_POLICE_STATE", 11, "Полицейское государство"},  // 101
    {"POLICY_NATIONALISM", 11, "Национализм"},  // 102
    {"POLICY_THIRD_ALTERNATIVE", 11, "Третья альтернатива"},  // 103
    {"POLICY_TOTAL_WAR", 11, "Тотальная война"},  // 104
    {"POLICY_CULT_PERSONALITY", 11, "Культ личности"},  // 105
    {"POLICY_GUNBOAT_DIPLOMACY", 11, "Дипломатия канонерок"},  // 106
    {"POLICY_NEW_ORDER", 11, "Наследие Клаузевица"},  // 107
    {"POLICY_UNIVERSAL_HEALTHCARE_F", 9, "Бесплатная медицина"},  // 108
    {"POLICY_UNIVERSAL_HEALTHCARE_O", 10, "Бесплатная медицина"},  // 109
    {"POLICY_UNIVERSAL_HEALTHCARE_A", 11, "Бесплатная медицина"},  // 110
};
static_assert(std::size(kPoliciesQEL) == 111);

constexpr TPolicyInfoRec kPoliciesOlder[] = {
    {"POLICY_LIBERTY", 1, "Воля"},  // 0
    {"POLICY_COLLECTIVE_RULE", 1, "Совместное Управление"},  // 1
    {"POLICY_CITIZENSHIP", 1, "Гражданство"},  // 2
    {"POLICY_REPUBLIC", 1, "Республика"},  // 3
    {"POLICY_REPRESENTATION", 1, "Представительство"},  // 4
    {"POLICY_MERITOCRACY", 1, "Меритократия"},  // 5
    {"POLICY_TRADITION", 0, "Традиции"},  // 6
    {"POLICY_ARISTOCRACY", 0, "Аристократия"},  // 7
    {"POLICY_OLIGARCHY", 0, "Олигархия"},  // 8
    {"POLICY_LEGALISM", 0, "Легализм"},  // 9
    {"POLICY_LANDED_ELITE", 0, "Землевладельческая Элита"},  // 10
    {"POLICY_MONARCHY", 0, "Монархия"},  // 11
    {"POLICY_HONOR", 2, "Честь"},  // 12
    {"POLICY_WARRIOR_CODE", 2, "Кодекс чести"},  // 13
    {"POLICY_DISCIPLINE", 2, "Дисциплина"},  // 14
    {"POLICY_MILITARY_TRADITION", 2, "Воинские традиции"},  // 15
    {"POLICY_MILITARY_CASTE", 2, "Каста воинов"},  // 16
    {"POLICY_PROFESSIONAL_ARMY", 2, "Профессиональная армия"},  // 17
    {"POLICY_PIETY", 3, "Набожность"},  // 18
    {"POLICY_ORGANIZED_RELIGION", 3, "Организованная религия"},  // 19
    {"POLICY_MANDATE_OF_HEAVEN", 3, "Небесный Мандат"},  // 20
    {"POLICY_THEOCRACY", 3, "Теократия"},  // 21
    {"POLICY_REFORMATION", 3, "Реформация"},  // 22
    {"POLICY_FREE_RELIGION", 3, "Веротерпимость"},  // 23
    {"POLICY_PATRONAGE", 4, "Патронаж"},  // 24
    {"POLICY_PHILANTHROPY", 4, "Благотворительность"},  // 25
    {"POLICY_AESTHETICS", 4, "Эстетика"},  // 26
    {"POLICY_SCHOLASTICISM", 4, "Схоластика"},  // 27
    {"POLICY_CULTURAL_DIPLOMACY", 4, "Культурная дипломатия"},  // 28
    {"POLICY_EDUCATED_ELITE", 4, "Образованная элита"},  // 29
    {"POLICY_COMMERCE", 5, "Коммерция"},  // 30
    {"POLICY_TRADE_UNIONS", 5, "Профсоюзы"},  // 31
    {"POLICY_NAVAL_TRADITION", 5, "Флотские традиции"},  // 32
    {"POLICY_MERCANTILISM", 5, "Меркантелизм"},  // 33
    {"POLICY_MERCHANT_NAVY", 5, "Торговый флот"},  // 34
    {"POLICY_PROTECTIONISM", 5, "Протекционизм"},  // 35
    {"POLICY_RATIONALISM", 6, "Рационализм"},  // 36
    {"POLICY_SECULARISM", 6, "Секуляризм"},  // 37
    {"POLICY_HUMANISM", 6, "Гуманизм"},  // 38
    {"POLICY_FREE_THOUGHT", 6, "Свободомыслие"},  // 39
    {"POLICY_SOVEREIGNTY", 6, "Суверинитет"},  // 40
    {"POLICY_SCIENTIFIC_REVOLUTION", 6, "Научная революция"},  // 41
    {"POLICY_FREEDOM", 7, "Свобода"},  // 42
    {"POLICY_CONSTITUTION", 7, "Конституция"},  // 43
    {"POLICY_UNIVERSAL_SUFFRAGE", 7, "Всеобщее избирательное право"},  // 44
    {"POLICY_CIVIL_SOCIETY", 7, "Гражданское общество"},  // 45
    {"POLICY_FREE_SPEECH", 7, "Свобода слова"},  // 46
    {"POLICY_DEMOCRACY", 7, "Демократия"},  // 47
    {"POLICY_ORDER", 9, "Порядок"},  // 48
    {"POLICY_UNITED_FRONT", 9, "Объединенный фронт"},  // 49
    {"POLICY_SOCIALISM", 9, "Социализм"},  // 50
    {"POLICY_NATIONALISM", 9, "Национализм"},  // 51
    {"POLICY_PLANNED_ECONOMY", 9, "Плановая экономика"},  // 52
    {"POLICY_COMMUNISM", 9, "Коммунизм "},  // 53
    {"POLICY_AUTOCRACY", 8, "Автократия"},  // 54
    {"POLICY_POPULISM", 8, "Популизм"},  // 55
    {"POLICY_MILITARISM", 8, "Милитаризм"},  // 56
    {"POLICY_FASCISM", 8, "Фашизм"},  // 57
    {"POLICY_POLICE_STATE", 8, "Полицейское государство"},  // 58
    {"POLICY_TOTAL_WAR", 8, "Тотальная война"},  // 59
    {"POLICY_TRADITION_FINISHER", 0, "Традиции(вся)"},  // 60
    {"POLICY_LIBERTY_FINISHER", 1, "Воля(вся)"},  // 61
    {"POLICY_HONOR_FINISHER", 2, "Честь(вся)"},  // 62
    {"POLICY_PIETY_FINISHER", 3, "Набожность(вся)"},  // 63
    {"POLICY_PATRONAGE_FINISHER", 4, "Патронаж(вся)"},  // 64
    {"POLICY_COMMERCE_FINISHER", 5, "Коммерция(вся)"},  // 65
    {"POLICY_RATIONALISM_FINISHER", 6, "Рационализм(вся)"},  // 66
    {"POLICY_FREEDOM_FINISHER", 7, "Свобода(вся)"},  // 67
    {"POLICY_ORDER_FINISHER", 9, "Порядок(вся)"},  // 68
    {"POLICY_AUTOCRACY_FINISHER", 8, "Автократия(вся)"},  // 69
};
static_assert(std::size(kPoliciesOlder) == 70);

}  // namespace

std::span<const TPolicyInfoRec> PolicyTableQEL() { return kPoliciesQEL; }
std::span<const TPolicyInfoRec> PolicyTableOlder() { return kPoliciesOlder; }

}  // namespace orv5

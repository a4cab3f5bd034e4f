// The ten agent names of each civilization, in the order the game hands them out; a save stores
// an agent's name as an index into its owner's list.
#include <iterator>

#include "refdata/RefTables.h"

namespace orv5 {

namespace {

constexpr TSpyNamesRec kSpyNames[] = {
    {"CIVILIZATION_AMERICA",  // 0
     {"Cousin", "Felix", "Dennis", "Edward", "Prof. Rex",
      "Eliza", "Mary", "Virginia", "Scarlett", "Barbara"}},
    {"CIVILIZATION_ARABIA",  // 1
     {"Solhofaat", "Khenzeer", "Zarafah", "Temsaah", "Abyadh",
      "Mostafa", "Yusuf", "Waddah", "Sameera", "Gamal"}},
    {"CIVILIZATION_AZTEC",  // 2
     {"Metztli", "Xitllali", "Chimalli", "Quauhtli", "Teyacapan",
      "Yaotl", "Coatl", "Huitzilin", "Itzli", "Tepin"}},
    {"CIVILIZATION_CHINA",  // 3
     {"Li", "Chen", "Zhang", "Liu", "Yang",
      "Huang", "Zhao", "Wu", "Zhou", "Sun"}},
    {"CIVILIZATION_EGYPT",  // 4
     {"Refaat", "Heba", "Salah", "Ahmed", "Zakaria",
      "Bastet", "Ma'at", "Nebhet", "Tefenet", "Neuth"}},
    {"CIVILIZATION_ENGLAND",  // 5
     {"James", "Scarlett", "Mycroft", "Charlotte", "Gwendolyn",
      "Mr. Eks", "Dr. Grey", "Andrew", "Scott", "Anne"}},
    {"CIVILIZATION_FRANCE",  // 6
     {"Jean-Paul", "Martine", "Lucien", "Francois", "Augustine",
      "Monsieur X", "Dr. Dupont", "Vipere", "Yvette", "Renard"}},
    {"CIVILIZATION_GERMANY",  // 7
     {"Johann", "Marlene", "Wilhelm", "Eva", "Heinz",
      "Horst", "Carl", "Viper", "Albrecht", "Anton"}},
    {"CIVILIZATION_GREECE",  // 8
     {"Jason", "Helena", "Alexa", "Cletus", "Kassandra",
      "Andres", "Desdemona", "Anthea", "Aeneas", "Leander"}},
    {"CIVILIZATION_INDIA",  // 9
     {"Ashok", "Shanx", "Hormis", "Sanjeev", "Ananda",
      "Rani", "Parvati", "Mukta", "Karishma", "Jyotsna"}},
    {"CIVILIZATION_IROQUOIS",  // 10
     {"Onatah", "Oneida", "Oshadagea", "Otetiani", "Genesee",
      "Dadgayadoh", "Otwtiani", "Kateri", "Onondakai", "Honanyawus"}},
    {"CIVILIZATION_JAPAN",  // 11
     {"Akaishi", "Oki", "Hattori", "Morozumi", "Momochi",
      "Kawashima", "Orin", "Sakanishi", "Kaede", "Mochizuki"}},
    {"CIVILIZATION_OTTOMAN",  // 12
     {"Ibrahim", "Bayezid", "Sokollu", "Mahmut", "Uveys",
      "Roxelana", "Safiye", "Hafsa", "Kosem", "Nurbanu"}},
    {"CIVILIZATION_PERSIA",  // 13
     {"Azi", "Dabir", "Firuz", "Gaspar", "Shahzad",
      "Aga", "Marjane", "Peri", "Sartaj", "Yasmin"}},
    {"CIVILIZATION_ROME",  // 14
     {"Flavius", "Regula", "Servius", "Lucia", "Cornelius",
      "Licina", "Canus", "Serpens", "Agrippa", "Brutus"}},
    {"CIVILIZATION_RUSSIA",  // 15
     {"Alexei", "Lena", "Dmitry", "Anastasia", "Tatiana",
      "Boris", "Doktor Seriy", "Mikhail", "Natacha", "Zmeya"}},
    {"CIVILIZATION_SIAM",  // 16
     {"Aran", "Chanarong", "Kiet", "Niran", "Virote",
      "Kulap", "Mayuree", "Phueng", "Ratana", "Tola"}},
    {"CIVILIZATION_SONGHAI",  // 17
     {"Ahmadou", "Ayub", "Badru", "Bokhari", "Guedado",
      "Adhiambo", "Chinaka", "Laila", "Mariama", "Oni"}},
    {"CIVILIZATION_BABYLON",  // 18
     {"Rim-Sin II", "Smerdis", "Ilum-ma-ili", "Peshgaldaramesh", "Ur-zigurumas",
      "Semiramis", "Em", "Ishtar", "Bilit Taauth", "Aruru"}},
    {"CIVILIZATION_DENMARK",  // 19
     {"Jorgen", "Mette", "Henrik", "Niels", "Helle",
      "Frederik", "Ida", "Thea", "Freja", "Morten"}},
    {"CIVILIZATION_INCA",  // 20
     {"Amaru", "Apichu", "Pariapichiu", "Puma", "Quenti",
      "Suyuntu", "Uturuncu", "Uturuncu2", "Purutu", "Ozcollo"}},
    {"CIVILIZATION_SPAIN",  // 21
     {"Rodrigo", "Esmeralda", "Leon", "Mathilda", "Ramona",
      "Senor X", "Topolino", "Serpiente", "Garcia", "El Lobo"}},
    {"CIVILIZATION_KOREA",  // 22
     {"Kim", "Park", "Han", "Na", "Kong",
      "Yu", "Ahn", "Na2", "Da", "Eun"}},
    {"CIVILIZATION_MONGOL",  // 23
     {"Asashoryu", "Tomoriin", "Zevegiin", "Jigjidiin", "Enkhbat",
      "Monkhbayar", "Gundegmaa", "Ssima", "Batachikhan", "Chulunny"}},
    {"CIVILIZATION_POLYNESIA",  // 24
     {"Tiki", "Hotu Matua", "Rongo-ma-tane", "Kupe", "Haloti",
      "Degei", "Babamik", "Kulu Lau", "Nangananga", "Turua"}},
    {"CIVILIZATION_ETHIOPIA",  // 25
     {"Mulu Ken", "Wendimu", "Li'ol", "Demeke", "Mulu Alem",
      "Abebech", "Zema", "Mihret", "Kebedech", "Alemnesh"}},
    {"CIVILIZATION_ASSYRIA",  // 26
     {"Adapa", "Kubaba", "Nabu", "Nergal", "Ninlil",
      "Ninurta", "Nisroch", "Shamash", "Pazuzu", "Qingu"}},
    {"CIVILIZATION_BRAZIL",  // 27
     {"Antonio", "Bartolomeu", "Domingos", "Estevao", "Fernao",
      "Francisco", "Pascoal", "Salvador", "Tome", "Bianca"}},
    {"CIVILIZATION_INDONESIA",  // 28
     {"Adityawarman", "Airlangga", "Citra", "Halayudha", "Jayakatwang",
      "Lingga", "Mahendradatta", "Prapana", "Raden", "Devi"}},
    {"CIVILIZATION_MOROCCO",  // 29
     {"el-Krim", "ibn-Battuta", "al-Jazzar", "al-Kahina", "Hayyuj",
      "Kusayla", "al-Idrisi", "Salih", "Tariq", "Dihya"}},
    {"CIVILIZATION_POLAND",  // 30
     {"Wincenty", "Roman", "Benita", "Jan", "Kazimierz",
      "Josef", "Krystyna Skarbek", "Tarnowski", "Marian", "Alenka"}},
    {"CIVILIZATION_PORTUGAL",  // 31
     {"Francisco", "Gaspar", "Alvaro", "Bento", "Roberto",
      "Afonso", "Galeote", "Diogo", "Eliana", "Oriana"}},
    {"CIVILIZATION_SHOSHONE",  // 32
     {"Cameahwait", "Ondongarte", "Queenah", "Pugweenee", "Sacajawea",
      "Sagwitch", "Sanpitch", "Tetoharsky", "Tuziyammo", "Mugwayan"}},
    {"CIVILIZATION_VENICE",  // 33
     {"Gasparo", "Giosafat", "Ambrogio", "Niccolo", "Marino",
      "Cesare", "Francesco", "Giovanni", "Bertolome", "Filomena"}},
    {"CIVILIZATION_ZULU",  // 34
     {"Gumede", "Jama", "Mageba", "Malanda", "Mnguni",
      "Ndaba", "Phunga", "Senzangakhona", "Balungile", "Samkelisiwe"}},
    {"CIVILIZATION_AUSTRIA",  // 35
     {"Ferdinand", "Johanna", "Franz-Josef", "Astrid", "Anna",
      "Hubert", "Alois", "Natter", "Georg", "Arnold"}},
    {"CIVILIZATION_BYZANTIUM",  // 36
     {"Basil", "Nikophoros", "Demetrios", "Philippos", "Theophylaktos",
      "Simonis", "Zoe", "Ioanno", "Xene", "Euphrosyne"}},
    {"CIVILIZATION_CARTHAGE",  // 37
     {"Hamilcar", "Mago", "Baalhaan", "Sophoniba", "Yzebel",
      "Similce", "Kandaulo", "Zinnridi", "Gisgo", "Fierelus"}},
    {"CIVILIZATION_CELTS",  // 38
     {"Crisdean", "Siobhan", "Seamus", "Ffion", "Padraig",
      "Deirdre", "Mr. Quinn", "Eadaoin", "Alwyn", "Col Ceathar"}},
    {"CIVILIZATION_HUNS",  // 39
     {"Balamber", "Uldin", "Donatus", "Charato", "Octar",
      "Bleda", "Ellac", "Dengizik", "Hildico", "Gudrun"}},
    {"CIVILIZATION_MAYA",  // 40
     {"Camazotz", "Coyopa", "Gukumatz", "Hunahpu", "Huracan",
      "Ixchel", "Ixtab", "Kukulkan", "Xbalanque", "Zipacna"}},
    {"CIVILIZATION_NETHERLANDS",  // 41
     {"Joost", "Hendrika", "Marten", "Anke", "Guus",
      "Mr. X", "Dr Grijs", "Willem", "Thijs", "Neef"}},
    {"CIVILIZATION_SWEDEN",  // 42
     {"Leif", "Ingegard", "Soren", "Ragnhild", "Lars",
      "Lina", "Herr Gra", "Magnus", "Vilma", "EuKusinn"}},
};
static_assert(std::size(kSpyNames) == 43);

}  // namespace

std::span<const TSpyNamesRec> SpyNameTable() { return kSpyNames; }

}  // namespace orv5

#include "data/ClanTable.h"

// The clan-site directory. Every address lies under the reserved .example domain until
// the real directory is filled in here; several clans share a site, and some addresses
// point at a page of a shared host by its query.
constexpr std::array<ClanEntry, kClanCount> kClanTable = {{
    {"Aces of Dawn", "http://aces-of-dawn.example/"},                        // 0
    {"Alliance ", "http://alliance.example/ "},                              // 1
    {"Amber Wolves", "http://amberwolves.example/"},                         // 2
    {"Avalon ", "http://avalon-clan.example/index.html"},                    // 3
    {"Black Lotus", "http://blacklotus.example/ "},                          // 4
    {"bloodmoon ", "http://clanhost.example/?clan=bloodmoon"},               // 5
    {"Brotherhood", "http://brotherhood.example/"},                          // 6
    {"Crimson Oak ", "http://crimson-oak.example/ "},                        // 7
    {"Dark Legion", "http://darklegion.example/forum/"},                     // 8
    {"Dragonborn ", "http://dragonborn.example/ "},                          // 9
    {"Eagles", "http://eagles.example/"},                                    // 10
    {"Elven Guard", "http://elvenguard.example/ "},                          // 11
    {"Firestorm ", "http://firestorm.example/"},                             // 12
    {"Free Hunters", "http://free-hunters.example/ "},                       // 13
    {"Ghosts ", "http://clanhost.example/?clan=ghosts"},                     // 14
    {"Golden Fox", "http://goldenfox.example/"},                             // 15
    {"Grey Order", "http://greyorder.example/ "},                            // 16
    {"Hellhounds ", "http://hellhounds.example/"},                           // 17
    {"Highlanders", "http://highlanders.example/index.php "},                // 18
    {"Iron Fist", "http://ironfist.example/"},                               // 19
    {"Jaguar ", "http://jaguar.example/ "},                                  // 20
    {"Knights ", "http://knights.example/"},                                 // 21
    {"Last Hope", "http://lasthope.example/ "},                              // 22
    {"Legion of Ash", "http://darklegion.example/forum/"},                   // 23
    {"Lonely Wolves ", "http://lonelywolves.example/"},                      // 24
    {"Mercenaries", "http://mercenaries.example/ "},                         // 25
    {"Moonlight ", "http://moonlight.example/"},                             // 26
    {"Night Watch", "http://nightwatch.example/ "},                          // 27
    {"Nordlings", "http://nord-union.example/"},                             // 28
    {"Old Guard ", "http://oldguard.example/ "},                             // 29
    {"Phoenix", "http://phoenix-clan.example/"},                             // 30
    {"Rangers ", "http://rangers.example/ "},                                // 31
    {"Raven Clan", "http://raven.example/"},                                 // 32
    {"Red Dragons", "http://reddragons.example/ "},                          // 33
    {"Sentinels ", "http://sentinels.example/"},                             // 34
    {"Shadow Hand", "http://shadowhand.example/index.php?page=clan "},       // 35
    {"Silver Arrow ", "http://silverarrow.example/"},                        // 36
    {"SkyRiders", "http://skyriders.example/ "},                             // 37
    {"Stone Giants", "http://stonegiants.example/"},                         // 38
    {"Templars ", "http://templars.example/ "},                              // 39
    {"Thunder", "http://thunder.example/"},                                  // 40
    {"Trolls ", "http://clanhost.example/?clan=trolls"},                     // 41
    {"Twilight", "http://twilight.example/ "},                               // 42
    {"Valkyries ", "http://valkyries.example/"},                             // 43
    {"Vikings", "http://nord-union.example/"},                               // 44
    {"White Bears ", "http://whitebears.example/ "},                         // 45
    {"Wild Hunt", "http://wildhunt.example/"},                               // 46
    {"Zealots", "http://zealots.example/ "},                                 // 47
    {"Авангард ", "http://avangard.example/ "},                              // 48
    {"Алые Паруса", "http://alye-parusa.example/"},                          // 49
    {"Ангелы Смерти ", "http://angely.example/ "},                           // 50
    {"Братство Стали", "http://bratstvo-stali.example/"},                    // 51
    {"Бродяги ", "http://brodyagi.example/ "},                               // 52
    {"Варяги", "http://varyagi.example/"},                                   // 53
    {"Волчья Стая", "http://volchya-staya.example/ "},                       // 54
    {"Вольные Стрелки ", "http://strelki.example/"},                         // 55
    {"Воронье Гнездо ", "http://voronye-gnezdo.example/ "},                  // 56
    {"Гвардия", "http://gvardiya.example/"},                                 // 57
    {"Гильдия Теней ", "http://teni.example/ "},                             // 58
    {"Грифоны", "http://grifony.example/"},                                  // 59
    {"Дети Ночи ", "http://deti-nochi.example/ "},                           // 60
    {"Драконы Севера", "http://drakony.example/"},                           // 61
    {"Дружина ", "http://druzhina.example/ "},                               // 62
    {"Единство", "http://edinstvo.example/"},                                // 63
    {"Железный Легион ", "http://legion.example/ "},                         // 64
    {"Зеленый Бор ", "http://zeleny-bor.example/"},                          // 65
    {"Золотая Орда", "http://zolotaya-orda.example/ "},                      // 66
    {"Изгои ", "http://izgoi.example/"},                                     // 67
    {"Искатели", "http://iskateli.example/ "},                               // 68
    {"Казаки ", "http://kazaki.example/"},                                   // 69
    {"Кованый Щит", "http://kovany-shchit.example/ "},                       // 70
    {"Красные Волки ", "http://krasnye-volki.example/"},                     // 71
    {"Легион Света", "http://legion.example/ "},                             // 72
    {"Лесные Братья ", "http://lesnye-bratya.example/"},                     // 73
    {"Лунный Свет", "http://lunny-svet.example/ "},                          // 74
    {"Медведи ", "http://medvedi.example/"},                                 // 75
    {"Наемники", "http://naemniki.example/ "},                               // 76
    {"Ночной Дозор ", "http://nochnoy-dozor.example/"},                      // 77
    {"Обитель", "http://obitel.example/ "},                                  // 78
    {"Орден Дракона ", "http://drakony.example/"},                           // 79
    {"Охотники", "http://ohotniki.example/ "},                               // 80
    {"Пилигримы ", "http://piligrimy.example/"},                             // 81
    {"Полярная Звезда", "http://polyarnaya-zvezda.example/ "},               // 82
    {"Рассвет ", "http://rassvet.example/"},                                 // 83
    {"Русичи", "http://rusichi.example/ "},                                  // 84
    {"Рыцари Храма ", "http://rytsari.example/forum/index.php?showforum=3"}, // 85
    {"Северный Ветер", "http://severny-veter.example/ "},                    // 86
    {"Серые Ястребы ", "http://yastreby.example/"},                          // 87
    {"Сокол", "http://sokol.example/ "},                                     // 88
    {"Стражи Леса ", "http://strazhi.example/"},                             // 89
    {"Темный Лес", "http://temny-les.example/ "},                            // 90
    {"Тролли ", "http://clanhost.example/?clan=trolli"},                     // 91
    {"Удача", "http://udacha.example/ "},                                    // 92
    {"Хранители ", "http://hraniteli.example/"},                             // 93
    {"Черная Стрела", "http://chernaya-strela.example/ "},                   // 94
    {"Чудь ", "http://chud.example/"},                                       // 95
    {"Щит и Меч", "http://shchit-i-mech.example/ "},                         // 96
    {"Ярость", "http://yarost.example/"},                                    // 97
    {"Ясный Сокол ", "http://sokol.example/ "},                              // 98
}};

namespace {
constexpr bool everyEntryFilled()
{
    for (const ClanEntry &clan : kClanTable) {
        if (!clan.name || !clan.address)
            return false;
    }
    return true;
}
} // namespace

static_assert(everyEntryFilled(), "the clan table must hold exactly kClanCount entries");

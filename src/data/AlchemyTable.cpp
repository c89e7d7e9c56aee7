#include "data/AlchemyTable.h"

const std::array<const char *, kIngredientCount> kIngredientNames = {
    "Маленькая пустая бутылка",
    "Большая пустая бутылка",
    "Зверобой",
    "Чертополох",
    "Чернокорень",
    "Базилик",
    "Папоротник",
    "Тысячелистник",
    "Корень мандрагоры",
};

const std::array<const char *, kPotionCount> kPotionHeaders = {
    "Малое\r\nзелье\r\nжизни",
    "Малое\r\nзелье\r\nманы",
    "Большое\r\nзелье\r\nжизни",
    "Большое\r\nзелье\r\nманы",
};

#include "exchange/FormNames.h"

namespace exchange {
namespace {

constexpr FormName kPresent[] = {{"Zahar", 1}, {"Nekiva", 2}, {"Rabim", 3}, {"Rabot", 4}};

constexpr FormName kPast[] = {{"Ani", 5},     {"Ata", 6},   {"At", 7},    {"Hu", 8},   {"Hi", 9},
                              {"Anahnu", 10}, {"Atem", 11}, {"Aten", 12}, {"Hem", 13}, {"Hen", 14}};

constexpr FormName kFuture[] = {{"Ani", 15}, {"Ata", 16},    {"At", 17},   {"Hu", 18},
                                {"Hi", 19},  {"Anahnu", 20}, {"Atem", 21}, {"Aten", 22},
                                {"Hem", 23}, {"Hen", 24}};

constexpr FormName kCommand[] = {{"Zahar", 25}, {"Nekiva", 26}, {"Rabim", 27}};

constexpr Tense kTenses[] = {
    {"Present", kPresent}, {"Past", kPast}, {"Future", kFuture}, {"Command", kCommand}};

}  // namespace

std::span<const Tense> Tenses() { return kTenses; }

}  // namespace exchange

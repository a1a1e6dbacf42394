#pragma once

// The names that tie the three records of a meaning together, and the lesson mark, defined once
// for the whole program. Field names are matched without regard to case.

namespace dictionary {

// The key field of every word table ("Id" in RUWORDS).
inline constexpr char kKeyField[] = "id";

// The link fields of one word table: the fields holding the keys of its partner records (null
// for the table itself).
struct Links {
  const char* toRussian;
  const char* toHebrew;
  const char* toEnglish;
};

inline constexpr Links kRussianLinks{nullptr, "IdHE", "IdEN"};
inline constexpr Links kHebrewLinks{"idRU", nullptr, "idEN"};
inline constexpr Links kEnglishLinks{"idRU", "idHE", nullptr};

// The links of a Hebrew verb's forms: GLTABLE names the Hebrew word and its NEKUDOT record.
inline constexpr char kFormsToHebrew[] = "IdHE";
inline constexpr char kFormsToPronunciation[] = "IdNekudot";
// The key field of NEKUDOT.
inline constexpr char kPronunciationKey[] = "Id";

// The lesson mark: the field and the value of a marked word (an unmarked word holds an empty
// text), and the filter that passes the marked words.
inline constexpr char kMarkField[] = "Select";
inline constexpr char kMark[] = "*";
inline constexpr char kMarkedFilter[] = "Select = '*'";

}  // namespace dictionary

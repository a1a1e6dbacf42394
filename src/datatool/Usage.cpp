#include "datatool/Usage.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "Version.h"

namespace datatool {
namespace {

struct CommandText {
  std::string_view Name;
  std::string_view Synopsis;   // the command line, after "vocamir-data"
  std::string_view Summary;    // one line for the usage
  std::string_view Details;    // the rest of the command's help; may be empty
  bool UsesDictionary = true;  // works on the dictionary of the working folder
};

constexpr CommandText kCommands[] = {
    {"create", "create DIR", "make DIR/data with an empty dictionary",
     "DIR/data must not exist yet: a dictionary is never overwritten.\n"},
    {"import", "import FILE", "import a document, vocabulary or word list; new words are marked",
     "Meanings whose three words are in the dictionary already are skipped. A document that\n"
     "ends early keeps the complete meanings read before the end and exits with 1.\n"
     "A FILE ending in .kvtml is a vocabulary of Parley or KWordQuiz (KVTML 2).\n"
     "A FILE ending in .csv, .tsv or .txt is UTF-8 delimited text whose first line, or a\n"
     "#columns: line, names the columns (Russian, Hebrew, English, RussianSpeech, HebrSpeech,\n"
     "EnglishSpeech, Part, Topic, Sex, Root, Binyan, ...); #separator: and #html: lines are\n"
     "honoured. Either is read whole first: a malformed one imports nothing and exits with 1. The\n"
     "report lists the entries not taken and the characters a code page could not hold.\n"},
    {"export", "export FILE [--marked]", "export all words, or only the marked ones",
     "Writes the exchange document and the stylesheet TStyle.xsl beside it. With --marked only\n"
     "the marked meanings are written, and their marks are cleared.\n"
     "A FILE ending in .apkg is a flashcard package instead: one note per meaning with its three\n"
     "words and their sounds, spoken with the voices and speeds of vocamir.ini (Ogg Vorbis), two\n"
     "cards a note (Russian to Hebrew, Hebrew to Russian), one deck named after the folder. With\n"
     "--marked only the marked meanings are written; the marks stay. A progress line goes to the\n"
     "terminal's error output.\n"
     "A FILE ending in .kvtml is a vocabulary Parley and KWordQuiz open (docs/kvtml.md); one\n"
     "ending in .csv (commas), .tsv or .txt (tabs) is delimited text in UTF-8 with the header\n"
     "lines flashcard programs read. The marks stay.\n"},
    {"check", "check",
     "report broken links between the words of a meaning, verbs\n"
     "without forms, and blank or incomplete meanings",
     "A blank meaning has all three words empty, an incomplete one some of them. Review cards\n"
     "that disagree with the rebuild from their log, and cards or log rows of meanings that no\n"
     "longer exist, are reported too. Exits with 1 when it finds a problem.\n"},
    {"clean", "clean", "remove the blank meanings, whose three words are all empty",
     "Nothing else is changed.\n"},
    {"stats", "stats [--reviews]",
     "count the meanings by part of speech, or show the progress\n"
     "of the reviews",
     "With --reviews it prints the figures of the progress window, for today: the cards due\n"
     "today, the streak of days with reviews, the cards by state (new: a meaning's game direction\n"
     "without a card; learning: an interval under 21 days; review: the others), the desired\n"
     "retention and the measured one of each of the last 12 weeks (the share of reviews of due\n"
     "cards not graded Again, by the week's first day), the reviews of each of the last 90 days\n"
     "and the cards due on each of the next 30 (today's line holds the overdue ones).\n"},
    {"deselect", "deselect", "clear the lesson marks, as the program's \"Deselect\" does", ""},
    {"due", "due [--mark]", "list the words due for review today, or mark them",
     "Lists the meanings with a card due today or before (\"due: \" and the Russian word) and up\n"
     "to 20 meanings without any card, in the order of the Russian page (\"new: \"), then how "
     "many\n"
     "cards are due. With --mark they are marked for the next lesson, as the program's \"Mark Due\n"
     "Words\" does.\n"},
    {"conjugate", "conjugate ROOT PATTERN", "print the 28 forms of a Hebrew verb",
     "ROOT is the root's letters in reading order; a shin with the sin point (U+05C2) is read\n"
     "\"s\". PATTERN is PAAL, PIEL, HIFIL, NIFAL, PUAL, HUFAL or HITPAEL. One line per form, in\n"
     "the order of the verb tables: the form's field name, the spelling and the pronunciation\n"
     "hint, separated by tabs. A root the engine does not cover is refused with the reason and\n"
     "exits with 1. Needs no dictionary.\n",
     false},
    {"find", "find [--ru|--he|--root|--en] TEXT",
     "show the meaning the search of a language page finds for TEXT",
     "Searches as the main window's search box of that page does (--he the Hebrew words, --root\n"
     "the Hebrew roots); without an option, Hebrew letters in TEXT search the Hebrew words,\n"
     "Cyrillic ones the Russian words, others the English words. Hebrew is given in reading\n"
     "order; vowel points and final forms do not matter, nor does case. Prints the meaning's\n"
     "three words, hints, root, part of speech, theme, verb pattern, genders and mark, one a\n"
     "line. When TEXT is not in the dictionary, it says so, prints the meaning of the nearest\n"
     "word after it, and exits with 1.\n"},
    {"print-lessons", "print-lessons FILE", "print the lesson list to the PDF file FILE",
     "The pages are those of the program's \"Print\": A4, one ruled row per lesson record.\n"
     "FILE is replaced only when it has been written completely.\n"},
    {"lesson-audio",
     "lesson-audio FILE [--mode N] [--languages RHE] [--repeat R,H,E] [--passes P] [--pause S]",
     "write the speaking lesson of the lesson list to an audio file",
     "The lesson is played as the lesson list window plays it, with the voices, speeds and verb\n"
     "forms of vocamir.ini, and written as WAV, FLAC or Ogg Vorbis by the extension of FILE.\n"
     "  --mode N          lesson mode 0 to 7 (0 Russian - Hebrew - English ... 7 Verbs); 0\n"
     "  --languages RHE   the languages taking part: letters R, H, E; all three\n"
     "  --repeat R,H,E    times each word is spoken, per language, 1 to 99; 1,1,1\n"
     "  --passes P        times the whole list is played, 1 to 99; 1\n"
     "  --pause S         seconds of silence between words, 0 to 10; 0.5\n"
     "The file is written under a temporary name and appears only when it is complete.\n"},
    {"schedule", "schedule --replay FILE [--retention R]",
     "replay a review log through the memory model",
     "FILE holds one review a line: ITEM DAYS GRADE, separated by blanks. ITEM is a word without\n"
     "blanks; DAYS the whole days since that item's previous review (0 for its first, where it is\n"
     "not used); GRADE 1 Again, 2 Hard, 3 Good or 4 Easy. Blank lines and lines starting with #\n"
     "are skipped. After each review it prints ITEM S D I: the item's stability in days and\n"
     "difficulty (1 to 10), six decimals, and the days to its next review.\n"
     "  --retention R     the desired retention, 0.70 to 0.99; 0.90\n"
     "The whole file is checked first: each bad line is named as \"line N: ...\" and the command\n"
     "exits with 2 without printing any review. Needs no dictionary and writes nothing.\n",
     false},
};

constexpr std::string_view kCommonText =
    "Works on the dictionary in ./data of the folder it is started in; a dictionary that a\n"
    "running Vocamir has open is refused.\n";

const CommandText* Find(const std::string& name) {
  for (const CommandText& command : kCommands) {
    if (command.Name == name) return &command;
  }
  return nullptr;
}

}  // namespace

std::string UsageText() {
  std::string text = "Usage: vocamir-data COMMAND [ARGUMENTS]\n";
  text += kCommonText;
  text += "Commands:\n";
  // The summaries stand in one column; a synopsis too long for its column has its summary on
  // the next line, and a summary's own lines are indented to the column.
  constexpr std::size_t kColumn = 26;
  const std::string indent(kColumn, ' ');
  for (const CommandText& command : kCommands) {
    std::string line = "  " + std::string(command.Synopsis);
    line += line.size() < kColumn ? std::string(kColumn - line.size(), ' ') : "\n" + indent;
    for (const char letter : command.Summary) {
      line += letter;
      if (letter == '\n') line += indent;
    }
    text += line + "\n";
  }
  text +=
      "Options:\n"
      "  -h, --help             print this text; COMMAND --help prints the command's help\n"
      "      --version          print the version\n";
  return text;
}

std::optional<std::string> CommandHelp(const std::string& name) {
  const CommandText* command = Find(name);
  if (command == nullptr) return std::nullopt;
  std::string text = "Usage: vocamir-data " + std::string(command->Synopsis) + "\n";
  std::string summary(command->Summary);
  summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
  text += summary + ".\n";
  text += std::string(command->Details);
  if (command->UsesDictionary) text += kCommonText;
  return text;
}

std::string VersionText() { return std::string("vocamir-data ") + vocamir::kVersion + "\n"; }

}  // namespace datatool

#include "exchange/ForeignImport.h"

#include "exchange/OfferMeanings.h"

namespace exchange {
namespace {

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

ImportReport ImportForeign(TDataModul& data, const ForeignDocument& document,
                           const Progress& progress) {
  auto meaning = document.Meanings.begin();
  const OfferCounts counts = OfferMeanings(
      data,
      [&]() -> const dictionary::ParsedMeaning* {
        return meaning == document.Meanings.end() ? nullptr : &*meaning++;
      },
      static_cast<int>(document.Meanings.size()), progress);
  return {counts.Added,     counts.Skipped,     counts.Cancelled,
          document.Refused, document.Shortened, document.Notes};
}

std::string ReportText(const ImportReport& report) {
  std::string text = "Imported " + std::to_string(report.Taken) + " meanings; " +
                     std::to_string(report.AlreadyThere) + " were in the dictionary already.";
  if (report.Cancelled) text += " The import was cancelled; the rest of the file was not read.";
  text += "\n";
  if (!report.Refused.empty()) {
    text += Counted(report.Refused.size(), "entry was", "entries were") + " not imported:\n";
    for (const RefusedEntry& entry : report.Refused) {
      text += "  " + entry.Where + ": " + entry.Reason + "\n";
    }
  }
  if (!report.Shortened.empty()) {
    text += Counted(report.Shortened.size(), "word lost", "words lost") +
            " characters their code page cannot hold:\n";
    for (const ShortenedWord& word : report.Shortened) {
      text += "  " + word.Where + ": \"" + word.Stored + "\" is stored without \"" + word.LeftOut +
              "\"\n";
    }
  }
  for (const std::string& note : report.Notes) text += note + "\n";
  return text;
}

}  // namespace exchange

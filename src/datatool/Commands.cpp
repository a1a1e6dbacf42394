#include "datatool/Commands.h"

#include <unistd.h>

#include <QDate>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fstream>
#include <ostream>
#include <system_error>

#include "datatool/BlankMeanings.h"
#include "datatool/Conjugation.h"
#include "datatool/DictionaryCheck.h"
#include "datatool/DueWords.h"
#include "datatool/FindMeaning.h"
#include "datatool/LessonAudio.h"
#include "datatool/ReviewStats.h"
#include "datatool/ScheduleReplay.h"
#include "datatool/Usage.h"
#include "dictionary/Codes.h"
#include "dictionary/Marks.h"
#include "exchange/Export.h"
#include "exchange/ForeignFiles.h"
#include "exchange/Import.h"
#include "exchange/anki/PackageExport.h"
#include "lesson/print/QuickReport1.h"
#include "lesson/print/ReportPdf.h"
#include "review/GameReviews.h"
#include "review/Progress.h"
#include "speech/SettingsFile.h"
#include "store/DataModul.h"
#include "store/PartCounts.h"
#include "store/Table.h"

namespace datatool {
namespace {

namespace fs = std::filesystem;

// A file named on the command line, relative to the working directory unless absolute.
QString PathText(const fs::path& workingDirectory, const std::string& file) {
  const fs::path path = fs::path(file).is_absolute() ? fs::path(file) : workingDirectory / file;
  return QString::fromStdString(path.string());
}

// Opens the dictionary of `workingDirectory`, runs `work` on it and closes it, so that everything
// written is on disk when this returns.
template <typename Work>
void WithDictionary(const fs::path& workingDirectory, Work work) {
  TDataModul data(workingDirectory);
  // The tool shows no grid: no data source follows the tables' changes.
  for (store::DataSource* source : {&data.DSRU(), &data.DSHE(), &data.DSEN(), &data.DSSel(),
                                    &data.DSGLTABLE(), &data.DSNekudot()}) {
    source->SetDataSet(nullptr);
  }
  data.DataModuleCreate();
  work(data);
  data.DataModuleDestroy();
}

int Create(const fs::path& folder, std::ostream& out, std::ostream& err) {
  const fs::path dataFolder = folder / "data";
  if (fs::exists(dataFolder)) {
    err << "vocamir-data: " << dataFolder.string()
        << " already exists; a dictionary is never overwritten.\n";
    return kFailed;
  }
  std::error_code error;
  fs::create_directories(dataFolder, error);
  if (error) {
    err << "vocamir-data: cannot create " << dataFolder.string() << ": " << error.message() << "\n";
    return kFailed;
  }
  WithDictionary(folder, [](TDataModul&) {});
  out << "Created an empty dictionary in " << dataFolder.string() << ".\n";
  return kOk;
}

int Import(const fs::path& workingDirectory, const std::string& file, std::ostream& out,
           std::ostream& err) {
  const QString path = PathText(workingDirectory, file);
  if (exchange::IsForeignFile(path)) {
    exchange::ImportReport report;
    WithDictionary(workingDirectory,
                   [&](TDataModul& data) { report = exchange::ImportForeignFile(data, path); });
    out << exchange::ReportText(report);
    return kOk;
  }
  exchange::ImportResult result;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    result = exchange::ImportDocument(data, PathText(workingDirectory, file));
  });
  out << "Imported " << result.Added << " meanings; " << result.Skipped
      << " were in the dictionary already.\n";
  if (result.EndedEarly) {
    err << "vocamir-data: " << exchange::EndedEarlyText(result) << "\n";
    return kFailed;
  }
  return kOk;
}

// The flashcard package of all (or the marked) meanings; a progress line when standard error is
// a terminal. The marks stay.
int ExportPackage(const fs::path& workingDirectory, const std::string& file, bool marked,
                  std::ostream& out, std::ostream& err) {
  std::optional<exchange::anki::PackageResult> result;
  const bool terminal = ::isatty(STDERR_FILENO) == 1;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    const int count = marked ? exchange::SelectMarkedWords(data) : exchange::SelectAllWords(data);
    result = exchange::anki::ExportPackage(
        data, count, PathText(workingDirectory, file), workingDirectory, [&](int done, int total) {
          if (terminal) err << "\rspeaking the words: " << done << " of " << total << std::flush;
          return true;
        });
    exchange::ReleaseWordFilters(data);
  });
  if (terminal) err << "\n";
  out << "Exported " << result->Notes << (marked ? " marked" : "") << " meanings with "
      << result->SoundFiles << " sounds (" << static_cast<int>(result->SoundSeconds + 0.5)
      << " s) to " << file << ".\n";
  return kOk;
}

int Export(const fs::path& workingDirectory, const std::string& file, bool marked,
           std::ostream& out) {
  const std::string date =
      QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  int count = 0;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    count = marked ? exchange::SelectMarkedWords(data) : exchange::SelectAllWords(data);
    const QString path = PathText(workingDirectory, file);
    if (exchange::IsForeignFile(path)) {
      exchange::ExportForeignFile(data, count, path);
    } else {
      exchange::ExportDocument(data, path, count, date);
    }
    exchange::ReleaseWordFilters(data);
  });
  out << "Exported " << count << (marked ? " marked" : "") << " meanings to " << file << ".\n";
  return kOk;
}

// The review settings of vocamir.ini in the working folder.
speech::ReviewSettings ReviewSettingsOf(const fs::path& workingDirectory) {
  return speech::ReadReviewSettings(PathText(workingDirectory, speech::kSettingsFileName));
}

int Check(const fs::path& workingDirectory, std::ostream& out) {
  std::vector<std::string> problems;
  const double retention = ReviewSettingsOf(workingDirectory).Retention;
  WithDictionary(workingDirectory,
                 [&](TDataModul& data) { problems = CheckDictionary(data, retention); });
  for (const std::string& problem : problems) out << problem << "\n";
  if (problems.empty()) {
    out << "No problems found.\n";
    return kOk;
  }
  out << problems.size() << " problems found.\n";
  return kFailed;
}

int Clean(const fs::path& workingDirectory, std::ostream& out) {
  std::size_t removed = 0;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    const std::vector<BlankMeaning> blanks = FindBlankMeanings(data);
    DeleteBlankMeanings(data, blanks);
    removed = blanks.size();
  });
  out << "Removed " << removed << " blank meanings.\n";
  return kOk;
}

int Stats(const fs::path& workingDirectory, std::ostream& out) {
  store::PartCounts counts;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    data.HETable().SetFiltered(false);
    counts = store::CountParts(data.HETable());
  });
  int withoutPart = counts.All;
  for (std::size_t part = 0; part < counts.ByPart.size(); ++part) {
    out << dictionary::kPartCaptions[part] << ": " << counts.ByPart[part] << "\n";
    withoutPart -= counts.ByPart[part];
  }
  if (withoutPart > 0) out << "no part of speech: " << withoutPart << "\n";
  out << "meanings: " << counts.All << "\n";
  return kOk;
}

int ReviewStats(const fs::path& workingDirectory, std::ostream& out) {
  const review::MemoryModel model(ReviewSettingsOf(workingDirectory).Retention);
  review::Progress progress;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    progress = review::ComputeProgress(data.RUTable().Database(), model,
                                       review::DayOf(review::SystemTime()));
  });
  PrintProgress(progress, out);
  return kOk;
}

int Deselect(const fs::path& workingDirectory, std::ostream& out) {
  int cleared = 0;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    cleared = dictionary::ClearAllMarks({data.RUTable(), data.HETable(), data.ENTable()});
  });
  out << "Cleared the marks of " << cleared << " meanings.\n";
  return kOk;
}

int Due(const fs::path& workingDirectory, bool mark, std::ostream& out) {
  const int newWords = ReviewSettingsOf(workingDirectory).NewWords;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    ReportDueWords(data, review::DayOf(review::SystemTime()), newWords, mark, out);
  });
  return kOk;
}

int PrintLessons(const fs::path& workingDirectory, const std::string& file, std::ostream& out) {
  lesson::ReportSummary printed;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    lesson::TQuickReport1 report;
    report.Table1.Open(data.DataFolder());
    printed = lesson::WriteReportPdf(report.Table1.Rows(), PathText(workingDirectory, file));
  });
  out << "Printed " << printed.Records << " lesson records on " << printed.Pages
      << (printed.Pages == 1 ? " page" : " pages") << " to " << file << ".\n";
  return kOk;
}

int LessonAudio(const fs::path& workingDirectory, const std::vector<std::string>& arguments,
                std::ostream& out, std::ostream& err) {
  const std::string& file = arguments[1];
  std::string problem;
  const std::optional<LessonAudioOptions> options = ParseLessonAudioOptions(
      std::vector<std::string>(arguments.begin() + 2, arguments.end()), problem);
  if (options && SoundFormatOf(file) == 0) problem = "FILE must end in .wav, .flac or .ogg";
  if (!problem.empty()) {
    err << "vocamir-data: " << problem << "\n" << *CommandHelp("lesson-audio");
    return kUsage;
  }
  const bool terminal = isatty(STDERR_FILENO) == 1;
  const LessonAudioProgress progress = [&](int record, int records, int pass, int passes) {
    err << "\rword " << record << " of " << records << ", pass " << pass << " of " << passes
        << "   " << std::flush;
  };
  LessonAudioResult result;
  WithDictionary(workingDirectory, [&](TDataModul& data) {
    const fs::path path = PathText(workingDirectory, file).toStdString();
    result = RenderLessonAudio(data, workingDirectory, path, *options,
                               terminal ? progress : LessonAudioProgress());
  });
  if (terminal) err << "\n";
  out << "Wrote " << result.Words << " spoken words, " << result.Seconds << " s of audio, to "
      << file << ".\n";
  return kOk;
}

int Schedule(const fs::path& workingDirectory, const std::vector<std::string>& arguments,
             std::ostream& out, std::ostream& err) {
  std::string problem;
  const std::optional<ScheduleOptions> options = ParseScheduleOptions(
      std::vector<std::string>(arguments.begin() + 1, arguments.end()), problem);
  if (!options) {
    err << "vocamir-data: " << problem << "\n" << *CommandHelp("schedule");
    return kUsage;
  }
  const std::string file = PathText(workingDirectory, options->ReplayFile).toStdString();
  std::ifstream log(file);
  if (!log || fs::is_directory(file)) {
    err << "vocamir-data: cannot read the review log " << file << ": "
        << (log ? "it is a folder" : std::strerror(errno)) << "\n";
    return kFailed;
  }
  return ReplaySchedule(log, options->Retention, out, err);
}

int Find(const fs::path& workingDirectory, const std::vector<std::string>& arguments,
         std::ostream& out, std::ostream& err) {
  std::string problem;
  const std::optional<FindRequest> request =
      ParseFindArguments(std::vector<std::string>(arguments.begin() + 1, arguments.end()), problem);
  if (!request) {
    err << "vocamir-data: " << problem << "\n" << *CommandHelp("find");
    return kUsage;
  }
  int status = kFailed;
  WithDictionary(workingDirectory,
                 [&](TDataModul& data) { status = PrintFoundMeaning(data, *request, out, err); });
  return status;
}

}  // namespace

int RunCommand(const std::vector<std::string>& arguments, const fs::path& workingDirectory,
               std::ostream& out, std::ostream& err) {
  const std::string command = arguments.empty() ? std::string() : arguments[0];
  const std::size_t count = arguments.size();
  if (command == "--help" || command == "-h") {
    out << UsageText();
    return kOk;
  }
  if (command == "--version") {
    out << VersionText();
    return kOk;
  }
  if (const auto help = CommandHelp(command);
      help && std::find_if(arguments.begin() + 1, arguments.end(), [](const std::string& a) {
                return a == "--help" || a == "-h";
              }) != arguments.end()) {
    out << *help;
    return kOk;
  }
  try {
    if (command == "create" && count == 2) return Create(workingDirectory / arguments[1], out, err);
    if (command == "import" && count == 2) return Import(workingDirectory, arguments[1], out, err);
    if (command == "export" && (count == 2 || (count == 3 && arguments[2] == "--marked"))) {
      if (exchange::anki::IsPackageFile(QString::fromStdString(arguments[1]))) {
        return ExportPackage(workingDirectory, arguments[1], count == 3, out, err);
      }
      return Export(workingDirectory, arguments[1], count == 3, out);
    }
    if (command == "check" && count == 1) return Check(workingDirectory, out);
    if (command == "clean" && count == 1) return Clean(workingDirectory, out);
    if (command == "stats" && count == 1) return Stats(workingDirectory, out);
    if (command == "stats" && count == 2 && arguments[1] == "--reviews") {
      return ReviewStats(workingDirectory, out);
    }
    if (command == "deselect" && count == 1) return Deselect(workingDirectory, out);
    if (command == "due" && (count == 1 || (count == 2 && arguments[1] == "--mark"))) {
      return Due(workingDirectory, count == 2, out);
    }
    if (command == "conjugate" && count == 3) {
      return PrintConjugation(arguments[1], arguments[2], out, err);
    }
    if (command == "print-lessons" && count == 2) {
      return PrintLessons(workingDirectory, arguments[1], out);
    }
    if (command == "find" && count >= 2) return Find(workingDirectory, arguments, out, err);
    if (command == "schedule" && count >= 2) return Schedule(workingDirectory, arguments, out, err);
    if (command == "lesson-audio" && count >= 2) {
      return LessonAudio(workingDirectory, arguments, out, err);
    }
  } catch (const std::exception& error) {
    err << "vocamir-data: " << error.what() << "\n";
    return kFailed;
  }
  err << UsageText();
  return kUsage;
}

}  // namespace datatool

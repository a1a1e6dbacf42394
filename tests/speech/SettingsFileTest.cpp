#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "speech/SettingsFile.h"

namespace {

using speech::IniFile;
using speech::ReadReviewSettings;
using speech::ReadSettings;
using speech::ReviewSettings;
using speech::SettingsFileError;
using speech::Settings;
using speech::WriteSettings;

class SettingsFileTest : public testing::Test {
 protected:
  QTemporaryDir folder;
  QString path = folder.filePath("vocamir.ini");

  void Put(const std::string& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
  }

  std::string Get() {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
  }
};

// The review settings: defaults where missing; a value that is no number or out of its range is
// refused by name, never taken half.
TEST_F(SettingsFileTest, ReviewSettingsAreReadWithinTheirRanges) {
  struct Case {
    const char* file;
    double retention;
    int newWords;
    const char* refused;  // the key named in the error, or nullptr
  };
  const Case cases[] = {
      {"", 0.90, 20, nullptr},
      {"[Review]\nRETENTION=0.85\nNEWWORDS= 5 \n", 0.85, 5, nullptr},
      {"[review]\nnewwords=0\n", 0.90, 0, nullptr},
      {"[Review]\nRETENTION=0.995\n", 0, 0, "RETENTION"},
      {"[Review]\nRETENTION=high\n", 0, 0, "RETENTION"},
      {"[Review]\nNEWWORDS=-1\n", 0, 0, "NEWWORDS"},
  };
  for (const Case& c : cases) {
    Put(c.file);
    if (c.refused != nullptr) {
      try {
        ReadReviewSettings(path);
        ADD_FAILURE() << c.file;
      } catch (const SettingsFileError& error) {
        EXPECT_NE(std::string(error.what()).find(c.refused), std::string::npos) << error.what();
      }
      continue;
    }
    const ReviewSettings settings = ReadReviewSettings(path);
    EXPECT_DOUBLE_EQ(settings.Retention, c.retention) << c.file;
    EXPECT_EQ(settings.NewWords, c.newWords) << c.file;
  }
}

TEST_F(SettingsFileTest, WithoutAFileEveryValueIsItsDefault) {
  const Settings settings = ReadSettings(path);
  EXPECT_EQ(settings.VerbFormMask, "0001001000000110000000010001");
  EXPECT_EQ(settings.VoiceRU, "Nicolai");
  EXPECT_EQ(settings.VoiceHE, "Nicolai");
  EXPECT_EQ(settings.VoiceEN, "Carol");
  EXPECT_EQ(settings.SpeedRU, "100");
  EXPECT_EQ(settings.SpeedEN, "100");
  EXPECT_EQ(settings.SpeedHE, "100");
  EXPECT_FALSE(QFile::exists(path)) << "reading never creates the file";
}

TEST_F(SettingsFileTest, WritingANewFileGivesExactlyTheSevenKeysInTwoSections) {
  Settings settings;
  settings.VoiceEN = "";
  settings.SpeedRU = "130";
  WriteSettings(path, settings);
  EXPECT_EQ(Get(),
            "[Glagols_HEBREW]\n"
            "VALUE=0001001000000110000000010001\n"
            "\n"
            "[Speech]\n"
            "RUSSIAN=Nicolai\n"
            "HEBREW=Nicolai\n"
            "ENGLISH=\n"
            "SPEEDRU=130\n"
            "SPEEDEN=100\n"
            "SPEEDHE=100\n");
}

TEST_F(SettingsFileTest, WrittenValuesReadBackUnchanged) {
  Settings settings;
  settings.VerbFormMask = std::string(28, '0');
  settings.VoiceRU = "Olga";
  settings.VoiceHE = "Boris";
  settings.VoiceEN = "";
  settings.SpeedRU = "80";
  settings.SpeedEN = "450";
  settings.SpeedHE = "222";
  WriteSettings(path, settings);
  const Settings back = ReadSettings(path);
  EXPECT_EQ(back.VerbFormMask, settings.VerbFormMask);
  EXPECT_EQ(back.VoiceRU, "Olga");
  EXPECT_EQ(back.VoiceHE, "Boris");
  EXPECT_EQ(back.VoiceEN, "") << "an empty value is a value, not a missing key";
  EXPECT_EQ(back.SpeedRU, "80");
  EXPECT_EQ(back.SpeedEN, "450");
  EXPECT_EQ(back.SpeedHE, "222");
}

TEST_F(SettingsFileTest, AnExistingFileKeepsItsOtherLinesAndComments) {
  Put("; my settings\r\n"
      "[Window]\r\n"
      "Left=10\r\n"
      "\r\n"
      "[speech]\r\n"
      "; voices chosen by hand\r\n"
      "russian = Boris\r\n"
      "Volume=7\r\n"
      "\r\n"
      "[Other]\r\n"
      "X=1");
  Settings settings = ReadSettings(path);
  EXPECT_EQ(settings.VoiceRU, "Boris") << "names are case-insensitive, blanks trimmed";
  settings.VoiceRU = "Olga";
  WriteSettings(path, settings);
  EXPECT_EQ(Get(),
            "; my settings\r\n"
            "[Window]\r\n"
            "Left=10\r\n"
            "\r\n"
            "[speech]\r\n"
            "; voices chosen by hand\r\n"
            "RUSSIAN=Olga\r\n"
            "Volume=7\r\n"
            "HEBREW=Nicolai\r\n"
            "ENGLISH=Carol\r\n"
            "SPEEDRU=100\r\n"
            "SPEEDEN=100\r\n"
            "SPEEDHE=100\r\n"
            "\r\n"
            "[Other]\r\n"
            "X=1\r\n"
            "\r\n"
            "[Glagols_HEBREW]\r\n"
            "VALUE=0001001000000110000000010001");
}

TEST_F(SettingsFileTest, AByteOrderMarkIsSkippedOnReadingAndKeptOnWriting) {
  Put("\xEF\xBB\xBF[Speech]\nRUSSIAN=Boris\n");
  Settings settings = ReadSettings(path);
  EXPECT_EQ(settings.VoiceRU, "Boris");
  WriteSettings(path, settings);
  EXPECT_EQ(Get().rfind("\xEF\xBB\xBF[Speech]\nRUSSIAN=Boris\nHEBREW=", 0), 0u);
}

TEST_F(SettingsFileTest, AShortMaskCountsTheMissingFormsAsNotShown) {
  Put("[Glagols_HEBREW]\nVALUE=111\n");
  EXPECT_EQ(ReadSettings(path).VerbFormMask, "111" + std::string(25, '0'));
}

TEST_F(SettingsFileTest, ALongMaskKeepsItsExtraCharacters) {
  const std::string mask = std::string(28, '1') + "01x";
  Put("[Glagols_HEBREW]\nVALUE=" + mask + "\n");
  EXPECT_EQ(ReadSettings(path).VerbFormMask, mask);
}

TEST_F(SettingsFileTest, ValuesAreTakenAsTextsWhateverTheyHold) {
  Put("[Speech]\nRUSSIAN=Nobody\nSPEEDRU=fast\nSPEEDEN=\n");
  const Settings settings = ReadSettings(path);
  EXPECT_EQ(settings.VoiceRU, "Nobody");
  EXPECT_EQ(settings.SpeedRU, "fast");
  EXPECT_EQ(settings.SpeedEN, "");
  EXPECT_EQ(settings.SpeedHE, "100");
}

TEST_F(SettingsFileTest, KeysOutsideTheirSectionDoNotCount) {
  Put("RUSSIAN=Loose\n[Glagols_HEBREW]\nRUSSIAN=Wrong\n[Speech]\nENGLISH=Peter\n");
  const Settings settings = ReadSettings(path);
  EXPECT_EQ(settings.VoiceRU, "Nicolai");
  EXPECT_EQ(settings.VoiceEN, "Peter");
}

TEST(IniFileTest, FirstMatchingLineCountsAndIsTheOneReplaced) {
  IniFile file;
  file.Write("S", "K", "1");
  file.Write("S", "Other", "2");
  file.Write("s", "k", "3");
  EXPECT_EQ(file.Text(), "[S]\nk=3\nOther=2\n");
  EXPECT_EQ(file.Value("S", "K"), "3");
  EXPECT_EQ(file.Value("S", "Missing"), std::nullopt);
  EXPECT_EQ(file.Read("T", "K", "fallback"), "fallback");
}

// A stray carriage return at the end of the last line is no part of the value, before or after a
// line is appended behind it.
TEST(IniFileTest, AStrayCarriageReturnIsABlank) {
  IniFile file = IniFile::FromBytes("[Speech]\nHEBREW=Nicolai\r\r");
  EXPECT_EQ(file.Value("Speech", "HEBREW"), "Nicolai");
  file.Write("Speech", "ENGLISH", "Carol");
  const IniFile again = IniFile::FromBytes(file.Text());
  EXPECT_EQ(again.Value("Speech", "HEBREW"), "Nicolai");
  EXPECT_EQ(again.Value("Speech", "ENGLISH"), "Carol");
}

TEST(IniFileTest, LineBreaksInNamesOrValuesAreRefused) {
  IniFile file;
  EXPECT_THROW(file.Write("S", "K", "a\nb"), speech::SettingsFileError);
  EXPECT_THROW(file.Write("S", "K\r", "a"), speech::SettingsFileError);
  EXPECT_EQ(file.Text(), "");
}

// The disk refuses the new file after its first bytes (a file-size limit holds for every user,
// also for one with rights to any folder).
TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileUntouched) {
  Put("[Speech]\nRUSSIAN=Boris\n");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 8;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(WriteSettings(path, Settings{}), speech::SettingsFileError);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(Get(), "[Speech]\nRUSSIAN=Boris\n");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("vocamir.ini")});
}

TEST_F(SettingsFileTest, WritingIntoAMissingFolderFailsAndCreatesNothing) {
  const QString missing = folder.filePath("no/such/folder/vocamir.ini");
  EXPECT_THROW(WriteSettings(missing, Settings{}), speech::SettingsFileError);
  EXPECT_FALSE(QFileInfo::exists(folder.filePath("no")));
}

TEST_F(SettingsFileTest, AnUnreadableFileIsAnErrorNotTheDefaults) {
  QDir().mkpath(path);  // a folder where the file should be
  EXPECT_THROW(ReadSettings(path), speech::SettingsFileError);
}

}  // namespace

#include "shell/translations.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(TranslationsTest, TheCommandLineBeatsTheSettingWhichBeatsTheUsersLanguages) {
  const struct {
    std::optional<QString> command_line;
    QString setting;
    QStringList user;
    QString chosen;
  } cases[] = {
      {"nl", "de", {"fr"}, "nl"},         {std::nullopt, "de", {"fr-FR"}, "de"},
      {std::nullopt, "", {"fr-CA", "en"}, "fr"}, {std::nullopt, "", {"pt-BR", "es-MX"}, "es"},
      {std::nullopt, "", {"pt-BR"}, "en"}, {std::nullopt, "xx", {"nl-BE"}, "nl"},
      {std::nullopt, "", {"C"}, "en"},     {std::nullopt, "", {}, "en"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(chosen_language(c.command_line, c.setting, c.user), c.chosen)
        << c.setting.toStdString() << " " << c.user.join(',').toStdString();
  }
}

TEST(TranslationsTest, ReadsLanguageCodesOfEveryForm) {
  const struct { QString code; std::optional<QString> language; } cases[] = {
      {"de", "de"}, {"de_AT.UTF-8", "de"}, {"FR", "fr"}, {"es-MX", "es"}, {"nl_BE", "nl"},
      {"en_GB", "en"}, {"C", "en"}, {"C.UTF-8", "en"}, {"POSIX", "en"}, {"pt", std::nullopt},
      {"", std::nullopt}, {"deutsch", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shipped_language(c.code), c.language) << c.code.toStdString();
  }
}

TEST(TranslationsTest, NoteNamesFollowTheCommandLineTheSettingOrTheLanguage) {
  EXPECT_EQ(chosen_note_naming(NoteNaming::Letters, "german", "de"), NoteNaming::Letters);
  EXPECT_EQ(chosen_note_naming(std::nullopt, "fixed-do", "de"), NoteNaming::FixedDo);
  EXPECT_EQ(chosen_note_naming(std::nullopt, "", "de"), NoteNaming::German);
  EXPECT_EQ(chosen_note_naming(std::nullopt, "", "fr"), NoteNaming::FixedDo);
  EXPECT_EQ(chosen_note_naming(std::nullopt, "", "es"), NoteNaming::FixedDo);
  EXPECT_EQ(chosen_note_naming(std::nullopt, "bogus", "nl"), NoteNaming::Letters);
  EXPECT_EQ(chosen_note_naming(std::nullopt, "", "en"), NoteNaming::Letters);
}

TEST(TranslationsTest, TranslatesFromTheProgramsAndTheToolkitsFilesElseKeepsEnglish) {
  const Translations german("de", {"/nonexistent", VELMORA_TRANSLATIONS_DIR});
  EXPECT_TRUE(german.loaded());
  EXPECT_EQ(german.text("CommandLine", "Show this help and exit."),
            "Diese Hilfe zeigen und beenden.");
  EXPECT_EQ(german.text("QCommandLineParser", "Options:"), "Optionen:");
  EXPECT_EQ(german.text("CommandLine", "A text nobody translated."), "A text nobody translated.");
  const Translations lost("de", {"/nonexistent"});
  EXPECT_FALSE(lost.loaded());
  EXPECT_EQ(lost.text("CommandLine", "Show this help and exit."), "Show this help and exit.");
  const Translations english("en", {VELMORA_TRANSLATIONS_DIR});
  EXPECT_FALSE(english.loaded());
  EXPECT_EQ(english.text("QCommandLineParser", "Options:"), "Options:");
}

}  // namespace
}  // namespace velmora

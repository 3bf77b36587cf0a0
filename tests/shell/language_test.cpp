#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>
#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>
#include <filesystem>
#include <memory>
#include <optional>

#include "shell/about_box.h"
#include "shell/display_texts.h"
#include "shell/keys_page.h"
#include "platform/qt/qt_settings_store.h"
#include "shell/main_window.h"
#include "shell/note_labels.h"
#include "shell/sheet_jobs.h"
#include "shell/translations.h"
#include "shell_fixture.h"

namespace velmora {
namespace {

// Loads the German texts for as long as it lives.
struct GermanTexts {
  GermanTexts() {
    EXPECT_TRUE(translator_.load("velmora_de", VELMORA_TRANSLATIONS_DIR));
    QCoreApplication::installTranslator(&translator_);
  }
  ~GermanTexts() { QCoreApplication::removeTranslator(&translator_); }
  QTranslator translator_;
};

// The window in German with German note names.
class GermanWindowTest : public ::testing::Test, protected GermanTexts, protected Shell {
 protected:
  GermanWindowTest() {
    window.set_language("de");
    window.set_note_naming(NoteNaming::German);
  }
  void type(int circle, const QString& keys) {
    window.circle_label(circle)->setFocus();
    QTest::keyClick(window.circle_label(circle), Qt::Key_Backspace);
    QTest::keyClicks(window.circle_label(circle), keys);
  }
  PaletteLabel* palette(const char* name) {
    for (int index = 0; index < 35; ++index) {
      if (window.noot(index)->name() == name) return window.noot(index);
    }
    return nullptr;
  }
};

TEST_F(GermanWindowTest, ThePaletteShowsGermanNamesAndDragsTheProgramsOwn) {
  const struct { const char* name; const char* shown; const char* spoken; } cases[] = {
      {"B", "H", "H"}, {"Bb", "B", "B"}, {"Bbb", "Heses", "Heses"}, {"Ab", "As", "As"},
      {"F#", "Fis", "Fis"}, {"Ex", "Eisis", "Eisis"}, {"C", "C", "C"},
  };
  for (const auto& c : cases) {
    PaletteLabel* label = palette(c.name);
    ASSERT_NE(label, nullptr) << c.name;
    EXPECT_EQ(label->text(), c.shown);
    EXPECT_EQ(label->accessibleName(), c.spoken);
  }
  QString picked;
  QObject::connect(palette("Bb"), &PaletteLabel::picked,
                   [&](const QString& name) { picked = name; });
  palette("Bb")->pick();
  EXPECT_EQ(picked, "Bb");
  EXPECT_EQ(window.findChild<QPushButton*>("Create_Puzzle")->text(), "Erstellen");
  EXPECT_EQ(window.findChild<QPushButton*>("Command_Check")->text(), "Prüfen");
  EXPECT_EQ(palette("Bb")->toolTip(), "Auf einen Kreis ziehen oder mit der Eingabetaste aufnehmen");
  EXPECT_EQ(window.circle_label(1)->toolTip(),
            "Einen Namen tippen oder hier ablegen. Rechtsklick: Namen, Leeren, Fehler zeigen "
            "(Strg+M), Diesen Ton aufdecken (Strg+R)");
  window.help_menu()->actions()[1]->trigger();
  auto* keys = window.findChild<KeysPage*>("keys_page");
  ASSERT_NE(keys, nullptr);
  EXPECT_EQ(keys->windowTitle(), "Tasten und Funktionen");
  EXPECT_TRUE(keys->text().startsWith("Tasten\nTasten\nWirkung\n"));
  EXPECT_EQ(window.findChild<QWidget*>("List1")->accessibleName(), "MIDI-Gerät");
  EXPECT_TRUE(keys->text().contains("Strg+R\nDiesen Ton aufdecken: den richtigen Ton des "
                                    "umrandeten Kreises zeigen (er zählt als verfehlt)"));
}

// The core's notices, each as the German learner reads it; unknown values pass as they are.
TEST(GermanNoticeTest, SettingsHistoryPrintingAndTheAnswerLogsReasons) {
  const GermanTexts german;
  const struct { const char* english; const char* german; } notices[] = {
      {"Velmora could not read your settings (it is not a settings file Velmora can read), so "
       "it starts with the usual ones.",
       "Velmora konnte Ihre Einstellungen nicht lesen (es ist keine Einstellungsdatei, die "
       "Velmora lesen kann) und startet daher mit den üblichen."},
      {"Velmora could not save your settings (Cannot write /s/V.conf). Your choices last until "
       "Velmora closes.",
       "Velmora konnte Ihre Einstellungen nicht speichern (/s/V.conf kann nicht geschrieben "
       "werden). Ihre Auswahl gilt, bis Velmora geschlossen wird."},
      {"Your practice history /h.sqlite could not be read (it is damaged: bad page), so Velmora "
       "has started a new one. The old file is kept as /h.old.",
       "Ihr Übungsverlauf /h.sqlite konnte nicht gelesen werden (er ist beschädigt: bad page); "
       "Velmora hat daher einen neuen begonnen. Die alte Datei ist als /h.old aufbewahrt."},
      {"Velmora cannot keep your practice history in /d (locked, and another copy of Velmora is "
       "opening it). You can play as usual, but this run's answers are not recorded.",
       "Velmora kann Ihren Übungsverlauf nicht in /d führen (locked, und eine andere "
       "Velmora-Instanz öffnet ihn gerade). Sie können wie gewohnt spielen, aber die Antworten "
       "dieser Sitzung werden nicht aufgezeichnet."},
      {"Your practice history /h cannot be written, so Velmora shows it as it is and does not "
       "record this run's answers.",
       "In Ihren Übungsverlauf /h kann nicht geschrieben werden; Velmora zeigt ihn daher so, wie "
       "er ist, und zeichnet die Antworten dieser Sitzung nicht auf."},
      {"There was an Error while printing the Worksheet! (Or it was Canceled by the user.) The "
       "printer reports a page without size (0 x 9 twips)",
       "Beim Drucken des Arbeitsblatts ist ein Fehler aufgetreten! (Oder der Benutzer hat "
       "abgebrochen.) Der Drucker meldet eine Seite ohne Größe (0 x 9 Twips)"},
      {"The page is too large to lay out the worksheet (9 x 9 twips).",
       "Die Seite ist zu groß, um das Arbeitsblatt darauf anzuordnen (9 x 9 Twips)."},
      {"The answer key was saved without 2 part(s) of Worksheet.id that could not be read:\n"
       "line 3: more than five notes\nline 9: no star",
       "Der Lösungsschlüssel wurde ohne 2 Teil(e) von Worksheet.id gespeichert, die sich nicht "
       "lesen ließen:\nZeile 3: mehr als fünf Töne\nZeile 9: no star"},
  };
  for (const auto& notice : notices) {
    EXPECT_EQ(shown_message(notice.english, NoteNaming::Letters), QString(notice.german));
  }
}

TEST_F(GermanWindowTest, GermanNamesTypedInEveryCircleAreCountedByAGermanCheck) {
  create();
  EXPECT_EQ(caption(9), "   G");
  EXPECT_EQ(window.findChild<QPushButton*>("Hint4")->toolTip(),
            "Die Formel dieses Akkords zeigen und ihn hören. Rechtsklick: Meine Antwort spielen "
            "(Strg+4)\nDominantseptnonakkord, Sekunde statt Terz");
  // Two wrong: Cis in circle 2, Des in circle 16.
  const QStringList answers = QString("c,cis,d,es,d,h,c,e,g,b,d,e,b,b,c,des,d").split(',');
  for (int circle = 1; circle <= 17; ++circle) {
    if (circle != 9) type(circle, answers[circle - 1]);
  }
  EXPECT_EQ(caption(4), "  Es");
  EXPECT_EQ(window.circle_label(4)->accessibleName(),
            "Kreis 4, kleine Terz von Moll-Septnonakkord, enthält Es");
  EXPECT_EQ(window.circle_label(9)->accessibleName(),
            "Kreis 9, Mitte aller vier Akkorde, vorgegeben, enthält G");
  EXPECT_EQ(caption(6), "   H");
  EXPECT_EQ(caption(10), "   B");
  window.findChild<QPushButton*>("Command_Check")->click();
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text,
            "Sie haben 15 von 17 Antworten richtig. (Die erste ist immer vorgegeben!)");
  EXPECT_EQ(boxes[0].title, "Velmora");
  window.findChild<QPushButton*>("Hint3")->click();
  EXPECT_EQ(window.review_overlay().status()->accessibleName(),
            "Formel von Moll-Septnonakkord: Grundton, kleine Terz, reine Quinte, kleine Septime, "
            "große None");
}

TEST_F(GermanWindowTest, TheReviewNamesTheMistakesInGerman) {
  create();
  type(4, "dis");
  type(6, "ais");
  EXPECT_EQ(caption(4), " Dis");
  window.findChild<QPushButton*>("Command_Check")->click();
  window.review_overlay().show_mistakes();
  EXPECT_EQ(window.circle_label(4)->toolTip(),
            "klingt richtig, ist aber falsch geschrieben: Dis heißt hier Es");
  EXPECT_EQ(window.circle_label(6)->toolTip(), "falsch: Ais ist hier nicht der richtige Ton");
}

TEST_F(GermanWindowTest, TheAboutBoxTellsItsHelpInGerman) {
  AboutBox& box = window.about().show();
  EXPECT_EQ(box.windowTitle(), "Über Velmora");
  const QString help = box.findChild<QPlainTextEdit*>("Text1")->toPlainText();
  EXPECT_TRUE(help.startsWith("Lernen Sie, Akkorde zu verstehen und sich einzuprägen. (Bis zur "
                              "None)\n\n\nSo benutzen Sie dieses Programm.\n"))
      << help.toStdString();
  EXPECT_EQ(box.findChild<QPushButton*>("cmdSysInfo")->text(), "&Systeminformationen...");
}

TEST_F(GermanWindowTest, ProgressFiguresInGermanWithTheKeysInGermanNames) {
  ProgressSummary summary;
  summary.checks = 1;
  summary.retries = 3;
  summary.total = {3, 1, 0, 0};
  summary.by_key = {{"Bb", {3, 1, 0, 0}}, {"F#", {0, 0, 0, 0}}};
  summary.by_week = {{"2026-11-23", {1, 0, 0, 0}}, {"2026-11-30", {2, 1, 0, 0}}};
  const ProgressText text = shown_progress(progress_text(summary), NoteNaming::German);
  EXPECT_EQ(text.overview,
            "4 Antworten in 1 Prüfung: 75 % richtig. 3 spätere Prüfungen derselben "
            "Rätsel werden nicht noch einmal gezählt.");
  EXPECT_EQ(text.keys.title, "Treffsicherheit je Tonart");
  EXPECT_EQ(text.keys.lines,
            (std::vector<std::string>{"B: 75 % richtig (3 von 4)", "Fis: keine Antworten"}));
  EXPECT_EQ(text.keys.points[0].name, "B");
  EXPECT_EQ(text.classes.lines[1], "Richtiger Ton, falsch geschrieben: 25 % (1 von 4)");
  EXPECT_EQ(text.weeks.lines[0],
            "Gesunken von 100 % auf 67 % richtig seit der Woche vom 2026-11-23.");
}

TEST(DisplayMenuTest, HelpsMenuSavesTheLanguageForTheNextStartAndTheNoteNamesAtOnce) {
  const QTemporaryDir folder;
  QtSettingsStore settings(folder.filePath("settings.conf"));
  Shell shell(true, MidiResult::Ok, &settings);
  MainWindow& window = shell.window;
  const auto action = [&](const QString& menu_title, const QString& title) {
    const std::unique_ptr<QMenu> menu = window.help_menu();
    for (QAction* item : menu->actions()) {
      for (QAction* choice : item->menu() ? item->menu()->actions() : QList<QAction*>()) {
        if (item->text() == menu_title && choice->text() == title) return choice->trigger();
      }
    }
    ADD_FAILURE() << title.toStdString();
  };
  action("Note names", "German (C, Fis, B, H)");
  std::string problem;
  EXPECT_EQ(settings.load(problem).note_names, "german");
  EXPECT_EQ(window.note_naming(), NoteNaming::German);
  for (int index = 0; index < 35; ++index) {
    if (window.noot(index)->name() == "Bb") {
      EXPECT_EQ(window.noot(index)->text(), "B");
    }
  }
  action("Language", "Nederlands");
  EXPECT_EQ(settings.load(problem).language, "nl");
  ASSERT_EQ(shell.boxes.size(), 1U);
  EXPECT_EQ(shell.boxes[0].text, "Velmora speaks the chosen language from its next start.");
  EXPECT_EQ(window.findChild<QPushButton*>("Create_Puzzle")->text(), "Create");
}

// The same batch of worksheets in every naming, in German: the log's bytes stay the letters',
// the page names its given notes as chosen and speaks German.
TEST(SheetJobNamingTest, TheLogIsTheSameWhateverTheNamesOnThePage) {
  const GermanTexts german;
  const QTemporaryDir folder;
  const std::filesystem::path root = folder.path().toStdString();
  const struct { NoteNaming naming; const char* given; } runs[] = {
      {NoteNaming::Letters, "Bbb"}, {NoteNaming::German, "Heses"},
      {NoteNaming::FixedDo, "Si♭♭"}};
  std::optional<QByteArray> letters_log;
  for (const auto& run : runs) {
    const std::filesystem::path place = root / note_naming_word(run.naming);
    std::filesystem::create_directories(place);
    SheetJob job;
    job.kind = SheetJob::Kind::Worksheets;
    job.log = place / "Worksheet.id";
    job.output = place / "out";
    job.sheets = 1;
    job.seed = 42;
    job.paper = QPageSize::A4;
    job.naming = run.naming;
    testing::FakeClock clock;
    ASSERT_EQ(run_sheet_job(job, clock).exit_status, 0);
    QFile log(QString::fromStdString(job.log.string()));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray bytes = log.readAll();
    if (!letters_log) letters_log = bytes;
    EXPECT_EQ(bytes, *letters_log) << note_naming_word(run.naming);
    QProcess text;
    const QString page = QString::fromStdString((job.output / "worksheet-1.pdf").string());
    text.start(VELMORA_PDFTOTEXT, {page, "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QStringList words = QString::fromUtf8(text.readAllStandardOutput()).split('\n');
    EXPECT_TRUE(words.contains(run.given)) << words.join('|').toStdString();
    EXPECT_TRUE(words.contains(
        "Arbeiten Sie sich von links/rechts oder von oben/unten durch diese Akkorde."));
    EXPECT_TRUE(words.contains("Arbeitsblatt erstellt mit Velmora"));
    QProcess key_text;
    key_text.start(VELMORA_PDFTOTEXT,
                   {"-htmlmeta", QString::fromStdString((job.output / "answer-key.pdf").string()),
                    "-"});
    ASSERT_TRUE(key_text.waitForFinished(20000));
    const QString key = QString::fromUtf8(key_text.readAllStandardOutput());
    EXPECT_TRUE(key.split(QRegularExpression(R"(\s+)")).contains(run.given)) << key.toStdString();
    EXPECT_TRUE(key.contains("Lösungsschlüssel erstellt mit Velmora"));
    EXPECT_TRUE(key.contains("<title>Lösungsschlüssel</title>"));
  }
}

TEST(ShownMessageTest, FillsTemplatesKeepsUnknownTextsAndNamesNotesAsChosen) {
  // Without a translator the English stays, with the notes still in the chosen names.
  EXPECT_EQ(shown_message("sounds right, spelled wrong: D# here is Eb", NoteNaming::FixedDo),
            "sounds right, spelled wrong: Ré♯ here is Mi♭");
  EXPECT_EQ(shown_message("wrong: %2 is not the note here", NoteNaming::German),
            "wrong: %2 is not the note here");
  EXPECT_EQ(shown_message("You have 5 correct answers out of 17.(The First is always given!)",
                          NoteNaming::German),
            "You have 5 correct answers out of 17.(The First is always given!)");
  EXPECT_EQ(shown_caption("  Bb", NoteNaming::German), "   B");
  EXPECT_EQ(shown_caption(" Bbb", NoteNaming::German), "Heses");
  EXPECT_EQ(shown_caption("  b7", NoteNaming::German), "  b7");
}

}  // namespace
}  // namespace velmora

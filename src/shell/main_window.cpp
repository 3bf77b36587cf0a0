#include "shell/main_window.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>

#include "shell/answer_key_menu.h"
#include "shell/device_list.h"
#include "shell/display_texts.h"
#include "shell/keys_page.h"
#include "shell/fonts.h"
#include "shell/layout.h"
#include "shell/note_labels.h"
#include "shell/star_layout.h"
#include "shell/translations.h"
#include "platform/qt/text.h"

namespace velmora {
namespace {

constexpr int kCircleLabelOffset = 120;
constexpr int kCircleLabelHeight = 495;

struct Place {
  int left;
  int top;
};

// Noot(0) .. Noot(34); one- and two-letter names are 375 wide, three-letter names 615.
constexpr std::array<Place, kPaletteNames.size()> kPalettePlaces = {{
    {120, 5400},  {1080, 5400}, {600, 5400},  {1560, 5400}, {2040, 5400}, {2520, 5400},
    {3000, 5400}, {120, 5880},  {600, 5880},  {1080, 5880}, {1560, 5880}, {2040, 5880},
    {2520, 5880}, {3000, 5880}, {120, 6360},  {840, 6360},  {1560, 6360}, {2280, 6360},
    {2880, 6360}, {3600, 6360}, {4320, 6360}, {5280, 5400}, {5760, 5400}, {6240, 5400},
    {6720, 5400}, {7200, 5400}, {7680, 5400}, {8160, 5400}, {5280, 5880}, {5760, 5880},
    {6240, 5880}, {6720, 5880}, {7200, 5880}, {7680, 5880}, {8160, 5880},
}};

constexpr std::array<Place, kChordLineCount> kHintPlaces = {
    {{7200, 240}, {7200, 2400}, {7200, 4560}, {4680, 4560}}};

// The palette's groups as its rows show them, by index.
struct PaletteGroup {
  const char* title;
  std::size_t first;
};
constexpr PaletteGroup kPaletteGroups[] = {
    {QT_TRANSLATE_NOOP("velmora::MainWindow", "Naturals"), 0},
    {QT_TRANSLATE_NOOP("velmora::MainWindow", "Flats"), 7},
    {QT_TRANSLATE_NOOP("velmora::MainWindow", "Double flats"), 14},
    {QT_TRANSLATE_NOOP("velmora::MainWindow", "Sharps"), 21},
    {QT_TRANSLATE_NOOP("velmora::MainWindow", "Double sharps"), 28}};

// The languages the settings offer, each named in itself.
constexpr std::pair<const char*, const char*> kLanguageNames[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"},
    {"nl", "Nederlands"}};

// The note names the settings offer.
constexpr std::pair<NoteNaming, const char*> kNamingTitles[] = {
    {NoteNaming::Letters, QT_TRANSLATE_NOOP("velmora::MainWindow", "Letters (C, F#, Bb, B)")},
    {NoteNaming::German, QT_TRANSLATE_NOOP("velmora::MainWindow", "German (C, Fis, B, H)")},
    {NoteNaming::FixedDo, QT_TRANSLATE_NOOP("velmora::MainWindow", "Fixed do (Do, Fa♯, Si♭, Si)")}};

// A chord-name button's tooltip: what it does and its shortcut.
QString hint_tip(int line) {
  return QCoreApplication::translate(
             "velmora::MainWindow",
             "Show this chord's formula and hear it. Right-click: Play my answer (Ctrl+%1)")
      .arg(line);
}

// The font made smaller, as far as it stays readable, until the text fits the width: German and
// fixed-do names run up to five characters where the letters never pass three.
QFont shrunk_to_fit(QFont font, const QString& text, int width) {
  constexpr int kSmallestPixels = 9;
  while (font.pixelSize() > kSmallestPixels &&
         QFontMetrics(font).horizontalAdvance(text) > width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

constexpr std::size_t kGroupSize = 7;

QColor ring_colour(Ring ring) {
  switch (ring) {
    case Ring::Outer:
      return kOuterRingColour;
    case Ring::Inner:
      return kInnerRingColour;
    case Ring::Centre:
      return kCentreColour;
  }
  return kCentreColour;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, QRect box) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(box);
  QPalette colours = button->palette();
  colours.setColor(QPalette::Button, kButtonColour);
  button->setPalette(colours);
  return button;
}

template <typename Widget>
Widget* make_option(QWidget* parent, const char* name, const QString& caption, QRect box) {
  auto* option = new Widget(caption, parent);
  option->setObjectName(name);
  option->setGeometry(box);
  return option;
}

}  // namespace

MainWindow::MainWindow(ShellPorts ports, QWidget* parent)
    : QWidget(parent),
      windows_(this),
      about_(*this, SysInfoPlatform{registry_, launcher_, windows_}),
      printer_(platform_print_dialogs(this)),
      form_(Platform{windows_, ports.random, ports.clock, ports.midi, printer_, answer_log_,
                     ports.history, ports.settings}),
      history_(ports.history) {
  setObjectName("MainForm");
  setWindowTitle(" Velmora");
  setFixedSize(px(10170), px(7305));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kWindowColour);
  colours.setColor(QPalette::Base, kWindowColour);
  use_fixed_text_colours(colours);
  setPalette(colours);
  setFont(layout_font("MS Sans Serif", 8.25));

  // Created bottom-up: later siblings stack above earlier ones, and everything drawn in
  // paintEvent lies beneath them all.
  build_star();
  build_palette();
  build_left_column();
  review_ = new ReviewOverlay(*this, form_, circles_);
  review_->set_wording([this](const std::string& text) { return shown_message(text, naming_); });
  input_ = new StarInput(
      *this, form_, circles_, palette_,
      [this](const std::function<void()>& handler) { run(handler); },
      [this](const QString& text) { review_->announce(text); });
  set_tab_order();
  add_shortcuts();
  show_menu_ = [](QMenu& menu, QPoint at) { menu.exec(at); };

  windows_.set_before_message([this] { refresh(); });
  windows_.set_repainter([this](std::span<const int> circles) {
    // A hint shows its formula in the line's circles, and the restored notes after the pause.
    QStringList formula;
    for (int circle : circles) {
      CircleLabel* label = circles_[circle - 1];
      const std::string& caption = form_.controls().circles[circle - 1].caption;
      show_caption(circle, caption);
      label->repaint();
      if (caption.empty() || NoteName::from_text(caption)) continue;
      const QString interval = interval_in_words(circle == circles.front() ? std::string("root")
                                                                           : spoken_chord(caption));
      label->setAccessibleName(
          tr("%1; formula: %2")
              .arg(shown_message(form_.circle_description(circle), naming_), interval));
      formula << interval;
    }
    const auto line = std::ranges::find_if(kChordLineCircles, [&](const auto& line_circles) {
      return line_circles.front() == circles.front() && line_circles.back() == circles.back();
    });
    if (line != kChordLineCircles.end() && formula.size() == static_cast<int>(circles.size())) {
      const std::string& chord = form_.controls().hints[line - kChordLineCircles.begin()];
      review_->announce(tr("%1 formula: %2").arg(chord_name_spoken(chord), formula.join(", ")));
    }
  });
  windows_.set_about_shower([this] { about_.show(); });
  printer_.set_wording([](std::string_view text) {
    return shown_message(std::string(text), NoteNaming::Letters);
  });
  windows_.set_wording(
      [this](const std::string& text) { return shown_message(text, naming_).toStdString(); });

  form_.Form_Load();
  connect_menus();
  refresh();
  Create_Puzzle_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::build_left_column() {
  Create_Puzzle_ = make_button(this, "Create_Puzzle", tr("Create"), twips(120, 120, 1095, 375));
  Command_Check_ = make_button(this, "Command_Check", tr("Check"), twips(120, 600, 1095, 375));
  WorkSheet_cmd_ =
      make_button(this, "WorkSheet_cmd", tr("Work Sheet"), twips(120, 1080, 1095, 375));
  Help_cmd_ = make_button(this, "Help_cmd", tr("Help"), twips(120, 1560, 1095, 375));
  advanced_ =
      make_option<QCheckBox>(this, "advanced", tr("Advanced"), twips(120, 2040, 1095, 255));
  Center_Question_ = make_option<QCheckBox>(this, "Center_Question", tr("Center Question"),
                                            twips(120, 2280, 1575, 255));
  Option1_ =
      make_option<QRadioButton>(this, "Option1", tr("Beginner"), twips(120, 2520, 1215, 255));
  Option2_ =
      make_option<QRadioButton>(this, "Option2", tr("Expert"), twips(120, 2760, 1335, 255));
  Frame1_ = new QGroupBox(tr("Midi Driver"), this);
  Frame1_->setObjectName("Frame1");
  Frame1_->setGeometry(twips(120, 3480, 1695, 1815));
  List1_ = new DeviceList(Frame1_);
  List1_->setObjectName("List1");
  List1_->setGeometry(twips(120, 240, 1455, 1110));
  List1_->setFont(layout_font("Arial", 8.25));
  // Like a classic list box: long device names are cut off rather than scrolled sideways.
  List1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  List1_->setAccessibleName(tr("MIDI device"));
  check_midi_ =
      make_option<QCheckBox>(Frame1_, "check_midi", tr("Enable MIDI"), twips(240, 1560, 1335, 195));
  // Translated captions may run longer than the English ones the layout was made for.
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
           Create_Puzzle_, Command_Check_, WorkSheet_cmd_, Help_cmd_, advanced_,
           Center_Question_, Option1_, Option2_, check_midi_}) {
    constexpr int kRoomBesideText = 24;
    const int room = button->width() - kRoomBesideText;
    if (QFontMetrics(button->font()).horizontalAdvance(button->text()) > room) {
      button->setFont(fitted_font(button->font(), button->text(), room));
    }
  }


  Create_Puzzle_->setToolTip(tr("Create a new puzzle (Ctrl+N). Right-click: Practice weak spots"));
  Command_Check_->setToolTip(
      tr("Count the right answers (Ctrl+K); then Ctrl+M shows the mistakes"));
  WorkSheet_cmd_->setToolTip(tr("Print six empty stars (Ctrl+P). Right-click: Answer key…"));
  Help_cmd_->setToolTip(
      tr("About Velmora (F1). Right-click: Progress… (Ctrl+H), Keys and features…, Language, "
         "Note names"));
  advanced_->setToolTip(
      tr("Allow puzzles with triple and quadruple accidentals (from the next Create)"));
  Center_Question_->setToolTip(tr("Always give the centre note (from the next Create)"));
  Option1_->setToolTip(tr("The common chord types (from the next Create)"));
  Option2_->setToolTip(tr("Every chord type (from the next Create)"));
  List1_->setToolTip(tr("The MIDI device the chords are played on"));
  check_midi_->setToolTip(tr("Play the chords of the hints and Play my answer"));
  connect(Create_Puzzle_, &QPushButton::clicked, this, [this] {
    run([this] { form_.Create_Puzzle_Click(); });
  });
  connect(Command_Check_, &QPushButton::clicked, this, [this] {
    run([this] { form_.Command_Check_Click(); });
  });
  connect(WorkSheet_cmd_, &QPushButton::clicked, this, [this] {
    run([this] { form_.WorkSheet_cmd_Click(); });
  });
  connect(Help_cmd_, &QPushButton::clicked, this, [this] {
    run([this] { form_.Help_cmd_Click(); });
  });
  connect(List1_, &DeviceList::entry_chosen, this, [this](int row) {
    if (row >= 0) run([this, row] { form_.List1_Click(row); });
  });
  connect(advanced_, &QCheckBox::toggled, this,
          [this](bool on) { form_.set_advanced(on); });
  connect(Center_Question_, &QCheckBox::toggled, this,
          [this](bool on) { form_.set_centre_question(on); });
  connect(check_midi_, &QCheckBox::toggled, this,
          [this](bool on) { form_.set_midi_enabled(on); });
  connect(Option1_, &QRadioButton::clicked, this, [this] {
    run([this] { form_.Option1_Click(); });
  });
  connect(Option2_, &QRadioButton::clicked, this, [this] {
    run([this] { form_.Option2_Click(); });
  });
}

void MainWindow::build_star() {
  circle_font_ = layout_font("MS Sans Serif", 13.5);
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const CircleBox& box = kCircleBoxes[circle - 1];
    auto* label = new CircleLabel(circle, this);
    label->setObjectName(to_qstring(kCircleLabelNames[circle - 1]));
    label->setGeometry(
        twips(box.left, box.top + kCircleLabelOffset, kCircleSize, kCircleLabelHeight));
    label->setFont(circle_font_);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setToolTip(circle_tip());
    connect(label, &CircleLabel::menu_requested, this, [this](int circle, QPoint at) {
      show_menu_(*circle_menu(circle), at);
    });
    circles_[circle - 1] = label;
  }
  const char* hint_names[] = {"Hint1", "Hint2", "Hint3", "Hint4"};
  for (int line = 0; line < kChordLineCount; ++line) {
    hints_[line] = make_button(this, hint_names[line], {},
                               twips(kHintPlaces[line].left, kHintPlaces[line].top, 975, 375));
    hints_[line]->setFont(layout_font("MS Serif", 6));
    hints_[line]->setToolTip(hint_tip(line + 1));
  }
  void (MainForm::*const hint_clicks[])() = {&MainForm::Hint1_Click, &MainForm::Hint2_Click,
                                              &MainForm::Hint3_Click, &MainForm::Hint4_Click};
  for (int line = 0; line < kChordLineCount; ++line) {
    connect(hints_[line], &QPushButton::clicked, this,
            [this, click = hint_clicks[line]] { run([this, click] { (form_.*click)(); }); });
    hints_[line]->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(hints_[line], &QWidget::customContextMenuRequested, this, [this, line](QPoint at) {
      show_menu_(*hint_menu(line + 1), hints_[line]->mapToGlobal(at));
    });
  }
}

void MainWindow::build_palette() {
  install_palette_accessibility();
  for (std::size_t index = 0; index < kPaletteNames.size(); ++index) {
    const std::string_view name = kPaletteNames[index];
    auto* label = new PaletteLabel(to_qstring(name), this);
    label->setObjectName("Noot");
    label->setProperty("index", static_cast<int>(index));
    label->setGeometry(twips(kPalettePlaces[index].left, kPalettePlaces[index].top,
                             name.size() == 3 ? 615 : 375, 375));
    label->setFont(layout_font("MS Sans Serif", 13.5));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setToolTip(tr("Drag onto a circle, or press Enter to pick it up"));
    palette_[index] = label;
  }
  auto* instruction = new QLabel(
      tr("Drag and drop the correct answers in the circles. Press the buttons with the chord "
         "names to get some help."),
      this);
  instruction->setObjectName("Label1");
  instruction->setGeometry(twips(1200, 6960, 7695, 255));
  instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  instruction->setFont(fitted_font(font(), instruction->text(), instruction->width()));
}

void MainWindow::set_tab_order() {
  QWidget* order[] = {Create_Puzzle_, Command_Check_, WorkSheet_cmd_,   hints_[0], hints_[1],
                      hints_[2],      hints_[3],      advanced_,        Help_cmd_,
                      Center_Question_, Option1_,     Option2_,         List1_,    check_midi_};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
  // The star and then the palette follow, each one stop: the arrows move within them.
  QWidget* previous = check_midi_;
  for (QWidget* circle : circles_) setTabOrder(std::exchange(previous, circle), circle);
  for (QWidget* name : palette_) setTabOrder(std::exchange(previous, name), name);
  circles_[input_->star_stop() - 1]->setFocusPolicy(Qt::StrongFocus);
  palette_[0]->setFocusPolicy(Qt::TabFocus);
}

void MainWindow::refresh() {
  const MainFormControls& controls = form_.controls();
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const Label& label = controls.circles[circle - 1];
    show_caption(circle, label.caption);
    circles_[circle - 1]->setEnabled(label.enabled);
    const QString description = shown_message(form_.circle_description(circle), naming_);
    if (circles_[circle - 1]->accessibleName() != description) {
      circles_[circle - 1]->setAccessibleName(description);
    }
  }
  input_->keep_stop_open();
  for (int line = 0; line < kChordLineCount; ++line) {
    hints_[line]->setText(QString::fromStdString(controls.hints[line]));
    hints_[line]->setAccessibleName(chord_name_spoken(controls.hints[line]));
    const QString words = chord_type_in_words(controls.hints[line]);
    hints_[line]->setToolTip(words.isEmpty() ? hint_tip(line + 1)
                                             : hint_tip(line + 1) + "\n" + words);
  }
  const QSignalBlocker blockers[] = {QSignalBlocker(advanced_), QSignalBlocker(Center_Question_),
                                     QSignalBlocker(check_midi_), QSignalBlocker(Option1_),
                                     QSignalBlocker(Option2_)};
  advanced_->setChecked(controls.advanced.checked());
  advanced_->setEnabled(controls.advanced.enabled);
  Center_Question_->setChecked(controls.Center_Question.checked());
  Center_Question_->setEnabled(controls.Center_Question.enabled);
  check_midi_->setChecked(controls.check_midi.checked());
  check_midi_->setEnabled(controls.check_midi.enabled);
  Option2_->setChecked(controls.Option2);
  Option1_->setChecked(!controls.Option2);
  Frame1_->setEnabled(controls.frame1_enabled);
  const QSignalBlocker list_blocker(List1_);
  if (List1_->count() != static_cast<int>(controls.List1.entries.size())) {
    List1_->clear();
    for (const ListEntry& entry : controls.List1.entries) {
      List1_->addItem(shown_message(entry.text, NoteNaming::Letters));
    }
  }
  List1_->show_open_row(controls.List1.selected);
  review_->board_shown();
}

QString MainWindow::chord_name_spoken(const std::string& chord) const {
  // In another language the catalogue's names are said in its words.
  const QString words = chord_type_in_words(chord);
  if (language_ != "en" && !words.isEmpty()) return words;
  return QString::fromStdString(spoken_chord(chord));
}

void MainWindow::show_caption(int circle, const std::string& caption) {
  CircleLabel* label = circles_[circle - 1];
  const QString shown = shown_caption(caption, naming_);
  label->setText(shown);
  label->setFont(naming_ == NoteNaming::Letters
                     ? circle_font_
                     : shrunk_to_fit(circle_font_, shown, label->width()));
}

void MainWindow::set_note_naming(NoteNaming naming) {
  naming_ = naming;
  input_->set_note_naming(naming);
  form_.set_note_naming(naming);
  if (progress_ != nullptr) {
    QMetaObject::invokeMethod(progress_, "set_note_naming", Q_ARG(int, static_cast<int>(naming)));
  }
  for (std::size_t index = 0; index < palette_.size(); ++index) {
    PaletteLabel* label = palette_[index];
    const std::string name = label->name().toStdString();
    const QString shown = shown_caption(name, naming);
    // Longer names take the room up to the next name of their row.
    int width = name.size() == 3 ? 615 : 375;
    if (naming != NoteNaming::Letters) {
      width = 450;
      for (const Place& other : kPalettePlaces) {
        const int gap = other.left - kPalettePlaces[index].left;
        if (other.top == kPalettePlaces[index].top && gap > 0) width = std::min(width, gap - 30);
      }
      width = std::max(width, name.size() == 3 ? 615 : 375);
    }
    label->setGeometry(twips(kPalettePlaces[index].left, kPalettePlaces[index].top, width, 375));
    label->setText(shown);
    const std::optional<NoteName> note = NoteName::from_text(name);
    label->setAccessibleName(naming == NoteNaming::Letters || !note ? QString()
                                                                    : spoken_in(*note, naming));
  }
  // One size for the whole palette and one for the star, small enough for the longest name;
  // the letters keep the layout's own size.
  QFont palette_font = layout_font("MS Sans Serif", 13.5);
  circle_font_ = palette_font;
  if (naming != NoteNaming::Letters) {
    for (PaletteLabel* label : palette_) {
      palette_font = shrunk_to_fit(palette_font, label->text(), label->width());
      circle_font_ = shrunk_to_fit(circle_font_, label->text(), circles_[0]->width());
    }
  }
  for (PaletteLabel* label : palette_) label->setFont(palette_font);
  refresh();
}

void MainWindow::add_display_menus(QMenu& menu) {
  menu.addSeparator();
  QMenu* languages = menu.addMenu(tr("Language"));
  auto* language_group = new QActionGroup(languages);
  for (const auto& [code, title] : kLanguageNames) {
    QAction* action = languages->addAction(QString::fromUtf8(title));
    action->setCheckable(true);
    action->setChecked(language_ == code);
    language_group->addAction(action);
    connect(action, &QAction::triggered, this, [this, language = QString(code)] {
      form_.set_language_choice(language.toStdString());
      windows_.show_message(
          {tr("Velmora speaks the chosen language from its next start.").toStdString()});
    });
  }
  QMenu* namings = menu.addMenu(tr("Note names"));
  auto* naming_group = new QActionGroup(namings);
  for (const auto& [naming, title] : kNamingTitles) {
    QAction* action = namings->addAction(tr(title));
    action->setCheckable(true);
    action->setChecked(naming_ == naming);
    naming_group->addAction(action);
    connect(action, &QAction::triggered, this, [this, naming] {
      form_.set_note_names_choice(std::string(note_naming_word(naming)));
      set_note_naming(naming);
    });
  }
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const AnswerClass verdict = review_->verdict(circle);
    painter.setBrush(verdict == AnswerClass::Wrong ? kWrongColour
                     : verdict == AnswerClass::RightPitchWrongSpelling
                         ? kMisspeltColour
                         : ring_colour(kCircleBoxes[circle - 1].ring));
    painter.drawEllipse(QRectF(circle_disc(circle)).adjusted(0.5, 0.5, -0.5, -0.5));
  }
  painter.setBrush(Qt::NoBrush);
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const bool focused = circles_[circle - 1]->hasFocus();
    if (!focused && circle != input_->drag_target()) continue;
    painter.setPen(QPen(focused ? kFocusColour : kDropTargetColour, 3));
    painter.drawEllipse(circle_disc(circle).adjusted(-2, -2, 2, 2));
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kGreyLineColour, 1));
  painter.drawLine(twips(3120, 720), twips(7080, 4440));
  painter.drawLine(twips(5100, 720), twips(5100, 4440));
  painter.drawLine(twips(3120, 2580), twips(7080, 2580));
  painter.drawLine(twips(3120, 4440), twips(7080, 720));
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(twips(3120, 720, 3975, 3735).adjusted(0, 0, -1, -1));
  painter.drawLine(twips(10080, 5400), twips(120, 5400));
  painter.drawLine(twips(5160, 5400), twips(5160, 6840));
  painter.drawRect(twips(2040, 120, 6255, 4935).adjusted(0, 0, -1, -1));
  painter.setRenderHint(QPainter::Antialiasing);
  review_->paint(painter);
}

void MainWindow::add_shortcuts() {
  const std::pair<QKeySequence, std::function<void()>> shortcuts[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_N), [this] { Create_Puzzle_->click(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_K), [this] { Command_Check_->click(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { WorkSheet_cmd_->click(); }},
      {QKeySequence(Qt::Key_F1), [this] { Help_cmd_->click(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_M), [this] { review_->show_mistakes(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_L), [this] { input_->focus_star(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_H), [this] { show_progress(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_R), [this] { input_->reveal_at_stop(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_1), [this] { run([this] { form_.play_answer(1); }); }},
      {QKeySequence(Qt::CTRL | Qt::Key_2), [this] { run([this] { form_.play_answer(2); }); }},
      {QKeySequence(Qt::CTRL | Qt::Key_3), [this] { run([this] { form_.play_answer(3); }); }},
      {QKeySequence(Qt::CTRL | Qt::Key_4), [this] { run([this] { form_.play_answer(4); }); }},
  };
  for (const auto& [keys, action] : shortcuts) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
  }
}

void MainWindow::connect_menus() {
  const std::pair<QPushButton*, std::function<std::unique_ptr<QMenu>()>> menus[] = {
      {Create_Puzzle_, [this] { return create_menu(); }},
      {WorkSheet_cmd_, [this] { return worksheet_menu(); }},
      {Help_cmd_, [this] { return help_menu(); }},
  };
  for (const auto& [button, make_menu] : menus) {
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, this,
            [this, button, make_menu](QPoint at) {
              show_menu_(*make_menu(), button->mapToGlobal(at));
            });
  }
  choose_key_file_ = [this](const QString& proposed) {
    return QFileDialog::getSaveFileName(this, tr("Save Answer Key as PDF"), proposed,
                                        tr("PDF files (*.pdf)"));
  };
  choose_key_paper_ = [this](const SheetPaper& proposed) { return ask_key_paper(this, proposed); };
  printer_.set_printed_on([this](const QPageSize& paper) {
    form_.sheet_printed(paper.key().toStdString(), printing_style_ == PageStyle::Classroom);
  });
}

std::unique_ptr<QMenu> MainWindow::circle_menu(int circle) {
  auto menu = std::make_unique<QMenu>(this);
  const bool open = circles_[circle - 1]->isEnabled();
  for (const PaletteGroup& group : kPaletteGroups) {
    QMenu* names = menu->addMenu(tr(group.title));
    names->setEnabled(open);
    std::vector<PaletteLabel*> row(palette_.begin() + group.first,
                                   palette_.begin() + group.first + kGroupSize);
    // Left to right as on screen, where "D" stands before "E".
    std::ranges::sort(row, {}, [](const PaletteLabel* label) { return label->x(); });
    for (PaletteLabel* label : row) {
      const std::string name = label->name().toStdString();
      names->addAction(label->text(), this,
                       [this, circle, name] { run([&] { form_.circle_drop(circle, name); }); });
    }
  }
  menu->addAction(tr("Clear"), this, [this, circle] { run([&] { form_.clear_circle(circle); }); })
      ->setEnabled(open);
  menu->addSeparator();
  menu->addAction(tr("Show mistakes"), review_, &ReviewOverlay::show_mistakes)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  QAction* reveal =
      menu->addAction(tr("Reveal this note"), this, [this, circle] { input_->reveal(circle); });
  reveal->setEnabled(open);
  reveal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  return menu;
}

std::unique_ptr<QMenu> MainWindow::hint_menu(int line) {
  auto menu = std::make_unique<QMenu>(this);
  // The answer can only be heard while "Enable MIDI" is checked, as a hint's chord.
  QAction* play = menu->addAction(tr("Play my answer"), this,
                                  [this, line] { run([&] { form_.play_answer(line); }); });
  play->setEnabled(form_.controls().check_midi.checked());
  play->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + line - 1)));
  return menu;
}

std::unique_ptr<QMenu> MainWindow::create_menu() {
  auto menu = std::make_unique<QMenu>(this);
  QAction* weak_spots = menu->addAction(tr("Practice weak spots"));
  weak_spots->setObjectName("weak_spots");
  weak_spots->setCheckable(true);
  weak_spots->setChecked(form_.weak_spot_practice());
  // Without a history there are no mistakes to steer by.
  weak_spots->setEnabled(form_.keeps_history());
  connect(weak_spots, &QAction::toggled, this, [this](bool on) { form_.set_weak_spot_practice(on); });
  return menu;
}

std::unique_ptr<QMenu> MainWindow::worksheet_menu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(tr("Classroom sheet…"), this, [this] {
    printing_style_ = PageStyle::Classroom;
    run([this] { form_.classroom_sheet_click(); });
    printing_style_ = PageStyle::Standard;
  });
  menu->addAction(tr("Answer key…"), this, [this] {
    make_answer_key(windows_, last_sheet_paper(form_.kept_settings()), choose_key_paper_,
                    choose_key_file_, naming_);
  });
  return menu;
}

std::unique_ptr<QMenu> MainWindow::help_menu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(tr("Progress…"), this, [this] { show_progress(); })
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  menu->addAction(tr("Keys and features…"), this, [this] {
    auto* page = new KeysPage(this);
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->show();
  });
  add_display_menus(*menu);
  return menu;
}

QWidget* MainWindow::show_progress() {
  if (progress_ != nullptr) {
    QMetaObject::invokeMethod(progress_, "refresh");
  } else {
    // Installed in a library folder of its own, in a build beside the program; a program that
    // links it (the tests) finds it loaded already.
    const QString folder = QCoreApplication::applicationDirPath();
    using Maker = QWidget* (*)(PracticeHistory*, QWidget*, const std::function<void()>*);
    Maker make = nullptr;
    QString failure;
    for (const QString& name : {folder + "/" VELMORA_PROGRESS_FROM_PROGRAM "/libvelmora_progress.so",
                                folder + "/libvelmora_progress.so",
                                QString("libvelmora_progress.so")}) {
      QLibrary library(name);
      make = reinterpret_cast<Maker>(library.resolve("velmora_progress_window"));
      if (make != nullptr) break;
      if (failure.isEmpty()) failure = library.errorString();
    }
    if (make == nullptr) {
      windows_.show_message(
          {tr("The progress window cannot be opened (%1).").arg(failure).toStdString(),
           Buttons::Ok, Icon::Critical});
      return nullptr;
    }
    // Weak-spot practice must not go on steering toward mistakes that are forgotten.
    const std::function<void()> forgotten = [this] { form_.history_changed(); };
    progress_ = make(history_, this, &forgotten);
    QMetaObject::invokeMethod(progress_, "set_note_naming", Q_ARG(int, static_cast<int>(naming_)));
  }
  progress_->show();
  progress_->raise();
  progress_->activateWindow();
  return progress_;
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  place_on_screen(*this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (handlers_running_ > 0) {
    close_requested_ = true;
    event->ignore();
    return;
  }
  form_.Form_Unload();
  about_.close();
  if (progress_ != nullptr) progress_->close();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace velmora

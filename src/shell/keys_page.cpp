#include "shell/keys_page.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <span>

namespace velmora {
namespace {

struct Row {
  const char* keys;
  const char* does;
};

constexpr Row kKeys[] = {
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+N"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "Create: a new puzzle")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+K"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "Check: count the right answers")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+M"),
     QT_TRANSLATE_NOOP(
         "velmora::KeysPage",
         "Show mistakes: mark every wrong (X), misspelled (~) and empty (?) circle and list "
         "why, until you change the board")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+P"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "Work Sheet: print six empty stars")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "F1"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "Help: about Velmora")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+H"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "your progress as charts and as text")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+L"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "go to the star")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Arrow keys"),
     QT_TRANSLATE_NOOP("velmora::KeysPage",
                       "in the star: the nearest circle that way; in the palette: the next name")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "A letter, then b, # or x"),
     QT_TRANSLATE_NOOP("velmora::KeysPage",
                       "enter that name in the ringed circle (\"f##\" gives Fx)")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Backspace, Delete"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "empty the ringed circle")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Enter in the palette"),
     QT_TRANSLATE_NOOP("velmora::KeysPage",
                       "pick the name up; then arrows and Enter put it in a circle, "
                       "Escape puts it back")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+R"),
     QT_TRANSLATE_NOOP(
         "velmora::KeysPage",
         "Reveal this note: show the ringed circle's right note (it counts as missed)")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Ctrl+1 .. Ctrl+4"),
     QT_TRANSLATE_NOOP("velmora::KeysPage",
                       "Play my answer: hear your notes on chord line 1 to 4")},
};

constexpr Row kMenus[] = {
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Create"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "Practice weak spots")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Work Sheet"),
     QT_TRANSLATE_NOOP(
         "velmora::KeysPage",
         "Answer key\u2026: the key of the sheets printed from this folder, as a PDF")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "Help"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "Progress\u2026, Keys and features\u2026")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "A circle"),
     QT_TRANSLATE_NOOP("velmora::KeysPage",
                       "every palette name, Clear, Show mistakes, Reveal this note")},
    {QT_TRANSLATE_NOOP("velmora::KeysPage", "A chord name"),
     QT_TRANSLATE_NOOP("velmora::KeysPage", "Play my answer")},
};

QString translated(const char* text) {
  return QCoreApplication::translate("velmora::KeysPage", text);
}

QString table(const QString& title, const QString& first, std::span<const Row> rows) {
  QString html = QString(
                     "<h3>%1</h3><table cellspacing=\"4\"><tr><th align=\"left\">%2</th>"
                     "<th align=\"left\">%3</th></tr>")
                     .arg(title, first, KeysPage::tr("What it does"));
  for (const Row& row : rows) {
    html += QString("<tr><td>%1</td><td>%2</td></tr>")
                .arg(translated(row.keys).toHtmlEscaped(), translated(row.does).toHtmlEscaped());
  }
  return html + "</table>";
}

}  // namespace

KeysPage::KeysPage(QWidget* parent) : QDialog(parent) {
  setObjectName("keys_page");
  setWindowTitle(tr("Keys and features"));
  auto* page = new QTextBrowser(this);
  page->setObjectName("keys_text");
  page->setHtml(table(tr("Keys"), tr("Keys"), kKeys) +
                table(tr("Context menus (right click)"), tr("On"), kMenus) + "<p>" +
                tr("Hold the mouse over a button to see its key and its menu.").toHtmlEscaped() +
                "</p>");
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page);
  layout->addWidget(close);
  resize(560, 520);
}

QString KeysPage::text() const { return findChild<QTextBrowser*>("keys_text")->toPlainText(); }

}  // namespace velmora

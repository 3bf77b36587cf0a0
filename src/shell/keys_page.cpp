#include "shell/keys_page.h"

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
    {"Ctrl+N", "Create: a new puzzle"},
    {"Ctrl+K", "Check: count the right answers"},
    {"Ctrl+M", "Show mistakes: mark every wrong (X), misspelled (~) and empty (?) circle and list "
               "why, until you change the board"},
    {"Ctrl+P", "Work Sheet: print six empty stars"},
    {"F1", "Help: about Velmora"},
    {"Ctrl+H", "your progress as charts and as text"},
    {"Ctrl+L", "go to the star"},
    {"Arrow keys", "in the star: the nearest circle that way; in the palette: the next name"},
    {"A letter, then b, # or x", "enter that name in the ringed circle (\"f##\" gives Fx)"},
    {"Backspace, Delete", "empty the ringed circle"},
    {"Enter in the palette", "pick the name up; then arrows and Enter put it in a circle, "
                             "Escape puts it back"},
    {"Ctrl+R", "Reveal this note: show the ringed circle's right note (it counts as missed)"},
    {"Ctrl+1 .. Ctrl+4", "Play my answer: hear your notes on chord line 1 to 4"},
};

constexpr Row kMenus[] = {
    {"Create", "Practice weak spots"},
    {"Work Sheet", "Answer key\u2026: the key of the sheets printed from this folder, as a PDF"},
    {"Help", "Progress\u2026, Keys and features\u2026"},
    {"A circle", "every palette name, Clear, Show mistakes, Reveal this note"},
    {"A chord name", "Play my answer"},
};

QString table(const char* title, const char* first, std::span<const Row> rows) {
  QString html = QString("<h3>%1</h3><table cellspacing=\"4\"><tr><th align=\"left\">%2</th>"
                         "<th align=\"left\">What it does</th></tr>")
                     .arg(title, first);
  for (const Row& row : rows) {
    html += QString("<tr><td>%1</td><td>%2</td></tr>")
                .arg(QString::fromUtf8(row.keys).toHtmlEscaped(),
                     QString::fromUtf8(row.does).toHtmlEscaped());
  }
  return html + "</table>";
}

}  // namespace

KeysPage::KeysPage(QWidget* parent) : QDialog(parent) {
  setObjectName("keys_page");
  setWindowTitle("Keys and features");
  auto* page = new QTextBrowser(this);
  page->setObjectName("keys_text");
  page->setHtml(table("Keys", "Keys", kKeys) +
                table("Context menus (right click)", "On", kMenus) +
                "<p>Hold the mouse over a button to see its key and its menu.</p>");
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page);
  layout->addWidget(close);
  resize(560, 520);
}

QString KeysPage::text() const { return findChild<QTextBrowser*>("keys_text")->toPlainText(); }

}  // namespace velmora

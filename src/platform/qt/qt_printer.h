#pragma once

#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/page_painter.h"
#include "ports/printer.h"

class QPagedPaintDevice;
class QWidget;

namespace velmora {

// How the user chooses where the worksheet goes; injected so tests never open a modal dialog.
struct PrintDialogs {
  // Whether the system has any printer to offer.
  std::function<bool()> printers_available;
  // Lets the user choose a printer and its settings; false when cancelled.
  std::function<bool(QPrinter& printer)> choose_printer;
  // Asks for a PDF file name, proposing `proposed`; empty when cancelled.
  std::function<QString(const QString& proposed)> choose_pdf_file;
};

// The platform's print dialog, or a file dialog for a PDF when there is no printer.
PrintDialogs platform_print_dialogs(QWidget* parent);

// Prints through QPrinter: twips are mapped through the printer's resolution onto the whole
// paper, margins included. The page is kept until `end_document` and only then painted, so an
// aborted document never starts a print job or leaves a PDF behind. A PDF replaces a file of
// its name only once it is completely on disk.
class QtPrinter final : public Printer {
 public:
  explicit QtPrinter(PrintDialogs dialogs);
  ~QtPrinter() override;

  Status begin_document() override;
  Status page_size(PageSize& page) override;
  Status set_position(Twips x, Twips y) override;
  Status set_font_size(int points) override;
  Status print_line(std::string_view text) override;
  Status circle(Twips x, Twips y, Twips radius) override;
  Status line(TwipPoint from, TwipPoint to) override;
  Status end_document() override;
  void abort_document() override;

  // Puts the page's fixed texts (heading, footer) into the window's language.
  void set_wording(std::function<QString(std::string_view)> wording) {
    wording_ = std::move(wording);
  }

  // Told the paper of every page that was sent to the printer or saved.
  void set_printed_on(std::function<void(const QPageSize& paper)> printed_on) {
    printed_on_ = std::move(printed_on);
  }

 private:
  Status paint_marks(QPagedPaintDevice& device) const;
  Status save_pdf(const QString& target) const;

  PrintDialogs dialogs_;
  std::function<QString(std::string_view)> wording_;
  std::function<void(const QPageSize& paper)> printed_on_;
  std::unique_ptr<QPrinter> printer_;
  MarkedPage marks_;
  Twips x_ = 0;
  Twips y_ = 0;
  int font_points_ = 0;
};

}  // namespace velmora

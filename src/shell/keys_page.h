#pragma once

#include <QDialog>

namespace velmora {

// "Keys and features": every shortcut and context menu of the main window on one page, opened
// from the Help button's context menu.
class KeysPage final : public QDialog {
  Q_OBJECT
 public:
  explicit KeysPage(QWidget* parent);
  // The page's text, as shown.
  QString text() const;
};

}  // namespace velmora

#pragma once

#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>

namespace k9r {

class MainWindow;

// The Qt face of the main window model: menus, toolbar, tabs and the cell
// grids, all bound to the model's controls.
class MainWindowView : public QMainWindow {
 public:
  explicit MainWindowView(MainWindow& model, QWidget* parent = nullptr);

  // The tab pages, for the parts of the window that fill them.
  QWidget* TabPage(int tab) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildTabs();
  void BindWindow();
  QWidget* BuildCommandFrame();

  MainWindow& model_;
  QTabWidget* tabs_ = nullptr;
  QTimer clockTimer_;
};

}  // namespace k9r

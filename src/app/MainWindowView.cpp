#include "app/MainWindowView.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QMenuBar>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <cstdlib>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/Bindings.h"
#include "app/FunctionTab.h"
#include "app/MemoryGrid.h"
#include "app/ModePanelView.h"
#include "app/UserInfoPage.h"
#include "app/SpecFuncTab.h"
#include "editor/MainWindow.h"

namespace k9r {

namespace {

QIcon ToolIcon(const QWidget* window, const std::string& key) {
  static const std::map<std::string, std::pair<const char*, QStyle::StandardPixmap>> kIcons{
      {"Load", {"document-open", QStyle::SP_DialogOpenButton}},
      {"New", {"document-new", QStyle::SP_FileIcon}},
      {"Link", {"network-wired", QStyle::SP_DriveNetIcon}},
      {"Read Setup Data", {"go-down", QStyle::SP_ArrowDown}},
      {"Save", {"document-save", QStyle::SP_DialogSaveButton}},
      {"Write Setup Data", {"go-up", QStyle::SP_ArrowUp}},
      {"Printer", {"document-print", QStyle::SP_FileDialogDetailedView}},
      {"1000h-MEM-TABLE", {"x-office-spreadsheet", QStyle::SP_FileDialogListView}},
      {"1080h-MEM-TABLE", {"x-office-spreadsheet", QStyle::SP_FileDialogListView}},
      {"CLOSE MEM-TABLE", {"window-close", QStyle::SP_DialogCloseButton}},
      {"SPEC_FUNC", {"preferences-system", QStyle::SP_FileDialogInfoView}},
      {"Exit", {"application-exit", QStyle::SP_DialogCancelButton}},
  };
  const auto found = kIcons.find(key);
  if (found == kIcons.end()) return {};
  return QIcon::fromTheme(found->second.first, window->style()->standardIcon(found->second.second));
}

// Chinese and Japanese are written without spaces and their characters are
// about twice as wide as Latin ones.
bool IsWideCharacter(QChar character) { return character.unicode() >= 0x2E80; }

// Long captions go on two lines so that the whole bar fits an 800-pixel
// screen: at the space or hyphen nearest the middle, or, in a script written
// without spaces, in the middle.
QString TwoLineCaption(const std::string& caption) {
  QString text = QString::fromStdString(caption);
  qsizetype width = 0;
  for (QChar character : text) width += IsWideCharacter(character) ? 2 : 1;
  if (width <= 8) return text;
  int best = -1;
  for (int i = 0; i < text.size(); ++i) {
    if ((text[i] == ' ' || text[i] == '-') && (best < 0 || std::abs(i - text.size() / 2) < std::abs(best - text.size() / 2))) {
      best = i;
    }
  }
  if (best < 0) {
    const int middle = static_cast<int>(text.size() / 2);
    if (middle > 0 && IsWideCharacter(text[middle - 1]) && IsWideCharacter(text[middle])) {
      return text.left(middle) + "\n" + text.mid(middle);
    }
    return text;
  }
  return text[best] == ' ' ? text.left(best) + "\n" + text.mid(best + 1) : text.left(best + 1) + "\n" + text.mid(best + 1);
}

}  // namespace

MainWindowView::MainWindowView(MainWindow& model, QWidget* parent) : QMainWindow(parent), model_(model) {
  // No Close in the title bar: Exit, with its question, is the way out.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
  BuildMenus();
  BuildToolbar();
  BuildTabs();
  BindWindow();
  // The model moves the focus (Enter in a contact field); the widget follows.
  model_.SetFocusObserver([this](const std::string& name) {
    if (auto* widget = findChild<QWidget*>(QString::fromStdString(name))) widget->setFocus();
  });
  connect(&clockTimer_, &QTimer::timeout, this, [this] { model_.Timer1_Timer(std::chrono::system_clock::now()); });
  clockTimer_.start(1000);
}

void MainWindowView::BuildMenus() {
  // Menu titles with their entries; an empty name is a separator.
  const std::vector<std::pair<const char*, std::vector<const char*>>> menus{
      {"mnufile", {"mnuload", "", "mnusaveas", "", "mnuprinter", "", "mnuexit"}},
      {"mnutools", {"mmuReadSetupData", "", "mnuWriteSetupData", "", "mnulanguage"}},
      {"mnuabout", {"mmuVer"}},
  };
  for (const auto& [menuName, entries] : menus) {
    QMenu* menu = menuBar()->addMenu(QString());
    BindMenuAction(menu->menuAction(), model_.Menu(menuName));
    for (const char* entry : entries) {
      if (*entry == '\0') {
        menu->addSeparator();
      } else {
        BindMenuAction(menu->addAction(QString()), model_.Menu(entry));
      }
    }
  }
}

void MainWindowView::BuildToolbar() {
  Toolbar& toolbar = model_.K9R_P1_Toolbar();
  QToolBar* bar = addToolBar(QString::fromStdString(toolbar.Name()));
  bar->setObjectName(QString::fromStdString(toolbar.Name()));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setIconSize(QSize(18, 18));
  QFont small = bar->font();
  small.setPointSizeF(small.pointSizeF() * 0.75);
  bar->setFont(small);

  const auto& buttons = toolbar.Buttons();
  std::vector<QAction*> actions(buttons.size(), nullptr);
  const int last = static_cast<int>(buttons.size());
  bool spacerPending = false;
  for (int number = 1; number <= last; ++number) {
    const auto& button = buttons[static_cast<std::size_t>(number - 1)];
    if (button.key.empty()) {
      spacerPending = true;
      continue;
    }
    if (number == last) {
      // The last button sits at the far right, as on the original bar.
      auto* stretch = new QWidget(bar);
      stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
      bar->addWidget(stretch);
    } else if (spacerPending && number > 1) {
      bar->addSeparator();
    }
    spacerPending = false;
    QAction* action = bar->addAction(ToolIcon(this, button.key), QString());
    actions[static_cast<std::size_t>(number - 1)] = action;
    connect(action, &QAction::triggered, this, [&toolbar, number] { toolbar.ClickButton(number); });
  }
  auto refresh = [&toolbar, actions, bar] {
    const auto& current = toolbar.Buttons();
    for (std::size_t i = 0; i < actions.size(); ++i) {
      if (!actions[i]) continue;
      actions[i]->setText(TwoLineCaption(current[i].caption));
      actions[i]->setToolTip(QString::fromStdString(current[i].toolTip));
    }
    bar->setEnabled(toolbar.Enabled());
  };
  refresh();
  toolbar.SetViewObserver(refresh);
}

void MainWindowView::BuildTabs() {
  TabStrip& strip = model_.SSTab1();
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QString::fromStdString(strip.Name()));
  for (std::size_t tab = 0; tab < strip.Captions().size(); ++tab) tabs_->addTab(new QWidget, QString());

  BuildFunctionTab(TabPage(0), model_, BuildCommandFrame());

  auto* userLayout = new QVBoxLayout(TabPage(1));
  userLayout->setContentsMargins(0, 0, 0, 0);
  userLayout->addWidget(BuildUserInfoPage(model_, TabPage(1)));

  BuildSpecFuncTab(TabPage(2), model_);

  for (int half = 0; half < 2; ++half) {
    auto* layout = new QVBoxLayout(TabPage(3 + half));
    layout->addWidget(BuildMemoryGrid(model_, half));
    layout->addStretch();
  }

  auto refresh = [this, &strip] {
    const QSignalBlocker blocker(tabs_);
    for (int tab = 0; tab < tabs_->count(); ++tab) {
      tabs_->setTabText(tab, QString::fromStdString(strip.Captions()[static_cast<std::size_t>(tab)]));
      tabs_->setTabEnabled(tab, strip.TabEnabled(tab));
    }
    tabs_->setCurrentIndex(strip.Index());
    tabs_->setEnabled(strip.Enabled());
  };
  refresh();
  strip.SetViewObserver(refresh);
  connect(tabs_, &QTabWidget::currentChanged, this, [this, &strip](int tab) {
    if (!strip.Select(tab)) tabs_->setCurrentIndex(strip.Index());
  });
  setCentralWidget(tabs_);
  BuildModePanel(model_, tabs_);
}

QWidget* MainWindowView::BuildCommandFrame() {
  auto* frame = new QWidget;
  auto* layout = new QGridLayout(frame);
  auto* ports = new QGroupBox;
  BindFrame(ports, model_.Controls().Get<Frame>("COM_SETUP"));
  auto* portLayout = new QVBoxLayout(ports);
  portLayout->setContentsMargins(4, 2, 4, 4);
  portLayout->setSpacing(2);
  auto* portList = new QComboBox;
  BindChoice(portList, model_.Controls().Get<Choice>("COM_PORT_SETUP"));
  portList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  portList->setMinimumContentsLength(8);
  portLayout->addWidget(portList);
  // The demo unit says so in red under the list.
  auto* note = new QLabel;
  BindLabel(note, model_.Controls().Get<Label>("LINK_NOTE"));
  note->setAlignment(Qt::AlignCenter);
  note->setStyleSheet("color: #b00000; font-weight: bold;");
  portLayout->addWidget(note);

  auto* read = new QPushButton;
  BindButton(read, model_.Controls().Get<Button>("READ_SETUP_DATA"));
  auto* write = new QPushButton;
  BindButton(write, model_.Controls().Get<Button>("WRITE_SETUP_DATA"));
  auto* print = new QPushButton;
  BindButton(print, model_.Controls().Get<Button>("PRINTER_MAIN"));
  auto* progress = new QProgressBar;
  BindProgress(progress, model_.ProgressBar1());
  // One column: the frame shares its row with the unit settings, and must
  // not be taller than they are.
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setVerticalSpacing(3);
  layout->addWidget(ports, 0, 0);
  layout->addWidget(read, 1, 0);
  layout->addWidget(write, 2, 0);
  layout->addWidget(print, 3, 0);
  layout->addWidget(progress, 4, 0);
  return frame;
}

void MainWindowView::BindWindow() {
  Form& form = model_.Window();
  setObjectName(QString::fromStdString(form.Name()));
  setFixedSize(form.Width(), form.Height());
  auto refresh = [this, &form] {
    setWindowTitle(QString::fromStdString(form.Caption()));
    move(form.Left(), form.Top());
  };
  refresh();
  form.SetViewObserver(refresh);
}

QWidget* MainWindowView::TabPage(int tab) const { return tabs_->widget(tab); }

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (model_.Ended()) {
    event->accept();
    return;
  }
  // A close request from the window manager asks the Exit question too.
  event->ignore();
  model_.RunCommand(Command::Exit);
}

}  // namespace k9r

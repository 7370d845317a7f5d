#include "report/WindowCapture.h"

#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>

namespace k9r {

namespace {

// The window is rendered at this multiple of its screen resolution, so that
// its texts stay sharp when the page enlarges it.
constexpr qreal kCaptureScale = 3.0;

QImage BlankCapture(QSize logicalSize) {
  QImage image(logicalSize * kCaptureScale, QImage::Format_RGB32);
  image.setDevicePixelRatio(kCaptureScale);
  image.fill(Qt::white);
  return image;
}

QStyleOptionTitleBar TitleBarOption(const QWidget& window) {
  QStyleOptionTitleBar option;
  option.initFrom(&window);
  option.state |= QStyle::State_Active;
  option.text = window.windowTitle();
  option.icon = window.windowIcon();
  option.titleBarFlags = window.windowFlags();
  option.titleBarState = static_cast<int>(window.windowState());
  option.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu;
  if (window.windowFlags() & Qt::WindowMinimizeButtonHint) option.subControls |= QStyle::SC_TitleBarMinButton;
  option.rect = QRect(0, 0, window.width(), window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window));
  return option;
}

int ClientAreaTop(const QMainWindow& window) {
  const QWidget* menu = window.menuWidget();
  return menu && menu->isVisible() ? menu->geometry().bottom() + 1 : 0;
}

}  // namespace

QImage CaptureWholeWindow(QMainWindow& window) {
  window.ensurePolished();
  const QStyleOptionTitleBar titleBar = TitleBarOption(window);
  QImage image = BlankCapture(QSize(window.width(), titleBar.rect.height() + window.height()));
  QPainter painter(&image);
  window.style()->drawComplexControl(QStyle::CC_TitleBar, &titleBar, &painter, &window);
  window.render(&painter, QPoint(0, titleBar.rect.height()));
  return image;
}

QImage CaptureClientArea(QMainWindow& window) {
  window.ensurePolished();
  const QRect clientArea(0, ClientAreaTop(window), window.width(), window.height() - ClientAreaTop(window));
  QImage image = BlankCapture(clientArea.size());
  QPainter painter(&image);
  window.render(&painter, QPoint(0, 0), QRegion(clientArea));
  return image;
}

}  // namespace k9r

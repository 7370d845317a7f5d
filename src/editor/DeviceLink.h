#pragma once

#include "device/ProductData.h"
#include "device/RW.h"
#include "editor/MainWindowLinkHost.h"

namespace k9r {

class MainWindow;
class SerialPort;

// The programmer window RW as the main window holds it: the link object on
// one serial port, with the main window as its host.
class DeviceLink {
 public:
  DeviceLink(MainWindow& window, SerialPort& port, ProductData productData)
      : host_(window), rw_(host_, port, std::move(productData)) {}

  RW& Rw() { return rw_; }

 private:
  MainWindowLinkHost host_;
  RW rw_;
};

}  // namespace k9r

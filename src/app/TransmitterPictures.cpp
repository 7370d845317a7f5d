#include "app/TransmitterPictures.h"

#include <QSvgRenderer>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "app/Bindings.h"
#include "editor/MainWindow.h"

// Q_INIT_RESOURCE declares its initializer where it stands: global scope.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace k9r {

namespace {

QWidget* PictureWidget(MainWindow& model, const char* name, const char* resource) {
  auto* picture = new QSvgWidget(QString(resource));
  // Keep the drawing's proportions whatever the layout gives it.
  picture->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
  BindContainer(picture, model.Controls().Get<Control>(name));
  return picture;
}

}  // namespace

QWidget* BuildTransmitterPictures(MainWindow& model) {
  // The drawings live in a static library, whose resources the linker would
  // otherwise leave out.
  InitPictureResources();
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PictureWidget(model, "Picture1", ":/pictures/transmitter-standard.svg"));
  layout->addWidget(PictureWidget(model, "Picture2", ":/pictures/transmitter-six-pair.svg"));
  return box;
}

}  // namespace k9r

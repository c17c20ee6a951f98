// Screen metrics.
#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/app.h"

namespace qiro {

ScreenSize primaryScreenSize() {
  ensureApplication();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize size = screen->size();
  return {size.width(), size.height()};
}

}  // namespace qiro

// The process's one application object, made when first needed.
#include "platform/app.h"

#include <QApplication>
#include <QFont>

namespace qiro {

namespace {

bool hasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The faces the drawings name, mapped to the metric-compatible faces Debian ships, so
// texts take the room they were laid out for.
void addFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

}  // namespace

void ensureApplication() {
  static bool ready = false;
  if (ready) return;
  if (QCoreApplication::instance() == nullptr) {
    if (!hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Kept for the whole run and never destroyed: tearing it down among the other static
    // objects at exit would touch Qt's own statics after they are gone. The arguments
    // must outlive it.
    static int argc = 1;
    static char name[] = "qiro";
    static char* argv[] = {name, nullptr};
    static auto* application = new QApplication(argc, argv);
    (void)application;
  }
  addFontSubstitutions();
  ready = true;
}

}  // namespace qiro

#include "mpv_library.h"

#include <QLibrary>
#include <clocale>
#include <optional>

namespace {

struct Loaded {
  std::optional<MpvLibrary> functions;
  QString error;
};

template <typename F>
bool resolve(QLibrary& library, const char* name, F& function) {
  function = reinterpret_cast<F>(library.resolve(name));
  return function != nullptr;
}

Loaded load() {
  Loaded result;
  // Never unloaded: mpv's threads may still run while the program ends.
  static QLibrary library("mpv", 2);
  if (!library.load()) {
    result.error = QStringLiteral("映像を再生するライブラリ (libmpv) が見つかりません");
    return result;
  }
  MpvLibrary f{};
  const bool all = resolve(library, "mpv_create", f.create) &&
                   resolve(library, "mpv_initialize", f.initialize) &&
                   resolve(library, "mpv_terminate_destroy", f.terminateDestroy) &&
                   resolve(library, "mpv_set_option", f.setOption) &&
                   resolve(library, "mpv_set_option_string", f.setOptionString) &&
                   resolve(library, "mpv_set_property", f.setProperty) &&
                   resolve(library, "mpv_set_property_string", f.setPropertyString) &&
                   resolve(library, "mpv_get_property", f.getProperty) &&
                   resolve(library, "mpv_command", f.command) &&
                   resolve(library, "mpv_observe_property", f.observeProperty) &&
                   resolve(library, "mpv_wait_event", f.waitEvent) &&
                   resolve(library, "mpv_set_wakeup_callback", f.setWakeupCallback) &&
                   resolve(library, "mpv_error_string", f.errorString) &&
                   resolve(library, "mpv_free", f.free);
  if (!all) {
    result.error = QStringLiteral("映像を再生するライブラリ (libmpv) の版が合いません");
    return result;
  }
  // mpv refuses to start unless numbers are read the C way; Qt's own
  // number texts do not depend on this setting.
  std::setlocale(LC_NUMERIC, "C");
  result.functions = f;
  return result;
}

}  // namespace

const MpvLibrary* MpvLibrary::get(QString* error) {
  static const Loaded loaded = load();
  if (error) *error = loaded.error;
  return loaded.functions ? &*loaded.functions : nullptr;
}

// libmpv, loaded at the first video rather than linked: linking it would add
// its couple of hundred shared libraries to every start of the program.
// <mpv/client.h> is included for its types alone.
#pragma once

#include <mpv/client.h>

#include <QString>

struct MpvLibrary {
  decltype(&mpv_create) create;
  decltype(&mpv_initialize) initialize;
  decltype(&mpv_terminate_destroy) terminateDestroy;
  decltype(&mpv_set_option) setOption;
  decltype(&mpv_set_option_string) setOptionString;
  decltype(&mpv_set_property) setProperty;
  decltype(&mpv_set_property_string) setPropertyString;
  decltype(&mpv_get_property) getProperty;
  decltype(&mpv_command) command;
  decltype(&mpv_observe_property) observeProperty;
  decltype(&mpv_wait_event) waitEvent;
  decltype(&mpv_set_wakeup_callback) setWakeupCallback;
  decltype(&mpv_error_string) errorString;
  decltype(&mpv_free) free;

  // The library's functions, loaded once; null when libmpv is missing, with
  // the operator's message in `error`.
  static const MpvLibrary* get(QString* error = nullptr);
};

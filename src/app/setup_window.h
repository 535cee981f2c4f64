#pragma once
// The setup window's start branch (class "TBGM_SETUPFM"). Until the installer is built it
// tells the user why the player did not start and what to do.
#include "app/startup.h"
#include "ui/application.h"

namespace app {

int RunSetupWindow(ui::Application& app, const StartDecision& start);

}  // namespace app

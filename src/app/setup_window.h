#pragma once
// The setup window's start branch (class "TBGM_SETUPFM"). Until the installer is built it
// tells the user why the player did not start and, when only the settings version is
// missing or different, offers to register this version and start the player at once.
#include "app/startup.h"
#include "platform/registry.h"
#include "ui/application.h"

namespace app {

enum class SetupOutcome { Closed, StartPlayer };

SetupOutcome RunSetupWindow(ui::Application& app, const StartDecision& start, platform::Registry& reg);

}  // namespace app

#pragma once
// The folder history rule: most recent first, no duplicates (exact comparison), at
// most the limit and at most 16,000 entries; the top entry selected, the count on its label.
#include <string>

#include "ui/list_box.h"
#include "ui/widgets.h"

namespace files {

inline constexpr int kFolderHistoryCap = 16000;

// Records folder at the top of the history; a limit of 0 records nothing.
void RecordFolderHistory(ui::ItemList& history, ui::Label& count, int limit, const std::string& folder);
// Sets the count label to count + "ｺ".
void ShowHistoryCount(ui::ItemList& history, ui::Label& count);

}  // namespace files
